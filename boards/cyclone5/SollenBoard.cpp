// The Sollen board (board id 21): a Cyclone V SoC board with twelve
// peripheral groups on the FPGA side, the hard processor system's pins and
// two 40-pin GPIO headers.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_SOLLEN.h"
#include "boards/cyclone5/GpioHeaderPair.h"
#include "boards/cyclone5/SollenConfig.h"
#include "boards/cyclone5/SollenId.h"

#include <cstddef>

extern const BoardText kSollenText;

namespace sollen {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(SOLLEN_CONFIG, OSC), "OSC"},       {offsetof(SOLLEN_CONFIG, LED), "LED"},
    {offsetof(SOLLEN_CONFIG, Button), "Button"}, {offsetof(SOLLEN_CONFIG, Switch), "Switch"},
    {offsetof(SOLLEN_CONFIG, VGA), "VGA"},       {offsetof(SOLLEN_CONFIG, SDRAM), "SDRAM"},
    {offsetof(SOLLEN_CONFIG, Audio), "Audio"},   {offsetof(SOLLEN_CONFIG, VideoIn), "VideoIn"},
    {offsetof(SOLLEN_CONFIG, ADC), "ADC"},       {offsetof(SOLLEN_CONFIG, Seg7), "Seg7"},
    {offsetof(SOLLEN_CONFIG, IR), "IR"},         {offsetof(SOLLEN_CONFIG, PS2), "PS2"},
    {offsetof(SOLLEN_CONFIG, HPS), "HPS"},
};

constexpr auto kPorts = gpiopair::Ports<SOLLEN_CONFIG>();

// Every group is on by default except the HPS.
void SetDefaults(RecordSpan bytes) {
    bytes[offsetof(SOLLEN_CONFIG, HPS)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_SOLLEN(board, RecordAs<SOLLEN_CONFIG>(bytes));
}

} // namespace
} // namespace sollen

extern const BoardDef kSollenBoard{
    .id = MAINBOARD_SOLLEN,
    .title = "Sollen Board",
    .selectorLine = "Sollen Board",
    .selectorPicture = "SOLLEN_BITMAP",
    .folderWord = kSollenWord,
    .defaultProjectName = kSollenWord,
    .text = &kSollenText,
    .record = {.size = sizeof(SOLLEN_CONFIG)},
    .peripherals = sollen::kPeripherals,
    .ports = sollen::kPorts,
    .pair = gpiopair::kPair,
    .bothDefaultCards = gpiopair::kBothDefault,
    .setDefaults = sollen::SetDefaults,
    .fill = sollen::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kSollenBoard};
} // namespace
