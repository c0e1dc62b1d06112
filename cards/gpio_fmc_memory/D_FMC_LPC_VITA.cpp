#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

void D_FMC_LPC_VITA(TDaughterBoard& card, FmcLanes withXcvr, IoStd ioStd, IoStd xcvrStd) {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_LPC_VITA", fmc::VitaRows()}, CardCodes{});
    fmc::JudgeStandardSlots(slots, {fmc::FmcPositions::LpcRows, withXcvr == FmcLanes::With, ioStd,
                                    fmc::kPairFlags, true, xcvrStd});
    AppendCardMap(card, slots);
}
