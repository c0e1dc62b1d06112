// What the FMC fillers share: the row-K predicate, the LPC rows and the
// judges of the standard cards and of the maker's two card families.

#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"

bool IsFmcRowKSignal(int position) {
    const int first = FmcPosition('K', 4);
    const int last = FmcPosition('K', 38);
    return position >= first && position <= last && (position - first) % 3 != 2;
}

namespace fmc {

bool IsFmcLpcPosition(int position) {
    if (position < 1 || position > FMC_HPC_PIN_NUM) {
        return false;
    }
    const char row = kFmcRowLetters[(position - 1) / kFmcPinsPerRow];
    return row == 'C' || row == 'D' || row == 'G' || row == 'H';
}

void JudgeStandardSlots(CardMapSlots& slots, const StandardJudge& judge) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        CardMapSlot& slot = slots[i];
        if (slot.row == nullptr) {
            continue;
        }
        const int position = static_cast<int>(i + 1);
        const std::uint8_t flags = slot.row->flags;
        bool keep = true;
        switch (judge.positions) {
        case FmcPositions::All:
            break;
        case FmcPositions::AllButRowK:
            keep = !IsFmcRowKSignal(position);
            break;
        case FmcPositions::LpcRows:
            keep = IsFmcLpcPosition(position);
            break;
        case FmcPositions::None:
            keep = false;
            break;
        }
        if (keep && !judge.withXcvr && (flags & (FMC_PIN_XCVR | FMC_PIN_XCVR_CLK)) != 0) {
            keep = false;
        }
        if (keep) {
            if ((flags & judge.ioStdMask) != 0) {
                slot.code = judge.ioStd;
            }
            if (judge.vitaLanes && (flags & FMC_PIN_XCVR) != 0) {
                slot.code = judge.xcvrStd;
            }
            // The negative member of an LVDS pair is not a pin of its own.
            keep = !(slot.code == IOSTD_LVDS && (flags & FMC_PIN_NEG) != 0);
        }
        if (!keep) {
            slot.row = nullptr;
        }
    }
}

void JudgeMakerSlots(CardMapSlots& slots, std::uint8_t skipFlag, char negativeLetter) {
    for (CardMapSlot& slot : slots) {
        if (slot.row == nullptr) {
            continue;
        }
        // The test is on the last letter only: an LVDS name that ends in "]"
        // (CLK_M2C_n[1]) is a pin.
        const bool negative =
            slot.code == IOSTD_LVDS && !slot.name.empty() && slot.name.back() == negativeLetter;
        if ((slot.row->flags & skipFlag) != 0 || negative) {
            slot.row = nullptr;
        }
    }
}

void JudgeMakerSecondSlots(CardMapSlots& slots) {
    for (CardMapSlot& slot : slots) {
        if (slot.row == nullptr) {
            continue;
        }
        const std::uint8_t flags = slot.row->flags;
        if ((flags & FMC_PIN_SKIP) != 0 ||
            (slot.code == IOSTD_LVDS && (flags & FMC_PIN_NEG) != 0)) {
            slot.row = nullptr;
        }
    }
}

} // namespace fmc
