#include "cards/gpio_fmc_memory/MemoryFamily.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"
#include "platform/AsciiText.h"

#include <algorithm>

// The DDR3 map with the memory signals named in lower case (dq[4], reset_n);
// SA, EVENT_n, SDA and SCL keep their names, and reset_n takes SSTL-15
// Class I instead of ctlStd.
void D_MEM_DDR3_SODIMM_LOWER(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    CardMapSlots slots = memory::ExpandDdr3Map("D_MEM_DDR3_SODIMM_LOWER", diffDqs, ctlStd, saStd);
    for (CardMapSlot& slot : slots) {
        if (slot.row == nullptr) {
            continue;
        }
        if ((slot.row->flags & memory::kDdr3KeepsCase) == 0) {
            std::transform(slot.name.begin(), slot.name.end(), slot.name.begin(),
                           platform::AsciiLower);
        }
        if ((slot.row->flags & memory::kDdr3Reset) != 0) {
            slot.code = IOSTD_SSTL15_I;
        }
    }
    AppendCardMap(module, slots);
    memory::MarkSpdBusPins(module);
}
