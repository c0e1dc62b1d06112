#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// Converter card over both headers: ADC on the first (1-40), DAC on the
// second (41-80). The data bits are not in order along the headers.
constexpr CardMapRow kOstelRows[] = {
    {"1", "ADC_OTR_A", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "ADC_DB[0]", PIN_DIR_INPUT, ROW_IOSTD},
    {"3", "ADC_OTR_B", PIN_DIR_INPUT, ROW_IOSTD},
    {"4, 5", "ADC_DB[1..2]", PIN_DIR_INPUT, ROW_IOSTD},
    {"6, 7", "ADC_DB[4..3]", PIN_DIR_INPUT, ROW_IOSTD},
    {"8, 9", "ADC_DB[5..6]", PIN_DIR_INPUT, ROW_IOSTD},
    {"10, 13", "ADC_DB[8..7]", PIN_DIR_INPUT, ROW_IOSTD},
    {"14, 15", "ADC_DB[9..10]", PIN_DIR_INPUT, ROW_IOSTD},
    {"16, 17", "ADC_DB[12..11]", PIN_DIR_INPUT, ROW_IOSTD},
    {"18", "ADC_DB[13]", PIN_DIR_INPUT, ROW_IOSTD},
    {"19", "ADC_CLK_A", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"20", "ADC_DA[0]", PIN_DIR_INPUT, ROW_IOSTD},
    {"21", "ADC_CLK_B", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"22, 23", "ADC_DA[1..2]", PIN_DIR_INPUT, ROW_IOSTD},
    {"24, 25", "ADC_DA[4..3]", PIN_DIR_INPUT, ROW_IOSTD},
    {"26, 27", "ADC_DA[5..6]", PIN_DIR_INPUT, ROW_IOSTD},
    {"28, 31", "ADC_DA[8..7]", PIN_DIR_INPUT, ROW_IOSTD},
    {"32, 33", "ADC_DA[9..10]", PIN_DIR_INPUT, ROW_IOSTD},
    {"34, 35", "ADC_DA[12..11]", PIN_DIR_INPUT, ROW_IOSTD},
    {"36", "ADC_DA[13]", PIN_DIR_INPUT, ROW_IOSTD},
    {"37", "POWER_ON", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"38", "ADC_OEB_B", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"40", "ADC_OEB_A", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"41", "SMA_DAC4", PIN_DIR_INPUT, ROW_IOSTD},
    {"42", "DAC_DA[13]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"43", "OSC_SMA_ADC4", PIN_DIR_INPUT, ROW_IOSTD},
    {"44, 45", "DAC_DA[12..11]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"46, 47", "DAC_DA[9..10]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"48, 49", "DAC_DA[8..7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"50, 53", "DAC_DA[5..6]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"54, 55", "DAC_DA[4..3]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"56, 57", "DAC_DA[1..2]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"58", "DAC_DA[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"59", "DAC_CLK_A", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"60", "DAC_WRT_A", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"61", "DAC_CLK_B", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"62, 64, 65", "DAC_DB[13..11]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"66, 67", "DAC_DB[9..10]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"68", "DAC_DB[8]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"71", "DAC_DB[5]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"72", "DAC_DB[7]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"73", "DAC_DB[4]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"74", "DAC_DB[6]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"75", "DAC_DB[1]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"76", "DAC_DB[3]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"77", "DAC_DB[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"78", "DAC_DB[2]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"79", "DAC_WRT_B", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"80", "DAC_MODE", PIN_DIR_OUTPUT, ROW_IOSTD},
};

} // namespace

void D_GPIO_OSTEL(TDaughterBoard& card, IoStd ioStd) {
    FillCardMap(card, 2 * GPIO_PIN_NUM, {"D_GPIO_OSTEL", kOstelRows}, ioStd);
}
