#pragma once
// The default prefix of the Cyclone V HSMC boards: the HSMC Default cards
// (with and without transceivers) on a port whose prefix is empty are
// generated with "HSMC_"; the record and the form keep the empty prefix.

#include "model/CardCatalogue.h"

namespace hsmcprefix {

inline const char* DefaultPrefix(CardId card) {
    return card == CARD_HSMC_DEFAULT || card == CARD_HSMC_DEFAULT_XCVR ? "HSMC_" : "";
}

} // namespace hsmcprefix
