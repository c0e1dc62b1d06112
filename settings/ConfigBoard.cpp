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
    lastRefusal_ = config::LoadRefusal();
    if (LoadFromFile(file)) {
        return true;
    }
    if (lastRefusal_.kind == config::LoadRefusal::Kind::None) {
        // A descendant that reads its file on its own: the reason is unknown.
        lastRefusal_.kind = config::LoadRefusal::Kind::NotThisBoard;
        lastRefusal_.reason = "its contents do not match this board's record";
    }
    config::ShowLoadRefusal(file, lastRefusal_);
    return false;
}

bool TConfigBoard::LoadRecord(const std::string& fileName, void* record, std::size_t size,
                              const config::RecordHeader& header) {
    return config::LoadRecordFile(fileName, record, size, header, &lastRefusal_);
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
