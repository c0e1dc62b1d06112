#pragma once
// The settings record of the Brovan kit (board id 30). A .cfg file and
// default.cfg hold it byte for byte: 292 bytes, numbers little-endian.

#include "boards/max10/BrovanId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace brovan {
inline constexpr const char* kFolderWord = "MAX10";
inline constexpr const char* kDefaultProjectName = "MAX10";
} // namespace brovan

struct BROVAN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bHex;
    std::uint8_t bPowerMonitor;
    std::uint8_t bGSensor;
    std::uint8_t bHumiditySensor;
    std::uint8_t bLightSensor;
    std::uint8_t bAudio;
    std::uint8_t bHdmiRx;
    std::uint8_t bSdCard;
    std::uint8_t bQspiFlash;
    std::uint8_t bPS2;
    std::uint8_t bDDR3;
    std::uint8_t bUart2Usb;
    std::uint8_t bEthernet;
    std::uint8_t Reserved; // no control and no reader; the defaults write 1
    std::uint8_t bDAC;
    std::uint8_t bMIPI;
    std::uint8_t bWistel2;
    std::uint8_t Align2[3]; // not interpreted; kept as read
    std::int32_t nErganDaughterId;
    char szErganPrefixName[kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_BROVAN;
    static constexpr std::int32_t kSize = 292;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<BROVAN_CONFIG>);
static_assert(std::is_standard_layout_v<BROVAN_CONFIG>);
static_assert(sizeof(BROVAN_CONFIG) == BROVAN_CONFIG::kSize);
static_assert(offsetof(BROVAN_CONFIG, BoardId) == 0);
static_assert(offsetof(BROVAN_CONFIG, Align1) == 1);
static_assert(offsetof(BROVAN_CONFIG, Size) == 4);
static_assert(offsetof(BROVAN_CONFIG, ProjectName) == 8);
static_assert(offsetof(BROVAN_CONFIG, bOSC) == 136);
static_assert(offsetof(BROVAN_CONFIG, bLED) == 137);
static_assert(offsetof(BROVAN_CONFIG, bButton) == 138);
static_assert(offsetof(BROVAN_CONFIG, bSwitch) == 139);
static_assert(offsetof(BROVAN_CONFIG, bHex) == 140);
static_assert(offsetof(BROVAN_CONFIG, bPowerMonitor) == 141);
static_assert(offsetof(BROVAN_CONFIG, bGSensor) == 142);
static_assert(offsetof(BROVAN_CONFIG, bHumiditySensor) == 143);
static_assert(offsetof(BROVAN_CONFIG, bLightSensor) == 144);
static_assert(offsetof(BROVAN_CONFIG, bAudio) == 145);
static_assert(offsetof(BROVAN_CONFIG, bHdmiRx) == 146);
static_assert(offsetof(BROVAN_CONFIG, bSdCard) == 147);
static_assert(offsetof(BROVAN_CONFIG, bQspiFlash) == 148);
static_assert(offsetof(BROVAN_CONFIG, bPS2) == 149);
static_assert(offsetof(BROVAN_CONFIG, bDDR3) == 150);
static_assert(offsetof(BROVAN_CONFIG, bUart2Usb) == 151);
static_assert(offsetof(BROVAN_CONFIG, bEthernet) == 152);
static_assert(offsetof(BROVAN_CONFIG, Reserved) == 153);
static_assert(offsetof(BROVAN_CONFIG, bDAC) == 154);
static_assert(offsetof(BROVAN_CONFIG, bMIPI) == 155);
static_assert(offsetof(BROVAN_CONFIG, bWistel2) == 156);
static_assert(offsetof(BROVAN_CONFIG, Align2) == 157);
static_assert(offsetof(BROVAN_CONFIG, nErganDaughterId) == 160);
static_assert(offsetof(BROVAN_CONFIG, szErganPrefixName) == 164);
