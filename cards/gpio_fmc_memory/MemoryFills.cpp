// The card registry's module fills: each module as a board of the id fills
// it by default. The boards without the socket get the most common choice.

#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "boards/cyclone3/JorvathId.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace fills {

// Board 6 gives the presence-detect pins 3.3-V LVTTL, board 11 single-ended
// strobes; the others differential strobes and 1.8 V.
void Ddr2Sodimm(TDaughterBoard& module, BoardId board) {
    if (board == MAINBOARD_FENNIK) {
        module.FillDdr2Sodimm(DqsMode::Differential, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL);
    } else if (board == MAINBOARD_JORVATH) {
        module.FillDdr2Sodimm(DqsMode::SingleEnded, IOSTD_1V8, IOSTD_1V8);
    } else {
        module.FillDdr2Sodimm(DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
    }
}

// Every board passes differential strobes and 1.5 V; boards 9 and 12 use the
// lower-case names, board 27 the SSTL-15 form.
void Ddr3Sodimm(TDaughterBoard& module, BoardId board) {
    switch (board) {
    case MAINBOARD_HOLLIN:
    case MAINBOARD_KELMIS:
        module.FillDdr3SodimmLowerCase(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    case MAINBOARD_ZARVIK:
        module.FillDdr3SodimmSstl15(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    default:
        module.FillDdr3Sodimm(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    }
}

// The DDR4 modules take 1.2 V for the presence-detect pins; board 36 has the
// socket layout of its own.
void Ddr4Sodimm(TDaughterBoard& module, BoardId) {
    module.FillDdr4Sodimm(IOSTD_1V2, IOSTD_1V2, Ecc::Without);
}
void Ddr4SodimmWithoutEcc(TDaughterBoard& module, BoardId board) {
    module.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::Without,
                                   board == MAINBOARD_HARVIK ? board : MAINBOARD_NONE);
}
void Ddr4SodimmWithEcc(TDaughterBoard& module, BoardId board) {
    module.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::With,
                                   board == MAINBOARD_HARVIK ? board : MAINBOARD_NONE);
}

void Qdr2Module(TDaughterBoard& module, BoardId) {
    module.FillQdr2Module();
}
void Qdr4Module(TDaughterBoard& module, BoardId) {
    module.FillQdr4Module();
}

} // namespace fills
