#pragma once
// What the settings holders of all boards share: settings files, card lists,
// the project-file question and the fixed-size text fields of the records.
// Free of Qt.

#include "model/CardCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace config {

// Capacity of a card list; combo index i stands for entry i.
inline constexpr int kCardListCapacity = 256;

// The two rules by which a card list is built: the settings holder of the
// older boards, and the settings class of the newer boards (it drops the
// voltage test on 80-pin headers, tests FMC cards against the voltage and
// lets a DDR4 interface without ECC sit on the one with ECC).
enum class CardListRule { Holder, BoardClass };

// Fills ids with card 0 followed by every listed card of ids 1..84 that fits
// the connector; returns the number of entries.
int BuildCardList(CardListRule rule, ConnectorType connectorType, bool allowTransceiver,
                  Voltage voltageClass, std::uint8_t (&ids)[kCardListCapacity]);

// Where a record keeps its board id and its size, so a file that belongs to
// another board is refused.
struct RecordHeader {
    std::size_t boardIdOffset;
    std::uint8_t boardId;
    std::size_t sizeOffset; // i32, little-endian
    // The board whose own settings file the bytes are (0: no board's), so a
    // refusal names a board only when the file is that board's; nullptr:
    // a refusal names no board.
    int (*fileOwner)(std::string_view bytes) = nullptr;
};

// Why a settings file was not taken: it could not be read (the system's
// reason), or it is not a settings file of this board (its length, its
// board id or its size field). A board is named as the file's only when the
// file is that board's settings file (RecordHeader::fileOwner).
struct LoadRefusal {
    enum class Kind { None, Unreadable, NotThisBoard };
    Kind kind = Kind::None;
    std::string reason;
};

// Reads a settings file into record. False, with the record unchanged and
// the refusal filled when asked for, when the file is missing, not a
// regular file or unreadable, when its length is not exactly size, or when
// its board id or size field is not this board's. Shows nothing.
bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size,
                    const RecordHeader& header, LoadRefusal* refusal = nullptr);

// The boxes of a refused Load Setting: "Cannot read settings file %s: %s"
// or "%s is not a settings file of this board (%s).".
void ShowLoadRefusal(const std::string& fileName, const LoadRefusal& refusal);

// Writes a record as a settings file (replaced whole; written in place only
// when its folder refuses new files but the file itself may be written).
// A failure shows the file and the system's reason ("Cannot write settings
// file %s: %s"), then "Failed to create file." when the file could not be
// made, or "Failed to write file." when its bytes did not all reach it.
bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size);

// <program folder>default.cfg
std::string DefaultConfigPath();

// Runs a settings-file dialog (initial folder lastDir, the .cfg filter,
// first filter, default extension "cfg"). A save dialog proposes no name; an
// open dialog proposes the file chosen last time. On a choice lastDir moves
// to the file's folder and the full path is returned; empty when cancelled.
std::string RunSettingsDialog(platform::FileDialog& dialog, std::string& lastDir);

// Creates <program folder>CodeGenerated/<folder word>/<project name>/ and
// asks for the project file in it, proposing <project name>.qpf. Returns the
// chosen path, or empty text when the user cancels (the folder stays). A
// folder that cannot be made is reported ("Cannot create the project folder
// %s: %s") and no dialog opens: the result is empty then too.
std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                           const std::string& projectName);

// One embedded Verilog file a board's export may write: its folder below the
// project folder (empty: the project folder itself), its name, and the
// resource it is copied from.
struct ExportedFile {
    std::string folder;
    std::string file;
    std::string resource;
    // Its full name in a project folder (which ends in a separator).
    std::string PathIn(const std::string& projectFolder) const;
};

// Copies one embedded file into fileName (a missing folder is created, one
// level only). True when every byte was written; an earlier file of that
// name is kept whole when the copy fails. With a file set the copy joins it
// and takes its name when the set is committed.
bool ExportResourceFile(const std::string& fileName, const std::string& resourceName,
                        platform::FileReplacement* into = nullptr);

// The text of a char[length] record field: up to its first NUL, or the
// whole field when it holds none.
std::string RecordText(const char* field, std::size_t length);
template <std::size_t N> std::string RecordText(const char (&field)[N]) {
    return RecordText(field, N);
}
// Stores at most length - 1 characters and fills the rest with NULs.
void SetRecordText(char* field, std::size_t length, std::string_view text);
template <std::size_t N> void SetRecordText(char (&field)[N], std::string_view text) {
    SetRecordText(field, N, text);
}

// A name that can stand in generated Verilog, VHDL, Tcl and file names: an
// ASCII letter followed by ASCII letters, digits and underscores.
bool IsPlainName(std::string_view text);

// A reserved word of Verilog-2001 or VHDL-93, ASCII case ignored.
bool IsHdlKeyword(std::string_view text);
// The same for one language.
bool IsVerilogKeyword(std::string_view text);
bool IsVhdlKeyword(std::string_view text);
// A plain name that is also a VHDL basic identifier: no two underscores in
// a row and no underscore at the end. (Keywords are checked on their own.)
bool IsVhdlIdentifier(std::string_view text);

// A name the written VHDL file uses from its context clause: the libraries
// ieee, std and work, and what the top level takes from them (the package
// std_logic_1164 and its types std_logic and std_logic_vector). A project or
// port of that name would hide it from the file's own declarations.
struct VhdlContextName {
    std::string_view name;
    std::string_view what; // "the type std_logic of ieee.std_logic_1164"
};
std::span<const VhdlContextName> VhdlContextNames();
// The context name the text is (ASCII case ignored); nullptr if none.
const VhdlContextName* FindVhdlContextName(std::string_view text);

// The name rules of a VHDL project, one function each for the forms' checks
// and the writer: the project name is a VHDL identifier and no context name;
// a port of the top level (a bus or a single signal of a connector) is a
// VHDL identifier and no context name (CheckVhdlPortContext: the second
// rule alone). False with the message of the first failure.
bool CheckVhdlProjectName(const std::string& name, std::string& message);
bool CheckVhdlPortName(const std::string& port, const std::string& connector, std::string& message);
bool CheckVhdlPortContext(const std::string& port, const std::string& connector,
                          std::string& message);

// The input checks every board form runs before its own: the project name
// must not be empty, must be a plain name and no Verilog or VHDL keyword; a
// prefix, when given, must be a plain name and no keyword either (a card may
// take it as a whole port name). False with the message set on the first
// failure.
bool CheckProjectName(const std::string& name, std::string& message);
bool CheckPrefixName(const std::string& portName, const std::string& prefix, std::string& message);
// The project file chosen in the project-file dialog names the project (its
// name without folder and extension), so that name must pass the
// project-name check as well.
bool CheckProjectFileName(const std::string& projectFile, std::string& message);

} // namespace config
