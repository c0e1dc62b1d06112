#pragma once
// Pin maps of the FMC cards. Every FMC card, HPC or LPC, fills all
// FMC_HPC_PIN_NUM (400) positions, numbered by row letter and pin (A1 = 1,
// C10 = 90, K40 = 400; cards/CardMap.h); an LPC connector has only the rows
// C, D, G and H. Each map is a table of rows with a flags byte per row; the
// filler expands it and judges every named position by the rules of its
// family (which rows it keeps, which code each pin takes) before appending.

#include "cards/CardMap.h"
#include "model/Pin.h"
#include "model/Sizes.h"

#include <cstdint>

class TDaughterBoard;
struct CardFillContext;

static_assert(kFmcPositionCount == FMC_HPC_PIN_NUM, "the FMC rows cover every FMC position");

// Flag bits of the FMC rows. The standard cards read all but FMC_PIN_SKIP; the
// maker's cards read only the last two.
inline constexpr std::uint8_t FMC_PIN_SINGLE = 0x01;    // single-ended signal
inline constexpr std::uint8_t FMC_PIN_DIFF = 0x02;      // member of a user pair
inline constexpr std::uint8_t FMC_PIN_CLK = 0x04;       // clock pair (with 0x02: clock capable)
inline constexpr std::uint8_t FMC_PIN_BIDIR_CLK = 0x08; // bidirectional clock pair
inline constexpr std::uint8_t FMC_PIN_XCVR = 0x10;      // transceiver lane
inline constexpr std::uint8_t FMC_PIN_XCVR_CLK = 0x20;  // transceiver reference clock
inline constexpr std::uint8_t FMC_PIN_SKIP = 0x40;      // a row the maker's fillers leave out
// Negative member of a pair; in the maker's first family (but card 84) a
// position the card does not use.
inline constexpr std::uint8_t FMC_PIN_NEG = 0x80;

// Whether the standard maps build their transceiver lanes and reference
// clocks.
enum class FmcLanes : bool { Without, With };
// Whether an HPC standard map keeps the signals of row K.
enum class FmcRowK : bool { Keep, Drop };
// Whether the vendor LPC map builds anything at all.
enum class FmcBuild : bool { Nothing, Map };
// Which table of card 52 the filler walks.
enum class TiAdc34j45Table : bool { AsStored, Remapped };

// True for the 24 signal positions of row K: K4, K5, K7, K8 ... K37, K38.
bool IsFmcRowKSignal(int position);

// The standard cards. ioStd is the code of the pairs and clock pairs (and of
// the single-ended rows in the array map), xcvrStd that of the lanes.
// Card 40 on board 31: the VITA 57.1 names.
void D_FMC_HPC_VITA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK,
                    IoStd xcvrStd);
// Card 40 on every other board: bus-style names (LA_p[6], DP_M2C_n[0]).
void D_FMC_HPC_VITA_ARRAY(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK,
                          IoStd xcvrStd);
// Card 41: rows C, D, G and H of the VITA map.
void D_FMC_LPC_VITA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, IoStd xcvrStd);
// Cards 42 and 43: the FPGA vendor's naming (LA_RX_p[1], HA_TX_CLK_p).
void D_FMC_HPC_ALTERA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK);
// Cards 44 and 45: the vendor's rows A to H with the maker's own rows J and K.
void D_FMC_HPC_ALTERA_QUELMAR(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK);
// Cards 46 and 47: rows C, D, G and H of the vendor map.
void D_FMC_LPC_ALTERA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcBuild enable);

// The maker's cards: every row carries its final name, direction and code;
// the filler only leaves out the rows the card does not use and the negative
// members of LVDS pairs.
void D_FMC_FASKER(TDaughterBoard& card);        // card 48
void D_FMC_BREVIK(TDaughterBoard& card);        // card 49
void D_FMC_VANTOR(TDaughterBoard& card);        // card 50
void D_FMC_PARNEL(TDaughterBoard& card);        // card 53
void D_FMC_DOSTEL(TDaughterBoard& card);        // card 54
void D_FMC_KAPPEL(TDaughterBoard& card);        // card 84
void D_FMC_MORLET_FOR_TI(TDaughterBoard& card); // card 51
void D_FMC_GLENT(TDaughterBoard& card);         // card 76
// Card 52: the adapter of card 51 with a converter module fitted, whose
// lines reach other positions; the dispatcher passes Remapped.
void D_FMC_TI_ADC34J45(TDaughterBoard& card, TiAdc34j45Table table);

// The card-52 swaps: for a 0-based row index (position - 1) the index of the
// row it is swapped with, or the index itself.
int TiAdc34j45RemapPosition(int index);
// The card-52 table expanded, with the swaps applied in one pass from index
// 399 down to 0 (the order matters: three rows move in a ring). Built anew
// on every call.
CardMapSlots TiAdc34j45BuildTable();

// The card registry's fills of these cards: the dispatcher's choice of map
// and codes.
namespace fills {
// Card 40: the VITA names on board 31, the array names elsewhere; the
// board's single-ended and transceiver codes, lanes built, row K kept.
void FmcHpcVita(TDaughterBoard& card, const CardFillContext& context);
void FmcLpcVita(TDaughterBoard& card, const CardFillContext& context);
// Cards 42 to 47 take 2.5 V on every board; the odd ids build the lanes.
void FmcHpcAltera(TDaughterBoard& card, const CardFillContext& context);
void FmcHpcXcvrAltera(TDaughterBoard& card, const CardFillContext& context);
void FmcHpcAlteraQuelmar(TDaughterBoard& card, const CardFillContext& context);
void FmcHpcXcvrAlteraQuelmar(TDaughterBoard& card, const CardFillContext& context);
void FmcLpcAltera(TDaughterBoard& card, const CardFillContext& context);
void FmcLpcXcvrAltera(TDaughterBoard& card, const CardFillContext& context);
void FmcFasker(TDaughterBoard& card, const CardFillContext& context);
void FmcBrevik(TDaughterBoard& card, const CardFillContext& context);
void FmcVantor(TDaughterBoard& card, const CardFillContext& context);
void FmcMorletForTi(TDaughterBoard& card, const CardFillContext& context);
void FmcTiAdc34j45(TDaughterBoard& card, const CardFillContext& context);
void FmcParnel(TDaughterBoard& card, const CardFillContext& context);
void FmcDostel(TDaughterBoard& card, const CardFillContext& context);
void FmcGlent(TDaughterBoard& card, const CardFillContext& context);
void FmcKappel(TDaughterBoard& card, const CardFillContext& context);
} // namespace fills
