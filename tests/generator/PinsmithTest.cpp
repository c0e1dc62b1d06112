// The writer chain of TPinsmith::Generate: the pin-name check, file names,
// the order of the steps and where a failure stops them.

#include "generator/Pinsmith.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/PellixId.h"
#include "generator/SampleModels.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

namespace {

std::string Read(const std::string& file) {
    std::string text;
    EXPECT_TRUE(platform::ReadWholeFile(file, text)) << file;
    return text;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TConnector* Group(TMainBoard& board, std::initializer_list<const char*> names) {
    auto* c = board.AddConnector(new TConnector("G", "", CONNECTOR_NONE, -1));
    int n = 0;
    for (const char* name : names) {
        c->AddPin(name
                      ? new TPin(name, "A" + std::to_string(++n), PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0)
                      : nullptr);
    }
    return c;
}

class Generate : public testing::Test {
protected:
    Generate() { platform::SetFixedClock(sample::FixedTime()); }
    ~Generate() override { platform::SetFixedClock(std::nullopt); }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    platform::ScriptedUi ui;
    TPinsmith writer;
};

} // namespace

TEST(CheckPinNames, UnpairedBrackets) {
    struct Row {
        const char* name;
        bool ok;
    };
    for (const Row& row : {Row{"DATA[3", false}, Row{"DATA3]", false}, Row{"DATA[3]", true},
                           Row{"DATA]3[", true}, Row{"", true}, Row{"PLAIN", true}}) {
        TMainBoard board;
        Group(board, {"A", nullptr, row.name});
        EXPECT_EQ(TPinsmith::CheckPinNames(board), row.ok) << row.name;
    }
}

TEST_F(Generate, UnpairedBracketWritesNothing) {
    TMainBoard board;
    sample::BuildGroups(board);
    Group(board, {"OK", "DATA[3"});
    EXPECT_FALSE(writer.Generate(&board, dir.File("abc.qpf"), false));
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(ui.Boxes().empty());
    // Nothing was sorted either.
    EXPECT_EQ(board.GetConnector(2)->GetPin(0)->GetName(), "LED[11]");
}

TEST_F(Generate, FileNamesFollowTheProjectPath) {
    TMainBoard board;
    sample::BuildGroups(board);
    ASSERT_TRUE(writer.Generate(&board, dir.File("abc.txt"), false));
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"abc.htm", "abc.qpf", "abc.qsf", "abc.sdc", "abc.v"}));
    EXPECT_TRUE(Has(Read(dir.File("abc.qpf")), "PROJECT_REVISION = \"abc\"\r\n"));
    EXPECT_TRUE(Has(Read(dir.File("abc.v")), "module abc(\r\n"));
}

TEST_F(Generate, DottedProjectNameIsRefused) {
    // The project name stands in Verilog, VHDL and Tcl: my.top cannot.
    TMainBoard board;
    sample::BuildGroups(board);
    EXPECT_FALSE(writer.Generate(&board, dir.File("my.top.qpf"), true));
    EXPECT_TRUE(Files().empty());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Project Name must begin with a letter (A-Z or a-z) and hold "
                                  "only letters, digits and underscores.");
}

TEST_F(Generate, SecondRunReplacesEveryFile) {
    for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"}) {
        const std::string junk(100000, 'x');
        ASSERT_TRUE(platform::WriteWholeFile(dir.File(std::string("abc") + ext), junk).opened);
    }
    TMainBoard board;
    sample::BuildGroups(board);
    ASSERT_TRUE(writer.Generate(&board, dir.File("abc.qpf"), false));
    EXPECT_EQ(Read(dir.File("abc.qpf")), TPinsmith::QpfText("abc", sample::FixedTime()));
    EXPECT_EQ(Read(dir.File("abc.qsf")), TPinsmith::QsfText(board, "abc", sample::FixedTime()));
    EXPECT_EQ(Read(dir.File("abc.sdc")), TPinsmith::SdcText(board));
    EXPECT_EQ(Read(dir.File("abc.htm")), TPinsmith::HtmlText(board));
    std::string v;
    ASSERT_TRUE(TPinsmith::VerilogText(board, "abc", v));
    EXPECT_EQ(Read(dir.File("abc.v")), v);
}

TEST_F(Generate, AFailureWritesNothing) {
    // The .qsf cannot be written (a folder holds its name): no file of the
    // project takes its name, an older .sdc stays as it was.
    std::filesystem::create_directory(dir.File("abc.qsf"));
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("abc.sdc"), "old").opened);
    TMainBoard board;
    sample::BuildGroups(board);
    EXPECT_FALSE(writer.Generate(&board, dir.File("abc.qpf"), false));
    EXPECT_EQ(Files(), (std::vector<std::string>{"abc.qsf", "abc.sdc"}));
    EXPECT_EQ(Read(dir.File("abc.sdc")), "old");
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Cannot write file " + dir.File("abc.qsf") + ": Not a regular file");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to create file abc.qsf");
}

TEST_F(Generate, AWriterOnItsOwnNamesTheReason) {
    // A full disk part way through the .qpf: the reason, then the writer's
    // message; no file is left.
    platform::testing::SetWriteFault(platform::testing::WriteFault{1, 10, ENOSPC});
    EXPECT_FALSE(writer.WriteQpf(dir.File("abc.qpf")));
    platform::testing::SetWriteFault(std::nullopt);
    EXPECT_TRUE(Files().empty());
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Cannot write file " + dir.File("abc.qpf") + ": No space left on device");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to create file abc.qpf");
}

TEST_F(Generate, PortGroupingFailureWritesNothing) {
    for (const bool vhdl : {false, true}) {
        TempDir folder;
        ui.Clear();
        TMainBoard board;
        sample::BuildGroups(board);
        Group(board, {"CLOCK_50", "clock_50"});
        EXPECT_FALSE(writer.Generate(&board, folder.File("abc.qpf"), vhdl));
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
        EXPECT_EQ(ui.BeepCount(), 1);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, "CLOCK_50");
    }
}

TEST_F(Generate, UnfilledPlaceholdersAreSkippedEverywhere) {
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    b.Pin(b.Group("CLOCK"), "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    TConnector* gpio = b.Expansion("GPIO_0", "GPIO_0 connect to nothing yet", CONNECTOR_GPIO40,
                                   CONNECTOR_ID_GPIO_0, 4);
    gpio->GetPin(0)->SetName("HALF_DONE");
    gpio->GetPin(0)->SetIsClock(1);
    gpio->GetPin(0)->SetFrequency("10.000000 MHz");
    gpio->SetAttachedType(CONNECTOR_GPIO40);

    const std::string qsf = TPinsmith::QsfText(board, "abc", sample::FixedTime());
    EXPECT_TRUE(Has(qsf, "# GPIO_0, GPIO_0 connect to nothing yet\r\n#====="));
    EXPECT_FALSE(Has(qsf, "HALF_DONE"));
    std::string v;
    ASSERT_TRUE(TPinsmith::VerilogText(board, "abc", v));
    EXPECT_FALSE(Has(v, "HALF_DONE"));
    EXPECT_TRUE(Has(v, "CLOCK_50\r\n\r\n\t//////////// GPIO_0, GPIO_0 connect to nothing yet"));
    std::string vhd;
    ASSERT_TRUE(TPinsmith::VhdlText(board, "abc", vhd));
    EXPECT_FALSE(Has(vhd, "HALF_DONE"));
    EXPECT_FALSE(Has(TPinsmith::SdcText(board), "HALF_DONE"));
    const std::string htm = TPinsmith::HtmlText(board);
    EXPECT_FALSE(Has(htm, "HALF_DONE"));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(Generate, LongNamesAreNotCut) {
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    const std::string longName = "N" + std::string(2000, 'a');
    b.Pin(b.Group(std::string(1500, 'G')), longName, PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    ASSERT_TRUE(writer.Generate(&board, dir.File("abc.qpf"), false));
    for (const char* ext : {".qsf", ".v", ".sdc", ".htm"}) {
        EXPECT_TRUE(Has(Read(dir.File(std::string("abc") + ext)), longName)) << ext;
    }
    EXPECT_TRUE(Has(Read(dir.File("abc.htm")), "   <td align=\"left\">" + longName + "</td>\r\n"));
}

TEST(ProjectFile, SixLinesWithEnglishDates) {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m) {
        platform::LocalDateTime t = sample::FixedTime();
        t.month = m;
        t.day = 9;
        t.hour = 7;
        t.year = 2026;
        const std::string qpf = TPinsmith::QpfText("abc", t);
        EXPECT_EQ(qpf, std::string("DATE = \"07:05:09 ") + months[m - 1] +
                           " 09, 2026\"\r\nQUARTUS_VERSION = \"17.1.0\"\r\n\r\n# Revisions\r\n\r\n"
                           "PROJECT_REVISION = \"abc\"\r\n");
        std::string upper = months[m - 1];
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        TMainBoard board;
        board.m_BoardId = MAINBOARD_ILMARCH;
        board.m_BoardRecord = RecordCopy(kIlmarchConfigSize);
        EXPECT_TRUE(Has(TPinsmith::QsfText(board, "abc", t),
                        "PROJECT_CREATION_TIME_DATE \"07:05:09 " + upper + " 09,2026\"\r\n"));
    }
}

TEST_F(Generate, WriterUsesTheClock) {
    ASSERT_TRUE(writer.WriteQpf(dir.File("p.qpf")));
    EXPECT_EQ(Read(dir.File("p.qpf")).substr(0, 33), "DATE = \"14:05:09 March 02, 2018\"\r");
}

TEST_F(Generate, TopLevelWithoutPortsPassesTheTools) {
    // Nothing ticked: one group whose positions carry no signal. VHDL has no
    // empty port clause, so the entity goes without one.
    for (const bool vhdl : {false, true}) {
        TempDir folder;
        TMainBoard board;
        sample::SetCycloneV(board, MAINBOARD_ILMARCH);
        sample::ModelBuilder b(board);
        b.Pin(b.Group("Unused"), "SPARE", PIN_DIR_NONE);
        ASSERT_TRUE(writer.Generate(&board, folder.File("abc.qpf"), vhdl));
        const std::string top = Read(folder.File(vhdl ? "abc.vhd" : "abc.v"));
        EXPECT_TRUE(Has(top, vhdl ? "entity abc is\r\n\r\n\t------------ Unused ------------\r\n"
                                    "\r\nend abc;\r\n"
                                  : "module abc(\r\n\r\n\t//////////// Unused //////////\r\n"
                                    ");\r\n"))
            << top;
        std::string all;
        for (const std::string& p : checker::CheckProject(folder.Path(), "abc")) {
            all += p + "\n";
        }
        EXPECT_TRUE(all.empty()) << all;
    }
}

TEST(ProjectText, SameUnderAnyLocale) {
    // The GUI runs in the user's locale; the generated text must not follow
    // it (decimal comma, Turkish dotless I). Runs where such locales exist.
    int ran = 0;
    for (const char* name : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        if (!std::setlocale(LC_ALL, name)) {
            continue;
        }
        ++ran;
        platform::ScriptedUi ui;
        TMainBoard board;
        sample::BuildGroups(board);
        sample::ModelBuilder builder(board);
        TConnector* twice = builder.Group("Case");
        builder.Pin(twice, "DATAI[0]", PIN_DIR_INPUT);
        builder.Pin(twice, "datai[1]", PIN_DIR_INPUT);
        platform::LocalDateTime april = sample::FixedTime();
        april.month = 4;
        const std::string qsf = TPinsmith::QsfText(board, "abc", april);
        const std::string sdc = TPinsmith::SdcText(board);
        std::string v;
        const bool grouped = TPinsmith::VerilogText(board, "abc", v);
        std::setlocale(LC_ALL, "C");
        EXPECT_TRUE(Has(qsf, "PROJECT_CREATION_TIME_DATE \"14:05:09 APRIL 02,2018\"")) << name;
        EXPECT_TRUE(Has(sdc, "create_clock -period 37.000ns [get_ports CLOCK_27]\r\n")) << name;
        ASSERT_TRUE(grouped) << name;
        EXPECT_TRUE(Has(v, "input \t\t     [1:0]\t\tDATAI\r\n")) << name;
        EXPECT_TRUE(ui.Boxes().empty()) << name;
    }
    if (ran == 0) {
        GTEST_SKIP() << "no German or Turkish locale installed";
    }
}

// Every declared bit that no pin places becomes a virtual pin, after the
// connector's location lines and in the order of its ports; the pins of a
// hard processor system's group and an n pin that its located
// differential p pin places are left to the fitter.
TEST(Qsf, UnplacedBitsAreVirtualPins) {
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    TConnector* group = b.Group("MIX");
    b.Pin(group, "gpio[1]", PIN_DIR_INOUT);
    b.Pin(group, "LED_DP", PIN_DIR_OUTPUT)->SetLocation("");
    b.Pin(group, "gpio[4]", PIN_DIR_INOUT);
    b.Pin(group, "DQS_p[0]", PIN_DIR_INOUT, IOSTD_DIFF_1V5_SSTL_I);
    b.Pin(group, "DQS_n[0]", PIN_DIR_INOUT, IOSTD_DIFF_1V5_SSTL_I)->SetLocation("");
    b.Pin(group, "CK_P", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL);
    b.Pin(group, "CK_N", PIN_DIR_OUTPUT, IOSTD_3V3_LVTTL)->SetLocation(""); // single-ended
    b.Pin(b.Group("HPS"), "HPS_DDR3_CK_p", PIN_DIR_OUTPUT)->SetLocation("");
    TConnector* last = b.Group("LAST");
    b.Pin(last, "KEY[0]", PIN_DIR_INPUT);
    b.Pin(last, "KEY[2]", PIN_DIR_INPUT);

    const std::string qsf = TPinsmith::QsfText(board, "abc", sample::FixedTime());
    const std::string v = "set_instance_assignment -name VIRTUAL_PIN ON -to ";
    EXPECT_TRUE(Has(qsf, "set_location_assignment PIN_A6 -to CK_P\r\n" + v + "gpio[2]\r\n" + v +
                             "gpio[3]\r\n" + v + "LED_DP\r\n" + v + "CK_N\r\n\r\n#====="))
        << qsf;
    EXPECT_TRUE(Has(qsf, "-to KEY[2]\r\n" + v + "KEY[1]\r\n\r\n#====="));
    for (const char* placed : {"DQS_n[0]", "HPS_DDR3_CK_p", "gpio[1]", "gpio[4]"}) {
        EXPECT_FALSE(Has(qsf, v + placed + "\r\n")) << placed;
    }
    EXPECT_TRUE(Has(qsf, "SDC_FILE abc.sdc\r\n"));
}

// An exported module whose file Quartus would not find by the module's name
// is listed after SDC_FILE: the external-PLL controller ext_pll_ctrl comes
// as EXT_PLL_CTRL.v. The Si570 set is named after its modules.
TEST(Qsf, ExportedFilesQuartusWouldNotFindAreListed) {
    const std::string line = "set_global_assignment -name VERILOG_FILE EXT_PLL_CTRL.v\r\n";
    for (const BoardId id : {MAINBOARD_GALDRE_X1, MAINBOARD_KELMIS}) {
        TMainBoard board;
        board.m_BoardId = id;
        EXPECT_TRUE(Has(TPinsmith::QsfText(board, "abc", sample::FixedTime()),
                        "SDC_FILE abc.sdc\r\n" + line))
            << BoardNumber(id);
    }
    TMainBoard pellix;
    pellix.m_BoardId = MAINBOARD_PELLIX;
    pellix.m_BoardRecord = RecordCopy(kPellixConfigSize);
    pellix.m_BoardRecord.SetI32(156, 3); // the Si570 set
    pellix.m_BoardRecord.SetI32(160, 2); // and CDCM6100x_Config.v
    EXPECT_FALSE(Has(TPinsmith::QsfText(pellix, "abc", sample::FixedTime()), "VERILOG_FILE"));
}
