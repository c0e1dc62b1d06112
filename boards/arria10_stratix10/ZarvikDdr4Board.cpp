// Zarvik's DDR4 edition (board id 28): the Zarvik board with two DDR4
// SODIMM sockets, one fixed device and five DDR4 reference frequencies. It
// has no card ports; a ticked DDR4 socket takes the DDR4 module.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_ZARVIK_DDR4.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "model/CardAttach.h"

#include <cstddef>

extern const BoardText kZarvikDdr4Text;

namespace zarvikddr4 {
namespace {

#define DDR4_FIELD(f) offsetof(ZARVIK_DDR4_CONFIG, f)

// Tps40428 has no check box: it keeps the default or the loaded value.
constexpr BoardPeripheral kPeripherals[] = {
    {DDR4_FIELD(Clock), "OSC"},        {DDR4_FIELD(Led), "LED"},
    {DDR4_FIELD(Seg7), "Seg7"},        {DDR4_FIELD(Button), "Button"},
    {DDR4_FIELD(Switch), "Switch"},    {DDR4_FIELD(Sma), "Sma"},
    {DDR4_FIELD(Temperature), "Temp"}, {DDR4_FIELD(PowerMonitor), "Power"},
    {DDR4_FIELD(Ddr4A), "DDR4_0"},     {DDR4_FIELD(Ddr4B), "DDR4_1"},
    {DDR4_FIELD(Qdr) + 0, "QdrA"},     {DDR4_FIELD(Qdr) + 1, "QdrB"},
    {DDR4_FIELD(Qdr) + 2, "QdrC"},     {DDR4_FIELD(Qdr) + 3, "QdrD"},
    {DDR4_FIELD(Qsfp) + 0, "QsfpA"},   {DDR4_FIELD(Qsfp) + 1, "QsfpB"},
    {DDR4_FIELD(Qsfp) + 2, "QsfpC"},   {DDR4_FIELD(Qsfp) + 3, "QsfpD"},
    {DDR4_FIELD(Pcie), "PCIe"},        {DDR4_FIELD(Fan), "Fan"},
    {DDR4_FIELD(Flash), "Flash"},      {DDR4_FIELD(PcieObClock), "PceiClk"},
    {DDR4_FIELD(Rs422), "Rs422"},
};

#undef DDR4_FIELD

// SMA, RS422, the memories, the transceivers and the on-board PCIe clock
// off; the TPS40428 lines on; every clock at "Not Use".
void SetDefaults(RecordSpan bytes) {
    ZARVIK_DDR4_CONFIG record = RecordAs<ZARVIK_DDR4_CONFIG>(bytes);
    record.Sma = 0;
    record.Rs422 = 0;
    record.Ddr4A = 0;
    record.Ddr4B = 0;
    for (int i = 0; i < 4; ++i) {
        record.Qdr[i] = 0;
        record.Qsfp[i] = 0;
    }
    record.Pcie = 0;
    record.PcieObClock = 0;
    record.Tps40428 = 1;
    StoreRecord(bytes, record);
}

// A choice the form has no item for becomes item 0.
void Mend(RecordSpan bytes) {
    ZARVIK_DDR4_CONFIG record = RecordAs<ZARVIK_DDR4_CONFIG>(bytes);
    const auto mend = [](std::int32_t& value, int items) {
        if (value < 0 || value >= items) {
            value = 0;
        }
    };
    for (std::int32_t& index : record.Si5340AIndex) {
        mend(index, zarvik::kSi5340AItems);
    }
    mend(record.Si5340BDdrIndex, kDdrItems);
    mend(record.Si5340BQdrIndex, zarvik::kQdrItems);
    mend(record.Si5340BPcieIndex, zarvik::kPcieItems);
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_ZARVIK_DDR4(board, RecordAs<ZARVIK_DDR4_CONFIG>(bytes));
}

// The DDR4 module on each ticked socket: no ECC lane, SA and I2C pins at
// 1.2 V.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const ZARVIK_DDR4_CONFIG record = RecordAs<ZARVIK_DDR4_CONFIG>(bytes);
    if (record.Ddr4A) {
        board.AttachDdr4Sodimm(CONNECTOR_ID_DDR4_SODIMM_A, CardPrefix("DDR4A_"), IOSTD_1V2,
                               IOSTD_1V2, Ecc::Without);
    }
    if (record.Ddr4B) {
        board.AttachDdr4Sodimm(ConnectorIdAt(CONNECTOR_ID_DDR4_SODIMM_A, 1), CardPrefix("DDR4B_"),
                               IOSTD_1V2, IOSTD_1V2, Ecc::Without);
    }
}

} // namespace
} // namespace zarvikddr4

extern const BoardDef kZarvikDdr4Board{
    .id = MAINBOARD_ZARVIK_DDR4,
    .title = "Zarvik-DDR4",
    .selectorLine = "Zarvik-DDR4 FPGA Board",
    .selectorPicture = "ZARVIK_DDR4_BITMAP",
    .folderWord = zarvik::kFolderWord,
    .defaultProjectName = zarvik::kDefaultProjectName,
    .text = &kZarvikDdr4Text,
    .record = {.size = sizeof(ZARVIK_DDR4_CONFIG)},
    .peripherals = zarvikddr4::kPeripherals,
    .setDefaults = zarvikddr4::SetDefaults,
    .mendRecord = zarvikddr4::Mend,
    .fill = zarvikddr4::Fill,
    .attachExtra = zarvikddr4::AttachExtra,
};

namespace {
const BoardRegistrar kRegistrar{kZarvikDdr4Board};
} // namespace
