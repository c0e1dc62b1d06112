#pragma once
// The settings record of the Galdre_X2 board (board id 7), a board with two
// FPGAs: a header and one node per FPGA. A .cfg file and default.cfg hold it
// byte for byte: 1336 bytes, numbers little-endian.

#include "boards/stratix4/GaldreX2Id.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace galdre_x2 {
enum : int { HSMC_A = 0, HSMC_B, HSMC_C, HSMC_D };
inline constexpr int kHsmcCount = 4;
inline constexpr int kNodeCount = 2;
inline constexpr const char* kFolderWord = "GALDRE_X2";
} // namespace galdre_x2

// One FPGA node's settings.
struct GALDRE_X2_NODE {
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bSDCARD;
    std::uint8_t bSma;
    std::uint8_t bUSB;
    std::uint8_t bTemp;
    std::uint8_t Unused136; // no control and no reader; kept as read
    std::uint8_t bDDR2;
    std::uint8_t bDDR3;
    std::uint8_t bPCIe;
    std::uint8_t bFPGABridge;
    std::uint8_t bFan;
    std::uint8_t bSSRAM;
    std::uint8_t bFlash;
    std::uint8_t bMax2; // no control; always 0
    std::uint8_t bLCD;
    std::uint8_t bEthernet;
    std::uint8_t bEEPROM;
    std::uint8_t nHsmcDaughterId[galdre_x2::kHsmcCount];
    char szHSMCPrefixName[galdre_x2::kHsmcCount][kRecordTextSize];
};

struct GALDRE_X2_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t nBoardTypeIndex; // 0 the 230 device, 1 the 530
    std::uint8_t Align1[2];       // not interpreted; kept as read
    std::int32_t Size;
    union {
        GALDRE_X2_NODE F[galdre_x2::kNodeCount];
        // The first node's project name, at the place other boards' records
        // keep theirs.
        char ProjectName[kRecordTextSize];
    };

    static constexpr ::BoardId kBoardId = MAINBOARD_GALDRE_X2;
    static constexpr std::int32_t kSize = 1336;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<GALDRE_X2_CONFIG>);
static_assert(std::is_standard_layout_v<GALDRE_X2_CONFIG>);
static_assert(sizeof(GALDRE_X2_NODE) == 664);
static_assert(offsetof(GALDRE_X2_NODE, ProjectName) == 0);
static_assert(offsetof(GALDRE_X2_NODE, bOSC) == 128);
static_assert(offsetof(GALDRE_X2_NODE, bLED) == 129);
static_assert(offsetof(GALDRE_X2_NODE, bButton) == 130);
static_assert(offsetof(GALDRE_X2_NODE, bSwitch) == 131);
static_assert(offsetof(GALDRE_X2_NODE, bSDCARD) == 132);
static_assert(offsetof(GALDRE_X2_NODE, bSma) == 133);
static_assert(offsetof(GALDRE_X2_NODE, bUSB) == 134);
static_assert(offsetof(GALDRE_X2_NODE, bTemp) == 135);
static_assert(offsetof(GALDRE_X2_NODE, Unused136) == 136);
static_assert(offsetof(GALDRE_X2_NODE, bDDR2) == 137);
static_assert(offsetof(GALDRE_X2_NODE, bDDR3) == 138);
static_assert(offsetof(GALDRE_X2_NODE, bPCIe) == 139);
static_assert(offsetof(GALDRE_X2_NODE, bFPGABridge) == 140);
static_assert(offsetof(GALDRE_X2_NODE, bFan) == 141);
static_assert(offsetof(GALDRE_X2_NODE, bSSRAM) == 142);
static_assert(offsetof(GALDRE_X2_NODE, bFlash) == 143);
static_assert(offsetof(GALDRE_X2_NODE, bMax2) == 144);
static_assert(offsetof(GALDRE_X2_NODE, bLCD) == 145);
static_assert(offsetof(GALDRE_X2_NODE, bEthernet) == 146);
static_assert(offsetof(GALDRE_X2_NODE, bEEPROM) == 147);
static_assert(offsetof(GALDRE_X2_NODE, nHsmcDaughterId) == 148);
static_assert(offsetof(GALDRE_X2_NODE, szHSMCPrefixName) == 152);
static_assert(offsetof(GALDRE_X2_NODE, szHSMCPrefixName) + 3 * kRecordTextSize == 536);
static_assert(sizeof(GALDRE_X2_CONFIG) == 1336);
static_assert(offsetof(GALDRE_X2_CONFIG, BoardId) == 0);
static_assert(offsetof(GALDRE_X2_CONFIG, nBoardTypeIndex) == 1);
static_assert(offsetof(GALDRE_X2_CONFIG, Size) == 4);
static_assert(offsetof(GALDRE_X2_CONFIG, F) == 8);
static_assert(offsetof(GALDRE_X2_CONFIG, ProjectName) == 8);
static_assert(offsetof(GALDRE_X2_CONFIG, F) + sizeof(GALDRE_X2_NODE) == 672);
