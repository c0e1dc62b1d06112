#include "support/ProjectChecker.h"

#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef PINSMITH_TEST_DATA_DIR
#error "PINSMITH_TEST_DATA_DIR must name the tests/ source folder"
#endif

namespace fs = std::filesystem;

namespace checker {
namespace {

// Verilator with -Wall, less the warnings that a generated skeleton raises by
// its nature:
//   UNUSED          input ports (and the wires of board blocks) that no logic
//                   reads yet: the user's design is still to be written;
//   UNDRIVEN        output ports that no logic drives yet, same reason;
//   PINCONNECTEMPTY controller outputs that a board block leaves open on
//                   purpose (".clk1_set_rd()");
//   PINMISSING      a clock-chip controller's instance leaves its status
//                   outputs it does not read unnamed (".oPLL_REG_CONFIG_DONE()"
//                   and no oPLL_I2C_ID_READ_ERROR); Quartus accepts that.
//   DECLFILENAME    exported IP files are named by the board's file list, not
//                   by their module (EXT_PLL_CTRL.v holds ext_pll_ctrl).
// --timescale gives modules without one the usual unit, since exported IP
// files may carry a `timescale where the generated top level has none.
const char* const kVerilatorOptions[] = {"--lint-only",
                                         "-Wall",
                                         "-Wno-UNUSED",
                                         "-Wno-UNDRIVEN",
                                         "-Wno-PINCONNECTEMPTY",
                                         "-Wno-PINMISSING",
                                         "-Wno-DECLFILENAME",
                                         "--timescale",
                                         "1ns/1ps"};

// iverilog with every warning but two, for the same reasons: portbind (an
// input a board block leaves open, ".conf_rd()") and timescale (IP files
// with a `timescale beside a top level without one).
const char* const kIverilogOptions[] = {"-t", "null", "-Wall", "-Wno-portbind", "-Wno-timescale"};

struct RunResult {
    int status = -1;    // exit code; -1 when the program could not be run
    std::string output; // stdout and stderr together
};

std::string FindTool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::string();
}

// Runs a program with posix_spawn: unlike fork, it does not copy the test
// process's page tables only to throw them away, which costs more than the
// tool itself when it runs a thousand times.
RunResult Run(const std::vector<std::string>& argv, const std::string& cwd) {
    RunResult result;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        result.output = "pipe failed";
        return result;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!cwd.empty()) {
        ::posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    }
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (error != 0) {
        ::close(fds[0]);
        result.output = "cannot run " + argv[0] + ": " + std::strerror(error);
        return result;
    }
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
        result.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    return result;
}

class Checker {
public:
    std::vector<std::string> problems;

    void Add(const std::string& problem) { problems.push_back(problem); }

    // Runs a tool by name; a missing tool, a failing exit code or (with
    // quiet) any output is a problem. Returns the output.
    std::string Tool(const std::string& name, std::vector<std::string> args,
                     const std::string& cwd = "", bool quiet = false) {
        const std::string path = FindTool(name);
        if (path.empty()) {
            Add(name + ": not installed");
            return std::string();
        }
        args.insert(args.begin(), path);
        const RunResult r = Run(args, cwd);
        if (r.status != 0 || (quiet && !r.output.empty())) {
            Add(name + " (exit " + std::to_string(r.status) + "): " + r.output);
        }
        return r.output;
    }
};

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (TempDir::Root() / "pinsmith-check-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

bool ReadText(const std::string& file, std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

void AddBits(std::vector<PortBit>& ports, const std::string& name, const std::string& direction,
             bool bus, int msb, int lsb) {
    if (!bus) {
        ports.push_back({name, direction});
        return;
    }
    const int step = msb >= lsb ? -1 : 1;
    for (int i = msb;; i += step) {
        ports.push_back({name + "[" + std::to_string(i) + "]", direction});
        if (i == lsb) {
            break;
        }
    }
}

void CheckQpf(Checker& c, const std::string& file, const std::string& project) {
    std::string text;
    if (!ReadText(file, text)) {
        c.Add("qpf: cannot read " + file);
        return;
    }
    const std::vector<std::string> lines = Lines(text);
    if (lines.empty() || lines[0].rfind("DATE = \"", 0) != 0) {
        c.Add("qpf: the first line is not the DATE line");
    }
    if (std::find(lines.begin(), lines.end(), "PROJECT_REVISION = \"" + project + "\"") ==
        lines.end()) {
        c.Add("qpf: no PROJECT_REVISION line for " + project);
    }
}

std::vector<std::string> VerilogFilesBelow(const std::string& folder, const std::string& except) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".v" &&
            entry.path() != fs::path(except)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The .htm rows against the .qsf assignments and the ports.
void CheckHtmlRows(Checker& c, const std::string& htmFile,
                   const std::map<std::string, std::vector<std::string>>& locations,
                   const std::map<std::string, std::vector<std::string>>& standards,
                   const std::vector<PortBit>& ports, const std::set<std::string>& bitsWithoutPin) {
    std::string html;
    if (!ReadText(htmFile, html)) {
        c.Add("htm: cannot read " + htmFile);
        return;
    }
    const std::regex rowPattern(R"(<tr>([\s\S]*?)</tr>)");
    const std::regex cellPattern(R"(<td[^>]*>([\s\S]*?)</td>)");
    std::map<std::string, std::string> rowDirection;
    for (auto row = std::sregex_iterator(html.begin(), html.end(), rowPattern);
         row != std::sregex_iterator(); ++row) {
        const std::string body = (*row)[1];
        std::vector<std::string> cells;
        for (auto cell = std::sregex_iterator(body.begin(), body.end(), cellPattern);
             cell != std::sregex_iterator(); ++cell) {
            cells.push_back((*cell)[1]);
        }
        if (cells.empty()) {
            continue; // the header row
        }
        if (cells.size() < 4) {
            c.Add("htm: a row with " + std::to_string(cells.size()) + " cells");
            continue;
        }
        const std::string& name = cells[0];
        if (rowDirection.count(name)) {
            c.Add("htm: " + name + " has two rows");
        }
        rowDirection[name] = Trim(cells[2]);
        if (cells[1] == "-") {
            continue; // a signal the report hides on purpose
        }
        const auto loc = locations.find(name);
        const std::string qsfLocation =
            loc == locations.end() || loc->second.empty() ? std::string() : loc->second[0];
        const std::string htmLocation = cells[1].empty() ? std::string() : "PIN_" + cells[1];
        if (qsfLocation != htmLocation) {
            c.Add("htm: " + name + " at \"" + cells[1] + "\", the qsf gives \"" + qsfLocation +
                  "\"");
        }
        const auto std = standards.find(name);
        if (std == standards.end() || std->second.empty() || std->second[0] != cells[3]) {
            c.Add("htm: " + name + " has standard \"" + cells[3] + "\", the qsf disagrees");
        }
    }
    for (const auto& [target, values] : locations) {
        if (target.find('~') == std::string::npos && !rowDirection.count(target)) {
            c.Add("htm: no row for " + target + ", which the qsf places");
        }
    }
    for (const PortBit& port : ports) {
        const auto row = rowDirection.find(port.name);
        const bool withoutPin = bitsWithoutPin.count(port.name) != 0;
        if (withoutPin && row != rowDirection.end()) {
            c.Add("htm: a row for " + port.name + ", which has no pin");
        } else if (withoutPin) {
            continue;
        } else if (row == rowDirection.end()) {
            c.Add("htm: no row for port " + port.name);
        } else if (row->second != port.direction) {
            c.Add("htm: " + port.name + " is \"" + row->second + "\", the top level says " +
                  port.direction);
        }
    }
}

} // namespace

bool ReadTopLevelPorts(const std::string& file, std::vector<PortBit>& ports,
                       std::vector<std::string>& problems) {
    std::string text;
    if (!ReadText(file, text)) {
        problems.push_back("ports: cannot read " + file);
        return false;
    }
    const bool vhdl = fs::path(file).extension() == ".vhd";
    const std::regex verilogPort(
        R"(^(input|output|inout)\s*(\[\s*(-?\d+)\s*:\s*(-?\d+)\s*\])?\s*([A-Za-z_][A-Za-z0-9_$]*)\s*,?$)");
    const std::regex vhdlPort(
        R"(^([A-Za-z][A-Za-z0-9_]*)\s*:\s*(in|out|inout)\s+(std_logic_vector\s*\(\s*(\d+)\s+downto\s+(\d+)\s*\)|std_logic)\s*;?$)",
        std::regex::icase);
    bool inList = false;
    bool done = false;
    for (const std::string& raw : Lines(text)) {
        const std::string line = Trim(raw);
        if (!inList) {
            if (vhdl && line.rfind("end ", 0) == 0) {
                done = true; // an entity without ports has no port clause
                break;
            }
            inList = vhdl ? line == "(" : line.rfind("module ", 0) == 0;
            continue;
        }
        if (line.rfind(");", 0) == 0) {
            done = true;
            break;
        }
        if (line.empty() || line.rfind("//", 0) == 0 || line.rfind("--", 0) == 0) {
            continue;
        }
        std::smatch m;
        if (!vhdl && std::regex_match(line, m, verilogPort)) {
            AddBits(ports, m[5], m[1], m[2].matched, m[2].matched ? std::stoi(m[3]) : 0,
                    m[2].matched ? std::stoi(m[4]) : 0);
        } else if (vhdl && std::regex_match(line, m, vhdlPort)) {
            std::string dir = m[2];
            std::transform(dir.begin(), dir.end(), dir.begin(), ::tolower);
            const std::string direction = dir == "in" ? "input" : dir == "out" ? "output" : "inout";
            AddBits(ports, m[1], direction, m[4].matched, m[4].matched ? std::stoi(m[4]) : 0,
                    m[5].matched ? std::stoi(m[5]) : 0);
        } else {
            problems.push_back("ports: cannot read the port line \"" + line + "\"");
            return false;
        }
    }
    if (!done) {
        problems.push_back("ports: no port list in " + file);
    }
    return done;
}

namespace {

struct ProjectFiles {
    std::string folder, name, qpf, qsf, sdc, htm, top;
    bool verilog = false;
};

// The names of the modules a Verilog file defines.
std::set<std::string> ModuleNames(const std::string& file) {
    std::set<std::string> names;
    std::string text;
    if (!ReadText(file, text)) {
        return names;
    }
    text = std::regex_replace(text, std::regex(R"(//[^\n]*)"), "");
    text = std::regex_replace(text, std::regex(R"(/\*[\s\S]*?\*/)"), " ");
    const std::regex modulePattern(R"((^|[^A-Za-z0-9_$])module\s+([A-Za-z_][A-Za-z0-9_$]*))");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), modulePattern);
         m != std::sregex_iterator(); ++m) {
        names.insert((*m)[2]);
    }
    return names;
}

// Quartus finds a module the design instantiates in a file the .qsf names,
// or in the project folder's file of the module's name (exact case on this
// file system).
void CheckExportedFilesFound(Checker& c, const ProjectFiles& f,
                             const std::set<std::string>& listedFiles) {
    for (const std::string& file : VerilogFilesBelow(f.folder, f.top)) {
        const fs::path relative = fs::path(file).lexically_relative(f.folder);
        if (listedFiles.count(relative.generic_string())) {
            continue;
        }
        const std::string stem = relative.stem().string();
        if (relative.has_parent_path() || !ModuleNames(file).count(stem)) {
            c.Add("qsf: the exported " + relative.generic_string() +
                  " is neither named by VERILOG_FILE nor found by its module's name");
        }
    }
}

// The files of a project; false with problems when one is missing.
bool FindFiles(Checker& c, const std::string& folderIn, const std::string& projectName,
               ProjectFiles& f) {
    f.folder = fs::path(folderIn).string();
    f.name = projectName;
    const std::string base = (fs::path(f.folder) / projectName).string();
    f.qpf = base + ".qpf";
    f.qsf = base + ".qsf";
    f.sdc = base + ".sdc";
    f.htm = base + ".htm";
    for (const std::string& file : {f.qpf, f.qsf, f.sdc, f.htm}) {
        if (!fs::is_regular_file(file)) {
            c.Add("missing file " + file);
        }
    }
    const bool hasV = fs::is_regular_file(base + ".v");
    const bool hasVhd = fs::is_regular_file(base + ".vhd");
    if (hasV == hasVhd) {
        c.Add(hasV ? "both a .v and a .vhd top level" : "no top-level file");
    }
    f.verilog = hasV;
    f.top = hasV ? base + ".v" : base + ".vhd";
    return c.problems.empty();
}

void RunVerilogTools(Checker& c, const std::vector<std::string>& tops,
                     const std::vector<std::string>& files) {
    std::vector<std::string> iverilog(std::begin(kIverilogOptions), std::end(kIverilogOptions));
    for (const std::string& top : tops) {
        iverilog.insert(iverilog.end(), {"-s", top});
    }
    iverilog.insert(iverilog.end(), files.begin(), files.end());
    c.Tool("iverilog", iverilog, "", true);
    std::vector<std::string> verilator(std::begin(kVerilatorOptions), std::end(kVerilatorOptions));
    if (tops.size() == 1) {
        verilator.insert(verilator.end(), {"--top-module", tops[0]});
    } else {
        verilator.push_back("-Wno-MULTITOP");
    }
    verilator.insert(verilator.end(), files.begin(), files.end());
    c.Tool("verilator", verilator, "", true);
}

void RunVhdlTools(Checker& c, const std::vector<std::string>& tops) {
    // ghdl keeps its library in the working folder: run it in a fresh one.
    TempFolder work;
    std::vector<std::string> absolute;
    for (const std::string& top : tops) {
        absolute.push_back(fs::absolute(top).string());
    }
    std::vector<std::string> syntax = {"-s", "--std=93c"};
    syntax.insert(syntax.end(), absolute.begin(), absolute.end());
    c.Tool("ghdl", syntax, work.Path().string(), true);
    std::vector<std::string> analyse = {"-a", "--std=93c"};
    analyse.insert(analyse.end(), absolute.begin(), absolute.end());
    c.Tool("ghdl", analyse, work.Path().string(), true);
}

// The HDL tools over one project: its top level with its exported IP.
void CheckHdl(Checker& c, const ProjectFiles& f) {
    const std::vector<std::string> ipFiles = VerilogFilesBelow(f.folder, f.top);
    if (f.verilog) {
        std::vector<std::string> files = {f.top};
        files.insert(files.end(), ipFiles.begin(), ipFiles.end());
        RunVerilogTools(c, {f.name}, files);
    } else {
        RunVhdlTools(c, {f.top});
        if (!ipFiles.empty()) {
            std::vector<std::string> iverilog(std::begin(kIverilogOptions),
                                              std::end(kIverilogOptions));
            iverilog.insert(iverilog.end(), ipFiles.begin(), ipFiles.end());
            c.Tool("iverilog", iverilog, "", true);
        }
    }
}

// A project's inputs to the text tools, written before the tools run so that
// one run can take many projects.
struct TextInputs {
    std::vector<PortBit> ports;
    std::vector<std::string> tclArgs; // quartus_check.tcl's arguments
    std::string htmForLint;           // the .htm, or a copy xmllint can read
};

std::string TclScript() {
    return std::string(PINSMITH_TEST_DATA_DIR) + "/support/quartus_check.tcl";
}

// Everything but the HDL tools: .qpf, .qsf and .sdc through Tcl, .htm. The
// first half checks the .qpf, reads the ports and writes the Tcl reader's
// files into scratch.
TextInputs PrepareTexts(Checker& c, const ProjectFiles& f, const CheckOptions& options,
                        const fs::path& scratch) {
    TextInputs t;
    CheckQpf(c, f.qpf, f.name);
    std::vector<PortBit>& ports = t.ports;
    ReadTopLevelPorts(f.top, ports, c.problems);

    const std::string portsFile = (scratch / "ports.txt").string();
    {
        std::ofstream out(portsFile);
        for (const PortBit& p : ports) {
            out << p.name << "\n";
        }
    }
    const std::string allowancesFile = (scratch / "allowances.txt").string();
    {
        std::ofstream out(allowancesFile);
        for (const auto& [port, reason] : options.portsWithoutLocation) {
            out << "NOLOCATION " << port << "\n";
        }
        for (const auto& [pattern, reason] : options.unmatchedTargets) {
            out << "UNMATCHED " << pattern << "\n";
        }
        for (const auto& [location, reason] : options.sharedLocations) {
            out << "SHARED " << location << "\n";
        }
    }
    t.tclArgs = {f.qsf, f.sdc, portsFile, f.name, allowancesFile};

    // An ampersand followed by a blank (a group named "Flash & SSRAM") is
    // plain text in HTML; xmllint's parser wants every one written as an
    // entity, so it reads a copy with those written so.
    std::string html;
    t.htmForLint = f.htm;
    if (ReadText(f.htm, html) && html.find("& ") != std::string::npos) {
        t.htmForLint = (scratch / "report.htm").string();
        std::ofstream(t.htmForLint, std::ios::binary)
            << std::regex_replace(html, std::regex("& "), "&amp; ");
    }
    return t;
}

// The second half: the Tcl reader's answer and xmllint, each run here unless
// a batch run already has the answer (tclOutput) or found no problem
// (lintClean); then the .htm rows.
void FinishTexts(Checker& c, const ProjectFiles& f, const TextInputs& t,
                 const std::optional<std::string>& batchTclOutput = {}, bool lintClean = false) {
    std::vector<std::string> tclArgs = t.tclArgs;
    tclArgs.insert(tclArgs.begin(), TclScript());
    const std::string tclOutput = batchTclOutput ? *batchTclOutput : c.Tool("tclsh", tclArgs);
    std::map<std::string, std::vector<std::string>> locations;
    std::map<std::string, std::vector<std::string>> standards;
    std::set<std::string> virtualPins;
    std::set<std::string> listedFiles;
    for (const std::string& line : Lines(tclOutput)) {
        std::vector<std::string> fields;
        std::stringstream s(line);
        for (std::string field; std::getline(s, field, '\t');) {
            fields.push_back(field);
        }
        if (fields.size() == 2 && fields[0] == "PROBLEM") {
            c.Add("tclsh: " + fields[1]);
        } else if (fields.size() == 3 && fields[0] == "LOCATION") {
            locations[fields[1]].push_back(fields[2]);
        } else if (fields.size() == 3 && fields[0] == "IO_STANDARD") {
            standards[fields[1]].push_back(fields[2]);
        } else if (fields.size() == 2 && fields[0] == "VIRTUAL") {
            virtualPins.insert(fields[1]);
        } else if (fields.size() == 2 && fields[0] == "VERILOG_FILE") {
            listedFiles.insert(fields[1]);
        } else if (!line.empty()) {
            c.Add("tclsh: " + line);
        }
    }

    if (!lintClean) {
        c.Tool("xmllint", {"--html", "--noout", t.htmForLint}, "", true);
    }
    // A virtual pin without an I/O standard is a bit no pin carries: the
    // report has no row for it.
    std::set<std::string> bitsWithoutPin;
    for (const std::string& bit : virtualPins) {
        if (!standards.count(bit)) {
            bitsWithoutPin.insert(bit);
        }
    }
    CheckHtmlRows(c, f.htm, locations, standards, t.ports, bitsWithoutPin);
    CheckExportedFilesFound(c, f, listedFiles);
}

void CheckTexts(Checker& c, const ProjectFiles& f, const CheckOptions& options) {
    TempFolder scratch;
    const TextInputs t = PrepareTexts(c, f, options, scratch.Path());
    FinishTexts(c, f, t);
}

// The files below a project's folder as one text, each under its path, with
// the project's name replaced by a mark, followed by its options: projects
// with equal texts get the same answer from every check but for the name.
std::string Fingerprint(const ProjectToCheck& project) {
    const auto unnamed = [&](std::string text) {
        for (std::size_t at = 0; (at = text.find(project.name, at)) != std::string::npos;) {
            text.replace(at, project.name.size(), "\x01");
        }
        return text;
    };
    std::vector<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(project.folder)) {
        if (entry.is_regular_file()) {
            paths.push_back(entry.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::string all;
    for (const std::string& path : paths) {
        std::string text;
        ReadText(path, text);
        const std::string relative = fs::relative(path, project.folder).string();
        all += unnamed(relative) + "\n" + std::to_string(text.size()) + "\n" + unnamed(text);
    }
    all += "\noptions\n";
    static_assert(sizeof(CheckOptions) == 3 * sizeof(std::map<std::string, std::string>),
                  "every check option belongs in the fingerprint");
    for (const auto* names :
         {&project.options.portsWithoutLocation, &project.options.unmatchedTargets,
          &project.options.sharedLocations}) {
        for (const auto& [name, reason] : *names) {
            all += name + "\n";
        }
        all += "\n";
    }
    return all;
}

// For each project the first one equal to it but for the name (itself when
// none is); only projects whose files were found take part.
std::vector<std::size_t> FindRepeats(const std::vector<ProjectToCheck>& projects,
                                     const std::vector<bool>& found) {
    std::vector<std::size_t> sameAs(projects.size());
    std::map<std::size_t, std::vector<std::size_t>> byHash; // hash -> first projects
    for (std::size_t i = 0; i < projects.size(); ++i) {
        sameAs[i] = i;
        if (!found[i] || projects[i].name.empty()) {
            continue;
        }
        const std::string text = Fingerprint(projects[i]);
        std::vector<std::size_t>& candidates = byHash[std::hash<std::string>()(text)];
        for (const std::size_t j : candidates) {
            if (Fingerprint(projects[j]) == text) {
                sameAs[i] = j;
                break;
            }
        }
        if (sameAs[i] == i) {
            candidates.push_back(i);
        }
    }
    return sameAs;
}

// Another project's problems told of this one: its folder and name in place
// of the other's.
std::vector<std::string> Renamed(const std::vector<std::string>& problems,
                                 const ProjectToCheck& from, const ProjectToCheck& to) {
    std::vector<std::string> renamed;
    for (const std::string& problem : problems) {
        std::string text;
        for (std::size_t at = 0; at < problem.size();) {
            if (!from.folder.empty() && problem.compare(at, from.folder.size(), from.folder) == 0) {
                text += to.folder;
                at += from.folder.size();
            } else if (problem.compare(at, from.name.size(), from.name) == 0) {
                text += to.name;
                at += from.name.size();
            } else {
                text += problem[at++];
            }
        }
        renamed.push_back(text);
    }
    return renamed;
}

// The text checks of many projects with one Tcl reader and one xmllint run
// over all of them. A reader that fails, or an xmllint with anything to say,
// runs again project by project, so that each problem names its project.
void CheckTextsTogether(std::vector<Checker>& checkers, const std::vector<ProjectFiles>& files,
                        const std::vector<ProjectToCheck>& projects,
                        const std::vector<std::size_t>& group) {
    if (group.empty()) {
        return;
    }
    TempFolder scratch;
    std::vector<TextInputs> inputs;
    std::string jobs;
    std::vector<std::string> lint = {"--html", "--noout"};
    for (std::size_t k = 0; k < group.size(); ++k) {
        const std::size_t i = group[k];
        const fs::path folder = scratch.Path() / std::to_string(k);
        fs::create_directory(folder);
        inputs.push_back(PrepareTexts(checkers[i], files[i], projects[i].options, folder));
        for (const std::string& arg : inputs.back().tclArgs) {
            jobs += arg + "\n";
        }
        lint.push_back(inputs.back().htmForLint);
    }
    const std::string jobsFile = (scratch.Path() / "jobs.txt").string();
    std::ofstream(jobsFile, std::ios::binary) << jobs;

    // The reader's answer, cut at its "PROJECT<tab>n" lines.
    Checker tclRun;
    const std::string tclOutput = tclRun.Tool(
        "tclsh",
        {std::string(PINSMITH_TEST_DATA_DIR) + "/support/quartus_check_batch.tcl", jobsFile});
    std::vector<std::string> answers;
    bool tclDone = tclRun.problems.empty();
    for (const std::string& line : Lines(tclOutput)) {
        if (line == "PROJECT\t" + std::to_string(answers.size())) {
            answers.emplace_back();
        } else if (answers.empty()) {
            tclDone = false;
        } else {
            answers.back() += line + "\n";
        }
    }
    tclDone = tclDone && answers.size() == group.size();

    Checker lintRun;
    lintRun.Tool("xmllint", lint, "", true);
    const bool lintClean = lintRun.problems.empty();

    for (std::size_t k = 0; k < group.size(); ++k) {
        const std::size_t i = group[k];
        FinishTexts(checkers[i], files[i], inputs[k],
                    tclDone ? std::optional<std::string>(answers[k]) : std::nullopt, lintClean);
    }
}

// The HDL tools' batches: Verilator's time grows faster than the number of
// top modules it is given (a hundred cost over twice fifty), so a board's
// hundreds of projects go in batches of fifty.
std::vector<std::vector<std::size_t>> Batches(const std::vector<std::size_t>& projects) {
    constexpr std::size_t kBatch = 50;
    std::vector<std::vector<std::size_t>> batches;
    for (std::size_t from = 0; from < projects.size(); from += kBatch) {
        batches.emplace_back(projects.begin() + static_cast<std::ptrdiff_t>(from),
                             projects.begin() + static_cast<std::ptrdiff_t>(
                                                    std::min(from + kBatch, projects.size())));
    }
    return batches;
}

} // namespace

std::vector<std::string> CheckProject(const std::string& folder, const std::string& projectName,
                                      const CheckOptions& options) {
    Checker c;
    ProjectFiles f;
    if (!FindFiles(c, folder, projectName, f)) {
        return c.problems;
    }
    CheckHdl(c, f);
    CheckTexts(c, f, options);
    return c.problems;
}

std::vector<std::vector<std::string>> CheckProjects(const std::vector<ProjectToCheck>& projects) {
    std::vector<Checker> checkers(projects.size());
    std::vector<ProjectFiles> files(projects.size());
    std::vector<bool> found(projects.size());
    for (std::size_t i = 0; i < projects.size(); ++i) {
        found[i] = FindFiles(checkers[i], projects[i].folder, projects[i].name, files[i]);
    }
    // Projects that equal one before them but for their name take its
    // answers; the others are checked.
    const std::vector<std::size_t> sameAs = FindRepeats(projects, found);
    std::vector<std::size_t> checked;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (found[i] && sameAs[i] == i) {
            checked.push_back(i);
        }
    }

    // One run per tool over each batch of Verilog projects: their tops, and
    // each IP file once (projects of one board export the same modules).
    std::vector<std::size_t> verilog, vhdl;
    for (const std::size_t i : checked) {
        (files[i].verilog ? verilog : vhdl).push_back(i);
    }
    const auto runAlone = [&](const std::vector<std::size_t>& group) {
        for (const std::size_t i : group) {
            CheckHdl(checkers[i], files[i]);
        }
    };
    for (const std::vector<std::size_t>& group : Batches(verilog)) {
        std::vector<std::string> tops, all;
        std::map<std::string, std::string> ipByName; // file name -> first copy
        bool clash = false;
        for (const std::size_t i : group) {
            tops.push_back(files[i].name);
            all.push_back(files[i].top);
            for (const std::string& ip : VerilogFilesBelow(files[i].folder, files[i].top)) {
                const std::string key = fs::path(ip).filename().string();
                const auto known = ipByName.find(key);
                if (known == ipByName.end()) {
                    ipByName[key] = ip;
                    all.push_back(ip);
                } else {
                    std::string a, b;
                    clash = clash || !ReadText(known->second, a) || !ReadText(ip, b) || a != b;
                }
            }
        }
        Checker batch;
        if (!clash) {
            RunVerilogTools(batch, tops, all);
        }
        if (clash || !batch.problems.empty()) {
            runAlone(group);
        }
    }
    for (const std::vector<std::size_t>& group : Batches(vhdl)) {
        std::vector<std::string> tops;
        bool withIp = false;
        for (const std::size_t i : group) {
            tops.push_back(files[i].top);
            withIp = withIp || !VerilogFilesBelow(files[i].folder, files[i].top).empty();
        }
        Checker batch;
        if (!withIp) {
            RunVhdlTools(batch, tops);
        }
        if (withIp || !batch.problems.empty()) {
            runAlone(group);
        }
    }

    CheckTextsTogether(checkers, files, projects, checked);

    std::vector<std::vector<std::string>> problems(projects.size());
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (found[i] && sameAs[i] != i) {
            problems[i] = Renamed(checkers[sameAs[i]].problems, projects[sameAs[i]], projects[i]);
        } else {
            problems[i] = checkers[i].problems;
        }
    }
    return problems;
}

} // namespace checker
