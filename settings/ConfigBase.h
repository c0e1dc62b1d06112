#pragma once
// The settings holder of the boards without a settings class of their own:
// one board record, the folder of the last settings dialog and the card list
// of one card port. Free of Qt.
//
// The record type T is a plain fixed layout that starts with
//     std::uint8_t BoardId; std::uint8_t <3 alignment bytes>;
//     std::int32_t Size; char ProjectName[128];
// and names its board and size as
//     static constexpr ::BoardId kBoardId;   (qualified: the field is BoardId)
//     static constexpr std::int32_t kSize;   (== sizeof(T))
// (a record of a test may name a definition of its own instead; see
// RecordDefinition).
// The settings files hold the record byte for byte, little-endian; they
// are read and written through the board definition's record layout
// (LoadBoardRecord, SaveBoardRecord), the road every holder and the fuzz
// target share.

#include "boards/BoardRules.h"
#include "model/CardCatalogue.h"
#include "model/MainBoard.h"
#include "platform/Assert.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

template <class T> class TConfigBase {
    static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
    static_assert(std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>,
                  "a settings record is a plain byte layout");
    static_assert(offsetof(T, BoardId) == 0 && sizeof(T::BoardId) == 1);
    static_assert(offsetof(T, Size) == 4 && sizeof(T::Size) == 4);
    static_assert(offsetof(T, ProjectName) == 8 && sizeof(T::ProjectName) == 128);
    static_assert(static_cast<std::size_t>(T::kSize) == sizeof(T));

public:
    using Record = T;
    static constexpr std::size_t kRecordSize = sizeof(T);

    TConfigBase() = default;

    // Reads a settings file into record, silently; see LoadBoardRecord.
    bool LoadFromFile(T* record, const std::string& fileName,
                      config::LoadRefusal* refusal = nullptr) {
        return LoadBoardRecord(RecordDefinition<T>(), fileName,
                               RecordSpan(reinterpret_cast<std::uint8_t*>(record), sizeof(T)),
                               refusal);
    }
    // Writes record as a settings file; error box on failure.
    bool SaveToFile(const T* record, const std::string& fileName) {
        return SaveBoardRecord(
            RecordDefinition<T>(), fileName,
            ConstRecordSpan(reinterpret_cast<const std::uint8_t*>(record), sizeof(T)));
    }
    bool LoadDefault() {
        const std::string path = config::DefaultConfigPath();
        return platform::FileExists(path) && LoadFromFile(&Config, path);
    }
    bool SaveDefault() { return SaveToFile(&Config, config::DefaultConfigPath()); }

    bool SaveWithDialog(platform::FileDialog& dialog) {
        const std::string file = config::RunSettingsDialog(dialog, LastDir);
        return !file.empty() && SaveToFile(&Config, file);
    }
    // A file the user picked and the holder refuses is reported with its
    // reason; the record stays as it was.
    bool LoadWithDialog(platform::FileDialog& dialog) {
        const std::string file = config::RunSettingsDialog(dialog, LastDir);
        if (file.empty()) {
            return false;
        }
        config::LoadRefusal refusal;
        if (!LoadFromFile(&Config, file, &refusal)) {
            config::ShowLoadRefusal(file, refusal);
            return false;
        }
        return true;
    }

    void BuildCardList(ConnectorType connectorType, bool allowTransceiver, Voltage voltageClass) {
        CardCount = config::BuildCardList(config::CardListRule::Holder, connectorType,
                                          allowTransceiver, voltageClass, CardIds);
    }

    std::string AskProjectFile(platform::FileDialog& dialog, const std::string& folderWord,
                               const std::string& projectName) {
        return config::AskProjectFile(dialog, folderWord, projectName);
    }

    T Config{};
    std::string LastDir;
    std::int32_t CardCount = 0;
    std::uint8_t CardIds[config::kCardListCapacity] = {};
};
