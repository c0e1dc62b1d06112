#pragma once
// Shared set-up of the GUI tests: a temporary program folder, scripted boxes
// and dialogs, a fixed screen, and a way to act on a modal dialog once it
// is showing.

#include "platform/Files.h"
#include "platform/ScriptedDialogs.h"
#include "platform/ScriptedUi.h"
#include "platform/qt/Desktop.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

class GuiTest : public ::testing::Test {
protected:
    GuiTest() {
        platform::SetProgramFolder(dir.Path());
        platform::qt::SetScreenSizeForTests(QSize(1920, 1080));
    }
    ~GuiTest() override {
        platform::qt::SetScreenSizeForTests(std::nullopt);
        platform::SetProgramFolder("");
    }

    TempDir dir;
    platform::ScriptedUi ui;
    platform::ScriptedDialogs dialogs;
};

// Runs action on the modal widget that the next exec() shows. The action
// must close it.
inline void WhenModalShows(std::function<void(QWidget*)> action) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(5, *poll);
            return;
        }
        action(modal);
    };
    QTimer::singleShot(0, *poll);
}
