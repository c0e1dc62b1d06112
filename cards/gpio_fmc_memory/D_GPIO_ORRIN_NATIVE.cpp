#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// The same USB card in its native mode: the chip's four 8-bit buses on the
// positions of the FIFO lines (ADBUS[n] where card 24 has USB_FIFO_D[n]).
constexpr CardMapRow kNativeRows[] = {
    {"1", "ADBUS[0]", PIN_DIR_INOUT, ROW_IOSTD},  {"2", "BDBUS[2]", PIN_DIR_INOUT, ROW_IOSTD},
    {"3", "ADBUS[1]", PIN_DIR_INOUT, ROW_IOSTD},  {"4", "BDBUS[3]", PIN_DIR_INOUT, ROW_IOSTD},
    {"5", "ADBUS[2]", PIN_DIR_INOUT, ROW_IOSTD},  {"6", "BDBUS[4]", PIN_DIR_INOUT, ROW_IOSTD},
    {"7", "ADBUS[3]", PIN_DIR_INOUT, ROW_IOSTD},  {"8", "BDBUS[5]", PIN_DIR_INOUT, ROW_IOSTD},
    {"9", "ADBUS[4]", PIN_DIR_INOUT, ROW_IOSTD},  {"10", "BDBUS[6]", PIN_DIR_INOUT, ROW_IOSTD},
    {"13", "ADBUS[5]", PIN_DIR_INOUT, ROW_IOSTD}, {"14", "BDBUS[7]", PIN_DIR_INOUT, ROW_IOSTD},
    {"15", "ADBUS[6]", PIN_DIR_INOUT, ROW_IOSTD}, {"16", "BCBUS[0]", PIN_DIR_INOUT, ROW_IOSTD},
    {"17", "ADBUS[7]", PIN_DIR_INOUT, ROW_IOSTD}, {"18", "BCBUS[1]", PIN_DIR_INOUT, ROW_IOSTD},
    {"19", "ACBUS[0]", PIN_DIR_INOUT, ROW_IOSTD}, {"20", "BCBUS[2]", PIN_DIR_INOUT, ROW_IOSTD},
    {"21", "ACBUS[1]", PIN_DIR_INOUT, ROW_IOSTD}, {"22", "BCBUS[3]", PIN_DIR_INOUT, ROW_IOSTD},
    {"23", "ACBUS[2]", PIN_DIR_INOUT, ROW_IOSTD}, {"24", "BCBUS[4]", PIN_DIR_INOUT, ROW_IOSTD},
    {"25", "ACBUS[3]", PIN_DIR_INOUT, ROW_IOSTD}, {"26", "BCBUS[5]", PIN_DIR_INOUT, ROW_IOSTD},
    {"27", "ACBUS[4]", PIN_DIR_INOUT, ROW_IOSTD}, {"28", "BCBUS[6]", PIN_DIR_INOUT, ROW_IOSTD},
    {"31", "ACBUS[5]", PIN_DIR_INOUT, ROW_IOSTD}, {"32", "BCBUS[7]", PIN_DIR_INOUT, ROW_IOSTD},
    {"33", "ACBUS[6]", PIN_DIR_INOUT, ROW_IOSTD}, {"34", "PWREN_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"35", "ACBUS[7]", PIN_DIR_INOUT, ROW_IOSTD}, {"36", "SUSPEND_n", PIN_DIR_INPUT, ROW_IOSTD},
    {"37", "BDBUS[0]", PIN_DIR_INOUT, ROW_IOSTD}, {"38", "RESET_n", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"39", "BDBUS[1]", PIN_DIR_INOUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_ORRIN_NATIVE(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_ORRIN_NATIVE", kNativeRows}, ioStd);
}
