#include "boards/cyclone4/CONFIG_ELVORY.h"

#include "boards/PinGroups.h"
#include "boards/cyclone4/ElvoryHeaderTables.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/HsmcConnector.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "boards/cyclone5/OptionGroups.h"
#include "platform/Assert.h"

#include <span>
#include <string>

using namespace elvory;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;
// Marks of a pin on a bank the GPIO header or the HSMC connector shares:
// the filler replaces them by the bank's standard for the record.
constexpr IoStd GPIO_BANK = static_cast<IoStd>(250);
constexpr IoStd HSMC_BANK = static_cast<IoStd>(251);

// clang-format off
constexpr PinRow kClock[] = {
    {"CLOCK_50", "Y2", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK2_50", "AG14", IN, IOSTD_3V3_LVTTL, 0, 20},
    {"CLOCK3_50", "AG15", IN, GPIO_BANK, 0, 20},
};
constexpr PinRow kSma[] = {
    {"SMA_CLKIN", "AH14", IN, IOSTD_3V3_LVTTL},
    {"SMA_CLKOUT", "AE23", OUT, GPIO_BANK},
};
constexpr PinRow kLed[] = {
    {"LEDR[]", "G19 F19 E19 F21 F18 E18 J19 H19 J17 G17 J15 H16 J16 H17 F15 G15 G16 H15", OUT, IOSTD_2V5},
    {"LEDG[]", "E21 E22 E25 E24 H21 G20 G22 G21 F17", OUT, IOSTD_2V5},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "M23 M21 N21 R24", IN, HSMC_BANK},
};
constexpr PinRow kExIo[] = {
    {"EX_IO[]", "J10 J14 H13 H14 F14 E10 D9", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "AB28 AC28 AC27 AD27 AB27 AC26 AD26 AB26 AC25 AB25 AC24 AB24 AB23 AA24 AA23 AA22 Y24 Y23", IN, HSMC_BANK},
};
constexpr PinRow kSeg7[] = {
    {"HEX0[]", "G18 F22 E17", OUT, IOSTD_2V5},
    {"HEX0[3]", "L26", OUT, HSMC_BANK},
    {"HEX0[4]", "L25", OUT, HSMC_BANK},
    {"HEX0[5]", "J22", OUT, HSMC_BANK},
    {"HEX0[6]", "H22", OUT, HSMC_BANK},
    {"HEX1[]", "M24 Y22 W21 W22 W25 U23 U24", OUT, HSMC_BANK},
    {"HEX2[]", "AA25 AA26 Y25 W26 Y26 W27 W28", OUT, HSMC_BANK},
    {"HEX3[]", "V21 U21", OUT, HSMC_BANK},
    {"HEX3[2]", "AB20", OUT, GPIO_BANK},
    {"HEX3[3]", "AA21", OUT, GPIO_BANK},
    {"HEX3[4]", "AD24", OUT, GPIO_BANK},
    {"HEX3[5]", "AF23", OUT, GPIO_BANK},
    {"HEX3[6]", "Y19", OUT, GPIO_BANK},
    {"HEX4[]", "AB19 AA19 AG21 AH21 AE19 AF19 AE18", OUT, GPIO_BANK},
    {"HEX5[]", "AD18 AC18 AB18 AH19 AG19 AF18 AH18", OUT, GPIO_BANK},
    {"HEX6[]", "AA17 AB16 AA16 AB17 AB15 AA15 AC17", OUT, GPIO_BANK},
    {"HEX7[]", "AD17 AE17 AG17 AH17 AF17 AG18", OUT, GPIO_BANK},
    {"HEX7[6]", "AA14", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLcd[] = {
    {"LCD_DATA[]", "L3 L1 L2 K7 K1 K2 M3 M5", IO, IOSTD_3V3_LVTTL},
    {"LCD_BLON", "L6", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RW", "M1", OUT, IOSTD_3V3_LVTTL},
    {"LCD_EN", "L4", OUT, IOSTD_3V3_LVTTL},
    {"LCD_RS", "M2", OUT, IOSTD_3V3_LVTTL},
    {"LCD_ON", "L5", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kRs232[] = {
    {"UART_TXD", "G9", OUT, IOSTD_3V3_LVTTL},
    {"UART_RXD", "G12", IN, IOSTD_3V3_LVTTL},
    {"UART_RTS", "G14", OUT, IOSTD_3V3_LVTTL},
    {"UART_CTS", "J13", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "G6", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "H5", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "G5", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "F5", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdcard[] = {
    {"SD_CMD", "AD14", IO, IOSTD_3V3_LVTTL},
    {"SD_CLK", "AE13", OUT, IOSTD_3V3_LVTTL},
    {"SD_WP_N", "AF14", IN, IOSTD_3V3_LVTTL},
    {"SD_DAT[]", "AE14 AF13 AB14 AC14", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kVga[] = {
    {"VGA_HS", "G13", OUT, IOSTD_3V3_LVTTL},
    {"VGA_VS", "C13", OUT, IOSTD_3V3_LVTTL},
    {"VGA_SYNC_N", "C10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_CLK", "A12", OUT, IOSTD_3V3_LVTTL},
    {"VGA_BLANK_N", "F11", OUT, IOSTD_3V3_LVTTL},
    {"VGA_R[]", "E12 E11 D10 F12 G10 J12 H8 H10", OUT, IOSTD_3V3_LVTTL},
    {"VGA_G[]", "G8 G11 F8 H12 C8 B8 F10 C9", OUT, IOSTD_3V3_LVTTL},
    {"VGA_B[]", "B10 A10 C11 B11 A11 C12 D11 D12", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUD_ADCLRCK", "C2", IO, IOSTD_3V3_LVTTL},
    {"AUD_ADCDAT", "D2", IN, IOSTD_3V3_LVTTL},
    {"AUD_DACLRCK", "E3", IO, IOSTD_3V3_LVTTL},
    {"AUD_DACDAT", "D1", OUT, IOSTD_3V3_LVTTL},
    {"AUD_XCK", "E1", OUT, IOSTD_3V3_LVTTL},
    {"AUD_BCLK", "F2", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEeprom[] = {
    {"EEP_I2C_SCLK", "D14", OUT, IOSTD_3V3_LVTTL},
    {"EEP_I2C_SDAT", "E14", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kI2c[] = {
    {"I2C_SCLK", "B7", OUT, IOSTD_3V3_LVTTL},
    {"I2C_SDAT", "A8", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEnetClock[] = {
    {"ENETCLK_25", "A14", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet0[] = {
    {"ENET0_TX_DATA[0]", "C18", OUT, IOSTD_2V5},
    {"ENET0_RX_DATA[0]", "C16", IN, IOSTD_2V5},
    {"ENET0_TX_DATA[1]", "D19", OUT, IOSTD_2V5},
    {"ENET0_RX_DATA[1]", "D16", IN, IOSTD_2V5},
    {"ENET0_TX_DATA[2]", "A19", OUT, IOSTD_2V5},
    {"ENET0_RX_DATA[2]", "D17", IN, IOSTD_2V5},
    {"ENET0_TX_DATA[3]", "B19", OUT, IOSTD_2V5},
    {"ENET0_RX_DATA[3]", "C15", IN, IOSTD_2V5},
    {"ENET0_GTX_CLK", "A17", OUT, IOSTD_2V5},
    {"ENET0_TX_EN", "A18", OUT, IOSTD_2V5},
    {"ENET0_TX_ER", "B18", OUT, IOSTD_2V5},
    {"ENET0_INT_N", "A21", IN, IOSTD_2V5},
    {"ENET0_RST_N", "C19", OUT, IOSTD_2V5},
    {"ENET0_RX_DV", "C17", IN, IOSTD_2V5},
    {"ENET0_RX_ER", "D18", IN, IOSTD_2V5},
    {"ENET0_RX_CRS", "D15", IN, IOSTD_2V5},
    {"ENET0_RX_COL", "E15", IN, IOSTD_2V5},
    {"ENET0_RX_CLK", "A15", IN, IOSTD_2V5},
    {"ENET0_TX_CLK", "B17", IN, IOSTD_2V5},
    {"ENET0_MDC", "C20", OUT, IOSTD_2V5},
    {"ENET0_MDIO", "B21", IO, IOSTD_2V5},
    {"ENET0_LINK100", "C14", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet1[] = {
    {"ENET1_TX_DATA[0]", "C25", OUT, IOSTD_2V5},
    {"ENET1_RX_DATA[0]", "B23", IN, IOSTD_2V5},
    {"ENET1_TX_DATA[1]", "A26", OUT, IOSTD_2V5},
    {"ENET1_RX_DATA[1]", "C21", IN, IOSTD_2V5},
    {"ENET1_TX_DATA[2]", "B26", OUT, IOSTD_2V5},
    {"ENET1_RX_DATA[2]", "A23", IN, IOSTD_2V5},
    {"ENET1_TX_DATA[3]", "C26", OUT, IOSTD_2V5},
    {"ENET1_RX_DATA[3]", "D21", IN, IOSTD_2V5},
    {"ENET1_GTX_CLK", "C23", OUT, IOSTD_2V5},
    {"ENET1_TX_EN", "B25", OUT, IOSTD_2V5},
    {"ENET1_TX_ER", "A25", OUT, IOSTD_2V5},
    {"ENET1_INT_N", "D24", IN, IOSTD_2V5},
    {"ENET1_RST_N", "D22", OUT, IOSTD_2V5},
    {"ENET1_RX_DV", "A22", IN, IOSTD_2V5},
    {"ENET1_RX_ER", "C24", IN, IOSTD_2V5},
    {"ENET1_RX_CRS", "D20", IN, IOSTD_2V5},
    {"ENET1_RX_COL", "B22", IN, IOSTD_2V5},
    {"ENET1_RX_CLK", "B15", IN, IOSTD_2V5},
    {"ENET1_TX_CLK", "C22", IN, IOSTD_2V5},
    {"ENET1_MDC", "D23", OUT, IOSTD_2V5},
    {"ENET1_MDIO", "D25", IO, IOSTD_2V5},
    {"ENET1_LINK100", "D13", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kTvDecoder[] = {
    {"TD_HS", "E5", IN, IOSTD_3V3_LVTTL},
    {"TD_VS", "E4", IN, IOSTD_3V3_LVTTL},
    {"TD_CLK27", "B14", IN, IOSTD_3V3_LVTTL},
    {"TD_RESET_N", "G7", OUT, IOSTD_3V3_LVTTL},
    {"TD_DATA[]", "E8 A7 D8 C7 D7 D6 E7 F7", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsb[] = {
    {"OTG_DATA[]", "J6 K4 J5 K3 J4 J3 J7 H6 H3 H4 G1 G2 G3 F1 F3 G4", IO, IOSTD_3V3_LVTTL},
    {"OTG_ADDR[0]", "H7", OUT, IOSTD_3V3_LVTTL},
    {"OTG_ADDR[1]", "C3", OUT, IOSTD_3V3_LVTTL},
    {"OTG_INT", "D5", IN, IOSTD_3V3_LVTTL},
    {"OTG_RST_N", "C5", OUT, IOSTD_3V3_LVTTL},
    {"OTG_CS_N", "A3", OUT, IOSTD_3V3_LVTTL},
    {"OTG_RD_N", "B3", OUT, IOSTD_3V3_LVTTL},
    {"OTG_WE_N", "A4", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kIr[] = {
    {"IRDA_RXD", "Y15", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdram[] = {
    {"DRAM_BA[]", "U7 R4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQM[]", "U2 W4 K8 N8", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_RAS_N", "U6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CAS_N", "V7", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CKE", "AA6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CLK", "AE5", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_WE_N", "V6", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_CS_N", "T4", OUT, IOSTD_3V3_LVTTL},
    {"DRAM_DQ[]", "W3 W2 V4 W1 V3 V2 V1 U3 Y3 Y4 AB1 AA3 AB2 AC1 AB3 AC2 M8 L8 P2 N3 N4 M4 M7 L7 U5 R7 R1 R2 R3 T3 U4 U1", IO, IOSTD_3V3_LVTTL},
    {"DRAM_ADDR[]", "R6 V8 U8 P1 V5 W8 W7 AA7 Y5 Y6 R5 AA5 Y7", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSram[] = {
    {"SRAM_ADDR[]", "AB7 AD7 AE7 AC7 AB6 AE6 AB5 AC5 AF5 T7 AF2 AD3 AB4 AC3 AA4 AB11 AC11 AB9 AB8 T8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_DQ[]", "AH3 AF4 AG4 AH4 AF6 AG6 AH6 AF7 AD1 AD2 AE2 AE1 AE3 AE4 AF3 AG3", IO, IOSTD_3V3_LVTTL},
    {"SRAM_UB_N", "AC4", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_LB_N", "AD4", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_CE_N", "AF8", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_OE_N", "AD5", OUT, IOSTD_3V3_LVTTL},
    {"SRAM_WE_N", "AE8", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kFlash[] = {
    {"FL_ADDR[]", "AG12 AH7 Y13 Y14 Y12 AA13 AA12 AB13 AB12 AB10 AE9 AF9 AA10 AD8 AC8 Y10 AA8 AH12 AC12 AD12 AE10 AD10 AD11", OUT, IOSTD_3V3_LVTTL},
    {"FL_DQ[]", "AH8 AF10 AG10 AH10 AF11 AG11 AH11 AF12", IO, IOSTD_3V3_LVTTL},
    {"FL_CE_N", "AG7", OUT, IOSTD_3V3_LVTTL},
    {"FL_OE_N", "AG8", OUT, IOSTD_3V3_LVTTL},
    {"FL_RST_N", "AE11", OUT, IOSTD_3V3_LVTTL},
    {"FL_RY", "Y1", IN, IOSTD_3V3_LVTTL},
    {"FL_WE_N", "AC10", OUT, IOSTD_3V3_LVTTL},
    {"FL_WP_N", "AE12", OUT, IOSTD_3V3_LVTTL},
};

// The groups in the order they are made.
constexpr PinGroup<ELVORY_CONFIG> kGroups[] = {
    {"CLOCK", &ELVORY_CONFIG::bOSC, kClock},
    {"Sma", &ELVORY_CONFIG::bSma, kSma},
    {"LED", &ELVORY_CONFIG::bLED, kLed},
    {"KEY", &ELVORY_CONFIG::bButton, kKey},
    {"EX_IO", &ELVORY_CONFIG::bEJTAG, kExIo},
    {"SW", &ELVORY_CONFIG::bSwitch, kSw},
    {"SEG7", &ELVORY_CONFIG::bSeg7, kSeg7},
    {"LCD", &ELVORY_CONFIG::bLCD, kLcd},
    {"RS232", &ELVORY_CONFIG::bRS232, kRs232},
    {"PS2 for Keyboard and Mouse", &ELVORY_CONFIG::bPS2, kPs2},
    {"SDCARD", &ELVORY_CONFIG::bSDCARD, kSdcard},
    {"VGA", &ELVORY_CONFIG::bVGA, kVga},
    {"Audio", &ELVORY_CONFIG::bAudio, kAudio},
    {"I2C for EEPROM", &ELVORY_CONFIG::bEEPROM, kEeprom},
    {"I2C for ", nullptr, kI2c}, // named after its users (SharedI2cGroup)
    {"Ethernet 0", nullptr, kEthernet0}, // EthernetGroup
    {"Ethernet 1", nullptr, kEthernet1},
    {"TV Decoder", &ELVORY_CONFIG::bTvDecode, kTvDecoder},
    {"USB 2.0 OTG (Cypress CY7C67200)", &ELVORY_CONFIG::bUSB, kUsb},
    {"IR Receiver", &ELVORY_CONFIG::bIR, kIr},
    {"SDRAM", &ELVORY_CONFIG::bSDRAM, kSdram},
    {"SRAM", &ELVORY_CONFIG::bSRAM, kSram},
    {"Flash", &ELVORY_CONFIG::bFlash, kFlash},
};
// clang-format on

static_assert(CountRowLocations(kLed, "LEDR[]") == 18, "nNum == 18");
static_assert(CountRowLocations(kLed, "LEDG[]") == 9, "nNum == 9");
static_assert(CountRowLocations(kKey, "KEY[]") == 4, "nNum == 4");
static_assert(CountRowLocations(kExIo, "EX_IO[]") == 7, "nNum == 7");
static_assert(CountRowLocations(kSw, "SW[]") == 18, "nNum == 18");
static_assert(CountTablePins(kSeg7) == 8 * 7);
static_assert(CountRowLocations(kVga, "VGA_R[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kVga, "VGA_G[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kVga, "VGA_B[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kTvDecoder, "TD_DATA[]") == 8, "nNum == 8");
static_assert(CountRowLocations(kUsb, "OTG_DATA[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kSdram, "DRAM_DQ[]") == 32, "nNum == 32");
static_assert(CountRowLocations(kSdram, "DRAM_ADDR[]") == 13, "nNum == 13");
static_assert(CountRowLocations(kSram, "SRAM_ADDR[]") == 20, "nNum == 20");
static_assert(CountRowLocations(kSram, "SRAM_DQ[]") == 16, "nNum == 16");
static_assert(CountRowLocations(kFlash, "FL_ADDR[]") == 23, "nNum == 23");
static_assert(CountRowLocations(kFlash, "FL_DQ[]") == 8, "nNum == 8");
// Every group with every byte set, the Ethernet clock once.
static_assert(CountGroupPins<ELVORY_CONFIG>(kGroups) + 1 == 400);

constexpr FpgaData kFpga = {"Cyclone IV E", "EP4CE115F29C7", "FBGA", 780, ""};

IoStd VoltageStandard(std::int32_t index) {
    PINSMITH_ASSERT(index >= 0 && index < hsmcvoltage::kCount);
    return hsmcvoltage::IoStandard(index);
}

// The I2C bus that the audio codec, the TV decoder and an HSMC card share:
// one group named after those that use it, "I2C for Audio Tv-Decoder ".
void SharedI2cGroup(TMainBoard& board, const ELVORY_CONFIG& config,
                    const PinGroup<ELVORY_CONFIG>& group) {
    std::string name = group.name;
    if (config.bAudio) {
        name += "Audio ";
    }
    if (config.bTvDecode) {
        name += "Tv-Decoder ";
    }
    if (config.nHsmcDaughterId) {
        name += "HSMC ";
    }
    if (name != group.name) {
        board.AddConnector(MakeGroupConnector(name, group.pins));
    }
}

// The two Ethernet ports share the 25-MHz clock: the first port made
// carries it.
void EthernetGroup(TMainBoard& board, bool used, bool& clockPlaced,
                   const PinGroup<ELVORY_CONFIG>& group) {
    if (!used) {
        return;
    }
    auto connector = std::make_unique<TConnector>(group.name, "", CONNECTOR_NONE, -1);
    if (!clockPlaced) {
        AddPinRows(*connector, {"ENETCLK_25", kEnetClock});
        clockPlaced = true;
    }
    AddPinRows(*connector, {group.name, group.pins});
    board.AddConnector(std::move(connector));
}

void ApplyBankStandards(TMainBoard& board, IoStd gpioBank, IoStd hsmcBank) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        TConnector& connector = *board.GetConnector(c);
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            TPin* pin = connector.GetPin(i);
            if (pin && pin->GetIoStandard() == GPIO_BANK) {
                pin->SetIoStandard(gpioBank);
            } else if (pin && pin->GetIoStandard() == HSMC_BANK) {
                pin->SetIoStandard(hsmcBank);
            }
        }
    }
}

} // namespace

IoStd ElvoryGpioBankStandard(const ELVORY_CONFIG& Config) {
    return VoltageStandard(Config.nGpioVoltageIndex);
}

IoStd ElvoryHsmcBankStandard(const ELVORY_CONFIG& Config) {
    const IoStd standard = VoltageStandard(Config.nHsmcVoltageIndex);
    const bool inUse =
        Config.nHsmcVoltageIndex != kDefaultHsmcVoltage || Config.nHsmcDaughterId != 0;
    return inUse ? standard : IOSTD_3V3_LVTTL;
}

void CONFIG_ELVORY(TMainBoard* pBoard, const ELVORY_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = MAINBOARD_ELVORY;
    if (Config.BoardId != BoardNumber(MAINBOARD_ELVORY)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ELVORY");
    }
    if (Config.Size != ELVORY_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(ELVORY_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);
    pBoard->m_SpeedGrade = 7;
    const IoStd gpioBank = ElvoryGpioBankStandard(Config);
    const IoStd hsmcBank = ElvoryHsmcBankStandard(Config);

    bool enetClockPlaced = false;
    AddPinGroups<ELVORY_CONFIG>(
        *pBoard, Config, kGroups, [&](TMainBoard& board, const PinGroup<ELVORY_CONFIG>& group) {
            if (group.pins.data() == kI2c) {
                SharedI2cGroup(board, Config, group);
            } else {
                const bool port0 = group.pins.data() == kEthernet0;
                EthernetGroup(board, port0 ? Config.bEthernet0 : Config.bEthernet1, enetClockPlaced,
                              group);
            }
        });
    ApplyBankStandards(*pBoard, gpioBank, hsmcBank);

    AddSingleGpioHeader(*pBoard, MakeCardId(Config.nGpioDaughterId), kGpioHeader);
    AddHsmcConnector(*pBoard, MakeCardId(Config.nHsmcDaughterId), kHsmc, hsmcBank);
}
