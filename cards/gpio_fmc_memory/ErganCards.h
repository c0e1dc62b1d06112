#pragma once
// Pin maps of the cards for the 2x6 Ergan header: ERGAN_PIN_NUM (8)
// positions, every one a signal, all 3.3-V LVTTL.

class TDaughterBoard;
struct CardFillContext;

void D_ERGAN_DEFAULT(TDaughterBoard& card); // card 72, GPIO[0..7]
void D_ERGAN_WOLLE(TDaughterBoard& card);   // card 73, Bluetooth serial module

namespace fills {
void ErganDefault(TDaughterBoard& card, const CardFillContext& context);
void ErganWolle(TDaughterBoard& card, const CardFillContext& context);
} // namespace fills
