// The Alvek board (board id 1): a Cyclone III board with twelve peripheral groups and two 40-pin
// GPIO headers. Both headers offer the cards of one list (40-pin and 80-pin cards at 2.5 V); the
// card pins take 3.3-V LVTTL whatever the card's voltage class.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone3/AlvekConfig.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone3/CONFIG_ALVEK.h"

#include <cstddef>

extern const BoardText kAlvekText;

namespace alvek {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(ALVEK_CONFIG, bOSC), "OSC"},       {offsetof(ALVEK_CONFIG, bLED), "LED"},
    {offsetof(ALVEK_CONFIG, bSeg7), "Seg7"},     {offsetof(ALVEK_CONFIG, bButton), "Button"},
    {offsetof(ALVEK_CONFIG, bSwitch), "Switch"}, {offsetof(ALVEK_CONFIG, bPS2), "PS2"},
    {offsetof(ALVEK_CONFIG, bSDCARD), "SDCARD"}, {offsetof(ALVEK_CONFIG, bVGA), "VGA"},
    {offsetof(ALVEK_CONFIG, bLCD), "LCD"},       {offsetof(ALVEK_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(ALVEK_CONFIG, bFlash), "Flash"},   {offsetof(ALVEK_CONFIG, bRS232), "RS232"},
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(ALVEK_CONFIG, nGpioDaughterId), offsetof(ALVEK_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_2V5,
     offsetof(ALVEK_CONFIG, nGpioDaughterId) + 1,
     offsetof(ALVEK_CONFIG, szGpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ALVEK(board, RecordAs<ALVEK_CONFIG>(bytes));
}

} // namespace
} // namespace alvek

extern const BoardDef kAlvekBoard{
    .id = MAINBOARD_ALVEK,
    .title = "Alvek FPGA Board",
    .selectorLine = "Alvek FPGA Board",
    .selectorPicture = "ALVEK_400_BITMAP",
    .folderWord = alvek::kFolderWord,
    .defaultProjectName = alvek::kDefaultProjectName,
    .text = &kAlvekText,
    .record = {.size = sizeof(ALVEK_CONFIG)},
    .peripherals = alvek::kPeripherals,
    .ports = alvek::kPorts,
    .pair = {alvek::GPIO_0, alvek::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .fill = alvek::Fill,
    .cardRules = {.gpioDefault = GpioDefaultNaming::ClockedDataBus},
};

namespace {
const BoardRegistrar kRegistrar{kAlvekBoard};
} // namespace
