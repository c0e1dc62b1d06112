#pragma once
// Files and folders. Names are 8-bit strings; the separator is the native one.

#include <cerrno>
#include <cstdint>
#include <functional>
#include <optional>
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

// Why a file operation failed: the file or folder it concerned and the
// system's reason in its own words ("Permission denied", "No space left on
// device", "Not a regular file").
struct FileFailure {
    std::string path;
    std::string reason;
    bool whileWriting = false; // the file was created, its bytes did not all reach it
    bool makingFolder = false; // path is a folder that could not be made
};

// The whole folder chain; on failure the folder that could not be made and
// the reason.
bool ForceDirectories(const std::string& path, FileFailure* failure);

// Whether new files can be made in the folder (empty: the current one).
bool CheckFolderWritable(const std::string& folder, FileFailure* failure = nullptr);

// How a file is replaced. Every file the program writes is replaced through
// a temporary file in the same folder that then takes the old name: an
// earlier file stays whole until the new one is complete, a link in the way
// is replaced (never followed), the old file's permission bits are kept.
// Only regular files are replaced; a target this user may not write (or,
// for any user, one without a write bit) is refused, and so is anything
// that is not a regular file (a pipe, a device, a folder), without opening
// it.
enum class ReplaceMode {
    Whole,
    // A settings file whose folder cannot be written but which itself can:
    // written in place, the only way to keep the user's settings there.
    InPlaceWhenFolderLocked,
};

bool ReplaceFile(const std::string& path, std::string_view bytes, ReplaceMode mode,
                 FileFailure* failure = nullptr);

// Files that take their names together: each is written to a temporary file
// first (Stage); only when all are written do they replace their targets
// (Commit). Whatever is not committed is removed again, also by the
// destructor, so a failure before Commit leaves every target as it was.
class FileReplacement {
public:
    // A set that writes nothing: Stage keeps each file's path and bytes
    // (Collected), CreateFolder only agrees, Commit is an internal error.
    // It tells which files an export would write before any is written.
    struct CollectOnly {};
    struct CollectedFile {
        std::string path;
        std::string bytes;
    };

    FileReplacement() = default;
    explicit FileReplacement(CollectOnly) : collectOnly_(true) {}
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool Stage(const std::string& path, std::string_view bytes);
    // Creates one missing folder level for later files; removed again when
    // the set is discarded and the folder is still empty.
    bool CreateFolder(const std::string& folder);
    // The folder the set writes into (the project folder). It may itself be
    // a link; every folder below it must be a real folder: a link or a file
    // in a folder's place is refused ("a link of that name is in the way"),
    // never followed. Without a root the same holds for each folder that
    // CreateFolder is given. Set it before the first file is staged.
    //
    // Each folder is opened once, the folders below the root one level at a
    // time from the opened root, without following a link; files, temporary
    // files and folders are then made, renamed and removed relative to the
    // opened folders. A folder swapped for a link after it was looked at is
    // therefore never written through, and every temporary file is removed
    // where it was made. Commit refuses, before any name is taken, when a
    // folder no longer stands at its place.
    void SetRoot(const std::string& folder);
    // Renames every staged file onto its target in staging order. A rename
    // that fails stops there: the files before it are replaced, it and the
    // later ones keep their earlier state, and no temporary file stays.
    bool Commit();
    // Removes the temporary files and the folders made for them.
    void Discard();

    const FileFailure& Failure() const { return failure_; }
    bool IsStaged(const std::string& path) const;
    const std::vector<CollectedFile>& Collected() const { return collected_; }

private:
    // A folder the set holds open.
    struct Folder {
        std::string key;   // its name as FolderKey spells it
        int fd = -1;       // its descriptor
        int parent = -1;   // the folder it was opened in (-1: opened by its name)
        std::string name;  // its name in that folder
        bool made = false; // made by this set
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
    };
    struct Staged {
        std::string target;
        int folder = -1; // index in folders_
        std::string name;
        std::string temp; // the temporary file's name in that folder
    };
    enum class FolderUse { Stage, Create };
    int OpenFolder(const std::string& key, FolderUse use);
    int OpenByName(const std::string& key);
    int OpenBelow(int parent, const std::string& name, const std::string& key, bool create);
    int FindFolder(const std::string& key) const;
    bool InTheWay(const std::string& level, bool link);
    bool FoldersStillInPlace();
    void CloseFolders();

    bool collectOnly_ = false;
    std::vector<Staged> staged_;
    std::vector<CollectedFile> collected_;
    std::vector<Folder> folders_;
    std::string root_;
    FileFailure failure_;
};

// Outcome of writing a whole file in one go.
struct WriteResult {
    bool opened = false;     // the file could be created
    std::size_t written = 0; // bytes that reached the file
    bool Complete(std::size_t expected) const { return opened && written == expected; }
};

// ReplaceFile (whole) with the outcome as a WriteResult.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

// Reads a whole regular file; false when it is missing, not a regular file
// (nothing else is opened in a way that could block) or cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, FileFailure* failure = nullptr);
// The same for a file that must be small: false, after reading no more than
// maxBytes + 1 bytes, when it is longer ("File too large").
bool ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   FileFailure* failure = nullptr);

// Size of a regular file in bytes, or -1.
std::int64_t FileSize(const std::string& path);

// Seams for tests of the failures a user's machine can produce where the
// test cannot (a full disk; a folder that refuses new files even to root).
namespace testing {
// The failingWrite-th file write from now on (1 = the next) stops after
// bytesBefore bytes with the error (ENOSPC: the disk is full). Every later
// write works again.
struct WriteFault {
    int failingWrite = 1;
    std::size_t bytesBefore = 0;
    int error = ENOSPC;
};
void SetWriteFault(std::optional<WriteFault> fault);
// The failingRename-th rename from now on fails (EIO), as the last step of a
// replacement can.
void SetRenameFault(std::optional<int> failingRename);
// The folder counts as not writable (EACCES), whoever runs the test.
void SetFolderLocked(const std::string& folder, bool locked);
void UnlockAllFolders();
// The moments at which a test may change the file system under a file set
// that is at work: a folder's place was looked at and the folder is about
// to be made; a file's folder and target were checked and its temporary
// file is about to be written; a staged file is about to take its name.
// The hook gets the folder (with its separator) or the file. Empty: none.
enum class FileStep { MakeFolder, WriteFile, TakeName };
void SetFileStepHook(std::function<void(FileStep step, const std::string& path)> hook);
// Reading the file fails (EACCES), whoever runs the test: a write-only file
// as a user other than root sees it. Cleared by UnlockAllFolders too.
void SetFileUnreadable(const std::string& path, bool unreadable);
} // namespace testing

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
// The executable's path from the text of the system's link to it: an
// executable replaced while it runs still goes by its path, without the
// " (deleted)" the link then adds.
std::string ExecutablePathFromLink(const std::string& linkText);

} // namespace platform
