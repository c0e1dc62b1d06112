#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Eight SATA/SAS lanes with both halves, the I2C pair at i2cStd, lane LEDs, a
// DIP switch, the SAS sideband inputs and the clock generator's controls.
constexpr CardMapRow kSataRows[] = {
    {"1, 5, 9, 13, 17, 21, 25, 29", "SATA_HSM_TX_P[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"2, 6, 10, 14, 18, 22, 26, 30", "SATA_HSM_RX_P[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"3, 7, 11, 15, 19, 23, 27, 31", "SATA_HSM_TX_N[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"4, 8, 12, 16, 20, 24, 28, 32", "SATA_HSM_RX_N[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"33", "SATA_HSM_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "SATA_HSM_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"41, 47, 53, 59, 65, 71, 77, 83", "SATA_RX_LED_R[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"42, 44, 48, 50, 54, 56, 60, 62", "SATA_USER_DIPSW[7..0]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"43, 49, 55, 61, 67, 73, 79, 85", "SATA_RX_LED_G[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"84, 86, 90, 92, 96, 98", "SAS_SIDEBAND[0..5]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"89, 95, 101, 107, 113, 119, 125, 131", "SATA_TX_LED_R[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"91, 97, 103, 109, 115, 121, 127, 133", "SATA_TX_LED_G[7..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"137", "SATA_CLK_OE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"139", "SATA_CLK_FS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "SATA_CLK_P", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"158", "SATA_CLK_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"160", "SATA_HSM_PSNTn", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_SATA(TDaughterBoard& card, XcvrStd xcvrStd, I2cStd i2cStd) {
    CardCodes codes;
    codes.xcvrStd = xcvrStd.code;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_SATA", kSataRows}, codes);
}
