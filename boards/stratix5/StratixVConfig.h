#pragma once
// The settings records of the Stratix V boards Ombrel (board id 16), Pellix
// (18) and Nolvar (15). A .cfg file and default.cfg hold the record byte for
// byte, numbers little-endian. The oscillator fields hold the item index of
// their choice list.

#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/PellixId.h"
#include "boards/stratix5/StratixVText.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace stratix5 {
// Ombrel's CDCM lists: 0 leaves the chip as it is, 1 turns it off, 2..12 a
// frequency. Its Si570 list and both lists of Pellix and Nolvar: 0 off.
inline constexpr std::int32_t kOmbrelCdcmUnchanged = 0, kOmbrelCdcmOff = 1;
inline constexpr std::int32_t kOmbrelLastCdcm = 12;
inline constexpr std::int32_t kLastSi570 = 7;
inline constexpr std::int32_t kLastCdcm61004 = 11;
} // namespace stratix5

struct OMBREL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Reserved1[3];
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Seg7;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t SataHost0;
    std::uint8_t SataHost1;
    std::uint8_t SataDevice0;
    std::uint8_t SataDevice1;
    std::uint8_t Sma;
    std::uint8_t Temperature;
    std::uint8_t Ddr3A;
    std::uint8_t Ddr3B;
    std::uint8_t Qdr[4]; // QDRII+ SRAM A..D
    std::uint8_t Sfp[4]; // SFP+ A..D
    std::uint8_t Pcie;
    std::uint8_t Fan;
    std::uint8_t Flash;
    std::uint8_t Rs422;
    std::uint8_t Reserved2[3];
    std::int32_t Si570Index;
    std::int32_t Cdcm61004Index; // before the CDCM61001, as stored
    std::int32_t Cdcm61001Index;

    static constexpr ::BoardId kBoardId = MAINBOARD_OMBREL;
    static constexpr std::int32_t kSize = 176;
};

struct PELLIX_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Reserved1[3];
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t SataHost;
    std::uint8_t SataDevice;
    std::uint8_t Sma;
    std::uint8_t Temperature;
    std::uint8_t Sfp[4]; // SFP+ A..D
    std::uint8_t Pcie;
    std::uint8_t Fan;
    std::uint8_t Flash;
    std::uint8_t Ssram;
    std::uint8_t Rs422;
    std::uint8_t Reserved2[3];
    std::int32_t Si570Index;
    std::int32_t Cdcm61004Index;
    std::uint8_t HsmcACard;
    char HsmcAPrefix[kRecordTextSize];
    std::uint8_t Reserved3[3];

    static constexpr ::BoardId kBoardId = MAINBOARD_PELLIX;
    static constexpr std::int32_t kSize = 296;
};

struct NOLVAR_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Reserved1[3];
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Temperature;
    std::uint8_t Ddr3A;
    std::uint8_t Ddr3B;
    std::uint8_t Qdr[4]; // QDRII+ SRAM A..D
    std::uint8_t SfpA;
    std::uint8_t SfpB;
    std::uint8_t Sata;
    std::uint8_t Pcie;
    std::uint8_t Fan;
    std::uint8_t Flash;
    std::uint8_t Rs422;
    std::uint8_t Reserved2[2];
    std::int32_t Si570Index;
    std::int32_t Cdcm61004Index;

    static constexpr ::BoardId kBoardId = MAINBOARD_NOLVAR;
    static constexpr std::int32_t kSize = 164;
};

// The file formats are the in-memory layouts, so pin them down.
static_assert(std::endian::native == std::endian::little, "settings files are little-endian");

static_assert(std::is_trivially_copyable_v<OMBREL_CONFIG>);
static_assert(std::is_standard_layout_v<OMBREL_CONFIG>);
static_assert(sizeof(OMBREL_CONFIG) == 176 && sizeof(OMBREL_CONFIG) == kOmbrelConfigSize);
static_assert(offsetof(OMBREL_CONFIG, Size) == 4);
static_assert(offsetof(OMBREL_CONFIG, ProjectName) == 8);
static_assert(offsetof(OMBREL_CONFIG, Clock) == 136);
static_assert(offsetof(OMBREL_CONFIG, Led) == 137);
static_assert(offsetof(OMBREL_CONFIG, Seg7) == 138);
static_assert(offsetof(OMBREL_CONFIG, Button) == 139);
static_assert(offsetof(OMBREL_CONFIG, Switch) == 140);
static_assert(offsetof(OMBREL_CONFIG, SataHost0) == 141);
static_assert(offsetof(OMBREL_CONFIG, SataDevice1) == 144);
static_assert(offsetof(OMBREL_CONFIG, Sma) == 145);
static_assert(offsetof(OMBREL_CONFIG, Temperature) == 146);
static_assert(offsetof(OMBREL_CONFIG, Ddr3A) == 147);
static_assert(offsetof(OMBREL_CONFIG, Ddr3B) == 148);
static_assert(offsetof(OMBREL_CONFIG, Qdr) == 149);
static_assert(offsetof(OMBREL_CONFIG, Sfp) == 153);
static_assert(offsetof(OMBREL_CONFIG, Pcie) == 157);
static_assert(offsetof(OMBREL_CONFIG, Fan) == 158);
static_assert(offsetof(OMBREL_CONFIG, Flash) == 159);
static_assert(offsetof(OMBREL_CONFIG, Rs422) == 160);
static_assert(offsetof(OMBREL_CONFIG, Si570Index) == 164);
static_assert(offsetof(OMBREL_CONFIG, Si570Index) == stratix5::kOmbrelSi570);
static_assert(offsetof(OMBREL_CONFIG, Cdcm61004Index) == stratix5::kOmbrelCdcm61004);
static_assert(offsetof(OMBREL_CONFIG, Cdcm61001Index) == stratix5::kOmbrelCdcm61001);
static_assert(offsetof(OMBREL_CONFIG, Cdcm61001Index) == 172);

static_assert(std::is_trivially_copyable_v<PELLIX_CONFIG>);
static_assert(std::is_standard_layout_v<PELLIX_CONFIG>);
static_assert(sizeof(PELLIX_CONFIG) == 296 && sizeof(PELLIX_CONFIG) == kPellixConfigSize);
static_assert(offsetof(PELLIX_CONFIG, Size) == 4);
static_assert(offsetof(PELLIX_CONFIG, ProjectName) == 8);
static_assert(offsetof(PELLIX_CONFIG, Clock) == 136);
static_assert(offsetof(PELLIX_CONFIG, Button) == 138);
static_assert(offsetof(PELLIX_CONFIG, SataHost) == 140);
static_assert(offsetof(PELLIX_CONFIG, SataDevice) == 141);
static_assert(offsetof(PELLIX_CONFIG, Sma) == 142);
static_assert(offsetof(PELLIX_CONFIG, Temperature) == 143);
static_assert(offsetof(PELLIX_CONFIG, Sfp) == 144);
static_assert(offsetof(PELLIX_CONFIG, Pcie) == 148);
static_assert(offsetof(PELLIX_CONFIG, Fan) == 149);
static_assert(offsetof(PELLIX_CONFIG, Flash) == 150);
static_assert(offsetof(PELLIX_CONFIG, Ssram) == 151);
static_assert(offsetof(PELLIX_CONFIG, Rs422) == 152);
static_assert(offsetof(PELLIX_CONFIG, Si570Index) == 156);
static_assert(offsetof(PELLIX_CONFIG, Si570Index) == stratix5::kPellixSi570);
static_assert(offsetof(PELLIX_CONFIG, Cdcm61004Index) == stratix5::kPellixCdcm61004);
static_assert(offsetof(PELLIX_CONFIG, HsmcACard) == 164);
static_assert(offsetof(PELLIX_CONFIG, HsmcAPrefix) == 165);
static_assert(offsetof(PELLIX_CONFIG, Reserved3) == 293);

static_assert(std::is_trivially_copyable_v<NOLVAR_CONFIG>);
static_assert(std::is_standard_layout_v<NOLVAR_CONFIG>);
static_assert(sizeof(NOLVAR_CONFIG) == 164 && sizeof(NOLVAR_CONFIG) == kNolvarConfigSize);
static_assert(offsetof(NOLVAR_CONFIG, Size) == 4);
static_assert(offsetof(NOLVAR_CONFIG, ProjectName) == 8);
static_assert(offsetof(NOLVAR_CONFIG, Clock) == 136);
static_assert(offsetof(NOLVAR_CONFIG, Temperature) == 140);
static_assert(offsetof(NOLVAR_CONFIG, Ddr3A) == 141);
static_assert(offsetof(NOLVAR_CONFIG, Ddr3B) == 142);
static_assert(offsetof(NOLVAR_CONFIG, Qdr) == 143);
static_assert(offsetof(NOLVAR_CONFIG, SfpA) == 147);
static_assert(offsetof(NOLVAR_CONFIG, SfpB) == 148);
static_assert(offsetof(NOLVAR_CONFIG, Sata) == 149);
static_assert(offsetof(NOLVAR_CONFIG, Pcie) == 150);
static_assert(offsetof(NOLVAR_CONFIG, Fan) == 151);
static_assert(offsetof(NOLVAR_CONFIG, Flash) == 152);
static_assert(offsetof(NOLVAR_CONFIG, Rs422) == 153);
static_assert(offsetof(NOLVAR_CONFIG, Si570Index) == stratix5::kNolvarSi570);
static_assert(offsetof(NOLVAR_CONFIG, Cdcm61004Index) == stratix5::kNolvarCdcm61004);
static_assert(offsetof(NOLVAR_CONFIG, Cdcm61004Index) == 160);

namespace pellix {
// Whether a record uses the board's programmable oscillators: the Si570
// serves the SFP+ cages; the CDCM61004 the SFP+ cages, the SATA ports and a
// transceiver card on HSMC-A (one its list offers). An oscillator nothing
// uses shows and keeps "Disable".
bool Si570InUse(const PELLIX_CONFIG& record);
bool Cdcm61004InUse(const PELLIX_CONFIG& record);
} // namespace pellix
