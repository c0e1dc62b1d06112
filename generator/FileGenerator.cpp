#include "generator/FileGenerator.h"

#include "platform/Files.h"

bool FileGenerator::SaveToFile(const std::string& fileName) const {
    if (platform::FileExists(fileName)) {
        platform::DeleteFile(fileName); // a failure shows up when the file is created
    }
    const std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder) &&
        !platform::ForceDirectories(folder)) {
        return false;
    }
    return platform::WriteWholeFile(fileName, Text).Complete(Text.size());
}
