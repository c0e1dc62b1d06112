#include "platform/Assert.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <string>

TEST(Files, NameHelpers) {
    EXPECT_EQ(platform::ExtractFilePath("/a/b/c.qpf"), "/a/b/");
    EXPECT_EQ(platform::ExtractFileName("/a/b/c.qpf"), "c.qpf");
    EXPECT_EQ(platform::ExtractFileExt("/a/b/c.d.qpf"), ".qpf");
    EXPECT_EQ(platform::ExtractFileExt("/a.b/c"), "");
    EXPECT_EQ(platform::ChangeFileExt("/a/b/c.qpf", ".qsf"), "/a/b/c.qsf");
    EXPECT_EQ(platform::ChangeFileExt("/a/b/c", ".qsf"), "/a/b/c.qsf");
    EXPECT_EQ(platform::ExtractFilePath("c.qpf"), "");
    EXPECT_EQ(platform::IncludeTrailingSeparator("/x"), "/x/");
}

TEST(Files, WriteReadDeleteAndFolders) {
    TempDir dir;
    const std::string file = dir.File("one.txt");
    const std::string text = "line\r\nline\r\n";
    EXPECT_TRUE(platform::WriteWholeFile(file, text).Complete(text.size()));
    EXPECT_TRUE(platform::FileExists(file));
    EXPECT_EQ(platform::FileSize(file), static_cast<std::int64_t>(text.size()));
    std::string back;
    EXPECT_TRUE(platform::ReadWholeFile(file, back));
    EXPECT_EQ(back, text);
    EXPECT_TRUE(platform::DeleteFile(file));
    EXPECT_FALSE(platform::FileExists(file));
    EXPECT_FALSE(platform::DeleteFile(file));

    // One level only with CreateDir; the whole chain with ForceDirectories.
    EXPECT_FALSE(platform::CreateDir(dir.File("x/y")));
    EXPECT_TRUE(platform::ForceDirectories(dir.File("x/y/z")));
    EXPECT_TRUE(platform::DirectoryExists(dir.File("x/y/z")));
    EXPECT_TRUE(platform::CreateDir(dir.File("x/y/z/")));

    // A file that cannot be created is reported as not opened.
    const auto failed = platform::WriteWholeFile(dir.File("missing/f.txt"), text);
    EXPECT_FALSE(failed.opened);
    EXPECT_FALSE(failed.Complete(text.size()));
}

TEST(Files, ShortWriteIsReported) {
    TempDir dir;
    platform::testing::SetWriteFault(platform::testing::WriteFault{1, 1, ENOSPC});
    const auto r = platform::WriteWholeFile(dir.File("f"), "abc");
    platform::testing::SetWriteFault(std::nullopt);
    EXPECT_TRUE(r.opened);
    EXPECT_FALSE(r.Complete(3));
    EXPECT_FALSE(platform::FileExists(dir.File("f")));
}

TEST(Files, ProgramFolderOverride) {
    const std::string real = platform::ProgramFolder();
    EXPECT_TRUE(platform::IsPathSeparator(real.back()));
    platform::SetProgramFolder("/tmp/somewhere");
    EXPECT_EQ(platform::ProgramFolder(), "/tmp/somewhere/");
    platform::SetProgramFolder("");
    EXPECT_EQ(platform::ProgramFolder(), real);
}

TEST(Resources, LookupIgnoresCase) {
    TestResources resources;
    const auto found = platform::FindResource("test_module_verilog");
    ASSERT_TRUE(found.has_value());
    const std::string text(reinterpret_cast<const char*>(found->data()), found->size());
    EXPECT_EQ(text.substr(0, 18), "module test_module");
    EXPECT_EQ(text.back(), '\n');
    EXPECT_FALSE(platform::FindResource("no_such_resource").has_value());
}

TEST(Clock, FixedClock) {
    platform::LocalDateTime t;
    t.year = 2026;
    t.month = 12;
    t.day = 10;
    platform::SetFixedClock(t);
    EXPECT_EQ(platform::Now().year, 2026);
    platform::SetFixedClock(std::nullopt);
    EXPECT_GE(platform::Now().year, 2024);
}

TEST(ScriptedUi, RecordsBoxesAndAnswers) {
    platform::ScriptedUi ui;
    ui.QueueAnswer(platform::MsgResult::No);
    EXPECT_EQ(
        platform::MessageBox(platform::MsgKind::Warning, platform::MsgButtons::YesNo, "Sure?"),
        platform::MsgResult::No);
    platform::ErrorBox("Bad");
    platform::Beep();
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Warning);
    EXPECT_EQ(ui.Boxes()[1].text, "Bad");
    EXPECT_EQ(ui.BeepCount(), 1);
}

TEST(InternalErrorDeathTest, NamesConditionFileAndLine) {
    EXPECT_DEATH(PINSMITH_ASSERT(1 + 1 == 3),
                 "Assertion failed: 1 \\+ 1 == 3, file tests/platform/PlatformTest\\.cpp, line [0-9]+");
}
