// The Ombrel board (board id 16): a Stratix V GX board without card ports:
// on-board peripherals, two DDR3 SODIMM sockets, four QDRII+ SRAMs, four
// SFP+ cages, SATA host and device ports, and three programmable
// oscillators (a Si570 and a CDCM61001 for the SFP+ cages, a CDCM61004 for
// SATA).

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix5/CONFIG_OMBREL.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/StratixVConfig.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>

extern const BoardText kOmbrelText;

namespace ombrel {
namespace {

using namespace stratix5;

#define OMBREL_FIELD(f) offsetof(OMBREL_CONFIG, f)

// The 25 option bytes.
constexpr BoardPeripheral kPeripherals[] = {
    {OMBREL_FIELD(Clock), "OSC"},
    {OMBREL_FIELD(Led), "LED"},
    {OMBREL_FIELD(Seg7), "Seg7"},
    {OMBREL_FIELD(Button), "Button"},
    {OMBREL_FIELD(Switch), "Switch"},
    {OMBREL_FIELD(SataHost0), "Sata_0"},
    {OMBREL_FIELD(SataHost1), "Sata_1"},
    {OMBREL_FIELD(SataDevice0), "Sata_2"},
    {OMBREL_FIELD(SataDevice1), "Sata_3"},
    {OMBREL_FIELD(Sma), "Sma"},
    {OMBREL_FIELD(Temperature), "Temp"},
    {OMBREL_FIELD(Ddr3A), "DDR3_0"},
    {OMBREL_FIELD(Ddr3B), "DDR3_1"},
    {OMBREL_FIELD(Qdr) + 0, "QdrA"},
    {OMBREL_FIELD(Qdr) + 1, "QdrB"},
    {OMBREL_FIELD(Qdr) + 2, "QdrC"},
    {OMBREL_FIELD(Qdr) + 3, "QdrD"},
    {OMBREL_FIELD(Sfp) + 0, "SfpA"},
    {OMBREL_FIELD(Sfp) + 1, "SfpB"},
    {OMBREL_FIELD(Sfp) + 2, "SfpC"},
    {OMBREL_FIELD(Sfp) + 3, "SfpD"},
    {OMBREL_FIELD(Pcie), "PCIe"},
    {OMBREL_FIELD(Fan), "Fan"},
    {OMBREL_FIELD(Flash), "Flash"},
    {OMBREL_FIELD(Rs422), "Rs422"},
};

#undef OMBREL_FIELD

bool AnySfp(const OMBREL_CONFIG& r) {
    return r.Sfp[0] || r.Sfp[1] || r.Sfp[2] || r.Sfp[3];
}
bool AnySata(const OMBREL_CONFIG& r) {
    return r.SataHost0 || r.SataHost1 || r.SataDevice0 || r.SataDevice1;
}

// CLOCK, LED, 7-segment, buttons, switches, temperature, fan, flash and
// RS-422; no oscillator in use.
void SetDefaults(RecordSpan bytes) {
    OMBREL_CONFIG r = RecordAs<OMBREL_CONFIG>(bytes);
    r.SataHost0 = r.SataHost1 = r.SataDevice0 = r.SataDevice1 = 0;
    r.Sma = 0;
    r.Ddr3A = r.Ddr3B = 0;
    for (int n = 0; n < 4; ++n) {
        r.Qdr[n] = 0;
        r.Sfp[n] = 0;
    }
    r.Pcie = 0;
    r.Si570Index = 0;
    r.Cdcm61004Index = kOmbrelCdcmOff;
    r.Cdcm61001Index = kOmbrelCdcmOff;
    StoreRecord(bytes, r);
}

// A choice past its list becomes the default; an oscillator whose
// interfaces are all unticked shows its off entry, as the form does.
void Mend(RecordSpan bytes) {
    OMBREL_CONFIG r = RecordAs<OMBREL_CONFIG>(bytes);
    if (r.Si570Index < 0 || r.Si570Index > kLastSi570 || !AnySfp(r)) {
        r.Si570Index = 0;
    }
    if (r.Cdcm61001Index < 0 || r.Cdcm61001Index > kOmbrelLastCdcm || !AnySfp(r)) {
        r.Cdcm61001Index = kOmbrelCdcmOff;
    }
    if (r.Cdcm61004Index < 0 || r.Cdcm61004Index > kOmbrelLastCdcm || !AnySata(r)) {
        r.Cdcm61004Index = kOmbrelCdcmOff;
    }
    StoreRecord(bytes, r);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_OMBREL(board, RecordAs<OMBREL_CONFIG>(bytes));
}

// The DDR3 SODIMM module on each ticked socket.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const OMBREL_CONFIG r = RecordAs<OMBREL_CONFIG>(bytes);
    if (r.Ddr3A) {
        AttachDdr3SodimmNamed(&board, CONNECTOR_ID_DDR3_SODIMM_A, CardPrefix("DDR3A_"));
    }
    if (r.Ddr3B) {
        AttachDdr3SodimmNamed(&board, ConnectorIdAt(CONNECTOR_ID_DDR3_SODIMM_A, 1),
                              CardPrefix("DDR3B_"));
    }
}

} // namespace
} // namespace ombrel

extern const BoardDef kOmbrelBoard{
    .id = MAINBOARD_OMBREL,
    .title = "Ombrel",
    .selectorLine = "Ombrel FPGA Board",
    .selectorPicture = "OMBREL_BITMAP",
    .folderWord = "S5",
    .defaultProjectName = "S5",
    .text = &kOmbrelText,
    .record = {.size = sizeof(OMBREL_CONFIG)},
    .peripherals = ombrel::kPeripherals,
    .setDefaults = ombrel::SetDefaults,
    .mendRecord = ombrel::Mend,
    .fill = ombrel::Fill,
    .attachExtra = ombrel::AttachExtra,
};

namespace {
const BoardRegistrar kRegistrar{kOmbrelBoard};
} // namespace
