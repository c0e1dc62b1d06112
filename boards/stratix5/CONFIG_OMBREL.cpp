#include "boards/stratix5/CONFIG_OMBREL.h"

#include "boards/PinTable.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/StratixVPins.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>
#include <string>

namespace {

using namespace stratix5;

constexpr IoStd V15 = IOSTD_1V5;
constexpr IoStd V18 = IOSTD_1V8;
constexpr IoStd V25 = IOSTD_2V5;
constexpr IoStd PCML = IOSTD_1V5_PCML;

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_50_B3B", "AW35", IN, V25, 0, 20},
    {"OSC_50_B3D", "BC28", IN, V18, 0, 20},
    {"OSC_50_B4A", "AP10", IN, V18, 0, 20},
    {"OSC_50_B4D", "AY18", IN, V18, 0, 20},
    {"OSC_50_B7A", "M8", IN, V15, 0, 20},
    {"OSC_50_B7D", "J18", IN, V15, 0, 20},
    {"OSC_50_B8A", "R36", IN, V15, 0, 20},
    {"OSC_50_B8D", "R25", IN, V18, 0, 20},
};
// With CLOCK unticked, the clock the oscillator controllers run on.
constexpr std::span<const PinRow> kControllerClock(kClock, 1);
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "BB33", IN, V25},
    {"SMA_CLKOUT", "AV34", OUT, V25},
};
constexpr PinRow kLed[] = {
    {"LED[]", "AW37 AV37 BB36 BB39", OUT, V25},
    {"LED_BRACKET[]", "AH15 AH13 AJ13 AJ14", OUT, V25},
    {"LED_RJ45_L", "AG15", OUT, V25},
    {"LED_RJ45_R", "AG16", OUT, V25},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "AK15 AK14 AL14 AL15", IN, V25},
    {"CPU_RESET_n", "BC37", IN, V25},
};
constexpr PinRow kReset[] = {{"CPU_RESET_n", "BC37", IN, V25}};
constexpr PinRow kSwitch[] = {{"SW[]", "B25 A25 B23 A23", IN, V18}};
constexpr PinRow kSeg7[] = {
    {"HEX0_D[]", "G8 H8 J9 K10 K8 K9 N8", OUT, V15},
    {"HEX0_DP", "P8", OUT, V15},
    {"HEX1_D[]", "H18 G16 F16 A7 B7 C9 D10", OUT, V15},
    {"HEX1_DP", "E9", OUT, V15},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_CLK", "D21", OUT, V25},
    {"TEMP_DATA", "D20", IO, V25},
    {"TEMP_INT_n", "C21", IN, V25},
    {"TEMP_OVERT_n", "C22", IN, V25},
};
constexpr PinRow kFan[] = {{"FAN_CTRL", "AR32", IO, V25}};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "AG14", OUT, V25},
    {"RS422_DIN", "AE18", IN, V25},
    {"RS422_DOUT", "AE17", OUT, V25},
    {"RS422_RE_n", "AF17", OUT, V25},
    {"RS422_TE", "AF16", OUT, V25},
};
// Receive and transmit alternate lane by lane.
constexpr PinRow kPcie[] = {
    {"PCIE_RX_p[0]", "BB43", IN, PCML}, {"PCIE_TX_p[0]", "AY39", OUT, PCML},
    {"PCIE_RX_p[1]", "BA41", IN, PCML}, {"PCIE_TX_p[1]", "AV39", OUT, PCML},
    {"PCIE_RX_p[2]", "AW41", IN, PCML}, {"PCIE_TX_p[2]", "AT39", OUT, PCML},
    {"PCIE_RX_p[3]", "AY43", IN, PCML}, {"PCIE_TX_p[3]", "AU41", OUT, PCML},
    {"PCIE_RX_p[4]", "AT43", IN, PCML}, {"PCIE_TX_p[4]", "AN41", OUT, PCML},
    {"PCIE_RX_p[5]", "AP43", IN, PCML}, {"PCIE_TX_p[5]", "AL41", OUT, PCML},
    {"PCIE_RX_p[6]", "AM43", IN, PCML}, {"PCIE_TX_p[6]", "AJ41", OUT, PCML},
    {"PCIE_RX_p[7]", "AK43", IN, PCML}, {"PCIE_TX_p[7]", "AG41", OUT, PCML},
    {"PCIE_REFCLK_p", "AK38", IN, IOSTD_HCSL},
    {"PCIE_PERST_n", "AU33", IN, V25},
    {"PCIE_WAKE_n", "BD35", OUT, V25},
    {"PCIE_SMBCLK", "BD34", IO, V25},
    {"PCIE_SMBDAT", "AT33", IO, V25},
};
constexpr PinRow kFlashBus[] = {
    {"FSM_D[]", "AG26 AD33 AE34 AF31 AG28 AG30 AF29 AE29 AG25 AF34 AE33 AE31 AF28 AE30 AG29 AG27 "
                "AP28 AN28 AU31 AW32 BD32 AY31 BA30 BB30 AM29 AR29 AV31 AV32 BC31 AW30 BC32 BD31",
     IO, V25},
    {"FSM_A[]", "AU32 AH30 AJ30 AH31 AK30 AJ32 AG33 AL30 AK33 AJ33 AN30 AH33 AK32 AM32 AM31 AL31 "
                "AN33 AP33 AT32 AT29 AP31 AR30 AU30 AJ31 AP30 AN31 AT30",
     OUT, V25},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AK29", OUT, V25},
    {"FLASH_CE_n[0]", "AE27", OUT, V25},
    {"FLASH_CE_n[1]", "BA31", OUT, V25},
    {"FLASH_CLK", "AL29", OUT, V25},
    {"FLASH_OE_n", "AY30", OUT, V25},
    {"FLASH_RDY_BSY_n[0]", "BA29", IN, V25},
    {"FLASH_RDY_BSY_n[1]", "BB32", IN, V25},
    {"FLASH_RESET_n", "AE28", OUT, V25},
    {"FLASH_WE_n", "AR31", OUT, V25},
};
// SATA host 0, host 1, device 0, device 1.
constexpr PinRow kSataLanes[4][2] = {
    {{"SATA_HOST_RX_p[0]", "K2", IN, PCML}, {"SATA_HOST_TX_p[0]", "K6", OUT, PCML}},
    {{"SATA_HOST_RX_p[1]", "H2", IN, PCML}, {"SATA_HOST_TX_p[1]", "H6", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[0]", "K43", IN, PCML}, {"SATA_DEVICE_TX_p[0]", "K39", OUT, PCML}},
    {{"SATA_DEVICE_RX_p[1]", "H43", IN, PCML}, {"SATA_DEVICE_TX_p[1]", "H39", OUT, PCML}},
};
constexpr PinRow kRzq[] = {
    {"RZQ_0", "BA36", IN, V25},
    {"RZQ_1", "AR8", IN, V18},
    {"RZQ_4", "H9", IN, V15},
    {"RZQ_5", "P35", IN, V15},
};
constexpr PinRow kQdrA[] = {
    {"QDRIIA_A[]", "AU29 BA28 AP27 AK27 AN27 AM28 AV28 AY27 BC29 AU28 AW27 AY28 BD28 AV29 AW29 BB29 BD29 AL27 AR27 AL28 AR28", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_D[]", "AH28 AH27 AH25 AJ28 AJ27 AJ26 AJ25 AL25 AH24 AN25 AM26 AM25 AL26 AK26 AU27 AU26 AV26 AW26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_Q[]", "AK23 BB26 BD26 BA24 AL23 AJ23 AL21 AK21 AJ22 AW24 BC26 AY25 AU24 AV25 AU25 AR25 AP24 AL24", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_BWS_n[]", "AJ24 AT27", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_K_p", "AP25", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_K_n", "AR26", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_CQ_p", "AH22", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_n", "BA25", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_DOFF_n", "AR23", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_ODT", "AN23", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_QVLD", "AM23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_RPS_n", "AT26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_WPS_n", "AK24", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrB[] = {
    {"QDRIIB_A[]", "AR24 BB23 AK20 AJ19 AL20 AG19 AT23 AU23 AV23 AM22 AJ20 AG20 AW23 BB24 AY24 BD23 BC23 AG21 AM20 AK18 AN22", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_D[]", "BB21 BD20 BC20 AR22 BB20 AU22 BA21 AY21 AW21 AT21 AR21 AP21 BD22 BC22 BA22 AV22 AY22 AW22", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_Q[]", "AR19 AM19 AL19 AM17 AL18 AN19 AU18 AK17 AL17 AG17 AJ18 AJ17 AG18 AU19 AW19 AV19 AP19 AN20", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_BWS_n[]", "AV20 AU21", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_K_p", "AR20", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_K_n", "AT20", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_CQ_p", "AJ15", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_n", "AP18", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_DOFF_n", "AH19", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_ODT", "AH18", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_QVLD", "AJ16", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_RPS_n", "AW20", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_WPS_n", "AU20", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrC[] = {
    {"QDRIIC_A[]", "AV16 AW16 AP16 AW9 BD7 BC7 AR17 AR18 AT17 BB9 AH21 AU17 AU16 BB8 AT18 AW17 AV17 AU8 AT9 AV8 AN17", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_D[]", "AG9 AG10 AG12 AG11 AV10 AH12 AK12 AL12 AJ12 AN12 AM13 AR12 AR13 AU9 AU10 AU11 AV11 AT12", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_Q[]", "BA12 AF14 AE13 AD14 AE12 AF11 AE11 AE10 AE9 BB11 AW11 AF10 AY12 AW10 AY10 BB12 BC10 BA10", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_BWS_n[]", "AJ11 AJ10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_K_p", "AP12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_K_n", "AP13", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_CQ_p", "BC11", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_n", "AF13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_DOFF_n", "AE14", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_ODT", "BD10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_QVLD", "BD11", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_RPS_n", "AH10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_WPS_n", "AL11", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrD[] = {
    {"QDRIID_A[]", "N26 P28 N28 L26 K27 L27 U26 T26 T27 V27 U27 R27 P27 V25 V26 T25 P26 M27 M28 P29 D29", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_D[]", "H25 H24 H23 J25 J24 K25 D26 F25 G25 N23 P24 P23 L24 R24 U23 U24 T24 T23", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_Q[]", "C27 A26 B26 F26 G26 C28 A29 A28 B28 G28 F28 D27 G29 F29 H28 K28 J28 H29", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_BWS_n[]", "E26 K26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_K_p", "L23", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_K_n", "K24", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_CQ_p", "E29", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_n", "H27", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_DOFF_n", "E27", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_ODT", "H26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_QVLD", "J27", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_RPS_n", "F24", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_WPS_n", "M23", OUT, IOSTD_1V8_HSTL_I},
};
constexpr const char* kDdr3SocketA =
    "- - - B32 A35 D35 A34 - - B34 C36 C34 "
    "- - D36 D33 C33 E33 - - A32 B29 A31 E30 "
    "- - B31 E32 C31 H33 - - C30 F31 D30 G31 "
    "- - F35 F34 G34 E35 - - G35 H34 H35 - "
    "- J31 J33 K31 J34 - - R34 P34 T34 R33 - "
    "- T35 L32 U35 - - M34 W34 L33 V35 - - "
    "E36 B35 - - - B38 J36 K34 - - K36 C37 "
    "K37 K35 - - K32 D37 K29 H36 - - L36 N38 "
    "L35 M39 - - G37 J37 F36 H37 - - M38 P39 "
    "M37 P38 - - N37 P36 M36 V36 - - M33 W35 "
    "R28 - - - - - - - P33 N31 P32 M31 "
    "- - T32 N32 T33 - - U32 V33 U33 V34 - "
    "- T31 R31 Y32 W31 - - R30 W32 T30 - - "
    "U30 T29 P31 P30 - - H32 F32 H31 G32 - - "
    "H30 K30 J30 - - M30 L30 N29 L29 - - V30 "
    "U29 V29 V28 - - Y29 T28 Y30 - - Y28 W28 "
    "W29 Y27 - - - K19 - P15 - C15 - -";
constexpr const char* kDdr3SocketB =
    "- - - V13 Y17 V16 W17 - - W16 R15 Y16 "
    "- - V15 W14 T15 U15 - - T17 N16 T16 M15 "
    "- - U17 K15 V17 T20 - - R16 M14 P16 L14 "
    "- - T14 U12 U14 R13 - - N14 V12 P14 - "
    "- P13 U11 N13 T13 - - N11 K12 M11 J12 - "
    "- L11 G10 K11 - - J10 H10 H12 H11 - - "
    "P17 V18 - - - R19 M20 T19 - - K18 R18 "
    "J19 T18 - - H17 M17 H16 N19 - - F19 N17 "
    "F17 G17 - - B16 E17 A16 D17 - - C19 G19 "
    "C18 H19 - - D18 B19 A17 M18 - - E18 A19 "
    "B17 - - - - - - - T10 V10 R10 V9 "
    "- - T9 T12 U9 - - R12 M12 P12 L12 - "
    "- E14 D14 F14 C13 - - D15 C16 E15 - - "
    "B14 A14 B13 A13 - - K13 J13 K16 J16 - - "
    "K14 H15 L15 - - G13 H13 F13 H14 - - G11 "
    "D11 F11 C10 - - C12 B11 D12 - - A10 E11 "
    "B10 E12 - - - K17 - P19 - P18 - -";
constexpr PinRow kSfpA[] = {
    {"SFPA_TX_p", "AG4", OUT, PCML},       {"SFPA_RX_p", "AK2", IN, PCML},
    {"SFPA_RATESEL[]", "E20 G22", OUT, V25}, {"SFPA_LOS", "F22", IN, V25},
    {"SFPA_MOD0_PRSNT_n", "E21", IN, V25}, {"SFPA_MOD1_SCL", "B20", OUT, V25},
    {"SFPA_MOD2_SDA", "A20", IO, V25},     {"SFPA_TXDISABLE", "B22", OUT, V25},
    {"SFPA_TXFAULT", "A22", IN, V25},
};
constexpr PinRow kSfpB[] = {
    {"SFPB_TX_p", "AL4", OUT, PCML},       {"SFPB_RX_p", "AP2", IN, PCML},
    {"SFPB_RATESEL[]", "R21 T22", OUT, V25}, {"SFPB_LOS", "R22", IN, V25},
    {"SFPB_MOD0_PRSNT_n", "K22", IN, V25}, {"SFPB_MOD1_SCL", "K21", OUT, V25},
    {"SFPB_MOD2_SDA", "K20", IO, V25},     {"SFPB_TXDISABLE", "H22", OUT, V25},
    {"SFPB_TXFAULT", "H20", IN, V25},
};
constexpr PinRow kSfpC[] = {
    {"SFPC_TX_p", "AT6", OUT, PCML},       {"SFPC_RX_p", "AW4", IN, PCML},
    {"SFPC_RATESEL[]", "J22 P21", OUT, V25}, {"SFPC_LOS", "L21", IN, V25},
    {"SFPC_MOD0_PRSNT_n", "J21", IN, V25}, {"SFPC_MOD1_SCL", "H21", OUT, V25},
    {"SFPC_MOD2_SDA", "G20", IO, V25},     {"SFPC_TXDISABLE", "F21", OUT, V25},
    {"SFPC_TXFAULT", "F20", IN, V25},
};
constexpr PinRow kSfpD[] = {
    {"SFPD_TX_p", "AY6", OUT, PCML},       {"SFPD_RX_p", "BB2", IN, PCML},
    {"SFPD_RATESEL[]", "V21 M22", OUT, V25}, {"SFPD_LOS", "N22", IN, V25},
    {"SFPD_MOD0_PRSNT_n", "V20", IN, V25}, {"SFPD_MOD1_SCL", "U21", OUT, V25},
    {"SFPD_MOD2_SDA", "V19", IO, V25},     {"SFPD_TXDISABLE", "U20", OUT, V25},
    {"SFPD_TXFAULT", "T21", IN, V25},
};
constexpr PinRow kSi570Control[] = {
    {"CLOCK_SCL", "AE15", OUT, V25},
    {"CLOCK_SDA", "AE16", IO, V25},
};
constexpr PinRow kPllControl[] = {
    {"PLL_SCL", "AF32", OUT, V25},
    {"PLL_SDA", "AG32", IO, V25},
};
// clang-format on

constexpr std::span<const PinRow> kQdr[4] = {kQdrA, kQdrB, kQdrC, kQdrD};
constexpr std::span<const PinRow> kSfp[4] = {kSfpA, kSfpB, kSfpC, kSfpD};
constexpr const char* kDdr3Sockets[2] = {kDdr3SocketA, kDdr3SocketB};

static_assert(CountTablePins(kClock) == 8);
static_assert(CountTablePins(kLed) == 4 + 4 + 2);
static_assert(CountRowLocations(kButton, "BUTTON[]") == 4);
static_assert(CountTablePins(kSwitch) == 4);
static_assert(CountRowLocations(kFlashBus, "FSM_D[]") == 32);
static_assert(CountRowLocations(kFlashBus, "FSM_A[]") == 27);
static_assert(CountTablePins(kQdrA) == 68 && CountTablePins(kQdrB) == 68 &&
              CountTablePins(kQdrC) == 68 && CountTablePins(kQdrD) == 68);
static_assert(CountLocations(kDdr3SocketA) == 204 && CountLocations(kDdr3SocketB) == 204);
static_assert(CountTablePins(kSfpA) == 10 && CountTablePins(kSfpD) == 10);

} // namespace

void CONFIG_OMBREL(TMainBoard* pBoard, const OMBREL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    TMainBoard& board = *pBoard;
    board.m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    board.m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_OMBREL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_OMBREL");
    }
    if (Config.Size != OMBREL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(OMBREL_CONFIG)");
    }

    board.ClearConnectors();
    board.m_Family = "Stratix V";
    board.m_Device = "5SGXEA7N2F45C2";
    board.m_Package = "FBGA";
    board.m_PinCount = 1932;
    board.m_SpeedGradeText = "2_H2";

    const bool si570 = Config.Si570Index != 0;
    // The external-PLL block is written unless both CDCMs are off.
    const bool extPll =
        Config.Cdcm61001Index != kOmbrelCdcmOff || Config.Cdcm61004Index != kOmbrelCdcmOff;

    if (Config.Clock) {
        AddGroup(board, "CLOCK", kClock);
    } else if (si570 || extPll) {
        AddGroup(board, "CLOCK", kControllerClock);
    }
    if (Config.Sma) {
        AddGroup(board, "SMA", kSma);
    }
    if (Config.Led) {
        AddGroup(board, "LED x 10", kLed);
    }
    if (Config.Button) {
        AddGroup(board, "BUTTON x 4 and CPU_RESET_n", kButton);
    } else if (si570 || extPll) {
        AddGroup(board, "CPU_RESET_n", kReset);
    }
    if (Config.Switch) {
        AddGroup(board, "SWITCH x 4", kSwitch);
    }
    if (Config.Seg7) {
        AddGroup(board, "7-Segement", kSeg7);
    }
    if (Config.Temperature) {
        AddGroup(board, "Temperature", kTemperature);
    }
    if (Config.Fan) {
        AddGroup(board, "Fan", kFan);
    }
    if (Config.Rs422) {
        AddGroup(board, "RS232", kRs422);
    }
    if (Config.Pcie) {
        AddGroup(board, "PCIe x 8", kPcie);
    }
    if (Config.Flash) {
        AddGroup(board, "Flash/MAX Address/Data Share Bus", kFlashBus);
        AddGroup(board, "Flash Control", kFlashControl);
    }

    const std::uint8_t sata[4] = {Config.SataHost0, Config.SataHost1, Config.SataDevice0,
                                  Config.SataDevice1};
    const bool host = sata[0] || sata[1];
    const bool device = sata[2] || sata[3];
    if (host || device) {
        auto group = Group("SATA");
        for (int i = 0; i < 4; ++i) {
            if (sata[i]) {
                AddPinRows(*group, PinTable{"SATA", kSataLanes[i]});
            }
        }
        const std::string frequency = CdcmComboFrequency(Config.Cdcm61004Index);
        if (host) {
            group->AddPin(ReferenceClock("SATA_HOST_REFCLK_p", "V6", IOSTD_HCSL, frequency));
        }
        if (device) {
            group->AddPin(ReferenceClock("SATA_DEVICE_REFCLK_p", "V39", IOSTD_HCSL, frequency));
        }
        board.AddConnector(std::move(group));
    }

    const bool ddr3[2] = {Config.Ddr3A != 0, Config.Ddr3B != 0};
    bool qdr = false;
    for (const std::uint8_t q : Config.Qdr) {
        qdr = qdr || q != 0;
    }
    if (ddr3[0] || ddr3[1] || qdr) {
        AddGroup(board, "RZQ", kRzq);
    }
    for (int n = 0; n < 4; ++n) {
        if (Config.Qdr[n]) {
            AddGroup(board, platform::Format("QDRII+ SRAM %c", 'A' + n), kQdr[n]);
        }
    }
    for (int n = 0; n < 2; ++n) {
        if (ddr3[n]) {
            const int nNum =
                AddSocket(board, "DDR3 SODIMM", platform::Format("DDR3 SODIMM_%c", 'A' + n),
                          CONNECTOR_DDR3_SODIMM, ConnectorIdAt(CONNECTOR_ID_DDR3_SODIMM_A, n),
                          kDdr3Sockets[n]);
            PINSMITH_ASSERT(nNum == 204);
        }
    }

    bool sfp = false;
    for (int n = 0; n < 4; ++n) {
        if (Config.Sfp[n]) {
            sfp = true;
            AddGroup(board, platform::Format("SFP+ %c", 'A' + n), kSfp[n]);
        }
    }
    if (sfp && si570) {
        auto group = Group("SFP+ 10G Referece Clock and Programmalbe Oscillator Si570");
        group->AddPin(
            ReferenceClock("SFP_REFCLK_p", "AK7", IOSTD_HCSL, Si570Frequency(Config.Si570Index)));
        AddPinRows(*group, PinTable{"Si570", kSi570Control});
        board.AddConnector(std::move(group));
    }
    if (sfp && Config.Cdcm61001Index != kOmbrelCdcmOff) {
        auto group = Group("SFP+ 1G Referece Clock");
        group->AddPin(ReferenceClock("SFP1G_REFCLK_p", "AH6", IOSTD_HCSL,
                                     CdcmComboFrequency(Config.Cdcm61001Index)));
        board.AddConnector(std::move(group));
    }

    const bool f = sfp && Config.Cdcm61001Index != kOmbrelCdcmOff;
    const bool s = (host || device) && Config.Cdcm61004Index != kOmbrelCdcmOff;
    if (f || s) {
        const char* name = f && s ? "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"
                           : f    ? "Programmalbe Oscillator CDCM61001 for SPF1G"
                                  : "Programmalbe Oscillator CDCM61004 for SATA";
        AddGroup(board, name, kPllControl);
    }
}
