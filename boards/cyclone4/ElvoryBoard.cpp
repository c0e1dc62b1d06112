// The Elvory board (board id 5): a Cyclone IV E board with twenty-two
// peripheral groups, a 40-pin GPIO header and an HSMC connector, each on
// FPGA banks whose voltage a jumper sets (JP6 for the header, JP7 for the
// HSMC connector). The HSMC voltage picks the HSMC cards offered and their
// pins' standard. At a GPIO voltage other than 3.3 V the header carries that
// voltage's GPIO Default card (81, 82, 83) instead of the user's choice,
// which the record then holds as None.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone4/CONFIG_ELVORY.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "model/DaughterBoard.h"

#include <cstddef>
#include <string>

extern const BoardText kElvoryText;

namespace elvory {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(ELVORY_CONFIG, bOSC), "OSC"},
    {offsetof(ELVORY_CONFIG, bLED), "LED"},
    {offsetof(ELVORY_CONFIG, bSeg7), "Seg7"},
    {offsetof(ELVORY_CONFIG, bButton), "Button"},
    {offsetof(ELVORY_CONFIG, bSwitch), "Switch"},
    {offsetof(ELVORY_CONFIG, bEEPROM), "EEPROM"},
    {offsetof(ELVORY_CONFIG, bPS2), "PS2"},
    {offsetof(ELVORY_CONFIG, bSDCARD), "SDCARD"},
    {offsetof(ELVORY_CONFIG, bVGA), "VGA"},
    {offsetof(ELVORY_CONFIG, bLCD), "LCD"},
    {offsetof(ELVORY_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(ELVORY_CONFIG, bFlash), "Flash"},
    {offsetof(ELVORY_CONFIG, bRS232), "RS232"},
    {offsetof(ELVORY_CONFIG, bSRAM), "SRAM"},
    {offsetof(ELVORY_CONFIG, bSma), "Sma"},
    {offsetof(ELVORY_CONFIG, bAudio), "Audio"},
    {offsetof(ELVORY_CONFIG, bIR), "IR"},
    {offsetof(ELVORY_CONFIG, bUSB), "USB"},
    {offsetof(ELVORY_CONFIG, bEthernet0), "Ethernet0"},
    {offsetof(ELVORY_CONFIG, bEthernet1), "Ethernet1"},
    {offsetof(ELVORY_CONFIG, bTvDecode), "TvDecode"},
    {offsetof(ELVORY_CONFIG, bEJTAG), "EJTAG"},
};

// The values of the default voltages (GPIO 3.3 V, HSMC 2.5 V); AdjustPort
// sets both ports' standard, and the HSMC list, for the record's voltages.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40, false, VOLTAGE_2V5,
     offsetof(ELVORY_CONFIG, nGpioDaughterId), offsetof(ELVORY_CONFIG, szGpioPrefixName),
     CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"HSMC", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, false, VOLTAGE_2V5,
     offsetof(ELVORY_CONFIG, nHsmcDaughterId), offsetof(ELVORY_CONFIG, szHSMCPrefixName),
     CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

// The GPIO Default card of a GPIO voltage other than 3.3 V.
constexpr CardId kVoltageGpioCards[] = {CARD_NONE, CARD_GPIO_DEFAULT_2V5, CARD_GPIO_DEFAULT_1V8,
                                        CARD_GPIO_DEFAULT_1V5};

bool GpioVoltageChosen(const ELVORY_CONFIG& record) {
    return record.nGpioVoltageIndex != kDefaultGpioVoltage;
}

void SetDefaults(RecordSpan bytes) {
    ELVORY_CONFIG record = RecordAs<ELVORY_CONFIG>(bytes);
    record.nGpioVoltageIndex = kDefaultGpioVoltage;
    record.nHsmcVoltageIndex = kDefaultHsmcVoltage;
    StoreRecord(bytes, record);
}

// A voltage index outside the combos' (a file not written by the form)
// becomes the default, so the filler only ever sees 0 to 3. The header holds
// no card of the user's at a voltage other than 3.3 V.
void Mend(RecordSpan bytes) {
    ELVORY_CONFIG record = RecordAs<ELVORY_CONFIG>(bytes);
    if (record.nGpioVoltageIndex < 0 || record.nGpioVoltageIndex >= hsmcvoltage::kCount) {
        record.nGpioVoltageIndex = kDefaultGpioVoltage;
    }
    record.nHsmcVoltageIndex = hsmcvoltage::IndexOrDefault(record.nHsmcVoltageIndex);
    if (GpioVoltageChosen(record)) {
        record.nGpioDaughterId = 0;
    }
    StoreRecord(bytes, record);
}

void AdjustPort(ConstRecordSpan bytes, int index, BoardCardPort& port) {
    const ELVORY_CONFIG record = RecordAs<ELVORY_CONFIG>(bytes);
    if (index == GPIO) {
        port.ioStandard = hsmcvoltage::IoStandard(record.nGpioVoltageIndex);
        // The voltage's own card takes the header (AttachVoltageGpioCard).
        port.idle = GpioVoltageChosen(record);
        return;
    }
    port.listVoltage = hsmcvoltage::ListVoltage(record.nHsmcVoltageIndex);
    port.ioStandard = hsmcvoltage::IoStandard(record.nHsmcVoltageIndex);
}

// The header's prefix names the voltage's card too.
bool CheckRecord(ConstRecordSpan bytes, std::string& message) {
    const ELVORY_CONFIG record = RecordAs<ELVORY_CONFIG>(bytes);
    return !GpioVoltageChosen(record) ||
           config::CheckPrefixName(kPorts[GPIO].name,
                                   RecordFieldText(bytes, kPorts[GPIO].prefixOffset), message);
}

// The record the filler builds from: the voltage's GPIO Default card on the
// header at a GPIO voltage other than 3.3 V.
ELVORY_CONFIG GenerationRecord(ConstRecordSpan bytes) {
    ELVORY_CONFIG record = RecordAs<ELVORY_CONFIG>(bytes);
    if (GpioVoltageChosen(record)) {
        PINSMITH_ASSERT(record.nGpioVoltageIndex > 0 &&
                        record.nGpioVoltageIndex < hsmcvoltage::kCount);
        record.nGpioDaughterId = static_cast<std::uint8_t>(
            CardNumber(kVoltageGpioCards[static_cast<std::size_t>(record.nGpioVoltageIndex)]));
    }
    return record;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ELVORY(board, GenerationRecord(bytes));
}

void AttachVoltageGpioCard(TMainBoard& board, ConstRecordSpan bytes) {
    const ELVORY_CONFIG record = GenerationRecord(bytes);
    if (!GpioVoltageChosen(record)) {
        return;
    }
    AttachGpioCard(&board, CONNECTOR_ID_GPIO_0, MakeCardId(record.nGpioDaughterId),
                   ElvoryGpioBankStandard(record), CardBusName(),
                   CardPrefix(RecordFieldText(bytes, kPorts[GPIO].prefixOffset)));
}

} // namespace
} // namespace elvory

extern const BoardDef kElvoryBoard{
    .id = MAINBOARD_ELVORY,
    .title = "Elvory FPGA Board",
    .selectorLine = "Elvory FPGA Board",
    .selectorPicture = "ELVORY_400_BITMAP",
    .folderWord = elvory::kFolderWord,
    .defaultProjectName = elvory::kDefaultProjectName,
    .text = &kElvoryText,
    .record = {.size = sizeof(ELVORY_CONFIG)},
    .peripherals = elvory::kPeripherals,
    .ports = elvory::kPorts,
    .setDefaults = elvory::SetDefaults,
    .mendRecord = elvory::Mend,
    .adjustPort = elvory::AdjustPort,
    .checkRecord = elvory::CheckRecord,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = elvory::Fill,
    .attachExtra = elvory::AttachVoltageGpioCard,
    .cardRules = {.hsmcDefaultCase = HsmcDefaultCase::Upper,
                  .nimbalClockInputs = NimbalClockInputs::Input},
};

namespace {
const BoardRegistrar kRegistrar{kElvoryBoard};
} // namespace
