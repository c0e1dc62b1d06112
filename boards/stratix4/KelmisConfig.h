#pragma once
// The settings record of the Kelmis board (board id 12). A .cfg file and
// default.cfg hold it byte for byte: 1188 bytes, numbers little-endian.

#include "boards/stratix4/ExtPll.h"
#include "boards/stratix4/KelmisId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kelmis {
// The six HSMC ports A..F and the two GPIO headers that replace port C.
enum : int { HSMC_A = 0, HSMC_B, HSMC_C, HSMC_D, HSMC_E, HSMC_F };
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr int kHsmcCount = 6;
inline constexpr int kGpioCount = 2;
inline constexpr int kExtPllCount = 3;
// The PLL choice a default record holds: 100 MHz.
inline constexpr std::uint8_t kDefaultPllIndex = 4;
inline constexpr std::uint8_t kLastPllIndex = 12;
inline constexpr std::size_t kRecordSize = kKelmisConfigSize;
inline constexpr const char* kDefaultProjectName = "KELMIS";
inline constexpr const char* kFolderWord = "KELMIS";
} // namespace kelmis

struct KELMIS_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t nBoardTypeIndex; // 0 Kelmis_230, 1 Kelmis_530
    std::uint8_t Align1[2];       // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bSma;
    std::uint8_t bTemp;
    std::uint8_t bDDR3;
    std::uint8_t bPCIe0;
    std::uint8_t bPCIe1;
    std::uint8_t bFan;
    std::uint8_t bSSRAM;
    std::uint8_t bFlash;
    std::uint8_t bExtPLL;
    std::uint8_t bHsmcGpio;                       // port C carries the two GPIO headers
    std::uint8_t nPllIndex[kelmis::kExtPllCount]; // HSMA_REFCLK, HSME_REFCLK, PGM_GXBCLK
    std::uint8_t nGpioDaughterId[kelmis::kGpioCount];
    char szGpioPrefixName[kelmis::kGpioCount][kRecordTextSize];
    std::uint8_t nHsmcDaughterId[kelmis::kHsmcCount];
    char szHSMCPrefixName[kelmis::kHsmcCount][kRecordTextSize];
    std::uint8_t Align2[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_KELMIS;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kelmis::kRecordSize);
};

// The file format is the in-memory layout, so pin it down.
static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<KELMIS_CONFIG>);
static_assert(std::is_standard_layout_v<KELMIS_CONFIG>);
static_assert(sizeof(KELMIS_CONFIG) == 1188);
static_assert(offsetof(KELMIS_CONFIG, BoardId) == 0);
static_assert(offsetof(KELMIS_CONFIG, nBoardTypeIndex) == 1);
static_assert(offsetof(KELMIS_CONFIG, Size) == 4);
static_assert(offsetof(KELMIS_CONFIG, ProjectName) == 8);
static_assert(offsetof(KELMIS_CONFIG, bOSC) == 136);
static_assert(offsetof(KELMIS_CONFIG, bLED) == 137);
static_assert(offsetof(KELMIS_CONFIG, bButton) == 138);
static_assert(offsetof(KELMIS_CONFIG, bSwitch) == 139);
static_assert(offsetof(KELMIS_CONFIG, bSma) == 140);
static_assert(offsetof(KELMIS_CONFIG, bTemp) == 141);
static_assert(offsetof(KELMIS_CONFIG, bDDR3) == 142);
static_assert(offsetof(KELMIS_CONFIG, bPCIe0) == 143);
static_assert(offsetof(KELMIS_CONFIG, bPCIe1) == 144);
static_assert(offsetof(KELMIS_CONFIG, bFan) == 145);
static_assert(offsetof(KELMIS_CONFIG, bSSRAM) == 146);
static_assert(offsetof(KELMIS_CONFIG, bFlash) == 147);
static_assert(offsetof(KELMIS_CONFIG, bExtPLL) == 148);
static_assert(offsetof(KELMIS_CONFIG, bExtPLL) == extpll::kKelmisExtPll);
static_assert(offsetof(KELMIS_CONFIG, bHsmcGpio) == 149);
static_assert(offsetof(KELMIS_CONFIG, nPllIndex) == 150);
static_assert(offsetof(KELMIS_CONFIG, nPllIndex) == extpll::kKelmisPllOut1);
static_assert(offsetof(KELMIS_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(KELMIS_CONFIG, szGpioPrefixName) == 155);
static_assert(offsetof(KELMIS_CONFIG, szGpioPrefixName) + kRecordTextSize == 283);
static_assert(offsetof(KELMIS_CONFIG, nHsmcDaughterId) == 411);
static_assert(offsetof(KELMIS_CONFIG, szHSMCPrefixName) == 417);
static_assert(offsetof(KELMIS_CONFIG, Align2) == 1185);
