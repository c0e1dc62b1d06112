#pragma once
// Case handling of ASCII letters only. Names in generated files, resource
// names and INI keys compare the same whatever the user's locale (a Turkish
// one, say, does not pair I with i).

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

inline std::string AsciiUpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), AsciiUpper);
    return text;
}

} // namespace platform
