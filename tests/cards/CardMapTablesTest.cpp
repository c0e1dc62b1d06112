// The table walker over several row tables: one position space, each row
// with its own code slot, a position that two tables name is malformed.

#include "cards/CardDump.h"
#include "cards/CardMap.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

TEST(CardMapTables, WalkIntoOnePositionSpace) {
    constexpr CardMapRow first[] = {
        {"1, 5", "A[0..1]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
        {"3", "SDA", PIN_DIR_INOUT, ROW_I2CSTD, true},
    };
    constexpr CardMapRow second[] = {
        {"2, 4", "B_p, B_n", PIN_DIR_INPUT, ROW_LVDSSTD},
        {"6", "C", PIN_DIR_INOUT, ROW_IOSTD},
    };
    const std::array<CardMapTable, 3> tables{{
        {"FIRST", first},
        {"NONE", {}}, // a variant that leaves its group empty
        {"SECOND", second},
    }};
    CardCodes codes;
    codes.ioStd = IOSTD_2V5;
    codes.xcvrStd = IOSTD_1V5_PCML;
    codes.i2cStd = IOSTD_1V8;
    codes.lvdsStd = IOSTD_LVDS;
    TConnector card("", "", CONNECTOR_NONE, -1);
    FillCardMap(card, 7, tables, codes, "X_");
    const std::vector<std::string> expected = {
        "1\tX_A[0]\tout\t36",
        "2\tX_B_p\tin\t21",
        "3\tX_SDA\tinout\t3\ti2c",
        "4\tX_B_n\tin\t21",
        "5\tX_A[1]\tout\t36",
        "6\tX_C\tinout\t6",
        "7",
    };
    EXPECT_EQ(cardtest::Dump(card), expected);
}

TEST(CardMapTablesDeathTest, PositionInTwoTablesStops) {
    constexpr CardMapRow first[] = {{"1-2", "A, B", PIN_DIR_INOUT, ROW_IOSTD}};
    constexpr CardMapRow second[] = {{"2", "C", PIN_DIR_INOUT, ROW_IOSTD}};
    const std::array<CardMapTable, 2> tables{{{"FIRST", first}, {"SECOND", second}}};
    EXPECT_DEATH(
        {
            TConnector card("", "", CONNECTOR_NONE, -1);
            FillCardMap(card, 4, tables, CardCodes::All(IOSTD_2V5));
        },
        "card map SECOND, row 1 \\(positions \"2\"\\): position named twice");
}
