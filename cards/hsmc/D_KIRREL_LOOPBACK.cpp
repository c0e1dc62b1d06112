#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

void D_KIRREL_LOOPBACK(TDaughterBoard& card) {
    // The Teslin card's positions on the Kirrel connector, every pin at 2.5 V;
    // positions 158 to 180 stay empty.
    FillCardMap(card, KIRREL_PIN_NUM, {"D_KIRREL_LOOPBACK", TeslinRows()}, IOSTD_2V5);
}
