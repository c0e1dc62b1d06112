#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>

#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A board's matrix holds up to a few hundred MB of projects at once.
constexpr unsigned long long kMemoryFolderRoom = 1ull << 30;

std::filesystem::path ChooseRoot() {
    const char* const memory = "/dev/shm";
    struct statvfs fs {};
    std::error_code ec;
    if (std::filesystem::is_directory(memory, ec) && ::access(memory, W_OK | X_OK) == 0 &&
        ::statvfs(memory, &fs) == 0 &&
        static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize >= kMemoryFolderRoom) {
        return memory;
    }
    return std::filesystem::temp_directory_path();
}

} // namespace

const std::filesystem::path& TempDir::Root() {
    static const std::filesystem::path root = ChooseRoot();
    return root;
}

TempDir::TempDir() {
    std::string pattern = (Root() / "pinsmith-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}
