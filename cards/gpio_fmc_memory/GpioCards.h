#pragma once
// Pin maps of the daughter cards for the 40-pin GPIO headers. Each filler
// appends one entry per connector position to an empty card (40, or 80 for a
// card over both headers); the card dispatcher chooses the filler and the
// codes it receives.

#include "model/Pin.h"

#include <string>

class TDaughterBoard;

// GPIO Default cards (1, 81, 82, 83). numbered: GPIO[0..35] over the signal
// positions; otherwise the older GPIO_D / GPIO_CLKIN / GPIO_CLKOUT naming.
void D_GPIO_DEFAULT(TDaughterBoard& card, bool numbered, IoStd ioStd);
// busName[0..35] over the signal positions.
void D_GPIO_DEFAULT_NAMED(TDaughterBoard& card, const std::string& busName, IoStd ioStd);
// Names that the connector prefix completes (_IN[0], [0] ...), all 3.3-V LVTTL.
void D_GPIO_DEFAULT_ISTREL(TDaughterBoard& card);

void D_GPIO_OSTEL(TDaughterBoard& card, IoStd ioStd);   // card 11, both headers
void D_GPIO_FYRN(TDaughterBoard& card, IoStd ioStd);    // card 12
void D_GPIO_TAMBRY(TDaughterBoard& card, IoStd ioStd);  // card 13
void D_GPIO_WISTEL(TDaughterBoard& card, IoStd ioStd);  // card 55
void D_GPIO_RINDLE(TDaughterBoard& card, IoStd ioStd);  // card 62
void D_GPIO_WISTEL2(TDaughterBoard& card, IoStd ioStd); // card 63, the map of card 55
void D_GPIO_CAVEL(TDaughterBoard& card, IoStd ioStd);   // card 66
void D_GPIO_ZEPPIT(TDaughterBoard& card, IoStd ioStd);  // card 67
void D_GPIO_GLENT(TDaughterBoard& card, IoStd ioStd);   // card 74

// The card registry's fills of these cards: the dispatcher's choice of map
// and codes for each.
struct CardFillContext;
namespace fills {
// Cards 1, 81, 82, 83: the voltage variants name their pins like card 1 and
// keep the caller's standard. A bus name wins on every board; board 10 has
// its own naming.
void GpioDefault(TDaughterBoard& card, const CardFillContext& context);
void GpioOstel(TDaughterBoard& card, const CardFillContext& context);
void GpioFyrn(TDaughterBoard& card, const CardFillContext& context);
void GpioTambry(TDaughterBoard& card, const CardFillContext& context);
void GpioWistel(TDaughterBoard& card, const CardFillContext& context);
void GpioRindle(TDaughterBoard& card, const CardFillContext& context);
void GpioWistel2(TDaughterBoard& card, const CardFillContext& context);
void GpioCavel(TDaughterBoard& card, const CardFillContext& context);
void GpioZeppit(TDaughterBoard& card, const CardFillContext& context);
void GpioGlent(TDaughterBoard& card, const CardFillContext& context);
} // namespace fills

// ---------------------------------------------------------------------------
// Cards that no card list offers; the dispatcher fills them when given their
// ids. The first three take their code as an argument, the other four give
// every pin 3.3-V LVTTL.
void D_GPIO_ORRIN(TDaughterBoard& card, IoStd ioStd);        // card 24, USB in FIFO mode
void D_GPIO_ORRIN_NATIVE(TDaughterBoard& card, IoStd ioStd); // card 25, USB in native mode
void D_GPIO_UVREL(TDaughterBoard& card, IoStd ioStd);        // card 30
void D_GPIO_QUARN(TDaughterBoard& card);                     // card 34
void D_GPIO_BRUDEL(TDaughterBoard& card);                    // card 64
void D_GPIO_GYRVAN(TDaughterBoard& card);                    // card 65
void D_GPIO_ARDUINO(TDaughterBoard& card);                   // card 68

namespace fills {
// Cards 24, 25 and 30 take 3.3-V LVTTL on every board, whatever the board
// derives; 34, 64, 65 and 68 have no code to take.
void GpioOrrin(TDaughterBoard& card, const CardFillContext& context);
void GpioOrrinNative(TDaughterBoard& card, const CardFillContext& context);
void GpioUvrel(TDaughterBoard& card, const CardFillContext& context);
void GpioQuarn(TDaughterBoard& card, const CardFillContext& context);
void GpioBrudel(TDaughterBoard& card, const CardFillContext& context);
void GpioGyrvan(TDaughterBoard& card, const CardFillContext& context);
void GpioArduino(TDaughterBoard& card, const CardFillContext& context);
} // namespace fills
