#include "support/TopLevelNames.h"

#include "settings/ConfigCommon.h"

#include <sstream>

namespace {

bool Letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool Digit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutCr(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

} // namespace

TopLevelNames ReadTopLevelNames(const std::string& text, bool vhdl) {
    TopLevelNames names;
    std::istringstream in(text);
    std::string line;
    const std::string opening = vhdl ? "entity " : "module ";
    bool inHeader = false;
    while (std::getline(in, line)) {
        line = WithoutCr(line);
        if (!inHeader) {
            if (line.rfind(opening, 0) == 0) {
                const std::size_t end = vhdl ? line.find(' ', opening.size()) : line.find('(');
                names.top = line.substr(opening.size(), end - opening.size());
                inHeader = true;
            }
            continue;
        }
        if (line == ");" || line.rfind("end ", 0) == 0) {
            break;
        }
        if (line.size() < 2 || line[0] != '\t' || line[1] == '/' || line[1] == '-') {
            continue;
        }
        if (vhdl) {
            const std::size_t end = line.find_first_of(" \t:", 1);
            names.ports.push_back(line.substr(1, end - 1));
        } else {
            if (line.back() == ',') {
                line.pop_back();
            }
            names.ports.push_back(line.substr(line.find_last_of('\t') + 1));
        }
    }
    return names;
}

std::string IllegalIdentifier(const std::string& name, bool vhdl) {
    if (name.empty()) {
        return "empty";
    }
    if (vhdl) {
        if (!Letter(name.front())) {
            return "does not begin with a letter";
        }
        for (std::size_t i = 0; i < name.size(); ++i) {
            const char c = name[i];
            if (!Letter(c) && !Digit(c) && c != '_') {
                return "holds a character VHDL does not take";
            }
            if (c == '_' && (i + 1 == name.size() || name[i + 1] == '_')) {
                return "an underscore at the end or two in a row";
            }
        }
        return config::IsVhdlKeyword(name) ? "a VHDL keyword" : "";
    }
    if (!Letter(name.front()) && name.front() != '_') {
        return "does not begin with a letter or _";
    }
    for (const char c : name) {
        if (!Letter(c) && !Digit(c) && c != '_' && c != '$') {
            return "holds a character Verilog does not take";
        }
    }
    return config::IsVerilogKeyword(name) ? "a Verilog keyword" : "";
}
