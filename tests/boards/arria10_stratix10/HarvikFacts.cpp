// What the shared tests know of the Harvik board (tests/support/BoardFacts.h).

#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "support/BoardFacts.h"

#include <cstddef>
#include <string>

namespace {

facts::BoardFacts Facts() {
    facts::BoardFacts f;
    f.board = MAINBOARD_HARVIK;
    f.vhdlChoice = offsetof(HARVIK_CONFIG, TopFileVhdl);
    // Without prefixes two sockets with modules both name their RZQ and
    // REFCLK_p pins so (and modules 77 and 78 their ports alike). The same
    // module twice, or two kinds on one pair, the settings rules refuse
    // before.
    const int modules[] = {0, 77, 78, 79, 80};
    const auto kind = [](int card) { return card == 78 ? 77 : card; };
    for (const int a : modules) {
        for (const int b : modules) {
            for (const int c : modules) {
                for (const int d : modules) {
                    const int cards[] = {a, b, c, d};
                    int used = 0;
                    bool ruleRefusal =
                        (a && b && kind(a) != kind(b)) || (c && d && kind(c) != kind(d));
                    for (int i = 0; i < 4; ++i) {
                        used += cards[i] != 0 ? 1 : 0;
                        for (int j = i + 1; j < 4; ++j) {
                            ruleRefusal = ruleRefusal || (cards[i] != 0 && cards[i] == cards[j]);
                        }
                    }
                    if (used >= 2 && !ruleRefusal) {
                        f.duplicateSignalRuns.push_back(
                            "Harvik_" + std::to_string(a) + "_" + std::to_string(b) + "_" +
                            std::to_string(c) + "_" + std::to_string(d) + "_e");
                    }
                }
            }
        }
    }
    // The VHDL top level: every port name must be a VHDL identifier too.
    f.variants = {{"_vhdl", {{offsetof(HARVIK_CONFIG, TopFileVhdl), 1, 1}}, true}};
    f.ipExport = facts::IpExport::SettingsObject;
    f.exportedNames = {"HARVIK_SI5340A_CONFIG"};
    return f;
}

const facts::BoardFactsRegistrar kFacts{Facts()};

} // namespace
