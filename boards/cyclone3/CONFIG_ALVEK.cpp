#include "boards/cyclone3/CONFIG_ALVEK.h"

#include "boards/GpioHeaders.h"
#include "boards/PinGroups.h"
#include "boards/cyclone3/AlvekId.h"
#include "platform/Assert.h"

using namespace alvek;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "G21", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_2", "B12", IN, IOSTD_3V3_LVTTL, 0, 20},
};
constexpr PinRow kLed[] = {
    {"LED[]", "J1 J2 J3 H1 F2 E1 C1 C2 B2 B1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "H2 G3 F1", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "J6 H5 H6 G4 G5 J7 H7 E3 E4 D2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "D13", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_DP", "B15", OUT, IOSTD_3V3_LVTTL},
    {"HEX2_DP", "A18", OUT, IOSTD_3V3_LVTTL},
    {"HEX3_DP", "G16", OUT, IOSTD_3V3_LVTTL},
    {"HEX0_D[]", "E11 F11 H12 H13 G12 F12 F13", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_D[]", "A13 B13 C13 A14 B14 E14 A15", OUT, IOSTD_3V3_LVTTL},
    {"HEX2_D[]", "D15 A16 B16 E15 A17 B17 F14", OUT, IOSTD_3V3_LVTTL},
    {"HEX3_D[]", "B18 F15 A19 B19 C19 D19 G15", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "U21", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "U22", IN, IOSTD_3V3_LVTTL},
    {"UART_CTS", "V21", OUT, IOSTD_3V3_LVTTL},
    {"UART_RTS", "V22", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBDAT", "P21", IO, IOSTD_3V3_LVTTL},
    {"PS2_KBCLK", "P22", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSDAT", "R22", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSCLK", "R21", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "Y22", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "Y21", OUT, IOSTD_3V3_LVTTL},
    {"SD_WPn", "W20", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT", "AA22", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT3", "W21", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "D22 D21 C22 C21 B22 B21 D20 C20", IO, IOSTD_3V3_LVTTL},
    {"LCD_BLON", "F21", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RW", "E22", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "E21", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "F22", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "L21", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "L22", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "H19 H17 H20 H21", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "H22 J17 K17 J21", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "K22 K21 J22 K18", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "B5 A4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "E7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "B8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "F7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "G8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "E6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "E5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "D6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "G7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "D10 G10 H10 E9 F9 G9 H9 F8 A8 B9 A9 C10 B10 A10 E10 F10", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "C4 A3 B3 C3 A5 C6 B6 A6 C7 B7 B4 A7 C8", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FLASH_ADDR[]", "P7 P5 P6 N7 N5 N6 M8 M4 P2 N2 N1 M3 M2 M1 L7 L6 AA2 M5 M6 P1 P3 R2", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_DQ[]", "R7 P8 R8 U1 V2 V3 W1 Y1 T5 T7 T4 U2 V1 V4 W2", IO, IOSTD_3V3_LVTTL},
    {"FLASH_DQ15_AM1", "Y2", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_BYTE_N", "AA1", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_CE_N", "N8", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_OE_N", "R6", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RESET_N", "R1", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RY", "M7", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_WE_N", "P4", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_WP_N", "T3", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are created.
constexpr PinGroup<ALVEK_CONFIG> kGroups[] = {
    {"CLOCK", &ALVEK_CONFIG::bOSC, kClock},
    {"LED", &ALVEK_CONFIG::bLED, kLed},
    {"BUTTON", &ALVEK_CONFIG::bButton, kButton},
    {"SW", &ALVEK_CONFIG::bSwitch, kSw},
    {"SEG7", &ALVEK_CONFIG::bSeg7, kSeg7},
    {"RS232", &ALVEK_CONFIG::bRS232, kRs232},
    {"PS2", &ALVEK_CONFIG::bPS2, kPs2},
    {"SDCARD", &ALVEK_CONFIG::bSDCARD, kSdcard},
    {"LCD", &ALVEK_CONFIG::bLCD, kLcd},
    {"VGA", &ALVEK_CONFIG::bVGA, kVga},
    {"SDRAM", &ALVEK_CONFIG::bSDRAM, kSdram},
    {"Flash", &ALVEK_CONFIG::bFlash, kFlash},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "AB12 AB16 AA12 AA16 AA15 AB15 AA14 AB14 AB13 AA13 - - AB10 AA10 AB8 AA8 AB5 AA5 AB3 AB4 "
    "AA3 AA4 V14 U14 Y13 W13 U13 V12 - - R10 V11 Y10 W10 T8 V8 W7 W6 V5 U7",
    "AB11 AA20 AA11 AB20 AA19 AB19 AB18 AA18 AA17 AB17 - - Y17 W17 U15 T15 W15 V15 R16 AB9 "
    "T16 AA9 AA7 AB7 T14 R14 U12 T12 - - R11 R12 U10 T10 U9 T9 Y7 U8 V6 V7",
};
// clang-format on

// The bus tables' lengths, the board's pin count and the headers' positions.
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kFlash, "FLASH_ADDR[]") == 22, "nNum == 22");
static_assert(CountRowLocations(kFlash, "FLASH_DQ[]") == 15, "nNum == 15");
static_assert(CountGroupPins<ALVEK_CONFIG>(kGroups) == 180);
static_assert(CountLocations(kGpioHeaders[GPIO_0]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kGpioHeaders[GPIO_1]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");

} // namespace

void CONFIG_ALVEK(TMainBoard* pBoard, const ALVEK_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_ALVEK;
    if (Config.BoardId != BoardNumber(MAINBOARD_ALVEK)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ALVEK");
    }
    if (Config.Size != ALVEK_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(ALVEK_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone III";
    pBoard->m_Device = "EP3C16F484C6";
    pBoard->m_PinCount = 484;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 6;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<ALVEK_CONFIG>(*pBoard, Config, kGroups);
    AddGpioHeaderConnectors(*pBoard, kGpioHeaders[GPIO_0], kGpioHeaders[GPIO_1],
                            MakeCardId(Config.nGpioDaughterId[GPIO_0]),
                            MakeCardId(Config.nGpioDaughterId[GPIO_1]),
                            HeaderPairing::EightyPinPair);
}
