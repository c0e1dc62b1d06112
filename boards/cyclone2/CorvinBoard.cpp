// The Corvin board (board id 3): a Cyclone II board with twenty peripheral groups and two 40-pin
// GPIO headers. Both headers offer the cards of one list (40-pin and 80-pin cards at 2.5 V); the
// card pins take 3.3-V LVTTL whatever the card's voltage class.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone2/CONFIG_CORVIN.h"
#include "boards/cyclone2/CorvinConfig.h"
#include "boards/cyclone2/CorvinId.h"

#include <cstddef>

extern const BoardText kCorvinText;

namespace corvin {
namespace {

constexpr std::size_t kPeripherals[] = {
    offsetof(CORVIN_CONFIG, bOSC),    offsetof(CORVIN_CONFIG, bLED),
    offsetof(CORVIN_CONFIG, bSeg7),   offsetof(CORVIN_CONFIG, bButton),
    offsetof(CORVIN_CONFIG, bSwitch), offsetof(CORVIN_CONFIG, bPS2),
    offsetof(CORVIN_CONFIG, bSDCARD), offsetof(CORVIN_CONFIG, bVGA),
    offsetof(CORVIN_CONFIG, bLCD),    offsetof(CORVIN_CONFIG, bSDRAM),
    offsetof(CORVIN_CONFIG, bFlash),  offsetof(CORVIN_CONFIG, bRS232),
    offsetof(CORVIN_CONFIG, bSRAM),   offsetof(CORVIN_CONFIG, bSma),
    offsetof(CORVIN_CONFIG, bAudio),  offsetof(CORVIN_CONFIG, bEthernet),
    offsetof(CORVIN_CONFIG, bIR),     offsetof(CORVIN_CONFIG, bTvDecode),
    offsetof(CORVIN_CONFIG, bUSB),
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(CORVIN_CONFIG, nGpioDaughterId), offsetof(CORVIN_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(CORVIN_CONFIG, nGpioDaughterId) + 1,
     offsetof(CORVIN_CONFIG, szGpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_CORVIN(board, RecordAs<CORVIN_CONFIG>(bytes));
}

} // namespace
} // namespace corvin

extern const BoardDef kCorvinBoard{
    .id = MAINBOARD_CORVIN,
    .title = "Corvin FPGA Board",
    .selectorLine = "Corvin FPGA Board",
    .selectorPicture = "CORVIN_400_BITMAP",
    .folderWord = corvin::kFolderWord,
    .defaultProjectName = corvin::kDefaultProjectName,
    .text = &kCorvinText,
    .record = {.size = sizeof(CORVIN_CONFIG)},
    .peripherals = corvin::kPeripherals,
    .ports = corvin::kPorts,
    .pair = {corvin::GPIO_0, corvin::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .fill = corvin::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kCorvinBoard};
} // namespace
