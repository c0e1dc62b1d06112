// The Dravel board (board id 32): a MAX 10 board with nine peripheral
// groups and one 40-pin GPIO header. Its settings class is TConfigDravel,
// whose record holds its size before its board id. The header's positions
// keep 3.3-V LVTTL whatever the card's map gives.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/max10/CONFIG_DRAVEL.h"
#include "boards/max10/ConfigDravel.h"
#include "boards/max10/DravelId.h"

#include <cstddef>

namespace dravel {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(DRAVEL_CONFIG, bOSC), "OSC"},
    {offsetof(DRAVEL_CONFIG, bLED), "LED"},
    {offsetof(DRAVEL_CONFIG, bButton), "Button"},
    {offsetof(DRAVEL_CONFIG, bSwitch), "Switch"},
    {offsetof(DRAVEL_CONFIG, bAccelerometer), "Accelerometer"},
    {offsetof(DRAVEL_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(DRAVEL_CONFIG, bVGA), "VGA"},
    {offsetof(DRAVEL_CONFIG, bSeg7), "Seg7"},
    {offsetof(DRAVEL_CONFIG, bArduino), "Arduino"},
};

// The card's map is filled at 2.5 V; the header keeps its own standard.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::BoardClass, CONNECTOR_GPIO40, false,
     VOLTAGE_2V5, offsetof(DRAVEL_CONFIG, nGpioDaughterId),
     offsetof(DRAVEL_CONFIG, szGpioPrefixName), CONNECTOR_ID_GPIO_0, IOSTD_2V5},
};

// One project per card of the header's list, each with the prefix "GPIO".
constexpr BatchPass kBatch[] = {
    {.port = 0, .word = "GPIO", .portPrefix = "GPIO"},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_DRAVEL(board, RecordAs<DRAVEL_CONFIG>(bytes));
}

} // namespace
} // namespace dravel

extern const BoardDef kDravelBoard{
    .id = MAINBOARD_DRAVEL,
    .title = "Dravel Kit",
    .selectorLine = "Dravel KIT",
    .selectorPicture = "DRAVEL_BITMAP",
    .folderWord = dravel::kFolderWord,
    .defaultProjectName = dravel::kDefaultProjectName,
    .record = {.size = sizeof(DRAVEL_CONFIG),
               .boardIdOffset = offsetof(DRAVEL_CONFIG, BoardId),
               .sizeOffset = offsetof(DRAVEL_CONFIG, Size),
               .projectNameOffset = offsetof(DRAVEL_CONFIG, ProjectName)},
    .peripherals = dravel::kPeripherals,
    .ports = dravel::kPorts,
    .batch = dravel::kBatch,
    .fill = dravel::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kDravelBoard};
} // namespace
