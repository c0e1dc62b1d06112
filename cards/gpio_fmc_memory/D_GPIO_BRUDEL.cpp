#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// Two-motor driver, serial ADC, infrared receiver and LED, buzzer, two LEDs
// and two 8-bit buses whose bits interleave (0, 4, 1, 5 ...).
constexpr CardMapRow kBrudelRows[] = {
    {"5", "MTRR_N", PIN_DIR_OUTPUT, kLvttl},
    {"6", "MTRR_P", PIN_DIR_OUTPUT, kLvttl},
    {"7", "MTRL_P", PIN_DIR_OUTPUT, kLvttl},
    {"8", "MTRL_N", PIN_DIR_OUTPUT, kLvttl},
    {"9", "MTR_Sleep_n", PIN_DIR_OUTPUT, kLvttl},
    {"10", "MTR_Fault_n", PIN_DIR_INPUT, kLvttl},
    {"13", "LTC_ADC_CONVST", PIN_DIR_OUTPUT, kLvttl},
    {"14", "LTC_ADC_SCK", PIN_DIR_OUTPUT, kLvttl},
    {"15", "LTC_ADC_SDO", PIN_DIR_INPUT, kLvttl},
    {"16", "LTC_ADC_SDI", PIN_DIR_OUTPUT, kLvttl},
    {"17", "IR_RXD", PIN_DIR_INPUT, kLvttl},
    {"18", "BUZZER_OUT", PIN_DIR_OUTPUT, kLvttl},
    {"19", "LED_LEFT", PIN_DIR_OUTPUT, kLvttl},
    {"20", "LED_RIGHT", PIN_DIR_OUTPUT, kLvttl},
    {"21", "ERGAN0[0]", PIN_DIR_INOUT, kLvttl},
    {"22", "ERGAN0[4]", PIN_DIR_INOUT, kLvttl},
    {"23", "ERGAN0[1]", PIN_DIR_INOUT, kLvttl},
    {"24", "ERGAN0[5]", PIN_DIR_INOUT, kLvttl},
    {"25", "ERGAN0[2]", PIN_DIR_INOUT, kLvttl},
    {"26", "ERGAN0[6]", PIN_DIR_INOUT, kLvttl},
    {"27", "ERGAN0[3]", PIN_DIR_INOUT, kLvttl},
    {"28", "ERGAN0[7]", PIN_DIR_INOUT, kLvttl},
    {"31", "ERGAN1[0]", PIN_DIR_INOUT, kLvttl},
    {"32", "ERGAN1[4]", PIN_DIR_INOUT, kLvttl},
    {"33", "ERGAN1[1]", PIN_DIR_INOUT, kLvttl},
    {"34", "ERGAN1[5]", PIN_DIR_INOUT, kLvttl},
    {"35", "ERGAN1[2]", PIN_DIR_INOUT, kLvttl},
    {"36", "ERGAN1[6]", PIN_DIR_INOUT, kLvttl},
    {"37", "ERGAN1[3]", PIN_DIR_INOUT, kLvttl},
    {"38", "ERGAN1[7]", PIN_DIR_INOUT, kLvttl},
    {"39", "IR_LED_ON", PIN_DIR_OUTPUT, kLvttl},
    {"40", "VCC3P3_PWRON_n", PIN_DIR_OUTPUT, kLvttl},
};

} // namespace

void D_GPIO_BRUDEL(TDaughterBoard& card) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_BRUDEL", kBrudelRows}, IOSTD_3V3_LVTTL);
}
