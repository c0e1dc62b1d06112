#include "boards/cyclone2/CONFIG_CORVIN.h"

#include "boards/GpioHeaders.h"
#include "boards/PinGroups.h"
#include "boards/cyclone2/CorvinId.h"
#include "platform/Assert.h"

#include <span>
#include <string>

using namespace corvin;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "N2", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_27", "D13", IN, IOSTD_3V3_LVTTL, 0, 37},
};
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "P26", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AE23 AF23 AB21 AC22 AD22 AD23 AD21 AC21 AA14 Y13 AA13 AC14 AD15 AE15 AF13 AE13 AE12 AD12", OUT, IOSTD_3V3_LVTTL},
    {"LEDG[]", "AE22 AF22 W19 V18 U18 U17 AA20 Y18 Y12", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "G26 N23 P23 W26", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "N25 N26 P25 AE14 AF14 AD13 AC13 C13 B13 A13 N1 P1 P2 T7 U3 U4 V1 V2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_D[]", "AF10 AB12 AC12 AD11 AE11 V14 V13", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_D[]", "V20 V21 W21 Y22 AA24 AA23 AB24", OUT, IOSTD_3V3_LVTTL},
    {"HEX2_D[]", "AB23 V22 AC25 AC26 AB26 AB25 Y24", OUT, IOSTD_3V3_LVTTL},
    {"HEX3_D[]", "Y23 AA25 AA26 Y26 Y25 U22 W24", OUT, IOSTD_3V3_LVTTL},
    {"HEX4_D[]", "U9 U1 U2 T4 R7 R6 T3", OUT, IOSTD_3V3_LVTTL},
    {"HEX5_D[]", "T2 P6 P7 T9 R5 R4 R3", OUT, IOSTD_3V3_LVTTL},
    {"HEX6_D[]", "R2 P4 P3 M2 M3 M5 M4", OUT, IOSTD_3V3_LVTTL},
    {"HEX7_D[]", "L3 L2 L9 L6 L7 P9 N9", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "J1 J2 H1 H2 J4 J3 H4 H3", IO, IOSTD_3V3_LVTTL},
    {"LCD_BLON", "K2", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RW", "K4", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "K3", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "K1", OUT, IOSTD_3V3_LVTTL},
    {"LCD_ON", "L4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "B25", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "C25", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "D26", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "C24", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "Y21", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AD25", OUT, IOSTD_3V3_LVTTL},
    {"SD_DAT", "AD24", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT3", "AC23", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "A7", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "D8", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC", "B7", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "B8", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK", "D6", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "C8 F10 G10 D9 C9 A8 H11 H12 F11 E10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "B9 A9 C10 D10 B10 A10 G11 D11 E12 D12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "J13 J14 F12 G12 J10 J11 C11 B11 C12 B12", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C5", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "B5", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "C6", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "A4", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "A5", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "B4", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "A6", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "B6", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ENET_CLK", "B24", OUT, IOSTD_3V3_LVTTL},
    {"ENET_CMD", "A21", OUT, IOSTD_3V3_LVTTL},
    {"ENET_CS_N", "A23", OUT, IOSTD_3V3_LVTTL},
    {"ENET_INT", "B21", IN, IOSTD_3V3_LVTTL},
    {"ENET_RD_N", "A22", OUT, IOSTD_3V3_LVTTL},
    {"ENET_WR_N", "B22", OUT, IOSTD_3V3_LVTTL},
    {"ENET_RST_N", "B23", OUT, IOSTD_3V3_LVTTL},
    {"ENET_DATA[]", "D17 C17 B18 A18 B17 A17 B16 B15 B20 A20 C19 D19 B19 A19 E18 D18", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "D5", IN, IOSTD_3V3_LVTTL},
    {"TD_VS", "K9", IN, IOSTD_3V3_LVTTL},
    {"TD_CLK27", "C16", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET", "C4", OUT, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "J9 E8 H8 H10 G9 F9 D7 C7", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsbOtg[] = {
    {"OTG_ADDR[]", "K7 F2", OUT, IOSTD_3V3_LVTTL},
    {"OTG_CS_N", "F1", OUT, IOSTD_3V3_LVTTL},
    {"OTG_RD_N", "G2", OUT, IOSTD_3V3_LVTTL},
    {"OTG_WR_N", "G1", OUT, IOSTD_3V3_LVTTL},
    {"OTG_RST_N", "G5", OUT, IOSTD_3V3_LVTTL},
    {"OTG_INT[]", "B3 C3", IN, IOSTD_3V3_LVTTL},
    {"OTG_DACK_N[]", "C2 B2", OUT, IOSTD_3V3_LVTTL},
    {"OTG_DREQ[]", "F6 E5", IN, IOSTD_3V3_LVTTL},
    {"OTG_FSPEED", "F3", IO, IOSTD_3V3_LVTTL},
    {"OTG_LSPEED", "G6", IO, IOSTD_3V3_LVTTL},
    {"OTG_DATA[]", "F4 D2 D1 F7 J5 J8 J7 H6 E2 E1 K6 K5 G4 G3 J6 K8", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "AE24", OUT, IOSTD_3V3_LVTTL},
    {"IRDA_RXD", "AE25", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "AE2 AE3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "AD2", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "Y5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "AB4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "AB3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AA6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AA7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "AD3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "AC3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "V6 AA2 AA1 Y3 Y4 R8 T8 V7 W6 AB2 AB1 AA4 AA3 AC2 AC1 AA5", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "T6 V4 V3 W2 W1 U6 U7 U5 W4 W3 Y1 V5", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR[]", "AE4 AF4 AC5 AC6 AD4 AD5 AE5 AF5 AD6 AD7 V10 V9 AC7 W8 W10 Y10 AB8 AC8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DQ[]", "AD8 AE6 AF6 AA9 AA10 AB10 AA11 Y11 AE7 AF7 AE8 AF8 W11 W12 AC9 AC10", IO, IOSTD_3V3_LVTTL},
    {"SRAM_WE_N", "AE10", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_N", "AD10", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_UB_N", "AF9", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_N", "AE9", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_N", "AC11", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR[]", "AC18 AB18 AE19 AF19 AE18 AF18 Y16 AA16 AD17 AC17 AE17 AF17 W16 W15 AC16 AD16 AE16 AC15 AB15 AA15 Y15 Y14", OUT, IOSTD_3V3_LVTTL},
    {"FL_DQ[]", "AD19 AC19 AF20 AE20 AB20 AC20 AF21 AE21", IO, IOSTD_3V3_LVTTL},
    {"FL_CE_N", "V17", OUT, IOSTD_3V3_LVTTL},
    {"FL_OE_N", "W17", OUT, IOSTD_3V3_LVTTL},
    {"FL_RST_N", "AA18", OUT, IOSTD_3V3_LVTTL},
    {"FL_WE_N", "AA17", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are created.
constexpr PinGroup<CORVIN_CONFIG> kGroups[] = {
    {"CLOCK", &CORVIN_CONFIG::bOSC, kClock},
    {"Sma", &CORVIN_CONFIG::bSma, kSma},
    {"LED", &CORVIN_CONFIG::bLED, kLed},
    {"KEY", &CORVIN_CONFIG::bButton, kKey},
    {"SW", &CORVIN_CONFIG::bSwitch, kSw},
    {"SEG7", &CORVIN_CONFIG::bSeg7, kSeg7},
    {"LCD", &CORVIN_CONFIG::bLCD, kLcd},
    {"RS232", &CORVIN_CONFIG::bRS232, kRs232},
    {"PS2", &CORVIN_CONFIG::bPS2, kPs2},
    {"SDCARD", &CORVIN_CONFIG::bSDCARD, kSdcard},
    {"VGA", &CORVIN_CONFIG::bVGA, kVga},
    {"Audio", &CORVIN_CONFIG::bAudio, kAudio},
    {"", nullptr, kI2c}, // the I2C group (I2cGroup)
    {"Ethernet", &CORVIN_CONFIG::bEthernet, kEthernet},
    {"TV Decoder", &CORVIN_CONFIG::bTvDecode, kTvDecoder},
    {"USB OTG", &CORVIN_CONFIG::bUSB, kUsbOtg},
    {"IR", &CORVIN_CONFIG::bIR, kIr},
    {"SDRAM", &CORVIN_CONFIG::bSDRAM, kSdram},
    {"SRAM", &CORVIN_CONFIG::bSRAM, kSram},
    {"Flash", &CORVIN_CONFIG::bFlash, kFlash},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "D25 J22 E26 E25 F24 F23 J21 J20 F25 F26 - - N18 P18 G23 G24 K22 G25 H23 H24 "
    "J23 J24 H25 H26 H19 K18 K19 K21 - - K23 K24 L21 L20 J25 J26 L23 L24 L25 L19",
    "K25 K26 M22 M23 M19 M20 N20 M21 M24 M25 - - N24 P24 R25 R24 R20 T22 T23 T24 "
    "T25 T18 T21 T20 U26 U25 U23 U24 - - R19 T19 U20 U21 V26 V25 V24 V23 W25 W23",
};
// clang-format on

// The bus tables' lengths, the board's pin count and the headers' positions.
static_assert(CountRowLocations(kLed, "LEDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kLed, "LEDG[]") == 9, "nNum == 9");
static_assert(CountRowLocations(kKey, "KEY[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kSw, "SW[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kVga, "VGA_R[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_G[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_B[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kEthernet, "ENET_DATA[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kTvDecoder, "TD_DATA[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kUsbOtg, "OTG_DATA[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 12, "nNum == 12");
static_assert(CountRowLocations(kSram, "SRAM_ADDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kSram, "SRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kFlash, "FL_ADDR[]") == 22, "nNum == 22");
static_assert(CountRowLocations(kFlash, "FL_DQ[]") == 8, "nNum == 8");
static_assert(CountGroupPins<CORVIN_CONFIG>(kGroups) == 350);
static_assert(CountLocations(kGpioHeaders[GPIO_0]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kGpioHeaders[GPIO_1]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");

// The I2C bus serves the audio codec and the TV decoder: one group when
// either is ticked, named after those that are.
void I2cGroup(TMainBoard& board, const CORVIN_CONFIG& config, std::span<const PinRow> pins) {
    std::string users;
    if (config.bAudio) {
        users = "Audio";
    }
    if (config.bTvDecode) {
        users += users.empty() ? "Tv-Decode" : " and Tv-Decode";
    }
    if (!users.empty()) {
        board.AddConnector(MakeGroupConnector("I2C for " + users, pins));
    }
}

} // namespace

void CONFIG_CORVIN(TMainBoard* pBoard, const CORVIN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_CORVIN;
    if (Config.BoardId != BoardNumber(MAINBOARD_CORVIN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_CORVIN");
    }
    if (Config.Size != CORVIN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(CORVIN_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone II";
    pBoard->m_Device = "EP2C35F672C6";
    pBoard->m_PinCount = 672;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 6;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<CORVIN_CONFIG>(*pBoard, Config, kGroups,
                                [&](TMainBoard& board, const PinGroup<CORVIN_CONFIG>& group) {
                                    I2cGroup(board, Config, group.pins);
                                });
    AddGpioHeaderConnectors(*pBoard, kGpioHeaders[GPIO_0], kGpioHeaders[GPIO_1],
                            MakeCardId(Config.nGpioDaughterId[GPIO_0]),
                            MakeCardId(Config.nGpioDaughterId[GPIO_1]),
                            HeaderPairing::EightyPinPair);
}
