#pragma once
// DialogServices for tests: each dialog takes the next queued answer (a path,
// or a cancel); every dialog shown is recorded with its fields. Installs
// itself on construction, uninstalls on destruction.

#include "platform/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class ScriptedDialogs : public DialogServices {
public:
    ScriptedDialogs() { SetDialogServices(this); }
    ~ScriptedDialogs() override { SetDialogServices(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void QueuePath(const std::string& path) { answers_.push_back(path); }
    void QueueCancel() { answers_.push_back(std::nullopt); }

    // With nothing queued a dialog is cancelled.
    std::optional<std::string> Run(const FileDialog& dialog) override {
        shown_.push_back(dialog);
        if (answers_.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    const std::vector<FileDialog>& Shown() const { return shown_; }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialog> shown_;
};

} // namespace platform
