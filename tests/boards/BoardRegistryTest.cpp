// The board registry as a whole: one definition per id, in id order, each
// record layout that its ports and peripherals fit in, every card its lists
// offer has a map, pictures that exist; the build options.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "cards/CardRegistry.h"
#include "model/DaughterBoard.h"
#include "model/Sizes.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "settings/ConfigCommon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// The board definitions the source tree holds, each registered by its file
// ("extern const BoardDef k<Board>Board{" and a BoardRegistrar of it): a
// definition left out of the program (by the linker, or without its
// registrar) is missing from the registry.
std::size_t DefinitionsInSource() {
    const std::regex definition(R"(extern const BoardDef (k\w+Board)\{)");
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(PINSMITH_SOURCE_DIR) / "boards")) {
        if (entry.path().extension() != ".cpp") {
            continue;
        }
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), definition), end; it != end; ++it) {
            ++count;
            EXPECT_NE(text.find("BoardRegistrar kRegistrar{" + (*it)[1].str() + "}"),
                      std::string::npos)
                << entry.path() << ": " << (*it)[1] << " has no registrar";
        }
    }
    return count;
}

} // namespace

TEST(BoardRegistry, OneDefinitionPerIdInIdOrder) {
    int last = 0;
    std::set<std::string> titles;
    for (const BoardDef* def : AllBoards()) {
        const int id = BoardNumber(def->id);
        SCOPED_TRACE(id);
        EXPECT_GT(id, last);
        last = id;
        EXPECT_EQ(FindBoard(def->id), def);
        EXPECT_EQ(FindBoard(id), def);
        EXPECT_FALSE(std::string(def->title).empty());
        EXPECT_FALSE(std::string(def->selectorLine).empty());
        EXPECT_TRUE(platform::FindResource(def->selectorPicture).has_value())
            << def->selectorPicture;
    }
    EXPECT_EQ(AllBoards().size(), DefinitionsInSource());
    EXPECT_EQ(FindBoard(29), nullptr);
    EXPECT_EQ(FindBoard(0), nullptr);
    EXPECT_EQ(FindBoard(-1), nullptr);
    EXPECT_EQ(FindBoard(300), nullptr);
}

TEST(BoardRegistry, RecordsHoldTheirPortsAndPeripherals) {
    for (const BoardDef* def : AllBoards()) {
        SCOPED_TRACE(BoardNumber(def->id));
        if (!def->HasRecord()) {
            EXPECT_TRUE(def->ports.empty() && def->peripherals.empty() && !def->fill);
            continue;
        }
        const RecordLayout& r = def->record;
        EXPECT_TRUE(def->fill != nullptr);
        EXPECT_FALSE(std::string(def->folderWord).empty());
        EXPECT_FALSE(std::string(def->defaultProjectName).empty());
        EXPECT_LT(r.boardIdOffset, r.size);
        EXPECT_LE(r.sizeOffset + 4, r.size);
        EXPECT_LE(r.projectNameOffset + kRecordTextSize, r.size);
        std::set<std::size_t> used;
        for (const std::size_t offset : def->peripherals) {
            EXPECT_LT(offset, r.size);
            EXPECT_TRUE(used.insert(offset).second) << "peripheral byte twice: " << offset;
        }
        for (const BoardCardPort& port : def->ports) {
            SCOPED_TRACE(port.name);
            const std::size_t width = port.cardField == CardField::I32 ? 4 : 1;
            EXPECT_LE(port.cardOffset + width, r.size);
            EXPECT_LE(port.prefixOffset + kRecordTextSize, r.size);
            for (std::size_t i = 0; i < width; ++i) {
                EXPECT_TRUE(used.insert(port.cardOffset + i).second);
            }
        }
        if (def->pair.IsSet()) {
            EXPECT_LT(def->pair.port1, static_cast<int>(def->ports.size()));
            EXPECT_NE(def->pair.port0, def->pair.port1);
        }
    }
}

// No list of any board leads into an internal error: every card a port
// offers, under every record the board's defaults and adjustments give,
// fills through the dispatcher (the module fill for memory modules).
TEST(BoardRegistry, EveryOfferedCardFills) {
    for (const BoardDef* def : AllBoards()) {
        if (!def->HasRecord()) {
            continue;
        }
        SCOPED_TRACE(BoardNumber(def->id));
        std::vector<std::uint8_t> record(def->record.size);
        SetDefaultRecord(*def, record);
        for (const BoardCardPort& port : EffectivePorts(*def, record)) {
            for (const std::uint8_t id : PortCardList(port)) {
                if (id == 0) {
                    continue;
                }
                SCOPED_TRACE(std::string(port.name) + " card " + std::to_string(id));
                const CardEntry& entry = *FindCardEntry(MakeCardId(id));
                TDaughterBoard card;
                if (entry.module) {
                    entry.module(card, def->cardRules);
                } else {
                    ASSERT_TRUE(entry.fill != nullptr);
                    card.FillCard(MakeCardId(id), def->cardRules, 0, port.ioStandard, port.busName);
                }
                EXPECT_EQ(card.GetPinCount() > 0, true);
            }
        }
    }
}

TEST(BoardRegistry, BuildOffersOnlyRegisteredBoards) {
    for (int id = -1; id <= 256; ++id) {
        if (IsBoardAvailable(id)) {
            EXPECT_NE(FindBoard(id), nullptr) << id;
        }
    }
}

TEST(BoardRegistry, ARefusedFileIsNamedOnlyAsTheBoardThatWroteIt) {
    // Every board's default settings file loaded on every other board: it is
    // refused, and a reason that names a board names the one that wrote it.
    // Boards whose records share a size (Dravel and Jorkel keep their id and
    // size in each other's places) read each other's header fields.
    TempDir dir;
    const std::regex namesBoard("board ([0-9]+)");
    int named = 0;
    for (const BoardDef* writer : AllBoards()) {
        if (!writer->HasRecord()) {
            continue;
        }
        // The defaults as the form saves them: with its board id and size
        // (some boards' defaults hold neither).
        std::vector<std::uint8_t> bytes(writer->record.size);
        SetDefaultRecord(*writer, bytes);
        StampRecordHeader(*writer, bytes);
        const std::string file = dir.File("writer.cfg");
        ASSERT_TRUE(platform::WriteWholeFile(file, std::string(bytes.begin(), bytes.end()))
                        .Complete(bytes.size()));
        EXPECT_EQ(SettingsFileOwner(std::string(bytes.begin(), bytes.end())),
                  BoardNumber(writer->id));
        for (const BoardDef* reader : AllBoards()) {
            if (!reader->HasRecord()) {
                continue;
            }
            const std::string pair = std::to_string(BoardNumber(writer->id)) + " on " +
                                     std::to_string(BoardNumber(reader->id));
            std::vector<std::uint8_t> record(reader->record.size, 0xA5);
            config::LoadRefusal refusal;
            const bool loaded = LoadBoardRecord(*reader, file, record, &refusal);
            EXPECT_EQ(loaded, reader == writer) << pair;
            if (loaded) {
                continue;
            }
            EXPECT_EQ(refusal.kind, config::LoadRefusal::Kind::NotThisBoard) << pair;
            EXPECT_EQ(record, std::vector<std::uint8_t>(reader->record.size, 0xA5)) << pair;
            std::smatch match;
            if (std::regex_search(refusal.reason, match, namesBoard)) {
                ++named;
                EXPECT_EQ(match[1].str(), std::to_string(BoardNumber(writer->id)))
                    << pair << ": " << refusal.reason;
            }
        }
    }
    EXPECT_GT(named, 0); // boards of one record size name each other
}
