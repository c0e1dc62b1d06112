#pragma once
// A fresh temporary folder, removed with its contents at the end of scope.
// Every scratch folder of the tests is made under Root(), so they all go
// where writing costs least.

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder with a trailing separator.
    std::string Path() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Where the folders are made: /dev/shm when it is a writable folder with
    // room to spare (a tmpfs: the thousands of projects the tests write
    // never reach a disk), else the system's temporary folder.
    static const std::filesystem::path& Root();

private:
    std::filesystem::path path_;
};
