#include "support/Golden.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "platform/Resources.h"
#include "platform/ScriptedUi.h"
#include "support/BoardCheckOptions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace golden {

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
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

std::optional<std::string> ResourceText(const std::string& resource) {
    const auto bytes = platform::FindResource(resource);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// The exported copies a fixture folder lists: path -> resource.
std::map<std::string, std::string> ReadExportedList(const fs::path& golden) {
    std::map<std::string, std::string> list;
    std::istringstream in(ReadFile(golden / kExportedList));
    std::string path, resource;
    while (in >> path >> resource) {
        list[path] = resource;
    }
    return list;
}

void UpdateFixtures(const fs::path& golden, const fs::path& generated,
                    const std::vector<config::ExportedFile>& exportable) {
    fs::remove_all(golden);
    fs::create_directories(golden);
    std::string list;
    for (const std::string& file : RelativeFiles(generated)) {
        const std::string text = ReadFile(generated / file);
        bool copy = false;
        for (const config::ExportedFile& e : exportable) {
            const std::string path = e.folder.empty() ? e.file : e.folder + "/" + e.file;
            if (path == file && ResourceText(e.resource) == text) {
                list += file + " " + e.resource + "\n";
                copy = true;
                break;
            }
        }
        if (!copy) {
            fs::create_directories((golden / file).parent_path());
            WriteFile(golden / file, text);
        }
    }
    if (!list.empty()) {
        WriteFile(golden / kExportedList, list);
    }
}

bool Updating() {
    const char* update = std::getenv("PINSMITH_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

void Check(const std::string& folder, const std::string& name,
           const checker::CheckOptions& options) {
    std::string problems;
    for (const std::string& p : checker::CheckProject(folder, name, options)) {
        problems += p + "\n";
    }
    EXPECT_TRUE(problems.empty()) << problems;
}

// Generates <name>.qpf of the model into a fresh folder with the clock fixed;
// compares and checks it when the writer succeeded without a message box.
void WriteAndCompare(TMainBoard& board, const std::string& name, bool vhdl,
                     const std::vector<config::ExportedFile>& exportable, const Options& options,
                     ConstRecordSpan record) {
    platform::ScriptedUi ui;
    platform::SetFixedClock(options.clock);
    TempDir dir;
    TPinsmith pinsmith;
    const bool generated = pinsmith.Generate(&board, dir.File(name + ".qpf"), vhdl);
    platform::SetFixedClock(std::nullopt);
    for (const platform::RecordedBox& box : ui.Boxes()) {
        ADD_FAILURE() << "message box: " << box.text;
    }
    ASSERT_TRUE(generated);
    ExpectMatchesGolden(options.fixtures + "/" + name, dir.Path(), exportable);
    Check(dir.Path(), name, options.checks(board.GetBoardIdByte(), record, board));
}

std::vector<config::ExportedFile> ExportSetOf(const BoardDef& def) {
    return def.text && def.text->exportSet ? def.text->exportSet()
                                           : std::vector<config::ExportedFile>{};
}

} // namespace

platform::LocalDateTime FixedTime() {
    return platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5};
}

CheckOptionsOf BoardChecks() {
    return [](BoardId id, ConstRecordSpan, const TMainBoard&) {
        return checker::BoardCheckOptions(id);
    };
}

CheckOptionsOf BoardAndRecordChecks() {
    return [](BoardId id, ConstRecordSpan record, const TMainBoard&) {
        return checker::BoardCheckOptions(*FindBoard(id), record);
    };
}

CheckOptionsOf StrictChecks() {
    return [](BoardId, ConstRecordSpan, const TMainBoard&) { return checker::CheckOptions{}; };
}

void ExpectGoldenProject(BoardId board, const std::string& name, const RecordEdit& edit,
                         const Options& options) {
    const BoardDef& def = *FindBoard(board);
    Record record(def.record.size);
    SetDefaultRecord(def, record);
    if (options.nameInRecord) {
        SetRecordFieldText(record, def.record.projectNameOffset, name);
    }
    edit(def, record);
    Options asMade = options;
    asMade.nameInRecord = false;
    ExpectGoldenRecord(board, std::move(record), name, asMade);
}

void ExpectGoldenRecord(BoardId board, Record record, const std::string& name,
                        const Options& options) {
    SCOPED_TRACE(name);
    const BoardDef& def = *FindBoard(board);
    if (options.nameInRecord) {
        SetRecordFieldText(record, def.record.projectNameOffset, name);
    }
    if (options.mend != Mend::None) {
        const Record chosen = record;
        MendRecord(def, record);
        if (options.mend == Mend::MustKeep) {
            ASSERT_EQ(record, chosen) << "mending changed the case's record";
        }
    }
    if (options.handOver) {
        record = options.handOver(record);
    }
    std::string message;
    ASSERT_TRUE(CheckRecord(def, record, message)) << message;
    const std::unique_ptr<TMainBoard> model = BuildBoardModel(def, record);
    WriteAndCompare(*model, name, UsesVhdl(def, record), ExportSetOf(def), options, record);
}

void ExpectGoldenModel(TMainBoard& board, const std::string& name, bool vhdl,
                       const Options& options) {
    SCOPED_TRACE(name);
    const BoardDef* def = FindBoard(board.GetBoardIdByte());
    WriteAndCompare(board, name, vhdl,
                    def ? ExportSetOf(*def) : std::vector<config::ExportedFile>{}, options, {});
}

void ExpectMatchesGolden(const std::string& fixtureFolder, const std::string& generatedFolder,
                         const std::vector<config::ExportedFile>& exportable) {
    const fs::path golden = fs::path(PINSMITH_TEST_DATA_DIR) / fixtureFolder;
    const fs::path generated(generatedFolder);
    if (Updating()) {
        UpdateFixtures(golden, generated, exportable);
        return;
    }
    const std::map<std::string, std::string> exported = ReadExportedList(golden);
    std::vector<std::string> stored = RelativeFiles(golden);
    std::erase(stored, std::string(kExportedList));
    ASSERT_FALSE(stored.empty()) << "no fixtures in " << golden;
    std::vector<std::string> expected = stored;
    for (const auto& [path, resource] : exported) {
        expected.push_back(path);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(RelativeFiles(generated), expected) << "files of " << fixtureFolder;
    for (const std::string& file : stored) {
        if (!fs::exists(generated / file)) {
            continue;
        }
        const std::string want = ReadFile(golden / file);
        const std::string got = ReadFile(generated / file);
        EXPECT_TRUE(want == got) << fixtureFolder << "/" << file << " "
                                 << FirstDifference(want, got);
    }
    for (const auto& [file, resource] : exported) {
        const std::optional<std::string> want = ResourceText(resource);
        if (!want) {
            ADD_FAILURE() << fixtureFolder << "/" << kExportedList << " names resource " << resource
                          << ", which the program does not carry";
            continue;
        }
        if (!fs::exists(generated / file)) {
            continue;
        }
        const std::string got = ReadFile(generated / file);
        EXPECT_TRUE(*want == got) << fixtureFolder << "/" << file << " differs from resource "
                                  << resource << ": " << FirstDifference(*want, got);
    }
}

} // namespace golden
