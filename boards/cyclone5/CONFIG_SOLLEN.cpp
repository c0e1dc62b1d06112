#include "boards/cyclone5/CONFIG_SOLLEN.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/cyclone5/SollenId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"

#include <cstddef>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"Cyclone V", "5CSEMA5F31C6", "FBGA", 896, "6"};

// clang-format off
// The groups in the order they are made; "~" is a pin without a location.
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AJ4", OUT, IOSTD_3V3_LVTTL},
    {"ADC_DIN", "AK4", OUT, IOSTD_3V3_LVTTL},
    {"ADC_DOUT", "AK3", IN, IOSTD_3V3_LVTTL},
    {"ADC_SCLK", "AK2", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCDAT", "K7", IN, IOSTD_3V3_LVTTL},
    {"AUD_ADCLRCK", "K8", IO, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "H7", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "J7", OUT, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "H8", IO, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "G7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kClock[] = {
    {"CLOCK_50", "AF14", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 3B"},
    {"CLOCK2_50", "AA16", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 4A"},
    {"CLOCK3_50", "Y26", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 5B"},
    {"CLOCK4_50", "K14", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 8A"},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR[]", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_BA[]", "AF13 AJ12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "AF11", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AK13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "AG11", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AH12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5", IO, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "AB13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "AE13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "AK12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "AA13", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2CForAudioAndVideoIn[] = {
    {"FPGA_I2C_SCLK", "J12", OUT, IOSTD_3V3_LVTTL},
    {"FPGA_I2C_SDAT", "K12", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "AE26 AE27 AE28 AG27 AF28 AG28 AH28", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "AJ29 AH29 AH30 AG30 AF29 AF30 AD27", OUT, IOSTD_3V3_LVTTL},
    {"HEX2[]", "AB23 AE29 AD29 AC28 AD30 AC29 AC30", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "AD26 AC27 AD25 AC25 AB28 AB25 AB22", OUT, IOSTD_3V3_LVTTL},
    {"HEX4[]", "AA24 Y23 Y24 W22 W24 V23 W25", OUT, IOSTD_3V3_LVTTL},
    {"HEX5[]", "V25 AA28 Y27 AB27 AB26 AA26 AA25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AA30", IN, IOSTD_3V3_LVTTL},
    {"IRDA_TXD", "AB30", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "AA14 AA15 W15 Y16", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "V16 W16 V17 V18 W17 W19 Y19 W20 W21 Y21", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AD7", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "AD9", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "AE7", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "AE9", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "AB12 AC12 AF9 AF10 AD11 AD12 AE11 AC9 AD10 AE12", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVideoIn[] = {
    {"TD_CLK27", "H15", IN, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "D2 B1 E2 B2 D1 E1 C2 B3", IN, IOSTD_3V3_LVTTL},
    {"TD_HS", "A5", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET_N", "F6", OUT, IOSTD_3V3_LVTTL},
    {"TD_VS", "A3", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_B[]", "B13 G13 H13 F14 H14 F15 G15 J14", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "F10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "A11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "J9 J10 H12 G10 G11 G12 F11 E11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_HS", "B11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "A13 C13 E13 B12 C12 D12 E12 F13", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_N", "C10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "D11", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHps[] = {
    {"HPS_DDR3_ADDR[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[]", "~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[]", "~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQ[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_SSTL15_I},
    {"HPS_DDR3_CAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CKE", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_ODT", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_WE_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RESET_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RZQ", "~", IN, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQS_P[0]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_N[0]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_P[1]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_N[1]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_P[2]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_N[2]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_P[3]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_N[3]", "~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CK_P", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CK_N", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_ENET_GTX_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_INT_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_ENET_MDC", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_MDIO", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_CLK", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DATA[]", "~ ~ ~ ~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DV", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[]", "~ ~ ~ ~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_EN", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DATA[]", "~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DCLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_NCSO", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_GPIO[]", "~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_GSENSOR_INT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C2_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C2_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C_CONTROL", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_KEY", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LED", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SD_CMD", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[]", "~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MISO", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MOSI", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_SS", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_UART_RX", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_UART_TX", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_USB_CLKOUT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_DATA[]", "~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_USB_DIR", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_NXT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_STP", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_CONV_USB_N", "~", IO, IOSTD_3V3_LVTTL},
};

constexpr OptionPinGroup kGroups[] = {
    {"ADC", offsetof(SOLLEN_CONFIG, ADC), 0, kAdc},
    {"Audio", offsetof(SOLLEN_CONFIG, Audio), 0, kAudio},
    {"CLOCK", offsetof(SOLLEN_CONFIG, OSC), 0, kClock},
    {"SDRAM", offsetof(SOLLEN_CONFIG, SDRAM), 0, kSdram},
    {"I2C for Audio and Video-In", offsetof(SOLLEN_CONFIG, Audio), offsetof(SOLLEN_CONFIG, VideoIn), kI2CForAudioAndVideoIn},
    {"SEG7", offsetof(SOLLEN_CONFIG, Seg7), 0, kSeg7},
    {"IR", offsetof(SOLLEN_CONFIG, IR), 0, kIr},
    {"KEY", offsetof(SOLLEN_CONFIG, Button), 0, kKey},
    {"LED", offsetof(SOLLEN_CONFIG, LED), 0, kLed},
    {"PS2", offsetof(SOLLEN_CONFIG, PS2), 0, kPs2},
    {"SW", offsetof(SOLLEN_CONFIG, Switch), 0, kSw},
    {"Video-In", offsetof(SOLLEN_CONFIG, VideoIn), 0, kVideoIn},
    {"VGA", offsetof(SOLLEN_CONFIG, VGA), 0, kVga},
    {"HPS", offsetof(SOLLEN_CONFIG, HPS), 0, kHps},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "AC18 Y17 AD17 Y18 AK16 AK18 AK19 AJ19 AJ17 AJ16 - - AH18 AH17 AG16 AE16 AF16 AG17 AA18 AA19 "
    "AE17 AC20 AH19 AJ20 AH20 AK21 AD19 AD20 - - AE18 AE19 AF20 AF21 AF19 AG21 AF18 AG20 AG18 AJ21",
    "AB17 AA21 AB21 AC23 AD24 AE23 AE24 AF25 AF26 AG25 - - AG26 AH24 AH27 AJ27 AK29 AK28 AK27 AJ26 "
    "AK26 AH25 AJ25 AJ24 AK24 AG23 AK23 AH23 - - AK22 AJ22 AH22 AG22 AF24 AF23 AE22 AD21 AA20 AC22",
};
// clang-format on

} // namespace

void CONFIG_SOLLEN(TMainBoard* pBoard, const SOLLEN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof Config);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_SOLLEN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_SOLLEN");
    }
    if (Config.Size != SOLLEN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(SOLLEN_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    const ConstRecordSpan record(reinterpret_cast<const std::uint8_t*>(&Config), sizeof Config);
    AddOptionPinGroups(*pBoard, record, kGroups);
    AddGpioHeaderPair(*pBoard, MakeCardId(Config.nGpioDaughterId[0]),
                      MakeCardId(Config.nGpioDaughterId[1]), kGpioHeaders[0], kGpioHeaders[1]);
}
