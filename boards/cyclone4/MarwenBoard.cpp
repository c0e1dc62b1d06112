// The Marwen board (board id 14): a Cyclone IV GX board with twenty
// peripheral boxes (PCI Express as hard or soft IP among them), a 40-pin
// GPIO header whose cards take 3.3-V LVTTL and an HSMC connector whose cards
// take 2.5 V. The HSMC Default card takes the prefix "HSMC_" when its own is
// empty. The filler hands the record to the board's project text.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone4/CONFIG_MARWEN.h"
#include "boards/cyclone4/MarwenConfig.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"

#include <cstddef>

extern const BoardText kMarwenText;

namespace marwen {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(MARWEN_CONFIG, bOSC), "OSC"},
    {offsetof(MARWEN_CONFIG, bLED), "LED"},
    {offsetof(MARWEN_CONFIG, bSeg7), "Seg7"},
    {offsetof(MARWEN_CONFIG, bButton), "Button"},
    {offsetof(MARWEN_CONFIG, bSwitch), "Switch"},
    {offsetof(MARWEN_CONFIG, bEEPROM), "EEPROM"},
    {offsetof(MARWEN_CONFIG, bSDCARD), "SDCARD"},
    {offsetof(MARWEN_CONFIG, bVGA), "VGA"},
    {offsetof(MARWEN_CONFIG, bLCD), "LCD"},
    {offsetof(MARWEN_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(MARWEN_CONFIG, bFlash), "Flash"},
    {offsetof(MARWEN_CONFIG, bRS232), "RS232"},
    {offsetof(MARWEN_CONFIG, bAccelerometer), "Accelerometer"},
    {offsetof(MARWEN_CONFIG, bSSRAM), "SSRAM"},
    {offsetof(MARWEN_CONFIG, bSma), "Sma"},
    {offsetof(MARWEN_CONFIG, bIR), "IR"},
    {offsetof(MARWEN_CONFIG, bEthernet), "Ethernet"},
    {offsetof(MARWEN_CONFIG, bTvDecode), "TvDecode"},
    {offsetof(MARWEN_CONFIG, bPCIeHardIP), "PCIeHardIP"},
    {offsetof(MARWEN_CONFIG, bPCIeSoftIP), "PCIeSoftIP"},
};

constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(MARWEN_CONFIG, nGpioDaughterId), offsetof(MARWEN_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, false, VOLTAGE_2V5,
     offsetof(MARWEN_CONFIG, nHsmcDaughterId), offsetof(MARWEN_CONFIG, szHSMCPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

// Both PCI Express boxes start cleared.
void SetDefaults(RecordSpan bytes) {
    MARWEN_CONFIG record = RecordAs<MARWEN_CONFIG>(bytes);
    record.bPCIeHardIP = 0;
    record.bPCIeSoftIP = 0;
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_MARWEN(board, RecordAs<MARWEN_CONFIG>(bytes));
}

} // namespace
} // namespace marwen

extern const BoardDef kMarwenBoard{
    .id = MAINBOARD_MARWEN,
    .title = "Marwen Board",
    .selectorLine = "Marwen FPGA Board",
    .selectorPicture = "MARWEN_BITMAP",
    .folderWord = marwen::kFolderWord,
    .defaultProjectName = marwen::kDefaultProjectName,
    .text = &kMarwenText,
    .record = {.size = sizeof(MARWEN_CONFIG)},
    .peripherals = marwen::kPeripherals,
    .ports = marwen::kPorts,
    .setDefaults = marwen::SetDefaults,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = marwen::Fill,
    .cardRules = {.hsmcDefault = HsmcDefaultNaming::CommonI2cSdatSclk,
                  .hsmcDefaultCase = HsmcDefaultCase::Upper},
};

namespace {
const BoardRegistrar kRegistrar{kMarwenBoard};
} // namespace
