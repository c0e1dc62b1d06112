#pragma once
// Internal-error stop: an impossible state of the program. The message names
// the condition, the source file and the line, then the program ends.

namespace platform {

// Shows (through the installed user interface, see Ui.h) and writes to
// stderr "Assertion failed: <condition>, file <file>, line <line>", then
// aborts. Never returns.
[[noreturn]] void InternalError(const char* condition, const char* file, int line);

} // namespace platform

#define PINSMITH_ASSERT(cond)                                                                      \
    ((cond) ? static_cast<void>(0) : ::platform::InternalError(#cond, __FILE__, __LINE__))

// For places whose condition text is fixed (an unreachable branch).
#define PINSMITH_FAIL(text) ::platform::InternalError(text, __FILE__, __LINE__)
