// The Istrel board (board id 10): a Cyclone IV E board with nine peripheral
// groups and two 40-pin GPIO headers. Both headers offer the 40-pin cards;
// the GPIO Default cards (1, 81, 82, 83) take the board's own map, whose
// names the header's prefix completes, so an empty prefix stands for
// "GPIO" with these cards.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone4/CONFIG_ISTREL.h"
#include "boards/cyclone4/IstrelConfig.h"
#include "boards/cyclone4/IstrelId.h"
#include "model/DaughterBoard.h"

#include <cstddef>
#include <string>

extern const BoardText kIstrelText;
extern const BoardDef kIstrelBoard;

namespace istrel {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(ISTREL_CONFIG, bOSC), "OSC"},
    {offsetof(ISTREL_CONFIG, bLED), "LED"},
    {offsetof(ISTREL_CONFIG, bButton), "Button"},
    {offsetof(ISTREL_CONFIG, bSwitch), "Switch"},
    {offsetof(ISTREL_CONFIG, bSDRAM), "SDRAM"},
    {offsetof(ISTREL_CONFIG, bADC), "ADC"},
    {offsetof(ISTREL_CONFIG, bAccelerometer), "Accelerometer"},
    {offsetof(ISTREL_CONFIG, bEEPROM), "EEPROM"},
    {offsetof(ISTREL_CONFIG, bEPCS), "EPCS"},
    {offsetof(ISTREL_CONFIG, bHeader), "Header"},
};

// Card 66 puts bits of one bus where the headers' positions 1 and 3 are
// fixed inputs.
constexpr std::uint8_t kUnfitCards[] = {66};

constexpr BoardCardPort kPorts[] = {
    WithUnfitCards({"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40,
                    false, VOLTAGE_2V5, offsetof(ISTREL_CONFIG, nGpioDaughterId),
                    offsetof(ISTREL_CONFIG, szGpioPrefixName), CONNECTOR_ID_GPIO_0,
                    IOSTD_3V3_LVTTL},
                   kUnfitCards),
    WithUnfitCards({"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40,
                    false, VOLTAGE_2V5, offsetof(ISTREL_CONFIG, nGpioDaughterId) + 1,
                    offsetof(ISTREL_CONFIG, szGpioPrefixName) + kRecordTextSize,
                    CONNECTOR_ID_GPIO_1, IOSTD_3V3_LVTTL},
                   kUnfitCards),
};

bool IsGpioDefault(CardId card) {
    return card == CARD_GPIO_DEFAULT || card == CARD_GPIO_DEFAULT_2V5 ||
           card == CARD_GPIO_DEFAULT_1V8 || card == CARD_GPIO_DEFAULT_1V5;
}

// The GPIO Default cards' names begin with "_IN[" or "[": without a prefix
// they would be no names at all.
const char* DefaultPrefix(CardId card) {
    return IsGpioDefault(card) ? kDefaultGpioPrefix : nullptr;
}

// The four GPIO Default cards fill the one map of this board, so two
// headers holding any of them with the same effective prefix name the same
// signals: the GPIO rule counts them as one card.
bool CheckRecord(ConstRecordSpan bytes, std::string& message) {
    CardId cards[2];
    std::string prefixes[2];
    for (int header = GPIO_0; header <= GPIO_1; ++header) {
        const BoardCardPort& port = kPorts[header];
        const CardId card = RecordPortCard(bytes, port);
        cards[header] = IsGpioDefault(card) ? CARD_GPIO_DEFAULT : card;
        prefixes[header] = EffectivePrefix(kIstrelBoard, bytes, port);
    }
    return CheckGpioPrefixNames(2, cards, prefixes, message);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ISTREL(board, RecordAs<ISTREL_CONFIG>(bytes));
}

} // namespace
} // namespace istrel

extern const BoardDef kIstrelBoard{
    .id = MAINBOARD_ISTREL,
    .title = "Istrel FPGA Board",
    .selectorLine = "Istrel FPGA Board",
    .selectorPicture = "ISTREL_400_BITMAP",
    .folderWord = istrel::kFolderWord,
    .defaultProjectName = istrel::kDefaultProjectName,
    .text = &kIstrelText,
    .record = {.size = sizeof(ISTREL_CONFIG)},
    .peripherals = istrel::kPeripherals,
    .ports = istrel::kPorts,
    .checkRecord = istrel::CheckRecord,
    .defaultPrefix = istrel::DefaultPrefix,
    .fill = istrel::Fill,
    .cardRules = {.gpioDefault = GpioDefaultNaming::NameTails},
};

namespace {
const BoardRegistrar kRegistrar{kIstrelBoard};
} // namespace
