#pragma once
// The settings record of the Hollin board (board id 9). A .cfg file and
// default.cfg hold it byte for byte: 924 bytes, numbers little-endian.

#include "boards/stratix4/HollinId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hollin {
enum : int { HSMC_A = 0, HSMC_B = 1 };
enum : int { FMC_A = 0, FMC_B, FMC_C, FMC_D };
inline constexpr int HOLLIN_HSMC_NUM = 2;
inline constexpr int HOLLIN_FMC_NUM = 4;
inline constexpr const char* kDefaultProjectName = "HOLLIN";
inline constexpr const char* kFolderWord = "HOLLIN";
} // namespace hollin

struct HOLLIN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bSma;
    std::uint8_t bTemp;
    std::uint8_t bDDR3;
    std::uint8_t bFan;
    std::uint8_t bSSRAM;
    std::uint8_t bFlash;
    std::uint8_t nHsmcDaughterId[hollin::HOLLIN_HSMC_NUM];
    char szHsmcPrefixName[hollin::HOLLIN_HSMC_NUM][kRecordTextSize];
    std::uint8_t nFmcDaughterId[hollin::HOLLIN_FMC_NUM];
    char szFmcPrefixName[hollin::HOLLIN_FMC_NUM][kRecordTextSize];
    std::uint8_t Align2[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_HOLLIN;
    static constexpr std::int32_t kSize = 924;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<HOLLIN_CONFIG>);
static_assert(std::is_standard_layout_v<HOLLIN_CONFIG>);
static_assert(sizeof(HOLLIN_CONFIG) == 924);
static_assert(offsetof(HOLLIN_CONFIG, BoardId) == 0);
static_assert(offsetof(HOLLIN_CONFIG, Size) == 4);
static_assert(offsetof(HOLLIN_CONFIG, ProjectName) == 8);
static_assert(offsetof(HOLLIN_CONFIG, bOSC) == 136);
static_assert(offsetof(HOLLIN_CONFIG, bLED) == 137);
static_assert(offsetof(HOLLIN_CONFIG, bSeg7) == 138);
static_assert(offsetof(HOLLIN_CONFIG, bButton) == 139);
static_assert(offsetof(HOLLIN_CONFIG, bSwitch) == 140);
static_assert(offsetof(HOLLIN_CONFIG, bSma) == 141);
static_assert(offsetof(HOLLIN_CONFIG, bTemp) == 142);
static_assert(offsetof(HOLLIN_CONFIG, bDDR3) == 143);
static_assert(offsetof(HOLLIN_CONFIG, bFan) == 144);
static_assert(offsetof(HOLLIN_CONFIG, bSSRAM) == 145);
static_assert(offsetof(HOLLIN_CONFIG, bFlash) == 146);
static_assert(offsetof(HOLLIN_CONFIG, nHsmcDaughterId) == 147);
static_assert(offsetof(HOLLIN_CONFIG, szHsmcPrefixName) == 149);
static_assert(offsetof(HOLLIN_CONFIG, szHsmcPrefixName) + kRecordTextSize == 277);
static_assert(offsetof(HOLLIN_CONFIG, nFmcDaughterId) == 405);
static_assert(offsetof(HOLLIN_CONFIG, szFmcPrefixName) == 409);
static_assert(offsetof(HOLLIN_CONFIG, szFmcPrefixName) + 3 * kRecordTextSize == 793);
static_assert(offsetof(HOLLIN_CONFIG, Align2) == 921);
