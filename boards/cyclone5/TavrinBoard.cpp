// The Tavrin board (board id 22): a Cyclone V SoC board with fourteen
// peripheral groups (the hard processor system's pins among them) and one
// 40-pin GPIO header, with a batch that generates every card of its list.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_TAVRIN.h"
#include "boards/cyclone5/TavrinConfig.h"
#include "boards/cyclone5/TavrinId.h"

#include <cstddef>

extern const BoardText kTavrinText;

namespace tavrin {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(TAVRIN_CONFIG, OSC), "OSC"},         {offsetof(TAVRIN_CONFIG, LED), "LED"},
    {offsetof(TAVRIN_CONFIG, Button), "Button"},   {offsetof(TAVRIN_CONFIG, Switch), "Switch"},
    {offsetof(TAVRIN_CONFIG, VGA), "VGA"},         {offsetof(TAVRIN_CONFIG, HDMI), "HDMI"},
    {offsetof(TAVRIN_CONFIG, DDR3), "DDR3"},       {offsetof(TAVRIN_CONFIG, Audio), "Audio"},
    {offsetof(TAVRIN_CONFIG, VideoIn), "VideoIn"}, {offsetof(TAVRIN_CONFIG, ADC), "ADC"},
    {offsetof(TAVRIN_CONFIG, Seg7), "Seg7"},       {offsetof(TAVRIN_CONFIG, IR), "IR"},
    {offsetof(TAVRIN_CONFIG, PS2), "PS2"},         {offsetof(TAVRIN_CONFIG, HPS), "HPS"},
};

// The header's list holds every listed 40-pin card, whatever its voltage;
// the cards take 3.3-V LVTTL.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(TAVRIN_CONFIG, GpioDaughterId), offsetof(TAVRIN_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
};

constexpr BatchPass kBatch[] = {{.port = GPIO, .word = "GPIO"}};

void SetDefaults(RecordSpan bytes) {
    bytes[offsetof(TAVRIN_CONFIG, HPS)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_TAVRIN(board, RecordAs<TAVRIN_CONFIG>(bytes));
}

} // namespace
} // namespace tavrin

extern const BoardDef kTavrinBoard{
    .id = MAINBOARD_TAVRIN,
    .title = "Tavrin Board",
    .selectorLine = "Tavrin Board",
    .selectorPicture = "TAVRIN_BITMAP",
    .folderWord = kTavrinWord,
    .defaultProjectName = kTavrinWord,
    .text = &kTavrinText,
    .record = {.size = sizeof(TAVRIN_CONFIG)},
    .peripherals = tavrin::kPeripherals,
    .ports = tavrin::kPorts,
    .batch = tavrin::kBatch,
    .setDefaults = tavrin::SetDefaults,
    .fill = tavrin::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kTavrinBoard};
} // namespace
