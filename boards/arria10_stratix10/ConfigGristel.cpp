#include "boards/arria10_stratix10/ConfigGristel.h"

#include "boards/arria10_stratix10/GristelId.h"
#include "settings/ConfigCommon.h"

bool TConfigGristel::LoadFromFile(const std::string& fileName) {
    return LoadRecord(
        fileName, &Config, sizeof Config,
        config::RecordHeader{offsetof(GRISTEL_CONFIG, BoardId),
                             static_cast<std::uint8_t>(BoardNumber(MAINBOARD_GRISTEL)),
                             offsetof(GRISTEL_CONFIG, Size)});
}

bool TConfigGristel::SaveToFile(const std::string& fileName) {
    return config::SaveRecordFile(fileName, &Config, sizeof Config);
}
