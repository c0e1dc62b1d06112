// What the shared tests know of the Gristel board (tests/support/BoardFacts.h).

#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "support/BoardFacts.h"

#include <cstddef>
#include <string>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_GRISTEL;
    f.vhdlChoice = offsetof(GRISTEL_CONFIG, FileType);
    // The FMC card 84 names its LEDs LED[..] like the board's LED group,
    // whatever module sits in the socket, at every FMC voltage.
    for (const char* word : {"Gristel", "Gristel_v3", "Gristel_v4"}) {
        for (const int socket : {0, 77, 78, 79, 80}) {
            f.duplicateSignalRuns.push_back(std::string(word) + "_" + std::to_string(socket) +
                                            "_84_e");
        }
    }
    // The same with a VHDL top level (its reduced set of card choices).
    f.duplicateSignalRuns.push_back("Gristel_vhdl_0_84_e");
    f.duplicateSignalRuns.push_back("Gristel_vhdl_78_84_e");
    // The FMC voltages 1.5 V and 1.2 V besides the default 1.8 V, and the
    // VHDL top level.
    f.variants = {
        {"_v3", {{offsetof(GRISTEL_CONFIG, FmcVoltage), gristel::kFmc1V5, 4}}},
        {"_v4", {{offsetof(GRISTEL_CONFIG, FmcVoltage), gristel::kFmc1V2, 4}}},
        {"_vhdl", {{offsetof(GRISTEL_CONFIG, FileType), 1, 1}}, true},
    };
    f.ipExport = facts::IpExport::NoModules;
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
