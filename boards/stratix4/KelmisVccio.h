#pragma once
// The VCCIO drawing of the Kelmis form: for each HSMC port A..F a jumper
// with five rows (1.5, 1.8, 2.5, 3.0, 3.3 V) and two LEDs. The form draws
// the jumper and the lit LEDs over the base picture at these places;
// tools/make_pictures draws the base picture around them.

namespace kelmis::vccio {

struct Point {
    int x, y;
};
inline constexpr int kPortCount = 6;
inline constexpr int kWidth = 120;
inline constexpr int kHeight = 111;
// A port's jumper at row 0 (1.5 V); the rows lie 8 pixels apart.
inline constexpr Point kJumper[kPortCount] = {{91, 72}, {63, 72}, {35, 72},
                                              {91, 30}, {63, 30}, {35, 30}};
inline constexpr int kRowPitch = 8;
inline constexpr int kRowCount = 5;
inline constexpr int kJumperWidth = 20;
inline constexpr int kJumperHeight = 6;
// The two LEDs of each port along the top: the first lights for 1.8 V and
// 3.0 V, the second for 2.5 V and 3.0 V.
inline constexpr int kLed1X[kPortCount] = {87, 71, 56, 41, 26, 10};
inline constexpr int kLed2X[kPortCount] = {79, 63, 48, 33, 18, 2};
inline constexpr int kLedY = 6;
inline constexpr int kLedSize = 6;

} // namespace kelmis::vccio
