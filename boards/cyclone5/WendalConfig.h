#pragma once
// The settings record of the Wendal board (board id 25). A .cfg file and
// default.cfg hold it byte for byte: 404 bytes, numbers little-endian.

#include "boards/cyclone5/WendalId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wendal {
// Port indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
} // namespace wendal

struct WENDAL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t VGA;
    std::uint8_t SDRAM;
    std::uint8_t Seg7;
    std::uint8_t PS2;
    std::uint8_t SdCard;
    std::uint8_t nGpioDaughterId[2];
    char GpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[1]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_WENDAL;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kWendalConfigSize);
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<WENDAL_CONFIG>);
static_assert(std::is_standard_layout_v<WENDAL_CONFIG>);
static_assert(sizeof(WENDAL_CONFIG) == 404);
static_assert(sizeof(WENDAL_CONFIG) == kWendalConfigSize);
static_assert(offsetof(WENDAL_CONFIG, BoardId) == 0);
static_assert(offsetof(WENDAL_CONFIG, Size) == 4);
static_assert(offsetof(WENDAL_CONFIG, ProjectName) == 8);
static_assert(offsetof(WENDAL_CONFIG, OSC) == 136);
static_assert(offsetof(WENDAL_CONFIG, LED) == 137);
static_assert(offsetof(WENDAL_CONFIG, Button) == 138);
static_assert(offsetof(WENDAL_CONFIG, Switch) == 139);
static_assert(offsetof(WENDAL_CONFIG, VGA) == 140);
static_assert(offsetof(WENDAL_CONFIG, SDRAM) == 141);
static_assert(offsetof(WENDAL_CONFIG, Seg7) == 142);
static_assert(offsetof(WENDAL_CONFIG, PS2) == 143);
static_assert(offsetof(WENDAL_CONFIG, SdCard) == 144);
static_assert(offsetof(WENDAL_CONFIG, nGpioDaughterId) == 145);
static_assert(offsetof(WENDAL_CONFIG, GpioPrefixName) == 147);
static_assert(offsetof(WENDAL_CONFIG, GpioPrefixName) + kRecordTextSize == 275);
static_assert(offsetof(WENDAL_CONFIG, Align2) == 403);

inline constexpr const char* kWendalWord = "WENDAL"; // folder word and default project name
