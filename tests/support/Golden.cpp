#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

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

} // namespace

void ExpectMatchesGolden(const std::string& fixtureFolder, const std::string& generatedFolder) {
    const fs::path golden = fs::path(PINSMITH_TEST_DATA_DIR) / fixtureFolder;
    const fs::path generated(generatedFolder);
    const char* update = std::getenv("PINSMITH_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        fs::remove_all(golden);
        fs::create_directories(golden);
        fs::copy(generated, golden, fs::copy_options::recursive);
        return;
    }
    const std::vector<std::string> expected = RelativeFiles(golden);
    ASSERT_FALSE(expected.empty()) << "no fixtures in " << golden;
    EXPECT_EQ(RelativeFiles(generated), expected) << "files of " << fixtureFolder;
    for (const std::string& file : expected) {
        if (!fs::exists(generated / file)) {
            continue;
        }
        const std::string want = ReadFile(golden / file);
        const std::string got = ReadFile(generated / file);
        EXPECT_TRUE(want == got) << fixtureFolder << "/" << file << " "
                                 << FirstDifference(want, got);
    }
}
