#include "boards/stratix4/CONFIG_GALDRE_X1.h"

#include "boards/GpioHeaders.h"
#include "boards/PinTable.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/StratixIvGx.h"
#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace galdrex1 {
namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_50_BANK2", "AC35", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK3", "AV22", IN, IOSTD_1V8, 0, 20},
    {"OSC_50_BANK4", "AV19", IN, IOSTD_1V8, 0, 20},
    {"OSC_50_BANK5", "AC6", IN, IOSTD_3V0_PCIX, 0, 20},
    {"OSC_50_BANK6", "AB6", IN, IOSTD_2V5, 0, 20},
    {"OSC_50_BANK7", "A19", IN, IOSTD_1V8, 0, 20},
    {"GCLKOUT_FPGA", "AH19", OUT, IOSTD_1V8},
    {"GCLKIN", "A21", IN, IOSTD_1V8},
    {"PLL_CLKIN_p", "B22", IN, IOSTD_LVDS},
};

constexpr PinRow kExtPll[] = {
    {"MAX_I2C_SCLK", "AP24", OUT, IOSTD_1V8},
    {"MAX_I2C_SDAT", "AN22", IO, IOSTD_1V8},
};

constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "B23", IN, IOSTD_LVDS},
    {"SMA_CLKOUT_p", "M20", OUT, IOSTD_LVDS},
    {"SMA_GXBCLK_p", "W2", IN, IOSTD_LVDS},
};

constexpr PinRow kLed[] = {
    {"LED[]", "V28 W28 R29 P29 N29 M29 M30 N30", OUT, IOSTD_2V5},
};

constexpr PinRow kButton[] = {
    {"BUTTON[]", "AH5 AG5 AG7 AG8", IN, IOSTD_3V0_PCIX},
    {"EXT_IO", "AC11", IO, IOSTD_3V0_PCIX},
    {"CPU_RESET_n", "V34", IN, IOSTD_2V5},
};

constexpr PinRow kSwitch[] = {
    {"SW[]", "AB13 AB12 AB11 AB10 AB9 AC8 AH6 AG6", IN, IOSTD_3V0_PCIX},
};

constexpr PinRow kSlideSwitch[] = {
    {"SLIDE_SW[]", "J7 K7", IN, IOSTD_2V5},
    {"SLIDE_SW[2]", "AK6", IN, IOSTD_3V0_PCIX},
    {"SLIDE_SW[3]", "L7", IN, IOSTD_2V5},
};

constexpr PinRow kSeg7[] = {
    {"SEG0_D[]", "L34 M34 M33 H31 J33 L35 K32", OUT, IOSTD_2V5},
    {"SEG0_DP", "AL34", OUT, IOSTD_2V5},
    {"SEG1_D[]", "E31 F31 G31 C34 C33 D33 D34", OUT, IOSTD_2V5},
    {"SEG1_DP", "AL35", OUT, IOSTD_2V5},
};

constexpr PinRow kTemp[] = {
    {"TEMP_SMCLK", "AN18", OUT, IOSTD_1V8},
    {"TEMP_SMDAT", "AP18", IO, IOSTD_1V8},
    {"TEMP_INT_n", "AP19", IN, IOSTD_1V8},
};

constexpr PinRow kCurrent[] = {
    {"CSENSE_SCK", "AH13", OUT, IOSTD_1V8},
    {"CSENSE_SDI", "AJ13", OUT, IOSTD_1V8},
    {"CSENSE_SDO", "AK14", IN, IOSTD_1V8},
    {"CSENSE_ADC_FO", "AK13", OUT, IOSTD_1V8},
    {"CSENSE_CS_n[]", "AG14 AG15", OUT, IOSTD_1V8},
};

constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AP20", OUT, IOSTD_1V8},
};

constexpr PinRow kEeprom[] = {
    {"EEP_SCL", "G33", OUT, IOSTD_2V5},
    {"EEP_SDA", "F33", IO, IOSTD_2V5},
};

constexpr PinRow kSdcard[] = {
    {"SD_CMD", "AV20", IO, IOSTD_1V8},
    {"SD_CLK", "AT19", OUT, IOSTD_1V8},
    {"SD_WP_n", "AH18", IN, IOSTD_1V8},
    {"SD_DAT[]", "AR20 AT20 AU19 AU20", IO, IOSTD_1V8},
};

constexpr PinRow kRs232[] = {
    {"UART_RXD", "AH32", IN, IOSTD_2V5},
    {"UART_RTS", "AH33", IN, IOSTD_2V5},
    {"UART_TXD", "AN34", OUT, IOSTD_2V5},
    {"UART_CTS", "AN35", OUT, IOSTD_2V5},
};

constexpr PinRow kEthernet[] = {
    {"ETH_RX_p[0]", "U31", IN, IOSTD_LVDS},
    {"ETH_TX_p[0]", "T30", OUT, IOSTD_LVDS},
    {"ETH_MDIO[0]", "W32", IO, IOSTD_2V5},
    {"ETH_MDC[0]", "R30", OUT, IOSTD_2V5},
    {"ETH_INT_n[0]", "B20", IN, IOSTD_1V8},
    {"ETH_RX_p[1]", "N33", IN, IOSTD_LVDS},
    {"ETH_TX_p[1]", "R32", OUT, IOSTD_LVDS},
    {"ETH_MDIO[1]", "J5", IO, IOSTD_2V5},
    {"ETH_MDC[1]", "J6", OUT, IOSTD_2V5},
    {"ETH_INT_n[1]", "AG30", IN, IOSTD_2V5},
    {"ETH_RX_p[2]", "K34", IN, IOSTD_LVDS},
    {"ETH_TX_p[2]", "M32", OUT, IOSTD_LVDS},
    {"ETH_MDIO[2]", "K5", IO, IOSTD_2V5},
    {"ETH_MDC[2]", "K6", OUT, IOSTD_2V5},
    {"ETH_INT_n[2]", "AE30", IN, IOSTD_2V5},
    {"ETH_RX_p[3]", "J34", IN, IOSTD_LVDS},
    {"ETH_TX_p[3]", "P31", OUT, IOSTD_LVDS},
    {"ETH_MDIO[3]", "N8", IO, IOSTD_2V5},
    {"ETH_MDC[3]", "N7", OUT, IOSTD_2V5},
    {"ETH_INT_n[3]", "AE31", IN, IOSTD_2V5},
    {"ETH_RST_n", "V29", OUT, IOSTD_2V5},
};

constexpr PinRow kPcie[] = {
    {"PCIE_RX_p[0]", "AU38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[0]", "AT36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[1]", "AR38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[1]", "AP36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[2]", "AJ38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[2]", "AH36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[3]", "AG38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[3]", "AF36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[4]", "AE38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[4]", "AD36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[5]", "AC38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[5]", "AB36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[6]", "U38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[6]", "T36", OUT, IOSTD_1V4_PCML},
    {"PCIE_RX_p[7]", "R38", IN, IOSTD_1V4_PCML},
    {"PCIE_TX_p[7]", "P36", OUT, IOSTD_1V4_PCML},
    {"PCIE_REFCLK_p", "AN38", IN, IOSTD_HCSL},
    {"PCIE_PREST_n", "V30", IN, IOSTD_2V5},
    {"PCIE_WAKE_n", "U35", OUT, IOSTD_2V5},
    {"PCIE_SMBCLK", "R31", IN, IOSTD_2V5},
    {"PCIE_SMBDAT", "W33", IO, IOSTD_2V5},
};

constexpr PinRow kFsmData[] = {
    {"FSM_D[]", "K29 J30 K30 L29 K31 E32 F32 H32 B32 C32 C35 D35 M22 M28 C31 D31", IO, IOSTD_2V5},
};

// FSM_A counts from 1; the SSRAM alone uses the first 20 of them.
constexpr PinRow kFsmAddress[] = {
    {"FSM_A[1]", "G22", OUT, IOSTD_2V5},
    {"FSM_A[2]", "G23", OUT, IOSTD_2V5},
    {"FSM_A[3]", "A25", OUT, IOSTD_2V5},
    {"FSM_A[4]", "H22", OUT, IOSTD_2V5},
    {"FSM_A[5]", "H23", OUT, IOSTD_2V5},
    {"FSM_A[6]", "J22", OUT, IOSTD_2V5},
    {"FSM_A[7]", "K22", OUT, IOSTD_2V5},
    {"FSM_A[8]", "M21", OUT, IOSTD_2V5},
    {"FSM_A[9]", "J23", OUT, IOSTD_2V5},
    {"FSM_A[10]", "F34", OUT, IOSTD_2V5},
    {"FSM_A[11]", "G35", OUT, IOSTD_2V5},
    {"FSM_A[12]", "E34", OUT, IOSTD_2V5},
    {"FSM_A[13]", "J32", OUT, IOSTD_2V5},
    {"FSM_A[14]", "F35", OUT, IOSTD_2V5},
    {"FSM_A[15]", "C24", OUT, IOSTD_2V5},
    {"FSM_A[16]", "A24", OUT, IOSTD_2V5},
    {"FSM_A[17]", "D23", OUT, IOSTD_2V5},
    {"FSM_A[18]", "D24", OUT, IOSTD_2V5},
    {"FSM_A[19]", "T27", OUT, IOSTD_2V5},
    {"FSM_A[20]", "T28", OUT, IOSTD_2V5},
    {"FSM_A[21]", "D22", OUT, IOSTD_2V5},
    {"FSM_A[22]", "E23", OUT, IOSTD_2V5},
    {"FSM_A[23]", "N20", OUT, IOSTD_2V5},
    {"FSM_A[24]", "P20", OUT, IOSTD_2V5},
    {"FSM_A[25]", "C22", OUT, IOSTD_2V5},
};

constexpr PinRow kFlash[] = {
    {"FLASH_RYBY_n", "G21", IN, IOSTD_2V5},
    {"FLASH_CLK", "E22", OUT, IOSTD_2V5},
    {"FLASH_RESET_n", "D21", OUT, IOSTD_2V5},
    {"FLASH_OE_n", "N21", OUT, IOSTD_2V5},
    {"FLASH_WE_n", "R20", OUT, IOSTD_2V5},
    {"FLASH_ADV_n", "F21", OUT, IOSTD_2V5},
    {"FLASH_CE_n", "F23", OUT, IOSTD_2V5},
};

constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", "R27", OUT, IOSTD_2V5},
    {"SSRAM_BWB_n", "N31", OUT, IOSTD_2V5},
    {"SSRAM_CLK", "M31", OUT, IOSTD_2V5},
    {"SSRAM_OE_n", "H34", OUT, IOSTD_2V5},
    {"SSRAM_WE_n", "L31", OUT, IOSTD_2V5},
    {"SSRAM_CKE_n", "N28", OUT, IOSTD_2V5},
    {"SSRAM_CE_n", "R28", OUT, IOSTD_2V5},
    {"SSRAM_ADV", "H35", OUT, IOSTD_2V5},
};

constexpr PinRow kUsbOtg[] = {
    {"OTG_D[]", "AF16 AJ14 AD15 AE15 AE16 AH14 AM13 AN15 AP15 AG18 AG19 AM19 AN19 AV16 AT17 AV17 AU17 AW18 AT18 AU18 AR19 AW20 AW21 AF19 AE19 AE18 AD19 G13 M16 M27 K27 L26", IO, IOSTD_1V8},
    {"OTG_A[1]", "K26", OUT, IOSTD_1V8},
    {"OTG_A[2]", "P25", OUT, IOSTD_1V8},
    {"OTG_A[3]", "N25", OUT, IOSTD_1V8},
    {"OTG_A[4]", "R24", OUT, IOSTD_1V8},
    {"OTG_A[5]", "P24", OUT, IOSTD_1V8},
    {"OTG_A[6]", "M25", OUT, IOSTD_1V8},
    {"OTG_A[7]", "L25", OUT, IOSTD_1V8},
    {"OTG_A[8]", "N23", OUT, IOSTD_1V8},
    {"OTG_A[9]", "K28", OUT, IOSTD_1V8},
    {"OTG_A[10]", "A29", OUT, IOSTD_1V8},
    {"OTG_A[11]", "J27", OUT, IOSTD_1V8},
    {"OTG_A[12]", "G26", OUT, IOSTD_1V8},
    {"OTG_A[13]", "F26", OUT, IOSTD_1V8},
    {"OTG_A[14]", "G28", OUT, IOSTD_1V8},
    {"OTG_A[15]", "B26", OUT, IOSTD_1V8},
    {"OTG_A[16]", "D17", OUT, IOSTD_1V8},
    {"OTG_A[17]", "F16", OUT, IOSTD_1V8},
    {"OTG_CS_n", "P19", OUT, IOSTD_1V8},
    {"OTG_DC_DACK", "AH20", OUT, IOSTD_1V8},
    {"OTG_DC_DREQ", "AP21", IN, IOSTD_1V8},
    {"OTG_DC_IRQ", "AT22", IN, IOSTD_1V8},
    {"OTG_HC_DACK", "AT21", OUT, IOSTD_1V8},
    {"OTG_HC_DREQ", "AN21", IN, IOSTD_1V8},
    {"OTG_HC_IRQ", "AJ20", IN, IOSTD_1V8},
    {"OTG_OE_n", "N19", OUT, IOSTD_1V8},
    {"OTG_RESET_n", "AU22", OUT, IOSTD_1V8},
    {"OTG_WE_n", "AR22", OUT, IOSTD_1V8},
};

constexpr PinRow kSata[] = {
    {"SATA_HOST_RX_p[0]", "AR2", IN, IOSTD_1V4_PCML},
    {"SATA_HOST_TX_p[0]", "AP4", OUT, IOSTD_1V4_PCML},
    {"SATA_HOST_RX_p[1]", "AG2", IN, IOSTD_1V4_PCML},
    {"SATA_HOST_TX_p[1]", "AF4", OUT, IOSTD_1V4_PCML},
    {"SATA_DEVICE_RX_p[0]", "AU2", IN, IOSTD_1V4_PCML},
    {"SATA_DEVICE_TX_p[0]", "AT4", OUT, IOSTD_1V4_PCML},
    {"SATA_DEVICE_RX_p[1]", "AJ2", IN, IOSTD_1V4_PCML},
    {"SATA_DEVICE_TX_p[1]", "AH4", OUT, IOSTD_1V4_PCML},
    {"SATA_REFCLK_p", "AN2", IN, IOSTD_1V4_PCML},
};

constexpr PinRow kDdr2Oct0[] = {
    {"M1_DDR2_oct_rup", "AF25", IN, IOSTD_1V8},
    {"M1_DDR2_oct_rdn", "AG25", IN, IOSTD_1V8},
};

constexpr PinRow kDdr2Oct1[] = {
    {"M2_DDR2_oct_rup", "P14", IN, IOSTD_1V8},
    {"M2_DDR2_oct_rdn", "N14", IN, IOSTD_1V8},
};

constexpr PinRow kHsmcI2c[] = {
    {"HSMC_SCL", "L19", OUT, IOSTD_1V8},
    {"HSMC_SDA", "M19", IO, IOSTD_1V8},
};

// Expansion connector positions 1..n -> FPGA pins; "-" is a position without
// a signal, ":in" a position that is an input whatever the card says (the
// HSMC clock inputs at 40, 96 and 98).
// kDdr2Socket0: 200 positions, 124 placeholders
constexpr const char* kDdr2Socket0 =
    "- - - AW34 AV32 AW33 AV31 - - AW31 "
    "AW30 - AV29 AW28 - AW27 AW29 - AV28 AM25 "
    "- AN25 AP25 - AV26 AW26 - - AU26 AP28 "
    "AT26 AR28 - - AU25 AR25 AT25 AN24 - - "
    "- - AN23 AM23 AP23 AR23 - - AU24 - "
    "AT24 AU23 - - AL22 AT23 AM22 AL21 - - "
    "AJ22 AK24 AH23 AJ23 - - AH22 AL23 - AK23 "
    "- - AF22 AF23 AE23 AE22 - - AT28 AK27 "
    "- - - AT29 AP27 AU29 - - AP26 AU28 "
    "AN27 AT27 AL27 AU27 - - AK26 AN26 AM26 AW23 "
    "AL25 AV23 - - AJ26 AD25 AH26 AE21 AK25 AG21 "
    "- - AJ25 AG20 AE25 AD21 - - AE24 - "
    "- - AK17 AG16 AM17 AH17 - - AL16 AL17 "
    "AK16 - - AF17 AH16 AE17 AJ16 - - AN17 "
    "AR17 AP17 AN16 - - AR16 AT16 AP16 - - "
    "AU16 AU15 AW16 AT15 - - AW11 AW14 AW12 AV14 "
    "- - - AE20 - AF20 AW13 - AV13 AU14 "
    "- - AT14 AU11 AU12 AT12 - - AP13 AR14 "
    "AN14 AP14 - - AN13 AT13 - AR13 AL15 - "
    "AM14 AL14 - AL13 AG24 - AH24 AV25 - AW25";
// kDdr2Socket1: 200 positions, 124 placeholders
constexpr const char* kDdr2Socket1 =
    "- - - J12 F12 J13 H13 - - H14 "
    "E13 - F13 G14 - D13 E14 - F14 P16 "
    "- N16 P17 - N17 M17 - - J16 L13 "
    "K16 K13 - - L16 J17 K17 H17 - - "
    "- - B16 C16 A16 E16 - - C15 - "
    "D15 G15 - - F15 G16 D16 G17 - - "
    "C17 C18 E17 D18 - - F17 F18 - G18 "
    "- - F19 F20 G19 G20 - - D11 K12 "
    "- - - M13 B10 K14 - - N15 L14 "
    "M14 N13 A10 A11 - - C11 C13 R14 D14 "
    "B11 B14 - - R18 C14 C12 J18 P18 H19 "
    "- - A13 D19 B13 C19 - - A14 - "
    "- - N22 R22 M23 P22 - - K23 P23 "
    "L23 - - M24 K24 J24 J25 - - G24 "
    "G25 F24 C25 - - E25 B25 F25 - - "
    "A26 D25 C26 D26 - - F27 H26 G27 J26 "
    "- - - B17 - A17 D29 - E29 D28 "
    "- - F28 E28 H28 G29 - - C29 A27 "
    "A31 A28 - - C30 B28 - C28 C27 - "
    "D27 B29 - B31 J15 - K15 A18 - B19";
// kGpio0: 40 positions, 36 placeholders
constexpr const char* kGpio0 =
    "AF6 AU9 AE5 AR8 AN9 AP9 AV5 AW6 AV7 AW7 "
    "- - AT5 AT8 AP5 AP7 AN5 AN10 AM5 AM10 "
    "AL10 AM8 AL8 AK8 AJ11 AK7 AJ5 AH12 - - "
    "AG10 AG13 AG9 AF11 AT9 AF10 AD10 AD9 AD12 AD13";
// kGpio1: 40 positions, 36 placeholders
constexpr const char* kGpio1 =
    "AW5 AW8 AW4 AV10 AV8 AW10 AU10 AU8 AP8 AT10 "
    "- - AU6 AT6 AU7 AR5 AP6 AT7 AN7 AN6 "
    "AL6 AM6 AL5 AL9 AK9 AJ6 AJ10 AH11 - - "
    "AH8 AH9 AG12 AH10 AF13 AE13 AE10 AP10 AE12 AE11";
// kHsmcA: 160 positions, 99 placeholders
constexpr const char* kHsmcA =
    "- - - - - - - - - - "
    "- - - - - - B36 C38 B37 C39 "
    "D36 E38 D37 E39 K36 L38 K37 L39 M36 N38 "
    "M37 N39 - - - - - F30 AF29 AC34:in "
    "AC26 AC31 AD26 AC32 - - AB27 AJ32 AB28 AK33 "
    "- - AB30 AH34 AB31 AH35 - - AD27 AJ34 "
    "AE27 AJ35 - - AD28 AK34 AD29 AK35 - - "
    "AE28 AN30 AE29 AP30 - - AE26 AM34 AF26 AM35 "
    "- - AG31 AM31 AG32 AN31 - - AG29 AN33 "
    "AH29 AP34 - - AG28 AB34:in AH28 AA35:in - - "
    "AC28 AP32 AC29 AR32 - - AJ29 AR31 AK29 AT30 "
    "- - AD30 AT33 AD31 AU33 - - AK32 AU34 "
    "AL32 AV34 - - AG27 AT32 AH27 AU32 - - "
    "AK31 AT31 AL31 AU31 - - AJ31 AP35 AH30 AR35 "
    "- - AL29 AN32 AM29 AP33 - - AK30 AT34 "
    "AL30 AR34 - - AG34 AF34 AG35 AE35 - -";
// kHsmcB: 160 positions, 114 placeholders
constexpr const char* kHsmcB =
    "B4 C2 B3 C1 D4 E2 D3 E1 K4 L2 "
    "K3 L1 M4 N2 M3 N1 P4 R2 P3 R1 "
    "T4 U2 T3 U1 AB4 AC2 AB3 AC1 AD4 AE2 "
    "AD3 AE1 - - - - - - L8 AA5:in "
    "H10 D6 G10 C6 - - K9 D5 J9 C5 "
    "- - K10 D10 J10 C10 - - N11 D9 "
    "N10 C9 - - N12 D8 M12 C8 - - "
    "R12 D7 R11 C7 - - T13 F10 T12 E10 "
    "- - R13 G5 P13 F5 - - H7 G6 "
    "G7 F6 - - K8 W34:in J8 W35:in - - "
    "M10 F7 L10 E7 - - M8 G8 M7 F8 "
    "- - M11 G9 L11 F9 - - N9 N6 "
    "P8 N5 - - R9 M6 R8 L5 - - "
    "U10 R6 T9 R5 - - V10 R7 V9 P6 "
    "- - T10 V6 R10 U5 - - V12 W8 "
    "V11 W7 - - W12 W6 W11 W5 - -";

// clang-format on

constexpr int kDdr2Positions = 200;
constexpr int kDdr2ActivePositions = 124;
constexpr int kHsmcPositions = 160;
static_assert(CountLocations(kDdr2Socket0) == kDdr2Positions);
static_assert(CountLocations(kDdr2Socket1) == kDdr2Positions);
static_assert(CountLocations(kGpio0) == GPIO_PIN_NUM);
static_assert(CountLocations(kGpio1) == GPIO_PIN_NUM);
static_assert(CountLocations(kHsmcA) == kHsmcPositions);
static_assert(CountLocations(kHsmcB) == kHsmcPositions);
static_assert(CountTablePins(kClock) == 9);
static_assert(CountTablePins(kFsmAddress) == 25);
static_assert(CountTablePins(kUsbOtg) == 17 + 32 + 10);

struct Ddr2Socket {
    const char* positions;
    std::span<const PinRow> oct;
};
constexpr Ddr2Socket kDdr2Sockets[] = {{kDdr2Socket0, kDdr2Oct0}, {kDdr2Socket1, kDdr2Oct1}};
constexpr const char* kHsmcMaps[kHsmcCount] = {kHsmcA, kHsmcB};

std::unique_ptr<TConnector> Group(const std::string& name, std::span<const PinRow> rows) {
    auto connector = std::make_unique<TConnector>(name, "", CONNECTOR_NONE, -1);
    AddPinRows(*connector, {name, rows});
    return connector;
}

} // namespace
} // namespace galdrex1

using namespace galdrex1;

void CONFIG_GALDRE_X1(TMainBoard* pBoard, const GALDRE_X1_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_GALDRE_X1)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_GALDRE_X1");
    }
    if (Config.Size != GALDRE_X1_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(GALDRE_X1_CONFIG)");
    }

    pBoard->ClearConnectors();
    if (!stratix4gx::SetDevice(*pBoard, Config.nBoardTypeIndex)) {
        PINSMITH_FAIL("GALDRE_X1_CONFIG.nBoardTypeIndex is 0 or 1");
    }

    const auto addGroup = [&](const char* name, std::span<const PinRow> rows) {
        pBoard->AddConnector(Group(name, rows));
    };
    const std::span<const PinRow> clock(kClock);
    const std::span<const PinRow> button(kButton);

    // The PLL controller needs OSC_50_BANK2 and CPU_RESET_n: with the PLL
    // alone, a group of each pin.
    if (Config.bOSC) {
        addGroup("CLOCK", clock);
    } else if (Config.bExtPLL) {
        addGroup("CLOCK", clock.first(1));
    }
    if (Config.bExtPLL) {
        addGroup("External PLL", kExtPll);
    }
    if (Config.bSma) {
        addGroup("SMA", kSma);
    }
    if (Config.bLED) {
        addGroup("LED x 8", kLed);
    }
    if (Config.bButton) {
        addGroup("BUTTON x 4, EXT_IO and CPU_RESET_n", button);
    } else if (Config.bExtPLL) {
        addGroup("CPU_RESET_n", button.last(1));
    }
    if (Config.bSwitch) {
        addGroup("DIP SWITCH x 8", kSwitch);
    }
    if (Config.bSlideSwitch) {
        addGroup("SLIDE SWITCH x 4", kSlideSwitch);
    }
    if (Config.bSeg7) {
        addGroup("SEG7", kSeg7);
    }
    if (Config.bTemp) {
        addGroup("Temperature", kTemp);
    }
    if (Config.bCurrent) {
        addGroup("Current", kCurrent);
    }
    if (Config.bFan) {
        addGroup("Fan", kFan);
    }
    if (Config.bEEPROM) {
        addGroup("EEPROM", kEeprom);
    }
    if (Config.bSDCARD) {
        addGroup("SDCARD", kSdcard);
    }
    if (Config.bRs232) {
        addGroup("RS232", kRs232);
    }
    if (Config.bEthernet) {
        addGroup("Ethernet x 4", kEthernet);
    }
    if (Config.bPCIe) {
        addGroup("PCIe x 8", kPcie);
    }
    if (Config.bFlash || Config.bSSRAM) {
        const char* name = "Flash and SRAM Address/Data Share Bus";
        auto connector = Group(name, kFsmData);
        AddPinRows(*connector,
                   {name, std::span<const PinRow>(kFsmAddress).first(Config.bFlash ? 25 : 20)});
        pBoard->AddConnector(std::move(connector));
    }
    if (Config.bFlash) {
        addGroup("Flash Control", kFlash);
    }
    if (Config.bSSRAM) {
        addGroup("SSRAM Control", kSsram);
    }
    if (Config.bUsbOTG) {
        addGroup("3-Ports High-Speed USB OTG", kUsbOtg);
    }
    const std::uint8_t sata[4] = {Config.bSata_0, Config.bSata_1, Config.bSata_2, Config.bSata_3};
    if (sata[0] || sata[1] || sata[2] || sata[3]) {
        // Two rows per box, then the reference clock.
        auto connector = std::make_unique<TConnector>("SATA", "", CONNECTOR_NONE, -1);
        for (int i = 0; i < 4; ++i) {
            if (sata[i]) {
                AddPinRows(*connector, {"SATA", std::span<const PinRow>(kSata).subspan(
                                                    static_cast<std::size_t>(2 * i), 2)});
            }
        }
        AddPinRows(*connector, {"SATA", std::span<const PinRow>(kSata).last(1)});
        pBoard->AddConnector(std::move(connector));
    }
    if (Config.bMax2) {
        PINSMITH_FAIL("!Config.bMax2");
    }

    const std::uint8_t ddr2[2] = {Config.bDDR2_0, Config.bDDR2_1};
    for (int socket = 0; socket < 2; ++socket) {
        if (!ddr2[socket]) {
            continue;
        }
        auto connector = MakeExpansionConnector(
            "DDR2 SODIMM", platform::Format("DDR2 SODIMM_%d", socket), CONNECTOR_DDR2_SODIMM,
            ConnectorIdAt(CONNECTOR_ID_DDR2_SODIMM_0, socket));
        const int nNum = AddHeaderPositions(*connector, kDdr2Sockets[socket].positions);
        PINSMITH_ASSERT(nNum == kDdr2Positions);
        PINSMITH_ASSERT(connector->GetActivePinCount() == kDdr2ActivePositions);
        pBoard->AddConnector(std::move(connector));
        addGroup(platform::Format("DDR2 SODIMM_%d RUP/RDN", socket).c_str(),
                 kDdr2Sockets[socket].oct);
    }

    const auto carries = [](std::uint8_t id) { return static_cast<std::int8_t>(id) > 0; };
    const CardId gpio0 = carries(Config.nGpioDaughterId[GPIO_0])
                             ? MakeCardId(Config.nGpioDaughterId[GPIO_0])
                             : CARD_NONE;
    const CardId gpio1 = carries(Config.nGpioDaughterId[GPIO_1])
                             ? MakeCardId(Config.nGpioDaughterId[GPIO_1])
                             : CARD_NONE;
    AddGpioHeaderConnectors(*pBoard, kGpio0, kGpio1, gpio0, gpio1, HeaderPairing::EightyPinPair);

    bool anyHsmc = false;
    for (int n = 0; n < kHsmcCount; ++n) {
        if (Config.nHsmcDaughterId[n] == 0) {
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
        pBoard->AddConnector(std::move(port));
        anyHsmc = true;
    }
    if (anyHsmc) {
        addGroup("HSMC I2C", kHsmcI2c);
    }
}
