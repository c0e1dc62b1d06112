// The Zarvik board (board id 27): an Arria 10 board in four device
// variants with four QSFP+ cages, two DDR3 SODIMM sockets, four QDRII+
// SRAMs, PCIe and two Si5340 clock chips whose frequencies the user picks.
// It has no card ports; a ticked DDR3 socket takes the DDR3 module.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_ZARVIK.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "model/CardAttach.h"

#include <cstddef>

extern const BoardText kZarvikText;

namespace zarvik {
namespace {

#define ZARVIK_FIELD(f) offsetof(ZARVIK_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {ZARVIK_FIELD(Clock), "OSC"},        {ZARVIK_FIELD(Led), "LED"},
    {ZARVIK_FIELD(Seg7), "Seg7"},        {ZARVIK_FIELD(Button), "Button"},
    {ZARVIK_FIELD(Switch), "Switch"},    {ZARVIK_FIELD(Sma), "Sma"},
    {ZARVIK_FIELD(Temperature), "Temp"}, {ZARVIK_FIELD(PowerMonitor), "Power"},
    {ZARVIK_FIELD(Ddr3A), "DDR3_0"},     {ZARVIK_FIELD(Ddr3B), "DDR3_1"},
    {ZARVIK_FIELD(Qdr) + 0, "QdrA"},     {ZARVIK_FIELD(Qdr) + 1, "QdrB"},
    {ZARVIK_FIELD(Qdr) + 2, "QdrC"},     {ZARVIK_FIELD(Qdr) + 3, "QdrD"},
    {ZARVIK_FIELD(Qsfp) + 0, "QsfpA"},   {ZARVIK_FIELD(Qsfp) + 1, "QsfpB"},
    {ZARVIK_FIELD(Qsfp) + 2, "QsfpC"},   {ZARVIK_FIELD(Qsfp) + 3, "QsfpD"},
    {ZARVIK_FIELD(Pcie), "PCIe"},        {ZARVIK_FIELD(Fan), "Fan"},
    {ZARVIK_FIELD(Flash), "Flash"},      {ZARVIK_FIELD(PcieObClock), "PceiClk"},
    {ZARVIK_FIELD(Rs422), "Rs422"},
};

#undef ZARVIK_FIELD

// SMA, the memories, the transceivers and the on-board PCIe clock off;
// variant 0; every clock at "Not Use".
void SetDefaults(RecordSpan bytes) {
    ZARVIK_CONFIG record = RecordAs<ZARVIK_CONFIG>(bytes);
    record.Sma = 0;
    record.Ddr3A = 0;
    record.Ddr3B = 0;
    for (int i = 0; i < 4; ++i) {
        record.Qdr[i] = 0;
        record.Qsfp[i] = 0;
    }
    record.Pcie = 0;
    record.PcieObClock = 0;
    StoreRecord(bytes, record);
}

// A choice the form has no item for becomes item 0.
void Mend(RecordSpan bytes) {
    ZARVIK_CONFIG record = RecordAs<ZARVIK_CONFIG>(bytes);
    const auto mend = [](auto& value, int items) {
        if (value < 0 || value >= items) {
            value = 0;
        }
    };
    mend(record.DeviceVariant, kVariantCount);
    for (std::int32_t& index : record.Si5340AIndex) {
        mend(index, kSi5340AItems);
    }
    mend(record.Si5340BDdrIndex, kDdrItems);
    mend(record.Si5340BQdrIndex, kQdrItems);
    mend(record.Si5340BPcieIndex, kPcieItems);
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ZARVIK(board, RecordAs<ZARVIK_CONFIG>(bytes));
}

// The DDR3 module on each ticked socket, differential strobes and clocks.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const ZARVIK_CONFIG record = RecordAs<ZARVIK_CONFIG>(bytes);
    if (record.Ddr3A) {
        board.AttachDdr3SodimmSstl15(CONNECTOR_ID_DDR3_SODIMM_A, CardPrefix("DDR3A_"),
                                     DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    }
    if (record.Ddr3B) {
        board.AttachDdr3SodimmSstl15(ConnectorIdAt(CONNECTOR_ID_DDR3_SODIMM_A, 1),
                                     CardPrefix("DDR3B_"), DqsMode::Differential, IOSTD_1V5,
                                     IOSTD_1V5);
    }
}

} // namespace
} // namespace zarvik

extern const BoardDef kZarvikBoard{
    .id = MAINBOARD_ZARVIK,
    .title = "Zarvik",
    .selectorLine = "Zarvik FPGA Board",
    .selectorPicture = "ZARVIK_BITMAP",
    .folderWord = zarvik::kFolderWord,
    .defaultProjectName = zarvik::kDefaultProjectName,
    .text = &kZarvikText,
    .record = {.size = sizeof(ZARVIK_CONFIG)},
    .peripherals = zarvik::kPeripherals,
    .setDefaults = zarvik::SetDefaults,
    .mendRecord = zarvik::Mend,
    .fill = zarvik::Fill,
    .attachExtra = zarvik::AttachExtra,
    .cardRules = {.ddr3Sodimm = Ddr3SodimmForm::Sstl15},
};

namespace {
const BoardRegistrar kRegistrar{kZarvikBoard};
} // namespace
