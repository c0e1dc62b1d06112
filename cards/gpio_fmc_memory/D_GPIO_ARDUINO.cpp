#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// The 16 digital lines of an Arduino header.
constexpr CardMapRow kArduinoRows[] = {
    {"4-10, 13-21", "Arduino_IO[0..15]", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_GPIO_ARDUINO(TDaughterBoard& card) {
    FillCardMap(card, GPIO_PIN_NUM, {"D_GPIO_ARDUINO", kArduinoRows}, IOSTD_3V3_LVTTL);
}
