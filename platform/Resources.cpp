#include "platform/Resources.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <vector>

namespace platform {

// Defined by the file that cmake/EmbedResources.cmake generates.
const EmbeddedFile* pinsmith_resources_table();

namespace {

std::vector<const EmbeddedFile*>& ExtraTables() {
    static std::vector<const EmbeddedFile*> tables;
    return tables;
}

const EmbeddedFile* Search(const EmbeddedFile* table, const std::string& name) {
    for (; table && table->name; ++table) {
        if (SameIgnoringAsciiCase(table->name, name)) {
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

void AddResourceTable(const EmbeddedFile* table) {
    ExtraTables().push_back(table);
}

void RemoveResourceTable(const EmbeddedFile* table) {
    auto& tables = ExtraTables();
    tables.erase(std::remove(tables.begin(), tables.end(), table), tables.end());
}

} // namespace platform
