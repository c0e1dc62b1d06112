// The first byte picks a board of the registry by its id; the rest of the
// input is a settings file of that board. Runs what the board's form runs
// with a loaded file: the load, the mending, the settings checks, the pin
// filler, the cards and the project writer into a temporary folder. A crash,
// a sanitizer report or an internal-error stop is a finding.
//
// With the high bit of the first byte set (names mode), the input is what
// the user types instead: a flags byte (bit 0: VHDL), one byte per port
// picking its card from the port's list, then the project name and the
// prefixes in port order, one a line, over the board's defaults. The project
// is generated under that name, and a success whose top level a simulator
// would refuse (a keyword, an illegal identifier, a module the exported
// files declare too) is a finding.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/ExportSet.h"
#include "generator/Pinsmith.h"
#include "platform/AsciiText.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "support/TopLevelNames.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Message boxes answer at once and stay silent; internal errors still stop.
class QuietUi : public platform::UiServices {
public:
    platform::MsgResult ShowMessage(platform::MsgKind, platform::MsgButtons buttons,
                                    const std::string&) override {
        return buttons == platform::MsgButtons::YesNo ? platform::MsgResult::Yes
                                                      : platform::MsgResult::Ok;
    }
    void Beep() override {}
    void ShowInternalError(const std::string&) override {}
};

struct Environment {
    std::string folder;
    std::string settingsFile;
    std::string projectFile;
    QuietUi ui;

    Environment() {
        char pattern[] = "/tmp/pinsmith-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) {
            std::abort();
        }
        folder = platform::IncludeTrailingSeparator(made);
        settingsFile = folder + "settings.cfg";
        projectFile = folder + "project" + platform::kPathSep + "fuzz.qpf";
        platform::ForceDirectories(folder + "project");
        platform::SetProgramFolder(folder);
        platform::SetUiServices(&ui);
        platform::SetFixedClock(platform::LocalDateTime{2024, 5, 17, 9, 30, 0, 5});
        std::atexit([] { std::filesystem::remove_all(Get().folder); });
    }
    // Never destroyed: the exit handler and the installed services use it.
    static Environment& Get() {
        static Environment* environment = new Environment;
        return *environment;
    }
};

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The load's own rule, stated independently: the exact size, and the board
// id and size fields of this board.
bool IsRecordOf(const BoardDef& def, std::string_view bytes) {
    const RecordLayout& layout = def.record;
    if (bytes.size() != layout.size) {
        return false;
    }
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint32_t size = byte(layout.sizeOffset) | byte(layout.sizeOffset + 1) << 8 |
                               byte(layout.sizeOffset + 2) << 16 |
                               static_cast<std::uint32_t>(byte(layout.sizeOffset + 3)) << 24;
    return byte(layout.boardIdOffset) == static_cast<std::uint8_t>(def.id) && size == layout.size;
}

// The names mode: the record the user's typing makes, checked and
// generated as the form does, under the typed project name.
int RunNamesMode(const BoardDef& def, const std::uint8_t* data, std::size_t size) {
    Environment& env = Environment::Get();
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    const bool forceVhdl = size > 0 && (data[0] & 1) != 0;
    std::size_t at = size > 0 ? 1 : 0;
    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    for (const BoardCardPort& port : ports) {
        const std::vector<std::uint8_t> list = PortCardList(port);
        if (at < size) {
            SetRecordPortCard(record, port, MakeCardId(list[data[at++] % list.size()]));
        }
    }
    std::vector<std::string> lines;
    std::string line;
    for (; at < size; ++at) {
        if (data[at] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(data[at]);
        }
    }
    lines.push_back(line);
    SetRecordFieldText(record, def.record.projectNameOffset, lines[0]);
    for (std::size_t i = 0; i < ports.size() && i + 1 < lines.size(); ++i) {
        SetRecordFieldText(record, ports[i].prefixOffset, lines[i + 1]);
    }
    MendRecord(def, record);

    std::string message;
    if (!CheckRecord(def, record, message)) {
        Require(!message.empty());
        return 0;
    }
    const bool vhdl = forceVhdl || UsesVhdl(def, record);
    const std::string name = RecordFieldText(record, def.record.projectNameOffset);
    const std::string folder = env.folder + "names" + platform::kPathSep;
    std::filesystem::remove_all(folder);
    platform::ForceDirectories(folder);
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
    TPinsmith pinsmith;
    if (!pinsmith.Generate(board.get(), folder + name + ".qpf", vhdl)) {
        return 0;
    }
    // A success: the top level is one the tools take.
    std::string text;
    Require(platform::ReadWholeFile(folder + name + (vhdl ? ".vhd" : ".v"), text));
    const TopLevelNames top = ReadTopLevelNames(text, vhdl);
    Require(top.top == name && IllegalIdentifier(top.top, vhdl).empty());
    for (const std::string& port : top.ports) {
        Require(IllegalIdentifier(port, vhdl).empty());
    }
    for (const ExportedName& exported : BoardExportedNames(def)) {
        Require(!platform::SameIgnoringAsciiCase(exported.name, name));
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    if ((data[0] & 0x80) != 0) {
        const BoardDef* def = FindBoard(static_cast<int>(data[0] & 0x7F));
        if (!def || !def->HasRecord() || !def->fill || !def->writesProjects) {
            return 0;
        }
        return RunNamesMode(*def, data + 1, size - 1);
    }
    const BoardDef* def = FindBoard(static_cast<int>(data[0]));
    if (!def || !def->HasRecord() || !def->fill) {
        return 0;
    }
    Environment& env = Environment::Get();
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    Require(platform::WriteWholeFile(env.settingsFile, bytes).Complete(bytes.size()));

    std::vector<std::uint8_t> record(def->record.size);
    SetDefaultRecord(*def, record);
    const std::vector<std::uint8_t> before = record;
    const bool loaded = LoadBoardRecord(*def, env.settingsFile, record);
    // A refused file leaves the record alone; an accepted one is the file.
    Require(loaded == IsRecordOf(*def, bytes));
    Require(loaded ? std::memcmp(record.data(), bytes.data(), record.size()) == 0
                   : record == before);
    if (!loaded) {
        return 0;
    }

    // What showing the record in the form does with it; mending twice
    // changes nothing more.
    MendRecord(*def, record);
    const std::vector<std::uint8_t> mended = record;
    MendRecord(*def, record);
    Require(record == mended &&
            IsRecordOf(*def, std::string_view(reinterpret_cast<const char*>(record.data()),
                                              record.size())));

    std::string message;
    if (!CheckRecord(*def, record, message)) {
        Require(!message.empty());
        return 0;
    }
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(*def, record);
    TPinsmith pinsmith;
    pinsmith.Generate(board.get(), env.projectFile, UsesVhdl(*def, record));
    return 0;
}
