#pragma once
// The prefix an HSMC Default card takes on a port of a two-HSMC Stratix IV
// board when none is typed: the port's own ("HSMA_", "HSMB_"). It is used at
// the attach only; the settings checks compare the typed prefixes.

#include "model/CardCatalogue.h"

namespace stratix4 {

inline bool IsHsmcDefault(CardId card) {
    return card == CARD_HSMC_DEFAULT || card == CARD_HSMC_DEFAULT_XCVR;
}
inline const char* HsmaPrefix(CardId card) {
    return IsHsmcDefault(card) ? "HSMA_" : nullptr;
}
inline const char* HsmbPrefix(CardId card) {
    return IsHsmcDefault(card) ? "HSMB_" : nullptr;
}

} // namespace stratix4
