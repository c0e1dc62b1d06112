#include "boards/max10/CONFIG_YELDEN.h"

#include "boards/PinGroups.h"
#include "boards/PinTable.h"
#include "boards/cyclone5/OptionGroups.h"
#include "boards/max10/BbbPinout.h"
#include "boards/max10/YeldenId.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>
#include <span>
#include <string>

using namespace yelden;

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

constexpr FpgaData kFpga = {"MAX 10 FPGA", "10M50DAF484C6GES", "FBGA", 484, "6"};

// The pins of revision C; kRevisionChanges and kGSensorRevAB give the
// earlier revisions. "~": a pin the fitter places.
// clang-format off
constexpr PinRow kClock[] = {
    {"ADC_CLK_10", "M9", IN, IOSTD_2V5, 0, 0, "10.0 MHz"},
    {"MAX10_CLK1_50", "M8", IN, IOSTD_2V5, 0, 0, "50.0 MHz"},
    {"MAX10_CLK2_50", "P11", IN, IOSTD_3V3_LVTTL, 0, 0, "50.0 MHz"},
};
constexpr PinRow kKey[] = {
    {"KEY[]", "H21 H22", IN, IOSTD_1V5_SCHMITT},
};
constexpr PinRow kLed[] = {
    {"LED[]", "C7 C8 A6 B7 C4 A5 B4 C5", OUT, IOSTD_1V2},
};
constexpr PinRow kCapButton[] = {
    {"CAP_SENSE_I2C_SCL", "AB2", IO, IOSTD_3V3_LVTTL},
    {"CAP_SENSE_I2C_SDA", "AB3", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kAudio[] = {
    {"AUDIO_BCLK", "R14", IO, IOSTD_1V5},
    {"AUDIO_DIN_MFP1", "P15", OUT, IOSTD_1V5},
    {"AUDIO_DOUT_MFP2", "P18", IN, IOSTD_1V5},
    {"AUDIO_GPIO_MFP5", "M22", IO, IOSTD_1V5},
    {"AUDIO_MCLK", "P14", OUT, IOSTD_1V5},
    {"AUDIO_MISO_MFP4", "N21", IN, IOSTD_1V5},
    {"AUDIO_RESET_n", "M21", IO, IOSTD_1V5},
    {"AUDIO_SCLK_MFP3", "P19", OUT, IOSTD_1V5},
    {"AUDIO_SCL_SS_n", "P20", OUT, IOSTD_1V5},
    {"AUDIO_SDA_MOSI", "P21", IO, IOSTD_1V5},
    {"AUDIO_SPI_SELECT", "N22", OUT, IOSTD_1V5},
    {"AUDIO_WCLK", "R15", IO, IOSTD_1V5},
};
constexpr PinRow kSdram[] = {
    {"DDR3_A[]", "E21 V20 V21 C20 Y21 J14 V18 U20 Y20 W22 C22 Y22 N18 V22 W20", OUT, IOSTD_SSTL15_I},
    {"DDR3_BA[]", "D19 W19 F19", OUT, IOSTD_SSTL15_I},
    {"DDR3_CAS_n", "E20", OUT, IOSTD_SSTL15_I},
    {"DDR3_CKE", "B22", OUT, IOSTD_SSTL15_I},
    {"DDR3_CK_n", "E18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CK_p", "D18", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_CLK_50", "N15", IN, IOSTD_1V5},
    {"DDR3_CS_n", "F22", OUT, IOSTD_SSTL15_I},
    {"DDR3_DM[]", "N19 J15", OUT, IOSTD_SSTL15_I},
    {"DDR3_DQ[]", "L20 L19 L18 M15 M18 M14 M20 N20 K19 K18 J18 K20 H18 J20 H20 H19", IO, IOSTD_SSTL15_I},
    {"DDR3_DQS_n[]", "~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_DQS_p[]", "L14 K14", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"DDR3_ODT", "G22", OUT, IOSTD_SSTL15_I},
    {"DDR3_RAS_n", "D22", OUT, IOSTD_SSTL15_I},
    {"DDR3_RESET_n", "U19", OUT, IOSTD_SSTL15_I},
    {"DDR3_WE_n", "E22", OUT, IOSTD_SSTL15_I},
};
constexpr PinRow kFlash[] = {
    {"FLASH_DATA[]", "P12 V4 V5 P10", IO, IOSTD_3V3_LVTTL},
    {"FLASH_DCLK", "R12", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_NCSO", "R10", OUT, IOSTD_3V3_LVTTL},
    {"FLASH_RESET_n", "W10", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kGSensor[] = {
    {"G_SENSOR_CS_n", "E9", OUT, IOSTD_1V2},
    {"G_SENSOR_SCLK", "B5", IO, IOSTD_1V2},
    {"G_SENSOR_INT1", "E8", IN, IOSTD_1V2},
    {"G_SENSOR_SDO", "D5", IO, IOSTD_1V2},
    {"G_SENSOR_INT2", "D7", IN, IOSTD_1V2},
    {"G_SENSOR_SDI", "C6", IO, IOSTD_1V2},
};
constexpr PinRow kHdmiTx[] = {
    {"HDMI_I2C_SCL", "C10", IO, IOSTD_1V8},
    {"HDMI_I2C_SDA", "B15", IO, IOSTD_1V8},
    {"HDMI_I2S[]", "A9 A11 A8 B8", IO, IOSTD_1V8},
    {"HDMI_LRCLK", "A10", IO, IOSTD_1V8},
    {"HDMI_MCLK", "A7", IO, IOSTD_1V8},
    {"HDMI_SCLK", "D12", IO, IOSTD_1V8},
    {"HDMI_TX_CLK", "A20", OUT, IOSTD_1V8},
    {"HDMI_TX_D[]", "C18 D17 C17 C19 D14 B19 D13 A19 C14 A17 B16 C15 A14 A15 A12 A16 A13 C16 C12 B17 B12 B14 A18 C13", OUT, IOSTD_1V8},
    {"HDMI_TX_DE", "C9", OUT, IOSTD_1V8},
    {"HDMI_TX_HS", "B11", OUT, IOSTD_1V8},
    {"HDMI_TX_INT", "B10", IN, IOSTD_1V8},
    {"HDMI_TX_VS", "C11", OUT, IOSTD_1V8},
};
constexpr PinRow kLightSensor[] = {
    {"LIGHT_I2C_SCL", "Y8", OUT, IOSTD_3V3_LVTTL},
    {"LIGHT_I2C_SDA", "AA8", IO, IOSTD_3V3_LVTTL},
    {"LIGHT_INT", "AA9", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kMipi[] = {
    {"MIPI_CORE_EN", "V3", OUT, IOSTD_2V5},
    {"MIPI_I2C_SCL", "M1", OUT, IOSTD_2V5},
    {"MIPI_I2C_SDA", "M2", IO, IOSTD_2V5},
    {"MIPI_LP_MC_n", "E10", IN, IOSTD_1V2},
    {"MIPI_LP_MC_p", "E11", IN, IOSTD_1V2},
    {"MIPI_LP_MD_n[]", "A3 C2 B2 A2", IN, IOSTD_1V2},
    {"MIPI_LP_MD_p[]", "A4 C3 B1 B3", IN, IOSTD_1V2},
    {"MIPI_MCLK", "U3", OUT, IOSTD_2V5},
    {"MIPI_MC_p", "N5", IN, IOSTD_LVDS},
    {"MIPI_MD_p[]", "R2 N1 T2 N2", IN, IOSTD_LVDS},
    {"MIPI_RESET_n", "T3", OUT, IOSTD_2V5},
    {"MIPI_WP", "U1", OUT, IOSTD_2V5},
};
constexpr PinRow kEthernet[] = {
    {"NET_COL", "R4", IN, IOSTD_2V5},
    {"NET_CRS", "P5", IN, IOSTD_2V5},
    {"NET_MDC", "R5", OUT, IOSTD_2V5},
    {"NET_MDIO", "N8", IO, IOSTD_2V5},
    {"NET_PCF_EN", "V9", OUT, IOSTD_3V3_LVTTL},
    {"NET_RESET_n", "R3", OUT, IOSTD_2V5},
    {"NET_RXD[]", "U5 U4 R7 P8", IN, IOSTD_2V5},
    {"NET_RX_CLK", "T6", IN, IOSTD_2V5, 0, 0, "25.0 MHz"},
    {"NET_RX_DV", "P4", IN, IOSTD_2V5},
    {"NET_RX_ER", "V1", IN, IOSTD_2V5},
    {"NET_TXD[]", "U2 W1 N9 W2", OUT, IOSTD_2V5},
    {"NET_TX_CLK", "T5", IN, IOSTD_2V5, 0, 0, "25.0 MHz"},
    {"NET_TX_EN", "P3", OUT, IOSTD_2V5},
};
constexpr PinRow kPowerMonitor[] = {
    {"PMONITOR_ALERT", "Y4", IN, IOSTD_3V3_LVTTL},
    {"PMONITOR_I2C_SCL", "Y3", OUT, IOSTD_3V3_LVTTL},
    {"PMONITOR_I2C_SDA", "Y1", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kHumiditySensor[] = {
    {"RH_TEMP_DRDY_n", "AB9", IN, IOSTD_3V3_LVTTL},
    {"RH_TEMP_I2C_SCL", "Y10", OUT, IOSTD_3V3_LVTTL},
    {"RH_TEMP_I2C_SDA", "AA10", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSdCard[] = {
    {"SD_CLK", "T20", OUT, IOSTD_1V5},
    {"SD_CMD", "T21", IO, IOSTD_1V5},
    {"SD_CMD_DIR", "U22", OUT, IOSTD_1V5},
    {"SD_D0_DIR", "T22", OUT, IOSTD_1V5},
    {"SD_D123_DIR", "U21", IO, IOSTD_1V5},
    {"SD_DAT[]", "R18 T18 T19 R20", IO, IOSTD_1V5},
    {"SD_FB_CLK", "R22", IN, IOSTD_1V5},
    {"SD_SEL", "P13", OUT, IOSTD_3V3_LVTTL},
};
constexpr PinRow kSwitch[] = {
    {"SW[]", "J21 J22", IN, IOSTD_1V5_SCHMITT},
};
constexpr PinRow kTempSensor[] = {
    {"TEMP_CS_n", "AB4", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_SC", "AA1", OUT, IOSTD_3V3_LVTTL},
    {"TEMP_SIO", "Y2", IO, IOSTD_3V3_LVTTL},
};
constexpr PinRow kUsb[] = {
    {"USB_CLKIN", "H11", IN, IOSTD_1V2, 0, 0, "60.0 MHz"},
    {"USB_CS", "J11", OUT, IOSTD_1V8},
    {"USB_DATA[]", "E12 E13 H13 E14 H14 D15 E15 F15", IO, IOSTD_1V8},
    {"USB_DIR", "J13", IN, IOSTD_1V8},
    {"USB_FAULT_n", "D8", IN, IOSTD_1V2},
    {"USB_NXT", "H12", IN, IOSTD_1V8},
    {"USB_RESET_n", "E16", OUT, IOSTD_1V8},
    {"USB_STP", "J12", OUT, IOSTD_1V8},
};
// Revisions A and B: two pins in place of the six.
constexpr PinRow kGSensorRevAB[] = {
    {"GSENSOR_PD", "AB5", OUT, IOSTD_3V3_LVTTL},
    {"GSENSOR_ST", "AA5", OUT, IOSTD_3V3_LVTTL},
};
// clang-format on

// A pin that an earlier revision has elsewhere: it keeps its place in its
// group.
struct RevisionChange {
    bool revisionA;
    bool revisionB;
    const char* name;
    const char* location;
    IoStd ioStandard;
};
constexpr RevisionChange kRevisionChanges[] = {
    {true, true, "DDR3_A[3]", "F18", IOSTD_SSTL15_I},
    {true, true, "DDR3_BA[0]", "E19", IOSTD_SSTL15_I},
    {true, true, "DDR3_CS_n", "F20", IOSTD_SSTL15_I},
    {true, true, "DDR3_ODT", "F21", IOSTD_SSTL15_I},
    {true, false, "HDMI_TX_CLK", "D6", IOSTD_1V2},
};

// The groups in the order they are made; the G-Sensor group depends on the
// revision.
constexpr PinGroup<YELDEN_CONFIG> kGroups[] = {
    {"CLOCK", &YELDEN_CONFIG::bOSC, kClock},
    {"KEY", &YELDEN_CONFIG::bButton, kKey},
    {"LED", &YELDEN_CONFIG::bLED, kLed},
    {"CapSense Button", &YELDEN_CONFIG::bCapButton, kCapButton},
    {"Audio", &YELDEN_CONFIG::bAudio, kAudio},
    {"SDRAM", &YELDEN_CONFIG::bDDR3, kSdram},
    {"Flash", &YELDEN_CONFIG::bFlash, kFlash},
    {"G-Sensor", nullptr, kGSensor},
    {"HDMI-TX", &YELDEN_CONFIG::bHdmiTx, kHdmiTx},
    {"Light Sensor", &YELDEN_CONFIG::bLightSensor, kLightSensor},
    {"MIPI", &YELDEN_CONFIG::bMIPI, kMipi},
    {"Ethernet", &YELDEN_CONFIG::bEthernet, kEthernet},
    {"Power Monitor", &YELDEN_CONFIG::bPowerMonitor, kPowerMonitor},
    {"Humidity and Temperature Sensor", &YELDEN_CONFIG::bHumiditySensor, kHumiditySensor},
    {"MicroSD Card", &YELDEN_CONFIG::bSdCard, kSdCard},
    {"SW", &YELDEN_CONFIG::bSwitch, kSwitch},
    {"Board Temperature Sensor", &YELDEN_CONFIG::bTempSensor, kTempSensor},
    {"USB", &YELDEN_CONFIG::bUsb, kUsb},
};

static_assert(CountGroupPins<YELDEN_CONFIG>(kGroups) == 208);
static_assert(CountRowLocations(kLed, "LED[]") == 8);
static_assert(CountRowLocations(kSdram, "DDR3_A[]") == 15);
static_assert(CountRowLocations(kSdram, "DDR3_DQ[]") == 16);
static_assert(CountRowLocations(kHdmiTx, "HDMI_TX_D[]") == 24);
static_assert(CountRowLocations(kUsb, "USB_DATA[]") == 8);

// FPGA locations of header pins 1..46 of P8 and P9; "-": no FPGA pin.
// clang-format off
constexpr const char* kP8Locations =
    "- - W18 Y18 Y19 AA17 AA20 AA19 AB21 AB20 AB19 Y16 V16 AB18 V15 W17 AB17 AA16 AB16 W16 "
    "AB15 W15 Y14 AA15 AB14 AA14 AB13 AA13 AB12 AA12 AB11 AA11 AB10 Y13 Y11 W13 W12 W11 V12 V11 "
    "V13 V14 Y17 W14 U15 R13";
constexpr const char* kP9Locations =
    "- - - - - - - - - - Y5 Y6 W6 W7 W8 V8 AB8 V7 R11 AB7 AB6 AA7 AA6 Y7 V10 U7 W9 W5 R9 W4 "
    "P9 - - - - - - - - - V17 W3 - - - -";
// Pins the header group ends with in every mode.
constexpr PinRow kBbbTail[] = {
    {"BBB_PWR_BUT", "U6", IN, IOSTD_3V3_LVTTL},
    {"BBB_SYS_RESET_n", "AA2", IN, IOSTD_3V3_LVTTL},
};
// clang-format on
static_assert(CountLocations(kP8Locations) == kBbbPinCount);
static_assert(CountLocations(kP9Locations) == kBbbPinCount);

std::vector<std::string> Locations(std::string_view list) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t end = std::min(list.find(' ', at), list.size());
        if (end > at) {
            words.emplace_back(list.substr(at, end - at));
        }
        at = end + 1;
    }
    return words;
}

bool IsRevisionA(std::int32_t revision) {
    return revision == kRevisionA;
}
bool IsRevisionAOrB(std::int32_t revision) {
    return revision == kRevisionA || revision == kRevisionB;
}

TPin* FindPin(TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        TConnector& group = *board.GetConnector(i);
        for (int j = 0; j < group.GetPinCount(); ++j) {
            TPin* pin = group.GetPin(j);
            if (pin && pin->GetName() == name) {
                return pin;
            }
        }
    }
    return nullptr;
}

void ApplyRevision(TMainBoard& board, std::int32_t revision) {
    for (const RevisionChange& change : kRevisionChanges) {
        const bool applies = (change.revisionA && IsRevisionA(revision)) ||
                             (change.revisionB && revision == kRevisionB);
        if (!applies) {
            continue;
        }
        if (TPin* pin = FindPin(board, change.name)) {
            pin->SetLocation(change.location);
            pin->SetIoStandard(change.ioStandard);
        }
    }
}

// The header group: P8 then P9, the located pins of the mode, then the two
// board pins.
void AddBbbGroup(TMainBoard& board, std::uint8_t modeIndex) {
    auto group = std::make_unique<TConnector>("BBB Conector", "", CONNECTOR_NONE, -1);
    const auto lookupMode =
        static_cast<std::uint8_t>(modeIndex == kModeWifiBle ? BBB_MODE_WIFI_BLE : BBB_MODE_7);
    const char* const headers[2] = {kP8Locations, kP9Locations};
    for (std::uint8_t header = BBB_HEADER_P8; header <= BBB_HEADER_P9; ++header) {
        const std::vector<std::string> locations = Locations(headers[header]);
        PINSMITH_ASSERT(static_cast<int>(locations.size()) == kBbbPinCount);
        int located = 0;
        for (int index = 1; index <= kBbbPinCount; ++index) {
            const std::string& location = locations[static_cast<std::size_t>(index - 1)];
            if (location == "-") {
                continue;
            }
            if (modeIndex == kModeDefault) {
                group->AddPin(
                    std::make_unique<TPin>(platform::Format("GPIO%d_D[%d]", header, located++),
                                           location, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, 0.0f));
                continue;
            }
            IoStd standard = IOSTD_3V3_LVTTL;
            PinDirection direction = PIN_DIR_INOUT;
            std::string name;
            GetBbbPin(lookupMode, header, index, standard, direction, name);
            if (!name.empty()) {
                group->AddPin(std::make_unique<TPin>(name, location, direction, standard, 0.0f));
            }
        }
    }
    AddPinRows(*group, {"BBB Conector", kBbbTail});
    board.AddConnector(std::move(group));
}

} // namespace

void CONFIG_YELDEN(TMainBoard* pBoard, const YELDEN_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_YELDEN)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_YELDEN");
    }
    if (Config.Size != YELDEN_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(YELDEN_CONFIG)");
    }
    pBoard->ClearConnectors();
    SetFpgaData(*pBoard, kFpga);

    const std::int32_t revision = Config.nBoardRevIndex;
    AddPinGroups<YELDEN_CONFIG>(
        *pBoard, Config, kGroups, [&](TMainBoard& board, const PinGroup<YELDEN_CONFIG>& group) {
            // The G-Sensor group.
            if (Config.bGSensor != 0) {
                board.AddConnector(MakeGroupConnector(
                    group.name, IsRevisionAOrB(revision) ? std::span<const PinRow>(kGSensorRevAB)
                                                         : group.pins));
            }
        });
    ApplyRevision(*pBoard, revision);
    if (Config.nBbbModeIndex != kModeNone) {
        AddBbbGroup(*pBoard, Config.nBbbModeIndex);
    }
}
