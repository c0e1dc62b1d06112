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
#include "support/BoardFacts.h"
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

// Runs with empty prefixes whose two cards give one signal name from both
// ports: the project writer refuses them ("Signal %s is used by both %s and
// %s. ..."). Each board lists its own in its facts.
const std::set<std::string>& DuplicateSignals() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (const facts::BoardFacts* board : facts::AllFacts()) {
            all.insert(board->duplicateSignalRuns.begin(), board->duplicateSignalRuns.end());
        }
        return all;
    }();
    return names;
}

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

// Locations a board's own data gives two pins (its facts), kept as the data
// has them: a project that uses both meets the clash. Any other location
// given twice fails.
bool IsDataClash(const BoardDef& def, const std::string& location) {
    const std::vector<const char*>& clashes = facts::FactsOf(def.id).dataClashes;
    return std::any_of(clashes.begin(), clashes.end(),
                       [&](const char* clash) { return location == clash; });
}

// The checker's problem for a location given twice, when it is a listed one.
bool IsDataClashProblem(const BoardDef& def, const std::string& problem) {
    static const std::string kHead = "qsf: location PIN_";
    const std::size_t at = problem.find(kHead);
    if (at == std::string::npos) {
        return false;
    }
    const std::size_t from = at + kHead.size();
    const std::size_t end = problem.find(' ', from);
    return end != std::string::npos && IsDataClash(def, problem.substr(from, end - from));
}

// Harvik's sockets A and B, and C and D, hold one kind of module; the rule
// refuses a mixed pair whatever the prefixes.
bool IsMemoryKindRefusal(const std::string& message) {
    return message.find("shoud be the same memory type.") != std::string::npos;
}

bool Expected(const std::string& name) {
    return DuplicateSignals().count(name) != 0;
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
                if (IsDataClash(*def, bare)) {
                    metClashes.insert(std::string(def->folderWord) + " " + bare);
                    continue;
                }
                ADD_FAILURE() << location << " is assigned twice";
            }
        }
    }
    // Every listed refusal is still met.
    EXPECT_EQ(metRefusals, DuplicateSignals());
    // Every listed shared location is met in every run (every peripheral is
    // ticked), every listed data clash at least once.
    std::set<std::string> sharedLocations;
    std::set<std::string> clashes;
    for (const facts::BoardFacts* board : facts::AllFacts()) {
        const BoardDef* def = FindBoard(board->board);
        ASSERT_NE(def, nullptr);
        for (const facts::Listed& shared : board->sharedLocations) {
            sharedLocations.insert(std::string(def->folderWord) + " " + shared.what);
        }
        for (const char* clash : board->dataClashes) {
            clashes.insert(std::string(def->folderWord) + " " + clash);
        }
    }
    EXPECT_EQ(metSharedLocations, sharedLocations);
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
            if (IsDataClashProblem(def, problem)) {
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
