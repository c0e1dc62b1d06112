// The Harvik board (board id 36): a Stratix 10 board with four QSFP28
// ports, PCIe, two Si5340A clock chips, a choice of Verilog or VHDL for the
// top level, and four memory sockets that each take a DDR4 SODIMM (with or
// without ECC), a QDR-II+ or a QDR-IV module. Sockets A and B, and C and D,
// must hold modules of one kind.

#include "boards/arria10_stratix10/HarvikBoard.h"
#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_HARVIK.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "model/CardAttach.h"
#include "model/DaughterBoard.h"
#include "platform/Files.h"

#include <cstddef>

extern const BoardText kHarvikText;
extern const BoardDef kHarvikBoard;

namespace harvik {
namespace {

#define HARVIK_FIELD(f) offsetof(HARVIK_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {HARVIK_FIELD(Clock), "OSC"},
    {HARVIK_FIELD(Led), "LED"},
    {HARVIK_FIELD(Button), "Button"},
    {HARVIK_FIELD(Switch), "Switch"},
    {HARVIK_FIELD(Fan), "Fan"},
    {HARVIK_FIELD(Temperature), "Temperature"},
    {HARVIK_FIELD(PowerMonitor), "Power"},
    {HARVIK_FIELD(Flash), "Flash"},
    {HARVIK_FIELD(Mmcx), "MMCX"},
    {HARVIK_FIELD(Pcie), "PCIe"},
    {HARVIK_FIELD(Gpio2x5), "GPIO2x5"},
    {HARVIK_FIELD(Qsfp28) + 0, "QSFP28_A"},
    {HARVIK_FIELD(Qsfp28) + 1, "QSFP28_B"},
    {HARVIK_FIELD(Qsfp28) + 2, "QSFP28_C"},
    {HARVIK_FIELD(Qsfp28) + 3, "QSFP28_D"},
};

// The sockets list the modules 77..80. Their prefix rule runs in CheckRecord
// after the rule of the module kinds.
constexpr BoardCardPort SocketPort(const char* name, int socket) {
    BoardCardPort port{name,
                       PortFamily::Ddr4Socket,
                       config::CardListRule::BoardClass,
                       CONNECTOR_DDR4_SODIMM_IF_ECC,
                       false,
                       VOLTAGE_2V5,
                       HARVIK_FIELD(SocketCardId) + static_cast<std::size_t>(socket),
                       HARVIK_FIELD(SocketPrefixName) +
                           static_cast<std::size_t>(socket) * kRecordTextSize,
                       ConnectorIdAt(CONNECTOR_ID_DDR4_SOCKET_A, socket),
                       IOSTD_1V2};
    port.prefixRuleExempt = true;
    return port;
}
constexpr BoardCardPort kPorts[kSockets] = {
    SocketPort("DDR4-Socket-A", 0),
    SocketPort("DDR4-Socket-B", 1),
    SocketPort("DDR4-Socket-C", 2),
    SocketPort("DDR4-Socket-D", 3),
};

constexpr const char* kDefaultPrefixes[kSockets] = {"DDR4A_", "DDR4B_", "DDR4C_", "DDR4D_"};

// Every socket holds a DDR4 SODIMM with ECC.
void SetDefaults(RecordSpan bytes) {
    HARVIK_CONFIG record = RecordAs<HARVIK_CONFIG>(bytes);
    for (int s = 0; s < kSockets; ++s) {
        record.SocketCardId[s] = 78;
        config::SetRecordText(record.SocketPrefixName[s], kRecordTextSize, kDefaultPrefixes[s]);
    }
    StoreRecord(bytes, record);
}

// A reference-clock index without a combo item becomes item 0.
void Mend(RecordSpan bytes) {
    HARVIK_CONFIG record = RecordAs<HARVIK_CONFIG>(bytes);
    record.TopFileVhdl = record.TopFileVhdl != 0 ? 1 : 0;
    for (std::int32_t& index : record.XcvrRefIndex) {
        if (index < 0 || index >= kXcvrRefItems) {
            index = 0;
        }
    }
    for (std::int32_t& index : record.MemRefIndex) {
        if (index < 0 || index >= kMemRefItems) {
            index = 0;
        }
    }
    StoreRecord(bytes, record);
}

// The two sockets of a pair hold modules of one kind; then no two sockets
// with the same module share a prefix.
bool Check(ConstRecordSpan bytes, std::string& message) {
    const HARVIK_CONFIG record = RecordAs<HARVIK_CONFIG>(bytes);
    const auto cardAt = [&](int s) { return MakeCardId(record.SocketCardId[s]); };
    bool ok = true;
    const auto pair = [&](int first, const char* text) {
        if (cardAt(first) != CARD_NONE && cardAt(first + 1) != CARD_NONE &&
            HarvikMemoryFamily(cardAt(first)) != HarvikMemoryFamily(cardAt(first + 1))) {
            message = text;
            ok = false;
        }
    };
    pair(0, "Memory modules on the DDR4-SODIMM Socket-A and Socket-B shoud be the same memory "
            "type.");
    pair(2, "Memory modules on the DDR4-SODIMM Socket-C and Socket-D shoud be the same memory "
            "type.");
    if (!ok) {
        return false;
    }
    CardId cards[kSockets];
    std::string prefixes[kSockets];
    for (int s = 0; s < kSockets; ++s) {
        cards[s] = cardAt(s);
        prefixes[s] = config::RecordText(record.SocketPrefixName[s], kRecordTextSize);
    }
    return CheckDdr4SocketPrefixNames(kSockets, cards, prefixes, message);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_HARVIK(board, RecordAs<HARVIK_CONFIG>(bytes));
}

// The modules in the sockets, a DDR4 SODIMM's SA and I2C lines at 1.2 V.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const HARVIK_CONFIG record = RecordAs<HARVIK_CONFIG>(bytes);
    for (int s = 0; s < kSockets; ++s) {
        const ConnectorId connector = ConnectorIdAt(CONNECTOR_ID_DDR4_SOCKET_A, s);
        const CardPrefix prefix(config::RecordText(record.SocketPrefixName[s], kRecordTextSize));
        switch (record.SocketCardId[s]) {
        case 0:
            break;
        case 77:
        case 78:
            board.AttachDdr4SodimmInterface(connector, prefix, IOSTD_1V2, IOSTD_1V2,
                                            record.SocketCardId[s] == 78 ? Ecc::With : Ecc::Without,
                                            board.m_CardRules.ddr4SodimmInterface);
            break;
        case 79:
            board.AttachQdr2Module(connector, prefix);
            break;
        case 80:
            board.AttachQdr4Module(connector, prefix);
            break;
        default:
            PINSMITH_FAIL("Harvik socket: a card the socket list does not offer");
        }
    }
}

bool UsesVhdl(ConstRecordSpan bytes) {
    return RecordAs<HARVIK_CONFIG>(bytes).TopFileVhdl != 0;
}

#undef HARVIK_FIELD

} // namespace
} // namespace harvik

HarvikMemory HarvikMemoryFamily(CardId card) {
    switch (CardNumber(card)) {
    case 77:
    case 78:
        return HarvikMemory::Ddr4;
    case 79:
        return HarvikMemory::Qdr2;
    case 80:
        return HarvikMemory::Qdr4;
    default:
        return HarvikMemory::None;
    }
}

void SetHarvikPreset(RecordSpan record, HarvikMemory kind) {
    struct Preset {
        std::uint8_t card;
        const char* word;
        std::int32_t memRefIndex;
    };
    Preset preset{};
    switch (kind) {
    case HarvikMemory::Ddr4:
        preset = {78, "DDR4", 0};
        break;
    case HarvikMemory::Qdr2:
        preset = {79, "QDR2", 1};
        break;
    case HarvikMemory::Qdr4:
        preset = {80, "QDR4", 2};
        break;
    case HarvikMemory::None:
        PINSMITH_FAIL("SetHarvikPreset: a preset without a module");
    }
    SetDefaultRecord(kHarvikBoard, record);
    HARVIK_CONFIG config = RecordAs<HARVIK_CONFIG>(record);
    for (int s = 0; s < harvik::kSockets; ++s) {
        config.SocketCardId[s] = preset.card;
        config::SetRecordText(config.SocketPrefixName[s], kRecordTextSize,
                              std::string(preset.word) + static_cast<char>('A' + s) + "_");
        config.MemRefIndex[s] = preset.memRefIndex;
    }
    StoreRecord(record, config);
}

bool ExportHarvikHsmcPinLists(const std::string& folder) {
    // A value-initialised settings object of board 34, for its card list.
    TConfigFalmor falmor;
    falmor.BuildCardList(CONNECTOR_HSMC, true, VOLTAGE_2V5);
    const std::string target = folder + "hsmc" + platform::kPathSep;
    if (!platform::ForceDirectories(target)) {
        return false;
    }
    TDaughterBoard card;
    for (int i = 0; i < falmor.CardCount; ++i) {
        const CardId id = MakeCardId(falmor.CardIds[i]);
        if (id == CARD_NONE) {
            continue;
        }
        card.FillCard(id, BoardCardRules(MAINBOARD_FALMOR), 0, IOSTD_3V3_LVTTL, "");
        if (!SaveConnectorPinList(card, target + BoardShortName(id) + ".txt")) {
            return false;
        }
    }
    return true;
}

extern const BoardDef kHarvikBoard{
    .id = MAINBOARD_HARVIK,
    .title = "Harvik",
    .selectorLine = "Harvik Board",
    .selectorPicture = "HARVIK_BITMAP",
    .folderWord = harvik::kWord,
    .defaultProjectName = harvik::kWord,
    .text = &kHarvikText,
    .record = {.size = sizeof(HARVIK_CONFIG)},
    .peripherals = harvik::kPeripherals,
    .ports = harvik::kPorts,
    .setDefaults = harvik::SetDefaults,
    .mendRecord = harvik::Mend,
    .checkRecord = harvik::Check,
    .fill = harvik::Fill,
    .attachExtra = harvik::AttachExtra,
    .usesVhdl = harvik::UsesVhdl,
    // Its cards derive as on Gristel at 1.8 V: every single-ended level
    // 1.8 V, every lane HSSI. Its sockets take the module interface cards in
    // one rank.
    .cardRules = {.singleEndedRule = SingleEndedRule::Fixed,
                  .singleEnded = IOSTD_1V8,
                  .transceiver = IOSTD_HSSI_DIFF,
                  .levels = CardLevels::FollowBank,
                  .ddr4SodimmInterface = Ddr4SodimmLayout::OneRank},
};

namespace {
const BoardRegistrar kRegistrar{kHarvikBoard};
} // namespace
