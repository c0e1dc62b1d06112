#include "platform/Ui.h"

#include "platform/Assert.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// Without a GUI: every box goes to stderr and takes its first button.
class ConsoleUi : public UiServices {
public:
    MsgResult ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) override {
        const char* label = kind == MsgKind::Error     ? "Error"
                            : kind == MsgKind::Warning ? "Warning"
                                                       : "Information";
        std::fprintf(stderr, "%s: %s\n", label, text.c_str());
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    void Beep() override {}
    void ShowInternalError(const std::string&) override {}
};

ConsoleUi gConsole;
UiServices* gServices = nullptr;

} // namespace

void SetUiServices(UiServices* services) {
    gServices = services;
}

UiServices& Ui() {
    return gServices ? *gServices : static_cast<UiServices&>(gConsole);
}

MsgResult MessageBox(MsgKind kind, MsgButtons buttons, const std::string& text) {
    return Ui().ShowMessage(kind, buttons, text);
}

void Beep() {
    Ui().Beep();
}

std::string Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), fmt, args);
        out.assign(buf.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

void InternalError(const char* condition, const char* file, int line) {
    const std::string message =
        Format("Assertion failed: %s, file %s, line %d", condition, file, line);
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    Ui().ShowInternalError(message);
    std::abort();
}

} // namespace platform
