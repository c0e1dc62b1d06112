#pragma once
// Modal messages and the beep, as the core reaches the user. The GUI installs
// its own implementation (platform/qt); without one, messages go to stderr.

#include <string>

namespace platform {

enum class MsgKind { Error, Information, Warning };
enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class UiServices {
public:
    virtual ~UiServices() = default;
    // Shows a modal box and returns the button pressed. Line ends in the text
    // may be CR LF.
    virtual MsgResult ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) = 0;
    virtual void Beep() = 0;
    // Called before the program stops on an internal error.
    virtual void ShowInternalError(const std::string& message) = 0;
};

// Installs the implementation (not owned); nullptr restores the default one.
void SetUiServices(UiServices* services);
UiServices& Ui();

MsgResult MessageBox(MsgKind kind, MsgButtons buttons, const std::string& text);
inline void ErrorBox(const std::string& text) {
    MessageBox(MsgKind::Error, MsgButtons::Ok, text);
}
inline void InformationBox(const std::string& text) {
    MessageBox(MsgKind::Information, MsgButtons::Ok, text);
}
inline void WarningBox(const std::string& text) {
    MessageBox(MsgKind::Warning, MsgButtons::Ok, text);
}
void Beep();

// printf-style formatting into a std::string, with no length limit.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace platform
