// What TPinsmith::Generate refuses before it touches a file, for any caller
// (a form, a batch, a test): project names that cannot stand in the
// generated files, pin names holding syntax, and one signal from two places.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class GenerateChecks : public testing::Test {
protected:
    GenerateChecks() { platform::SetFixedClock(sample::FixedTime()); }
    ~GenerateChecks() override { platform::SetFixedClock(std::nullopt); }

    // Generate into a fresh folder; true when it refused and wrote nothing.
    bool Refused(TMainBoard& board, const std::string& fileName = "abc.qpf") {
        TempDir folder;
        ui.Clear();
        const bool generated = TPinsmith().Generate(&board, folder.File(fileName), false);
        return !generated && std::filesystem::is_empty(folder.Path());
    }
    std::string OnlyBox() const {
        EXPECT_EQ(ui.Boxes().size(), 1u);
        return ui.Boxes().empty() ? std::string() : ui.Boxes()[0].text;
    }

    platform::ScriptedUi ui;
};

// A board with one pin named as given, direction and clock flag as given,
// besides the sample groups.
void AddPin(TMainBoard& board, const std::string& name, PinDirection direction,
            bool clock = false) {
    sample::ModelBuilder b(board);
    TPin* pin = b.Pin(b.Group("EXTRA"), name, direction);
    if (clock) {
        pin->SetIsClock(1);
        pin->SetFrequency("10.000000 MHz");
    }
}

} // namespace

TEST_F(GenerateChecks, KeywordProjectNamesAreRefused) {
    for (const char* file : {"module.qpf", "ENTITY.qpf", "Signal.qpf", "wire.qpf", "in.qpf"}) {
        TMainBoard board;
        sample::BuildGroups(board);
        EXPECT_TRUE(Refused(board, file)) << file;
        EXPECT_EQ(OnlyBox(), "Project Name must not be a Verilog or VHDL keyword.") << file;
    }
    for (const char* file : {"9abc.qpf", "a-b.qpf", "\xC3\xA4pfel.qpf"}) {
        TMainBoard board;
        sample::BuildGroups(board);
        EXPECT_TRUE(Refused(board, file)) << file;
        EXPECT_EQ(OnlyBox(), "Project Name must begin with a letter (A-Z or a-z) and hold only "
                             "letters, digits and underscores.")
            << file;
    }
}

TEST_F(GenerateChecks, PinNamesHoldingSyntaxAreRefused) {
    for (const char* name : {"A B", "A\tB", "$GND", "A;B", "A\"B", "A'B", "A{B", "A}B", "A\\B"}) {
        TMainBoard board;
        sample::BuildGroups(board);
        AddPin(board, name, PIN_DIR_INPUT);
        EXPECT_TRUE(Refused(board)) << name;
        EXPECT_EQ(OnlyBox(), std::string("Pin ") + name +
                                 " of EXTRA holds a character that Tcl or Verilog reads as "
                                 "syntax (a blank, $, ;, a quote, a brace or a backslash).");
    }
    // An inactive clock pin still reaches the timing file.
    TMainBoard clock;
    sample::BuildGroups(clock);
    AddPin(clock, "CLK X", PIN_DIR_NONE, true);
    EXPECT_TRUE(Refused(clock));
    // An inactive pin reaches no file: its name does not matter.
    TMainBoard quiet;
    sample::BuildGroups(quiet);
    AddPin(quiet, "not used", PIN_DIR_NONE);
    TempDir folder;
    EXPECT_TRUE(TPinsmith().Generate(&quiet, folder.File("abc.qpf"), false));
}

TEST_F(GenerateChecks, OneSignalFromTwoPlacesIsRefused) {
    struct Case {
        const char* what;
        std::vector<std::vector<std::string>> groups; // pin names per group G0, G1, ...
        std::string box;
    };
    const std::string tail = ". Please use different prefix names.";
    const std::vector<Case> cases = {
        {"a bus split over two connectors",
         {{"D[0]", "D[1]"}, {"D[2]", "D[3]"}},
         "Signal D is used by both G0 and G1" + tail},
        {"one bit twice inside one connector",
         {{"D[0]", "D[1]", "d[1]"}},
         "Signal d[1] is used by both G0 and G0" + tail},
        {"one bit twice over two connectors",
         {{"X", "D[0]"}, {"D[0]"}},
         "Signal D[0] is used by both G0 and G1" + tail},
        {"a scalar in two connectors, case ignored",
         {{"Led"}, {"A"}, {"LED"}},
         "Signal LED is used by both G0 and G2" + tail},
        {"a scalar named like a bus of another connector",
         {{"D[0]"}, {"D"}},
         "Signal D is used by both G0 and G1" + tail},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        sample::SetCycloneV(board, MAINBOARD_ILMARCH);
        sample::ModelBuilder b(board);
        for (std::size_t g = 0; g < c.groups.size(); ++g) {
            TConnector* group = b.Group("G" + std::to_string(g));
            for (const std::string& name : c.groups[g]) {
                b.Pin(group, name, PIN_DIR_INPUT);
            }
        }
        EXPECT_TRUE(Refused(board)) << c.what;
        EXPECT_EQ(OnlyBox(), c.box) << c.what;
        EXPECT_EQ(ui.BeepCount(), 1) << c.what;
    }
}

TEST_F(GenerateChecks, TwoCardsOfOneMapUnderOnePrefixAreRefused) {
    // Cards 55 and 63 carry the same map under two ids, so the prefix rule of
    // the form (same card, same prefix) lets them through.
    using namespace ilmarch;
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    config.nGpioDaughterId[GPIO_0] = 55;
    config.nGpioDaughterId[GPIO_1] = 63;
    const BoardDef& def = *FindBoard(MAINBOARD_ILMARCH);
    const auto record = [&config] {
        return ConstRecordSpan(reinterpret_cast<const std::uint8_t*>(&config), sizeof config);
    };
    std::string message;
    ASSERT_TRUE(CheckRecord(def, record(), message)) << message;
    const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record());
    EXPECT_TRUE(Refused(*board, "ILMARCH.qpf"));
    EXPECT_EQ(OnlyBox(), "Signal WISTEL_DCLK is used by both GPIO_0 and GPIO_1. Please use "
                         "different prefix names.");
    EXPECT_EQ(ui.BeepCount(), 1);

    // Different prefixes keep the signals apart.
    SetIlmarchText(config.GpioPrefixName[GPIO_1], "B_");
    const std::unique_ptr<TMainBoard> apart = BuildBoardModel(def, record());
    TempDir folder;
    ui.Clear();
    EXPECT_TRUE(TPinsmith().Generate(apart.get(), folder.File("ILMARCH.qpf"), false));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(GenerateChecks, PortNamesTheLanguageRefusesAreRefused) {
    const std::string keyword =
        " is a Verilog or VHDL keyword. Please use a different prefix name.";
    const std::string vhdlName =
        " is no legal VHDL name (two underscores in a row or an underscore "
        "at the end). Please use a different prefix name.";
    const std::string contextTail = " Please use a different prefix name.";
    struct Case {
        const char* pin;
        bool vhdl;
        std::string box; // empty: generated
    };
    for (const Case& c : std::vector<Case>{
             {"wire", false, "Signal wire of EXTRA" + keyword},
             {"wire[0]", true, "Signal wire of EXTRA" + keyword},
             {"Signal", false, "Signal Signal of EXTRA" + keyword},
             {"OUT[3]", true, "Signal OUT of EXTRA" + keyword},
             {"A__B", false, ""},
             {"A__B", true, "Signal A__B of EXTRA" + vhdlName},
             {"AB_[1]", true, "Signal AB_ of EXTRA" + vhdlName},
             {"AB_", false, ""},
             {"A_B[2]", true, ""},
             {"wires", true, ""},
             // Names the VHDL file uses from its context clause.
             {"std_logic", true,
              "Signal std_logic of EXTRA is the name of the type std_logic of "
              "ieee.std_logic_1164, which the VHDL file uses." +
                  contextTail},
             {"STD_LOGIC_VECTOR[1]", true,
              "Signal STD_LOGIC_VECTOR of EXTRA is the name of the type std_logic_vector of "
              "ieee.std_logic_1164, which the VHDL file uses." +
                  contextTail},
             {"Ieee", true,
              "Signal Ieee of EXTRA is the name of the library ieee, which the VHDL "
              "file uses." +
                  contextTail},
             {"work[0]", true,
              "Signal work of EXTRA is the name of the library work, which the "
              "VHDL file uses." +
                  contextTail},
             {"std_logic", false, ""},
             {"std_logic_x", true, ""},
             {"std_ulogic", true, ""},
         }) {
        TMainBoard board;
        sample::BuildGroups(board);
        AddPin(board, c.pin, PIN_DIR_INPUT);
        TempDir folder;
        ui.Clear();
        const bool generated = TPinsmith().Generate(&board, folder.File("abc.qpf"), c.vhdl);
        EXPECT_EQ(generated, c.box.empty()) << c.pin << " " << c.vhdl;
        if (!c.box.empty()) {
            EXPECT_EQ(OnlyBox(), c.box) << c.pin;
            EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << c.pin;
        }
    }
    // The project name of a VHDL project.
    for (const char* file : {"A__B.qpf", "AB_.qpf"}) {
        TMainBoard board;
        sample::BuildGroups(board);
        TempDir folder;
        ui.Clear();
        EXPECT_FALSE(TPinsmith().Generate(&board, folder.File(file), true)) << file;
        EXPECT_EQ(OnlyBox(), "Project Name must not hold two underscores in a row nor end with an "
                             "underscore in a VHDL project.");
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << file;
        EXPECT_TRUE(TPinsmith().Generate(&board, folder.File(file), false)) << file;
    } // A VHDL project named as a name its file uses from the context clause
    // (any case); a Verilog project may take it.
    struct Named {
        const char* file;
        const char* what;
    };
    for (const Named& n :
         {Named{"std_logic.qpf", "the type std_logic of ieee.std_logic_1164"},
          Named{"Std_Logic_Vector.qpf", "the type std_logic_vector of ieee.std_logic_1164"},
          Named{"IEEE.qpf", "the library ieee"}, Named{"std.qpf", "the library std"},
          Named{"Work.qpf", "the library work"},
          Named{"std_logic_1164.qpf", "the package ieee.std_logic_1164"}}) {
        TMainBoard board;
        sample::BuildGroups(board);
        TempDir folder;
        ui.Clear();
        EXPECT_FALSE(TPinsmith().Generate(&board, folder.File(n.file), true)) << n.file;
        const std::string name = std::string(n.file).substr(0, std::string(n.file).find('.'));
        EXPECT_EQ(OnlyBox(), "Project Name " + name + " is the name of " + n.what +
                                 ", which the VHDL file uses. Please use a different project "
                                 "name.");
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << n.file;
        EXPECT_TRUE(TPinsmith().Generate(&board, folder.File(n.file), false)) << n.file;
    }
}
