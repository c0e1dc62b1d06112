// The Wendal board (board id 25): a Cyclone V E board with nine peripheral
// groups and two 40-pin GPIO headers, with a batch that generates every card
// of the headers' list. It has no writer text of its own: its VGA group has
// no clock output (no VGA_CLK), so its timing file declares no VGA clock.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_WENDAL.h"
#include "boards/cyclone5/GpioHeaderPair.h"
#include "boards/cyclone5/WendalConfig.h"
#include "boards/cyclone5/WendalId.h"

#include <cstddef>

namespace wendal {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(WENDAL_CONFIG, OSC), "OSC"},       {offsetof(WENDAL_CONFIG, LED), "LED"},
    {offsetof(WENDAL_CONFIG, Button), "Button"}, {offsetof(WENDAL_CONFIG, Switch), "Switch"},
    {offsetof(WENDAL_CONFIG, VGA), "VGA"},       {offsetof(WENDAL_CONFIG, SDRAM), "SDRAM"},
    {offsetof(WENDAL_CONFIG, Seg7), "Seg7"},     {offsetof(WENDAL_CONFIG, PS2), "PS2"},
    {offsetof(WENDAL_CONFIG, SdCard), "SdCard"},
};

constexpr auto kPorts = gpiopair::Ports<WENDAL_CONFIG>();

// Every card on both headers at once, told apart by the prefixes; the
// 80-pin card on the pair without a prefix.
constexpr BatchPass kBatch[] = {
    {.port = GPIO_0, .word = "GPIO", .pairPrefix0 = "GPIO_0_", .pairPrefix1 = "GPIO_1_"},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_WENDAL(board, RecordAs<WENDAL_CONFIG>(bytes));
}

} // namespace
} // namespace wendal

extern const BoardDef kWendalBoard{
    .id = MAINBOARD_WENDAL,
    .title = "Wendal Board",
    .selectorLine = "Wendal Board",
    .selectorPicture = "WENDAL_BITMAP",
    .folderWord = kWendalWord,
    .defaultProjectName = kWendalWord,
    .record = {.size = sizeof(WENDAL_CONFIG)},
    .peripherals = wendal::kPeripherals,
    .ports = wendal::kPorts,
    .pair = gpiopair::kPair,
    .bothDefaultCards = gpiopair::kBothDefault,
    .batch = wendal::kBatch,
    .fill = wendal::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kWendalBoard};
} // namespace
