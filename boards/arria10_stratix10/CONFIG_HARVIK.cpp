#include "boards/arria10_stratix10/CONFIG_HARVIK.h"

#include "boards/PinTable.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikGroups.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace {

using zarvikgroups::AddGroup;
constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// The 50 MHz clocks of banks A and C take the bank's standard.
std::array<PinRow, 6> ClockRows(IoStd bankA, IoStd bankC) {
    return {{
        {"CLK_50_B2C", "AW38", IN, bankC, 50},
        {"CLK_50_B2N", "E39", IN, bankC, 50},
        {"CLK_50_B3C", "BF21", IN, bankC, 50},
        {"CLK_50_B3L", "J20", IN, bankA, 50},
        {"CLK_50_B3I", "M24", IN, IOSTD_1V8, 50},
        {"CLK_100_B3I", "U24", IN, IOSTD_1V8, 100},
    }};
}

// clang-format off
constexpr PinRow kButton[] = {
    {"BUTTON[]", "D24 D23", IN, IOSTD_1V8},
    {"CPU_RESET_n", "BF27", IN, IOSTD_1V8},
};
constexpr PinRow kSwitch[] = {{"SW[]", "C23 B23", IN, IOSTD_1V8}};
constexpr PinRow kLed[] = {{"LED[]", "B24 A24 A25 A26", OUT, IOSTD_1V8}};
constexpr PinRow kFan[] = {
    {"FAN_ALERT_n", "BE26", IN, IOSTD_1V8},
    {"FAN_I2C_SCL", "BD26", IO, IOSTD_1V8},
    {"FAN_I2C_SDA", "BE27", IO, IOSTD_1V8},
};
constexpr PinRow kMmcx[] = {
    {"MMCX_CLKIN_p", "AN27", IO, IOSTD_1V8},
    {"MMCX_CLKIN_n", "AN28", IO, IOSTD_1V8},
};
constexpr PinRow kTemperature[] = {
    {"TEMP_I2C_SCL", "E22", IO, IOSTD_1V8},
    {"TEMP_I2C_SDA", "E23", IO, IOSTD_1V8},
};
constexpr PinRow kSi5340A0[] = {
    {"SI5340A0_I2C_SCL", "BJ25", IO, IOSTD_1V8},
    {"SI5340A0_I2C_SDA", "BJ26", IO, IOSTD_1V8},
    {"SI5340A0_INTR", "BH26", IN, IOSTD_1V8},
    {"SI5340A0_OE_n", "BH25", OUT, IOSTD_1V8},
    {"SI5340A0_RST_n", "BH27", OUT, IOSTD_1V8},
};
constexpr PinRow kSi5340A1[] = {
    {"SI5340A1_I2C_SCL", "G22", IO, IOSTD_1V8},
    {"SI5340A1_I2C_SDA", "H22", IO, IOSTD_1V8},
    {"SI5340A1_INTR", "H23", IN, IOSTD_1V8},
    {"SI5340A1_OE_n", "G23", OUT, IOSTD_1V8},
    {"SI5340A1_RST_n", "G24", OUT, IOSTD_1V8},
};
constexpr PinRow kGpio2x5[] = {
    {"GPIO_CLK[]", "BA27 BA26", IO, IOSTD_1V8},
    {"GPIO_P[]", "BB25 BC26 BC25 BA25", IO, IOSTD_1V8},
};
constexpr PinRow kPower[] = {
    {"POWER_MONITOR_I2C_SCL", "F24", IO, IOSTD_1V8},
    {"POWER_MONITOR_I2C_SDA", "F22", IO, IOSTD_1V8},
    {"POWER_MONITOR_ALERT_n", "E24", IN, IOSTD_1V8},
};
// The address bus counts from 1.
constexpr PinRow kFlash[] = {
    {"FLASH_A[1]", "V22", OUT, IOSTD_1V8},
    {"FLASH_A[2]", "P23", OUT, IOSTD_1V8},
    {"FLASH_A[3]", "K22", OUT, IOSTD_1V8},
    {"FLASH_A[4]", "R21", OUT, IOSTD_1V8},
    {"FLASH_A[5]", "K24", OUT, IOSTD_1V8},
    {"FLASH_A[6]", "K23", OUT, IOSTD_1V8},
    {"FLASH_A[7]", "R24", OUT, IOSTD_1V8},
    {"FLASH_A[8]", "AR28", OUT, IOSTD_1V8},
    {"FLASH_A[9]", "AR27", OUT, IOSTD_1V8},
    {"FLASH_A[10]", "AN26", OUT, IOSTD_1V8},
    {"FLASH_A[11]", "AP26", OUT, IOSTD_1V8},
    {"FLASH_A[12]", "AN25", OUT, IOSTD_1V8},
    {"FLASH_A[13]", "AU27", OUT, IOSTD_1V8},
    {"FLASH_A[14]", "AP28", OUT, IOSTD_1V8},
    {"FLASH_A[15]", "AT27", OUT, IOSTD_1V8},
    {"FLASH_A[16]", "AY28", OUT, IOSTD_1V8},
    {"FLASH_A[17]", "AY26", OUT, IOSTD_1V8},
    {"FLASH_A[18]", "AP30", OUT, IOSTD_1V8},
    {"FLASH_A[19]", "AW25", OUT, IOSTD_1V8},
    {"FLASH_A[20]", "BB27", OUT, IOSTD_1V8},
    {"FLASH_A[21]", "AT26", OUT, IOSTD_1V8},
    {"FLASH_A[22]", "AP31", OUT, IOSTD_1V8},
    {"FLASH_A[23]", "P24", OUT, IOSTD_1V8},
    {"FLASH_A[24]", "AV26", OUT, IOSTD_1V8},
    {"FLASH_A[25]", "AV27", OUT, IOSTD_1V8},
    {"FLASH_A[26]", "AP29", OUT, IOSTD_1V8},
    {"FLASH_A[27]", "N22", OUT, IOSTD_1V8},
    {"FLASH_CLK", "U23", OUT, IOSTD_1V8},
    {"FLASH_D[]", "N23 R22 U20 L22 J23 U22 V23 V21 M23 R23 T20 V24 M22 T22 T21 J24", IO, IOSTD_1V8},
    {"FLASH_CE_n", "AR26", OUT, IOSTD_1V8},
    {"FLASH_WE_n", "AT25", OUT, IOSTD_1V8},
    {"FLASH_OE_n", "AV25", OUT, IOSTD_1V8},
    {"FLASH_ADV_n", "AU25", OUT, IOSTD_1V8},
    {"FLASH_RESET_n", "AP25", OUT, IOSTD_1V8},
    {"FLASH_RDY_BSY_n", "AW26", IN, IOSTD_1V8},
};
constexpr PinRow kPcieLanes[] = {
    {"PCIE_REFCLK_p", "AM41", IN, IOSTD_HCSL, 100},
    {"PCIE_TX_p[]", "BJ46 BF45 BG47 BE47 BF49 BC47 BD49 BA47 BB49 AW47 AY49 AU47 AV49 AR47 AT49 AP49", OUT, IOSTD_HSSI_DIFF},
    {"PCIE_RX_p[]", "BH41 BJ43 BG43 BE43 BC43 BD45 BA43 BB45 AW43 AY45 AU43 AV45 AR43 AT45 AP45 AN43", IN, IOSTD_CML},
    {"PCIE_PERST_n", "AJ34", IN, IOSTD_3V0_LVTTL},
};

// A QSFP28 port after its reference clock: lanes, then the control lines.
struct QsfpPort {
    const char* refClock;
    PinRow rows[9];
};
const QsfpPort kQsfp[4] = {
    {"T41", {
        {"QSFP28A_TX_p[]", "F49 G47 E47 C47", OUT, IOSTD_HSSI_DIFF},
        {"QSFP28A_RX_p[]", "G43 D45 C43 A43", IN, IOSTD_HSSI_DIFF},
        {"QSFP28A_INTERRUPT_n", "AB35", IN, IOSTD_3V0_LVTTL},
        {"QSFP28A_LP_MODE", "AB36", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28A_MOD_PRS_n", "AB34", IN, IOSTD_3V0_LVTTL},
        {"QSFP28A_MOD_SEL_n", "AD35", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28A_RST_n", "AC33", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28A_SCL", "AC36", IO, IOSTD_3V0_LVTTL},
        {"QSFP28A_SDA", "AC35", IO, IOSTD_3V0_LVTTL},
    }},
    {"AM38", {
        {"QSFP28B_TX_p[]", "AK49 AL47 AJ47 AF49", OUT, IOSTD_HSSI_DIFF},
        {"QSFP28B_RX_p[]", "AL43 AH45 AF45 AG43", IN, IOSTD_HSSI_DIFF},
        {"QSFP28B_INTERRUPT_n", "AF17", IN, IOSTD_3V0_LVTTL},
        {"QSFP28B_LP_MODE", "AF34", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28B_MOD_PRS_n", "AH17", IN, IOSTD_3V0_LVTTL},
        {"QSFP28B_MOD_SEL_n", "AJ33", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28B_RST_n", "AG34", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28B_SCL", "AH32", IO, IOSTD_3V0_LVTTL},
        {"QSFP28B_SDA", "AE36", IO, IOSTD_3V0_LVTTL},
    }},
    {"AM12", {
        {"QSFP28C_TX_p[]", "AK1 AL3 AJ3 AF1", OUT, IOSTD_HSSI_DIFF},
        {"QSFP28C_RX_p[]", "AL7 AH5 AF5 AG7", IN, IOSTD_HSSI_DIFF},
        {"QSFP28C_INTERRUPT_n", "AF16", IN, IOSTD_3V0_LVTTL},
        {"QSFP28C_LP_MODE", "AE16", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28C_MOD_PRS_n", "AH16", IN, IOSTD_3V0_LVTTL},
        {"QSFP28C_MOD_SEL_n", "AE14", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28C_RST_n", "AD15", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28C_SCL", "AD16", IO, IOSTD_3V0_LVTTL},
        {"QSFP28C_SDA", "AF15", IO, IOSTD_3V0_LVTTL},
    }},
    {"T9", {
        {"QSFP28D_TX_p[]", "F1 G3 E3 C3", OUT, IOSTD_HSSI_DIFF},
        {"QSFP28D_RX_p[]", "G7 D5 C7 A7", IN, IOSTD_HSSI_DIFF},
        {"QSFP28D_INTERRUPT_n", "AD14", IN, IOSTD_3V0_LVTTL},
        {"QSFP28D_LP_MODE", "AB15", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28D_MOD_PRS_n", "AC15", IN, IOSTD_3V0_LVTTL},
        {"QSFP28D_MOD_SEL_n", "AB12", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28D_RST_n", "AB13", OUT, IOSTD_3V0_LVTTL},
        {"QSFP28D_SCL", "AB14", IO, IOSTD_3V0_LVTTL},
        {"QSFP28D_SDA", "AC14", IO, IOSTD_3V0_LVTTL},
    }},
};

// The FPGA pins of the sockets' 260 positions. "-" and "Y47" are positions
// without a signal (Y47 is how the board's tables mark a power or ground
// position). T15 (sockets A and B) and BH18 (C and D) repeat at positions
// the board's tables give no pin of their own; they are kept as the tables
// have them.
constexpr std::string_view kSocketA =
    "Y47 - P25 P26 Y47 Y47 R26 N25 Y47 Y47 "
    "R27 M25 T26 Y47 Y47 L25 T25 Y47 Y47 N27 "
    "U25 Y47 Y47 U29 V25 Y47 Y47 U30 V30 Y47 "
    "Y47 V27 T29 V28 Y47 Y47 T30 U27 Y47 Y47 "
    "U28 T27 Y47 Y47 M27 L26 Y47 Y47 L27 K27 "
    "Y47 Y47 K26 G25 J26 Y47 Y47 H26 J25 Y47 "
    "Y47 H27 H25 Y47 Y47 D26 E27 Y47 Y47 B25 "
    "G27 Y47 Y47 F26 F27 E26 Y47 Y47 C26 C25 "
    "Y47 Y47 B27 D25 Y47 Y47 U33 P33 Y47 Y47 "
    "V32 R33 Y47 Y47 T32 R34 R32 Y47 Y47 U34 "
    "R31 Y47 Y47 T34 T31 Y47 Y47 E40 L40 - "
    "T15 T15 D40 H38 R36 N26 T15 T15 P35 P38 "
    "R37 L39 T15 T15 P37 J38 K39 J39 T15 T15 "
    "M38 M37 L37 F25 T15 T15 F39 - G39 - "
    "T15 T15 H40 K38 T35 N37 T15 T15 G38 L36 "
    "K37 P36 T15 T15 G40 N36 - K36 T15 T15 "
    "- F40 T15 V31 K40 J40 Y47 Y47 C36 C35 "
    "Y47 Y47 D36 C37 Y47 Y47 A35 B35 A36 Y47 "
    "Y47 B37 B38 Y47 Y47 A37 C38 Y47 Y47 E38 "
    "D35 Y47 Y47 D38 E37 Y47 Y47 F36 D34 E36 "
    "Y47 Y47 F37 H37 Y47 Y47 D39 G37 Y47 Y47 "
    "G35 H33 Y47 Y47 F35 J33 Y47 Y47 G34 F34 "
    "G33 Y47 Y47 H36 H35 Y47 Y47 E34 J35 Y47 "
    "Y47 M34 J34 Y47 Y47 L34 M33 Y47 Y47 L31 "
    "N33 L32 Y47 Y47 N31 K32 Y47 Y47 K34 K33 "
    "- Y47 C27 A38 - L35 - - - -"
    ;
constexpr std::string_view kSocketB =
    "Y47 - W18 U19 Y47 Y47 V18 T16 Y47 Y47 "
    "T17 T19 U17 Y47 Y47 R18 V17 Y47 Y47 R19 "
    "U18 Y47 Y47 R17 N13 Y47 Y47 P16 P14 Y47 "
    "Y47 P13 M14 P12 Y47 Y47 M13 R14 Y47 Y47 "
    "P15 R13 Y47 Y47 L10 J10 Y47 Y47 K10 J11 "
    "Y47 Y47 M12 K11 L12 Y47 Y47 K12 H11 Y47 "
    "Y47 K13 J13 Y47 Y47 G10 F11 Y47 Y47 F10 "
    "E10 Y47 Y47 G12 D11 H12 Y47 Y47 E11 E12 "
    "Y47 Y47 H10 F12 Y47 Y47 L16 N16 Y47 Y47 "
    "K16 P18 Y47 Y47 K17 N15 L17 Y47 Y47 N18 "
    "M15 Y47 Y47 M17 M18 Y47 Y47 H13 C13 - "
    "T15 T15 G13 D13 J14 T15 T15 T15 L14 F16 "
    "D15 B15 T15 T15 C15 B13 A16 B14 T15 T15 "
    "A15 A14 D16 L11 T15 T15 E14 - D14 - "
    "T15 T15 A12 C16 K14 E16 T15 T15 E13 H17 "
    "J15 F15 T15 T15 G14 G15 - H15 T15 T15 "
    "- F14 T15 U16 C12 B12 Y47 Y47 J21 K19 "
    "Y47 Y47 H21 L19 Y47 Y47 L20 L21 M20 Y47 "
    "Y47 K21 N21 Y47 Y47 N20 P21 Y47 Y47 F19 "
    "G18 Y47 Y47 G19 H18 Y47 Y47 F21 J19 F20 "
    "Y47 Y47 K18 H20 Y47 Y47 J18 G20 Y47 Y47 "
    "D19 F17 Y47 Y47 E18 E17 Y47 Y47 C20 D18 "
    "D20 Y47 Y47 D21 C21 Y47 Y47 E19 C22 Y47 "
    "Y47 B19 A20 Y47 Y47 B18 B20 Y47 Y47 C18 "
    "A21 C17 Y47 Y47 A22 A19 Y47 Y47 B22 A17 "
    "- Y47 D10 P20 - G17 - - - -"
    ;
constexpr std::string_view kSocketC =
    "Y47 - AR36 AN33 Y47 Y47 AP36 AP35 Y47 Y47 "
    "AT36 AP33 AT37 Y47 Y47 AR37 AR34 Y47 Y47 AT38 "
    "AR33 Y47 Y47 AU37 AW39 Y47 Y47 AU38 AV40 Y47 "
    "Y47 AY39 AY37 AY38 Y47 Y47 BA37 AV38 Y47 Y47 "
    "AW40 AV37 Y47 Y47 BE39 BE40 Y47 Y47 BF39 BD40 "
    "Y47 Y47 BE37 BG38 BF37 Y47 Y47 BE38 BH37 Y47 "
    "Y47 BH36 BG37 Y47 Y47 BA40 AY40 Y47 Y47 BB38 "
    "BB39 Y47 Y47 BD38 BB40 BD39 Y47 Y47 BC40 BB37 "
    "Y47 Y47 BC38 BC37 Y47 Y47 BF36 BE36 Y47 Y47 "
    "BF35 BD36 Y47 Y47 BD35 BC35 BD34 Y47 Y47 BB34 "
    "BC36 Y47 Y47 BB33 BD33 Y47 Y47 AU33 AT35 - "
    "BH18 BH18 AU34 AU35 BF34 AP34 BH18 BH18 BJ36 AV36 "
    "AY33 BA35 BH18 BH18 AW33 AW35 BB35 AW34 BH18 BH18 "
    "AY36 BA36 BA34 AY31 BH18 BH18 AV33 - AV32 - "
    "BH18 BH18 AT32 AY34 BG34 AW36 BH18 BH18 AV35 BJ34 "
    "BE34 BG35 BH18 BH18 AR32 BH35 - BE33 BH18 BH18 "
    "- AR31 BH18 AV31 AT34 AU32 Y47 Y47 BG32 BJ29 "
    "Y47 Y47 BJ30 BF29 Y47 Y47 BJ31 BF32 BH31 Y47 "
    "Y47 BE28 BH28 Y47 Y47 BE32 BJ28 Y47 Y47 BE29 "
    "BF30 Y47 Y47 BD29 BE31 Y47 Y47 BD30 BD31 BC30 "
    "Y47 Y47 BG29 BH30 Y47 Y47 BF31 BG30 Y47 Y47 "
    "BC31 BB29 Y47 Y47 BC32 BA31 Y47 Y47 BB32 AW30 "
    "BA32 Y47 Y47 AY32 BA30 Y47 Y47 AW31 BB30 Y47 "
    "Y47 AT30 AU29 Y47 Y47 AT29 AU28 Y47 Y47 AV28 "
    "AV30 AW28 Y47 Y47 AU30 BA29 Y47 Y47 AW29 AY29 "
    "- Y47 BB28 BH32 - BJ33 - - - -"
    ;
constexpr std::string_view kSocketD =
    "Y47 - BH21 BG18 Y47 Y47 BG19 BF17 Y47 Y47 "
    "BJ20 BE17 BJ19 Y47 Y47 BG17 BJ18 Y47 Y47 BH17 "
    "BH20 Y47 Y47 BE21 BC18 Y47 Y47 BD20 BB18 Y47 "
    "Y47 BF19 BF20 BE19 Y47 Y47 BG20 BD18 Y47 Y47 "
    "BD19 BE18 Y47 Y47 AT21 AR19 Y47 Y47 AR21 AT19 "
    "Y47 Y47 AP21 AN20 AN21 Y47 Y47 AP20 AU20 Y47 "
    "Y47 AT20 AV20 Y47 Y47 AW19 AW20 Y47 Y47 BC20 "
    "BD21 Y47 Y47 AY21 BC21 AW21 Y47 Y47 BA20 BB19 "
    "Y47 Y47 BA21 BA19 Y47 Y47 AP16 AP13 Y47 Y47 "
    "AP15 AT12 Y47 Y47 AR13 AU13 AP12 Y47 Y47 AU12 "
    "AT14 Y47 Y47 AV13 AR14 Y47 Y47 BF10 BC10 - "
    "BH18 BH18 BF11 BD10 AR18 BH18 BH18 BH18 AN18 AV10 "
    "AY13 AV12 BH18 BH18 AW13 AY12 AV11 BA12 BH18 BH18 "
    "BA11 BA10 AW11 BH13 BH18 BH18 BC12 - BB12 - "
    "BH18 BH18 BC11 AY11 AP18 AW10 BH18 BH18 BE10 AU14 "
    "AR16 AT16 BH18 BH18 BE12 AT15 - AR17 BH18 BH18 "
    "- BE11 BH18 AU19 BB10 BD11 Y47 Y47 AW16 AV16 "
    "Y47 Y47 AV17 AY17 Y47 Y47 AV18 AY18 AW18 Y47 "
    "Y47 BC17 BA17 Y47 Y47 AY16 BB17 Y47 Y47 BA15 "
    "AW14 Y47 Y47 BA16 BC15 Y47 Y47 BB14 AY14 BA14 "
    "Y47 Y47 AW15 BB13 Y47 Y47 AV15 BC13 Y47 Y47 "
    "BJ16 BG14 Y47 Y47 BJ14 BH12 Y47 Y47 BH15 BG13 "
    "BJ15 Y47 Y47 BG12 BH16 Y47 Y47 BF12 BJ13 Y47 "
    "Y47 BD14 BF15 Y47 Y47 BD15 BF14 Y47 Y47 BE16 "
    "BD13 BF16 Y47 Y47 BE13 BG15 Y47 Y47 BD16 BC16 "
    "- Y47 BE14 AY19 - AU15 - - - -"
    ;

// clang-format on

struct SocketPins {
    std::string_view positions;
    const char* rzq;
    const char* refClock;
};
constexpr SocketPins kSocketPins[harvik::kSockets] = {
    {kSocketA, "P34", "M35"},
    {kSocketB, "L15", "J16"},
    {kSocketC, "BJ35", "BH33"},
    {kSocketD, "AN17", "AT17"},
};

constexpr int kSocketPositions = 260;
constexpr int kSocketPlaceholders = 156;
// The positions that carry an FPGA pin: every word but "-" and "Y47".
constexpr int CountSocketPins(std::string_view list) {
    return CountHeaderPins(list) - CountWords(list, "Y47");
}
static_assert(CountLocations(kSocketA) == kSocketPositions);
static_assert(CountLocations(kSocketB) == kSocketPositions);
static_assert(CountLocations(kSocketC) == kSocketPositions);
static_assert(CountLocations(kSocketD) == kSocketPositions);
static_assert(CountSocketPins(kSocketA) == kSocketPlaceholders);
static_assert(CountSocketPins(kSocketB) == kSocketPlaceholders);
static_assert(CountSocketPins(kSocketC) == kSocketPlaceholders);
static_assert(CountSocketPins(kSocketD) == kSocketPlaceholders);
static_assert(CountTablePins(kFlash) == 50);
static_assert(CountTablePins(kPcieLanes) == 34);

// The positions with "Y47" written as "-".
std::string WithoutMarkedPositions(std::string_view positions) {
    std::string list(positions);
    for (std::size_t at = list.find("Y47"); at != std::string::npos; at = list.find("Y47", at)) {
        list.replace(at, 3, "-");
    }
    return list;
}

struct SocketConnector {
    const char* name;
    ConnectorType type;
};
SocketConnector SocketConnectorOf(std::uint8_t card) {
    switch (card) {
    case 77:
        return {"DDR4 SODIMM without ECC", CONNECTOR_DDR4_SODIMM_IF};
    case 78:
        return {"DDR4 SODIMM with ECC", CONNECTOR_DDR4_SODIMM_IF_ECC};
    case 79:
        return {"QDR-II+ Module", CONNECTOR_DDR4_SODIMM_IF_ECC};
    case 80:
        return {"QDR-IV Module", CONNECTOR_DDR4_SODIMM_IF_ECC};
    default:
        PINSMITH_FAIL("CONFIG_HARVIK: a socket card other than 77..80");
    }
}

std::string SocketPinName(const TConfigHarvik& settings, int socket, const char* name) {
    return settings.SocketPrefix(socket) + name;
}

} // namespace

IoStd HarvikBankStandard(const HARVIK_CONFIG& Config, int socket) {
    PINSMITH_ASSERT(socket >= 0 && socket < harvik::kSockets);
    return Config.SocketCardId[socket] == 79 ? IOSTD_1V8 : IOSTD_1V2;
}

void CONFIG_HARVIK(TMainBoard* pBoard, TConfigHarvik* pSettings) {
    PINSMITH_ASSERT(pBoard != nullptr && pSettings != nullptr);
    const HARVIK_CONFIG& Config = pSettings->Config;
    pBoard->m_pConfigBoard = pSettings;
    if (Config.BoardId != BoardNumber(MAINBOARD_HARVIK)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_HARVIK");
    }
    if (Config.Size != HARVIK_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(TConfigHarvik::HARVIK_CONFIG)");
    }
    pBoard->m_BoardId = MAINBOARD_HARVIK;
    TMainBoard& board = *pBoard;
    board.ClearConnectors();
    board.m_Family = "Stratix 10";
    board.m_Device = "1SG280HU1F50E2VGS1";

    const IoStd bankA = HarvikBankStandard(Config, 0);
    const IoStd bankC = HarvikBankStandard(Config, 2);
    const bool chip0 = pSettings->IsSi5340A0Used();
    const bool chip1 = pSettings->IsSi5340A1Used();
    const bool chipUsed = chip0 || chip1;

    if (Config.Clock || chipUsed) {
        const std::array<PinRow, 6> clock = ClockRows(bankA, bankC);
        AddGroup(board, "CLOCK", clock);
    }
    if (Config.Button || chipUsed) {
        AddGroup(board, "BUTTON", kButton);
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
    if (Config.Mmcx) {
        AddGroup(board, "MMCX", kMmcx);
    }
    if (Config.Temperature) {
        AddGroup(board, "Temperature Monitor", kTemperature);
    }
    if (chip0) {
        AddGroup(board, "SI5340A0", kSi5340A0);
    }
    if (chip1) {
        AddGroup(board, "SI5340A1", kSi5340A1);
    }
    if (Config.Gpio2x5) {
        AddGroup(board, "2x5 GPIO Header", kGpio2x5);
    }
    if (Config.PowerMonitor) {
        AddGroup(board, "POWER Monitor", kPower);
    }
    if (Config.Flash) {
        AddGroup(board, "FLASH", kFlash);
    }
    if (Config.Pcie) {
        const PinRow smbus[] = {
            {"PCIE_SMBCLK", "BA39", IO, bankC},
            {"PCIE_SMBDAT", "BF40", IO, bankC},
        };
        const PinRow wake[] = {{"PCIE_WAKE_n", "BC33", OUT, bankC}};
        zarvikgroups::Group pcie("PCIE Gen3 x16");
        pcie.Add(smbus).Add(kPcieLanes).Add(wake);
        pcie.AddTo(board);
    }
    for (int p = 0; p < 4; ++p) {
        if (!Config.Qsfp28[p]) {
            continue;
        }
        const std::string name = std::string("QSFP28") + static_cast<char>('A' + p);
        zarvikgroups::Group group(name);
        group.connector->AddPin(si5340::ReferenceClock((name + "_REFCLK_p").c_str(),
                                                       kQsfp[p].refClock, IOSTD_LVDS,
                                                       pSettings->GetXcvrRefFrequency(p)));
        group.Add(kQsfp[p].rows);
        group.AddTo(board);
    }
    if (!pSettings->HasMemoryModule()) {
        return;
    }
    zarvikgroups::Group rzq("RZQ of Memory Modules");
    zarvikgroups::Group refClock("Referece Clock of Memory Modules");
    for (int s = 0; s < harvik::kSockets; ++s) {
        if (!Config.SocketCardId[s]) {
            continue;
        }
        rzq.connector->AddPin(
            std::make_unique<TPin>(SocketPinName(*pSettings, s, "RZQ"), kSocketPins[s].rzq, IN,
                                   Config.SocketCardId[s] == 79 ? IOSTD_1V8 : IOSTD_1V2, 0.0f));
        refClock.connector->AddPin(si5340::ReferenceClock(
            SocketPinName(*pSettings, s, "REFCLK_p").c_str(), kSocketPins[s].refClock, IOSTD_LVDS,
            pSettings->GetMemRefFrequency(s)));
    }
    rzq.AddTo(board);
    refClock.AddTo(board);
    for (int s = 0; s < harvik::kSockets; ++s) {
        if (!Config.SocketCardId[s]) {
            continue;
        }
        const SocketConnector kind = SocketConnectorOf(Config.SocketCardId[s]);
        auto socket = MakeExpansionConnector(
            kind.name,
            platform::Format("located at DDR4-SODIMM Socket %c", static_cast<char>('A' + s)),
            kind.type, ConnectorIdAt(CONNECTOR_ID_DDR4_SOCKET_A, s));
        const int positions =
            AddHeaderPositions(*socket, WithoutMarkedPositions(kSocketPins[s].positions));
        PINSMITH_ASSERT(positions == kSocketPositions);
        board.AddConnector(std::move(socket));
    }
}

void CONFIG_HARVIK(TMainBoard* pBoard, const HARVIK_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    auto settings = std::make_shared<TConfigHarvik>();
    settings->Config = Config;
    CONFIG_HARVIK(pBoard, settings.get());
    pBoard->m_OwnedConfigBoard = std::move(settings);
}
