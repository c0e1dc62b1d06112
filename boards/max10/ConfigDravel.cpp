#include "boards/max10/ConfigDravel.h"

#include "boards/max10/DravelId.h"
#include "settings/ConfigCommon.h"

bool TConfigDravel::LoadFromFile(const std::string& fileName) {
    return LoadRecord(fileName, &Config, sizeof Config,
                      config::RecordHeader{offsetof(DRAVEL_CONFIG, BoardId),
                                           static_cast<std::uint8_t>(BoardNumber(MAINBOARD_DRAVEL)),
                                           offsetof(DRAVEL_CONFIG, Size)});
}

bool TConfigDravel::SaveToFile(const std::string& fileName) {
    return config::SaveRecordFile(fileName, &Config, sizeof Config);
}
