#include "model/Pin.h"

#include "platform/ScriptedUi.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(IoStandardName, NamesAndUnknownCodes) {
    platform::ScriptedUi ui;
    EXPECT_EQ(IoStandardName(IOSTD_1V5), "1.5 V");
    EXPECT_EQ(IoStandardName(IOSTD_3V3_LVTTL), "3.3-V LVTTL");
    EXPECT_EQ(IoStandardName(IOSTD_SSTL15), "SSTL-15");
    EXPECT_EQ(IoStandardName(IOSTD_SSTL15_B), "SSTL-15");
    EXPECT_EQ(IoStandardName(IOSTD_CML), "Current Mode Logic (CML)");
    EXPECT_EQ(ui.BeepCount(), 0);
    EXPECT_EQ(IoStandardName(static_cast<IoStd>(59)), "");
    EXPECT_EQ(IoStandardName(IOSTD_FROM_CARD), "");
    EXPECT_EQ(ui.BeepCount(), 2);
}

TEST(TPin, Constructors) {
    const TPin plain;
    EXPECT_EQ(plain.GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(plain.GetDirection(), PIN_DIR_NONE);
    EXPECT_FALSE(plain.IsActive());
    EXPECT_EQ(plain.GetPinIndex(), 0);

    const TPin clock("CLOCK_50", "AF14", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    EXPECT_EQ(clock.GetIsClock(), 1);
    EXPECT_EQ(clock.GetFrequency(), "50.000000 MHz");
    EXPECT_EQ(clock.GetPeriodNs(), 0);
    EXPECT_EQ(clock.GetPinIndex(), -1);
    EXPECT_EQ(clock.GetLocation(), "AF14");

    // Single precision: 18.432 is stored as 18.4319992...
    EXPECT_EQ(TPin("X", "A1", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 18.432f).GetFrequency(),
              "18.431999 MHz");
    for (float mhz : {0.0f, -5.0f}) {
        const TPin notClock("X", "A1", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, mhz);
        EXPECT_EQ(notClock.GetIsClock(), 0);
        EXPECT_EQ(notClock.GetFrequency(), "");
    }

    const TPin card("GPIO[3]", PIN_DIR_INOUT, IOSTD_2V5, 5, true);
    EXPECT_EQ(card.GetLocation(), "");
    EXPECT_EQ(card.GetPinIndex(), 5);
    EXPECT_TRUE(card.GetI2cFlag());
    EXPECT_EQ(card.GetIsClock(), 0);
}

TEST(TPin, AssignCopiesEveryField) {
    TPin a("A[1]", "B2", PIN_DIR_OUTPUT, IOSTD_LVDS, 100.0f);
    a.SetPinIndex(7);
    a.SetPeriodNs(20);
    a.SetNote("note");
    a.I2cFlag = true;
    TPin b;
    b.Assign(a);
    EXPECT_EQ(b.GetName(), "A[1]");
    EXPECT_EQ(b.GetLocation(), "B2");
    EXPECT_EQ(b.GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(b.GetIoStandard(), IOSTD_LVDS);
    EXPECT_EQ(b.GetPinIndex(), 7);
    EXPECT_EQ(b.GetPeriodNs(), 20);
    EXPECT_EQ(b.GetFrequency(), "100.000000 MHz");
    EXPECT_EQ(b.GetNote(), "note");
    EXPECT_TRUE(b.GetI2cFlag());
    EXPECT_TRUE(b.IsClockPin());
}

TEST(TPin, ClockMarkTwoIsNoClock) {
    TPin pin("DQS", "A1", PIN_DIR_INOUT, IOSTD_SSTL15, 0.0f);
    pin.SetIsClock(2);
    EXPECT_EQ(pin.GetIsClock(), 2);
    EXPECT_FALSE(pin.IsClockPin());
}

TEST(TPin, BusNameOperations) {
    struct Case {
        const char* name;
        bool bus;
        const char* busName;
        int index;
    };
    const Case cases[] = {
        {"HEX0[6]", true, "HEX0", 6}, {"LED", false, "", -1},
        {"A[3]B[4]", true, "A", 3},   {"CLK]X[", true, "CLK]X", -1},
        {"D[x]", true, "D", -1}, // not a decimal index
        {"D[]", true, "D", -1},       {"D[12a]", true, "D", -1},
        {"D[-2]", true, "D", -2},     {"D[99999999999]", true, "D", -1}, // beyond 32 bits
        {"OPEN[", false, "OPEN", -1}, {"", false, "", -1},
    };
    for (const Case& c : cases) {
        const TPin pin(c.name, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, 1, false);
        EXPECT_EQ(pin.IsBusPin(), c.bus) << c.name;
        EXPECT_EQ(pin.GetBusName(), c.busName) << c.name;
        EXPECT_EQ(pin.GetBusIndex(), c.index) << c.name;
    }
}

TEST(TPin, DirectionText) {
    EXPECT_EQ(TPin("a", PIN_DIR_INOUT, IOSTD_1V8, 1, false).GetDirectionText(), "inout ");
    EXPECT_EQ(TPin("a", PIN_DIR_INPUT, IOSTD_1V8, 1, false).GetDirectionText(), "input ");
    EXPECT_EQ(TPin("a", PIN_DIR_OUTPUT, IOSTD_1V8, 1, false).GetDirectionText(), "output");
}

TEST(TPinDeathTest, DirectionTextOfInactivePinStops) {
    const TPin placeholder("", "A1", PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0.0f);
    EXPECT_DEATH(placeholder.GetDirectionText(),
                 "Assertion failed: VerilogDirectionKeyword: .*, file model/Pin\\.cpp, line [0-9]+");
}

TEST(TPin, FrequencyTextIgnoresTheUserLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no German locale installed";
    }
    const TPin clock("CLOCK_50", "AF14", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(clock.GetFrequency(), "50.000000 MHz");
}
