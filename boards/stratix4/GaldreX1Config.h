#pragma once
// The settings record of the Galdre_X1 board (board id 8). A .cfg file and
// default.cfg hold it byte for byte: 684 bytes, numbers little-endian.

#include "boards/stratix4/ExtPll.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace galdrex1 {
// Port indexes of the definition: the two HSMC ports, then the two headers.
enum : int { HSMC_A = 0, HSMC_B = 1, GPIO_0_PORT = 2, GPIO_1_PORT = 3 };
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
inline constexpr int kHsmcCount = 2;
inline constexpr int kGpioCount = 2;
inline constexpr int kExtPllCount = 3;
// The PLL choice a default record holds: 100 MHz.
inline constexpr std::uint8_t kDefaultPllIndex = 4;
inline constexpr std::uint8_t kLastPllIndex = 12;
inline constexpr const char* kDefaultProjectName = "GALDRE";
inline constexpr const char* kFolderWord = "GALDRE";
} // namespace galdrex1

struct GALDRE_X1_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t nBoardTypeIndex; // 0 Galdre_230, 1 Galdre_530
    std::uint8_t Align1[2];       // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t bOSC;
    std::uint8_t bLED;
    std::uint8_t bSeg7;
    std::uint8_t bButton;
    std::uint8_t bSwitch;
    std::uint8_t bSlideSwitch;
    std::uint8_t bSata_0; // SATA host 0
    std::uint8_t bSata_1; // SATA host 1
    std::uint8_t bSata_2; // SATA device 0
    std::uint8_t bSata_3; // SATA device 1
    std::uint8_t bEthernet;
    std::uint8_t bSDCARD;
    std::uint8_t bSma;
    std::uint8_t bUsbOTG;
    std::uint8_t bCurrent;
    std::uint8_t bTemp;
    std::uint8_t bDDR2_0;
    std::uint8_t bDDR2_1;
    std::uint8_t bPCIe;
    std::uint8_t bFan;
    std::uint8_t bSSRAM;
    std::uint8_t bFlash;
    std::uint8_t bMax2; // no control; a record the filler takes holds 0
    std::uint8_t bEEPROM;
    std::uint8_t bExtPLL;
    std::uint8_t bRs232;
    std::uint8_t nExtPllIndex[galdrex1::kExtPllCount]; // HSMA_REFCLK, HSMB_REFCLK, SATA
    std::uint8_t nGpioDaughterId[galdrex1::kGpioCount];
    char szGpioPrefixName[galdrex1::kGpioCount][kRecordTextSize];
    std::uint8_t nHsmcDaughterId[galdrex1::kHsmcCount];
    char szHSMCPrefixName[galdrex1::kHsmcCount][kRecordTextSize];
    std::uint8_t Align2[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_GALDRE_X1;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kGaldreX1ConfigSize);
};

// The file format is the in-memory layout, so pin it down.
static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<GALDRE_X1_CONFIG>);
static_assert(std::is_standard_layout_v<GALDRE_X1_CONFIG>);
static_assert(sizeof(GALDRE_X1_CONFIG) == 684);
static_assert(offsetof(GALDRE_X1_CONFIG, BoardId) == 0);
static_assert(offsetof(GALDRE_X1_CONFIG, nBoardTypeIndex) == 1);
static_assert(offsetof(GALDRE_X1_CONFIG, Size) == 4);
static_assert(offsetof(GALDRE_X1_CONFIG, ProjectName) == 8);
static_assert(offsetof(GALDRE_X1_CONFIG, bOSC) == 136);
static_assert(offsetof(GALDRE_X1_CONFIG, bLED) == 137);
static_assert(offsetof(GALDRE_X1_CONFIG, bSeg7) == 138);
static_assert(offsetof(GALDRE_X1_CONFIG, bButton) == 139);
static_assert(offsetof(GALDRE_X1_CONFIG, bSwitch) == 140);
static_assert(offsetof(GALDRE_X1_CONFIG, bSlideSwitch) == 141);
static_assert(offsetof(GALDRE_X1_CONFIG, bSata_0) == 142);
static_assert(offsetof(GALDRE_X1_CONFIG, bSata_1) == 143);
static_assert(offsetof(GALDRE_X1_CONFIG, bSata_2) == 144);
static_assert(offsetof(GALDRE_X1_CONFIG, bSata_3) == 145);
static_assert(offsetof(GALDRE_X1_CONFIG, bEthernet) == 146);
static_assert(offsetof(GALDRE_X1_CONFIG, bSDCARD) == 147);
static_assert(offsetof(GALDRE_X1_CONFIG, bSma) == 148);
static_assert(offsetof(GALDRE_X1_CONFIG, bUsbOTG) == 149);
static_assert(offsetof(GALDRE_X1_CONFIG, bCurrent) == 150);
static_assert(offsetof(GALDRE_X1_CONFIG, bTemp) == 151);
static_assert(offsetof(GALDRE_X1_CONFIG, bDDR2_0) == 152);
static_assert(offsetof(GALDRE_X1_CONFIG, bDDR2_1) == 153);
static_assert(offsetof(GALDRE_X1_CONFIG, bPCIe) == 154);
static_assert(offsetof(GALDRE_X1_CONFIG, bFan) == 155);
static_assert(offsetof(GALDRE_X1_CONFIG, bSSRAM) == 156);
static_assert(offsetof(GALDRE_X1_CONFIG, bFlash) == 157);
static_assert(offsetof(GALDRE_X1_CONFIG, bMax2) == 158);
static_assert(offsetof(GALDRE_X1_CONFIG, bEEPROM) == 159);
static_assert(offsetof(GALDRE_X1_CONFIG, bExtPLL) == 160);
static_assert(offsetof(GALDRE_X1_CONFIG, bExtPLL) == extpll::kGaldreX1ExtPll);
static_assert(offsetof(GALDRE_X1_CONFIG, bRs232) == 161);
static_assert(offsetof(GALDRE_X1_CONFIG, nExtPllIndex) == 162);
static_assert(offsetof(GALDRE_X1_CONFIG, nExtPllIndex) == extpll::kGaldreX1PllOut1);
static_assert(offsetof(GALDRE_X1_CONFIG, nGpioDaughterId) == 165);
static_assert(offsetof(GALDRE_X1_CONFIG, szGpioPrefixName) == 167);
static_assert(offsetof(GALDRE_X1_CONFIG, szGpioPrefixName) + kRecordTextSize == 295);
static_assert(offsetof(GALDRE_X1_CONFIG, nHsmcDaughterId) == 423);
static_assert(offsetof(GALDRE_X1_CONFIG, szHSMCPrefixName) == 425);
static_assert(offsetof(GALDRE_X1_CONFIG, szHSMCPrefixName) + kRecordTextSize == 553);
static_assert(offsetof(GALDRE_X1_CONFIG, Align2) == 681);
