#include "platform/ScriptedUi.h"

namespace platform {

ScriptedUi::ScriptedUi() : previous_(&Ui()) {
    SetUiServices(this);
}

ScriptedUi::~ScriptedUi() {
    SetUiServices(previous_);
}

MsgResult ScriptedUi::ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) {
    boxes_.push_back({kind, buttons, text});
    if (!answers_.empty()) {
        const MsgResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

} // namespace platform
