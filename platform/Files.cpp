#include "platform/Files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

bool IsPathSeparator(char c) {
    return c == '/' || (kPathSep == '\\' && c == '\\');
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool DirectoryExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CreateDir(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && IsPathSeparator(p.back())) {
        p.pop_back();
    }
    if (DirectoryExists(p)) {
        return true;
    }
    return ::mkdir(p.c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    return DirectoryExists(path);
}

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
    WriteResult result;
    // Replace an existing file by removing it first: truncating a file in
    // place makes the file system flush it on close, which costs more than
    // the rest of a generation. A file the user may not write stays a
    // failure, as it would with a truncating open.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        if (::access(path.c_str(), W_OK) != 0 || ::unlink(path.c_str()) != 0) {
            return result;
        }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        return result;
    }
    result.opened = true;
    if (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        result.written = n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (::close(fd) != 0) {
        result.written = 0;
    }
    return result;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return false;
    }
    bytes.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        bytes.append(buf, n);
    }
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::int64_t FileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return static_cast<std::int64_t>(st.st_size);
}

static std::size_t LastSeparator(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string::npos;
}

std::string ExtractFilePath(const std::string& path) {
    const std::size_t sep = LastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string ExtractFileName(const std::string& path) {
    const std::size_t sep = LastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::size_t sep = LastSeparator(path);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) {
        return std::string();
    }
    return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::string current = ExtractFileExt(path);
    return path.substr(0, path.size() - current.size()) + ext;
}

std::string IncludeTrailingSeparator(const std::string& folder) {
    if (folder.empty() || IsPathSeparator(folder.back())) {
        return folder;
    }
    return folder + kPathSep;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return IncludeTrailingSeparator(folder) + name;
}

namespace {
std::string gProgramFolderOverride;

std::string ExecutablePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}
} // namespace

void SetProgramFolder(const std::string& folder) {
    gProgramFolderOverride = folder.empty() ? std::string() : IncludeTrailingSeparator(folder);
}

std::string ProgramFolder() {
    if (!gProgramFolderOverride.empty()) {
        return gProgramFolderOverride;
    }
    const std::string exe = ExecutablePath();
    if (exe.empty()) {
        return IncludeTrailingSeparator(fs::current_path().string());
    }
    return ExtractFilePath(exe);
}

std::string ProgramFileName() {
    const std::string exe = ExecutablePath();
    return exe.empty() ? std::string("pinsmith") : ExtractFileName(exe);
}

} // namespace platform
