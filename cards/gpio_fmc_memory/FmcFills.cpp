// The dispatcher's choice of map and codes for the FMC cards.

#include "boards/stratix5/CalvetId.h"
#include "cards/CardFill.h"
#include "cards/gpio_fmc_memory/FmcCards.h"

namespace fills {

// The VITA maps take the board's single-ended and transceiver codes, build
// their lanes and keep row K on every board.
void FmcHpcVita(TDaughterBoard& card, const CardFillContext& x) {
    if (x.board == MAINBOARD_CALVET) {
        D_FMC_HPC_VITA(card, FmcLanes::With, x.standards.singleEnded, FmcRowK::Keep,
                       x.standards.transceiver);
    } else {
        D_FMC_HPC_VITA_ARRAY(card, FmcLanes::With, x.standards.singleEnded, FmcRowK::Keep,
                             x.standards.transceiver);
    }
}
void FmcLpcVita(TDaughterBoard& card, const CardFillContext& x) {
    D_FMC_LPC_VITA(card, FmcLanes::With, x.standards.singleEnded, x.standards.transceiver);
}

// The vendor-standard maps take 2.5 V on every board.
void FmcHpcAltera(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_HPC_ALTERA(card, FmcLanes::Without, IOSTD_2V5, FmcRowK::Keep);
}
void FmcHpcXcvrAltera(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_HPC_ALTERA(card, FmcLanes::With, IOSTD_2V5, FmcRowK::Keep);
}
void FmcHpcAlteraQuelmar(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_HPC_ALTERA_QUELMAR(card, FmcLanes::Without, IOSTD_2V5, FmcRowK::Keep);
}
void FmcHpcXcvrAlteraQuelmar(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_HPC_ALTERA_QUELMAR(card, FmcLanes::With, IOSTD_2V5, FmcRowK::Keep);
}
void FmcLpcAltera(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_LPC_ALTERA(card, FmcLanes::Without, IOSTD_2V5, FmcBuild::Map);
}
void FmcLpcXcvrAltera(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_LPC_ALTERA(card, FmcLanes::With, IOSTD_2V5, FmcBuild::Map);
}

// The maker's cards carry their final codes.
void FmcFasker(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_FASKER(card);
}
void FmcBrevik(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_BREVIK(card);
}
void FmcVantor(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_VANTOR(card);
}
void FmcMorletForTi(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_MORLET_FOR_TI(card);
}
void FmcTiAdc34j45(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_TI_ADC34J45(card, TiAdc34j45Table::Remapped);
}
void FmcParnel(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_PARNEL(card);
}
void FmcDostel(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_DOSTEL(card);
}
void FmcGlent(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_GLENT(card);
}
void FmcKappel(TDaughterBoard& card, const CardFillContext&) {
    D_FMC_KAPPEL(card);
}

} // namespace fills
