// The dispatcher's choice of map and codes for the GPIO header cards that no
// list offers and for the 2x6 Ergan header cards.

#include "cards/CardFill.h"
#include "cards/gpio_fmc_memory/ErganCards.h"
#include "cards/gpio_fmc_memory/GpioCards.h"

namespace fills {

// The USB and LCD cards take 3.3-V LVTTL on every board: the code the board
// derives does not reach them.
void GpioOrrin(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_ORRIN(card, IOSTD_3V3_LVTTL);
}
void GpioOrrinNative(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_ORRIN_NATIVE(card, IOSTD_3V3_LVTTL);
}
void GpioUvrel(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_UVREL(card, IOSTD_3V3_LVTTL);
}
void GpioQuarn(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_QUARN(card);
}
void GpioBrudel(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_BRUDEL(card);
}
void GpioGyrvan(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_GYRVAN(card);
}
void GpioArduino(TDaughterBoard& card, const CardFillContext&) {
    D_GPIO_ARDUINO(card);
}

void ErganDefault(TDaughterBoard& card, const CardFillContext&) {
    D_ERGAN_DEFAULT(card);
}
void ErganWolle(TDaughterBoard& card, const CardFillContext&) {
    D_ERGAN_WOLLE(card);
}

} // namespace fills
