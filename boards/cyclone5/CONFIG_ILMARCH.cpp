#include "boards/cyclone5/CONFIG_ILMARCH.h"

#include "boards/PinTable.h"

#include "boards/cyclone5/IlmarchId.h"
#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/Pin.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <string_view>

using namespace ilmarch;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

struct GroupRow {
    const char* name;
    std::uint8_t ILMARCH_CONFIG::*option;
    std::span<const PinRow> pins;
};

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50_B3B", "T13", IN, IOSTD_1V5, 50},
    {"CLOCK_50_B4A", "U12", IN, IOSTD_1V5, 50},
    {"CLOCK_50_B5B", "R20", IN, IOSTD_3V3_LVTTL, 50},
    {"CLOCK_50_B6A", "N20", IN, IOSTD_3V3_LVTTL, 50},
    {"CLOCK_50_B7A", "H12", IN, IOSTD_3V3_LVTTL, 50},
    {"CLOCK_50_B8A", "N9", IN, IOSTD_3V3_LVTTL, 50},
};
constexpr PinRow kButtons[] = {
    {"CPU_RESET_n", "AB24", IN, IOSTD_3V3_LVTTL, 0},
    {"KEY[]", "M21 K25 K26 G26", IN, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kSwitches[] = {
    {"SW[]", "G20 F21 E21 H19", IN, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kLed[] = {
    {"LED[]", "U20 T19 Y24 Y23", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kHex0[] = {
    {"HEX0_DP", "AA6", OUT, IOSTD_3V3_LVTTL, 0},
    {"HEX0[]", "T8 P26 V8 U7 U25 W8 U26", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kHex1[] = {
    {"HEX1_DP", "V25", OUT, IOSTD_3V3_LVTTL, 0},
    {"HEX1[]", "T7 W20 AB6 AC22 Y9 W21 N25", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AD7", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kSdram[] = {
    {"DRAM_CLK", "F26", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_CKE", "E25", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_ADDR[]", "D26 H20 F23 G22 B25 D22 C25 E23 B26 E24 D25 M26 M25", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_BA[]", "J20 H22", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_DQ[]", "L24 M24 N23 K23 H24 J23 K24 L22 G25 G24 H25 J21 L23 K21 N24 M22", IO, IOSTD_3V3_LVTTL, 0},
    {"DRAM_LDQM", "H23", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_UDQM", "F24", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_CS_n", "F22", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_WE_n", "J25", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_CAS_n", "J26", OUT, IOSTD_3V3_LVTTL, 0},
    {"DRAM_RAS_n", "E26", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kDdr3[] = {
    {"DDR3_ADDR[]", "AE6 AF6 AF7 AF8 U10 U11 AE9 AF9 AB12 AB11 AC9 AC8 AB10 AC10 W11", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_BA[]", "V10 AD8 AE8", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_CK_p", "N10", OUT, IOSTD_DIFF_1V5_SSTL_I, 0},
    {"DDR3_CK_n", "P10", OUT, IOSTD_DIFF_1V5_SSTL_I, 0},
    {"DDR3_CKE", "AF14", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_DQS_p[]", "V13 U14 V15 W16", IO, IOSTD_DIFF_1V5_SSTL_I, 0},
    {"DDR3_DQS_n[]", "W13 V14 W15 W17", IO, IOSTD_DIFF_1V5_SSTL_I, 0},
    {"DDR3_DQ[]", "AA14 Y14 AD11 AD12 Y13 W12 AD10 AF12 AC15 AB15 AC14 AF13 AB16 AA16 AE14 AF18 "
                  "AD16 AD17 AC18 AF19 AC17 AB17 AF21 AE21 AE15 AE16 AC20 AD21 AF16 AF17 AD23 AF23",
     IO, IOSTD_SSTL15_I, 0},
    {"DDR3_DM[]", "AF11 AE18 AE20 AE24", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_CS_n", "R11", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_WE_n", "T9", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_CAS_n", "W10", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_RAS_n", "Y10", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_RESET_n", "AE19", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_ODT", "AD13", OUT, IOSTD_SSTL15_I, 0},
    {"DDR3_RZQ", "AE11", IN, IOSTD_1V5, 0},
};
constexpr PinRow kUart[] = {
    {"UART_TX", "P21", OUT, IOSTD_3V3_LVTTL, 0},
    {"UART_RX", "P22", IN, IOSTD_3V3_LVTTL, 0},
    {"UART_CTS", "W25", IN, IOSTD_3V3_LVTTL, 0},
    {"UART_RTS", "W26", OUT, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kArduino[] = {
    {"ADC_SCK", "R26", OUT, IOSTD_3V3_LVTTL, 0},
    {"ADC_SDO", "AB26", IN, IOSTD_3V3_LVTTL, 0},
    {"ADC_SDI", "AA26", OUT, IOSTD_3V3_LVTTL, 0},
    {"ADC_CONVST", "T26", OUT, IOSTD_3V3_LVTTL, 0},
    {"ARD_IO[]", "Y26 V23 V24 U24 T24 T23 T22 R24 P20 R23 R25 P23 AC25 AD25 AB25 AA24", IO, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kPcie[] = {
    {"PCIE_SMBCLK", "R10", IO, IOSTD_3V3_LVTTL, 0},
    {"PCIE_SMBDAT", "AA7", IO, IOSTD_3V3_LVTTL, 0},
    {"PCIE_REFCLK_p", "V6", IN, IOSTD_HCSL, 100},
    {"PCIE_TX_p[]", "AE4 AC4 AA4 W4", OUT, IOSTD_1V5_PCML, 0},
    {"PCIE_RX_p[]", "AD2 AB2 Y2 V2", IN, IOSTD_1V5_PCML, 0},
    {"PCIE_PERST_n", "U22", IO, IOSTD_3V3_LVTTL, 0},
    {"PCIE_WAKE_n", "Y8", IO, IOSTD_3V3_LVTTL, 0},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "T21", IN, IOSTD_3V3_LVTTL, 0},
    {"SMA_CLKOUT", "Y25", OUT, IOSTD_3V3_LVTTL, 0},
};

// The groups in the order they are created.
constexpr GroupRow kGroups[] = {
    {"CLOCK", &ILMARCH_CONFIG::OSC, kClock},
    {"Buttons", &ILMARCH_CONFIG::Button, kButtons},
    {"Swtiches", &ILMARCH_CONFIG::Switch, kSwitches},
    {"LED", &ILMARCH_CONFIG::LED, kLed},
    {"HEX0", &ILMARCH_CONFIG::Seg7, kHex0},
    {"HEX1", &ILMARCH_CONFIG::Seg7, kHex1},
    {"FAN", &ILMARCH_CONFIG::Fan, kFan},
    {"SDRAM", &ILMARCH_CONFIG::SDRAM, kSdram},
    {"DDR3", &ILMARCH_CONFIG::DDR3, kDdr3},
    {"Uart to Usb", &ILMARCH_CONFIG::Uart2USB, kUart},
    {"Arduino Interface", &ILMARCH_CONFIG::Arduino, kArduino},
    {"PCIE", &ILMARCH_CONFIG::PCIe, kPcie},
    {"SMA", &ILMARCH_CONFIG::SmaClock, kSma},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "G15 C9 G14 B9 B24 D10 A24 C10 G16 H13 - - C14 B15 D15 C15 D21 A19 D20 A18 "
    "E20 B22 E19 A21 E18 C23 F18 C22 - - H14 G17 J12 C20 J11 B19 N12 C17 M12 B17",
    "L8 A7 K9 B7 L7 A5 K6 B6 M9 L9 - - K8 D6 J8 E6 H8 G7 H9 F7 "
    "H10 A12 G10 B11 M11 B12 L11 A13 - - A17 A16 E13 C13 D13 C12 G12 H7 F12 J7",
};
// clang-format on

} // namespace

void CONFIG_ILMARCH(TMainBoard* pBoard, const ILMARCH_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof Config);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);

    if (Config.BoardId != BoardNumber(MAINBOARD_ILMARCH)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ILMARCH");
    }
    if (Config.Size != ILMARCH_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(ILMARCH_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone V";
    pBoard->m_Device = "5CGXFC9D6F27C7";
    pBoard->m_Package = "FBGA";
    pBoard->m_PinCount = 672;
    pBoard->m_SpeedGrade = 0;
    pBoard->m_SpeedGradeText = "C7";

    for (const GroupRow& group : kGroups) {
        if (Config.*group.option == 0) {
            continue;
        }
        auto connector = std::make_unique<TConnector>(group.name, "", CONNECTOR_NONE, -1);
        AddPinRows(*connector, {group.name, group.pins});
        pBoard->AddConnector(std::move(connector));
    }

    const CardId card0 = MakeCardId(Config.nGpioDaughterId[GPIO_0]);
    const CardId card1 = MakeCardId(Config.nGpioDaughterId[GPIO_1]);
    if (card0 == CARD_NONE && card1 == CARD_NONE) {
        return;
    }

    if (BoardConnectorType(card0) == CONNECTOR_GPIO80) {
        PINSMITH_ASSERT(Config.nGpioDaughterId[GPIO_0]);
        PINSMITH_ASSERT(Config.nGpioDaughterId[GPIO_1]);
        auto connector = MakeExpansionConnector(
            "GPIO_0_1", platform::Format("GPIO_0_1 connect to %s", BoardName(card0).c_str()),
            CONNECTOR_GPIO80, CONNECTOR_ID_GPIO_PAIR);
        int nNum = AddHeaderPositions(*connector, kGpioHeaders[GPIO_0]);
        nNum += AddHeaderPositions(*connector, kGpioHeaders[GPIO_1]);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM * 2);
        pBoard->AddConnector(std::move(connector));
        return;
    }

    const CardId cards[2] = {card0, card1};
    for (int header = GPIO_0; header <= GPIO_1; ++header) {
        if (cards[header] == CARD_NONE) {
            continue;
        }
        auto connector = MakeExpansionConnector(
            platform::Format("GPIO_%d", header),
            platform::Format("GPIO_%d connect to %s", header, BoardName(cards[header]).c_str()),
            CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, header));
        const int nNum = AddHeaderPositions(*connector, kGpioHeaders[header]);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM);
        pBoard->AddConnector(std::move(connector));
    }
}
