#pragma once
// The settings record of the Jorvath board (board id 11). A .cfg file and
// default.cfg hold it byte for byte: 404 bytes, numbers little-endian. The
// Kirrel 1 card id is a 32-bit field; the Kirrel 2/3 one a byte.

#include "boards/cyclone3/JorvathId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace jorvath {
// Port indexes: the connector pair Kirrel 2/3 (one card) and Kirrel 1.
enum : int { KIRREL23 = 0, KIRREL1 = 1 };
inline constexpr const char* kFolderWord = "JORVATH";
inline constexpr const char* kDefaultProjectName = "JORVATH";
} // namespace jorvath

struct JORVATH_CONFIG {
    std::uint8_t BoardId;   // 0 in the defaults; the form writes 11
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;      // 0 in the defaults; the form writes 404
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bGpio;
    std::uint8_t bDDR2;
    std::uint8_t bPciBus; // stored and shown; no pin depends on it
    std::uint8_t nKirrel23DaughterId;
    char szKirrel23PrefixName[kRecordTextSize];
    std::uint8_t Align2; // not interpreted; kept as read
    std::int32_t nKirrel1DaughterId;
    char szKirrel1PrefixName[kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_JORVATH;
    static constexpr std::int32_t kSize = 404;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<JORVATH_CONFIG>);
static_assert(std::is_standard_layout_v<JORVATH_CONFIG>);
static_assert(sizeof(JORVATH_CONFIG) == JORVATH_CONFIG::kSize);
static_assert(offsetof(JORVATH_CONFIG, BoardId) == 0);
static_assert(offsetof(JORVATH_CONFIG, Align1) == 1);
static_assert(offsetof(JORVATH_CONFIG, Size) == 4);
static_assert(offsetof(JORVATH_CONFIG, ProjectName) == 8);
static_assert(offsetof(JORVATH_CONFIG, bOSC) == 136);
static_assert(offsetof(JORVATH_CONFIG, bLED) == 137);
static_assert(offsetof(JORVATH_CONFIG, bButton) == 138);
static_assert(offsetof(JORVATH_CONFIG, bGpio) == 139);
static_assert(offsetof(JORVATH_CONFIG, bDDR2) == 140);
static_assert(offsetof(JORVATH_CONFIG, bPciBus) == 141);
static_assert(offsetof(JORVATH_CONFIG, nKirrel23DaughterId) == 142);
static_assert(offsetof(JORVATH_CONFIG, szKirrel23PrefixName) == 143);
static_assert(offsetof(JORVATH_CONFIG, Align2) == 271);
static_assert(offsetof(JORVATH_CONFIG, nKirrel1DaughterId) == 272);
static_assert(offsetof(JORVATH_CONFIG, szKirrel1PrefixName) == 276);
