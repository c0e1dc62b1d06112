#include "boards/cyclone2/CONFIG_DUNMAR.h"

#include "boards/GpioHeaders.h"
#include "boards/PinGroups.h"
#include "boards/cyclone2/DunmarId.h"
#include "platform/Assert.h"

#include <span>
#include <string>

using namespace dunmar;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "AD15", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_2", "D16", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_3", "R28", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_4", "R3", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_28", "E16", IN, IOSTD_3V3_LVTTL, 0, 35},
};
constexpr PinRow kSma[] = {
    {"EXT_CLOCK", "R29", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AJ6 AK5 AJ5 AJ4 AK3 AH4 AJ3 AJ2 AH3 AD14 AC13 AB13 AC12 AB12 AC11 AD9 AD8 AJ7", OUT, IOSTD_3V3_LVTTL},
    {"LEDG[]", "W27 W25 W23 Y27 Y24 Y23 AA27 AA24 AC14", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "T29 T28 U30 U29", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "AA23 AB26 AB25 AC27 AC26 AC24 AC23 AD25 AD24 AE27 W5 V10 U9 T9 L5 L4 L7 L8", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "AF12", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_DP", "AC17", OUT, IOSTD_3V3_LVTTL},
    {"HEX2_DP", "AC19", OUT, IOSTD_3V3_LVTTL},
    {"HEX3_DP", "M4", OUT, IOSTD_3V3_LVTTL},
    {"HEX4_DP", "L6", OUT, IOSTD_3V3_LVTTL},
    {"HEX5_DP", "K6", OUT, IOSTD_3V3_LVTTL},
    {"HEX6_DP", "K2", OUT, IOSTD_3V3_LVTTL},
    {"HEX7_DP", "G2", OUT, IOSTD_3V3_LVTTL},
    {"HEX0_D[]", "AE8 AF9 AH9 AD10 AF10 AD11 AD12", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_D[]", "AG13 AE16 AF16 AG16 AE17 AF17 AD17", OUT, IOSTD_3V3_LVTTL},
    {"HEX2_D[]", "AE7 AF7 AH5 AG4 AB18 AB19 AE19", OUT, IOSTD_3V3_LVTTL},
    {"HEX3_D[]", "P6 P4 N10 N7 M8 M7 M6", OUT, IOSTD_3V3_LVTTL},
    {"HEX4_D[]", "P1 P2 P3 N2 N3 M1 M2", OUT, IOSTD_3V3_LVTTL},
    {"HEX5_D[]", "M3 L1 L2 L3 K1 K4 K5", OUT, IOSTD_3V3_LVTTL},
    {"HEX6_D[]", "H6 H4 H7 H8 G4 F4 E4", OUT, IOSTD_3V3_LVTTL},
    {"HEX7_D[]", "K3 J1 J2 H1 H2 H3 G1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "E1 E3 D2 D3 C1 C2 C3 B2", IO, IOSTD_3V3_LVTTL},
    {"LCD_BLON", "G3", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RW", "F3", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "E2", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "F2", OUT, IOSTD_3V3_LVTTL},
    {"LCD_ON", "F1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "E21", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "D21", IN, IOSTD_3V3_LVTTL},
    {"UART_CTS", "G22", OUT, IOSTD_3V3_LVTTL},
    {"UART_RTS", "F23", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_KBCLK", "F24", IO, IOSTD_3V3_LVTTL},
    {"PS2_KBDAT", "E24", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSCLK", "D26", IO, IOSTD_3V3_LVTTL},
    {"PS2_MSDAT", "D25", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "W28", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "T26", OUT, IOSTD_3V3_LVTTL},
    {"SD_DAT", "W29", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT3", "Y30", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "J19", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "H19", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC", "B15", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "D24", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "C15", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "D23 E23 E22 D22 H21 G21 H20 F20 E20 G20", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "A10 B11 A11 C12 B12 A12 C13 B13 B14 A14", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "B16 C16 A17 B17 C18 B18 B19 A19 C19 D19", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "F19", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "E19", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "G18", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "F18", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "D17", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "E17", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "J18", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "H18", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ENET_CLK", "D27", OUT, IOSTD_3V3_LVTTL},
    {"ENET_CMD", "B27", OUT, IOSTD_3V3_LVTTL},
    {"ENET_CS_N", "C28", OUT, IOSTD_3V3_LVTTL},
    {"ENET_INT", "C27", IN, IOSTD_3V3_LVTTL},
    {"ENET_RD_N", "A28", OUT, IOSTD_3V3_LVTTL},
    {"ENET_WR_N", "B28", OUT, IOSTD_3V3_LVTTL},
    {"ENET_RST_N", "B29", OUT, IOSTD_3V3_LVTTL},
    {"ENET_DATA[]", "A23 C22 B22 A22 B21 A21 B20 A20 B26 A26 B25 A25 C24 B24 A24 B23", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTvDecoder1[] = {
    {"TD_HS", "E13", IN, IOSTD_3V3_LVTTL},
    {"TD_VS", "E14", IN, IOSTD_3V3_LVTTL},
    {"TD_CLK27", "G15", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET_N", "D14", OUT, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "A6 B6 A5 B5 B4 C4 A3 B3", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTvDecoder2[] = {
    {"TD2_HS", "E15", IN, IOSTD_3V3_LVTTL},
    {"TD2_VS", "D15", IN, IOSTD_3V3_LVTTL},
    {"TD2_CLK27", "H15", IN, IOSTD_3V3_LVTTL},
    {"TD2_RESET_N", "B10", OUT, IOSTD_3V3_LVTTL},
    {"TD2_DATA[]", "C10 A9 B9 C9 A8 B8 A7 B7", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsbOtg[] = {
    {"OTG_ADDR[]", "E9 D8", OUT, IOSTD_3V3_LVTTL},
    {"OTG_CS_N", "E10", OUT, IOSTD_3V3_LVTTL},
    {"OTG_RD_N", "D10", OUT, IOSTD_3V3_LVTTL},
    {"OTG_WR_N", "E11", OUT, IOSTD_3V3_LVTTL},
    {"OTG_RST_N", "H14", OUT, IOSTD_3V3_LVTTL},
    {"OTG_INT[]", "F13 J13", IN, IOSTD_3V3_LVTTL},
    {"OTG_DACK_N[]", "D12 E12", OUT, IOSTD_3V3_LVTTL},
    {"OTG_DREQ[]", "G12 F12", IN, IOSTD_3V3_LVTTL},
    {"OTG_FSPEED", "F7", IO, IOSTD_3V3_LVTTL},
    {"OTG_LSPEED", "F8", IO, IOSTD_3V3_LVTTL},
    {"OTG_DATA[]", "H10 G9 G11 F11 J12 H12 H13 G13 D4 D5 D6 E7 D7 E8 D9 G10", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "W21", OUT, IOSTD_3V3_LVTTL},
    {"IRDA_RXD", "W22", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram0[] = {
    {"DRAM0_BA[]", "AA9 AA10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_LDQM", "V9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_UDQM", "AB6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_RAS_N", "Y9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_CAS_N", "W10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_CKE", "AA8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_CLK", "AD6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_WE_N", "W9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_CS_N", "Y10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM0_DQ[]", "AC1 AC2 AC3 AD1 AD2 AD3 AE1 AE2 AE3 AF1 AF2 AF3 AG2 AG3 AH1 AH2", IO, IOSTD_3V3_LVTTL},
    {"DRAM0_ADDR[]", "AA4 AA5 AA6 AB5 AB7 AC4 AC5 AC6 AD4 AC7 Y8 AE4 AF4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram1[] = {
    {"DRAM1_BA[]", "T7 T8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_LDQM", "M10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_UDQM", "U8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_RAS_N", "N9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_CAS_N", "N8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_CKE", "L10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_CLK", "G5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_WE_N", "M9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_CS_N", "P9", OUT, IOSTD_3V3_LVTTL},
    {"DRAM1_DQ[]", "U1 U2 U3 V2 V3 W1 W2 W3 Y1 Y2 Y3 AA1 AA2 AA3 AB1 AB2", IO, IOSTD_3V3_LVTTL},
    {"DRAM1_ADDR[]", "T5 T6 U4 U6 U7 V7 V8 W4 W7 W8 T4 Y4 Y7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSsram[] = {
    {"SRAM_ADDR[]", "AG8 AF8 AH7 AG7 AG6 AG5 AE12 AG12 AD13 AE13 AF14 AG14 AE15 AF15 AC16 AF20 AG20 AE11 AF11", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DQ[]", "AH10 AJ10 AK10 AJ11 AK11 AH12 AJ12 AH16 AK17 AJ17 AH17 AJ18 AH18 AK19 AJ19 AK23 AJ20 AK21 AJ21 AK22 AJ22 AH15 AJ15 AJ16 AK14 AJ14 AJ13 AH13 AK12 AK7 AJ8 AK8", IO, IOSTD_3V3_LVTTL},
    {"SRAM_ADSC_N", "AG17", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_ADSP_N", "AC18", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_ADV_N", "AD16", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_BE_N[]", "AC21 AC20 AD20 AH20", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE1_N", "AH19", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE2", "AG19", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE3_N", "AD22", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CLK", "AD7", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DPA[]", "AK9 AJ23 AK20 AJ9", IO, IOSTD_3V3_LVTTL},
    {"SRAM_GW_N", "AG18", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_N", "AD18", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_WE_N", "AF18", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FLASH_ADDR[]", "AF24 AG24 AE23 AG23 AF23 AG22 AH22 AF22 AH27 AJ27 AH26 AJ26 AK26 AJ25 AK25 AH24 AG25 AF21 AD21 AK28 AJ28 AE20", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_DQ[]", "AF29 AE28 AE30 AD30 AC29 AB29 AA29 Y28 AF30 AE29 AD29 AC28 AC30 AB30 AA30", IO, IOSTD_3V3_LVTTL},
    {"FLASH_DQ15_AM1", "AE24", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_BYTE_N", "Y29", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_CE_N", "AG28", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_OE_N", "AG29", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RESET_N", "AH28", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RY", "AH30", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_WE_N", "AJ29", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_WP_N", "AH29", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are created.
constexpr PinGroup<DUNMAR_CONFIG> kGroups[] = {
    {"CLOCK", &DUNMAR_CONFIG::bOSC, kClock},
    {"Sma", &DUNMAR_CONFIG::bSma, kSma},
    {"LED", &DUNMAR_CONFIG::bLED, kLed},
    {"BUTTON", &DUNMAR_CONFIG::bButton, kButton},
    {"SW", &DUNMAR_CONFIG::bSwitch, kSw},
    {"SEG7", &DUNMAR_CONFIG::bSeg7, kSeg7},
    {"LCD", &DUNMAR_CONFIG::bLCD, kLcd},
    {"RS232", &DUNMAR_CONFIG::bRS232, kRs232},
    {"PS2", &DUNMAR_CONFIG::bPS2, kPs2},
    {"SDCARD", &DUNMAR_CONFIG::bSDCARD, kSdcard},
    {"VGA", &DUNMAR_CONFIG::bVGA, kVga},
    {"Audio", &DUNMAR_CONFIG::bAudio, kAudio},
    {"", nullptr, kI2c}, // the I2C group (I2cGroup)
    {"Ethernet", &DUNMAR_CONFIG::bEthernet, kEthernet},
    {"TV Decoder 1", &DUNMAR_CONFIG::bTvDecoder1, kTvDecoder1},
    {"TV Decoder 2", &DUNMAR_CONFIG::bTvDecoder2, kTvDecoder2},
    {"USB OTG", &DUNMAR_CONFIG::bUSB, kUsbOtg},
    {"IR", &DUNMAR_CONFIG::bIR, kIr},
    {"SDRAM0", &DUNMAR_CONFIG::bSDRAM1, kSdram0},
    {"SDRAM1", &DUNMAR_CONFIG::bSDRAM2, kSdram1},
    {"SSRAM", &DUNMAR_CONFIG::bSSRAM, kSsram},
    {"Flash", &DUNMAR_CONFIG::bFlash, kFlash},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "T25 C30 T24 C29 E28 D29 E27 D28 E29 G25 - - E30 G26 F29 G29 F30 G30 H23 H29 "
    "G24 H30 J29 H25 J30 H24 J25 K24 - - J24 K25 L22 M21 L21 M22 N22 N25 N21 N24",
    "AH14 G27 AG15 G28 H27 L24 H28 L25 K27 L28 - - K28 L27 K29 M25 K30 M24 AF27 L29 "
    "AF28 L30 P26 P28 P25 P27 M29 R26 - - M30 R27 P24 N28 P23 N29 R23 P29 R22 P30",
};
// clang-format on

// The bus tables' lengths, the board's pin count and the headers' positions.
static_assert(CountRowLocations(kLed, "LEDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kLed, "LEDG[]") == 9, "nNum == 9");
static_assert(CountRowLocations(kButton, "BUTTON[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kSw, "SW[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kVga, "VGA_R[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_G[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kVga, "VGA_B[]") == 10, "nNum == 10");
static_assert(CountRowLocations(kEthernet, "ENET_DATA[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kTvDecoder1, "TD_DATA[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kTvDecoder2, "TD2_DATA[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kUsbOtg, "OTG_DATA[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram0, "DRAM0_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram0, "DRAM0_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kSdram1, "DRAM1_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram1, "DRAM1_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kSsram, "SRAM_ADDR[]") == 19, "nNum == 19");
static_assert(CountRowLocations(kSsram, "SRAM_DQ[]") == 32, "nNum == 32");
static_assert(CountRowLocations(kFlash, "FLASH_ADDR[]") == 22, "nNum == 22");
static_assert(CountRowLocations(kFlash, "FLASH_DQ[]") == 15, "nNum == 15");
static_assert(CountGroupPins<DUNMAR_CONFIG>(kGroups) == 458);
static_assert(CountLocations(kGpioHeaders[GPIO_0]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kGpioHeaders[GPIO_1]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");

// The I2C bus serves the audio codec and the two TV decoders: one group when
// any of them is ticked, named after those that are.
void I2cGroup(TMainBoard& board, const DUNMAR_CONFIG& config, std::span<const PinRow> pins) {
    std::string decoders;
    if (config.bTvDecoder1 && config.bTvDecoder2) {
        decoders = "Tv-Decode 1 and 2";
    } else if (config.bTvDecoder1) {
        decoders = "Tv-Decode 1";
    } else if (config.bTvDecoder2) {
        decoders = "Tv-Decode 2";
    }
    std::string users = config.bAudio ? "Audio" : "";
    if (!decoders.empty()) {
        users += users.empty() ? decoders : " and " + decoders;
    }
    if (!users.empty()) {
        board.AddConnector(MakeGroupConnector("I2C for " + users, pins));
    }
}

} // namespace

void CONFIG_DUNMAR(TMainBoard* pBoard, const DUNMAR_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_DUNMAR;
    if (Config.BoardId != BoardNumber(MAINBOARD_DUNMAR)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_DUNMAR");
    }
    if (Config.Size != DUNMAR_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(DUNMAR_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone II";
    pBoard->m_Device = "EP2C70F896C6";
    pBoard->m_PinCount = 896;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 6;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<DUNMAR_CONFIG>(*pBoard, Config, kGroups,
                                [&](TMainBoard& board, const PinGroup<DUNMAR_CONFIG>& group) {
                                    I2cGroup(board, Config, group.pins);
                                });
    AddGpioHeaderConnectors(*pBoard, kGpioHeaders[GPIO_0], kGpioHeaders[GPIO_1],
                            MakeCardId(Config.nGpioDaughterId[GPIO_0]),
                            MakeCardId(Config.nGpioDaughterId[GPIO_1]),
                            HeaderPairing::EightyPinPair);
}
