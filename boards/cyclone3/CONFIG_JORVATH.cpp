#include "boards/cyclone3/CONFIG_JORVATH.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/cyclone3/JorvathId.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// Every board pin is 3.3-V LVTTL.
constexpr IoStd LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_100", "AG14", IN, LVTTL, 0, 10},
};
constexpr PinRow kLed[] = {
    {"LED[]", "AA23 AA22 AF9 AD12", OUT, LVTTL},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "AD7 AF6", IN, LVTTL},
};
constexpr PinRow kGpio[] = {
    {"GPIO[]", "N8 E1 H6 F5 H5 U7 U8 M24 U21 R24", IO, LVTTL},
};

constexpr PinGroup<JORVATH_CONFIG> kGroups[] = {
    {"CLOCK", &JORVATH_CONFIG::bOSC, kClock},
    {"LED", &JORVATH_CONFIG::bLED, kLed},
    {"BUTTON", &JORVATH_CONFIG::bButton, kButton},
    {"GPIO Header", &JORVATH_CONFIG::bGpio, kGpio},
};

// DDR2 SODIMM positions 1..200.
constexpr const char* kDdr2 =
    "- - - B7 C10 B6 E11 - - A8 - - E12 A7 - D10 C11 - H13 C12 "
    "- A12 D13 - C13 B10 - - - D8 D12 C8 - - E14 B11 C14 A11 - - "
    "- - C17 C16 B18 E17 - - - - B17 E15 - - A19 C19 D20 B19 - - "
    "C22 E18 C21 D21 - - C20 - - D17 - - A22 B21 C24 A21 - - H8 E8 "
    "- - - C6 H12 A6 - - B12 C7 J13 D7 F14 F8 - - J15 A10 H15 E10 "
    "D15 G11 - - F15 A17 D16 J16 H16 G18 - - D19 E21 D25 D24 - - C26 - "
    "- - A23 B25 D22 C25 - - - B23 A25 - - A26 E22 B26 F21 - - AH17 "
    "AG17 AH18 AG18 - - - AC15 AF17 - - AF15 AB16 AF16 AE17 - - AD17 AG21 AE19 AH21 "
    "- - - J19 - H19 - - AE18 AH19 - - AG22 AH22 AF24 AH23 - - AD18 AE24 "
    "AF20 AE25 - - AF25 - - AF26 AE21 - AF22 AG26 - AH25 - - - - - - ";
// Kirrel 2/3 positions 1..180.
constexpr const char* kKirrel23 =
    "- - G1 J1 G2 J2 - - K1 C2 K2 D3 - - K3 D1 K4 D2 - - "
    "L8 F3 K8 E3 - - K7 F1 J7 F2 - - L6 G3 L7 G4 - - J5 H3 "
    "J6 H4 - - M3 J3 M4 J4 - - L3 G5 L4 G6 - - M7 N3 M8 N4 "
    "- - L1 Y1 L2 Y2 - - F25 H24 F24 H23 - - G24 G26 G23 G25 - - "
    "K26 J24 K25 J23 - - U26 K22 U25 K21 - - V26 L22 V25 L21 - - V24 V22 "
    "V23 U22 - - W21 M1 V21 M2 - - Y22 P1 W22 P2 - - Y7 R1 W8 R2 "
    "- - AB3 R5 - - - - - - AA7 W7 V1 T3 V2 T4 U1 R6 U2 R7 "
    "V3 AA3 V4 AA4 U5 R4 U6 R3 Y5 V5 Y6 V6 W1 U4 W2 U3 AB1 AC1 AB2 AC2 "
    "Y3 V7 Y4 V8 AA5 AD1 AA6 AD2 AB5 W3 AB6 W4 AF2 AE1 AE3 AE2 AC4 AD3 AC5 AC3 ";
// Kirrel 1 positions 1..180; position 45 (P28) is the nCEO pin.
constexpr const char* kKirrel1 =
    "- - J26 J28 J25 J27 - - D28 L24 D27 L23 - - E28 R21 E27 P21 - - "
    "F28 C27 F27 D26 - - G28 R23 G27 R22 - - K28 E26 K27 F26 - - M28 H26 "
    "M27 H25 - - P28 AA13 P27 Y13 - - L28 AB14 L27 AA14 - - M26 AD11 M25 AC11 "
    "- - AF5 Y28 AE5 Y27 - - N26 AA10 N25 AA8 - - P26 AB8 P25 AB9 - - "
    "R28 AB12 R27 AC12 - - T26 AC7 T25 AD8 - - R26 AF11 R25 AE11 - - U28 AF14 "
    "U27 AE14 - - V28 AF12 V27 AE12 - - W27 AH10 W28 AG10 - - T22 AH8 T21 AG8 "
    "- - H22 L26 - - - - - - L25 M23 W26 AC10 W25 AB10 AC28 AC8 AC27 AB7 "
    "Y26 AH6 Y25 AG6 AA26 AH12 AA25 AG12 AB28 AF8 AB27 AE8 AB26 AF13 AB25 AE13 AD28 AH4 AD27 AG4 "
    "AD26 AH11 AC26 AG11 AF27 AH7 AE26 AG7 AE28 AF10 AE27 AE10 AC25 AA12 AC24 Y12 Y24 AF7 Y23 AE7 ";
// clang-format on

constexpr int kDdr2Signals = 112;
static_assert(CountRowLocations(kLed, "LED[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kButton, "BUTTON[]") == 2, "nNum == 2");
static_assert(CountRowLocations(kGpio, "GPIO[]") == 10, "nNum == 10");
static_assert(CountGroupPins<JORVATH_CONFIG>(kGroups) == 17);
static_assert(CountLocations(kDdr2) == DDR2_SODIMM_PIN_NUM, "nNum == DDR2_SODIMM_PIN_NUM");
static_assert(CountHeaderPins(kDdr2) == kDdr2Signals);
static_assert(CountLocations(kKirrel23) == KIRREL_PIN_NUM, "nNum == KIRREL_PIN_NUM");
static_assert(CountLocations(kKirrel1) == KIRREL_PIN_NUM, "nNum == KIRREL_PIN_NUM");
static_assert(CountHeaderPins(kKirrel23) == 132 && CountHeaderPins(kKirrel1) == 132);

void AddExpansion(TMainBoard& board, const char* name, const std::string& description,
                  ConnectorType type, ConnectorId id, const char* positions, int count) {
    auto connector = MakeExpansionConnector(name, description, type, id);
    PINSMITH_ASSERT(AddHeaderPositions(*connector, positions) == count);
    board.AddConnector(std::move(connector));
}

} // namespace

void CONFIG_JORVATH(TMainBoard* pBoard, const JORVATH_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_JORVATH;
    if (Config.BoardId != BoardNumber(MAINBOARD_JORVATH)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_JORVATH");
    }
    if (Config.Size != JORVATH_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(JORVATH_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone III";
    pBoard->m_Device = "EP3C120F780C7";
    pBoard->m_PinCount = -1; // no pin-count assignment
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 7;
    pBoard->m_SpeedGradeText.clear();

    AddPinGroups<JORVATH_CONFIG>(*pBoard, Config, kGroups);

    if (Config.bDDR2 != 0) {
        AddExpansion(*pBoard, "DDR2", "DDR2 Sodimm Enabled", CONNECTOR_DDR2_SODIMM,
                     CONNECTOR_ID_DDR2_SODIMM, kDdr2, DDR2_SODIMM_PIN_NUM);
        PINSMITH_ASSERT(
            pBoard->GetExpansionConnector(CONNECTOR_ID_DDR2_SODIMM)->GetActivePinCount() ==
            kDdr2Signals);
    }
    // A card id counts as a card when it is above 0 (the Kirrel 1 field is
    // 32 bits wide).
    if (static_cast<std::int8_t>(Config.nKirrel23DaughterId) > 0) {
        AddExpansion(*pBoard, "KIRREL_23",
                     platform::Format("KIRREL2/KIRREL3 connect to %s",
                                      BoardName(MakeCardId(Config.nKirrel23DaughterId)).c_str()),
                     CONNECTOR_KIRREL, CONNECTOR_ID_KIRREL_23, kKirrel23, KIRREL_PIN_NUM);
    }
    if (Config.nKirrel1DaughterId > 0) {
        AddExpansion(*pBoard, "KIRREL_1",
                     platform::Format("KIRREL1 connect to %s",
                                      BoardName(MakeCardId(Config.nKirrel1DaughterId)).c_str()),
                     CONNECTOR_KIRREL, CONNECTOR_ID_KIRREL_1, kKirrel1, KIRREL_PIN_NUM);
    }
}
