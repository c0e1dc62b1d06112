#pragma once
// Pin maps of the daughter cards for the HSMC connector and the maker's
// Kirrel connector. Each filler appends one entry per connector position to
// an empty card (HSMC_PIN_NUM or KIRREL_PIN_NUM, cards/hsmc/HsmcPositions.h);
// the card dispatcher chooses the filler and the codes it receives (the
// fills below).

#include "cards/hsmc/HsmcPositions.h"
#include "model/CardRules.h"
#include "model/Pin.h"

#include <cstdint>

class TDaughterBoard;

// Codes that a filler takes beside another code get a type of their own, so
// that two of them cannot trade places unnoticed.
struct XcvrStd {
    IoStd code; // transceiver-lane pins
};
struct I2cStd {
    IoStd code; // a card's I2C pins
};
struct LvdsStd {
    IoStd code; // LVDS pair pins
};

enum class UpperCase : bool { No, Yes };
enum class WithXcvr : bool { No, Yes };

// The HSMC Default cards (2, 3, 86-92, 94) in the board's naming. portIndex
// matters only in the naming with OUT clocks (clock pair 2 on port 1 only),
// withXcvr only in the formula naming; upperCase converts every name.
void D_HSMC_DEFAULT(TDaughterBoard& card, HsmcDefaultNaming naming, int portIndex,
                    UpperCase upperCase, WithXcvr withXcvr, IoStd ioStd, XcvrStd xcvrStd);

// Card 4: the formula naming (the HSMC Default formula naming with its
// lanes) or the LVDS naming (p halves, pairs at lvdsStd).
void D_HSMC_LVDS_DEFAULT(TDaughterBoard& card, LvdsDefaultNaming naming, XcvrStd xcvrStd,
                         IoStd ioStd, LvdsStd lvdsStd);

// Transceiver cards.
void D_HSMC_WEXAL(TDaughterBoard& card, XcvrStd xcvrStd);               // 21
void D_HSMC_BREVIK(TDaughterBoard& card, XcvrStd xcvrStd);              // 22
void D_HSMC_SATA(TDaughterBoard& card, XcvrStd xcvrStd, I2cStd i2cStd); // 23
void D_HSMC_FASKER(TDaughterBoard& card, XcvrStd xcvrStd);              // 26

// Cards 19 (without lanes) and 37 (with).
void D_HSMC_LOOPBACK(TDaughterBoard& card, WithXcvr withXcvr, XcvrStd xcvrStd);
void D_HSMC_LVDS_CROSSOVER(TDaughterBoard& card, I2cStd i2cStd); // 56

// Converter, video, communication and adaptor cards: i2cStd reaches the pins
// at 33 and 34.
void D_HSMC_HAVOR(TDaughterBoard& card, I2cStd i2cStd);  // 8
void D_HSMC_TESLIN(TDaughterBoard& card, I2cStd i2cStd); // 6
void D_HSMC_OSTEL(TDaughterBoard& card, I2cStd i2cStd);  // 10
void D_HSMC_VADREL(TDaughterBoard& card, I2cStd i2cStd); // 14
void D_HSMC_PARNEL(TDaughterBoard& card, I2cStd i2cStd); // 7
void D_HSMC_PRELL(TDaughterBoard& card, I2cStd i2cStd);  // 27
void D_HSMC_DELVO(TDaughterBoard& card, I2cStd i2cStd);  // 28

// Card 17: 72 inout pins at ioStd; the four clock-input positions as the
// board has them.
void D_HSMC_NIMBAL(TDaughterBoard& card, IoStd ioStd, NimbalClockInputs clockInputs);
// Cards 57-59: card 17 with the camera on header J2, J3 or both. Neither
// header is an internal error.
enum class FyrnOnJ2 : bool { No, Yes };
enum class FyrnOnJ3 : bool { No, Yes };
void D_HSMC_NIMBAL_FYRN(TDaughterBoard& card, FyrnOnJ2 onJ2, FyrnOnJ3 onJ3,
                        NimbalClockInputs clockInputs, IoStd ioStd);

// Kirrel cards, 180 entries each, codes fixed by the maps.
void D_KIRREL_VANTOR(TDaughterBoard& card);   // 15
void D_KIRREL_NIMBAL(TDaughterBoard& card);   // 16
void D_KIRREL_LOOPBACK(TDaughterBoard& card); // 20: the Teslin rows, all at 2.5 V

// Display and camera cards.
void D_HSMC_SORVEL(TDaughterBoard& card);  // 29
void D_HSMC_SORVEL2(TDaughterBoard& card); // 36: card 29 plus a G-sensor
void D_HSMC_YARNEL(TDaughterBoard& card);  // 60
// Card 61; i2cStd is taken and not read: every pin is at 2.5 V.
void D_HSMC_YARNEL2(TDaughterBoard& card, I2cStd i2cStd);
void D_HSMC_PEMBLE(TDaughterBoard& card); // 35

// HDMI, Camera Link and debug cards.
void D_HSMC_HDMI_TX(TDaughterBoard& card, I2cStd i2cStd); // 31
void D_HSMC_HDMI_RX(TDaughterBoard& card, I2cStd i2cStd); // 32
void D_HSMC_CAMERA_LINK(TDaughterBoard& card);            // 33
// Card 18; position 96 is HSM_D[37] inout or the input HSM_D_IN[37].
void D_HSMC_DEBUG(TDaughterBoard& card, HsmcDebugLine96 line96);

// The card registry's fills of these cards: the dispatcher's choice of map
// and codes for each.
struct CardFillContext;
namespace fills {
// Cards 2, 3, 86-92, 94: the card's own voltage code, lanes for the cards
// with transceivers, the board's upper-case flag for the plain ones.
void HsmcDefault(TDaughterBoard& card, const CardFillContext& context);
void HsmcLvdsDefault(TDaughterBoard& card, const CardFillContext& context);
void HsmcWexal(TDaughterBoard& card, const CardFillContext& context);
void HsmcBrevik(TDaughterBoard& card, const CardFillContext& context);
void HsmcSata(TDaughterBoard& card, const CardFillContext& context);
void HsmcFasker(TDaughterBoard& card, const CardFillContext& context);
void HsmcLoopback(TDaughterBoard& card, const CardFillContext& context);
void HsmcLvdsCrossover(TDaughterBoard& card, const CardFillContext& context);
void HsmcHavor(TDaughterBoard& card, const CardFillContext& context);
void HsmcTeslin(TDaughterBoard& card, const CardFillContext& context);
void HsmcOstel(TDaughterBoard& card, const CardFillContext& context);
void HsmcVadrel(TDaughterBoard& card, const CardFillContext& context);
void HsmcParnel(TDaughterBoard& card, const CardFillContext& context);
void HsmcPrell(TDaughterBoard& card, const CardFillContext& context);
void HsmcDelvo(TDaughterBoard& card, const CardFillContext& context);
void HsmcNimbal(TDaughterBoard& card, const CardFillContext& context);
void HsmcNimbalFyrn(TDaughterBoard& card, const CardFillContext& context);
void KirrelVantor(TDaughterBoard& card, const CardFillContext& context);
void KirrelNimbal(TDaughterBoard& card, const CardFillContext& context);
void KirrelLoopback(TDaughterBoard& card, const CardFillContext& context);
void HsmcSorvel(TDaughterBoard& card, const CardFillContext& context);
void HsmcSorvel2(TDaughterBoard& card, const CardFillContext& context);
void HsmcYarnel(TDaughterBoard& card, const CardFillContext& context);
void HsmcYarnel2(TDaughterBoard& card, const CardFillContext& context);
void HsmcPemble(TDaughterBoard& card, const CardFillContext& context);
void HsmcHdmiTx(TDaughterBoard& card, const CardFillContext& context);
void HsmcHdmiRx(TDaughterBoard& card, const CardFillContext& context);
void HsmcCameraLink(TDaughterBoard& card, const CardFillContext& context);
void HsmcDebug(TDaughterBoard& card, const CardFillContext& context);
} // namespace fills
