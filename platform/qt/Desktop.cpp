#include "platform/qt/Desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace platform::qt {
namespace {
std::optional<bool> gCtrlForTests;
std::optional<QSize> gScreenForTests;
} // namespace

bool IsLeftCtrlDown() {
    if (gCtrlForTests) {
        return *gCtrlForTests;
    }
    // The modifiers of the event being handled, that is, of the click.
    return (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) != 0;
}

void SetCtrlDownForTests(std::optional<bool> down) {
    gCtrlForTests = down;
}

QSize ScreenSize() {
    if (gScreenForTests) {
        return *gScreenForTests;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void SetScreenSizeForTests(std::optional<QSize> size) {
    gScreenForTests = size;
}

TMessageEvent::TMessageEvent(int message, long long wParam, long long lParam)
    : QEvent(EventType()), Message(message), WParam(wParam), LParam(lParam) {}

QEvent::Type TMessageEvent::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostWindowMessage(QObject* window, int message, long long wParam, long long lParam) {
    QCoreApplication::postEvent(window, new TMessageEvent(message, wParam, lParam));
}

} // namespace platform::qt
