#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Camera Link receiver: base and medium channel outputs (no bit 23), the
// full-configuration lines, three receiver clocks and the controls and
// serial lines of two camera links.
constexpr CardMapRow kCameraLinkRows[] = {
    {"39-41, 43, 47, 49, 53", "RX_BASE[0..6]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"42, 44, 48, 50, 55", "RX_BASE[7..11]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"54, 56, 60, 62", "RX_BASE[12..15]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"59, 66", "RX_BASE[16..17]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"61, 65, 67, 71, 85", "RX_BASE[18..22]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"68, 72, 74, 78", "RXCC[4..1]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"73, 77, 79, 83", "RX_BASE[27..24]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"80", "RXCC_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"84", "RXSERTFG_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"86", "RXSERTFG", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"89", "RX_FULL14_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"90", "RXSERTC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"91, 95, 97, 101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145, "
     "151",
     "RX_MEDIUM[1..20]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"92", "RXSERTC_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"96", "RXCLK_BASE", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"98", "RXCLK_FULL", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"102", "RX2SERTC_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"104", "RX2SERTFG", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"108", "RX2SERTFG_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"110, 114, 116, 120", "RX2CC[1..4]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"122", "RX2CC_EN", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"126", "RX_MEDIUM[0]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"128, 132, 134, 157", "RX_MEDIUM[27..24]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"138", "RX2SERTC", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_2V5)},
    {"140", "RX_FULL9_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"144", "RX_FULL10_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"146", "RX_FULL11_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"149, 155", "RX_MEDIUM[21..22]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"150", "RX_FULL12_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"152", "RX_FULL13_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"156", "RXCLK_MEDIUM", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
    {"158", "RX_FULL27_HSMC", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_CAMERA_LINK(TDaughterBoard& card) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_CAMERA_LINK", kCameraLinkRows}, IOSTD_2V5);
}
