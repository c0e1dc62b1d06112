// The Jorkel board (board id 50): a Cyclone III board with five peripheral
// groups and one HSMC connector. Every bank the connector reaches is a
// 2.5-V bank, so the card list is the one for 2.5 V and the cards' pins
// that follow the caller take 2.5 V. No default prefix: an empty prefix
// leaves the card's names as the card gives them.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone3/CONFIG_JORKEL.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "boards/cyclone3/JorkelId.h"

#include <cstddef>

extern const BoardText kJorkelText;

namespace jorkel {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(JORKEL_CONFIG, bOSC), "OSC"},
    {offsetof(JORKEL_CONFIG, bLED), "LED"},
    {offsetof(JORKEL_CONFIG, bButton), "Button"},
    {offsetof(JORKEL_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(JORKEL_CONFIG, bFlashSSRAM), "FlashSSRAM"},
};

constexpr BoardCardPort kPorts[] = {
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, false, VOLTAGE_2V5,
     offsetof(JORKEL_CONFIG, nHsmcDaughterId), offsetof(JORKEL_CONFIG, szHSMCPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_JORKEL(board, RecordAs<JORKEL_CONFIG>(bytes));
}

} // namespace
} // namespace jorkel

extern const BoardDef kJorkelBoard{
    .id = MAINBOARD_JORKEL,
    .title = "Jorkel",
    .selectorLine = "Jorkel",
    .selectorPicture = "JORKEL_400_BITMAP",
    .folderWord = jorkel::kFolderWord,
    .defaultProjectName = jorkel::kDefaultProjectName,
    .text = &kJorkelText,
    .record = {.size = sizeof(JORKEL_CONFIG)},
    .peripherals = jorkel::kPeripherals,
    .ports = jorkel::kPorts,
    .fill = jorkel::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kJorkelBoard};
} // namespace
