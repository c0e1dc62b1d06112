#include "boards/cyclone5/CONFIG_FALMOR.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/OptionGroups.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <cstddef>
#include <memory>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"Cyclone V", "5CSXFC6D6F31C6", "FBGA", 896, "6"};

// clang-format off
// "~": a hard processor system pin, placed by the fitter with the HPS IP.
constexpr PinRow kClock[] = {
    {"CLOCK_50", "AF14", IN, IOSTD_3V3_LVTTL, 50},
    {"CLOCK2_50", "AA16", IN, IOSTD_3V3_LVTTL, 50},
    {"CLOCK3_50", "Y26", IN, IOSTD_2V5, 50},
    {"CLOCK4_50", "K14", IN, IOSTD_3V3_LVTTL, 50},
};
constexpr PinRow kKey[] = {
    {"KEY[0]", "AJ4", IN, IOSTD_3V3_LVTTL},
    {"KEY[1]", "AK4", IN, IOSTD_3V3_LVTTL},
    {"KEY[2]", "AA14", IN, IOSTD_3V3_LVTTL},
    {"KEY[3]", "AA15", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "AB30 Y27 AB28 AC30 W25 V25 AC28 AD30 AC29 AA30", IN, IOSTD_2V5},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AA24 AB23 AC23 AD24 AG25 AF25 AE24 AF24 AB22 AC22", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "W17 V18 AG17 AG16 AH17 AG18 AH18", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "AF16 V16 AE16 AD17 AE18 AE17 V17", OUT, IOSTD_3V3_LVTTL},
    {"HEX2[]", "AA21 AB17 AA18 Y17 Y18 AF18 W16", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "Y19 W19 AD19 AA20 AC20 AA19 AD20", OUT, IOSTD_3V3_LVTTL},
    {"HEX4[]", "AD21 AG22 AE22 AE23 AG23 AF23 AH22", OUT, IOSTD_3V3_LVTTL},
    {"HEX5[]", "AF21 AG21 AF20 AG20 AE19 AF19 AB21", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_CLK", "AH12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AK13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_BA[0]", "AF13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_BA[1]", "AJ12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5", IO, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "AB13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "AK12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "AG11", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "AA13", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "AF11", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "AE13", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVideoIn[] = {
    {"TD_CLK27", "AC18", IN, IOSTD_3V3_LVTTL},
    {"TD_HS", "AH28", IN, IOSTD_3V3_LVTTL},
    {"TD_VS", "AG28", IN, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "AG27 AF28 AE28 AE27 AE26 AD27 AD26 AD25", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET_N", "AC27", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_CLK", "AK21", OUT, IOSTD_3V3_LVTTL},
    {"VGA_HS", "AK19", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "AK18", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "AK29 AK28 AK27 AJ27 AH27 AF26 AG26 AJ26", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "AK26 AJ25 AH25 AK24 AJ24 AH24 AK23 AH23", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "AJ21 AJ20 AH20 AJ19 AH19 AJ17 AJ16 AK16", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "AK22", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_N", "AJ22", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_BCLK", "AF30", IO, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "AH30", OUT, IOSTD_3V3_LVTTL},
    {"AUD_ADCLRCK", "AH29", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "AJ29", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "AG30", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "AF29", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "AB25", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "AC25", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "AA25", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "AB26", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAdc[] = {
    {"ADC_SCLK", "W24", OUT, IOSTD_3V3_LVTTL},
    {"ADC_DOUT", "V23", IN, IOSTD_3V3_LVTTL},
    {"ADC_DIN", "W22", OUT, IOSTD_3V3_LVTTL},
    {"ADC_CONVST", "Y21", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCLK", "Y24", OUT, IOSTD_3V3_LVTTL},
    {"FPGA_I2C_SDAT", "Y23", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHps[] = {
    {"HPS_CONV_USB_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_DDR3_ADDR[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[0]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[1]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[2]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CKE", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CK_N", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CK_P", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[0]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[1]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[2]", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[3]", "~", OUT, IOSTD_SSTL15_I},
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
    {"HPS_ENET_RX_DATA[0]", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DATA[1]", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DATA[2]", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DATA[3]", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DV", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[0]", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[1]", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[2]", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[3]", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_EN", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DATA[0]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DATA[1]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DATA[2]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_FLASH_DATA[3]", "~", IO, IOSTD_3V3_LVTTL},
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
    {"HPS_LCM_SPIM_MISO", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_LCM_SPIM_MOSI", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_LCM_SPIM_SS", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_LED", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LTC_GPIO", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SD_CMD", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[0]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[1]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[2]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[3]", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MISO", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MOSI", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_SS", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_UART_RX", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_UART_TX", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_USB_CLKOUT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_DATA[]", "~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_USB_DIR", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_NXT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_STP", "~", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_TXD", "W21", OUT, IOSTD_3V3_LVTTL},
    {"IRDA_RXD", "W20", IN, IOSTD_3V3_LVTTL},
};

// The groups in the order they are made.
constexpr OptionPinGroup kGroups[] = {
    {"CLOCK", offsetof(FALMOR_CONFIG, OSC), 0, kClock},
    {"KEY", offsetof(FALMOR_CONFIG, Button), 0, kKey},
    {"SW", offsetof(FALMOR_CONFIG, Switch), 0, kSwitch},
    {"LED", offsetof(FALMOR_CONFIG, LED), 0, kLed},
    {"Seg7", offsetof(FALMOR_CONFIG, Seg7), 0, kSeg7},
    {"SDRAM", offsetof(FALMOR_CONFIG, SDRAM), 0, kSdram},
    {"Video-In", offsetof(FALMOR_CONFIG, VideoIn), 0, kVideoIn},
    {"VGA", offsetof(FALMOR_CONFIG, VGA), 0, kVga},
    {"Audio", offsetof(FALMOR_CONFIG, Audio), 0, kAudio},
    {"PS2", offsetof(FALMOR_CONFIG, PS2), 0, kPs2},
    {"ADC", offsetof(FALMOR_CONFIG, ADC), 0, kAdc},
    {"I2C for Audio and Video-In", offsetof(FALMOR_CONFIG, Audio), offsetof(FALMOR_CONFIG, VideoIn), kI2c},
    {"HPS", offsetof(FALMOR_CONFIG, HPS), 0, kHps},
    {"IR", offsetof(FALMOR_CONFIG, IR), 0, kIr},
};

// GPIO header positions 1..40.
constexpr const char* kGpioHeader =
    "W15 AK2 Y16 AK3 AJ1 AJ2 AH2 AH3 AH4 AH5 - - AG1 AG2 AG3 AG5 AG6 AG7 AG8 AF4 "
    "AF5 AF6 AF8 AF9 AF10 AE7 AE9 AE11 - - AE12 AD7 AD9 AD10 AD11 AD12 AC9 AC12 AB12 AA12";

// HSMC positions 1..160: from the I2C pair (33, 34) on; the transceiver
// lanes are not wired to this device.
constexpr const char* kHsmc =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - AE29 AA28 - - - - AD29 J14 "
    "C10 H13 C9 H12 - - A9 G12 A8 G11 - - E8 K12 D7 J12 - - G7 G10 "
    "F6 F10 - - D6 J10 C5 J9 - - D5 K7 C4 K8 - - E3 J7 E2 H7 "
    "- - E4 H8 D4 G8 - - C3 F9 B3 F8 - - E7 AA26 E6 AB27 - - "
    "E1 F11 D1 E11 - - D2 B6 C2 B5 - - B2 E9 B1 D9 - - A4 E12 "
    "A3 D12 - - A6 D11 A5 D10 - - C7 C13 B7 B12 - - C8 F13 B8 E13 "
    "- - C12 H14 B11 G13 - - B13 F15 A13 F14 - - A11 H15 A10 G15 - -";
// clang-format on

static_assert(CountLocations(kGpioHeader) == GPIO_PIN_NUM);
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM);
static_assert(CountTablePins(kHps) == 134);

} // namespace

void CONFIG_Falmor(TMainBoard* pBoard, TConfigFalmor* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const FALMOR_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    pBoard->m_BoardId = MAINBOARD_FALMOR;
    if (Config.BoardId != BoardNumber(MAINBOARD_FALMOR)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_FALMOR");
    }
    if (Config.Size != FALMOR_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(FALMOR_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 0;

    AddOptionPinGroups(
        *pBoard, ConstRecordSpan(reinterpret_cast<const std::uint8_t*>(&Config), sizeof Config),
        kGroups);
    AddSingleGpioHeader(*pBoard, MakeCardId(Config.GpioDaughterId), kGpioHeader);
    const CardId hsmcCard = MakeCardId(Config.HsmcDaughterId);
    if (hsmcCard != CARD_NONE) {
        auto hsmc = MakeExpansionConnector(
            "HSMC", platform::Format("HSMC connect to %s", BoardName(hsmcCard).c_str()),
            CONNECTOR_HSMC, CONNECTOR_ID_HSMC_A);
        const int count = AddHeaderPositions(*hsmc, kHsmc);
        PINSMITH_ASSERT(count == HSMC_PIN_NUM);
        pBoard->AddConnector(std::move(hsmc));
    }
}

void CONFIG_Falmor(TMainBoard* pBoard, const FALMOR_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigFalmor>();
    settings->Config = Config;
    CONFIG_Falmor(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
