#include "model/MainBoard.h"

#include "platform/Assert.h"

TConnector* TMainBoard::AddConnector(std::unique_ptr<TConnector> connector) {
    m_Connectors.push_back(std::move(connector));
    return m_Connectors.back().get();
}

TConnector* TMainBoard::GetConnector(int index) const {
    PINSMITH_ASSERT(index >= 0 && index < GetConnectorCount());
    return m_Connectors[static_cast<std::size_t>(index)].get();
}

TConnector* TMainBoard::GetExpansionConnector(ConnectorId id) const {
    for (const auto& connector : m_Connectors) {
        if (connector->GetIsExpansion() && connector->GetConnectorId() == id) {
            return connector.get();
        }
    }
    return nullptr;
}

TPin* TMainBoard::GetHsmcPin(int n, int position) const {
    int seen = 0;
    for (const auto& connector : m_Connectors) {
        if (connector->GetType() != CONNECTOR_HSMC) {
            continue;
        }
        if (seen++ == n) {
            PINSMITH_ASSERT(position >= 1 && position <= connector->GetPinCount());
            TPin* pin = connector->GetPin(position - 1);
            PINSMITH_ASSERT(pin != nullptr);
            return pin;
        }
    }
    PINSMITH_FAIL("pCon");
}

void TMainBoard::SortPins() {
    for (const auto& connector : m_Connectors) {
        const int card = connector->GetCardId();
        const ConnectorType type = connector->GetType();
        if (card == -1 && (type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC)) {
            continue; // an FMC connector without a card keeps its table's order
        }
        if (card >= 0 && card <= 255 && !IsNotFmcStandardBoard(MakeCardId(card))) {
            continue; // standard FMC layouts keep the standard's order
        }
        connector->SortPins();
    }
}
