#pragma once
// The settings record of the Sollen board (board id 21). A .cfg file and
// default.cfg hold it byte for byte: 408 bytes, numbers little-endian.

#include "boards/cyclone5/SollenId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace sollen {
// Port indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
} // namespace sollen

struct SOLLEN_CONFIG {
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
    std::uint8_t Audio;
    std::uint8_t VideoIn;
    std::uint8_t ADC;
    std::uint8_t Seg7;
    std::uint8_t IR;
    std::uint8_t PS2;
    std::uint8_t HPS;
    std::uint8_t nGpioDaughterId[2];
    char GpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[1]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_SOLLEN;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kSollenConfigSize);
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<SOLLEN_CONFIG>);
static_assert(std::is_standard_layout_v<SOLLEN_CONFIG>);
static_assert(sizeof(SOLLEN_CONFIG) == 408);
static_assert(sizeof(SOLLEN_CONFIG) == kSollenConfigSize);
static_assert(offsetof(SOLLEN_CONFIG, BoardId) == 0);
static_assert(offsetof(SOLLEN_CONFIG, Size) == 4);
static_assert(offsetof(SOLLEN_CONFIG, ProjectName) == 8);
static_assert(offsetof(SOLLEN_CONFIG, OSC) == 136);
static_assert(offsetof(SOLLEN_CONFIG, LED) == 137);
static_assert(offsetof(SOLLEN_CONFIG, Button) == 138);
static_assert(offsetof(SOLLEN_CONFIG, Switch) == 139);
static_assert(offsetof(SOLLEN_CONFIG, VGA) == 140);
static_assert(offsetof(SOLLEN_CONFIG, SDRAM) == 141);
static_assert(offsetof(SOLLEN_CONFIG, Audio) == 142);
static_assert(offsetof(SOLLEN_CONFIG, VideoIn) == 143);
static_assert(offsetof(SOLLEN_CONFIG, ADC) == 144);
static_assert(offsetof(SOLLEN_CONFIG, Seg7) == 145);
static_assert(offsetof(SOLLEN_CONFIG, IR) == 146);
static_assert(offsetof(SOLLEN_CONFIG, PS2) == 147);
static_assert(offsetof(SOLLEN_CONFIG, HPS) == 148);
static_assert(offsetof(SOLLEN_CONFIG, nGpioDaughterId) == 149);
static_assert(offsetof(SOLLEN_CONFIG, GpioPrefixName) == 151);
static_assert(offsetof(SOLLEN_CONFIG, GpioPrefixName) + kRecordTextSize == 279);
static_assert(offsetof(SOLLEN_CONFIG, Align2) == 407);

inline constexpr const char* kSollenWord = "SOLLEN"; // folder word and default project name
