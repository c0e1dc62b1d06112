// What the shared tests know of the Falmor board (tests/support/BoardFacts.h).

#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "support/BoardFacts.h"

#include <cstddef>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_FALMOR;
    f.vhdlChoice = offsetof(FALMOR_CONFIG, VHDL);
    // The GPIO cards 67 and 74 and the HSMC card 61 name their MIPI camera
    // and LCD pins alike (MIPI_I2C_SCL, MPU_CS_n).
    f.duplicateSignalRuns.push_back("Falmor_67_61_e");
    f.duplicateSignalRuns.push_back("Falmor_74_61_e");
    // At 3.3 V the GPIO card 12 and the HSMC cards 57 and 58 name their pins
    // FYRN_... alike.
    f.duplicateSignalRuns.push_back("Falmor_v0_12_57_e");
    f.duplicateSignalRuns.push_back("Falmor_v0_12_58_e");
    // Each HSMC voltage besides the default 2.5 V, and the VHDL top level:
    // every port name must be a VHDL identifier too.
    f.variants = {
        {"_v0", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 0, 4}}},
        {"_v2", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 2, 4}}},
        {"_v3", {{offsetof(FALMOR_CONFIG, HsmcVoltage), 3, 4}}},
        {"_vhdl", {{offsetof(FALMOR_CONFIG, VHDL), 1, 1}}, true},
    };
    f.ipExport = facts::IpExport::NoModules;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
