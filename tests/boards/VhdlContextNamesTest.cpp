// A VHDL project may not take as its own name, nor as a port's, a name its
// file uses from the context clause (the libraries ieee, std and work, the
// package std_logic_1164 and its types std_logic and std_logic_vector): the
// form's rules and the writer refuse it on every board that writes VHDL, and
// GHDL, which refuses such files, accepts the projects the rules let through.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "generator/Pinsmith.h"
#include "model/MainBoard.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/BoardFacts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// The boards that write VHDL, with the record byte that chooses it.
struct VhdlBoard {
    BoardId id;
    std::size_t vhdlOffset;
};
const std::vector<VhdlBoard>& VhdlBoards() {
    static const std::vector<VhdlBoard> boards = [] {
        std::vector<VhdlBoard> found;
        for (const facts::BoardFacts* f : facts::AllFacts()) {
            if (f->vhdlChoice) {
                found.push_back({f->board, *f->vhdlChoice});
            }
        }
        return found;
    }();
    return boards;
}

// The default record, every peripheral ticked, in the language asked for.
std::vector<std::uint8_t> Record(const BoardDef& def, const VhdlBoard& board, bool vhdl,
                                 const std::string& project) {
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (const std::size_t offset : def.peripherals) {
        record[offset] = 1;
    }
    record[board.vhdlOffset] = vhdl ? 1 : 0;
    SetRecordFieldText(record, def.record.projectNameOffset, project);
    return record;
}

std::string ProjectMessage(const std::string& name, const std::string& what) {
    return "Project Name " + name + " is the name of " + what +
           ", which the VHDL file uses. Please use a different project name.";
}

// The writer's own refusal, for a caller that skips the form's checks: one
// box, no file.
std::string WriterBox(const BoardDef& def, const std::vector<std::uint8_t>& record,
                      const std::string& project) {
    platform::ScriptedUi ui;
    TempDir folder;
    const auto board = BuildBoardModel(def, record);
    EXPECT_FALSE(TPinsmith().Generate(board.get(), folder.File(project + ".qpf"), true));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << project;
    EXPECT_EQ(ui.Boxes().size(), 1u) << project;
    return ui.Boxes().empty() ? std::string() : ui.Boxes()[0].text;
}

// Whether GHDL analyses the file in the given standard (93c or 08), in a
// library folder of its own.
bool GhdlAccepts(const std::string& file, const char* standard) {
    TempDir work;
    const std::string command = "cd '" + work.Path() + "' && ghdl -a --std=" + standard + " '" +
                                std::filesystem::absolute(file).string() + "' > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(VhdlContextNames, AreRefusedAsTheProjectNameByTheRulesAndTheWriter) {
    struct Name {
        const char* name;
        const char* what;
    };
    const Name names[] = {
        {"std_logic", "the type std_logic of ieee.std_logic_1164"},
        {"STD_LOGIC_VECTOR", "the type std_logic_vector of ieee.std_logic_1164"},
        {"Ieee", "the library ieee"},
        {"std", "the library std"},
        {"WORK", "the library work"},
        {"Std_Logic_1164", "the package ieee.std_logic_1164"},
    };
    for (const VhdlBoard& board : VhdlBoards()) {
        const BoardDef& def = *FindBoard(board.id);
        for (const Name& n : names) {
            SCOPED_TRACE(std::string(def.title) + " " + n.name);
            std::string message;
            EXPECT_FALSE(CheckRecord(def, Record(def, board, true, n.name), message));
            EXPECT_EQ(message, ProjectMessage(n.name, n.what));
            EXPECT_EQ(WriterBox(def, Record(def, board, true, n.name), n.name),
                      ProjectMessage(n.name, n.what));
            // A Verilog project may take the name.
            message.clear();
            EXPECT_TRUE(CheckRecord(def, Record(def, board, false, n.name), message)) << message;
        }
        // Names that merely look alike are the project's to take.
        for (const char* name : {"std_logic_x", "std_ulogic", "IEEE1", "works", "natural"}) {
            std::string message;
            EXPECT_TRUE(CheckRecord(def, Record(def, board, true, name), message))
                << def.title << " " << name << ": " << message;
        }
    }
}

// A prefix makes the port names of its card: Falmor's HSMC card 2 names a
// bus "<prefix>D", so the prefix "St" makes the port StD, the library std.
TEST(VhdlContextNames, AreRefusedAsPortNamesThePrefixesMake) {
    ASSERT_FALSE(VhdlBoards().empty());
    const VhdlBoard& falmor = VhdlBoards()[0];
    const BoardDef& def = *FindBoard(falmor.id);
    const BoardCardPort* hsmc = nullptr;
    for (const BoardCardPort& port : def.ports) {
        if (port.family == PortFamily::Hsmc) {
            hsmc = &port;
        }
    }
    ASSERT_NE(hsmc, nullptr);
    struct Case {
        const char* prefix;
        bool vhdl;
        bool refused;
    };
    for (const Case c : {Case{"St", true, true}, Case{"sT", true, true}, Case{"St", false, false},
                         Case{"Sx", true, false}}) {
        SCOPED_TRACE(std::string(c.prefix) + (c.vhdl ? " vhdl" : " verilog"));
        std::vector<std::uint8_t> record = Record(def, falmor, c.vhdl, "TOP");
        SetRecordPortCard(record, *hsmc, MakeCardId(2));
        SetRecordFieldText(record, hsmc->prefixOffset, c.prefix);
        std::string message;
        EXPECT_EQ(CheckRecord(def, record, message), !c.refused) << message;
        if (!c.refused) {
            continue;
        }
        const std::string port = std::string(c.prefix) + "D";
        EXPECT_EQ(message.rfind("Signal " + port + " of ", 0), 0u) << message;
        EXPECT_NE(message.find(" is the name of the library std, which the VHDL file uses. "
                               "Please use a different prefix name."),
                  std::string::npos)
            << message;
        EXPECT_EQ(WriterBox(def, record, "TOP"), message);
    }
}

// The files the rules let through pass GHDL in both standards; those they
// refuse, written past the checks, do not (ieee, std and work as the
// entity's name fail under VHDL-2008 only).
TEST(VhdlContextNames, GhdlAcceptsWhatTheRulesLetThroughAndRefusesTheRest) {
    for (const VhdlBoard& board : VhdlBoards()) {
        const BoardDef& def = *FindBoard(board.id);
        for (const char* name : {"std_logic_x", "std_ulogic", "natural", "IEEE1"}) {
            SCOPED_TRACE(std::string(def.title) + " " + name);
            const std::vector<std::uint8_t> record = Record(def, board, true, name);
            std::string message;
            ASSERT_TRUE(CheckRecord(def, record, message)) << message;
            platform::ScriptedUi ui;
            TempDir folder;
            const auto model = BuildBoardModel(def, record);
            ASSERT_TRUE(
                TPinsmith().Generate(model.get(), folder.File(std::string(name) + ".qpf"), true));
            const std::string top = folder.File(std::string(name) + ".vhd");
            EXPECT_TRUE(GhdlAccepts(top, "93c"));
            EXPECT_TRUE(GhdlAccepts(top, "08"));
        }
    }
    struct Refused {
        const char* name;
        bool fails93;
    };
    ASSERT_FALSE(VhdlBoards().empty());
    const VhdlBoard& falmor = VhdlBoards()[0];
    const BoardDef& def = *FindBoard(falmor.id);
    for (const Refused r :
         {Refused{"std_logic", true}, Refused{"std_logic_vector", true}, Refused{"ieee", false},
          Refused{"std", false}, Refused{"work", false}}) {
        SCOPED_TRACE(r.name);
        const auto model = BuildBoardModel(def, Record(def, falmor, true, "TOP"));
        model->SortPins();
        std::string text;
        ASSERT_TRUE(TPinsmith::VhdlText(*model, r.name, text));
        TempDir folder;
        const std::string top = folder.File(std::string(r.name) + ".vhd");
        ASSERT_TRUE(platform::ReplaceFile(top, text, platform::ReplaceMode::Whole));
        EXPECT_EQ(GhdlAccepts(top, "93c"), !r.fails93);
        EXPECT_FALSE(GhdlAccepts(top, "08"));
    }
}

} // namespace
