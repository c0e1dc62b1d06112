#pragma once
// The settings record of the Vessor board (board id 24). A .cfg file and
// default.cfg hold it byte for byte: 404 bytes, numbers little-endian.

#include "boards/cyclone5/VessorId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace vessor {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr std::size_t kRecordSize = 404;
inline constexpr const char* kDefaultProjectName = "VESSOR";
inline constexpr const char* kFolderWord = "VESSOR";
} // namespace vessor

struct VESSOR_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t ADC;
    std::uint8_t HPS; // the one group that is off by default
    std::uint8_t Arduino;
    std::uint8_t HdmiTx;
    std::uint8_t nGpioDaughterId[2];
    char GpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_VESSOR;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(vessor::kRecordSize);
};

// The file format is the in-memory layout, so pin it down.
static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<VESSOR_CONFIG>);
static_assert(std::is_standard_layout_v<VESSOR_CONFIG>);
static_assert(sizeof(VESSOR_CONFIG) == vessor::kRecordSize);
static_assert(offsetof(VESSOR_CONFIG, BoardId) == 0);
static_assert(offsetof(VESSOR_CONFIG, Size) == 4);
static_assert(offsetof(VESSOR_CONFIG, ProjectName) == 8);
static_assert(offsetof(VESSOR_CONFIG, OSC) == 136);
static_assert(offsetof(VESSOR_CONFIG, LED) == 137);
static_assert(offsetof(VESSOR_CONFIG, Button) == 138);
static_assert(offsetof(VESSOR_CONFIG, Switch) == 139);
static_assert(offsetof(VESSOR_CONFIG, ADC) == 140);
static_assert(offsetof(VESSOR_CONFIG, HPS) == 141);
static_assert(offsetof(VESSOR_CONFIG, Arduino) == 142);
static_assert(offsetof(VESSOR_CONFIG, HdmiTx) == 143);
static_assert(offsetof(VESSOR_CONFIG, nGpioDaughterId) == 144);
static_assert(offsetof(VESSOR_CONFIG, GpioPrefixName) == 146);
static_assert(offsetof(VESSOR_CONFIG, GpioPrefixName) + kRecordTextSize == 274);
static_assert(offsetof(VESSOR_CONFIG, Align2) == 402);
