// Pinsmith: starts an FPGA project for one development board.
#include "app/FormMain.h"
#include "platform/Dialogs.h"
#include "platform/Ui.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

#include <clocale>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt adopts the user's locale for the C library; generated files must not
    // (a decimal comma would spoil the timing constraints).
    std::setlocale(LC_NUMERIC, "C");
    // The forms are laid out in pixels for a small dialog font.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    platform::qt::QtUi ui;
    platform::qt::QtDialogs dialogs;
    platform::SetUiServices(&ui);
    platform::SetDialogServices(&dialogs);
    try {
        TFormMain window;
        window.show();
        app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Pinsmith"),
                              QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Pinsmith"), QString());
    }
    platform::SetDialogServices(nullptr);
    platform::SetUiServices(nullptr);
    return 0;
}
