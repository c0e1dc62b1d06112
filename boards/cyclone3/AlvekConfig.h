#pragma once
// The settings record of the Alvek board (board id 1). A .cfg file and
// default.cfg hold it byte for byte: 408 bytes, numbers little-endian.

#include "boards/cyclone3/AlvekId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace alvek {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr const char* kFolderWord = "ALVEK";
inline constexpr const char* kDefaultProjectName = "ALVEK";
} // namespace alvek

struct ALVEK_CONFIG {
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
    std::uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_ALVEK;
    static constexpr std::int32_t kSize = 408;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ALVEK_CONFIG>);
static_assert(std::is_standard_layout_v<ALVEK_CONFIG>);
static_assert(sizeof(ALVEK_CONFIG) == ALVEK_CONFIG::kSize);
static_assert(offsetof(ALVEK_CONFIG, BoardId) == 0);
static_assert(offsetof(ALVEK_CONFIG, Align1) == 1);
static_assert(offsetof(ALVEK_CONFIG, Size) == 4);
static_assert(offsetof(ALVEK_CONFIG, ProjectName) == 8);
static_assert(offsetof(ALVEK_CONFIG, bOSC) == 136);
static_assert(offsetof(ALVEK_CONFIG, bLED) == 137);
static_assert(offsetof(ALVEK_CONFIG, bSeg7) == 138);
static_assert(offsetof(ALVEK_CONFIG, bButton) == 139);
static_assert(offsetof(ALVEK_CONFIG, bSwitch) == 140);
static_assert(offsetof(ALVEK_CONFIG, bPS2) == 141);
static_assert(offsetof(ALVEK_CONFIG, bSDCARD) == 142);
static_assert(offsetof(ALVEK_CONFIG, bVGA) == 143);
static_assert(offsetof(ALVEK_CONFIG, bLCD) == 144);
static_assert(offsetof(ALVEK_CONFIG, bSDRAM) == 145);
static_assert(offsetof(ALVEK_CONFIG, bFlash) == 146);
static_assert(offsetof(ALVEK_CONFIG, bRS232) == 147);
static_assert(offsetof(ALVEK_CONFIG, nGpioDaughterId) == 148);
static_assert(offsetof(ALVEK_CONFIG, szGpioPrefixName) == 150);
static_assert(offsetof(ALVEK_CONFIG, szGpioPrefixName) + kRecordTextSize == 278);
static_assert(offsetof(ALVEK_CONFIG, Align2) == 406);
