#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Transmit and receive swapped against the common naming of the HSMC Default
// card. The data pairs of group g are LVDS_RX_p<g>, LVDS_TX_p<g>,
// LVDS_RX_n<g>, LVDS_TX_n<g>: single signals, no bus bits.
constexpr CardMapRow kCrossoverRows[] = {
    {"33", "SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "SCL", PIN_DIR_INOUT, ROW_I2CSTD},
    {"39", "CLKIN0", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"40", "CLKOUT0", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"41, 43", "DATA_RX[0..1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"42, 44", "DATA_TX[0..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"47, 49", "LVDS_RX_p0, LVDS_RX_n0", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"48, 50", "LVDS_TX_p0, LVDS_TX_n0", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"53, 55", "LVDS_RX_p1, LVDS_RX_n1", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"54, 56", "LVDS_TX_p1, LVDS_TX_n1", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"59, 61", "LVDS_RX_p2, LVDS_RX_n2", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"60, 62", "LVDS_TX_p2, LVDS_TX_n2", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"65, 67", "LVDS_RX_p3, LVDS_RX_n3", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"66, 68", "LVDS_TX_p3, LVDS_TX_n3", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"71, 73", "LVDS_RX_p4, LVDS_RX_n4", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"72, 74", "LVDS_TX_p4, LVDS_TX_n4", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"77, 79", "LVDS_RX_p5, LVDS_RX_n5", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"78, 80", "LVDS_TX_p5, LVDS_TX_n5", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"83, 85", "LVDS_RX_p6, LVDS_RX_n6", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"84, 86", "LVDS_TX_p6, LVDS_TX_n6", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"89, 91", "LVDS_RX_p7, LVDS_RX_n7", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"90, 92", "LVDS_TX_p7, LVDS_TX_n7", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"101, 103", "LVDS_RX_p8, LVDS_RX_n8", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"102, 104", "LVDS_TX_p8, LVDS_TX_n8", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"107, 109", "LVDS_RX_p9, LVDS_RX_n9", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"108, 110", "LVDS_TX_p9, LVDS_TX_n9", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"113, 115", "LVDS_RX_p10, LVDS_RX_n10", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"114, 116", "LVDS_TX_p10, LVDS_TX_n10", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"119, 121", "LVDS_RX_p11, LVDS_RX_n11", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"120, 122", "LVDS_TX_p11, LVDS_TX_n11", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"125, 127", "LVDS_RX_p12, LVDS_RX_n12", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"126, 128", "LVDS_TX_p12, LVDS_TX_n12", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"131, 133", "LVDS_RX_p13, LVDS_RX_n13", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"132, 134", "LVDS_TX_p13, LVDS_TX_n13", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"137, 139", "LVDS_RX_p14, LVDS_RX_n14", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"138, 140", "LVDS_TX_p14, LVDS_TX_n14", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"143, 145", "LVDS_RX_p15, LVDS_RX_n15", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"144, 146", "LVDS_TX_p15, LVDS_TX_n15", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"149, 151", "LVDS_RX_p16, LVDS_RX_n16", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"150, 152", "LVDS_TX_p16, LVDS_TX_n16", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"95", "CLK_IN_p1", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"96", "CLK_OUT_p1", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"97", "CLK_IN_n1", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"98", "CLK_OUT_n1", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"155", "CLK_IN_p2", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"156", "CLK_OUT_p2", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    {"157", "CLK_IN_n2", PIN_DIR_INPUT, RowStdFixed(IOSTD_LVDS)},
    {"158", "CLK_OUT_n2", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
};

} // namespace

void D_HSMC_LVDS_CROSSOVER(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_LVDS_CROSSOVER", kCrossoverRows}, codes);
}
