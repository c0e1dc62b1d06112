#include "boards/ExportSet.h"

#include "platform/AsciiText.h"
#include "platform/Resources.h"
#include "platform/Ui.h"

#include <map>
#include <mutex>

namespace {

bool IsIdentifierStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsIdentifierPart(char c) {
    return IsIdentifierStart(c) || (c >= '0' && c <= '9') || c == '$';
}

} // namespace

std::vector<std::string> VerilogModuleNames(std::string_view source) {
    std::vector<std::string> names;
    bool afterModule = false;
    std::size_t i = 0;
    while (i < source.size()) {
        const char c = source[i];
        if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
            const std::size_t end = source.find('\n', i);
            i = end == std::string_view::npos ? source.size() : end;
        } else if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
            const std::size_t end = source.find("*/", i + 2);
            i = end == std::string_view::npos ? source.size() : end + 2;
        } else if (c == '"') {
            ++i;
            while (i < source.size() && source[i] != '"' && source[i] != '\n') {
                i += source[i] == '\\' ? std::size_t{2} : std::size_t{1};
            }
            ++i;
            afterModule = false;
        } else if (IsIdentifierStart(c)) {
            std::size_t end = i + 1;
            while (end < source.size() && IsIdentifierPart(source[end])) {
                ++end;
            }
            const std::string_view word = source.substr(i, end - i);
            if (afterModule) {
                names.emplace_back(word);
            }
            afterModule = word == "module" || word == "macromodule";
            i = end;
        } else {
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
                afterModule = false;
            }
            ++i;
        }
    }
    return names;
}

namespace {

// The exported names of one export set and, per exported file, its modules.
struct BoardExports {
    std::vector<ExportedName> names;
    std::map<std::string, std::vector<std::string>> modules; // by shown file
};

BoardExports ReadBoardExports(const BoardDef& def) {
    BoardExports exports;
    if (!def.text || !def.text->exportSet) {
        return exports;
    }
    for (const config::ExportedFile& file : def.text->exportSet()) {
        const std::string shown = file.folder.empty() ? file.file : file.folder + "/" + file.file;
        exports.names.push_back({platform::ChangeFileExt(file.file, ""), shown, false});
        std::vector<std::string>& modules = exports.modules[shown];
        if (const auto bytes = platform::FindResource(file.resource)) {
            const std::string_view text(reinterpret_cast<const char*>(bytes->data()),
                                        bytes->size());
            modules = VerilogModuleNames(text);
            for (const std::string& module : modules) {
                exports.names.push_back({module, shown, true});
            }
        }
    }
    return exports;
}

// Read once per export set: the data comes from compiled-in files alone and
// never changes. (A board without an export set has no names.)
const BoardExports& ExportsOf(const BoardDef& def) {
    static const BoardExports none;
    if (!def.text || !def.text->exportSet) {
        return none;
    }
    using ExportSetFn = decltype(def.text->exportSet);
    static std::mutex mutex;
    static std::map<ExportSetFn, BoardExports> known;
    const std::lock_guard<std::mutex> lock(mutex);
    auto it = known.find(def.text->exportSet);
    if (it == known.end()) {
        it = known.emplace(def.text->exportSet, ReadBoardExports(def)).first;
    }
    return it->second;
}

} // namespace

const std::vector<ExportedName>& BoardExportedNames(const BoardDef& def) {
    return ExportsOf(def).names;
}

const std::vector<std::string>* ExportedFileModules(const BoardDef& def, const std::string& file) {
    const BoardExports& exports = ExportsOf(def);
    const auto it = exports.modules.find(file);
    return it == exports.modules.end() ? nullptr : &it->second;
}

bool CheckExportedNames(const BoardDef& def, const std::string& projectName, std::string& message) {
    for (const ExportedName& exported : BoardExportedNames(def)) {
        if (!platform::SameIgnoringAsciiCase(exported.name, projectName)) {
            continue;
        }
        message = exported.module
                      ? platform::Format("Project Name %s is the name of the module %s in the "
                                         "file %s that the project exports. Please use a "
                                         "different project name.",
                                         projectName.c_str(), exported.name.c_str(),
                                         exported.file.c_str())
                      : platform::Format("Project Name %s is the name of the file %s that the "
                                         "project exports. Please use a different project name.",
                                         projectName.c_str(), exported.file.c_str());
        return false;
    }
    return true;
}
