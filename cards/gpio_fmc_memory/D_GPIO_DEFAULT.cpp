#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

// One bit per signal position; the filler puts the bus base in front.
constexpr CardMapRow kNumberedRows[] = {
    {"1-10, 13-28, 31-40", "[0..35]", PIN_DIR_INOUT, ROW_IOSTD},
};

constexpr CardMapRow kDataBusRows[] = {
    {"1", "GPIO_CLKIN[0]", PIN_DIR_INPUT, ROW_IOSTD},
    {"2", "GPIO_D[0]", PIN_DIR_INOUT, ROW_IOSTD},
    {"3", "GPIO_CLKIN[1]", PIN_DIR_INPUT, ROW_IOSTD},
    {"4-10, 13-18", "GPIO_D[1..13]", PIN_DIR_INOUT, ROW_IOSTD},
    {"19", "GPIO_CLKOUT[0]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"20", "GPIO_D[14]", PIN_DIR_INOUT, ROW_IOSTD},
    {"21", "GPIO_CLKOUT[1]", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"22-28, 31-40", "GPIO_D[15..31]", PIN_DIR_INOUT, ROW_IOSTD},
};

// The connector prefix completes these names: GPIO_0 gives GPIO_0_IN[0] and
// GPIO_0[0] to GPIO_0[33].
constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);
constexpr CardMapRow kIstrelRows[] = {
    {"1", "_IN[0]", PIN_DIR_INPUT, kLvttl},
    {"2", "[0]", PIN_DIR_INOUT, kLvttl},
    {"3", "_IN[1]", PIN_DIR_INPUT, kLvttl},
    {"4-10, 13-28, 31-40", "[1..33]", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_GPIO_DEFAULT(TDaughterBoard& card, bool numbered, IoStd ioStd) {
    if (numbered) {
        FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_DEFAULT", kNumberedRows}, ioStd, "GPIO");
    } else {
        FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_DEFAULT", kDataBusRows}, ioStd);
    }
}

void D_GPIO_DEFAULT_NAMED(TDaughterBoard& card, const std::string& busName, IoStd ioStd) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_DEFAULT", kNumberedRows}, ioStd, busName);
}

void D_GPIO_DEFAULT_ISTREL(TDaughterBoard& card) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_DEFAULT_ISTREL", kIstrelRows}, IOSTD_3V3_LVTTL);
}
