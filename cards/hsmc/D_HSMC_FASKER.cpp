#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Lanes 0-3 and two LVDS clock pairs (p halves alone) brought to SMA
// connectors, the single-ended clocks and the present pin.
constexpr CardMapRow kFaskerRows[] = {
    {"17, 21, 25, 29", "TX_P[3..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"18, 22, 26, 30", "RX_P[3..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"39", "CLKOUT0", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"40", "CLKIN0", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"95, 155", "CLKOUT_P[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"96, 156", "CLKIN_P[1..2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"160", "SFP_PSNTn", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_FASKER(TDaughterBoard& card, XcvrStd xcvrStd) {
    CardCodes codes;
    codes.xcvrStd = xcvrStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_FASKER", kFaskerRows}, codes);
}
