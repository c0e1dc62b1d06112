// Every writer replaces its file the one safe way, and a generation is all
// or nothing: an earlier project survives any failure byte for byte.

#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "settings/ConfigBase.h"
#include "support/TempDir.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every file below the folder (relative name -> bytes).
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(e.path(), folder).generic_string();
        std::string bytes = "<folder>";
        if (!e.is_directory()) {
            EXPECT_TRUE(platform::ReadWholeFile(e.path().string(), bytes)) << name;
        }
        files[name] = bytes;
    }
    return files;
}

std::string Read(const std::string& file) {
    std::string text;
    EXPECT_TRUE(platform::ReadWholeFile(file, text)) << file;
    return text;
}

struct SMALL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3];
    std::int32_t Size;
    char ProjectName[128];
    static constexpr std::int32_t kSize = 136;
    static const BoardDef& Definition();
};

// Board 37's id with a record of the header alone.
const BoardDef kSmallBoard{.id = MAINBOARD_ILMARCH, .record = {.size = sizeof(SMALL_CONFIG)}};
const BoardDef& SMALL_CONFIG::Definition() {
    return kSmallBoard;
}

class Replacement : public testing::Test {
protected:
    Replacement() {
        platform::SetFixedClock(sample::FixedTime());
        platform::SetProgramFolder(dir.Path());
    }
    ~Replacement() override {
        platform::SetFixedClock(std::nullopt);
        platform::SetProgramFolder("");
        platform::testing::SetWriteFault(std::nullopt);
        platform::testing::SetRenameFault(std::nullopt);
        platform::testing::UnlockAllFolders();
    }
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
};

// One writer of the program, run on its own entry point.
struct Writer {
    std::string name;    // the file it writes, in the test folder
    std::string message; // its own message after the reason
    std::string reason;  // how the reason box begins
    bool settings;       // a settings file: written in place in a locked folder
    std::function<bool(const std::string& folder)> run;
};

std::vector<Writer> Writers() {
    const auto generate = [](bool vhdl) {
        return [vhdl](const std::string& folder) {
            TMainBoard board;
            sample::BuildGaldreX1(board);
            return TPinsmith().Generate(&board, folder + "abc.qpf", vhdl);
        };
    };
    const auto settings = [](const std::string& file) {
        return [file](const std::string& folder) {
            TConfigBase<SMALL_CONFIG> holder;
            holder.Config.BoardId = 37;
            holder.Config.Size = 136;
            platform::SetProgramFolder(folder);
            return file == "default.cfg" ? holder.SaveDefault()
                                         : holder.SaveToFile(&holder.Config, folder + file);
        };
    };
    const std::string file = "Cannot write file ";
    const std::string settingsFile = "Cannot write settings file ";
    std::vector<Writer> writers;
    for (const char* ext : {"qpf", "qsf", "v", "sdc", "htm"}) {
        writers.push_back({std::string("abc.") + ext,
                           std::string("Failed to create file abc.") + ext, file, false,
                           generate(false)});
    }
    writers.push_back({"abc.vhd", "Failed to create file abc.vhd", file, false, generate(true)});
    writers.push_back(
        {"EXT_PLL_CTRL.v", "Failed to export verilog IP", file, false, generate(false)});
    writers.push_back({"EXT_PLL_CTRL.v", "Failed to export verilog IP", file, false,
                       [](const std::string& folder) {
                           TMainBoard board;
                           sample::BuildGaldreX1(board);
                           return TPinsmith().ExportVerilogIp(board, folder);
                       }});
    writers.push_back({"x.cfg", "Failed to create file.", settingsFile, true, settings("x.cfg")});
    writers.push_back(
        {"default.cfg", "Failed to create file.", settingsFile, true, settings("default.cfg")});
    // A board's own settings class writes its record the same way.
    writers.push_back(
        {"falmor.cfg", "Failed to create file.", settingsFile, true, [](const std::string& folder) {
             TConfigFalmor holder;
             holder.Config.BoardId = 34;
             holder.Config.Size = 416;
             return holder.SaveToFile(folder + "falmor.cfg");
         }});
    return writers;
}

} // namespace

TEST_F(Replacement, EveryWriterReplacesItsFileTheSafeWay) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.name + " / " + w.message);
        TempDir folder;
        const std::string target = folder.File(w.name);
        const auto refused = [&](const std::string& reason) {
            EXPECT_EQ(Texts(),
                      (std::vector<std::string>{w.reason + target + ": " + reason, w.message}));
        };

        // A file nobody may write (also when the test runs as root).
        ui.Clear();
        ASSERT_TRUE(platform::WriteWholeFile(target, "earlier").opened);
        ::chmod(target.c_str(), 0444);
        EXPECT_FALSE(w.run(folder.Path()));
        refused("Permission denied");
        EXPECT_EQ(Read(target), "earlier");

        // Its permission bits are kept.
        ::chmod(target.c_str(), 0640);
        ui.Clear();
        EXPECT_TRUE(w.run(folder.Path()));
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_NE(Read(target), "earlier");
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);

        // A link in its place is replaced; the file it points to stays.
        TempDir outside;
        ASSERT_TRUE(platform::WriteWholeFile(outside.File("victim"), "outside").opened);
        fs::remove(target);
        fs::create_symlink(outside.File("victim"), target);
        EXPECT_TRUE(w.run(folder.Path()));
        EXPECT_FALSE(fs::is_symlink(target));
        EXPECT_EQ(Read(outside.File("victim")), "outside");

        // A pipe in its place is refused at once, never opened.
        fs::remove(target);
        ASSERT_EQ(::mkfifo(target.c_str(), 0666), 0);
        ui.Clear();
        EXPECT_FALSE(w.run(folder.Path()));
        refused("Not a regular file");
        EXPECT_TRUE(fs::is_fifo(target));
        fs::remove(target);

        // A folder that refuses new files (the seam stands in for a read-only
        // folder where the test runs as root): a settings file that may be
        // written is written in place; a project is refused before any write.
        ASSERT_TRUE(platform::WriteWholeFile(target, "earlier").opened);
        platform::testing::SetFolderLocked(folder.Path(), true);
        ui.Clear();
        const bool written = w.run(folder.Path());
        platform::testing::UnlockAllFolders();
        EXPECT_EQ(written, w.settings);
        if (w.settings) {
            EXPECT_EQ(Read(target).size(), w.name == "falmor.cfg" ? 416u : 136u);
        } else {
            EXPECT_EQ(Read(target), "earlier");
            EXPECT_FALSE(ui.Boxes().empty());
        }
    }
}

TEST_F(Replacement, AProjectFolderThatCannotBeWrittenIsRefusedFirst) {
    TMainBoard board;
    sample::BuildGroups(board);
    platform::testing::SetFolderLocked(dir.Path(), true);
    EXPECT_FALSE(TPinsmith().Generate(&board, dir.File("abc.qpf"), false));
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot write the project folder " + dir.Path() +
                                                ": Permission denied"});
}

TEST_F(Replacement, AGenerationThatFailsLeavesTheEarlierProject) {
    // Board 8 exports an IP file besides the five texts; board 36 exports
    // one into a subfolder of the project and writes VHDL.
    struct Project {
        const char* what;
        std::function<void(TMainBoard&, sample::TestConfigBoard&)> build;
        bool vhdl;
        int files;
    };
    const std::vector<Project> projects = {
        {"board 8", [](TMainBoard& b, sample::TestConfigBoard&) { sample::BuildGaldreX1(b); },
         false, 6},
        {"board 36", sample::BuildHarvik, true, 6},
    };
    for (const Project& p : projects) {
        SCOPED_TRACE(p.what);
        TempDir folder;
        const std::string path = folder.File("abc.qpf");
        {
            sample::TestConfigBoard config;
            TMainBoard board;
            p.build(board, config);
            ASSERT_TRUE(TPinsmith().Generate(&board, path, p.vhdl));
        }
        // Every file of the earlier project is marked, so any write shows.
        for (auto& [name, bytes] : Snapshot(folder.Path())) {
            if (bytes != "<folder>") {
                ASSERT_TRUE(platform::WriteWholeFile(folder.File(name), "earlier " + name).opened);
            }
        }
        const auto earlier = Snapshot(folder.Path());

        struct Fault {
            int file;
            std::size_t bytes;
        };
        std::vector<Fault> faults;
        for (int k = 1; k <= p.files; ++k) {
            faults.push_back({k, 0});
            faults.push_back({k, 100});
        }
        for (const Fault& fault : faults) {
            sample::TestConfigBoard config;
            TMainBoard board;
            p.build(board, config);
            ui.Clear();
            platform::testing::SetWriteFault(
                platform::testing::WriteFault{fault.file, fault.bytes, ENOSPC});
            EXPECT_FALSE(TPinsmith().Generate(&board, path, p.vhdl)) << fault.file;
            platform::testing::SetWriteFault(std::nullopt);
            EXPECT_EQ(Snapshot(folder.Path()), earlier) << fault.file << "/" << fault.bytes;
            ASSERT_EQ(ui.Boxes().size(), 2u);
            EXPECT_NE(ui.Boxes()[0].text.find(": No space left on device"), std::string::npos);
        }
        // The same board goes through once the disk has room again.
        sample::TestConfigBoard config;
        TMainBoard board;
        p.build(board, config);
        EXPECT_TRUE(TPinsmith().Generate(&board, path, p.vhdl));
        EXPECT_NE(Snapshot(folder.Path()), earlier);
    }
}

TEST_F(Replacement, AFinalRenameThatFailsNamesTheFile) {
    // The files take their names in the writers' order (.qpf, .qsf, .v, IP,
    // .sdc, .htm). When the third rename fails, the two before it are new,
    // it and the later ones keep the earlier run's bytes, and no temporary
    // file is left.
    TempDir folder;
    const std::string path = folder.File("abc.qpf");
    for (const char* name :
         {"abc.qpf", "abc.qsf", "abc.v", "EXT_PLL_CTRL.v", "abc.sdc", "abc.htm"}) {
        ASSERT_TRUE(platform::WriteWholeFile(folder.File(name), "earlier").opened);
    }
    TMainBoard board;
    sample::BuildGaldreX1(board);
    platform::testing::SetRenameFault(3);
    EXPECT_FALSE(TPinsmith().Generate(&board, path, false));
    platform::testing::SetRenameFault(std::nullopt);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Cannot write file " + folder.File("abc.v") +
                                                     ": Input/output error",
                                                 "Failed to create file abc.v"}));
    const auto after = Snapshot(folder.Path());
    EXPECT_EQ(after.size(), 6u);
    EXPECT_NE(after.at("abc.qpf"), "earlier");
    EXPECT_NE(after.at("abc.qsf"), "earlier");
    for (const char* name : {"abc.v", "EXT_PLL_CTRL.v", "abc.sdc", "abc.htm"}) {
        EXPECT_EQ(after.at(name), "earlier") << name;
    }
}

TEST_F(Replacement, AFullSmallFileSystemLeavesTheEarlierProject) {
    // A real file system of 64 KiB: the earlier, small project fits, the new
    // one with long signal names does not.
    const std::string mountPoint = dir.File("small");
    fs::create_directory(mountPoint);
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    }
    if (::mount("pinsmith-test", mountPoint.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=64k,mode=0755") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
    }
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    const std::string path = mountPoint + "/abc.qpf";
    {
        TMainBoard board;
        sample::BuildGroups(board);
        ASSERT_TRUE(TPinsmith().Generate(&board, path, false));
    }
    const auto earlier = Snapshot(mountPoint);

    TMainBoard big;
    sample::BuildGroups(big);
    sample::ModelBuilder b(big);
    TConnector* wide = b.Group("WIDE");
    b.Bus(wide, "A_SIGNAL_WITH_A_RATHER_LONG_NAME_TO_FILL_THE_DISK_QUICKLY", 400, PIN_DIR_INPUT);
    EXPECT_FALSE(TPinsmith().Generate(&big, path, false));
    EXPECT_EQ(Snapshot(mountPoint), earlier);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_NE(ui.Boxes()[0].text.find(": No space left on device"), std::string::npos)
        << ui.Boxes()[0].text;
}
