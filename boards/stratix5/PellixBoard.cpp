// The Pellix board (board id 18): a Stratix V GX board with on-board
// peripherals, four SFP+ cages, SATA host and device ports, an HSMC port
// and two programmable oscillators (a Si570 for the SFP+ cages, a CDCM61004
// for SFP+ 1G, SATA and a transceiver card on the HSMC port).

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/HsmcDefaultPrefix.h"
#include "boards/stratix5/CONFIG_PELLIX.h"
#include "boards/stratix5/PellixId.h"
#include "boards/stratix5/StratixVConfig.h"

#include <algorithm>
#include <cstddef>
#include <vector>

extern const BoardText kPellixText;

namespace pellix {
namespace {

using namespace stratix5;

#define PELLIX_FIELD(f) offsetof(PELLIX_CONFIG, f)

// The 17 option bytes.
constexpr BoardPeripheral kPeripherals[] = {
    {PELLIX_FIELD(Clock), "OSC"},       {PELLIX_FIELD(Led), "LED"},
    {PELLIX_FIELD(Button), "Button"},   {PELLIX_FIELD(Switch), "Switch"},
    {PELLIX_FIELD(SataHost), "Sata_0"}, {PELLIX_FIELD(SataDevice), "Sata_1"},
    {PELLIX_FIELD(Sma), "Sma"},         {PELLIX_FIELD(Temperature), "Temp"},
    {PELLIX_FIELD(Sfp) + 0, "SfpA"},    {PELLIX_FIELD(Sfp) + 1, "SfpB"},
    {PELLIX_FIELD(Sfp) + 2, "SfpC"},    {PELLIX_FIELD(Sfp) + 3, "SfpD"},
    {PELLIX_FIELD(Pcie), "PCIe"},       {PELLIX_FIELD(Fan), "Fan"},
    {PELLIX_FIELD(Flash), "Flash"},     {PELLIX_FIELD(Ssram), "SSRAM"},
    {PELLIX_FIELD(Rs422), "Rs422"},
};

// HSMC port A: the 2.5-V list with the transceiver cards; the card's pins
// take 2.5 V.
constexpr BoardCardPort kPorts[] = {
    {"HSMC-A", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, true, VOLTAGE_2V5,
     PELLIX_FIELD(HsmcACard), PELLIX_FIELD(HsmcAPrefix), CONNECTOR_ID_HSMC_A, IOSTD_2V5},
};

#undef PELLIX_FIELD

bool AnySfp(const PELLIX_CONFIG& r) {
    return r.Sfp[0] || r.Sfp[1] || r.Sfp[2] || r.Sfp[3];
}

// A transceiver card the port's list offers (an unlisted one becomes None).
bool HasTransceiverCard(const PELLIX_CONFIG& r) {
    if (r.HsmcACard == 0 || !IsTransceiverBoard(MakeCardId(r.HsmcACard))) {
        return false;
    }
    const std::vector<std::uint8_t> list = PortCardList(kPorts[0]);
    return std::find(list.begin(), list.end(), r.HsmcACard) != list.end();
}

} // namespace

bool Si570InUse(const PELLIX_CONFIG& record) {
    return AnySfp(record);
}

bool Cdcm61004InUse(const PELLIX_CONFIG& record) {
    return AnySfp(record) || record.SataHost || record.SataDevice || HasTransceiverCard(record);
}

namespace {

// CLOCK, LED, buttons, switches, temperature, fan, flash, SSRAM and RS-422;
// no oscillator in use, no card.
void SetDefaults(RecordSpan bytes) {
    PELLIX_CONFIG r = RecordAs<PELLIX_CONFIG>(bytes);
    r.SataHost = r.SataDevice = 0;
    r.Sma = 0;
    for (std::uint8_t& sfp : r.Sfp) {
        sfp = 0;
    }
    r.Pcie = 0;
    r.Si570Index = 0;
    r.Cdcm61004Index = 0;
    StoreRecord(bytes, r);
}

// A choice past its list becomes "Disable"; so does an oscillator none of
// whose consumers is in use, as the form shows it.
void Mend(RecordSpan bytes) {
    PELLIX_CONFIG r = RecordAs<PELLIX_CONFIG>(bytes);
    if (r.Si570Index < 0 || r.Si570Index > kLastSi570 || !Si570InUse(r)) {
        r.Si570Index = 0;
    }
    if (r.Cdcm61004Index < 0 || r.Cdcm61004Index > kLastCdcm61004 || !Cdcm61004InUse(r)) {
        r.Cdcm61004Index = 0;
    }
    StoreRecord(bytes, r);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_PELLIX(board, RecordAs<PELLIX_CONFIG>(bytes));
}

} // namespace
} // namespace pellix

extern const BoardDef kPellixBoard{
    .id = MAINBOARD_PELLIX,
    .title = "Pellix",
    .selectorLine = "Pellix II FPGA Board",
    .selectorPicture = "PELLIX_BITMAP",
    .folderWord = "Pellix",
    .defaultProjectName = "Pellix",
    .text = &kPellixText,
    .record = {.size = sizeof(PELLIX_CONFIG)},
    .peripherals = pellix::kPeripherals,
    .ports = pellix::kPorts,
    .setDefaults = pellix::SetDefaults,
    .mendRecord = pellix::Mend,
    .defaultPrefix = hsmcprefix::DefaultPrefix,
    .fill = pellix::Fill,
    .cardRules = {.hsmcDefault = HsmcDefaultNaming::Gxb},
};

namespace {
const BoardRegistrar kRegistrar{kPellixBoard};
} // namespace
