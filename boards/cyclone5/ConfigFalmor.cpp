#include "boards/cyclone5/ConfigFalmor.h"

#include "boards/cyclone5/FalmorId.h"
#include "settings/ConfigCommon.h"

bool TConfigFalmor::LoadFromFile(const std::string& fileName) {
    return LoadRecord(fileName, &Config, sizeof Config,
                      config::RecordHeader{offsetof(FALMOR_CONFIG, BoardId),
                                           static_cast<std::uint8_t>(BoardNumber(MAINBOARD_FALMOR)),
                                           offsetof(FALMOR_CONFIG, Size)});
}

bool TConfigFalmor::SaveToFile(const std::string& fileName) {
    return config::SaveRecordFile(fileName, &Config, sizeof Config);
}
