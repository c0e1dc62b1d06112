// The board matrix (boards/BoardMatrix.h) in process: every run either
// generates a project whose .qsf gives no location twice, with no box, or
// meets a refusal listed below by name. BoardMatrixTools runs the real-tool
// checker over the same projects, one tool run per board (CTest label
// "matrix").

#include "boards/BoardMatrix.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "support/BoardCheckOptions.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>

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
    for (const char* board : {"RASMER", "Falmor"}) {
        names.insert(RunName(board, 67, 61, 'e'));
        names.insert(RunName(board, 74, 61, 'e'));
    }
    // On Gristel the FMC card 84 names its LEDs LED[..] like the board's LED
    // group, whatever module sits in the socket.
    for (const int socket : {0, 77, 78, 79, 80}) {
        names.insert(RunName("Gristel", socket, 84, 'e'));
    }
    return names;
}
const std::set<std::string> kDuplicateSignals = DuplicateSignals();

// Runs whose pins cannot be grouped into ports: on Istrel the fixed inputs
// at header positions 1 and 3 split card 66's PMW bus by direction ("...
// has an unmathced pin direction"), on either header, with any prefixes.
std::set<std::string> GroupingFailures() {
    std::set<std::string> names = {RunName("ISTREL", 66, 66, 'p')};
    for (const int other : {0, 1, 12, 13, 55, 62, 63, 67, 74, 81, 82, 83}) {
        for (const char prefixes : {'e', 'p'}) {
            names.insert(RunName("ISTREL", 66, other, prefixes));
            names.insert(RunName("ISTREL", other, 66, prefixes));
        }
    }
    // On Kelmis the board inputs at HSMC-A/E position 156 and HSMC-C 156 and
    // 158 split the debug card's (18) HSM_D_LED bus the same way.
    for (const char* run :
         {"0_0_0_0_18_0_0_0_e", "0_0_0_0_18_0_0_0_p", "0_0_18_0_0_0_0_0_e", "0_0_18_0_0_0_0_0_p",
          "18_0_0_0_0_0_0_0_e", "18_0_0_0_0_0_0_0_p", "17_18_18_18_17_18_81_81_p",
          "18_19_19_19_18_19_81_81_p", "87_18_18_18_87_18_81_81_p"}) {
        names.insert(std::string("KELMIS_") + run);
    }
    return names;
}
const std::set<std::string> kGroupingFailures = GroupingFailures();

// The prefix rule refuses the same card on both headers with equal
// prefixes (not the 80-pin card, not the both-default set).
bool IsPrefixRuleRefusal(const std::string& message) {
    return message.find("cannot have the same prefix name when both connect to the same type of "
                        "daughter boards.") != std::string::npos;
}

// Bus bits a card's own map leaves without a position: the checker finds
// them declared but unplaced in every project with the card. The Camera
// Link card (33) has no bit 23 on either receiver bus.
struct CardGap {
    CardId card;
    const char* bits[2];
};
constexpr CardGap kCardGaps[] = {{CARD_HESSEL, {"RX_BASE[23]", "RX_MEDIUM[23]"}}};

// Whether a checker problem of this run is about one of the documented gaps
// of a card the run holds ("... port <prefix><bit> has ..." or "... port
// <prefix><bit>" at the end).
bool IsDocumentedCardGap(const BoardDef& def, const matrix::Run& run, const std::string& problem) {
    for (const BoardCardPort& port : def.ports) {
        for (const CardGap& gap : kCardGaps) {
            if (run.record[port.cardOffset] != CardNumber(gap.card)) {
                continue;
            }
            for (const char* bit : gap.bits) {
                const std::size_t at = problem.find(bit);
                const std::size_t end = at + std::string(bit).size();
                if (at != std::string::npos && (end == problem.size() || problem[end] == ' ')) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Expected(const std::string& name) {
    return kDuplicateSignals.count(name) != 0 || kGroupingFailures.count(name) != 0;
}

} // namespace

TEST(BoardMatrix, EveryRunGeneratesOrMeetsItsListedRefusal) {
    const auto start = std::chrono::steady_clock::now();
    TempDir dir;
    std::set<std::string> metRefusals;
    int generated = 0, ruleRefusals = 0;
    for (const BoardDef* def : matrix::Boards()) {
        for (const matrix::Run& run : matrix::Runs(*def)) {
            SCOPED_TRACE(run.name);
            std::string message;
            if (!CheckRecord(*def, run.record, message)) {
                EXPECT_FALSE(run.prefixed) << message;
                EXPECT_TRUE(IsPrefixRuleRefusal(message)) << message;
                ++ruleRefusals;
                continue;
            }
            const matrix::Outcome outcome = matrix::Generate(*def, run, dir.Path());
            if (Expected(run.name)) {
                metRefusals.insert(run.name);
                EXPECT_FALSE(outcome.generated);
                ASSERT_FALSE(outcome.boxes.empty());
                const char* box = kDuplicateSignals.count(run.name)
                                      ? "is used by both"
                                      : "has an unmathced pin direction";
                EXPECT_NE(outcome.boxes[0].find(box), std::string::npos) << outcome.boxes[0];
                continue;
            }
            ++generated;
            EXPECT_TRUE(outcome.generated);
            for (const std::string& box : outcome.boxes) {
                ADD_FAILURE() << "box: " << box;
            }
            for (const std::string& location : outcome.doubleLocations) {
                ADD_FAILURE() << location << " is assigned twice";
            }
        }
    }
    // Every listed refusal is still met.
    std::set<std::string> listed = kDuplicateSignals;
    listed.insert(kGroupingFailures.begin(), kGroupingFailures.end());
    EXPECT_EQ(metRefusals, listed);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("board matrix: %d projects generated, %d refused by the prefix rule, %zu by the "
                "duplicate-signal check or the port grouping, %lld ms\n",
                generated, ruleRefusals, metRefusals.size(), static_cast<long long>(ms));
}

// The matrix covers every board with a record; a board past the
// combination limit runs the reduced set.
TEST(BoardMatrix, CoversTheRegistry) {
    std::vector<int> ids;
    for (const BoardDef* def : matrix::Boards()) {
        ids.push_back(BoardNumber(def->id));
        EXPECT_FALSE(matrix::Runs(*def).empty());
    }
    for (const int id : {21, 22, 25, 37}) {
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
    }
    EXPECT_EQ(matrix::Combinations(*FindBoard(MAINBOARD_SOLLEN)), 121);
    EXPECT_EQ(matrix::Combinations(*FindBoard(MAINBOARD_TAVRIN)), 13);
}

class BoardMatrixTools : public testing::TestWithParam<int> {};

TEST_P(BoardMatrixTools, ProjectsPassTheRealTools) {
    const BoardDef& def = *FindBoard(GetParam());
    const auto start = std::chrono::steady_clock::now();
    TempDir dir;
    const checker::CheckOptions options = checker::BoardCheckOptions(def.id);
    std::vector<checker::ProjectToCheck> projects;
    std::vector<matrix::Run> checked;
    for (matrix::Run& run : matrix::Runs(def)) {
        std::string message;
        if (!CheckRecord(def, run.record, message) || Expected(run.name)) {
            continue;
        }
        ASSERT_TRUE(matrix::Generate(def, run, dir.Path()).generated) << run.name;
        projects.push_back({dir.Path() + run.name, run.name, options});
        checked.push_back(std::move(run));
    }
    const std::vector<std::vector<std::string>> problems = checker::CheckProjects(projects);
    for (std::size_t i = 0; i < projects.size(); ++i) {
        for (const std::string& problem : problems[i]) {
            if (IsDocumentedCardGap(def, checked[i], problem)) {
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
