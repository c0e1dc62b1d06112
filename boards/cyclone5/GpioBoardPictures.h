#pragma once
// The board pictures of the Sollen (21), Tavrin (22) and Wendal (25) forms
// (400 x 320, the size the board selector frames) as tables of labelled
// parts. tools/make_pictures.cpp draws each picture
// from its table; each outline of the form sits on its part's rectangle
// (the outline's geometry is the picture's position in the form plus the
// part's rectangle), so it frames its part. The GUI tests hold the forms
// and the tables together.

#include <span>

namespace gpiopicture {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 320;

// How a part is drawn.
enum class Look { Header, Chip, Memory, Connector, Display, Leds, Keys, Switches, Power, Hps };

struct Part {
    const char* outline; // the form's outline on this part; nullptr: none
    const char* label;
    Look look;
    int x, y, width, height;
    int count = 0; // LEDs, keys or switches drawn
};

// clang-format off
inline constexpr Part kSollen[] = {
    {"ShapeGpio0", "GPIO-0", Look::Header, 20, 34, 170, 24},
    {"ShapeGpio1", "GPIO-1", Look::Header, 210, 34, 170, 24},
    {"ShapeVGA", "VGA", Look::Connector, 20, 68, 62, 40},
    {"ShapeAudio", "AUDIO", Look::Connector, 90, 68, 62, 40},
    {"ShapeVideoIn", "VIDEO-IN", Look::Connector, 160, 68, 62, 40},
    {"ShapePS2", "PS/2", Look::Connector, 230, 68, 46, 40},
    {"ShapeIR", "IR", Look::Chip, 284, 68, 34, 40},
    {"ShapeADC", "ADC", Look::Header, 326, 68, 54, 40},
    {"ShapeSDRAM", "SDRAM 32MB", Look::Memory, 20, 116, 62, 60},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 92, 116, 50, 30},
    {"ShapeDecorChip", "Cyclone V SoC", Look::Chip, 152, 116, 96, 92},
    {"ShapeHPS", "HPS: DDR3, Ethernet, USB, microSD", Look::Hps, 258, 116, 122, 92},
    {"ShapeDecorBlaster", "USB BLASTER II", Look::Connector, 20, 184, 62, 26},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 220, 176, 36, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 226, 174, 24, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 266, 200, 34, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 266, 96, 34, 4},
    {nullptr, "POWER", Look::Power, 336, 266, 44, 34},
};

inline constexpr Part kTavrin[] = {
    {"ShapeGpio", "GPIO", Look::Header, 20, 34, 170, 24},
    {"ShapeHdmi", "HDMI TX", Look::Connector, 200, 34, 62, 38},
    {"ShapeVGA", "VGA", Look::Connector, 270, 34, 52, 38},
    {"ShapePS2", "PS/2", Look::Connector, 330, 34, 50, 38},
    {"ShapeAudio", "AUDIO", Look::Connector, 20, 80, 56, 34},
    {"ShapeVideoIn", "VIDEO-IN", Look::Connector, 84, 80, 56, 34},
    {"ShapeADC", "ADC", Look::Header, 148, 80, 46, 34},
    {"ShapeIR", "IR", Look::Chip, 202, 80, 34, 34},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 244, 80, 50, 28},
    {"ShapeDDR3", "DDR3 1GB", Look::Memory, 302, 80, 78, 56},
    {"ShapeHpsDDR3", "HPS DDR3 1GB", Look::Memory, 20, 122, 60, 54},
    {"ShapeHpsEthernet", "ETHERNET", Look::Connector, 20, 184, 60, 34},
    {"ShapeHpsUsb", "USB OTG", Look::Connector, 88, 122, 54, 34},
    {"ShapeHpsUart", "UART", Look::Connector, 88, 164, 54, 24},
    {"ShapeHpsSdcard", "microSD", Look::Connector, 88, 196, 54, 22},
    {"ShapeHPS", "Cyclone V SoC (HPS)", Look::Hps, 150, 122, 96, 96},
    {"ShapeHpsLCD", "LCD 128x64", Look::Display, 254, 144, 126, 38},
    {"ShapeHpsLTC", "LTC", Look::Header, 254, 190, 70, 28},
    {"ShapeHpsLedButton", "HPS LED KEY", Look::Keys, 332, 190, 48, 28, 2},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 228, 176, 34, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 234, 174, 24, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 270, 200, 32, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 270, 96, 32, 4},
    {nullptr, "POWER", Look::Power, 336, 270, 44, 32},
};

inline constexpr Part kWendal[] = {
    {"ShapeGpio0", "GPIO-0", Look::Header, 20, 34, 170, 24},
    {"ShapeGpio1", "GPIO-1", Look::Header, 210, 34, 170, 24},
    {"ShapeVGA", "VGA", Look::Connector, 20, 72, 62, 40},
    {"ShapePS2", "PS/2", Look::Connector, 90, 72, 50, 40},
    {"ShapeSdCard", "microSD", Look::Connector, 148, 72, 54, 40},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 212, 72, 52, 30},
    {"ShapeSDRAM", "SDRAM 64MB", Look::Memory, 274, 72, 106, 56},
    {nullptr, "USB BLASTER", Look::Connector, 20, 126, 62, 30},
    {nullptr, "Cyclone V E", Look::Chip, 150, 126, 100, 86},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 226, 176, 36, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 232, 174, 24, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 272, 200, 32, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 272, 96, 32, 4},
    {nullptr, "POWER", Look::Power, 336, 272, 44, 32},
};
// clang-format on

struct Board {
    const char* picture; // resource name
    const char* title;
    std::span<const Part> parts;
};

inline constexpr Board kBoards[] = {
    {"SOLLEN_BITMAP", "Sollen", kSollen},
    {"TAVRIN_BITMAP", "Tavrin", kTavrin},
    {"WENDAL_BITMAP", "Wendal", kWendal},
};

} // namespace gpiopicture
