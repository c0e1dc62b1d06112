#include "model/DaughterBoard.h"

#include "cards/CardRegistry.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

CardStandards DeriveCardStandards(BoardId board, CardId card, IoStd callerStandard) {
    CardStandards s{callerStandard, IOSTD_1V5_PCML, IOSTD_2V5, true, false};
    switch (board) {
    case MAINBOARD_GALDRE_X2:
        s.singleEnded = IOSTD_3V0_PCIX;
        s.transceiver = IOSTD_1V4_PCML;
        break;
    case MAINBOARD_KELMIS:
        // The banks an HSMC port shares with board pins run at the port's
        // standard (2.5 V by the form), so an HSMC card's single-ended pins
        // take it too; a GPIO card on port C keeps 3.0-V PCI-X, the voltage
        // its VCCIO jumper is set to.
        s.singleEnded =
            BoardConnectorType(card) == CONNECTOR_HSMC ? callerStandard : IOSTD_3V0_PCIX;
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
        // The FMC bank runs at the voltage the user set (JP2): the caller's
        // standard.
        s.transceiver = IOSTD_HSSI_DIFF;
        break;
    case MAINBOARD_HARVIK:
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
    // A card without a pin map cannot be offered by any card list, so
    // reaching one here is an internal error.
    const CardEntry* entry = FindCardEntry(card);
    if (entry && entry->module) {
        PINSMITH_FAIL(platform::Format("FillCard: card %d is a memory module, filled by its "
                                       "module fill",
                                       CardNumber(card))
                          .c_str());
    }
    if (!entry || !entry->fill) {
        PINSMITH_FAIL(
            platform::Format("FillCard: card %d has no pin map", CardNumber(card)).c_str());
    }
    ClearPins();
    const CardFillContext context{
        card, board, portIndex, ioStandard, busName, DeriveCardStandards(board, card, ioStandard)};
    entry->fill(*this, context);

    SetName(BoardName(card));
    SetDescription(BoardDescription(card));
    SetType(BoardConnectorType(card));
}
