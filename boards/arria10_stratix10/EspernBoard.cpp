// The Espern board (board id 33): an Arria 10 board with four QSFP+ cages,
// six QDRII+ SRAMs, PCIe, a 2x4 GPIO header and two Si5340 clock chips. It
// takes no daughter cards.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_ESPERN.h"
#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/EspernId.h"

#include <cstddef>

extern const BoardText kEspernText;

namespace espern {
namespace {

#define ESPERN_FIELD(f) offsetof(ESPERN_CONFIG, f)

// Ltm4677 has no check box: it keeps the default or the loaded value.
constexpr BoardPeripheral kPeripherals[] = {
    {ESPERN_FIELD(Clock), "OSC"},        {ESPERN_FIELD(Led), "LED"},
    {ESPERN_FIELD(Button), "Button"},    {ESPERN_FIELD(Switch), "Switch"},
    {ESPERN_FIELD(Temperature), "Temp"}, {ESPERN_FIELD(PowerMonitor), "Power"},
    {ESPERN_FIELD(Qdr) + 0, "QdrA"},     {ESPERN_FIELD(Qdr) + 1, "QdrB"},
    {ESPERN_FIELD(Qdr) + 2, "QdrC"},     {ESPERN_FIELD(Qdr) + 3, "QdrD"},
    {ESPERN_FIELD(Qdr) + 4, "QdrE"},     {ESPERN_FIELD(Qdr) + 5, "QdrF"},
    {ESPERN_FIELD(Qsfp) + 0, "QsfpA"},   {ESPERN_FIELD(Qsfp) + 1, "QsfpB"},
    {ESPERN_FIELD(Qsfp) + 2, "QsfpC"},   {ESPERN_FIELD(Qsfp) + 3, "QsfpD"},
    {ESPERN_FIELD(Pcie), "PCIe"},        {ESPERN_FIELD(Fan), "Fan"},
    {ESPERN_FIELD(Flash), "Flash"},      {ESPERN_FIELD(Rs422), "Rs422"},
    {ESPERN_FIELD(GpioHeader), "GPIO"},
};

#undef ESPERN_FIELD

// The memories, transceivers, PCIe, RS422 and the GPIO header off; every
// clock at "Not Use".
void SetDefaults(RecordSpan bytes) {
    ESPERN_CONFIG record = RecordAs<ESPERN_CONFIG>(bytes);
    for (std::uint8_t& qdr : record.Qdr) {
        qdr = 0;
    }
    for (std::uint8_t& qsfp : record.Qsfp) {
        qsfp = 0;
    }
    record.Pcie = 0;
    record.Rs422 = 0;
    record.GpioHeader = 0;
    StoreRecord(bytes, record);
}

// A choice the form has no item for becomes item 0.
void Mend(RecordSpan bytes) {
    ESPERN_CONFIG record = RecordAs<ESPERN_CONFIG>(bytes);
    for (std::int32_t& index : record.Si5340AIndex) {
        if (index < 0 || index >= zarvik::kSi5340AItems) {
            index = 0;
        }
    }
    if (record.Si5340BQdrIndex < 0 || record.Si5340BQdrIndex >= kQdrItems) {
        record.Si5340BQdrIndex = 0;
    }
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ESPERN(board, RecordAs<ESPERN_CONFIG>(bytes));
}

} // namespace
} // namespace espern

extern const BoardDef kEspernBoard{
    .id = MAINBOARD_ESPERN,
    .title = "Espern",
    .selectorLine = "Espern FPGA Board",
    .selectorPicture = "ESPERN_BITMAP",
    .folderWord = espern::kWord,
    .defaultProjectName = espern::kWord,
    .text = &kEspernText,
    .record = {.size = sizeof(ESPERN_CONFIG)},
    .peripherals = espern::kPeripherals,
    .setDefaults = espern::SetDefaults,
    .mendRecord = espern::Mend,
    .fill = espern::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kEspernBoard};
} // namespace
