#include "boards/cyclone2/CONFIG_BRESSA.h"

#include "boards/GpioHeaders.h"
#include "boards/PinGroups.h"
#include "boards/cyclone2/BressaId.h"
#include "platform/Assert.h"

using namespace bressa;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "L1", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_27[]", "D12 E12", IN, IOSTD_3V3_LVTTL, 0, 37},
    {"CLOCK_24[]", "B12 A12", IN, IOSTD_3V3_LVTTL, 0, 41},
};
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "M21", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "R20 R19 U19 Y19 T18 V19 Y18 U18 R18 R17", OUT, IOSTD_3V3_LVTTL},
    {"LEDG[]", "U22 U21 V22 V21 W22 W21 Y22 Y21", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "R22 R21 T22 T21", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "L22 L21 M22 V12 W12 U12 U11 M2 M1 L2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "J2 J1 H2 H1 F2 F1 E2", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "E1 H6 H5 H4 G3 D2 D1", OUT, IOSTD_3V3_LVTTL},
    {"HEX2[]", "G5 G6 C2 C1 E3 E4 D3", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "F4 D5 D6 J4 L8 F3 D4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G12", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "F14", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "H15", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "J14", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "A11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "B11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "D9 C9 A7 B7", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "B8 C10 B9 A8", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "A9 D11 A10 B10", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "A6", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "B6", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "A5", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "B5", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "B4", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "A4", IO, IOSTD_3V3_LVTTL},
    {"I2C_SCLK", "A3", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "B3", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "Y20", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "V20", OUT, IOSTD_3V3_LVTTL},
    {"SD_DAT", "W20", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT3", "U20", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR[]", "W4 W5 Y3 Y4 R6 R5 P6 P5 P3 N4 W3 N6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "U1 U2 V1 V2 W1 W2 Y1 Y2 N1 N2 P1 P2 R1 R2 T1 T2", IO, IOSTD_3V3_LVTTL},
    {"DRAM_BA[]", "U3 V4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "R7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "M5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "T5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "T3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "N3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "U4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "R8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "T6", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR[]", "AA3 AB3 AA4 AB4 AA5 AB10 AA11 AB11 V11 W11 R11 T11 Y10 U10 R10 T7 Y6 Y5", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DQ[]", "AA6 AB6 AA7 AB7 AA8 AB8 AA9 AB9 Y9 W9 V9 U9 R9 W8 V8 U8", IO, IOSTD_3V3_LVTTL},
    {"SRAM_WE_N", "AA10", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_N", "T8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_UB_N", "W7", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_N", "Y7", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_N", "AB5", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR[]", "AB20 AA14 Y16 R15 T15 U15 V15 W15 R14 Y13 R12 T12 AB14 AA13 AB13 AA12 AB12 AA20 U14 V14 U13 R13", OUT, IOSTD_3V3_LVTTL},
    {"FL_DQ[]", "AB16 AA16 AB17 AA17 AB18 AA18 AB19 AA19", IO, IOSTD_3V3_LVTTL},
    {"FL_OE_N", "AA15", OUT, IOSTD_3V3_LVTTL},
    {"FL_RST_N", "W14", OUT, IOSTD_3V3_LVTTL},
    {"FL_WE_N", "Y14", OUT, IOSTD_3V3_LVTTL},
    {"FL_CE_N", "AB15", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are created.
constexpr PinGroup<BRESSA_CONFIG> kGroups[] = {
    {"CLOCK", &BRESSA_CONFIG::bOSC, kClock},
    {"Sma", &BRESSA_CONFIG::bSma, kSma},
    {"LED", &BRESSA_CONFIG::bLED, kLed},
    {"KEY", &BRESSA_CONFIG::bButton, kKey},
    {"SW", &BRESSA_CONFIG::bSwitch, kSw},
    {"SEG7", &BRESSA_CONFIG::bSeg7, kSeg7},
    {"RS232", &BRESSA_CONFIG::bRS232, kRs232},
    {"PS2", &BRESSA_CONFIG::bPS2, kPs2},
    {"VGA", &BRESSA_CONFIG::bVGA, kVga},
    {"Audio", &BRESSA_CONFIG::bAudio, kAudio},
    {"SDCARD", &BRESSA_CONFIG::bSDCARD, kSdcard},
    {"SDRAM", &BRESSA_CONFIG::bSDRAM, kSdram},
    {"SRAM", &BRESSA_CONFIG::bSRAM, kSram},
    {"Flash", &BRESSA_CONFIG::bFlash, kFlash},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "A13 B13 A14 B14 A15 B15 A16 B16 A17 B17 - - A18 B18 A19 B19 A20 B20 C21 C22 "
    "D21 D22 E21 E22 F21 F22 G21 G22 - - J21 J22 K21 K22 J19 J20 J18 K20 L19 L18",
    "H12 H13 H14 G15 E14 E15 F15 G16 F12 F13 - - C14 D14 D15 D16 C17 C18 C19 C20 "
    "D19 D20 E20 F20 E19 E18 G20 G18 - - G17 H17 J15 H18 N22 N21 P15 N15 P17 P18",
};
// clang-format on

// The bus tables' lengths, the board's pin count and the headers' positions.
static_assert(CountRowLocations(kLed, "LEDR[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kLed, "LEDG[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kKey, "KEY[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kSw, "SW[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kSram, "SRAM_ADDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kSram, "SRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kFlash, "FL_ADDR[]") == 22, "nNum == 22");
static_assert(CountRowLocations(kFlash, "FL_DQ[]") == 8, "nNum == 8");
static_assert(CountGroupPins<BRESSA_CONFIG>(kGroups) == 207);
static_assert(CountLocations(kGpioHeaders[GPIO_0]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kGpioHeaders[GPIO_1]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");

} // namespace

void CONFIG_BRESSA(TMainBoard* pBoard, const BRESSA_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_BRESSA;
    if (Config.BoardId != BoardNumber(MAINBOARD_BRESSA)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_BRESSA");
    }
    if (Config.Size != BRESSA_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(BRESSA_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone II";
    pBoard->m_Device = "EP2C20F484C7";
    pBoard->m_PinCount = 484;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 7;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<BRESSA_CONFIG>(*pBoard, Config, kGroups);
    AddGpioHeaderConnectors(*pBoard, kGpioHeaders[GPIO_0], kGpioHeaders[GPIO_1],
                            MakeCardId(Config.nGpioDaughterId[GPIO_0]),
                            MakeCardId(Config.nGpioDaughterId[GPIO_1]),
                            HeaderPairing::EightyPinPair);
}
