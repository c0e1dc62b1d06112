#pragma once
// Load Setting on the forms that report a load that took no file: a
// cancelled dialog shows "Failed to load setting", a refused file the
// refusal's own box. True when the holder's record holds the file's bytes.

#include "platform/Dialogs.h"
#include "platform/Ui.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigCommon.h"

#include <string>

template <class Holder>
bool LoadSettingReportingCancel(Holder& holder, platform::FileDialog& dialog) {
    const std::string file = config::RunSettingsDialog(dialog, holder.LastDir);
    if (file.empty()) {
        platform::ErrorBox("Failed to load setting");
        return false;
    }
    config::LoadRefusal refusal;
    if (!holder.LoadFromFile(&holder.Config, file, &refusal)) {
        config::ShowLoadRefusal(file, refusal);
        return false;
    }
    return true;
}

// The same for a holder on TConfigBoard, which shows the refusal itself.
inline bool LoadBoardSettingReportingCancel(TConfigBoard& holder, platform::FileDialog& dialog) {
    // The dialog leaves the name alone when it is cancelled.
    dialog.FileName.clear();
    if (holder.LoadWithDialog(dialog)) {
        return true;
    }
    if (dialog.FileName.empty()) {
        platform::ErrorBox("Failed to load setting");
    }
    return false;
}
