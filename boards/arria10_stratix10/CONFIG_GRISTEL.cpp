#include "boards/arria10_stratix10/CONFIG_GRISTEL.h"

#include "boards/PinTable.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/ZarvikGroups.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>

namespace {

using zarvikgroups::AddGroup;
constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLK_50_B2A", "AW16", IN, IOSTD_1V8, 50},
    {"CLK_50_B2H", "AR23", IN, IOSTD_1V8, 50},
    {"CLK_50_B3F", "F3", IN, IOSTD_1V8, 50},
    {"CLK_50_B3H", "D11", IN, IOSTD_1V8, 50},
    {"CLKUSR_100", "AJ18", IN, IOSTD_1V8, 100},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "A24 A25", IN, IOSTD_1V8},
    {"CPU_RESET_n", "AN18", IN, IOSTD_1V8},
};
constexpr PinRow kSwitch[] = {{"SW[]", "B25 B26", IN, IOSTD_1V8}};
constexpr PinRow kLed[] = {{"LED[]", "C26 B24", OUT, IOSTD_1V8}};
constexpr PinRow kDdr4b[] = {
    {"DDR4B_REFCLK_p", "AU7", IN, IOSTD_LVDS},
    {"DDR4B_A[]", "AJ11 AH12 AP11 AN11 AM10 AM11 AP9 AN9 AR10 AP10 AM9 AL10 AV8 AT8 AT9 AR7 AR8", OUT, IOSTD_SSTL12},
    {"DDR4B_BA[]", "AU6 AP8", OUT, IOSTD_SSTL12},
    {"DDR4B_BG[]", "AN8 AJ14", OUT, IOSTD_SSTL12},
    {"DDR4B_CK", "AL13", OUT, IOSTD_DIFF_1V2_SSTL},
    {"DDR4B_CK_n", "AK13", OUT, IOSTD_DIFF_1V2_SSTL},
    {"DDR4B_CKE[]", "AK10 AK11", OUT, IOSTD_SSTL12},
    {"DDR4B_DQS[]", "AE12 AL7 AR6 AT2 AW4", IO, IOSTD_DIFF_1V2_POD},
    {"DDR4B_DQS_n[]", "AF13 AK8 AP6 AT3 AW5", IO, IOSTD_DIFF_1V2_POD},
    {"DDR4B_DQ[]", "AG10 AF9 AG12 AG11 AJ10 AF10 AJ9 AF12 AJ8 AE11 AL8 AH8 AL9 AH7 AK7 AH9 AR5 AM6 AT4 AN7 AP5 AL5 AM4 AM5 AN3 AU1 AP1 AR2 AR3 AU2 AN4 AR1 AU4 AU5 AV3 AW6 AV2 AV6 AV1 AV4", IO, IOSTD_1V2_POD},
    {"DDR4B_DM[]", "AG9 AK6 AM7 AP4 AT5", IO, IOSTD_1V2_POD},
    {"DDR4B_CS_n[]", "AJ13 AN12", OUT, IOSTD_SSTL12},
    {"DDR4B_RESET_n", "AH14", OUT, IOSTD_1V2},
    {"DDR4B_ODT[]", "AL12 AK12", OUT, IOSTD_SSTL12},
    {"DDR4B_PAR", "AM12", OUT, IOSTD_SSTL12},
    {"DDR4B_ALERT_n", "AH11", IN, IOSTD_SSTL12},
    {"DDR4B_ACT_n", "AH13", OUT, IOSTD_SSTL12},
    {"DDR4B_A17", "AV7", OUT, IOSTD_SSTL12},
    {"DDR4B_RZQ", "AW8", IN, IOSTD_1V2},
};
constexpr PinRow kHdmi[] = {
    {"HDMI_REFCLK_p", "Y31", IN, IOSTD_LVDS},
    {"HDMI_TX_CLK_p", "V39", OUT, IOSTD_HSSI_DIFF},
    {"HDMI_TX_D_p[]", "U37 T39 R37", OUT, IOSTD_HSSI_DIFF},
};
constexpr PinRow kUsb[] = {
    {"USB_REFCLK_p", "AB31", IN, IOSTD_LVDS},
    {"USB_TX_p", "AB39", OUT, IOSTD_HSSI_DIFF},
    {"USB_RX_p", "AA37", IN, IOSTD_HSSI_DIFF},
    {"USB_PD_SCL", "AJ19", IO, IOSTD_1V8},
    {"USB_PD_SDA", "AV16", IO, IOSTD_1V8},
    {"USBFX3_RESET_n", "AJ24", IO, IOSTD_1V8},
    {"USBFX3_PCLK", "AT27", IO, IOSTD_1V8},
    {"USBFX3_CTL0_SLCS_n", "AV26", IO, IOSTD_1V8},
    {"USBFX3_UART_TX", "AP23", IO, IOSTD_1V8},
    {"USBFX3_UART_RX", "AU27", IO, IOSTD_1V8},
    {"USBFX3_CTL10", "AU24", IO, IOSTD_1V8},
    {"USBFX3_CTL11_A1", "AU22", IN, IOSTD_1V8},
    {"USBFX3_CTL12_A0", "AT23", IO, IOSTD_1V8},
    {"USBFX3_CTL15_INT_n", "AW21", IO, IOSTD_1V8},
    {"USBFX3_CTL1_SLWR_n", "AT22", IO, IOSTD_1V8},
    {"USBFX3_CTL2_SLOE_n", "AT25", IO, IOSTD_1V8},
    {"USBFX3_CTL3_SLRD_n", "AR27", IO, IOSTD_1V8},
    {"USBFX3_CTL4_FLAGA", "AN22", IO, IOSTD_1V8},
    {"USBFX3_CTL5_FLAGB", "AN23", IO, IOSTD_1V8},
    {"USBFX3_CTL6", "AL24", IO, IOSTD_1V8},
    {"USBFX3_CTL7_PKTEND_n", "AL25", IO, IOSTD_1V8},
    {"USBFX3_CTL8", "AV21", IO, IOSTD_1V8},
    {"USBFX3_CTL9", "AV22", IO, IOSTD_1V8},
    {"USBFX3_DQ[]", "AU21 AW23 AW24 AW25 AW26 AV24 AW28 AW30 AW29 AV27 AV28 AU26 AV23 AU25 AR25 AP24 AL23 AM24 AK25 AM25 AT24 AR26 AP26 AP25 AN24 AN26 AK23 AJ25 AJ23 AH23 AR20 AP20", IO, IOSTD_1V8},
    {"DP_REFCLK_p", "AM31", IN, IOSTD_LVDS},
    {"DP_TX_p[]", "AW37 AV39 AU37 AT39", OUT, IOSTD_HSSI_DIFF},
    {"DP_RX_p[]", "AV35 AT35 AN33 AP35", IN, IOSTD_HSSI_DIFF},
    {"DP_AUX_p", "AM22", OUT, IOSTD_1V8},
};
constexpr PinRow kI2cFmc[] = {
    {"FPGA_I2C_SCL", "AT29", IO, IOSTD_1V2},
    {"FPGA_I2C_SDA", "AU30", IO, IOSTD_1V2},
};
constexpr PinRow kI2cSdi[] = {
    {"REFCLK0_SDI_SCL", "AU20", IO, IOSTD_1V8},
    {"REFCLK0_SDI_SDA", "AT20", IO, IOSTD_1V8},
};
constexpr PinRow kI2cHdmi[] = {
    {"REFCLK1_HDMI_SCL", "AR22", IO, IOSTD_1V8},
    {"REFCLK1_HDMI_SDA", "AR21", IO, IOSTD_1V8},
};
constexpr PinRow kI2cClock[] = {
    {"CDCM6208_SCL", "AK22", IO, IOSTD_1V8},
    {"CDCM6208_SDA", "AK21", IO, IOSTD_1V8},
};
constexpr PinRow kFan[] = {{"FAN_ALERT_n", "E25", IN, IOSTD_1V8}};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "AJ21", IN, IOSTD_LVDS},
    {"SMA_CLKOUT_p", "AN21", OUT, IOSTD_LVDS},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_p", "AH31", IN, IOSTD_LVDS},
    {"PCIE_TX_p[]", "AR37 AP39 AN37 AM39", OUT, IOSTD_HSSI_DIFF},
    {"PCIE_RX_p[]", "AL33 AM35 AJ33 AK35", IN, IOSTD_HSSI_DIFF},
    {"PCIE_PERST_n", "AW20", IN, IOSTD_1V8},
    {"PCIE_WAKE_n", "AL19", OUT, IOSTD_1V8},
};
constexpr PinRow kSata[] = {
    {"SATA_HOST_REFCLK_p", "V31", IN, IOSTD_LVDS},
    {"SATA_HOST_TX_p[]", "P39 N37", OUT, IOSTD_HSSI_DIFF},
    {"SATA_HOST_RX_p[]", "U33 T35", IN, IOSTD_HSSI_DIFF},
    {"SATA_DEVICE_REFCLK_p", "M31", IN, IOSTD_LVDS},
    {"SATA_DEVICE_TX_p[]", "B39 A37", OUT, IOSTD_HSSI_DIFF},
    {"SATA_DEVICE_RX_p[]", "D35 B35", IN, IOSTD_HSSI_DIFF},
};
constexpr PinRow kSfp[] = {
    {"SFP_REFCLK_p", "AD31", IN, IOSTD_LVDS},
    {"SFP_MOD1_SCL", "AK26", IO, IOSTD_1V2},
    {"SFP_MOD2_SDA", "AE25", IO, IOSTD_1V2},
};
constexpr PinRow kEth[] = {
    {"ETH_TX_p", "AP19", OUT, IOSTD_LVDS},
    {"ETH_RX_p", "AM20", IN, IOSTD_LVDS},
    {"ETH_INT_n", "AU19", IN, IOSTD_1V8},
    {"ETH_MDC", "AT19", IN, IOSTD_1V8},
    {"ETH_MDIO", "AJ20", IO, IOSTD_1V8},
    {"ETH_RST_n", "AK20", OUT, IOSTD_1V8},
};
constexpr PinRow kHps[] = {
    {"HPS_CLK_25", "E22", IO, IOSTD_1V8},
    {"HPS_DIO[]", "J18 F22 K18 E23 G21 H21 H22 H19 D23 C23 F23 G22 J19 L20", IO, IOSTD_1V8},
    {"HPS_ENET_GTX_CLK", "F25", IO, IOSTD_1V8},
    {"HPS_ENET_MDC", "D24", IO, IOSTD_1V8},
    {"HPS_ENET_MDIO", "C24", IO, IOSTD_1V8},
    {"HPS_ENET_RX_CLK", "K22", IO, IOSTD_1V8},
    {"HPS_ENET_RX_DATA[]", "H23 J23 F24 G24", IO, IOSTD_1V8},
    {"HPS_ENET_RX_DV", "L22", IO, IOSTD_1V8},
    {"HPS_ENET_TX_DATA[]", "H24 J24 M22 M21", IO, IOSTD_1V8},
    {"HPS_ENET_TX_EN", "G25", IO, IOSTD_1V8},
    {"HPS_I2C0_SCLK", "B30", IO, IOSTD_1V8},
    {"HPS_I2C0_SDAT", "A30", IO, IOSTD_1V8},
    {"HPS_KEY", "A29", IO, IOSTD_1V8},
    {"HPS_LED", "D29", IO, IOSTD_1V8},
    {"HPS_MAX_BUS[]", "C29 B29 A28 A27", IO, IOSTD_1V8},
    {"HPS_RESET_N", "K21", IO, IOSTD_1V8},
    {"HPS_RXD", "D28", IO, IOSTD_1V8},
    {"HPS_TXD", "C28", IO, IOSTD_1V8},
    {"HPS_USB_CLKOUT", "L25", IO, IOSTD_1V8},
    {"HPS_USB_DATA[]", "K25 G26 E27 F27 L24 M24 K23 L23", IO, IOSTD_1V8},
    {"HPS_USB_DIR", "J25", IO, IOSTD_1V8},
    {"HPS_USB_NXT", "H26", IO, IOSTD_1V8},
    {"HPS_USB_STP", "M25", IO, IOSTD_1V8},
    {"HPS_WARM_RST_N", "J21", IO, IOSTD_1V8},
};
constexpr PinRow kSdi[] = {
    {"SDI_REFCLK_p", "AF31", IN, IOSTD_LVDS},
    {"SDI_TX_INT_n", "AT15", IN, IOSTD_1V8},
    {"SDI_TX_p", "AH39", OUT, IOSTD_HSSI_DIFF},
    {"SDI_RX_LOCK_n", "AU15", IN, IOSTD_1V8},
    {"SDI_RX_p", "AF35", IN, IOSTD_HSSI_DIFF},
};
constexpr const char* kSocket =
    "- - AD11 AD13 - - AD10 AC11 - - "
    "AD8 AD9 AE8 - - AC8 AF8 - - AC9 "
    "AG7 - - AG5 AK5 - - AE6 AJ6 - "
    "- AE7 AJ5 AF7 - - AH6 AC7 - - "
    "AG6 AD6 - - AL2 AK3 - - AL4 AK1 "
    "- - AN2 AK2 AN1 - - AJ3 AM2 - "
    "- AJ4 AM1 - - AF3 AH4 - - AF2 "
    "AH1 - - AH3 AG2 AH2 - - AG1 AF4 "
    "- - AG4 AE5 - - W4 Y3 - - "
    "Y1 V1 - - V3 V4 V2 - - U1 "
    "W3 - - U2 W1 - - AE3 AC2 - "
    "- - AE2 AD1 AA10 AC12 - - AA9 Y5 "
    "AB6 AA2 - - AB5 AA4 Y2 AA3 - - "
    "AA5 AB4 AB1 - - - AD3 - AD4 - "
    "- - AC6 AC1 AB9 W5 - - AE1 Y7 "
    "AA7 AB11 - - AC3 AB10 - AB7 - - "
    "- AC4 - - AB2 AD5 - - P3 M2 "
    "- - P4 K1 - - R1 L2 P1 - "
    "- J1 N1 - - K2 N2 - - P6 "
    "N4 - - P5 N3 - - K3 L3 J3 "
    "- - L4 R3 - - M5 R2 - - "
    "T4 W6 - - T7 V6 - - R6 U4 "
    "R5 - - T3 U6 - - U5 U7 - "
    "- Y13 Y8 - - Y12 W8 - - W9 "
    "V8 V9 - - Y10 W11 - - Y11 W10 "
    "- - - - - Y6 - - - Y37";
constexpr const char* kFmc =
    "- R33 R32 - - M35 M34 - - N33 "
    "N32 - - K35 K34 - - L33 L32 - "
    "- L37 L36 - - K39 K38 - - J37 "
    "J36 - - H39 H38 - - G37 G36 - "
    "- - - G33 G32 - - F35 F34 - "
    "- J33 J32 - - H35 H34 - - K31 "
    "K30 - - C37 C36 - - D39 D38 - "
    "- E37 E36 - - F39 F38 - - - "
    "- M39 M38 - - P35 P34 - - H8 "
    "J8 - - E8 F8 - - B7 C7 - "
    "- K8 L8 - - T12 T13 - - J9 "
    "F4 - - E11 - - - - - - "
    "- - - P31 P30 - - B4 C3 - "
    "J10 K10 - G6 H7 - D5 D6 - F9 "
    "G9 - V11 V12 - R7 T8 - - - "
    "- - - - AL18 - - - - - "
    "- M12 N12 - - J11 K11 - F13 F14 "
    "- G12 H12 - A9 B9 - F10 G10 - "
    "J4 J5 - G5 H6 - AT13 AT14 - AV14 "
    "AU14 - AR15 AR16 - AV18 AV19 - - - "
    "- - - K12 L12 - H13 J13 - J14 "
    "K13 - A10 B10 - A7 A8 - M7 N7 "
    "- N8 P8 - H2 H3 - B1 C2 - "
    "AW13 AV13 - AU16 AU17 - AP16 AN16 - - "
    "- AW14 AW15 - - A3 A4 - M10 M11 "
    "- M9 N9 - A5 B5 - E5 F5 - "
    "F7 G7 - U11 U12 - F2 G2 - G1 "
    "H1 - P10 R10 - N11 P11 - - - "
    "- - - K5 L5 - T9 T10 - U9 "
    "U10 - L9 L10 - B6 C6 - E6 E7 "
    "- R8 P9 - C4 D4 - R11 R12 - "
    "J6 K6 - K7 L7 - M6 N6 - - "
    "- C1 D1 - - E12 F12 - L13 L14 "
    "- G14 H14 - A12 B12 - B11 C11 - "
    "C8 D8 - G4 H4 - A2 B2 - AJ16 "
    "AH16 - AK16 AK17 - AM15 AM16 - - - "
    "- - - AW18 AV17 - D10 E10 - N13 "
    "P13 - D13 E13 - C12 C13 - C9 D9 "
    "- G11 H11 - E1 E2 - D3 E3 - "
    "AM17 AL17 - AP14 AP15 - AT17 AT18 - -";
// clang-format on

static_assert(CountLocations(kSocket) == 260);
static_assert(CountLocations(kFmc) == 400);
static_assert(CountTablePins(kDdr4b) == 91);
static_assert(CountTablePins(kUsb) == 65);
static_assert(CountTablePins(kHps) == 53);

std::unique_ptr<TConnector> FmcConnector(const GRISTEL_CONFIG& Config, IoStd rzqStandard) {
    const CardId card = MakeCardId(Config.FmcCardId);
    auto fmc = MakeExpansionConnector(
        "FMC", platform::Format("FMC connect to %s", BoardName(card).c_str()), CONNECTOR_FMC_HPC,
        CONNECTOR_ID_FMC_A);
    const int positions = AddHeaderPositions(*fmc, kFmc);
    PINSMITH_ASSERT(positions == 400);
    // Board pins after the card's positions: a card merges only its 400.
    fmc->AddPin(std::make_unique<TPin>("FMC_REFCLK_p", "T31", PIN_DIR_INPUT, IOSTD_LVDS, 0.0f));
    fmc->AddPin(std::make_unique<TPin>("FMC_RZQ", "H9", PIN_DIR_INPUT, rzqStandard, 0.0f));
    return fmc;
}

} // namespace

IoStd GristelFmcStandard(std::int32_t fmcVoltage) {
    switch (fmcVoltage) {
    case gristel::kFmc1V5:
        return IOSTD_1V5;
    case gristel::kFmc1V2:
        return IOSTD_1V2;
    default:
        return IOSTD_1V8;
    }
}

void CONFIG_GRISTEL(TMainBoard* pBoard, TConfigGristel* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const GRISTEL_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    pBoard->m_BoardId = MAINBOARD_GRISTEL;
    if (Config.BoardId != BoardNumber(MAINBOARD_GRISTEL)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_GRISTEL");
    }
    if (Config.Size != GRISTEL_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigGristel::GRISTEL_CONFIG)");
    }
    TMainBoard& board = *pBoard;
    board.ClearConnectors();
    board.m_Family = "Arria 10";
    board.m_Device = "10AS066K3F40E2SG";
    board.m_PinCount = 1517;
    board.m_SpeedGradeText = "2";

    const bool fmcCard = static_cast<std::int8_t>(Config.FmcCardId) > 0;
    if (Config.Clock) {
        AddGroup(board, "CLOCK", kClock);
    }
    if (Config.Button) {
        AddGroup(board, "KEY", kKey);
    }
    if (Config.Switch) {
        AddGroup(board, "SW", kSwitch);
    }
    if (Config.Led) {
        AddGroup(board, "LED", kLed);
    }
    if (static_cast<std::int8_t>(Config.SocketCardId) > 0) {
        auto socket = MakeExpansionConnector(
            "DDR4 SODIMM Socket",
            platform::Format("connect to %s", BoardName(MakeCardId(Config.SocketCardId)).c_str()),
            CONNECTOR_DDR4_SODIMM_IF_ECC, CONNECTOR_ID_DDR4_SOCKET);
        const int positions = AddHeaderPositions(*socket, kSocket);
        PINSMITH_ASSERT(positions == 260);
        board.AddConnector(std::move(socket));
    }
    if (Config.Ddr4) {
        AddGroup(board, "DDR4B", kDdr4b);
    }
    if (Config.Hdmi) {
        AddGroup(board, "HDMI", kHdmi);
    }
    if (Config.Usb) {
        AddGroup(board, "USB Type-C", kUsb);
    }
    if (Config.Hdmi || Config.Sdi || fmcCard) {
        // The name repeats "HDMI/" for an FMC card, as it always has.
        std::string name = "I2C for ";
        name += Config.Hdmi ? "HDMI/" : "";
        name += Config.Sdi ? "SDI/" : "";
        name += fmcCard ? "HDMI/" : "";
        zarvikgroups::Group i2c(name);
        if (fmcCard) {
            i2c.Add(kI2cFmc);
        }
        if (Config.Sdi) {
            i2c.Add(kI2cSdi);
        }
        if (Config.Hdmi) {
            i2c.Add(kI2cHdmi);
        }
        i2c.Add(kI2cClock);
        i2c.AddTo(board);
    }
    if (Config.Fan) {
        AddGroup(board, "FAN", kFan);
    }
    if (Config.Sma) {
        AddGroup(board, "SMA", kSma);
    }
    if (Config.Pcie) {
        AddGroup(board, "PCIE", kPcie);
    }
    if (Config.Sata) {
        AddGroup(board, "SATA", kSata);
    }
    if (Config.Sfp) {
        AddGroup(board, "SFP", kSfp);
    }
    if (Config.Ethernet) {
        AddGroup(board, "ETH", kEth);
    }
    if (Config.Hps) {
        AddGroup(board, "HPS", kHps);
    }
    if (Config.Sdi) {
        AddGroup(board, "SDI", kSdi);
    }
    if (fmcCard) {
        board.AddConnector(FmcConnector(Config, GristelFmcStandard(Config.FmcVoltage)));
    }
}

void CONFIG_GRISTEL(TMainBoard* pBoard, const GRISTEL_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigGristel>();
    settings->Config = Config;
    CONFIG_GRISTEL(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
