#include "boards/cyclone5/CONFIG_RASMER.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/cyclone5/RasmerId.h"
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

constexpr FpgaData kFpga = {"Cyclone V", "5CGXFC5C6F27C7", "FBGA", 672, "8_H6"};

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_125_p", "U12", IN, IOSTD_LVDS, 0, 8},
    {"CLOCK_50_B5B", "R20", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_B6A", "N20", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK_50_B7A", "H12", IN, IOSTD_2V5, 0, 20},
    {"CLOCK_50_B8A", "M10", IN, IOSTD_2V5, 0, 20},
};
constexpr PinRow kLed[] = {
    {"LEDG[]", "L7 K6 D8 E9 A5 B6 H8 H9", OUT, IOSTD_2V5},
    {"LEDR[]", "F7 F6 G6 G7 J8 J7 K10 K8 H7 J10", OUT, IOSTD_2V5},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "P11 P12 Y15 Y16", IN, IOSTD_1V2},
    {"CPU_RESET_n", "AB24", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "AC9 AE10 AD13 AC8 W11 AB10 V10 AC10 Y11 AE19", IN, IOSTD_1V2},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "V19 V18 V17 W18 Y20 Y19 Y18", OUT, IOSTD_1V2},
    {"HEX1[]", "AA18 AD26 AB19 AE26 AE25 AC19 AF24", OUT, IOSTD_1V2},
};
// The digits whose pins the GPIO header shares: made only without a GPIO card.
constexpr PinRow kSeg7Shared[] = {
    {"HEX2[]", "AD7 AD6 U20 V22 V20 W21 W20", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "Y24 Y23 AA23 AA22 AC24 AC23 AC22", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHdmiTx[] = {
    {"HDMI_TX_HS", "U26", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_VS", "U25", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_CLK", "Y25", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_DE", "Y26", OUT, IOSTD_3V3_LVTTL},
    {"HDMI_TX_INT", "T12", IN, IOSTD_1V2},
    {"HDMI_TX_D[]", "V23 AA26 W25 W26 V24 V25 U24 T23 T24 T26 R23 R25 P22 P23 N25 P26 P21 R24 R26 AB26 AA24 AB25 AC25 AD25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "AB22", OUT, IOSTD_1V2},
    {"ADC_SCK", "AA21", OUT, IOSTD_1V2},
    {"ADC_SDI", "Y10", OUT, IOSTD_1V2},
    {"ADC_SDO", "W10", IN, IOSTD_1V2},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C7", IO, IOSTD_2V5},
    {"AUD_ADCDAT", "D7", IN, IOSTD_2V5},
    {"AUD_DACLRCK", "G10", IO, IOSTD_2V5},
    {"AUD_DACDAT", "H10", OUT, IOSTD_2V5},
    {"AUD_XCK", "D6", OUT, IOSTD_2V5},
    {"AUD_BCLK", "E6", IO, IOSTD_2V5},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCL", "B7", OUT, IOSTD_2V5},
    {"I2C_SDA", "G11", IO, IOSTD_2V5},
};
constexpr PinRow kSma[] = {
    {"REFCLK_p0", "V6", IN, IOSTD_1V5_PCML},
    {"REFCLK_p1", "N7", IN, IOSTD_1V5_PCML},
    {"SMA_GXB_RX_p", "M2", IN, IOSTD_1V5_PCML},
    {"SMA_GXB_TX_p", "K2", OUT, IOSTD_1V5_PCML},
};
constexpr PinRow kSdCard[] = {
    {"SD_CMD", "W8", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AB6", OUT, IOSTD_3V3_LVTTL},
    {"SD_DAT[0]", "U7", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT[1]", "T7", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT[2]", "V8", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT[3]", "T8", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUart[] = {
    {"UART_TX", "L9", OUT, IOSTD_2V5},
    {"UART_RX", "M9", IN, IOSTD_2V5},
};
constexpr PinRow kSram[] = {
    {"SRAM_A[]", "B25 B26 H19 H20 D25 C25 J20 J21 D22 E23 G20 F21 E21 F22 J25 J26 N24 M24", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_D[]", "E24 E25 K24 K23 F24 G24 L23 L24 H23 H24 H22 J23 F23 G22 L22 K21", IO, IOSTD_3V3_LVTTL},
    {"SRAM_UB_n", "M25", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_n", "H25", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_n", "N23", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_n", "M22", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_WE_n", "G25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLpddr2[] = {
    {"DDR2LP_CK_p", "N10", OUT, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_CK_n", "P10", OUT, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[0]", "V13", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[0]", "W13", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[1]", "U14", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[1]", "V14", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[2]", "V15", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[2]", "W15", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_p[3]", "W16", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_DQS_n[3]", "W17", IO, IOSTD_DIFF_1V2_HSUL},
    {"DDR2LP_CKE[0]", "AF14", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CKE[1]", "AE13", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CS_n[0]", "R11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_CS_n[1]", "T11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[0]", "AF11", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[1]", "AE18", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[2]", "AE20", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_DM[3]", "AE24", OUT, IOSTD_1V2_HSUL},
    {"DDR2LP_OCT_RZQ", "AE11", IN, IOSTD_1V2},
    {"DDR2LP_DQ[]", "AA14 Y14 AD11 AD12 Y13 W12 AD10 AF12 AC15 AB15 AC14 AF13 AB16 AA16 AE14 AF18 AD16 AD17 AC18 AF19 AC17 AB17 AF21 AE21 AE15 AE16 AC20 AD21 AF16 AF17 AD23 AF23", IO, IOSTD_1V2_HSUL},
    {"DDR2LP_CA[]", "AE6 AF6 AF7 AF8 U10 U11 AE9 AF9 AB12 AB11", OUT, IOSTD_1V2_HSUL},
};

constexpr OptionPinGroup kFirstGroups[] = {
    {"CLOCK", offsetof(RASMER_CONFIG, OSC), 0, kClock},
    {"LED", offsetof(RASMER_CONFIG, LED), 0, kLed},
    {"KEY", offsetof(RASMER_CONFIG, Button), 0, kKey},
    {"SW", offsetof(RASMER_CONFIG, Switch), 0, kSwitch},
};
constexpr OptionPinGroup kMiddleGroups[] = {
    {"HDMI-TX", offsetof(RASMER_CONFIG, HDMI_TX), 0, kHdmiTx},
    {"ADC SPI", offsetof(RASMER_CONFIG, ADC), 0, kAdc},
    {"Audio", offsetof(RASMER_CONFIG, Audio), 0, kAudio},
};
constexpr OptionPinGroup kLastGroups[] = {
    {"SMA Transceiver x1", offsetof(RASMER_CONFIG, XcvrSma), 0, kSma},
    {"SDCARD", offsetof(RASMER_CONFIG, SDCARD), 0, kSdCard},
    {"Uart to USB", offsetof(RASMER_CONFIG, Uart2USB), 0, kUart},
    {"SRAM", offsetof(RASMER_CONFIG, SRAM), 0, kSram},
    {"LPDDR2", offsetof(RASMER_CONFIG, LPDDR2), 0, kLpddr2},
};

// GPIO header positions 1..40; 25-28 and 31-40 are HEX2's and HEX3's pins.
constexpr const char* kGpioHeader =
    "T21 D26 K25 E26 K26 M26 M21 P20 T22 T19 - - U19 U22 P8 R8 R9 R10 F26 Y9 "
    "G26 Y8 AA7 AA6 AD7 AD6 U20 V22 - - V20 W21 W20 Y24 Y23 AA23 AA22 AC24 AC23 AC22";

// HSMC positions 1..160. Of the transceiver lanes (17-32) only the p halves
// are given: the board's table repeats V2 and AC4 at positions 20 and 27
// and breaks the lanes' pattern at 31, so no n position is trusted; with a
// differential standard the fitter places each n pin from its p pin.
constexpr const char* kHsmc =
    "- - - - - - - - - - - - - - - - W4 V2 - - "
    "AA4 Y2 - - AC4 AB2 - - AE4 AD2 - - - - - - - - A7 N9 "
    "D11 H14 D12 H13 - - E10 N12 E11 M12 - - C9 M11 B9 L11 - - D10 H18 "
    "C10 H17 - - A12 L12 B11 K11 - - B10 H15 A11 J16 - - C20 J12 B19 J11 "
    "- - B15 G16 C15 G17 - - B22 G12 A21 F12 - - A19 G15 A18 G14 - - "
    "C13 E18 C12 F18 - - A8 F16 A9 E15 - - B12 E13 A13 D13 - - C23 C14 "
    "C22 D15 - - A14 E16 B14 D16 - - A23 D18 A22 D17 - - C17 E20 B17 E19 "
    "- - C19 D21 C18 D20 - - B21 B24 B20 A24 - - A17 L8 A16 K9 - -";
// clang-format on

static_assert(CountTablePins(kClock) + CountTablePins(kLed) + CountTablePins(kKey) +
                  CountTablePins(kSwitch) + CountTablePins(kSeg7) + CountTablePins(kSeg7Shared) +
                  CountTablePins(kHdmiTx) + CountTablePins(kAdc) + CountTablePins(kAudio) +
                  CountTablePins(kI2c) + CountTablePins(kSma) + CountTablePins(kSdCard) +
                  CountTablePins(kUart) + CountTablePins(kSram) + CountTablePins(kLpddr2) ==
              219);
static_assert(CountLocations(kGpioHeader) == GPIO_PIN_NUM);
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM);

void AddGroup(TMainBoard& board, const char* name, std::span<const PinRow> first,
              std::span<const PinRow> second = {}) {
    auto connector = std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
    AddPinRows(*connector, {name, first});
    if (!second.empty()) {
        AddPinRows(*connector, {name, second});
    }
    board.AddConnector(std::move(connector));
}

} // namespace

void CONFIG_RASMER(TMainBoard* pBoard, const RASMER_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_RASMER;
    if (Config.BoardId != BoardNumber(MAINBOARD_RASMER)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_RASMER");
    }
    if (Config.Size != RASMER_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(RASMER_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 0;

    const CardId gpioCard = MakeCardId(Config.GpioDaughterId);
    const CardId hsmcCard = MakeCardId(Config.HsmcDaughterId);
    const ConstRecordSpan record(reinterpret_cast<const std::uint8_t*>(&Config), sizeof Config);

    AddOptionPinGroups(*pBoard, record, kFirstGroups);
    if (Config.Seg7 != 0) {
        AddGroup(*pBoard, "SEG7", kSeg7,
                 gpioCard == CARD_NONE ? std::span<const PinRow>(kSeg7Shared)
                                       : std::span<const PinRow>());
    }
    AddOptionPinGroups(*pBoard, record, kMiddleGroups);
    if (Config.Audio != 0 || Config.HDMI_TX != 0 || Config.Si5338_I2C != 0 ||
        hsmcCard != CARD_NONE) {
        AddGroup(*pBoard, "I2C for Audio/HDMI-TX/Si5338/HSMC", kI2c);
    }
    AddOptionPinGroups(*pBoard, record, kLastGroups);

    AddSingleGpioHeader(*pBoard, gpioCard, kGpioHeader);
    if (hsmcCard != CARD_NONE) {
        auto hsmc = MakeExpansionConnector(
            "HSMC", platform::Format("HSMC connect to %s", BoardName(hsmcCard).c_str()),
            CONNECTOR_HSMC, CONNECTOR_ID_HSMC_A);
        const int count = AddHeaderPositions(*hsmc, kHsmc);
        PINSMITH_ASSERT(count == HSMC_PIN_NUM);
        pBoard->AddConnector(std::move(hsmc));
    }
}
