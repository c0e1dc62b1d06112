#pragma once
// The settings record of the Dunmar board (board id 4). A .cfg file and
// default.cfg hold it byte for byte: 416 bytes, numbers little-endian.

#include "boards/cyclone2/DunmarId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace dunmar {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr const char* kFolderWord = "DUNMAR";
inline constexpr const char* kDefaultProjectName = "DUNMAR";
} // namespace dunmar

struct DUNMAR_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bPS2;
    std::uint8_t bSDCARD;
    std::uint8_t bVGA;
    std::uint8_t bLCD;
    std::uint8_t bSDRAM1;
    std::uint8_t bSDRAM2;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bSSRAM;
    std::uint8_t bSma;
    std::uint8_t bAudio;
    std::uint8_t bEthernet;
    std::uint8_t bIR;
    std::uint8_t bTvDecoder1;
    std::uint8_t bTvDecoder2;
    std::uint8_t bUSB;
    std::uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[1]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_DUNMAR;
    static constexpr std::int32_t kSize = 416;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<DUNMAR_CONFIG>);
static_assert(std::is_standard_layout_v<DUNMAR_CONFIG>);
static_assert(sizeof(DUNMAR_CONFIG) == DUNMAR_CONFIG::kSize);
static_assert(offsetof(DUNMAR_CONFIG, BoardId) == 0);
static_assert(offsetof(DUNMAR_CONFIG, Align1) == 1);
static_assert(offsetof(DUNMAR_CONFIG, Size) == 4);
static_assert(offsetof(DUNMAR_CONFIG, ProjectName) == 8);
static_assert(offsetof(DUNMAR_CONFIG, bOSC) == 136);
static_assert(offsetof(DUNMAR_CONFIG, bLED) == 137);
static_assert(offsetof(DUNMAR_CONFIG, bSeg7) == 138);
static_assert(offsetof(DUNMAR_CONFIG, bButton) == 139);
static_assert(offsetof(DUNMAR_CONFIG, bSwitch) == 140);
static_assert(offsetof(DUNMAR_CONFIG, bPS2) == 141);
static_assert(offsetof(DUNMAR_CONFIG, bSDCARD) == 142);
static_assert(offsetof(DUNMAR_CONFIG, bVGA) == 143);
static_assert(offsetof(DUNMAR_CONFIG, bLCD) == 144);
static_assert(offsetof(DUNMAR_CONFIG, bSDRAM1) == 145);
static_assert(offsetof(DUNMAR_CONFIG, bSDRAM2) == 146);
static_assert(offsetof(DUNMAR_CONFIG, bFlash) == 147);
static_assert(offsetof(DUNMAR_CONFIG, bRS232) == 148);
static_assert(offsetof(DUNMAR_CONFIG, bSSRAM) == 149);
static_assert(offsetof(DUNMAR_CONFIG, bSma) == 150);
static_assert(offsetof(DUNMAR_CONFIG, bAudio) == 151);
static_assert(offsetof(DUNMAR_CONFIG, bEthernet) == 152);
static_assert(offsetof(DUNMAR_CONFIG, bIR) == 153);
static_assert(offsetof(DUNMAR_CONFIG, bTvDecoder1) == 154);
static_assert(offsetof(DUNMAR_CONFIG, bTvDecoder2) == 155);
static_assert(offsetof(DUNMAR_CONFIG, bUSB) == 156);
static_assert(offsetof(DUNMAR_CONFIG, nGpioDaughterId) == 157);
static_assert(offsetof(DUNMAR_CONFIG, szGpioPrefixName) == 159);
static_assert(offsetof(DUNMAR_CONFIG, szGpioPrefixName) + kRecordTextSize == 287);
static_assert(offsetof(DUNMAR_CONFIG, Align2) == 415);
