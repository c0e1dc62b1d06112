#include "generator/FileGenerator.h"

#include "platform/Files.h"

bool FileGenerator::SaveToFile(const std::string& fileName) const {
    const std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder) &&
        !platform::ForceDirectories(folder)) {
        return false;
    }
    return platform::ReplaceFile(fileName, Text, platform::ReplaceMode::Whole);
}
