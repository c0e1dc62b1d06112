// The board matrix (boards/BoardMatrix.h) in process: every run either
// generates a project whose .qsf gives no location twice, with no box, or
// meets a refusal listed below by name. BoardMatrixTools runs the real-tool
// checker over the same projects, each tool run over a batch of them (CTest label
// "matrix").

#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/max10/YeldenId.h"
#include "model/DaughterBoard.h"
#include "platform/Clock.h"
#include "support/BoardCheckOptions.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string RunName(const char* board, int card0, int card1, char prefixes) {
    return std::string(board) + "_" + std::to_string(card0) + "_" + std::to_string(card1) + "_" +
           prefixes;
}

// Runs with empty prefixes whose two cards give one signal name from both
// headers: the project writer refuses them ("Signal %s is used by both %s
// and %s. ..."). Cards 55 and 63 share one pin map; on Ulvane and Vessor
// (both-default set {1}) any two different GPIO Default cards name their
// pins GPIO[0..35] on both headers.
std::set<std::string> DuplicateSignals() {
    std::set<std::string> names;
    for (const char* board : {"ILMARCH", "SOLLEN", "WENDAL", "ISTREL", "ULVANE", "VESSOR"}) {
        names.insert(RunName(board, 55, 63, 'e'));
        names.insert(RunName(board, 63, 55, 'e'));
    }
    for (const char* board : {"ULVANE", "VESSOR"}) {
        for (const int a : {1, 81, 82, 83}) {
            for (const int b : {1, 81, 82, 83}) {
                if (a != b) {
                    names.insert(RunName(board, a, b, 'e'));
                }
            }
        }
    }
    // On the GPIO-and-HSMC boards the GPIO cards 67 and 74 and the HSMC
    // card 61 name their MIPI camera and LCD pins alike (MIPI_I2C_SCL,
    // MPU_CS_n).
    for (const char* board : {"RASMER", "Falmor", "ELVORY", "LORSK", "Marwen"}) {
        names.insert(RunName(board, 67, 61, 'e'));
        names.insert(RunName(board, 74, 61, 'e'));
    }
    // Calvet: card 84 names its pins LED[..] like the board's LED group when
    // its FMC port has no prefix.
    names.insert("CALVET_0_84_0_0_0_e");
    names.insert("CALVET_0_0_0_0_84_e");
    // On Elvory at an HSMC voltage of 3.3 V the camera adaptors 57 and 58
    // name their camera's pins as the camera card 12 on the header does.
    names.insert(RunName("ELVORY_hsmc3v3", 12, 57, 'e'));
    names.insert(RunName("ELVORY_hsmc3v3", 12, 58, 'e'));
    // Falmor at 3.3 V: the GPIO card 12 and the HSMC cards 57 and 58 name
    // their pins FYRN_... alike.
    names.insert(RunName("Falmor_v0", 12, 57, 'e'));
    names.insert(RunName("Falmor_v0", 12, 58, 'e'));
    // On Jorvath the Teslin card (6) through the HSMC-to-Kirrel map and the
    // Kirrel loopback card (20) name their DVI I2C pins alike.
    names.insert(RunName("JORVATH", 6, 20, 'e'));
    names.insert(RunName("JORVATH", 20, 6, 'e'));
    // On Gristel the FMC card 84 names its LEDs LED[..] like the board's LED
    // group, whatever module sits in the socket, at every FMC voltage.
    for (const char* board : {"Gristel", "Gristel_v3", "Gristel_v4"}) {
        for (const int socket : {0, 77, 78, 79, 80}) {
            names.insert(RunName(board, socket, 84, 'e'));
        }
    }
    // The same with a VHDL top level (its reduced set of card choices).
    names.insert(RunName("Gristel_vhdl", 0, 84, 'e'));
    names.insert(RunName("Gristel_vhdl", 78, 84, 'e'));
    // Kelvane's list holds cards of one pin naming (HSMC Default with and
    // without transceivers, the ADC/DAC and SMA cards, the two LCD/camera
    // generations, the loopback cards...): unprefixed on both ports they
    // name the same signals.
    const std::pair<int, int> kelvanePairs[] = {{2, 3},   {2, 8},   {2, 26},  {3, 8},
                                                {3, 26},  {8, 26},  {21, 26}, {21, 28},
                                                {29, 36}, {29, 61}, {36, 61}, {19, 37}};
    for (const auto& [a, b] : kelvanePairs) {
        names.insert(RunName("KELVANE", a, b, 'e'));
        names.insert(RunName("KELVANE", b, a, 'e'));
    }
    // Hollin: the FMC-to-GPIO card (84) without a prefix names its LEDs
    // like the board's.
    for (const char* run : {"84_0_0_0_e", "0_84_0_0_e", "0_0_84_0_e", "0_0_0_84_e"}) {
        names.insert(std::string("HOLLIN_0_0_") + run);
    }
    // Harvik without prefixes: two sockets with modules both name their
    // RZQ and REFCLK_p pins so (and modules 77 and 78 their ports alike).
    // The same module twice, or two kinds on one pair, the settings rules
    // refuse before.
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
                        names.insert("Harvik_" + std::to_string(a) + "_" + std::to_string(b) + "_" +
                                     std::to_string(c) + "_" + std::to_string(d) + "_e");
                    }
                }
            }
        }
    }
    return names;
}
const std::set<std::string> kDuplicateSignals = DuplicateSignals();

// The prefix rule refuses the same card on both headers with equal
// prefixes (not the 80-pin card, not the both-default set).
bool IsPrefixRuleRefusal(const std::string& message) {
    return message.find("cannot have the same prefix name when both connect to the same type of "
                        "daughter boards.") != std::string::npos;
}

// The checker's options for one run: the board's and its record's.
checker::CheckOptions RunOptions(const BoardDef& def, const matrix::Run& run) {
    return checker::BoardCheckOptions(def, run.record);
}

// Locations the boards' own data gives two pins, kept as the data has
// them: a project that uses both meets the clash. Any other location given
// twice fails.
struct DataClash {
    const char* board; // folder word
    const char* location;
};
constexpr DataClash kDataClashes[] = {
    {"GALDRE_X2", "P4"}, // TEMP_CLK and FPGA_TX_p[3]
    {"GALDRE_X2", "N2"}, // TEMP_INT_n and FPGA_RX_p[4]
    {"GALDRE_X2", "K6"}, // SW[1] and HSMC-A position 108
    {"KELVANE", "AE21"}, // DDR2 position 189 and HSMC-B 72
    {"KELVANE", "AF24"}, // DDR2 175 and HSMC-B 66
    {"KELVANE", "AF25"}, // DDR2 185 and HSMC-B 67
    {"KELVANE", "C6"},   // DDR2 84 and HSMC-B 146
    {"KELVANE", "AE24"}, // HSMB_TX_LED and DDR2 180
    {"KELVANE", "AE23"}, // HSMB_RX_LED and HSMC-B 68
};

bool IsDataClash(const std::string& board, const std::string& location) {
    return std::any_of(std::begin(kDataClashes), std::end(kDataClashes), [&](const DataClash& c) {
        return board == c.board && location == c.location;
    });
}

// The checker's problem for a location given twice, when it is a listed one.
bool IsDataClashProblem(const std::string& board, const std::string& problem) {
    static const std::string kHead = "qsf: location PIN_";
    const std::size_t at = problem.find(kHead);
    if (at == std::string::npos) {
        return false;
    }
    const std::size_t from = at + kHead.size();
    const std::size_t end = problem.find(' ', from);
    return end != std::string::npos && IsDataClash(board, problem.substr(from, end - from));
}

// Harvik's sockets A and B, and C and D, hold one kind of module; the rule
// refuses a mixed pair whatever the prefixes.
bool IsMemoryKindRefusal(const std::string& message) {
    return message.find("shoud be the same memory type.") != std::string::npos;
}

bool Expected(const std::string& name) {
    return kDuplicateSignals.count(name) != 0;
}

} // namespace

TEST(BoardMatrix, EveryRunGeneratesOrMeetsItsListedRefusal) {
    const auto start = std::chrono::steady_clock::now();
    TempDir dir;
    std::set<std::string> metRefusals;
    std::set<std::string> metClashes;
    int generated = 0, ruleRefusals = 0;
    std::set<std::string> metSharedLocations;
    for (const BoardDef* def : matrix::Boards()) {
        // Locations the board's own data gives twice by design (listed with
        // their reason in the check options).
        const std::map<std::string, std::string> shared =
            checker::BoardCheckOptions(def->id).sharedLocations;
        for (const matrix::Run& run : matrix::Runs(*def)) {
            SCOPED_TRACE(run.name);
            std::string message;
            if (!CheckRecord(*def, run.record, message)) {
                if (IsMemoryKindRefusal(message)) {
                    ++ruleRefusals;
                    continue;
                }
                EXPECT_FALSE(run.prefixed) << message;
                EXPECT_TRUE(IsPrefixRuleRefusal(message)) << message;
                ++ruleRefusals;
                continue;
            }
            const matrix::Outcome outcome = matrix::Generate(*def, run, dir.Path());
            std::error_code removed;
            std::filesystem::remove_all(dir.Path() + run.name, removed);
            if (Expected(run.name)) {
                metRefusals.insert(run.name);
                EXPECT_FALSE(outcome.generated);
                ASSERT_FALSE(outcome.boxes.empty());
                EXPECT_NE(outcome.boxes[0].find("is used by both"), std::string::npos)
                    << outcome.boxes[0];
                continue;
            }
            ++generated;
            EXPECT_TRUE(outcome.generated);
            for (const std::string& box : outcome.boxes) {
                ADD_FAILURE() << "box: " << box;
            }
            for (const std::string& name : outcome.illegalNames) {
                ADD_FAILURE() << "top level: " << name;
            }
            for (const std::string& location : outcome.doubleLocations) {
                if (shared.count(location)) {
                    metSharedLocations.insert(def->folderWord + std::string(" ") + location);
                    continue;
                }
                const std::string bare =
                    location.rfind("PIN_", 0) == 0 ? location.substr(4) : location;
                if (IsDataClash(def->folderWord, bare)) {
                    metClashes.insert(std::string(def->folderWord) + " " + bare);
                    continue;
                }
                ADD_FAILURE() << location << " is assigned twice";
            }
        }
    }
    // Every listed refusal is still met.
    EXPECT_EQ(metRefusals, kDuplicateSignals);
    // Galdre_X1's first DDR2 socket and the fixed termination block share
    // two locations in every run (every peripheral is ticked).
    EXPECT_EQ(metSharedLocations, (std::set<std::string>{"GALDRE PIN_AF25", "GALDRE PIN_AG25"}));
    // Every listed data clash is still met.
    std::set<std::string> clashes;
    for (const DataClash& c : kDataClashes) {
        clashes.insert(std::string(c.board) + " " + c.location);
    }
    EXPECT_EQ(metClashes, clashes);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("board matrix: %d projects generated, %d refused by the prefix rule, %zu by the "
                "duplicate-signal check, %lld ms\n",
                generated, ruleRefusals, metRefusals.size(), static_cast<long long>(ms));
}

// A list offers only cards that generate: every card of every port's list
// (as each record variant of the matrix makes the lists) generates alone on
// that port, with a prefix of its own.
TEST(BoardMatrix, EveryListedCardGeneratesAloneOnItsPort) {
    TempDir dir;
    int generated = 0;
    for (const BoardDef* def : matrix::Boards()) {
        for (const matrix::Run& run : matrix::AloneRuns(*def)) {
            SCOPED_TRACE(run.name);
            const BoardCardPort& port = def->ports[static_cast<std::size_t>(run.alonePort)];
            if (run.name.find("_node2_") == std::string::npos) {
                EXPECT_EQ(RecordPortCard(run.record, port), MakeCardId(run.aloneCard))
                    << "mending drops a card the list offers";
            }
            std::string message;
            EXPECT_TRUE(CheckRecord(*def, run.record, message)) << message;
            const matrix::Outcome outcome = matrix::Generate(*def, run, dir.Path());
            EXPECT_TRUE(outcome.generated);
            for (const std::string& box : outcome.boxes) {
                ADD_FAILURE() << "box: " << box;
            }
            generated += outcome.generated ? 1 : 0;
        }
    }
    std::printf("every listed card alone: %d projects generated\n", generated);
}

// The matrix covers every board with a record; a board past the
// combination limit runs the reduced set.
TEST(BoardMatrix, CoversTheRegistry) {
    std::vector<int> ids;
    for (const BoardDef* def : matrix::Boards()) {
        ids.push_back(BoardNumber(def->id));
        EXPECT_FALSE(matrix::Runs(*def).empty());
    }
    for (const int id : {21, 22, 25, 26, 32, 37}) {
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
    }
    EXPECT_EQ(matrix::Combinations(*FindBoard(MAINBOARD_SOLLEN)), 121);
    EXPECT_EQ(matrix::Combinations(*FindBoard(MAINBOARD_TAVRIN)), 13);
    // Yelden: its defaults, and its four header modes against its three
    // revisions.
    EXPECT_EQ(matrix::Runs(*FindBoard(MAINBOARD_YELDEN)).size(), 13u);
}

class BoardMatrixTools : public testing::TestWithParam<int> {};

TEST_P(BoardMatrixTools, ProjectsPassTheRealTools) {
    const BoardDef& def = *FindBoard(GetParam());
    const auto start = std::chrono::steady_clock::now();
    TempDir dir;
    // One date in every project, so that projects that differ only in their
    // name are byte for byte the same but for it and are checked once.
    platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    struct RealClock {
        ~RealClock() { platform::SetFixedClock(std::nullopt); }
    } realClock;
    std::vector<checker::ProjectToCheck> projects;
    for (matrix::Run& run : matrix::Runs(def)) {
        std::string message;
        if (!CheckRecord(def, run.record, message) || Expected(run.name)) {
            continue;
        }
        ASSERT_TRUE(matrix::Generate(def, run, dir.Path()).generated) << run.name;
        projects.push_back({dir.Path() + run.name, run.name, RunOptions(def, run)});
    }
    const std::vector<std::vector<std::string>> problems = checker::CheckProjects(projects);
    for (std::size_t i = 0; i < projects.size(); ++i) {
        for (const std::string& problem : problems[i]) {
            if (IsDataClashProblem(def.folderWord, problem)) {
                continue;
            }
            ADD_FAILURE() << projects[i].name << ": " << problem;
        }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("%s: %zu projects checked, %lld ms\n", def.folderWord, projects.size(),
                static_cast<long long>(ms));
}

std::vector<int> MatrixBoardIds() {
    std::vector<int> ids;
    for (const BoardDef* def : matrix::Boards()) {
        ids.push_back(BoardNumber(def->id));
    }
    return ids;
}

INSTANTIATE_TEST_SUITE_P(Boards, BoardMatrixTools, testing::ValuesIn(MatrixBoardIds()),
                         [](const testing::TestParamInfo<int>& info) {
                             // Boards that share a folder word add their id.
                             const std::string word = FindBoard(info.param)->folderWord;
                             int sharing = 0;
                             for (const BoardDef* def : matrix::Boards()) {
                                 sharing += word == def->folderWord ? 1 : 0;
                             }
                             return sharing > 1 ? word + "_" + std::to_string(info.param) : word;
                         });
