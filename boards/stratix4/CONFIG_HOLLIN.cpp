#include "boards/stratix4/CONFIG_HOLLIN.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/stratix4/HollinId.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>

namespace hollin {
namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// Expansion connector positions 1..n -> FPGA pins; "-" is a position without
// a signal, ":in" a position that is an input whatever the card says.
// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_50_BANK2", "AB41", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK3", "AW22", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK6", "C2", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK7", "D21", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK8", "B22", IN, IOSTD_1V5, 0, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "AB4", IN, IOSTD_2V5},
    {"SMA_CLKIN_n", "AB3", IN, IOSTD_2V5},
    {"SMA_CLKOUT_p", "F21", OUT, IOSTD_2V5},
    {"SMA_CLKOUT_n", "E21", OUT, IOSTD_2V5},
};
constexpr PinRow kLed[] = {
    {"LED[]", "N37 M38 N38 N39 M39 L39 M40 L40", OUT, IOSTD_2V5},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "AD35 AD36 AD37 AD38", IN, IOSTD_2V5},
    {"CPU_RESET_n", "W39", IN, IOSTD_2V5},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "AD32 AD33 AE33 AE34 AF36 AE36 AF37 AE37", IN, IOSTD_2V5},
};
constexpr PinRow kSeg7[] = {
    {"MAX2_CS_n", "W40", OUT, IOSTD_2V5},
    {"MAX2_I2C_SCL", "Y30", OUT, IOSTD_2V5},
    {"MAX2_I2C_SDA", "W38", IO, IOSTD_2V5},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "M30", OUT, IOSTD_1V5},
    {"TEMP_DATA", "G23", IO, IOSTD_1V5},
    {"TEMP_INT_n", "G32", IN, IOSTD_1V5},
    {"TEMP_OVERT_n", "C25", IN, IOSTD_1V5},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "G24", OUT, IOSTD_1V5},
    {"FAN_SPEED", "A23", IN, IOSTD_1V5},
};
constexpr PinRow kFsmData[] = {
    {"FSM_D[]", "M42 M41 K41 K42 N42 P36 R38 R37 T38 AA38 Y39 T39 P42 P37 N41 N40", IO, IOSTD_2V5},
};
constexpr PinRow kFsmAddress[] = {
    {"FSM_A[1]", "U40", OUT, IOSTD_2V5},
    {"FSM_A[2]", "Y42", OUT, IOSTD_2V5},
    {"FSM_A[3]", "Y40", OUT, IOSTD_2V5},
    {"FSM_A[4]", "V37", OUT, IOSTD_2V5},
    {"FSM_A[5]", "V38", OUT, IOSTD_2V5},
    {"FSM_A[6]", "U39", OUT, IOSTD_2V5},
    {"FSM_A[7]", "T40", OUT, IOSTD_2V5},
    {"FSM_A[8]", "U42", OUT, IOSTD_2V5},
    {"FSM_A[9]", "T41", OUT, IOSTD_2V5},
    {"FSM_A[10]", "T42", OUT, IOSTD_2V5},
    {"FSM_A[11]", "P40", OUT, IOSTD_2V5},
    {"FSM_A[12]", "P39", OUT, IOSTD_2V5},
    {"FSM_A[13]", "R42", OUT, IOSTD_2V5},
    {"FSM_A[14]", "R41", OUT, IOSTD_2V5},
    {"FSM_A[15]", "R40", OUT, IOSTD_2V5},
    {"FSM_A[16]", "T35", OUT, IOSTD_2V5},
    {"FSM_A[17]", "R35", OUT, IOSTD_2V5},
    {"FSM_A[18]", "R34", OUT, IOSTD_2V5},
    {"FSM_A[19]", "U37", OUT, IOSTD_2V5},
    {"FSM_A[20]", "R36", OUT, IOSTD_2V5},
    {"FSM_A[21]", "W42", OUT, IOSTD_2V5},
    {"FSM_A[22]", "T37", OUT, IOSTD_2V5},
    {"FSM_A[23]", "T34", OUT, IOSTD_2V5},
    {"FSM_A[24]", "R33", OUT, IOSTD_2V5},
    {"FSM_A[25]", "U36", OUT, IOSTD_2V5},
};
constexpr PinRow kFlash[] = {
    {"FLASH_RDY_BSY_n", "Y36", IN, IOSTD_2V5},
    {"FLASH_CLK", "V34", OUT, IOSTD_2V5},
    {"FLASH_RESET_n", "AA37", OUT, IOSTD_2V5},
    {"FLASH_OE_n", "W33", OUT, IOSTD_2V5},
    {"FLASH_WE_n", "AA32", OUT, IOSTD_2V5},
    {"FLASH_ADV_n", "W34", OUT, IOSTD_2V5},
    {"FLASH_CE_n", "W37", OUT, IOSTD_2V5},
    {"FLASH_WP_n", "AA36", OUT, IOSTD_2V5},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", "AA31", OUT, IOSTD_2V5},
    {"SSRAM_BWB_n", "V31", OUT, IOSTD_2V5},
    {"SSRAM_CLK", "U31", OUT, IOSTD_2V5},
    {"SSRAM_OE_n", "W31", OUT, IOSTD_2V5},
    {"SSRAM_WE_n", "W30", OUT, IOSTD_2V5},
    {"SSRAM_GW_n", "V32", OUT, IOSTD_2V5},
    {"SSRAM_CE1_n", "T31", OUT, IOSTD_2V5},
    {"SSRAM_ADSC_n", "U33", OUT, IOSTD_2V5},
    {"SSRAM_ADSP_n", "V33", OUT, IOSTD_2V5},
    {"SSRAM_ADV_n", "T33", OUT, IOSTD_2V5},
    {"SSRAM_MODE", "U30", OUT, IOSTD_2V5},
    {"SSRAM_ZZ", "T32", OUT, IOSTD_2V5},
};
constexpr PinRow kOct[] = {
    {"mem_oct_rdn", "J32", IN, IOSTD_1V5},
    {"mem_oct_rup", "K32", IN, IOSTD_1V5},
};
constexpr PinRow kFmcI2c[] = {
    {"FMAB_CLK", "AD30", OUT, IOSTD_2V5},
    {"FMAB_SDA", "AG38", IO, IOSTD_2V5},
    {"FMCD_CLK", "AG37", OUT, IOSTD_2V5},
    {"FMCD_SDA", "AD31", IO, IOSTD_2V5},
};
// 204 positions, 124 placeholders
constexpr const char* kDdr3Sodimm =
    "- - - C28 L24 B27 K24 - - A28 "
    "M24 B28 - - K25 A26 J25 A27 - - "
    "H27 G28 G27 H28 - - C29 G29 D29 C26 "
    "- - F28 E28 D28 D30 - - L28 D31 "
    "J28 C32 - - D33 J29 E33 - - D32 "
    "K28 C34 H30 - - A32 E30 A33 F30 - "
    "- A34 E31 B34 - - F31 A35 G31 B33 "
    "- - D25 H24 - - - F24 D26 F23 "
    "- - D24 F25 E25 E24 - - G26 F26 "
    "F27 C39 - - H25 D38 J27 C38 - - "
    "B25 B24 A25 A24 - - M27 K33 K29 H33 "
    "- - G30 F37 L31 E37 - - J33 D37 "
    "K31 - - - - - - - M25 A29 "
    "M26 A30 - - B31 N26 C31 - - A31 "
    "K27 B30 L27 - - D35 K30 F35 L30 - "
    "- E36 N29 F36 - - M29 C36 N28 D36 "
    "- - J34 A38 H34 B39 - - A40 G33 "
    "B40 - - A39 G34 A41 G35 - - H31 "
    "B36 F33 A36 - - B37 F32 C37 - - "
    "A37 C35 F34 E34 - - - J24 - D23 "
    "- C23 - -";
// 160 positions, 84 placeholders
constexpr const char* kHsmcA =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - D20 A19 - - - - M19 D22:in "
    "L12 A3 M12 A2 - - K12 D5 J12 C5 "
    "- - K10 C4 J9 B4 - - J10 B7 "
    "H9 A7 - - F6 D6 E6 C6 - - "
    "B3 B6 A4 A6 - - F7 F9 D8 F8 "
    "- - C8 E7 A5 D7 - - G11 E9 "
    "F11 D9 - - G10 B21:in F10 A21:in - - "
    "M13 G9 N14 G8 - - M14 A17 M15 A16 "
    "- - F17 C15 F16 B15 - - A15 K11 "
    "B16 J11 - - G17 C18 G18 B18 - - "
    "E19 E18 D19 D18 - - F19 D17 G19 C17 "
    "- - L18 L13 K18 K13 - - L19 E16 "
    "K19 D16 - - H21 J18 G21 H18 - -";
// 160 positions, 84 placeholders
constexpr const char* kHsmcB =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - D14 A10 - - - - B10 C22:in "
    "M18 L16 N17 L15 - - V13 P4 V12 P3 "
    "- - V11 R5 U10 R4 - - T10 N4 "
    "R9 N3 - - T8 N1 T7 P1 - - "
    "R8 N6 R7 N5 - - P7 L4 P6 L3 "
    "- - R10 L1 P9 M1 - - T12 M3 "
    "T11 M2 - - M16 AA41:in M17 AA42:in - - "
    "U13 M5 U12 M4 - - K17 E10 G16 D10 "
    "- - K15 F12 K14 E12 - - H16 C12 "
    "J16 B12 - - H13 D11 G12 C11 - - "
    "G13 A9 G14 A8 - - F14 H15 D13 G15 "
    "- - C9 F13 D12 E13 - - B9 J14 "
    "A11 J13 - - A12 AA39 A14 AA40 - -";
// 400 positions, 168 placeholders
constexpr const char* kFmcA =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - G3 G2 - - D2 D1 - - T6 T5 - "
    "- AH2 AH1 - - AK1 AJ1 - - - - - - - - - - - - - "
    "- - - - - - - J2 J1 - F4 F3 - E1 F1 - K2 K1 - AF4 "
    "AF3 - U1 V1 - V3 V2 - - - - - - - - - - - - - "
    "- AC10 AC9 - - Y13 Y12 - AE10 AE9 - Y7 Y6 - AE7 AE6 - AH8 AH7 - "
    "G5 G4 - L7 L6 - M9 M8 - W12 W11 - V8 V7 - AG2 AG1 - - - "
    "- - - AD10 AD9 - AA12 AA11 - AG9 AG8 - AA6 AA5 - AF7 AF6 - AJ7 AJ6 "
    "- J6 J5 - M7 M6 - N9 N8 - R12 R11 - U7 U6 - Y10 W9 - - "
    "- AA2 AA1 - - J4 J3 - E4 E3 - G1 H1 - T4 T3 - T2 T1 - "
    "W4 W3 - AL1 AM1 - W1 Y1 - AL5 AL4 - AG4 AG3 - AK4 AK3 - - - "
    "- - - AB2 AB1 - H4 H3 - C3 D3 - V5 V4 - U4 U3 - AM4 AM3 "
    "- R2 R1 - AN2 AN1 - Y4 Y3 - AH5 AH4 - AJ4 AJ3 - AL3 AL2 - - "
    "- K4 K3 - - AC13 AC12 - AD12 AD11 - AB6 AB5 - AG6 AG5 - AH10 AH9 - "
    "AE12 AE11 - K6 K5 - N11 N10 - P13 P12 - V10 V9 - W6 W5 - - - "
    "- - - AA4 AA3 - AD14 AD13 - AD8 AD7 - AK6 AK5 - AF10 AF9 - AG11 AG10 "
    "- AF12 AG12 - J8 J7 - AA8 AA7 - R14 R13 - W8 W7 - AB8 AB7 - -";
// 400 positions, 168 placeholders
constexpr const char* kFmcB =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - AN12 AP12 - - AV7 AW7 - - AY9 BA9 - "
    "- AW14 AY14 - - BA24 BB24 - - - - - - - - - - - - - "
    "- - - - - - - AM13 AN13 - AR9 AT9 - AU13 AV13 - AW5 AY5 - BB8 "
    "BB9 - AV24 AW24 - BA13 BB13 - - - - - - - - - - - - - "
    "- AL13 AK14 - - AT15 AN17 - AT11 AN11 - AR15 AT14 - AV15 AW15 - BB7 AY8 - "
    "AN6 AN5 - AL7 AL6 - AK11 AJ10 - AR1 AT1 - AU3 AU2 - AW3 AY3 - - - "
    "- - - AL14 AK15 - AR12 AM12 - AP14 AR13 - AU8 AW8 - AY10 AW12 - AP16 AN16 "
    "- AM7 AM6 - AK8 AK7 - AL12 AL11 - AJ13 AJ12 - AW2 AW1 - AV4 AV3 - - "
    "- BB5 BB6 - - AL16 AM16 - AN10 AP10 - AR16 AT16 - AY4 BA4 - AW10 AW11 - "
    "AP24 AR24 - AW23 AY23 - AY25 BA25 - AY28 BA28 - AU1 AV1 - AU5 AU4 - - - "
    "- - - AY2 AY1 - AN15 AN14 - AW6 AY6 - AU12 AV12 - BB2 BB3 - BA10 BB10 "
    "- AY12 BA12 - AV25 AW25 - BA27 BB27 - AV27 AW27 - AP4 AP3 - AT4 AT3 - - "
    "- AV9 AW9 - - AM15 AK17 - AP9 AR10 - AT8 AU7 - AU11 AU10 - AT13 AU14 - "
    "AY11 BB11 - AK10 AK9 - AH12 AH11 - AH14 AH13 - AP2 AP1 - AR4 AR3 - - - "
    "- - - BA6 BA7 - AL18 AL17 - AT10 AU9 - AU6 AV6 - BA3 BB4 - AU15 AW13 "
    "- BB14 BB12 - AP6 AP5 - AR22 AT22 - AK13 AK12 - AN4 AN3 - AU22 AV22 - -";
// 400 positions, 168 placeholders
constexpr const char* kFmcC =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - AR19 AP20 - - AM25 AN25 - - BB18 BB20 - "
    "- AL28 AK29 - - AN31 AR31 - - - - - - - - - - - - - "
    "- - - - - - - AR21 AT21 - AN18 AN19 - BB15 BA16 - AN20 AT20 - AL23 "
    "AL24 - AL25 AL26 - AL29 AL30 - - - - - - - - - - - - - "
    "- AU21 AV21 - - AR27 AT27 - BB16 BB17 - BA30 BB30 - AT31 AU31 - BA33 BB33 - "
    "AU34 AV34 - AV33 AW33 - AW36 AY36 - AK26 AL27 - AW31 AY33 - AW35 AU35 - - - "
    "- - - AP18 AR18 - AY15 BA15 - AW29 AY29 - AT19 AU19 - AM30 AN30 - AY31 BA31 "
    "- BA36 BB36 - AU36 AV36 - AY39 BA39 - AW30 AV28 - AT29 AV31 - AW37 AV37 - - "
    "- BA21 BB21 - - AL20 AL21 - BB23 BB25 - AM18 AM19 - AU16 AU18 - BB31 BB29 - "
    "AM28 AN28 - AU23 AT24 - AL31 AM31 - AP25 AR25 - AW34 AU32 - AP29 AN29 - - - "
    "- - - BA22 BB22 - AU17 AT17 - AV18 AV19 - AU24 AT23 - BB26 BB28 - AY26 AW26 "
    "- AW28 AU28 - AN24 AM24 - AU26 AT26 - AU29 AR28 - BB37 AY35 - AU33 AT32 - - "
    "- AY18 BA18 - - AV16 AW16 - AW18 AW19 - AW20 AY20 - AM27 AN27 - AU30 AV30 - "
    "BB34 BB35 - BB40 BB41 - AT37 AU37 - AT28 AP27 - BB32 BA34 - AR34 AR33 - - - "
    "- - - AW21 AY21 - AW17 AY17 - BA19 BB19 - AT25 AU25 - AR30 AT30 - AN32 AP32 "
    "- AW32 AY32 - AT34 AT35 - AY37 BA37 - AW38 AY38 - BB39 BA40 - AP34 AP33 - -";
// 400 positions, 168 placeholders
constexpr const char* kFmcD =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - AG35 AG36 - - AF33 AF34 - - AG31 AG32 - "
    "- G37 G38 - - K37 K38 - - - - - - - - - - - - - "
    "- - - - - - - AH33 AH34 - AF30 AF31 - AJ30 AJ31 - AC36 AC37 - AB32 "
    "AB33 - AH29 AH30 - K35 K36 - - - - - - - - - - - - - "
    "- AN41 AN42 - - AJ39 AJ40 - AF42 AE42 - AM42 AL42 - AP39 AP40 - AK42 AJ42 - "
    "AF39 AF40 - AE40 AE41 - J39 J40 - F38 F39 - R31 R32 - M36 M37 - - - "
    "- - - AK37 AK38 - AG39 AG40 - AD42 AC42 - AM39 AM40 - AT42 AR42 - AU40 AU41 "
    "- AD39 AD40 - AH38 AH39 - H39 H40 - J41 J42 - F42 E42 - N33 N34 - - "
    "- AL40 AL41 - - AK32 AJ33 - AJ36 AJ37 - AH31 AH32 - AM36 AM37 - AK30 AK31 - "
    "AL36 AL37 - AP37 AP38 - J37 J38 - AC30 AC31 - P30 P31 - N35 N36 - - - "
    "- - - AB39 AB40 - AK33 AK34 - AH36 AH37 - AG33 AG34 - AE30 AE31 - AP35 AP36 "
    "- AN37 AN38 - AR36 AR37 - AC33 AC34 - R29 R30 - N31 N32 - M31 M32 - - "
    "- AY41 AY42 - - AL38 AL39 - AB37 AB38 - AV42 AU42 - AR39 AR40 - AP41 AP42 - "
    "AW41 AW42 - AG41 AG42 - AC39 AC40 - G39 G40 - F40 F41 - D40 C40 - - - "
    "- - - C41 C42 - AN39 AN40 - AE38 AE39 - AY40 AW40 - AV39 AV40 - AT39 AT40 "
    "- AK39 AK40 - AH41 AH42 - K39 K40 - G41 G42 - D41 D42 - E39 E40 - -";
// clang-format on

constexpr const char* kHsmcMaps[HOLLIN_HSMC_NUM] = {kHsmcA, kHsmcB};
constexpr const char* kFmcMaps[HOLLIN_FMC_NUM] = {kFmcA, kFmcB, kFmcC, kFmcD};

constexpr int kHsmcPositions = 160;
// Only the flash uses address lines 21..25.
constexpr std::size_t kSsramAddressPins = 20;
static_assert(CountTablePins(kFsmData) == 16);
static_assert(std::size(kFsmAddress) == 25);
static_assert(CountLocations(kDdr3Sodimm) == DDR3_SODIMM_PIN_NUM);
static_assert(CountLocations(kFmcA) == FMC_HPC_PIN_NUM);

// HSMC positions whose pins keep a standard of the bank whatever the card
// gives: 33 and 34 at 2.5 V, the input at 40 at 1.5 V.
struct FixedStandard {
    int position;
    IoStd standard;
};
constexpr FixedStandard kHsmcFixed[] = {{33, IOSTD_2V5}, {34, IOSTD_2V5}, {40, IOSTD_1V5}};

} // namespace
} // namespace hollin

using namespace hollin;

void CONFIG_HOLLIN(TMainBoard* pBoard, const HOLLIN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_HOLLIN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_HOLLIN");
    }
    if (Config.Size != HOLLIN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(HOLLIN_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Stratix IV";
    pBoard->m_Device = "EP4SE820F43C3";
    pBoard->m_PinCount = 1760;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 2;

    const auto addGroup = [&](const char* name, std::span<const PinRow> rows) {
        pBoard->AddConnector(MakeGroupConnector(name, rows));
    };
    if (Config.bOSC) {
        addGroup("CLOCK", kClock);
    }
    if (Config.bSma) {
        addGroup("SMA", kSma);
    }
    if (Config.bLED) {
        addGroup("LED x 8", kLed);
    }
    if (Config.bButton) {
        addGroup("BUTTON x 4 and CPU_RESET_n", kButton);
    }
    if (Config.bSwitch) {
        addGroup("SLIDE SWITCH x 8", kSwitch);
    }
    if (Config.bSeg7) {
        addGroup("I2C 7-Segment", kSeg7);
    }
    if (Config.bTemp) {
        addGroup("Temperature (Addresss 0011000b)", kTemp);
    }
    if (Config.bFan) {
        addGroup("Fan", kFan);
    }
    if (Config.bFlash || Config.bSSRAM) {
        const char* name = "Flash and SSRAM Address/Data Share Bus";
        auto bus = MakeGroupConnector(name, kFsmData);
        AddPinRows(*bus,
                   {name, Config.bFlash ? std::span<const PinRow>(kFsmAddress)
                                        : std::span<const PinRow>(kFsmAddress, kSsramAddressPins)});
        pBoard->AddConnector(std::move(bus));
    }
    if (Config.bFlash) {
        addGroup("Flash Control", kFlash);
    }
    if (Config.bSSRAM) {
        addGroup("SSRAM Control", kSsram);
    }
    if (Config.bDDR3) {
        auto socket = MakeExpansionConnector("DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM,
                                             CONNECTOR_ID_DDR3_SODIMM);
        AddHeaderPositions(*socket, kDdr3Sodimm);
        pBoard->AddConnector(std::move(socket));
        addGroup("OCT RUP/RDN for Altera DDR3 NewPHY Controller", kOct);
    }
    for (int n = 0; n < HOLLIN_HSMC_NUM; ++n) {
        if (Config.nHsmcDaughterId[n] == 0) {
            continue;
        }
        auto port = MakeLetteredPortConnector("HSMC-%c", n, MakeCardId(Config.nHsmcDaughterId[n]),
                                              CONNECTOR_HSMC, ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                                              kHsmcMaps[n], kHsmcPositions);
        for (const FixedStandard& fixed : kHsmcFixed) {
            TPin* pin = port->GetPin(fixed.position - 1);
            PINSMITH_ASSERT(pin != nullptr);
            pin->SetIoStandard(fixed.standard);
        }
        pBoard->AddConnector(std::move(port));
    }
    bool anyFmc = false;
    for (int n = 0; n < HOLLIN_FMC_NUM; ++n) {
        if (Config.nFmcDaughterId[n] == 0) {
            continue;
        }
        anyFmc = true;
        pBoard->AddConnector(MakeLetteredPortConnector(
            "FMC-%c", n, MakeCardId(Config.nFmcDaughterId[n]), CONNECTOR_FMC_HPC,
            ConnectorIdAt(CONNECTOR_ID_FMC_A, n), kFmcMaps[n], FMC_HPC_PIN_NUM));
    }
    if (anyFmc) {
        // One bus per pair of ports: A/B and C/D.
        const std::uint8_t* ids = Config.nFmcDaughterId;
        const bool ab = ids[FMC_A] != 0 || ids[FMC_B] != 0;
        const bool cd = ids[FMC_C] != 0 || ids[FMC_D] != 0;
        const std::span<const PinRow> rows(kFmcI2c);
        const std::span<const PinRow> pins = ab && cd ? rows : ab ? rows.first(2) : rows.last(2);
        addGroup("FMC I2C", pins);
    }
}
