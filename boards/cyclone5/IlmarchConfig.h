#pragma once
// The settings record of the Ilmarch board (board id 37). A .cfg file and
// default.cfg hold it byte for byte: 412 bytes, numbers little-endian. The
// helpers below are everything the form, the pin filler and the tests need
// to set it up, to check a record read from a file and to read its fields.

#include "boards/cyclone5/IlmarchId.h"
#include "model/CardCatalogue.h"
#include "model/MainBoard.h"
#include "model/Pin.h"
#include "model/Sizes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace ilmarch {
// Header indexes of the two 40-pin GPIO headers.
enum : int { GPIO_0 = 0, GPIO_1 = 1 };
} // namespace ilmarch

struct ILMARCH_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Seg7;
    std::uint8_t SDRAM;
    std::uint8_t DDR3;
    std::uint8_t Uart2USB;
    std::uint8_t SmaClock;
    std::uint8_t Arduino;
    std::uint8_t Fan;
    std::uint8_t PCIe;
    std::int32_t GpioVoltage; // voltage class: 5, 3, 2 or 1
    std::uint8_t nGpioDaughterId[2];
    char GpioPrefixName[2][kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_ILMARCH;
    static constexpr std::int32_t kSize = static_cast<std::int32_t>(kIlmarchConfigSize);
};

// The file format is the in-memory layout, so pin it down.
static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ILMARCH_CONFIG>);
static_assert(std::is_standard_layout_v<ILMARCH_CONFIG>);
static_assert(sizeof(ILMARCH_CONFIG) == kIlmarchConfigSize);
static_assert(offsetof(ILMARCH_CONFIG, BoardId) == 0);
static_assert(offsetof(ILMARCH_CONFIG, Size) == 4);
static_assert(offsetof(ILMARCH_CONFIG, ProjectName) == 8);
static_assert(offsetof(ILMARCH_CONFIG, OSC) == 136);
static_assert(offsetof(ILMARCH_CONFIG, LED) == 137);
static_assert(offsetof(ILMARCH_CONFIG, Button) == 138);
static_assert(offsetof(ILMARCH_CONFIG, Switch) == 139);
static_assert(offsetof(ILMARCH_CONFIG, Seg7) == 140);
static_assert(offsetof(ILMARCH_CONFIG, SDRAM) == 141);
static_assert(offsetof(ILMARCH_CONFIG, DDR3) == 142);
static_assert(offsetof(ILMARCH_CONFIG, Uart2USB) == 143);
static_assert(offsetof(ILMARCH_CONFIG, SmaClock) == 144);
static_assert(offsetof(ILMARCH_CONFIG, Arduino) == 145);
static_assert(offsetof(ILMARCH_CONFIG, Fan) == 146);
static_assert(offsetof(ILMARCH_CONFIG, PCIe) == 147);
static_assert(offsetof(ILMARCH_CONFIG, GpioVoltage) == 148);
static_assert(offsetof(ILMARCH_CONFIG, nGpioDaughterId) == 152);
static_assert(offsetof(ILMARCH_CONFIG, GpioPrefixName) == 154);
static_assert(offsetof(ILMARCH_CONFIG, GpioPrefixName) + kRecordTextSize == 282);
static_assert(offsetof(ILMARCH_CONFIG, Align2) == 410);

inline constexpr const char* kIlmarchDefaultProjectName = "ILMARCH";
inline constexpr const char* kIlmarchFolderWord = "ILMARCH";

// The twelve peripheral bytes in record order.
inline constexpr std::uint8_t ILMARCH_CONFIG::*kIlmarchOptionBytes[] = {
    &ILMARCH_CONFIG::OSC,     &ILMARCH_CONFIG::LED,      &ILMARCH_CONFIG::Button,
    &ILMARCH_CONFIG::Switch,  &ILMARCH_CONFIG::Seg7,     &ILMARCH_CONFIG::SDRAM,
    &ILMARCH_CONFIG::DDR3,    &ILMARCH_CONFIG::Uart2USB, &ILMARCH_CONFIG::SmaClock,
    &ILMARCH_CONFIG::Arduino, &ILMARCH_CONFIG::Fan,      &ILMARCH_CONFIG::PCIe,
};

// Every byte 0, then board id, size, "ILMARCH", all twelve peripherals on,
// 3.3 V, no cards, empty prefixes.
void SetIlmarchDefaultConfig(ILMARCH_CONFIG& config);

// Text of a char[128] field: up to its first NUL, or the whole field.
std::string IlmarchText(const char (&field)[kRecordTextSize]);
// Stores at most 127 characters and fills the rest of the field with NULs.
void SetIlmarchText(char (&field)[kRecordTextSize], std::string_view text);

// GPIO header voltage codes and what hangs on them. An unknown code counts
// as 3.3 V (code 5) everywhere.
bool IsIlmarchVoltageCode(std::int32_t code);
std::int32_t IlmarchVoltageOrDefault(std::int32_t code);
Voltage IlmarchVoltageClass(std::int32_t code);
// The I/O standard of the card pins on a header jumpered to that voltage.
IoStd IlmarchGpioIoStandard(std::int32_t code);
// The jumper text of the reminder after a generation, "3.3V(7-8)" ...
std::string IlmarchJumperText(std::int32_t code);
