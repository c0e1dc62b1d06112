// The names a generated project takes, checked by the form's rules and again
// by the writer: the project's own name against every file and module the
// board exports (taken from the registry), keywords, and VHDL identifiers.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/ExportSet.h"
#include "boards/cyclone4/IstrelConfig.h"
#include "boards/cyclone4/IstrelId.h"
#include "boards/cyclone5/ConfigFalmor.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "generator/Pinsmith.h"
#include "platform/ScriptedUi.h"
#include "support/BoardFacts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Defaults(const BoardDef& def) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    return record;
}

std::string FlipCase(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(std::isupper(u) ? std::tolower(u) : std::toupper(u));
    }
    return text;
}

// Generates into a fresh folder: the boxes shown, and whether the call
// succeeded; a refusal must leave the folder empty.
struct Outcome {
    bool generated;
    std::vector<std::string> boxes;
};
Outcome Generate(TMainBoard& board, const std::string& name, bool vhdl) {
    platform::ScriptedUi ui;
    TempDir folder;
    Outcome outcome{TPinsmith().Generate(&board, folder.File(name + ".qpf"), vhdl), {}};
    for (const auto& box : ui.Boxes()) {
        outcome.boxes.push_back(box.text);
    }
    if (!outcome.generated) {
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << name;
    }
    return outcome;
}

} // namespace

TEST(GeneratedNames, ModulesOfAVerilogText) {
    struct Case {
        const char* text;
        std::vector<std::string> modules;
    };
    for (const Case& c : std::vector<Case>{
             {"module a(input x);\nendmodule\nmodule b #(parameter P = 1) (x);\nendmodule\n",
              {"a", "b"}},
             {"// module not_this\n/* module nor_this */\nmacromodule  \r\n\tc ();\n", {"c"}},
             {"initial $display(\"module d\");\nmodule e; endmodule", {"e"}},
             {"wire module_x; endmodule", {}},
             {"module", {}},
         }) {
        EXPECT_EQ(VerilogModuleNames(c.text), c.modules) << c.text;
    }
}

TEST(GeneratedNames, EveryExportedNameOfEveryBoardIsRefusedAsTheProjectName) {
    // The boards that export, each with known names of its export set (their
    // facts, tests/support/BoardFacts.h).
    std::vector<int> listed;
    for (const facts::BoardFacts* board : facts::AllFacts()) {
        if (!board->exportedNames.empty()) {
            listed.push_back(BoardNumber(board->board));
        }
    }
    std::vector<int> exporting;
    for (const BoardDef* def : AllBoards()) {
        const std::vector<ExportedName> names = BoardExportedNames(*def);
        if (names.empty()) {
            continue;
        }
        exporting.push_back(BoardNumber(def->id));
        // Every exported file defines at least one module.
        for (const config::ExportedFile& file : def->text->exportSet()) {
            const std::string shown =
                file.folder.empty() ? file.file : file.folder + "/" + file.file;
            EXPECT_TRUE(
                std::any_of(names.begin(), names.end(),
                            [&](const ExportedName& n) { return n.module && n.file == shown; }))
                << BoardNumber(def->id) << " " << shown;
        }
        for (const char* known : facts::FactsOf(def->id).exportedNames) {
            EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                                    [&](const ExportedName& n) { return n.name == known; }))
                << BoardNumber(def->id) << " " << known;
        }
        if (!def->HasRecord() || !def->fill) {
            continue;
        }
        std::vector<std::uint8_t> record = Defaults(*def);
        std::string message;
        ASSERT_TRUE(CheckRecord(*def, record, message)) << BoardNumber(def->id) << ": " << message;
        const std::unique_ptr<TMainBoard> board = BuildBoardModel(*def, record);
        for (const ExportedName& exported : names) {
            for (const std::string& spelled : {exported.name, FlipCase(exported.name)}) {
                SetRecordFieldText(record, def->record.projectNameOffset, spelled);
                EXPECT_FALSE(CheckRecord(*def, record, message))
                    << BoardNumber(def->id) << " " << spelled;
                EXPECT_NE(message.find("Project Name " + spelled + " is the name of the "),
                          std::string::npos)
                    << message;
                EXPECT_NE(message.find(exported.file), std::string::npos) << message;
                // The writer refuses it too, whoever calls it, before any file.
                const Outcome outcome = Generate(*board, spelled, UsesVhdl(*def, record));
                EXPECT_FALSE(outcome.generated) << BoardNumber(def->id) << " " << spelled;
                EXPECT_EQ(outcome.boxes, std::vector<std::string>{message}) << spelled;
            }
        }
    }
    EXPECT_EQ(exporting, listed);

    // Nothing is taken from a board that exports nothing.
    const BoardDef& ilmarch = *FindBoard(MAINBOARD_ILMARCH);
    std::string message;
    EXPECT_TRUE(CheckExportedNames(ilmarch, "clock_divider", message));
}

TEST(GeneratedNames, KeywordPrefixesAreRefusedByTheFormAndTheWriter) {
    // On Istrel a GPIO Default card takes its prefix as its whole bus name.
    const BoardDef& def = *FindBoard(MAINBOARD_ISTREL);
    std::vector<std::uint8_t> record = Defaults(def);
    record[offsetof(ISTREL_CONFIG, nGpioDaughterId)] = 1;
    for (const char* prefix : {"wire", "module", "Signal"}) {
        SetRecordFieldText(record, offsetof(ISTREL_CONFIG, szGpioPrefixName), prefix);
        std::string message;
        EXPECT_FALSE(CheckRecord(def, record, message)) << prefix;
        EXPECT_EQ(message, "Prefix Name of GPIO-0 must not be a Verilog or VHDL keyword.");
        // A caller that skips the form's checks meets the writer's.
        const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
        const Outcome outcome = Generate(*board, "ISTREL", false);
        EXPECT_FALSE(outcome.generated) << prefix;
        ASSERT_EQ(outcome.boxes.size(), 1u) << prefix;
        EXPECT_EQ(outcome.boxes[0].rfind(std::string("Signal ") + prefix + " of ", 0), 0u)
            << outcome.boxes[0];
        EXPECT_NE(outcome.boxes[0].find("is a Verilog or VHDL keyword."), std::string::npos)
            << outcome.boxes[0];
    }
}

TEST(GeneratedNames, VhdlProjectsTakeVhdlIdentifiersOnly) {
    const BoardDef& def = *FindBoard(MAINBOARD_FALMOR);
    const std::string project =
        "Project Name must not hold two underscores in a row nor end with an underscore in a "
        "VHDL project.";
    const std::string prefix =
        "Prefix Name of GPIO must not hold two underscores in a row in a VHDL project.";
    struct Case {
        bool vhdl;
        const char* name;
        std::uint8_t gpioCard;
        const char* gpioPrefix;
        std::string message; // empty: accepted
    };
    for (const Case& c : std::vector<Case>{
             {false, "A__B", 0, "", ""},
             {false, "AB_", 0, "", ""},
             {true, "A__B", 0, "", project},
             {true, "AB_", 0, "", project},
             {true, "A_B", 0, "", ""},
             {true, "AB", 1, "P__Q", prefix},
             {true, "AB", 1, "P__", prefix},
             {true, "AB", 0, "P__Q", ""}, // no card: the prefix names nothing
             {false, "AB", 1, "P__Q", ""},
         }) {
        std::vector<std::uint8_t> record = Defaults(def);
        record[offsetof(FALMOR_CONFIG, VHDL)] = c.vhdl ? 1 : 0;
        record[offsetof(FALMOR_CONFIG, GpioDaughterId)] = c.gpioCard;
        SetRecordFieldText(record, offsetof(FALMOR_CONFIG, ProjectName), c.name);
        SetRecordFieldText(record, offsetof(FALMOR_CONFIG, GpioPrefixName), c.gpioPrefix);
        std::string message;
        EXPECT_EQ(CheckRecord(def, record, message), c.message.empty())
            << c.name << " " << c.gpioPrefix;
        EXPECT_EQ(message, c.message) << c.name << " " << c.gpioPrefix;
        if (c.vhdl && !c.message.empty()) {
            // The writer's own check, for a caller that skips the form's.
            const std::unique_ptr<TMainBoard> board = BuildBoardModel(def, record);
            const Outcome outcome = Generate(*board, c.name, true);
            EXPECT_FALSE(outcome.generated) << c.name << " " << c.gpioPrefix;
            ASSERT_EQ(outcome.boxes.size(), 1u);
            EXPECT_EQ(outcome.boxes[0] == project, c.message == project) << outcome.boxes[0];
        }
    }
}
