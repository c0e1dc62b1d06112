// The steps of a board's batch (boards/BoardBatch.h): names, the cards and
// prefixes each step sets, passes after the first, and every step of the
// registry's batches generating a project.

#include "boards/BoardBatch.h"
#include "boards/BoardMatrix.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/TavrinConfig.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/WendalConfig.h"
#include "boards/cyclone5/WendalId.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Defaults(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

std::vector<std::string> Names(const std::vector<BatchStep>& steps) {
    std::vector<std::string> names;
    for (const BatchStep& step : steps) {
        names.push_back(step.name);
    }
    return names;
}

} // namespace

TEST(BoardBatch, NamesHoldOnlyPlainCharacters) {
    EXPECT_EQ(BatchProjectName("TAVRIN", "GPIO", "Fyrn"), "TAVRIN_GPIO_Fyrn");
    EXPECT_EQ(BatchProjectName("TAVRIN", "GPIO", "RF and Sensor"), "TAVRIN_GPIO_RF_and_Sensor");
    EXPECT_EQ(BatchProjectName("W", "HSMC", "Glent-GPIO"), "W_HSMC_Glent_GPIO");
    EXPECT_EQ(BatchProjectName("W", "GPIO", "8\" LCD/Touch (x2)"), "W_GPIO_8__LCD_Touch__x2_");
    EXPECT_EQ(BatchProjectName("W", "GPIO", "\xE9t\xE9"), "W_GPIO__t_");
}

TEST(BoardBatch, TavrinWritesEveryCardOfItsList) {
    const BoardDef& def = *FindBoard(MAINBOARD_TAVRIN);
    std::vector<std::uint8_t> record = Defaults(def);
    SetRecordFieldText(record, offsetof(TAVRIN_CONFIG, GpioPrefixName), "MY_");
    const std::vector<BatchStep> steps = BatchSteps(def, record);
    EXPECT_EQ(Names(steps),
              (std::vector<std::string>{
                  "TAVRIN_GPIO_GPIO_Default", "TAVRIN_GPIO_Fyrn", "TAVRIN_GPIO_Tambry",
                  "TAVRIN_GPIO_Wistel", "TAVRIN_GPIO_Rindle", "TAVRIN_GPIO_Wistel2",
                  "TAVRIN_GPIO_Cavel", "TAVRIN_GPIO_RF_and_Sensor", "TAVRIN_GPIO_Glent_GPIO",
                  "TAVRIN_GPIO_GPIO_Default___2_5V", "TAVRIN_GPIO_GPIO_Default___1_8V",
                  "TAVRIN_GPIO_GPIO_Default___1_5V"}));
    // Each step sets the card alone; the prefix stays as the user typed it.
    ApplyBatchStep(def, steps[1], record);
    EXPECT_EQ(record[offsetof(TAVRIN_CONFIG, GpioDaughterId)], 12);
    EXPECT_EQ(RecordFieldText(record, offsetof(TAVRIN_CONFIG, GpioPrefixName)), "MY_");
    EXPECT_EQ(RecordFieldText(record, offsetof(TAVRIN_CONFIG, ProjectName)), "TAVRIN_GPIO_Fyrn");
}

TEST(BoardBatch, WendalTakesEachCardOnBothHeaders) {
    const BoardDef& def = *FindBoard(MAINBOARD_WENDAL);
    std::vector<std::uint8_t> record = Defaults(def);
    const std::vector<BatchStep> steps = BatchSteps(def, record);
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps[0].name, "WENDAL_GPIO_GPIO_Default");
    EXPECT_EQ(steps[1].name, "WENDAL_GPIO_Ostel");
    EXPECT_EQ(steps[9].name, "WENDAL_GPIO_Glent_GPIO");
    const auto prefixes = [&](const BatchStep& step) {
        ApplyBatchStep(def, step, record);
        return std::to_string(record[offsetof(WENDAL_CONFIG, nGpioDaughterId)]) + "/" +
               std::to_string(record[offsetof(WENDAL_CONFIG, nGpioDaughterId) + 1]) + " " +
               RecordFieldText(record, offsetof(WENDAL_CONFIG, GpioPrefixName)) + "/" +
               RecordFieldText(record, offsetof(WENDAL_CONFIG, GpioPrefixName) + 128);
    };
    EXPECT_EQ(prefixes(steps[0]), "1/1 GPIO_0_/GPIO_1_");
    EXPECT_EQ(prefixes(steps[1]), "11/11 /"); // the 80-pin card, on the pair, unprefixed
    EXPECT_EQ(prefixes(steps[2]), "12/12 GPIO_0_/GPIO_1_");
}

// A board with two passes, the first including None: the second pass
// empties the first pass's port; the prefixes stay.
TEST(BoardBatch, LaterPassesEmptyTheEarlierPorts) {
    const BoardDef& ilmarch = *FindBoard(MAINBOARD_ILMARCH);
    constexpr BatchPass kPasses[] = {{.port = 1, .word = "B", .withNone = true},
                                     {.port = 0, .word = "A"}};
    BoardDef def = ilmarch;
    def.pair = {};
    def.batch = kPasses;
    const std::vector<BatchStep> steps = BatchSteps(def, Defaults(def));
    ASSERT_EQ(steps.size(), 11u + 10u);
    EXPECT_EQ(steps[0].name, "ILMARCH_B_None");
    ASSERT_EQ(steps[0].choices.size(), 1u);
    EXPECT_EQ(steps[11].name, "ILMARCH_A_GPIO_Default");
    ASSERT_EQ(steps[11].choices.size(), 2u);
    EXPECT_EQ(steps[11].choices[0].port, 1);
    EXPECT_EQ(steps[11].choices[0].card, CARD_NONE);
    EXPECT_FALSE(steps[11].choices[0].prefix.has_value());
    EXPECT_EQ(steps[11].choices[1].card, CARD_GPIO_DEFAULT);
}

// Every step of every batch of the registry passes the settings checks and
// generates, with the board's other choices at their defaults.
TEST(BoardBatch, EveryStepGenerates) {
    TempDir dir;
    int boards = 0;
    for (const BoardDef* def : AllBoards()) {
        if (def->batch.empty()) {
            continue;
        }
        ++boards;
        for (const BatchStep& step : BatchSteps(*def, Defaults(*def))) {
            SCOPED_TRACE(step.name);
            matrix::Run run{step.name, true, Defaults(*def)};
            ApplyBatchStep(*def, step, run.record);
            std::string message;
            ASSERT_TRUE(CheckRecord(*def, run.record, message)) << message;
            const matrix::Outcome outcome = matrix::Generate(*def, run, dir.Path());
            EXPECT_TRUE(outcome.generated);
            EXPECT_TRUE(outcome.boxes.empty());
        }
    }
    EXPECT_GE(boards, 2);
}
