#include "model/DaughterBoard.h"

#include "cards/CardRegistry.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

CardStandards DeriveCardStandards(const CardRules& rule, CardId card, IoStd callerStandard) {
    IoStd singleEnded = callerStandard;
    switch (rule.singleEndedRule) {
    case SingleEndedRule::Caller:
        break;
    case SingleEndedRule::Fixed:
        singleEnded = rule.singleEnded;
        break;
    case SingleEndedRule::CallerForHsmcElseFixed:
        if (BoardConnectorType(card) != CONNECTOR_HSMC) {
            singleEnded = rule.singleEnded;
        }
        break;
    }
    return {singleEnded, rule.transceiver, rule.second};
}

void TDaughterBoard::FillCard(CardId card, const CardRules& rules, int portIndex, IoStd ioStandard,
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
    const CardFillContext context{card,    portIndex, ioStandard,
                                  busName, rules,     DeriveCardStandards(rules, card, ioStandard)};
    entry->fill(*this, context);
    if (rules.levels == CardLevels::FollowBank) {
        for (int i = 0; i < GetPinCount(); ++i) {
            TPin* pin = GetPin(i);
            if (pin && IsSingleEndedLevel(pin->GetIoStandard())) {
                pin->SetIoStandard(context.standards.singleEnded);
            } else if (pin && IsTransceiverStandard(pin->GetIoStandard())) {
                pin->SetIoStandard(context.standards.transceiver);
            }
        }
    }

    SetName(BoardName(card));
    SetDescription(BoardDescription(card));
    SetType(BoardConnectorType(card));
}
