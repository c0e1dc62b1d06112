#include "support/ProjectChecker.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <fcntl.h>
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

RunResult Run(const std::vector<std::string>& argv, const std::string& cwd) {
    RunResult result;
    int fds[2];
    if (::pipe(fds) != 0) {
        result.output = "pipe failed";
        return result;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        ::close(fds[1]);
        const int devnull = ::open("/dev/null", O_RDONLY);
        if (devnull >= 0) {
            ::dup2(devnull, 0);
        }
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0) {
            ::_exit(126);
        }
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
        result.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
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
        std::string pattern = (fs::temp_directory_path() / "pinsmith-check-XXXXXX").string();
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

// Everything but the HDL tools: .qpf, .qsf and .sdc through Tcl, .htm.
void CheckTexts(Checker& c, const ProjectFiles& f, const CheckOptions& options) {
    CheckQpf(c, f.qpf, f.name);
    std::vector<PortBit> ports;
    ReadTopLevelPorts(f.top, ports, c.problems);

    TempFolder scratch;
    const std::string portsFile = (scratch.Path() / "ports.txt").string();
    {
        std::ofstream out(portsFile);
        for (const PortBit& p : ports) {
            out << p.name << "\n";
        }
    }
    const std::string allowancesFile = (scratch.Path() / "allowances.txt").string();
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
    const std::string script = std::string(PINSMITH_TEST_DATA_DIR) + "/support/quartus_check.tcl";
    const std::string tclOutput =
        c.Tool("tclsh", {script, f.qsf, f.sdc, portsFile, f.name, allowancesFile});
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

    // An ampersand followed by a blank (a group named "Flash & SSRAM") is
    // plain text in HTML; xmllint's parser wants every one written as an
    // entity, so it reads a copy with those written so.
    std::string html;
    std::string htmForLint = f.htm;
    if (ReadText(f.htm, html) && html.find("& ") != std::string::npos) {
        htmForLint = (scratch.Path() / "report.htm").string();
        std::ofstream(htmForLint, std::ios::binary)
            << std::regex_replace(html, std::regex("& "), "&amp; ");
    }
    c.Tool("xmllint", {"--html", "--noout", htmForLint}, "", true);
    // A virtual pin without an I/O standard is a bit no pin carries: the
    // report has no row for it.
    std::set<std::string> bitsWithoutPin;
    for (const std::string& bit : virtualPins) {
        if (!standards.count(bit)) {
            bitsWithoutPin.insert(bit);
        }
    }
    CheckHtmlRows(c, f.htm, locations, standards, ports, bitsWithoutPin);
    CheckExportedFilesFound(c, f, listedFiles);
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

    // One run per tool over the Verilog projects: their tops, and each IP
    // file once (projects of one board export the same modules).
    std::vector<std::size_t> verilog, vhdl;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (found[i]) {
            (files[i].verilog ? verilog : vhdl).push_back(i);
        }
    }
    const auto runAlone = [&](const std::vector<std::size_t>& group) {
        for (const std::size_t i : group) {
            CheckHdl(checkers[i], files[i]);
        }
    };
    if (!verilog.empty()) {
        std::vector<std::string> tops, all;
        std::map<std::string, std::string> ipByName; // file name -> first copy
        bool clash = false;
        for (const std::size_t i : verilog) {
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
            runAlone(verilog);
        }
    }
    if (!vhdl.empty()) {
        std::vector<std::string> tops;
        bool withIp = false;
        for (const std::size_t i : vhdl) {
            tops.push_back(files[i].top);
            withIp = withIp || !VerilogFilesBelow(files[i].folder, files[i].top).empty();
        }
        Checker batch;
        if (!withIp) {
            RunVhdlTools(batch, tops);
        }
        if (withIp || !batch.problems.empty()) {
            runAlone(vhdl);
        }
    }

    std::vector<std::vector<std::string>> problems(projects.size());
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (found[i]) {
            CheckTexts(checkers[i], files[i], projects[i].options);
        }
        problems[i] = std::move(checkers[i].problems);
    }
    return problems;
}

} // namespace checker
