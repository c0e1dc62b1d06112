#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// RS-232, four RS-485 ports, two CAN ports, PIO and GPIO buses and the JTAG
// signals on the connector's JTAG positions.
constexpr CardMapRow kPrellRows[] = {
    {"33", "PRELL_SDA", PIN_DIR_INOUT, ROW_I2CSTD},
    {"34", "PRELL_SCL", PIN_DIR_OUTPUT, ROW_I2CSTD},
    {"35", "HSMC_TCK", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"36", "HSMC_TMS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"37", "HSMC_TDO", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"38", "HSMC_TDI", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"41", "GPIO_DATA[34]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"42", "GPIO_DATA[33]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"43", "GPIO_DATA[35]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"44", "GPIO_DATA[32]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47", "GPIO_DATA[4]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"48", "GPIO_DATA[0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"49", "GPIO_DATA[5]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"50", "GPIO_DATA[1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"53", "GPIO_DATA[6]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"54", "GPIO_DATA[2]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"55", "GPIO_DATA[7]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"56", "GPIO_DATA[3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"59", "GPIO_DATA[12]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"60", "GPIO_DATA[8]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"61", "GPIO_DATA[13]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"62", "GPIO_DATA[9]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"65", "GPIO_DATA[14]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"66", "GPIO_DATA[10]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"67", "GPIO_DATA[15]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"68", "GPIO_DATA[11]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"71", "GPIO_DATA[20]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"72", "GPIO_DATA[16]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"73", "GPIO_DATA[21]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"74", "GPIO_DATA[17]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"77", "GPIO_DATA[22]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"78", "GPIO_DATA[18]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"79", "GPIO_DATA[23]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"80", "GPIO_DATA[19]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"83", "GPIO_DATA[28]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"84", "GPIO_DATA[24]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"85", "GPIO_DATA[29]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"86", "GPIO_DATA[25]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"89", "GPIO_DATA[30]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"90", "GPIO_DATA[26]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"91", "GPIO_DATA[31]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"92", "GPIO_DATA[27]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"95", "RS232_RI", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "RS232_RTS", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"97", "RS232_CTS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "RS232_DTR", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"101, 103, 107, 109", "PIO1_DATA[0..3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"102, 104, 108, 110", "PIO0_DATA[0..3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"113, 115, 119, 121", "PIO3_DATA[0..3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"114, 116, 120, 122", "PIO2_DATA[0..3]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"125", "RS485_2_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"126", "RS485_0_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"127", "RS485_2_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"128", "RS485_0_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"131", "RS485_2_RTS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"132", "RS485_0_RTS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"133", "RS485_3_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"134", "RS485_1_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"137", "RS485_3_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"138", "RS485_1_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"139", "RS485_3_RTS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "RS485_1_RTS", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"143", "RS232_DSR", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "POWER_VALID", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"145", "RS232_TXD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "RS232_DCD", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"149", "CAN1_T", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "CAN0_T", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"151", "CAN1_R", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "CAN0_R", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "RS232_RXD", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_PRELL(TDaughterBoard& card, I2cStd i2cStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_PRELL", kPrellRows}, codes);
}
