#include "boards/PinTable.h"

#include <gtest/gtest.h>

TEST(PinTable, RowsBecomePins) {
    constexpr PinRow rows[] = {
        {"CLK", "A1", PIN_DIR_INPUT, IOSTD_2V5, 50},
        {"D[]", "B1 B2  B3", PIN_DIR_INOUT, IOSTD_1V8},
        {"HPS_X[]", "~ ~", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL},
        {"REF", "C1", PIN_DIR_INPUT, IOSTD_HCSL, 0, 8},
        {"SLOW", "C2", PIN_DIR_INPUT, IOSTD_2V5, 0, 0, "25.000000 MHz", "a note"},
    };
    TConnector c("G", "", CONNECTOR_NONE, -1);
    AddPinRows(c, {"TEST", rows});
    ASSERT_EQ(c.GetPinCount(), 8);
    EXPECT_EQ(c.GetPin(0)->Frequency, "50.000000 MHz");
    EXPECT_EQ(c.GetPin(0)->IsClock, 1);
    EXPECT_EQ(c.GetPin(3)->GetName(), "D[2]");
    EXPECT_EQ(c.GetPin(3)->GetLocation(), "B3");
    EXPECT_EQ(c.GetPin(4)->GetName(), "HPS_X[0]");
    EXPECT_EQ(c.GetPin(4)->GetLocation(), "");
    EXPECT_EQ(c.GetPin(6)->IsClock, 1);
    EXPECT_EQ(c.GetPin(6)->PeriodNs, 8);
    EXPECT_EQ(c.GetPin(6)->Frequency, "");
    EXPECT_EQ(c.GetPin(7)->Frequency, "25.000000 MHz");
    EXPECT_EQ(c.GetPin(7)->Note, "a note");
    EXPECT_EQ(c.GetPin(1)->IsClock, 0);
}

TEST(PinTable, HeaderPositions) {
    TConnector c("GPIO_0", "", CONNECTOR_GPIO40, -1);
    EXPECT_EQ(AddHeaderPositions(c, "A1 - B2"), 3);
    EXPECT_EQ(c.GetPin(1), nullptr);
    EXPECT_EQ(c.GetPin(2)->GetDirection(), PIN_DIR_FROM_CARD);
    EXPECT_EQ(c.GetPin(2)->GetIoStandard(), IOSTD_FROM_CARD);
}

TEST(PinTableDeathTest, MalformedRowsStopNamingTheRow) {
    const PinRow cases[] = {
        {"X[]", "", PIN_DIR_INPUT, IOSTD_2V5},
        {"X", "A1 A2", PIN_DIR_INPUT, IOSTD_2V5},
        {"X", "A1", PIN_DIR_FROM_CARD, IOSTD_2V5},
        {"X", "A1", PIN_DIR_INPUT, IOSTD_2V5, 50, 20},
    };
    for (const PinRow& row : cases) {
        EXPECT_DEATH(
            {
                TConnector c("G", "", CONNECTOR_NONE, -1);
                AddPinRows(c, {"BAD", std::span(&row, 1)});
            },
            "Assertion failed: pin table BAD, row 1 \\(X");
    }
}
