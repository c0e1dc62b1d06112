#pragma once
// Pin maps of the memory modules: DDR2 SO-DIMM (card 9, DDR2_SODIMM_PIN_NUM
// positions), DDR3 SO-DIMM (card 38, DDR3_SODIMM_PIN_NUM), DDR4 SO-DIMM (cards
// 39, 77 and 78, DDR4_SODIMM_PIN_NUM) and the QDR-II+ and QDR-IV modules for
// the DDR4 socket (cards 79 and 80). The module fill operations of
// TDaughterBoard call them; the card dispatcher does not.

#include "model/CardRules.h"
#include "model/ModuleOptions.h"
#include "model/Pin.h"

class TDaughterBoard;

// Card 9. i2cStd is the code of SDA and SCL, saStd that of SA[1..0]; with
// single-ended strobes the dqs_n positions stay empty.
void D_MEM_DDR2_SODIMM(TDaughterBoard& module, DqsMode diffDqs, IoStd i2cStd, IoStd saStd);
// Card 38 in three forms with the same positions. ctlStd is the code of
// RESET_n, EVENT_n, SDA and SCL, saStd that of SA[1..0].
void D_MEM_DDR3_SODIMM(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd);
// Names in lower case but for SA, EVENT_n, SDA and SCL; reset_n takes
// SSTL-15 Class I instead of ctlStd.
void D_MEM_DDR3_SODIMM_LOWER(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd);
// Data and masks take SSTL-15, differential strobes Differential 1.5-V SSTL.
void D_MEM_DDR3_SODIMM_SSTL15(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd);
// Cards 39, 77 and 78, in the full layout or the one-rank layout (scalar CKE,
// CK, CK_n, CS_n and ODT, no second rank, no SA[0]).
void D_MEM_DDR4_SODIMM(TDaughterBoard& module, IoStd i2cStd, Ddr4SodimmLayout layout, Ecc ecc,
                       IoStd saStd);
void D_MEM_QDR2_MODULE(TDaughterBoard& module); // card 79
void D_MEM_QDR4_MODULE(TDaughterBoard& module); // card 80

// The card registry's module fills: each module filled with the arguments
// that the board's card rules give (a board without the socket has the
// default rules, the most common choice).
namespace fills {
void Ddr2Sodimm(TDaughterBoard& module, const CardRules& rules);
void Ddr3Sodimm(TDaughterBoard& module, const CardRules& rules);
void Ddr4Sodimm(TDaughterBoard& module, const CardRules& rules);
void Ddr4SodimmWithoutEcc(TDaughterBoard& module, const CardRules& rules);
void Ddr4SodimmWithEcc(TDaughterBoard& module, const CardRules& rules);
void Qdr2Module(TDaughterBoard& module, const CardRules& rules);
void Qdr4Module(TDaughterBoard& module, const CardRules& rules);
} // namespace fills
