#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

#include <string>
#include <string_view>

namespace {

// The array table's name of a VITA name: the number after the bus word
// becomes the index, without leading zeros (DP1_M2C_P is DP_M2C_P[1],
// LA06_P_CC is LA_P_CC[6], GA0 is GA[0]). CLK_DIR, SCL, SDA and the
// bidirectional clocks (CLK2_BIDIR_P) keep their names.
std::string ArrayName(std::string_view vita) {
    static constexpr std::string_view kBuses[] = {"DP", "GBTCLK", "CLK", "LA", "HA", "HB", "GA"};
    for (const std::string_view bus : kBuses) {
        if (vita.substr(0, bus.size()) != bus) {
            continue;
        }
        const std::string_view rest = vita.substr(bus.size());
        std::size_t digits = 0;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
            ++digits;
        }
        const std::string_view tail = rest.substr(digits);
        if (digits == 0 || tail.substr(0, 6) == "_BIDIR") {
            break;
        }
        int number = 0;
        for (std::size_t k = 0; k < digits; ++k) {
            number = number * 10 + (rest[k] - '0');
        }
        return std::string(bus) + std::string(tail) + "[" + std::to_string(number) + "]";
    }
    return std::string(vita);
}

void ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
}

} // namespace

void D_FMC_HPC_VITA_ARRAY(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK,
                          IoStd xcvrStd) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_HPC_VITA_ARRAY", fmc::VitaRows()}, CardCodes{});
    fmc::JudgeStandardSlots(
        slots, {rowK == FmcRowK::Drop ? fmc::FmcPositions::AllButRowK : fmc::FmcPositions::All,
                withXcvr == FmcLanes::With, ioStd, fmc::kArrayFlags, true, xcvrStd});
    // Member names in lower case and without the clock-capable mark, each
    // change made once: LA_P_CC[18] becomes LA_p[18].
    for (CardMapSlot& slot : slots) {
        if (slot.row != nullptr) {
            slot.name = ArrayName(slot.name);
            ReplaceFirst(slot.name, "_P", "_p");
            ReplaceFirst(slot.name, "_N", "_n");
            ReplaceFirst(slot.name, "_CC", "");
        }
    }
    AppendCardMap(card, slots);
}
