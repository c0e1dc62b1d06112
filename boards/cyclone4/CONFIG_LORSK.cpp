#include "boards/cyclone4/CONFIG_LORSK.h"

#include "boards/PinGroups.h"
#include "boards/cyclone4/ElvoryHeaderTables.h"
#include "boards/cyclone4/HsmcConnector.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone5/OptionGroups.h"
#include "platform/Assert.h"

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// "~": a pin without a location. The VGA colour buses' two lowest bits are
// not wired; HEX0_DP and HEX2_DP would share their balls with FL_DQ[7] (AF12)
// and GPIO header position 13 (AC19), so they are left to the fitter.
// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "Y2", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK2_50", "AG14", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_27", "AG15", IN, IOSTD_3V3_LVTTL, 0, 37},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AH14", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17", OUT, IOSTD_2V5},
    {"LEDG[]", "E21 E22 E25 E24 H21 G20 G22 G21", OUT, IOSTD_2V5},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "M23 M21 N21 R24", IN, IOSTD_2V5},
};
constexpr PinRow kSw[] = {
    {"SW[]", "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25", IN, IOSTD_2V5},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "~", OUT, IOSTD_2V5},
    {"HEX1_DP", "AC17", OUT, IOSTD_2V5},
    {"HEX2_DP", "~", OUT, IOSTD_2V5},
    {"HEX3_DP", "M4", OUT, IOSTD_2V5},
    {"HEX0[]", "G18 F22 E17 L26 L25 J22 H22", OUT, IOSTD_2V5},
    {"HEX1[]", "M24 Y22 W21 W22 W25 U23 U24", OUT, IOSTD_2V5},
    {"HEX2[]", "AA25 AA26 Y25 W26 Y26 W27 W28", OUT, IOSTD_2V5},
    {"HEX3[]", "V21 U21 AB20 AA21 AD24 AF23 Y19", OUT, IOSTD_2V5},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G9", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "G12", IN, IOSTD_3V3_LVTTL},
    {"UART_CTS", "G14", OUT, IOSTD_3V3_LVTTL},
    {"UART_RTS", "J13", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBDAT", "G6", IO, IOSTD_3V3_LVTTL},
    {"PS2_KBCLK", "H5", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSDAT", "G5", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSCLK", "F5", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "AD14", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AE13", OUT, IOSTD_3V3_LVTTL},
    {"SD_WP_N", "AF14", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT[]", "AE14 AF13 AB14 AC14", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "G13", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "C13", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_N", "C10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "A12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "F11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "~ ~ E12 E11 D10 F12 G10 J12 H8 H10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "~ ~ G8 G11 F8 H12 C8 B8 F10 C9", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "~ ~ B10 A10 C11 B11 A11 C12 D11 D12", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C2", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "D2", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "E3", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "D1", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "E1", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "F2", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_CLK", "D14", OUT, IOSTD_3V3_LVTTL},
    {"EEP_I2C_SDA", "E14", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudioI2c[] = {
    {"I2C_SCLK", "B7", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "A8", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"NET_CLK_25", "A14", IN, IOSTD_2V5},
    {"NET_TX_DATA[0]", "C25", OUT, IOSTD_2V5},
    {"NET_RX_DATA[0]", "B23", IN, IOSTD_2V5},
    {"NET_TX_DATA[1]", "A26", OUT, IOSTD_2V5},
    {"NET_RX_DATA[1]", "C21", IN, IOSTD_2V5},
    {"NET_TX_DATA[2]", "B26", OUT, IOSTD_2V5},
    {"NET_RX_DATA[2]", "A23", IN, IOSTD_2V5},
    {"NET_TX_DATA[3]", "C26", OUT, IOSTD_2V5},
    {"NET_RX_DATA[3]", "D21", IN, IOSTD_2V5},
    {"NET_GTX_CLK", "A17", OUT, IOSTD_2V5},
    {"NET_TX_EN", "A18", OUT, IOSTD_2V5},
    {"NET_TX_ER", "B18", OUT, IOSTD_2V5},
    {"NET_INT_N", "A21", IN, IOSTD_2V5},
    {"NET_RESET_N", "C19", OUT, IOSTD_2V5},
    {"NET_RX_DV", "C17", IN, IOSTD_2V5},
    {"NET_RX_ER", "D18", IN, IOSTD_2V5},
    {"NET_RX_CRS", "D15", IN, IOSTD_2V5},
    {"NET_RX_COL", "E15", IN, IOSTD_2V5},
    {"NET_RX_CLK", "A15", IN, IOSTD_2V5},
    {"NET_TX_CLK", "B17", IN, IOSTD_2V5},
    {"NET_MDC", "C20", OUT, IOSTD_2V5},
    {"NET_MDIO", "B21", IO, IOSTD_2V5},
    {"NET_LINK100", "C14", IN, IOSTD_2V5},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "U7 R4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQM[]", "U2 W4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "U6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "V7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AA6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AE5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "V6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "T4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "W3 W2 V4 W1 V3 V2 V1 U3 Y3 Y4 AB1 AA3 AB2 AC1 AB3 AC2", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR[]", "AB7 AD7 AE7 AC7 AB6 AE6 AB5 AC5 AF5 T7 AF2 AD3 AB4 AC3 AA4 AB11 AC11 AB9 AB8 T8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DQ[]", "AH3 AF4 AG4 AH4 AF6 AG6 AH6 AF7 AD1 AD2 AE2 AE1 AE3 AE4 AF3 AG3", IO, IOSTD_3V3_LVTTL},
    {"SRAM_UB_N", "AC4", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_N", "AD4", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_N", "AF8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_N", "AD5", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_WE_N", "AE8", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR[]", "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11", OUT, IOSTD_3V3_LVTTL},
    {"FL_DQ[]", "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12", IO, IOSTD_3V3_LVTTL},
    {"FL_CE_N", "AG7", OUT, IOSTD_3V3_LVTTL},
    {"FL_OE_N", "AG8", OUT, IOSTD_3V3_LVTTL},
    {"FL_RESET_N", "AE11", OUT, IOSTD_3V3_LVTTL},
    {"FL_RY", "Y1", IN, IOSTD_3V3_LVTTL},
    {"FL_WE_N", "AC10", OUT, IOSTD_3V3_LVTTL},
    {"FL_WP_N", "AE12", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "L3 L1 L2 K7 K1 K2 M3 M5", IO, IOSTD_3V3_LVTTL},
    {"LCD_BLON", "L6", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RW", "M1", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "L4", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "M2", OUT, IOSTD_3V3_LVTTL},
    {"LCD_ON", "L5", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are made.
constexpr PinGroup<LORSK_CONFIG> kGroups[] = {
    {"CLOCK", &LORSK_CONFIG::bOSC, kClock},
    {"SMA", &LORSK_CONFIG::bSma, kSma},
    {"LED", &LORSK_CONFIG::bLED, kLed},
    {"KEY", &LORSK_CONFIG::bButton, kKey},
    {"SW", &LORSK_CONFIG::bSwitch, kSw},
    {"SEG7", &LORSK_CONFIG::bSeg7, kSeg7},
    {"RS232", &LORSK_CONFIG::bRS232, kRs232},
    {"PS2 for Keyboard and Mouse", &LORSK_CONFIG::bPS2, kPs2},
    {"SDCARD", &LORSK_CONFIG::bSDCARD, kSdcard},
    {"VGA", &LORSK_CONFIG::bVGA, kVga},
    {"Audio", &LORSK_CONFIG::bAudio, kAudio},
    {"I2C for EEPROM", &LORSK_CONFIG::bEEPROM, kEeprom},
    {"I2C for Audio", &LORSK_CONFIG::bAudio, kAudioI2c},
    {"Gigabit Ethernet", &LORSK_CONFIG::bEthernet, kEthernet},
    {"SDRAM", &LORSK_CONFIG::bSDRAM, kSdram},
    {"SRAM", &LORSK_CONFIG::bSRAM, kSram},
    {"Flash", &LORSK_CONFIG::bFlash, kFlash},
    {"LCD", &LORSK_CONFIG::bLCD, kLcd},
};
// clang-format on

static_assert(CountRowLocations(kLed, "LEDR[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kLed, "LEDG[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kKey, "KEY[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kSw, "SW[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_R[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_G[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_B[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kSram, "SRAM_ADDR[]") == 20, "nNum == 20");
static_assert(CountRowLocations(kSram, "SRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kFlash, "FL_ADDR[]") == 23, "nNum == 23");
static_assert(CountRowLocations(kFlash, "FL_DQ[]") == 8, "nNum == 8");
static_assert(CountGroupPins<LORSK_CONFIG>(kGroups) == 281);

// The pin count of the F29 package, as on the Elvory board's device.
constexpr FpgaData kFpga = {"Cyclone IV E", "EP4CE40F29C7", "FBGA", 780, ""};

} // namespace

void CONFIG_LORSK(TMainBoard* pBoard, const LORSK_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_LORSK;
    if (Config.BoardId != BoardNumber(MAINBOARD_LORSK)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_LORSK");
    }
    if (Config.Size != LORSK_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(LORSK_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 7;

    AddPinGroups<LORSK_CONFIG>(*pBoard, Config, kGroups);
    AddSingleGpioHeader(*pBoard, MakeCardId(Config.nGpioDaughterId), elvory::kGpioHeader);
    AddHsmcConnector(*pBoard, MakeCardId(Config.nHsmcDaughterId), elvory::kHsmc, std::nullopt);
}
