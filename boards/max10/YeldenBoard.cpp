// The Yelden board (board id 26): a MAX 10 board with eighteen peripheral
// groups (a nineteenth option, the SMA ADC, has no pins), three board
// revisions and a BeagleBone Black header pair whose use is one of four
// header modes. It has no card port: the header is a pin group of the
// board.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/CONFIG_YELDEN.h"
#include "boards/max10/YeldenConfig.h"
#include "boards/max10/YeldenId.h"

#include <cstddef>

extern const BoardText kYeldenText;

namespace yelden {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(YELDEN_CONFIG, bOSC), "OSC"},
    {offsetof(YELDEN_CONFIG, bLED), "LED"},
    {offsetof(YELDEN_CONFIG, bButton), "Button"},
    {offsetof(YELDEN_CONFIG, bCapButton), "CapButton"},
    {offsetof(YELDEN_CONFIG, bSwitch), "Switch"},
    {offsetof(YELDEN_CONFIG, bHdmiTx), "HdmiTx"},
    {offsetof(YELDEN_CONFIG, bTempSensor), "TempSensor"},
    {offsetof(YELDEN_CONFIG, bGSensor), "GSensor"},
    {offsetof(YELDEN_CONFIG, bUsb), "Usb"},
    {offsetof(YELDEN_CONFIG, bMIPI), "MIPI"},
    {offsetof(YELDEN_CONFIG, bEthernet), "Ethernet"},
    {offsetof(YELDEN_CONFIG, bSdCard), "SdCard"},
    {offsetof(YELDEN_CONFIG, bDDR3), "DDR3"},
    {offsetof(YELDEN_CONFIG, bFlash), "Flash"},
    {offsetof(YELDEN_CONFIG, bAudio), "Audio"},
    {offsetof(YELDEN_CONFIG, bSmaADC), "SmaADC"},
    {offsetof(YELDEN_CONFIG, bLightSensor), "LightSensor"},
    {offsetof(YELDEN_CONFIG, bHumiditySensor), "HumiditySensor"},
    {offsetof(YELDEN_CONFIG, bPowerMonitor), "PowerMonitor"},
};

// Every group but MIPI and the DDR3 memory, no SMA ADC, revision C, no
// header mode.
void SetDefaults(RecordSpan bytes) {
    YELDEN_CONFIG record = RecordAs<YELDEN_CONFIG>(bytes);
    record.bMIPI = 0;
    record.bDDR3 = 0;
    record.bSmaADC = 0;
    record.nBoardRevIndex = kRevisionC;
    record.nBbbModeIndex = kModeNone;
    StoreRecord(bytes, record);
}

// A revision the combo does not list is revision C; a header mode it does
// not list is None with an empty prefix.
void Mend(RecordSpan bytes) {
    YELDEN_CONFIG record = RecordAs<YELDEN_CONFIG>(bytes);
    if (record.nBoardRevIndex < kRevisionA || record.nBoardRevIndex > kRevisionC) {
        record.nBoardRevIndex = kRevisionC;
    }
    if (record.nBbbModeIndex > kModeMode7) {
        record.nBbbModeIndex = kModeNone;
        record.szBBBPrefixName[0] = '\0';
    }
    StoreRecord(bytes, record);
    const std::size_t prefix = offsetof(YELDEN_CONFIG, szBBBPrefixName);
    SetRecordFieldText(bytes, prefix, RecordFieldText(bytes, prefix));
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_YELDEN(board, RecordAs<YELDEN_CONFIG>(bytes));
}

} // namespace
} // namespace yelden

extern const BoardDef kYeldenBoard{
    .id = MAINBOARD_YELDEN,
    .title = "Yelden MAX10 Board",
    .selectorLine = "Yelden",
    .selectorPicture = "YELDEN_BITMAP",
    .folderWord = yelden::kFolderWord,
    .defaultProjectName = yelden::kDefaultProjectName,
    .text = &kYeldenText,
    .record = {.size = sizeof(YELDEN_CONFIG)},
    .peripherals = yelden::kPeripherals,
    .setDefaults = yelden::SetDefaults,
    .mendRecord = yelden::Mend,
    .fill = yelden::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kYeldenBoard};
} // namespace
