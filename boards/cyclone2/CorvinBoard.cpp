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

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(CORVIN_CONFIG, bOSC), "OSC"},       {offsetof(CORVIN_CONFIG, bLED), "LED"},
    {offsetof(CORVIN_CONFIG, bSeg7), "Seg7"},     {offsetof(CORVIN_CONFIG, bButton), "Button"},
    {offsetof(CORVIN_CONFIG, bSwitch), "Switch"}, {offsetof(CORVIN_CONFIG, bPS2), "PS2"},
    {offsetof(CORVIN_CONFIG, bSDCARD), "SDCARD"}, {offsetof(CORVIN_CONFIG, bVGA), "VGA"},
    {offsetof(CORVIN_CONFIG, bLCD), "LCD"},       {offsetof(CORVIN_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(CORVIN_CONFIG, bFlash), "Flash"},   {offsetof(CORVIN_CONFIG, bRS232), "RS232"},
    {offsetof(CORVIN_CONFIG, bSRAM), "SRAM"},     {offsetof(CORVIN_CONFIG, bSma), "Sma"},
    {offsetof(CORVIN_CONFIG, bAudio), "Audio"},   {offsetof(CORVIN_CONFIG, bEthernet), "Ethernet"},
    {offsetof(CORVIN_CONFIG, bIR), "IR"},         {offsetof(CORVIN_CONFIG, bTvDecode), "TvDecode"},
    {offsetof(CORVIN_CONFIG, bUSB), "USB"},
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
