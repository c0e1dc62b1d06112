#pragma once
// Open and save file dialogs. A board form fills the fields, calls Execute
// and reads FileName. The GUI installs the real dialogs (platform/qt); tests
// install ScriptedDialogs; without either, every dialog is cancelled.

#include <optional>
#include <string>

namespace platform {

enum class FileDialogKind { Open, Save };

class FileDialog {
public:
    explicit FileDialog(FileDialogKind kind) : Kind(kind) {}

    FileDialogKind Kind;
    std::string Title;
    std::string InitialDir;
    // "Description (*.ext)|*.EXT" pairs separated by '|'; patterns match
    // without regard to case.
    std::string Filter;
    int FilterIndex = 1;    // 1-based
    std::string DefaultExt; // without the dot; added when the name has none
    std::string FileName;   // proposed name in, chosen full path out

    // Shows the dialog modally; true when the user chose a file.
    bool Execute();
};

class DialogServices {
public:
    virtual ~DialogServices() = default;
    // Returns the chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> Run(const FileDialog& dialog) = 0;
};

// Installs the implementation (not owned); nullptr restores "always cancel".
void SetDialogServices(DialogServices* services);

} // namespace platform
