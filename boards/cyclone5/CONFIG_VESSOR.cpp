#include "boards/cyclone5/CONFIG_VESSOR.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/SocPins.h"
#include "boards/cyclone5/VessorId.h"
#include "model/Connector.h"
#include "platform/Assert.h"

#include <memory>
#include <span>

using namespace socpins;

namespace {

struct GroupRow {
    const char* name;
    std::uint8_t VESSOR_CONFIG::*option;
    std::span<const PinTable> tables;
};

// clang-format off
constexpr PinRow kRzq[] = {
    {"HPS_DDR3_RZQ", "~", IN, IOSTD_SSTL15_I},
};
constexpr PinRow kHdmi[] = {
    {"HDMI_I2C_SCL", "U10", IO, LVTTL},
    {"HDMI_I2C_SDA", "AA4", IO, LVTTL},
    {"HDMI_I2S", "T13", IO, LVTTL},
    {"HDMI_LRCLK", "T11", IO, LVTTL},
    {"HDMI_MCLK", "U11", IO, LVTTL},
    {"HDMI_SCLK", "T12", IO, LVTTL},
    {"HDMI_TX_CLK", "AG5", OUT, LVTTL},
    {"HDMI_TX_D[]", "AD12 AE12 W8 Y8 AD11 AD10 AE11 Y5 AF10 Y4 AE9 AB4 AE7 AF6 AF8 AF5 "
                    "AE4 AH2 AH4 AH5 AH6 AG6 AF9 AE8", OUT, LVTTL},
    {"HDMI_TX_DE", "AD19", OUT, LVTTL},
    {"HDMI_TX_HS", "T8", OUT, LVTTL},
    {"HDMI_TX_INT", "AF11", IN, LVTTL},
    {"HDMI_TX_VS", "V13", OUT, LVTTL},
};
constexpr PinRow kSwitches[] = {
    {"SW[]", "Y24 W24 W21 W20", IN, LVTTL},
};

constexpr PinTable kAdcTables[] = {{"ADC", kAdc}};
constexpr PinTable kArduinoTables[] = {{"ARDUINO", kArduino}};
constexpr PinTable kClockTables[] = {{"CLOCK", kClock}};
constexpr PinTable kHdmiTables[] = {{"HDMI", kHdmi}};
constexpr PinTable kHpsTables[] = {{"HPS", kHpsBeforeRzq}, {"HPS", kRzq}, {"HPS", kHpsAfterRzq}};
constexpr PinTable kKeyTables[] = {{"KEY", kKey}};
constexpr PinTable kLedTables[] = {{"LED", kLed}};
constexpr PinTable kSwTables[] = {{"SW", kSwitches}};

// The groups in the order they are created (by name, not by check box).
constexpr GroupRow kGroups[] = {
    {"ADC", &VESSOR_CONFIG::ADC, kAdcTables},
    {"ARDUINO", &VESSOR_CONFIG::Arduino, kArduinoTables},
    {"CLOCK", &VESSOR_CONFIG::OSC, kClockTables},
    {"HDMI", &VESSOR_CONFIG::HdmiTx, kHdmiTables},
    {"HPS", &VESSOR_CONFIG::HPS, kHpsTables},
    {"KEY", &VESSOR_CONFIG::Button, kKeyTables},
    {"LED", &VESSOR_CONFIG::LED, kLedTables},
    {"SW", &VESSOR_CONFIG::Switch, kSwTables},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "V12 E8 W12 D11 D8 AH13 AF7 AH14 AF4 AH3 - - AD5 AG14 AE23 AE6 AD23 AE24 D12 AD20 "
    "C12 AD17 AC23 AC22 Y19 AB23 AA19 W11 - - AA18 W14 Y18 Y17 AB25 AB26 Y11 AA26 AA13 AA11",
    "Y15 AC24 AA15 AD26 AG28 AF28 AE25 AF27 AG26 AH27 - - AG25 AH26 AH24 AF25 AG23 AF23 AG24 AH22 "
    "AH21 AG21 AH23 AA20 AF22 AE22 AG20 AF21 - - AG19 AH19 AG18 AH18 AF18 AF20 AG15 AE20 AE19 AE17",
};
// clang-format on

} // namespace

void CONFIG_Vessor(TMainBoard* pBoard, const VESSOR_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_VESSOR)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_VESSOR");
    }
    if (Config.Size != VESSOR_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(VESSOR_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone V";
    pBoard->m_Device = "5CSEBA6U23I7";
    pBoard->m_PinCount = 672;
    pBoard->m_Package = "UFBGA";
    pBoard->m_SpeedGrade = 0;
    pBoard->m_SpeedGradeText = "7";

    for (const GroupRow& group : kGroups) {
        if (Config.*group.option == 0) {
            continue;
        }
        auto connector = std::make_unique<TConnector>(group.name, "", CONNECTOR_NONE, -1);
        for (const PinTable& table : group.tables) {
            AddPinRows(*connector, table);
        }
        pBoard->AddConnector(std::move(connector));
    }
    AddGpioHeaders(*pBoard, Config.nGpioDaughterId, kGpioHeaders);
}
