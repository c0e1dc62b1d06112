#include "boards/stratix3/CONFIG_FENNIK.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/stratix3/FennikId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>

namespace fennik {
namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// Expansion connector positions 1..n -> FPGA pins; "-" is a position without
// a signal.
// clang-format off
constexpr PinRow kClock[] = {
    {"OSC1_50", "T33", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC2_50", "W2", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_BA", "AN18", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_BB", "AN16", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_BC", "B17", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_BD", "B19", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"EXT_CLK_OUT", "V10", OUT, IOSTD_3V3_LVTTL},
    {"EXT_CLK_IN", "U2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "AD1 AC1 AC2 AB2 AC4 AB4 AA3 AB3", OUT, IOSTD_3V3_LVTTL},
    {"LEDG[]", "AB1 AA1 Y1 Y2 Y3 W3 AA4 Y4", OUT, IOSTD_3V3_LVTTL},
    {"LEDB[]", "AB5 AB6 AA6 AA7 Y7 Y8 Y9 Y10", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "K1 K2 M4 M3", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "W5 W6 W9 W11", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDip[] = {
    {"DIP_SW[]", "R12 P5 R4 R3 P2 R1 T2 T1", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "P4", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DATA", "P1", IO, IOSTD_3V3_LVTTL},
    {"TEMP_INTn", "N2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_DP", "W12", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_DP", "P3", OUT, IOSTD_3V3_LVTTL},
    {"HEX0_D[]", "Y11 W10 W8 W7 Y5 Y6 V3", OUT, IOSTD_3V3_LVTTL},
    {"HEX1_D[]", "N4 N3 N1 M1 L1 L2 V4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsb[] = {
    {"OTG_D[]", "Y25 AA27 Y26 AA30 AB29 AA28 Y31 AA31 Y32 Y34 AB31 AA32 AA33 AD34 AA34 AC34 AB30 AB33 AD33 AB34 AB32 V24 W26 V25 W30 W27 W31 W24 Y23 Y29 Y28 AA29", IO, IOSTD_3V3_LVTTL},
    {"OTG_A[1]", "N32", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[2]", "L24", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[3]", "M31", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[4]", "N33", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[5]", "M33", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[6]", "M34", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[7]", "N34", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[8]", "N31", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[9]", "P34", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[10]", "P31", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[11]", "P32", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[12]", "R34", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[13]", "R33", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[14]", "R32", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[15]", "T32", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[16]", "U32", OUT, IOSTD_3V3_LVTTL},
    {"OTG_A[17]", "R31", OUT, IOSTD_3V3_LVTTL},
    {"OTG_CS_n", "P28", OUT, IOSTD_3V3_LVTTL},
    {"OTG_WE_n", "N29", OUT, IOSTD_3V3_LVTTL},
    {"OTG_OE_n", "N30", OUT, IOSTD_3V3_LVTTL},
    {"OTG_HC_IRQ", "P29", IN, IOSTD_3V3_LVTTL},
    {"OTG_DC_IRQ", "R27", IN, IOSTD_3V3_LVTTL},
    {"OTG_RESET_n", "T23", OUT, IOSTD_3V3_LVTTL},
    {"OTG_HC_DREQ", "R28", IN, IOSTD_3V3_LVTTL},
    {"OTG_HC_DACK", "R25", OUT, IOSTD_3V3_LVTTL},
    {"OTG_DC_DREQ", "R26", IN, IOSTD_3V3_LVTTL},
    {"OTG_DC_DACK", "R24", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "R10", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "P8", OUT, IOSTD_3V3_LVTTL},
    {"SD_WPn", "N5", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT", "P7", IO, IOSTD_3V3_LVTTL},
    {"SD_DAT3", "R9", IO, IOSTD_3V3_LVTTL},
};
// 200 positions, 121 placeholders
constexpr const char* kDdr2Sodimm =
    "- - - AE7 AM1 AE8 AM2 - - AF5 "
    "AJ3 - AJ4 AC8 - AC9 AL1 - AL2 AE5 "
    "- AE6 AG3 - AG4 AB10 - - AK1 - "
    "AJ2 AE3 - - AJ1 AD6 AH2 AD7 - - "
    "- - AF3 AC7 AF4 AB8 - - AH1 - "
    "AG1 AB9 - - AF1 AC5 AF2 AC6 - - "
    "AJ15 AK15 AH15 AG15 - - AN13 AJ14 - AH14 "
    "- - AP12 AP13 AN12 AM12 - - AF6 AC11 "
    "- - - AA10 AP14 AE15 - - AM8 AJ10 "
    "AK7 AM6 AJ7 AK6 - - AM14 AJ6 AL14 AF10 "
    "AD12 AE10 - - AC12 AE12 AM17 AL13 AL17 AM16 "
    "- - AD13 AM15 AL16 AL15 - - AJ16 - "
    "- - AP10 AP11 AN10 AP9 - - AN9 AF15 "
    "AM9 - - AE14 AF14 AE13 AF13 - - AM11 "
    "AL12 AK10 AK12 - - AL11 AP8 AL10 - - "
    "AP7 AM7 AN7 AP6 - - AJ12 AJ13 AH12 AG12 "
    "- - - AE11 - AF11 AJ11 - AH11 AL8 "
    "- - AL9 AJ9 AK9 AL7 - - AP4 AP5 "
    "AN4 AP2 - - AN6 AP3 - AN3 AM5 - "
    "AL5 AM4 - AL4 - - - - U6 U7";
// 40 positions, 36 placeholders
constexpr const char* kGpio0 =
    "AE32 AL33 AE31 AL32 AL34 AH31 AM34 AH30 AK34 AJ32 "
    "- - AK33 AJ31 AH34 AG32 AJ34 AG31 AE19 AF32 "
    "AD19 AF31 AP21 AG34 AN21 AH33 AL21 AP22 - - "
    "AK21 AN22 AP25 AP24 AN25 AN24 AM23 AG21 AL23 AF21";
// 40 positions, 36 placeholders
constexpr const char* kGpio1 =
    "AP19 AC26 AN19 AC25 AE28 AD27 AE27 AD26 AD29 AF29 "
    "- - AD28 AF28 AB27 AE30 AB26 AE29 AE18 AB25 "
    "AD18 AB24 AM21 AD31 AP20 AD30 AL22 AJ20 - - "
    "AM22 AJ21 AD21 AP26 AE20 AP23 AK24 AE22 AL25 AE21";
// 180 positions, 130 placeholders
constexpr const char* kKirrelA =
    "- - AE19 AE32 AD19 AE31 - - AC26 AL33 "
    "AC25 AL32 - - AD27 AH31 AD26 AH30 - - "
    "AE28 AL34 AE27 AM34 - - AF29 AJ32 AF28 AJ31 "
    "- - AD29 AK34 AD28 AK33 - - AE30 AG32 "
    "AE29 AG31 - - AB27 AH34 AB26 AJ34 - - "
    "AB25 AF32 AB24 AF31 - - AD31 AG34 AD30 AH33 "
    "- - AE18 AP19 AD18 AN19 - - AM21 AP21 "
    "AP20 AN21 - - AJ20 AP22 AJ21 AN22 - - "
    "AL22 AL21 AM22 AK21 - - AP26 AP24 AP23 AN24 "
    "- - AD21 AP25 AE20 AN25 - - AE22 AG21 "
    "AE21 AF21 - - AK24 AM23 AL25 AL23 - - "
    "AJ23 AM24 AK22 AL24 - - AH23 AJ22 AJ24 AH22 "
    "- - AA24 AP18 - - - - - - "
    "- - AM28 AP27 AP29 AN27 AK25 AP28 AM26 AN28 "
    "AK27 AL27 AL28 AL26 AP32 AP31 AP30 AN31 AH25 AP33 "
    "AF23 AN33 AH26 AH24 AF24 AG24 AH27 AN30 AJ27 AM30 "
    "AJ29 AM32 AJ26 AM31 AL29 AM19 AM29 AL19 AE24 AD22 "
    "AE23 AC22 AL20 AK19 AM18 AJ19 AK18 AF20 AL18 AF19";
// 180 positions, 132 placeholders
constexpr const char* kKirrelB =
    "- - AD16 AE3 AD15 AE4 - - AE7 AM1 "
    "AE8 AM2 - - AF5 AJ3 AF6 AJ4 - - "
    "AC8 AL1 AC9 AL2 - - AE5 AG3 AE6 AG4 "
    "- - AB10 AK1 AC11 AJ2 - - AD6 AJ1 "
    "AD7 AH2 - - AC7 AF3 AB8 AF4 - - "
    "AB9 AH1 AA10 AG1 - - AC5 AF1 AC6 AF2 "
    "- - AF16 AP15 AE16 AN15 - - AK15 AJ15 "
    "AG15 AH15 - - AN13 AJ14 AP14 AH14 - - "
    "AP13 AP12 AM12 AN12 - - AP11 AP10 AP9 AN10 "
    "- - AF15 AN9 AE15 AM9 - - AE14 AF14 "
    "AE13 AF13 - - AM11 AL12 AK10 AK12 - - "
    "AP8 AL11 AM8 AL10 - - AM7 AP7 AP6 AN7 "
    "- - AD4 AP16 - - - - - - "
    "T9 T8 AJ13 AJ12 AG12 AH12 AL8 AJ11 AJ10 AH11 "
    "AJ9 AL9 AL7 AK9 AP5 AP4 AP2 AN4 AN6 AP3 "
    "AM6 AN3 AM4 AM5 AL4 AL5 AK6 AK7 AJ6 AJ7 "
    "AF11 AJ8 AE11 AH8 AF10 AM14 AE10 AL14 AD13 AD12 "
    "AE12 AC12 AL13 AM17 AK13 AL17 AM15 AK16 AL15 AJ16";
// 180 positions, 132 placeholders
constexpr const char* kKirrelC =
    "- - L16 K3 K16 K4 - - L8 D2 "
    "L9 D3 - - M9 D1 M10 C1 - - "
    "K7 G4 K8 G5 - - J6 F3 J7 F4 "
    "- - N10 E1 N11 E2 - - K5 H3 "
    "K6 H4 - - N8 G1 N9 F1 - - "
    "L6 J3 L7 J4 - - L4 H1 L5 G2 "
    "- - K17 A16 L17 B16 - - A15 A14 "
    "C14 B14 - - F15 A13 D15 B13 - - "
    "D14 E14 E13 F14 - - A12 A11 A9 B11 "
    "- - K15 A10 L14 B10 - - K14 H14 "
    "K13 J14 - - D13 C12 D10 D12 - - "
    "G13 C11 E11 D11 - - G12 F12 F11 F13 "
    "- - P11 A17 - - - - - - "
    "T5 T4 A6 A8 C7 B8 E10 A7 D8 B7 "
    "D7 C9 E8 D9 A5 A4 A3 B4 J12 A2 "
    "G10 B2 J11 G11 G9 H11 C6 B5 D6 C5 "
    "F9 C3 G8 C4 F8 C16 F6 D16 M13 K11 "
    "L13 K12 C17 E16 C15 F16 D17 J16 E17 J15";
// 180 positions, 132 placeholders
constexpr const char* kKirrelD =
    "- - L20 J34 L19 J33 - - J30 F32 "
    "J29 F31 - - K28 C34 K27 C33 - - "
    "N25 H32 M24 H31 - - M27 D34 M26 D33 "
    "- - K30 J32 K29 J31 - - L29 E34 "
    "L28 F33 - - M28 F34 N27 G33 - - "
    "N26 K32 P25 K31 - - L32 G34 L31 H34 "
    "- - J19 A20 K19 B20 - - H20 F20 "
    "E20 G20 - - A21 F21 A22 G21 - - "
    "C23 A23 B22 B23 - - A26 A25 A24 B25 "
    "- - J20 B26 K20 C26 - - K22 J21 "
    "K21 J22 - - E25 D24 C24 D25 - - "
    "C27 D23 A27 E23 - - A29 A28 C28 B28 "
    "- - M29 A19 - - - - - - "
    "R30 R29 H23 F23 F22 G23 D27 F24 F25 G24 "
    "D28 D26 F26 E26 A33 A31 A30 B31 B29 A32 "
    "C29 B32 D31 C30 C31 D30 G27 E28 F27 F28 "
    "K24 E29 J24 F29 K25 C21 J25 D21 K23 L23 "
    "L22 M23 E22 C18 D22 D18 D20 E19 C20 F19";
// clang-format on

constexpr const char* kGpioMaps[kGpioCount] = {kGpio0, kGpio1};
constexpr const char* kKirrelMaps[kKirrelCount] = {kKirrelA, kKirrelB, kKirrelC, kKirrelD};

constexpr int kKirrelPositions = 180;
constexpr int kDdr2Placeholders = 121;
static_assert(CountRowLocations(kUsb, "OTG_D[]") == 32);
static_assert(CountTablePins(kUsb) == 32 + 17 + 10);
static_assert(CountLocations(kDdr2Sodimm) == DDR2_SODIMM_PIN_NUM);

struct Device {
    const char* name;
    std::int32_t speedGrade;
};
// By board type: "C3" parts keep speed grade 2 but the 340C3.
constexpr Device kDevices[kLastBoardIndex + 1] = {
    {"EP3SL150F1152C3", 2}, {"EP3SE260F1152C2", 2}, {"EP3SL340H1152C2", 2},
    {"EP3SL340H1152C3", 3}, {"EP3SL150F1152C3", 2},
};

bool Carries(std::uint8_t id) {
    return static_cast<std::int8_t>(id) > 0;
}

} // namespace
} // namespace fennik

using namespace fennik;

void CONFIG_FENNIK(TMainBoard* pBoard, const FENNIK_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_FENNIK;
    if (Config.BoardId != BoardNumber(MAINBOARD_FENNIK)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_FENNIK");
    }
    if (Config.Size != FENNIK_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(FENNIK_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Stratix III";
    pBoard->m_PinCount = 1152;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 2;
    if (Config.nBoardIndex <= kLastBoardIndex) {
        pBoard->m_Device = kDevices[Config.nBoardIndex].name;
        pBoard->m_SpeedGrade = kDevices[Config.nBoardIndex].speedGrade;
    }

    const auto addGroup = [&](const char* name, std::span<const PinRow> rows) {
        pBoard->AddConnector(MakeGroupConnector(name, rows));
    };
    if (Config.bOSC) {
        addGroup("CLOCK", kClock);
    }
    if (Config.bLED) {
        addGroup("LED", kLed);
    }
    if (Config.bButton) {
        addGroup("BUTTON", kButton);
    }
    if (Config.bSwitch) {
        addGroup("SWITCH", kSwitch);
    }
    if (Config.bDIP) {
        addGroup("DIP SWITCH", kDip);
    }
    if (Config.bTemp) {
        addGroup("Temperature", kTemp);
    }
    if (Config.bSeg7) {
        addGroup("SEG7", kSeg7);
    }
    if (Config.bUSB) {
        addGroup("USB OTG", kUsb);
    }
    if (Config.bSDCARD) {
        addGroup("SDCARD", kSdcard);
    }

    if (Config.bDDR2) {
        auto socket = MakeExpansionConnector("DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                             CONNECTOR_ID_DDR2_SODIMM);
        AddHeaderPositions(*socket, kDdr2Sodimm);
        PINSMITH_ASSERT(socket->GetActivePinCount() == kDdr2Placeholders);
        pBoard->AddConnector(std::move(socket));
    }
    if (Config.bGPIO) {
        for (int h = 0; h < kGpioCount; ++h) {
            if (!Carries(Config.nGpioDaughterId[h])) {
                continue;
            }
            const CardId card = MakeCardId(Config.nGpioDaughterId[h]);
            auto header = MakeExpansionConnector(
                platform::Format("GPIO_%d", h),
                platform::Format("GPIO_%d connect to %s", h, BoardName(card).c_str()),
                CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, h));
            const int nNum = AddHeaderPositions(*header, kGpioMaps[h]);
            PINSMITH_ASSERT(nNum == GPIO_PIN_NUM);
            pBoard->AddConnector(std::move(header));
        }
    }
    for (int n = 0; n < kKirrelCount; ++n) {
        if (!Carries(Config.nKirrelDaughterId[n]) || (n == KIRREL_A && Config.bGPIO) ||
            (n == KIRREL_B && Config.bDDR2)) {
            continue;
        }
        pBoard->AddConnector(MakeLetteredPortConnector(
            "KIRREL-%c", n, MakeCardId(Config.nKirrelDaughterId[n]), CONNECTOR_KIRREL,
            ConnectorIdAt(CONNECTOR_ID_KIRREL_A, n), kKirrelMaps[n], kKirrelPositions));
    }
}
