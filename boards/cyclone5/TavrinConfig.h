#pragma once
// The settings record of the Tavrin board (board id 22). A .cfg file and
// default.cfg hold it byte for byte: 408 bytes, numbers little-endian.

#include "boards/cyclone5/TavrinId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tavrin {
// Port index of the one 40-pin GPIO header.
enum : int { GPIO = 0 };
} // namespace tavrin

struct TAVRIN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t VGA;
    std::uint8_t HDMI;
    std::uint8_t DDR3;
    std::uint8_t Audio;
    std::uint8_t VideoIn;
    std::uint8_t ADC;
    std::uint8_t Seg7;
    std::uint8_t IR;
    std::uint8_t PS2;
    std::uint8_t HPS;
    std::uint8_t GpioDaughterId;
    std::uint8_t Align2; // not interpreted; kept as read
    char GpioPrefixName[kRecordTextSize];
    std::uint8_t Reserved[128]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_TAVRIN;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kTavrinConfigSize);
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<TAVRIN_CONFIG>);
static_assert(std::is_standard_layout_v<TAVRIN_CONFIG>);
static_assert(sizeof(TAVRIN_CONFIG) == 408);
static_assert(sizeof(TAVRIN_CONFIG) == kTavrinConfigSize);
static_assert(offsetof(TAVRIN_CONFIG, BoardId) == 0);
static_assert(offsetof(TAVRIN_CONFIG, Size) == 4);
static_assert(offsetof(TAVRIN_CONFIG, ProjectName) == 8);
static_assert(offsetof(TAVRIN_CONFIG, OSC) == 136);
static_assert(offsetof(TAVRIN_CONFIG, LED) == 137);
static_assert(offsetof(TAVRIN_CONFIG, Button) == 138);
static_assert(offsetof(TAVRIN_CONFIG, Switch) == 139);
static_assert(offsetof(TAVRIN_CONFIG, VGA) == 140);
static_assert(offsetof(TAVRIN_CONFIG, HDMI) == 141);
static_assert(offsetof(TAVRIN_CONFIG, DDR3) == 142);
static_assert(offsetof(TAVRIN_CONFIG, Audio) == 143);
static_assert(offsetof(TAVRIN_CONFIG, VideoIn) == 144);
static_assert(offsetof(TAVRIN_CONFIG, ADC) == 145);
static_assert(offsetof(TAVRIN_CONFIG, Seg7) == 146);
static_assert(offsetof(TAVRIN_CONFIG, IR) == 147);
static_assert(offsetof(TAVRIN_CONFIG, PS2) == 148);
static_assert(offsetof(TAVRIN_CONFIG, HPS) == 149);
static_assert(offsetof(TAVRIN_CONFIG, GpioDaughterId) == 150);
static_assert(offsetof(TAVRIN_CONFIG, Align2) == 151);
static_assert(offsetof(TAVRIN_CONFIG, GpioPrefixName) == 152);
static_assert(offsetof(TAVRIN_CONFIG, Reserved) == 280);

inline constexpr const char* kTavrinWord = "TAVRIN"; // folder word and default project name
