#pragma once
// The settings record of the Rasmer board (board id 20). A .cfg file and
// default.cfg hold it byte for byte: 408 bytes, numbers little-endian.

#include "boards/cyclone5/RasmerId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace rasmer {
// Port indexes: the 40-pin GPIO header and the HSMC connector.
enum : int { GPIO = 0, HSMC = 1 };
} // namespace rasmer

struct RASMER_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Seg7;
    std::uint8_t HDMI_TX;
    std::uint8_t LPDDR2;
    std::uint8_t SRAM;
    std::uint8_t Audio;
    std::uint8_t Uart2USB;
    std::uint8_t SDCARD;
    std::uint8_t XcvrSma;
    std::uint8_t Si5338_I2C;
    std::uint8_t ADC;
    std::uint8_t GpioDaughterId;
    char GpioPrefixName[kRecordTextSize];
    std::uint8_t HsmcDaughterId;
    char HsmcPrefixName[kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_RASMER;
    static constexpr std::int32_t kSize = 408;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<RASMER_CONFIG>);
static_assert(std::is_standard_layout_v<RASMER_CONFIG>);
static_assert(sizeof(RASMER_CONFIG) == 408);
static_assert(offsetof(RASMER_CONFIG, BoardId) == 0);
static_assert(offsetof(RASMER_CONFIG, Size) == 4);
static_assert(offsetof(RASMER_CONFIG, ProjectName) == 8);
static_assert(offsetof(RASMER_CONFIG, OSC) == 136);
static_assert(offsetof(RASMER_CONFIG, LED) == 137);
static_assert(offsetof(RASMER_CONFIG, Button) == 138);
static_assert(offsetof(RASMER_CONFIG, Switch) == 139);
static_assert(offsetof(RASMER_CONFIG, Seg7) == 140);
static_assert(offsetof(RASMER_CONFIG, HDMI_TX) == 141);
static_assert(offsetof(RASMER_CONFIG, LPDDR2) == 142);
static_assert(offsetof(RASMER_CONFIG, SRAM) == 143);
static_assert(offsetof(RASMER_CONFIG, Audio) == 144);
static_assert(offsetof(RASMER_CONFIG, Uart2USB) == 145);
static_assert(offsetof(RASMER_CONFIG, SDCARD) == 146);
static_assert(offsetof(RASMER_CONFIG, XcvrSma) == 147);
static_assert(offsetof(RASMER_CONFIG, Si5338_I2C) == 148);
static_assert(offsetof(RASMER_CONFIG, ADC) == 149);
static_assert(offsetof(RASMER_CONFIG, GpioDaughterId) == 150);
static_assert(offsetof(RASMER_CONFIG, GpioPrefixName) == 151);
static_assert(offsetof(RASMER_CONFIG, HsmcDaughterId) == 279);
static_assert(offsetof(RASMER_CONFIG, HsmcPrefixName) == 280);

inline constexpr const char* kRasmerWord = "RASMER"; // folder word and default project name
