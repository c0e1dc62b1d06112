#pragma once
// The board pictures of the Sollen (21), Tavrin (22) and Wendal (25) forms
// as tables of labelled parts. tools/make_pictures.cpp draws each picture
// from its table; each outline of the form sits on its part's rectangle
// (the outline's geometry is the picture's position in the form plus the
// part's rectangle), so it frames its part. The GUI tests hold the forms
// and the tables together.

#include <span>

namespace gpiopicture {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 330;

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
    {"ShapeVGA", "VGA", Look::Connector, 20, 70, 62, 40},
    {"ShapeAudio", "AUDIO", Look::Connector, 90, 70, 62, 40},
    {"ShapeVideoIn", "VIDEO-IN", Look::Connector, 160, 70, 62, 40},
    {"ShapePS2", "PS/2", Look::Connector, 230, 70, 46, 40},
    {"ShapeIR", "IR", Look::Chip, 284, 70, 34, 40},
    {"ShapeADC", "ADC", Look::Header, 326, 70, 54, 40},
    {"ShapeSDRAM", "SDRAM 32MB", Look::Memory, 20, 122, 62, 62},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 92, 122, 50, 30},
    {"ShapeDecorChip", "Cyclone V SoC", Look::Chip, 152, 122, 96, 96},
    {"ShapeHPS", "HPS: DDR3, Ethernet, USB, microSD", Look::Hps, 258, 122, 122, 96},
    {"ShapeDecorBlaster", "USB BLASTER II", Look::Connector, 20, 192, 62, 26},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 230, 176, 38, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 236, 174, 26, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 280, 200, 36, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 280, 96, 36, 4},
    {nullptr, "POWER", Look::Power, 336, 280, 44, 36},
};

inline constexpr Part kTavrin[] = {
    {"ShapeGpio", "GPIO", Look::Header, 20, 34, 170, 24},
    {"ShapeHdmi", "HDMI TX", Look::Connector, 200, 34, 62, 40},
    {"ShapeVGA", "VGA", Look::Connector, 270, 34, 52, 40},
    {"ShapePS2", "PS/2", Look::Connector, 330, 34, 50, 40},
    {"ShapeAudio", "AUDIO", Look::Connector, 20, 84, 56, 36},
    {"ShapeVideoIn", "VIDEO-IN", Look::Connector, 84, 84, 56, 36},
    {"ShapeADC", "ADC", Look::Header, 148, 84, 46, 36},
    {"ShapeIR", "IR", Look::Chip, 202, 84, 34, 36},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 244, 84, 50, 28},
    {"ShapeDDR3", "DDR3 1GB", Look::Memory, 302, 84, 78, 58},
    {"ShapeHpsDDR3", "HPS DDR3 1GB", Look::Memory, 20, 130, 60, 56},
    {"ShapeHpsEthernet", "ETHERNET", Look::Connector, 20, 194, 60, 36},
    {"ShapeHpsUsb", "USB OTG", Look::Connector, 88, 130, 54, 36},
    {"ShapeHpsUart", "UART", Look::Connector, 88, 174, 54, 26},
    {"ShapeHpsSdcard", "microSD", Look::Connector, 88, 208, 54, 22},
    {"ShapeHPS", "Cyclone V SoC (HPS)", Look::Hps, 150, 130, 96, 100},
    {"ShapeHpsLCD", "LCD 128x64", Look::Display, 254, 152, 126, 40},
    {"ShapeHpsLTC", "LTC", Look::Header, 254, 200, 70, 30},
    {"ShapeHpsLedButton", "HPS LED KEY", Look::Keys, 332, 200, 48, 30, 2},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 240, 176, 36, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 246, 174, 24, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 286, 200, 32, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 286, 96, 32, 4},
    {nullptr, "POWER", Look::Power, 336, 286, 44, 32},
};

inline constexpr Part kWendal[] = {
    {"ShapeGpio0", "GPIO-0", Look::Header, 20, 34, 170, 24},
    {"ShapeGpio1", "GPIO-1", Look::Header, 210, 34, 170, 24},
    {"ShapeVGA", "VGA", Look::Connector, 20, 72, 62, 40},
    {"ShapePS2", "PS/2", Look::Connector, 90, 72, 50, 40},
    {"ShapeSdCard", "microSD", Look::Connector, 148, 72, 54, 40},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 212, 72, 52, 30},
    {"ShapeSDRAM", "SDRAM 64MB", Look::Memory, 274, 72, 106, 56},
    {nullptr, "USB BLASTER", Look::Connector, 20, 130, 62, 30},
    {nullptr, "Cyclone V E", Look::Chip, 150, 130, 100, 90},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 236, 176, 38, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 242, 174, 26, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 286, 200, 32, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 286, 96, 32, 4},
    {nullptr, "POWER", Look::Power, 336, 286, 44, 32},
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
