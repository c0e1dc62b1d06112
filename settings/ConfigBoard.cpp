#include "settings/ConfigBoard.h"

#include "platform/Files.h"
#include "settings/ConfigCommon.h"

bool TConfigBoard::LoadDefault() {
    const std::string path = config::DefaultConfigPath();
    return platform::FileExists(path) && LoadFromFile(path);
}

bool TConfigBoard::SaveDefault() {
    return SaveToFile(config::DefaultConfigPath());
}

bool TConfigBoard::SaveWithDialog(platform::FileDialog& dialog) {
    const std::string file = config::RunSettingsDialog(dialog, LastDir);
    return !file.empty() && SaveToFile(file);
}

bool TConfigBoard::LoadWithDialog(platform::FileDialog& dialog) {
    const std::string file = config::RunSettingsDialog(dialog, LastDir);
    if (file.empty()) {
        return false;
    }
    if (LoadFromFile(file)) {
        return true;
    }
    config::ShowLoadRefusal(file, lastRefusal_);
    return false;
}

bool TConfigBoard::LoadFromFile(const std::string& fileName) {
    const HeldRecord held = Held();
    return LoadBoardRecord(*held.def, fileName, held.bytes, &lastRefusal_);
}

bool TConfigBoard::SaveToFile(const std::string& fileName) {
    const HeldRecord held = Held();
    return SaveBoardRecord(*held.def, fileName, held.bytes);
}

std::string TConfigBoard::AskProjectFile(platform::FileDialog& dialog,
                                         const std::string& folderWord,
                                         const std::string& projectName) {
    return config::AskProjectFile(dialog, folderWord, projectName);
}

bool TConfigBoard::ExportResourceFile(const std::string& fileName,
                                      const std::string& resourceName) {
    return config::ExportResourceFile(fileName, resourceName, exportTarget_);
}

void TConfigBoard::BuildCardList(ConnectorType connectorType, bool allowTransceiver,
                                 Voltage voltageClass) {
    CardCount = config::BuildCardList(config::CardListRule::BoardClass, connectorType,
                                      allowTransceiver, voltageClass, CardIds);
}
