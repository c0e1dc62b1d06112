#pragma once
// Checks a generated Quartus project with real tools, so that a project that
// Pinsmith writes is known to be readable by more than our own tests:
//   - iverilog -t null and verilator --lint-only -Wall accept the top-level
//     .v together with every other .v of the project folder (exported IP);
//   - ghdl -s (and ghdl -a) accept the top-level .vhd;
//   - tclsh evaluates the .qsf and .sdc in safe interpreters that know only
//     the Quartus commands a project may use (support/quartus_check.tcl):
//     every top-level port bit has one location and one I/O standard or is
//     a virtual pin (no location), no location is given twice, every -to
//     and get_ports target is a port, SDC_FILE names the timing file and
//     every file the .qsf names exists as written (with its case), FAMILY
//     and DEVICE are present, TOP_LEVEL_ENTITY is the project;
//   - every exported Verilog file is found by Quartus: the .qsf names it,
//     or it sits in the project folder and defines the module its name
//     spells, letter for letter;
//   - xmllint --html --noout accepts the .htm, whose rows agree with the
//     .qsf (location and I/O standard of every port bit) and the ports;
//   - the .qpf names the project as its revision.
// A tool that is not installed is a problem like any other.

#include <map>
#include <string>
#include <vector>

namespace checker {

// What a board's project may do that the checks would otherwise refuse,
// each with its reason (kept for the reader of the test).
struct CheckOptions {
    // Ports (a bit, or a bus by its base name) that have no location and
    // are no virtual pins: pins the fitter places, such as a hard processor
    // system's. Every other port bit without a location must be virtual.
    std::map<std::string, std::string> portsWithoutLocation;
    // get_ports patterns of the .sdc, and instance-assignment targets of the
    // .qsf, that may match no port.
    std::map<std::string, std::string> unmatchedTargets;
    // Locations (PIN_AF25) that a board's own assignments and a port may
    // both name.
    std::map<std::string, std::string> sharedLocations;
};

// Problems found in the project <folder>/<projectName>.*; empty when every
// tool accepts it. Each problem names the tool or file it comes from.
std::vector<std::string> CheckProject(const std::string& folder, const std::string& projectName,
                                      const CheckOptions& options = {});

// Many projects at once, each in a folder of its own: the HDL tools run
// once over every Verilog project and once over every VHDL project (one
// tool start costs about a second), the Tcl reader once over every project
// in one tclsh, xmllint once over every report; only when such a run fails
// does each of its projects run alone, so that the problems name their
// project. A project whose files and options equal an earlier one's but for
// its name (in file names and texts) is not checked again: it takes the
// earlier one's problems, told with its own folder and name. The projects'
// names must differ. Returns the problems per project, in order.
struct ProjectToCheck {
    std::string folder;
    std::string name;
    CheckOptions options;
};
std::vector<std::vector<std::string>> CheckProjects(const std::vector<ProjectToCheck>& projects);

// One top-level port bit ("LED[3]" or "CLOCK_50") and its direction
// ("input", "output" or "inout").
struct PortBit {
    std::string name;
    std::string direction;
};

// The port bits of a generated top-level file (.v or .vhd), in order; false
// with a problem added when the port list cannot be read.
bool ReadTopLevelPorts(const std::string& file, std::vector<PortBit>& ports,
                       std::vector<std::string>& problems);

} // namespace checker
