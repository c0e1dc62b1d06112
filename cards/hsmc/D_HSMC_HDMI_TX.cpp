#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// HDMI transmitter: 36-bit pixel bus, audio lines, the chip's control pair
// and the card's I2C pair at i2cStd.
constexpr CardMapRow kHdmiTxRows[] = {
    {"33", "HDMI_TX_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "HDMI_TX_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"42", "TX_PCSCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"44", "TX_PCSDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"48", "TX_CEC", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"50", "TX_RST_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "TX_RD[11..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"54", "TX_INT_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"56", "TX_DSR3L", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"60", "TX_DSR3R", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"62", "TX_DSR2L", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"66", "TX_DSR2R", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"78", "TX_DSR1L", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"80", "TX_DSR1R", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "TX_DSR0L", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "TX_PCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "TX_SCK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133", "TX_GD[11..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"102, 104, 151", "TX_I2S[0..2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138", "TX_BD[10..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"137", "TX_BD[11]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "TX_DE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "TX_HS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "TX_SPDIF", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "TX_VS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "TX_I2S[3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "TX_WS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "TX_DSR0R", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "TX_MCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "TX_DCLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_HDMI_TX(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_HDMI_TX", kHdmiTxRows}, codes);
}
