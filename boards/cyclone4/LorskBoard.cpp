// The Lorsk board (board id 13): a Cyclone IV E board with seventeen
// peripheral boxes, a 40-pin GPIO header whose cards take 3.3-V LVTTL and an
// HSMC connector whose cards take 2.5 V. The HSMC Default card takes the
// prefix "HSMC_" when its own is empty. The project text adds nothing of
// its own for this board.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone4/CONFIG_LORSK.h"
#include "boards/cyclone4/LorskConfig.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"

#include <cstddef>

namespace lorsk {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(LORSK_CONFIG, bOSC), "OSC"},       {offsetof(LORSK_CONFIG, bLED), "LED"},
    {offsetof(LORSK_CONFIG, bSeg7), "Seg7"},     {offsetof(LORSK_CONFIG, bButton), "Button"},
    {offsetof(LORSK_CONFIG, bSwitch), "Switch"}, {offsetof(LORSK_CONFIG, bEEPROM), "EEPROM"},
    {offsetof(LORSK_CONFIG, bPS2), "PS2"},       {offsetof(LORSK_CONFIG, bSDCARD), "SDCARD"},
    {offsetof(LORSK_CONFIG, bVGA), "VGA"},       {offsetof(LORSK_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(LORSK_CONFIG, bFlash), "Flash"},   {offsetof(LORSK_CONFIG, bRS232), "RS232"},
    {offsetof(LORSK_CONFIG, bSRAM), "SRAM"},     {offsetof(LORSK_CONFIG, bSma), "Sma"},
    {offsetof(LORSK_CONFIG, bAudio), "Audio"},   {offsetof(LORSK_CONFIG, bEthernet), "Ethernet"},
    {offsetof(LORSK_CONFIG, bLCD), "LCD"},
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(LORSK_CONFIG, nGpioDaughterId), offsetof(LORSK_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, false, VOLTAGE_2V5,
     offsetof(LORSK_CONFIG, nHsmcDaughterId), offsetof(LORSK_CONFIG, szHSMCPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

// The character LCD is an option the board is sold without.
void SetDefaults(RecordSpan bytes) {
    LORSK_CONFIG record = RecordAs<LORSK_CONFIG>(bytes);
    record.bLCD = 0;
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_LORSK(board, RecordAs<LORSK_CONFIG>(bytes));
}

} // namespace
} // namespace lorsk

extern const BoardDef kLorskBoard{
    .id = MAINBOARD_LORSK,
    .title = "Lorsk FPGA Board",
    .selectorLine = "Lorsk FPGA Board",
    .selectorPicture = "LORSK_400_BITMAP",
    .folderWord = lorsk::kFolderWord,
    .defaultProjectName = lorsk::kDefaultProjectName,
    .record = {.size = sizeof(LORSK_CONFIG)},
    .peripherals = lorsk::kPeripherals,
    .ports = lorsk::kPorts,
    .setDefaults = lorsk::SetDefaults,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = lorsk::Fill,
    .cardRules = {.hsmcDefaultCase = HsmcDefaultCase::Upper},
};

namespace {
const BoardRegistrar kRegistrar{kLorskBoard};
} // namespace
