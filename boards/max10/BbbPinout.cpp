#include "boards/max10/BbbPinout.h"

#include "platform/Assert.h"

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection IO = PIN_DIR_INOUT;

// Row r is header pin r + 1.
// clang-format off
constexpr BBB_PIN BBB_PINS_WIFI_BLE_P8[kBbbPinCount] = {
    {"", IO, IOSTD_3V3_LVTTL}, // 1
    {"", IO, IOSTD_3V3_LVTTL}, // 2
    {"", IO, IOSTD_3V3_LVTTL}, // 3
    {"", IO, IOSTD_3V3_LVTTL}, // 4
    {"", IO, IOSTD_3V3_LVTTL}, // 5
    {"", IO, IOSTD_3V3_LVTTL}, // 6
    {"", IO, IOSTD_3V3_LVTTL}, // 7
    {"", IO, IOSTD_3V3_LVTTL}, // 8
    {"", IO, IOSTD_3V3_LVTTL}, // 9
    {"", IO, IOSTD_3V3_LVTTL}, // 10
    {"BLE_DIO6", IN, IOSTD_3V3_LVTTL}, // 11
    {"BLE_DIO7", IN, IOSTD_3V3_LVTTL}, // 12
    {"", IO, IOSTD_3V3_LVTTL}, // 13
    {"BLE_DIO8", IN, IOSTD_3V3_LVTTL}, // 14
    {"WIFI_HIB_N", OUT, IOSTD_3V3_LVTTL}, // 15
    {"WIFI_IRQ", IN, IOSTD_3V3_LVTTL}, // 16
    {"WIFI_ANT", OUT, IOSTD_3V3_LVTTL}, // 17
    {"BLE_ANT", OUT, IOSTD_3V3_LVTTL}, // 18
    {"", IO, IOSTD_3V3_LVTTL}, // 19
    {"", IO, IOSTD_3V3_LVTTL}, // 20
    {"", IO, IOSTD_3V3_LVTTL}, // 21
    {"", IO, IOSTD_3V3_LVTTL}, // 22
    {"", IO, IOSTD_3V3_LVTTL}, // 23
    {"", IO, IOSTD_3V3_LVTTL}, // 24
    {"", IO, IOSTD_3V3_LVTTL}, // 25
    {"BLE_DIO9", IN, IOSTD_3V3_LVTTL}, // 26
    {"", IO, IOSTD_3V3_LVTTL}, // 27
    {"", IO, IOSTD_3V3_LVTTL}, // 28
    {"", IO, IOSTD_3V3_LVTTL}, // 29
    {"", IO, IOSTD_3V3_LVTTL}, // 30
    {"", IO, IOSTD_3V3_LVTTL}, // 31
    {"", IO, IOSTD_3V3_LVTTL}, // 32
    {"WIFI_UART_CTS", IN, IOSTD_3V3_LVTTL}, // 33
    {"", IO, IOSTD_3V3_LVTTL}, // 34
    {"WIFI_UART_RTS", OUT, IOSTD_3V3_LVTTL}, // 35
    {"", IO, IOSTD_3V3_LVTTL}, // 36
    {"", IO, IOSTD_3V3_LVTTL}, // 37
    {"", IO, IOSTD_3V3_LVTTL}, // 38
    {"", IO, IOSTD_3V3_LVTTL}, // 39
    {"", IO, IOSTD_3V3_LVTTL}, // 40
    {"", IO, IOSTD_3V3_LVTTL}, // 41
    {"", IO, IOSTD_3V3_LVTTL}, // 42
    {"", IO, IOSTD_3V3_LVTTL}, // 43
    {"", IO, IOSTD_3V3_LVTTL}, // 44
    {"", IO, IOSTD_3V3_LVTTL}, // 45
    {"", IO, IOSTD_3V3_LVTTL}, // 46
};
constexpr BBB_PIN BBB_PINS_MODE7_P8[kBbbPinCount] = {
    {"", IO, IOSTD_3V3_LVTTL}, // 1
    {"", IO, IOSTD_3V3_LVTTL}, // 2
    {"gpio1[6]", IO, IOSTD_3V3_LVTTL}, // 3
    {"gpio1[7]", IO, IOSTD_3V3_LVTTL}, // 4
    {"gpio1[2]", IO, IOSTD_3V3_LVTTL}, // 5
    {"gpio1[3]", IO, IOSTD_3V3_LVTTL}, // 6
    {"gpio2[2]", IO, IOSTD_3V3_LVTTL}, // 7
    {"gpio2[3]", IO, IOSTD_3V3_LVTTL}, // 8
    {"gpio2[5]", IO, IOSTD_3V3_LVTTL}, // 9
    {"gpio2[4]", IO, IOSTD_3V3_LVTTL}, // 10
    {"gpio1[13]", IO, IOSTD_3V3_LVTTL}, // 11
    {"gpio1[12]", IO, IOSTD_3V3_LVTTL}, // 12
    {"gpio0[23]", IO, IOSTD_3V3_LVTTL}, // 13
    {"gpio0[26]", IO, IOSTD_3V3_LVTTL}, // 14
    {"gpio1[15]", IO, IOSTD_3V3_LVTTL}, // 15
    {"gpio1[14]", IO, IOSTD_3V3_LVTTL}, // 16
    {"gpio0[27]", IO, IOSTD_3V3_LVTTL}, // 17
    {"gpio2[1]", IO, IOSTD_3V3_LVTTL}, // 18
    {"gpio0[22]", IO, IOSTD_3V3_LVTTL}, // 19
    {"gpio1[31]", IO, IOSTD_3V3_LVTTL}, // 20
    {"gpio1[30]", IO, IOSTD_3V3_LVTTL}, // 21
    {"gpio1[5]", IO, IOSTD_3V3_LVTTL}, // 22
    {"gpio1[4]", IO, IOSTD_3V3_LVTTL}, // 23
    {"gpio1[1]", IO, IOSTD_3V3_LVTTL}, // 24
    {"gpio1[0]", IO, IOSTD_3V3_LVTTL}, // 25
    {"gpio1[29]", IO, IOSTD_3V3_LVTTL}, // 26
    {"gpio2[22]", IO, IOSTD_3V3_LVTTL}, // 27
    {"gpio2[24]", IO, IOSTD_3V3_LVTTL}, // 28
    {"gpio2[23]", IO, IOSTD_3V3_LVTTL}, // 29
    {"gpio2[25]", IO, IOSTD_3V3_LVTTL}, // 30
    {"gpio0[10]", IO, IOSTD_3V3_LVTTL}, // 31
    {"gpio0[11]", IO, IOSTD_3V3_LVTTL}, // 32
    {"gpio0[9]", IO, IOSTD_3V3_LVTTL}, // 33
    {"gpio2[17]", IO, IOSTD_3V3_LVTTL}, // 34
    {"gpio0[8]", IO, IOSTD_3V3_LVTTL}, // 35
    {"gpio2[16]", IO, IOSTD_3V3_LVTTL}, // 36
    {"gpio2[14]", IO, IOSTD_3V3_LVTTL}, // 37
    {"gpio2[15]", IO, IOSTD_3V3_LVTTL}, // 38
    {"gpio2[12]", IO, IOSTD_3V3_LVTTL}, // 39
    {"gpio2[13]", IO, IOSTD_3V3_LVTTL}, // 40
    {"gpio2[10]", IO, IOSTD_3V3_LVTTL}, // 41
    {"gpio2[11]", IO, IOSTD_3V3_LVTTL}, // 42
    {"gpio2[8]", IO, IOSTD_3V3_LVTTL}, // 43
    {"gpio2[9]", IO, IOSTD_3V3_LVTTL}, // 44
    {"gpio2[6]", IO, IOSTD_3V3_LVTTL}, // 45
    {"gpio2[7]", IO, IOSTD_3V3_LVTTL}, // 46
};
constexpr BBB_PIN BBB_PINS_WIFI_BLE_P9[kBbbPinCount] = {
    {"", IO, IOSTD_3V3_LVTTL}, // 1
    {"", IO, IOSTD_3V3_LVTTL}, // 2
    {"", IO, IOSTD_3V3_LVTTL}, // 3
    {"", IO, IOSTD_3V3_LVTTL}, // 4
    {"", IO, IOSTD_3V3_LVTTL}, // 5
    {"", IO, IOSTD_3V3_LVTTL}, // 6
    {"", IO, IOSTD_3V3_LVTTL}, // 7
    {"", IO, IOSTD_3V3_LVTTL}, // 8
    {"", IO, IOSTD_3V3_LVTTL}, // 9
    {"", IO, IOSTD_3V3_LVTTL}, // 10
    {"WIFI_UART_RXD", IN, IOSTD_3V3_LVTTL}, // 11
    {"BLE_DIO10", IN, IOSTD_3V3_LVTTL}, // 12
    {"WIFI_UART_TXD", OUT, IOSTD_3V3_LVTTL}, // 13
    {"", IO, IOSTD_3V3_LVTTL}, // 14
    {"BLE_DIO11", IN, IOSTD_3V3_LVTTL}, // 15
    {"", IO, IOSTD_3V3_LVTTL}, // 16
    {"WIFI_SPI_CS_N", OUT, IOSTD_3V3_LVTTL}, // 17
    {"WIFI_SPI_MISO", IN, IOSTD_3V3_LVTTL}, // 18
    {"EEPROM_I2C_SCL", OUT, IOSTD_3V3_LVTTL}, // 19
    {"EEPROM_I2C_SDA", IO, IOSTD_3V3_LVTTL}, // 20
    {"WIFI_SPI_MOSI", OUT, IOSTD_3V3_LVTTL}, // 21
    {"WIFI_SPI_SCLK", OUT, IOSTD_3V3_LVTTL}, // 22
    {"BLE_DIO12", IN, IOSTD_3V3_LVTTL}, // 23
    {"BLE_I2C_SCL", IO, IOSTD_3V3_LVTTL}, // 24
    {"BLE_DIO13", IN, IOSTD_3V3_LVTTL}, // 25
    {"BLE_I2C_SDA", IO, IOSTD_3V3_LVTTL}, // 26
    {"BLE_DIO14", IN, IOSTD_3V3_LVTTL}, // 27
    {"BLE_SPI_CS_N", IN, IOSTD_3V3_LVTTL}, // 28
    {"BLE_SPI_MOSI", IN, IOSTD_3V3_LVTTL}, // 29
    {"BLE_SPI_MISO", OUT, IOSTD_3V3_LVTTL}, // 30
    {"BLE_SPI_SCLK", IN, IOSTD_3V3_LVTTL}, // 31
    {"", IO, IOSTD_3V3_LVTTL}, // 32
    {"", IO, IOSTD_3V3_LVTTL}, // 33
    {"", IO, IOSTD_3V3_LVTTL}, // 34
    {"", IO, IOSTD_3V3_LVTTL}, // 35
    {"", IO, IOSTD_3V3_LVTTL}, // 36
    {"", IO, IOSTD_3V3_LVTTL}, // 37
    {"", IO, IOSTD_3V3_LVTTL}, // 38
    {"", IO, IOSTD_3V3_LVTTL}, // 39
    {"", IO, IOSTD_3V3_LVTTL}, // 40
    {"", IO, IOSTD_3V3_LVTTL}, // 41
    {"BLE_DIO15", IN, IOSTD_3V3_LVTTL}, // 42
    {"", IO, IOSTD_3V3_LVTTL}, // 43
    {"", IO, IOSTD_3V3_LVTTL}, // 44
    {"", IO, IOSTD_3V3_LVTTL}, // 45
    {"", IO, IOSTD_3V3_LVTTL}, // 46
};
constexpr BBB_PIN BBB_PINS_MODE7_P9[kBbbPinCount] = {
    {"", IO, IOSTD_3V3_LVTTL}, // 1
    {"", IO, IOSTD_3V3_LVTTL}, // 2
    {"", IO, IOSTD_3V3_LVTTL}, // 3
    {"", IO, IOSTD_3V3_LVTTL}, // 4
    {"", IO, IOSTD_3V3_LVTTL}, // 5
    {"", IO, IOSTD_3V3_LVTTL}, // 6
    {"", IO, IOSTD_3V3_LVTTL}, // 7
    {"", IO, IOSTD_3V3_LVTTL}, // 8
    {"", IO, IOSTD_3V3_LVTTL}, // 9
    {"", IO, IOSTD_3V3_LVTTL}, // 10
    {"gpio0[30]", IO, IOSTD_3V3_LVTTL}, // 11
    {"gpio1[28]", IO, IOSTD_3V3_LVTTL}, // 12
    {"gpio0[31]", IO, IOSTD_3V3_LVTTL}, // 13
    {"gpio1[18]", IO, IOSTD_3V3_LVTTL}, // 14
    {"gpio1[16]", IO, IOSTD_3V3_LVTTL}, // 15
    {"gpio1[19]", IO, IOSTD_3V3_LVTTL}, // 16
    {"gpio0[5]", IO, IOSTD_3V3_LVTTL}, // 17
    {"gpio0[4]", IO, IOSTD_3V3_LVTTL}, // 18
    {"gpio0[13]", IO, IOSTD_3V3_LVTTL}, // 19
    {"gpio0[12]", IO, IOSTD_3V3_LVTTL}, // 20
    {"gpio0[3]", IO, IOSTD_3V3_LVTTL}, // 21
    {"gpio0[2]", IO, IOSTD_3V3_LVTTL}, // 22
    {"gpio1[17]", IO, IOSTD_3V3_LVTTL}, // 23
    {"gpio0[15]", IO, IOSTD_3V3_LVTTL}, // 24
    {"gpio3[21]", IO, IOSTD_3V3_LVTTL}, // 25
    {"gpio0[14]", IO, IOSTD_3V3_LVTTL}, // 26
    {"gpio3[19]", IO, IOSTD_3V3_LVTTL}, // 27
    {"gpio3[17]", IO, IOSTD_3V3_LVTTL}, // 28
    {"gpio3[15]", IO, IOSTD_3V3_LVTTL}, // 29
    {"gpio3[16]", IO, IOSTD_3V3_LVTTL}, // 30
    {"gpio3[14]", IO, IOSTD_3V3_LVTTL}, // 31
    {"", IO, IOSTD_3V3_LVTTL}, // 32
    {"", IO, IOSTD_3V3_LVTTL}, // 33
    {"", IO, IOSTD_3V3_LVTTL}, // 34
    {"", IO, IOSTD_3V3_LVTTL}, // 35
    {"", IO, IOSTD_3V3_LVTTL}, // 36
    {"", IO, IOSTD_3V3_LVTTL}, // 37
    {"", IO, IOSTD_3V3_LVTTL}, // 38
    {"", IO, IOSTD_3V3_LVTTL}, // 39
    {"", IO, IOSTD_3V3_LVTTL}, // 40
    {"gpio0[20]", IO, IOSTD_3V3_LVTTL}, // 41
    {"gpio0[7]", IO, IOSTD_3V3_LVTTL}, // 42
    {"", IO, IOSTD_3V3_LVTTL}, // 43
    {"", IO, IOSTD_3V3_LVTTL}, // 44
    {"", IO, IOSTD_3V3_LVTTL}, // 45
    {"", IO, IOSTD_3V3_LVTTL}, // 46
};
// clang-format on

const BBB_PIN* Table(std::uint8_t mode, std::uint8_t header) {
    if (mode == BBB_MODE_WIFI_BLE) {
        if (header == BBB_HEADER_P8) {
            return BBB_PINS_WIFI_BLE_P8;
        }
        if (header == BBB_HEADER_P9) {
            return BBB_PINS_WIFI_BLE_P9;
        }
        PINSMITH_FAIL("BBB header of WIFI-BLE mode is P8 or P9");
    }
    if (header == BBB_HEADER_P8) {
        return BBB_PINS_MODE7_P8;
    }
    if (header == BBB_HEADER_P9) {
        return BBB_PINS_MODE7_P9;
    }
    PINSMITH_FAIL("BBB header of Mode 7 is P8 or P9");
}

} // namespace

bool GetBbbPin(std::uint8_t mode, std::uint8_t header, int PinIndex, IoStd& ioStandard,
               PinDirection& direction, std::string& name) {
    PINSMITH_ASSERT(PinIndex > 0);
    static_assert(kBbbPinCount == 46);
    PINSMITH_ASSERT(PinIndex <= 46);
    if (mode == BBB_MODE_DEFAULT) {
        PINSMITH_FAIL("BBB Default mode has no pin table");
    }
    if (mode != BBB_MODE_WIFI_BLE && mode != BBB_MODE_7) {
        return false;
    }
    const BBB_PIN& pin = Table(mode, header)[PinIndex - 1];
    name = pin.Name;
    direction = pin.Direction;
    ioStandard = pin.IoStandard;
    return true;
}
