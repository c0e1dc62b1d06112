#pragma once
// The board pictures of the Quindle (19), Rasmer (20) and Falmor (34) forms,
// drawn like those of boards/cyclone5/GpioBoardPictures.h (400 x 320) from
// tables of labelled parts; each outline of the form sits on its part's
// rectangle. The four positions of the HSMC voltage jumper (JP7 on Quindle,
// JP3 on Falmor) are parts of their own under the jumper outlines; Rasmer's
// S1/S2 DIP switches lie under its two red outlines, and its four digits
// under both seven-segment outlines (the two-digit one is drawn first). Rasmer's seven-segment
// pictures (four or two digits usable) are drawn from kRasmerHex.

#include "boards/cyclone5/GpioBoardPictures.h"

namespace hsmcpicture {

using gpiopicture::Look;
using gpiopicture::Part;

// clang-format off
inline constexpr Part kQuindle[] = {
    {"ShapeHSMC", "HSMC", Look::Header, 20, 34, 200, 30},
    {"ShapeHsmc3V3", "3.3V", Look::Header, 232, 34, 34, 22},
    {"ShapeHsmc2V5", "2.5V", Look::Header, 268, 34, 34, 22},
    {"ShapeHsmc1V8", "1.8V", Look::Header, 304, 34, 34, 22},
    {"ShapeHsmc1V5", "1.5V", Look::Header, 340, 34, 34, 22},
    {nullptr, "JP7 HSMC VCCIO", Look::Chip, 232, 58, 142, 12},
    {"ShapeVGA", "VGA", Look::Connector, 20, 76, 62, 40},
    {"ShapeAudio", "AUDIO", Look::Connector, 90, 76, 62, 40},
    {"ShapeIR", "IR", Look::Chip, 160, 76, 34, 40},
    {"ShapeTemperature", "TEMP", Look::Chip, 202, 76, 44, 40},
    {"ShapeSi5338", "Si5338", Look::Chip, 254, 76, 56, 40},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 318, 76, 62, 40},
    {"ShapeDDR3", "DDR3 1GB", Look::Memory, 20, 126, 90, 90},
    {"ShapeDecorChip", "Cyclone V SoC", Look::Chip, 120, 126, 110, 90},
    {"ShapeDecorHps", "HPS: DDR3, Ethernet, USB", Look::Hps, 240, 126, 140, 50},
    {"ShapeDecorBlaster", "USB BLASTER II", Look::Connector, 240, 184, 140, 32},
    {"ShapeLED", "LED x 4", Look::Leds, 20, 228, 170, 24, 4},
    {"ShapeSwitch", "SW x 4", Look::Switches, 20, 264, 150, 36, 4},
    {"ShapeButton", "KEY x 4, RESET", Look::Keys, 180, 264, 146, 36, 5},
    {nullptr, "POWER", Look::Power, 336, 264, 44, 36},
};

inline constexpr Part kRasmer[] = {
    {"ShapeGpio", "GPIO", Look::Header, 20, 34, 170, 24},
    {"ShapeHSMC", "HSMC", Look::Header, 200, 34, 180, 30},
    {"ShapeHDMI_TX", "HDMI TX", Look::Connector, 20, 70, 60, 32},
    {"ShapeAudio", "AUDIO", Look::Connector, 88, 70, 56, 32},
    {"ShapeUart2USB", "UART USB", Look::Connector, 152, 70, 56, 32},
    {"ShapeSDCARD", "SD CARD", Look::Connector, 216, 72, 56, 30},
    {"ShapeXcvrSma", "SMA", Look::Connector, 280, 72, 44, 30},
    {"ShapeXcvrSma2", "SMA", Look::Connector, 336, 72, 44, 30},
    {"ShapeLPDDR2", "LPDDR2 512MB", Look::Memory, 20, 110, 80, 56},
    {"ShapeSRAM", "SRAM 512KB", Look::Memory, 20, 174, 80, 40},
    {nullptr, "Cyclone V GX", Look::Chip, 110, 110, 100, 104},
    {"ShapeOSC", "CLOCK", Look::Chip, 220, 110, 50, 30},
    {"ShapeSi5338_I2C", "Si5338", Look::Chip, 220, 148, 50, 30},
    {"ShapeADC", "ADC", Look::Header, 280, 110, 100, 30},
    {"Shape1", "S1", Look::Switches, 280, 148, 46, 36, 4},
    {"Shape2", "S2", Look::Switches, 334, 148, 46, 36, 4},
    {"ShapeSeg7_x2", "HEX0 - HEX1", Look::Display, 108, 224, 88, 34, 2},
    {"ShapeSeg7", "HEX0 - HEX3", Look::Display, 20, 224, 176, 34, 4},
    {"ShapeLED", "LEDR x 18", Look::Leds, 206, 224, 174, 34, 18},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 268, 200, 34, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 268, 96, 34, 4},
    {nullptr, "POWER", Look::Power, 336, 268, 44, 34},
};

inline constexpr Part kFalmor[] = {
    {"ShapeGpio", "GPIO", Look::Header, 20, 34, 170, 24},
    {"ShapeHSMC", "HSMC", Look::Header, 200, 34, 180, 30},
    {"ShapeVGA", "VGA", Look::Connector, 20, 70, 56, 36},
    {"ShapeAudio", "AUDIO", Look::Connector, 84, 70, 56, 36},
    {"ShapeVideoIn", "VIDEO-IN", Look::Connector, 148, 70, 56, 36},
    {"ShapePS2", "PS/2", Look::Connector, 212, 70, 44, 36},
    {"ShapeIR", "IR", Look::Chip, 264, 70, 34, 36},
    {"ShapeADC", "ADC", Look::Header, 306, 70, 74, 36},
    {"ShapeSDRAM", "SDRAM 32MB", Look::Memory, 20, 114, 62, 60},
    {"ShapeOSC", "CLOCK 50 MHz", Look::Chip, 90, 114, 54, 30},
    {nullptr, "Cyclone V SoC", Look::Chip, 152, 114, 76, 92},
    {"ShapeHsmc3V3", "3.3V", Look::Header, 236, 114, 34, 22},
    {"ShapeHsmc2V5", "2.5V", Look::Header, 272, 114, 34, 22},
    {"ShapeHsmc1V8", "1.8V", Look::Header, 308, 114, 34, 22},
    {"ShapeHsmc1V5", "1.5V", Look::Header, 344, 114, 34, 22},
    {nullptr, "JP3 HSMC VCCIO", Look::Chip, 236, 138, 142, 12},
    {"ShapeHPS", "HPS: DDR3, Ethernet, USB", Look::Hps, 236, 154, 144, 52},
    {nullptr, "USB BLASTER II", Look::Connector, 20, 182, 124, 24},
    {"ShapeSeg7", "HEX0 - HEX5", Look::Display, 20, 218, 176, 36, 6},
    {"ShapeLED", "LEDR x 10", Look::Leds, 206, 224, 174, 24, 10},
    {"ShapeSwitch", "SW x 10", Look::Switches, 20, 266, 200, 34, 10},
    {"ShapeButton", "KEY x 4", Look::Keys, 230, 266, 96, 34, 4},
    {nullptr, "POWER", Look::Power, 336, 266, 44, 34},
};
// clang-format on

inline constexpr gpiopicture::Board kBoards[] = {
    {"QUINDLE_BITMAP", "Quindle", kQuindle},
    {"RASMER_BITMAP", "Rasmer", kRasmer},
    {"FALMOR_BITMAP", "Falmor", kFalmor},
};

// The seven-segment pictures under Rasmer's board picture: the digits
// HEX0..HEX3 while the GPIO header is free, HEX0 and HEX1 while a card
// takes the pins of HEX2 and HEX3.
inline constexpr int kHexWidth = 176;
inline constexpr int kHexHeight = 40;
struct HexPicture {
    const char* picture;
    int digits;
};
inline constexpr HexPicture kRasmerHex[] = {
    {"RASMER_HEX_x4_BITMAP", 4},
    {"RASMER_HEX_x2_BITMAP", 2},
};

} // namespace hsmcpicture
