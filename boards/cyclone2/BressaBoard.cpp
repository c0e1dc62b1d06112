// The Bressa board (board id 2): a Cyclone II board with fourteen peripheral groups and two 40-pin
// GPIO headers. Both headers offer the cards of one list (40-pin and 80-pin cards at 2.5 V); the
// card pins take 3.3-V LVTTL whatever the card's voltage class.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone2/BressaConfig.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CONFIG_BRESSA.h"

#include <cstddef>

extern const BoardText kBressaText;

namespace bressa {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(BRESSA_CONFIG, bOSC), "OSC"},       {offsetof(BRESSA_CONFIG, bLED), "LED"},
    {offsetof(BRESSA_CONFIG, bSeg7), "Seg7"},     {offsetof(BRESSA_CONFIG, bButton), "Button"},
    {offsetof(BRESSA_CONFIG, bSwitch), "Switch"}, {offsetof(BRESSA_CONFIG, bPS2), "PS2"},
    {offsetof(BRESSA_CONFIG, bSDCARD), "SDCARD"}, {offsetof(BRESSA_CONFIG, bVGA), "VGA"},
    {offsetof(BRESSA_CONFIG, bSDRAM), "SDRAM"},   {offsetof(BRESSA_CONFIG, bFlash), "Flash"},
    {offsetof(BRESSA_CONFIG, bRS232), "RS232"},   {offsetof(BRESSA_CONFIG, bSRAM), "SRAM"},
    {offsetof(BRESSA_CONFIG, bSma), "Sma"},       {offsetof(BRESSA_CONFIG, bAudio), "Audio"},
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(BRESSA_CONFIG, nGpioDaughterId), offsetof(BRESSA_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(BRESSA_CONFIG, nGpioDaughterId) + 1,
     offsetof(BRESSA_CONFIG, szGpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_BRESSA(board, RecordAs<BRESSA_CONFIG>(bytes));
}

} // namespace
} // namespace bressa

extern const BoardDef kBressaBoard{
    .id = MAINBOARD_BRESSA,
    .title = "Bressa FPGA Board",
    .selectorLine = "Bressa FPGA Board",
    .selectorPicture = "BRESSA_400_BITMAP",
    .folderWord = bressa::kFolderWord,
    .defaultProjectName = bressa::kDefaultProjectName,
    .text = &kBressaText,
    .record = {.size = sizeof(BRESSA_CONFIG)},
    .peripherals = bressa::kPeripherals,
    .ports = bressa::kPorts,
    .pair = {bressa::GPIO_0, bressa::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .fill = bressa::Fill,
    .cardRules = {.gpioDefault = GpioDefaultNaming::ClockedDataBus},
};

namespace {
const BoardRegistrar kRegistrar{kBressaBoard};
} // namespace
