#include "boards/stratix4/CONFIG_GALDRE_X2.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <span>

namespace galdre_x2 {
namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// "~": a port without a location; the LCD supply switches and the shared
// two-wire bus have no settled pin.
// Expansion connector positions 1..n -> FPGA pins; "-" is a position without
// a signal.
// clang-format off
constexpr PinRow kClock[] = {
    {"OSC_B[2]", "AC35", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_B[3]", "AW22", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_B[4]", "AW19", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_B[5]", "AC6", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_B[6]", "AB6", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"OSC_B[7]", "A19", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CPU_RESET_n", "V34", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN_p", "B23", IN, IOSTD_LVDS},
    {"SMA_CLKIN_n", "A22", IN, IOSTD_LVDS},
    {"SMA_CLKOUT_p", "M20", OUT, IOSTD_LVDS},
    {"SMA_CLKOUT_n", "L20", OUT, IOSTD_LVDS},
    {"SMA_GXBCLK_p[0]", "G38", IN, IOSTD_LVDS},
    {"SMA_GXBCLK_n[0]", "G39", IN, IOSTD_LVDS},
    {"SMA_GXBCLK_p[1]", "W2", IN, IOSTD_LVDS},
    {"SMA_GXBCLK_n[1]", "W1", IN, IOSTD_LVDS},
};
constexpr PinRow kLed[] = {
    {"LED[]", "AG30 AE30 AE31 AL34 AL35 AH32 AH33 AB10", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kButton[] = {
    {"BUTTON[]", "AB13 AB12 AB9 AC8 AH6 AH5 L7 K7", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "J7 K6 K5 J6 J5 M27 K27 J27", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTemp[] = {
    {"TEMP_CLK", "P4", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_DATA", "P1", IO, IOSTD_3V3_LVTTL},
    {"TEMP_INT_n", "N2", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFan[] = {
    {"FAN_PWR_ON", "AP20", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_PWR_ON", "~", OUT, IOSTD_3V3_LVTTL},
    {"LCD_BL_ON", "~", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSharedBus[] = {
    {"I2C_SDA", "~", IO, IOSTD_3V3_LVTTL},
    {"I2C_SCL", "~", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsb[] = {
    {"USB_D[]", "AD19 AG19 AG18 AE18 AT17 AW18 AT18 AU18", IO, IOSTD_3V3_LVTTL},
    {"USB_RXF_n", "AE19", IN, IOSTD_3V3_LVTTL},
    {"USB_TXE_n", "AF19", IN, IOSTD_3V3_LVTTL},
    {"USB_CLKOUT", "AV19", IN, IOSTD_3V3_LVTTL},
    {"USB_RD_n", "AU17", OUT, IOSTD_3V3_LVTTL},
    {"USB_WR_n", "AV17", OUT, IOSTD_3V3_LVTTL},
    {"USB_OE_n", "AN19", OUT, IOSTD_3V3_LVTTL},
    {"USB_SIWU_n", "AM19", OUT, IOSTD_3V3_LVTTL},
    {"USB_RESET_n", "~", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "AV20", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AT19", OUT, IOSTD_3V3_LVTTL},
    {"SD_WP_n", "AH18", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT[]", "AR20 AT20 AU19 AU20", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ETH_RX_p[0]", "N33", IN, IOSTD_3V3_LVTTL},
    {"ETH_RX_n[0]", "N34", IN, IOSTD_3V3_LVTTL},
    {"ETH_TX_p[0]", "M32", OUT, IOSTD_3V3_LVTTL},
    {"ETH_TX_n[0]", "L32", OUT, IOSTD_3V3_LVTTL},
    {"ETH_RX_p[1]", "J34", IN, IOSTD_3V3_LVTTL},
    {"ETH_RX_n[1]", "J35", IN, IOSTD_3V3_LVTTL},
    {"ETH_TX_p[1]", "P31", OUT, IOSTD_3V3_LVTTL},
    {"ETH_TX_n[1]", "P32", OUT, IOSTD_3V3_LVTTL},
    {"ETH_RX_p[2]", "K34", IN, IOSTD_3V3_LVTTL},
    {"ETH_RX_n[2]", "K35", IN, IOSTD_3V3_LVTTL},
    {"ETH_TX_p[2]", "T30", OUT, IOSTD_3V3_LVTTL},
    {"ETH_TX_n[2]", "T31", OUT, IOSTD_3V3_LVTTL},
    {"ETH_RX_p[3]", "U31", IN, IOSTD_3V3_LVTTL},
    {"ETH_RX_n[3]", "V31", IN, IOSTD_3V3_LVTTL},
    {"ETH_TX_p[3]", "R32", OUT, IOSTD_3V3_LVTTL},
    {"ETH_TX_n[3]", "R33", OUT, IOSTD_3V3_LVTTL},
    {"ETH_INT", "M34", IN, IOSTD_3V3_LVTTL},
    {"ETH_MDIO", "M33", IO, IOSTD_3V3_LVTTL},
    {"ETH_MDC", "R30", OUT, IOSTD_3V3_LVTTL},
    {"ETH_RST_n", "~", OUT, IOSTD_3V3_LVTTL},
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
    {"PCIE_REFCLKI_p", "AN38", IN, IOSTD_HCSL},
    {"PCIE_REFCLKI_n", "AN39", IN, IOSTD_HCSL},
    {"PCIE_RESET_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"PCIE_PREST_n", "~", IN, IOSTD_3V3_LVTTL},
    {"PCIE_PWRON", "~", IN, IOSTD_3V3_LVTTL},
    {"PCIE_WAKE_n", "~", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kBridge[] = {
    {"FPGA_RX_p[0]", "AE2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[0]", "AD4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[1]", "AC2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[1]", "AB4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[2]", "U2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[2]", "T4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[3]", "R2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[3]", "P4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[4]", "N2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[4]", "M4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[5]", "L2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[5]", "K4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[6]", "E2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[6]", "D4", OUT, IOSTD_1V4_PCML},
    {"FPGA_RX_p[7]", "C2", IN, IOSTD_1V4_PCML},
    {"FPGA_TX_p[7]", "B4", OUT, IOSTD_1V4_PCML},
    {"FPGA_REFCLK_p", "AA22", IN, IOSTD_HCSL},
};
constexpr PinRow kFsmData[] = {
    {"FSM_D[]", "J25 M24 K24 J24 M23 N22 P22 R22 L23 K23 P23 N23 D25 G25 G24 F24", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFsmAddress[] = {
    {"FSM_A[1]", "M21", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[2]", "R20", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[3]", "N21", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[4]", "M22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[5]", "G22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[6]", "K22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[7]", "J22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[8]", "H22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[9]", "D24", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[10]", "C24", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[11]", "J23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[12]", "H23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[13]", "E22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[14]", "D22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[15]", "G23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[16]", "F23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[17]", "E23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[18]", "D23", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[19]", "D21", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[20]", "C22", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[21]", "A25", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[22]", "A24", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[23]", "B25", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[24]", "C25", OUT, IOSTD_3V3_LVTTL},
    {"FSM_A[25]", "D26", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FLASH_RYBY_n", "L35", IN, IOSTD_3V3_LVTTL},
    {"FLASH_CLK", "A26", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RST_n", "W28", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_OE_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_WE_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_ADV_n", "L34", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_CS_n", "V28", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSsram[] = {
    {"SSRAM_BWA_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_BWB_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_CLK", "N20", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_OE_n", "P20", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_WE_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_CKE_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_CE_n", "~", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_ADV", "E25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDdr3[] = {
    {"DDR3_ba[]", "J18 L14 K14", OUT, IOSTD_SSTL15_I},
    {"DDR3_dm[]", "H13 B11 N16 G16", OUT, IOSTD_SSTL15_I},
    {"DDR3_dqs[0]", "F13", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqsn[0]", "E13", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqs[1]", "D14", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqsn[1]", "C14", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqs[2]", "K16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqsn[2]", "J16", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqs[3]", "D15", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_dqsn[3]", "C15", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_cke[0]", "A16", OUT, IOSTD_SSTL15_I},
    {"DDR3_clk[0]", "L13", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_clk_n[0]", "K13", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_cs_n", "F17", OUT, IOSTD_SSTL15_I},
    {"DDR3_we_n", "C17", OUT, IOSTD_SSTL15_I},
    {"DDR3_ras_n", "D18", OUT, IOSTD_SSTL15_I},
    {"DDR3_cas_n", "C18", OUT, IOSTD_SSTL15_I},
    {"DDR3_reset_n", "F20", OUT, IOSTD_SSTL15_I},
    {"DDR3_odt", "G20", OUT, IOSTD_SSTL15_I},
    {"DDR3_dq[]", "E14 G13 J13 F14 G14 F12 H14 J12 B13 B10 A13 D11 C13 C11 A11 C12 K17 L16 P17 M16 M17 H17 N17 J17 E16 G15 C16 G17 B16 D16 F16 F15", IO, IOSTD_SSTL15_I},
    {"DDR3_addr[]", "N15 K12 R18 A10 K15 D13 M14 A14 N13 M13 J15 R14 P16 B14 P18", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kHsmcI2c[] = {
    {"HSMC_SCL", "G26", OUT, IOSTD_2V5},
    {"HSMC_SDA", "F26", IO, IOSTD_2V5},
};
// 200 positions, 124 placeholders
constexpr const char* kDdr2Sodimm =
    "- - - AW34 AV32 AW33 AV31 - - AW31 "
    "AW30 - AV29 AW28 - AW27 AW29 - AV28 AM25 "
    "- AN24 AP25 - AR25 AN25 - - AU26 AP28 "
    "AT26 AR28 - - AU25 AV26 AT25 AW26 - - "
    "- - AN23 AM23 AP23 AU23 - - AU24 - "
    "AT24 AM22 - - AT23 AL22 AR23 AL21 - - "
    "AJ22 AK24 AH23 AJ23 - - AH22 AL23 - AK23 "
    "- - AE22 AF23 AE23 AF22 - - AT28 AN27 "
    "- - - AT29 AU27 AU29 - - AP26 AU28 "
    "AN26 AT27 AW23 AP27 - - AL27 AV23 AM26 AL25 "
    "AK27 AJ26 - - AK26 AE25 AK25 AE21 AJ25 AG21 "
    "- - AH26 AG20 AE24 AD21 - - AD25 - "
    "- - AT14 AW12 AU14 AW11 - - AW13 AU11 "
    "AV13 - - AT12 AV14 AU12 AW14 - - AN13 "
    "AP13 AL15 AN14 - - AT13 AL13 AR13 - - "
    "AP14 AL14 AR14 AM14 - - AN16 AW16 AN17 AT16 "
    "- - - AE20 - AF20 AR16 - AP16 AU16 "
    "- - AP17 AU15 AR17 AT15 - - AJ16 AH17 "
    "AM17 AE17 - - AF17 AL16 - AK16 AK17 - "
    "AL17 AH16 - AG16 AG24 AH24 - AV25 - AW25";
// 160 positions, 98 placeholders
constexpr const char* kHsmcA =
    "- - - - - - - - - - "
    "- - - - - - M36 N38 M37 N39 "
    "K36 L38 K37 L39 D36 E38 D37 E39 B36 C38 "
    "B37 C39 - - - - - - L8 AA5 "
    "T13 G5 T12 F5 - - H7 F7 G7 E7 "
    "- - R13 G6 P13 F6 - - R12 F10 "
    "R11 E10 - - N11 G9 N10 F9 - - "
    "M10 D7 L10 C7 - - V12 W8 V11 W7 "
    "- - U10 V6 T9 U5 - - V10 R6 "
    "V9 R5 - - N9 R7 P8 P6 - - "
    "T10 N6 R10 N5 - - R9 K6 R8 L5 "
    "- - K9 D9 J9 C9 - - K8 D8 "
    "J8 C8 - - M11 D5 L11 C5 - - "
    "N12 D10 M12 C10 - - K10 G8 J10 F8 "
    "- - H10 D6 G10 C6 - - M8 N8 "
    "M7 N7 - - W12 W6 W11 W5 - -";
// 160 positions, 98 placeholders
constexpr const char* kHsmcB =
    "- - - - - - - - - - "
    "- - - - - - AT4 AU2 AT3 AU1 "
    "AP4 AR2 AP3 AR1 AH4 AJ2 AH3 AJ1 AF4 AG2 "
    "AF3 AG1 - - - - - - AB11 AC5 "
    "AN10 AV10 AP10 AW10 - - AH11 AV8 AJ11 AW8 "
    "- - AG12 AT10 AH12 AU10 - - AF13 AP8 "
    "AG13 AR8 - - AN9 AT9 AP9 AU9 - - "
    "AN7 AT8 AP7 AU8 - - AH9 AN6 AH8 AN5 "
    "- - AK8 AP6 AK7 AP5 - - AE11 AM6 "
    "AE10 AM5 - - AF11 AJ6 AF10 AJ5 - - "
    "AG10 AL6 AG9 AL5 - - AD10 AK6 AD9 AK5 "
    "- - AK9 AV5 AL9 AW4 - - AL8 AT7 "
    "AM8 AU7 - - AH10 AT6 AJ10 AU6 - - "
    "AE13 AR5 AE12 AT5 - - AD13 AV7 AD12 AW7 "
    "- - AL10 AW6 AM10 AW5 - - AG8 AG6 "
    "AG7 AG5 - - AC11 AF6 AC10 AE5 - -";
// 160 positions, 82 placeholders
constexpr const char* kHsmcC =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - AF29 AC34 "
    "AC26 AT34 AD26 AR34 - - AD27 AN33 AE27 AP34 "
    "- - AJ31 AT33 AH30 AU33 - - AK32 AP32 "
    "AL32 AR32 - - AG29 AP35 AH29 AR35 - - "
    "AK31 AN30 AL31 AP30 - - AB30 AU34 AB31 AV34 "
    "- - AB27 AC31 AB28 AC32 - - AC28 AJ34 "
    "AC29 AJ35 - - AG31 AH34 AG32 AH35 - - "
    "AD28 AK35 AD29 AK34 - - AE29 AT31 AE28 AU31 "
    "- - AE26 AM31 AF26 AN31 - - AK30 AR31 "
    "AL30 AT30 - - AG28 AT32 AH28 AU32 - - "
    "AG27 AN32 AH27 AP33 - - AL29 AM34 AM29 AM35 "
    "- - AJ29 AJ32 AK29 AK33 - - AD30 AN34 "
    "AD31 AN35 - - AG34 AF34 AG35 AE35 - -";
// 160 positions, 82 placeholders
constexpr const char* kHsmcD =
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - - - "
    "- - - - - - - - W32 AB34 "
    "K30 C32 J30 B32 - - N28 D31 M28 C31 "
    "- - J32 D35 H32 C35 - - N31 F31 "
    "M31 E31 - - N30 D33 M30 C33 - - "
    "N29 H31 M29 G31 - - L31 D34 K31 C34 "
    "- - T28 G35 R28 F35 - - T27 F32 "
    "R27 E32 - - K32 F34 J33 E34 - - "
    "R29 G33 P29 F33 - - L29 H34 K29 H35 "
    "- - C27 A28 D27 A27 - - B31 C28 "
    "A31 B28 - - C29 B29 C30 A29 - - "
    "D28 F28 F27 E28 - - G27 E29 H26 D29 "
    "- - J26 H28 G29 G28 - - L25 L26 "
    "K28 K26 - - M25 W34 N25 W35 - -";
// clang-format on

constexpr const char* kHsmcMaps[kHsmcCount] = {kHsmcA, kHsmcB, kHsmcC, kHsmcD};

constexpr int kHsmcPositions = 160;
constexpr int kDdr2Placeholders = 124;
// Only the flash uses address lines 21..25.
constexpr std::size_t kSsramAddressPins = 20;
static_assert(std::size(kFsmAddress) == 25);
static_assert(CountTablePins(kFsmData) == 16);
static_assert(CountLocations(kDdr2Sodimm) == DDR2_SODIMM_PIN_NUM);
static_assert(CountTablePins(kDdr3) == 3 + 4 + 8 + 9 + 32 + 15);

} // namespace
} // namespace galdre_x2

using namespace galdre_x2;

std::string GaldreX2SharedBusName(const GALDRE_X2_NODE& node) {
    std::string name;
    const auto add = [&](bool used, const char* part) {
        if (used) {
            name += name.empty() ? part : std::string("+") + part;
        }
    };
    add(node.bLCD != 0, "LCD");
    add(node.bTemp != 0, "Temperatur");
    add(node.bEEPROM != 0, "EEPROM");
    return name;
}

void CONFIG_GALDRE_X2(TMainBoard* pBoard, const GALDRE_X2_CONFIG& Config, int node) {
    PINSMITH_ASSERT(pBoard != nullptr);
    PINSMITH_ASSERT(node == 0 || node == 1);
    pBoard->m_BoardId = MAINBOARD_GALDRE_X2;
    if (Config.BoardId != BoardNumber(MAINBOARD_GALDRE_X2)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_GALDRE_X2");
    }
    if (Config.Size != GALDRE_X2_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(GALDRE_X2_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Stratix IV";
    pBoard->m_PinCount = 1517;
    pBoard->m_Package = "FBGA";
    pBoard->m_SpeedGrade = 2;
    if (Config.nBoardTypeIndex == 0) {
        pBoard->m_Device = "EP4SGX230KF40C2";
    } else if (Config.nBoardTypeIndex == 1) {
        pBoard->m_Device = "EP4SGX530KH40C2";
    }

    const GALDRE_X2_NODE& F = Config.F[node];
    const auto addGroup = [&](const std::string& name, std::span<const PinRow> rows) {
        pBoard->AddConnector(MakeGroupConnector(name, rows));
    };
    if (F.bOSC) {
        addGroup("CLOCK", kClock);
    }
    if (F.bSma) {
        addGroup("SMA", kSma);
    }
    if (F.bLED) {
        addGroup("LED x 8", kLed);
    }
    if (F.bButton) {
        addGroup("BUTTON x 8", kButton);
    }
    if (F.bSwitch) {
        addGroup("SWITCH x 8", kSwitch);
    }
    if (F.bTemp) {
        addGroup("Temperature", kTemp);
    }
    if (F.bFan) {
        addGroup("Fan", kFan);
    }
    if (F.bLCD || F.bEEPROM) {
        addGroup("16x2 Character LCD", kLcd);
    }
    if (const std::string bus = GaldreX2SharedBusName(F); !bus.empty()) {
        addGroup(bus + " I2C Shared Bus", kSharedBus);
    }
    if (F.bUSB) {
        addGroup("High-Speed USB-FIFO", kUsb);
    }
    if (F.bSDCARD) {
        addGroup("SDCARD", kSdcard);
    }
    if (F.bEthernet) {
        addGroup("Ethernet x 4", kEthernet);
    }
    if (F.bPCIe) {
        addGroup("PCIe x 8", kPcie);
    }
    if (F.bFPGABridge) {
        addGroup("FPGA Bridge (Transceiver x 8)", kBridge);
    }
    if (F.bFlash || F.bSSRAM) {
        const char* name = "Flash and SRAM Address/Data Share Bus";
        auto bus = MakeGroupConnector(name, kFsmData);
        AddPinRows(*bus,
                   {name, F.bFlash ? std::span<const PinRow>(kFsmAddress)
                                   : std::span<const PinRow>(kFsmAddress, kSsramAddressPins)});
        pBoard->AddConnector(std::move(bus));
    }
    if (F.bFlash) {
        addGroup("Flash Control", kFlash);
    }
    if (F.bSSRAM) {
        addGroup("SSRAM Control", kSsram);
    }
    if (F.bMax2) {
        PINSMITH_FAIL("!Config.F[f].bMax2");
    }
    if (F.bDDR3) {
        addGroup("DDR3", kDdr3);
    }

    if (F.bDDR2) {
        auto socket = MakeExpansionConnector("DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                             CONNECTOR_ID_DDR2_SODIMM);
        AddHeaderPositions(*socket, kDdr2Sodimm);
        PINSMITH_ASSERT(socket->GetActivePinCount() == kDdr2Placeholders);
        pBoard->AddConnector(std::move(socket));
    }
    bool anyHsmc = false;
    for (int n = 0; n < kHsmcCount; ++n) {
        if (F.nHsmcDaughterId[n] == 0) {
            continue;
        }
        anyHsmc = true;
        auto port = MakeLetteredPortConnector("HSMC-%c", n, MakeCardId(F.nHsmcDaughterId[n]),
                                              CONNECTOR_HSMC, ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                                              kHsmcMaps[n], kHsmcPositions);
        pBoard->AddConnector(std::move(port));
    }
    if (anyHsmc) {
        addGroup("HSMC I2C", kHsmcI2c);
    }
}
