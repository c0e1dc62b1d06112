#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

void D_FMC_HPC_ALTERA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    for (const auto rows : {fmc::VendorRowsAToH(), fmc::VendorRowJ(), fmc::VendorRowK()}) {
        ExpandCardMap(slots, {"D_FMC_HPC_ALTERA", rows}, CardCodes{});
    }
    // The lanes keep the table's code.
    fmc::JudgeStandardSlots(
        slots, {rowK == FmcRowK::Drop ? fmc::FmcPositions::AllButRowK : fmc::FmcPositions::All,
                withXcvr == FmcLanes::With, ioStd, fmc::kPairFlags, false, ioStd});
    AppendCardMap(card, slots);
}
