#pragma once
// The settings record of the Fennik board (board id 6). A .cfg file and
// default.cfg hold it byte for byte: 924 bytes, numbers little-endian.

#include "boards/stratix3/FennikId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace fennik {
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
enum : int { KIRREL_A = 0, KIRREL_B, KIRREL_C, KIRREL_D };
inline constexpr int kGpioCount = 2;
inline constexpr int kKirrelCount = 4;
// Board types "FENNIK 150" .. "FENNIK 150ES".
inline constexpr std::uint8_t kLastBoardIndex = 4;
inline constexpr const char* kDefaultProjectName = "FENNIK";
inline constexpr const char* kFolderWord = "FENNIK";
} // namespace fennik

struct FENNIK_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t nBoardIndex; // the FPGA device
    std::uint8_t Align1[2];   // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bDIP;
    std::uint8_t bSDCARD;
    std::uint8_t bSma; // shown on the picture only: the filler adds no pins
    std::uint8_t bUSB;
    std::uint8_t bTemp;
    std::uint8_t bGPIO; // the two GPIO headers replace KIRREL-A
    std::uint8_t bDDR2; // the DDR2 socket replaces KIRREL-B
    std::uint8_t nGpioDaughterId[fennik::kGpioCount];
    char szGpioPrefixName[fennik::kGpioCount][kRecordTextSize];
    std::uint8_t nKirrelDaughterId[fennik::kKirrelCount];
    char szKirrelPrefixName[fennik::kKirrelCount][kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_FENNIK;
    static constexpr std::int32_t kSize = 924;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<FENNIK_CONFIG>);
static_assert(std::is_standard_layout_v<FENNIK_CONFIG>);
static_assert(sizeof(FENNIK_CONFIG) == 924);
static_assert(offsetof(FENNIK_CONFIG, BoardId) == 0);
static_assert(offsetof(FENNIK_CONFIG, nBoardIndex) == 1);
static_assert(offsetof(FENNIK_CONFIG, Size) == 4);
static_assert(offsetof(FENNIK_CONFIG, ProjectName) == 8);
static_assert(offsetof(FENNIK_CONFIG, bOSC) == 136);
static_assert(offsetof(FENNIK_CONFIG, bLED) == 137);
static_assert(offsetof(FENNIK_CONFIG, bSeg7) == 138);
static_assert(offsetof(FENNIK_CONFIG, bButton) == 139);
static_assert(offsetof(FENNIK_CONFIG, bSwitch) == 140);
static_assert(offsetof(FENNIK_CONFIG, bDIP) == 141);
static_assert(offsetof(FENNIK_CONFIG, bSDCARD) == 142);
static_assert(offsetof(FENNIK_CONFIG, bSma) == 143);
static_assert(offsetof(FENNIK_CONFIG, bUSB) == 144);
static_assert(offsetof(FENNIK_CONFIG, bTemp) == 145);
static_assert(offsetof(FENNIK_CONFIG, bGPIO) == 146);
static_assert(offsetof(FENNIK_CONFIG, bDDR2) == 147);
static_assert(offsetof(FENNIK_CONFIG, nGpioDaughterId) == 148);
static_assert(offsetof(FENNIK_CONFIG, szGpioPrefixName) == 150);
static_assert(offsetof(FENNIK_CONFIG, szGpioPrefixName) + kRecordTextSize == 278);
static_assert(offsetof(FENNIK_CONFIG, nKirrelDaughterId) == 406);
static_assert(offsetof(FENNIK_CONFIG, szKirrelPrefixName) == 410);
static_assert(offsetof(FENNIK_CONFIG, szKirrelPrefixName) + 3 * kRecordTextSize == 794);
static_assert(offsetof(FENNIK_CONFIG, Align2) == 922);
