// The comparison of the golden runner: a stored file and an exported copy
// listed in the fixture folder are both compared byte for byte, and the
// written files must be exactly the stored ones plus the listed copies.

#include "platform/Resources.h"
#include "support/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void Write(const std::string& file, const std::string& text) {
    fs::create_directories(fs::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string Resource(const char* name) {
    const auto bytes = platform::FindResource(name);
    EXPECT_TRUE(bytes) << name;
    return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size())
                 : std::string();
}

class GoldenRunner : public testing::Test {
protected:
    void SetUp() override {
        if (const char* update = std::getenv("PINSMITH_UPDATE_GOLDEN"); update) {
            GTEST_SKIP() << "the fixtures are being rewritten";
        }
        // The fixture: one stored file and one exported copy.
        Write(fixtures.File("p.qsf"), "set_global_assignment\r\n");
        Write(fixtures.File(golden::kExportedList), "pll/EXT_PLL_CTRL.v EXT_PLL_CTRL_VERILOG\n");
        // The project as its writer makes it.
        Write(project.File("p.qsf"), "set_global_assignment\r\n");
        Write(project.File("pll/EXT_PLL_CTRL.v"), Resource("EXT_PLL_CTRL_VERILOG"));
    }
    // An absolute fixture folder stands in for one below tests/.
    void Compare() { golden::ExpectMatchesGolden(fixtures.Path(), project.Path()); }

    TempDir fixtures;
    TempDir project;
};

TEST_F(GoldenRunner, EqualFilesAndCopiesPass) {
    Compare();
}

TEST_F(GoldenRunner, EveryDifferenceFails) {
    Write(project.File("p.qsf"), "set_global_assignment\n");
    EXPECT_NONFATAL_FAILURE(Compare(), "p.qsf line 1");
}

TEST_F(GoldenRunner, ACopyThatDiffersFromItsResourceFails) {
    Write(project.File("pll/EXT_PLL_CTRL.v"), Resource("EXT_PLL_CTRL_VERILOG") + "\r\n");
    EXPECT_NONFATAL_FAILURE(Compare(), "differs from resource EXT_PLL_CTRL_VERILOG");
}

TEST_F(GoldenRunner, AMissingOrExtraFileFails) {
    fs::remove(project.File("pll/EXT_PLL_CTRL.v"));
    EXPECT_NONFATAL_FAILURE(Compare(), "files of");
    Write(project.File("pll/EXT_PLL_CTRL.v"), Resource("EXT_PLL_CTRL_VERILOG"));
    Write(project.File("extra.v"), "");
    EXPECT_NONFATAL_FAILURE(Compare(), "files of");
}

TEST_F(GoldenRunner, AListedResourceTheProgramLacksFails) {
    Write(fixtures.File(golden::kExportedList), "pll/EXT_PLL_CTRL.v NO_SUCH_VERILOG\n");
    EXPECT_NONFATAL_FAILURE(Compare(), "names resource NO_SUCH_VERILOG");
}

} // namespace
