#include "boards/cyclone5/IlmarchConfig.h"

#include "settings/ConfigCommon.h"

#include <algorithm>
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

bool IsIlmarchRecord(const ILMARCH_CONFIG& config) {
    return config.BoardId == static_cast<std::uint8_t>(ILMARCH_CONFIG::kBoardId) &&
           config.Size == ILMARCH_CONFIG::kSize;
}

bool IsIlmarchRecord(std::string_view bytes) {
    if (bytes.size() != sizeof(ILMARCH_CONFIG)) {
        return false;
    }
    ILMARCH_CONFIG config;
    std::memcpy(&config, bytes.data(), sizeof config);
    return IsIlmarchRecord(config);
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

bool IsGpioDefaultCard(CardId card) {
    return card == CARD_GPIO_DEFAULT || card == CARD_GPIO_DEFAULT_2V5 ||
           card == CARD_GPIO_DEFAULT_1V8 || card == CARD_GPIO_DEFAULT_1V5;
}

bool IlmarchBothHeadersDefault(CardId card0, std::string_view prefix0, CardId card1,
                               std::string_view prefix1) {
    return IsGpioDefaultCard(card0) && card0 == card1 && prefix0.empty() && prefix1.empty();
}

void CheckIlmarchRecord(ILMARCH_CONFIG& config, const std::uint8_t* cardIds, int cardCount) {
    config.GpioVoltage = IlmarchVoltageOrDefault(config.GpioVoltage);
    for (auto option : kIlmarchOptionBytes) {
        config.*option = config.*option != 0 ? 1 : 0;
    }
    SetIlmarchText(config.ProjectName, IlmarchText(config.ProjectName));

    for (int header = GPIO_0; header <= GPIO_1; ++header) {
        std::uint8_t& card = config.nGpioDaughterId[header];
        char(&prefix)[kRecordTextSize] = config.GpioPrefixName[header];
        const bool offered = std::find(cardIds, cardIds + std::max(cardCount, 0), card) !=
                             cardIds + std::max(cardCount, 0);
        if (card == 0 || !offered) {
            card = 0;
            SetIlmarchText(prefix, "");
        } else {
            SetIlmarchText(prefix, IlmarchText(prefix));
        }
    }

    // An 80-pin card takes both headers; the record names it on both.
    const CardId card0 = MakeCardId(config.nGpioDaughterId[GPIO_0]);
    const CardId card1 = MakeCardId(config.nGpioDaughterId[GPIO_1]);
    if (BoardConnectorType(card0) == CONNECTOR_GPIO80) {
        config.nGpioDaughterId[GPIO_1] = config.nGpioDaughterId[GPIO_0];
        std::memcpy(config.GpioPrefixName[GPIO_1], config.GpioPrefixName[GPIO_0], kRecordTextSize);
    } else if (BoardConnectorType(card1) == CONNECTOR_GPIO80) {
        config.nGpioDaughterId[GPIO_1] = 0;
        SetIlmarchText(config.GpioPrefixName[GPIO_1], "");
    }
}
