#include "platform/Dialogs.h"

namespace platform {
namespace {
DialogServices* gDialogs = nullptr;
}

void SetDialogServices(DialogServices* services) {
    gDialogs = services;
}

bool FileDialog::Execute() {
    if (!gDialogs) {
        return false;
    }
    const std::optional<std::string> chosen = gDialogs->Run(*this);
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}

} // namespace platform
