// Settings files and the project folder as the user meets their failures:
// every refusal names the file and the reason, the silent start-up read
// stays silent, and nothing ever blocks on a pipe.

#include "boards/cyclone5/IlmarchId.h"
#include "platform/Files.h"
#include "platform/ScriptedDialogs.h"
#include "platform/ScriptedUi.h"
#include "settings/ConfigBase.h"
#include "settings/ConfigBoard.h"
#include "settings/ConfigCommon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

struct SMALL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3];
    std::int32_t Size;
    char ProjectName[128];
    std::uint8_t Body[8];

    static constexpr std::int32_t kSize = 144;
    static const BoardDef& Definition();
};
static_assert(sizeof(SMALL_CONFIG) == 144);

// Board 37's id with a record of 144 bytes.
const BoardDef kSmallBoard{.id = MAINBOARD_ILMARCH, .record = {.size = sizeof(SMALL_CONFIG)}};
const BoardDef& SMALL_CONFIG::Definition() {
    return kSmallBoard;
}

std::string Record(std::uint8_t boardId, std::uint32_t size) {
    std::string bytes(144, '\0');
    bytes[0] = static_cast<char>(boardId);
    for (int i = 0; i < 4; ++i) {
        bytes[4 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// A settings class of a newer board, on the same record.
class SmallBoardClass : public TConfigBoard {
public:
    std::string GetQsfAssignments() override { return {}; }
    std::string GetVerilogCode() override { return {}; }
    std::string GetVhdlArchitecture(const std::string&) override { return {}; }
    bool ExportIpFiles(const std::string&) override { return true; }
    std::uint8_t Config[144] = {};

protected:
    HeldRecord Held() override { return {&kSmallBoard, Config}; }
};

class SettingsFiles : public testing::Test {
protected:
    SettingsFiles() { platform::SetProgramFolder(dir.Path()); }
    ~SettingsFiles() override {
        platform::SetProgramFolder("");
        platform::testing::UnlockAllFolders();
    }
    void Write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(platform::WriteWholeFile(dir.File(name), bytes).Complete(bytes.size()));
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.Boxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    TempDir dir;
    platform::ScriptedUi ui;
    platform::ScriptedDialogs dialogs;
    platform::FileDialog open{platform::FileDialogKind::Open};
};

} // namespace

TEST_F(SettingsFiles, ARefusedLoadSaysWhy) {
    Write("other.cfg", Record(21, 144));
    Write("size.cfg", Record(37, 999));
    Write("short.cfg", "abc");
    ASSERT_EQ(::mkfifo(dir.File("pipe.cfg").c_str(), 0666), 0);
    struct Case {
        const char* file;
        std::string box;
    };
    const std::vector<Case> cases = {
        // Id 21 in a record of this size is no board's settings file: no
        // board is named.
        {"other.cfg", dir.File("other.cfg") +
                          " is not a settings file of this board (its board id is not this "
                          "board's)."},
        {"size.cfg", dir.File("size.cfg") + " is not a settings file of this board (its size "
                                            "field reads 999, not 144)."},
        {"short.cfg", dir.File("short.cfg") +
                          " is not a settings file of this board (it is 3 bytes long, "
                          "not 144)."},
        {"pipe.cfg", "Cannot read settings file " + dir.File("pipe.cfg") + ": Not a regular file"},
        {"gone.cfg",
         "Cannot read settings file " + dir.File("gone.cfg") + ": No such file or directory"},
    };
    for (const Case& c : cases) {
        TConfigBase<SMALL_CONFIG> holder;
        SmallBoardClass board;
        holder.Config.BoardId = 5;
        board.Config[0] = 5;
        for (int round = 0; round < 2; ++round) {
            ui.Clear();
            dialogs.QueuePath(dir.File(c.file));
            EXPECT_FALSE(round == 0 ? holder.LoadWithDialog(open) : board.LoadWithDialog(open));
            EXPECT_EQ(Texts(), std::vector<std::string>{c.box}) << c.file;
        }
        EXPECT_EQ(holder.Config.BoardId, 5);
        EXPECT_EQ(board.Config[0], 5);
    }
}

TEST_F(SettingsFiles, StartUpReadStaysSilentAndExitNamesTheFile) {
    // A pipe as default.cfg: skipped at start without waiting for a writer;
    // writing it at exit is refused with the file and the reason.
    ASSERT_EQ(::mkfifo(dir.File("default.cfg").c_str(), 0666), 0);
    TConfigBase<SMALL_CONFIG> holder;
    SmallBoardClass board;
    EXPECT_FALSE(holder.LoadDefault());
    EXPECT_FALSE(board.LoadDefault());
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_FALSE(holder.SaveDefault());
    const std::vector<std::string> refused = {"Cannot write settings file " +
                                                  dir.File("default.cfg") + ": Not a regular file",
                                              "Failed to create file."};
    EXPECT_EQ(Texts(), refused);
    ui.Clear();
    EXPECT_FALSE(board.SaveDefault());
    EXPECT_EQ(Texts(), refused);

    // A foreign default.cfg is skipped silently as well.
    std::filesystem::remove(dir.File("default.cfg"));
    Write("default.cfg", Record(21, 144));
    ui.Clear();
    EXPECT_FALSE(holder.LoadDefault());
    EXPECT_FALSE(board.LoadDefault());
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(SettingsFiles, AWritableSettingsFileInALockedFolderIsWrittenInPlace) {
    // The folder refuses new files (a read-only program folder; the seam
    // stands in for it where the test runs as root).
    TConfigBase<SMALL_CONFIG> holder;
    holder.Config.BoardId = 37;
    holder.Config.Size = 144;
    Write("default.cfg", std::string(144, 'x'));
    platform::testing::SetFolderLocked(dir.Path(), true);
    ASSERT_TRUE(holder.SaveDefault());
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("default.cfg"), bytes));
    EXPECT_EQ(bytes, Record(37, 144));
    // A file that is not there cannot be made.
    EXPECT_FALSE(holder.SaveToFile(&holder.Config, dir.File("new.cfg")));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Cannot write settings file " +
                                                     dir.File("new.cfg") + ": Permission denied",
                                                 "Failed to create file."}));
}

TEST_F(SettingsFiles, AProjectFolderThatCannotBeMadeStopsBeforeTheDialog) {
    platform::FileDialog save(platform::FileDialogKind::Save);
    const std::string folder = dir.Path() + "CodeGenerated/ILMARCH/blinky/";
    // A file where the folder chain must go.
    Write("CodeGenerated", "hand-written");
    dialogs.QueuePath(dir.File("ILMARCH.qpf"));
    EXPECT_EQ(config::AskProjectFile(save, "ILMARCH", "blinky"), "");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot create the project folder " + folder +
                                                ": Not a directory"});

    // A program folder that refuses new folders.
    std::filesystem::remove(dir.File("CodeGenerated"));
    platform::testing::SetFolderLocked(dir.Path(), true);
    ui.Clear();
    EXPECT_EQ(config::AskProjectFile(save, "ILMARCH", "blinky"), "");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot create the project folder " + folder +
                                                ": Permission denied"});
    EXPECT_FALSE(platform::DirectoryExists(dir.File("CodeGenerated")));
}

TEST(NameRules, KeywordsAndPlainNames) {
    struct Case {
        const char* name;
        const char* message; // empty: accepted
    };
    const char* plain = "Project Name must begin with a letter (A-Z or a-z) and hold only "
                        "letters, digits and underscores.";
    const char* keyword = "Project Name must not be a Verilog or VHDL keyword.";
    for (const Case& c : std::vector<Case>{
             {"module", keyword},
             {"MODULE", keyword},
             {"Entity", keyword},
             {"signal", keyword},
             {"wire", keyword},
             {"input", keyword},
             {"endmodule", keyword},
             {"downto", keyword},
             {"pulsestyle_onevent", keyword},
             {"\xE4pfel", plain},
             {"modules", ""},
             {"entity_1", ""},
             {"ILMARCH", ""},
             {"Logic", ""},
             {"", "Project Name cannot be empty."},
         }) {
        std::string message;
        EXPECT_EQ(config::CheckProjectName(c.name, message), *c.message == '\0') << c.name;
        EXPECT_EQ(message, c.message) << c.name;
    }
}

TEST(NameRules, KeywordsPerLanguage) {
    struct Case {
        const char* word;
        bool verilog;
        bool vhdl;
    };
    for (const Case& c : std::vector<Case>{
             {"wire", true, false},
             {"reg", true, false},
             {"endmodule", true, false},
             {"posedge", true, false},
             {"signal", false, true},
             {"entity", false, true},
             {"downto", false, true},
             {"others", false, true},
             {"in", false, true},
             {"BUS", false, true},
             {"begin", true, true},
             {"Inout", true, true},
             {"xnor", true, true},
             {"logic", false, false},
             {"wires", false, false},
             {"std_logic", false, false},
         }) {
        EXPECT_EQ(config::IsVerilogKeyword(c.word), c.verilog) << c.word;
        EXPECT_EQ(config::IsVhdlKeyword(c.word), c.vhdl) << c.word;
        EXPECT_EQ(config::IsHdlKeyword(c.word), c.verilog || c.vhdl) << c.word;
    }
}

TEST(NameRules, VhdlIdentifiers) {
    for (const char* good : {"A", "AB", "A_B", "A_B_C", "a1_2", "GPIO_0"}) {
        EXPECT_TRUE(config::IsVhdlIdentifier(good)) << good;
    }
    for (const char* bad : {"", "A__B", "AB_", "A_", "_A", "A___B", "9A", "A-B", "A__"}) {
        EXPECT_FALSE(config::IsVhdlIdentifier(bad)) << bad;
    }
}

TEST(NameRules, KeywordPrefixesAreRefused) {
    const std::string plain = "Prefix Name of GPIO-0 must begin with a letter (A-Z or a-z) and "
                              "hold only letters, digits and underscores.";
    const std::string keyword = "Prefix Name of GPIO-0 must not be a Verilog or VHDL keyword.";
    struct Case {
        const char* prefix;
        std::string message; // empty: accepted
    };
    for (const Case& c : std::vector<Case>{{"wire", keyword},
                                           {"MODULE", keyword},
                                           {"signal", keyword},
                                           {"In", keyword},
                                           {"wire_", ""},
                                           {"CAM_", ""},
                                           {"", ""},
                                           {"_x", plain}}) {
        std::string message;
        EXPECT_EQ(config::CheckPrefixName("GPIO-0", c.prefix, message), c.message.empty())
            << c.prefix;
        EXPECT_EQ(message, c.message) << c.prefix;
    }
}
