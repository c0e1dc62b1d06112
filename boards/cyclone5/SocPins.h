#pragma once
// The pins the Ulvane (board id 23) and Vessor (board id 24) boards share:
// both are Cyclone V SoC boards of one design, with the same clock, key,
// LED, ADC header and Arduino header pins, and the same hard processor
// system (HPS) pins. The HPS pins have no FPGA location: the fitter places
// them with the HPS IP the user adds. The two boards differ in one HPS pin's
// standard (HPS_DDR3_RZQ), so the HPS group is three tables: the pins
// before it, its own row per board, the pins after it.

#include "boards/PinTable.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

#include <cstdint>

namespace socpins {

inline constexpr PinDirection IN = PIN_DIR_INPUT;
inline constexpr PinDirection OUT = PIN_DIR_OUTPUT;
inline constexpr PinDirection IO = PIN_DIR_INOUT;
inline constexpr IoStd LVTTL = IOSTD_3V3_LVTTL;

// clang-format off
inline constexpr PinRow kAdc[] = {
    {"ADC_CONVST", "U9", OUT, LVTTL},
    {"ADC_SCK", "V10", OUT, LVTTL},
    {"ADC_SDI", "AC4", OUT, LVTTL},
    {"ADC_SDO", "AD4", IN, LVTTL},
};
inline constexpr PinRow kArduino[] = {
    {"ARDUINO_IO[]", "AG13 AF13 AG10 AG9 U14 U13 AG8 AH8 AF17 AE15 AF15 AG16 AH11 AH12 AH9 AG11", IO, LVTTL},
    {"ARDUINO_RESET_N", "AH7", IO, LVTTL},
};
inline constexpr PinRow kClock[] = {
    {"FPGA_CLK1_50", "V11", IN, LVTTL, 0, 0, "50.0 MHz"},
    {"FPGA_CLK2_50", "Y13", IN, LVTTL, 0, 0, "50.0 MHz"},
    {"FPGA_CLK3_50", "E11", IN, LVTTL, 0, 0, "50.0 MHz"},
};
inline constexpr PinRow kKey[] = {
    {"KEY[]", "AH17 AH16", IN, LVTTL},
};
inline constexpr PinRow kLed[] = {
    {"LED[]", "W15 AA24 V16 V15 AF26 AE26 Y16 AA23", OUT, LVTTL},
};
// "~": no FPGA location.
inline constexpr PinRow kHpsBeforeRzq[] = {
    {"HPS_CONV_USB_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_DDR3_ADDR[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_BA[]", "~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CKE", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_CK_N", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CK_P", "~", OUT, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_CS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DM[]", "~ ~ ~ ~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQ[]", "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_SSTL15_I},
    {"HPS_DDR3_DQS_N[]", "~ ~ ~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_DQS_P[]", "~ ~ ~ ~", IO, IOSTD_DIFF_1V5_SSTL_I},
    {"HPS_DDR3_ODT", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RAS_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_DDR3_RESET_N", "~", OUT, IOSTD_SSTL15_I},
};
inline constexpr PinRow kHpsAfterRzq[] = {
    {"HPS_DDR3_WE_N", "~", OUT, IOSTD_SSTL15_I},
    {"HPS_ENET_GTX_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_INT_N", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_ENET_MDC", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_MDIO", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_CLK", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DATA[]", "~ ~ ~ ~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_RX_DV", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_DATA[]", "~ ~ ~ ~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_ENET_TX_EN", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_GSENSOR_INT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C0_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C0_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SCLK", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_I2C1_SDAT", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_KEY", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LED", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_LTC_GPIO", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SD_CMD", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SD_DATA[]", "~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_CLK", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MISO", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_MOSI", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_SPIM_SS", "~", IO, IOSTD_3V3_LVTTL},
    {"HPS_UART_RX", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_UART_TX", "~", OUT, IOSTD_3V3_LVTTL},
    {"HPS_USB_CLKOUT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_DATA[]", "~ ~ ~ ~ ~ ~ ~ ~", IO, IOSTD_3V3_LVTTL},
    {"HPS_USB_DIR", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_NXT", "~", IN, IOSTD_3V3_LVTTL},
    {"HPS_USB_STP", "~", OUT, IOSTD_3V3_LVTTL},
};
// clang-format on

// The empty expansion connectors "GPIO_0" (connector 16) and "GPIO_1"
// (connector 17) for the headers that carry a card; headers[i] lists the
// FPGA pins of header i's 40 positions.
void AddGpioHeaders(TMainBoard& board, const std::uint8_t (&cards)[2],
                    const char* const (&headers)[2]);

} // namespace socpins
