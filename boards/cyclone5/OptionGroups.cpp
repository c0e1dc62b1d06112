#include "boards/cyclone5/OptionGroups.h"

#include "model/CardCatalogue.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <memory>
#include <string>

void AddOptionPinGroups(TMainBoard& board, ConstRecordSpan record,
                        std::span<const OptionPinGroup> groups) {
    for (const OptionPinGroup& group : groups) {
        PINSMITH_ASSERT(group.option < record.size() && group.alsoOption < record.size());
        const bool selected =
            record[group.option] != 0 || (group.alsoOption != 0 && record[group.alsoOption] != 0);
        if (!selected) {
            continue;
        }
        auto connector = std::make_unique<TConnector>(group.name, "", CONNECTOR_NONE, -1);
        AddPinRows(*connector, {group.name, group.pins});
        board.AddConnector(std::move(connector));
    }
}

void SetFpgaData(TMainBoard& board, const FpgaData& fpga) {
    board.m_Family = fpga.family;
    board.m_Device = fpga.device;
    board.m_Package = fpga.package;
    board.m_PinCount = fpga.pinCount;
    board.m_SpeedGradeText = fpga.speedGradeText;
}

void AddGpioHeaderPair(TMainBoard& board, CardId card0, CardId card1, std::string_view locations0,
                       std::string_view locations1) {
    if (card0 == CARD_NONE && card1 == CARD_NONE) {
        return;
    }
    if (BoardConnectorType(card0) == CONNECTOR_GPIO80) {
        PINSMITH_ASSERT(card0 != CARD_NONE);
        if (card1 == CARD_NONE) {
            PINSMITH_FAIL("Config.nGpioDaughterId[GPIO_1]: an 80-pin card on GPIO-0 alone");
        }
        auto connector = MakeExpansionConnector(
            "GPIO_0_1", platform::Format("GPIO_0_1 connect to %s", BoardName(card0).c_str()),
            CONNECTOR_GPIO80, CONNECTOR_ID_GPIO_PAIR);
        int count = AddHeaderPositions(*connector, locations0);
        count += AddHeaderPositions(*connector, locations1);
        PINSMITH_ASSERT(count == GPIO_PIN_NUM * 2);
        board.AddConnector(std::move(connector));
        return;
    }
    const CardId cards[2] = {card0, card1};
    const std::string_view locations[2] = {locations0, locations1};
    for (int header = 0; header < 2; ++header) {
        if (cards[header] == CARD_NONE) {
            continue;
        }
        auto connector = MakeExpansionConnector(
            platform::Format("GPIO_%d", header),
            platform::Format("GPIO_%d connect to %s", header, BoardName(cards[header]).c_str()),
            CONNECTOR_GPIO40, ConnectorIdAt(CONNECTOR_ID_GPIO_0, header));
        const int count = AddHeaderPositions(*connector, locations[header]);
        PINSMITH_ASSERT(count == GPIO_PIN_NUM);
        board.AddConnector(std::move(connector));
    }
}

void AddSingleGpioHeader(TMainBoard& board, CardId card, std::string_view locations) {
    if (card == CARD_NONE) {
        return;
    }
    auto connector = MakeExpansionConnector(
        "GPIO", platform::Format("GPIO connect to %s", BoardName(card).c_str()), CONNECTOR_GPIO40,
        CONNECTOR_ID_GPIO_0);
    const int count = AddHeaderPositions(*connector, locations);
    PINSMITH_ASSERT(count == GPIO_PIN_NUM);
    board.AddConnector(std::move(connector));
}
