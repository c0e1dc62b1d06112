#include "boards/stratix4/CONFIG_KELMIS.h"

#include "boards/PinTable.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix4/StratixIvGx.h"
#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelmis {
namespace {

// Where a pin takes its I/O standard from: the row's own, or the bank it
// shares with an HSMC port (the standard of that port's card).
enum class Bank { Own, HsmcA, HsmcB, HsmcD, HsmcF };

struct BankRow {
    PinRow pin;
    Bank bank = Bank::Own;
};

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;
// A bank pin's own standard is replaced by the bank's; 2.5 V is what a
// bank holds without a card.
constexpr IoStd BANK = IOSTD_2V5;

// clang-format off
constexpr BankRow kClock[] = {
    {{"OSC_50_BANK1", "AB34", IN, BANK, 0, 20}, Bank::HsmcD},
    {{"OSC_50_BANK3", "AW22", IN, BANK, 0, 20}, Bank::HsmcF},
    {{"OSC_50_BANK4", "AV19", IN, BANK, 0, 20}, Bank::HsmcF},
    {{"OSC_50_BANK7", "A21", IN, IOSTD_1V5, 0, 20}},
    {{"OSC_50_BANK8", "B23", IN, IOSTD_1V5, 0, 20}},
};
constexpr BankRow kLoop[] = {
    {{"LOOP_CLKIN0", "B22", IN, IOSTD_1V5}},
    {{"LOOP_CLKIN1", "B20", IN, IOSTD_1V5}},
    {{"LOOP_CLKOUT0", "M20", OUT, IOSTD_1V5}},
    {{"LOOP_CLKOUT1", "L20", OUT, IOSTD_1V5}},
};
constexpr BankRow kSma[] = {
    {{"SMA_CLKIN", "AW19", IN, BANK}, Bank::HsmcF},
    {{"SMA_CLKOUT", "AN20", OUT, BANK}, Bank::HsmcF},
    {{"SMA_CLKOUT_p", "AC11", OUT, IOSTD_LVDS}},
    {{"SMA_GXBCLK_p", "J38", IN, IOSTD_1V4_PCML}},
};
constexpr BankRow kLed[] = {{{"LED[]", "B19 A18 D19 C19", OUT, IOSTD_1V5}}};
constexpr BankRow kButton[] = {{{"BUTTON[]", "L19 M19 A19 P20", IN, IOSTD_1V5}}};
constexpr BankRow kSwitch[] = {
    {{"SW[0]", "AH18", IN, BANK}, Bank::HsmcF},
    {{"SW[1]", "AH19", IN, BANK}, Bank::HsmcF},
    {{"SW[2]", "D6", IN, BANK}, Bank::HsmcA},
    {{"SW[3]", "C6", IN, BANK}, Bank::HsmcA},
};
constexpr BankRow kTemp[] = {
    {{"TEMP_SMCLK", "AR14", OUT, BANK}, Bank::HsmcB},
    {{"TEMP_SMDAT", "AP14", IO, BANK}, Bank::HsmcB},
    {{"TEMP_INT_n", "AH13", IN, BANK}, Bank::HsmcB},
    {{"TEMP_OVERT_n", "AK14", IN, BANK}, Bank::HsmcB},
};
constexpr BankRow kFan[] = {{{"FAN_CTRL", "B17", OUT, IOSTD_1V5}}};
constexpr BankRow kPcie0[] = {
    {{"PCIE0_REFCLK_p", "AN38", IN, IOSTD_HCSL}},
    {{"PCIE0_PERST_n", "F8", IN, BANK}, Bank::HsmcA},
    {{"PCIE0_WAKE_n", "AE10", OUT, BANK}, Bank::HsmcA},
    {{"PCIE0_TX_p[0]", "AT36", OUT, IOSTD_1V4_PCML}},
    {{"PCIE0_RX_p[0]", "AU38", IN, IOSTD_1V4_PCML}},
    {{"PCIE0_TX_p[1]", "AP36", OUT, IOSTD_1V4_PCML}},
    {{"PCIE0_RX_p[1]", "AR38", IN, IOSTD_1V4_PCML}},
    {{"PCIE0_TX_p[2]", "AH36", OUT, IOSTD_1V4_PCML}},
    {{"PCIE0_RX_p[2]", "AJ38", IN, IOSTD_1V4_PCML}},
    {{"PCIE0_TX_p[3]", "AF36", OUT, IOSTD_1V4_PCML}},
    {{"PCIE0_RX_p[3]", "AG38", IN, IOSTD_1V4_PCML}},
};
constexpr BankRow kPcie1[] = {
    {{"PCIE1_REFCLK_p", "AN2", IN, IOSTD_HCSL}},
    {{"PCIE1_PERST_n", "G8", IN, BANK}, Bank::HsmcA},
    {{"PCIE1_WAKE_n", "AE11", OUT, BANK}, Bank::HsmcA},
    {{"PCIE1_TX_p[0]", "AT4", OUT, IOSTD_1V4_PCML}},
    {{"PCIE1_RX_p[0]", "AU2", IN, IOSTD_1V4_PCML}},
    {{"PCIE1_TX_p[1]", "AP4", OUT, IOSTD_1V4_PCML}},
    {{"PCIE1_RX_p[1]", "AR2", IN, IOSTD_1V4_PCML}},
    {{"PCIE1_TX_p[2]", "AH4", OUT, IOSTD_1V4_PCML}},
    {{"PCIE1_RX_p[2]", "AJ2", IN, IOSTD_1V4_PCML}},
    {{"PCIE1_TX_p[3]", "AF4", OUT, IOSTD_1V4_PCML}},
    {{"PCIE1_RX_p[3]", "AG2", IN, IOSTD_1V4_PCML}},
};
constexpr BankRow kFsmData[] = {
    {{"FSM_D[]", "B32 C32 C31 F32 J30 K29 K30 L29 M29 N29 P29 T27 AM17 AL17 AK16 AJ16 "
                 "AK17 T28 R27 R28 R29 N30 N28 M28 H31 G31 D31 E31 F31 E32 C33 D33",
      IO, IOSTD_3V0_PCIX}},
};
// FSM_A counts from 1; the SSRAM alone uses the first 20 of them.
constexpr const char* kFsmAddress = "L31 F34 D35 D34 E34 C35 C34 F33 G35 H35 J32 J33 K32 K31 "
                                    "AH17 AH16 AE17 AG16 H32 H34 G33 F35 N31 M31 M30";
constexpr BankRow kFsmControl[] = {
    {{"FSM_OE_n", "AT16", OUT, IOSTD_3V0_PCIX}},
    {{"FSM_WE_n", "AL16", OUT, IOSTD_3V0_PCIX}},
};
constexpr BankRow kFlash[] = {
    {{"FLASH_RDY_BSY_n", "A23", IN, IOSTD_1V5}},
    {{"FLASH_CLK", "AU15", OUT, IOSTD_3V0_PCIX}},
    {{"FLASH_RESET_n", "AV16", OUT, IOSTD_3V0_PCIX}},
    {{"FLASH_ADV_n", "AT15", OUT, IOSTD_3V0_PCIX}},
    {{"FLASH_CE_n", "AP16", OUT, IOSTD_3V0_PCIX}},
    {{"FLASH_WP_n", "A20", OUT, IOSTD_1V5}},
};
constexpr BankRow kSsram[] = {
    {{"SSRAM_CLK", "AG17", OUT, IOSTD_3V0_PCIX}},
    {{"SSRAM_ADSC_n", "AP17", OUT, IOSTD_3V0_PCIX}},
    {{"SSRAM_ADSP_n", "AR17", OUT, IOSTD_3V0_PCIX}},
    {{"SSRAM_ADV_n", "AW16", OUT, IOSTD_3V0_PCIX}},
    {{"SSRAM_CE1_n", "AF17", OUT, IOSTD_3V0_PCIX}},
    {{"SSRAM_BE_n[]", "AN16 AN17 AR16 AU16", OUT, IOSTD_3V0_PCIX}},
};
constexpr BankRow kMax2[] = {
    {{"MAX2_I2C_SCL", "C20", OUT, IOSTD_1V5}},
    {{"MAX2_I2C_SDA", "A17", IO, IOSTD_1V5}},
};
constexpr BankRow kPll[] = {
    {{"HSMA_REFCLK_p", "AA2", IN, IOSTD_1V4_PCML}},
    {{"HSME_REFCLK_p", "AA38", IN, IOSTD_1V4_PCML}},
    {{"PGM_GXB_CLK_p1", "J2", IN, IOSTD_1V4_PCML}},
};
constexpr BankRow kOct[] = {
    {{"mem_oct_rdn", "N26", IN, IOSTD_1V5}},
    {{"mem_oct_rup", "P26", IN, IOSTD_1V5}},
};
constexpr BankRow kI2cAbc[] = {
    {{"HSMC_ABC_SCL", "AE16", OUT, BANK}, Bank::HsmcB},
    {{"HSMC_ABC_SDA", "AF16", IO, BANK}, Bank::HsmcB},
};
constexpr BankRow kI2cDef[] = {
    {{"HSMC_DEF_SCL", "G21", OUT, IOSTD_1V5}},
    {{"HSMC_DEF_SDA", "F21", IO, IOSTD_1V5}},
};

// Expansion connector positions 1..n -> FPGA pins; "-" is a position without
// a signal, ":in" a position that is an input whatever the card says.
// DDR3 SODIMM: 204 positions, 124 placeholders
constexpr const char* kDdr3Sodimm =
    "- - - G17 G15 A16 F15 - - C15 "
    "G16 D15 - - C16 D16 B16 E16 - - "
    "N17 P16 M17 P17 - - J16 N16 K16 J18 "
    "- - K17 J17 L16 H17 - - N22 R22 "
    "M23 P22 - - K23 P23 L23 - - K24 "
    "J25 J24 M24 - - C27 A27 D27 A28 - "
    "- B28 B29 C28 - - C29 A31 C30 B31 "
    "- - P25 M16 - - - R20 R24 F16 "
    "- - M25 N21 N25 D17 - - A25 M21 "
    "A24 P24 - - D21 M22 C22 N23 - - "
    "K27 L25 J27 K28 - - C24 A29 B26 D24 "
    "- - M27 D23 L26 F26 - - K26 G26 "
    "G28 - - - - - - - G27 E28 "
    "G29 D28 - - D29 H28 E29 - - H26 "
    "F28 J26 F27 - - C17 F19 F17 G19 - "
    "- F18 E17 G18 - - F20 C18 G20 D18 "
    "- - D25 B25 C25 A26 - - E25 C26 "
    "F25 - - D26 G24 F24 G25 - - K22 "
    "F23 D22 G23 - - H23 E23 J23 - - "
    "J22 G22 H22 E22 - - - R18 - P18 "
    "- H19 - -";
// GPIO_0: 40 positions, 36 placeholders
constexpr const char* kGpio0 =
    "AF34 AG34 AE35 AG35 AC31 AH32 AC32 AH33 AH34 AJ34 "
    "- - AH35 AJ35 AK34 AL34 AK35 AL35 AM34 AN34 "
    "AM35 AN35 AJ32 AJ26 AK33 AK26 AF25 AV29 - - "
    "AG25 AW30 AV32 AT28 AW32 AU28 AV28 AP28 AW29 AR28";
// GPIO_1: 40 positions, 36 placeholders
constexpr const char* kGpio1 =
    "AB27 AE25 AB28 AD25 AP27 AU29 AN27 AT29 AL25 AW33 "
    "- - AP26 AW34 AW31 AH24 AV31 AG24 AL27 AW27 "
    "AH26 AW28 AK27 AD30 AE24 AD31 AB30 AE30 - - "
    "AB31 AE31 AG31 AE28 AG32 AE29 AF29 AD28 AG30 AD29";
// HSMC-A: 160 positions, 114 placeholders
constexpr const char* kHsmcA =
    "B4 C2 B3 C1 D4 E2 D3 E1 K4 L2 "
    "K3 L1 M4 N2 M3 N1 P4 R2 P3 R1 "
    "T4 U2 T3 U1 AB4 AC2 AB3 AC1 AD4 AE2 "
    "AD3 AE1 - - - - - - D10 C10 "
    "AK8 AP6 AK7 AP5 - - AG10 AN6 AG9 AN5 "
    "- - AH9 AM6 AH8 AM5 - - AG8 AL6 "
    "AG7 AL5 - - AF11 AK6 AF10 AK5 - - "
    "AD10 AJ6 AD9 AJ5 - - AB13 AH6 AB12 AH5 "
    "- - AB11 AG6 AB10 AG5 - - T13 AB9 "
    "T12 AC8 - - R12 AF6 R11 AE5 - - "
    "R13 F10 P13 E10 - - N11 G9 N10 F9 "
    "- - N12 D9 M12 C9 - - M10 G6 "
    "L10 F6 - - M11 G5 L11 F5 - - "
    "K8 F7 J8 E7 - - K9 D8 J9 C8 "
    "- - H7 D5 G7 C5 - - K10 D7 "
    "J10 C7 - - H10 AC6:in G10 AC5:in - -";
// HSMC-B: 160 positions, 82 placeholders
constexpr const char* kHsmcB =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - AN15 AP15 "
    "AD15 AV13 AE15 AW13 - - AN13 AV10 AL15 AW10 "
    "- - AT14 AT9 AU14 AU9 - - AW12 AV7 "
    "AW11 AW7 - - AL14 AW6 AM14 AW5 - - "
    "AT12 AV5 AU12 AW4 - - AP13 AV8 AN14 AW8 "
    "- - AG14 AR5 AG15 AT5 - - AN9 AT6 "
    "AP9 AU6 - - AN10 AT7 AP10 AU7 - - "
    "AL8 AP8 AM8 AR8 - - AK9 AT8 AL9 AU8 "
    "- - AL10 AT10 AM10 AU10 - - AH11 AU11 "
    "AJ11 AV11 - - AG12 AR13 AH12 AT13 - - "
    "AE13 AJ13 AE12 AK13 - - AF13 AH14 AG13 AJ14 "
    "- - AD13 AE14 AD12 AF14 - - AN7 AL13 "
    "AP7 AM13 - - AH10 AV14 AJ10 AW14 - -";
// HSMC-C: 160 positions, 82 placeholders
constexpr const char* kHsmcC =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - AT27 AU27 "
    "AB27 AJ25 AB28 AK25 - - AC28 AM26 AC29 AN26 "
    "- - AD28 AP28 AD29 AR28 - - AE28 AT28 "
    "AE29 AU28 - - AF29 AV28 AG30 AW29 - - "
    "AE30 AV29 AE31 AW30 - - AG31 AV32 AG32 AW32 "
    "- - AD30 AJ26 AD31 AK26 - - AB30 AF25 "
    "AB31 AG25 - - AG34 AF34 AG35 AE35 - - "
    "AL27 AJ32 AH26 AK33 - - AK27 AN34 AE24 AN35 "
    "- - AW27 AM34 AW28 AM35 - - AH24 AL34 "
    "AG24 AL35 - - AW31 AK34 AV31 AK35 - - "
    "AW33 AJ34 AW34 AJ35 - - AL25 AH34 AP26 AH35 "
    "- - AU29 AH32 AT29 AH33 - - AP27 AC31 "
    "AN27 AC32 - - AE25 AC34:in AD25 AC35:in - -";
// HSMC-D: 160 positions, 82 placeholders
constexpr const char* kHsmcD =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - P19 AA35:in "
    "AJ29 AR31 AK29 AT30 - - AL29 AT31 AM29 AU31 "
    "- - AK30 AT32 AL30 AU32 - - AK32 AT33 "
    "AL32 AU33 - - AJ31 AU34 AH30 AV34 - - "
    "AG27 AN33 AH27 AP34 - - AG29 AT34 AH29 AR34 "
    "- - AG28 AP35 AH28 AR35 - - AD27 AN32 "
    "AE27 AP33 - - W32 W34 W33 W35 - - "
    "AC26 AM31 AD26 AN31 - - AE26 AN30 AF26 AP30 "
    "- - V29 AP32 V30 AR32 - - W28 V34 "
    "V28 U35 - - T30 U31 T31 V31 - - "
    "R32 N33 R33 N34 - - P31 M33 P32 M34 "
    "- - R30 L34 R31 L35 - - AK31 K34 "
    "AL31 K35 - - M32 J34 L32 J35 - -";
// HSMC-E: 160 positions, 114 placeholders
constexpr const char* kHsmcE =
    "B36 C38 B37 C39 D36 E38 D37 E39 K36 L38 "
    "K37 L39 M36 N38 M37 N39 P36 R38 P37 R39 "
    "T36 U38 T37 U39 AB36 AC38 AB37 AC39 AD36 AE38 "
    "AD37 AE39 - - - - - - C12 C13 "
    "V12 W8 V11 W7 - - V10 V6 V9 U5 "
    "- - T10 R6 R10 R5 - - U10 R7 "
    "T9 P6 - - R9 N6 R8 N5 - - "
    "N9 N8 P8 N7 - - M8 M6 M7 L5 "
    "- - L8 K6 L7 K5 - - K7 J6 "
    "J7 J5 - - W12 W6 W11 W5 - - "
    "N13 P14 M13 N14 - - M14 L13 K12 K13 "
    "- - D11 L14 B10 K14 - - A10 H13 "
    "C11 G13 - - J12 F13 J13 E13 - - "
    "F12 B11 D13 A11 - - B14 F14 A14 E14 "
    "- - H14 B13 G14 A13 - - K15 D14 "
    "J15 C14 - - R14 AB6:in N15 AA5 - -";
// HSMC-F: 160 positions, 82 placeholders
constexpr const char* kHsmcF =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - AP20 AV22 "
    "AU25 AV26 AT25 AW26 - - AV25 AT26 AW25 AU26 "
    "- - AR25 AT24 AP25 AU24 - - AV23 AN24 "
    "AW23 AP24 - - AP23 AT23 AR23 AU23 - - "
    "AM23 AR20 AN23 AT20 - - AN25 AT22 AM25 AU22 "
    "- - AL22 AU20 AL21 AV20 - - AR19 AT19 "
    "AP19 AU19 - - AN21 AW20 AP21 AW21 - - "
    "AT17 AT18 AW18 AU18 - - AN19 AU17 AM19 AV17 "
    "- - AJ22 AM22 AK24 AN22 - - AE23 AN18 "
    "AH22 AP18 - - AF23 AK23 AE22 AL23 - - "
    "AG21 AH23 AE21 AJ23 - - AD21 AF22 AG20 AG22 "
    "- - AG18 AE20 AE18 AF20 - - AD19 AE19 "
    "AG19 AF19 - - AH20 AR22 AJ20 AT21 - -";

constexpr const char* kHsmcMaps[kHsmcCount] = {kHsmcA, kHsmcB, kHsmcC, kHsmcD, kHsmcE, kHsmcF};
constexpr const char* kGpioMaps[kGpioCount] = {kGpio0, kGpio1};
// clang-format on

// Positions (1-based) whose pins keep the fixed 1.5 V bank standard,
// whatever the card gives; their direction still comes from the card.
constexpr int kDdr3FixedPositions[] = {30, 198, 200, 202};
constexpr int kHsmcDFixedPositions[] = {39};

constexpr int kDdr3Positions = 204;
constexpr int kHsmcPositions = 160;
constexpr int kGpioPositions = 40;

struct Banks {
    IoStd a, b, d, f;
    IoStd Of(Bank bank, IoStd own) const {
        switch (bank) {
        case Bank::Own:
            return own;
        case Bank::HsmcA:
            return a;
        case Bank::HsmcB:
            return b;
        case Bank::HsmcD:
            return d;
        case Bank::HsmcF:
            return f;
        }
        return own;
    }
};

void AddRows(TConnector& connector, std::span<const BankRow> rows, const Banks& banks,
             const char* tableName) {
    for (const BankRow& row : rows) {
        PinRow pin = row.pin;
        pin.ioStandard = banks.Of(row.bank, pin.ioStandard);
        AddPinRows(connector, PinTable{tableName, std::span<const PinRow>(&pin, 1)});
    }
}

std::unique_ptr<TConnector> Group(const char* name) {
    return std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
}

std::vector<std::string> Words(std::string_view list) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < list.size()) {
        const std::size_t end = std::min(list.find(' ', i), list.size());
        if (end > i) {
            words.emplace_back(list.substr(i, end - i));
        }
        i = end + 1;
    }
    return words;
}

void FixPositions(TConnector& connector, std::span<const int> positions) {
    for (const int position : positions) {
        TPin* pin = connector.GetPin(position - 1);
        PINSMITH_ASSERT(pin != nullptr);
        pin->SetIoStandard(IOSTD_1V5);
    }
}

} // namespace
} // namespace kelmis

using namespace kelmis;

IoStd KelmisHsmcIoStandard(const KELMIS_CONFIG& Config, int port) {
    PINSMITH_ASSERT(port >= 0 && port < kHsmcCount);
    return BoardVoltageIoStandard(MakeCardId(Config.nHsmcDaughterId[port]));
}

void CONFIG_KELMIS(TMainBoard* pBoard, const KELMIS_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    const Banks banks{KelmisHsmcIoStandard(Config, HSMC_A), KelmisHsmcIoStandard(Config, HSMC_B),
                      KelmisHsmcIoStandard(Config, HSMC_D), KelmisHsmcIoStandard(Config, HSMC_F)};

    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_KELMIS)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_KELMIS");
    }
    if (Config.Size != KELMIS_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(KELMIS_CONFIG)");
    }

    pBoard->ClearConnectors();
    if (!stratix4gx::SetDevice(*pBoard, Config.nBoardTypeIndex)) {
        PINSMITH_FAIL("KELMIS_CONFIG.nBoardTypeIndex is 0 or 1");
    }

    const auto addGroup = [&](const char* name, std::span<const BankRow> rows) {
        auto connector = Group(name);
        AddRows(*connector, rows, banks, name);
        pBoard->AddConnector(std::move(connector));
    };

    if (Config.bOSC || Config.bExtPLL) {
        // With only the PLL the controller's clock alone: the first row.
        addGroup("CLOCK", Config.bOSC ? std::span<const BankRow>(kClock)
                                      : std::span<const BankRow>(kClock, 1));
    }
    addGroup("Loop", kLoop);
    if (Config.bSma) {
        addGroup("SMA", kSma);
    }
    if (Config.bLED) {
        addGroup("LED x 4", kLed);
    }
    if (Config.bButton) {
        addGroup("BUTTON x 4", kButton);
    }
    if (Config.bSwitch) {
        addGroup("SWITCH x 4", kSwitch);
    }
    if (Config.bTemp) {
        addGroup("Temperature", kTemp);
    }
    if (Config.bFan) {
        addGroup("Fan", kFan);
    }
    if (Config.bPCIe0) {
        addGroup("PCIe0 4-Lane Downstream", kPcie0);
    }
    if (Config.bPCIe1) {
        addGroup("PCIe1 4-Lane Downstream", kPcie1);
    }
    if (Config.bSSRAM || Config.bFlash) {
        const char* name = "Flash and SRAM Address/Data/OE/WM Share Bus";
        auto connector = Group(name);
        AddRows(*connector, kFsmData, banks, name);
        const int addressPins = Config.bFlash ? 25 : 20;
        int index = 0;
        for (const std::string& location : Words(kFsmAddress)) {
            if (++index > addressPins) {
                break;
            }
            connector->AddPin(std::make_unique<TPin>(platform::Format("FSM_A[%d]", index), location,
                                                     PIN_DIR_OUTPUT, IOSTD_3V0_PCIX, 0.0f));
        }
        AddRows(*connector, kFsmControl, banks, name);
        pBoard->AddConnector(std::move(connector));
    }
    if (Config.bFlash) {
        addGroup("Flash Control", kFlash);
    }
    if (Config.bSSRAM) {
        addGroup("SSRAM Control", kSsram);
    }
    if (Config.bExtPLL) {
        addGroup("MAX2", kMax2);
        addGroup("Programming PLL", kPll);
    }
    if (Config.bDDR3) {
        auto socket = MakeExpansionConnector("DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM,
                                             CONNECTOR_ID_DDR3_SODIMM);
        const int nNum = AddHeaderPositions(*socket, kDdr3Sodimm);
        PINSMITH_ASSERT(nNum == kDdr3Positions);
        FixPositions(*socket, kDdr3FixedPositions);
        pBoard->AddConnector(std::move(socket));
        addGroup("OCT RUP/RDN for Altera DDR3 UniPHY Controller", kOct);
    }

    const CardId gpio0 = MakeCardId(Config.nGpioDaughterId[GPIO_0]);
    const CardId gpio1 = MakeCardId(Config.nGpioDaughterId[GPIO_1]);
    const auto carries = [](std::uint8_t id) { return static_cast<std::int8_t>(id) > 0; };
    if (Config.bHsmcGpio &&
        (carries(Config.nGpioDaughterId[GPIO_0]) || carries(Config.nGpioDaughterId[GPIO_1]))) {
        if (BoardConnectorType(gpio0) == CONNECTOR_GPIO80) {
            PINSMITH_ASSERT(Config.nGpioDaughterId[GPIO_0] != 0);
            PINSMITH_ASSERT(Config.nGpioDaughterId[GPIO_1] != 0);
            auto pair = MakeExpansionConnector(
                "GPIO_0_1", platform::Format("GPIO_0_1 connect to %s", BoardName(gpio0).c_str()),
                CONNECTOR_GPIO80, CONNECTOR_ID_GPIO_PAIR);
            int nNum = AddHeaderPositions(*pair, kGpio0);
            nNum += AddHeaderPositions(*pair, kGpio1);
            PINSMITH_ASSERT(nNum == kGpioPositions * 2);
            pBoard->AddConnector(std::move(pair));
        } else {
            const CardId cards[kGpioCount] = {gpio0, gpio1};
            for (int h = 0; h < kGpioCount; ++h) {
                if (!carries(Config.nGpioDaughterId[h])) {
                    continue;
                }
                auto header = MakeExpansionConnector(
                    platform::Format("GPIO_%d", h),
                    platform::Format("GPIO_%d connect to %s", h, BoardName(cards[h]).c_str()),
                    CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, h));
                const int nNum = AddHeaderPositions(*header, kGpioMaps[h]);
                PINSMITH_ASSERT(nNum == kGpioPositions);
                pBoard->AddConnector(std::move(header));
            }
        }
    }

    for (int n = 0; n < kHsmcCount; ++n) {
        if ((n == HSMC_C && Config.bHsmcGpio) || Config.nHsmcDaughterId[n] == 0) {
            continue;
        }
        const char letter = static_cast<char>('A' + n);
        const CardId card = MakeCardId(Config.nHsmcDaughterId[n]);
        auto port = MakeExpansionConnector(
            platform::Format("HSMC-%c", letter),
            platform::Format("HSMC-%c connect to %s", letter, BoardName(card).c_str()),
            CONNECTOR_HSMC, ConnectorIdAt(CONNECTOR_ID_HSMC_A, n));
        const int nNum = AddHeaderPositions(*port, kHsmcMaps[n]);
        PINSMITH_ASSERT(nNum == kHsmcPositions);
        if (n == HSMC_D) {
            FixPositions(*port, kHsmcDFixedPositions);
        }
        pBoard->AddConnector(std::move(port));
    }

    // The HSMC-C card counts here also in GPIO mode.
    const std::uint8_t* ids = Config.nHsmcDaughterId;
    if (ids[HSMC_A] != 0 || ids[HSMC_B] != 0 || ids[HSMC_C] != 0) {
        addGroup("HSMC A/B/C I2C", kI2cAbc);
    }
    if (ids[HSMC_D] != 0 || ids[HSMC_E] != 0 || ids[HSMC_F] != 0) {
        addGroup("HSMC D/E/F I2C", kI2cDef);
    }
}
