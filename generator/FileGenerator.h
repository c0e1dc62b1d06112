#pragma once
// A text accumulator with its own file writing: entries are appended back to
// back and saved in one go. Nothing is cut, whatever an entry's length.

#include <string>
#include <string_view>
#include <utility>

class FileGenerator {
public:
    void Add(std::string_view entry) { Text.append(entry); }
    const std::string& GetText() const { return Text; }
    std::string TakeText() { return std::move(Text); }
    void Clear() { Text.clear(); }
    void Reserve(std::size_t bytes) { Text.reserve(bytes); }

    // Creates the folder chain when the folder is missing, then replaces the
    // file with every entry (an older file stays whole until the new one is
    // complete). False (without a message) when the folder or the file
    // cannot be created or the write falls short.
    bool SaveToFile(const std::string& fileName) const;

protected:
    std::string Text;
};
