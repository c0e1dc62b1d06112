#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

void D_FMC_HPC_VITA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, FmcRowK rowK,
                    IoStd xcvrStd) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_HPC_VITA", fmc::VitaRows()}, CardCodes{});
    fmc::JudgeStandardSlots(
        slots, {rowK == FmcRowK::Drop ? fmc::FmcPositions::AllButRowK : fmc::FmcPositions::All,
                withXcvr == FmcLanes::With, ioStd, fmc::kPairFlags, true, xcvrStd});
    AppendCardMap(card, slots);
}
