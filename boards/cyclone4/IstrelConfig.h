#pragma once
// The settings record of the Istrel board (board id 10). A .cfg file and
// default.cfg hold it byte for byte: 404 bytes, numbers little-endian.

#include "boards/cyclone4/IstrelId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace istrel {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr const char* kFolderWord = "ISTREL";
inline constexpr const char* kDefaultProjectName = "ISTREL";
// The prefix the GPIO Default cards take on a header whose prefix is empty.
inline constexpr const char* kDefaultGpioPrefix = "GPIO";
} // namespace istrel

struct ISTREL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bSDRAM;
    std::uint8_t bADC;
    std::uint8_t bAccelerometer;
    std::uint8_t bEEPROM;
    std::uint8_t bEPCS;
    std::uint8_t bHeader;
    std::uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_ISTREL;
    static constexpr std::int32_t kSize = 404;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ISTREL_CONFIG>);
static_assert(std::is_standard_layout_v<ISTREL_CONFIG>);
static_assert(sizeof(ISTREL_CONFIG) == ISTREL_CONFIG::kSize);
static_assert(offsetof(ISTREL_CONFIG, BoardId) == 0);
static_assert(offsetof(ISTREL_CONFIG, Align1) == 1);
static_assert(offsetof(ISTREL_CONFIG, Size) == 4);
static_assert(offsetof(ISTREL_CONFIG, ProjectName) == 8);
static_assert(offsetof(ISTREL_CONFIG, bOSC) == 136);
static_assert(offsetof(ISTREL_CONFIG, bLED) == 137);
static_assert(offsetof(ISTREL_CONFIG, bButton) == 138);
static_assert(offsetof(ISTREL_CONFIG, bSwitch) == 139);
static_assert(offsetof(ISTREL_CONFIG, bSDRAM) == 140);
static_assert(offsetof(ISTREL_CONFIG, bADC) == 141);
static_assert(offsetof(ISTREL_CONFIG, bAccelerometer) == 142);
static_assert(offsetof(ISTREL_CONFIG, bEEPROM) == 143);
static_assert(offsetof(ISTREL_CONFIG, bEPCS) == 144);
static_assert(offsetof(ISTREL_CONFIG, bHeader) == 145);
static_assert(offsetof(ISTREL_CONFIG, nGpioDaughterId) == 146);
static_assert(offsetof(ISTREL_CONFIG, szGpioPrefixName) == 148);
static_assert(offsetof(ISTREL_CONFIG, szGpioPrefixName) + kRecordTextSize == 276);
