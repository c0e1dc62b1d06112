#pragma once
// The board-specific parts of a generated project: extra .qsf assignments,
// structural Verilog and VHDL architecture of the top level, timing-
// constraint blocks and the board's display name. Each looks up the board's
// definition in the board registry and runs its text slot; the text itself
// lives beside each board (boards/<family>/).

#include "model/MainBoard.h"
#include "platform/Files.h"

#include <string>
#include <string_view>
#include <vector>

// Display name of a board, the title of the pin report ("Ilmarch" for 37).
// Ids without a board are an internal error.
std::string GetBoardName(BoardId id);

// .qsf: text inserted after the SDC_FILE line (possibly empty). A board
// without a definition, or one whose form writes no project, is an
// internal error.
std::string GetQsfBoardAssignments(const TMainBoard& board);

// Top level: Verilog placed after the structural-coding banner, and the
// architecture that replaces the default rtl one (both possibly empty).
std::string GetVerilogBoardCode(const TMainBoard& board);
std::string GetVhdlArchitecture(const TMainBoard& board, const std::string& entityName);

// .sdc blocks (each possibly empty).
std::string GetSdcBoardClocks(const TMainBoard& board);
std::string GetSdcJtagConstraints(const TMainBoard& board);
std::string GetSdcInputDelays(const TMainBoard& board);
std::string GetSdcOutputDelays(const TMainBoard& board);

// False, with the message, when the project name is the name of a file or a
// module the board exports (boards/ExportSet.h).
bool CheckExportedNameClash(const TMainBoard& board, const std::string& projectName,
                            std::string& message);

// The modules an exported Verilog file defines (file: its path in the
// project, folders joined by "/"): as the board's export set read them once,
// or read from the bytes for a file the set does not hold.
std::vector<std::string> ExportedModuleNames(const TMainBoard& board, const std::string& file,
                                             std::string_view bytes);

// Stages the board's embedded Verilog modules for the project folder in the
// project's file set; true when there are none. No message of its own.
bool ExportBoardIpFiles(const TMainBoard& board, const std::string& projectFolder,
                        platform::FileReplacement& files);
