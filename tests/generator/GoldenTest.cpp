// Every sample model is generated into a temporary folder; each file must
// equal its fixture in tests/generator/golden/<case>/ byte for byte, and the
// whole project must pass the real-tool checks. With PINSMITH_UPDATE_GOLDEN=1
// the fixtures are rewritten from the generated files instead (review the
// diff before committing it).

#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Clock.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct GoldenCase {
    const char* name;
    bool vhdl;
    std::function<void(TMainBoard&, sample::TestConfigBoard&)> build;
};

const GoldenCase kCases[] = {
    {"groups", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildGroups(b); }},
    {"gpio_card", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildGpioCard(b); }},
    {"fmc", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildFmc(b); }},
    {"vhdl", true, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildVhdl(b); }},
    {"galdre_x1", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildGaldreX1(b); }},
    {"sollen", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildSollen(b); }},
    {"marwen", false, [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildMarwen(b); }},
    {"harvik", true, sample::BuildHarvik},
    {"zarvik", false, sample::BuildZarvik},
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> RelativeFiles(const fs::path& root) {
    std::vector<std::string> files;
    if (!fs::is_directory(root)) {
        return files;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), root).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The first line where two texts differ, for the failure message.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string le, la;
    for (int line = 1;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) {
            return "texts differ in their line ends";
        }
        if (le != la || moreE != moreA) {
            return "line " + std::to_string(line) + ":\n  expected: " + (moreE ? le : "<end>") +
                   "\n  actual:   " + (moreA ? la : "<end>");
        }
    }
}

void CompareWithGolden(const std::string& caseName, const fs::path& generated) {
    const fs::path golden = fs::path(PINSMITH_TEST_DATA_DIR) / "generator" / "golden" / caseName;
    const char* update = std::getenv("PINSMITH_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        fs::remove_all(golden);
        fs::create_directories(golden);
        fs::copy(generated, golden, fs::copy_options::recursive);
        return;
    }
    const std::vector<std::string> expected = RelativeFiles(golden);
    const std::vector<std::string> actual = RelativeFiles(generated);
    EXPECT_EQ(actual, expected) << "files of case " << caseName;
    for (const std::string& file : expected) {
        if (!fs::exists(generated / file)) {
            continue;
        }
        const std::string want = ReadFile(golden / file);
        const std::string got = ReadFile(generated / file);
        EXPECT_TRUE(want == got) << caseName << "/" << file << " " << FirstDifference(want, got);
    }
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    TestResources resources;
    platform::ScriptedUi ui;
    platform::SetFixedClock(sample::FixedTime());
    TempDir dir;
    TMainBoard board;
    sample::TestConfigBoard config;
    c.build(board, config);

    TPinsmith writer;
    EXPECT_TRUE(writer.Generate(&board, dir.File(std::string(c.name) + ".qpf"), c.vhdl));
    platform::SetFixedClock(std::nullopt);
    EXPECT_TRUE(ui.Boxes().empty());

    CompareWithGolden(c.name, dir.Path());
    const std::vector<std::string> problems = checker::CheckProject(dir.Path(), c.name);
    std::string all;
    for (const std::string& p : problems) {
        all += p + "\n";
    }
    EXPECT_TRUE(problems.empty()) << all;
}

INSTANTIATE_TEST_SUITE_P(Models, Golden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
