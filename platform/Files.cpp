#include "platform/Files.h"

#include "platform/Assert.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
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

namespace {

const char* const kNotRegular = "Not a regular file";

std::string Reason(int error) {
    return std::strerror(error);
}

bool Fail(FileFailure* failure, const std::string& path, const std::string& reason,
          bool whileWriting = false) {
    if (failure) {
        failure->path = path;
        failure->reason = reason;
        failure->whileWriting = whileWriting;
        failure->makingFolder = false;
    }
    return false;
}

// A folder name without trailing separators ("/" stays "/"; "" is ".").
std::string FolderKey(const std::string& folder) {
    std::string p = folder.empty() ? std::string(".") : folder;
    while (p.size() > 1 && IsPathSeparator(p.back())) {
        p.pop_back();
    }
    return p;
}

// The folder a file lives in, as FolderKey spells it.
std::string FolderOf(const std::string& path) {
    return FolderKey(ExtractFilePath(path));
}

std::optional<testing::WriteFault> gWriteFault;
int gWritesSinceFault = 0;
std::optional<int> gRenameFault;
int gRenamesSinceFault = 0;

// renameat(2) within one folder, with the test seam of a rename that fails.
int RenameInFolder(int folder, const char* from, const char* to) {
    if (gRenameFault && ++gRenamesSinceFault == *gRenameFault) {
        errno = EIO;
        return -1;
    }
    return ::renameat(folder, from, folder, to);
}

std::function<void(testing::FileStep, const std::string&)> gFileStepHook;

void FileStepHook(testing::FileStep step, const std::string& path) {
    if (gFileStepHook) {
        gFileStepHook(step, path);
    }
}
std::set<std::string> gLockedFolders;

bool IsLockedForTests(const std::string& folderKey) {
    return gLockedFolders.count(folderKey) != 0;
}

// Writes every byte from the current offset; false with errno set. The test
// seam of a failing write lives here.
bool WriteAll(int fd, std::string_view bytes) {
    std::size_t limit = bytes.size();
    int faultError = 0;
    if (gWriteFault) {
        if (++gWritesSinceFault == gWriteFault->failingWrite) {
            limit = std::min(limit, gWriteFault->bytesBefore);
            faultError = gWriteFault->error;
        }
    }
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (faultError != 0) {
        errno = faultError;
        return false;
    }
    return true;
}

// What stands at a target's name. A regular file must be writable by this
// user and carry a write bit (root may write anything, yet a file that
// nobody may write stays refused); a link is replaced, not followed;
// anything else is refused without being opened.
struct Target {
    bool exists = false; // a regular file
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
};

// The target is name in the folder (AT_FDCWD: name is the whole path);
// failures name path.
bool CheckTargetAt(int folder, const std::string& name, const std::string& path, Target& target,
                   FileFailure* failure) {
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        return Fail(failure, path, Reason(errno));
    }
    if (S_ISLNK(st.st_mode)) {
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        return Fail(failure, path, kNotRegular);
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return Fail(failure, path, Reason(EACCES));
    }
    if (::faccessat(folder, name.c_str(), W_OK, 0) != 0) {
        return Fail(failure, path, Reason(errno));
    }
    target.exists = true;
    target.mode = st.st_mode & 07777 & ~static_cast<mode_t>(S_ISUID | S_ISGID);
    target.uid = st.st_uid;
    target.gid = st.st_gid;
    return true;
}

// A new temporary file in the folder, made with O_EXCL; its name in temp.
int CreateTemporary(int folder, std::string& temp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        ++counter;
        char name[64];
        std::snprintf(name, sizeof name, ".~pinsmith-%ld-%u-%x.tmp", static_cast<long>(::getpid()),
                      counter, static_cast<unsigned>(std::rand()));
        temp = name;
        const int fd =
            ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes bytes to a new temporary file in the folder (whose name is
// folderKey), with the permission bits (and, where allowed, the owner) of
// the file name it replaces. Failures name path; on every one the
// temporary file is removed again.
bool WriteTemporary(int folder, const std::string& folderKey, const std::string& name,
                    const std::string& path, std::string_view bytes, std::string& temp,
                    FileFailure* failure) {
    Target target;
    if (!CheckTargetAt(folder, name, path, target, failure)) {
        return false;
    }
    if (IsLockedForTests(folderKey)) {
        return Fail(failure, path, Reason(EACCES));
    }
    if (::faccessat(folder, ".", W_OK | X_OK, 0) != 0) {
        return Fail(failure, path, Reason(errno));
    }
    FileStepHook(testing::FileStep::WriteFile, path);
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0) {
        temp.clear();
        return Fail(failure, path, Reason(errno));
    }
    bool ok = true;
    int error = 0;
    if (target.exists) {
        // The owner is kept where this user may change it (root); otherwise
        // the new file is ours, with the old file's permission bits.
        if ((target.uid != ::geteuid() || target.gid != ::getegid()) &&
            ::fchown(fd, target.uid, target.gid) != 0) {
            errno = 0;
        }
        ::fchmod(fd, target.mode);
    }
    if (!WriteAll(fd, bytes)) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlinkat(folder, temp.c_str(), 0);
        temp.clear();
        return Fail(failure, path, Reason(error), true);
    }
    return true;
}

// A settings file in a folder that refuses new files: the bytes go over the
// old ones and the file is cut to their length. Never through a link.
bool WriteInPlace(const std::string& path, std::string_view bytes, FileFailure* failure) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Fail(failure, path, Reason(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Fail(failure, path, kNotRegular);
    }
    bool ok = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok || Fail(failure, path, Reason(error), true);
}

} // namespace

bool ForceDirectories(const std::string& path) {
    return ForceDirectories(path, nullptr);
}

bool ForceDirectories(const std::string& path, FileFailure* failure) {
    if (path.empty()) {
        return Fail(failure, path, Reason(ENOENT));
    }
    // Every level in turn, so that the folder that cannot be made is the one
    // named: each prefix that ends before a separator, then the whole path.
    std::vector<std::string> levels;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (IsPathSeparator(path[i]) && !IsPathSeparator(path[i - 1])) {
            levels.push_back(path.substr(0, i));
        }
    }
    if (!IsPathSeparator(path.back())) {
        levels.push_back(path);
    }
    for (const std::string& level : levels) {
        struct stat st {};
        if (::stat(level.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) {
                return Fail(failure, IncludeTrailingSeparator(level), Reason(ENOTDIR));
            }
            continue;
        }
        if (errno != ENOENT) {
            return Fail(failure, IncludeTrailingSeparator(level), Reason(errno));
        }
        if (IsLockedForTests(FolderOf(level))) {
            return Fail(failure, IncludeTrailingSeparator(level), Reason(EACCES));
        }
        if (::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) {
            return Fail(failure, IncludeTrailingSeparator(level), Reason(errno));
        }
    }
    return true;
}

bool CreateDir(const std::string& path) {
    const std::string p = FolderKey(path);
    if (DirectoryExists(p)) {
        return true;
    }
    if (IsLockedForTests(FolderOf(p))) {
        errno = EACCES;
        return false;
    }
    return ::mkdir(p.c_str(), 0777) == 0;
}

bool CheckFolderWritable(const std::string& folder, FileFailure* failure) {
    const std::string key = FolderKey(folder);
    struct stat st {};
    if (::stat(key.c_str(), &st) != 0) {
        return Fail(failure, folder, Reason(errno));
    }
    if (!S_ISDIR(st.st_mode)) {
        return Fail(failure, folder, Reason(ENOTDIR));
    }
    if (IsLockedForTests(key) || ::access(key.c_str(), W_OK | X_OK) != 0) {
        return Fail(failure, folder, Reason(IsLockedForTests(key) ? EACCES : errno));
    }
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, ReplaceMode mode,
                 FileFailure* failure) {
    if (mode == ReplaceMode::InPlaceWhenFolderLocked &&
        !CheckFolderWritable(ExtractFilePath(path))) {
        Target target;
        if (!CheckTargetAt(AT_FDCWD, path, path, target, failure)) {
            return false;
        }
        if (target.exists) {
            return WriteInPlace(path, bytes, failure);
        }
        // Nothing to write over: the folder's refusal is the reason.
    }
    FileReplacement one;
    return (one.Stage(path, bytes) && one.Commit()) ||
           Fail(failure, path, one.Failure().reason, one.Failure().whileWriting);
}

FileReplacement::~FileReplacement() {
    Discard();
}

void FileReplacement::SetRoot(const std::string& folder) {
    root_ = FolderKey(folder);
}

namespace {

const char* const kLinkInTheWay = "a link of that name is in the way";
const char* const kFileInTheWay = "a file of that name is in the way";
const char* const kFolderMoved = "the folder was moved while its files were written";

#ifdef O_PATH
// A descriptor that only names the folder: enough to work in it, and open
// also where the folder may not be listed.
constexpr int kFolderOpen = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kFolderOpen = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

} // namespace

int FileReplacement::FindFolder(const std::string& key) const {
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        if (folders_[i].key == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool FileReplacement::InTheWay(const std::string& level, bool link) {
    Fail(&failure_, IncludeTrailingSeparator(level), link ? kLinkInTheWay : kFileInTheWay);
    failure_.makingFolder = true;
    return false;
}

int FileReplacement::OpenByName(const std::string& key) {
    const int found = FindFolder(key);
    if (found >= 0) {
        return found;
    }
    const int fd = ::open(key.c_str(), kFolderOpen);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        Fail(&failure_, IncludeTrailingSeparator(key), Reason(errno));
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    folders_.push_back({key, fd, -1, std::string(), false, static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino)});
    return static_cast<int>(folders_.size()) - 1;
}

int FileReplacement::OpenBelow(int parent, const std::string& name, const std::string& key,
                               bool create) {
    const int found = FindFolder(key);
    if (found >= 0) {
        return found;
    }
    const int parentFd = folders_[static_cast<std::size_t>(parent)].fd;
    // What stands at the name, looked at without following a link: a link
    // or anything else but a folder is in the way.
    const auto inTheWay = [&]() {
        struct stat st {};
        if (::fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            return false;
        }
        if (!S_ISDIR(st.st_mode)) {
            InTheWay(key, S_ISLNK(st.st_mode));
            return true;
        }
        return false;
    };
    bool made = false;
    int fd = ::openat(parentFd, name.c_str(), kFolderOpen | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        if (inTheWay()) {
            return -1;
        }
        if (error != ENOENT || !create) {
            Fail(&failure_, IncludeTrailingSeparator(key), Reason(error));
            return -1;
        }
        FileStepHook(testing::FileStep::MakeFolder, IncludeTrailingSeparator(key));
        const std::string& parentKey = folders_[static_cast<std::size_t>(parent)].key;
        if (IsLockedForTests(parentKey)) {
            Fail(&failure_, IncludeTrailingSeparator(key), Reason(EACCES));
            failure_.makingFolder = true;
            return -1;
        }
        if (::mkdirat(parentFd, name.c_str(), 0777) == 0) {
            made = true;
        } else if (errno != EEXIST) {
            Fail(&failure_, IncludeTrailingSeparator(key), Reason(errno));
            failure_.makingFolder = true;
            return -1;
        }
        fd = ::openat(parentFd, name.c_str(), kFolderOpen | O_NOFOLLOW);
        if (fd < 0) {
            const int again = errno;
            if (!inTheWay()) {
                Fail(&failure_, IncludeTrailingSeparator(key), Reason(again));
                failure_.makingFolder = true;
            }
            return -1;
        }
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode)) {
        const bool link = S_ISLNK(st.st_mode);
        ::close(fd);
        InTheWay(key, link);
        return -1;
    }
    folders_.push_back({key, fd, parent, name, made, static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino)});
    return static_cast<int>(folders_.size()) - 1;
}

int FileReplacement::OpenFolder(const std::string& key, FolderUse use) {
    const int found = FindFolder(key);
    if (found >= 0) {
        return found;
    }
    const bool create = use == FolderUse::Create;
    const bool below = !root_.empty() && key.size() > root_.size() &&
                       key.compare(0, root_.size(), root_) == 0 &&
                       IsPathSeparator(key[root_.size()]);
    if (below) {
        // From the opened root down, one level at a time.
        int folder = OpenByName(root_);
        std::size_t begin = root_.size() + 1;
        while (folder >= 0 && begin < key.size()) {
            std::size_t end = begin;
            while (end < key.size() && !IsPathSeparator(key[end])) {
                ++end;
            }
            if (end > begin) {
                folder = OpenBelow(folder, key.substr(begin, end - begin), key.substr(0, end),
                                   create && end == key.size());
            }
            begin = end + 1;
        }
        return folder;
    }
    const std::string name = ExtractFileName(key);
    if (key == root_ || name.empty() || name == "." || name == ".." ||
        (root_.empty() && use == FolderUse::Stage)) {
        // The root, and the folder of a file written on its own, may be links.
        return OpenByName(key);
    }
    // A folder outside the root, or one made without a root: its parent is
    // taken as it is, the folder itself must be a real one.
    const int parent = OpenByName(FolderOf(key));
    return parent < 0 ? -1 : OpenBelow(parent, name, key, create);
}

bool FileReplacement::Stage(const std::string& path, std::string_view bytes) {
    if (collectOnly_) {
        collected_.push_back({path, std::string(bytes)});
        return true;
    }
    const std::string key = FolderOf(path);
    const int folder = OpenFolder(key, FolderUse::Stage);
    if (folder < 0) {
        if (!failure_.makingFolder) {
            failure_.path = path; // the file is named, with its folder's reason
        }
        return false;
    }
    const std::string name = ExtractFileName(path);
    std::string temp;
    if (!WriteTemporary(folders_[static_cast<std::size_t>(folder)].fd, key, name, path, bytes, temp,
                        &failure_)) {
        return false;
    }
    staged_.push_back({path, folder, name, temp});
    return true;
}

bool FileReplacement::CreateFolder(const std::string& folder) {
    if (collectOnly_) {
        return true;
    }
    const std::string key = FolderKey(folder);
    if (OpenFolder(key, FolderUse::Create) < 0) {
        if (!failure_.makingFolder) {
            failure_.path = IncludeTrailingSeparator(key);
            failure_.makingFolder = true;
        }
        return false;
    }
    return true;
}

bool FileReplacement::FoldersStillInPlace() {
    for (const Folder& f : folders_) {
        if (f.parent < 0) {
            continue;
        }
        struct stat st {};
        const int parentFd = folders_[static_cast<std::size_t>(f.parent)].fd;
        if (::fstatat(parentFd, f.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(st.st_mode) && static_cast<std::uint64_t>(st.st_dev) == f.device &&
            static_cast<std::uint64_t>(st.st_ino) == f.inode) {
            continue;
        }
        if (::fstatat(parentFd, f.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            !S_ISDIR(st.st_mode)) {
            return InTheWay(f.key, S_ISLNK(st.st_mode));
        }
        Fail(&failure_, IncludeTrailingSeparator(f.key), kFolderMoved);
        failure_.makingFolder = true;
        return false;
    }
    return true;
}

bool FileReplacement::Commit() {
    PINSMITH_ASSERT(!collectOnly_);
    // Every name is taken in the folders that were opened; none is taken
    // when one of them has left its place since.
    if (!FoldersStillInPlace()) {
        Discard();
        return false;
    }
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        const Staged& s = staged_[i];
        FileStepHook(testing::FileStep::TakeName, s.target);
        const int folder = folders_[static_cast<std::size_t>(s.folder)].fd;
        if (RenameInFolder(folder, s.temp.c_str(), s.name.c_str()) != 0) {
            Fail(&failure_, s.target, Reason(errno));
            staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(i));
            Discard();
            return false;
        }
    }
    staged_.clear();
    for (Folder& f : folders_) {
        f.made = false; // they hold the files now
    }
    CloseFolders();
    return true;
}

void FileReplacement::Discard() {
    for (const Staged& s : staged_) {
        ::unlinkat(folders_[static_cast<std::size_t>(s.folder)].fd, s.temp.c_str(), 0);
    }
    staged_.clear();
    // The folders this set made, deepest first, where they still stand and
    // are empty.
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) {
        if (!it->made || it->parent < 0) {
            continue;
        }
        const int parentFd = folders_[static_cast<std::size_t>(it->parent)].fd;
        struct stat st {};
        if (::fstatat(parentFd, it->name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(st.st_mode) && static_cast<std::uint64_t>(st.st_ino) == it->inode &&
            static_cast<std::uint64_t>(st.st_dev) == it->device) {
            ::unlinkat(parentFd, it->name.c_str(), AT_REMOVEDIR);
        }
    }
    CloseFolders();
}

void FileReplacement::CloseFolders() {
    for (const Folder& f : folders_) {
        ::close(f.fd);
    }
    folders_.clear();
}

bool FileReplacement::IsStaged(const std::string& path) const {
    return std::any_of(staged_.begin(), staged_.end(),
                       [&](const Staged& s) { return s.target == path; }) ||
           std::any_of(collected_.begin(), collected_.end(),
                       [&](const CollectedFile& c) { return c.path == path; });
}

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
    FileFailure failure;
    WriteResult result;
    if (ReplaceFile(path, bytes, ReplaceMode::Whole, &failure)) {
        result.opened = true;
        result.written = bytes.size();
    } else {
        result.opened = failure.whileWriting;
    }
    return result;
}

namespace {

std::set<std::string> gUnreadableFiles;

// Reads a regular file up to limit bytes; more than that is a failure.
bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes,
                     FileFailure* failure) {
    // Looked at before it is opened, and opened without waiting: a pipe or a
    // device in a file's place must not stop the program.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return Fail(failure, path, Reason(errno));
    }
    if (!S_ISREG(st.st_mode)) {
        return Fail(failure, path, kNotRegular);
    }
    if (gUnreadableFiles.count(path) != 0) {
        return Fail(failure, path, Reason(EACCES));
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Fail(failure, path, Reason(errno));
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Fail(failure, path, kNotRegular);
    }
    bytes.clear();
    char buf[65536];
    for (;;) {
        const std::size_t room = limit - std::min(limit, bytes.size());
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, room + 1));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            return Fail(failure, path, Reason(error));
        }
        if (n == 0) {
            break;
        }
        if (static_cast<std::size_t>(n) > room) {
            ::close(fd);
            bytes.clear();
            return Fail(failure, path, Reason(EFBIG));
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, FileFailure* failure) {
    return ReadRegularFile(path, std::string().max_size() - 1, bytes, failure);
}

bool ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   FileFailure* failure) {
    return ReadRegularFile(path, maxBytes, bytes, failure);
}

std::int64_t FileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return static_cast<std::int64_t>(st.st_size);
}

namespace testing {

void SetWriteFault(std::optional<WriteFault> fault) {
    gWriteFault = fault;
    gWritesSinceFault = 0;
}

void SetRenameFault(std::optional<int> failingRename) {
    gRenameFault = failingRename;
    gRenamesSinceFault = 0;
}

void SetFolderLocked(const std::string& folder, bool locked) {
    if (locked) {
        gLockedFolders.insert(FolderKey(folder));
    } else {
        gLockedFolders.erase(FolderKey(folder));
    }
}

void SetFileStepHook(std::function<void(FileStep step, const std::string& path)> hook) {
    gFileStepHook = std::move(hook);
}

void UnlockAllFolders() {
    gLockedFolders.clear();
    gUnreadableFiles.clear();
}

void SetFileUnreadable(const std::string& path, bool unreadable) {
    if (unreadable) {
        gUnreadableFiles.insert(path);
    } else {
        gUnreadableFiles.erase(path);
    }
}

} // namespace testing

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
    if (ec) {
        return std::string();
    }
    return ExecutablePathFromLink(exe.string());
}
} // namespace

std::string ExecutablePathFromLink(const std::string& linkText) {
    // An executable replaced while it runs reads as "<path> (deleted)"; its
    // name is still the one before the note.
    const std::string deleted = " (deleted)";
    if (linkText.size() > deleted.size() &&
        linkText.compare(linkText.size() - deleted.size(), deleted.size(), deleted) == 0) {
        return linkText.substr(0, linkText.size() - deleted.size());
    }
    return linkText;
}

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
