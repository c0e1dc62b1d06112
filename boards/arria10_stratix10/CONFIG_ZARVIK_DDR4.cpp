#include "boards/arria10_stratix10/CONFIG_ZARVIK_DDR4.h"

#include "boards/PinTable.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikGroups.h"
#include "platform/Assert.h"

#include <memory>

namespace {

using zarvikgroups::Group;
constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClockAll[] = {
    {"CLK_100_B3D", "AH11", IN, IOSTD_1V8, 100},
    {"CLK_50_B2J", "W36", IN, IOSTD_1V8, 50},
    {"CLK_50_B2L", "H32", IN, IOSTD_1V8, 50},
    {"CLK_50_B3D", "AN7", IN, IOSTD_1V8, 50},
    {"CLK_50_B3F", "G12", IN, IOSTD_1V8, 50},
    {"CLK_50_B3H", "D21", IN, IOSTD_1V8, 50},
    {"CLKUSR_100", "AV26", IN, IOSTD_1V8, 100},
};
constexpr PinRow kClockForChips[] = {{"CLK_50_B2J", "W36", IN, IOSTD_1V8, 50}};
constexpr PinRow kKeyFirst[] = {{"BUTTON[0]", "AJ13", IN, IOSTD_1V2}};
constexpr PinRow kKeyMore[] = {
    {"BUTTON[1]", "AE13", IN, IOSTD_1V2},
    {"BUTTON[2]", "AV16", IN, IOSTD_1V2},
    {"BUTTON[3]", "AR9", IN, IOSTD_1V2},
};
constexpr PinRow kKeyReset[] = {{"CPU_RESET_n", "AP24", IN, IOSTD_1V8}};
constexpr PinRow kSwitch[] = {{"SW[]", "AY28 AM27", IN, IOSTD_1V2}};
constexpr PinRow kLed[] = {
    {"LED_BRACKET[]", "AF10 AF9 Y13 W11", OUT, IOSTD_1V8},
    {"LED[]", "T11 R11 N15 M15", OUT, IOSTD_1V8},
};
constexpr PinRow kSeg7[] = {
    {"HEX0_D[0]", "AW8", OUT, IOSTD_1V2},
    {"HEX0_D[1]", "AY8", OUT, IOSTD_1V2},
    {"HEX0_D[2]", "AY9", OUT, IOSTD_1V2},
    {"HEX0_D[3]", "BA9", OUT, IOSTD_1V2},
    {"HEX0_D[4]", "BB9", OUT, IOSTD_1V2},
    {"HEX0_D[5]", "BD10", OUT, IOSTD_1V2},
    {"HEX0_D[6]", "V10", OUT, IOSTD_1V8},
    {"HEX0_DP", "AG9", OUT, IOSTD_1V8},
    {"HEX1_D[]", "AM32 AN32 AN31 AP31 BA35 BD34 AR31", OUT, IOSTD_1V2},
    {"HEX1_DP", "BC28", OUT, IOSTD_1V2},
};
constexpr PinRow kFan[] = {
    {"FAN_I2C_SCL", "AJ33", OUT, IOSTD_1V2},
    {"FAN_I2C_SDA", "AL32", IO, IOSTD_1V2},
    {"FAN_ALERT_n", "AL31", IN, IOSTD_1V2},
};
constexpr PinRow kFlashBefore[] = {
    {"FLASH_CLK", "T9", OUT, IOSTD_1V8},
};
constexpr PinRow kFlashAfter[] = {
    {"FLASH_D[]", "B35 A35 C35 C33 C32 A32 C26 B24 C36 B34 A34 B33 B32 A31 E24 C25 K33 J39 AA32 J35 H36 AB32 J34 AA31 J36 J38 K34 H38 H37 Y31 H35 J33", IO, IOSTD_1V8},
    {"FLASH_CE_n[]", "H10 N16", OUT, IOSTD_1V8},
    {"FLASH_WE_n", "U10", OUT, IOSTD_1V8},
    {"FLASH_OE_n", "C16", IO, IOSTD_1V8},
    {"FLASH_ADV_n", "H7", OUT, IOSTD_1V8},
    {"FLASH_RESET_n", "C17", OUT, IOSTD_1V8},
    {"FLASH_RDY_BSY_n[]", "J8 L36", IN, IOSTD_1V8},
};
constexpr PinRow kQdrA[] = {
    {"QDRIIA_REFCLK_p", "L9", IN, IOSTD_LVDS},
    {"QDRIIA_A[]", "V12 V13 N10 M10 P11 N11 M9 M8 N7 N8 P10 P9 N6 M7 L10 L7 K7 K8 J9 L6 K6 J6", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_K_p", "F12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_K_n", "E12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_D[]", "E8 E9 D8 E11 D9 C8 D10 C10 D11 C13 C12 B12 A12 D13 A11 A10 E13 B10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_BWS_n[]", "C11 B13", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_p", "J13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_n", "H13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_Q[]", "R12 R14 N12 M13 M12 M14 L12 K12 G10 H12 H11 J14 K14 K13 L14 N13 P13 R13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_QVLD", "T14", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_WPS_n", "U8", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_RPS_n", "U9", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_DOFF_n", "R9", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_ODT", "T10", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrB[] = {
    {"QDRIIB_REFCLK_p", "N18", IN, IOSTD_LVDS},
    {"QDRIIB_A[]", "L16 L15 E14 D14 G14 F14 D15 C15 F15 F16 H15 G15 E16 D16 E17 G17 G18 L17 K17 H17 H18 K18", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_K_p", "K21", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_K_n", "J21", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIB_D[]", "G19 F19 E19 D19 C18 B19 B20 C20 F20 L20 J20 N20 L19 L21 K19 J19 M20 M19", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_BWS_n[]", "G20 H20", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_p", "D23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_n", "C23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_Q[]", "L22 K23 J23 H23 H21 H22 G23 F21 E23 A22 B22 C22 B23 A21 C21 E22 F22 G22", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_QVLD", "K22", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_WPS_n", "K16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_RPS_n", "J16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_DOFF_n", "H16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_ODT", "M17", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrC[] = {
    {"QDRIIC_REFCLK_p", "G24", IN, IOSTD_LVDS},
    {"QDRIIC_A[]", "D25 D26 A26 A27 A29 A30 B27 B28 C27 C28 B29 B30 C30 C31 L25 K24 J24 G25 F25 J25 H25 J26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_K_p", "AF34", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_K_n", "AF35", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIC_D[]", "AD33 AC33 AB33 AB34 AA34 Y34 W34 AC35 AA35 AF36 AE36 AD34 AE34 AE33 AE32 AE31 AF32 AF31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_BWS_n[]", "AB35 AD35", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_p", "AD36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_n", "AC36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_Q[]", "T36 R36 P35 N36 N37 M38 M39 N38 P36 Y36 M37 M35 T34 N35 T35 U35 V35 W35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_QVLD", "U34", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_WPS_n", "F26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_RPS_n", "E26", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_DOFF_n", "D24", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_ODT", "B25", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrD[] = {
    {"QDRIID_REFCLK_p", "M34", IN, IOSTD_LVDS},
    {"QDRIID_A[]", "Y32 W33 P34 P33 L32 K32 R34 R33 T32 R32 N32 M32 T31 R31 K38 L37 K36 N33 M33 L39 K39 L35", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_K_p", "F32", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_K_n", "E32", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIID_D[]", "E36 F34 F39 F36 D33 F31 G30 H30 G29 E33 G39 E37 F37 E34 D36 C37 D35 D34", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_BWS_n[]", "F30 E31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_p", "G35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_n", "F35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_Q[]", "L29 N30 K29 J29 M30 J30 N31 P31 H33 G34 G33 L31 J31 K31 L30 M29 M28 N28", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_QVLD", "P28", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_WPS_n", "V32", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_RPS_n", "V33", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_DOFF_n", "W31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_ODT", "Y33", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQsfpA[] = {
    {"QSFPA_REFCLK_p", "AH5", IN, IOSTD_LVDS},
    {"QSFPA_TX_p[]", "BD5 BC3 BB1 AY1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPA_RX_p[]", "BB5 AY5 BA3 AW3", IN, IOSTD_HSSI_DIFF},
    {"QSFPA_INTERRUPT_n", "AB9", IN, IOSTD_1V8},
    {"QSFPA_LP_MODE", "AB10", OUT, IOSTD_1V8},
    {"QSFPA_MOD_PRS_n", "AG10", IN, IOSTD_1V8},
    {"QSFPA_MOD_SEL_n", "AC10", OUT, IOSTD_1V8},
    {"QSFPA_RST_n", "AA9", OUT, IOSTD_1V8},
    {"QSFPA_SCL", "AA10", OUT, IOSTD_1V8},
    {"QSFPA_SDA", "Y9", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpB[] = {
    {"QSFPB_REFCLK_p", "AD5", IN, IOSTD_LVDS},
    {"QSFPB_TX_p[]", "AP1 AM1 AK1 AH1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPB_RX_p[]", "AN3 AL3 AJ3 AG3", IN, IOSTD_HSSI_DIFF},
    {"QSFPB_INTERRUPT_n", "AK9", IN, IOSTD_1V8},
    {"QSFPB_LP_MODE", "AM10", OUT, IOSTD_1V8},
    {"QSFPB_MOD_PRS_n", "AL10", IN, IOSTD_1V8},
    {"QSFPB_MOD_SEL_n", "AP6", OUT, IOSTD_1V8},
    {"QSFPB_RST_n", "AR6", OUT, IOSTD_1V8},
    {"QSFPB_SCL", "AM7", OUT, IOSTD_1V8},
    {"QSFPB_SDA", "AM8", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpC[] = {
    {"QSFPC_REFCLK_p", "Y5", IN, IOSTD_LVDS},
    {"QSFPC_TX_p[]", "AB1 Y1 V1 T1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPC_RX_p[]", "AA3 W3 U3 R3", IN, IOSTD_HSSI_DIFF},
    {"QSFPC_INTERRUPT_n", "AD11", IN, IOSTD_1V8},
    {"QSFPC_LP_MODE", "AH10", OUT, IOSTD_1V8},
    {"QSFPC_MOD_PRS_n", "AD10", IN, IOSTD_1V8},
    {"QSFPC_MOD_SEL_n", "AL9", OUT, IOSTD_1V8},
    {"QSFPC_RST_n", "AJ9", OUT, IOSTD_1V8},
    {"QSFPC_SCL", "AL11", OUT, IOSTD_1V8},
    {"QSFPC_SDA", "AK11", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpD[] = {
    {"QSFPD_REFCLK_p", "T5", IN, IOSTD_LVDS},
    {"QSFPD_TX_p[]", "K1 H1 F1 D1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPD_RX_p[]", "J3 G3 E3 D5", IN, IOSTD_HSSI_DIFF},
    {"QSFPD_INTERRUPT_n", "W13", IN, IOSTD_1V8},
    {"QSFPD_LP_MODE", "AA12", OUT, IOSTD_1V8},
    {"QSFPD_MOD_PRS_n", "Y12", IN, IOSTD_1V8},
    {"QSFPD_MOD_SEL_n", "AA11", OUT, IOSTD_1V8},
    {"QSFPD_RST_n", "Y11", OUT, IOSTD_1V8},
    {"QSFPD_SCL", "W9", OUT, IOSTD_1V8},
    {"QSFPD_SDA", "W10", IO, IOSTD_1V8},
};
constexpr const char* kDdr4A =
    "- - AH33 AJ34 - - AH32 AH35 - - AL37 AK34 AK37 "
    "- - AJ36 AJ35 - - AH36 AG35 - - AP34 AT34 - "
    "- AK36 AN35 - - AM34 AP35 AL34 - - AL35 AL36 - "
    "- AM35 AM37 - - AU35 AU39 - - AV35 AT39 - - "
    "AV38 AT37 AU38 - - AU37 AV36 - - AV37 AT36 - - "
    "AN38 AN37 - - AR36 AN36 - - AR38 AP36 AP38 - - "
    "AM38 AR37 - - AM39 AR39 - - - - - - - "
    "- - - - - - - - - - - - - "
    "- - - BD35 BD33 AK31 - - BC35 BB34 AR33 AG34 - "
    "- AU34 AW36 AY33 AY37 - - AY32 BB37 AY36 BA37 - - "
    "AW31 AV31 AY34 AR34 - - BA34 AM33 BB35 AN33 - - BA36 "
    "AW34 AP33 AW35 - - BB33 AR32 AT32 AV32 - - BC32 AU32 "
    "AK33 AT31 - - AK32 - - - - - - - AM29 "
    "AN30 - - AN28 AM30 - - AR29 AP30 AP29 - - AL30 "
    "AP28 - - AM28 AN27 - - AY31 BA32 - - BC31 BB32 "
    "- - BA30 BA31 BA29 - - BB30 AY29 - - AW29 AW28 "
    "- - BC30 BD29 - - BD30 BB28 - - BA27 BD31 BA26 "
    "- - BC27 BB29 - - BB27 BD28 - - AU29 AU27 - "
    "- AV28 AT27 - - AW30 AU30 AV30 - - AT29 AR27 - "
    "- AR28 AT30 - - AT35 BC33 - - - - - -";
constexpr const char* kDdr4B =
    "- - AR18 AM20 - - AU19 AR19 - - AU18 AT19 AV18 "
    "- - AM19 AP19 - - AM17 AM18 - - AW18 AV17 - "
    "- BA17 AY17 - - BA16 AY18 BA15 - - AW16 AV15 - "
    "- AY16 AU15 - - BC18 BD18 - - BD16 BB17 - - "
    "BD14 BC17 BD13 - - BC15 BD15 - - BC16 BB18 - - "
    "AP11 AN11 - - AP8 AT12 - - AU10 AT11 AT10 - - "
    "AR11 AR7 - - AR8 AR12 - - - - - - - "
    "- - - - - - - - - - - - - "
    "- - - BB13 BC10 AW9 - - BB14 BC12 AR13 AP18 - "
    "- AK14 BA11 AV13 BB12 - - AU13 BA14 BA12 AY14 - - "
    "AY13 AW13 AW14 BD11 - - BA10 AV10 BB10 AV11 - - BB8 "
    "AW15 AP13 AY11 - - BC13 AU14 AN13 AM14 - - BC11 AL14 "
    "AV12 AM13 - - AW10 - - - - - - - AU7 "
    "AV8 - - AU9 AU8 - - AV6 AN10 AV7 - - AT6 "
    "AT7 - - AT9 AP10 - - AM12 AK12 - - AN12 AK13 "
    "- - AH12 AL12 AG12 - - AH13 AG13 - - AF12 AE12 "
    "- - AM15 AT17 - - AN16 AP15 - - AT16 AU17 AT15 "
    "- - AN15 AR16 - - AR17 AN17 - - AE14 AC11 - "
    "- AG14 AC12 - - AB12 AF14 AC13 - - AB13 AD13 - "
    "- AD14 AB14 - - AP16 AP9 - - - - - -";
constexpr PinRow kRzq[] = {
    {"RZQ_DDR4_A", "AU28", IN, IOSTD_1V2},
    {"RZQ_DDR4_B", "BB15", IN, IOSTD_1V2},
    {"RZQ_QDRII_A", "L11", IN, IOSTD_1V8},
    {"RZQ_QDRII_B", "F17", IN, IOSTD_1V8},
    {"RZQ_QDRII_C", "L24", IN, IOSTD_1V8},
    {"RZQ_QDRII_D", "K37", IN, IOSTD_1V8},
};
constexpr PinRow kSi5340A[] = {
    {"SI5340A_I2C_SCL", "AF11", OUT, IOSTD_1V8},
    {"SI5340A_I2C_SDA", "AE11", IO, IOSTD_1V8},
    {"SI5340A_INTR", "AM6", IN, IOSTD_1V8},
    {"SI5340A_OE_n", "AJ10", OUT, IOSTD_1V8},
    {"SI5340A_RST_n", "AN6", OUT, IOSTD_1V8},
};
constexpr PinRow kSi5340B[] = {
    {"SI5340B_I2C_SCL", "G37", OUT, IOSTD_1V8},
    {"SI5340B_I2C_SDA", "H31", IO, IOSTD_1V8},
    {"SI5340B_INTR", "G32", IN, IOSTD_1V8},
    {"SI5340B_OE_n", "BD24", OUT, IOSTD_1V8},
    {"SI5340B_RST_n", "G38", OUT, IOSTD_1V8},
};
constexpr PinRow kTps40428[] = {
    {"TPS40428_CLK", "A24", OUT, IOSTD_1V8},
    {"TPS40428_DATA", "A25", IO, IOSTD_1V8},
    {"TPS40428_ALERT", "V36", IN, IOSTD_1V8},
};
constexpr PinRow kRs422[] = {
    {"RS422_DOUT", "W14", OUT, IOSTD_1V8},
    {"RS422_DIN", "AM9", IN, IOSTD_1V8},
    {"RS422_DE", "AN8", OUT, IOSTD_1V8},
    {"RS422_RE_n", "AD9", OUT, IOSTD_1V8},
    {"RJ45_LED_L", "AJ11", OUT, IOSTD_1V8},
    {"RJ45_LED_R", "Y14", OUT, IOSTD_1V8},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_I2C_SCL", "AW11", OUT, IOSTD_1V2},
    {"TEMP_I2C_SDA", "AY12", IO, IOSTD_1V2},
    {"TEMP_INT_n", "AU12", IN, IOSTD_1V2},
    {"TEMP_OVERT_n", "AT14", IN, IOSTD_1V2},
};
constexpr PinRow kPower[] = {
    {"POWER_MONITOR_I2C_SCL", "AT26", OUT, IOSTD_1V8},
    {"POWER_MONITOR_I2C_SDA", "AP25", IO, IOSTD_1V8},
    {"POWER_MONITOR_ALERT", "BD23", IN, IOSTD_1V8},
};
constexpr PinRow kPcie[] = {
    {"PCIE_SMBCLK", "AM25", IN, IOSTD_1V8},
    {"PCIE_SMBDAT", "AR24", IO, IOSTD_1V8},
    {"PCIE_REFCLK_p", "AH40", IN, IOSTD_HCSL},
    {"PCIE_TX_p[]", "AV44 AT44 AP44 AM44 AK44 AH44 AF44 AD44", OUT, IOSTD_HSSI_DIFF},
    {"PCIE_RX_p[]", "AU42 AR42 AN42 AL42 AJ42 AG42 AE42 AC42", IN, IOSTD_HSSI_DIFF},
    {"PCIE_PERST_n", "AT25", IN, IOSTD_1V8},
    {"PCIE_WAKE_n", "AN26", OUT, IOSTD_1V8},
};
constexpr PinRow kObPcie[] = {{"OB_PCIE_REFCLK_p", "AK40", IN, IOSTD_LVDS}};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AC32", IN, IOSTD_1V8},
    {"SMA_CLKOUT", "AA36", OUT, IOSTD_1V8},
};
// clang-format on

constexpr int kSocketPositions = 260;
static_assert(CountLocations(kDdr4A) == kSocketPositions);
static_assert(CountLocations(kDdr4B) == kSocketPositions);
static_assert(CountTablePins(kQdrA) == 70 && CountTablePins(kQdrB) == 70 &&
              CountTablePins(kQdrC) == 70 && CountTablePins(kQdrD) == 70);
static_assert(CountTablePins(kQsfpA) == 16 && CountTablePins(kQsfpB) == 16 &&
              CountTablePins(kQsfpC) == 16 && CountTablePins(kQsfpD) == 16);
static_assert(CountTablePins(kFlashAfter) + CountTablePins(zarvikgroups::kFlashAddress) +
                  CountTablePins(kFlashBefore) ==
              67);

constexpr std::span<const PinRow> kQdr[] = {kQdrA, kQdrB, kQdrC, kQdrD};
constexpr std::span<const PinRow> kQsfp[] = {kQsfpA, kQsfpB, kQsfpC, kQsfpD};

using zarvikgroups::AddGroup;

constexpr zarvikgroups::MemorySocket kSockets[] = {
    {"DDR4 SODIMM", "DDR4 SODIMM_A", CONNECTOR_DDR4_SODIMM, CONNECTOR_ID_DDR4_SODIMM_A, kDdr4A,
     kSocketPositions, "DDR4A_REFCLK_p", "AV33"},
    {"DDR4 SODIMM", "DDR4 SODIMM_B", CONNECTOR_DDR4_SODIMM,
     ConnectorIdAt(CONNECTOR_ID_DDR4_SODIMM_A, 1), kDdr4B, kSocketPositions, "DDR4B_REFCLK_p",
     "AP14"},
};

std::uint8_t Low(std::int32_t index) {
    return static_cast<std::uint8_t>(index & 0xFF);
}

} // namespace

void CONFIG_ZARVIK_DDR4(TMainBoard* pBoard, TConfigZarvik_DDR4* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const ZARVIK_DDR4_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    pBoard->m_BoardId = MAINBOARD_ZARVIK_DDR4;
    if (Config.BoardId != BoardNumber(MAINBOARD_ZARVIK_DDR4)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ZARVIK_DDR4");
    }
    if (Config.Size != ZARVIK_DDR4_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigZarvik_DDR4::ZARVIK_DDR4_CONFIG)");
    }
    TMainBoard& board = *pBoard;
    board.ClearConnectors();
    board.m_Family = "Arria 10";
    board.m_Device = "10AX115N2F45E1SG";
    board.m_PinCount = 1932;
    board.m_Package = "FBGA";
    board.m_SpeedGradeText = "E1";

    const bool si5340 = pSettings->IsSi5340AUsed() || pSettings->IsSi5340BUsed();
    if (Config.Clock) {
        AddGroup(board, "CLOCK", kClockAll);
    } else if (si5340) {
        AddGroup(board, "CLOCK", kClockForChips);
    }
    if (Config.Button || si5340) {
        zarvikgroups::Group key("KEY");
        key.Add(kKeyFirst);
        if (Config.Button) {
            key.Add(kKeyMore);
        }
        key.Add(kKeyReset);
        key.AddTo(board);
    }
    if (Config.Switch) {
        AddGroup(board, "SW", kSwitch);
    }
    if (Config.Led) {
        AddGroup(board, "LED", kLed);
    }
    if (Config.Seg7) {
        AddGroup(board, "SEG7", kSeg7);
    }
    if (Config.Fan) {
        AddGroup(board, "FAN", kFan);
    }
    if (Config.Flash) {
        zarvikgroups::Group flash("FLASH");
        flash.Add(kFlashBefore).Add(zarvikgroups::kFlashAddress).Add(kFlashAfter);
        flash.AddTo(board);
    }
    const double ddrMHz = TConfigZarvik_DDR4::GetSi5340BDdrFrequency(Low(Config.Si5340BDdrIndex));
    const std::uint8_t sockets[] = {Config.Ddr4A, Config.Ddr4B};
    for (int s = 0; s < 2; ++s) {
        if (sockets[s]) {
            zarvikgroups::AddMemorySocket(board, kSockets[s], ddrMHz);
        }
    }
    const double qdrMHz = TConfigZarvik_DDR4::GetSi5340BQdrFrequency(Low(Config.Si5340BQdrIndex));
    bool memory = Config.Ddr4A || Config.Ddr4B;
    for (int q = 0; q < 4; ++q) {
        memory = memory || Config.Qdr[q];
        if (!Config.Qdr[q]) {
            continue;
        }
        const std::string name = std::string("QDRII") + static_cast<char>('A' + q);
        zarvikgroups::Group group(name);
        group.Add(kQdr[q]);
        si5340::SetReferenceClock(*group.connector, name + "_REFCLK_p", qdrMHz);
        group.AddTo(board);
    }
    if (memory) {
        AddGroup(board, "RZQ", kRzq);
    }
    if (pSettings->IsSi5340AUsed()) {
        AddGroup(board, "SI5340A", kSi5340A);
    }
    if (pSettings->IsSi5340BUsed()) {
        AddGroup(board, "SI5340B", kSi5340B);
    }
    if (Config.Tps40428) {
        AddGroup(board, "TPS40428", kTps40428);
    }
    if (Config.Rs422) {
        AddGroup(board, "RS422", kRs422);
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
    if (pSettings->HasObPcieClock()) {
        AddGroup(board, "PCIe On-Board Ref Clock", kObPcie);
    }
    for (int c = 0; c < 4; ++c) {
        if (!Config.Qsfp[c]) {
            continue;
        }
        const std::string name = std::string("QSFP") + static_cast<char>('A' + c);
        zarvikgroups::Group group(name);
        group.Add(kQsfp[c]);
        si5340::SetReferenceClock(
            *group.connector, name + "_REFCLK_p",
            TConfigZarvik_DDR4::GetSi5340AFrequency(Low(Config.Si5340AIndex[c])));
        group.AddTo(board);
    }
    if (Config.Sma) {
        AddGroup(board, "SMA", kSma);
    }
}

void CONFIG_ZARVIK_DDR4(TMainBoard* pBoard, const ZARVIK_DDR4_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigZarvik_DDR4>();
    settings->Config = Config;
    CONFIG_ZARVIK_DDR4(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
