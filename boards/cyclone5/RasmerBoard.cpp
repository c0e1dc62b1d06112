// The Rasmer board (board id 20): a Cyclone V GX board with fourteen
// peripheral groups, a 40-pin GPIO header that shares pins with the digits
// HEX2 and HEX3, and an HSMC connector, with a batch that generates every
// card of both lists.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_RASMER.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"
#include "boards/cyclone5/RasmerConfig.h"
#include "boards/cyclone5/RasmerId.h"

#include <cstddef>

namespace rasmer {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(RASMER_CONFIG, OSC), "OSC"},
    {offsetof(RASMER_CONFIG, LED), "LED"},
    {offsetof(RASMER_CONFIG, Button), "Button"},
    {offsetof(RASMER_CONFIG, Switch), "Switch"},
    {offsetof(RASMER_CONFIG, Seg7), "Seg7"},
    {offsetof(RASMER_CONFIG, HDMI_TX), "HDMI_TX"},
    {offsetof(RASMER_CONFIG, LPDDR2), "LPDDR2"},
    {offsetof(RASMER_CONFIG, SRAM), "SRAM"},
    {offsetof(RASMER_CONFIG, Audio), "Audio"},
    {offsetof(RASMER_CONFIG, Uart2USB), "Uart2USB"},
    {offsetof(RASMER_CONFIG, SDCARD), "SDCARD"},
    {offsetof(RASMER_CONFIG, XcvrSma), "XcvrSma"},
    {offsetof(RASMER_CONFIG, Si5338_I2C), "Si5338_I2C"},
    {offsetof(RASMER_CONFIG, ADC), "ADC"},
};

// The GPIO card takes 3.3-V LVTTL, the HSMC card 2.5 V.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(RASMER_CONFIG, GpioDaughterId), offsetof(RASMER_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, true, VOLTAGE_2V5,
     offsetof(RASMER_CONFIG, HsmcDaughterId), offsetof(RASMER_CONFIG, HsmcPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

// Every HSMC card from None on, then every GPIO card; the prefixes stay as
// typed.
constexpr BatchPass kBatch[] = {
    {.port = HSMC, .word = "HSMC", .withNone = true},
    {.port = GPIO, .word = "GPIO"},
};

// SMA XCVR and the Si5338's I2C bus are off by default.
void SetDefaults(RecordSpan bytes) {
    bytes[offsetof(RASMER_CONFIG, XcvrSma)] = 0;
    bytes[offsetof(RASMER_CONFIG, Si5338_I2C)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_RASMER(board, RecordAs<RASMER_CONFIG>(bytes));
}

} // namespace
} // namespace rasmer

extern const BoardDef kRasmerBoard{
    .id = MAINBOARD_RASMER,
    .title = "Rasmer",
    .selectorLine = "Rasmer FPGA Board",
    .selectorPicture = "RASMER_BITMAP",
    .folderWord = kRasmerWord,
    .defaultProjectName = kRasmerWord,
    .record = {.size = sizeof(RASMER_CONFIG)},
    .peripherals = rasmer::kPeripherals,
    .ports = rasmer::kPorts,
    .batch = rasmer::kBatch,
    .setDefaults = rasmer::SetDefaults,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = rasmer::Fill,
    .cardRules = {.hsmcDefault = HsmcDefaultNaming::GxbIndexedClocks,
                  .hsmcDefaultCase = HsmcDefaultCase::Upper},
};

namespace {
const BoardRegistrar kRegistrar{kRasmerBoard};
} // namespace
