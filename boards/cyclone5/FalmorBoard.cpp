// The Falmor board (board id 34): a Cyclone V SoC board with thirteen
// peripheral groups (the hard processor system's pins among them), a choice
// of Verilog or VHDL for the top level, a 40-pin GPIO header and an HSMC
// connector whose I/O voltage the jumper JP3 sets. The voltage picks the
// HSMC cards offered and the I/O standard of their pins.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_FALMOR.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"
#include "boards/cyclone5/HsmcVoltage.h"

#include <cstddef>

extern const BoardText kFalmorText;

namespace falmor {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(FALMOR_CONFIG, OSC), "OSC"},       {offsetof(FALMOR_CONFIG, LED), "LED"},
    {offsetof(FALMOR_CONFIG, Button), "Button"}, {offsetof(FALMOR_CONFIG, Switch), "Switch"},
    {offsetof(FALMOR_CONFIG, VGA), "VGA"},       {offsetof(FALMOR_CONFIG, SDRAM), "SDRAM"},
    {offsetof(FALMOR_CONFIG, Audio), "Audio"},   {offsetof(FALMOR_CONFIG, VideoIn), "VideoIn"},
    {offsetof(FALMOR_CONFIG, ADC), "ADC"},       {offsetof(FALMOR_CONFIG, Seg7), "Seg7"},
    {offsetof(FALMOR_CONFIG, IR), "IR"},         {offsetof(FALMOR_CONFIG, PS2), "PS2"},
    {offsetof(FALMOR_CONFIG, HPS), "HPS"},
};

// The GPIO card takes 3.3-V LVTTL. The HSMC list (no transceiver cards) and
// its cards' standard follow the record's voltage (AdjustPort); the values
// here are those of 2.5 V.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(FALMOR_CONFIG, GpioDaughterId), offsetof(FALMOR_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, false, VOLTAGE_2V5,
     offsetof(FALMOR_CONFIG, HsmcDaughterId), offsetof(FALMOR_CONFIG, HsmcPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

// Verilog, every group but the HPS, 2.5 V.
void SetDefaults(RecordSpan bytes) {
    FALMOR_CONFIG record = RecordAs<FALMOR_CONFIG>(bytes);
    record.VHDL = 0;
    record.HPS = 0;
    record.HsmcVoltage = hsmcvoltage::kDefaultIndex;
    StoreRecord(bytes, record);
}

void Mend(RecordSpan bytes) {
    FALMOR_CONFIG record = RecordAs<FALMOR_CONFIG>(bytes);
    record.HsmcVoltage = hsmcvoltage::IndexOrDefault(record.HsmcVoltage);
    StoreRecord(bytes, record);
}

void AdjustPort(ConstRecordSpan bytes, int index, BoardCardPort& port) {
    if (index != HSMC) {
        return;
    }
    const std::int32_t voltage = RecordAs<FALMOR_CONFIG>(bytes).HsmcVoltage;
    port.listVoltage = hsmcvoltage::ListVoltage(voltage);
    port.ioStandard = hsmcvoltage::IoStandard(voltage);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_Falmor(board, RecordAs<FALMOR_CONFIG>(bytes));
}

bool UsesVhdl(ConstRecordSpan bytes) {
    return RecordAs<FALMOR_CONFIG>(bytes).VHDL != 0;
}

} // namespace
} // namespace falmor

extern const BoardDef kFalmorBoard{
    .id = MAINBOARD_FALMOR,
    .title = "Falmor",
    .selectorLine = "Falmor Board",
    .selectorPicture = "FALMOR_BITMAP",
    .folderWord = kFalmorWord,
    .defaultProjectName = kFalmorWord,
    .text = &kFalmorText,
    .record = {.size = sizeof(FALMOR_CONFIG)},
    .peripherals = falmor::kPeripherals,
    .ports = falmor::kPorts,
    .setDefaults = falmor::SetDefaults,
    .mendRecord = falmor::Mend,
    .adjustPort = falmor::AdjustPort,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = falmor::Fill,
    .usesVhdl = falmor::UsesVhdl,
    .cardRules = {.hsmcDefaultCase = HsmcDefaultCase::Upper},
};

namespace {
const BoardRegistrar kRegistrar{kFalmorBoard};
} // namespace
