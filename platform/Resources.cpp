#include "platform/Resources.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform {

// Defined by the file that cmake/EmbedResources.cmake generates.
const EmbeddedFile* pinsmith_resources_table();

namespace {

std::vector<const EmbeddedFile*>& ExtraTables() {
    static std::vector<const EmbeddedFile*> tables;
    return tables;
}

bool SameNameIgnoringCase(const char* a, const std::string& b) {
    std::size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return a[i] == '\0' && i == b.size();
}

const EmbeddedFile* Search(const EmbeddedFile* table, const std::string& name) {
    for (; table && table->name; ++table) {
        if (SameNameIgnoringCase(table->name, name)) {
            return table;
        }
    }
    return nullptr;
}

} // namespace

std::optional<std::span<const unsigned char>> FindResource(const std::string& name) {
    for (const EmbeddedFile* table : ExtraTables()) {
        if (const EmbeddedFile* f = Search(table, name)) {
            return std::span<const unsigned char>(f->data, f->size);
        }
    }
    if (const EmbeddedFile* f = Search(pinsmith_resources_table(), name)) {
        return std::span<const unsigned char>(f->data, f->size);
    }
    return std::nullopt;
}

void AddResourceTable(const EmbeddedFile* table) { ExtraTables().push_back(table); }

void RemoveResourceTable(const EmbeddedFile* table) {
    auto& tables = ExtraTables();
    tables.erase(std::remove(tables.begin(), tables.end(), table), tables.end());
}

} // namespace platform
