#pragma once
// The settings record of the Kelvane board (board id 100). A .cfg file holds
// it byte for byte: 404 bytes, numbers little-endian. The form's defaults
// leave BoardId and Size 0; the controls write 100 and 404 before every save
// and every generation.

#include "boards/arria2/KelvaneId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kelvane {
enum : int { HSMC_A = 0, HSMC_B = 1 };
inline constexpr int kHsmcCount = 2;
inline constexpr const char* kDefaultProjectName = "KELVANE";
inline constexpr const char* kFolderWord = "KELVANE";
} // namespace kelvane

struct KELVANE_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bVariant; // no control: a loaded file's value reaches the filler
    std::uint8_t bLCD;
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bButton;
    std::uint8_t bDIP;
    std::uint8_t bDDR2;
    std::uint8_t bDDR3;     // stored only
    std::uint8_t bEthernet; // stored only
    std::uint8_t bPciBus;
    std::uint8_t nHsmcDaughterId[kelvane::kHsmcCount];
    char szHsmcPrefixName[kelvane::kHsmcCount][kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_KELVANE;
    static constexpr std::int32_t kSize = 404;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<KELVANE_CONFIG>);
static_assert(std::is_standard_layout_v<KELVANE_CONFIG>);
static_assert(sizeof(KELVANE_CONFIG) == 404);
static_assert(offsetof(KELVANE_CONFIG, BoardId) == 0);
static_assert(offsetof(KELVANE_CONFIG, Size) == 4);
static_assert(offsetof(KELVANE_CONFIG, ProjectName) == 8);
static_assert(offsetof(KELVANE_CONFIG, bVariant) == 136);
static_assert(offsetof(KELVANE_CONFIG, bLCD) == 137);
static_assert(offsetof(KELVANE_CONFIG, bOSC) == 138);
static_assert(offsetof(KELVANE_CONFIG, bLED) == 139);
static_assert(offsetof(KELVANE_CONFIG, bButton) == 140);
static_assert(offsetof(KELVANE_CONFIG, bDIP) == 141);
static_assert(offsetof(KELVANE_CONFIG, bDDR2) == 142);
static_assert(offsetof(KELVANE_CONFIG, bDDR3) == 143);
static_assert(offsetof(KELVANE_CONFIG, bEthernet) == 144);
static_assert(offsetof(KELVANE_CONFIG, bPciBus) == 145);
static_assert(offsetof(KELVANE_CONFIG, nHsmcDaughterId) == 146);
static_assert(offsetof(KELVANE_CONFIG, szHsmcPrefixName) == 148);
static_assert(offsetof(KELVANE_CONFIG, szHsmcPrefixName) + kRecordTextSize == 276);
