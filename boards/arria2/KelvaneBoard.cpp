// The Kelvane board (board id 100): an Arria II GX board with six peripheral
// groups, a DDR2 socket and two HSMC ports. Its form starts from the
// defaults each time and keeps no default.cfg.

#include "boards/BoardDef.h"
#include "boards/Boards.h"
#include "boards/arria2/CONFIG_KELVANE.h"
#include "boards/arria2/KelvaneConfig.h"
#include "boards/arria2/KelvaneId.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>

extern const BoardText kKelvaneText;

namespace kelvane {
namespace {

#define KELVANE_FIELD(f) offsetof(KELVANE_CONFIG, f)

// The form's nine connected check boxes.
constexpr BoardPeripheral kPeripherals[] = {
    {KELVANE_FIELD(bLCD), "LCD"},       {KELVANE_FIELD(bOSC), "OSC"},
    {KELVANE_FIELD(bLED), "LED"},       {KELVANE_FIELD(bButton), "Button"},
    {KELVANE_FIELD(bDIP), "DIP"},       {KELVANE_FIELD(bDDR2), "DDR2"},
    {KELVANE_FIELD(bDDR3), "DDR3"},     {KELVANE_FIELD(bEthernet), "Ethernet"},
    {KELVANE_FIELD(bPciBus), "PciBus"},
};

constexpr BoardCardPort HsmcPort(const char* name, int n) {
    return BoardCardPort{name,
                         PortFamily::Hsmc,
                         config::CardListRule::Holder,
                         CONNECTOR_HSMC,
                         true,
                         VOLTAGE_2V5,
                         KELVANE_FIELD(nHsmcDaughterId) + static_cast<std::size_t>(n),
                         KELVANE_FIELD(szHsmcPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(n),
                         ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                         IOSTD_2V5};
}

constexpr BoardCardPort kPorts[] = {HsmcPort("HSMC-A", HSMC_A), HsmcPort("HSMC-B", HSMC_B)};

// The defaults leave the header's board id and size 0.
void SetDefaults(RecordSpan bytes) {
    bytes[KELVANE_FIELD(BoardId)] = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[KELVANE_FIELD(Size) + i] = 0;
    }
    for (const std::size_t off :
         {KELVANE_FIELD(bDDR2), KELVANE_FIELD(bDDR3), KELVANE_FIELD(bPciBus)}) {
        bytes[off] = 0;
    }
}

// A generation works on the record the controls give, whose header always
// names this board; the variant byte comes from the held record.
void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    KELVANE_CONFIG config = RecordAs<KELVANE_CONFIG>(bytes);
    config.BoardId = static_cast<std::uint8_t>(MAINBOARD_KELVANE);
    config.Size = KELVANE_CONFIG::kSize;
    CONFIG_KELVANE(board, config);
}

void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<KELVANE_CONFIG>(bytes).bDDR2) {
        AttachDdr2Sodimm(&board, CONNECTOR_ID_DDR2_SODIMM, CardPrefix("mem_"),
                         DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
    }
}

#undef KELVANE_FIELD

} // namespace
} // namespace kelvane

extern const BoardDef kKelvaneBoard{
    .id = MAINBOARD_KELVANE,
    .title = "Kelvane",
    .selectorLine = "Kelvane",
    .selectorPicture = "KELVANE_400_BITMAP",
    .folderWord = kelvane::kFolderWord,
    .defaultProjectName = kelvane::kDefaultProjectName,
    .text = &kKelvaneText,
    .record = {.size = sizeof(KELVANE_CONFIG)},
    .peripherals = kelvane::kPeripherals,
    .ports = kelvane::kPorts,
    .setDefaults = kelvane::SetDefaults,
    .prefixChecksAfterName = true,
    .fill = kelvane::Fill,
    .attachExtra = kelvane::AttachExtra,
};

namespace {
const BoardRegistrar kRegistrar{kKelvaneBoard};
} // namespace
