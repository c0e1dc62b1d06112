#include "boards/cyclone5/CONFIG_TAVRIN.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/cyclone5/TavrinId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"

#include <cstddef>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"Cyclone V", "5CSEMA6F31C6", "FBGA", 896, "6"};

// clang-format off
// The groups in the order they are made; "~" is a pin without a location.
constexpr PinRow kClock[] = {
    {"CLOCK_50", "AF14", IN, IOSTD_1V5, 0, 20, nullptr, "BANK 3B"},
    {"CLOCK2_50", "AA16", IN, IOSTD_1V5, 0, 20, nullptr, "BANK 4A"},
    {"CLOCK3_50", "Y26", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 5B"},
    {"CLOCK4_50", "K14", IN, IOSTD_3V3_LVTTL, 0, 20, nullptr, "BANK 8A"},
};
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AH2", OUT, IOSTD_3V3_LVTTL},
    {"ADC_DIN", "AJ2", OUT, IOSTD_3V3_LVTTL},
    {"ADC_DOUT", "AG1", IN, IOSTD_3V3_LVTTL},
    {"ADC_SCLK", "AJ1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCDAT", "K7", IN, IOSTD_3V3_LVTTL},
    {"AUD_ADCLRCK", "K8", IO, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "H7", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "J7", OUT, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "H8", IO, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "G7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2CForAudioAndVideoIn[] = {
    {"FPGA_I2C_SCLK", "J12", OUT, IOSTD_3V3_LVTTL},
    {"FPGA_I2C_SDAT", "K12", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHdmi[] = {
    {"HDMI_I2S0", "W22", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_LRCLK", "W21", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_MCLK", "G8", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_SCLK", "W20", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_CLK", "A10", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_D[]", "C7 B7 E9 B8 A8 C9 A9 D9 D10 F9 D7 E8 F8 E7 E6 E4 E3 D5 D4 D6 C3 C4 C5 B5", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_DE", "A6", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_HS", "B6", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_INT", "A4", IN, IOSTD_3V3_LVTTL},
    {"HDMI_TX_VS", "C8", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[0]", "AK28", OUT, IOSTD_1V5},
    {"HEX0[1]", "AH28", OUT, IOSTD_3V3_LVTTL},
    {"HEX0[2]", "AG28", OUT, IOSTD_3V3_LVTTL},
    {"HEX0[3]", "AJ29", OUT, IOSTD_3V3_LVTTL},
    {"HEX0[4]", "AH29", OUT, IOSTD_3V3_LVTTL},
    {"HEX0[5]", "AH30", OUT, IOSTD_3V3_LVTTL},
    {"HEX0[6]", "AG30", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "AD21 AC22 AC23 AE24 AD24 AF25 AH27", OUT, IOSTD_1V5},
    {"HEX2[]", "AB17 AD17 AC18 Y19 AJ19 AA20 AD20", OUT, IOSTD_1V5},
    {"HEX3[]", "AE13 AF15 AE14 AD14 AC14 AG13 AF13", OUT, IOSTD_1V5},
    {"HEX4[]", "AG8 AF8 AE7 AD7 AF9 AF10 AE9", OUT, IOSTD_3V3_LVTTL},
    {"HEX5[]", "AF4 AH5 AF5 AG5 AF6 AG6 AG7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDdr3[] = {
    {"FPGA_DDR3_ADDR[]", "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_BA[]", "AH10 AJ11 AK11", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_CAS_N", "AH7", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_CKE", "AJ21", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_CK_N", "AA15", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"FPGA_DDR3_CK_P", "AA14", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"FPGA_DDR3_CS_N", "AB15", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_DM[]", "AH17 AG23 AK23 AJ27", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_DQ[]", "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27", IO, IOSTD_SSTL15_I},
    {"FPGA_DDR3_DQS_N[]", "W16 W17 AA18 AD19", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"FPGA_DDR3_DQS_P[]", "V16 V17 Y17 AC20", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"FPGA_DDR3_ODT", "AE16", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_RAS_N", "AH8", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_RESET_N", "AK21", OUT, IOSTD_SSTL15_I},
    {"FPGA_DDR3_RZQ", "AG17", IN, IOSTD_SSTL15_I},
    {"FPGA_DDR3_WE_N", "AJ6", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kHps[] = {
    {"HPS_CONV_USB_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_DDR3_ADDR[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[]", "~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CKE", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CK_N", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CK_P", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[]", "~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQ[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQS_N[]", "~ ~ ~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_P[]", "~ ~ ~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_ODT", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RESET_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RZQ", "~", IN, IOSTD_SSTL15_I},
    {"HPS_DDR3_WE_N", "~", OUT, IOSTD_SSTL15_I},
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
    {"HPS_GSENSOR_INT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C2_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C2_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C_CONTROL", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_KEY", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LCM_BK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LCM_D_C", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LCM_RST_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LCM_SPIM_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_LCM_SPIM_MOSI", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_LCM_SPIM_SS", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM0_MISO", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_LED", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LTC_GPIO", "~", IO, IOSTD_3V3_LVTTL},
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
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AA30", IN, IOSTD_3V3_LVTTL},
    {"IRDA_TXD", "AB30", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "AA13 AB13 W15 Y16", IN, IOSTD_1V5},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AA12 AB12 AC12 AD12 AE12 AD11 AE11 AD10 AC9 AD9", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AG2", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "AG3", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "AH3", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "AH4", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "AG11 AG10 AF11 AH9 AK6 AJ5 AJ4 AK4 AK3 AK2", IN, IOSTD_1V5},
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

constexpr OptionPinGroup kGroups[] = {
    {"CLOCK", offsetof(TAVRIN_CONFIG, OSC), 0, kClock},
    {"ADC", offsetof(TAVRIN_CONFIG, ADC), 0, kAdc},
    {"Audio", offsetof(TAVRIN_CONFIG, Audio), 0, kAudio},
    {"I2C for Audio and Video-In", offsetof(TAVRIN_CONFIG, Audio), offsetof(TAVRIN_CONFIG, VideoIn), kI2CForAudioAndVideoIn},
    {"HDMI", offsetof(TAVRIN_CONFIG, HDMI), 0, kHdmi},
    {"SEG7", offsetof(TAVRIN_CONFIG, Seg7), 0, kSeg7},
    {"DDR3", offsetof(TAVRIN_CONFIG, DDR3), 0, kDdr3},
    {"HPS", offsetof(TAVRIN_CONFIG, HPS), 0, kHps},
    {"IR", offsetof(TAVRIN_CONFIG, IR), 0, kIr},
    {"KEY", offsetof(TAVRIN_CONFIG, Button), 0, kKey},
    {"LED", offsetof(TAVRIN_CONFIG, LED), 0, kLed},
    {"PS2", offsetof(TAVRIN_CONFIG, PS2), 0, kPs2},
    {"SW", offsetof(TAVRIN_CONFIG, Switch), 0, kSw},
    {"Video-In", offsetof(TAVRIN_CONFIG, VideoIn), 0, kVideoIn},
    {"VGA", offsetof(TAVRIN_CONFIG, VGA), 0, kVga},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeader =
    "AA26 V23 AB27 W24 V25 W25 Y21 Y23 Y27 Y24 - - AA24 AA28 AB22 AB23 AA25 AB26 AB28 AB25 "
    "AC27 AC28 AC29 AC30 AC25 AD26 AD27 AD29 - - AD30 AD25 AE26 AE27 AE29 AE28 AF29 AF30 AG27 AF28";
// clang-format on

} // namespace

void CONFIG_TAVRIN(TMainBoard* pBoard, const TAVRIN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof Config);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_TAVRIN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_TAVRIN");
    }
    if (Config.Size != TAVRIN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TAVRIN_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    const ConstRecordSpan record(reinterpret_cast<const std::uint8_t*>(&Config), sizeof Config);
    AddOptionPinGroups(*pBoard, record, kGroups);
    AddSingleGpioHeader(*pBoard, MakeCardId(Config.GpioDaughterId), kGpioHeader);
}
