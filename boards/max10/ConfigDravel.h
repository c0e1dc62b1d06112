#pragma once
// The settings class of the Dravel board (board id 32): the board's record
// in a TConfigBoard. Unlike the other records its header holds the size
// first, then the board id. The pin filler keeps a pointer to the object in
// the pin model; the generator operations add nothing for this board.

#include "boards/max10/DravelId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace dravel {
inline constexpr const char* kFolderWord = "DRAVEL";
inline constexpr const char* kDefaultProjectName = "DRAVEL";
} // namespace dravel

class TConfigDravel : public TConfigBoard {
public:
    // 272 bytes, little-endian; .cfg files and default.cfg hold it byte for
    // byte.
    struct BOARD_CONFIG {
        std::int32_t Size;
        std::uint8_t BoardId;
        char ProjectName[kRecordTextSize];
        std::uint8_t bOSC;
        std::uint8_t bLED;
        std::uint8_t bButton;
        std::uint8_t bSwitch;
        std::uint8_t Reserved; // no control reads or writes it; kept as read
        std::uint8_t bAccelerometer;
        std::uint8_t bSDRAM;
        std::uint8_t bVGA;
        std::uint8_t bSeg7;
        std::uint8_t bArduino;
        std::uint8_t nGpioDaughterId;
        char szGpioPrefixName[kRecordTextSize];

        static constexpr ::BoardId kBoardId = MAINBOARD_DRAVEL;
        static constexpr std::int32_t kSize = 272;
    };

    std::string GetQsfAssignments() override { return std::string(); }
    std::string GetVerilogCode() override { return std::string(); }
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    bool ExportIpFiles(const std::string&) override { return true; }

    BOARD_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};

using DRAVEL_CONFIG = TConfigDravel::BOARD_CONFIG;

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<DRAVEL_CONFIG>);
static_assert(std::is_standard_layout_v<DRAVEL_CONFIG>);
static_assert(sizeof(DRAVEL_CONFIG) == DRAVEL_CONFIG::kSize);
static_assert(offsetof(DRAVEL_CONFIG, Size) == 0);
static_assert(offsetof(DRAVEL_CONFIG, BoardId) == 4);
static_assert(offsetof(DRAVEL_CONFIG, ProjectName) == 5);
static_assert(offsetof(DRAVEL_CONFIG, bOSC) == 133);
static_assert(offsetof(DRAVEL_CONFIG, bLED) == 134);
static_assert(offsetof(DRAVEL_CONFIG, bButton) == 135);
static_assert(offsetof(DRAVEL_CONFIG, bSwitch) == 136);
static_assert(offsetof(DRAVEL_CONFIG, Reserved) == 137);
static_assert(offsetof(DRAVEL_CONFIG, bAccelerometer) == 138);
static_assert(offsetof(DRAVEL_CONFIG, bSDRAM) == 139);
static_assert(offsetof(DRAVEL_CONFIG, bVGA) == 140);
static_assert(offsetof(DRAVEL_CONFIG, bSeg7) == 141);
static_assert(offsetof(DRAVEL_CONFIG, bArduino) == 142);
static_assert(offsetof(DRAVEL_CONFIG, nGpioDaughterId) == 143);
static_assert(offsetof(DRAVEL_CONFIG, szGpioPrefixName) == 144);
