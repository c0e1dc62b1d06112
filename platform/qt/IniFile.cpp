#include "platform/qt/IniFile.h"

#include "platform/AsciiText.h"
#include "platform/Files.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
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

// One line of the file: its text from begin to end, its line end (CR LF,
// LF or CR) up to next.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

// A UTF-8 byte-order mark some editors put in front of the first line. It
// is no part of that line: it is skipped when the lines are read and stays
// in front of them when the file is written again.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::size_t TextStart(const std::string& text) {
    return std::string_view(text).substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
}

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t begin = TextStart(text);
    for (std::size_t i = begin; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            const std::size_t next =
                c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
            lines.push_back({begin, i, next});
            begin = next;
            i = next - 1;
        }
    }
    if (begin < text.size()) {
        lines.push_back({begin, text.size(), text.size()});
    }
    return lines;
}

std::string_view TextOf(const std::string& text, const Line& line) {
    return std::string_view(text).substr(line.begin, line.end - line.begin);
}

// The line end the file uses (its first one); CR LF for a file without one.
std::string LineEndOf(const std::string& text) {
    const std::size_t i = text.find_first_of("\r\n", TextStart(text));
    if (i == std::string::npos) {
        return "\r\n";
    }
    if (text[i] == '\r') {
        return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return "\n";
}

// The INI is the program's own small file: more than this is not one.
constexpr std::size_t kMaxIniBytes = 64 * 1024;

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
    if (!platform::ReadSmallFile(path, kMaxIniBytes, text)) {
        return fallback;
    }
    bool inSection = false;
    for (const Line& span : SplitLines(text)) {
        const std::string_view line = TextOf(text, span);
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
    // A file that is there but cannot be read (or is no INI of this program's
    // size) is not ours to rewrite: it stays as it is.
    std::string text;
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !platform::ReadSmallFile(path, kMaxIniBytes, text)) {
        return false;
    }
    const std::string eol = LineEndOf(text);
    const std::string entry = key + "=" + std::to_string(value);

    // Only the key's line changes; a missing key goes after the last line
    // of its section that is not empty, a missing section at the end.
    std::string out;
    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = std::string::npos;
    const std::vector<Line> lines = SplitLines(text);
    for (const Line& line : lines) {
        const std::string_view lineText = TextOf(text, line);
        std::string_view name;
        if (SectionName(lineText, name)) {
            if (inSection) {
                break;
            }
            inSection = platform::SameIgnoringAsciiCase(name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = line.end;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string_view k;
        std::string_view v;
        if (KeyValue(lineText, k, v) && platform::SameIgnoringAsciiCase(k, key)) {
            out = text.substr(0, line.begin) + entry + text.substr(line.end);
            break;
        }
        if (!Trim(lineText).empty()) {
            insertAt = line.end;
        }
    }
    if (out.empty()) {
        if (sectionFound) {
            out = text.substr(0, insertAt) + eol + entry + text.substr(insertAt);
            if (insertAt == text.size()) {
                out += eol;
            }
        } else {
            out = text;
            if (out.size() > TextStart(text) && out.back() != '\r' && out.back() != '\n') {
                out += eol;
            }
            out += "[" + section + "]" + eol + entry + eol;
        }
    }
    if (out == text) {
        return true;
    }
    // Like a settings file, the INI is written in place when only its folder
    // is locked.
    return platform::ReplaceFile(path, out, platform::ReplaceMode::InPlaceWhenFolderLocked);
}

} // namespace platform::qt
