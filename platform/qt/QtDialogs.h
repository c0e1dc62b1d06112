#pragma once
// Open and save dialogs on QFileDialog, filled from platform::FileDialog.

#include "platform/Dialogs.h"

#include <QStringList>

namespace platform::qt {

class QtDialogs : public DialogServices {
public:
    std::optional<std::string> Run(const FileDialog& dialog) override;
};

// "Description (*.ext)|*.EXT|..." -> one Qt name filter per pair. The
// description is shown as written; the patterns match without regard to
// case ("*.CFG" also finds "a.cfg").
QStringList NameFilters(const std::string& filter);

} // namespace platform::qt
