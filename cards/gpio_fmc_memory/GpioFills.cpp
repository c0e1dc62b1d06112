// The dispatcher's choice of map and codes for the 40-pin GPIO header cards.

#include "boards/cyclone4/IstrelId.h"
#include "cards/CardFill.h"
#include "cards/gpio_fmc_memory/GpioCards.h"

#include <string>

namespace fills {

void GpioDefault(TDaughterBoard& card, const CardFillContext& x) {
    if (!x.busName.empty()) {
        D_GPIO_DEFAULT_NAMED(card, std::string(x.busName), x.standards.singleEnded);
    } else if (x.board == MAINBOARD_ISTREL) {
        D_GPIO_DEFAULT_ISTREL(card);
    } else {
        D_GPIO_DEFAULT(card, x.standards.numberedGpioDefault, x.standards.singleEnded);
    }
}

void GpioOstel(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_OSTEL(card, x.standards.singleEnded);
}
void GpioFyrn(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_FYRN(card, x.standards.singleEnded);
}
void GpioTambry(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_TAMBRY(card, x.standards.singleEnded);
}
void GpioWistel(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_WISTEL(card, x.standards.singleEnded);
}
void GpioRindle(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_RINDLE(card, x.standards.singleEnded);
}
void GpioWistel2(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_WISTEL2(card, x.standards.singleEnded);
}
void GpioCavel(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_CAVEL(card, x.standards.singleEnded);
}
void GpioZeppit(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_ZEPPIT(card, x.standards.singleEnded);
}
void GpioGlent(TDaughterBoard& card, const CardFillContext& x) {
    D_GPIO_GLENT(card, x.standards.singleEnded);
}

} // namespace fills
