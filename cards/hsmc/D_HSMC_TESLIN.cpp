#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

namespace {

// DVI receiver and transmitter sides, the EDID write protect and the
// connector's I2C pair at i2cStd.
constexpr CardMapRow kTeslinRows[] = {
    {"33", "DVI_HSMC_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "DVI_HSMC_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"41", "DVI_RX_D[0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"42", "DVI_RX_D[14]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"43", "DVI_RX_D[1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"44", "DVI_RX_D[15]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"47", "DVI_RX_D[2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"48", "DVI_RX_D[13]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"49", "DVI_RX_D[3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"50", "DVI_RX_D[12]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"53", "DVI_RX_D[4]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"54", "DVI_RX_D[11]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"55", "DVI_RX_D[5]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"56", "DVI_RX_D[10]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "DVI_RX_D[6]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"60", "DVI_RX_D[9]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"61", "DVI_RX_D[7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"62", "DVI_RX_D[8]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"65", "DVI_RX_CTL[1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"66, 68, 72, 74, 78, 80, 84, 86", "DVI_RX_D[23..16]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"67", "DVI_RX_HS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"71", "DVI_RX_VS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"73", "DVI_RX_DE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"77", "DVI_RX_CTL[3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"79", "DVI_RX_CTL[2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"83", "DVI_RX_DDCSDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"85", "DVI_RX_DDCSCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"89", "DVI_EDID_WP", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "DVI_RX_SCDT", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "DVI_TX_D[17]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "DVI_TX_D[16]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "DVI_RX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101", "DVI_TX_D[12]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"102", "DVI_TX_D[18]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"103", "DVI_TX_D[13]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"104", "DVI_TX_D[19]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"107", "DVI_TX_D[14]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"108", "DVI_TX_D[20]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"109", "DVI_TX_D[15]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"110", "DVI_TX_D[21]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "DVI_TX_D[11]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114", "DVI_TX_D[22]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"115", "DVI_TX_D[10]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"116", "DVI_TX_D[23]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"119, 121, 125, 127, 131, 133, 137, 139, 143, 145", "DVI_TX_D[9..0]", PIN_DIR_OUTPUT,
     RowStdFixed(IOSTD_2V5)},
    {"120", "DVI_TX_DKEN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"122", "DVI_TX_HS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"126", "DVI_TX_VS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"128, 132, 134", "DVI_TX_CTL[3..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"138", "DVI_TX_HTPLG", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "DVI_TX_PD_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "DVI_TX_MSEN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "DVI_TX_ISEL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "DVI_TX_DE", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "DVI_TX_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"151", "DVI_TX_DDCSDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"152", "DVI_TX_SCL", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "DVI_TX_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "DVI_TX_DDCSCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

std::span<const CardMapRow> TeslinRows() {
    return kTeslinRows;
}

void D_HSMC_TESLIN(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_TESLIN", kTeslinRows}, codes);
}
