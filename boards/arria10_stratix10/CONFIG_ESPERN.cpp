#include "boards/arria10_stratix10/CONFIG_ESPERN.h"

#include "boards/PinTable.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikGroups.h"
#include "platform/Assert.h"

#include <memory>

namespace {

using zarvikgroups::AddGroup;
constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLK_100_B3D", "AJ11", IN, IOSTD_1V8, 100},
    {"CLK_50_B2F", "AY31", IN, IOSTD_1V8, 50},
    {"CLK_50_B2G", "AW35", IN, IOSTD_1V8, 50},
    {"CLK_50_B2H", "AP34", IN, IOSTD_1V8, 50},
    {"CLK_50_B3D", "AN7", IN, IOSTD_1V8, 50},
    {"CLK_50_B3F", "G12", IN, IOSTD_1V8, 50},
    {"CLK_50_B3H", "D21", IN, IOSTD_1V8, 50},
    {"CLKUSR_100", "AV26", IN, IOSTD_1V8, 100},
};
constexpr PinRow kKey[] = {
    {"BUTTON[]", "AC11 AC12 BA10 AP8", IN, IOSTD_1V8},
    {"CPU_RESET_n", "AP24", IN, IOSTD_1V8},
};
constexpr PinRow kSwitch[] = {{"SW[]", "BD28 AM27", IN, IOSTD_1V8}};
constexpr PinRow kLed[] = {
    {"LED_BRACKET[]", "BB32 AW30 AV30 AM30", OUT, IOSTD_1V8},
    {"LED[]", "T11 R11 N15 M15", OUT, IOSTD_1V8},
};
constexpr PinRow kFan[] = {
    {"FAN_I2C_SCL", "AJ33", OUT, IOSTD_1V8},
    {"FAN_I2C_SDA", "AK33", IO, IOSTD_1V8},
    {"FAN_ALERT_n", "AL32", IN, IOSTD_1V8},
};
constexpr PinRow kFlash[] = {
    {"FLASH_CLK", "T9", OUT, IOSTD_1V8},
    {"FLASH_A[1]", "U12", OUT, IOSTD_1V8},
    {"FLASH_A[2]", "T12", OUT, IOSTD_1V8},
    {"FLASH_A[3]", "H6", OUT, IOSTD_1V8},
    {"FLASH_A[4]", "B14", OUT, IOSTD_1V8},
    {"FLASH_A[5]", "A16", OUT, IOSTD_1V8},
    {"FLASH_A[6]", "F6", OUT, IOSTD_1V8},
    {"FLASH_A[7]", "B15", OUT, IOSTD_1V8},
    {"FLASH_A[8]", "G7", OUT, IOSTD_1V8},
    {"FLASH_A[9]", "H8", OUT, IOSTD_1V8},
    {"FLASH_A[10]", "B18", OUT, IOSTD_1V8},
    {"FLASH_A[11]", "A17", OUT, IOSTD_1V8},
    {"FLASH_A[12]", "B17", OUT, IOSTD_1V8},
    {"FLASH_A[13]", "G8", OUT, IOSTD_1V8},
    {"FLASH_A[14]", "P15", OUT, IOSTD_1V8},
    {"FLASH_A[15]", "D18", OUT, IOSTD_1V8},
    {"FLASH_A[16]", "E18", OUT, IOSTD_1V8},
    {"FLASH_A[17]", "F7", OUT, IOSTD_1V8},
    {"FLASH_A[18]", "J10", OUT, IOSTD_1V8},
    {"FLASH_A[19]", "L36", OUT, IOSTD_1V8},
    {"FLASH_A[20]", "J18", OUT, IOSTD_1V8},
    {"FLASH_A[21]", "H26", OUT, IOSTD_1V8},
    {"FLASH_A[22]", "K11", OUT, IOSTD_1V8},
    {"FLASH_A[23]", "A14", OUT, IOSTD_1V8},
    {"FLASH_A[24]", "A15", OUT, IOSTD_1V8},
    {"FLASH_A[25]", "G9", OUT, IOSTD_1V8},
    {"FLASH_A[26]", "J11", OUT, IOSTD_1V8},
    {"FLASH_D[]", "AA31 E24 Y31 C26 C25 C32 C33 C35 B24 H35 J33 J38 H38 C36 J39 H37 AB32 J34 K33 B35 A34 A31 A32 J36 H36 B32 A35 B33 AA32 K34 J35 B34", IO, IOSTD_1V8},
    {"FLASH_CE_n[]", "J8 N16", OUT, IOSTD_1V8},
    {"FLASH_WE_n", "C16", OUT, IOSTD_1V8},
    {"FLASH_OE_n", "C17", IO, IOSTD_1V8},
    {"FLASH_ADV_n", "U10", OUT, IOSTD_1V8},
    {"FLASH_RESET_n", "H7", OUT, IOSTD_1V8},
    {"FLASH_RDY_BSY_n[]", "H10 N17", IN, IOSTD_1V8},
};
constexpr PinRow kQdrA[] = {
    {"QDRIIA_REFCLK_p", "L9", IN, IOSTD_LVDS},
    {"QDRIIA_A[]", "V12 V13 N10 M10 P11 N11 M9 M8 N7 N8 P10 P9 N6 M7 L10 L7 K7 K8 J9 L6 K6 J6", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_K_p", "F12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_K_n", "E12", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIA_D[]", "D13 C10 B10 A10 C11 C12 A11 B12 A12 D11 D10 C8 D9 D8 E13 E9 E11 E8", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_BWS_n[]", "B13 C13", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_p", "J13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_CQ_n", "H13", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_Q[]", "P13 R13 N13 M14 M12 K13 K12 K14 J14 H12 H11 G10 L14 L12 M13 N12 R14 T14", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIA_QVLD", "R12", IN, IOSTD_1V8_HSTL_I},
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
    {"QDRIIB_D[]", "N20 M19 L19 J19 J20 F19 B19 F20 G20 C20 B20 D19 E19 C18 G19 K19 L20 M20", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_BWS_n[]", "H20 L21", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_p", "D23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_CQ_n", "C23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_Q[]", "L22 K22 K23 J23 H21 H22 H23 F22 E23 B23 A22 B22 C22 C21 E22 A21 F21 G23", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIB_QVLD", "G22", IN, IOSTD_1V8_HSTL_I},
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
    {"QDRIIC_D[]", "AE36 AF36 AD35 AC35 AB35 AB34 AA35 AA34 Y34 AF32 AE32 AE31 AE33 AE34 AD33 AC33 AB33 AD34", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_BWS_n[]", "W34 AF31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_p", "AD36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_CQ_n", "AC36", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_Q[]", "Y36 U34 T34 T35 P35 P36 N35 N37 N38 M35 M37 N36 M38 M39 R36 T36 U35 V35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIC_QVLD", "W35", IN, IOSTD_1V8_HSTL_I},
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
    {"QDRIID_D[]", "D36 F34 D34 D35 E34 E33 D33 F31 E31 F39 E37 G39 F36 E36 H30 F30 G30 G29", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_BWS_n[]", "C37 F37", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_p", "G35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_CQ_n", "F35", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_Q[]", "N28 N31 M28 M30 K29 J30 K31 G33 G34 H33 J31 L31 L30 J29 L29 M29 N30 P28", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_QVLD", "P31", IN, IOSTD_1V8_HSTL_I},
    {"QDRIID_WPS_n", "V32", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_RPS_n", "V33", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_DOFF_n", "W31", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIID_ODT", "Y33", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrE[] = {
    {"QDRIIE_REFCLK_p", "AP14", IN, IOSTD_LVDS},
    {"QDRIIE_A[]", "BB9 BB8 AW15 AW14 AW13 AY13 AY14 BA14 BA12 BB12 AU13 AV13 AY11 BA11 AK14 AM13 AN13 AL14 AM14 AT14 AU14 AP13", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_K_p", "AP18", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIE_K_n", "AR18", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIE_D[]", "BD18 BC18 AM20 BC17 AM18 BD15 BB15 AV18 AU18 AT19 AU19 AR19 BD13 BD14 BC15 AP19 BC16 BD16", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_BWS_n[]", "AM17 AM19", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_CQ_p", "AV16", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIE_CQ_n", "AV17", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIE_Q[]", "AN17 AT17 AU17 BA16 AT16 AT15 AP16 AP15 AN15 AM15 AN16 AR16 AU15 AV15 BA15 AW16 AY16 AY17", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIE_QVLD", "AR17", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIE_WPS_n", "BC10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_RPS_n", "BD10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_DOFF_n", "BD11", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIE_ODT", "BB13", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQdrF[] = {
    {"QDRIIF_REFCLK_p", "AT7", IN, IOSTD_LVDS},
    {"QDRIIF_A[]", "AG14 AF14 AJ13 AK13 AH13 AG13 AG12 AH12 AM12 AN12 AE12 AF12 AK12 AL12 AT9 AV7 AV6 AU9 AV8 AU8 AU7 AP10", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_K_p", "AE9", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIF_K_n", "AD9", OUT, IOSTD_DIFF_1V8_HSTL_I},
    {"QDRIIF_D[]", "AJ9 AJ10 AH10 AG10 AG9 AF10 AD10 AD11 AC10 AA9 AA10 Y9 AE11 AF9 AF11 AK9 AK11 AL11", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_BWS_n[]", "AB10 AB9", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_CQ_p", "AM8", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIF_CQ_n", "AM7", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIF_Q[]", "AP6 AR6 AM10 AA12 AA11 Y11 Y12 W13 W14 W11 V10 W10 W9 Y13 Y14 AL10 AM9 AN6", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIF_QVLD", "AL9", IN, IOSTD_1V8_HSTL_I},
    {"QDRIIF_WPS_n", "AB14", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_RPS_n", "AB13", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_DOFF_n", "AB12", OUT, IOSTD_1V8_HSTL_I},
    {"QDRIIF_ODT", "AE14", OUT, IOSTD_1V8_HSTL_I},
};
constexpr PinRow kQsfpA[] = {
    {"QSFPA_REFCLK_p", "AH5", IN, IOSTD_LVDS},
    {"QSFPA_TX_p[]", "BD5 BC3 BB1 AY1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPA_RX_p[]", "BB5 AY5 BA3 AW3", IN, IOSTD_HSSI_DIFF},
    {"QSFPA_INTERRUPT_n", "BA30", IN, IOSTD_1V8},
    {"QSFPA_LP_MODE", "BD31", OUT, IOSTD_1V8},
    {"QSFPA_MOD_PRS_n", "BB30", IN, IOSTD_1V8},
    {"QSFPA_MOD_SEL_n", "AP30", OUT, IOSTD_1V8},
    {"QSFPA_RST_n", "AU30", OUT, IOSTD_1V8},
    {"QSFPA_SCL", "BA32", OUT, IOSTD_1V8},
    {"QSFPA_SDA", "BC31", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpB[] = {
    {"QSFPB_REFCLK_p", "AD5", IN, IOSTD_LVDS},
    {"QSFPB_TX_p[]", "AP1 AM1 AK1 AH1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPB_RX_p[]", "AN3 AL3 AJ3 AG3", IN, IOSTD_HSSI_DIFF},
    {"QSFPB_INTERRUPT_n", "BA27", IN, IOSTD_1V8},
    {"QSFPB_LP_MODE", "BB28", OUT, IOSTD_1V8},
    {"QSFPB_MOD_PRS_n", "BC27", IN, IOSTD_1V8},
    {"QSFPB_MOD_SEL_n", "AY29", OUT, IOSTD_1V8},
    {"QSFPB_RST_n", "BA29", OUT, IOSTD_1V8},
    {"QSFPB_SCL", "BB29", OUT, IOSTD_1V8},
    {"QSFPB_SDA", "AY28", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpC[] = {
    {"QSFPC_REFCLK_p", "Y5", IN, IOSTD_LVDS},
    {"QSFPC_TX_p[]", "AB1 Y1 V1 T1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPC_RX_p[]", "AA3 W3 U3 R3", IN, IOSTD_HSSI_DIFF},
    {"QSFPC_INTERRUPT_n", "AT29", IN, IOSTD_1V8},
    {"QSFPC_LP_MODE", "AT30", OUT, IOSTD_1V8},
    {"QSFPC_MOD_PRS_n", "AR28", IN, IOSTD_1V8},
    {"QSFPC_MOD_SEL_n", "BB27", OUT, IOSTD_1V8},
    {"QSFPC_RST_n", "BA26", OUT, IOSTD_1V8},
    {"QSFPC_SCL", "AU29", OUT, IOSTD_1V8},
    {"QSFPC_SDA", "AU28", IO, IOSTD_1V8},
};
constexpr PinRow kQsfpD[] = {
    {"QSFPD_REFCLK_p", "T5", IN, IOSTD_LVDS},
    {"QSFPD_TX_p[]", "K1 H1 F1 D1", OUT, IOSTD_HSSI_DIFF},
    {"QSFPD_RX_p[]", "J3 G3 E3 D5", IN, IOSTD_HSSI_DIFF},
    {"QSFPD_INTERRUPT_n", "AM29", IN, IOSTD_1V8},
    {"QSFPD_LP_MODE", "AN28", OUT, IOSTD_1V8},
    {"QSFPD_MOD_PRS_n", "AM28", IN, IOSTD_1V8},
    {"QSFPD_MOD_SEL_n", "AR27", OUT, IOSTD_1V8},
    {"QSFPD_RST_n", "AP29", OUT, IOSTD_1V8},
    {"QSFPD_SCL", "AP28", OUT, IOSTD_1V8},
    {"QSFPD_SDA", "AN30", IO, IOSTD_1V8},
};
constexpr PinRow kRzq[] = {
    {"RZQ_QDRII_A", "L11", IN, IOSTD_1V8},
    {"RZQ_QDRII_B", "F17", IN, IOSTD_1V8},
    {"RZQ_QDRII_C", "L24", IN, IOSTD_1V8},
    {"RZQ_QDRII_D", "K37", IN, IOSTD_1V8},
    {"RZQ_QDRII_E", "AJ14", IN, IOSTD_1V8},
    {"RZQ_QDRII_F", "AR9", IN, IOSTD_1V8},
};
constexpr PinRow kSi5340A[] = {
    {"SI5340A_I2C_SCL", "AU27", OUT, IOSTD_1V8},
    {"SI5340A_I2C_SDA", "AT27", IO, IOSTD_1V8},
    {"SI5340A_INTR", "AW29", IN, IOSTD_1V8},
    {"SI5340A_OE_n", "AV28", OUT, IOSTD_1V8},
    {"SI5340A_RST_n", "AW28", OUT, IOSTD_1V8},
};
constexpr PinRow kSi5340B[] = {
    {"SI5340B_I2C_SCL", "G37", OUT, IOSTD_1V8},
    {"SI5340B_I2C_SDA", "H31", IO, IOSTD_1V8},
    {"SI5340B_INTR", "G32", IN, IOSTD_1V8},
    {"SI5340B_OE_n", "AL31", OUT, IOSTD_1V8},
    {"SI5340B_RST_n", "G38", OUT, IOSTD_1V8},
};
constexpr PinRow kRs422[] = {
    {"RS422_DOUT", "BD29", OUT, IOSTD_1V8},
    {"RS422_DIN", "BC28", IN, IOSTD_1V8},
    {"RS422_DE", "BD30", OUT, IOSTD_1V8},
    {"RS422_RE_n", "BC30", OUT, IOSTD_1V8},
    {"RJ45_LED_L", "AN27", OUT, IOSTD_1V8},
    {"RJ45_LED_R", "AR29", OUT, IOSTD_1V8},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_I2C_SCL", "AU12", OUT, IOSTD_1V8},
    {"TEMP_I2C_SDA", "AV12", IO, IOSTD_1V8},
};
constexpr PinRow kPower[] = {
    {"POWER_MONITOR_I2C_SCL", "AT26", OUT, IOSTD_1V8},
    {"POWER_MONITOR_I2C_SDA", "AP25", IO, IOSTD_1V8},
    {"POWER_MONITOR_ALERT_n", "BD23", IN, IOSTD_1V8},
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
constexpr PinRow kLtm4677[] = {
    {"LTM4677_ALERT_n", "V36", IN, IOSTD_1V8},
    {"LTM4677_SCL", "A24", OUT, IOSTD_1V8},
    {"LTM4677_SDA", "A25", IO, IOSTD_1V8},
};
constexpr PinRow kGpio[] = {{"GPIO[]", "AT36 AT35 AU35 AU34 AV35 AU32 AV32", IO, IOSTD_1V8}};
// clang-format on

static_assert(CountTablePins(kFlash) == 67);
static_assert(CountTablePins(kQdrA) == 70 && CountTablePins(kQdrB) == 70 &&
              CountTablePins(kQdrC) == 70 && CountTablePins(kQdrD) == 70 &&
              CountTablePins(kQdrE) == 70 && CountTablePins(kQdrF) == 70);
static_assert(CountTablePins(kQsfpA) == 16 && CountTablePins(kQsfpB) == 16 &&
              CountTablePins(kQsfpC) == 16 && CountTablePins(kQsfpD) == 16);

constexpr std::span<const PinRow> kQdr[] = {kQdrA, kQdrB, kQdrC, kQdrD, kQdrE, kQdrF};
constexpr std::span<const PinRow> kQsfp[] = {kQsfpA, kQsfpB, kQsfpC, kQsfpD};

std::uint8_t Low(std::int32_t index) {
    return static_cast<std::uint8_t>(index & 0xFF);
}

} // namespace

void CONFIG_ESPERN(TMainBoard* pBoard, TConfigEspern* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const ESPERN_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    pBoard->m_BoardId = MAINBOARD_ESPERN;
    if (Config.BoardId != BoardNumber(MAINBOARD_ESPERN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ESPERN");
    }
    if (Config.Size != ESPERN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigEspern::ESPERN_CONFIG)");
    }
    TMainBoard& board = *pBoard;
    board.ClearConnectors();
    board.m_Family = "Arria 10";
    board.m_Device = "10AX115N2F45E1SG";
    board.m_Package = "FBGA";
    board.m_PinCount = 1932;

    // A chip in use forces the whole CLOCK and KEY groups.
    const bool si5340 = pSettings->IsSi5340AUsed() || pSettings->IsSi5340BUsed();
    if (Config.Clock || si5340) {
        AddGroup(board, "CLOCK", kClock);
    }
    if (Config.Button || si5340) {
        AddGroup(board, "KEY", kKey);
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
    if (Config.Flash) {
        AddGroup(board, "FLASH", kFlash);
    }
    const double qdrMHz = TConfigEspern::GetSi5340BQdrFrequency(Low(Config.Si5340BQdrIndex));
    bool memory = false;
    for (int q = 0; q < 6; ++q) {
        if (!Config.Qdr[q]) {
            continue;
        }
        memory = true;
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
    for (int c = 0; c < 4; ++c) {
        if (!Config.Qsfp[c]) {
            continue;
        }
        const std::string name = std::string("QSFP") + static_cast<char>('A' + c);
        zarvikgroups::Group group(name);
        group.Add(kQsfp[c]);
        si5340::SetReferenceClock(*group.connector, name + "_REFCLK_p",
                                  TConfigEspern::GetSi5340AFrequency(Low(Config.Si5340AIndex[c])));
        group.AddTo(board);
    }
    if (Config.Ltm4677) {
        AddGroup(board, "LTM4677", kLtm4677);
    }
    if (Config.GpioHeader) {
        AddGroup(board, "GPIO Expansion Header", kGpio);
    }
}

void CONFIG_ESPERN(TMainBoard* pBoard, const ESPERN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigEspern>();
    settings->Config = Config;
    CONFIG_ESPERN(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
