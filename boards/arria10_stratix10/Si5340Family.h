#pragma once
// What the settings classes of the boards with Si5340 clock chips share:
// the framed .qsf blocks (termination lines, the controller include lines),
// the Verilog blocks that start a controller with its frequency choice, the
// Si5340A's frequency and macro tables, the reference-clock pins of the
// fillers, and the export of the controller files into the project's
// "si5340_controller" folder.

#include "model/Connector.h"
#include "model/Pin.h"
#include "settings/ConfigBoard.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace si5340 {

inline constexpr const char* kControllerFolder = "si5340_controller";

// An empty line, a rule of "#" and 60 "=", the title line, the rule, the
// lines, an empty line; empty text without lines. Every line ends in CR LF.
std::string QsfBlock(const char* title, const std::vector<std::string>& lines);

// The termination lines the Arria 10 boards share.
void AddRefClockTermination(std::vector<std::string>& lines, const std::string& pin);
void AddPcieTermination(std::vector<std::string>& lines);
void AddQsfpTermination(std::vector<std::string>& lines, char cage);
void AddObPcieTermination(std::vector<std::string>& lines);

// "# Includes SI5340 Controller Files": the common files when a chip is
// used, then the files of each chip in use.
std::string IncludeBlock(bool si5340a, bool si5340b);
// The same block over one list of controller files; empty without files.
std::string IncludeBlockOf(std::span<const char* const> files);

// The resource names of a board's controller files: the file name with its
// extension replaced by "_verilog", after the prefix of its group.
struct ResourceNaming {
    const char* commonPrefix; // "zarvik_", "ddr4_zarvik_", "espern_"
    const char* chipPrefix;   // "", "ddr4_", "espern_"
};

// Writes the common files and those of each chip in use into the
// controller folder under projectFolder (which ends in a separator); the
// first file that cannot be written ends the export with false. Nothing to
// write: true.
bool ExportControllers(TConfigBoard& settings, const std::string& projectFolder, bool si5340a,
                       bool si5340b, const ResourceNaming& naming);
// Writes the files into the controller folder, each from the resource
// named by the prefix and the file name; false at the first that cannot be
// written.
bool ExportControllerFiles(TConfigBoard& settings, const std::string& projectFolder,
                           std::span<const char* const> files, const char* resourcePrefix);
// The controller-folder files of a list with their resources, and every
// file ExportControllers may write for a board of that naming.
std::vector<config::ExportedFile> ControllerFiles(std::span<const char* const> files,
                                                  const char* resourcePrefix);
std::vector<config::ExportedFile> ControllersExportSet(const ResourceNaming& naming);

// Si5340A frequency choices (QSFP reference clocks) in MHz: index 1..7;
// any other index (its byte read as signed) 0.
double Si5340AFrequency(std::uint8_t index);
// SI5340A_POWER_DOWN for 0, SI5340A_100M .. SI5340A_644M53125 for 1..7; empty
// text for any other index.
const char* Si5340AMacroName(std::uint8_t index);

enum class Radix { Hex, Decimal };
// The eight `define lines of the Si5340A codes, in the given radix.
std::vector<std::string> Si5340ADefines(Radix radix);

// One controller block: "\r\n\r\n", the "//" rule of 55 "=", the title
// "//  Configure SI5340<chip> ", the rule, the defines, then the controller
// instance started by ~BUTTON[0], clocked and reset by the given signals,
// and its output-enable and reset assignments.
struct ControllerBlock {
    char chip;                           // 'A' or 'B'
    std::vector<std::string> defines;    // `define lines
    const char* clock;                   // the 50 MHz clock port
    const char* doneWire;                // a wire for oPLL_REG_CONFIG_DONE; nullptr: left open
    std::vector<std::string> selections; // the frequency-select port lines
};
std::string ControllerVerilog(const ControllerBlock& block);

// The four iPLL_OUT<n>_FREQ_SEL lines of the Si5340A with the macros of
// the QSFP cages' choices.
std::vector<std::string> Si5340ASelections(const std::array<std::uint8_t, 4>& indexes);

// A reference-clock pin: a clock with the frequency text "%f MHz" of the
// chosen value, or a plain input when no frequency is chosen.
std::unique_ptr<TPin> ReferenceClock(const char* name, const char* location, IoStd ioStandard,
                                     double mhz);
// The pin of that name in the connector becomes the reference clock of the
// value (a plain input at 0 MHz). The pin must exist.
void SetReferenceClock(TConnector& connector, const std::string& name, double mhz);

} // namespace si5340
