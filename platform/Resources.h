#pragma once
// Files carried inside the program (Verilog modules, pictures), listed in
// resources/embedded.txt and compiled in by cmake/EmbedResources.cmake.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace platform {

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Finds a resource by name, ignoring case.
std::optional<std::span<const unsigned char>> FindResource(const std::string& name);

// Extra tables searched before the program's own (tests add theirs). The
// table ends with an entry whose name is nullptr.
void AddResourceTable(const EmbeddedFile* table);
void RemoveResourceTable(const EmbeddedFile* table);

} // namespace platform
