#include "boards/cyclone5/CONFIG_QUINDLE.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/cyclone5/QuindleId.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <cstddef>
#include <memory>
#include <span>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"Cyclone V", "5CSXFC6D6F31C8ES", "FBGA", 896, "8_H6"};

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_50_B3B", "AF14", IN, IOSTD_1V5, 0, 20},
    {"OSC_50_B4A", "AA16", IN, IOSTD_1V5, 0, 20},
    {"OSC_50_B5B", "Y26", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_B8A", "K14", IN, IOSTD_2V5, 0, 20},
};
// The transceiver reference clock, made only with a transceiver card.
constexpr PinRow kTransceiverClock[] = {
    {"HSMC_REF_CLK_p", "P9", IN, IOSTD_HCSL, 0, 10},
};
constexpr PinRow kLed[] = {
    {"LED[]", "AF10 AD10 AE11 AD7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "AE9 AE12 AD9 AD11", IN, IOSTD_3V3_LVTTL},
    {"RESET_n", "AD27", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "W25 V25 AC28 AC29", IN, IOSTD_2V5},
};
constexpr PinRow kSi5338[] = {
    {"SI5338_SCL", "AE26", OUT, IOSTD_3V3_LVTTL},
    {"SI5338_SDA", "AJ29", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_CS_n", "AF8", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DIN", "AG7", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DOUT", "AG1", IN, IOSTD_3V3_LVTTL},
    {"TEMP_SCLK", "AF9", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "AD12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "AC12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_n", "AG2", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "W20", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_n", "AH3", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "AG5 AA12 AB12 AF6 AG6 AJ2 AH5 AJ1", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "Y21 AA25 AB26 AB22 AB23 AA24 AB25 AE27", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "AE28 Y23 Y24 AG28 AF28 V23 W24 AF29", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "AG30", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "AC27", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "AH4", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "AG3", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "AC9", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "AE7", IO, IOSTD_3V3_LVTTL},
    {"AUD_MUTE", "AD26", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudioI2c[] = {
    {"AUD_I2C_SCLK", "AH30", OUT, IOSTD_3V3_LVTTL},
    {"AUD_I2C_SDAT", "AF30", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AH2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDdr3[] = {
    {"DDR3_CK_p", "AA14", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CK_n", "AA15", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[0]", "V16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[0]", "W16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[1]", "V17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[1]", "W17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[2]", "Y17", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[2]", "AA18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[3]", "AC20", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_n[3]", "AD19", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CKE", "AJ21", OUT, IOSTD_SSTL15_I},
    {"DDR3_CS_n", "AB15", OUT, IOSTD_SSTL15_I},
    {"DDR3_RESET_n", "AK21", OUT, IOSTD_SSTL15_I},
    {"DDR3_WE_n", "AJ6", OUT, IOSTD_SSTL15_I},
    {"DDR3_RAS_n", "AH8", OUT, IOSTD_SSTL15_I},
    {"DDR3_CAS_n", "AH7", OUT, IOSTD_SSTL15_I},
    {"DDR3_BA[0]", "AH10", OUT, IOSTD_SSTL15_I},
    {"DDR3_BA[1]", "AJ11", OUT, IOSTD_SSTL15_I},
    {"DDR3_BA[2]", "AK11", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[0]", "AH17", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[1]", "AG23", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[2]", "AK23", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[3]", "AJ27", OUT, IOSTD_SSTL15_I},
    {"DDR3_ODT", "AE16", OUT, IOSTD_SSTL15_I},
    {"DDR3_RZQ", "AG17", IN, IOSTD_1V5},
    {"DDR3_DQ[]", "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 "
                  "AE19 AE18 AG22 AK22 AF21 AF20 AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27",
     IO, IOSTD_SSTL15_I},
    {"DDR3_A[]", "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12", OUT,
     IOSTD_SSTL15_I},
};

// After "CLOCK", which the filler makes itself (its last pin follows the card).
constexpr OptionPinGroup kGroups[] = {
    {"LED", offsetof(QUINDLE_CONFIG, LED), 0, kLed},
    {"KEY", offsetof(QUINDLE_CONFIG, Button), 0, kKey},
    {"SW", offsetof(QUINDLE_CONFIG, Switch), 0, kSwitch},
    {"Si5338", offsetof(QUINDLE_CONFIG, Si5338), 0, kSi5338},
    {"Temperature", offsetof(QUINDLE_CONFIG, Temperature), 0, kTemperature},
    {"VGA", offsetof(QUINDLE_CONFIG, VGA), 0, kVga},
    {"Audio", offsetof(QUINDLE_CONFIG, Audio), 0, kAudio},
    {"I2C for Audio ", offsetof(QUINDLE_CONFIG, Audio), 0, kAudioI2c},
    {"IR Receiver", offsetof(QUINDLE_CONFIG, IR), 0, kIr},
    {"SDRAM", offsetof(QUINDLE_CONFIG, DDR3), 0, kDdr3},
};

// HSMC positions 1..160; position 40 is the clock input CLKIN0.
constexpr const char* kHsmc =
    "H4 J2 H3 J1 M4 N2 M3 N1 P4 R2 P3 R1 T4 U2 T3 U1 V4 W2 V3 W1 "
    "Y4 AA2 Y3 AA1 AB4 AC2 AB3 AC1 AD4 AE2 AD3 AE1 AE29 AA28 - - - - AD29 J14:in "
    "C10 H13 C9 H12 - - A9 G12 A8 G11 - - E8 K12 D7 J12 - - G7 G10 "
    "F6 F10 - - D6 J10 C5 J9 - - D5 K7 C4 K8 - - E3 J7 E2 H7 "
    "- - E4 H8 D4 G8 - - C3 F9 B3 F8 - - E7 AA26 E6 AB27 - - "
    "E1 F11 D1 E11 - - D2 B6 C2 B5 - - B2 E9 B1 D9 - - A4 E12 "
    "A3 D12 - - A6 D11 A5 D10 - - C7 C13 B7 B12 - - C8 F13 B8 E13 "
    "- - C12 H14 B11 G13 - - B13 F15 A13 F14 - - A11 H15 A10 G15 - -";
constexpr int kClockInPosition = 40;
// clang-format on

static_assert(CountTablePins(kClock) + CountTablePins(kLed) + CountTablePins(kKey) +
                  CountTablePins(kSwitch) + CountTablePins(kSi5338) + CountTablePins(kTemperature) +
                  CountTablePins(kVga) + CountTablePins(kAudio) + CountTablePins(kAudioI2c) +
                  CountTablePins(kIr) + CountTablePins(kDdr3) ==
              134);
static_assert(CountRowLocations(kDdr3, "DDR3_DQ[]") == 32);
static_assert(CountRowLocations(kDdr3, "DDR3_A[]") == 15);
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM);

} // namespace

void CONFIG_QUINDLE(TMainBoard* pBoard, const QUINDLE_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_QUINDLE;
    if (Config.BoardId != BoardNumber(MAINBOARD_QUINDLE)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_QUINDLE");
    }
    if (Config.Size != QUINDLE_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(QUINDLE_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 0;

    const IoStd hsmcStandard = hsmcvoltage::IoStandard(Config.HsmcVoltage);
    const CardId card = MakeCardId(Config.HsmcDaughterId);

    if (Config.OSC != 0) {
        auto clock = std::make_unique<TConnector>("CLOCK", "", CONNECTOR_NONE, -1);
        AddPinRows(*clock, {"CLOCK", kClock});
        if (card != CARD_NONE && IsTransceiverBoard(card)) {
            AddPinRows(*clock, {"CLOCK", kTransceiverClock});
        }
        pBoard->AddConnector(std::move(clock));
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&Config);
    AddOptionPinGroups(*pBoard, ConstRecordSpan(bytes, sizeof Config), kGroups);

    if (card == CARD_NONE) {
        return;
    }
    auto hsmc = MakeExpansionConnector(
        "HSMC", platform::Format("HSMC connect to %s", BoardName(card).c_str()), CONNECTOR_HSMC,
        CONNECTOR_ID_HSMC_A);
    const int count = AddHeaderPositions(*hsmc, kHsmc);
    PINSMITH_ASSERT(count == HSMC_PIN_NUM);
    // The clock input is a board input at the connector's voltage; the card
    // only names it.
    TPin* clockIn = hsmc->GetPin(kClockInPosition - 1);
    PINSMITH_ASSERT(clockIn != nullptr);
    clockIn->SetIoStandard(hsmcStandard);
    pBoard->AddConnector(std::move(hsmc));
}
