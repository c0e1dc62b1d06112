#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Two Ethernet ports, NET0 and NET1, spread unevenly over the connector.
constexpr CardMapRow kParnelRows[] = {
    {"33", "NET_HSMC_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "NET_HSMC_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"42", "NET1_S_RX_P", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"44", "NET1_S_RX_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"47", "NET1_RX_CRS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"48", "NET1_S_TX_P", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"49", "NET1_RX_D[7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"50", "NET1_S_TX_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"53", "NET1_RX_D[1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"55", "NET1_RX_D[5]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"56", "NET1_RX_D[2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"59", "NET1_RX_D[6]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"60", "NET1_RX_D[0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"61", "NET1_RX_D[3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"62", "NET1_RX_D[4]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"65", "NET1_RX_COL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"66", "NET1_RX_DV", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"67", "NET1_LINK1000", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"68", "NET1_RX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"71", "NET1_TX_D[1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"72", "NET1_TX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"73, 78, 80", "NET1_TX_D[5..7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"74", "NET1_RX_ER", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"77", "NET1_TX_ER", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"79", "NET1_TX_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"83", "NET1_TX_D[0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "NET1_RESETN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"85", "NET1_TX_D[4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "NET1_MDC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "NET1_MDIO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"90", "NET1_TX_D[2]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91", "NET1_INTN", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "NET1_TX_D[3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"95", "NET1_GTX_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "NET0_S_CLKP", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "NET0_GTX_CLK", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "NET0_S_CLKN", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101", "NET0_RX_D[2]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"102", "NET0_LINK1000", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"103", "NET0_RX_D[0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"104", "NET0_RX_CRS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"107", "NET0_RX_DV", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"108", "NET0_RX_D[7]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"109", "NET0_TX_D[5]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"110", "NET0_RX_D[4]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"113", "NET0_TX_D[7]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"114", "NET0_RX_COL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"115", "NET0_RX_ER", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"116", "NET0_RX_D[6]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"119", "NET0_TX_ER", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"120", "NET0_RX_D[5]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"121", "NET0_TX_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"122", "NET0_RX_D[3]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"125", "NET0_TX_D[0]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"126", "NET0_RX_D[1]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"127", "NET0_TX_D[4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"128", "NET0_RX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"131", "NET0_TX_D[6]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"132", "NET0_TX_CLK", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"133", "NET0_MDIO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"134, 138, 140", "NET0_TX_D[1..3]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"137", "NET0_MDC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"139", "NET0_INTN", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "NET0_RESETN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "NET0_S_RX_P", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"151", "NET0_S_RX_N", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"155", "NET0_S_TX_P", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "NET1_S_CLKP", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"157", "NET0_S_TX_N", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"158", "NET1_S_CLKN", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_PARNEL(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_PARNEL", kParnelRows}, codes);
}
