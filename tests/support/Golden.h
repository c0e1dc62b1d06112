#pragma once
// The golden runner: a project is generated with the clock fixed, compared
// byte for byte with its fixture folder under tests/ and checked with the
// real tools (support/ProjectChecker.h). A family's test keeps its table of
// cases (board, case name, record edit) and calls ExpectGoldenProject.
//
// A fixture folder holds every written file but the exported copies of
// embedded files: those are listed in its kExportedList file, one
// "<path> <resource>" a line, and compared with the resource itself. The
// folder and the list together name every file the project writes.
//
// PINSMITH_UPDATE_GOLDEN=1 in the environment rewrites the fixtures from the
// generated files instead (tools/update-goldens.sh); review the diff.

#include "boards/BoardDef.h"
#include "model/MainBoard.h"
#include "platform/Clock.h"
#include "settings/ConfigCommon.h"
#include "support/ProjectChecker.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace golden {

using Record = std::vector<std::uint8_t>;

// The list of exported copies in a fixture folder.
inline constexpr const char* kExportedList = "exported-files.txt";

// The date and time every golden project is written at.
platform::LocalDateTime FixedTime();

// What the runner does to the record between the case's edit and the checks
// of a shown record.
enum class Mend {
    None,     // the record goes to the checks as the case left it
    Form,     // mended as a form mends a loaded record
    MustKeep, // mended, and mending must change nothing the case chose
};

// The real-tool check options of a project: from its board id, its record
// (empty for a model built in code) and the pin model written.
using CheckOptionsOf =
    std::function<checker::CheckOptions(BoardId, ConstRecordSpan, const TMainBoard&)>;
// The board's allowances (support/BoardCheckOptions.h), by board id.
CheckOptionsOf BoardChecks();
// The board's allowances and those of the record's project.
CheckOptionsOf BoardAndRecordChecks();
// No allowance at all.
CheckOptionsOf StrictChecks();

struct Options {
    std::string fixtures = "boards/golden"; // below tests/; the case name is the folder
    platform::LocalDateTime clock = FixedTime();
    Mend mend = Mend::Form;
    bool nameInRecord = true; // the case name goes into the record's project name
    // The record the writer gets from the one the form holds (one node of a
    // two-node board); the identity when empty.
    std::function<Record(const Record&)> handOver = {};
    CheckOptionsOf checks = BoardChecks();
};

// The case's edit of the board's default record (the project name already set).
using RecordEdit = std::function<void(const BoardDef&, Record&)>;

// The defaults of the board, the case name as project name, the edit, the
// mending the options ask for and the checks of a shown record; then the
// project <name>.qpf (VHDL when the record asks for it) compared with
// tests/<fixtures>/<name> and checked with the real tools.
void ExpectGoldenProject(BoardId board, const std::string& name, const RecordEdit& edit,
                         const Options& options = {});
// The same from a record the caller made.
void ExpectGoldenRecord(BoardId board, Record record, const std::string& name,
                        const Options& options = {});
// A pin model built in code (no record): generated, compared and checked
// with the options' checks (record empty). The export set of the model's
// board id, if it is a board's, names the files copied from resources.
void ExpectGoldenModel(TMainBoard& board, const std::string& name, bool vhdl,
                       const Options& options);

// The comparison alone: every file under generatedFolder equals its fixture
// under tests/<fixtureFolder> or, when listed there as an exported copy, its
// resource; no file more or less. exportable: the files the project's
// writer may copy from a resource (their stored copies are left out when
// the fixtures are rewritten).
void ExpectMatchesGolden(const std::string& fixtureFolder, const std::string& generatedFolder,
                         const std::vector<config::ExportedFile>& exportable = {});

} // namespace golden
