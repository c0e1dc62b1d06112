#pragma once
// A UiServices for tests: answers queued by the test, every box and beep
// recorded. Installs itself on construction and restores the previous
// implementation on destruction.

#include "platform/Ui.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

struct RecordedBox {
    MsgKind kind;
    MsgButtons buttons;
    std::string text;
};

class ScriptedUi : public UiServices {
public:
    ScriptedUi();
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The next box returns this answer; with no answer queued a box returns
    // Ok (OK box), Yes (Yes/No) or Ok (OK/Cancel).
    void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }

    const std::vector<RecordedBox>& Boxes() const { return boxes_; }
    int BeepCount() const { return beeps_; }
    void Clear() {
        boxes_.clear();
        beeps_ = 0;
    }

    MsgResult ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) override;
    void Beep() override { ++beeps_; }
    void ShowInternalError(const std::string&) override {}

private:
    UiServices* previous_;
    std::deque<MsgResult> answers_;
    std::vector<RecordedBox> boxes_;
    int beeps_ = 0;
};

} // namespace platform
