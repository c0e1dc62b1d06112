#include "boards/cyclone5/SocPins.h"

#include "model/CardCatalogue.h"
#include "model/Connector.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

namespace socpins {

void AddGpioHeaders(TMainBoard& board, const std::uint8_t (&cards)[2],
                    const char* const (&headers)[2]) {
    for (int header = 0; header < 2; ++header) {
        const CardId card = MakeCardId(cards[header]);
        if (card == CARD_NONE) {
            continue;
        }
        auto connector =
            MakeExpansionConnector(platform::Format("GPIO_%d", header),
                                   platform::Format("GPIO connect to %s", BoardName(card).c_str()),
                                   CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, header));
        const int nNum = AddHeaderPositions(*connector, headers[header]);
        PINSMITH_ASSERT(nNum == GPIO_PIN_NUM);
        board.AddConnector(std::move(connector));
    }
}

} // namespace socpins
