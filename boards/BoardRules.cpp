#include "boards/BoardRules.h"

#include "boards/Boards.h"
#include "boards/ExportSet.h"
#include "boards/GpioHeaders.h"
#include "cards/CardRegistry.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/PinParsing.h"
#include "model/Sizes.h"
#include "platform/AsciiText.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <algorithm>

namespace {

void PutLe32(RecordSpan record, std::size_t offset, std::uint32_t value) {
    PINSMITH_ASSERT(offset + 4 <= record.size());
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetLe32(ConstRecordSpan record, std::size_t offset) {
    PINSMITH_ASSERT(offset + 4 <= record.size());
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    }
    return value;
}

CardId CardAt(ConstRecordSpan record, const BoardCardPort& port) {
    return RecordPortCard(record, port);
}

// The card a port carries for generation and the checks: none while idle.
CardId ActiveCardAt(ConstRecordSpan record, const BoardCardPort& port) {
    return port.idle ? CARD_NONE : CardAt(record, port);
}

bool Offers(const BoardCardPort& port, CardId card) {
    const std::vector<std::uint8_t> list = PortCardList(port);
    return std::find(list.begin(), list.end(), static_cast<std::uint8_t>(card)) != list.end() &&
           CardFitsPort(port, card);
}

// Whether the top level can declare the connector's ports as far as
// directions go: the port grouping finds no port whose pins go two ways.
bool BusesKeepOneDirection(const TConnector& connector) {
    TPinParsing ports;
    return ports.Group(connector) != TPinParsing::Outcome::DirectionClash;
}

// The card on the port's connector as the board's filler makes it (the
// port alone holding the card): whether its buses keep one direction where
// the board fixes the direction of a position.
// An 80-pin card on a port of the board's header pair sits on the pair's
// connector.
bool OnHeaderPair(const BoardDef& def, const BoardCardPort& port, CardId card) {
    if (!def.pair.IsSet() || !IsEightyPinCard(card)) {
        return false;
    }
    const auto offsetAt = [&def](int index) {
        return def.ports[static_cast<std::size_t>(index)].cardOffset;
    };
    return port.cardOffset == offsetAt(def.pair.port0) ||
           port.cardOffset == offsetAt(def.pair.port1);
}

bool TrialKeepsBusDirections(const BoardDef& def, const BoardCardPort& port, CardId card) {
    const CardEntry* entry = FindCardEntry(card);
    if (!def.HasRecord() || !def.fill || !entry || !entry->fill ||
        !CardFitsFamily(port.family, card)) {
        return true; // a memory module or a card this check cannot attach
    }
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    const bool onPair = OnHeaderPair(def, port, card);
    if (IsEightyPinCard(card) && !onPair) {
        return true; // the filler attaches an 80-pin card only across a header pair
    }
    if (onPair) {
        SetRecordPortCard(record, def.ports[static_cast<std::size_t>(def.pair.port0)], card);
        SetRecordPortCard(record, def.ports[static_cast<std::size_t>(def.pair.port1)], card);
    } else {
        SetRecordPortCard(record, port, card);
    }
    TMainBoard board;
    def.fill(&board, record);
    TConnector* connector =
        board.GetExpansionConnector(onPair ? def.pair.connector : port.connector);
    if (!connector ||
        !TDaughterBoard::CanMergeOnto(BoardConnectorType(card), connector->GetType())) {
        return true;
    }
    TDaughterBoard daughter;
    daughter.FillCard(card, def.cardRules, port.fillPort, port.ioStandard, port.busName);
    daughter.UpdateMasterConnector(connector, std::string());
    return BusesKeepOneDirection(*connector);
}

// The prefix rule of one family, over its ports in port order; a message
// names the ports by their own names (an idle port in between leaves the
// others' names as they are).
bool CheckFamilyPrefixes(const BoardDef& def, PortFamily family,
                         const std::vector<BoardCardPort>& ports, ConstRecordSpan record,
                         std::string& message) {
    std::vector<CardId> cards;
    std::vector<std::string> prefixes;
    std::vector<const char*> names;
    for (const BoardCardPort& port : ports) {
        if (port.family == family && !port.idle && !port.prefixRuleExempt) {
            cards.push_back(ActiveCardAt(record, port));
            prefixes.push_back(EffectivePrefix(def, record, port));
            names.push_back(port.name);
        }
    }
    if (cards.size() < 2) {
        return true;
    }
    return CheckNamedPrefixNames(family, static_cast<int>(cards.size()), cards.data(),
                                 prefixes.data(), names.data(), message);
}

} // namespace

bool IsEightyPinCard(CardId card) {
    return BoardConnectorType(card) == CONNECTOR_GPIO80;
}

PairedHeader PairHeaders(CardId sourceCard, CardId otherCard) {
    if (IsEightyPinCard(sourceCard)) {
        return PairedHeader::Follow;
    }
    return IsEightyPinCard(otherCard) ? PairedHeader::FreeAndCleared : PairedHeader::Free;
}

std::string EffectivePrefix(const BoardDef& def, ConstRecordSpan record,
                            const BoardCardPort& port) {
    std::string prefix = RecordFieldText(record, port.prefixOffset);
    if (prefix.empty() && def.defaultPrefix) {
        if (const char* fallback = def.defaultPrefix(CardAt(record, port))) {
            prefix = fallback;
        }
    }
    return prefix;
}

std::vector<BoardCardPort> EffectivePorts(const BoardDef& def, ConstRecordSpan record) {
    std::vector<BoardCardPort> ports(def.ports.begin(), def.ports.end());
    if (def.adjustPort) {
        for (int i = 0; i < static_cast<int>(ports.size()); ++i) {
            def.adjustPort(record, i, ports[static_cast<std::size_t>(i)]);
        }
    }
    return ports;
}

CardId RecordPortCard(ConstRecordSpan record, const BoardCardPort& port) {
    switch (port.cardField) {
    case CardField::U8:
        PINSMITH_ASSERT(port.cardOffset < record.size());
        return MakeCardId(record[port.cardOffset]);
    case CardField::I32: {
        PINSMITH_ASSERT(port.cardOffset + 4 <= record.size());
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            bits |= static_cast<std::uint32_t>(record[port.cardOffset + i]) << (8 * i);
        }
        return bits <= 255 ? MakeCardId(static_cast<int>(bits)) : kUnlistedCard;
    }
    }
    PINSMITH_FAIL("unknown card field width");
}

void SetRecordPortCard(RecordSpan record, const BoardCardPort& port, CardId card) {
    switch (port.cardField) {
    case CardField::U8:
        PINSMITH_ASSERT(port.cardOffset < record.size());
        record[port.cardOffset] = static_cast<std::uint8_t>(card);
        return;
    case CardField::I32:
        PutLe32(record, port.cardOffset, static_cast<std::uint32_t>(CardNumber(card)));
        return;
    }
    PINSMITH_FAIL("unknown card field width");
}

bool CardFitsPort(const BoardCardPort& port, CardId card) {
    return std::find(port.unfitCards.begin(), port.unfitCards.end(),
                     static_cast<std::uint8_t>(card)) == port.unfitCards.end();
}

bool CardKeepsBusDirections(const BoardDef& def, const BoardCardPort& port, CardId card) {
    return TrialKeepsBusDirections(def, port, card);
}

std::vector<std::uint8_t> PortCardList(const BoardDef& /*def*/, const BoardCardPort& port) {
    std::vector<std::uint8_t> list = PortCardList(port);
    list.erase(
        std::remove_if(list.begin() + (list.empty() ? 0 : 1), list.end(),
                       [&](std::uint8_t card) { return !CardFitsPort(port, MakeCardId(card)); }),
        list.end());
    return list;
}

std::vector<std::uint8_t> PortCardList(const BoardCardPort& port) {
    std::uint8_t ids[config::kCardListCapacity] = {};
    const int count = config::BuildCardList(port.listRule, port.listType, port.allowTransceiver,
                                            port.listVoltage, ids);
    std::vector<std::uint8_t> list(ids, ids + count);
    list.insert(list.end(), port.appendedCards.begin(), port.appendedCards.end());
    return list;
}

std::string RecordFieldText(ConstRecordSpan record, std::size_t offset) {
    PINSMITH_ASSERT(offset + kRecordTextSize <= record.size());
    return config::RecordText(reinterpret_cast<const char*>(record.data() + offset),
                              kRecordTextSize);
}

void SetRecordFieldText(RecordSpan record, std::size_t offset, std::string_view text) {
    PINSMITH_ASSERT(offset + kRecordTextSize <= record.size());
    config::SetRecordText(reinterpret_cast<char*>(record.data() + offset), kRecordTextSize, text);
}

void StampRecordHeader(const BoardDef& def, RecordSpan record) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    record[def.record.boardIdOffset] = static_cast<std::uint8_t>(def.id);
    PutLe32(record, def.record.sizeOffset, static_cast<std::uint32_t>(record.size()));
}

void SetDefaultRecord(const BoardDef& def, RecordSpan record) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    StampRecordHeader(def, record);
    SetRecordFieldText(record, def.record.projectNameOffset, def.defaultProjectName);
    for (const std::size_t offset : def.peripherals) {
        PINSMITH_ASSERT(offset < record.size());
        record[offset] = 1;
    }
    if (def.setDefaults) {
        def.setDefaults(record);
    }
}

bool LoadBoardRecord(const BoardDef& def, const std::string& fileName, RecordSpan record,
                     config::LoadRefusal* refusal) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    return config::LoadRecordFile(fileName, record.data(), record.size(),
                                  {def.record.boardIdOffset, static_cast<std::uint8_t>(def.id),
                                   def.record.sizeOffset, SettingsFileOwner},
                                  refusal);
}

bool SaveBoardRecord(const BoardDef& def, const std::string& fileName, ConstRecordSpan record) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    return config::SaveRecordFile(fileName, record.data(), record.size());
}

int SettingsFileOwner(std::string_view bytes) {
    const ConstRecordSpan record(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    for (const BoardDef* def : AllBoards()) {
        const RecordLayout& layout = def->record;
        if (!def->HasRecord() || layout.size != record.size()) {
            continue;
        }
        if (record[layout.boardIdOffset] == BoardNumber(def->id) &&
            GetLe32(record, layout.sizeOffset) == layout.size) {
            return BoardNumber(def->id);
        }
    }
    return 0;
}

void MendRecord(const BoardDef& def, RecordSpan record) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    if (def.mendRecord) {
        def.mendRecord(record);
    }
    for (const std::size_t offset : def.peripherals) {
        record[offset] = record[offset] != 0 ? 1 : 0;
    }
    SetRecordFieldText(record, def.record.projectNameOffset,
                       RecordFieldText(record, def.record.projectNameOffset));

    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    for (const BoardCardPort& port : ports) {
        const CardId card = CardAt(record, port);
        if (card != CARD_NONE && !Offers(port, card)) {
            SetRecordPortCard(record, port, CARD_NONE);
            SetRecordFieldText(record, port.prefixOffset, "");
        } else {
            SetRecordFieldText(record, port.prefixOffset,
                               RecordFieldText(record, port.prefixOffset));
        }
    }

    if (def.pair.IsSet()) {
        const BoardCardPort& first = ports[static_cast<std::size_t>(def.pair.port0)];
        const BoardCardPort& second = ports[static_cast<std::size_t>(def.pair.port1)];
        switch (PairHeaders(CardAt(record, first), CardAt(record, second))) {
        case PairedHeader::Follow:
            SetRecordPortCard(record, second, CardAt(record, first));
            SetRecordFieldText(record, second.prefixOffset,
                               RecordFieldText(record, first.prefixOffset));
            break;
        case PairedHeader::FreeAndCleared:
            SetRecordPortCard(record, second, CARD_NONE);
            SetRecordFieldText(record, second.prefixOffset, "");
            break;
        case PairedHeader::Free:
            break;
        }
    }
}

bool BothHeadersDefault(const BoardDef& def, ConstRecordSpan record) {
    if (!def.pair.IsSet() || def.bothDefaultCards.empty()) {
        return false;
    }
    const BoardCardPort& first = def.ports[static_cast<std::size_t>(def.pair.port0)];
    const BoardCardPort& second = def.ports[static_cast<std::size_t>(def.pair.port1)];
    const CardId card = CardAt(record, first);
    return card == CardAt(record, second) &&
           std::find(def.bothDefaultCards.begin(), def.bothDefaultCards.end(), card) !=
               def.bothDefaultCards.end() &&
           RecordFieldText(record, first.prefixOffset).empty() &&
           RecordFieldText(record, second.prefixOffset).empty();
}

namespace {

// The project name, the prefix of each port that carries a card and the
// families' prefix rules.
bool CheckCommonRules(const BoardDef& def, ConstRecordSpan record, std::string& message) {
    const bool nameOk =
        config::CheckProjectName(RecordFieldText(record, def.record.projectNameOffset), message);
    if (!nameOk && !def.prefixChecksAfterName) {
        return false;
    }
    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    for (const BoardCardPort& port : ports) {
        // A port without a card uses no prefix, whatever its edit holds.
        if (ActiveCardAt(record, port) == CARD_NONE) {
            continue;
        }
        if (!config::CheckPrefixName(port.name, RecordFieldText(record, port.prefixOffset),
                                     message)) {
            return false;
        }
    }
    for (const PortFamily family :
         {PortFamily::Gpio, PortFamily::Hsmc, PortFamily::Fmc, PortFamily::Ddr4Socket}) {
        if (family == PortFamily::Gpio && BothHeadersDefault(def, record)) {
            continue;
        }
        if (!CheckFamilyPrefixes(def, family, ports, record, message)) {
            return false;
        }
    }
    return nameOk && CheckGeneratedNames(def, record, message);
}

} // namespace

bool CheckGeneratedNames(const BoardDef& def, ConstRecordSpan record, std::string& message) {
    const std::string project = RecordFieldText(record, def.record.projectNameOffset);
    if (!CheckExportedNames(def, project, message)) {
        return false;
    }
    if (!UsesVhdl(def, record)) {
        return true;
    }
    if (!config::CheckVhdlProjectName(project, message)) {
        return false;
    }
    // A prefix starts every name of its card: two underscores in it make
    // every one of them illegal. (Whether an underscore at its end meets one
    // at the start of a card's name is the writer's check.)
    for (const BoardCardPort& port : EffectivePorts(def, record)) {
        if (ActiveCardAt(record, port) != CARD_NONE &&
            EffectivePrefix(def, record, port).find("__") != std::string::npos) {
            message = platform::Format(
                "Prefix Name of %s must not hold two underscores in a row in a VHDL project.",
                port.name);
            return false;
        }
    }
    // The port names the prefixes make, as the writer will group them: none
    // may be a name the file uses from its context clause. (A connector
    // whose pins cannot be grouped is the writer's to report.)
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
    TPinParsing ports;
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector& connector = *board->GetConnector(c);
        if (ports.Group(connector) != TPinParsing::Outcome::Grouped) {
            continue;
        }
        for (int j = 0; j < ports.GetPortCount(); ++j) {
            if (!config::CheckVhdlPortContext(ports.GetPort(j).Name, connector.GetName(),
                                              message)) {
                return false;
            }
        }
    }
    return true;
}

bool CheckCommonRecord(const BoardDef& def, ConstRecordSpan record, std::string& message) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    return CheckCommonRules(def, record, message);
}

bool CheckRecord(const BoardDef& def, ConstRecordSpan record, std::string& message) {
    PINSMITH_ASSERT(def.HasRecord() && record.size() == def.record.size);
    const bool common = CheckCommonRules(def, record, message);
    if (!common && !def.checkRecordAlways) {
        return false;
    }
    // A board whose own rule runs after a failed common one: its message
    // replaces the earlier one.
    std::string own;
    if (def.checkRecord && !def.checkRecord(record, own)) {
        message = own;
        return false;
    }
    return common;
}

void AttachRecordCards(const BoardDef& def, TMainBoard& board, ConstRecordSpan record) {
    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    const auto prefixOf = [&](const BoardCardPort& port) {
        std::string prefix = EffectivePrefix(def, record, port);
        if (prefix.empty() && port.attachDefaultPrefix) {
            if (const char* fallback = port.attachDefaultPrefix(CardAt(record, port))) {
                prefix = fallback;
            }
        }
        return CardPrefix(prefix);
    };
    int skip0 = -1;
    int skip1 = -1;
    bool busNames = false;
    if (def.pair.IsSet()) {
        const BoardCardPort& first = ports[static_cast<std::size_t>(def.pair.port0)];
        const BoardCardPort& second = ports[static_cast<std::size_t>(def.pair.port1)];
        const CardId card = CardAt(record, first);
        if (HeadersHoldEightyPinCard(card, CardAt(record, second))) {
            AttachGpioCard(&board, def.pair.connector, card, first.ioStandard, CardBusName(),
                           prefixOf(first));
            skip0 = def.pair.port0;
            skip1 = def.pair.port1;
        } else {
            busNames = BothHeadersDefault(def, record);
        }
    }
    for (int i = 0; i < static_cast<int>(ports.size()); ++i) {
        const BoardCardPort& port = ports[static_cast<std::size_t>(i)];
        const CardId card = ActiveCardAt(record, port);
        if (i == skip0 || i == skip1 || card == CARD_NONE) {
            continue;
        }
        if (busNames && (i == def.pair.port0 || i == def.pair.port1)) {
            const int header = i == def.pair.port0 ? 0 : 1;
            AttachGpioCard(&board, port.connector, card, port.ioStandard,
                           CardBusName(header == 0 ? "GPIO_0" : "GPIO_1"), CardPrefix());
            continue;
        }
        // Memory modules take board-specific fill arguments: a board with
        // module sockets attaches them in its attachExtra.
        if (port.family == PortFamily::Ddr4Socket) {
            continue;
        }
        AttachFamilyCard(board, port.family, port.connector, card, port.ioStandard,
                         CardBusName(port.busName), prefixOf(port), port.fillPort);
    }
}

std::unique_ptr<TMainBoard> BuildBoardModel(const BoardDef& def, ConstRecordSpan record) {
    PINSMITH_ASSERT(def.HasRecord() && def.fill && record.size() == def.record.size);
    auto board = std::make_unique<TMainBoard>();
    FillBoard(def, *board, record);
    AttachRecordCards(def, *board, record);
    if (def.attachExtra) {
        def.attachExtra(*board, record);
    }
    return board;
}

bool UsesVhdl(const BoardDef& def, ConstRecordSpan record) {
    return def.usesVhdl && def.usesVhdl(record);
}
