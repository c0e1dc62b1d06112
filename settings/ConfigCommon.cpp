#include "settings/ConfigCommon.h"

#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstring>

namespace config {
namespace {

// Cards 85 and up are never offered by either rule.
constexpr int kLastScannedCard = 84;

bool VoltageFits(CardId card, Voltage voltageClass) {
    return IsAnyVoltageBoard(card) || BoardVoltage(card) == voltageClass;
}

// An HSMC card that also fits the Kirrel connector.
bool IsKirrelCapableHsmcCard(CardId card) {
    switch (card) {
    case CARD_TESLIN:
    case CARD_PARNEL:
    case CARD_HAVOR:
    case CARD_WEXAL:
    case CARD_BREVIK:
    case CARD_SATA:
        return true;
    default:
        return false;
    }
}

bool FitsHolderRule(CardId card, ConnectorType connector, Voltage voltageClass) {
    const ConnectorType type = BoardConnectorType(card);
    if (type == connector) {
        if (connector == CONNECTOR_HSMC || connector == CONNECTOR_GPIO80) {
            return VoltageFits(card, voltageClass);
        }
        return true;
    }
    if (connector == CONNECTOR_GPIO80 && type == CONNECTOR_GPIO40) {
        return VoltageFits(card, voltageClass);
    }
    if (connector == CONNECTOR_KIRREL && type == CONNECTOR_HSMC) {
        return IsKirrelCapableHsmcCard(card);
    }
    return connector == CONNECTOR_FMC_HPC && type == CONNECTOR_FMC_LPC;
}

bool FitsBoardClassRule(CardId card, ConnectorType connector, Voltage voltageClass) {
    const ConnectorType type = BoardConnectorType(card);
    if (type == connector) {
        if (connector == CONNECTOR_HSMC) {
            return VoltageFits(card, voltageClass);
        }
        if (connector == CONNECTOR_FMC_HPC || connector == CONNECTOR_FMC_LPC) {
            return IsBoardVoltageOk(card, voltageClass);
        }
        return true;
    }
    if (connector == CONNECTOR_DDR4_SODIMM_IF_ECC && type == CONNECTOR_DDR4_SODIMM_IF) {
        return true;
    }
    if (connector == CONNECTOR_GPIO80 && type == CONNECTOR_GPIO40) {
        return true;
    }
    if (connector == CONNECTOR_KIRREL && type == CONNECTOR_HSMC) {
        return IsKirrelCapableHsmcCard(card);
    }
    if (connector == CONNECTOR_FMC_HPC && type == CONNECTOR_FMC_LPC) {
        return IsBoardVoltageOk(card, voltageClass);
    }
    return false;
}

std::uint32_t ReadLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

int BuildCardList(CardListRule rule, ConnectorType connectorType, bool allowTransceiver,
                  Voltage voltageClass, std::uint8_t (&ids)[kCardListCapacity]) {
    int count = 0;
    ids[count++] = 0;
    for (int c = 1; c <= kLastScannedCard; ++c) {
        const CardId card = MakeCardId(c);
        const bool fits = rule == CardListRule::Holder
                              ? FitsHolderRule(card, connectorType, voltageClass)
                              : FitsBoardClassRule(card, connectorType, voltageClass);
        if (fits && IsBoardListed(card) && (allowTransceiver || !IsTransceiverBoard(card))) {
            ids[count++] = static_cast<std::uint8_t>(c);
        }
    }
    return count;
}

bool LoadRecordFile(const std::string& fileName, void* record, std::size_t size,
                    const RecordHeader& header) {
    if (!platform::FileExists(fileName)) {
        return false;
    }
    if (platform::FileSize(fileName) != static_cast<std::int64_t>(size)) {
        return false;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(fileName, bytes) || bytes.size() != size) {
        return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (header.boardIdOffset >= size || header.sizeOffset + 4 > size) {
        return false;
    }
    if (p[header.boardIdOffset] != header.boardId ||
        ReadLe32(p + header.sizeOffset) != static_cast<std::uint32_t>(size)) {
        return false;
    }
    std::memcpy(record, bytes.data(), size);
    return true;
}

bool SaveRecordFile(const std::string& fileName, const void* record, std::size_t size) {
    const platform::WriteResult result = platform::WriteWholeFile(
        fileName, std::string_view(static_cast<const char*>(record), size));
    if (!result.opened) {
        platform::ErrorBox("Failed to create file.");
        return false;
    }
    if (result.written != size) {
        platform::ErrorBox("Failed to write file.");
        return false;
    }
    return true;
}

std::string DefaultConfigPath() {
    return platform::ProgramFolder() + "default.cfg";
}

std::string RunSettingsDialog(platform::FileDialog& dialog, std::string& lastDir) {
    dialog.InitialDir = lastDir;
    dialog.Filter = "Board Configuration Files (*.cfg)|*.CFG";
    dialog.FilterIndex = 1;
    dialog.DefaultExt = "cfg";
    if (dialog.Kind == platform::FileDialogKind::Save) {
        dialog.FileName.clear();
    }
    if (!dialog.Execute()) {
        return std::string();
    }
    lastDir = platform::ExtractFilePath(dialog.FileName);
    return dialog.FileName;
}

std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                           const std::string& projectName) {
    const std::string folder = platform::ProgramFolder() + "CodeGenerated" + platform::kPathSep +
                               folderWord + platform::kPathSep + projectName + platform::kPathSep;
    if (!platform::DirectoryExists(folder)) {
        platform::ForceDirectories(folder);
    }
    dialog.InitialDir = folder;
    dialog.Filter = "Quartus Project File (*.qpf)|*.QPF";
    dialog.FilterIndex = 1;
    dialog.DefaultExt = "qpf";
    dialog.FileName = projectName + ".qpf";
    if (!dialog.Execute()) {
        return std::string();
    }
    return dialog.FileName;
}

bool ExportResourceFile(const std::string& fileName, const std::string& resourceName) {
    platform::DeleteFile(fileName);
    const auto data = platform::FindResource(resourceName);
    if (!data) {
        return false;
    }
    const std::string folder = platform::ExtractFilePath(fileName);
    if (!folder.empty() && !platform::DirectoryExists(folder)) {
        platform::CreateDir(folder);
    }
    const platform::WriteResult result = platform::WriteWholeFile(
        fileName, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
    return result.Complete(data->size());
}

std::string RecordText(const char* field, std::size_t length) {
    const void* nul = std::memchr(field, 0, length);
    const std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : length;
    return std::string(field, n);
}

void SetRecordText(char* field, std::size_t length, std::string_view text) {
    if (length == 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), length - 1);
    std::memset(field, 0, length);
    std::memcpy(field, text.data(), n);
}

bool IsPlainName(std::string_view text) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || !letter(text.front())) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return letter(c) || digit(c) || c == '_'; });
}

bool CheckProjectName(const std::string& name, std::string& message) {
    if (name.empty()) {
        message = "Project Name cannot be empty.";
        return false;
    }
    if (!IsPlainName(name)) {
        message = "Project Name must begin with a letter and hold only letters, digits and "
                  "underscores.";
        return false;
    }
    return true;
}

bool CheckPrefixName(const std::string& portName, const std::string& prefix, std::string& message) {
    if (prefix.empty() || IsPlainName(prefix)) {
        return true;
    }
    message = platform::Format("Prefix Name of %s must begin with a letter and hold only letters, "
                               "digits and underscores.",
                               portName.c_str());
    return false;
}

bool CheckProjectFileName(const std::string& projectFile, std::string& message) {
    return CheckProjectName(platform::ChangeFileExt(platform::ExtractFileName(projectFile), ""),
                            message);
}

} // namespace config
