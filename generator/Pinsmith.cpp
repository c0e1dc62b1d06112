#include "generator/Pinsmith.h"

#include "generator/BoardText.h"
#include "generator/HtmlGenerator.h"
#include "model/PinParsing.h"
#include "platform/AsciiText.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

const char* const kQuartusVersion = "\"17.1.0\"";
const char* const kQsfBanner = "#============================================================\r\n";
const char* const kVerilogBanner = "//=======================================================\r\n";
const char* const kVhdlBanner = "---------------------------------------------------------\r\n";
const char* const kSdcBanner =
    "#**************************************************************\r\n";
const char* const kT3 = "\r\n\r\n\r\n";

// English month names, whatever the user's locale.
const char* const kLongMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

const char* LongMonthName(int month) {
    PINSMITH_ASSERT(month >= 1 && month <= 12);
    return kLongMonthNames[month - 1];
}

// "hh:nn:ss mmmm dd, yyyy", for example 14:05:09 March 02, 2018.
std::string ProjectDate(const platform::LocalDateTime& t) {
    return platform::Format("%02d:%02d:%02d %s %02d, %04d", t.hour, t.minute, t.second,
                            LongMonthName(t.month), t.day, t.year);
}

// "hh:mm:ss mmmm dd,yyyy" upper-cased, for example 14:05:09 MARCH 02,2018.
std::string CreationDate(const platform::LocalDateTime& t) {
    return platform::AsciiUpperCase(platform::Format("%02d:%02d:%02d %s %02d,%04d", t.hour,
                                                     t.minute, t.second, LongMonthName(t.month),
                                                     t.day, t.year));
}

// The file name without folder and extension: the project, module and entity name.
std::string ProjectNameOf(const std::string& fileName) {
    return platform::ChangeFileExt(platform::ExtractFileName(fileName), "");
}

// A file the file layer could not write: the file and the system's reason;
// or the folder that could not be made for it and why.
void ReportFileFailure(const platform::FileFailure& failure) {
    if (failure.makingFolder) {
        platform::ErrorBox(platform::Format("Cannot create the folder %s: %s.",
                                            failure.path.c_str(), failure.reason.c_str()));
        return;
    }
    platform::ErrorBox(
        platform::Format("Cannot write file %s: %s", failure.path.c_str(), failure.reason.c_str()));
}

// The message of a text writer (and of the pin report, which has none of
// its own): the file-name part only.
std::string CreateFileMessage(const std::string& fileName) {
    return platform::Format("Failed to create file %s",
                            platform::ExtractFileName(fileName).c_str());
}

const char* const kExportMessage = "Failed to export verilog IP";

// The shared ending of every text writer run on its own: the whole text
// replaces the file; on failure the reason, then "Failed to create file"
// with the file name.
bool WriteTextFile(const std::string& fileName, const std::string& text) {
    platform::FileFailure failure;
    if (platform::ReplaceFile(fileName, text, platform::ReplaceMode::Whole, &failure)) {
        return true;
    }
    ReportFileFailure(failure);
    platform::ErrorBox(CreateFileMessage(fileName));
    return false;
}

// Pin entries of the whole board, to size the text buffers once.
std::size_t PinEntries(const TMainBoard& board) {
    std::size_t n = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        n += static_cast<std::size_t>(board.GetConnector(c)->GetPinCount());
    }
    return n;
}

bool IsWritten(const TPin* pin) {
    if (!pin) {
        return false;
    }
    const PinDirection d = pin->GetDirection();
    return d == PIN_DIR_INOUT || d == PIN_DIR_INPUT || d == PIN_DIR_OUTPUT;
}

// Connector headers of the top-level port lists: (name, description) or
// name alone, between an opening and a closing rule.
struct HeaderRules {
    const char* open;
    const char* close;
};
const HeaderRules kVerilogHeader = {"////////////", "//////////"};
const HeaderRules kVhdlHeader = {"------------", "------------"};

void AddPortListHeader(std::string& out, const TConnector& connector, const HeaderRules& rules) {
    out += "\r\n\t";
    out += rules.open;
    out += ' ';
    out += connector.GetName();
    if (!connector.GetDescription().empty()) {
        out += ", ";
        out += connector.GetDescription();
    }
    out += ' ';
    out += rules.close;
    out += "\r\n";
}

// Every connector's ports, grouped once for all the texts of a project
// (one TPinParsing per connector, in connector order). With Boxes the
// grouping stops at the first connector that cannot be grouped, after its
// message; Quiet groups every connector it can.
struct BoardPorts {
    std::vector<TPinParsing> connectors;
    bool complete = true;
};

BoardPorts GroupPorts(const TMainBoard& board, TPinParsing::Reporting reporting) {
    BoardPorts ports;
    ports.connectors.resize(static_cast<std::size_t>(board.GetConnectorCount()));
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        if (!ports.connectors[static_cast<std::size_t>(c)].Parse(*board.GetConnector(c),
                                                                 reporting)) {
            ports.complete = false;
            if (reporting == TPinParsing::Reporting::Boxes) {
                break;
            }
        }
    }
    return ports;
}

// Every connector's header and its ports, each port followed by the
// separator except the very last one of the whole list.
template <typename Render>
bool PortList(const TMainBoard& board, const BoardPorts& grouped, const HeaderRules& header,
              char separator, Render render, std::string& out, int* portCount) {
    if (!grouped.complete) {
        return false;
    }
    std::size_t lastSeparator = std::string::npos;
    int ports = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        AddPortListHeader(out, connector, header);
        const TPinParsing& parsing = grouped.connectors[static_cast<std::size_t>(c)];
        for (int j = 0; j < parsing.GetPortCount(); ++j) {
            out += '\t';
            out += render(parsing, j);
            lastSeparator = out.size();
            out += separator;
            out += "\r\n";
            ++ports;
        }
    }
    if (lastSeparator != std::string::npos) {
        out.erase(lastSeparator, 1);
    }
    if (portCount) {
        *portCount = ports;
    }
    return true;
}

// The texts assembled from ports grouped once (defined with their public
// forms below).
std::string QsfTextOf(const TMainBoard& board, const std::string& projectName,
                      const platform::LocalDateTime& now, const BoardPorts& ports);
bool VerilogTextOf(const TMainBoard& board, const std::string& moduleName,
                   const BoardPorts& grouped, std::string& text);
bool VhdlTextOf(const TMainBoard& board, const std::string& entityName, const BoardPorts& grouped,
                std::string& text);

const char* const kFmcRowLetters[10] = {"A", "B", "C", "D", "E", "F", "G", "H", "J", "K"};

// The connector's pin index column: FMC positions as row letter and number
// (83 is C3); an index outside the ten rows shows as a plain number.
std::string IndexCell(ConnectorType type, int index) {
    if ((type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC) && index >= 0 && index < 400) {
        return kFmcRowLetters[index / 40] + std::to_string(index % 40);
    }
    return std::to_string(index);
}

// The .qsf lines that name the exported Verilog files Quartus would not
// find by name. For a module the design lacks, Quartus opens the file of
// that name in the project folder (<module>.v), and on a case-sensitive
// file system only with the module's exact spelling: a file in a folder of
// its own, or one whose name differs from its module's (EXT_PLL_CTRL.v holds
// ext_pll_ctrl), is listed. A file the board's own lines list already is
// left out.
std::string ExportedFileAssignments(const TMainBoard& board, const std::string& boardLines) {
    platform::FileReplacement exported{platform::FileReplacement::CollectOnly{}};
    ExportBoardIpFiles(board, std::string(), exported);
    std::string out;
    for (const platform::FileReplacement::CollectedFile& file : exported.Collected()) {
        if (platform::ExtractFileExt(file.path) != ".v") {
            continue;
        }
        std::string path = file.path;
        std::replace(path.begin(), path.end(), platform::kPathSep, '/');
        const std::string line = "set_global_assignment -name VERILOG_FILE " + path + "\r\n";
        if (boardLines.find(line) != std::string::npos) {
            continue;
        }
        const std::vector<std::string> modules = ExportedModuleNames(board, path, file.bytes);
        const std::string stem = platform::ChangeFileExt(platform::ExtractFileName(path), "");
        const bool foundByName = path.find('/') == std::string::npos &&
                                 std::find(modules.begin(), modules.end(), stem) != modules.end();
        if (!foundByName) {
            out += line;
        }
    }
    return out;
}

// Whether Quartus places the signal of an n pin by its p pin: a pin named
// <base>_n (or _N, a bus bit keeping its index) without a location, whose
// <base>_p pin on the same connector has one, both with a differential
// standard. The p pin is looked up in the connector's ports.
bool IsPlacedByItsPPin(const TPinParsing& ports, const TPin& pin) {
    if (!IsDifferentialStandard(pin.GetIoStandard())) {
        return false;
    }
    std::string base;
    std::int32_t index = -1;
    const bool bus =
        TPinParsing::SplitBusName(pin.GetName(), base, index) == TPinParsing::NameKind::Bus;
    if (!bus) {
        base = pin.GetName();
    }
    if (base.size() < 2 || base[base.size() - 2] != '_' ||
        (base.back() != 'n' && base.back() != 'N')) {
        return false;
    }
    base.back() = base.back() == 'n' ? 'p' : 'P';
    const std::string partner = bus ? base + "[" + std::to_string(index) + "]" : base;
    const int port = ports.FindPortIndex(base);
    if (port < 0) {
        return false;
    }
    for (const PORT_PIN& p : ports.GetPortPins(port)) {
        if (p.Index == index && p.Pin->GetName() == partner) {
            return !p.Pin->GetLocation().empty() && IsDifferentialStandard(p.Pin->GetIoStandard());
        }
    }
    return false;
}

// The connector's port bits that no pin places, in the order of its ports
// (a bus from its lowest bit): bus bits no pin carries and pins without a
// location. Quartus would put each on a pin of its own choosing; the .qsf
// makes them virtual. The pins of a hard processor system's group, which
// its IP places, and n pins placed by their p pins are left to the fitter.
std::vector<std::string> UnplacedPortBits(const TConnector& connector, const TPinParsing& ports) {
    std::vector<std::string> bits;
    if (connector.IsHardProcessorGroup() || !ports.IsComplete()) {
        return bits; // an incomplete grouping: the top level refuses the board first
    }
    std::vector<char> placed; // per bit of one bus, Lsb first; the last pin of a bit decides
    for (int j = 0; j < ports.GetPortCount(); ++j) {
        const PORT_INFO& port = ports.GetPort(j);
        const std::span<const PORT_PIN> pins = ports.GetPortPins(j);
        const auto isPlaced = [&ports](const PORT_PIN& p) {
            return !p.Pin->GetLocation().empty() || IsPlacedByItsPPin(ports, *p.Pin);
        };
        if (!port.IsBus) {
            // The scalar pin (a bus pin of its name only widens the port).
            bool scalarPlaced = false;
            for (const PORT_PIN& p : pins) {
                if (p.Index == -1) {
                    scalarPlaced = isPlaced(p);
                }
            }
            if (!scalarPlaced) {
                bits.push_back(port.Name);
            }
            continue;
        }
        const std::int64_t width = std::int64_t{port.Msb} - port.Lsb + 1;
        placed.assign(static_cast<std::size_t>(width), 0);
        for (const PORT_PIN& p : pins) {
            placed[static_cast<std::size_t>(std::int64_t{p.Index} - port.Lsb)] =
                isPlaced(p) ? 1 : 0;
        }
        for (std::int64_t k = 0; k < width; ++k) {
            if (!placed[static_cast<std::size_t>(k)]) {
                bits.push_back(port.Name + "[" + std::to_string(port.Lsb + k) + "]");
            }
        }
    }
    return bits;
}

} // namespace

// ---------------------------------------------------------------------------

bool TPinsmith::CheckPinNames(const TMainBoard& board) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin || pin->GetName().empty()) {
                continue;
            }
            const bool open = pin->GetName().find('[') != std::string::npos;
            const bool close = pin->GetName().find(']') != std::string::npos;
            if (open != close) {
                return false;
            }
        }
    }
    return true;
}

namespace {

// A character that Tcl (the .qsf and .sdc) or Verilog reads as syntax: a
// blank or any other control character, $, ;, quotes, braces, backslash.
// Square brackets belong to bus names and are checked on their own.
bool IsSyntaxCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F || c == '$' || c == ';' || c == '"' || c == '\'' || c == '{' ||
           c == '}' || c == '\\';
}

// A pin whose name reaches a generated file: an active signal, or a clock
// pin (its constraint is written whatever its direction).
bool ReachesAFile(const TPin& pin) {
    return IsWritten(&pin) || (pin.IsClockPin() && pin.GetDirection() != PIN_DIR_FROM_CARD);
}

// Visits every written pin, connector by connector, with the port it makes:
// a bus's base name and the pin's bit, else the pin's own name and no bit.
// A name with a bad bus index is skipped (the port grouping reports it).
// Stops at, and returns false for, the first visit that returns false.
template <typename Visit> bool ForEachWrittenPort(const TMainBoard& board, Visit visit) {
    std::string base;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!IsWritten(pin)) {
                continue;
            }
            std::int32_t index = -1;
            const TPinParsing::NameKind kind =
                TPinParsing::SplitBusName(pin->GetName(), base, index);
            if (kind == TPinParsing::NameKind::BadIndex) {
                continue;
            }
            const bool bus = kind == TPinParsing::NameKind::Bus;
            if (!visit(c, *pin, bus ? base : pin->GetName(),
                       bus ? std::optional<std::int32_t>(index) : std::nullopt)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool TPinsmith::CheckPinSyntax(const TMainBoard& board) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin || !ReachesAFile(*pin)) {
                continue;
            }
            const std::string& name = pin->GetName();
            if (std::any_of(name.begin(), name.end(), IsSyntaxCharacter)) {
                platform::ErrorBox(platform::Format(
                    "Pin %s of %s holds a character that Tcl or Verilog reads as syntax (a "
                    "blank, $, ;, a quote, a brace or a backslash).",
                    name.c_str(), connector.GetName().c_str()));
                return false;
            }
        }
    }
    return true;
}

bool TPinsmith::CheckSignals(const TMainBoard& board) {
    // Per port name (ASCII upper case): the connector that gave it first and,
    // for a bus, the connector of every bit seen.
    struct Use {
        int connector;
        std::map<std::int32_t, int> bits;
    };
    std::map<std::string, Use> ports;
    const auto refuse = [&board](const std::string& signal, int first, int second) {
        platform::Beep();
        platform::ErrorBox(platform::Format(
            "Signal %s is used by both %s and %s. Please use different prefix names.",
            signal.c_str(), board.GetConnector(first)->GetName().c_str(),
            board.GetConnector(second)->GetName().c_str()));
        return false;
    };
    return ForEachWrittenPort(board, [&](int c, const TPin& pin, const std::string& port,
                                         std::optional<std::int32_t> bit) {
        const auto [it, fresh] = ports.try_emplace(platform::AsciiUpperCase(port), Use{c, {}});
        Use& use = it->second;
        if (bit) {
            const auto [seen, newBit] = use.bits.try_emplace(*bit, c);
            if (!newBit) {
                return refuse(pin.GetName(), seen->second, c);
            }
        }
        if (!fresh && use.connector != c) {
            return refuse(port, use.connector, c);
        }
        return true;
    });
}

bool TPinsmith::CheckTopLevelNames(const TMainBoard& board, const std::string& projectName,
                                   bool vhdl) {
    std::string message;
    if (!CheckExportedNameClash(board, projectName, message)) {
        platform::ErrorBox(message);
        return false;
    }
    if (vhdl && !config::CheckVhdlProjectName(projectName, message)) {
        platform::ErrorBox(message);
        return false;
    }
    // A name is judged once where the pins of a bus follow each other.
    int lastConnector = -1;
    std::string lastPort;
    return ForEachWrittenPort(
        board, [&](int c, const TPin&, const std::string& port, std::optional<std::int32_t>) {
            if (c == lastConnector && port == lastPort) {
                return true;
            }
            lastConnector = c;
            lastPort = port;
            const std::string& connector = board.GetConnector(c)->GetName();
            if (config::IsHdlKeyword(port)) {
                platform::ErrorBox(platform::Format("Signal %s of %s is a Verilog or VHDL keyword. "
                                                    "Please use a different prefix name.",
                                                    port.c_str(), connector.c_str()));
                return false;
            }
            if (vhdl && !config::CheckVhdlPortName(port, connector, message)) {
                platform::ErrorBox(message);
                return false;
            }
            return true;
        });
}

bool TPinsmith::Generate(TMainBoard* board, const std::string& projectPath, bool vhdl) {
    // Everything that can refuse the board comes before any file is touched.
    if (!CheckPinNames(*board)) {
        return false;
    }
    std::string message;
    if (!config::CheckProjectFileName(projectPath, message)) {
        platform::ErrorBox(message);
        return false;
    }
    if (!CheckPinSyntax(*board) || !CheckSignals(*board)) {
        return false;
    }
    if (!CheckTopLevelNames(*board, ProjectNameOf(projectPath), vhdl)) {
        return false;
    }
    board->SortPins();

    const std::string folder = platform::ExtractFilePath(projectPath);
    platform::FileFailure failure;
    if (!platform::CheckFolderWritable(folder, &failure)) {
        platform::ErrorBox(platform::Format("Cannot write the project folder %s: %s",
                                            folder.empty() ? "." : folder.c_str(),
                                            failure.reason.c_str()));
        return false;
    }

    // Every file of the project is assembled in memory, then written beside
    // its target; only when all are written do they take their names. A
    // failure on the way removes what was written: the earlier project
    // stays as it was.
    using platform::ChangeFileExt;
    const std::string name = ProjectNameOf(projectPath);
    const platform::LocalDateTime now = platform::Now();
    // The ports are grouped once for the top level and the virtual pins.
    const BoardPorts ports = GroupPorts(*board, TPinParsing::Reporting::Boxes);
    std::string top;
    if (!(vhdl ? VhdlTextOf(*board, name, ports, top) : VerilogTextOf(*board, name, ports, top))) {
        return false; // the port grouping has shown its message
    }
    struct Output {
        std::string file;
        std::string text;
    };
    const Output before[] = {
        {ChangeFileExt(projectPath, ".qpf"), QpfText(name, now)},
        {ChangeFileExt(projectPath, ".qsf"), QsfTextOf(*board, name, now, ports)},
        {ChangeFileExt(projectPath, vhdl ? ".vhd" : ".v"), std::move(top)},
    };
    const Output after[] = {
        {ChangeFileExt(projectPath, ".sdc"), SdcText(*board)},
        {ChangeFileExt(projectPath, ".htm"), HtmlText(*board)},
    };
    std::vector<std::string> textFiles;
    platform::FileReplacement files;
    files.SetRoot(folder);
    const auto stage = [&](const Output& output) {
        textFiles.push_back(output.file);
        if (files.Stage(output.file, output.text)) {
            return true;
        }
        ReportFileFailure(files.Failure());
        platform::ErrorBox(CreateFileMessage(output.file));
        return false;
    };
    for (const Output& output : before) {
        if (!stage(output)) {
            return false;
        }
    }
    if (!StageVerilogIp(*board, folder, files)) {
        if (!files.Failure().reason.empty()) {
            ReportFileFailure(files.Failure());
        }
        platform::ErrorBox(kExportMessage);
        return false;
    }
    for (const Output& output : after) {
        if (!stage(output)) {
            return false;
        }
    }
    if (!files.Commit()) {
        const std::string& failed = files.Failure().path;
        ReportFileFailure(files.Failure());
        const bool text = std::find(textFiles.begin(), textFiles.end(), failed) != textFiles.end();
        platform::ErrorBox(text ? CreateFileMessage(failed) : std::string(kExportMessage));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// .qpf

std::string TPinsmith::QpfText(const std::string& projectName, const platform::LocalDateTime& now) {
    std::string out;
    out += "DATE = \"" + ProjectDate(now) + "\"\r\n";
    out += "QUARTUS_VERSION = ";
    out += kQuartusVersion;
    out += "\r\n";
    out += "\r\n";
    out += "# Revisions\r\n";
    out += "\r\n";
    out += "PROJECT_REVISION = \"" + projectName + "\"";
    out += "\r\n";
    return out;
}

bool TPinsmith::WriteQpf(const std::string& fileName) {
    return WriteTextFile(fileName, QpfText(ProjectNameOf(fileName), platform::Now()));
}

// ---------------------------------------------------------------------------
// .qsf

namespace {

std::string QsfTextOf(const TMainBoard& board, const std::string& projectName,
                      const platform::LocalDateTime& now, const BoardPorts& ports) {
    std::string out;
    out.reserve(160 * PinEntries(board) + 4096);
    out += kQsfBanner;
    out += "# Build by Quelmar Pinsmith\r\n";
    out += kQsfBanner;
    out += "\r\n";

    const std::string sga = "set_global_assignment -name";
    out += sga + " FAMILY \"" + board.GetFamily() + "\"\r\n";
    out += sga + " DEVICE " + board.GetDevice() + "\r\n";
    out += sga + " TOP_LEVEL_ENTITY \"" + projectName + "\"\r\n";
    out += sga + " ORIGINAL_QUARTUS_VERSION " + kQuartusVersion + "\r\n";
    out += sga + " LAST_QUARTUS_VERSION " + kQuartusVersion + "\r\n";
    out += sga + " PROJECT_CREATION_TIME_DATE \"" + CreationDate(now) + "\"\r\n";
    if (!board.GetPackage().empty()) {
        out += sga + " DEVICE_FILTER_PACKAGE " + board.GetPackage() + "\r\n";
    }
    if (board.GetPinCount() > 0) {
        out += sga + " DEVICE_FILTER_PIN_COUNT " + std::to_string(board.GetPinCount()) + "\r\n";
    }
    if (!board.GetSpeedGradeText().empty()) {
        out += sga + " DEVICE_FILTER_SPEED_GRADE " + board.GetSpeedGradeText() + "\r\n";
    } else if (board.GetSpeedGrade() > 0) {
        out += sga + " DEVICE_FILTER_SPEED_GRADE " + std::to_string(board.GetSpeedGrade()) + "\r\n";
    }
    out += sga + " SDC_FILE " + projectName + ".sdc\r\n";

    const std::string boardLines = GetQsfBoardAssignments(board);
    out += ExportedFileAssignments(board, boardLines);
    out += boardLines;

    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        if (connector.GetActivePinCount() > 0) {
            out += "\r\n";
            out += kQsfBanner;
            out += "# ";
            out += connector.GetName();
            if (!connector.GetDescription().empty()) {
                out += ", ";
                out += connector.GetDescription();
            }
            out += "\r\n";
            out += kQsfBanner;
        }
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (IsWritten(pin)) {
                out += "set_instance_assignment -name IO_STANDARD \"";
                out += pin->GetIoStandardText();
                out += "\" -to ";
                out += pin->GetName();
                out += "\r\n";
            }
        }
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (IsWritten(pin) && !pin->GetLocation().empty()) {
                out += "set_location_assignment PIN_";
                out += pin->GetLocation();
                out += " -to ";
                out += pin->GetName();
                out += "\r\n";
            }
        }
        for (const std::string& bit :
             UnplacedPortBits(connector, ports.connectors[static_cast<std::size_t>(c)])) {
            out += "set_instance_assignment -name VIRTUAL_PIN ON -to ";
            out += bit;
            out += "\r\n";
        }
    }

    out += "\r\n";
    out += kQsfBanner;
    out += "# End of pin assignments by Quelmar Pinsmith\r\n";
    out += kQsfBanner;
    out += "\r\n";
    return out;
}

} // namespace

std::string TPinsmith::QsfText(const TMainBoard& board, const std::string& projectName,
                               const platform::LocalDateTime& now) {
    return QsfTextOf(board, projectName, now, GroupPorts(board, TPinParsing::Reporting::Quiet));
}

bool TPinsmith::WriteQsf(const TMainBoard& board, const std::string& fileName) {
    return WriteTextFile(fileName, QsfText(board, ProjectNameOf(fileName), platform::Now()));
}

// ---------------------------------------------------------------------------
// Top level

namespace {

bool VerilogPortList(const TMainBoard& board, const BoardPorts& ports, std::string& text,
                     int* portCount = nullptr) {
    return PortList(
        board, ports, kVerilogHeader, ',',
        [](const TPinParsing& p, int j) { return p.GetVerilogPort(j); }, text, portCount);
}

bool VhdlPortList(const TMainBoard& board, const BoardPorts& ports, std::string& text,
                  int* portCount = nullptr) {
    return PortList(
        board, ports, kVhdlHeader, ';',
        [](const TPinParsing& p, int j) { return p.GetVhdlPort(j); }, text, portCount);
}

} // namespace

bool TPinsmith::GetVerilogPortList(const TMainBoard& board, std::string& text, int* portCount) {
    return VerilogPortList(board, GroupPorts(board, TPinParsing::Reporting::Boxes), text,
                           portCount);
}

bool TPinsmith::GetVhdlPortList(const TMainBoard& board, std::string& text, int* portCount) {
    return VhdlPortList(board, GroupPorts(board, TPinParsing::Reporting::Boxes), text, portCount);
}

namespace {

bool VerilogTextOf(const TMainBoard& board, const std::string& moduleName,
                   const BoardPorts& grouped, std::string& text) {
    std::string ports;
    if (!VerilogPortList(board, grouped, ports)) {
        return false;
    }
    std::string& out = text;
    out.clear();
    out.reserve(ports.size() + 1024);
    out += "\r\n";
    out += kVerilogBanner;
    out += "//  This code is generated by Quelmar Pinsmith\r\n";
    out += kVerilogBanner;
    out += "\r\n";
    out += "module " + moduleName + "(\r\n";
    out += ports;
    out += ");\r\n\r\n";
    out += "\r\n\r\n";
    out += kVerilogBanner;
    out += "//  REG/WIRE declarations\r\n";
    out += kVerilogBanner;
    out += "\r\n\r\n";
    out += "\r\n\r\n";
    out += kVerilogBanner;
    out += "//  Structural coding\r\n";
    out += kVerilogBanner;
    out += "\r\n\r\n";
    out += GetVerilogBoardCode(board);
    out += "\r\nendmodule\r\n";
    return true;
}

bool VhdlTextOf(const TMainBoard& board, const std::string& entityName, const BoardPorts& grouped,
                std::string& text) {
    std::string ports;
    int portCount = 0;
    if (!VhdlPortList(board, grouped, ports, &portCount)) {
        return false;
    }
    std::string& out = text;
    out.clear();
    out.reserve(ports.size() + 1024);
    out += "\r\n";
    out += kVhdlBanner;
    out += "--  This code is generated by Quelmar Pinsmith\r\n";
    out += kVhdlBanner;
    out += "\r\n";
    out += "library ieee;\r\n";
    out += "use ieee.std_logic_1164.all;\r\n";
    out += "\r\n";
    out += "entity " + entityName + " is\r\n";
    // VHDL has no empty port clause: an entity without ports (a board with
    // nothing ticked) keeps the connector headers and leaves the clause out.
    if (portCount > 0) {
        out += "port\r\n";
        out += "(\r\n";
    }
    out += ports;
    if (portCount > 0) {
        out += ");\r\n";
    }
    out += "\r\n";
    out += "end " + entityName + ";\r\n";
    out += "\r\n\r\n";
    out += kVhdlBanner;
    out += "--  Structural coding\r\n";
    out += kVhdlBanner;
    out += "\r\n\r\n";
    const std::string architecture = GetVhdlArchitecture(board, entityName);
    if (!architecture.empty()) {
        out += architecture;
    } else {
        out += "architecture rtl of " + entityName + " is\r\n";
        out += "\r\n-- declare --\r\n\r\n";
        out += "begin\r\n";
        out += "\r\n-- body --\r\n\r\n";
        out += "end rtl;\r\n";
    }
    out += "\r\n";
    return true;
}

} // namespace

bool TPinsmith::VerilogText(const TMainBoard& board, const std::string& moduleName,
                            std::string& text) {
    return VerilogTextOf(board, moduleName, GroupPorts(board, TPinParsing::Reporting::Boxes), text);
}

bool TPinsmith::VhdlText(const TMainBoard& board, const std::string& entityName,
                         std::string& text) {
    return VhdlTextOf(board, entityName, GroupPorts(board, TPinParsing::Reporting::Boxes), text);
}

bool TPinsmith::WriteVerilog(const TMainBoard& board, const std::string& fileName) {
    std::string text;
    if (!VerilogText(board, ProjectNameOf(fileName), text)) {
        return false; // the grouping message has been shown; no file is written
    }
    return WriteTextFile(fileName, text);
}

bool TPinsmith::WriteVhdl(const TMainBoard& board, const std::string& fileName) {
    std::string text;
    if (!VhdlText(board, ProjectNameOf(fileName), text)) {
        return false;
    }
    return WriteTextFile(fileName, text);
}

// ---------------------------------------------------------------------------
// Verilog IP

bool TPinsmith::ExportResource(const std::string& fileName, const std::string& resourceName) {
    return config::ExportResourceFile(fileName, resourceName);
}

bool TPinsmith::StageVerilogIp(const TMainBoard& board, const std::string& projectFolder,
                               platform::FileReplacement& files) {
    // The modules' sub-folders are real folders of the project: a link in
    // their place is never written through.
    files.SetRoot(projectFolder);
    const bool result = ExportBoardIpFiles(board, projectFolder, files);
    // A file that could not be written fails the export even when the
    // board's own export went on past it.
    return result && files.Failure().reason.empty();
}

bool TPinsmith::ExportVerilogIp(const TMainBoard& board, const std::string& projectFolder) {
    platform::FileReplacement files;
    if (StageVerilogIp(board, projectFolder, files) && files.Commit()) {
        return true;
    }
    if (!files.Failure().reason.empty()) {
        ReportFileFailure(files.Failure());
    }
    platform::ErrorBox(kExportMessage);
    return false;
}

// ---------------------------------------------------------------------------
// .sdc

std::string TPinsmith::SdcText(const TMainBoard& board) {
    std::string out;
    out.reserve(4096);
    out += kSdcBanner;
    out += "# This .sdc file is created by Quelmar Tool.\r\n";
    out += "# Users are recommended to modify this file to match users logic.\r\n";
    out += kSdcBanner;
    out += "\r\n";
    out += kSdcBanner;
    out += "# Create Clock\r\n";
    out += kSdcBanner;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            // Inactive clock pins keep their constraint; an unfilled card
            // placeholder is no signal at all.
            if (!pin || !pin->IsClockPin() || pin->GetDirection() == PIN_DIR_FROM_CARD) {
                continue;
            }
            if (!pin->GetFrequency().empty()) {
                out += "create_clock -period \"" + pin->GetFrequency() + "\" [get_ports " +
                       pin->GetName() + "]\r\n";
            } else if (pin->GetPeriodNs() != 0) {
                // Whole nanoseconds with three decimals (37 gives 37.000ns),
                // with a point whatever the user's locale.
                out += "create_clock -period " + std::to_string(pin->GetPeriodNs()) +
                       ".000ns [get_ports " + pin->GetName() + "]\r\n";
            }
        }
    }
    out += "\r\n";
    out += GetSdcBoardClocks(board);
    out += GetSdcJtagConstraints(board);

    const auto section = [&out](const char* title) {
        out += kSdcBanner;
        out += title;
        out += kSdcBanner;
    };
    section("# Create Generated Clock\r\n");
    out += "derive_pll_clocks\r\n";
    out += kT3;
    section("# Set Clock Latency\r\n");
    out += kT3;
    section("# Set Clock Uncertainty\r\n");
    out += "derive_clock_uncertainty\r\n";
    out += kT3;
    section("# Set Input Delay\r\n");
    out += GetSdcInputDelays(board);
    out += kT3;
    section("# Set Output Delay\r\n");
    out += GetSdcOutputDelays(board);
    out += kT3;
    for (const char* title :
         {"# Set Clock Groups\r\n", "# Set False Path\r\n", "# Set Multicycle Path\r\n",
          "# Set Maximum Delay\r\n", "# Set Minimum Delay\r\n", "# Set Input Transition\r\n",
          "# Set Load\r\n"}) {
        section(title);
        out += kT3;
    }
    return out;
}

bool TPinsmith::WriteSdc(const TMainBoard& board, const std::string& fileName) {
    return WriteTextFile(fileName, SdcText(board));
}

// ---------------------------------------------------------------------------
// .htm

namespace {

// One anchor per connector: its name, and for a name an earlier connector
// already carries (two sockets of one kind) the name with its ordinal
// ("DDR3 SODIMM_2"), so every link finds its own table.
std::vector<std::string> ConnectorAnchors(const TMainBoard& board) {
    std::vector<std::string> anchors;
    std::map<std::string, int> seen;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const std::string& name = board.GetConnector(c)->GetName();
        const int count = ++seen[name];
        anchors.push_back(count == 1 ? name : name + "_" + std::to_string(count));
    }
    return anchors;
}

void FillHtml(const TMainBoard& board, THtmlGenerator& html) {
    html.Reserve(320 * PinEntries(board) + 4096);
    const std::vector<std::string> anchors = ConnectorAnchors(board);
    html.BeginHtml();
    html.AddHeading(GetBoardName(board.GetBoardIdByte()) + " Configuration", 1, "center");
    html.AddBreaks(2);
    html.AddHeading("Pin Assignments:", 2, "left");
    html.BeginList(false);
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const std::string& name = board.GetConnector(c)->GetName();
        html.AddLink(anchors[static_cast<std::size_t>(c)], THtmlGenerator::ListItem(name));
        html.AddBreaks(1);
    }
    html.EndList(false);
    html.AddBreaks(3);
    html.AddHeading("Pin Assignment Table:", 2, "left");

    const std::string left = "left";
    const std::string none;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        const ConnectorType type = connector.GetType();
        const ConnectorType attached = connector.GetAttachedType();
        const bool expansion = type != CONNECTOR_NONE;
        // A daughter column needs a merged card; a connector of its own type
        // still waiting for one has none.
        const bool daughterColumn = expansion && attached != type && attached != CONNECTOR_NONE;

        html.AddAnchor(anchors[static_cast<std::size_t>(c)], none);
        html.BeginTable(true, expansion ? connector.GetDescription() : connector.GetName(), left);
        html.AddBreaks(2);
        html.BeginRow();
        for (const char* title : {"Name", "Location", "Direction", "Standard"}) {
            html.AddCell(title, left, true, "Khaki");
        }
        if (expansion) {
            html.AddCell(ConnectorTypeName(type) + " Pin Index", left, true, "Khaki");
        }
        if (daughterColumn) {
            html.AddCell("Daughter " + ConnectorTypeName(attached) + " Pin Index", left, true,
                         "Khaki");
        }
        html.EndRow();

        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!IsWritten(pin)) {
                continue;
            }
            html.BeginRow();
            html.AddCell(pin->GetName(), left, false, none);
            if (expansion && !pin->GetName().empty() && pin->GetName()[0] == '$') {
                html.AddCell("-", left, false, none);
                html.AddCell("-", left, false, none);
                html.AddCell("-", left, false, none);
            } else {
                html.AddCell(pin->GetLocation(), left, false, none);
                html.AddCell(pin->GetDirectionText(), left, false, none);
                html.AddCell(pin->GetIoStandardText(), left, false, none);
            }
            if (expansion) {
                html.AddCell(IndexCell(type, pin->GetPinIndex()), left, false, none);
            }
            if (daughterColumn) {
                html.AddCell(pin->GetPinIndexText(), left, false, none);
            }
            html.EndRow();
        }
        html.EndTable();
    }
    html.EndHtml();
}

} // namespace

std::string TPinsmith::HtmlText(const TMainBoard& board) {
    THtmlGenerator html;
    FillHtml(board, html);
    return html.TakeText();
}

bool TPinsmith::WriteHtml(const TMainBoard& board, const std::string& fileName) {
    THtmlGenerator html;
    FillHtml(board, html);
    return html.SaveToFile(fileName);
}
