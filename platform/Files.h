#pragma once
// Files and folders. Names are 8-bit strings; the separator is the native one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

#ifdef _WIN32
inline constexpr char kPathSep = '\\';
#else
inline constexpr char kPathSep = '/';
#endif

bool FileExists(const std::string& path); // a regular file
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);       // true when removed
bool CreateDir(const std::string& path);        // one level; true when created or present
bool ForceDirectories(const std::string& path); // the whole chain

// Outcome of writing a whole file in one go.
struct WriteResult {
    bool opened = false;     // the file could be created
    std::size_t written = 0; // bytes that reached the file
    bool Complete(std::size_t expected) const { return opened && written == expected; }
};

// Creates (or replaces) the file and writes all bytes with one write call.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Size of a file in bytes, or -1 when it cannot be opened.
std::int64_t FileSize(const std::string& path);

// File-name helpers. A path's folder part ends with the separator; an
// extension starts with its dot.
std::string ExtractFilePath(const std::string& path); // "a/b/c.txt" -> "a/b/"
std::string ExtractFileName(const std::string& path); // -> "c.txt"
std::string ExtractFileExt(const std::string& path);  // -> ".txt" (empty when none)
std::string ChangeFileExt(const std::string& path, const std::string& ext);
bool IsPathSeparator(char c);

// Joins a folder and a name, adding a separator when the folder lacks one.
std::string JoinPath(const std::string& folder, const std::string& name);
std::string IncludeTrailingSeparator(const std::string& folder);

// The program's own folder, with a trailing separator. Tests may override it.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder); // empty: back to the real one
// The program's file name (no folder), for example "pinsmith".
std::string ProgramFileName();

} // namespace platform
