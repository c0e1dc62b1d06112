// The Quindle board (board id 19): a Cyclone V SoC evaluation board with ten
// peripheral groups and one HSMC connector whose I/O voltage the jumper JP7
// sets. The voltage picks the cards the connector offers and the I/O
// standard of the card pins.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_QUINDLE.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "boards/cyclone5/QuindleConfig.h"
#include "boards/cyclone5/QuindleId.h"

#include <cstddef>

extern const BoardText kQuindleText;

namespace quindle {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(QUINDLE_CONFIG, OSC), "OSC"},
    {offsetof(QUINDLE_CONFIG, LED), "LED"},
    {offsetof(QUINDLE_CONFIG, Button), "Button"},
    {offsetof(QUINDLE_CONFIG, Switch), "Switch"},
    {offsetof(QUINDLE_CONFIG, VGA), "VGA"},
    {offsetof(QUINDLE_CONFIG, DDR3), "DDR3"},
    {offsetof(QUINDLE_CONFIG, Audio), "Audio"},
    {offsetof(QUINDLE_CONFIG, IR), "IR"},
    {offsetof(QUINDLE_CONFIG, Si5338), "Si5338"},
    {offsetof(QUINDLE_CONFIG, Temperature), "Temperature"},
};

// The list and the card pins' standard follow the record's voltage
// (AdjustPort); the values here are those of 2.5 V.
constexpr BoardCardPort kPorts[] = {
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, true, VOLTAGE_2V5,
     offsetof(QUINDLE_CONFIG, HsmcDaughterId), offsetof(QUINDLE_CONFIG, HsmcPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

void SetDefaults(RecordSpan bytes) {
    QUINDLE_CONFIG record = RecordAs<QUINDLE_CONFIG>(bytes);
    record.HsmcVoltage = hsmcvoltage::kDefaultIndex;
    StoreRecord(bytes, record);
}

void Mend(RecordSpan bytes) {
    QUINDLE_CONFIG record = RecordAs<QUINDLE_CONFIG>(bytes);
    record.HsmcVoltage = hsmcvoltage::IndexOrDefault(record.HsmcVoltage);
    StoreRecord(bytes, record);
}

void AdjustPort(ConstRecordSpan bytes, int, BoardCardPort& port) {
    const std::int32_t index = RecordAs<QUINDLE_CONFIG>(bytes).HsmcVoltage;
    port.listVoltage = hsmcvoltage::ListVoltage(index);
    port.ioStandard = hsmcvoltage::IoStandard(index);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_QUINDLE(board, RecordAs<QUINDLE_CONFIG>(bytes));
}

} // namespace
} // namespace quindle

extern const BoardDef kQuindleBoard{
    .id = MAINBOARD_QUINDLE,
    .title = "Quindle",
    .selectorLine = "Quindle FPGA Board",
    .selectorPicture = "QUINDLE_BITMAP",
    .folderWord = kQuindleWord,
    .defaultProjectName = kQuindleProjectName,
    .text = &kQuindleText,
    .record = {.size = sizeof(QUINDLE_CONFIG)},
    .peripherals = quindle::kPeripherals,
    .ports = quindle::kPorts,
    .setDefaults = quindle::SetDefaults,
    .mendRecord = quindle::Mend,
    .adjustPort = quindle::AdjustPort,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = quindle::Fill,
    .cardRules = {.hsmcDefault = HsmcDefaultNaming::GxbIndexedUnderscored,
                  .hsmcDefaultCase = HsmcDefaultCase::Upper},
};

namespace {
const BoardRegistrar kRegistrar{kQuindleBoard};
} // namespace
