#pragma once
// What the board forms and the main window need of the window system: the
// Ctrl key at a click, the screen size, and window messages posted to a
// window as queued events.

#include <QEvent>
#include <QSize>

#include <optional>

class QObject;

namespace platform::qt {

// Whether Ctrl was held at the input event being handled (a click). The
// window system does not tell the left Ctrl key from the right one, so
// either counts.
bool IsLeftCtrlDown();
// Tests: a fixed answer; nullopt restores the real key state.
void SetCtrlDownForTests(std::optional<bool> down);

// The size of the primary screen.
QSize ScreenSize();
// Tests: a fixed size; nullopt restores the real screen.
void SetScreenSizeForTests(std::optional<QSize> size);

// Integer division truncating toward zero, as the window positions use:
// (outer - inner) / 2.
constexpr int CentredOffset(int outer, int inner) {
    return (outer - inner) / 2;
}

// A numbered window message with its two parameters.
class TMessageEvent : public QEvent {
public:
    TMessageEvent(int message, long long wParam, long long lParam);
    static QEvent::Type EventType();

    int Message;
    long long WParam;
    long long LParam;
};

// Queues the message for the window; it is handled after the caller has
// returned to the event loop.
void PostWindowMessage(QObject* window, int message, long long wParam = 0, long long lParam = 0);

} // namespace platform::qt
