#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// RF and sensor card: Wi-Fi, Bluetooth, UART bridge, motion, light and
// humidity sensors, and an 8-bit bus.
constexpr CardMapRow kZeppitRows[] = {
    {"1", "LSENSOR_INT", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "WIFI_RST_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"3", "MPU_INT", PIN_DIR_INPUT, ROW_IOSTD},
    {"4", "RH_TEMP_I2C_SCL", PIN_DIR_INOUT, ROW_IOSTD},
    {"5", "RH_TEMP_DRDY_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"6", "RH_TEMP_I2C_SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"7", "MPU_FSYNC", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"8", "LSENSOR_SCL", PIN_DIR_INOUT, ROW_IOSTD},
    {"9", "BT_KEY", PIN_DIR_INOUT, ROW_IOSTD},
    {"10", "LSENSOR_SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"13", "WIFI_EN", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"14", "MPU_SCL_SCLK", PIN_DIR_INOUT, ROW_IOSTD},
    {"15", "WIFI_UART1_RX", PIN_DIR_INPUT, ROW_IOSTD},
    {"16", "MPU_SDA_SDI", PIN_DIR_INOUT, ROW_IOSTD},
    {"17", "WIFI_UART0_RX", PIN_DIR_INPUT, ROW_IOSTD},
    {"18", "WIFI_UART0_TX", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"19", "UART2USB_TX", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"20", "UART2USB_RX", PIN_DIR_INPUT, ROW_IOSTD},
    {"21", "BT_UART_RX", PIN_DIR_INPUT, ROW_IOSTD},
    {"22", "BT_UART_TX", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"23", "WIFI_UART0_CTS", PIN_DIR_INPUT, ROW_IOSTD},
    {"24", "WIFI_UART0_RTS", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"25", "UART2USB_RTS", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"26", "UART2USB_CTS", PIN_DIR_INPUT, ROW_IOSTD},
    {"31", "MPU_CS_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"32", "MPU_AD0_SDO", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"33, 34", "ERGAN_D[2..3]", PIN_DIR_INOUT, ROW_IOSTD},
    {"35, 36", "ERGAN_D[1..0]", PIN_DIR_INOUT, ROW_IOSTD},
    {"37-40", "ERGAN_D[7..4]", PIN_DIR_INOUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_ZEPPIT(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_ZEPPIT", kZeppitRows}, ioStd);
}
