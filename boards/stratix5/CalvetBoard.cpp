// The Calvet board (board id 31): a Stratix V GX board in three device
// variants with eighteen peripheral groups, two programmable clock chips
// (a CDCM6208 and an LMK04906), a DDR3 SODIMM socket, a 2x20 GPIO header
// and four FMC ports (A and D high pin count, B and C low pin count).

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix5/CONFIG_CALVET.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/ConfigCalvet.h"
#include "model/HolderModuleAttach.h"
#include "model/MainBoard.h"

#include <cstddef>

extern const BoardText kCalvetText;

namespace calvet {
namespace {

#define CALVET_FIELD(f) offsetof(CALVET_CONFIG, f)

// The eighteen option bytes, the two clock chips among them.
constexpr BoardPeripheral kPeripherals[] = {
    {CALVET_FIELD(Clock), "OSC"},
    {CALVET_FIELD(Led), "LED"},
    {CALVET_FIELD(Button), "Button"},
    {CALVET_FIELD(Switch), "Switch"},
    {CALVET_FIELD(Sma), "Sma"},
    {CALVET_FIELD(Temperature), "Temp"},
    {CALVET_FIELD(PowerMonitor), "Power"},
    {CALVET_FIELD(Ddr3), "DDR3"},
    {CALVET_FIELD(Pcie), "PCIe"},
    {CALVET_FIELD(SataHost), "SataHost"},
    {CALVET_FIELD(SataDevice), "SataDevice"},
    {CALVET_FIELD(UartToUsb), "Uart2Usb"},
    {CALVET_FIELD(MicroSd), "Sdcard"},
    {CALVET_FIELD(Fan), "Fan"},
    {CALVET_FIELD(Ssram), "SSRAM"},
    {CALVET_FIELD(Flash), "Flash"},
    {CALVET_FIELD(Cdcm6208Pll), "ExtCdcmPLL"},
    {CALVET_FIELD(Lmk04906Pll), "ExtLmkPLL"},
};

constexpr BoardCardPort FmcPort(const char* name, int n, ConnectorType type) {
    return BoardCardPort{name, PortFamily::Fmc, config::CardListRule::BoardClass, type, true,
                         VOLTAGE_2V5, CALVET_FIELD(FmcCardId) + static_cast<std::size_t>(n),
                         CALVET_FIELD(FmcPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(n),
                         ConnectorIdAt(CONNECTOR_ID_FMC_A, n),
                         // The card fill gives this board's FMC standards.
                         IOSTD_3V3_LVTTL};
}

// The GPIO header (2.5 V), then FMC-A..D.
constexpr BoardCardPort kPorts[] = {
    {"GPIO", PortFamily::Gpio, config::CardListRule::BoardClass, CONNECTOR_GPIO40, false,
     VOLTAGE_2V5, CALVET_FIELD(GpioCardId), CALVET_FIELD(GpioPrefixName), CONNECTOR_ID_GPIO_0,
     IOSTD_2V5},
    FmcPort("FMC-A", 0, CONNECTOR_FMC_HPC),
    FmcPort("FMC-B", 1, CONNECTOR_FMC_LPC),
    FmcPort("FMC-C", 2, CONNECTOR_FMC_LPC),
    FmcPort("FMC-D", 3, CONNECTOR_FMC_HPC),
};

#undef CALVET_FIELD

// Variant 0; every group but DDR3, PCIe, SATA and the clock chips; the
// chips' default choices.
void SetDefaults(RecordSpan bytes) {
    CALVET_CONFIG r = RecordAs<CALVET_CONFIG>(bytes);
    r.DeviceVariant = 0;
    r.Ddr3 = r.Pcie = r.SataHost = r.SataDevice = 0;
    r.Cdcm6208Pll = r.Lmk04906Pll = 0;
    for (int i = 0; i < kCdcmOutputs; ++i) {
        r.CdcmOutputIndex[i] = kDefaultCdcmIndex[i];
    }
    for (std::uint8_t& index : r.LmkOutputIndex) {
        index = kDefaultLmkIndex;
    }
    StoreRecord(bytes, r);
}

// A variant or an output choice outside its list becomes the default.
void Mend(RecordSpan bytes) {
    CALVET_CONFIG r = RecordAs<CALVET_CONFIG>(bytes);
    if (r.DeviceVariant >= kDeviceVariants) {
        r.DeviceVariant = 0;
    }
    for (int i = 0; i < kCdcmOutputs; ++i) {
        if (r.CdcmOutputIndex[i] > kLastCdcmIndex[i]) {
            r.CdcmOutputIndex[i] = kDefaultCdcmIndex[i];
        }
    }
    for (std::uint8_t& index : r.LmkOutputIndex) {
        if (index > kLastLmkIndex) {
            index = kDefaultLmkIndex;
        }
    }
    StoreRecord(bytes, r);
}

// The CDCM6208 runs FMCA_REFCLK_0 and FMCD_REFCLK_0 at one frequency.
bool Check(ConstRecordSpan bytes, std::string& message) {
    const CALVET_CONFIG r = RecordAs<CALVET_CONFIG>(bytes);
    if (r.Cdcm6208Pll && r.CdcmOutputIndex[0] != 0 &&
        r.CdcmOutputIndex[0] != r.CdcmOutputIndex[1]) {
        message = "Due to the limitation of CDCM6208,\r\nthe clock frequency of FMCA_REFCLK_0 and "
                  "FMCD_REFCLK_0 must be the same..\r\n";
        return false;
    }
    return true;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_CALVET(board, RecordAs<CALVET_CONFIG>(bytes));
}

// The DDR3 SODIMM module on the socket.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<CALVET_CONFIG>(bytes).Ddr3) {
        board.AttachDdr3Sodimm(CONNECTOR_ID_DDR3_SODIMM_A, CardPrefix("DDR3_"),
                               DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    }
}

} // namespace
} // namespace calvet

extern const BoardDef kCalvetBoard{
    .id = MAINBOARD_CALVET,
    .title = "Calvet FPGA Board",
    .selectorLine = "Calvet FPGA Board",
    .selectorPicture = "CALVET_400_BITMAP",
    .folderWord = calvet::kWord,
    .defaultProjectName = calvet::kWord,
    .text = &kCalvetText,
    .record = {.size = sizeof(CALVET_CONFIG)},
    .peripherals = calvet::kPeripherals,
    .ports = calvet::kPorts,
    .setDefaults = calvet::SetDefaults,
    .mendRecord = calvet::Mend,
    .checkRecord = calvet::Check,
    .fill = calvet::Fill,
    .attachExtra = calvet::AttachExtra,
    .cardRules = {.singleEndedRule = SingleEndedRule::Fixed,
                  .singleEnded = IOSTD_2V5,
                  .fmcHpcVita = FmcHpcVitaNaming::Vita},
};

namespace {
const BoardRegistrar kRegistrar{kCalvetBoard};
} // namespace
