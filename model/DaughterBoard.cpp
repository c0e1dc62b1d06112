#include "model/DaughterBoard.h"

#include "cards/gpio_fmc_memory/GpioCards.h"
#include "platform/Assert.h"

CardStandards DeriveCardStandards(BoardId board, IoStd callerStandard) {
    CardStandards s{callerStandard, IOSTD_1V5_PCML, IOSTD_2V5, true, false};
    switch (board) {
    case MAINBOARD_GALDRE_X2:
    case MAINBOARD_KELMIS:
        s.singleEnded = IOSTD_3V0_PCIX;
        s.transceiver = IOSTD_1V4_PCML;
        break;
    case MAINBOARD_GALDRE_X1:
        s.singleEnded = IOSTD_3V0_PCIX;
        s.transceiver = IOSTD_1V4_PCML;
        s.second = IOSTD_1V8;
        break;
    case MAINBOARD_HOLLIN:
        s.singleEnded = IOSTD_3V0_PCIX;
        break;
    case MAINBOARD_CALVET:
        s.singleEnded = IOSTD_2V5;
        break;
    case MAINBOARD_GRISTEL:
    case MAINBOARD_HARVIK: // the same standards as board 35
        s.singleEnded = IOSTD_1V8;
        s.transceiver = IOSTD_HSSI_DIFF;
        break;
    default:
        break;
    }
    switch (board) {
    case MAINBOARD_ALVEK:
    case MAINBOARD_BRESSA:
    case MAINBOARD_DUNMAR:
    case MAINBOARD_FENNIK:
        s.numberedGpioDefault = false;
        break;
    default:
        break;
    }
    switch (board) {
    case MAINBOARD_ELVORY:
    case MAINBOARD_LORSK:
    case MAINBOARD_MARWEN:
    case MAINBOARD_QUINDLE:
    case MAINBOARD_RASMER:
    case MAINBOARD_FALMOR:
        s.upperCaseHsmcDefault = true;
        break;
    default:
        break;
    }
    return s;
}

void TDaughterBoard::FillCard(CardId card, BoardId board, int portIndex, IoStd ioStandard,
                              const std::string& busName) {
    const CardStandards s = DeriveCardStandards(board, ioStandard);
    (void)portIndex;
    (void)busName;
    ClearPins();

    // One case per card with a pin map. A card without one cannot be offered
    // by any card list, so reaching the default is an internal error.
    switch (card) {
    case CARD_GPIO_DEFAULT:
    case CARD_GPIO_DEFAULT_2V5:
    case CARD_GPIO_DEFAULT_1V8:
    case CARD_GPIO_DEFAULT_1V5:
        // The voltage variants name their pins like card 1 and keep the
        // caller's standard. A bus name wins on every board.
        if (!busName.empty()) {
            D_GPIO_DEFAULT_NAMED(*this, busName, s.singleEnded);
        } else if (board == MAINBOARD_ISTREL) {
            D_GPIO_DEFAULT_ISTREL(*this);
        } else {
            D_GPIO_DEFAULT(*this, s.numberedGpioDefault, s.singleEnded);
        }
        break;
    case CARD_OSTEL_GPIO:
        D_GPIO_OSTEL(*this, s.singleEnded);
        break;
    case CARD_FYRN:
        D_GPIO_FYRN(*this, s.singleEnded);
        break;
    case CARD_TAMBRY:
        D_GPIO_TAMBRY(*this, s.singleEnded);
        break;
    case CARD_WISTEL:
        D_GPIO_WISTEL(*this, s.singleEnded);
        break;
    case CARD_RINDLE:
        D_GPIO_RINDLE(*this, s.singleEnded);
        break;
    case CARD_WISTEL2:
        D_GPIO_WISTEL2(*this, s.singleEnded);
        break;
    case CARD_CAVEL:
        D_GPIO_CAVEL(*this, s.singleEnded);
        break;
    case CARD_ZEPPIT:
        D_GPIO_ZEPPIT(*this, s.singleEnded);
        break;
    case CARD_GLENT_GPIO:
        D_GPIO_GLENT(*this, s.singleEnded);
        break;
    default:
        (void)s;
        PINSMITH_FAIL("0");
    }

    SetName(BoardName(card));
    SetDescription(BoardDescription(card));
    SetType(BoardConnectorType(card));
}
