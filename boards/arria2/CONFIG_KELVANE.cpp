#include "boards/arria2/CONFIG_KELVANE.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/arria2/KelvaneId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>

namespace kelvane {
namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLK_155_P", "R29", IN, IOSTD_DIFF_LVPECL, 0, 6},
    {"CLKIN_BOT_P", "AJ19", IN, IOSTD_LVDS},
    {"CLKIN_REF_Q2_P", "U29", IN, IOSTD_LVDS},
    {"CLKIN_TOP_P", "F18", IN, IOSTD_LVDS},
    {"CLKIN_REF_Q1_1_P", "AA29", IN, IOSTD_LVDS},
    {"CLKIN_REF_Q1_2_P", "W29", IN, IOSTD_LVDS},
    {"CLKIN_REF_Q3_P", "N29", IN, IOSTD_LVDS},
};
constexpr PinRow kLed[] = {
    {"USER_LED[]", "G1 J4 J5 R5", OUT, IOSTD_2V5},
    {"HSMA_TX_LED", "C29", OUT, IOSTD_2V5},
    {"HSMA_RX_LED", "N5", OUT, IOSTD_2V5},
    {"HSMB_TX_LED", "AE24", OUT, IOSTD_2V5},
    {"HSMB_RX_LED", "AE23", OUT, IOSTD_2V5},
};
constexpr PinRow kButton[] = {
    {"USER_PB[]", "AK9 AL7", IN, IOSTD_1V8},
    {"CPU_RESET", "N10", IN, IOSTD_2V5},
};
constexpr PinRow kDip[] = {
    {"USER_DIP[]", "N2 U9 V9 U4", IN, IOSTD_2V5},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "F1 H3 E1 F2 D2 D1 C2 C1", IO, IOSTD_2V5},
    {"LCD_WEn", "H1", OUT, IOSTD_2V5},
    {"LCD_CSn", "J2", OUT, IOSTD_2V5},
    {"LCD_D_Cn", "J1", OUT, IOSTD_2V5},
};
constexpr PinRow kPcie[] = {
    {"PCIE_RX_p[0]", "AN33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[0]", "AM31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[1]", "AL33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[1]", "AK31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[2]", "AJ33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[2]", "AH31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[3]", "AG33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[3]", "AF31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[4]", "AE33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[4]", "AD31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[5]", "AC33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[5]", "AB31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[6]", "AA33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[6]", "Y31", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_p[7]", "W33", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_p[7]", "V31", OUT, IOSTD_1V5_PCML},
    {"PCIE_REFCLK_p", "AE29", IN, IOSTD_HCSL},
    {"PCIE_REFCLK_n", "AE30", IN, IOSTD_HCSL},
    {"PCIE_PREST_n", "N1", IN, IOSTD_2V5},
    {"PCIE_WAKE_n", "C30", OUT, IOSTD_2V5},
    {"PCIE_SMBCLK", "M18", IN, IOSTD_2V5},
    {"PCIE_SMBDAT", "D27", IN, IOSTD_2V5},
    {"PCIE_LED_X1", "C28", OUT, IOSTD_2V5},
    {"PCIE_LED_X4", "D26", OUT, IOSTD_2V5},
    {"PCIE_LED_X8", "C27", OUT, IOSTD_2V5},
};
// 200 positions, 112 placeholders
constexpr const char* kDdr2Sodimm =
    "- - - B7 C10 B6 E11 - - A8 "
    "- - E12 A7 - D10 C11 - H13 C12 "
    "- A12 D13 - C13 B10 - - - D8 "
    "D12 C8 - - E14 B11 C14 A11 - - "
    "- - C17 C16 B18 E17 - - - - "
    "B17 E15 - - A19 C19 D20 B19 - - "
    "C22 E18 C21 D21 - - C20 - - D17 "
    "- - A22 B21 C24 A21 - - H8 E8 "
    "- - - C6 H12 A6 - - B12 C7 "
    "J13 D7 F14 F8 - - J15 A10 H15 E10 "
    "D15 G11 - - F15 A17 D16 J16 H16 G18 "
    "- - D19 E21 D25 D24 - - C26 - "
    "- - A23 B25 D22 C25 - - - B23 "
    "A25 - - A26 E22 B26 F21 - - AH17 "
    "AG17 AH18 AG18 - - - AC15 AF17 - - "
    "AF15 AB16 AF16 AE17 - - AD17 AG21 AE19 AH21 "
    "- - - J19 - H19 - - AE18 AH19 "
    "- - AG22 AH22 AF24 AH23 - - AD18 AE24 "
    "AF20 AE25 - - AF25 - - AF26 AE21 - "
    "AF22 AG26 - AH25 - - - - - -";
// 160 positions, 101 placeholders
constexpr const char* kHsmcA =
    "- - - - - - - - - - "
    "- - - - - - K31 L33 K32 L34 "
    "M31 N33 M32 N34 P31 R33 P32 R34 T31 U33 "
    "T32 U34 R1 T1 - - - - P10 AP17 "
    "L1 R6 K1 M1 - - AA10 AC5 AA9 AC4 "
    "- - Y11 AE4 Y10 AF4 - - AH2 AF1 "
    "AH1 AG1 - - AB10 AE2 AB9 AE1 - - "
    "Y8 AC1 Y7 AD1 - - AF3 AB2 AF2 AB1 "
    "- - AD4 Y1 AE3 AA1 - - V4 Y2 "
    "V3 W1 - - AD7 U6 AD6 U5 - - "
    "AA7 V2 Y6 V1 - - W7 W4 W6 W3 "
    "- - Y5 U2 AA4 U1 - - AC3 Y4 "
    "AC2 Y3 - - W10 AB4 Y9 AB3 - - "
    "R7 AB6 T7 AB5 - - R2 U7 P1 V7 "
    "- - V11 AB8 V10 AB7 - - U11 AC7 "
    "U10 AC6 - - V12 K18 W12 J10 - U3";
// 160 positions, 99 placeholders
constexpr const char* kHsmcB =
    "- - - - - - - - - - "
    "- - - - - - B31 C33 B32 C34 "
    "D31 E33 D32 E34 F31 G33 F32 G34 H31 J33 "
    "H32 J34 AK27 AJ27 - - - - AG30 AP16 "
    "AH29 AH30 AK30 AJ30 - - AF28 AJ29 AL28 AE28 "
    "- - AK28 AH28 AJ28 AH27 - - AJ26 AG27 "
    "AH26 AF27 - - AG24 AF24 AF25 AE23 - - "
    "AE27 AE21 AE26 AD21 - - AD22 AC22 AG4 AH5 "
    "- - AF6 AF5 AH7 AG6 - - AG7 AF7 "
    "AE7 AE8 - - AF8 AD10 AD9 AJ6 - - "
    "AK4 AL2 AK3 AL1 - - AJ4 AK1 AJ3 AJ1 "
    "- - AJ2 AH3 AH6 AH4 - - AC10 M10 "
    "AC11 M9 - - M8 L7 M7 K8 - - "
    "K7 J8 K6 J6 - - J7 G5 H7 F5 "
    "- - G6 D5 G4 C6 - - D6 C5 "
    "- - - - N8 AE5 N7 V5 - AG28";
// clang-format on

// The last row of CLOCK and the last two of LED belong to the board variant.
constexpr std::size_t kClockRowsPlain = 6;
constexpr std::size_t kLedRowsPlain = 3;
constexpr int kDdr2Placeholders = 112;
constexpr int kHsmcPositions = 160;
constexpr int kPcieLanes = 8;
static_assert(CountLocations(kDdr2Sodimm) == DDR2_SODIMM_PIN_NUM);
static_assert(CountTablePins(kPcie) == 2 * kPcieLanes + 9);

constexpr const char* kHsmcMaps[kHsmcCount] = {kHsmcA, kHsmcB};

} // namespace
} // namespace kelvane

using namespace kelvane;

void CONFIG_KELVANE(TMainBoard* pBoard, const KELVANE_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_KELVANE;
    if (Config.BoardId != BoardNumber(MAINBOARD_KELVANE)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_KELVANE");
    }
    if (Config.Size != KELVANE_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(KELVANE_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Arria II GX";
    pBoard->m_Device = "EP2AGX125EF35C4ES";
    pBoard->m_PinCount = 1152;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 4;

    const auto addGroup = [&](const char* name, std::span<const PinRow> rows) {
        pBoard->AddConnector(MakeGroupConnector(name, rows));
    };
    const bool variant = Config.bVariant != 0;
    if (Config.bOSC) {
        addGroup("CLOCK", variant ? std::span<const PinRow>(kClock)
                                  : std::span<const PinRow>(kClock, kClockRowsPlain));
    }
    if (Config.bLED) {
        addGroup("LED", variant ? std::span<const PinRow>(kLed)
                                : std::span<const PinRow>(kLed, kLedRowsPlain));
    }
    if (Config.bButton) {
        addGroup("BUTTON and CPU Reset", kButton);
    }
    if (Config.bDIP) {
        addGroup("DIP", kDip);
    }
    if (Config.bLCD) {
        addGroup("LCD", kLcd);
    }
    if (Config.bPciBus) {
        addGroup("PCIe x 8", kPcie);
    }

    if (Config.bDDR2) {
        auto socket = MakeExpansionConnector("DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                             CONNECTOR_ID_DDR2_SODIMM);
        AddHeaderPositions(*socket, kDdr2Sodimm);
        // The table places 112 of the module's signals; the module's other
        // positions (the strobes' negative legs, the serial bus) stay off.
        PINSMITH_ASSERT(socket->GetActivePinCount() == kDdr2Placeholders);
        pBoard->AddConnector(std::move(socket));
    }
    for (int n = 0; n < kHsmcCount; ++n) {
        if (Config.nHsmcDaughterId[n] == 0) {
            continue;
        }
        auto port = MakeLetteredPortConnector("HSMC-%c", n, MakeCardId(Config.nHsmcDaughterId[n]),
                                              CONNECTOR_HSMC, ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                                              kHsmcMaps[n], kHsmcPositions);
        pBoard->AddConnector(std::move(port));
    }
}
