#include "boards/cyclone3/CONFIG_JORKEL.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/cyclone3/JorkelId.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// Every on-board pin is 2.5 V but the DDR memory bus.
constexpr IoStd V25 = IOSTD_2V5;
constexpr IoStd SSTL2 = IOSTD_SSTL2_I;

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_CLK", "V9", IN, V25, 0, 20},
};
constexpr PinRow kLed[] = {
    {"LED[]", "P13 P12 N12 N9", OUT, V25},
};
constexpr PinRow kKey[] = {
    {"CPU_RESET_N", "N2", IN, V25},
    {"KEY[]", "F1 F2 A10 B10", IN, V25},
};
constexpr PinRow kDdr[] = {
    {"DDR_CLK", "U2", IO, SSTL2},
    {"DDR_CLK_N", "V2", IO, SSTL2},
    {"DDR_CS_N", "V1", OUT, V25},
    {"DDR_CKE", "R13", OUT, V25},
    {"DDR_ADDR[]", "U1 U5 U7 U8 P8 P7 P6 T14 T13 V13 U17 V17 U16", OUT, SSTL2},
    {"DDR_BA[]", "V11 V12", OUT, SSTL2},
    {"DDR_RAS_N", "V16", OUT, SSTL2},
    {"DDR_CAS_N", "T4", OUT, SSTL2},
    {"DDR_WE_N", "U15", OUT, SSTL2},
    {"DDR_DQ[]", "U4 V4 R8 V5 P9 U6 V6 V7 U13 U12 U11 V15 U14 R11 P10 V14", IO, SSTL2},
    {"DDR_DQS[]", "U3 T8", IO, SSTL2},
    {"DDR_DM[]", "V3 V8", OUT, SSTL2},
};
// The flash and the SSRAM share the address and data buses; the address bus
// starts at bit 1 (the filler's own step numbers it).
constexpr PinRow kFlashSsram[] = {
    {"FLASH_SRAM_A[]", "E12 A16 B16 A15 B15 A14 B14 A13 B13 A12 B12 A11 B11 C10 D10 E10 C9 D9 "
                       "A7 A6 B18 C17 C18 G14 B17", OUT, V25},
    {"FLASH_SRAM_DQ[]", "H3 D1 A8 B8 B7 C5 E8 A4 B4 E7 A3 B3 D5 B5 A5 B6 C16 D12 E11 D2 E13 E14 "
                        "A17 D16 C12 A18 F8 D7 F6 E6 G6 C7", IO, V25},
    {"SRAM_OE_N", "E9", OUT, V25},
    {"SRAM_CE_N", "F9", OUT, V25},
    {"SRAM_WE_N", "G13", OUT, V25},
    {"SRAM_BE_N[]", "F10 F11 F12 F13", OUT, V25},
    {"SRAM_ADSC_N", "F7", OUT, V25},
    {"SRAM_CLK", "A2", OUT, V25},
};

constexpr PinGroup<JORKEL_CONFIG> kGroups[] = {
    {"CLOCK", &JORKEL_CONFIG::bOSC, kClock},
    {"LED", &JORKEL_CONFIG::bLED, kLed},
    {"KEY", &JORKEL_CONFIG::bButton, kKey},
    {"DDR SDRAM", &JORKEL_CONFIG::bSDRAM, kDdr},
    {"FLASH and SSRAM", nullptr, kFlashSsram}, // FlashSsramGroup
};

// HSMC positions 1..160.
constexpr const char* kHsmc =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - E1 F3 J1 J2 J6 J5 A1 A9 "
    "H6 D3 M5 L6 - - T1 M3 N7 T2 - - N8 H15 J13 H16 - - N10 N16 "
    "N11 N15 - - K17 R16 P11 T16 - - B2 C2 B1 C1 - - G2 H2 G1 H1 "
    "- - K2 K5 K1 L5 - - L2 L4 L1 L3 - - D14 F17 C14 F18 - - "
    "M2 P2 M1 P1 - - R2 T3 R1 R3 - - E17 G17 E18 G18 - - H17 K18 "
    "H18 L18 - - L17 L16 M18 M17 - - L14 L13 L15 M14 - - P17 R17 P18 R18 "
    "- - R5 M6 R4 N6 - - T17 M13 T18 N13 - - U18 N17 V18 N18 - - ";
// clang-format on

static_assert(CountRowLocations(kDdr, "DDR_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kDdr, "DDR_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kFlashSsram, "FLASH_SRAM_A[]") == 25, "nNum == 25");
static_assert(CountRowLocations(kFlashSsram, "FLASH_SRAM_DQ[]") == 32, "nNum == 32");
static_assert(CountTablePins(kDdr) == 42 && CountTablePins(kFlashSsram) == 66);
static_assert(CountGroupPins<JORKEL_CONFIG>(kGroups) == 118);
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM, "nNum == HSMC_PIN_NUM");
static_assert(CountHeaderPins(kHsmc) == 88);

// The address bus of the flash and the SSRAM is numbered from 1: its pins
// are renamed after the table made them from 0.
void FlashSsramGroup(TMainBoard& board, const JORKEL_CONFIG& config, std::span<const PinRow> pins) {
    if (config.bFlashSSRAM == 0) {
        return;
    }
    auto group = MakeGroupConnector("FLASH and SSRAM", pins);
    constexpr int kAddressBits = CountRowLocations(kFlashSsram, "FLASH_SRAM_A[]");
    for (int bit = 0; bit < kAddressBits; ++bit) {
        TPin* pin = group->GetPin(bit);
        PINSMITH_ASSERT(pin != nullptr);
        pin->SetName(platform::Format("FLASH_SRAM_A[%d]", bit + 1));
    }
    board.AddConnector(std::move(group));
}

} // namespace

void CONFIG_JORKEL(TMainBoard* pBoard, const JORKEL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_JORKEL;
    if (Config.BoardId != BoardNumber(MAINBOARD_JORKEL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_JORKEL");
    }
    if (Config.Size != JORKEL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(JORKEL_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone III";
    pBoard->m_Device = "EP3C25F324C6";
    pBoard->m_Package = "FBGA";
    pBoard->m_PinCount = 324;
    pBoard->m_SpeedGrade = 6;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<JORKEL_CONFIG>(*pBoard, Config, kGroups,
                                [&](TMainBoard& board, const PinGroup<JORKEL_CONFIG>& group) {
                                    FlashSsramGroup(board, Config, group.pins);
                                });

    const CardId card = MakeCardId(Config.nHsmcDaughterId);
    if (card == CARD_NONE) {
        return;
    }
    auto hsmc = MakeExpansionConnector(
        "HSMC", platform::Format("HSMC connect to %s", BoardName(card).c_str()), CONNECTOR_HSMC,
        CONNECTOR_ID_HSMC_A);
    PINSMITH_ASSERT(AddHeaderPositions(*hsmc, kHsmc) == HSMC_PIN_NUM);
    pBoard->AddConnector(std::move(hsmc));
}
