#include "boards/cyclone4/HsmcConnector.h"

#include "boards/PinTable.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

void AddHsmcConnector(TMainBoard& board, CardId card, std::string_view locations,
                      std::optional<IoStd> clockInputStandard) {
    if (card == CARD_NONE) {
        return;
    }
    auto hsmc = MakeExpansionConnector(
        "HSMC", platform::Format("HSMC connect to %s", BoardName(card).c_str()), CONNECTOR_HSMC,
        CONNECTOR_ID_HSMC_A);
    const int count = AddHeaderPositions(*hsmc, locations);
    PINSMITH_ASSERT(count == HSMC_PIN_NUM);
    if (clockInputStandard) {
        TPin* clockInput = hsmc->GetPin(kHsmcClockInputPosition - 1);
        PINSMITH_ASSERT(clockInput != nullptr);
        clockInput->SetDirection(PIN_DIR_INPUT);
        clockInput->SetIoStandard(*clockInputStandard);
    }
    board.AddConnector(std::move(hsmc));
}
