// Card attachment: merging a filled daughter board onto a board connector,
// the Kirrel-to-HSMC position map, the attach operations of TMainBoard, the
// prefix checks of the board forms and the pin-list dump.

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"
#include "platform/Files.h"
#include "platform/Ui.h"

namespace {

// szMap: entry k - 1 is the HSMC card position whose pin goes to Kirrel
// position k, or -1 when none does. Kirrel 2 takes HSMC 160; each group of
// six Kirrel positions from 3 takes four HSMC positions (157, 158, 155, 156,
// then six lower per group) down to HSMC 41..44; Kirrel 131 and 132 take the
// I2C positions 33 and 34.
// clang-format off
const int szMap[180] = {
    -1, 160, 157, 158, 155, 156, -1, -1, 151, 152, 149, 150, // 1-12
    -1, -1,  145, 146, 143, 144, -1, -1, 139, 140, 137, 138, // 13-24
    -1, -1,  133, 134, 131, 132, -1, -1, 127, 128, 125, 126, // 25-36
    -1, -1,  121, 122, 119, 120, -1, -1, 115, 116, 113, 114, // 37-48
    -1, -1,  109, 110, 107, 108, -1, -1, 103, 104, 101, 102, // 49-60
    -1, -1,  97,  98,  95,  96,  -1, -1, 91,  92,  89,  90,  // 61-72
    -1, -1,  85,  86,  83,  84,  -1, -1, 79,  80,  77,  78,  // 73-84
    -1, -1,  73,  74,  71,  72,  -1, -1, 67,  68,  65,  66,  // 85-96
    -1, -1,  61,  62,  59,  60,  -1, -1, 55,  56,  53,  54,  // 97-108
    -1, -1,  49,  50,  47,  48,  -1, -1, 43,  44,  41,  42,  // 109-120
    -1, -1,  -1,  -1,  -1,  -1,  -1, -1, -1,  -1,  33,  34,  // 121-132
    -1, -1,  -1,  -1,  -1,  -1,  -1, -1, -1,  -1,  -1,  -1,  // 133-144
    -1, -1,  -1,  -1,  -1,  -1,  -1, -1, -1,  -1,  -1,  -1,  // 145-156
    -1, -1,  -1,  -1,  -1,  -1,  -1, -1, -1,  -1,  -1,  -1,  // 157-168
    -1, -1,  -1,  -1,  -1,  -1,  -1, -1, -1,  -1,  -1,  -1,  // 169-180
};
// clang-format on

// The board pin keeps the board's location; a fixed board direction or
// standard wins over the card's, a placeholder (4 / 60) takes the card's.
// Everything else (clock data, note, I2C flag, card position) comes from the
// card pin.
void MergePin(const TPin& card, TPin& master, const std::string& prefix) {
    TPin merged;
    merged.Assign(card);
    merged.SetLocation(master.GetLocation());
    if (!prefix.empty()) {
        merged.SetName(prefix + card.GetName());
    }
    if (master.GetDirection() != PIN_DIR_FROM_CARD) {
        merged.SetDirection(master.GetDirection());
    }
    if (master.GetIoStandard() != IOSTD_FROM_CARD) {
        merged.SetIoStandard(master.GetIoStandard());
    }
    master.Assign(merged);
}

// A board position that the card does not reach at all: a placeholder, or
// any pin without a name, carries no signal; a named pin the board gave a
// direction of its own (a reference clock placed after the card's
// positions, say) stays as it is.
void ReleaseUnreachedPosition(TPin& master) {
    if (master.GetDirection() == PIN_DIR_FROM_CARD || master.GetName().empty()) {
        master.SetDirection(PIN_DIR_NONE);
    }
}

void MergeByPosition(const TConnector& card, TConnector& master, const std::string& prefix) {
    const int cardCount = card.GetPinCount();
    for (int j = 0; j < cardCount; ++j) {
        const TPin* c = card.GetPin(j);
        TPin* m = master.GetPin(j); // a card longer than its connector fails here
        if (c && m) {
            MergePin(*c, *m, prefix);
        } else if (m) {
            m->SetDirection(PIN_DIR_NONE);
        }
    }
    for (int j = cardCount; j < master.GetPinCount(); ++j) {
        if (TPin* m = master.GetPin(j)) {
            ReleaseUnreachedPosition(*m);
        }
    }
}

} // namespace

int KirrelToHsmcPin(int kirrelPosition) {
    if (kirrelPosition < 1 || kirrelPosition > 180) {
        return -1;
    }
    return szMap[kirrelPosition - 1];
}

bool TDaughterBoard::CanMergeOnto(ConnectorType cardType, ConnectorType masterType) {
    return cardType == masterType ||
           (cardType == CONNECTOR_FMC_LPC && masterType == CONNECTOR_FMC_HPC) ||
           (cardType == CONNECTOR_DDR4_SODIMM_IF && masterType == CONNECTOR_DDR4_SODIMM_IF_ECC) ||
           (cardType == CONNECTOR_HSMC && masterType == CONNECTOR_KIRREL);
}

bool TDaughterBoard::UpdateMasterConnector(TConnector* pMasterConn,
                                           const std::string& pPrefixName) {
    pMasterConn->SetAttachedType(GetType());
    const ConnectorType cardType = GetType();
    const ConnectorType masterType = pMasterConn->GetType();
    if (!CanMergeOnto(cardType, masterType)) {
        PINSMITH_FAIL("UpdateMasterConnector: the card's type cannot merge onto this connector");
    }

    if (cardType == CONNECTOR_HSMC && masterType == CONNECTOR_KIRREL) {
        for (int i = 0; i < pMasterConn->GetPinCount(); ++i) {
            TPin* m = pMasterConn->GetPin(i);
            if (!m) {
                continue;
            }
            const int k = KirrelToHsmcPin(i + 1);
            if (k == -1) {
                m->SetDirection(PIN_DIR_NONE);
            } else if (k > GetPinCount()) {
                ReleaseUnreachedPosition(*m);
            } else if (const TPin* c = GetPin(k - 1)) {
                MergePin(*c, *m, pPrefixName);
            } else {
                m->SetDirection(PIN_DIR_NONE);
            }
        }
        return true;
    }
    MergeByPosition(*this, *pMasterConn, pPrefixName);
    return true;
}

bool CardFitsFamily(PortFamily family, CardId card) {
    const ConnectorType type = BoardConnectorType(card);
    switch (family) {
    case PortFamily::Gpio:
        return type == CONNECTOR_GPIO40 || type == CONNECTOR_GPIO80;
    case PortFamily::Hsmc:
        return type == CONNECTOR_HSMC;
    case PortFamily::Kirrel:
        return type == CONNECTOR_HSMC || type == CONNECTOR_KIRREL;
    case PortFamily::Fmc:
        // An LPC card may sit on an HPC connector (the card lists offer it).
        return type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC;
    case PortFamily::Ergan:
        return type == CONNECTOR_ERGAN_2x6;
    case PortFamily::Ddr4Socket:
        return type == CONNECTOR_DDR4_SODIMM_IF || type == CONNECTOR_DDR4_SODIMM_IF_ECC;
    }
    return false;
}

void AttachFilledCard(TMainBoard& board, ConnectorId connector, const CardPrefix& prefix,
                      const std::function<void(TDaughterBoard&)>& fill) {
    TConnector* pMasterConn = board.GetExpansionConnector(connector);
    if (!pMasterConn) {
        PINSMITH_FAIL(platform::Format("AttachCard: the board has no expansion connector %d",
                                       static_cast<int>(connector))
                          .c_str());
    }
    TDaughterBoard daughter;
    fill(daughter);
    PINSMITH_ASSERT(daughter.UpdateMasterConnector(pMasterConn, prefix.text));
}

void AttachFamilyCard(TMainBoard& board, PortFamily family, ConnectorId connector, CardId card,
                      IoStd ioStandard, const CardBusName& busName, const CardPrefix& prefix,
                      int port) {
    if (!CardFitsFamily(family, card)) {
        PINSMITH_FAIL(platform::Format("AttachCard: card %d does not fit connector %d",
                                       CardNumber(card), static_cast<int>(connector))
                          .c_str());
    }
    AttachFilledCard(board, connector, prefix, [&](TDaughterBoard& daughter) {
        daughter.FillCard(card, board.m_CardRules, port, ioStandard, busName.text);
    });
}

void TMainBoard::AttachFmcCard(ConnectorId connector, CardId card, const CardPrefix& prefix) {
    AttachFamilyCard(*this, PortFamily::Fmc, connector, card, IOSTD_3V3_LVTTL, CardBusName(),
                     prefix);
}

void TMainBoard::AttachGpioCard(ConnectorId connector, CardId card, const CardPrefix& prefix,
                                const CardBusName& busName, IoStd ioStandard) {
    AttachFamilyCard(*this, PortFamily::Gpio, connector, card, ioStandard, busName, prefix);
}

void AttachGpioCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                    const CardBusName& busName, const CardPrefix& prefix) {
    AttachFamilyCard(*board, PortFamily::Gpio, connectorId, card, ioStandard, busName, prefix);
}

void AttachHsmcCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                    const CardPrefix& prefix) {
    AttachFamilyCard(*board, PortFamily::Hsmc, connectorId, card, ioStandard, CardBusName(),
                     prefix);
}

void AttachKirrelCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                      const CardPrefix& prefix) {
    AttachFamilyCard(*board, PortFamily::Kirrel, connectorId, card, ioStandard, CardBusName(),
                     prefix);
}

void AttachFmcCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                   const CardPrefix& prefix) {
    AttachFamilyCard(*board, PortFamily::Fmc, connectorId, card, ioStandard, CardBusName(), prefix);
}

void AttachErganCard(TMainBoard* board, ConnectorId connectorId, CardId card, IoStd ioStandard,
                     const CardPrefix& prefix) {
    AttachFamilyCard(*board, PortFamily::Ergan, connectorId, card, ioStandard, CardBusName(),
                     prefix);
}

namespace {

// The first pair of ports (i < j) that carry the same card under the same
// prefix; false when there is none.
bool FindPrefixClash(int portCount, const CardId* cards, const std::string* prefixes,
                     bool exemptGpio80, int& first, int& second) {
    for (int i = 0; i < portCount; ++i) {
        if (cards[i] == CARD_NONE) {
            continue;
        }
        for (int j = i + 1; j < portCount; ++j) {
            if (cards[j] == CARD_NONE || cards[i] != cards[j] || prefixes[i] != prefixes[j]) {
                continue;
            }
            if (exemptGpio80 && BoardConnectorType(cards[i]) == CONNECTOR_GPIO80) {
                continue; // one 80-pin card occupies both headers
            }
            first = i;
            second = j;
            return true;
        }
    }
    return false;
}

// The clash check with the message made from the two port letters.
bool CheckPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                      std::string& message, const char* format, char firstPort, bool exemptGpio80) {
    int i = 0;
    int j = 0;
    if (!FindPrefixClash(portCount, cards, prefixes, exemptGpio80, i, j)) {
        return true;
    }
    message = platform::Format(format, firstPort + i, firstPort + j);
    return false;
}

} // namespace

bool CheckGpioPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                          std::string& message) {
    return CheckPrefixNames(portCount, cards, prefixes, message,
                            "GPIO-%c and GPIO-%c cannot have the same prefix name when both "
                            "connect to the same type of daughter boards.",
                            '0', true);
}

bool CheckHsmcPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                          std::string& message) {
    return CheckPrefixNames(portCount, cards, prefixes, message,
                            "HSMC-%c and HSMC-%c cannot have the same prefix name when both "
                            "connect to the same type of daughter boards.",
                            'A', false);
}

bool CheckFmcPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                         std::string& message) {
    return CheckPrefixNames(portCount, cards, prefixes, message,
                            "FMC-%c and FMC-%c cannot have the same prefix name when both "
                            "connect to the same type of daughter boards.",
                            'A', false);
}

bool CheckDdr4SocketPrefixNames(int portCount, const CardId* cards, const std::string* prefixes,
                                std::string& message) {
    return CheckPrefixNames(portCount, cards, prefixes, message,
                            "DDR4-Socket-%c and DDR4-Socket-%c cannot have the same prefix name "
                            "when both connect to the same type of daughter boards.",
                            'A', false);
}

bool CheckNamedPrefixNames(PortFamily family, int portCount, const CardId* cards,
                           const std::string* prefixes, const char* const* portNames,
                           std::string& message) {
    int i = 0;
    int j = 0;
    if (!FindPrefixClash(portCount, cards, prefixes, family == PortFamily::Gpio, i, j)) {
        return true;
    }
    message = platform::Format("%s and %s cannot have the same prefix name when both connect to "
                               "the same type of daughter boards.",
                               portNames[i], portNames[j]);
    return false;
}

bool SaveConnectorPinList(const TConnector& connector, const std::string& fileName) {
    std::string text;
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        text += std::to_string(i + 1);
        if (const TPin* pin = connector.GetPin(i)) {
            text += '\t';
            text += pin->GetName();
            text += '\t';
            text += pin->GetDirectionText();
            text += '\t';
            text += pin->GetIoStandardText();
        }
        text += "\r\n";
    }
    return platform::ReplaceFile(fileName, text, platform::ReplaceMode::Whole);
}
