#include "cards/gpio_fmc_memory/MemoryFamily.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

// The DDR3 map with data and masks at SSTL-15 and differential strobes at
// Differential 1.5-V SSTL; single-ended strobes, clocks, address and command
// keep SSTL-15 Class I.
void D_MEM_DDR3_SODIMM_SSTL15(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    CardMapSlots slots = memory::ExpandDdr3Map("D_MEM_DDR3_SODIMM_SSTL15", diffDqs, ctlStd, saStd);
    for (CardMapSlot& slot : slots) {
        if (slot.row == nullptr) {
            continue;
        }
        if ((slot.row->flags & memory::kDdr3Data) != 0) {
            slot.code = IOSTD_SSTL15;
        }
        if ((slot.row->flags & memory::kDdr3Strobe) != 0 && slot.code == IOSTD_DIFF_1V5_SSTL_I) {
            slot.code = IOSTD_DIFF_1V5_SSTL;
        }
    }
    AppendCardMap(module, slots);
    memory::MarkSpdBusPins(module);
}
