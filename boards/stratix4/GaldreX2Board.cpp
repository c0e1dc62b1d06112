// The Galdre_X2 board (board id 7): a Stratix IV GX board with two FPGAs,
// each with its own peripherals, DDR2 socket, four HSMC ports and project.
// The definition describes the node in the record's first slot.

#include "boards/stratix4/GaldreX2Board.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/CONFIG_GALDRE_X2.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "model/HolderModuleAttach.h"

#include <algorithm>
#include <cstddef>

namespace galdre_x2 {

std::vector<std::uint8_t> NodeView(ConstRecordSpan record, int node) {
    PINSMITH_ASSERT(record.size() == sizeof(GALDRE_X2_CONFIG));
    PINSMITH_ASSERT(node == 0 || node == 1);
    std::vector<std::uint8_t> view(record.begin(), record.end());
    if (node == 1) {
        const auto first = view.begin() + offsetof(GALDRE_X2_CONFIG, F);
        std::swap_ranges(first, first + sizeof(GALDRE_X2_NODE), first + sizeof(GALDRE_X2_NODE));
    }
    return view;
}

namespace {

constexpr std::size_t kNode0 = offsetof(GALDRE_X2_CONFIG, F);
constexpr std::size_t kNode1 = kNode0 + sizeof(GALDRE_X2_NODE);
#define NODE_FIELD(f) (kNode0 + offsetof(GALDRE_X2_NODE, f))

// The 18 check boxes of the node shown.
constexpr BoardPeripheral kPeripherals[] = {
    {NODE_FIELD(bOSC), "OSC"},       {NODE_FIELD(bSma), "Sma"},
    {NODE_FIELD(bLED), "LED"},       {NODE_FIELD(bLCD), "LCD"},
    {NODE_FIELD(bButton), "Button"}, {NODE_FIELD(bSwitch), "Switch"},
    {NODE_FIELD(bSDCARD), "SDCARD"}, {NODE_FIELD(bUSB), "USB"},
    {NODE_FIELD(bFan), "Fan"},       {NODE_FIELD(bTemp), "Temp"},
    {NODE_FIELD(bPCIe), "PCIe"},     {NODE_FIELD(bFPGABridge), "FPGABridge"},
    {NODE_FIELD(bDDR2), "DDR2"},     {NODE_FIELD(bEthernet), "Ethernet"},
    {NODE_FIELD(bDDR3), "DDR3"},     {NODE_FIELD(bEEPROM), "EEPROM"},
    {NODE_FIELD(bFlash), "Flash"},   {NODE_FIELD(bSSRAM), "SSRAM"},
};

// Every port offers the HSMC list without transceiver cards; the cards take
// exactly the prefix typed for them.
constexpr BoardCardPort HsmcPort(const char* name, int n) {
    return BoardCardPort{name,
                         PortFamily::Hsmc,
                         config::CardListRule::Holder,
                         CONNECTOR_HSMC,
                         false,
                         VOLTAGE_2V5,
                         NODE_FIELD(nHsmcDaughterId) + static_cast<std::size_t>(n),
                         NODE_FIELD(szHSMCPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(n),
                         ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                         IOSTD_2V5};
}

constexpr BoardCardPort kPorts[] = {
    HsmcPort("HSMC-A", HSMC_A),
    HsmcPort("HSMC-B", HSMC_B),
    HsmcPort("HSMC-C", HSMC_C),
    HsmcPort("HSMC-D", HSMC_D),
};

// Both nodes start alike, each with its own project name.
void SetDefaults(RecordSpan bytes) {
    for (const std::size_t off :
         {NODE_FIELD(bDDR2), NODE_FIELD(bDDR3), NODE_FIELD(bPCIe), NODE_FIELD(bFPGABridge)}) {
        bytes[off] = 0;
    }
    SetRecordFieldText(bytes, NODE_FIELD(ProjectName), "F1_Galdre");
    std::copy(bytes.begin() + kNode0, bytes.begin() + kNode1, bytes.begin() + kNode1);
    SetRecordFieldText(bytes, kNode1 + offsetof(GALDRE_X2_NODE, ProjectName), "F2_Galdre");
}

// The second node as the common mending treats the first: option bytes 0
// or 1, texts ending at their first NUL, a card its list does not offer
// None with an empty prefix.
void MendSecondNode(RecordSpan bytes) {
    const std::size_t shift = sizeof(GALDRE_X2_NODE);
    for (const std::size_t offset : kPeripherals) {
        bytes[offset + shift] = bytes[offset + shift] != 0 ? 1 : 0;
    }
    const std::size_t name = NODE_FIELD(ProjectName) + shift;
    SetRecordFieldText(bytes, name, RecordFieldText(bytes, name));
    for (const BoardCardPort& port : kPorts) {
        const std::uint8_t card = bytes[port.cardOffset + shift];
        const std::vector<std::uint8_t> list = PortCardList(port);
        const std::size_t prefix = port.prefixOffset + shift;
        if (std::find(list.begin(), list.end(), card) == list.end()) {
            bytes[port.cardOffset + shift] = 0;
            SetRecordFieldText(bytes, prefix, "");
        } else {
            SetRecordFieldText(bytes, prefix, RecordFieldText(bytes, prefix));
        }
    }
}

// The board-type combo holds one entry; no node keeps the controller flag.
void Mend(RecordSpan bytes) {
    bytes[offsetof(GALDRE_X2_CONFIG, nBoardTypeIndex)] = 0;
    bytes[NODE_FIELD(bMax2)] = 0;
    bytes[NODE_FIELD(bMax2) + sizeof(GALDRE_X2_NODE)] = 0;
    MendSecondNode(bytes);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_GALDRE_X2(board, RecordAs<GALDRE_X2_CONFIG>(bytes), 0);
}

void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<GALDRE_X2_CONFIG>(bytes).F[0].bDDR2) {
        AttachDdr2Sodimm(&board, CONNECTOR_ID_DDR2_SODIMM, CardPrefix("mem_"),
                         DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
    }
}

#undef NODE_FIELD

} // namespace
} // namespace galdre_x2

extern const BoardDef kGaldreX2Board{
    .id = MAINBOARD_GALDRE_X2,
    .title = "Galdre_X2 FPGA Board",
    .selectorLine = "Galdre X2 FPGA Board",
    .selectorPicture = "GALDRE_X2_400_BITMAP",
    .folderWord = galdre_x2::kFolderWord,
    .defaultProjectName = "F1_Galdre",
    .record = {.size = sizeof(GALDRE_X2_CONFIG), .projectNameOffset = galdre_x2::kNode0},
    .peripherals = galdre_x2::kPeripherals,
    .ports = galdre_x2::kPorts,
    .setDefaults = galdre_x2::SetDefaults,
    .mendRecord = galdre_x2::Mend,
    .fill = galdre_x2::Fill,
    .attachExtra = galdre_x2::AttachExtra,
    .cardRules = {.singleEndedRule = SingleEndedRule::Fixed,
                  .singleEnded = IOSTD_3V0_PCIX,
                  .transceiver = IOSTD_1V4_PCML},
};

namespace {
const BoardRegistrar kRegistrar{kGaldreX2Board};
} // namespace
