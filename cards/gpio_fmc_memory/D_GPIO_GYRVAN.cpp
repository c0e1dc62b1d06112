#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// Motion sensor, power monitor on I2C, infrared receiver, two-motor driver
// with its encoder inputs, two ultrasonic triggers and echoes, four PWM
// outputs and an 8-bit bus whose bits interleave.
constexpr CardMapRow kGyrvanRows[] = {
    {"1", "MPU_INT", PIN_DIR_INPUT, kLvttl},
    {"2", "PM_I2C_SDA", PIN_DIR_INOUT, kLvttl},
    {"3", "IR_RXD", PIN_DIR_INPUT, kLvttl},
    {"4", "PM_I2C_SCL", PIN_DIR_INOUT, kLvttl},
    {"5", "MTRR_N", PIN_DIR_OUTPUT, kLvttl},
    {"6", "MTRR_P", PIN_DIR_OUTPUT, kLvttl},
    {"7", "MTRL_P", PIN_DIR_OUTPUT, kLvttl},
    {"8", "MTRL_N", PIN_DIR_OUTPUT, kLvttl},
    {"9", "MTR_Sleep_n", PIN_DIR_OUTPUT, kLvttl},
    {"10", "MTR_Fault_n", PIN_DIR_INPUT, kLvttl},
    {"13", "MTRR_A", PIN_DIR_INPUT, kLvttl},
    {"14", "MTRR_B", PIN_DIR_INPUT, kLvttl},
    {"15", "MTRL_A", PIN_DIR_INPUT, kLvttl},
    {"16", "MTRL_B", PIN_DIR_INPUT, kLvttl},
    {"17", "MPU_CS_n", PIN_DIR_OUTPUT, kLvttl},
    {"18", "PM_ALERT", PIN_DIR_INPUT, kLvttl},
    {"19", "MPU_SCL_SCLK", PIN_DIR_INOUT, kLvttl},
    {"20", "MPU_SDA_SDI", PIN_DIR_INOUT, kLvttl},
    {"21", "MPU_AD0_SDO", PIN_DIR_INOUT, kLvttl},
    {"22", "MPU_FSYNC", PIN_DIR_OUTPUT, kLvttl},
    {"23", "TRIG[0]", PIN_DIR_OUTPUT, kLvttl},
    {"24", "ECHO[0]", PIN_DIR_INPUT, kLvttl},
    {"25", "TRIG[1]", PIN_DIR_OUTPUT, kLvttl},
    {"26", "ECHO[1]", PIN_DIR_INPUT, kLvttl},
    {"27, 28, 31, 32", "PWM[0..3]", PIN_DIR_OUTPUT, kLvttl},
    {"33", "ERGAN[0]", PIN_DIR_INOUT, kLvttl},
    {"34", "ERGAN[4]", PIN_DIR_INOUT, kLvttl},
    {"35", "ERGAN[1]", PIN_DIR_INOUT, kLvttl},
    {"36", "ERGAN[5]", PIN_DIR_INOUT, kLvttl},
    {"37", "ERGAN[2]", PIN_DIR_INOUT, kLvttl},
    {"38", "ERGAN[6]", PIN_DIR_INOUT, kLvttl},
    {"39", "ERGAN[3]", PIN_DIR_INOUT, kLvttl},
    {"40", "ERGAN[7]", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_GPIO_GYRVAN(TDaughterBoard& card) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_GYRVAN", kGyrvanRows}, IOSTD_3V3_LVTTL);
}
