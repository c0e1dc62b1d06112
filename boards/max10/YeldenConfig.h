#pragma once
// The settings record of the Yelden board (board id 26). A .cfg file and
// default.cfg hold it byte for byte: 292 bytes, numbers little-endian.

#include "boards/max10/YeldenId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace yelden {
inline constexpr const char* kFolderWord = "YELDEN";
inline constexpr const char* kDefaultProjectName = "YELDEN";
// Board revisions (nBoardRevIndex); any other value is read as revision C.
enum : std::int32_t { kRevisionA = 0, kRevisionB = 1, kRevisionC = 2 };
// Header-mode entries (nBbbModeIndex): None, Default, WIFI-BLE, BBB Mode 7.
enum : std::uint8_t { kModeNone = 0, kModeDefault = 1, kModeWifiBle = 2, kModeMode7 = 3 };
} // namespace yelden

struct YELDEN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bCapButton;
    std::uint8_t bSwitch;
    std::uint8_t bHdmiTx;
    std::uint8_t bTempSensor;
    std::uint8_t bGSensor;
    std::uint8_t bUsb;
    std::uint8_t bMIPI;
    std::uint8_t bEthernet;
    std::uint8_t bSdCard;
    std::uint8_t bDDR3;
    std::uint8_t bFlash;
    std::uint8_t bAudio;
    std::uint8_t bSmaADC; // a hidden box's option; no pins belong to it
    std::uint8_t bLightSensor;
    std::uint8_t bHumiditySensor;
    std::uint8_t bPowerMonitor;
    std::uint8_t Align2[1]; // not interpreted; kept as read
    std::int32_t nBoardRevIndex;
    std::uint8_t nBbbModeIndex;
    char szBBBPrefixName[kRecordTextSize]; // stored and reloaded; generation ignores it
    std::uint8_t Align3[3];                // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_YELDEN;
    static constexpr std::int32_t kSize = 292;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<YELDEN_CONFIG>);
static_assert(std::is_standard_layout_v<YELDEN_CONFIG>);
static_assert(sizeof(YELDEN_CONFIG) == YELDEN_CONFIG::kSize);
static_assert(offsetof(YELDEN_CONFIG, BoardId) == 0);
static_assert(offsetof(YELDEN_CONFIG, Align1) == 1);
static_assert(offsetof(YELDEN_CONFIG, Size) == 4);
static_assert(offsetof(YELDEN_CONFIG, ProjectName) == 8);
static_assert(offsetof(YELDEN_CONFIG, bOSC) == 136);
static_assert(offsetof(YELDEN_CONFIG, bLED) == 137);
static_assert(offsetof(YELDEN_CONFIG, bButton) == 138);
static_assert(offsetof(YELDEN_CONFIG, bCapButton) == 139);
static_assert(offsetof(YELDEN_CONFIG, bSwitch) == 140);
static_assert(offsetof(YELDEN_CONFIG, bHdmiTx) == 141);
static_assert(offsetof(YELDEN_CONFIG, bTempSensor) == 142);
static_assert(offsetof(YELDEN_CONFIG, bGSensor) == 143);
static_assert(offsetof(YELDEN_CONFIG, bUsb) == 144);
static_assert(offsetof(YELDEN_CONFIG, bMIPI) == 145);
static_assert(offsetof(YELDEN_CONFIG, bEthernet) == 146);
static_assert(offsetof(YELDEN_CONFIG, bSdCard) == 147);
static_assert(offsetof(YELDEN_CONFIG, bDDR3) == 148);
static_assert(offsetof(YELDEN_CONFIG, bFlash) == 149);
static_assert(offsetof(YELDEN_CONFIG, bAudio) == 150);
static_assert(offsetof(YELDEN_CONFIG, bSmaADC) == 151);
static_assert(offsetof(YELDEN_CONFIG, bLightSensor) == 152);
static_assert(offsetof(YELDEN_CONFIG, bHumiditySensor) == 153);
static_assert(offsetof(YELDEN_CONFIG, bPowerMonitor) == 154);
static_assert(offsetof(YELDEN_CONFIG, Align2) == 155);
static_assert(offsetof(YELDEN_CONFIG, nBoardRevIndex) == 156);
static_assert(offsetof(YELDEN_CONFIG, nBbbModeIndex) == 160);
static_assert(offsetof(YELDEN_CONFIG, szBBBPrefixName) == 161);
static_assert(offsetof(YELDEN_CONFIG, Align3) == 289);
