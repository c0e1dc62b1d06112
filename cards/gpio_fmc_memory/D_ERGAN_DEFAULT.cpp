#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/ErganCards.h"
#include "model/DaughterBoard.h"

namespace {

constexpr RowStd kLvttl = RowStdFixed(IOSTD_3V3_LVTTL);

// The header as plain I/O.
constexpr CardMapRow kDefaultRows[] = {
    {"1-8", "GPIO[0..7]", PIN_DIR_INOUT, kLvttl},
};

} // namespace

void D_ERGAN_DEFAULT(TDaughterBoard& card) {
    FillCardMap(card, ERGAN_PIN_NUM, {"D_ERGAN_DEFAULT", kDefaultRows}, IOSTD_3V3_LVTTL);
}
