#include "boards/max10/CONFIG_BROVAN.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/max10/BrovanId.h"
#include "model/CardCatalogue.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"MAX 10 FPGA", "10M50DAF484C6GES", "FBGA", 484, "6"};

// "~": a pin the fitter places.
// clang-format off
constexpr PinRow kClock[] = {
    {"ADC_CLK_10", "M9", IN, IOSTD_3V3_LVTTL, 0, 0, "10.0 MHz"},
    {"MAX10_CLK1_50", "N5", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"MAX10_CLK2_50", "V9", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
    {"MAX10_CLK3_50", "N14", IN, IOSTD_1V5, 0, 0, "50.0 MHz"},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "T22 U22 AA22 AA21 R22", IN, IOSTD_1V5_SCHMITT},
    {"FPGA_RESET_n", "D9", IN, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSw[] = {
    {"SW[]", "N22 M22 N21 L22 J22 H22 J21 C21 G19 H21", IN, IOSTD_1V5},
};
constexpr PinRow kLedr[] = {
    {"LEDR[]", "C2 B3 A3 C3 A4 B4 C4 B5 C5 D5", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHex[] = {
    {"HEX0[]", "D6 A5 C6 A6 F7 D7 B7", OUT, IOSTD_3V3_LVTTL},
    {"HEX1[]", "C7 C8 D8 D10 E10 H11 E6", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUDIO_BCLK", "J12", IO, IOSTD_2V5},
    {"AUDIO_DIN_MFP1", "J13", OUT, IOSTD_2V5},
    {"AUDIO_DOUT_MFP2", "H13", IN, IOSTD_2V5},
    {"AUDIO_GPIO_MFP5", "D14", IO, IOSTD_2V5},
    {"AUDIO_MCLK", "J11", OUT, IOSTD_2V5},
    {"AUDIO_MISO_MFP4", "E13", IN, IOSTD_2V5},
    {"AUDIO_RESET_n", "D13", IO, IOSTD_2V5},
    {"AUDIO_SCLK_MFP3", "H14", OUT, IOSTD_2V5},
    {"AUDIO_SCL_SS_n", "F15", OUT, IOSTD_2V5},
    {"AUDIO_SDA_MOSI", "F16", IO, IOSTD_2V5},
    {"AUDIO_SPI_SELECT", "E14", OUT, IOSTD_2V5},
    {"AUDIO_WCLK", "H12", IO, IOSTD_2V5},
};
constexpr PinRow kDac[] = {
    {"DAC_DATA", "A2", IO, IOSTD_3V3_LVTTL},
    {"DAC_SCLK", "B1", OUT, IOSTD_3V3_LVTTL},
    {"DAC_SYNC_n", "B2", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kDdr3Sdram[] = {
    {"DDR3_A[]", "U20 F19 V20 G20 F22 E20 E21 Y20 C22 D22 J14 E22 G22 D19 C20", OUT, IOSTD_SSTL15_I},
    {"DDR3_BA[]", "W22 Y21 Y22", OUT, IOSTD_SSTL15_I},
    {"DDR3_CAS_n", "U19", OUT, IOSTD_SSTL15_I},
    {"DDR3_CKE", "V18", OUT, IOSTD_SSTL15_I},
    {"DDR3_CK_n", "E18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CK_p", "D18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CS_n", "W20", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[]", "J15 N19 T18", OUT, IOSTD_SSTL15_I},
    {"DDR3_DQ[]", "J18 H19 K20 H18 K18 H20 K19 J20 L18 M18 M14 N20 L20 M20 M15 L19 T19 R20 R15 P15 P19 P14 R14 P20", IO, IOSTD_SSTL15_I},
    {"DDR3_DQS_n[]", "~ ~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[]", "K14 L14 R18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_ODT", "V22", OUT, IOSTD_SSTL15_I},
    {"DDR3_RAS_n", "N18", OUT, IOSTD_SSTL15_I},
    {"DDR3_RESET_n", "B22", OUT, IOSTD_SSTL15_I},
    {"DDR3_WE_n", "W19", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kQspiFlash[] = {
    {"FLASH_DATA[]", "AB18 AA19 AB19 AA20", IO, IOSTD_3V3_LVTTL},
    {"FLASH_DCLK", "AB17", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_NCSO", "AB21", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RESET_n", "AB20", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kGSensor[] = {
    {"GSENSOR_CS_n", "C16", OUT, IOSTD_2V5},
    {"GSENSOR_INT[1]", "B15", IN, IOSTD_2V5},
    {"GSENSOR_INT[2]", "D17", IN, IOSTD_2V5},
    {"GSENSOR_SCLK", "A15", IO, IOSTD_2V5},
    {"GSENSOR_SDI", "C15", IO, IOSTD_2V5},
    {"GSENSOR_SDO", "B16", IO, IOSTD_2V5},
};
constexpr PinRow kHdmiRx[] = {
    {"HDMI_AP", "W9", IN, IOSTD_3V3_LVTTL},
    {"HDMI_I2C_SCL", "R13", IO, IOSTD_3V3_LVTTL},
    {"HDMI_I2C_SDA", "P13", IO, IOSTD_3V3_LVTTL},
    {"HDMI_LRCLK", "V11", IO, IOSTD_3V3_LVTTL},
    {"HDMI_MCLK", "R12", IO, IOSTD_3V3_LVTTL},
    {"HDMI_RX_CLK", "P11", IN, IOSTD_3V3_LVTTL},
    {"HDMI_RX_D[]", "AA9 AB9 Y10 AA10 AB10 Y11 AA11 AB11 Y14 AB15 AA15 W14 V14 V15 U15 AB14 AA14 AB13 Y13 AB12 AA12 W13 W12 V13", IN, IOSTD_3V3_LVTTL},
    {"HDMI_RX_DE", "W10", IN, IOSTD_3V3_LVTTL},
    {"HDMI_RX_HS", "V12", IO, IOSTD_3V3_LVTTL},
    {"HDMI_RX_INT1", "P12", IN, IOSTD_3V3_LVTTL},
    {"HDMI_RX_RESET_n", "AA13", IO, IOSTD_3V3_LVTTL},
    {"HDMI_RX_VS", "W11", IN, IOSTD_3V3_LVTTL},
    {"HDMI_SCLK", "W8", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kLightSensor[] = {
    {"LSENSOR_INT", "M2", IO, IOSTD_3V3_LVTTL},
    {"LSENSOR_SCL", "M1", OUT, IOSTD_3V3_LVTTL},
    {"LSENSOR_SDA", "T3", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kMipiCs2Camera[] = {
    {"MIPI_CS_n", "U7", OUT, IOSTD_3V3_LVTTL},
    {"MIPI_I2C_SCL", "Y1", OUT, IOSTD_3V3_LVTTL},
    {"MIPI_I2C_SDA", "Y2", IO, IOSTD_3V3_LVTTL},
    {"MIPI_PIXEL_CLK", "V10", IN, IOSTD_3V3_LVTTL},
    {"MIPI_PIXEL_D[]", "U6 W5 V7 V5 W4 V4 W3 W6 W7 Y3 Y4 Y5 AB3 AB4 AA5 AB5 AB7 Y8 AA8 AA7 Y7 AB6 AA6 Y6", IN, IOSTD_3V3_LVTTL},
    {"MIPI_PIXEL_HS", "AA2", IN, IOSTD_3V3_LVTTL},
    {"MIPI_PIXEL_VS", "AA1", IN, IOSTD_3V3_LVTTL},
    {"MIPI_RESET_n", "AA3", OUT, IOSTD_3V3_LVTTL},
    {"MIPI_REFCLK", "W17", OUT, IOSTD_3V3_LVTTL},
    {"CAMERA_I2C_SCL", "A20", OUT, IOSTD_2V5},
    {"CAMERA_I2C_SDA", "B19", IO, IOSTD_2V5},
    {"CAMERA_PWDN_n", "R11", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kWistel2[] = {
    {"WISTEL2_B[]", "P4 P5 N3 P8 N4 N8 N9 M8", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_BL_ON_n", "R9", IO, IOSTD_3V3_LVTTL},
    {"WISTEL2_DCLK", "W1", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_G[]", "T5 T6 R1 R2 R4 P1 R5 R7", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_HSD", "N1", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_I2C_SCL", "P9", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_I2C_SDA", "P10", IO, IOSTD_3V3_LVTTL},
    {"WISTEL2_INT", "R10", IN, IOSTD_3V3_LVTTL},
    {"WISTEL2_R[]", "U5 U4 U3 W2 U2 V1 T2 T1", OUT, IOSTD_3V3_LVTTL},
    {"WISTEL2_VSD", "N2", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kEthernet[] = {
    {"NET_GTX_CLK", "C11", OUT, IOSTD_2V5},
    {"NET_INT_n", "C13", IN, IOSTD_2V5},
    {"NET_LINK100", "A7", IN, IOSTD_2V5},
    {"NET_MDC", "D12", OUT, IOSTD_2V5},
    {"NET_MDIO", "E12", IO, IOSTD_2V5},
    {"NET_RST_N", "C14", OUT, IOSTD_2V5},
    {"NET_RX_CLK", "J10", IN, IOSTD_3V3_LVTTL, 0, 0, "125.0 MHz"},
    {"NET_RX_COL", "C9", IN, IOSTD_2V5},
    {"NET_RX_CRS", "A9", IN, IOSTD_2V5},
    {"NET_RX_D[]", "A10 B10 A11 B11", IN, IOSTD_2V5},
    {"NET_RX_DV", "A8", IN, IOSTD_2V5},
    {"NET_RX_ER", "B8", IN, IOSTD_2V5},
    {"NET_TX_CLK", "E11", IN, IOSTD_3V3_LVTTL, 0, 0, "125.0 MHz"},
    {"NET_TX_D[]", "A12 B12 A13 A14", OUT, IOSTD_2V5},
    {"NET_TX_EN", "C10", OUT, IOSTD_2V5},
    {"NET_TX_ER", "C12", OUT, IOSTD_2V5},
};
constexpr PinRow kPowerMonitor[] = {
    {"PM_I2C_SCL", "E8", OUT, IOSTD_3V3_LVTTL},
    {"PM_I2C_SDA", "E9", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kPs2[] = {
    {"PS2_CLK", "V3", IO, IOSTD_3V3_LVTTL},
    {"PS2_CLK2", "U1", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT", "P3", IO, IOSTD_3V3_LVTTL},
    {"PS2_DAT2", "R3", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHumidityAndTemperatureSensor[] = {
    {"RH_TEMP_DRDY_n", "Y19", IN, IOSTD_3V3_LVTTL},
    {"RH_TEMP_I2C_SCL", "Y18", OUT, IOSTD_3V3_LVTTL},
    {"RH_TEMP_I2C_SDA", "W18", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kMicrosdCard[] = {
    {"SD_CLK", "A16", OUT, IOSTD_2V5},
    {"SD_CMD", "C18", IO, IOSTD_2V5},
    {"SD_DATA[]", "A17 A18 B17 C17", IO, IOSTD_2V5},
};
constexpr PinRow kUartToUsb[] = {
    {"UART_RESET_n", "D15", OUT, IOSTD_2V5},
    {"UART_RX", "E16", IN, IOSTD_2V5},
    {"UART_TX", "E15", OUT, IOSTD_2V5},
};

// The groups in the order they are made.
constexpr PinGroup<BROVAN_CONFIG> kGroups[] = {
    {"CLOCK", &BROVAN_CONFIG::bOSC, kClock},
    {"KEY", &BROVAN_CONFIG::bButton, kKey},
    {"SW", &BROVAN_CONFIG::bSwitch, kSw},
    {"LEDR", &BROVAN_CONFIG::bLED, kLedr},
    {"HEX", &BROVAN_CONFIG::bHex, kHex},
    {"Audio", &BROVAN_CONFIG::bAudio, kAudio},
    {"DAC", &BROVAN_CONFIG::bDAC, kDac},
    {"DDR3 SDRAM", &BROVAN_CONFIG::bDDR3, kDdr3Sdram},
    {"QSPI Flash", &BROVAN_CONFIG::bQspiFlash, kQspiFlash},
    {"G-Sensor", &BROVAN_CONFIG::bGSensor, kGSensor},
    {"HDMI-RX", &BROVAN_CONFIG::bHdmiRx, kHdmiRx},
    {"Light Sensor", &BROVAN_CONFIG::bLightSensor, kLightSensor},
    {"MIPI CS2 Camera", &BROVAN_CONFIG::bMIPI, kMipiCs2Camera},
    {"WISTEL2", &BROVAN_CONFIG::bWistel2, kWistel2},
    {"Ethernet", &BROVAN_CONFIG::bEthernet, kEthernet},
    {"Power Monitor", &BROVAN_CONFIG::bPowerMonitor, kPowerMonitor},
    {"PS2", &BROVAN_CONFIG::bPS2, kPs2},
    {"Humidity and Temperature Sensor", &BROVAN_CONFIG::bHumiditySensor, kHumidityAndTemperatureSensor},
    {"MicroSD Card", &BROVAN_CONFIG::bSdCard, kMicrosdCard},
    {"Uart to USB", &BROVAN_CONFIG::bUart2Usb, kUartToUsb},
};

// The 2x6 header's eight signal positions.
constexpr const char* kErganHeader = "Y17 AA17 V16 W15 AB16 AA16 Y16 W16";
// clang-format on

static_assert(CountGroupPins<BROVAN_CONFIG>(kGroups) == 277);
static_assert(CountRowLocations(kSw, "SW[]") == 10);
static_assert(CountRowLocations(kLedr, "LEDR[]") == 10);
static_assert(CountRowLocations(kHex, "HEX0[]") == 7);
static_assert(CountRowLocations(kHex, "HEX1[]") == 7);
static_assert(CountRowLocations(kDdr3Sdram, "DDR3_A[]") == 15);
static_assert(CountRowLocations(kDdr3Sdram, "DDR3_DQ[]") == 24);
static_assert(CountRowLocations(kHdmiRx, "HDMI_RX_D[]") == 24);
static_assert(CountRowLocations(kMipiCs2Camera, "MIPI_PIXEL_D[]") == 24);
static_assert(CountRowLocations(kWistel2, "WISTEL2_B[]") == 8);
static_assert(CountRowLocations(kWistel2, "WISTEL2_G[]") == 8);
static_assert(CountRowLocations(kWistel2, "WISTEL2_R[]") == 8);
static_assert(CountLocations(kErganHeader) == ERGAN_PIN_NUM);

} // namespace

void CONFIG_BROVAN(TMainBoard* pBoard, const BROVAN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_BROVAN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_BROVAN");
    }
    if (Config.Size != BROVAN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(BROVAN_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);

    AddPinGroups<BROVAN_CONFIG>(*pBoard, Config, kGroups);
    if (Config.nErganDaughterId != 0) {
        // The form and the mended record hold only the list's cards.
        PINSMITH_ASSERT(Config.nErganDaughterId > 0 && Config.nErganDaughterId < 256);
        const CardId card = MakeCardId(Config.nErganDaughterId);
        auto header =
            MakeExpansionConnector("Ergan 2x6 GPIO Header",
                                   platform::Format("Ergan connect to %s", BoardName(card).c_str()),
                                   CONNECTOR_ERGAN_2x6, CONNECTOR_ID_ERGAN);
        const int count = AddHeaderPositions(*header, kErganHeader, IOSTD_3V3_LVTTL);
        PINSMITH_ASSERT(count == ERGAN_PIN_NUM);
        for (int i = 0; i < count; ++i) {
            header->GetPin(i)->SetName(platform::Format("GPIO[%d]", i));
        }
        pBoard->AddConnector(std::move(header));
    }
}
