// The Jorvath board (board id 11): a Cyclone III board with a PCI bridge,
// five peripheral groups (the bridge's bus makes no pins), a DDR2 SODIMM
// socket and two Kirrel connectors, the pair Kirrel 2/3 (one card) and
// Kirrel 1. Both offer the one Kirrel list, which takes the HSMC cards the
// Kirrel connectors reach through the position map; the Kirrel Default
// card has no pin map and so is not listed.
//
// The board's defaults keep board id and size 0: the form writes them
// before every save and generation, and so does the generation here.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone3/CONFIG_JORVATH.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "boards/cyclone3/JorvathId.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>
#include <string>

extern const BoardText kJorvathText;

namespace jorvath {
namespace {

constexpr BoardPeripheral kPeripherals[] = {
    {offsetof(JORVATH_CONFIG, bOSC), "OSC"},       {offsetof(JORVATH_CONFIG, bLED), "LED"},
    {offsetof(JORVATH_CONFIG, bButton), "Button"}, {offsetof(JORVATH_CONFIG, bGpio), "Gpio"},
    {offsetof(JORVATH_CONFIG, bDDR2), "DDR2"},     {offsetof(JORVATH_CONFIG, bPciBus), "PciBus"},
};

constexpr BoardCardPort kPorts[] = {
    {"KIRREL23", PortFamily::Kirrel, config::CardListRule::Holder, CONNECTOR_KIRREL, false,
     VOLTAGE_2V5, offsetof(JORVATH_CONFIG, nKirrel23DaughterId),
     offsetof(JORVATH_CONFIG, szKirrel23PrefixName), CONNECTOR_ID_KIRREL_23, IOSTD_3V3_LVTTL},
    WithI32CardField({"KIRREL1", PortFamily::Kirrel, config::CardListRule::Holder, CONNECTOR_KIRREL,
                      false, VOLTAGE_2V5, offsetof(JORVATH_CONFIG, nKirrel1DaughterId),
                      offsetof(JORVATH_CONFIG, szKirrel1PrefixName), CONNECTOR_ID_KIRREL_1,
                      IOSTD_3V3_LVTTL}),
};

// Only board id and size: the peripherals the defaults tick are CLOCK, LED
// and Button.
void SetDefaults(RecordSpan bytes) {
    JORVATH_CONFIG record = RecordAs<JORVATH_CONFIG>(bytes);
    record.BoardId = 0;
    record.Size = 0;
    record.bGpio = 0;
    record.bDDR2 = 0;
    record.bPciBus = 0;
    StoreRecord(bytes, record);
}

// The same card on both connectors names the same signals unless the two
// prefixes differ.
bool CheckRecord(ConstRecordSpan bytes, std::string& message) {
    const CardId card23 = RecordPortCard(bytes, kPorts[KIRREL23]);
    const CardId card1 = RecordPortCard(bytes, kPorts[KIRREL1]);
    if (card23 != CARD_NONE && card23 == card1 &&
        RecordFieldText(bytes, kPorts[KIRREL23].prefixOffset) ==
            RecordFieldText(bytes, kPorts[KIRREL1].prefixOffset)) {
        message = "KIRREL23 and KIRREL1 cannot have the same prefix name when both connect to the "
                  "same type of daughter boards.";
        return false;
    }
    return true;
}

// The generation works on the record as the form writes it (board id and
// size set); the board's pins are sorted once, before any card.
void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    JORVATH_CONFIG record = RecordAs<JORVATH_CONFIG>(bytes);
    record.BoardId = static_cast<std::uint8_t>(MAINBOARD_JORVATH);
    record.Size = JORVATH_CONFIG::kSize;
    CONFIG_JORVATH(board, record);
    board->SortPins();
}

// The SODIMM with single-ended strobes, I2C and address-select pins at 1.8 V.
void AttachModule(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<JORVATH_CONFIG>(bytes).bDDR2 != 0) {
        AttachDdr2Sodimm(&board, CONNECTOR_ID_DDR2_SODIMM, CardPrefix("mem_"), DqsMode::SingleEnded,
                         IOSTD_1V8, IOSTD_1V8);
    }
}

} // namespace
} // namespace jorvath

extern const BoardDef kJorvathBoard{
    .id = MAINBOARD_JORVATH,
    .title = "Jorvath FPGA Board",
    .selectorLine = "Jorvath FPGA Board",
    .selectorPicture = "JORVATH_400_BITMAP",
    .folderWord = jorvath::kFolderWord,
    .defaultProjectName = jorvath::kDefaultProjectName,
    .text = &kJorvathText,
    .record = {.size = sizeof(JORVATH_CONFIG)},
    .peripherals = jorvath::kPeripherals,
    .ports = jorvath::kPorts,
    .setDefaults = jorvath::SetDefaults,
    .checkRecord = jorvath::CheckRecord,
    .checkRecordAlways = true,
    .fill = jorvath::Fill,
    .attachExtra = jorvath::AttachModule,
    .cardRules = {.ddr2Sodimm = {.strobes = DqsMode::SingleEnded, .presenceDetect = IOSTD_1V8}},
};

namespace {
const BoardRegistrar kRegistrar{kJorvathBoard};
} // namespace
