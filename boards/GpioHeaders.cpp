#include "boards/GpioHeaders.h"

#include "boards/PinTable.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>

bool HeadersHoldEightyPinCard(CardId header0, CardId header1) {
    return header0 == header1 && BoardConnectorType(header0) == CONNECTOR_GPIO80;
}

void AddGpioHeaderConnectors(TMainBoard& board, std::string_view header0, std::string_view header1,
                             CardId card0, CardId card1, HeaderPairing pairing) {
    if (pairing == HeaderPairing::EightyPinPair && HeadersHoldEightyPinCard(card0, card1)) {
        auto connector = MakeExpansionConnector(
            "GPIO_0_1", platform::Format("GPIO_0_1 connect to %s", BoardName(card0).c_str()),
            CONNECTOR_GPIO80, CONNECTOR_ID_GPIO_PAIR);
        int nNum = AddHeaderPositions(*connector, header0);
        nNum += AddHeaderPositions(*connector, header1);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM * 2);
        board.AddConnector(std::move(connector));
        return;
    }
    const std::string_view tables[2] = {header0, header1};
    const CardId cards[2] = {card0, card1};
    for (int header = 0; header < 2; ++header) {
        if (cards[header] == CARD_NONE) {
            continue;
        }
        auto connector = MakeExpansionConnector(
            platform::Format("GPIO_%d", header),
            platform::Format("GPIO_%d connect to %s", header, BoardName(cards[header]).c_str()),
            CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, header));
        const int nNum = AddHeaderPositions(*connector, tables[header]);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM);
        board.AddConnector(std::move(connector));
    }
}
