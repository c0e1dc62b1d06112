#include "boards/stratix5/CONFIG_PELLIX.h"

#include "boards/PinTable.h"
#include "boards/stratix5/PellixId.h"
#include "boards/stratix5/StratixVPins.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>
#include <string>

namespace {

using namespace stratix5;

constexpr IoStd V25 = IOSTD_2V5;
constexpr IoStd PCML = IOSTD_1V5_PCML;

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_50_B3B", "AV29", IN, V25, 0, 20},
    {"OSC_50_B3D", "AK23", IN, V25, 0, 20},
    {"OSC_50_B4A", "AL7", IN, V25, 0, 20},
    {"OSC_50_B4D", "AF17", IN, V25, 0, 20},
    {"OSC_50_B7A", "G7", IN, V25, 0, 20},
    {"OSC_50_B7D", "P16", IN, V25, 0, 20},
    {"OSC_50_B8A", "E34", IN, V25, 0, 20},
    {"OSC_50_B8D", "J23", IN, V25, 0, 20},
};
// With CLOCK unticked, the clock the oscillator controllers run on.
constexpr std::span<const PinRow> kControllerClock(kClock, 1);
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "U15", IN, V25},
    {"SMA_CLKOUT", "AD30", OUT, V25},
};
constexpr PinRow kLed[] = {
    {"LED[]", "C16 D18 B16 A16", OUT, V25},
    {"LED_BRACKET[]", "E18 E17 E19 D16", OUT, V25},
    {"LED_RJ45_L", "M15", OUT, V25},
    {"LED_RJ45_R", "N15", OUT, V25},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "C18 B19 B17 A17", IN, V25},
    {"CPU_RESET_n", "AM34", IN, V25},
};
constexpr PinRow kReset[] = {{"CPU_RESET_n", "AM34", IN, V25}};
constexpr PinRow kSwitch[] = {{"SW[]", "F17 G17 G19 G16", IN, V25}};
constexpr PinRow kTemperature[] = {
    {"TEMP_CLK", "M17", OUT, V25},
    {"TEMP_DATA", "AN17", IO, V25},
    {"TEMP_INT_n", "AT17", IN, V25},
    {"TEMP_OVERT_n", "AR17", IN, V25},
};
constexpr PinRow kFan[] = {{"FAN_CTRL", "AW16", IO, V25}};
constexpr PinRow kRs422[] = {
    {"RS422_DE", "K16", OUT, V25},
    {"RS422_DIN", "H19", IN, V25},
    {"RS422_DOUT", "H17", OUT, V25},
    {"RS422_RE_n", "L16", OUT, V25},
    {"RS422_TE", "H16", OUT, V25},
};
// Receive and transmit alternate lane by lane.
constexpr PinRow kPcie[] = {
    {"PCIE_RX_p[0]", "AV38", IN, PCML}, {"PCIE_TX_p[0]", "AU36", OUT, PCML},
    {"PCIE_RX_p[1]", "AT38", IN, PCML}, {"PCIE_TX_p[1]", "AR36", OUT, PCML},
    {"PCIE_RX_p[2]", "AP38", IN, PCML}, {"PCIE_TX_p[2]", "AN36", OUT, PCML},
    {"PCIE_RX_p[3]", "AM38", IN, PCML}, {"PCIE_TX_p[3]", "AL36", OUT, PCML},
    {"PCIE_RX_p[4]", "AH38", IN, PCML}, {"PCIE_TX_p[4]", "AG36", OUT, PCML},
    {"PCIE_RX_p[5]", "AF38", IN, PCML}, {"PCIE_TX_p[5]", "AE36", OUT, PCML},
    {"PCIE_RX_p[6]", "AD38", IN, PCML}, {"PCIE_TX_p[6]", "AC36", OUT, PCML},
    {"PCIE_RX_p[7]", "AB38", IN, PCML}, {"PCIE_TX_p[7]", "AA36", OUT, PCML},
    {"PCIE_REFCLK_p", "AF34", IN, IOSTD_HCSL},
    {"PCIE_PERST_n", "AC28", IN, V25},
    {"PCIE_WAKE_n", "AE29", OUT, V25},
    {"PCIE_SMBCLK", "AF28", IO, V25},
    {"PCIE_SMBDAT", "AB28", IO, V25},
};
constexpr PinRow kSharedBus[] = {
    {"FSM_D[]", "AJ24 AH27 AG27 AG26 AG24 AG23 AC27 AC26 AA26 AF23 AG22 AF22 AD21 AE21 AE20 AD20 "
                "AE22 AD22 AB24 AD24 AC24 AA25 AB25 AC25 AE25 AD26 AE26 AE24 AF25 AF26 AA27 AB27",
     IO, V25},
    {"FSM_A[]", "AW22 AV23 AV25 AT24 AN23 AW23 AU23 AP24 AM25 AM26 AP25 AP22 AL24 AM23 AH24 AG25 "
                "AK24 AM22 AL25 AT23 AJ26 AT26 AR22 AU24 AR24 AN22 AR25",
     OUT, V25},
};
constexpr PinRow kFlashControl[] = {
    {"FLASH_ADV_n", "AR27", OUT, V25},
    {"FLASH_CE_n[0]", "AU25", OUT, V25},
    {"FLASH_CE_n[1]", "AN24", OUT, V25},
    {"FLASH_CLK", "AB30", OUT, V25},
    {"FLASH_OE_n", "AP27", OUT, V25},
    {"FLASH_RDY_BSY_n[0]", "AU26", IN, V25},
    {"FLASH_RDY_BSY_n[1]", "AR28", IN, V25},
    {"FLASH_RESET_n", "AT27", OUT, V25},
    {"FLASH_WE_n", "AP28", OUT, V25},
};
constexpr PinRow kSsramControl[] = {
    {"SSRAM_ADSC_n", "AM29", OUT, V25},
    {"SSRAM_ADSP_n", "AN28", OUT, V25},
    {"SSRAM_ADV_n", "AN26", OUT, V25},
    {"SSRAM_BE_n[]", "AJ29 AL28 AK27 AH25", OUT, V25},
    {"SSRAM_CE1_n", "AL26", OUT, V25},
    {"SSRAM_CLK", "AE30", OUT, V25},
    {"SSRAM_DPA[]", "AK30 AN25 AL27 AN27", IO, V25},
    {"SSRAM_GW_n", "AL30", OUT, V25},
    {"SSRAM_MODE", "AJ27", OUT, V25},
    {"SSRAM_OE_n", "AM28", OUT, V25},
    {"SSRAM_WE_n", "AK29", OUT, V25},
    {"SSRAM_ZZ", "AL29", OUT, V25},
};
constexpr PinRow kSataHost[] = {
    {"SATA_HOST_RX_p", "K2", IN, PCML},
    {"SATA_HOST_TX_p", "J4", OUT, PCML},
};
constexpr PinRow kSataDevice[] = {
    {"SATA_DEVICE_RX_p", "P2", IN, PCML},
    {"SATA_DEVICE_TX_p", "N4", OUT, PCML},
};
constexpr PinRow kSfpA[] = {
    {"SFPA_TX_p", "AA4", OUT, PCML},       {"SFPA_RX_p", "AB2", IN, PCML},
    {"SFPA_RATESEL[]", "AE11 AE9", OUT, V25}, {"SFPA_LOS", "AE10", IN, V25},
    {"SFPA_MOD0_PRSNT_n", "AD9", IN, V25}, {"SFPA_MOD1_SCL", "AC9", OUT, V25},
    {"SFPA_MOD2_SDA", "AC12", IO, V25},    {"SFPA_TXDISABLE", "AB9", OUT, V25},
    {"SFPA_TXFAULT", "AB12", IN, V25},
};
constexpr PinRow kSfpB[] = {
    {"SFPB_TX_p", "AE4", OUT, PCML},       {"SFPB_RX_p", "AF2", IN, PCML},
    {"SFPB_RATESEL[]", "AN11 AP9", OUT, V25}, {"SFPB_LOS", "AN9", IN, V25},
    {"SFPB_MOD0_PRSNT_n", "AM10", IN, V25}, {"SFPB_MOD1_SCL", "AM11", OUT, V25},
    {"SFPB_MOD2_SDA", "AL10", IO, V25},    {"SFPB_TXDISABLE", "AL11", OUT, V25},
    {"SFPB_TXFAULT", "AK11", IN, V25},
};
constexpr PinRow kSfpC[] = {
    {"SFPC_TX_p", "AN4", OUT, PCML},       {"SFPC_RX_p", "AP2", IN, PCML},
    {"SFPC_RATESEL[]", "AJ10 AL12", OUT, V25}, {"SFPC_LOS", "AK12", IN, V25},
    {"SFPC_MOD0_PRSNT_n", "AH9", IN, V25}, {"SFPC_MOD1_SCL", "AH10", OUT, V25},
    {"SFPC_MOD2_SDA", "AG9", IO, V25},     {"SFPC_TXDISABLE", "AG12", OUT, V25},
    {"SFPC_TXFAULT", "AF11", IN, V25},
};
constexpr PinRow kSfpD[] = {
    {"SFPD_TX_p", "AU4", OUT, PCML},       {"SFPD_RX_p", "AV2", IN, PCML},
    {"SFPD_RATESEL[]", "AU11 AW11", OUT, V25}, {"SFPD_LOS", "AV11", IN, V25},
    {"SFPD_MOD0_PRSNT_n", "AU10", IN, V25}, {"SFPD_MOD1_SCL", "AU9", OUT, V25},
    {"SFPD_MOD2_SDA", "AT9", IO, V25},     {"SFPD_TXDISABLE", "AT11", OUT, V25},
    {"SFPD_TXFAULT", "AR9", IN, V25},
};
constexpr PinRow kSi570Control[] = {
    {"CLOCK_SCL", "AD15", OUT, V25},
    {"CLOCK_SDA", "AD16", IO, V25},
};
constexpr PinRow kCdcm61004Control[] = {
    {"CLK_CE", "AH15", OUT, V25},
    {"CLK_RST_n", "AC15", OUT, V25},
    {"CLK_OD[]", "AB15 AA15 AA14", OUT, V25},
    {"CLK_OS[]", "AG14 AG15", OUT, V25},
    {"CLK_PR[]", "AB16 AJ15", OUT, V25},
};
// HSMC port A: 160 positions, 116 placeholders.
constexpr const char* kHsmcA =
    "R36 T38 R37 T39 W36 Y38 W37 Y39 C36 D38 C37 D39 E36 F38 E37 F39 G36 H38 G37 H39 "
    "J36 K38 J37 K39 L36 M38 L37 M39 N36 P38 N37 P39 G27 F27 - - - - D25 N32 "
    "N20 K22 N21 J22 - - M20 K21 L20 J21 - - H20 G21 G20 F21 - - M21 F20 "
    "L21 E20 - - B20 E21 A20 D21 - - C20 F23 C21 E23 - - P23 B26 N23 A26 "
    "- - T24 B28 R24 A28 - - B29 B31 A29 A31 - - L33 M23 L34 L23 - - "
    "A36 B22 A37 A22 - - A34 M26 A35 L26 - - B32 K27 A32 J27 - - D30 H29 "
    "C30 G29 - - L31 K30 L30 J30 - - G30 E24 F30 E25 - - K31 N30 J31 M30 "
    "- - U31 G24 T31 F24 - - N33 E30 M33 E31 - - P34 R32 N34 P32 - -";
// clang-format on

constexpr std::span<const PinRow> kSfp[4] = {kSfpA, kSfpB, kSfpC, kSfpD};

static_assert(CountTablePins(kClock) == 8);
static_assert(CountTablePins(kLed) == 4 + 4 + 2);
static_assert(CountRowLocations(kButton, "BUTTON[]") == 4);
static_assert(CountTablePins(kSwitch) == 4);
static_assert(CountTablePins(kPcie) == 8 * 2 + 5);
static_assert(CountRowLocations(kSharedBus, "FSM_D[]") == 32);
static_assert(CountRowLocations(kSharedBus, "FSM_A[]") == 27);
static_assert(CountLocations(kHsmcA) == 160);

} // namespace

void CONFIG_PELLIX(TMainBoard* pBoard, const PELLIX_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    TMainBoard& board = *pBoard;
    board.m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    board.m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_PELLIX)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_PELLIX");
    }
    if (Config.Size != PELLIX_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(PELLIX_CONFIG)");
    }

    board.ClearConnectors();
    board.m_Family = "Stratix V";
    board.m_Device = "5SGXEA3K2F40C3";
    board.m_Package = "FBGA";
    board.m_PinCount = 1517;
    board.m_SpeedGradeText = "3_H2";

    const bool si570 = Config.Si570Index != 0;
    const bool cdcm = Config.Cdcm61004Index != 0;
    const std::string cdcmFrequency = CdcmFrequency(Config.Cdcm61004Index);

    if (Config.Clock) {
        AddGroup(board, "CLOCK", kClock);
    } else if (si570 || cdcm) {
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
    } else if (si570 || cdcm) {
        AddGroup(board, "CPU_RESET_n", kReset);
    }
    if (Config.Switch) {
        AddGroup(board, "SWITCH x 4", kSwitch);
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
    if (Config.Flash || Config.Ssram) {
        AddGroup(board, "Flash/SSRAM/MAX Address/Data Share Bus", kSharedBus);
    }
    if (Config.Flash) {
        AddGroup(board, "Flash Control", kFlashControl);
    }
    if (Config.Ssram) {
        AddGroup(board, "SSRAM Control", kSsramControl);
    }
    const bool sata = Config.SataHost || Config.SataDevice;
    if (sata) {
        auto group = Group("SATA");
        if (Config.SataHost) {
            AddPinRows(*group, PinTable{"SATA", kSataHost});
        }
        if (Config.SataDevice) {
            AddPinRows(*group, PinTable{"SATA", kSataDevice});
        }
        // With the CDCM61004 off the pin is a plain input: no clock of 0 MHz.
        group->AddPin(ReferenceClock("SATA_REFCLK_p", "V6", IOSTD_HCSL, cdcmFrequency));
        board.AddConnector(std::move(group));
    }

    bool sfp = false;
    bool sfp1g = false;
    TConnector* last = nullptr;
    for (int n = 0; n < 4; ++n) {
        if (Config.Sfp[n]) {
            sfp = true;
            auto group = Group(platform::Format("SFP+ %c", 'A' + n));
            AddPinRows(*group, PinTable{"SFP+", kSfp[n]});
            last = group.get();
            board.AddConnector(std::move(group));
        }
    }
    if (sfp) {
        if (si570) {
            auto group =
                Group("SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)");
            group->AddPin(ReferenceClock("SFP_REFCLK_p", "AF6", IOSTD_HCSL,
                                         Si570Frequency(Config.Si570Index)));
            last = group.get();
            board.AddConnector(std::move(group));
        }
        if (cdcm) {
            // No group of its own: it joins the group made last.
            last->AddPin(ReferenceClock("SFP1G_REFCLK_p", "AB6", IOSTD_HCSL, cdcmFrequency));
            sfp1g = true;
        }
    }
    if (si570) {
        AddGroup(board, "Programmalbe Oscillator SI570", kSi570Control);
    }
    if (cdcm) {
        const char* name =
            sfp && sata ? "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA"
            : sata      ? "Programmalbe Oscillator CDCM61004 for referece clock of SATA"
                        : "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G";
        AddGroup(board, name, kCdcm61004Control);
    }

    if (Config.HsmcACard != 0) {
        const CardId card = MakeCardId(Config.HsmcACard);
        const int nNum = AddSocket(
            board, "HSMC-A", platform::Format("HSMC-A connect to %s", BoardName(card).c_str()),
            CONNECTOR_HSMC, CONNECTOR_ID_HSMC_A, kHsmcA);
        PINSMITH_ASSERT(nNum == 160);
        // AB6 carries SFP1G_REFCLK_p already when an SFP+ cage is in use: the
        // transceiver card uses that clock.
        if (cdcm && !sfp1g && IsTransceiverBoard(card)) {
            auto group = Group("HSMC Transceiver Reference Clock");
            group->AddPin(ReferenceClock("HSMC_REFCLK_p", "AB6", IOSTD_HCSL, cdcmFrequency));
            board.AddConnector(std::move(group));
        }
    }
}
