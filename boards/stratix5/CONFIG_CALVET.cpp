#include "boards/stratix5/CONFIG_CALVET.h"

#include "boards/PinTable.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/StratixVPins.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>
#include <span>
#include <string>

namespace {

using namespace stratix5;

constexpr IoStd V15 = IOSTD_1V5;
constexpr IoStd V25 = IOSTD_2V5;
constexpr IoStd PCML = IOSTD_1V4_PCML;

// clang-format off
// The clocks the clock-chip controllers run on: the CDCM6208's, the
// LMK04906's.
constexpr PinRow kControllerClocks[] = {
    {"OSC_50_B3B", "AW35", IN, V15, 50},
    {"OSC_50_B4A", "AP10", IN, V15, 50},
};
constexpr PinRow kOtherClocks[] = {
    {"OSC_50_B4D", "AY18", IN, V25, 50},
    {"OSC_50_B7A", "M8", IN, V25, 50},
    {"OSC_50_B7D", "J18", IN, V25, 50},
    {"OSC_50_B8A", "R36", IN, V25, 50},
    {"OSC_50_B8D", "R25", IN, V25, 50},
};
constexpr PinRow kKey[] = {
    {"BUTTON[]", "BC7 BD7 BB8 BB9", IN, V15},
    {"CPU_RESET_n", "BC37", IN, V25},
};
constexpr std::span<const PinRow> kReset(kKey + 1, 1);
constexpr PinRow kSwitch[] = {{"SW[]", "AT9 AU8 AK9 AL9", IN, V15}};
constexpr PinRow kLed[] = {{"LED[]", "AT32 BA31 AN27 AH27", OUT, V15}};
constexpr PinRow kFan[] = {{"FAN_ALERT_n", "AM11", IN, V15}};
constexpr PinRow kSsram[] = {
    {"SSRAM_CLK", "AP13", OUT, V25},
    {"SSRAM_CKE_n", "AW24", OUT, V25},
    {"SSRAM_CE_n", "AP24", OUT, V25},
    {"SSRAM_WE_n", "AV11", OUT, V25},
    {"SSRAM_OE_n", "AU10", OUT, V25},
    {"SSRAM_ADV", "BC26", OUT, V25},
    {"SSRAM_BWA_n", "AY25", OUT, V25},
    {"SSRAM_BWB_n", "BA24", OUT, V25},
};
constexpr PinRow kFlash[] = {
    {"FLASH_CLK", "AU11", OUT, V25},
    {"FLASH_CE_n", "AU24", OUT, V25},
    {"FLASH_WE_n", "AT12", OUT, V25},
    {"FLASH_OE_n", "AP12", OUT, V25},
    {"FLASH_ADV_n", "BD26", OUT, V25},
    {"FLASH_RESET_n", "AV25", OUT, V25},
    {"FLASH_RDY_BSY_n", "AU25", IN, V25},
};
// FSM_A counts from 1.
constexpr const char* kFsmAddress =
    "AE11 AD14 AE14 AE10 AF10 AE12 AF11 AG13 AJ10 AF13 AE13 AJ11 BD11 AW10 AF14 AY12 "
    "AY10 BD10 BB12 BA12 BA10 BC11 AE9 AW11 BC10 BB11";
constexpr PinRow kFsmData[] = {
    {"FSM_D[]", "AG10 AH10 AG11 AK12 AV10 AR12 AL12 AR13 AG9 AH12 AG12 AL11 AN12 AU9 AM13 AJ12", IO, V25},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "BB39", OUT, V25},
    {"SD_DATA[]", "AV37 AY37 BB36 AW37", IO, V25},
    {"SD_CMD", "BA36", IO, V25},
};
constexpr PinRow kRzqDdr3[] = {{"RZQ_DDR3", "AR8", IN, V15}};
constexpr PinRow kRzqFmc[] = {{"RZQ_FMC", "H9", IN, V25}};
constexpr PinRow kUart[] = {
    {"UART_TX", "T26", OUT, V25},
    {"UART_RX", "T25", IN, V25},
};
constexpr PinRow kLmkControl[] = {
    {"LMK04906_CLK", "AT24", OUT, V25},
    {"LMK04906_DATAIN", "BD25", OUT, V25},
    {"LMK04906_DATAOUT", "BC29", IN, V15},
    {"LMK04906_LE", "AT33", OUT, V15},
};
// The reference clocks of the LMK04906 outputs 0..3 and the CDCM6208
// outputs 0..5.
struct RefClock {
    const char* name;
    const char* location;
};
constexpr RefClock kLmkClocks[calvet::kLmkOutputs] = {
    {"FMCA_ONBOARD_REFCLK_p[1]", "T38"},
    {"FMCB_ONBOARD_REFCLK_p[0]", "AD39"},
    {"FMCC_ONBOARD_REFCLK_p[0]", "AD6"},
    {"FMCD_ONBOARD_REFCLK_p[1]", "T7"},
};
constexpr PinRow kCdcmControl[] = {
    {"CLOCK_SCL", "AR25", OUT, V25},
    {"CLOCK_SDA", "BC25", IO, V25},
};
constexpr RefClock kCdcmClocks[calvet::kCdcmOutputs] = {
    {"FMCA_ONBOARD_REFCLK_p[0]", "Y38"},
    {"FMCD_ONBOARD_REFCLK_p[0]", "Y7"},
    {"SATA_HOST_REFCLK_p", "AH6"},
    {"SATA_DEVICE_REFCLK_p", "AK7"},
    {"PCIE_ONBOARD_REFCLK_p", "AH39"},
    {"DDR3_REFCLK_p", "BB33"},
};
constexpr PinRow kI2c[] = {
    {"FPGA_I2C_SCL", "AN11", IO, V15},
    {"FPGA_I2C_SDA", "AP9", IO, V15},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_INT_n", "AT8", IN, V15},
    {"TEMP_OVERT_n", "AR9", IN, V15},
};
constexpr PinRow kPower[] = {{"POWER_MONITOR_ALERT", "AY9", IN, V15}};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AK38", IN, IOSTD_HCSL},
    {"PCIE_TX_p[]", "AY39 AV39 AT39 AU41", OUT, PCML},
    {"PCIE_RX_p[]", "BB43 BA41 AW41 AY43", IN, PCML},
    {"PCIE_PERST_n", "AU33", IN, V15},
    {"PCIE_WAKE_n", "BD35", OUT, V15},
};
constexpr PinRow kSataHost[] = {
    {"SATA_HOST_TX_p", "AU4", OUT, PCML},
    {"SATA_HOST_RX_p", "AY2", IN, PCML},
};
constexpr PinRow kSataDevice[] = {
    {"SATA_DEVICE_TX_p", "AY6", OUT, PCML},
    {"SATA_DEVICE_RX_p", "BB2", IN, PCML},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "BC8", IN, IOSTD_DIFF_1V5_HSTL_I},
    {"SMA_CLKOUT_p", "AV8", OUT, IOSTD_DIFF_1V5_HSTL_I},
};

// Expansion positions; "-" is a position without a signal. FMC position =
// 40 x row (A = 0 .. K = 9) + column (1..40).
constexpr const char* kDdr3Sodimm =
    "- - - AH30 AH31 AJ30 AJ31 - - AL31 AU32 AL30 "
    "- - AN30 AR30 AP30 AT30 - - AM29 AU31 AN28 AV32 "
    "- - AL29 AU30 AK30 AR33 - - AP28 AW32 AR29 AV31 "
    "- - AF28 AG28 AF29 AG27 - - AE28 AK29 AE27 - "
    "- AG26 AG30 AG25 AG29 - - BD32 BC31 BA30 BC32 - "
    "- BA29 BB32 AY30 - - BB30 AY31 BD31 AW30 - - "
    "AF34 AY34 - - - AY33 AE34 BA34 - - AG33 BA33 "
    "AH33 AK33 - - AF32 AN33 AG32 AP33 - - AE31 AJ33 "
    "AF31 AM32 - - AR31 AV34 AR32 AW33 - - AE30 AK32 "
    "AE29 AJ32 - - AE32 AP31 AE33 AN31 - - AD32 AM31 "
    "AD33 - - - - - - - BB29 AY28 BB27 BA28 "
    "- - BD28 BD29 BC28 - - AW29 BA27 AY27 AW27 - "
    "- AW26 AT27 AV26 AN25 - - AU26 AR26 AT26 - - "
    "AM25 AU27 AL25 AM26 - - AU28 AV28 AU29 AV29 - - "
    "AR28 AP27 AR27 - - AL28 AM28 AK27 AL27 - - AH28 "
    "AK24 AJ28 AJ24 - - AJ26 AJ27 AJ25 - - AH24 AL26 "
    "AH25 AK26 - - - AU35 - AJ29 - AT29 - -";
constexpr const char* kGpio =
    "AU36 AE36 AF35 AE35 AN36 AP36 AG34 AK35 AN34 AH34 "
    "- - AL35 AH22 AP34 AJ23 AJ34 AJ22 AK23 AL23 "
    "AL24 AK21 AM23 AL21 AN23 AU23 AR24 BA25 - - "
    "AR23 BB24 BC23 AT23 AV23 BD23 BB26 AW23 AY24 BB23";
constexpr const char* kFmcA =
    "- Y43 - - - V43 - - - T43 - - - M43 - - - K43 - - "
    "- U41 - - - R41 - - - N41 - - - J41 - - - K39 - - "
    "- - - C41 - - - D43 - - - F43 - - - H43 - - - V39 "
    "- - - D39 - - - E41 - - - G41 - - - H39 - - - - "
    "- W41 - - - AB43 - - - V25 U26 - - T28 R28 - - P26 N26 - "
    "- T20 T19 - - P19 P18 - - F29 F28 - - H18 - - - - - - "
    "- - - AB39 - - - B16 A16 - W29 V30 - V27 V26 - P28 P29 - N29 "
    "M30 - P20 N20 - L20 K19 - - - - - - - T23 - - - - - "
    "- N25 M25 - - Y30 Y29 - W32 V31 - U30 T29 - T30 R30 - M27 L26 - "
    "R24 P24 - U18 T18 - N19 M20 - J19 H19 - C19 C18 - E32 D32 - - - "
    "- - - T31 R31 - T27 U27 - Y32 W31 - W28 V28 - R27 P27 - P31 P30 "
    "- N28 M28 - M18 M17 - K18 K17 - H17 H16 - G17 F17 - B23 A23 - - "
    "- G29 G28 - - G16 F16 - K30 K29 - J30 H30 - J27 H26 - U24 T24 - "
    "C31 B31 - A32 A31 - H25 G25 - N17 P17 - G19 F19 - E17 D17 - - - "
    "- - - G23 F23 - R19 R18 - M23 L24 - K28 J28 - H29 H28 - G31 F31 "
    "- E26 D26 - C28 B28 - F25 F24 - E24 D24 - E23 D23 - B19 A19 - - "
    "- W18 V18 - - Y28 Y27 - P23 N23 - L23 K24 - J25 J24 - H27 G26 - "
    "D27 C27 - C30 B29 - B25 A25 - B26 A26 - K26 K25 - E18 D18 - - - "
    "- - - V29 U29 - L27 K27 - L30 L29 - G32 F32 - H32 H31 - E29 D29 "
    "- F26 E27 - E30 D30 - C25 C24 - A29 A28 - H24 H23 - B17 A17 - -";
constexpr const char* kFmcB =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- AL41 - - - AP43 - - - U33 U32 - - T33 T32 - - L32 K32 - "
    "- J36 H36 - - F35 E35 - - E36 D37 - - J37 - - - - - - "
    "- - - AF38 - - - G37 F36 - W35 V36 - T34 R34 - N38 N37 - M39 "
    "M38 - K35 K34 - G34 F34 - - - - - - - H37 - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- B37 A37 - - U36 T36 - W34 V35 - U35 T35 - N32 M33 - L36 L35 - "
    "K37 K36 - H35 G35 - H34 H33 - C36 B35 - C34 B34 - A35 A34 - - - "
    "- - - B39 A38 - P33 P32 - V34 V33 - R33 P34 - P39 P38 - M34 L33 "
    "- M37 M36 - J34 J33 - E33 D33 - C37 B38 - D36 D35 - C33 B32 - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - -";
constexpr const char* kFmcC =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- AL4 - - - AP2 - - - AG21 AH21 - - AK20 AJ21 - - BC22 BD22 - "
    "- AP18 AR19 - - AU18 AU19 - - AH18 AH19 - - AY16 - - - - - - "
    "- - - AF7 - - - AY19 BA19 - AG17 AG18 - AJ19 AJ20 - AL18 AL19 - AW20 "
    "AW21 - AY21 BA21 - AL20 AM20 - - - - - - - BA16 - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- AJ15 AJ16 - - BB18 BB17 - AY22 BA22 - AG19 AG20 - BB20 BB21 - AM19 AN20 - "
    "AN17 AP16 - AR18 AT18 - AR20 AT20 - AW16 AW17 - AR22 AT21 - AV22 AW22 - - - "
    "- - - BC19 BD19 - AU20 AV20 - AU16 AV16 - AJ17 AK17 - AU17 AV17 - AV19 AW19 "
    "- BC20 BD20 - AU21 AU22 - AR17 AT17 - AN19 AP19 - AP21 AR21 - AM22 AN22 - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - - - - - - - - -";
constexpr const char* kFmcD =
    "- Y2 - - - V2 - - - T2 - - - M2 - - - K2 - - "
    "- U4 - - - R4 - - - N4 - - - J4 - - - K6 - - "
    "- - - C4 - - - D2 - - - F2 - - - H2 - - - V6 "
    "- - - D6 - - - E4 - - - G4 - - - H6 - - - - "
    "- W4 - - - AB2 - - - H14 H13 - - B11 A11 - - G10 F10 - "
    "- K11 L11 - - P13 N13 - - A20 B20 - - C22 - - - - - - "
    "- - - AB6 - - - F9 E9 - D10 C9 - E12 E11 - H12 H11 - K8 "
    "J9 - M12 L12 - N11 M11 - - - - - - - C21 - - - - - "
    "- E8 D9 - - F22 F21 - E15 D15 - H21 H20 - K15 J15 - V19 U20 - "
    "AG16 AF17 - AG14 AH15 - AM14 AN14 - AT15 AU15 - AY15 BA15 - AH13 AJ13 - - - "
    "- - - T17 T16 - G13 F13 - L21 K20 - M14 L14 - R21 P21 - U21 T21 "
    "- AE15 AE16 - AJ14 AK15 - AN15 AM16 - AT14 AU13 - AW13 AW14 - AU14 AV14 - - "
    "- B8 A8 - - M9 L9 - H15 G14 - D12 C12 - G11 F11 - L15 K14 - "
    "J10 H10 - P14 N14 - T12 T11 - U9 T9 - V10 V9 - V12 V11 - - - "
    "- - - Y16 W16 - D11 C10 - B10 A10 - B7 A7 - K13 J13 - K12 J12 "
    "- K10 K9 - P8 N8 - T10 R10 - U12 U11 - P12 R12 - U14 T14 - - "
    "- G20 F20 - - H22 G22 - B13 A13 - F14 E14 - N16 M15 - N22 M22 - "
    "AE17 AE18 - AK14 AL14 - AP15 AR16 - BC16 BD16 - BC13 BD13 - AY13 BA13 - - - "
    "- - - D14 C13 - C16 C15 - K16 J16 - K21 J21 - T22 R22 - Y17 W17 "
    "- AL15 AL16 - AF16 AG15 - AU12 AV13 - AR15 AR14 - BC14 BD14 - BB14 BB15 - -";
// clang-format on

constexpr const char* kFmc[calvet::kFmcPorts] = {kFmcA, kFmcB, kFmcC, kFmcD};
constexpr ConnectorType kFmcType[calvet::kFmcPorts] = {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC,
                                                       CONNECTOR_FMC_LPC, CONNECTOR_FMC_HPC};
constexpr int kFmcPositions = 400;

static_assert(CountLocations(kFsmAddress) == 26);
static_assert(CountTablePins(kFsmData) == 16);
static_assert(CountLocations(kDdr3Sodimm) == 204);
static_assert(CountLocations(kGpio) == GPIO_PIN_NUM);
static_assert(CountLocations(kFmcA) == kFmcPositions && CountLocations(kFmcB) == kFmcPositions &&
              CountLocations(kFmcC) == kFmcPositions && CountLocations(kFmcD) == kFmcPositions);

struct Device {
    const char* device;
    const char* speedGrade;
};
constexpr Device kDevices[calvet::kDeviceVariants] = {
    {"5SGXEA7N2F45C2", "C2"},
    {"5SGXEABN2F45C2", "C2"},
    {"5SGXEABN3F45I3YY", "I3"},
};

} // namespace

void CONFIG_CALVET(TMainBoard* pBoard, TConfigCalvet* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    TMainBoard& board = *pBoard;
    const CALVET_CONFIG& Config = pSettings->Config;
    board.m_pConfigBoard = pSettings;
    board.m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_CALVET)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_CALVET");
    }
    if (Config.Size != CALVET_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigCalvet::CALVET_CONFIG)");
    }
    board.ClearConnectors();
    board.m_Family = "Stratix V";
    if (Config.DeviceVariant < calvet::kDeviceVariants) {
        board.m_Device = kDevices[Config.DeviceVariant].device;
        board.m_SpeedGradeText = kDevices[Config.DeviceVariant].speedGrade;
    }
    board.m_PinCount = 1932;
    board.m_Package = "FBGA";

    if (Config.Clock) {
        auto group = Group("CLOCK");
        AddPinRows(*group, PinTable{"CLOCK", kControllerClocks});
        AddPinRows(*group, PinTable{"CLOCK", kOtherClocks});
        board.AddConnector(std::move(group));
    } else if (Config.Cdcm6208Pll || Config.Lmk04906Pll) {
        // The clocks the chips' controllers run on.
        auto group = Group("CLOCK");
        if (Config.Cdcm6208Pll) {
            AddPinRows(*group, PinTable{"CLOCK", std::span<const PinRow>(kControllerClocks, 1)});
        }
        if (Config.Lmk04906Pll) {
            AddPinRows(*group,
                       PinTable{"CLOCK", std::span<const PinRow>(kControllerClocks + 1, 1)});
        }
        board.AddConnector(std::move(group));
    }
    if (Config.Button) {
        AddGroup(board, "KEY", kKey);
    } else if (Config.Cdcm6208Pll || Config.Lmk04906Pll) {
        AddGroup(board, "CPU_RESET_n", kReset);
    }
    if (Config.Switch) {
        AddGroup(board, "SW", kSwitch);
    }
    if (Config.Led) {
        AddGroup(board, "LED", kLed);
    }
    if (Config.Fan) {
        AddGroup(board, "FAN", kFan);
    }
    if (Config.Ssram) {
        AddGroup(board, "SSRAM", kSsram);
    }
    if (Config.Flash) {
        AddGroup(board, "FLASH", kFlash);
    }
    if (Config.Flash || Config.Ssram) {
        auto group = Group("Share Bus for Flash and SSRAM");
        int number = 0;
        for (std::size_t i = 0; kFsmAddress[i] != '\0';) {
            while (kFsmAddress[i] == ' ') {
                ++i;
            }
            std::size_t end = i;
            while (kFsmAddress[end] != ' ' && kFsmAddress[end] != '\0') {
                ++end;
            }
            if (end > i) {
                group->AddPin(std::make_unique<TPin>(platform::Format("FSM_A[%d]", ++number),
                                                     std::string(kFsmAddress + i, end - i),
                                                     PIN_DIR_OUTPUT, V25, 0.0f));
            }
            i = end;
        }
        PINSMITH_ASSERT(number == 26);
        AddPinRows(*group, PinTable{"FSM_D", kFsmData});
        board.AddConnector(std::move(group));
    }
    if (Config.MicroSd) {
        AddGroup(board, "SD Card", kSdCard);
    }
    if (Config.Ddr3) {
        const int nNum = AddSocket(board, "DDR3 SODIMM", "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM,
                                   CONNECTOR_ID_DDR3_SODIMM_A, kDdr3Sodimm);
        PINSMITH_ASSERT(nNum == 204);
    }
    bool fmcCard = false;
    for (const std::uint8_t card : Config.FmcCardId) {
        fmcCard = fmcCard || card != 0;
    }
    if (Config.Ddr3 || fmcCard) {
        auto group = Group(Config.Ddr3 && fmcCard ? "RZQ for FMC and DDR3"
                           : Config.Ddr3          ? "RZQ for DDR3"
                                                  : "RZQ for FMC");
        if (Config.Ddr3) {
            AddPinRows(*group, PinTable{"RZQ", kRzqDdr3});
        }
        if (fmcCard) {
            AddPinRows(*group, PinTable{"RZQ", kRzqFmc});
        }
        board.AddConnector(std::move(group));
    }
    if (Config.UartToUsb) {
        AddGroup(board, "Uart to Usb", kUart);
    }
    // FMCA_ONBOARD_REFCLK_p and FMCD_ONBOARD_REFCLK_p are buses of one bit
    // from each chip. A port comes from one connector, so with both chips in
    // use the LMK04906's bits join the CDCM6208 group.
    const auto sharesBus = [&](int lmkOutput) {
        return Config.Cdcm6208Pll && (lmkOutput == 0 || lmkOutput == 3);
    };
    const auto addLmkClock = [&](TConnector& group, int k) {
        const float mhz = TConfigCalvet::Lmk04906OutputMHz(*pSettings, k);
        if (mhz > 0) {
            group.AddPin(std::make_unique<TPin>(kLmkClocks[k].name, kLmkClocks[k].location,
                                                PIN_DIR_INPUT, IOSTD_LVDS, mhz));
        }
    };
    if (Config.Lmk04906Pll) {
        auto group = Group("LMK04906B External PLL");
        AddPinRows(*group, PinTable{"LMK04906", kLmkControl});
        for (int k = 0; k < calvet::kLmkOutputs; ++k) {
            if (!sharesBus(k)) {
                addLmkClock(*group, k);
            }
        }
        board.AddConnector(std::move(group));
    }
    if (Config.Cdcm6208Pll) {
        auto group = Group("CDCM6208 External PLL");
        AddPinRows(*group, PinTable{"CDCM6208", kCdcmControl});
        for (int k = 0; k < calvet::kCdcmOutputs; ++k) {
            const float mhz = TConfigCalvet::Cdcm6208OutputMHz(*pSettings, k);
            if (mhz > 0) {
                group->AddPin(std::make_unique<TPin>(kCdcmClocks[k].name, kCdcmClocks[k].location,
                                                     PIN_DIR_INPUT, IOSTD_LVDS, mhz));
            }
        }
        if (Config.Lmk04906Pll) {
            for (int k = 0; k < calvet::kLmkOutputs; ++k) {
                if (sharesBus(k)) {
                    addLmkClock(*group, k);
                }
            }
        }
        board.AddConnector(std::move(group));
    }
    if (Config.Temperature || Config.Fan || Config.PowerMonitor) {
        AddGroup(board, "I2C for Temperature-Sensor or Fan-Control or Power-Monitor", kI2c);
    }
    if (Config.Temperature) {
        AddGroup(board, "Temperature", kTemperature);
    }
    if (Config.PowerMonitor) {
        AddGroup(board, "POWER Monitor", kPower);
    }
    if (Config.Pcie) {
        AddGroup(board, "PCIE", kPcie);
    }
    if (Config.SataHost) {
        AddGroup(board, "Sata Host", kSataHost);
    }
    if (Config.SataDevice) {
        AddGroup(board, "Sata Device", kSataDevice);
    }
    if (Config.Sma) {
        AddGroup(board, "SMA", kSma);
    }
    if (Config.GpioCardId != 0) {
        const int nNum =
            AddSocket(board, "GPIO",
                      platform::Format("GPIO connect to %s",
                                       BoardName(MakeCardId(Config.GpioCardId)).c_str()),
                      CONNECTOR_GPIO40, CONNECTOR_ID_GPIO_0, kGpio);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM);
    }
    for (int n = 0; n < calvet::kFmcPorts; ++n) {
        const std::uint8_t card = Config.FmcCardId[n];
        if (card == 0) {
            continue;
        }
        const char letter = static_cast<char>('A' + n);
        // The connector carries the card's id: the writer keeps the pin order
        // of some FMC cards as their maps give it.
        auto fmc = std::make_unique<TConnector>(
            platform::Format("FMC%c", letter),
            platform::Format("FMC%c connect to %s", letter, BoardName(MakeCardId(card)).c_str()),
            kFmcType[n], card);
        fmc->SetIsExpansion(true);
        fmc->SetConnectorId(ConnectorIdAt(CONNECTOR_ID_FMC_A, n));
        const int nNum = AddHeaderPositions(*fmc, kFmc[n]);
        PINSMITH_ASSERT(nNum == kFmcPositions);
        board.AddConnector(std::move(fmc));
    }
}

void CONFIG_CALVET(TMainBoard* pBoard, const CALVET_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigCalvet>();
    settings->Config = Config;
    CONFIG_CALVET(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
