#pragma once
// The settings record of the Bressa board (board id 2). A .cfg file and
// default.cfg hold it byte for byte: 408 bytes, numbers little-endian.

#include "boards/cyclone2/BressaId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace bressa {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr const char* kFolderWord = "BRESSA";
inline constexpr const char* kDefaultProjectName = "BRESSA";
} // namespace bressa

struct BRESSA_CONFIG {
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
    std::uint8_t bSDRAM;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bSRAM;
    std::uint8_t bSma;
    std::uint8_t bAudio;
    std::uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_BRESSA;
    static constexpr std::int32_t kSize = 408;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<BRESSA_CONFIG>);
static_assert(std::is_standard_layout_v<BRESSA_CONFIG>);
static_assert(sizeof(BRESSA_CONFIG) == BRESSA_CONFIG::kSize);
static_assert(offsetof(BRESSA_CONFIG, BoardId) == 0);
static_assert(offsetof(BRESSA_CONFIG, Align1) == 1);
static_assert(offsetof(BRESSA_CONFIG, Size) == 4);
static_assert(offsetof(BRESSA_CONFIG, ProjectName) == 8);
static_assert(offsetof(BRESSA_CONFIG, bOSC) == 136);
static_assert(offsetof(BRESSA_CONFIG, bLED) == 137);
static_assert(offsetof(BRESSA_CONFIG, bSeg7) == 138);
static_assert(offsetof(BRESSA_CONFIG, bButton) == 139);
static_assert(offsetof(BRESSA_CONFIG, bSwitch) == 140);
static_assert(offsetof(BRESSA_CONFIG, bPS2) == 141);
static_assert(offsetof(BRESSA_CONFIG, bSDCARD) == 142);
static_assert(offsetof(BRESSA_CONFIG, bVGA) == 143);
static_assert(offsetof(BRESSA_CONFIG, bSDRAM) == 144);
static_assert(offsetof(BRESSA_CONFIG, bFlash) == 145);
static_assert(offsetof(BRESSA_CONFIG, bRS232) == 146);
static_assert(offsetof(BRESSA_CONFIG, bSRAM) == 147);
static_assert(offsetof(BRESSA_CONFIG, bSma) == 148);
static_assert(offsetof(BRESSA_CONFIG, bAudio) == 149);
static_assert(offsetof(BRESSA_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(BRESSA_CONFIG, szGpioPrefixName) == 152);
static_assert(offsetof(BRESSA_CONFIG, szGpioPrefixName) + kRecordTextSize == 280);
