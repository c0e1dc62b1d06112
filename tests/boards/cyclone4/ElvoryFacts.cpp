// What the shared tests know of the Elvory board (tests/support/BoardFacts.h).

#include "boards/cyclone4/ElvoryId.h"
#include "support/BoardFacts.h"

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_ELVORY;
    // The GPIO cards 67 and 74 and the HSMC card 61 name their MIPI camera
    // and LCD pins alike (MIPI_I2C_SCL, MPU_CS_n).
    f.duplicateSignalRuns.push_back("ELVORY_67_61_e");
    f.duplicateSignalRuns.push_back("ELVORY_74_61_e");
    // At an HSMC voltage of 3.3 V the camera adaptors 57 and 58 name their
    // camera's pins as the camera card 12 on the header does.
    f.duplicateSignalRuns.push_back("ELVORY_hsmc3v3_12_57_e");
    f.duplicateSignalRuns.push_back("ELVORY_hsmc3v3_12_58_e");
    // Each GPIO voltage at the default HSMC voltage, each HSMC voltage at the
    // default GPIO voltage.
    f.variants = {
        {"_gpio2v5", {{160, 1, 4}}}, {"_gpio1v8", {{160, 2, 4}}}, {"_gpio1v5", {{160, 3, 4}}},
        {"_hsmc3v3", {{296, 0, 4}}}, {"_hsmc1v8", {{296, 2, 4}}}, {"_hsmc1v5", {{296, 3, 4}}},
    };
    f.formModes = {{{facts::FormStep::Kind::SetIndex, "ComboBoxGpioVol", 1}}};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
