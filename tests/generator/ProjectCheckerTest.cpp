// The real-tool checker must notice what it is there to notice: each test
// generates a good project, spoils one file and expects the matching problem.

#include "support/ProjectChecker.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

std::string Read(const std::string& file) {
    std::string text;
    EXPECT_TRUE(platform::ReadWholeFile(file, text));
    return text;
}

void Write(const std::string& file, const std::string& text) {
    EXPECT_TRUE(platform::WriteWholeFile(file, text).Complete(text.size()));
}

void Replace(const std::string& file, const std::string& from, const std::string& to) {
    std::string text = Read(file);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    Write(file, text);
}

std::string Joined(const std::vector<std::string>& problems) {
    std::string all;
    for (const std::string& p : problems) {
        all += p + "\n";
    }
    return all;
}

class ProjectChecker : public testing::Test {
protected:
    void Generate(bool vhdl = false) {
        TMainBoard board;
        if (vhdl) {
            sample::BuildVhdl(board);
        } else {
            sample::BuildGroups(board);
        }
        platform::ScriptedUi ui;
        TPinsmith writer;
        ASSERT_TRUE(writer.Generate(&board, dir.File("p.qpf"), vhdl));
    }
    std::string File(const char* ext) { return dir.File(std::string("p") + ext); }
    std::vector<std::string> Check() { return checker::CheckProject(dir.Path(), "p"); }
    // Some problem contains the text.
    void ExpectProblem(const std::string& text) {
        const std::vector<std::string> problems = Check();
        bool found = false;
        for (const std::string& p : problems) {
            found = found || p.find(text) != std::string::npos;
        }
        EXPECT_TRUE(found) << "expected a problem with \"" << text << "\", got:\n"
                           << Joined(problems);
    }

    TempDir dir;
};

TEST_F(ProjectChecker, AcceptsAGoodProject) {
    Generate();
    EXPECT_TRUE(Check().empty()) << Joined(Check());
}

TEST_F(ProjectChecker, PortWithoutLocation) {
    Generate();
    Replace(File(".qsf"), "set_location_assignment PIN_A1 -to CLOCK_50_B3B\r\n", "");
    ExpectProblem("port CLOCK_50_B3B has no location and is no virtual pin");
}

TEST_F(ProjectChecker, AllowancesNameWhatMayBeMissing) {
    Generate();
    // Without a location: allowed for the port named, or its bus.
    Replace(File(".qsf"), "set_location_assignment PIN_A1 -to CLOCK_50_B3B\r\n", "");
    Replace(File(".htm"), "CLOCK_50_B3B</td>\r\n   <td align=\"left\">A1</td>",
            "CLOCK_50_B3B</td>\r\n   <td align=\"left\"></td>");
    checker::CheckOptions options;
    options.portsWithoutLocation["CLOCK_50_B3B"] = "placed by the fitter";
    EXPECT_TRUE(checker::CheckProject(dir.Path(), "p", options).empty())
        << Joined(checker::CheckProject(dir.Path(), "p", options));
    // A timing target that names no port: allowed only when listed.
    std::string sdc = Read(File(".sdc"));
    sdc += "create_clock -period 10 -name extra [get_ports NO_SUCH_PORT]\r\n";
    Write(File(".sdc"), sdc);
    ExpectProblem("NO_SUCH_PORT");
    options.unmatchedTargets["NO_SUCH_PORT"] = "the board's timing text names it";
    const std::vector<std::string> problems = checker::CheckProject(dir.Path(), "p", options);
    for (const std::string& p : problems) {
        EXPECT_EQ(p.find("NO_SUCH_PORT"), std::string::npos) << p;
    }
}

TEST(ProjectCheckerBatch, ProblemsNameTheirProject) {
    TempDir root;
    std::vector<checker::ProjectToCheck> projects;
    for (const char* name : {"a", "b", "c"}) {
        const std::string folder = root.Path() + name + "/";
        ASSERT_TRUE(platform::ForceDirectories(folder));
        TMainBoard board;
        sample::BuildGroups(board);
        platform::ScriptedUi ui;
        ASSERT_TRUE(TPinsmith().Generate(&board, folder + name + ".qpf", false));
        projects.push_back({folder, name, {}});
    }
    TMainBoard vhdl;
    sample::BuildVhdl(vhdl);
    ASSERT_TRUE(platform::ForceDirectories(root.Path() + "v/"));
    {
        platform::ScriptedUi ui;
        ASSERT_TRUE(TPinsmith().Generate(&vhdl, root.Path() + "v/v.qpf", true));
    }
    projects.push_back({root.Path() + "v/", "v", {}});
    auto all = checker::CheckProjects(projects);
    ASSERT_EQ(all.size(), 4u);
    for (const auto& problems : all) {
        EXPECT_TRUE(problems.empty()) << Joined(problems);
    }
    // A Verilog syntax error in b is b's alone.
    Replace(root.Path() + "b/b.v", "endmodule", "endmodule endmodule");
    all = checker::CheckProjects(projects);
    EXPECT_TRUE(all[0].empty()) << Joined(all[0]);
    EXPECT_FALSE(all[1].empty());
    EXPECT_TRUE(all[2].empty()) << Joined(all[2]);
    EXPECT_TRUE(all[3].empty()) << Joined(all[3]);
    // A report xmllint refuses and a .qsf the Tcl reader faults are c's
    // alone, though one run of each tool reads every project.
    Replace(root.Path() + "c/c.htm", "<h2 align=\"left\">", "<h2 align=\"left\"<<");
    Replace(root.Path() + "c/c.qsf", "PIN_A2 -to CLOCK_50_B4A", "PIN_A1 -to CLOCK_50_B4A");
    all = checker::CheckProjects(projects);
    EXPECT_TRUE(all[0].empty()) << Joined(all[0]);
    const std::string c = Joined(all[2]);
    EXPECT_NE(c.find("xmllint"), std::string::npos) << c;
    EXPECT_NE(c.find("location PIN_A1 is given to"), std::string::npos) << c;
    EXPECT_TRUE(all[3].empty()) << Joined(all[3]);
}

// Projects equal but for their name are checked once; each one's problems
// name that project.
TEST(ProjectCheckerBatch, RepeatsTellTheirOwnName) {
    TempDir root;
    // One date in every file.
    platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    struct RealClock {
        ~RealClock() { platform::SetFixedClock(std::nullopt); }
    } realClock;
    std::vector<checker::ProjectToCheck> projects;
    for (const char* name : {"first", "second", "third"}) {
        const std::string folder = root.Path() + name + "/";
        ASSERT_TRUE(platform::ForceDirectories(folder));
        TMainBoard board;
        sample::BuildGroups(board);
        platform::ScriptedUi ui;
        ASSERT_TRUE(TPinsmith().Generate(&board, folder + name + ".qpf", false));
        Replace(folder + name + ".qsf", std::string("TOP_LEVEL_ENTITY \"") + name + "\"",
                "TOP_LEVEL_ENTITY \"other\"");
        projects.push_back({folder, name, {}});
    }
    // The third differs in one more place.
    Replace(root.Path() + "third/third.qsf", "PIN_A2 -to CLOCK_50_B4A", "PIN_A1 -to CLOCK_50_B4A");
    const auto all = checker::CheckProjects(projects);
    ASSERT_EQ(all.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = Joined(all[i]);
        EXPECT_NE(text.find("the project is \"" + projects[i].name + "\""), std::string::npos)
            << text;
        for (const checker::ProjectToCheck& other : projects) {
            if (other.name != projects[i].name) {
                EXPECT_EQ(text.find(other.name), std::string::npos) << text;
            }
        }
        EXPECT_EQ(text.find("is given to") != std::string::npos, i == 2) << text;
    }
}

TEST_F(ProjectChecker, PortWithTwoStandards) {
    Generate();
    Replace(File(".qsf"), "set_location_assignment PIN_A1",
            "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to CLOCK_50_B3B\r\n"
            "set_location_assignment PIN_A1");
    ExpectProblem("port CLOCK_50_B3B has 2 I/O standards");
}

TEST_F(ProjectChecker, LocationGivenTwice) {
    Generate();
    Replace(File(".qsf"), "PIN_A2 -to CLOCK_50_B4A", "PIN_A1 -to CLOCK_50_B4A");
    ExpectProblem("location PIN_A1 is given to");
}

TEST_F(ProjectChecker, TargetThatIsNoPort) {
    Generate();
    Replace(File(".qsf"), "-to CLOCK_50_B4A\r\n", "-to CLOCK_51\r\n");
    ExpectProblem("CLOCK_51 is not a port");
}

TEST_F(ProjectChecker, CommandQuartusWouldNotKnow) {
    Generate();
    Replace(File(".qsf"), "set_global_assignment -name FAMILY",
            "exec rm -rf /\r\nset_global_assignment -name FAMILY");
    ExpectProblem("invalid command name \"exec\"");
}

TEST_F(ProjectChecker, MissingGlobalsAndWrongNames) {
    Generate();
    Replace(File(".qsf"), "set_global_assignment -name DEVICE 5CGXFC9D6F27C7\r\n", "");
    Replace(File(".qsf"), "SDC_FILE p.sdc", "SDC_FILE q.SDC");
    Replace(File(".qsf"), "TOP_LEVEL_ENTITY \"p\"", "TOP_LEVEL_ENTITY \"q\"");
    ExpectProblem("DEVICE is missing");
    ExpectProblem("SDC_FILE names \"q.SDC\"");
    ExpectProblem("TOP_LEVEL_ENTITY is \"q\"");
}

// Names compare with their case: Quartus on a case-sensitive file system
// would run without the timing file or miss a module.
TEST_F(ProjectChecker, FilesTheQsfNamesMustExistAsWritten) {
    Generate();
    Replace(File(".qsf"), "SDC_FILE p.sdc", "SDC_FILE p.SDC");
    ExpectProblem("SDC_FILE names \"p.SDC\", the timing file is p.sdc");
    ExpectProblem("SDC_FILE names \"p.SDC\", which the project folder does not hold");

    // An exported module whose file Quartus cannot find by the module's name.
    Replace(File(".qsf"), "SDC_FILE p.SDC", "SDC_FILE p.sdc");
    Write(dir.File("EXT.v"), "module ext(input a);\nendmodule\n");
    ExpectProblem("the exported EXT.v is neither named by VERILOG_FILE nor found");
    Replace(File(".qsf"), "SDC_FILE p.sdc\r\n",
            "SDC_FILE p.sdc\r\nset_global_assignment -name VERILOG_FILE ext.v\r\n");
    ExpectProblem("VERILOG_FILE names \"ext.v\", which the project folder does not hold");
    Replace(File(".qsf"), "VERILOG_FILE ext.v", "VERILOG_FILE EXT.v");
    EXPECT_TRUE(Check().empty()) << Joined(Check());
    // A file named after its module is found without a line.
    Replace(File(".qsf"), "set_global_assignment -name VERILOG_FILE EXT.v\r\n", "");
    std::filesystem::rename(dir.File("EXT.v"), dir.File("ext.v"));
    EXPECT_TRUE(Check().empty()) << Joined(Check());
}

TEST_F(ProjectChecker, ClockOnAMissingPortAndUnknownClock) {
    Generate();
    Replace(File(".sdc"), "[get_ports CLOCK_27]", "[get_ports CLOCK_28]");
    Replace(File(".sdc"), "derive_pll_clocks\r\n",
            "derive_pll_clocks\r\nset_input_delay -clock nosuch 1.0 [get_ports KEY*]\r\n");
    ExpectProblem("CLOCK_28 matches no port");
    ExpectProblem("clock nosuch is not defined");
}

TEST_F(ProjectChecker, VerilogThatDoesNotCompile) {
    Generate();
    Replace(File(".v"), "\r\nendmodule", "\r\nassign NO_SUCH_NET = 1'b0;\r\nendmodule");
    ExpectProblem("iverilog");
    ExpectProblem("verilator");
}

TEST_F(ProjectChecker, VhdlThatDoesNotAnalyse) {
    Generate(true);
    Replace(File(".vhd"), "end rtl;", "end rtl");
    ExpectProblem("ghdl");
}

TEST_F(ProjectChecker, ReportThatDisagreesWithTheSettings) {
    Generate();
    Replace(File(".htm"), "<td align=\"left\">A1</td>", "<td align=\"left\">B1</td>");
    ExpectProblem("htm: CLOCK_50_B3B at \"B1\"");
}

TEST_F(ProjectChecker, ReportThatIsNoHtml) {
    Generate();
    Replace(File(".htm"), "<h2 align=\"left\">", "<h2 align=\"left\"<<");
    ExpectProblem("xmllint");
}

TEST_F(ProjectChecker, MissingToolIsAProblem) {
    Generate();
    const std::string path = std::getenv("PATH");
    TempDir empty;
    setenv("PATH", empty.Path().c_str(), 1);
    const std::vector<std::string> problems = Check();
    setenv("PATH", path.c_str(), 1);
    for (const char* tool : {"iverilog", "verilator", "tclsh", "xmllint"}) {
        bool found = false;
        for (const std::string& p : problems) {
            found = found || p == std::string(tool) + ": not installed";
        }
        EXPECT_TRUE(found) << tool << "\n" << Joined(problems);
    }
}

} // namespace

// A bit no pin places must be a virtual pin: a bus with a gap declares the
// missing bits, a pin of the table may lack a location. The writer marks
// both; without the mark the checker refuses the bit, and so it does a
// virtual pin with a location.
TEST(ProjectCheckerVirtualPins, UnplacedBitsMustBeVirtual) {
    TempDir dir;
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    TConnector* group = b.Group("GPIO");
    b.Pin(group, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    b.Pin(group, "gpio[1]", PIN_DIR_INOUT);
    b.Pin(group, "gpio[4]", PIN_DIR_INOUT);
    b.Pin(group, "LED_DP", PIN_DIR_OUTPUT)->SetLocation("");
    platform::ScriptedUi ui;
    TPinsmith writer;
    ASSERT_TRUE(writer.Generate(&board, dir.File("g.qpf"), false));
    EXPECT_TRUE(checker::CheckProject(dir.Path(), "g").empty())
        << Joined(checker::CheckProject(dir.Path(), "g"));

    const std::string qsf = dir.File("g.qsf");
    Replace(qsf, "set_instance_assignment -name VIRTUAL_PIN ON -to gpio[3]\r\n", "");
    Replace(qsf, "set_instance_assignment -name VIRTUAL_PIN ON -to LED_DP\r\n", "");
    Replace(qsf, "set_location_assignment PIN_A3",
            "set_instance_assignment -name VIRTUAL_PIN ON -to gpio[4]\r\n"
            "set_location_assignment PIN_A3");
    const std::vector<std::string> problems = checker::CheckProject(dir.Path(), "g");
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "tclsh: qsf: port LED_DP has no location and is no virtual pin",
                  "tclsh: qsf: virtual pin gpio[4] has 1 locations",
                  "tclsh: qsf: port gpio[3] has no location and is no virtual pin",
                  "tclsh: qsf: port gpio[3] has 0 I/O standards", "htm: no row for port gpio[3]"}))
        << Joined(problems);
}
