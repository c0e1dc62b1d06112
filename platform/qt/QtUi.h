#pragma once
// Message boxes, the beep and the internal-error box on Qt Widgets.

#include "platform/Ui.h"

#include <QString>

namespace platform::qt {

class QtUi : public UiServices {
public:
    MsgResult ShowMessage(MsgKind kind, MsgButtons buttons, const std::string& text) override;
    void Beep() override;
    void ShowInternalError(const std::string& message) override;
};

// Message text as a box shows it: UTF-8 where the text is valid UTF-8 (the
// file system's spelling of paths), else Latin-1; CR LF turned into line
// breaks.
QString BoxText(const std::string& text);

} // namespace platform::qt
