#pragma once
// The settings record of the Quindle board (board id 19). A .cfg file and
// default.cfg hold it byte for byte: 284 bytes, numbers little-endian.

#include "boards/cyclone5/QuindleId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace quindle {
// Port index of the HSMC connector.
enum : int { HSMC = 0 };
} // namespace quindle

struct QUINDLE_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t VGA;
    std::uint8_t DDR3;
    std::uint8_t Audio;
    std::uint8_t IR;
    std::uint8_t Si5338;
    std::uint8_t Temperature;
    std::uint8_t Align2[2];   // not interpreted; kept as read
    std::int32_t HsmcVoltage; // voltage combo index (boards/cyclone5/HsmcVoltage.h)
    std::uint8_t HsmcDaughterId;
    char HsmcPrefixName[kRecordTextSize];
    std::uint8_t Align3[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_QUINDLE;
    static constexpr std::int32_t kSize = 284;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<QUINDLE_CONFIG>);
static_assert(std::is_standard_layout_v<QUINDLE_CONFIG>);
static_assert(sizeof(QUINDLE_CONFIG) == 284);
static_assert(offsetof(QUINDLE_CONFIG, BoardId) == 0);
static_assert(offsetof(QUINDLE_CONFIG, Size) == 4);
static_assert(offsetof(QUINDLE_CONFIG, ProjectName) == 8);
static_assert(offsetof(QUINDLE_CONFIG, OSC) == 136);
static_assert(offsetof(QUINDLE_CONFIG, LED) == 137);
static_assert(offsetof(QUINDLE_CONFIG, Button) == 138);
static_assert(offsetof(QUINDLE_CONFIG, Switch) == 139);
static_assert(offsetof(QUINDLE_CONFIG, VGA) == 140);
static_assert(offsetof(QUINDLE_CONFIG, DDR3) == 141);
static_assert(offsetof(QUINDLE_CONFIG, Audio) == 142);
static_assert(offsetof(QUINDLE_CONFIG, IR) == 143);
static_assert(offsetof(QUINDLE_CONFIG, Si5338) == 144);
static_assert(offsetof(QUINDLE_CONFIG, Temperature) == 145);
static_assert(offsetof(QUINDLE_CONFIG, HsmcVoltage) == 148);
static_assert(offsetof(QUINDLE_CONFIG, HsmcDaughterId) == 152);
static_assert(offsetof(QUINDLE_CONFIG, HsmcPrefixName) == 153);
static_assert(offsetof(QUINDLE_CONFIG, Align3) == 281);

inline constexpr const char* kQuindleWord = "QUINDLE";        // folder word
inline constexpr const char* kQuindleProjectName = "Quindle"; // default project name
