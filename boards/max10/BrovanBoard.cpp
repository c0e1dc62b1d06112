// The Brovan kit (board id 30): a MAX 10 board with twenty peripheral
// groups and the Ergan 2x6 GPIO header, whose card id the record keeps as
// an i32. The header's eight positions keep 3.3-V LVTTL and take their
// directions from the card.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/max10/BrovanConfig.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/CONFIG_BROVAN.h"

#include <cstddef>

namespace brovan {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(BROVAN_CONFIG, bOSC), "OSC"},
    {offsetof(BROVAN_CONFIG, bLED), "LED"},
    {offsetof(BROVAN_CONFIG, bButton), "Button"},
    {offsetof(BROVAN_CONFIG, bSwitch), "Switch"},
    {offsetof(BROVAN_CONFIG, bHex), "Hex"},
    {offsetof(BROVAN_CONFIG, bPowerMonitor), "PowerMonitor"},
    {offsetof(BROVAN_CONFIG, bGSensor), "GSensor"},
    {offsetof(BROVAN_CONFIG, bHumiditySensor), "HumiditySensor"},
    {offsetof(BROVAN_CONFIG, bLightSensor), "LightSensor"},
    {offsetof(BROVAN_CONFIG, bAudio), "Audio"},
    {offsetof(BROVAN_CONFIG, bHdmiRx), "HdmiRx"},
    {offsetof(BROVAN_CONFIG, bSdCard), "SdCard"},
    {offsetof(BROVAN_CONFIG, bQspiFlash), "QspiFlash"},
    {offsetof(BROVAN_CONFIG, bPS2), "PS2"},
    {offsetof(BROVAN_CONFIG, bDDR3), "DDR3"},
    {offsetof(BROVAN_CONFIG, bUart2Usb), "Uart2Usb"},
    {offsetof(BROVAN_CONFIG, bEthernet), "Ethernet"},
    {offsetof(BROVAN_CONFIG, bDAC), "DAC"},
    {offsetof(BROVAN_CONFIG, bMIPI), "MIPI"},
    {offsetof(BROVAN_CONFIG, bWistel2), "Wistel2"},
};

constexpr BoardCardPort kPorts[] = {
    WithI32CardField({"Ergan", PortFamily::Ergan, config::CardListRule::Holder, CONNECTOR_ERGAN_2x6,
                      false, VOLTAGE_2V5, offsetof(BROVAN_CONFIG, nErganDaughterId),
                      offsetof(BROVAN_CONFIG, szErganPrefixName), CONNECTOR_ID_ERGAN,
                      IOSTD_3V3_LVTTL}),
};

// DDR3, Ethernet, MIPI and the LCD panel off; the byte at 153, which
// nothing reads, set as the board has always saved it.
void SetDefaults(RecordSpan bytes) {
    BROVAN_CONFIG record = RecordAs<BROVAN_CONFIG>(bytes);
    record.bDDR3 = 0;
    record.bEthernet = 0;
    record.bMIPI = 0;
    record.bWistel2 = 0;
    record.Reserved = 1;
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_BROVAN(board, RecordAs<BROVAN_CONFIG>(bytes));
}

} // namespace
} // namespace brovan

extern const BoardDef kBrovanBoard{
    .id = MAINBOARD_BROVAN,
    .title = "Brovan Kit",
    .selectorLine = "Brovan KIT",
    .selectorPicture = "BROVAN_BITMAP",
    .folderWord = brovan::kFolderWord,
    .defaultProjectName = brovan::kDefaultProjectName,
    .record = {.size = sizeof(BROVAN_CONFIG)},
    .peripherals = brovan::kPeripherals,
    .ports = brovan::kPorts,
    .setDefaults = brovan::SetDefaults,
    .fill = brovan::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kBrovanBoard};
} // namespace
