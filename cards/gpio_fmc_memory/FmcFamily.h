#pragma once
// What the FMC fillers share: the tables of the standard cards (40 to 47),
// whose rows hold the table's own code and leave the final code to the judge,
// and the judges that decide each expanded row.

#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/FmcCards.h"

#include <cstdint>
#include <span>

namespace fmc {

// The VITA 57.1 assignment: 217 named rows, pair members named
// <pair>_P / <pair>_N (and _CC after that for clock-capable pairs).
std::span<const CardMapRow> VitaRows();

// The vendor's naming: rows A to H, row J (one pair and eleven positive
// members), row K (lanes 10 to 15); 206 named rows together.
std::span<const CardMapRow> VendorRowsAToH();
std::span<const CardMapRow> VendorRowJ();
std::span<const CardMapRow> VendorRowK();
// The maker's variant: the vendor rows A to H and J, the negative members of
// row J's single-ended halves, and its own row K of single-ended pairs; 217
// named rows together.
std::span<const CardMapRow> MakerRowJNegatives();
std::span<const CardMapRow> MakerRowK();

// How a standard filler judges the expanded rows, in this order: the
// position filter, the lanes, the code, the LVDS negative member.
enum class FmcPositions { All, AllButRowK, LpcRows, None };
struct StandardJudge {
    FmcPositions positions;
    bool withXcvr;
    IoStd ioStd;
    std::uint8_t ioStdMask; // the flags that give a row ioStd
    bool vitaLanes;         // lanes take xcvrStd (the VITA fillers)
    IoStd xcvrStd;
};
void JudgeStandardSlots(CardMapSlots& slots, const StandardJudge& judge);
// The flags that give a row ioStd: pairs and clocks in every standard
// filler, the single-ended rows too in the array filler.
inline constexpr std::uint8_t kPairFlags = FMC_PIN_DIFF | FMC_PIN_CLK | FMC_PIN_BIDIR_CLK;
inline constexpr std::uint8_t kArrayFlags = kPairFlags | FMC_PIN_SINGLE;

// Rows C, D, G and H: the rows of an LPC connector.
bool IsFmcLpcPosition(int position);

// The maker's first family (cards 48, 49, 50, 53, 54, 84): a row whose flags
// have skipFlag is a position the card does not use; an LVDS row whose name
// ends in negativeLetter is the negative member of a pair. Both are left out.
void JudgeMakerSlots(CardMapSlots& slots, std::uint8_t skipFlag, char negativeLetter);
// The maker's second family (cards 51, 52, 76): rows flagged FMC_PIN_SKIP and
// LVDS rows flagged FMC_PIN_NEG are left out.
void JudgeMakerSecondSlots(CardMapSlots& slots);

} // namespace fmc
