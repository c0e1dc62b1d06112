#pragma once
// The settings record of the Marwen board (board id 14). A .cfg file and
// default.cfg hold it byte for byte: 424 bytes, numbers little-endian. The
// pin filler copies it whole into the pin model, where the board's project
// text reads it (boards/cyclone4/MarwenText.h).

#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone4/MarwenText.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace marwen {
// Port indexes: the 40-pin GPIO header and the HSMC connector.
enum : int { GPIO = 0, HSMC = 1 };
inline constexpr const char* kFolderWord = "Marwen";
inline constexpr const char* kDefaultProjectName = "Marwen";
} // namespace marwen

struct MARWEN_CONFIG {
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
    std::uint8_t bSDCARD;
    std::uint8_t bVGA;
    std::uint8_t bLCD;
    std::uint8_t bSDRAM;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bAccelerometer;
    std::uint8_t bSSRAM;
    std::uint8_t bSma;
    std::uint8_t bIR;
    std::uint8_t bEthernet;
    std::uint8_t bTvDecode;
    std::uint8_t bPCIeHardIP; // off by default; wins over the soft IP when both are set
    std::uint8_t bPCIeSoftIP; // off by default
    std::uint8_t nGpioDaughterId;
    char szGpioPrefixName[kRecordTextSize];
    std::uint8_t Align2[7]; // not interpreted; kept as read
    std::uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[kRecordTextSize];
    std::uint8_t Align3[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_MARWEN;
    static constexpr std::int32_t kSize = 424;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<MARWEN_CONFIG>);
static_assert(std::is_standard_layout_v<MARWEN_CONFIG>);
static_assert(sizeof(MARWEN_CONFIG) == MARWEN_CONFIG::kSize);
static_assert(sizeof(MARWEN_CONFIG) == kMarwenConfigSize);
static_assert(offsetof(MARWEN_CONFIG, BoardId) == 0);
static_assert(offsetof(MARWEN_CONFIG, Align1) == 1);
static_assert(offsetof(MARWEN_CONFIG, Size) == 4);
static_assert(offsetof(MARWEN_CONFIG, ProjectName) == 8);
static_assert(offsetof(MARWEN_CONFIG, bOSC) == 136);
static_assert(offsetof(MARWEN_CONFIG, bLED) == marwen::kLed);
static_assert(offsetof(MARWEN_CONFIG, bSeg7) == marwen::kSeg7);
static_assert(offsetof(MARWEN_CONFIG, bButton) == marwen::kKey);
static_assert(offsetof(MARWEN_CONFIG, bSwitch) == marwen::kSwitch);
static_assert(offsetof(MARWEN_CONFIG, bEEPROM) == 141);
static_assert(offsetof(MARWEN_CONFIG, bSDCARD) == 142);
static_assert(offsetof(MARWEN_CONFIG, bVGA) == 143);
static_assert(offsetof(MARWEN_CONFIG, bLCD) == marwen::kLcd);
static_assert(offsetof(MARWEN_CONFIG, bSDRAM) == 145);
static_assert(offsetof(MARWEN_CONFIG, bFlash) == marwen::kFlash);
static_assert(offsetof(MARWEN_CONFIG, bRS232) == 147);
static_assert(offsetof(MARWEN_CONFIG, bAccelerometer) == marwen::kAccelerometer);
static_assert(offsetof(MARWEN_CONFIG, bSSRAM) == 149);
static_assert(offsetof(MARWEN_CONFIG, bSma) == 150);
static_assert(offsetof(MARWEN_CONFIG, bIR) == 151);
static_assert(offsetof(MARWEN_CONFIG, bEthernet) == 152);
static_assert(offsetof(MARWEN_CONFIG, bTvDecode) == 153);
static_assert(offsetof(MARWEN_CONFIG, bPCIeHardIP) == marwen::kPcieHardIp);
static_assert(offsetof(MARWEN_CONFIG, bPCIeSoftIP) == marwen::kPcieSoftIp);
static_assert(offsetof(MARWEN_CONFIG, nGpioDaughterId) == 156);
static_assert(offsetof(MARWEN_CONFIG, szGpioPrefixName) == 157);
static_assert(offsetof(MARWEN_CONFIG, Align2) == 285);
static_assert(offsetof(MARWEN_CONFIG, nHsmcDaughterId) == marwen::kHsmcCard);
static_assert(offsetof(MARWEN_CONFIG, szHSMCPrefixName) == marwen::kHsmcPrefix);
static_assert(offsetof(MARWEN_CONFIG, Align3) == 421);
