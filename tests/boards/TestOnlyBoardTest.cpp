// A board defined here alone, as a newcomer adds one (CONTRIBUTING.md): its
// id, record, pin table, filler and definition in this file, registered
// without a line in any shared list. It registers, builds its model from its
// default record and generates a project that the real-tool checker takes.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/PinGroups.h"
#include "generator/Pinsmith.h"
#include "model/Sizes.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// An id no product board takes.
inline constexpr BoardId MAINBOARD_TEST_ONLY{200};

// The record: the common header, then one byte per peripheral group.
struct TEST_ONLY_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3];
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bLED;
    std::uint8_t bKey;
    std::uint8_t Align2[2];
};
static_assert(std::is_trivially_copyable_v<TEST_ONLY_CONFIG>);
static_assert(offsetof(TEST_ONLY_CONFIG, Size) == 4);
static_assert(offsetof(TEST_ONLY_CONFIG, ProjectName) == 8);
static_assert(offsetof(TEST_ONLY_CONFIG, bLED) == 136);
static_assert(sizeof(TEST_ONLY_CONFIG) == 140);

// The pin table: a clock, two LEDs and two keys.
// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "G21", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0, 20},
};
constexpr PinRow kLed[] = {
    {"LED[]", "J1 J2", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "H2 G3", PIN_DIR_INPUT, IOSTD_3V3_LVTTL},
};
// clang-format on

const PinGroup<TEST_ONLY_CONFIG> kGroups[] = {
    {"Clock", nullptr, kClock},
    {"LED", &TEST_ONLY_CONFIG::bLED, kLed},
    {"KEY", &TEST_ONLY_CONFIG::bKey, kKey},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    const auto config = RecordAs<TEST_ONLY_CONFIG>(bytes);
    board->m_BoardId = MAINBOARD_TEST_ONLY;
    board->m_Family = "Cyclone III";
    board->m_Device = "EP3C16F484C6";
    board->m_PinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGrade = 6;
    AddPinGroups<TEST_ONLY_CONFIG>(*board, config, kGroups,
                                   [](TMainBoard& own, const PinGroup<TEST_ONLY_CONFIG>& group) {
                                       own.AddConnector(MakeGroupConnector(group.name, group.pins));
                                   });
}

constexpr BoardPeripheral kPeripherals[] = {offsetof(TEST_ONLY_CONFIG, bLED),
                                            offsetof(TEST_ONLY_CONFIG, bKey)};

const BoardDef kTestOnlyBoard{
    .id = MAINBOARD_TEST_ONLY,
    .title = "Test-Only Board",
    .selectorLine = "Test-Only Board",
    .selectorPicture = "",
    .folderWord = "TEST_ONLY",
    .defaultProjectName = "TEST_ONLY",
    .record = {.size = sizeof(TEST_ONLY_CONFIG)},
    .peripherals = kPeripherals,
    .fill = Fill,
};

TEST(TestOnlyBoard, RegistersBuildsItsModelAndGeneratesAProjectTheCheckerTakes) {
    const std::size_t products = AllBoards().size();
    ASSERT_EQ(FindBoard(MAINBOARD_TEST_ONLY), nullptr);
    {
        // A board's file registers it the same way, at namespace scope.
        const BoardRegistrar registration{kTestOnlyBoard};
        ASSERT_EQ(FindBoard(MAINBOARD_TEST_ONLY), &kTestOnlyBoard);
        EXPECT_EQ(FindBoard(BoardNumber(MAINBOARD_TEST_ONLY)), &kTestOnlyBoard);
        EXPECT_EQ(AllBoards().size(), products + 1);
        EXPECT_EQ(AllBoards().back(), &kTestOnlyBoard); // the highest id, last

        // The common defaults: header fields, the default name, every box on.
        std::vector<std::uint8_t> record(kTestOnlyBoard.record.size);
        SetDefaultRecord(kTestOnlyBoard, record);
        const auto config = RecordAs<TEST_ONLY_CONFIG>(record);
        EXPECT_EQ(config.BoardId, 200);
        EXPECT_EQ(config.Size, 140);
        EXPECT_EQ(std::string(config.ProjectName), "TEST_ONLY");
        EXPECT_EQ(config.bLED, 1);
        EXPECT_EQ(config.bKey, 1);
        std::string message;
        EXPECT_TRUE(CheckRecord(kTestOnlyBoard, record, message)) << message;

        const std::unique_ptr<TMainBoard> board = BuildBoardModel(kTestOnlyBoard, record);
        ASSERT_EQ(board->GetConnectorCount(), 3);
        EXPECT_EQ(board->GetConnector(1)->GetPinCount(), 2);

        TempDir dir;
        platform::ScriptedUi ui;
        ASSERT_TRUE(TPinsmith().Generate(board.get(), dir.File("TEST_ONLY.qpf"), false));
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_EQ(checker::CheckProject(dir.Path(), "TEST_ONLY"), std::vector<std::string>{});

        // A box turned off leaves its group out.
        record[offsetof(TEST_ONLY_CONFIG, bKey)] = 0;
        EXPECT_EQ(BuildBoardModel(kTestOnlyBoard, record)->GetConnectorCount(), 2);
    }
    // Out of scope, the registration is gone: the product boards alone.
    EXPECT_EQ(FindBoard(MAINBOARD_TEST_ONLY), nullptr);
    EXPECT_EQ(AllBoards().size(), products);
}

} // namespace
