// The BeagleBone Black header look-up: the pins of the two named modes, the
// modes it does not serve, and the indexes and headers it refuses.

#include "boards/max10/BbbPinout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Lookup {
    std::uint8_t mode;
    std::uint8_t header;
    int pin;
    const char* name;
    PinDirection direction;
};

const Lookup kLookups[] = {
    {BBB_MODE_7, BBB_HEADER_P8, 1, "", PIN_DIR_INOUT},
    {BBB_MODE_7, BBB_HEADER_P8, 3, "gpio1[6]", PIN_DIR_INOUT},
    {BBB_MODE_7, BBB_HEADER_P8, 46, "gpio2[7]", PIN_DIR_INOUT},
    {BBB_MODE_7, BBB_HEADER_P9, 25, "gpio3[21]", PIN_DIR_INOUT},
    {BBB_MODE_7, BBB_HEADER_P9, 41, "gpio0[20]", PIN_DIR_INOUT},
    {BBB_MODE_7, BBB_HEADER_P9, 43, "", PIN_DIR_INOUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 11, "BLE_DIO6", PIN_DIR_INPUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 15, "WIFI_HIB_N", PIN_DIR_OUTPUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P8, 46, "", PIN_DIR_INOUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 14, "", PIN_DIR_INOUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 20, "EEPROM_I2C_SDA", PIN_DIR_INOUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 30, "BLE_SPI_MISO", PIN_DIR_OUTPUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 41, "", PIN_DIR_INOUT},
    {BBB_MODE_WIFI_BLE, BBB_HEADER_P9, 42, "BLE_DIO15", PIN_DIR_INPUT},
};

TEST(BbbPinout, LooksUpThePinsOfTheNamedModes) {
    for (const Lookup& l : kLookups) {
        SCOPED_TRACE(std::to_string(l.mode) + "/" + std::to_string(l.header) + "/" +
                     std::to_string(l.pin));
        IoStd standard = IOSTD_1V2;
        PinDirection direction = PIN_DIR_NONE;
        std::string name = "untouched";
        ASSERT_TRUE(GetBbbPin(l.mode, l.header, l.pin, standard, direction, name));
        EXPECT_EQ(name, l.name);
        EXPECT_EQ(direction, l.direction);
        EXPECT_EQ(standard, IOSTD_3V3_LVTTL);
    }
}

TEST(BbbPinout, OtherModesLeaveTheOutputsAlone) {
    for (const int mode : {0, 3, 9, 11, 255}) {
        IoStd standard = IOSTD_1V2;
        PinDirection direction = PIN_DIR_OUTPUT;
        std::string name = "untouched";
        EXPECT_FALSE(
            GetBbbPin(static_cast<std::uint8_t>(mode), BBB_HEADER_P8, 3, standard, direction, name))
            << mode;
        EXPECT_EQ(name, "untouched");
        EXPECT_EQ(direction, PIN_DIR_OUTPUT);
        EXPECT_EQ(standard, IOSTD_1V2);
    }
}

TEST(BbbPinout, NamesThirtyAndSixtySevenSignals) {
    int named[2] = {0, 0};
    for (const std::int32_t mode : {BBB_MODE_WIFI_BLE, BBB_MODE_7}) {
        for (const std::uint8_t header : {BBB_HEADER_P8, BBB_HEADER_P9}) {
            for (int pin = 1; pin <= kBbbPinCount; ++pin) {
                IoStd standard{};
                PinDirection direction{};
                std::string name;
                ASSERT_TRUE(GetBbbPin(static_cast<std::uint8_t>(mode), header, pin, standard,
                                      direction, name));
                named[mode == BBB_MODE_7 ? 1 : 0] += name.empty() ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(named[0], 30);
    EXPECT_EQ(named[1], 67);
}

TEST(BbbPinoutDeathTest, RefusesWhatItsCallerNeverAsks) {
    IoStd standard{};
    PinDirection direction{};
    std::string name;
    EXPECT_DEATH(GetBbbPin(BBB_MODE_7, BBB_HEADER_P8, 0, standard, direction, name),
                 "PinIndex > 0");
    EXPECT_DEATH(GetBbbPin(BBB_MODE_7, BBB_HEADER_P9, 47, standard, direction, name),
                 "PinIndex <= 46");
    EXPECT_DEATH(GetBbbPin(BBB_MODE_DEFAULT, BBB_HEADER_P8, 3, standard, direction, name),
                 "Default mode");
    EXPECT_DEATH(GetBbbPin(BBB_MODE_WIFI_BLE, 2, 3, standard, direction, name), "P8 or P9");
    EXPECT_DEATH(GetBbbPin(BBB_MODE_7, 2, 3, standard, direction, name), "P8 or P9");
}

} // namespace
