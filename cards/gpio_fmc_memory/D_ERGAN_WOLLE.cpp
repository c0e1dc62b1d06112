#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/ErganCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// Bluetooth serial module, directions seen from the FPGA: the module's
// receive line is an FPGA output, its transmit line an FPGA input.
constexpr CardMapRow kWolleRows[] = {
    {"1", "WOLLE_UART_RX", PIN_DIR_OUTPUT, kLvttl},
    {"2", "WOLLE_UART_TX", PIN_DIR_INPUT, kLvttl},
    {"3", "WOLLE_UART_RTS", PIN_DIR_INPUT, kLvttl},
    {"4", "WOLLE_UART_CTS", PIN_DIR_OUTPUT, kLvttl},
    {"5", "WOLLE_PIO2_STATUS", PIN_DIR_INPUT, kLvttl},
    {"6", "WOLLE_RESET_N", PIN_DIR_OUTPUT, kLvttl},
    {"7", "WOLLE_GPIO9", PIN_DIR_INOUT, kLvttl},
    {"8", "WOLLE_GPIO10", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_ERGAN_WOLLE(TDaughterBoard& card) {
    FillCardMap(card, ERGAN_PIN_NUM, {"D_ERGAN_WOLLE", kWolleRows}, IOSTD_3V3_LVTTL);
}
