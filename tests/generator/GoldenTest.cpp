// Every sample model is generated into a temporary folder; each file must
// equal its fixture in tests/generator/golden/<case>/ byte for byte, and the
// whole project must pass the real-tool checks. With PINSMITH_UPDATE_GOLDEN=1
// the fixtures are rewritten from the generated files instead (review the
// diff before committing it).

#include "support/Golden.h"
#include "generator/SampleModels.h"
#include "support/BoardCheckOptions.h"
#include "support/ProjectChecker.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <functional>

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

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesFixturesAndPassesTheTools) {
    const GoldenCase& c = GetParam();
    TestResources resources;
    TMainBoard board;
    sample::TestConfigBoard config;
    c.build(board, config);
    // The sample boards keep the checks strict; only the timing and
    // assignment targets the board's own text names without a port (such as
    // Marwen's FS_ADDR[0]) are allowed, as for the real board.
    golden::ExpectGoldenModel(board, c.name, c.vhdl,
                              {.fixtures = "generator/golden",
                               .clock = sample::FixedTime(),
                               .checks = [](BoardId id, ConstRecordSpan, const TMainBoard&) {
                                   checker::CheckOptions options;
                                   options.unmatchedTargets =
                                       checker::BoardCheckOptions(id).unmatchedTargets;
                                   return options;
                               }});
}

INSTANTIATE_TEST_SUITE_P(Models, Golden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
