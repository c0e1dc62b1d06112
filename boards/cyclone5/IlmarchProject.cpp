#include "boards/cyclone5/IlmarchProject.h"

using namespace ilmarch;

#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "generator/Pinsmith.h"
#include "model/CardCatalogue.h"
#include "model/DaughterBoard.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

bool CheckIlmarchSettings(const ILMARCH_CONFIG& config, std::string& message) {
    if (!config::CheckProjectName(IlmarchText(config.ProjectName), message)) {
        return false;
    }
    const CardId cards[2] = {MakeCardId(config.nGpioDaughterId[GPIO_0]),
                             MakeCardId(config.nGpioDaughterId[GPIO_1])};
    const std::string prefixes[2] = {IlmarchText(config.GpioPrefixName[GPIO_0]),
                                     IlmarchText(config.GpioPrefixName[GPIO_1])};
    for (int header = GPIO_0; header <= GPIO_1; ++header) {
        if (!config::CheckPrefixName(platform::Format("GPIO-%d", header), prefixes[header],
                                     message)) {
            return false;
        }
    }
    if (IlmarchBothHeadersDefault(cards[GPIO_0], prefixes[GPIO_0], cards[GPIO_1],
                                  prefixes[GPIO_1])) {
        return true;
    }
    return CheckGpioPrefixNames(2, cards, prefixes, message);
}

void AttachIlmarchCards(TMainBoard& board, const ILMARCH_CONFIG& config) {
    const CardId c0 = MakeCardId(config.nGpioDaughterId[GPIO_0]);
    const CardId c1 = MakeCardId(config.nGpioDaughterId[GPIO_1]);
    const std::string prefix0 = IlmarchText(config.GpioPrefixName[GPIO_0]);
    const std::string prefix1 = IlmarchText(config.GpioPrefixName[GPIO_1]);
    const IoStd standard = IlmarchGpioIoStandard(config.GpioVoltage);

    if (c0 != CARD_NONE && c0 == c1 && BoardConnectorType(c0) == CONNECTOR_GPIO80) {
        board.AttachGpioCard(CONNECTOR_ID_GPIO_PAIR, c0, CardPrefix(prefix0), CardBusName(),
                             standard);
        return;
    }
    if (IlmarchBothHeadersDefault(c0, prefix0, c1, prefix1)) {
        board.AttachGpioCard(CONNECTOR_ID_GPIO_0, c0, CardPrefix(), CardBusName("GPIO_0"),
                             standard);
        board.AttachGpioCard(CONNECTOR_ID_GPIO_1, c1, CardPrefix(), CardBusName("GPIO_1"),
                             standard);
        return;
    }
    if (c0 != CARD_NONE) {
        board.AttachGpioCard(CONNECTOR_ID_GPIO_0, c0, CardPrefix(prefix0), CardBusName(), standard);
    }
    if (c1 != CARD_NONE) {
        board.AttachGpioCard(CONNECTOR_ID_GPIO_1, c1, CardPrefix(prefix1), CardBusName(), standard);
    }
}

bool BuildIlmarchProject(const ILMARCH_CONFIG& config, const std::string& projectFile) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, config);
    AttachIlmarchCards(board, config);
    TPinsmith pinsmith;
    return pinsmith.Generate(&board, projectFile, false);
}
