#pragma once
// The settings class of the Falmor board (board id 34): the board's record
// FALMOR_CONFIG in a TConfigBoard. The pin filler keeps a pointer to the
// object in the pin model, and the board's .sdc text reads the record
// through it. The generator operations add nothing for this board.

#include "boards/cyclone5/FalmorId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace falmor {
// Port indexes: the 40-pin GPIO header and the HSMC connector.
enum : int { GPIO = 0, HSMC = 1 };
} // namespace falmor

// 416 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct FALMOR_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t VHDL; // top-level file type: 0 Verilog, any other value VHDL
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t VGA;
    std::uint8_t SDRAM;
    std::uint8_t Audio;
    std::uint8_t VideoIn;
    std::uint8_t ADC;
    std::uint8_t Seg7;
    std::uint8_t IR;
    std::uint8_t PS2;
    std::uint8_t HPS;
    std::uint8_t GpioDaughterId;
    char GpioPrefixName[kRecordTextSize];
    std::uint8_t Align2[1];   // not interpreted; kept as read
    std::int32_t HsmcVoltage; // voltage combo index (boards/cyclone5/HsmcVoltage.h)
    std::uint8_t HsmcDaughterId;
    char HsmcPrefixName[kRecordTextSize];
    std::uint8_t Align3[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_FALMOR;
    static constexpr std::int32_t kSize = 416;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<FALMOR_CONFIG>);
static_assert(std::is_standard_layout_v<FALMOR_CONFIG>);
static_assert(sizeof(FALMOR_CONFIG) == 416);
static_assert(offsetof(FALMOR_CONFIG, Size) == 4);
static_assert(offsetof(FALMOR_CONFIG, ProjectName) == 8);
static_assert(offsetof(FALMOR_CONFIG, VHDL) == 136);
static_assert(offsetof(FALMOR_CONFIG, OSC) == 137);
static_assert(offsetof(FALMOR_CONFIG, LED) == 138);
static_assert(offsetof(FALMOR_CONFIG, Button) == 139);
static_assert(offsetof(FALMOR_CONFIG, Switch) == 140);
static_assert(offsetof(FALMOR_CONFIG, VGA) == 141);
static_assert(offsetof(FALMOR_CONFIG, SDRAM) == 142);
static_assert(offsetof(FALMOR_CONFIG, Audio) == 143);
static_assert(offsetof(FALMOR_CONFIG, VideoIn) == 144);
static_assert(offsetof(FALMOR_CONFIG, ADC) == 145);
static_assert(offsetof(FALMOR_CONFIG, Seg7) == 146);
static_assert(offsetof(FALMOR_CONFIG, IR) == 147);
static_assert(offsetof(FALMOR_CONFIG, PS2) == 148);
static_assert(offsetof(FALMOR_CONFIG, HPS) == 149);
static_assert(offsetof(FALMOR_CONFIG, GpioDaughterId) == 150);
static_assert(offsetof(FALMOR_CONFIG, GpioPrefixName) == 151);
static_assert(offsetof(FALMOR_CONFIG, HsmcVoltage) == 280);
static_assert(offsetof(FALMOR_CONFIG, HsmcDaughterId) == 284);
static_assert(offsetof(FALMOR_CONFIG, HsmcPrefixName) == 285);
static_assert(offsetof(FALMOR_CONFIG, Align3) == 413);

inline constexpr const char* kFalmorWord = "Falmor"; // folder word and default project name

class TConfigFalmor : public TConfigBoard {
public:
    using FALMOR_CONFIG = ::FALMOR_CONFIG;

    std::string GetQsfAssignments() override { return std::string(); }
    std::string GetVerilogCode() override { return std::string(); }
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    bool ExportIpFiles(const std::string&) override { return true; }

    FALMOR_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};
