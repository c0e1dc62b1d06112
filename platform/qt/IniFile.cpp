#include "platform/qt/IniFile.h"

#include "platform/AsciiText.h"
#include "platform/Files.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform::qt {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// "[name]" -> name; false for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return false;
    }
    name = Trim(line.substr(1, line.size() - 2));
    return true;
}

// "key=value" -> key, value; false for a line without '='.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

} // namespace

std::string IniFilePath() {
    return platform::ProgramFolder() + platform::ChangeFileExt(platform::ProgramFileName(), ".INI");
}

int ReadIniInteger(const std::string& path, const std::string& section, const std::string& key,
                   int fallback) {
    std::string text;
    if (!platform::ReadWholeFile(path, text)) {
        return fallback;
    }
    bool inSection = false;
    for (const std::string& line : SplitLines(text)) {
        std::string_view name;
        if (SectionName(line, name)) {
            inSection = platform::SameIgnoringAsciiCase(name, section);
            continue;
        }
        std::string_view k;
        std::string_view v;
        if (inSection && KeyValue(line, k, v) && platform::SameIgnoringAsciiCase(k, key)) {
            const std::string number(v);
            char* end = nullptr;
            const long n = std::strtol(number.c_str(), &end, 10);
            if (end == number.c_str() || n < INT32_MIN || n > INT32_MAX) {
                return fallback;
            }
            return static_cast<int>(n);
        }
    }
    return fallback;
}

bool WriteIniInteger(const std::string& path, const std::string& section, const std::string& key,
                     int value) {
    std::string text;
    std::vector<std::string> lines;
    if (platform::ReadWholeFile(path, text)) {
        lines = SplitLines(text);
    }
    const std::string entry = key + "=" + std::to_string(value);

    bool inSection = false;
    bool done = false;
    std::size_t sectionEnd = lines.size(); // where a missing key goes
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        std::string_view name;
        if (SectionName(lines[i], name)) {
            if (inSection) {
                break;
            }
            inSection = platform::SameIgnoringAsciiCase(name, section);
            if (inSection) {
                sectionFound = true;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string_view k;
        std::string_view v;
        if (KeyValue(lines[i], k, v) && platform::SameIgnoringAsciiCase(k, key)) {
            lines[i] = entry;
            done = true;
        } else if (!Trim(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!done) {
        if (sectionFound) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    // Like a settings file, the INI is written in place when only its folder
    // is locked.
    return platform::ReplaceFile(path, out, platform::ReplaceMode::InPlaceWhenFolderLocked);
}

} // namespace platform::qt
