#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// High-speed USB card in its synchronous FIFO mode: 8-bit data bus,
// FIFO handshake lines, the card's clock and power and reset lines.
constexpr CardMapRow kOrrinRows[] = {
    {"1, 3, 5, 7, 9, 13, 15, 17", "USB_FIFO_D[0..7]", PIN_DIR_INOUT, ROW_IOSTD},
    {"19", "USB_FIFO_RXF_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"21", "USB_FIFO_TXE_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"23", "USB_FIFO_RD_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"25", "USB_FIFO_WR_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"27", "USB_FIFO_SIWU_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"31", "USB_FIFO_CLKOUT", PIN_DIR_INPUT, ROW_IOSTD},
    {"32", "USB_FIFO_PWRSAV_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"33", "USB_FIFO_OE_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"34", "USB_FIFO_PWREN_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"36", "USB_FIFO_SUSPEND_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"38", "USB_FIFO_RESET_n", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_ORRIN(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_ORRIN", kOrrinRows}, ioStd);
}
