#include "settings/ConfigBase.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "cards/CardRegistry.h"
#include "platform/Files.h"
#include "platform/ScriptedDialogs.h"
#include "platform/ScriptedUi.h"
#include "settings/ConfigBoard.h"
#include "support/TempDir.h"
#include "support/TestResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A record with the common header and the Ilmarch size (412 bytes).
struct TEST_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3];
    std::int32_t Size;
    char ProjectName[128];
    std::uint8_t Body[276];

    static constexpr ::BoardId kBoardId = MAINBOARD_ILMARCH;
    static constexpr std::int32_t kSize = 412;
};
static_assert(sizeof(TEST_CONFIG) == 412);

std::string Bytes(const TEST_CONFIG& c) {
    return std::string(reinterpret_cast<const char*>(&c), sizeof c);
}

TEST_CONFIG SampleRecord() {
    TEST_CONFIG c;
    for (std::size_t i = 0; i < sizeof c; ++i) {
        reinterpret_cast<std::uint8_t*>(&c)[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    c.BoardId = 37;
    c.Size = 412;
    return c;
}

class ConfigBaseTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetProgramFolder(dir.Path()); }
    void TearDown() override { platform::SetProgramFolder(""); }

    void Write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(platform::WriteWholeFile(dir.File(name), bytes).Complete(bytes.size()));
    }

    TempDir dir;
    platform::ScriptedUi ui;
    platform::ScriptedDialogs dialogs;
    TConfigBase<TEST_CONFIG> holder;
};

TEST_F(ConfigBaseTest, LoadAcceptsOnlyThisBoardsRecordOfTheExactSize) {
    const std::string good = Bytes(SampleRecord());
    std::string foreignId = good;
    foreignId[0] = 21;
    std::string foreignSize = good;
    foreignSize[4] = static_cast<char>(408 & 0xFF);
    foreignSize[5] = static_cast<char>(408 >> 8);
    struct Case {
        const char* what;
        std::string bytes;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"411 bytes", good.substr(0, 411), false},
        {"413 bytes", good + '\0', false},
        {"empty", std::string(), false},
        {"another board id", foreignId, false},
        {"another size field", foreignSize, false},
        {"412 bytes of this board", good, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::memset(&holder.Config, 0xAB, sizeof holder.Config);
        const std::string before = Bytes(holder.Config);
        Write("x.cfg", c.bytes);
        EXPECT_EQ(holder.LoadFromFile(&holder.Config, dir.File("x.cfg")), c.accepted);
        EXPECT_EQ(Bytes(holder.Config), c.accepted ? c.bytes : before);
    }
    EXPECT_FALSE(holder.LoadFromFile(&holder.Config, dir.File("missing.cfg")));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ConfigBaseTest, SaveAndReloadGiveTheSameBytesAlignmentIncluded) {
    const TEST_CONFIG sample = SampleRecord();
    holder.Config = sample;
    ASSERT_TRUE(holder.SaveDefault());
    EXPECT_EQ(platform::FileSize(dir.File("default.cfg")), 412);
    std::memset(&holder.Config, 0, sizeof holder.Config);
    ASSERT_TRUE(holder.LoadDefault());
    EXPECT_EQ(Bytes(holder.Config), Bytes(sample));
    EXPECT_NE(sample.Align1[0], 0); // the alignment bytes travel as they are
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ConfigBaseTest, LoadDefaultWithoutFileFails) {
    EXPECT_FALSE(holder.LoadDefault());
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ConfigBaseTest, SaveFailuresShowTheirBoxes) {
    holder.Config = SampleRecord();
    const std::string missing = dir.File("no/such/folder/x.cfg");
    EXPECT_FALSE(holder.SaveToFile(&holder.Config, missing));
    // A full disk: the file was made, its bytes did not all reach it; the
    // earlier file stays whole.
    Write("x.cfg", "earlier");
    platform::testing::SetWriteFault(platform::testing::WriteFault{1, 100, ENOSPC});
    EXPECT_FALSE(holder.SaveToFile(&holder.Config, dir.File("x.cfg")));
    platform::testing::SetWriteFault(std::nullopt);
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("x.cfg"), text));
    EXPECT_EQ(text, "earlier");

    ASSERT_EQ(ui.Boxes().size(), 4u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(ui.Boxes()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Cannot write settings file " + missing + ": No such file or directory");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to create file.");
    EXPECT_EQ(ui.Boxes()[2].text,
              "Cannot write settings file " + dir.File("x.cfg") + ": No space left on device");
    EXPECT_EQ(ui.Boxes()[3].text, "Failed to write file.");
}

TEST_F(ConfigBaseTest, SettingsDialogsSetUpAndFollowTheChosenFolder) {
    platform::FileDialog save(platform::FileDialogKind::Save);
    platform::FileDialog open(platform::FileDialogKind::Open);
    holder.LastDir = dir.Path();
    holder.Config = SampleRecord();
    std::filesystem::create_directory(dir.File("sub"));
    save.FileName = "left over.qpf";

    dialogs.QueuePath(dir.File("sub/mine.cfg"));
    ASSERT_TRUE(holder.SaveWithDialog(save));
    const platform::FileDialog& shown = dialogs.Shown().back();
    EXPECT_EQ(shown.InitialDir, dir.Path());
    EXPECT_EQ(shown.Filter, "Board Configuration Files (*.cfg)|*.CFG");
    EXPECT_EQ(shown.FilterIndex, 1);
    EXPECT_EQ(shown.DefaultExt, "cfg");
    EXPECT_EQ(shown.FileName, ""); // no proposed name
    EXPECT_EQ(holder.LastDir, dir.File("sub/"));

    // A file of the wrong length loads nothing and says why, but the folder
    // still moves.
    Write("short.cfg", "abc");
    std::memset(&holder.Config, 0, sizeof holder.Config);
    dialogs.QueuePath(dir.File("short.cfg"));
    EXPECT_FALSE(holder.LoadWithDialog(open));
    EXPECT_EQ(dialogs.Shown().back().InitialDir, dir.File("sub/"));
    EXPECT_EQ(holder.LastDir, dir.Path());
    EXPECT_EQ(holder.Config.BoardId, 0);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, dir.File("short.cfg") +
                                      " is not a settings file of this board (it is 3 bytes "
                                      "long, not 412).");
    ui.Clear();

    dialogs.QueuePath(dir.File("sub/mine.cfg"));
    ASSERT_TRUE(holder.LoadWithDialog(open));
    EXPECT_EQ(Bytes(holder.Config), Bytes(SampleRecord()));

    // Cancel: false, folder kept.
    dialogs.QueueCancel();
    EXPECT_FALSE(holder.LoadWithDialog(open));
    EXPECT_EQ(holder.LastDir, dir.File("sub/"));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ConfigBaseTest, AskProjectFileCreatesTheFolderEvenWhenCancelled) {
    platform::FileDialog dialog(platform::FileDialogKind::Save);
    dialogs.QueueCancel();
    EXPECT_EQ(holder.AskProjectFile(dialog, "ILMARCH", "blinky"), "");
    const std::string folder = dir.Path() + "CodeGenerated/ILMARCH/blinky/";
    EXPECT_TRUE(platform::DirectoryExists(folder));
    const platform::FileDialog& shown = dialogs.Shown().back();
    EXPECT_EQ(shown.InitialDir, folder);
    EXPECT_EQ(shown.Filter, "Quartus Project File (*.qpf)|*.QPF");
    EXPECT_EQ(shown.FilterIndex, 1);
    EXPECT_EQ(shown.DefaultExt, "qpf");
    EXPECT_EQ(shown.FileName, "blinky.qpf");

    dialogs.QueuePath(folder + "other.qpf");
    EXPECT_EQ(holder.AskProjectFile(dialog, "ILMARCH", "blinky"), folder + "other.qpf");
}

std::vector<int> HolderList(ConnectorType type, bool xcvr, int voltage) {
    TConfigBase<TEST_CONFIG> h;
    h.BuildCardList(type, xcvr, static_cast<Voltage>(voltage));
    return std::vector<int>(h.CardIds, h.CardIds + h.CardCount);
}

// Board 34's id with a record of 16 bytes.
const BoardDef kSixteenByteBoard{.id = MAINBOARD_FALMOR, .record = {.size = 16}};

class TestBoardClass : public TConfigBoard {
public:
    std::string GetQsfAssignments() override { return {}; }
    std::string GetVerilogCode() override { return {}; }
    std::string GetVhdlArchitecture(const std::string&) override { return {}; }
    bool ExportIpFiles(const std::string&) override { return true; }
    std::uint8_t Config[16] = {34, 0, 0, 0, 16};

protected:
    HeldRecord Held() override { return {&kSixteenByteBoard, Config}; }
};

std::vector<int> ClassList(ConnectorType type, bool xcvr, int voltage) {
    TestBoardClass c;
    c.BuildCardList(type, xcvr, static_cast<Voltage>(voltage));
    return std::vector<int>(c.CardIds, c.CardIds + c.CardCount);
}

// Card 5 (Kirrel Default) has no pin map, so no list offers it.
// The rule's whole list less the cards whose pin map is not built: a list
// never offers those.
std::vector<int> Mapped(std::initializer_list<int> ids) {
    std::vector<int> out;
    for (const int id : ids) {
        if (id == 0 || HasPinMap(MakeCardId(id))) {
            out.push_back(id);
        }
    }
    return out;
}

TEST(CardLists, HolderRule) {
    EXPECT_EQ(HolderList(CONNECTOR_GPIO80, false, 5),
              Mapped({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74}));
    EXPECT_EQ(HolderList(CONNECTOR_GPIO80, false, 3), Mapped({0, 81}));
    EXPECT_EQ(HolderList(CONNECTOR_GPIO80, false, 2), Mapped({0, 82}));
    EXPECT_EQ(HolderList(CONNECTOR_GPIO80, false, 1), Mapped({0, 83}));
    EXPECT_EQ(HolderList(CONNECTOR_GPIO40, false, 3),
              Mapped({0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
    EXPECT_EQ(HolderList(CONNECTOR_HSMC, false, 3),
              Mapped({0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    EXPECT_EQ(HolderList(CONNECTOR_HSMC, true, 3),
              Mapped({0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                      23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61}));
    EXPECT_EQ(HolderList(CONNECTOR_HSMC, true, 5), Mapped({0, 17, 57, 58, 59}));
    EXPECT_EQ(HolderList(CONNECTOR_HSMC, true, 2), Mapped({0, 17}));
    EXPECT_EQ(HolderList(CONNECTOR_HSMC, true, 1), Mapped({0, 17}));
    EXPECT_EQ(HolderList(CONNECTOR_KIRREL, false, 3), Mapped({0, 6, 7, 8, 15, 20}));
    EXPECT_EQ(HolderList(CONNECTOR_FMC_HPC, false, 3), Mapped({0, 42, 44, 46, 50, 53, 76, 84}));
    EXPECT_EQ(HolderList(CONNECTOR_ERGAN_2x6, false, 3), Mapped({0, 72, 73}));
}

TEST(CardLists, BoardClassRule) {
    EXPECT_EQ(ClassList(CONNECTOR_GPIO40, false, 3),
              Mapped({0, 1, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
    EXPECT_EQ(ClassList(CONNECTOR_GPIO80, false, 3),
              Mapped({0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 74, 81, 82, 83}));
    EXPECT_EQ(ClassList(CONNECTOR_DDR4_SODIMM_IF_ECC, false, 3), Mapped({0, 77, 78, 79, 80}));
    EXPECT_EQ(ClassList(CONNECTOR_FMC_HPC, true, 3),
              Mapped({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 76, 84}));
    EXPECT_EQ(ClassList(CONNECTOR_FMC_HPC, true, 0),
              Mapped({0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 84}));
    EXPECT_EQ(ClassList(CONNECTOR_FMC_LPC, true, 3), Mapped({0, 41, 46, 47, 48, 50, 53, 76}));
    EXPECT_EQ(ClassList(CONNECTOR_HSMC, false, 5), Mapped({0, 17, 57, 58, 59}));
}

TEST(CardLists, RebuildingReplacesTheOldList) {
    TConfigBase<TEST_CONFIG> h;
    h.BuildCardList(CONNECTOR_GPIO80, false, VOLTAGE_3V3);
    h.BuildCardList(CONNECTOR_GPIO80, false, VOLTAGE_3V3);
    EXPECT_EQ(h.CardCount, 11);
    h.BuildCardList(CONNECTOR_GPIO80, false, VOLTAGE_1V8);
    EXPECT_EQ(h.CardCount, 2);
    EXPECT_EQ(h.CardIds[1], 82);
}

TEST_F(ConfigBaseTest, BoardClassFilesAndResourceExport) {
    TestResources resources;
    TestBoardClass board;
    ASSERT_TRUE(board.SaveDefault());
    board.Config[8] = 99;
    ASSERT_TRUE(board.LoadDefault());
    EXPECT_EQ(board.Config[8], 0);
    Write("default.cfg", std::string(16, '\0')); // board id 0: not this board's
    EXPECT_FALSE(board.LoadDefault());

    // One missing folder level is created, two are not.
    const std::string one = dir.File("ip/test_module.v");
    ASSERT_TRUE(board.ExportResourceFile(one, "test_module_verilog"));
    std::string exported;
    ASSERT_TRUE(platform::ReadWholeFile(one, exported));
    const auto embedded = platform::FindResource("TEST_MODULE_VERILOG");
    ASSERT_TRUE(embedded);
    EXPECT_EQ(exported,
              std::string(reinterpret_cast<const char*>(embedded->data()), embedded->size()));
    EXPECT_FALSE(board.ExportResourceFile(dir.File("a/b/test_module.v"), "TEST_MODULE_VERILOG"));

    // A missing resource leaves the earlier file of that name as it was.
    EXPECT_FALSE(board.ExportResourceFile(one, "NO_SUCH_RESOURCE"));
    EXPECT_EQ(platform::FileSize(one), static_cast<std::int64_t>(exported.size()));
}

TEST(RecordText, EndsAtNulOrFieldEnd) {
    char field[8];
    std::memcpy(field, "ABCDEFGH", 8);
    EXPECT_EQ(config::RecordText(field), "ABCDEFGH");
    field[3] = '\0';
    EXPECT_EQ(config::RecordText(field), "ABC");
    config::SetRecordText(field, "0123456789");
    EXPECT_EQ(std::string(field, 8), std::string("0123456\0", 8));
    config::SetRecordText(field, "x");
    EXPECT_EQ(std::string(field, 8), std::string("x\0\0\0\0\0\0\0", 8));
}

TEST(RecordText, PlainNames) {
    for (const char* good : {"a", "ILMARCH", "my_Project_2", "Z9_"}) {
        EXPECT_TRUE(config::IsPlainName(good)) << good;
    }
    for (const char* bad : {"", "_a", "9lives", "a b", "a-b", "a[1]", "caf\xe9", "a.b", "a$"}) {
        EXPECT_FALSE(config::IsPlainName(bad)) << bad;
    }
}

} // namespace
