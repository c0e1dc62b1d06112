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

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

    // The texts of the boxes shown so far, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const platform::RecordedBox& box : ui.Boxes()) {
            texts.push_back(box.text);
        }
        return texts;
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

// The child widget of parent with that object name; a missing one fails the
// test.
template <class W> W* Child(const QWidget* parent, const char* name) {
    W* widget = parent->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::string bytes;
    platform::ReadWholeFile(path, bytes);
    return bytes;
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(platform::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))
                    .Complete(bytes.size()));
}

// The names of the folders in folder, sorted.
inline std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The main window's own messages (message, wParam + lParam) that act posts to
// target; they are caught before target handles them (so Change Main Board
// opens no selector).
inline std::vector<std::pair<int, long long>> MessagesPostedTo(QObject* target,
                                                               const std::function<void()>& act) {
    struct Catcher : QObject {
        std::vector<std::pair<int, long long>> messages;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() != platform::qt::TMessageEvent::EventType()) {
                return false;
            }
            const auto& message = static_cast<platform::qt::TMessageEvent&>(*event);
            messages.emplace_back(message.Message, message.WParam + message.LParam);
            return true;
        }
    } catcher;
    target->installEventFilter(&catcher);
    act();
    QCoreApplication::sendPostedEvents(target);
    target->removeEventFilter(&catcher);
    return catcher.messages;
}
