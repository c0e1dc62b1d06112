// The dispatcher's choice of map and codes for the HSMC and Kirrel cards.
// The codes come from the board (CardFillContext::standards): the
// single-ended code, the transceiver code and the second code that most of
// these maps give their I2C pins; a few cards take fixed codes instead.

#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/KelmisId.h"
#include "cards/CardFill.h"
#include "cards/hsmc/HsmcCards.h"
#include "platform/Assert.h"

namespace fills {

namespace {

XcvrStd BoardXcvr(const CardFillContext& x) {
    return XcvrStd{x.standards.transceiver};
}
I2cStd BoardI2c(const CardFillContext& x) {
    return I2cStd{x.standards.second};
}

bool IsHsmcDefaultWithLanes(CardId card) {
    switch (card) {
    case CARD_HSMC_DEFAULT_XCVR:
    case CARD_HSMC_DEFAULT_3V3_XCVR:
    case CARD_HSMC_DEFAULT_3V0_XCVR:
    case CARD_HSMC_DEFAULT_1V8_XCVR:
    case CARD_HSMC_DEFAULT_1V5_XCVR:
        return true;
    default:
        return false;
    }
}

} // namespace

void HsmcDefault(TDaughterBoard& card, const CardFillContext& x) {
    // The board's own single-ended code has no effect here: each card carries
    // the code of its voltage class. The cards with lanes are never
    // upper-cased.
    const bool lanes = IsHsmcDefaultWithLanes(x.card);
    const UpperCase upper =
        !lanes && x.standards.upperCaseHsmcDefault ? UpperCase::Yes : UpperCase::No;
    D_HSMC_DEFAULT(card, x.board, x.portIndex, upper, lanes ? WithXcvr::Yes : WithXcvr::No,
                   BoardVoltageIoStandard(x.card), BoardXcvr(x));
}

void HsmcLvdsDefault(TDaughterBoard& card, const CardFillContext& x) {
    const bool formula = x.board == MAINBOARD_GALDRE_X1 || x.board == MAINBOARD_KELMIS;
    D_HSMC_LVDS_DEFAULT(card, formula ? LvdsDefaultNaming::Formula : LvdsDefaultNaming::Lvds,
                        BoardXcvr(x), IOSTD_2V5, LvdsStd{IOSTD_LVDS});
}

void HsmcWexal(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_WEXAL(card, BoardXcvr(x));
}
void HsmcBrevik(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_BREVIK(card, XcvrStd{IOSTD_1V4_PCML}); // on every board
}
void HsmcSata(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_SATA(card, BoardXcvr(x), BoardI2c(x));
}
void HsmcFasker(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_FASKER(card, BoardXcvr(x));
}

void HsmcLoopback(TDaughterBoard& card, const CardFillContext& x) {
    const WithXcvr lanes = x.card == CARD_HSMC_LOOPBACK_XCVR ? WithXcvr::Yes : WithXcvr::No;
    D_HSMC_LOOPBACK(card, lanes, BoardXcvr(x));
}
void HsmcLvdsCrossover(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_LVDS_CROSSOVER(card, BoardI2c(x));
}

void HsmcHavor(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_HAVOR(card, BoardI2c(x));
}
void HsmcTeslin(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_TESLIN(card, BoardI2c(x));
    // The map yields 77 pins with a direction; the name gives the assertion
    // its text.
    const int ActivePinCount = card.GetActivePinCount();
    PINSMITH_ASSERT(ActivePinCount == 77);
}
void HsmcOstel(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_OSTEL(card, BoardI2c(x));
}
void HsmcVadrel(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_VADREL(card, BoardI2c(x));
}
void HsmcParnel(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_PARNEL(card, BoardI2c(x));
}
void HsmcPrell(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_PRELL(card, BoardI2c(x));
}
void HsmcDelvo(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_DELVO(card, I2cStd{IOSTD_2V5}); // on every board
}

void HsmcNimbal(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_NIMBAL(card, x.standards.singleEnded, x.board);
}
void HsmcNimbalFyrn(TDaughterBoard& card, const CardFillContext& x) {
    const bool j2 = x.card == CARD_NIMBAL_FYRN_J2 || x.card == CARD_NIMBAL_FYRN_BOTH;
    const bool j3 = x.card == CARD_NIMBAL_FYRN_J3 || x.card == CARD_NIMBAL_FYRN_BOTH;
    D_HSMC_NIMBAL_FYRN(card, j2 ? FyrnOnJ2::Yes : FyrnOnJ2::No, j3 ? FyrnOnJ3::Yes : FyrnOnJ3::No,
                       x.board, x.standards.singleEnded);
}

void KirrelVantor(TDaughterBoard& card, const CardFillContext&) {
    D_KIRREL_VANTOR(card);
}
void KirrelNimbal(TDaughterBoard& card, const CardFillContext&) {
    D_KIRREL_NIMBAL(card);
}
void KirrelLoopback(TDaughterBoard& card, const CardFillContext&) {
    D_KIRREL_LOOPBACK(card);
}

void HsmcSorvel(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_SORVEL(card);
}
void HsmcSorvel2(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_SORVEL2(card);
}
void HsmcYarnel(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_YARNEL(card);
}
void HsmcYarnel2(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_YARNEL2(card, BoardI2c(x));
}
void HsmcPemble(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_PEMBLE(card);
}

void HsmcHdmiTx(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_HDMI_TX(card, BoardI2c(x));
}
void HsmcHdmiRx(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_HDMI_RX(card, BoardI2c(x));
}
void HsmcCameraLink(TDaughterBoard& card, const CardFillContext&) {
    D_HSMC_CAMERA_LINK(card);
}
void HsmcDebug(TDaughterBoard& card, const CardFillContext& x) {
    D_HSMC_DEBUG(card, x.board);
}

} // namespace fills
