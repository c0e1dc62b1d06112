// The card registry's module fills: each module as the board's card rules
// have it filled. Every DDR3 form takes differential strobes and 1.5 V for
// its control and presence-detect pins, every DDR4 module 1.2 V for its
// presence-detect pins.

#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace fills {

void Ddr2Sodimm(TDaughterBoard& module, const CardRules& rules) {
    const Ddr2SodimmRule& ddr2 = rules.ddr2Sodimm;
    module.FillDdr2Sodimm(ddr2.strobes, ddr2.presenceDetect, ddr2.presenceDetect);
}

void Ddr3Sodimm(TDaughterBoard& module, const CardRules& rules) {
    switch (rules.ddr3Sodimm) {
    case Ddr3SodimmForm::Standard:
        module.FillDdr3Sodimm(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    case Ddr3SodimmForm::LowerCase:
        module.FillDdr3SodimmLowerCase(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    case Ddr3SodimmForm::Sstl15:
        module.FillDdr3SodimmSstl15(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
        break;
    }
}

void Ddr4Sodimm(TDaughterBoard& module, const CardRules&) {
    module.FillDdr4Sodimm(IOSTD_1V2, IOSTD_1V2, Ecc::Without);
}
void Ddr4SodimmWithoutEcc(TDaughterBoard& module, const CardRules& rules) {
    module.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::Without, rules.ddr4SodimmInterface);
}
void Ddr4SodimmWithEcc(TDaughterBoard& module, const CardRules& rules) {
    module.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::With, rules.ddr4SodimmInterface);
}

void Qdr2Module(TDaughterBoard& module, const CardRules&) {
    module.FillQdr2Module();
}
void Qdr4Module(TDaughterBoard& module, const CardRules&) {
    module.FillQdr4Module();
}

} // namespace fills
