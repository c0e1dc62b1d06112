#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

namespace platform::qt {

QString BoxText(const std::string& text) {
    // Paths in messages are spelled as the file system spells them (UTF-8);
    // other 8-bit text that is no valid UTF-8 is Latin-1, as in the widgets.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (utf8.hasError()) {
        s = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

MsgResult QtUi::ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QStringLiteral("Information");
    switch (kind) {
    case MsgKind::Error:
        icon = QMessageBox::Critical;
        title = QStringLiteral("Error");
        break;
    case MsgKind::Warning:
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
        break;
    case MsgKind::Information:
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok:
        break;
    case MsgButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        defaultButton = QMessageBox::Yes;
        break;
    case MsgButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(icon, title, BoxText(text), standard, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        // Closing a Yes/No box without a button counts as No, any other box
        // as its last button.
        if (buttons == MsgButtons::YesNo) {
            return MsgResult::No;
        }
        return buttons == MsgButtons::OkCancel && box.clickedButton() == nullptr ? MsgResult::Cancel
                                                                                 : MsgResult::Ok;
    }
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::ShowInternalError(const std::string& message) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Pinsmith"),
                          BoxText(message));
}

} // namespace platform::qt
