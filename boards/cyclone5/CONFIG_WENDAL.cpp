#include "boards/cyclone5/CONFIG_WENDAL.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/cyclone5/WendalId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"

#include <cstddef>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"Cyclone V", "5CEBA4F23C7", "FBGA", 484, "7"};

// clang-format off
// The groups in the order they are made; "~" is a pin without a location.
constexpr PinRow kClock[] = {
    {"CLOCK_50", "M9", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"CLOCK2_50", "H13", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"CLOCK3_50", "E10", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"CLOCK4_50", "V15", IO, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
};
constexpr PinRow kSdram[] = {
    {"DRAM_ADDR[]", "W8 T8 U11 Y10 N6 AB10 P12 P7 P8 R5 U8 P6 R7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_BA[]", "T7 AB7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "V6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "R6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AB11", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "U6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "Y9 T10 R9 Y11 R10 R11 R12 AA12 AA9 AB8 AA8 AA7 V10 V9 U10 T9", IO, IOSTD_3V3_LVTTL},
    {"DRAM_LDQM", "U12", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "AB6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_UDQM", "N8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "AB5", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "U21 V21 W22 W21 Y22 Y21 AA22", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "AA20 AB20 AA19 AA18 AB18 AA17 U22", OUT, IOSTD_3V3_LVTTL},
    {"HEX2[]", "Y19 AB17 AA10 Y14 V14 AB22 AB21", OUT, IOSTD_3V3_LVTTL},
    {"HEX3[]", "Y16 W16 Y17 V16 U17 V18 V19", OUT, IOSTD_3V3_LVTTL},
    {"HEX4[]", "U20 Y20 V20 U16 U15 Y15 P9", OUT, IOSTD_3V3_LVTTL},
    {"HEX5[]", "N9 M8 T14 P14 C1 C2 W19", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "U7 W9 M7 M6", IN, IOSTD_3V3_LVTTL},
    {"RESET_N", "P22", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AA2 AA1 W2 Y3 N2 N1 U2 U1 L2 L1", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "D3", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "E2", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "G2", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "G1", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kMicrosdCard[] = {
    {"SD_CLK", "H11", OUT, IOSTD_3V3_LVTTL},
    {"SD_CMD", "B11", IO, IOSTD_3V3_LVTTL},
    {"SD_DATA[]", "K9 D12 E12 C11", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "U13 V13 T13 T12 AA15 AB15 AA14 AA13 AB13 AB12", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_B[]", "B6 B7 A8 A7", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "L7 K7 J7 J8", OUT, IOSTD_3V3_LVTTL},
    {"VGA_HS", "H8", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "A9 B10 C9 A5", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "G8", OUT, IOSTD_3V3_LVTTL},
};

constexpr OptionPinGroup kGroups[] = {
    {"CLOCK", offsetof(WENDAL_CONFIG, OSC), 0, kClock},
    {"SDRAM", offsetof(WENDAL_CONFIG, SDRAM), 0, kSdram},
    {"SEG7", offsetof(WENDAL_CONFIG, Seg7), 0, kSeg7},
    {"KEY", offsetof(WENDAL_CONFIG, Button), 0, kKey},
    {"LED", offsetof(WENDAL_CONFIG, LED), 0, kLed},
    {"PS2", offsetof(WENDAL_CONFIG, PS2), 0, kPs2},
    {"microSD Card", offsetof(WENDAL_CONFIG, SdCard), 0, kMicrosdCard},
    {"SW", offsetof(WENDAL_CONFIG, Switch), 0, kSw},
    {"VGA", offsetof(WENDAL_CONFIG, VGA), 0, kVga},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "N16 B16 M16 C16 D17 K20 K21 K22 M20 M21 - - N21 R22 R21 T22 N20 N19 M22 P19 "
    "L22 P17 P16 M18 L18 L17 L19 K17 - - K19 P18 R15 R17 R16 T20 T19 T18 T17 T15",
    "H16 A12 H15 B12 A13 B13 C13 D13 G18 G17 - - H18 J18 J19 G11 H10 J11 H14 A15 "
    "J13 L8 A14 B15 C15 E14 E15 E16 - - F14 F15 F13 F12 G16 G15 G13 G12 J17 K16",
};
// clang-format on

} // namespace

void CONFIG_WENDAL(TMainBoard* pBoard, const WENDAL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof Config);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_WENDAL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_WENDAL");
    }
    if (Config.Size != WENDAL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(WENDAL_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    const ConstRecordSpan record(reinterpret_cast<const std::uint8_t*>(&Config), sizeof Config);
    AddOptionPinGroups(*pBoard, record, kGroups);
    AddGpioHeaderPair(*pBoard, MakeCardId(Config.nGpioDaughterId[0]),
                      MakeCardId(Config.nGpioDaughterId[1]), kGpioHeaders[0], kGpioHeaders[1]);
}
