#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Eight SFP channels: 0-3 on lanes 0-3 and 4-7 on LVDS pairs (p halves alone),
// their control lines, lane 4, two LVDS clock inputs and two single-ended clocks.
constexpr CardMapRow kWexalRows[] = {
    {"13", "XCVR_TX4p", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"14", "XCVR_RX4p", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"17, 21, 25, 29", "SFP_TD_XCVRp[3..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"18, 22, 26, 30", "SFP_RD_XCVRp[3..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"39", "CLK_IN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"40", "CLK1", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"41-44", "SEL[0..3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47, 56, 67, 78", "SFP_TXFAULT[3..0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"48, 59, 68, 79", "SFP_TXDISABLE[3..0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"49, 60, 71, 80", "SFP_MOD2_SDA[3..0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"50, 61, 72, 83", "SFP_MOD1_SCL[3..0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"53, 62, 73, 84", "SFP_MOD0_PRSNT_N[3..0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"54, 65, 74, 85", "SFP_RATESEL[3..0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"55, 66, 77, 86", "SFP_LOS[3..0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"89, 113, 125, 143", "SFP_TD_LVDSp[4..7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"90, 114, 126, 144", "SFP_RD_LVDSp[4..7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"95, 108, 131, 140", "SFP_TXFAULT[4..7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"96, 156", "SFP_CLKp[1..2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"97, 109, 132, 149", "SFP_TXDISABLE[4..7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 110, 133, 150", "SFP_MOD2_SDA[4..7]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"102, 119, 134, 151", "SFP_MOD1_SCL[4..7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"103, 120, 137, 152", "SFP_MOD0_PRSNT_N[4..7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"104, 121, 138, 155", "SFP_RATESEL[4..7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"107, 122, 139, 157", "SFP_LOS[4..7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"160", "SFP_PSNTn", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_WEXAL(TDaughterBoard& card, XcvrStd xcvrStd) {
    CardCodes codes;
    codes.xcvrStd = xcvrStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_WEXAL", kWexalRows}, codes);
}
