// Export of embedded Verilog modules into the project folder: the boards'
// own clock-chip modules, and neutral test resources for the settings-object
// boards and the export rules.

#include "boards/Boards.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/PellixId.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/ScriptedUi.h"
#include "support/BoardFacts.h"
#include "support/TempDir.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const std::vector<std::string> kSi570Set = {
    "clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v", "i2c_controller.v",
    "i2c_reg_controller.v", "initial_config.v", "si570_controller.v"};

class IpExport : public testing::Test {
protected:
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path())) {
            names.push_back(std::filesystem::relative(e.path(), dir.Path()).generic_string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    bool Export(const TMainBoard& board) { return writer.ExportVerilogIp(board, dir.Path()); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.Boxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    TestResources resources;
    TempDir dir;
    platform::ScriptedUi ui;
    TPinsmith writer;
};

// The boards whose facts (tests/support/BoardFacts.h) list their export so.
std::vector<BoardId> BoardsWhoseExport(facts::IpExport kind) {
    std::vector<BoardId> ids;
    for (const facts::BoardFacts* board : facts::AllFacts()) {
        if (board->ipExport == kind) {
            ids.push_back(board->board);
        }
    }
    return ids;
}

std::vector<std::string> Plus(std::vector<std::string> files, std::vector<std::string> more) {
    files.insert(files.end(), more.begin(), more.end());
    std::sort(files.begin(), files.end());
    return files;
}

// The boards whose export writes into a sub-folder of the project, with
// that folder.
std::vector<std::pair<const BoardDef*, std::string>> BoardsExportingIntoAFolder() {
    std::vector<std::pair<const BoardDef*, std::string>> boards;
    for (const BoardDef* def : AllBoards()) {
        if (!def->text || !def->text->exportSet) {
            continue;
        }
        for (const config::ExportedFile& file : def->text->exportSet()) {
            if (!file.folder.empty()) {
                boards.emplace_back(def, file.folder);
                break;
            }
        }
    }
    return boards;
}

} // namespace

TEST_F(IpExport, BoardsWithoutModules) {
    const std::vector<BoardId> ids = BoardsWhoseExport(facts::IpExport::NoModules);
    ASSERT_FALSE(ids.empty());
    for (BoardId id : ids) {
        TMainBoard board;
        board.m_BoardId = id;
        EXPECT_TRUE(Export(board));
    }
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(IpExport, ExternalPllBoards) {
    const std::vector<BoardId> ids = BoardsWhoseExport(facts::IpExport::ExternalPll);
    ASSERT_FALSE(ids.empty());
    for (BoardId id : ids) {
        TMainBoard board; // the external-PLL option is off: the file comes anyway
        board.m_BoardId = id;
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("EXT_PLL_CTRL.v"), "older").opened);
        EXPECT_TRUE(Export(board));
        EXPECT_EQ(Files(), std::vector<std::string>{"EXT_PLL_CTRL.v"});
        std::string text;
        ASSERT_TRUE(platform::ReadWholeFile(dir.File("EXT_PLL_CTRL.v"), text));
        const auto resource = platform::FindResource("ext_pll_ctrl_verilog");
        ASSERT_TRUE(resource);
        EXPECT_EQ(text,
                  std::string(reinterpret_cast<const char*>(resource->data()), resource->size()));
    }
}

TEST_F(IpExport, Ombrel) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_OMBREL;
    board.m_BoardRecord = RecordCopy(kOmbrelConfigSize);
    board.m_BoardRecord.SetI32(168, 1);
    board.m_BoardRecord.SetI32(172, 1);
    EXPECT_TRUE(Export(board)); // neither synthesizer used, no Si570
    EXPECT_TRUE(Files().empty());

    board.m_BoardRecord.SetI32(164, 3);
    EXPECT_TRUE(Export(board));
    EXPECT_EQ(Files(), kSi570Set);

    board.m_BoardRecord.SetI32(172, 0); // the CDCM61001 left unchanged
    EXPECT_TRUE(Export(board));
    EXPECT_EQ(Files(), Plus(kSi570Set, {"EXT_PLL_CTRL.v"}));
}

TEST_F(IpExport, PellixAndNolvar) {
    TMainBoard pellix;
    pellix.m_BoardId = MAINBOARD_PELLIX;
    pellix.m_BoardRecord = RecordCopy(kPellixConfigSize);
    pellix.m_BoardRecord.SetI32(160, 5);
    EXPECT_TRUE(Export(pellix));
    EXPECT_EQ(Files(), std::vector<std::string>{"CDCM6100x_Config.v"});

    TempDir other;
    TMainBoard nolvar;
    nolvar.m_BoardId = MAINBOARD_NOLVAR;
    nolvar.m_BoardRecord = RecordCopy(kNolvarConfigSize);
    nolvar.m_BoardRecord.SetI32(156, 2);
    nolvar.m_BoardRecord.SetI32(160, 1);
    EXPECT_TRUE(writer.ExportVerilogIp(nolvar, other.Path()));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(other.Path())) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, Plus(kSi570Set, {"CDCM6100x_Config.v"}));
}

TEST_F(IpExport, FirstFailingFileEndsTheExport) {
    // A folder in the place of clock_divider.v: neither deleted nor replaced,
    // and no file of the set takes its name.
    std::filesystem::create_directory(dir.File("clock_divider.v"));
    TMainBoard board;
    board.m_BoardId = MAINBOARD_NOLVAR;
    board.m_BoardRecord = RecordCopy(kNolvarConfigSize);
    board.m_BoardRecord.SetI32(156, 1);
    board.m_BoardRecord.SetI32(160, 1);
    EXPECT_FALSE(Export(board));
    EXPECT_EQ(Files(), (std::vector<std::string>{"clock_divider.v"}));
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Cannot write file " + dir.File("clock_divider.v") + ": Not a regular file");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to export verilog IP");
}

TEST_F(IpExport, SettingsObjectBoards) {
    const std::vector<BoardId> ids = BoardsWhoseExport(facts::IpExport::SettingsObject);
    ASSERT_FALSE(ids.empty());
    for (BoardId id : ids) {
        sample::TestConfigBoard config;
        config.exports = {{"si5340_test.v", "SI5340_TEST_VERILOG"}};
        config.exportFolder = "si5340_controller";
        TMainBoard board;
        board.m_BoardId = id;
        board.m_pConfigBoard = &config;
        EXPECT_TRUE(Export(board));
        EXPECT_EQ(config.exportCalls, std::vector<std::string>{dir.Path()});
    }
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"si5340_controller", "si5340_controller/si5340_test.v"}));

    sample::TestConfigBoard failing;
    failing.exports = {{"x.v", "NO_SUCH_RESOURCE"}};
    TMainBoard board;
    board.m_BoardId = MAINBOARD_CALVET;
    board.m_pConfigBoard = &failing;
    EXPECT_FALSE(Export(board));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Failed to export verilog IP");
}

TEST_F(IpExport, ExportResourceRules) {
    // An older file of the name stays when the resource does not exist.
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("old.v"), "x").opened);
    EXPECT_FALSE(TPinsmith::ExportResource(dir.File("old.v"), "NO_SUCH_RESOURCE"));
    EXPECT_EQ(platform::FileSize(dir.File("old.v")), 1);
    // One missing folder level is created; two are not.
    EXPECT_TRUE(TPinsmith::ExportResource(dir.File("one/m.v"), "test_module_verilog"));
    EXPECT_FALSE(TPinsmith::ExportResource(dir.File("a/b/m.v"), "test_module_verilog"));
    EXPECT_FALSE(platform::DirectoryExists(dir.File("a")));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(IpExport, AModuleFolderIsNeverFollowed) {
    // The boards that export into a sub-folder, each with the first folder
    // of its own export set: a link there (to a folder of someone else's) or
    // a file in its place stops the generation before anything of the
    // project is written, and the place the link points to stays as it was.
    struct Case {
        const char* what;
        bool link;
        const char* reason;
    };
    const Case cases[] = {{"a link", true, "a link of that name is in the way"},
                          {"a file", false, "a file of that name is in the way"}};
    int boards = 0;
    for (const auto& [def, folder] : BoardsExportingIntoAFolder()) {
        ++boards;
        for (const Case& c : cases) {
            TempDir project;
            TempDir elsewhere;
            ASSERT_TRUE(platform::WriteWholeFile(elsewhere.File("si5340_test.v"), "theirs").opened);
            if (c.link) {
                std::filesystem::create_directory_symlink(elsewhere.Path(), project.File(folder));
            } else {
                ASSERT_TRUE(platform::WriteWholeFile(project.File(folder), "mine").opened);
            }
            sample::TestConfigBoard config;
            config.exportFolder = folder;
            config.exports = {{"si5340_test.v", "SI5340_TEST_VERILOG"}};
            TMainBoard board;
            board.m_BoardId = def->id;
            board.m_pConfigBoard = &config;
            ui.Clear();
            EXPECT_FALSE(writer.Generate(&board, project.File("abc.qpf"), false)) << c.what;
            EXPECT_EQ(Texts(),
                      (std::vector<std::string>{"Cannot create the folder " + project.File(folder) +
                                                    "/: " + c.reason + ".",
                                                "Failed to export verilog IP"}))
                << BoardNumber(def->id) << " " << c.what;
            std::string theirs;
            ASSERT_TRUE(platform::ReadWholeFile(elsewhere.File("si5340_test.v"), theirs));
            EXPECT_EQ(theirs, "theirs") << BoardNumber(def->id) << " " << c.what;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(project.Path()), {}), 1)
                << BoardNumber(def->id) << " " << c.what; // the link or the file alone
        }
    }
    EXPECT_EQ(boards, static_cast<int>(BoardsWhoseExport(facts::IpExport::SettingsObject).size()));
}

TEST_F(IpExport, AModuleFolderSwappedForALinkDuringGenerateIsNeverFollowed) {
    // While a project is generated, its module folder is moved aside and a
    // link to someone else's folder takes its place: as it is about to be
    // made, after its module file was checked, or as the files take their
    // names. Nothing is written through the link and no temporary file
    // stays; until the names are taken the generation fails naming the link.
    using platform::testing::FileStep;
    struct Moment {
        FileStep step;
        bool written;
    };
    const Moment moments[] = {
        {FileStep::MakeFolder, false}, {FileStep::WriteFile, false}, {FileStep::TakeName, true}};
    int boards = 0;
    for (const auto& [def, folder] : BoardsExportingIntoAFolder()) {
        ++boards;
        for (const Moment& m : moments) {
            const std::string what = std::to_string(BoardNumber(def->id)) + " at step " +
                                     std::to_string(static_cast<int>(m.step));
            TempDir project;
            TempDir elsewhere;
            ASSERT_TRUE(platform::WriteWholeFile(elsewhere.File("theirs.v"), "theirs").opened);
            const std::string place = project.File(folder);
            bool swapped = false;
            platform::testing::SetFileStepHook([&](FileStep step, const std::string& path) {
                if (swapped || step != m.step || path.rfind(place + "/", 0) != 0) {
                    return;
                }
                swapped = true;
                if (std::filesystem::is_directory(std::filesystem::symlink_status(place))) {
                    std::filesystem::rename(place, project.File("moved"));
                }
                std::filesystem::create_directory_symlink(elsewhere.Path(), place);
            });
            sample::TestConfigBoard config;
            config.exportFolder = folder;
            config.exports = {{"si5340_test.v", "SI5340_TEST_VERILOG"}};
            TMainBoard board;
            board.m_BoardId = def->id;
            board.m_pConfigBoard = &config;
            ui.Clear();
            const bool generated = writer.Generate(&board, project.File("abc.qpf"), false);
            platform::testing::SetFileStepHook({});
            EXPECT_TRUE(swapped) << what;
            EXPECT_EQ(generated, m.written) << what;
            std::vector<std::string> outside;
            for (const auto& e : std::filesystem::directory_iterator(elsewhere.Path())) {
                outside.push_back(e.path().filename().string());
            }
            EXPECT_EQ(outside, std::vector<std::string>{"theirs.v"}) << what;
            for (const auto& e : std::filesystem::recursive_directory_iterator(project.Path())) {
                EXPECT_NE(e.path().filename().string().rfind(".~pinsmith", 0), 0u)
                    << what << ": " << e.path();
            }
            if (m.written) {
                EXPECT_TRUE(platform::FileExists(project.File("moved/si5340_test.v"))) << what;
                EXPECT_TRUE(platform::FileExists(project.File("abc.qsf"))) << what;
            } else {
                EXPECT_EQ(Texts(),
                          (std::vector<std::string>{"Cannot create the folder " + place +
                                                        "/: a link of that name is in the way.",
                                                    "Failed to export verilog IP"}))
                    << what;
                EXPECT_FALSE(platform::FileExists(project.File("abc.qpf"))) << what;
            }
        }
    }
    EXPECT_EQ(boards, 5); // 27, 28, 31, 33, 36
}
