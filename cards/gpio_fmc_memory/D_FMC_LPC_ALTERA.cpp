#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

void D_FMC_LPC_ALTERA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcBuild enable) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    for (const auto rows : {fmc::VendorRowsAToH(), fmc::VendorRowJ(), fmc::VendorRowK()}) {
        ExpandCardMap(slots, {"D_FMC_LPC_ALTERA", rows}, CardCodes{});
    }
    fmc::JudgeStandardSlots(
        slots, {enable == FmcBuild::Map ? fmc::FmcPositions::LpcRows : fmc::FmcPositions::None,
                withXcvr == FmcLanes::With, ioStd, fmc::kPairFlags, false, ioStd});
    AppendCardMap(card, slots);
}
