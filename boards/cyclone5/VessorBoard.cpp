// The Vessor board (board id 24): a Cyclone V SoC board with an HDMI
// transmitter, eight peripheral groups (the HPS pins among them) and two
// 40-pin GPIO headers that take one 40-pin card each.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_VESSOR.h"
#include "boards/cyclone5/VessorConfig.h"
#include "boards/cyclone5/VessorId.h"

#include <cstddef>

extern const BoardText kVessorText;

namespace vessor {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(VESSOR_CONFIG, OSC), "OSC"},         {offsetof(VESSOR_CONFIG, LED), "LED"},
    {offsetof(VESSOR_CONFIG, Button), "Button"},   {offsetof(VESSOR_CONFIG, Switch), "Switch"},
    {offsetof(VESSOR_CONFIG, ADC), "ADC"},         {offsetof(VESSOR_CONFIG, HPS), "HPS"},
    {offsetof(VESSOR_CONFIG, Arduino), "Arduino"}, {offsetof(VESSOR_CONFIG, HdmiTx), "HdmiTx"},
};

// Both headers show the one card list of the settings holder: 40-pin cards
// only (the voltage class plays no part for them), so the headers never
// take an 80-pin card together.
constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(VESSOR_CONFIG, nGpioDaughterId), offsetof(VESSOR_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(VESSOR_CONFIG, nGpioDaughterId) + 1,
     offsetof(VESSOR_CONFIG, GpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

// Only the plain GPIO Default card names its pins GPIO_0/GPIO_1 when both
// headers hold it without prefixes.
constexpr CardId kBothDefault[] = {CARD_GPIO_DEFAULT};

void SetDefaults(RecordSpan bytes) {
    bytes[offsetof(VESSOR_CONFIG, HPS)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_Vessor(board, RecordAs<VESSOR_CONFIG>(bytes));
}

} // namespace
} // namespace vessor

extern const BoardDef kVessorBoard{
    .id = MAINBOARD_VESSOR,
    .title = "Vessor Board",
    .selectorLine = "Vessor SoC Board",
    .selectorPicture = "VESSOR_BITMAP",
    .folderWord = vessor::kFolderWord,
    .defaultProjectName = vessor::kDefaultProjectName,
    .text = &kVessorText,
    .record = {.size = sizeof(VESSOR_CONFIG)},
    .peripherals = vessor::kPeripherals,
    .ports = vessor::kPorts,
    .pair = {vessor::GPIO_0, vessor::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .bothDefaultCards = vessor::kBothDefault,
    .setDefaults = vessor::SetDefaults,
    .fill = vessor::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kVessorBoard};
} // namespace
