#pragma once
// The settings record of the Lorsk board (board id 13). A .cfg file and
// default.cfg hold it byte for byte: 412 bytes, numbers little-endian.

#include "boards/cyclone4/LorskId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace lorsk {
// Port indexes: the 40-pin GPIO header and the HSMC connector.
enum : int { GPIO = 0, HSMC = 1 };
inline constexpr const char* kFolderWord = "LORSK";
inline constexpr const char* kDefaultProjectName = "LORSK";
} // namespace lorsk

struct LORSK_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bEEPROM;
    std::uint8_t bPS2;
    std::uint8_t bSDCARD;
    std::uint8_t bVGA;
    std::uint8_t bSDRAM;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bSRAM;
    std::uint8_t bSma;
    std::uint8_t bAudio;
    std::uint8_t bEthernet;
    std::uint8_t bLCD; // off by default
    std::uint8_t nGpioDaughterId;
    char szGpioPrefixName[kRecordTextSize];
    std::uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[kRecordTextSize];
    std::uint8_t Align2[1]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_LORSK;
    static constexpr std::int32_t kSize = 412;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<LORSK_CONFIG>);
static_assert(std::is_standard_layout_v<LORSK_CONFIG>);
static_assert(sizeof(LORSK_CONFIG) == LORSK_CONFIG::kSize);
static_assert(offsetof(LORSK_CONFIG, BoardId) == 0);
static_assert(offsetof(LORSK_CONFIG, Align1) == 1);
static_assert(offsetof(LORSK_CONFIG, Size) == 4);
static_assert(offsetof(LORSK_CONFIG, ProjectName) == 8);
static_assert(offsetof(LORSK_CONFIG, bOSC) == 136);
static_assert(offsetof(LORSK_CONFIG, bLED) == 137);
static_assert(offsetof(LORSK_CONFIG, bSeg7) == 138);
static_assert(offsetof(LORSK_CONFIG, bButton) == 139);
static_assert(offsetof(LORSK_CONFIG, bSwitch) == 140);
static_assert(offsetof(LORSK_CONFIG, bEEPROM) == 141);
static_assert(offsetof(LORSK_CONFIG, bPS2) == 142);
static_assert(offsetof(LORSK_CONFIG, bSDCARD) == 143);
static_assert(offsetof(LORSK_CONFIG, bVGA) == 144);
static_assert(offsetof(LORSK_CONFIG, bSDRAM) == 145);
static_assert(offsetof(LORSK_CONFIG, bFlash) == 146);
static_assert(offsetof(LORSK_CONFIG, bRS232) == 147);
static_assert(offsetof(LORSK_CONFIG, bSRAM) == 148);
static_assert(offsetof(LORSK_CONFIG, bSma) == 149);
static_assert(offsetof(LORSK_CONFIG, bAudio) == 150);
static_assert(offsetof(LORSK_CONFIG, bEthernet) == 151);
static_assert(offsetof(LORSK_CONFIG, bLCD) == 152);
static_assert(offsetof(LORSK_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(LORSK_CONFIG, szGpioPrefixName) == 154);
static_assert(offsetof(LORSK_CONFIG, nHsmcDaughterId) == 282);
static_assert(offsetof(LORSK_CONFIG, szHSMCPrefixName) == 283);
static_assert(offsetof(LORSK_CONFIG, Align2) == 411);
