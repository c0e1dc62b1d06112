// The Nolvar board (board id 15): a Stratix V GX board with on-board
// peripherals, soldered DDR3 SDRAM and QDRII+ SRAM banks, two SFP+ cages, a
// SATA host port and two programmable oscillators (a Si570 and a
// CDCM61004), both serving the SFP+ cages.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix5/CONFIG_NOLVAR.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/StratixVConfig.h"

#include <cstddef>

extern const BoardText kNolvarText;

namespace nolvar {
namespace {

using namespace stratix5;

#define NOLVAR_FIELD(f) offsetof(NOLVAR_CONFIG, f)

// The 18 option bytes.
constexpr BoardPeripheral kPeripherals[] = {
    {NOLVAR_FIELD(Clock), "OSC"},        {NOLVAR_FIELD(Led), "LED"},
    {NOLVAR_FIELD(Button), "Button"},    {NOLVAR_FIELD(Switch), "Switch"},
    {NOLVAR_FIELD(Temperature), "Temp"}, {NOLVAR_FIELD(Ddr3A), "DDR3_0"},
    {NOLVAR_FIELD(Ddr3B), "DDR3_1"},     {NOLVAR_FIELD(Qdr) + 0, "QdrA"},
    {NOLVAR_FIELD(Qdr) + 1, "QdrB"},     {NOLVAR_FIELD(Qdr) + 2, "QdrC"},
    {NOLVAR_FIELD(Qdr) + 3, "QdrD"},     {NOLVAR_FIELD(SfpA), "SfpA"},
    {NOLVAR_FIELD(SfpB), "SfpB"},        {NOLVAR_FIELD(Sata), "Sata"},
    {NOLVAR_FIELD(Pcie), "PCIe"},        {NOLVAR_FIELD(Fan), "Fan"},
    {NOLVAR_FIELD(Flash), "Flash"},      {NOLVAR_FIELD(Rs422), "Rs422"},
};

#undef NOLVAR_FIELD

// CLOCK, LED, buttons, switches, temperature, fan, flash and RS-422; no
// oscillator in use.
void SetDefaults(RecordSpan bytes) {
    NOLVAR_CONFIG r = RecordAs<NOLVAR_CONFIG>(bytes);
    r.Ddr3A = r.Ddr3B = 0;
    for (std::uint8_t& qdr : r.Qdr) {
        qdr = 0;
    }
    r.SfpA = r.SfpB = 0;
    r.Sata = 0;
    r.Pcie = 0;
    r.Si570Index = 0;
    r.Cdcm61004Index = 0;
    StoreRecord(bytes, r);
}

// A choice past its list becomes "Disable"; both oscillators serve only
// the SFP+ cages, so without one they are off, as the form shows them.
void Mend(RecordSpan bytes) {
    NOLVAR_CONFIG r = RecordAs<NOLVAR_CONFIG>(bytes);
    const bool sfp = r.SfpA || r.SfpB;
    if (r.Si570Index < 0 || r.Si570Index > kLastSi570 || !sfp) {
        r.Si570Index = 0;
    }
    if (r.Cdcm61004Index < 0 || r.Cdcm61004Index > kLastCdcm61004 || !sfp) {
        r.Cdcm61004Index = 0;
    }
    StoreRecord(bytes, r);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_NOLVAR(board, RecordAs<NOLVAR_CONFIG>(bytes));
}

} // namespace
} // namespace nolvar

extern const BoardDef kNolvarBoard{
    .id = MAINBOARD_NOLVAR,
    .title = "Nolvar",
    .selectorLine = "Nolvar FPGA Board",
    .selectorPicture = "KELMIS_400_BITMAP",
    .folderWord = "Nolvar",
    .defaultProjectName = "Nolvar",
    .text = &kNolvarText,
    .record = {.size = sizeof(NOLVAR_CONFIG)},
    .peripherals = nolvar::kPeripherals,
    .setDefaults = nolvar::SetDefaults,
    .mendRecord = nolvar::Mend,
    .fill = nolvar::Fill,
};

namespace {
const BoardRegistrar kRegistrar{kNolvarBoard};
} // namespace
