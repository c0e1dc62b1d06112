#pragma once
// The board pictures of the Ulvane (board id 23) and Vessor (board id 24)
// forms as tables of labelled parts. tools/make_pictures.cpp draws each
// picture from its table; the form's outlines sit on the same rectangles
// (their geometry in the form layout equals the part's, the picture being
// placed at the origin of the outlines' parent), so each outline frames its
// part. The tests hold the two together.

#include <span>

namespace socpicture {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 320;

// How a part is drawn.
enum class Look { Header, Chip, Memory, Connector, Leds, Keys, Switches, Power };

struct Part {
    const char* outline; // the form's outline that frames this part; nullptr: none
    const char* label;
    Look look;
    int x, y, width, height;
};

// clang-format off
inline constexpr Part kUlvane[] = {
    {"ShapeGpio0", "GPIO-0", Look::Header, 16, 40, 176, 26},
    {"ShapeGpio1", "GPIO-1", Look::Header, 208, 40, 176, 26},
    {nullptr, "USB UART", Look::Connector, 16, 84, 72, 44},
    {nullptr, "USB BLASTER", Look::Connector, 16, 140, 72, 40},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 100, 84, 44, 26},
    {"ShapeADC", "ADC 2x5", Look::Header, 100, 122, 44, 58},
    {nullptr, "Cyclone V SoC", Look::Chip, 156, 84, 100, 100},
    {"ShapeHPS", "HPS: DDR3, Ethernet, USB, SD card", Look::Memory, 268, 84, 116, 100},
    {"ShapeLED", "LED x 8", Look::Leds, 16, 210, 120, 22},
    {"ShapeButton", "KEY x 2", Look::Keys, 148, 204, 60, 32},
    {"ShapeSwitch", "SW x 4", Look::Switches, 220, 204, 72, 32},
    {nullptr, "POWER", Look::Power, 304, 204, 80, 32},
    {"ShapeArduino_0", "ARDUINO IO 0-7", Look::Header, 16, 262, 168, 22},
    {"ShapeArduino_1", "ARDUINO IO 8-15, RESET", Look::Header, 200, 262, 184, 22},
};

inline constexpr Part kVessor[] = {
    {"ShapeGpio0", "GPIO-0", Look::Header, 16, 40, 176, 26},
    {"ShapeGpio1", "GPIO-1", Look::Header, 208, 40, 176, 26},
    {"ShapeHDMI", "HDMI TX", Look::Connector, 16, 84, 72, 44},
    {nullptr, "USB BLASTER", Look::Connector, 16, 140, 72, 40},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 100, 84, 44, 26},
    {"ShapeADC", "ADC 2x5", Look::Header, 100, 122, 44, 58},
    {nullptr, "Cyclone V SoC", Look::Chip, 156, 84, 100, 100},
    {"ShapeHPS", "HPS: DDR3, Ethernet, USB, SD card", Look::Memory, 268, 84, 116, 100},
    {"ShapeLED", "LED x 8", Look::Leds, 16, 210, 120, 22},
    {"ShapeButton", "KEY x 2", Look::Keys, 148, 204, 60, 32},
    {"ShapeSwitch", "SW x 4", Look::Switches, 220, 204, 72, 32},
    {nullptr, "POWER", Look::Power, 304, 204, 80, 32},
    {"ShapeArduino_0", "ARDUINO IO 0-7", Look::Header, 16, 262, 150, 22},
    {"ShapeArduino_1", "ARDUINO IO 8-15", Look::Header, 176, 262, 150, 22},
    {"ShapeArduino_2", "ARDUINO RESET", Look::Header, 336, 252, 48, 42},
};
// clang-format on

// The boards tools/make_pictures draws from these tables: the picture's
// resource name and the title drawn on it.
struct Board {
    const char* picture;
    const char* title;
    std::span<const Part> parts;
};

inline constexpr Board kBoards[] = {
    {"ULVANE_BITMAP", "ULVANE", kUlvane},
    {"VESSOR_BITMAP", "VESSOR", kVessor},
};

} // namespace socpicture
