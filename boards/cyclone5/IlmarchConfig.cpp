#include "boards/cyclone5/IlmarchConfig.h"

#include "settings/ConfigCommon.h"

#include <cstring>

using namespace ilmarch;

void SetIlmarchDefaultConfig(ILMARCH_CONFIG& config) {
    std::memset(&config, 0, sizeof config);
    config.BoardId = static_cast<std::uint8_t>(ILMARCH_CONFIG::kBoardId);
    config.Size = ILMARCH_CONFIG::kSize;
    SetIlmarchText(config.ProjectName, kIlmarchDefaultProjectName);
    for (auto option : kIlmarchOptionBytes) {
        config.*option = 1;
    }
    config.GpioVoltage = static_cast<std::int32_t>(VOLTAGE_3V3);
}

std::string IlmarchText(const char (&field)[kRecordTextSize]) {
    return config::RecordText(field);
}

void SetIlmarchText(char (&field)[kRecordTextSize], std::string_view text) {
    config::SetRecordText(field, text);
}

bool IsIlmarchVoltageCode(std::int32_t code) {
    return code == static_cast<std::int32_t>(VOLTAGE_3V3) ||
           code == static_cast<std::int32_t>(VOLTAGE_2V5) ||
           code == static_cast<std::int32_t>(VOLTAGE_1V8) ||
           code == static_cast<std::int32_t>(VOLTAGE_1V5);
}

std::int32_t IlmarchVoltageOrDefault(std::int32_t code) {
    return IsIlmarchVoltageCode(code) ? code : static_cast<std::int32_t>(VOLTAGE_3V3);
}

Voltage IlmarchVoltageClass(std::int32_t code) {
    return static_cast<Voltage>(IlmarchVoltageOrDefault(code));
}

IoStd IlmarchGpioIoStandard(std::int32_t code) {
    switch (IlmarchVoltageClass(code)) {
    case VOLTAGE_2V5:
        return IOSTD_2V5;
    case VOLTAGE_1V8:
        return IOSTD_1V8;
    case VOLTAGE_1V5:
        return IOSTD_1V5;
    default:
        return IOSTD_3V3_LVTTL;
    }
}

std::string IlmarchJumperText(std::int32_t code) {
    switch (IlmarchVoltageClass(code)) {
    case VOLTAGE_2V5:
        return "2.5V(5-6)";
    case VOLTAGE_1V8:
        return "1.8V(3-4)";
    case VOLTAGE_1V5:
        return "1.5V(1-2)";
    default:
        return "3.3V(7-8)";
    }
}
