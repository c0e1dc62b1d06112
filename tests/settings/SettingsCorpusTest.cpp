// The seeds of the settings fuzz target (fuzz/corpus/settings/, first byte
// the board id, then the file) through the road the target runs: load,
// mend, check, fill, attach, write. Every board with a record has seeds its
// load accepts, so the fuzzer starts inside each board's rules.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

TEST(SettingsCorpus, EveryBoardHasSeedsItsLoadTakes) {
    namespace fs = std::filesystem;
    TempDir dir;
    platform::ScriptedUi ui;
    std::map<int, int> accepted;
    for (const auto& entry :
         fs::directory_iterator(std::string(PINSMITH_SOURCE_DIR) + "/fuzz/corpus/settings")) {
        std::string bytes;
        ASSERT_TRUE(platform::ReadWholeFile(entry.path().string(), bytes));
        SCOPED_TRACE(entry.path().filename().string());
        ASSERT_FALSE(bytes.empty());
        const BoardDef* def = FindBoard(static_cast<std::uint8_t>(bytes[0]));
        ASSERT_TRUE(def && def->HasRecord());
        const std::string file = dir.File("seed.cfg");
        ASSERT_TRUE(platform::WriteWholeFile(file, bytes.substr(1)).Complete(bytes.size() - 1));
        std::vector<std::uint8_t> record(def->record.size);
        SetDefaultRecord(*def, record);
        if (!LoadBoardRecord(*def, file, record)) {
            continue;
        }
        ++accepted[BoardNumber(def->id)];
        MendRecord(*def, record);
        std::string message;
        if (CheckRecord(*def, record, message)) {
            const auto board = BuildBoardModel(*def, record);
            TPinsmith pinsmith;
            pinsmith.Generate(board.get(), dir.File("seed.qpf"), UsesVhdl(*def, record));
        }
    }
    for (const BoardDef* def : AllBoards()) {
        if (def->HasRecord()) {
            EXPECT_GE(accepted[BoardNumber(def->id)], 2) << "board " << BoardNumber(def->id);
        }
    }
}
