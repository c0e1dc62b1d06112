#include "settings/ConfigCommon.h"

#include "platform/AsciiText.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace config {
namespace {

// Cards 85 and up are never offered by either rule.
constexpr int kLastScannedCard = 84;

bool VoltageFits(CardId card, Voltage voltageClass) {
    return IsAnyVoltageBoard(card) || BoardVoltage(card) == voltageClass;
}

// An HSMC card that also fits the Kirrel connector.
bool IsKirrelCapableHsmcCard(CardId card) {
    switch (card) {
    case CARD_TESLIN:
    case CARD_PARNEL:
    case CARD_HAVOR:
    case CARD_WEXAL:
    case CARD_BREVIK:
    case CARD_SATA:
        return true;
    default:
        return false;
    }
}

bool FitsHolderRule(CardId card, ConnectorType connector, Voltage voltageClass) {
    const ConnectorType type = BoardConnectorType(card);
    if (type == connector) {
        if (connector == CONNECTOR_HSMC || connector == CONNECTOR_GPIO80) {
            return VoltageFits(card, voltageClass);
        }
        return true;
    }
    if (connector == CONNECTOR_GPIO80 && type == CONNECTOR_GPIO40) {
        return VoltageFits(card, voltageClass);
    }
    if (connector == CONNECTOR_KIRREL && type == CONNECTOR_HSMC) {
        return IsKirrelCapableHsmcCard(card);
    }
    return connector == CONNECTOR_FMC_HPC && type == CONNECTOR_FMC_LPC;
}

bool FitsBoardClassRule(CardId card, ConnectorType connector, Voltage voltageClass) {
    const ConnectorType type = BoardConnectorType(card);
    if (type == connector) {
        if (connector == CONNECTOR_HSMC) {
            return VoltageFits(card, voltageClass);
        }
        if (connector == CONNECTOR_FMC_HPC || connector == CONNECTOR_FMC_LPC) {
            return IsBoardVoltageOk(card, voltageClass);
        }
        return true;
    }
    if (connector == CONNECTOR_DDR4_SODIMM_IF_ECC && type == CONNECTOR_DDR4_SODIMM_IF) {
        return true;
    }
    if (connector == CONNECTOR_GPIO80 && type == CONNECTOR_GPIO40) {
        return true;
    }
    if (connector == CONNECTOR_KIRREL && type == CONNECTOR_HSMC) {
        return IsKirrelCapableHsmcCard(card);
    }
    if (connector == CONNECTOR_FMC_HPC && type == CONNECTOR_FMC_LPC) {
        return IsBoardVoltageOk(card, voltageClass);
    }
    return false;
}

std::uint32_t ReadLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

int BuildCardList(CardListRule rule, ConnectorType connectorType, bool allowTransceiver,
                  Voltage voltageClass, std::uint8_t (&ids)[kCardListCapacity]) {
    int count = 0;
    ids[count++] = 0;
    for (int c = 1; c <= kLastScannedCard; ++c) {
        const CardId card = MakeCardId(c);
        const bool fits = rule == CardListRule::Holder
                              ? FitsHolderRule(card, connectorType, voltageClass)
                              : FitsBoardClassRule(card, connectorType, voltageClass);
        if (fits && IsBoardListed(card) && (allowTransceiver || !IsTransceiverBoard(card))) {
            ids[count++] = static_cast<std::uint8_t>(c);
        }
    }
    return count;
}

bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size,
                    const RecordHeader& header, LoadRefusal* refusal) {
    LoadRefusal local;
    LoadRefusal& why = refusal ? *refusal : local;
    why = LoadRefusal();
    const auto notThisBoard = [&why](std::string reason) {
        why.kind = LoadRefusal::Kind::NotThisBoard;
        why.reason = std::move(reason);
        return false;
    };
    // The length first, without opening the file: another board's record,
    // or anything that is not a regular file, is refused by its size alone.
    const std::int64_t length = platform::FileSize(fileName);
    if (length >= 0 && length != static_cast<std::int64_t>(size)) {
        return notThisBoard(platform::Format("it is %lld bytes long, not %zu",
                                             static_cast<long long>(length), size));
    }
    std::string bytes;
    platform::FileFailure failure;
    if (!platform::ReadWholeFile(fileName, bytes, &failure)) {
        why.kind = LoadRefusal::Kind::Unreadable;
        why.reason = failure.reason;
        return false;
    }
    if (bytes.size() != size) {
        return notThisBoard(platform::Format("it is %zu bytes long, not %zu", bytes.size(), size));
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    PINSMITH_ASSERT(header.boardIdOffset < size && header.sizeOffset + 4 <= size);
    if (p[header.boardIdOffset] != header.boardId) {
        // The byte at this board's id offset is only another board's id when
        // the file is laid out as that board's record: a record whose id
        // sits elsewhere must not be named by a byte of its size field.
        const int owner = header.fileOwner ? header.fileOwner(bytes) : 0;
        if (owner > 0 && owner != header.boardId) {
            return notThisBoard(platform::Format("it belongs to board %d", owner));
        }
        return notThisBoard("its board id is not this board's");
    }
    if (ReadLe32(p + header.sizeOffset) != static_cast<std::uint32_t>(size)) {
        return notThisBoard(platform::Format("its size field reads %u, not %zu",
                                             static_cast<unsigned>(ReadLe32(p + header.sizeOffset)),
                                             size));
    }
    std::memcpy(record, bytes.data(), size);
    return true;
}

void ShowLoadRefusal(const std::string& fileName, const LoadRefusal& refusal) {
    switch (refusal.kind) {
    case LoadRefusal::Kind::None:
        return;
    case LoadRefusal::Kind::Unreadable:
        platform::ErrorBox(platform::Format("Cannot read settings file %s: %s", fileName.c_str(),
                                            refusal.reason.c_str()));
        return;
    case LoadRefusal::Kind::NotThisBoard:
        platform::ErrorBox(platform::Format("%s is not a settings file of this board (%s).",
                                            fileName.c_str(), refusal.reason.c_str()));
        return;
    }
}

bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size) {
    platform::FileFailure failure;
    if (platform::ReplaceFile(fileName, std::string_view(static_cast<const char*>(record), size),
                              platform::ReplaceMode::InPlaceWhenFolderLocked, &failure)) {
        return true;
    }
    platform::ErrorBox(platform::Format("Cannot write settings file %s: %s", fileName.c_str(),
                                        failure.reason.c_str()));
    platform::ErrorBox(failure.whileWriting ? "Failed to write file." : "Failed to create file.");
    return false;
}

std::string DefaultConfigPath() {
    return platform::ProgramFolder() + "default.cfg";
}

std::string RunSettingsDialog(platform::FileDialog& dialog, std::string& lastDir) {
    dialog.InitialDir = lastDir;
    dialog.Filter = "Board Configuration Files (*.cfg)|*.CFG";
    dialog.FilterIndex = 1;
    dialog.DefaultExt = "cfg";
    if (dialog.Kind == platform::FileDialogKind::Save) {
        dialog.FileName.clear();
    }
    if (!dialog.Execute()) {
        return std::string();
    }
    lastDir = platform::ExtractFilePath(dialog.FileName);
    return dialog.FileName;
}

std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                           const std::string& projectName) {
    const std::string folder = platform::ProgramFolder() + "CodeGenerated" + platform::kPathSep +
                               folderWord + platform::kPathSep + projectName + platform::kPathSep;
    platform::FileFailure failure;
    if (!platform::ForceDirectories(folder, &failure)) {
        platform::ErrorBox(platform::Format("Cannot create the project folder %s: %s",
                                            folder.c_str(), failure.reason.c_str()));
        return std::string();
    }
    dialog.InitialDir = folder;
    dialog.Filter = "Quartus Project File (*.qpf)|*.QPF";
    dialog.FilterIndex = 1;
    dialog.DefaultExt = "qpf";
    dialog.FileName = projectName + ".qpf";
    if (!dialog.Execute()) {
        return std::string();
    }
    return dialog.FileName;
}

std::string ExportedFile::PathIn(const std::string& projectFolder) const {
    return folder.empty() ? projectFolder + file
                          : projectFolder + folder + platform::kPathSep + file;
}

bool ExportResourceFile(const std::string& fileName, const std::string& resourceName,
                        platform::FileReplacement* into) {
    const auto data = platform::FindResource(resourceName);
    if (!data) {
        return false;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data->data()), data->size());
    const std::string folder = platform::ExtractFilePath(fileName);
    if (into) {
        return (folder.empty() || into->CreateFolder(folder)) && into->Stage(fileName, bytes);
    }
    if (!folder.empty() && !platform::DirectoryExists(folder)) {
        platform::CreateDir(folder);
    }
    return platform::ReplaceFile(fileName, bytes, platform::ReplaceMode::Whole);
}

std::string RecordText(const char* field, std::size_t length) {
    const void* nul = std::memchr(field, 0, length);
    const std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : length;
    return std::string(field, n);
}

void SetRecordText(char* field, std::size_t length, std::string_view text) {
    if (length == 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), length - 1);
    std::memset(field, 0, length);
    std::memcpy(field, text.data(), n);
}

bool IsPlainName(std::string_view text) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || !letter(text.front())) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return letter(c) || digit(c) || c == '_'; });
}

namespace {

template <std::size_t N> bool IsOneOf(const std::string_view (&words)[N], std::string_view text) {
    return std::any_of(std::begin(words), std::end(words), [text](std::string_view word) {
        return platform::SameIgnoringAsciiCase(word, text);
    });
}

} // namespace

bool IsVerilogKeyword(std::string_view text) {
    // Verilog-2001 (IEEE 1364-2001).
    static constexpr std::string_view kVerilog[] = {
        "always",
        "and",
        "assign",
        "automatic",
        "begin",
        "buf",
        "bufif0",
        "bufif1",
        "case",
        "casex",
        "casez",
        "cell",
        "cmos",
        "config",
        "deassign",
        "default",
        "defparam",
        "design",
        "disable",
        "edge",
        "else",
        "end",
        "endcase",
        "endconfig",
        "endfunction",
        "endgenerate",
        "endmodule",
        "endprimitive",
        "endspecify",
        "endtable",
        "endtask",
        "event",
        "for",
        "force",
        "forever",
        "fork",
        "function",
        "generate",
        "genvar",
        "highz0",
        "highz1",
        "if",
        "ifnone",
        "incdir",
        "include",
        "initial",
        "inout",
        "input",
        "instance",
        "integer",
        "join",
        "large",
        "liblist",
        "library",
        "localparam",
        "macromodule",
        "medium",
        "module",
        "nand",
        "negedge",
        "nmos",
        "nor",
        "noshowcancelled",
        "not",
        "notif0",
        "notif1",
        "or",
        "output",
        "parameter",
        "pmos",
        "posedge",
        "primitive",
        "pull0",
        "pull1",
        "pulldown",
        "pullup",
        "pulsestyle_ondetect",
        "pulsestyle_onevent",
        "rcmos",
        "real",
        "realtime",
        "reg",
        "release",
        "repeat",
        "rnmos",
        "rpmos",
        "rtran",
        "rtranif0",
        "rtranif1",
        "scalared",
        "showcancelled",
        "signed",
        "small",
        "specify",
        "specparam",
        "strong0",
        "strong1",
        "supply0",
        "supply1",
        "table",
        "task",
        "time",
        "tran",
        "tranif0",
        "tranif1",
        "tri",
        "tri0",
        "tri1",
        "triand",
        "trior",
        "trireg",
        "unsigned",
        "use",
        "vectored",
        "wait",
        "wand",
        "weak0",
        "weak1",
        "while",
        "wire",
        "wor",
        "xnor",
        "xor",
    };
    return IsOneOf(kVerilog, text);
}

bool IsVhdlKeyword(std::string_view text) {
    // VHDL-93 (IEEE 1076-1993).
    static constexpr std::string_view kVhdl[] = {
        "abs",          "access",     "after",      "alias",     "all",       "and",
        "architecture", "array",      "assert",     "attribute", "begin",     "block",
        "body",         "buffer",     "bus",        "case",      "component", "configuration",
        "constant",     "disconnect", "downto",     "else",      "elsif",     "end",
        "entity",       "exit",       "file",       "for",       "function",  "generate",
        "generic",      "group",      "guarded",    "if",        "impure",    "in",
        "inertial",     "inout",      "is",         "label",     "library",   "linkage",
        "literal",      "loop",       "map",        "mod",       "nand",      "new",
        "next",         "nor",        "not",        "null",      "of",        "on",
        "open",         "or",         "others",     "out",       "package",   "port",
        "postponed",    "procedure",  "process",    "pure",      "range",     "record",
        "register",     "reject",     "rem",        "report",    "return",    "rol",
        "ror",          "select",     "severity",   "shared",    "signal",    "sla",
        "sll",          "sra",        "srl",        "subtype",   "then",      "to",
        "transport",    "type",       "unaffected", "units",     "until",     "use",
        "variable",     "wait",       "when",       "while",     "with",      "xnor",
        "xor",
    };
    return IsOneOf(kVhdl, text);
}

bool IsHdlKeyword(std::string_view text) {
    return IsVerilogKeyword(text) || IsVhdlKeyword(text);
}

bool IsVhdlIdentifier(std::string_view text) {
    return IsPlainName(text) && text.find("__") == std::string_view::npos && text.back() != '_';
}

std::span<const VhdlContextName> VhdlContextNames() {
    // The top level's context clause is "library ieee; use
    // ieee.std_logic_1164.all;" (std and work are every design unit's
    // libraries); its ports and the boards' architectures name the two types.
    static constexpr VhdlContextName kNames[] = {
        {"ieee", "the library ieee"},
        {"std", "the library std"},
        {"work", "the library work"},
        {"std_logic_1164", "the package ieee.std_logic_1164"},
        {"std_logic", "the type std_logic of ieee.std_logic_1164"},
        {"std_logic_vector", "the type std_logic_vector of ieee.std_logic_1164"},
    };
    return kNames;
}

const VhdlContextName* FindVhdlContextName(std::string_view text) {
    for (const VhdlContextName& context : VhdlContextNames()) {
        if (platform::SameIgnoringAsciiCase(context.name, text)) {
            return &context;
        }
    }
    return nullptr;
}

bool CheckVhdlProjectName(const std::string& name, std::string& message) {
    if (!IsVhdlIdentifier(name)) {
        message = "Project Name must not hold two underscores in a row nor end with an "
                  "underscore in a VHDL project.";
        return false;
    }
    if (const VhdlContextName* context = FindVhdlContextName(name)) {
        message = platform::Format("Project Name %s is the name of %.*s, which the VHDL file "
                                   "uses. Please use a different project name.",
                                   name.c_str(), static_cast<int>(context->what.size()),
                                   context->what.data());
        return false;
    }
    return true;
}

bool CheckVhdlPortContext(const std::string& port, const std::string& connector,
                          std::string& message) {
    if (const VhdlContextName* context = FindVhdlContextName(port)) {
        message = platform::Format("Signal %s of %s is the name of %.*s, which the VHDL file "
                                   "uses. Please use a different prefix name.",
                                   port.c_str(), connector.c_str(),
                                   static_cast<int>(context->what.size()), context->what.data());
        return false;
    }
    return true;
}

bool CheckVhdlPortName(const std::string& port, const std::string& connector,
                       std::string& message) {
    if (!IsVhdlIdentifier(port)) {
        message = platform::Format(
            "Signal %s of %s is no legal VHDL name (two underscores in a row or an "
            "underscore at the end). Please use a different prefix name.",
            port.c_str(), connector.c_str());
        return false;
    }
    return CheckVhdlPortContext(port, connector, message);
}

bool CheckProjectName(const std::string& name, std::string& message) {
    if (name.empty()) {
        message = "Project Name cannot be empty.";
        return false;
    }
    if (!IsPlainName(name)) {
        message = "Project Name must begin with a letter (A-Z or a-z) and hold only letters, "
                  "digits and underscores.";
        return false;
    }
    if (IsHdlKeyword(name)) {
        message = "Project Name must not be a Verilog or VHDL keyword.";
        return false;
    }
    return true;
}

bool CheckPrefixName(const std::string& portName, const std::string& prefix, std::string& message) {
    if (prefix.empty()) {
        return true;
    }
    if (!IsPlainName(prefix)) {
        message = platform::Format("Prefix Name of %s must begin with a letter (A-Z or a-z) and "
                                   "hold only letters, digits and underscores.",
                                   portName.c_str());
        return false;
    }
    if (IsHdlKeyword(prefix)) {
        message = platform::Format("Prefix Name of %s must not be a Verilog or VHDL keyword.",
                                   portName.c_str());
        return false;
    }
    return true;
}

bool CheckProjectFileName(const std::string& projectFile, std::string& message) {
    return CheckProjectName(platform::ChangeFileExt(platform::ExtractFileName(projectFile), ""),
                            message);
}

} // namespace config
