#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Two serial-digital-video channels on lanes 1 and 0 with both halves, their
// LEDs and controls, the video clock generator, the AES group and the video
// timing inputs.
constexpr CardMapRow kBrevikRows[] = {
    {"25, 29", "SDI_TX_P[2..1]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"26, 30", "SDI_EQOUT_P[2..1]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"27, 31", "SDI_TX_N[2..1]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"28, 32", "SDI_EQOUT_N[2..1]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"41, 43", "SDI_LED_TX_R[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"47, 49", "SDI_LED_TX_G[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"53, 59", "SDI_LED_RX_R[2..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"55, 61", "SDI_LED_RX_G[2..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"71, 73", "SDI_RATE_SEL[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"77, 79", "SDI_BYPASS[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"83, 85, 89", "AES_CLK_S[0..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "AES_CLK_PDTSn", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "AES_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103", "AES_OUT[1..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104", "AES_IN[1..2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"107", "AES_VCXO_UP", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"109", "AES_VCXO_DN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "SDI_CLK_SEL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"115", "SDI_XTAL_SEL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"119, 121", "SDI_CLK_BP[0..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"127, 131", "SDI_CLK_N[0..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"133, 137, 139, 143", "SDI_CLK_V[0..3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "ODDEVEN", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "SDI_CLK_MLTF", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "VFORMAT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "SDI_CLK_RST", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "VSYNC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"151", "SDI_CLK_OE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "HSYNC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "SDI_HSMC_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "SDI_HSMC_CLK_P", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"158", "SDI_HSMC_CLK_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"160", "SDI_PSNTn", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_BREVIK(TDaughterBoard& card, XcvrStd xcvrStd) {
    CardCodes codes;
    codes.xcvrStd = xcvrStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_BREVIK", kBrevikRows}, codes);
}
