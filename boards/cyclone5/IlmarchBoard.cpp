// The Ilmarch board (board id 37): a Cyclone V GX board with twelve
// peripheral groups and two 40-pin GPIO headers whose I/O voltage is set by
// the jumper JP1. The voltage picks the cards the headers offer and the I/O
// standard of the card pins.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"

#include <cstddef>

namespace ilmarch {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(ILMARCH_CONFIG, OSC), "OSC"},
    {offsetof(ILMARCH_CONFIG, LED), "LED"},
    {offsetof(ILMARCH_CONFIG, Button), "Button"},
    {offsetof(ILMARCH_CONFIG, Switch), "Switch"},
    {offsetof(ILMARCH_CONFIG, Seg7), "Seg7"},
    {offsetof(ILMARCH_CONFIG, SDRAM), "SDRAM"},
    {offsetof(ILMARCH_CONFIG, DDR3), "DDR3"},
    {offsetof(ILMARCH_CONFIG, Uart2USB), "Uart2USB"},
    {offsetof(ILMARCH_CONFIG, SmaClock), "SmaClock"},
    {offsetof(ILMARCH_CONFIG, Arduino), "Arduino"},
    {offsetof(ILMARCH_CONFIG, Fan), "Fan"},
    {offsetof(ILMARCH_CONFIG, PCIe), "PCIe"},
};

// Both headers show the one card list of the settings holder; its voltage
// and the card pins' standard follow the record's voltage (adjustPort).
constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_3V3,
     offsetof(ILMARCH_CONFIG, nGpioDaughterId), offsetof(ILMARCH_CONFIG, GpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_3V3,
     offsetof(ILMARCH_CONFIG, nGpioDaughterId) + 1,
     offsetof(ILMARCH_CONFIG, GpioPrefixName) + kRecordTextSize, CONNECTOR_ID_GPIO_1,
     IOSTD_3V3_LVTTL},
};

constexpr CardId kBothDefault[] = {CARD_GPIO_DEFAULT, CARD_GPIO_DEFAULT_2V5, CARD_GPIO_DEFAULT_1V8,
                                   CARD_GPIO_DEFAULT_1V5};

void SetDefaults(RecordSpan bytes) {
    ILMARCH_CONFIG record = RecordAs<ILMARCH_CONFIG>(bytes);
    record.GpioVoltage = static_cast<std::int32_t>(VOLTAGE_3V3);
    StoreRecord(bytes, record);
}

void Mend(RecordSpan bytes) {
    ILMARCH_CONFIG record = RecordAs<ILMARCH_CONFIG>(bytes);
    record.GpioVoltage = IlmarchVoltageOrDefault(record.GpioVoltage);
    StoreRecord(bytes, record);
}

void AdjustPort(ConstRecordSpan bytes, int, BoardCardPort& port) {
    const std::int32_t code = RecordAs<ILMARCH_CONFIG>(bytes).GpioVoltage;
    port.listVoltage = IlmarchVoltageClass(code);
    port.ioStandard = IlmarchGpioIoStandard(code);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ILMARCH(board, RecordAs<ILMARCH_CONFIG>(bytes));
}

} // namespace
} // namespace ilmarch

extern const BoardDef kIlmarchBoard{
    .id = MAINBOARD_ILMARCH,
    .title = "Ilmarch",
    .selectorLine = "Ilmarch FPGA Board",
    .selectorPicture = "ILMARCH_BITMAP",
    .folderWord = kIlmarchFolderWord,
    .defaultProjectName = kIlmarchDefaultProjectName,
    .record = {.size = sizeof(ILMARCH_CONFIG)},
    .peripherals = ilmarch::kPeripherals,
    .ports = ilmarch::kPorts,
    .pair = {ilmarch::GPIO_0, ilmarch::GPIO_1, CONNECTOR_ID_GPIO_PAIR},
    .bothDefaultCards = ilmarch::kBothDefault,
    .setDefaults = ilmarch::SetDefaults,
    .mendRecord = ilmarch::Mend,
    .adjustPort = ilmarch::AdjustPort,
    .fill = ilmarch::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kIlmarchBoard};
} // namespace
