// The Dunmar board (board id 4): a Cyclone II board with twenty-two peripheral groups and two
// 40-pin GPIO headers. Both headers offer the cards of one list (40-pin and 80-pin cards at 2.5 V);
// the card pins take 3.3-V LVTTL whatever the card's voltage class.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone2/CONFIG_DUNMAR.h"
#include "boards/cyclone2/DunmarConfig.h"
#include "boards/cyclone2/DunmarId.h"

#include <cstddef>

extern const BoardText kDunmarText;

namespace dunmar {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(DUNMAR_CONFIG, bOSC), "OSC"},
    {offsetof(DUNMAR_CONFIG, bLED), "LED"},
    {offsetof(DUNMAR_CONFIG, bSeg7), "Seg7"},
    {offsetof(DUNMAR_CONFIG, bButton), "Button"},
    {offsetof(DUNMAR_CONFIG, bSwitch), "Switch"},
    {offsetof(DUNMAR_CONFIG, bPS2), "PS2"},
    {offsetof(DUNMAR_CONFIG, bSDCARD), "SDCARD"},
    {offsetof(DUNMAR_CONFIG, bVGA), "VGA"},
    {offsetof(DUNMAR_CONFIG, bLCD), "LCD"},
    {offsetof(DUNMAR_CONFIG, bSDRAM1), "SDRAM1"},
    {offsetof(DUNMAR_CONFIG, bSDRAM2), "SDRAM2"},
    {offsetof(DUNMAR_CONFIG, bFlash), "Flash"},
    {offsetof(DUNMAR_CONFIG, bRS232), "RS232"},
    {offsetof(DUNMAR_CONFIG, bSSRAM), "SSRAM"},
    {offsetof(DUNMAR_CONFIG, bSma), "Sma"},
    {offsetof(DUNMAR_CONFIG, bAudio), "Audio"},
    {offsetof(DUNMAR_CONFIG, bEthernet), "Ethernet"},
    {offsetof(DUNMAR_CONFIG, bIR), "IR"},
    {offsetof(DUNMAR_CONFIG, bTvDecoder1), "TvDecoder1"},
    {offsetof(DUNMAR_CONFIG, bTvDecoder2), "TvDecoder2"},
    {offsetof(DUNMAR_CONFIG, bUSB), "USB"},
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(DUNMAR_CONFIG, nGpioDaughterId), offsetof(DUNMAR_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(DUNMAR_CONFIG, nGpioDaughterId) + 1,
     offsetof(DUNMAR_CONFIG, szGpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_DUNMAR(board, RecordAs<DUNMAR_CONFIG>(bytes));
}

} // namespace
} // namespace dunmar

extern const BoardDef kDunmarBoard{
    .id = MAINBOARD_DUNMAR,
    .title = "Dunmar FPGA Board",
    .selectorLine = "Dunmar FPGA Board",
    .selectorPicture = "DUNMAR_400_BITMAP",
    .folderWord = dunmar::kFolderWord,
    .defaultProjectName = dunmar::kDefaultProjectName,
    .text = &kDunmarText,
    .record = {.size = sizeof(DUNMAR_CONFIG)},
    .peripherals = dunmar::kPeripherals,
    .ports = dunmar::kPorts,
    .pair = {dunmar::GPIO_0, dunmar::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .fill = dunmar::Fill,
    .cardRules = {.gpioDefault = GpioDefaultNaming::ClockedDataBus},
};

namespace {
const BoardRegistrar kRegistrar{kDunmarBoard};
} // namespace
