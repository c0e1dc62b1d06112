#pragma once
// What the shared tests know of one board beyond its definition, kept with
// the board's tests: tests/boards/<family>/<Board>Facts.cpp registers one
// BoardFacts for its board id. The board matrix, the project checker's
// options, the form table and the IP-export tests read them from here; a
// board without a facts file has the defaults below. No Qt, no GoogleTest:
// both test programs carry the facts.

#include "model/BoardId.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace facts {

// One record field the matrix sets (little-endian, 1 or 4 bytes).
struct FieldSetting {
    std::size_t offset;
    std::int32_t value;
    std::size_t width;
};

// A record the matrix runs besides the one with every box ticked: a choice
// that changes the board's lists or its generation (a voltage, a mode the
// ticked boxes leave out, the second FPGA node), the variant's word in the
// run names.
struct RecordVariant {
    const char* word;
    std::vector<FieldSetting> fields;
    bool reduced = false;    // runs the reduced set of card choices
    bool secondNode = false; // the cards sit on the second FPGA node
};

// A name (a timing target, a location, a bus) with the reason it is listed.
struct Listed {
    const char* what;
    const char* reason;
};

// A step of a form mode, done as the user does it.
struct FormStep {
    enum class Kind : std::uint8_t {
        SetIndex,  // the combo's current index, without an activation
        PickIndex, // the combo's current index and its activation
        Tick,      // a click on the check box
    };
    Kind kind;
    const char* widget;
    int index = 0;
};
using FormMode = std::vector<FormStep>;

// Pen widths of a form's outlines as its layout gives them; dotted 0: the
// form has no dotted outline. Solid 0: not checked.
struct OutlinePens {
    int solid = 0;
    int dotted = 0;
};

// What the IP-export tests check of the board.
enum class IpExport : std::uint8_t {
    Unlisted,
    NoModules,      // exports nothing
    ExternalPll,    // exports the external PLL's controller whatever its option
    SettingsObject, // its settings object exports its modules
};

struct BoardFacts {
    BoardId board = MAINBOARD_NONE;

    // Board matrix: the record variants; the runs the writer refuses for a
    // signal name both ports give (run names, "<folder word>_<card>_..._e");
    // the locations (without "PIN_") its data gives two pins.
    std::vector<RecordVariant> variants;
    std::vector<std::string> duplicateSignalRuns;
    std::vector<const char*> dataClashes;

    // Project checker: timing targets its text names without a port;
    // locations its fixed assignments give a node and a port; buses whose
    // pins have no location because the fitter places them.
    std::vector<Listed> unmatchedTargets;
    std::vector<Listed> sharedLocations;
    std::vector<Listed> unlocatedBuses;

    // Form table: after a load a port showing None shows an empty prefix
    // edit; Load Setting that loads nothing ends with "Failed to load
    // setting"; the layout has Change Main Board; the modes that take ports
    // away, each set on a fresh form; port pairs ("HSMC-A+HSMC-E") whose
    // prefix clash the form must name in one of its modes.
    bool emptyPrefixWithoutCard = true;
    bool failedLoadBox = false;
    bool changeMainBoard = true;
    std::vector<FormMode> formModes;
    std::vector<const char*> namedClashPairs;
    OutlinePens outlinePens;

    // IP export: what the tests check of it; for a board whose writer
    // exports Verilog files, names its exported-name set must hold (as the
    // files spell them), at least one.
    IpExport ipExport = IpExport::Unlisted;

    // A board that writes VHDL: the record byte that chooses it (1: VHDL).
    std::optional<std::size_t> vhdlChoice;
    std::vector<const char*> exportedNames;
};

// Registers a board's facts at static initialisation (one object per facts
// file). Two facts of one board stop the program.
struct BoardFactsRegistrar {
    explicit BoardFactsRegistrar(BoardFacts facts);
};

// The facts of a board: its registered ones, or the defaults.
const BoardFacts& FactsOf(BoardId board);
// Every registered facts, in board id order.
std::vector<const BoardFacts*> AllFacts();

// The run names "<word>_<a>_<b>_e" and "<word>_<b>_<a>_e": two cards on a
// two-port board, both orders, empty prefixes.
void AddBothOrders(std::vector<std::string>& runs, const std::string& word, int a, int b);

} // namespace facts
