#include "boards/cyclone4/CONFIG_ISTREL.h"

#include "boards/GpioHeaders.h"
#include "boards/PinGroups.h"
#include "boards/cyclone4/IstrelId.h"
#include "platform/Assert.h"

#include <span>
#include <string>

using namespace istrel;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "R8", IN, IOSTD_3V3_LVTTL, 0, 20},
};
constexpr PinRow kLed[] = {
    {"LED[]", "A15 A13 B13 A11 D1 F3 B1 L3", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "J15 E1", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "M1 T8 B9 M15", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "M7 M6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQM[]", "R6 T5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "L2", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "L1", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "L7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "R4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "C2", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "P6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "G2 G1 L8 K5 K2 J2 J1 R7 T4 T2 T3 R3 R5 P3 N3 K1", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "P2 N5 N6 M8 P8 T7 N8 T6 R1 P1 N2 N1 L4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEpcs[] = {
    {"EPCS_DATA0", "H2", IN, IOSTD_3V3_LVTTL},
    {"EPCS_DCLK", "H1", OUT, IOSTD_3V3_LVTTL},
    {"EPCS_NCSO", "D2", OUT, IOSTD_3V3_LVTTL},
    {"EPCS_ASDO", "C1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "F2", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "F1", IO, IOSTD_3V3_LVTTL},
    {"G_SENSOR_CS_N", "G5", OUT, IOSTD_3V3_LVTTL},
    {"G_SENSOR_INT", "M2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAdc[] = {
    {"ADC_CS_N", "A10", OUT, IOSTD_3V3_LVTTL},
    {"ADC_SADDR", "B10", OUT, IOSTD_3V3_LVTTL},
    {"ADC_SCLK", "B14", OUT, IOSTD_3V3_LVTTL},
    {"ADC_SDAT", "A9", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHeader2x13[] = {
    {"GPIO_2[]", "A14 B16 C14 C16 C15 D16 D15 D14 F15 F16 F14 G16 G15", IO, IOSTD_3V3_LVTTL},
    {"GPIO_2_IN[]", "E15 E16 M16", IN, IOSTD_3V3_LVTTL},
};

// The groups in the order they are created.
constexpr PinGroup<ISTREL_CONFIG> kGroups[] = {
    {"CLOCK", &ISTREL_CONFIG::bOSC, kClock},
    {"LED", &ISTREL_CONFIG::bLED, kLed},
    {"KEY", &ISTREL_CONFIG::bButton, kKey},
    {"SW", &ISTREL_CONFIG::bSwitch, kSw},
    {"SDRAM", &ISTREL_CONFIG::bSDRAM, kSdram},
    {"EPCS", &ISTREL_CONFIG::bEPCS, kEpcs},
    {"", nullptr, kI2c}, // the I2C group (I2cGroup)
    {"ADC", &ISTREL_CONFIG::bADC, kAdc},
    {"2x13 GPIO Header", &ISTREL_CONFIG::bHeader, kHeader2x13},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal,
// ":in" a position that stays an input whatever the card gives.
constexpr const char* kGpioHeaders[2] = {
    "A8:in D3 B8:in C3 A2 A3 B3 B4 A4 B5 - - A5 D5 B6 A6 B7 D6 A7 C6 "
    "C8 E6 E7 D8 E8 F8 F9 E9 - - C9 D9 E11 E10 C11 B11 A12 D11 D12 B12",
    "T9:in F13 R9:in T15 T14 T13 R13 T12 R12 T11 - - T10 R11 P11 R10 N12 P9 N9 N11 "
    "L16 K16 R16 L15 P15 P16 R14 N16 - - N15 P14 L14 N14 M10 L13 J16 K15 J13 J14",
};
// clang-format on

// The bus tables' lengths, the board's pin count and the headers' positions.
static_assert(CountRowLocations(kLed, "LED[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kKey, "KEY[]") == 2, "nNum == 2");
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kHeader2x13, "GPIO_2[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kHeader2x13, "GPIO_2_IN[]") == 3, "nNum == 3");
static_assert(CountGroupPins<ISTREL_CONFIG>(kGroups) == 82);
static_assert(CountLocations(kGpioHeaders[GPIO_0]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kGpioHeaders[GPIO_1]) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");

// The I2C bus of the EEPROM and the accelerometer: one group when either is
// ticked, named after those that are; the accelerometer adds its two pins
// (the last two rows).
void I2cGroup(TMainBoard& board, const ISTREL_CONFIG& config, std::span<const PinRow> pins) {
    PINSMITH_ASSERT(pins.size() == 4);
    if (config.bAccelerometer) {
        board.AddConnector(MakeGroupConnector(
            config.bEEPROM ? "Accelerometer and EEPROM" : "Accelerometer", pins));
    } else if (config.bEEPROM) {
        board.AddConnector(MakeGroupConnector("EEPROM", pins.first(2)));
    }
}

} // namespace

void CONFIG_ISTREL(TMainBoard* pBoard, const ISTREL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_ISTREL;
    if (Config.BoardId != BoardNumber(MAINBOARD_ISTREL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ISTREL");
    }
    if (Config.Size != ISTREL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(ISTREL_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone IV E";
    pBoard->m_Device = "EP4CE22F17C6";
    pBoard->m_PinCount = 256;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 6;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<ISTREL_CONFIG>(*pBoard, Config, kGroups,
                                [&](TMainBoard& board, const PinGroup<ISTREL_CONFIG>& group) {
                                    I2cGroup(board, Config, group.pins);
                                });
    AddGpioHeaderConnectors(*pBoard, kGpioHeaders[GPIO_0], kGpioHeaders[GPIO_1],
                            MakeCardId(Config.nGpioDaughterId[GPIO_0]),
                            MakeCardId(Config.nGpioDaughterId[GPIO_1]), HeaderPairing::Separate);
}
