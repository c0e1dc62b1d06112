// The one way the program replaces a file: through a temporary file beside
// it, never through a link, never into anything but a regular file.

#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& file) {
    std::string text;
    EXPECT_TRUE(platform::ReadWholeFile(file, text)) << file;
    return text;
}

mode_t Mode(const std::string& file) {
    struct stat st {};
    EXPECT_EQ(::lstat(file.c_str(), &st), 0) << file;
    return st.st_mode & 07777;
}

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ReplaceFile : public testing::Test {
protected:
    ~ReplaceFile() override {
        platform::testing::SetWriteFault(std::nullopt);
        platform::testing::SetRenameFault(std::nullopt);
        platform::testing::UnlockAllFolders();
    }
    bool Replace(const std::string& name, const std::string& bytes,
                 platform::ReplaceMode mode = platform::ReplaceMode::Whole) {
        failure = platform::FileFailure();
        return platform::ReplaceFile(dir.File(name), bytes, mode, &failure);
    }

    TempDir dir;
    platform::FileFailure failure;
};

} // namespace

TEST_F(ReplaceFile, NewBytesTakeTheNameAndKeepThePermissionBits) {
    ASSERT_TRUE(Replace("f", "old"));
    ::chmod(dir.File("f").c_str(), 0640);
    ASSERT_TRUE(Replace("f", "new bytes"));
    EXPECT_EQ(Read(dir.File("f")), "new bytes");
    EXPECT_EQ(Mode(dir.File("f")), 0640u);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"f"}); // no temporary left
}

TEST_F(ReplaceFile, ALinkIsReplacedNotFollowed) {
    TempDir outside;
    ASSERT_TRUE(platform::WriteWholeFile(outside.File("victim"), "keep").opened);
    std::filesystem::create_symlink(outside.File("victim"), dir.File("f"));
    for (const auto mode :
         {platform::ReplaceMode::Whole, platform::ReplaceMode::InPlaceWhenFolderLocked}) {
        ASSERT_TRUE(Replace("f", "mine", mode));
        EXPECT_FALSE(std::filesystem::is_symlink(dir.File("f")));
        EXPECT_EQ(Read(dir.File("f")), "mine");
        EXPECT_EQ(Read(outside.File("victim")), "keep");
        std::filesystem::remove(dir.File("f"));
        std::filesystem::create_symlink(outside.File("victim"), dir.File("f"));
    }
    // In a locked folder the link cannot be replaced, and it is not written
    // through either.
    platform::testing::SetFolderLocked(dir.Path(), true);
    EXPECT_FALSE(Replace("f", "mine", platform::ReplaceMode::InPlaceWhenFolderLocked));
    EXPECT_EQ(failure.reason, "Permission denied");
    EXPECT_EQ(Read(outside.File("victim")), "keep");
}

TEST_F(ReplaceFile, NothingButARegularFileIsWrittenOrRead) {
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0666), 0);
    std::filesystem::create_directory(dir.File("folder"));
    for (const char* name : {"pipe", "folder"}) {
        for (const auto mode :
             {platform::ReplaceMode::Whole, platform::ReplaceMode::InPlaceWhenFolderLocked}) {
            EXPECT_FALSE(Replace(name, "x", mode)) << name;
            EXPECT_EQ(failure.path, dir.File(name));
            EXPECT_EQ(failure.reason, "Not a regular file");
        }
        std::string bytes;
        platform::FileFailure why;
        EXPECT_FALSE(platform::ReadWholeFile(dir.File(name), bytes, &why)) << name;
        EXPECT_EQ(why.reason, "Not a regular file");
    }
    EXPECT_FALSE(platform::WriteWholeFile("/dev/null", "x").opened);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
}

TEST_F(ReplaceFile, AReadOnlyTargetIsRefusedWhoeverRuns) {
    // Root may write anything, yet a file without any write bit stays
    // refused; for any other user so does a file it may not write.
    ASSERT_TRUE(Replace("f", "old"));
    ::chmod(dir.File("f").c_str(), 0444);
    for (const auto mode :
         {platform::ReplaceMode::Whole, platform::ReplaceMode::InPlaceWhenFolderLocked}) {
        EXPECT_FALSE(Replace("f", "new", mode));
        EXPECT_EQ(failure.reason, "Permission denied");
        EXPECT_FALSE(failure.whileWriting);
    }
    EXPECT_EQ(Read(dir.File("f")), "old");
}

TEST_F(ReplaceFile, ALockedFolderTakesASettingsFileInPlaceOnly) {
    ASSERT_TRUE(Replace("f", "old contents"));
    ::chmod(dir.File("f").c_str(), 0600);
    platform::testing::SetFolderLocked(dir.Path(), true);
    EXPECT_FALSE(platform::CheckFolderWritable(dir.Path()));

    EXPECT_FALSE(Replace("f", "new"));
    EXPECT_EQ(failure.reason, "Permission denied");
    EXPECT_EQ(Read(dir.File("f")), "old contents");
    EXPECT_FALSE(Replace("g", "new", platform::ReplaceMode::InPlaceWhenFolderLocked));

    ASSERT_TRUE(Replace("f", "new", platform::ReplaceMode::InPlaceWhenFolderLocked));
    EXPECT_EQ(Read(dir.File("f")), "new");
    EXPECT_EQ(Mode(dir.File("f")), 0600u);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"f"});
}

TEST_F(ReplaceFile, AFullDiskLeavesTheEarlierFile) {
    ASSERT_TRUE(Replace("f", "earlier"));
    platform::testing::SetWriteFault(platform::testing::WriteFault{1, 3, ENOSPC});
    EXPECT_FALSE(Replace("f", "much longer text"));
    EXPECT_TRUE(failure.whileWriting);
    EXPECT_EQ(failure.reason, "No space left on device");
    EXPECT_EQ(Read(dir.File("f")), "earlier");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"f"});
    // Only that write failed.
    EXPECT_TRUE(Replace("f", "later"));
}

TEST(FileReplacement, AllOrNone) {
    TempDir dir;
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("a"), "old a").opened);
    {
        platform::FileReplacement set;
        ASSERT_TRUE(set.Stage(dir.File("a"), "new a"));
        ASSERT_TRUE(set.CreateFolder(dir.File("sub/")));
        ASSERT_TRUE(set.Stage(dir.File("sub/b"), "new b"));
        EXPECT_EQ(Read(dir.File("a")), "old a");
        // Not committed: the destructor takes everything away again.
    }
    EXPECT_EQ(Names(dir), std::vector<std::string>{"a"});
    EXPECT_EQ(Read(dir.File("a")), "old a");

    platform::FileReplacement set;
    ASSERT_TRUE(set.Stage(dir.File("a"), "new a"));
    ASSERT_TRUE(set.Stage(dir.File("b"), "new b"));
    ASSERT_TRUE(set.Commit());
    EXPECT_EQ(Read(dir.File("a")), "new a");
    EXPECT_EQ(Read(dir.File("b")), "new b");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"a", "b"}));
}

TEST(FileReplacement, ARenameThatFailsStopsTheRest) {
    TempDir dir;
    for (const char* name : {"a", "b", "c"}) {
        ASSERT_TRUE(platform::WriteWholeFile(dir.File(name), std::string("old ") + name).opened);
    }
    platform::FileReplacement set;
    for (const char* name : {"a", "b", "c"}) {
        ASSERT_TRUE(set.Stage(dir.File(name), std::string("new ") + name));
    }
    platform::testing::SetRenameFault(2);
    EXPECT_FALSE(set.Commit());
    platform::testing::SetRenameFault(std::nullopt);
    EXPECT_EQ(set.Failure().path, dir.File("b"));
    EXPECT_EQ(Read(dir.File("a")), "new a");
    EXPECT_EQ(Read(dir.File("b")), "old b");
    EXPECT_EQ(Read(dir.File("c")), "old c");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Folders, TheFolderThatCannotBeMadeIsNamed) {
    TempDir dir;
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("CodeGenerated"), "x").opened);
    platform::FileFailure failure;
    EXPECT_FALSE(platform::ForceDirectories(dir.File("CodeGenerated/B/p/"), &failure));
    EXPECT_EQ(failure.path, dir.File("CodeGenerated/"));
    EXPECT_EQ(failure.reason, "Not a directory");

    platform::testing::SetFolderLocked(dir.Path(), true);
    EXPECT_FALSE(platform::ForceDirectories(dir.File("Other/p"), &failure));
    EXPECT_EQ(failure.path, dir.File("Other/"));
    EXPECT_EQ(failure.reason, "Permission denied");
    platform::testing::UnlockAllFolders();
    EXPECT_TRUE(platform::ForceDirectories(dir.File("Other//p/"), &failure));
    EXPECT_TRUE(platform::DirectoryExists(dir.File("Other/p")));
}

TEST(Files, AReplacedExecutableKeepsItsName) {
    EXPECT_EQ(platform::ExecutablePathFromLink("/opt/p/pinsmith (deleted)"), "/opt/p/pinsmith");
    EXPECT_EQ(platform::ExecutablePathFromLink("/opt/p/pinsmith"), "/opt/p/pinsmith");
}

TEST(FileReplacement, NoFolderBelowTheRootIsFollowed) {
    // What stands in the place of a folder below the project folder: a link
    // (to a folder or to nothing) or a file is refused and names itself;
    // the place it points to is never written.
    struct Case {
        const char* what;
        void (*make)(const std::string& place, const std::string& elsewhere);
        const char* reason;
    };
    const Case cases[] = {
        {"a link to a folder",
         [](const std::string& place, const std::string& elsewhere) {
             std::filesystem::create_directory_symlink(elsewhere, place);
         },
         "a link of that name is in the way"},
        {"a dangling link",
         [](const std::string& place, const std::string& elsewhere) {
             std::filesystem::create_directory_symlink(elsewhere + "gone", place);
         },
         "a link of that name is in the way"},
        {"a file",
         [](const std::string& place, const std::string&) {
             ASSERT_TRUE(platform::WriteWholeFile(place, "mine").opened);
         },
         "a file of that name is in the way"},
    };
    for (const Case& c : cases) {
        for (const bool deeper : {false, true}) {
            TempDir project;
            TempDir elsewhere;
            ASSERT_TRUE(platform::WriteWholeFile(elsewhere.File("m.v"), "theirs").opened);
            c.make(project.File("sub"), elsewhere.Path());
            const std::string folder = project.File(deeper ? "sub/deep/" : "sub/");
            platform::FileReplacement set;
            set.SetRoot(project.Path());
            EXPECT_FALSE(set.CreateFolder(folder) && set.Stage(folder + "m.v", "ours")) << c.what;
            EXPECT_EQ(set.Failure().path, project.File("sub/")) << c.what;
            EXPECT_EQ(set.Failure().reason, c.reason) << c.what;
            EXPECT_TRUE(set.Failure().makingFolder) << c.what;
            set.Discard();
            EXPECT_EQ(Names(elsewhere), std::vector<std::string>{"m.v"}) << c.what;
            EXPECT_EQ(Read(elsewhere.File("m.v")), "theirs") << c.what;
        }
    }

    // Staging alone, without CreateFolder, is held to the same rule.
    TempDir project;
    TempDir elsewhere;
    std::filesystem::create_directory_symlink(elsewhere.Path(), project.File("sub"));
    platform::FileReplacement set;
    set.SetRoot(project.Path());
    EXPECT_FALSE(set.Stage(project.File("sub/m.v"), "ours"));
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.Path()));
}

namespace {

// Every temporary file of the file layer below a folder, links not followed.
std::vector<std::string> Temporaries(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        if (e.path().filename().string().rfind(".~pinsmith", 0) == 0) {
            found.push_back(e.path().string());
        }
    }
    return found;
}

} // namespace

TEST(FileReplacement, AFolderSwappedForALinkWhileTheSetWorksIsNeverFollowed) {
    // At each moment of the set's work a folder below the project folder is
    // moved aside (within the project) and a link to a folder outside takes
    // its place. Nothing appears outside and no temporary file stays
    // anywhere: before any name is taken the set fails naming the link;
    // once the names are being taken the files go into the folder it opened.
    using platform::testing::FileStep;
    struct Case {
        FileStep step;
        const char* files;   // the folder the module files go to
        const char* swapped; // the folder swapped for the link
        bool written;
    };
    const Case cases[] = {
        {FileStep::MakeFolder, "sub/", "sub", false},
        {FileStep::WriteFile, "sub/", "sub", false},
        {FileStep::TakeName, "sub/", "sub", true},
        {FileStep::MakeFolder, "sub/deep/", "sub", false},
        {FileStep::MakeFolder, "sub/deep/", "sub/deep", false},
        {FileStep::WriteFile, "sub/deep/", "sub", false},
        {FileStep::WriteFile, "sub/deep/", "sub/deep", false},
        {FileStep::TakeName, "sub/deep/", "sub", true},
        {FileStep::TakeName, "sub/deep/", "sub/deep", true},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.files) + " swapping " + c.swapped + " at step " +
                                 std::to_string(static_cast<int>(c.step));
        TempDir project;
        TempDir elsewhere;
        ASSERT_TRUE(platform::WriteWholeFile(elsewhere.File("theirs.v"), "theirs").opened);
        const std::string place = project.File(c.swapped);
        bool swapped = false;
        platform::testing::SetFileStepHook([&](FileStep step, const std::string& path) {
            if (swapped || step != c.step || path.rfind(place + "/", 0) != 0) {
                return;
            }
            swapped = true;
            if (std::filesystem::is_directory(std::filesystem::symlink_status(place))) {
                std::filesystem::rename(place, project.File("moved"));
            }
            std::filesystem::create_directory_symlink(elsewhere.Path(), place);
        });
        bool ok;
        std::string failurePath;
        std::string failureReason;
        {
            platform::FileReplacement set;
            set.SetRoot(project.Path());
            ok = set.Stage(project.File("top.v"), "top") && set.CreateFolder(project.File("sub/"));
            if (ok && std::string(c.files) == "sub/deep/") {
                ok = set.CreateFolder(project.File("sub/deep/"));
            }
            ok = ok && set.Stage(project.File(c.files) + "m.v", "m") &&
                 set.Stage(project.File(c.files) + "n.v", "n") && set.Commit();
            failurePath = set.Failure().path;
            failureReason = set.Failure().reason;
        }
        platform::testing::SetFileStepHook({});
        EXPECT_TRUE(swapped) << what;
        EXPECT_EQ(ok, c.written) << what;
        EXPECT_EQ(Names(elsewhere), std::vector<std::string>{"theirs.v"}) << what;
        EXPECT_EQ(Read(elsewhere.File("theirs.v")), "theirs") << what;
        EXPECT_EQ(Temporaries(project.Path()), std::vector<std::string>()) << what;
        if (c.written) {
            // The real folder, moved aside, holds the files.
            const std::string moved =
                project.File("moved") + std::string(c.files).substr(std::strlen(c.swapped));
            EXPECT_EQ(Read(moved + "m.v"), "m") << what;
            EXPECT_EQ(Read(moved + "n.v"), "n") << what;
            EXPECT_EQ(Read(project.File("top.v")), "top") << what;
        } else {
            EXPECT_EQ(failurePath, place + "/") << what;
            EXPECT_EQ(failureReason, "a link of that name is in the way") << what;
            EXPECT_FALSE(std::filesystem::exists(project.File("top.v"))) << what;
        }
    }
}

TEST(FileReplacement, TheRootItselfMayBeALink) {
    TempDir real;
    TempDir links;
    const std::string root = links.File("project");
    std::filesystem::create_directory_symlink(real.Path(), root);
    platform::FileReplacement set;
    set.SetRoot(root + "/");
    ASSERT_TRUE(set.CreateFolder(root + "/"));
    ASSERT_TRUE(set.Stage(root + "/top.v", "top"));
    ASSERT_TRUE(set.CreateFolder(root + "/sub/"));
    ASSERT_TRUE(set.Stage(root + "/sub/m.v", "m"));
    ASSERT_TRUE(set.Commit());
    EXPECT_EQ(Read(real.File("top.v")), "top");
    EXPECT_EQ(Read(real.File("sub/m.v")), "m");
}

TEST(ReadSmallFile, ReadsUpToItsLimitAndNoFurther) {
    TempDir dir;
    const std::size_t limit = 16;
    for (const std::size_t size : {std::size_t{0}, limit - 1, limit, limit + 1, 10 * limit}) {
        const std::string bytes(size, '\n');
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("f"), bytes).opened);
        std::string read = "x";
        platform::FileFailure failure;
        const bool ok = platform::ReadSmallFile(dir.File("f"), limit, read, &failure);
        EXPECT_EQ(ok, size <= limit) << size;
        EXPECT_EQ(read, ok ? bytes : std::string()) << size;
        if (!ok) {
            EXPECT_EQ(failure.reason, "File too large") << size;
        }
    }
    // The test seam of a file this user may not read.
    platform::testing::SetFileUnreadable(dir.File("f"), true);
    std::string read;
    EXPECT_FALSE(platform::ReadWholeFile(dir.File("f"), read));
    platform::testing::UnlockAllFolders();
    EXPECT_TRUE(platform::ReadWholeFile(dir.File("f"), read));
}
