#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// HDMI receiver: 36-bit pixel bus, audio and status lines, DDC, hot-plug and
// CEC lines of both inputs, the card's I2C pair at i2cStd.
constexpr CardMapRow kHdmiRxRows[] = {
    {"33", "HDMI_RX_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "HDMI_RX_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"55", "RX_RST_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"56", "EDID_WP_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "RX_SCDT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"60", "RX1_CEC", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"61", "RX_INT_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"62", "RX1_HPD_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91, 101, 103", "RX_RD[11..0]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"66", "RX_MUTE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"68", "RX_DSD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"72", "RX_SPDIF", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"74, 86", "RX_I2S[0..1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"78", "RX_WS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"80, 84", "RX_I2S[3..2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "RX0_HPD_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "RX0_CEC", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"96", "RX_MCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "RX_SCK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"102", "RX_PCSCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"104", "RX_PCSDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "RX_GD[11..0]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"108", "RX_EVENODD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"110", "RX_VS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"114", "RX_HS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"116", "RX_DE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"120, 122, 126, 128, 132, 134, 138, 140, 152", "RX_BD[0..8]", PIN_DIR_INPUT,
     RowStdFixed(IOSTD_2V5)},
    {"143", "RX0_DDC_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"144, 146, 150", "RX_BD[11..9]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "RX0_DDC_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"149", "RX1_DDC_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"151", "RX1_DDC_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"156", "RX_PCLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_HDMI_RX(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_HDMI_RX", kHdmiRxRows}, codes);
}
