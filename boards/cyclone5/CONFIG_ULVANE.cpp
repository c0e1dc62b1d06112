#include "boards/cyclone5/CONFIG_ULVANE.h"

#include "boards/PinTable.h"
#include "boards/cyclone5/SocPins.h"
#include "boards/cyclone5/UlvaneId.h"
#include "model/Connector.h"
#include "platform/Assert.h"

#include <memory>
#include <span>

using namespace socpins;

namespace {

struct GroupRow {
    const char* name;
    std::uint8_t ULVANE_CONFIG::*option;
    std::span<const PinTable> tables;
};

// clang-format off
constexpr PinRow kRzq[] = {
    {"HPS_DDR3_RZQ", "~", IN, IOSTD_1V5},
};
constexpr PinRow kSwitches[] = {
    {"SW[]", "L10 L9 H6 H5", IN, LVTTL},
};

constexpr PinTable kAdcTables[] = {{"ADC", kAdc}};
constexpr PinTable kArduinoTables[] = {{"ARDUINO", kArduino}};
constexpr PinTable kClockTables[] = {{"CLOCK", kClock}};
constexpr PinTable kHpsTables[] = {{"HPS", kHpsBeforeRzq}, {"HPS", kRzq}, {"HPS", kHpsAfterRzq}};
constexpr PinTable kKeyTables[] = {{"KEY", kKey}};
constexpr PinTable kLedTables[] = {{"LED", kLed}};
constexpr PinTable kSwTables[] = {{"SW", kSwitches}};

// The groups in the order they are created (by name, not by check box).
constexpr GroupRow kGroups[] = {
    {"ADC", &ULVANE_CONFIG::ADC, kAdcTables},
    {"ARDUINO", &ULVANE_CONFIG::Arduino, kArduinoTables},
    {"CLOCK", &ULVANE_CONFIG::OSC, kClockTables},
    {"HPS", &ULVANE_CONFIG::HPS, kHpsTables},
    {"KEY", &ULVANE_CONFIG::Button, kKeyTables},
    {"LED", &ULVANE_CONFIG::LED, kLedTables},
    {"SW", &ULVANE_CONFIG::Switch, kSwTables},
};

// Header positions 1..40 -> FPGA pins; "-" is a position without a signal.
constexpr const char* kGpioHeaders[2] = {
    "V12 AF7 W12 AF8 Y8 AB4 W8 Y4 Y5 U11 - - T8 T12 AH5 AH6 AH4 AG5 AH3 AH2 "
    "AF4 AG6 AF5 AE4 T13 T11 AE7 AF6 - - AF9 AE8 AD10 AE9 AD11 AF10 AD12 AE11 AF11 AE12",
    "Y15 AG28 AA15 AH27 AG26 AH24 AF23 AE22 AF21 AG20 - - AG19 AF20 AC23 AG18 AH26 AA19 AG24 AF25 "
    "AH23 AG23 AE19 AF18 AD19 AE20 AE24 AD20 - - AF22 AH22 AH19 AH21 AG21 AH18 AD23 AE23 AA18 AC22",
};
// clang-format on

} // namespace

void CONFIG_Ulvane(TMainBoard* pBoard, const ULVANE_CONFIG& Config) {
    PINSMITH_ASSERT(pBoard != nullptr);
    pBoard->m_BoardId = static_cast<BoardId>(Config.BoardId);
    if (Config.BoardId != BoardNumber(MAINBOARD_ULVANE)) {
        PINSMITH_FAIL("Config.BoardId == MAINBOARD_ULVANE");
    }
    if (Config.Size != ULVANE_CONFIG::kSize) {
        PINSMITH_FAIL("Config.Size == sizeof(ULVANE_CONFIG)");
    }

    pBoard->ClearConnectors();
    pBoard->m_Family = "Cyclone V";
    pBoard->m_Device = "5CSEMA4U23C6";
    pBoard->m_PinCount = 672;
    pBoard->m_Package = "UFBGA";
    pBoard->m_SpeedGrade = 0;
    pBoard->m_SpeedGradeText = "6";

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
