// The Hollin board (board id 9): a Stratix IV E board with eleven peripheral
// groups, a DDR3 socket, two HSMC and four FMC ports.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/stratix4/CONFIG_HOLLIN.h"
#include "boards/stratix4/HollinConfig.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/HsmcPortPrefix.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>

extern const BoardText kHollinText;

namespace hollin {
namespace {

#define HOLLIN_FIELD(f) offsetof(HOLLIN_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {HOLLIN_FIELD(bOSC), "OSC"},       {HOLLIN_FIELD(bLED), "LED"},
    {HOLLIN_FIELD(bSeg7), "Seg7"},     {HOLLIN_FIELD(bButton), "Button"},
    {HOLLIN_FIELD(bSwitch), "Switch"}, {HOLLIN_FIELD(bSma), "Sma"},
    {HOLLIN_FIELD(bTemp), "Temp"},     {HOLLIN_FIELD(bDDR3), "DDR3"},
    {HOLLIN_FIELD(bFan), "Fan"},       {HOLLIN_FIELD(bSSRAM), "SSRAM"},
    {HOLLIN_FIELD(bFlash), "Flash"},
};

constexpr BoardCardPort HsmcPort(const char* name, int n) {
    BoardCardPort port{name,
                       PortFamily::Hsmc,
                       config::CardListRule::Holder,
                       CONNECTOR_HSMC,
                       false,
                       VOLTAGE_2V5,
                       HOLLIN_FIELD(nHsmcDaughterId) + static_cast<std::size_t>(n),
                       HOLLIN_FIELD(szHsmcPrefixName) +
                           kRecordTextSize * static_cast<std::size_t>(n),
                       ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                       IOSTD_2V5};
    // The HSMC Default card names its clock pairs after the port.
    port.fillPort = n;
    port.attachDefaultPrefix = n == HSMC_A ? stratix4::HsmaPrefix : stratix4::HsmbPrefix;
    return port;
}

// The FMC prefixes are not checked against each other: two ports with one
// card and one prefix meet the duplicate-signal check at Generate.
constexpr BoardCardPort FmcPort(const char* name, int n) {
    BoardCardPort port{name,
                       PortFamily::Fmc,
                       config::CardListRule::Holder,
                       CONNECTOR_FMC_HPC,
                       false,
                       VOLTAGE_2V5,
                       HOLLIN_FIELD(nFmcDaughterId) + static_cast<std::size_t>(n),
                       HOLLIN_FIELD(szFmcPrefixName) +
                           kRecordTextSize * static_cast<std::size_t>(n),
                       ConnectorIdAt(CONNECTOR_ID_FMC_A, n),
                       IOSTD_3V3_LVTTL};
    port.prefixRuleExempt = true;
    return port;
}

constexpr BoardCardPort kPorts[] = {
    HsmcPort("HSMC-A", HSMC_A), HsmcPort("HSMC-B", HSMC_B), FmcPort("FMC-A", FMC_A),
    FmcPort("FMC-B", FMC_B),    FmcPort("FMC-C", FMC_C),    FmcPort("FMC-D", FMC_D),
};

void SetDefaults(RecordSpan bytes) {
    bytes[HOLLIN_FIELD(bDDR3)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_HOLLIN(board, RecordAs<HOLLIN_CONFIG>(bytes));
}

void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<HOLLIN_CONFIG>(bytes).bDDR3) {
        AttachDdr3Sodimm(&board, CONNECTOR_ID_DDR3_SODIMM, CardPrefix("mem_"),
                         DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    }
}

#undef HOLLIN_FIELD

} // namespace
} // namespace hollin

extern const BoardDef kHollinBoard{
    .id = MAINBOARD_HOLLIN,
    .title = "Hollin FPGA Board",
    .selectorLine = "Hollin FPGA Board",
    .selectorPicture = "HOLLIN_400_BITMAP",
    .folderWord = hollin::kFolderWord,
    .defaultProjectName = hollin::kDefaultProjectName,
    .text = &kHollinText,
    .record = {.size = sizeof(HOLLIN_CONFIG)},
    .peripherals = hollin::kPeripherals,
    .ports = hollin::kPorts,
    .setDefaults = hollin::SetDefaults,
    .fill = hollin::Fill,
    .attachExtra = hollin::AttachExtra,
    .cardRules = {.singleEndedRule = SingleEndedRule::Fixed,
                  .singleEnded = IOSTD_3V0_PCIX,
                  .hsmcDefault = HsmcDefaultNaming::CommonOutClocks,
                  .hsmcDebugLine96 = HsmcDebugLine96::Input,
                  .ddr3Sodimm = Ddr3SodimmForm::LowerCase},
};

namespace {
const BoardRegistrar kRegistrar{kHollinBoard};
} // namespace
