#pragma once
// What the settings holders of all boards share: settings files, card lists,
// the project-file question and the fixed-size text fields of the records.
// Free of Qt.

#include "model/CardCatalogue.h"
#include "platform/Dialogs.h"

#include <cstddef>
#include <cstdint>
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
};

// Reads a settings file into record. False, without a message and with the
// record unchanged, when the file is missing or unreadable, when its length
// is not exactly size, or when its board id or size field is not this
// board's.
bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size,
                    const RecordHeader& header);

// Writes a record as a settings file. Failures show an error box: "Failed to
// create file." when the file cannot be created, "Failed to write file."
// when fewer bytes reach it.
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
// chosen path, or empty text when the user cancels (the folder stays).
std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                           const std::string& projectName);

// Copies one embedded file into fileName (an older file of that name is
// deleted first; a missing folder is created, one level only). True when
// every byte was written.
bool ExportResourceFile(const std::string& fileName, const std::string& resourceName);

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

// The input checks every board form runs before its own: the project name
// must not be empty and must be a plain name; a prefix, when given, must be
// a plain name. False with the message set on the first failure.
bool CheckProjectName(const std::string& name, std::string& message);
bool CheckPrefixName(const std::string& portName, const std::string& prefix, std::string& message);
// The project file chosen in the project-file dialog names the project (its
// name without folder and extension), so that name must pass the
// project-name check as well.
bool CheckProjectFileName(const std::string& projectFile, std::string& message);

} // namespace config
