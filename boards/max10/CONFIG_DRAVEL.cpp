#include "boards/max10/CONFIG_DRAVEL.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/max10/DravelId.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"MAX 10 FPGA", "10M50DAF484C7G", "FBGA", 484, "7"};

// clang-format off
constexpr PinRow kClock[] = {
    {"MAX10_CLK1_50", "P11", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"MAX10_CLK2_50", "N14", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"ADC_CLK_10", "N5", IN, IOSTD_3V3_LVTTL, 0, 0, "10.0 MHz"},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR[]", "U17 W19 V18 U18 U19 T18 T19 R18 P18 P19 T20 P20 R20", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_BA[]", "T21 T22", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "U21", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "N22", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "L14", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "U20", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "Y21 Y20 AA22 AA21 Y22 W22 W20 V21 P21 J22 H21 H22 G22 G20 G19 F22", IO, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "V22", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "U22", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "J21", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "V20", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "C14 E15 C15 C16 E16 D17 C17 D15", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "C18 D18 E18 B16 A17 A18 B17 A16", OUT, IOSTD_3V3_LVTTL},
    {"HEX2[]", "B20 A20 B19 A21 B21 C22 B22 A19", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "F21 E22 E21 C19 C20 D19 E17 D22", OUT, IOSTD_3V3_LVTTL},
    {"HEX4[]", "F18 E20 E19 J18 H19 F19 F20 F17", OUT, IOSTD_3V3_LVTTL},
    {"HEX5[]", "J20 K20 L18 N18 M20 N19 N20 L19", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "B8 A7", IN, IOSTD_3V3_SCHMITT},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "A8 A9 A10 B10 D13 C13 E14 D14 A11 B11", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "C10 C11 D12 C12 A12 B12 A13 A14 B14 F15", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_B[]", "P1 T1 P4 N2", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "W1 T2 R2 R1", OUT, IOSTD_3V3_LVTTL},
    {"VGA_HS", "N3", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "AA1 V1 Y2 Y1", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "N1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAccelerometer[] = {
    {"GSENSOR_SCLK", "AB15", OUT, IOSTD_3V3_LVTTL},
    {"GSENSOR_SDO", "V12", IO, IOSTD_3V3_LVTTL},
    {"GSENSOR_SDI", "V11", IO, IOSTD_3V3_LVTTL},
    {"GSENSOR_INT[1]", "Y14", IN, IOSTD_3V3_LVTTL},
    {"GSENSOR_INT[2]", "Y13", IN, IOSTD_3V3_LVTTL},
    {"GSENSOR_CS_N", "AB16", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kArduino[] = {
    {"ARDUINO_IO[]", "AB5 AB6 AB7 AB8 AB9 Y10 AA11 AA12 AB17 AA17 AB19 AA19 Y19 AB20 AB21 AA20", IO, IOSTD_3V3_LVTTL},
    {"ARDUINO_RESET_N", "F16", IO, IOSTD_3V3_SCHMITT},
};

// The groups in the order they are made.
constexpr PinGroup<DRAVEL_CONFIG> kGroups[] = {
    {"CLOCK", &DRAVEL_CONFIG::bOSC, kClock},
    {"SDRAM", &DRAVEL_CONFIG::bSDRAM, kSdram},
    {"SEG7", &DRAVEL_CONFIG::bSeg7, kSeg7},
    {"KEY", &DRAVEL_CONFIG::bButton, kKey},
    {"LED", &DRAVEL_CONFIG::bLED, kLed},
    {"SW", &DRAVEL_CONFIG::bSwitch, kSwitch},
    {"VGA", &DRAVEL_CONFIG::bVGA, kVga},
    {"Accelerometer", &DRAVEL_CONFIG::bAccelerometer, kAccelerometer},
    {"Arduino", &DRAVEL_CONFIG::bArduino, kArduino},
};

// GPIO header positions 1..40; 11, 12, 29 and 30 are power and ground.
constexpr const char* kGpioHeader =
    "V10 W10 V9 W9 V8 W8 V7 W7 W6 V5 - - W5 AA15 AA14 W13 W12 AB13 AB12 Y11 "
    "AB11 W11 AB10 AA10 AA9 Y8 AA8 Y7 - - AA7 Y6 AA6 Y5 AA5 Y4 AB3 Y3 AB2 AA2";
// clang-format on

static_assert(CountGroupPins<DRAVEL_CONFIG>(kGroups) == 149);
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13);
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 16);
static_assert(CountRowLocations(kLed, "LEDR[]") == 10);
static_assert(CountRowLocations(kSwitch, "SW[]") == 10);
static_assert(CountRowLocations(kArduino, "ARDUINO_IO[]") == 16);
static_assert(CountLocations(kGpioHeader) == GPIO_PIN_NUM);

} // namespace

void CONFIG_DRAVEL(TMainBoard* pBoard, TConfigDravel* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const DRAVEL_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_DRAVEL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_DRAVEL");
    }
    if (Config.Size != DRAVEL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigDravel::BOARD_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);

    AddPinGroups<DRAVEL_CONFIG>(*pBoard, Config, kGroups);
    const CardId card = MakeCardId(Config.nGpioDaughterId);
    if (card != CARD_NONE) {
        auto header = MakeExpansionConnector(
            "GPIO", platform::Format("GPIO connect to %s", BoardName(card).c_str()),
            CONNECTOR_GPIO40, CONNECTOR_ID_GPIO_0);
        const int count = AddHeaderPositions(*header, kGpioHeader, IOSTD_3V3_LVTTL);
        PINSMITH_ASSERT(count == GPIO_PIN_NUM);
        pBoard->AddConnector(std::move(header));
    }
}

void CONFIG_DRAVEL(TMainBoard* pBoard, const DRAVEL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigDravel>();
    settings->Config = Config;
    CONFIG_DRAVEL(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
