#pragma once
// The settings record of the Elvory board (board id 5). A .cfg file and
// default.cfg hold it byte for byte: 432 bytes, numbers little-endian.

#include "boards/cyclone4/ElvoryId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace elvory {
// Port indexes: the 40-pin GPIO header and the HSMC connector.
enum : int { GPIO = 0, HSMC = 1 };
inline constexpr const char* kFolderWord = "ELVORY";
inline constexpr const char* kDefaultProjectName = "ELVORY";
// The voltage combos' indexes: 0 = 3.3 V, 1 = 2.5 V, 2 = 1.8 V, 3 = 1.5 V.
inline constexpr std::int32_t kDefaultGpioVoltage = 0;
inline constexpr std::int32_t kDefaultHsmcVoltage = 1;
} // namespace elvory

struct ELVORY_CONFIG {
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
    std::uint8_t bLCD;
    std::uint8_t bSDRAM;
    std::uint8_t bFlash;
    std::uint8_t bRS232;
    std::uint8_t bSRAM;
    std::uint8_t bSma;
    std::uint8_t bAudio;
    std::uint8_t bIR;
    std::uint8_t bUSB;
    std::uint8_t bEthernet0;
    std::uint8_t bEthernet1;
    std::uint8_t bTvDecode;
    std::uint8_t bEJTAG;
    std::uint8_t Align2[2]; // not interpreted; kept as read
    std::int32_t nGpioVoltageIndex;
    std::uint8_t nGpioDaughterId; // 0 whenever the GPIO voltage is not 3.3 V
    char szGpioPrefixName[kRecordTextSize];
    std::uint8_t Align3[3]; // not interpreted; kept as read
    std::int32_t nHsmcVoltageIndex;
    std::uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[kRecordTextSize];
    std::uint8_t Align4[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_ELVORY;
    static constexpr std::int32_t kSize = 432;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ELVORY_CONFIG>);
static_assert(std::is_standard_layout_v<ELVORY_CONFIG>);
static_assert(sizeof(ELVORY_CONFIG) == ELVORY_CONFIG::kSize);
static_assert(offsetof(ELVORY_CONFIG, BoardId) == 0);
static_assert(offsetof(ELVORY_CONFIG, Align1) == 1);
static_assert(offsetof(ELVORY_CONFIG, Size) == 4);
static_assert(offsetof(ELVORY_CONFIG, ProjectName) == 8);
static_assert(offsetof(ELVORY_CONFIG, bOSC) == 136);
static_assert(offsetof(ELVORY_CONFIG, bLED) == 137);
static_assert(offsetof(ELVORY_CONFIG, bSeg7) == 138);
static_assert(offsetof(ELVORY_CONFIG, bButton) == 139);
static_assert(offsetof(ELVORY_CONFIG, bSwitch) == 140);
static_assert(offsetof(ELVORY_CONFIG, bEEPROM) == 141);
static_assert(offsetof(ELVORY_CONFIG, bPS2) == 142);
static_assert(offsetof(ELVORY_CONFIG, bSDCARD) == 143);
static_assert(offsetof(ELVORY_CONFIG, bVGA) == 144);
static_assert(offsetof(ELVORY_CONFIG, bLCD) == 145);
static_assert(offsetof(ELVORY_CONFIG, bSDRAM) == 146);
static_assert(offsetof(ELVORY_CONFIG, bFlash) == 147);
static_assert(offsetof(ELVORY_CONFIG, bRS232) == 148);
static_assert(offsetof(ELVORY_CONFIG, bSRAM) == 149);
static_assert(offsetof(ELVORY_CONFIG, bSma) == 150);
static_assert(offsetof(ELVORY_CONFIG, bAudio) == 151);
static_assert(offsetof(ELVORY_CONFIG, bIR) == 152);
static_assert(offsetof(ELVORY_CONFIG, bUSB) == 153);
static_assert(offsetof(ELVORY_CONFIG, bEthernet0) == 154);
static_assert(offsetof(ELVORY_CONFIG, bEthernet1) == 155);
static_assert(offsetof(ELVORY_CONFIG, bTvDecode) == 156);
static_assert(offsetof(ELVORY_CONFIG, bEJTAG) == 157);
static_assert(offsetof(ELVORY_CONFIG, Align2) == 158);
static_assert(offsetof(ELVORY_CONFIG, nGpioVoltageIndex) == 160);
static_assert(offsetof(ELVORY_CONFIG, nGpioDaughterId) == 164);
static_assert(offsetof(ELVORY_CONFIG, szGpioPrefixName) == 165);
static_assert(offsetof(ELVORY_CONFIG, Align3) == 293);
static_assert(offsetof(ELVORY_CONFIG, nHsmcVoltageIndex) == 296);
static_assert(offsetof(ELVORY_CONFIG, nHsmcDaughterId) == 300);
static_assert(offsetof(ELVORY_CONFIG, szHSMCPrefixName) == 301);
static_assert(offsetof(ELVORY_CONFIG, Align4) == 429);
