#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

#include <array>

namespace {

// The G-sensor that card 36 adds to card 29, all inputs. Its serial clock
// sits at 57, a supply position: no board connector has a pin there, so the
// merge drops it and it never reaches a project. Moving it to a free signal
// position would wire the sensor clock to a pin the card may not use.
constexpr CardMapRow kGsensorRows[] = {
    {"41", "GSENSOR_INT1", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"43", "GSENSOR_INT2", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"49", "GSENSOR_CS_n", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"53", "GSENSOR_ALT_ADDR", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"55", "GSENSOR_SDA_SDI_SDIO", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"57", "GSENSOR_SCL_SCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_SORVEL2(TDaughterBoard& card) {
    const std::array<CardMapTable, 2> tables{{
        {"D_HSMC_SORVEL", SorvelRows()},
        {"D_HSMC_SORVEL2", kGsensorRows},
    }};
    FillCardMap(card, HSMC_PIN_NUM, tables, CardCodes::All(IOSTD_2V5));
}
