#pragma once
// What the Stratix IV GX boards with a programmable PLL (Galdre_X1, Kelmis)
// share: the two device variants and the three PLL choice bytes of their
// records.

#include "boards/BoardDef.h"
#include "model/MainBoard.h"

#include <cstddef>
#include <cstdint>

namespace stratix4gx {
inline constexpr int kPllChoiceCount = 3;
// The PLL choice a default record holds: 100 MHz.
inline constexpr std::uint8_t kDefaultPllChoice = 4;
inline constexpr std::uint8_t kLastPllChoice = 12;

// The three PLL bytes from firstPll at their default.
void SetDefaultPllChoices(RecordSpan record, std::size_t firstPll);
// A loaded record's variant byte (0 or 1, else 0) and PLL bytes (0 to 12,
// else the default) brought into range.
void MendVariantAndPllChoices(RecordSpan record, std::size_t variant, std::size_t firstPll);
// Family, package, pin count, speed grade and the device of the variant;
// false (nothing set) for a variant other than 0 and 1.
bool SetDevice(TMainBoard& board, std::uint8_t variant);
} // namespace stratix4gx
