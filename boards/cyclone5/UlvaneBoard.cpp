// The Ulvane board (board id 23): a Cyclone V SoC board with seven
// peripheral groups (the HPS pins among them) and two 40-pin GPIO headers
// that take one 40-pin card each.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ULVANE.h"
#include "boards/cyclone5/UlvaneConfig.h"
#include "boards/cyclone5/UlvaneId.h"

#include <cstddef>

extern const BoardText kUlvaneText;

namespace ulvane {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(ULVANE_CONFIG, OSC), "OSC"},         {offsetof(ULVANE_CONFIG, LED), "LED"},
    {offsetof(ULVANE_CONFIG, Button), "Button"},   {offsetof(ULVANE_CONFIG, Switch), "Switch"},
    {offsetof(ULVANE_CONFIG, ADC), "ADC"},         {offsetof(ULVANE_CONFIG, HPS), "HPS"},
    {offsetof(ULVANE_CONFIG, Arduino), "Arduino"},
};

// Both headers show the one card list of the settings holder: 40-pin cards
// only (the voltage class plays no part for them), so the headers never
// take an 80-pin card together.
constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(ULVANE_CONFIG, nGpioDaughterId), offsetof(ULVANE_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(ULVANE_CONFIG, nGpioDaughterId) + 1,
     offsetof(ULVANE_CONFIG, GpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

// Only the plain GPIO Default card names its pins GPIO_0/GPIO_1 when both
// headers hold it without prefixes.
constexpr CardId kBothDefault[] = {CARD_GPIO_DEFAULT};

void SetDefaults(RecordSpan bytes) {
    bytes[offsetof(ULVANE_CONFIG, HPS)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_Ulvane(board, RecordAs<ULVANE_CONFIG>(bytes));
}

} // namespace
} // namespace ulvane

extern const BoardDef kUlvaneBoard{
    .id = MAINBOARD_ULVANE,
    .title = "Ulvane Board",
    .selectorLine = "Ulvane SoC Board",
    .selectorPicture = "ULVANE_BITMAP",
    .folderWord = ulvane::kFolderWord,
    .defaultProjectName = ulvane::kDefaultProjectName,
    .text = &kUlvaneText,
    .record = {.size = sizeof(ULVANE_CONFIG)},
    .peripherals = ulvane::kPeripherals,
    .ports = ulvane::kPorts,
    .pair = {ulvane::GPIO_0, ulvane::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .bothDefaultCards = ulvane::kBothDefault,
    .setDefaults = ulvane::SetDefaults,
    .fill = ulvane::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kUlvaneBoard};
} // namespace
