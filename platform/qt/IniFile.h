#pragma once
// The program's INI file: <program file name>.INI next to the executable.
// Text form: "[Section]" lines, then "Key=Value" lines, CR LF line ends.
// Section and key names match without regard to case, as INI files do. A
// UTF-8 byte-order mark in front of the first line is read past and kept.

#include <string>

namespace platform::qt {

// <program folder><program file name with the extension .INI>
std::string IniFilePath();

// The integer after "Key=" in the section; fallback when the file, the
// section or the key is missing or the value does not start with a number.
int ReadIniInteger(const std::string& path, const std::string& section, const std::string& key,
                   int fallback);

// Sets the key in the section, keeping every other line of the file; adds
// the section or the key when missing and creates the file when needed. The
// file is replaced as settings files are (platform::ReplaceFile). False when
// the file cannot be written; nothing is shown.
bool WriteIniInteger(const std::string& path, const std::string& section, const std::string& key,
                     int value);

} // namespace platform::qt
