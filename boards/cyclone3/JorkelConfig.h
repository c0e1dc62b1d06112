#pragma once
// The settings record of the Jorkel board (board id 50). A .cfg file and
// default.cfg hold it byte for byte: 272 bytes, numbers little-endian.

#include "boards/cyclone3/JorkelId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace jorkel {
// Port index of the HSMC connector.
enum : int { HSMC = 0 };
inline constexpr const char* kFolderWord = "JORKEL";
inline constexpr const char* kDefaultProjectName = "JORKEL";
} // namespace jorkel

struct JORKEL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bSDRAM;
    std::uint8_t bFlashSSRAM;
    std::uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_JORKEL;
    static constexpr std::int32_t kSize = 272;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<JORKEL_CONFIG>);
static_assert(std::is_standard_layout_v<JORKEL_CONFIG>);
static_assert(sizeof(JORKEL_CONFIG) == JORKEL_CONFIG::kSize);
static_assert(offsetof(JORKEL_CONFIG, BoardId) == 0);
static_assert(offsetof(JORKEL_CONFIG, Align1) == 1);
static_assert(offsetof(JORKEL_CONFIG, Size) == 4);
static_assert(offsetof(JORKEL_CONFIG, ProjectName) == 8);
static_assert(offsetof(JORKEL_CONFIG, bOSC) == 136);
static_assert(offsetof(JORKEL_CONFIG, bLED) == 137);
static_assert(offsetof(JORKEL_CONFIG, bButton) == 138);
static_assert(offsetof(JORKEL_CONFIG, bSDRAM) == 139);
static_assert(offsetof(JORKEL_CONFIG, bFlashSSRAM) == 140);
static_assert(offsetof(JORKEL_CONFIG, nHsmcDaughterId) == 141);
static_assert(offsetof(JORKEL_CONFIG, szHSMCPrefixName) == 142);
static_assert(offsetof(JORKEL_CONFIG, Align2) == 270);
