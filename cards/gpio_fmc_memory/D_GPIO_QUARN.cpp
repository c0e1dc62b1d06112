#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// Interactive sensor board: a buzzer and the interrupt and serial lines of
// five sensor groups.
constexpr CardMapRow kQuarnRows[] = {
    {"6", "BEEP_OUT", PIN_DIR_OUTPUT, kLvttl},
    {"15", "SCL_A_OUT", PIN_DIR_OUTPUT, kLvttl},
    {"16", "SDA_A_OUT", PIN_DIR_INOUT, kLvttl},
    {"17", "INT1_A_OUT", PIN_DIR_INPUT, kLvttl},
    {"18", "INT2_A_OUT", PIN_DIR_INPUT, kLvttl},
    {"19", "G_INT2", PIN_DIR_INPUT, kLvttl},
    {"20", "G_INT1", PIN_DIR_INPUT, kLvttl},
    {"21", "G_SDA_SDI_SDIO", PIN_DIR_INOUT, kLvttl},
    {"22", "G_SDO_ALT_ADDRESS", PIN_DIR_OUTPUT, kLvttl},
    {"23", "SCL_M_OUT", PIN_DIR_OUTPUT, kLvttl},
    {"24", "SDA_M_OUT", PIN_DIR_INOUT, kLvttl},
    {"25", "DRDY_M_OUT", PIN_DIR_OUTPUT, kLvttl},
    {"26", "G_SCL_SCLK", PIN_DIR_OUTPUT, kLvttl},
    {"27", "G_CS_n", PIN_DIR_OUTPUT, kLvttl},
    {"28", "L_INT", PIN_DIR_INPUT, kLvttl},
    {"31", "L_SDA", PIN_DIR_INOUT, kLvttl},
    {"32", "L_SCL", PIN_DIR_OUTPUT, kLvttl},
    {"34", "L_ADDR_SEL", PIN_DIR_OUTPUT, kLvttl},
    {"35", "TEMP_OS", PIN_DIR_INPUT, kLvttl},
    {"37", "TEMP_SCL", PIN_DIR_OUTPUT, kLvttl},
    {"39", "TEMP_SDA", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_GPIO_QUARN(TDaughterBoard& card) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_QUARN", kQuarnRows}, IOSTD_3V3_LVTTL);
}
