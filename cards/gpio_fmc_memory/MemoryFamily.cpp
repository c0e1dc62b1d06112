// What the memory-module fillers share.

#include "cards/gpio_fmc_memory/MemoryFamily.h"

#include "model/Connector.h"

namespace memory {

void MarkSpdBusPins(TConnector& module) {
    for (int i = 0; i < module.GetPinCount(); ++i) {
        TPin* pin = module.GetPin(i);
        if (pin && (pin->GetName() == "SDA" || pin->GetName() == "SCL")) {
            pin->SetIsClock(2);
            pin->SetPeriodNs(1);
        }
    }
}

} // namespace memory
