#pragma once
// The names a board's exported Verilog files bring into a project: the base
// name of every file the board's export may write and every module those
// files define. A project must not take one of them as its own name: its
// top level would replace the exported file or declare the module twice.

#include "boards/BoardDef.h"

#include <string>
#include <string_view>
#include <vector>

struct ExportedName {
    std::string name;    // as the file or the module spells it
    std::string file;    // the exported file, its folder included
    bool module = false; // a module of the file; false: the file's base name
};

// The modules a Verilog text declares ("module" or "macromodule" and the
// name after it), comments and strings skipped, in text order.
std::vector<std::string> VerilogModuleNames(std::string_view source);

// Every exported name of the board, from its export set and the embedded
// files it names. Empty for a board that exports nothing. The embedded files
// are compiled in, so each board's names are read from them once, on the
// first call for that board, and kept for the life of the program.
const std::vector<ExportedName>& BoardExportedNames(const BoardDef& def);

// The modules of one exported file as its export set names it (its folder,
// a "/", its name; or its name alone), nullptr when the board's export set
// does not hold that file.
const std::vector<std::string>* ExportedFileModules(const BoardDef& def, const std::string& file);

// False, with a message naming the clash, when the project name is one of
// the board's exported names (ASCII case ignored: the files travel to file
// systems that ignore case).
bool CheckExportedNames(const BoardDef& def, const std::string& projectName, std::string& message);
