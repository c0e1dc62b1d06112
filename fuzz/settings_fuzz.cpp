// The first byte picks a board of the registry by its id; the rest of the
// input is a settings file of that board. Runs what the board's form runs
// with a loaded file: the load, the mending, the settings checks, the pin
// filler, the cards and the project writer into a temporary folder. A crash,
// a sanitizer report or an internal-error stop is a finding.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Ui.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
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
