#include "boards/stratix5/CONFIG_NOLVAR.h"

#include "boards/PinTable.h"
#include "boards/stratix5/NolvarId.h"
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
    {"OSC_50_B3D", "BC28", IN, V25, 0, 20},
    {"OSC_50_B4A", "AP10", IN, V15, 0, 20},
    {"OSC_50_B4D", "AY18", IN, V15, 0, 20},
    {"OSC_50_B7A", "M9", IN, V18, 0, 20},
    {"OSC_50_B7D", "J18", IN, V18, 0, 20},
    {"OSC_50_B8A", "R36", IN, V18, 0, 20},
    {"OSC_50_B8D", "R25", IN, V18, 0, 20},
};
// With CLOCK unticked, the clock the oscillator controllers run on.
constexpr std::span<const PinRow> kControllerClock(kClock, 1);
constexpr PinRow kLed[] = {
    {"LED[]", "C33 B32 C34 B34", OUT, V25},
    {"LED_BRACKET[]", "BC29 BD29 BA28 BB29", OUT, V25},
};
constexpr PinRow kButton[] = {{"BUTTON[]", "A35 A34", IN, V25}};
constexpr PinRow kReset[] = {{"CPU_RESET_n", "BC37", IN, V25}};
constexpr PinRow kSwitch[] = {{"SW[]", "E33 D33", IN, V25}};
constexpr PinRow kTemperature[] = {
    {"TEMP_CLK", "F35", OUT, V25},
    {"TEMP_DATA", "E35", IO, V25},
    {"TEMP_INT_n", "G34", IN, V25},
    {"TEMP_OVERT_n", "H35", IN, V25},
};
constexpr PinRow kFan[] = {{"FAN_CTRL", "F34", IO, V25}};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "AU23", OUT, V25},
    {"RS422_DIN", "AR24", IN, V25},
    {"RS422_DOUT", "AV23", OUT, V25},
    {"RS422_RE_n", "AL24", OUT, V25},
    {"RS422_TE", "AL23", OUT, V25},
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
    {"PCIE_WAKE_n", "AY37", OUT, V25},
    {"PCIE_SMBCLK", "AW37", IO, V25},
    {"PCIE_SMBDAT", "AV37", IO, V25},
};
constexpr PinRow kFlashBus[] = {
    {"FSM_D[]", "AF28 AG30 AG25 AK29 BA29 AG26 AG27 AE28 AG29 AK30 AG28 AF29 AJ29 AE27 AP28 BD31 "
                "BC31 BB32 BB30 BA31 AW30 BA30 AL29 AR29 BC32 AM29 BD32 AY30 AY31 AN28 AL30 AL31",
     IO, V25},
    {"FSM_A[]", "AG33 AN31 AP31 AH33 AG32 AF32 AV34 AM31 AP33 AF34 AR31 AE34 AW33 AN33 AJ32 AR32 "
                "AE30 AE29 AK32 AJ33 AE32 AE31 AK33 AD32 AD33 AM32 AF31",
     OUT, V25},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AT29", OUT, V25},
    {"FLASH_CE_n[0]", "AJ31", OUT, V25},
    {"FLASH_CE_n[1]", "AW32", OUT, V25},
    {"FLASH_CLK", "AU31", OUT, V25},
    {"FLASH_OE_n", "AU30", OUT, V25},
    {"FLASH_RDY_BSY_n[0]", "AJ30", IN, V25},
    {"FLASH_RDY_BSY_n[1]", "AV32", IN, V25},
    {"FLASH_RESET_n", "AV31", OUT, V25},
    {"FLASH_WE_n", "AH30", OUT, V25},
};
constexpr PinRow kRzq[] = {
    {"RZQ_0", "BA36", IN, V25},
    {"RZQ_1", "AR8", IN, V15},
    {"RZQ_4", "H9", IN, V18},
    {"RZQ_5", "P35", IN, V18},
};
constexpr PinRow kQdrA[] = {
    {"QDRIIA_A[]", "R15 J13 U15 W14 V13 W16 G14 G13 H13 H15 H14 K13 K14 L15 J16 K16 F13 Y17 T15 Y16 W17", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_D[]", "A11 A10 B11 C12 T13 U12 T14 U11 U14 E12 E11 D12 N13 D11 N14 P13 G11 C10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_Q[]", "M11 N11 V9 V10 T11 U9 T9 R10 T10 L11 M12 L12 H10 J10 H11 H12 P12 R12", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_BWS_n[]", "R13 P14", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_K_p", "V12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_K_n", "V11", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_CQ_p", "T12", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_n", "K11", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_DOFF_n", "B10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_ODT", "F10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_QVLD", "G10", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_RPS_n", "K12", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_WPS_n", "F11", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrB[] = {
    {"QDRIIB_A[]", "F22 A14 F23 E21 G23 C21 D20 A20 D21 E20 B20 A22 F21 A16 B16 D17 E17 B22 E24 C22 D24", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_D[]", "N20 P20 B19 L20 E18 D18 H19 G19 F19 N19 T18 T19 V18 U18 T20 K19 B17 W18", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_Q[]", "V17 U17 T17 T16 R16 M14 M15 N16 P16 C13 J15 D14 A13 B13 D15 F14 E14 L14", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_BWS_n[]", "J19 A19", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_K_p", "C19", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_K_n", "C18", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_CQ_p", "K15", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_n", "E15", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_DOFF_n", "B14", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_ODT", "C15", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_QVLD", "C16", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_RPS_n", "M20", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_WPS_n", "A17", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrC[] = {
    {"QDRIIC_A[]", "J27 H28 A26 D27 C28 C27 D29 F26 F28 A29 B28 G28 H26 F29 G29 H29 H27 E29 B26 E27 A28", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_D[]", "V19 F20 H20 R22 K20 H22 K22 J21 J22 R21 U21 V21 U20 V20 H21 G22 G20 T21", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_Q[]", "U24 P24 M23 U23 T23 T24 P23 R24 N23 J24 H24 F24 J25 H23 L24 F25 K24 K25", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_BWS_n[]", "L21 P21", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_K_p", "N22", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_K_n", "M22", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_CQ_p", "L23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_n", "K26", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_DOFF_n", "E26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_ODT", "G25", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_QVLD", "H25", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_RPS_n", "K21", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_WPS_n", "T22", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrD[] = {
    {"QDRIID_A[]", "U26 T27 P26 V27 P28 T26 M28 P29 T25 N26 M27 R27 U27 L26 K27 L27 N28 V26 P27 V25 D26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_D[]", "H31 H30 H32 R31 T30 V31 W32 Y32 W31 M30 P31 N29 L30 L29 J30 G32 F32 T29", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_Q[]", "B29 E30 R28 W29 V29 Y30 Y29 U29 V30 C30 Y27 D30 Y28 W28 V28 B31 A31 A32", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_BWS_n[]", "T31 R30", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_K_p", "K30", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_K_n", "K29", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_CQ_p", "T28", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_n", "C31", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_DOFF_n", "G31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_ODT", "D32", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_QVLD", "E32", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_RPS_n", "U30", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_WPS_n", "P30", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kDdr3A[] = {
    {"DDR3A_A[]", "AU14 AK15 AJ14 AT15 AE18 AF16 AE16 AH15 AE17 AK18 BC14 AG14 AY15 AG15 AM16 BD16", OUT, IOSTD_SSTL15_I},
    {"DDR3A_BA[]", "BC16 AP15 AV14", OUT, IOSTD_SSTL15_I},
    {"DDR3A_DQ[]", "AG9 AJ10 AL11 AJ11 AG11 AH10 AG10 AL12 AN12 AV10 AR13 AR12 AM13 AP12 AP13 AU9", IO, IOSTD_SSTL15_I},
    {"DDR3A_DQS[]", "AG12 AU10", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3A_DQS_n[]", "AH12 AV11", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3A_DM[]", "AJ12 AU11", OUT, IOSTD_SSTL15_I},
    {"DDR3A_ODT[0]", "AY13", OUT, IOSTD_SSTL15_I},
    {"DDR3A_CS_n[0]", "BB15", OUT, IOSTD_SSTL15_I},
    {"DDR3A_CKE[0]", "BD14", OUT, IOSTD_SSTL15_I},
    {"DDR3A_CK", "AG16", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3A_CK_n", "AF17", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3A_CAS_n", "BA13", OUT, IOSTD_SSTL15_I},
    {"DDR3A_RAS_n", "BC13", OUT, IOSTD_SSTL15_I},
    {"DDR3A_WE_n", "BB14", OUT, IOSTD_SSTL15_I},
    {"DDR3A_RESET_n", "AE15", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kDdr3B[] = {
    {"DDR3B_A[]", "AR22 AM20 AN22 AR21 AJ19 AR20 AG20 AM22 AG19 AK20 BD22 AJ21 AY22 AL20 AJ20 AT20", OUT, IOSTD_SSTL15_I},
    {"DDR3B_BA[]", "AT21 AP21 AU21", OUT, IOSTD_SSTL15_I},
    {"DDR3B_DQ[]", "AN20 AL18 AN19 AP19 AW19 AM19 AL19 AU18 AM17 AJ16 AL17 AG18 AJ17 AG17 AK17 AJ15", IO, IOSTD_SSTL15_I},
    {"DDR3B_DQS[]", "AP18 AH18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3B_DQS_n[]", "AR19 AH19", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3B_DM[]", "AV19 AJ18", OUT, IOSTD_SSTL15_I},
    {"DDR3B_ODT[0]", "AV22", OUT, IOSTD_SSTL15_I},
    {"DDR3B_CS_n[0]", "AY21", OUT, IOSTD_SSTL15_I},
    {"DDR3B_CKE[0]", "BC22", OUT, IOSTD_SSTL15_I},
    {"DDR3B_CK", "BB20", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3B_CK_n", "BB21", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3B_CAS_n", "AW20", OUT, IOSTD_SSTL15_I},
    {"DDR3B_RAS_n", "AW21", OUT, IOSTD_SSTL15_I},
    {"DDR3B_WE_n", "AV20", OUT, IOSTD_SSTL15_I},
    {"DDR3B_RESET_n", "AH21", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kSata[] = {
    {"SATA_HOST_RX_p", "AP2", IN, PCML},
    {"SATA_HOST_TX_p", "AL4", OUT, PCML},
    {"SATA_REFCLK_p", "AF7", IN, IOSTD_HCSL},
};
constexpr PinRow kSfpA[] = {
    {"SFPA_TX_p", "AY6", OUT, PCML},       {"SFPA_RX_p", "BB2", IN, PCML},
    {"SFPA_RATESEL[]", "AY25 AV25", OUT, V25}, {"SFPA_LOS", "AW24", IN, V25},
    {"SFPA_MOD0_PRSNT_n", "BA25", IN, V25}, {"SFPA_MOD1_SCL", "BA24", OUT, V25},
    {"SFPA_MOD2_SDA", "BB26", IO, V25},    {"SFPA_TXDISABLE", "BC26", OUT, V25},
    {"SFPA_TXFAULT", "BD26", IN, V25},
};
constexpr PinRow kSfpB[] = {
    {"SFPB_TX_p", "AT6", OUT, PCML},       {"SFPB_RX_p", "AW4", IN, PCML},
    {"SFPB_RATESEL[]", "AJ22 AH22", OUT, V25}, {"SFPB_LOS", "AJ23", IN, V25},
    {"SFPB_MOD0_PRSNT_n", "AK23", IN, V25}, {"SFPB_MOD1_SCL", "AR25", OUT, V25},
    {"SFPB_MOD2_SDA", "AP24", IO, V25},    {"SFPB_TXDISABLE", "AU25", OUT, V25},
    {"SFPB_TXFAULT", "AU24", IN, V25},
};
constexpr PinRow kSi570Control[] = {
    {"CLOCK_SCL", "B35", OUT, V25},
    {"CLOCK_SDA", "C36", IO, V25},
};
constexpr PinRow kCdcm61004Control[] = {
    {"CLK_CE", "AT23", OUT, V25},
    {"CLK_RST_n", "AY24", OUT, V25},
    {"CLK_OD[]", "BB23 BB24 BC23", OUT, V25},
    {"CLK_OS[]", "AW23 AR23", OUT, V25},
    {"CLK_PR[]", "BC25 BD25", OUT, V25},
};
// clang-format on

constexpr std::span<const PinRow> kQdr[4] = {kQdrA, kQdrB, kQdrC, kQdrD};
constexpr std::span<const PinRow> kDdr3[2] = {kDdr3A, kDdr3B};
constexpr std::span<const PinRow> kSfp[2] = {kSfpA, kSfpB};

static_assert(CountTablePins(kClock) == 8);
static_assert(CountRowLocations(kLed, "LED[]") == 4 &&
              CountRowLocations(kLed, "LED_BRACKET[]") == 4);
static_assert(CountTablePins(kButton) == 2 && CountTablePins(kSwitch) == 2);
static_assert(CountTablePins(kPcie) == 8 * 2 + 5);
static_assert(CountRowLocations(kFlashBus, "FSM_D[]") == 32);
static_assert(CountRowLocations(kFlashBus, "FSM_A[]") == 27);
static_assert(CountTablePins(kQdrA) == 68 && CountTablePins(kQdrB) == 68 &&
              CountTablePins(kQdrC) == 68 && CountTablePins(kQdrD) == 68);
static_assert(CountTablePins(kDdr3A) == 50 && CountTablePins(kDdr3B) == 50);
static_assert(CountRowLocations(kDdr3A, "DDR3A_ODT[0]") == 1 &&
              CountRowLocations(kDdr3B, "DDR3B_CKE[0]") == 1);

} // namespace

void CONFIG_NOLVAR(TMainBoard* pBoard, const NOLVAR_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    TMainBoard& board = *pBoard;
    board.m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    board.m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_NOLVAR)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_NOLVAR");
    }
    if (Config.Size != NOLVAR_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(NOLVAR_CONFIG)");
    }

    board.ClearConnectors();
    board.m_Family = "Stratix V";
    board.m_Device = "5SGXEA7N2F45C2";
    board.m_Package = "FBGA";
    board.m_PinCount = 1932;
    board.m_SpeedGradeText = "2_H2";

    const bool si570 = Config.Si570Index != 0;
    const bool cdcm = Config.Cdcm61004Index != 0;

    if (Config.Clock) {
        AddGroup(board, "CLOCK", kClock);
    } else if (si570 || cdcm) {
        AddGroup(board, "CLOCK", kControllerClock);
    }
    if (Config.Led) {
        AddGroup(board, "LED x 8", kLed);
    }
    if (Config.Button) {
        AddGroup(board, "BUTTON x 2", kButton);
        AddGroup(board, "CPU RESET", kReset);
    } else if (si570 || cdcm) {
        AddGroup(board, "CPU_RESET_n for reset programmable oscillator", kReset);
    }
    if (Config.Switch) {
        AddGroup(board, "DIP SWITCH x 4", kSwitch);
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
    bool memory = Config.Ddr3A || Config.Ddr3B;
    for (const std::uint8_t q : Config.Qdr) {
        memory = memory || q != 0;
    }
    if (memory) {
        AddGroup(board, "RZQ", kRzq);
    }
    for (int n = 0; n < 4; ++n) {
        if (Config.Qdr[n]) {
            AddGroup(board, platform::Format("QDRII+ SRAM %c", 'A' + n), kQdr[n]);
        }
    }
    const std::uint8_t ddr3[2] = {Config.Ddr3A, Config.Ddr3B};
    for (int n = 0; n < 2; ++n) {
        if (ddr3[n]) {
            AddGroup(board, platform::Format("DDR3 SDRAM  %c", 'A' + n), kDdr3[n]);
        }
    }
    if (Config.Sata) {
        AddGroup(board, "SATA", kSata);
    }
    const std::uint8_t sfp[2] = {Config.SfpA, Config.SfpB};
    for (int n = 0; n < 2; ++n) {
        if (sfp[n]) {
            AddGroup(board, platform::Format("SFP+ %c", 'A' + n), kSfp[n]);
        }
    }
    if (sfp[0] || sfp[1]) {
        if (si570) {
            auto group = Group("SFP+ 10G Referece Clock which is generated by Si570");
            group->AddPin(ReferenceClock("SFP_REFCLK_p", "AK7", IOSTD_HCSL,
                                         Si570Frequency(Config.Si570Index)));
            AddPinRows(*group, PinTable{"Si570", kSi570Control});
            board.AddConnector(std::move(group));
        }
        if (cdcm) {
            auto group = Group("SFP+ 1G Referece Clock which is generated by CDCM61004");
            group->AddPin(ReferenceClock("SFP1G_REFCLK_p", "AH6", IOSTD_HCSL,
                                         CdcmFrequency(Config.Cdcm61004Index)));
            AddPinRows(*group, PinTable{"CDCM61004", kCdcm61004Control});
            board.AddConnector(std::move(group));
        }
    }
}
