#pragma once
// The settings record of the Corvin board (board id 3). A .cfg file and
// default.cfg hold it byte for byte: 416 bytes, numbers little-endian.

#include "boards/cyclone2/CorvinId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace corvin {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr const char* kFolderWord = "CORVIN";
inline constexpr const char* kDefaultProjectName = "CORVIN";
} // namespace corvin

struct CORVIN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bPS2;
    std::uint8_t bSDCARD;
    std::uint8_t bVGA;
    std::uint8_t bLCD;
    std::uint8_t bSDRAM;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bSRAM;
    std::uint8_t bSma;
    std::uint8_t bAudio;
    std::uint8_t bEthernet;
    std::uint8_t bIR;
    std::uint8_t bTvDecode;
    std::uint8_t bUSB;
    std::uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_CORVIN;
    static constexpr std::int32_t kSize = 416;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<CORVIN_CONFIG>);
static_assert(std::is_standard_layout_v<CORVIN_CONFIG>);
static_assert(sizeof(CORVIN_CONFIG) == CORVIN_CONFIG::kSize);
static_assert(offsetof(CORVIN_CONFIG, BoardId) == 0);
static_assert(offsetof(CORVIN_CONFIG, Align1) == 1);
static_assert(offsetof(CORVIN_CONFIG, Size) == 4);
static_assert(offsetof(CORVIN_CONFIG, ProjectName) == 8);
static_assert(offsetof(CORVIN_CONFIG, bOSC) == 136);
static_assert(offsetof(CORVIN_CONFIG, bLED) == 137);
static_assert(offsetof(CORVIN_CONFIG, bSeg7) == 138);
static_assert(offsetof(CORVIN_CONFIG, bButton) == 139);
static_assert(offsetof(CORVIN_CONFIG, bSwitch) == 140);
static_assert(offsetof(CORVIN_CONFIG, bPS2) == 141);
static_assert(offsetof(CORVIN_CONFIG, bSDCARD) == 142);
static_assert(offsetof(CORVIN_CONFIG, bVGA) == 143);
static_assert(offsetof(CORVIN_CONFIG, bLCD) == 144);
static_assert(offsetof(CORVIN_CONFIG, bSDRAM) == 145);
static_assert(offsetof(CORVIN_CONFIG, bFlash) == 146);
static_assert(offsetof(CORVIN_CONFIG, bRS232) == 147);
static_assert(offsetof(CORVIN_CONFIG, bSRAM) == 148);
static_assert(offsetof(CORVIN_CONFIG, bSma) == 149);
static_assert(offsetof(CORVIN_CONFIG, bAudio) == 150);
static_assert(offsetof(CORVIN_CONFIG, bEthernet) == 151);
static_assert(offsetof(CORVIN_CONFIG, bIR) == 152);
static_assert(offsetof(CORVIN_CONFIG, bTvDecode) == 153);
static_assert(offsetof(CORVIN_CONFIG, bUSB) == 154);
static_assert(offsetof(CORVIN_CONFIG, nGpioDaughterId) == 155);
static_assert(offsetof(CORVIN_CONFIG, szGpioPrefixName) == 157);
static_assert(offsetof(CORVIN_CONFIG, szGpioPrefixName) + kRecordTextSize == 285);
static_assert(offsetof(CORVIN_CONFIG, Align2) == 413);
