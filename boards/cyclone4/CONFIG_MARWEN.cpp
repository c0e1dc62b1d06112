#include "boards/cyclone4/CONFIG_MARWEN.h"

#include "boards/PinGroups.h"
#include "boards/cyclone4/HsmcConnector.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/OptionGroups.h"
#include "cards/hsmc/HsmcPositions.h"
#include "platform/Assert.h"

#include <span>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "AJ16", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK2_50", "A15", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK3_50", "V11", IN, IOSTD_2V5, 0, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AK16", IN, IOSTD_3V3_LVTTL},
    {"SMA_CLKOUT", "AF25", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "T23 T24 V27 W25 T21 T26 R25 T27 P25 R24 P21 N24 N21 M25 K24 L25 M21 M22", OUT, IOSTD_2V5},
    {"LEDG[]", "AA25 AB25 F27 F26 W26 Y22 Y25 AA22 J25", OUT, IOSTD_2V5},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "AA26 AE25 AF30 AE26", IN, IOSTD_2V5},
};
constexpr PinRow kSw[] = {
    {"SW[]", "V28 U30 V21 C2 AB30 U21 T28 R30 P30 R29 R26 N26 M26 N25 J26 K25 C30 H25", IN, IOSTD_2V5},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "E15 E12 G11 F11 F16 D16 F14", OUT, IOSTD_2V5},
    {"HEX1[]", "G14 B13 G13 F12 G12 J9 G10", OUT, IOSTD_2V5},
    {"HEX2[]", "G8 G7 F7 AG30 F6 F4 F10", OUT, IOSTD_2V5},
    {"HEX3[]", "D10 D7 E6 E4 E3 D5 D4", OUT, IOSTD_2V5},
    {"HEX4[]", "A14 A13 C7 C6 C5 C4 C3", OUT, IOSTD_2V5},
    {"HEX5[]", "D3 A10 A9 A7 A6 A11 B6", OUT, IOSTD_2V5},
    {"HEX6[]", "B9 B10 C8 C9 D8 D9 E9", OUT, IOSTD_2V5},
    {"HEX7[]", "E10 F8 F9 C10 C11 C12 D12", OUT, IOSTD_2V5},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "AG4 AF3 AH3 AE5 AH2 AE3 AH4 AE4", IO, IOSTD_3V3_LVTTL},
    {"LCD_RW", "AJ3", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "AF4", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "AG3", OUT, IOSTD_3V3_LVTTL},
    {"LCD_ON", "AF27", OUT, IOSTD_2V5},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "H24", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "B27", IN, IOSTD_3V3_LVTTL},
    {"UART_RTS", "A29", OUT, IOSTD_3V3_LVTTL},
    {"UART_CTS", "D26", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "AF18", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AH25", OUT, IOSTD_3V3_LVTTL},
    {"SD_WP_N", "AJ27", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT[]", "AH27 AJ28 AD24 AE18", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "B24", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "A24", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_N", "AH20", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "D27", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "F25", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "A17 C18 B18 A18 E18 E19 B19 C19", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "D20 C20 A20 K19 A21 F21 A22 B22", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "E24 C24 B25 C23 F24 A23 G25 C22", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_SCLK", "AG27", OUT, IOSTD_3V3_LVTTL},
    {"EEP_I2C_SDAT", "AG25", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"ENET_TX_DATA[0]", "B12", OUT, IOSTD_2V5},
    {"ENET_RX_DATA[0]", "F15", IN, IOSTD_2V5},
    {"ENET_TX_DATA[1]", "E7", OUT, IOSTD_2V5},
    {"ENET_RX_DATA[1]", "E13", IN, IOSTD_2V5},
    {"ENET_TX_DATA[2]", "C13", OUT, IOSTD_2V5},
    {"ENET_RX_DATA[2]", "A5", IN, IOSTD_2V5},
    {"ENET_TX_DATA[3]", "D15", OUT, IOSTD_2V5},
    {"ENET_RX_DATA[3]", "B7", IN, IOSTD_2V5},
    {"ENET_GTX_CLK", "A12", OUT, IOSTD_2V5},
    {"ENET_TX_EN", "D14", OUT, IOSTD_2V5},
    {"ENET_TX_ER", "D13", OUT, IOSTD_2V5},
    {"ENET_INT_N", "E16", IN, IOSTD_2V5},
    {"ENET_RST_N", "C14", OUT, IOSTD_2V5},
    {"ENET_RX_DV", "A8", IN, IOSTD_2V5},
    {"ENET_RX_ER", "D11", IN, IOSTD_2V5},
    {"ENET_RX_COL", "G15", IN, IOSTD_2V5},
    {"ENET_RX_CRS", "D6", IN, IOSTD_2V5},
    {"ENET_RX_CLK", "L15", IN, IOSTD_2V5},
    {"ENET_TX_CLK", "F13", IN, IOSTD_2V5},
    {"ENET_MDC", "C16", OUT, IOSTD_2V5},
    {"ENET_MDIO", "C15", IO, IOSTD_2V5},
    {"ENET_LINK100", "F5", IN, IOSTD_2V5},
};
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "C28", IN, IOSTD_3V3_LVTTL},
    {"TD_VS", "E22", IN, IOSTD_3V3_LVTTL},
    {"TD_CLK27", "B15", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET_N", "E25", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SCLK", "C27", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "G21", IO, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "C17 D17 A16 B16 G18 G17 K18 K17", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "AH28", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "AH5 AG6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQM[]", "AF10 AB14 AH15 AH10", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "AK4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "AJ4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AD6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AE6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "AK3", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "AG5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "AD10 AD9 AE9 AE8 AE7 AF7 AF6 AF9 AB13 AF13 AF12 AG9 AA13 AB11 AA12 AA15 AH11 AG11 AH12 AG12 AH13 AG13 AG14 AH14 AH9 AK8 AG10 AK7 AH7 AK6 AJ6 AK5", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "AG7 AJ7 AG8 AH8 AE16 AF16 AE14 AE15 AE13 AE12 AH6 AE11 AE10", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSsram[] = {
    {"SSRAM0_CE_N", "AJ21", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM1_CE_N", "AG23", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_ADSC_N", "AK25", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_ADSP_N", "AJ25", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_ADV_N", "AH26", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_BE[]", "AF22 AK22 AJ22 AF21", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_CLK", "AF24", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_GW_N", "AK23", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_OE_N", "AG24", OUT, IOSTD_3V3_LVTTL},
    {"SSRAM_WE_N", "AK24", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_CE_N", "AG19", OUT, IOSTD_3V3_LVTTL},
    {"FL_OE_N", "AJ19", OUT, IOSTD_3V3_LVTTL},
    {"FL_RESET_N", "AG18", OUT, IOSTD_3V3_LVTTL},
    {"FL_RY", "AF19", IN, IOSTD_3V3_LVTTL},
    {"FL_WE_N", "AG17", OUT, IOSTD_3V3_LVTTL},
    {"FL_WP_N", "AK18", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSharedBus[] = {
    {"FS_ADDR[1]", "AB22", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[2]", "AH19", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[3]", "AK19", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[4]", "AJ18", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[5]", "AA18", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[6]", "AH18", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[7]", "AK17", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[8]", "Y20", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[9]", "AK21", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[10]", "AH21", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[11]", "AG21", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[12]", "AG22", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[13]", "AD22", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[14]", "AE24", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[15]", "AD23", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[16]", "AB21", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[17]", "AH17", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[18]", "AE17", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[19]", "AG20", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[20]", "AK20", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[21]", "AE19", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[22]", "AA16", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[23]", "AF15", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[24]", "AG15", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[25]", "Y17", OUT, IOSTD_3V3_LVTTL},
    {"FS_ADDR[26]", "AB16", OUT, IOSTD_3V3_LVTTL},
    {"FS_DQ[]", "AK29 AE23 AH24 AH23 AA21 AE20 Y19 AA17 AB17 Y18 AA20 AE21 AH22 AJ24 AE22 AK28 AK9 AJ10 AK11 AK12 AJ13 AK15 AC16 AH16 AG16 AD16 AJ15 AK14 AK13 AJ12 AK10 AJ9", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPcie[] = {
    {"PCIE_REFCLK_P", "V15", IN, IOSTD_HCSL},
    {"PCIE_WAKE_N", "C29", OUT, IOSTD_2V5},
    {"PCIE_PERST_N", "A4", IN, IOSTD_2V5},
};
constexpr PinRow kPcieLanes[] = {
    {"PCIE_TX_P[0]", "AB4", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_P[0]", "AC2", IN, IOSTD_1V5_PCML},
    {"PCIE_TX_P[1]", "Y4", OUT, IOSTD_1V5_PCML},
    {"PCIE_RX_P[1]", "AA2", IN, IOSTD_1V5_PCML},
};
constexpr PinRow kGSensor[] = {
    {"G_SENSOR_SDAT", "AK26", IO, IOSTD_3V3_LVTTL},
    {"G_SENSOR_SCLK", "AK27", OUT, IOSTD_3V3_LVTTL},
    {"G_SENSOR_INT1", "AC30", IN, IOSTD_2V5},
};
constexpr PinRow kFan[] = {
    {"FAN_CTRL", "AF28", IO, IOSTD_2V5},
};

// The peripheral groups in the order they are made; the two groups that
// several boxes make are the filler's own steps.
constexpr PinGroup<MARWEN_CONFIG> kGroups[] = {
    {"CLOCK", &MARWEN_CONFIG::bOSC, kClock},
    {"SMA", &MARWEN_CONFIG::bSma, kSma},
    {"LED (High Active)", &MARWEN_CONFIG::bLED, kLed},
    {"KEY (Active Low)", &MARWEN_CONFIG::bButton, kKey},
    {"SW", &MARWEN_CONFIG::bSwitch, kSw},
    {"SEG7 (Low Active)", &MARWEN_CONFIG::bSeg7, kSeg7},
    {"LCD", &MARWEN_CONFIG::bLCD, kLcd},
    {"RS232", &MARWEN_CONFIG::bRS232, kRs232},
    {"SDCARD", &MARWEN_CONFIG::bSDCARD, kSdcard},
    {"VGA", &MARWEN_CONFIG::bVGA, kVga},
    {"I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)", &MARWEN_CONFIG::bEEPROM, kEeprom},
    {"Ethernet", &MARWEN_CONFIG::bEthernet, kEthernet},
    {"TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", &MARWEN_CONFIG::bTvDecode, kTvDecoder},
    {"IR Receiver", &MARWEN_CONFIG::bIR, kIr},
    {"SDRAM", &MARWEN_CONFIG::bSDRAM, kSdram},
    {"SSRAM", &MARWEN_CONFIG::bSSRAM, kSsram},
    {"Flash", &MARWEN_CONFIG::bFlash, kFlash},
    {"Data and Address bus shared by Flash & SSRAM", nullptr, kSharedBus},
    {"PCIe", nullptr, kPcie},
    {"G-Sensor", &MARWEN_CONFIG::bAccelerometer, kGSensor},
};

// GPIO header positions 1..40.
constexpr const char* kGpioHeader =
    "G16 F17 D18 F18 D19 K21 F19 K22 B21 C21 - - D22 D21 D23 D24 B28 C25 C26 D28 "
    "D25 F20 E21 F23 G20 F22 G22 G24 - - G23 A25 A26 A19 A28 A27 B30 AG28 AG26 Y21";

// HSMC positions 1..160: the I2C pair (33, 34) and from 39 on; no
// transceiver lanes, JTAG or presence pins.
constexpr const char* kHsmc =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - AD25 AD26 - - - - G6 K15 "
    "AC25 E27 AB26 E28 - - J28 G26 H28 G27 - - F28 G28 F29 G29 - - D29 J27 "
    "D30 H27 - - F30 K28 E30 K29 - - H30 L27 G30 L28 - - J29 M27 J30 M28 "
    "- - K26 N29 K27 N30 - - L30 P27 K30 P28 - - AB27 V29 AB28 V30 - - "
    "U25 R27 T25 R28 - - N27 U27 N28 U28 - - V25 W27 V26 W28 - - AA30 W29 "
    "Y30 W30 - - AC27 M29 AC28 M30 - - AD29 AA27 AD30 Y27 - - AE29 AB29 AE30 AA29 "
    "- - AJ30 AD27 AH30 AD28 - - AH29 AE27 AG29 AE28 - - AA28 T29 Y28 T30 - -";
// clang-format on

static_assert(CountRowLocations(kLed, "LEDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kLed, "LEDG[]") == 9, "nNum == 9");
static_assert(CountRowLocations(kKey, "KEY[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kSw, "SW[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kVga, "VGA_R[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kVga, "VGA_G[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kVga, "VGA_B[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kTvDecoder, "TD_DATA[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 32, "nNum == 32");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13, "nNum == 13");
// The shared address bus starts at bit 1; the data bus has 32 bits.
static_assert(CountTablePins(kSharedBus) == 26 + 32);
static_assert(CountRowLocations(kSharedBus, "FS_DQ[]") == 32, "nNum == 32");
static_assert(CountLocations(kGpioHeader) == GPIO_PIN_NUM, "nNum == GPIO_PIN_NUM");
static_assert(CountLocations(kHsmc) == HSMC_PIN_NUM, "nNum == 160");
// Every group with every box, the PCIe lanes and the fan included.
static_assert(CountGroupPins<MARWEN_CONFIG>(kGroups) + CountTablePins(kPcieLanes) +
                  CountTablePins(kFan) ==
              346);

constexpr FpgaData kFpga = {"Cyclone IV GX", "EP4CGX150DF31C7", "FBGA", 896, ""};

// The bus that the flash and the SSRAM share, with either; the PCIe group
// with either IP, its transceiver lanes with the hard IP only.
void SharedGroup(TMainBoard& board, const MARWEN_CONFIG& config,
                 const PinGroup<MARWEN_CONFIG>& group) {
    if (group.pins.data() == kSharedBus) {
        if (config.bFlash || config.bSSRAM) {
            board.AddConnector(MakeGroupConnector(group.name, group.pins));
        }
        return;
    }
    PINSMITH_ASSERT(group.pins.data() == kPcie);
    if (!config.bPCIeHardIP && !config.bPCIeSoftIP) {
        return;
    }
    auto connector = MakeGroupConnector(group.name, group.pins);
    if (config.bPCIeHardIP) {
        AddPinRows(*connector, {"PCIe lanes", kPcieLanes});
    }
    board.AddConnector(std::move(connector));
}

} // namespace

void CONFIG_MARWEN(TMainBoard* pBoard, const MARWEN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardRecord.CopyFrom(&Config, sizeof(Config));
    pBoard->m_BoardId = MAINBOARD_MARWEN;
    if (Config.BoardId != BoardNumber(MAINBOARD_MARWEN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_MARWEN");
    }
    if (Config.Size != MARWEN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(MARWEN_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 7;

    AddPinGroups<MARWEN_CONFIG>(*pBoard, Config, kGroups,
                                [&](TMainBoard& board, const PinGroup<MARWEN_CONFIG>& group) {
                                    SharedGroup(board, Config, group);
                                });
    AddSingleGpioHeader(*pBoard, MakeCardId(Config.nGpioDaughterId), kGpioHeader);
    AddHsmcConnector(*pBoard, MakeCardId(Config.nHsmcDaughterId), kHsmc, IOSTD_2V5);
    pBoard->AddConnector(MakeGroupConnector("Fan Control", kFan));
}
