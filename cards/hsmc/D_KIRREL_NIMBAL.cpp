#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

namespace {

// Kirrel-to-PIO adaptor: an inout pin on each of the 137 signal positions,
// named after the connector's own signals.
constexpr CardMapRow kKirrelNimbalRows[] = {
    {"3", "KIRREL_CLKOUT_n[0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"4", "KIRREL_CLKIN_n[0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"5", "KIRREL_CLKOUT_p[0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"6", "KIRREL_CLKIN_p[0]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"9, 15, 21, 27, 33, 39, 45, 51, 57, 69, 75, 81, 87, 93, 99, 105, 111, 117",
     "KIRREL_TX_n[0..17]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"10, 16, 22, 28, 34, 40, 46, 52, 58, 70, 76, 82, 88, 94, 100, 106, 112, 118",
     "KIRREL_RX_n[0..17]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"11, 17, 23, 29, 35, 41, 47, 53, 59, 71, 77, 83, 89, 95, 101, 107, 113, 119",
     "KIRREL_TX_p[0..17]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"12, 18, 24, 30, 36, 42, 48, 54, 60, 72, 78, 84, 90, 96, 102, 108, 114, 120",
     "KIRREL_RX_p[0..17]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"63", "KIRREL_CLKOUT_n[1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"64", "KIRREL_CLKIN_n[1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"65", "KIRREL_CLKOUT_p[1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"66", "KIRREL_CLKIN_p[1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"121", "KIRREL_POWER_ON", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"123", "KIRREL_CLKOUT_2", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"124", "KIRREL_CLKIN_2", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"125", "KIRREL_TDO", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"126", "KIRREL_TDI", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"129", "KIRREL_TCK", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"130", "KIRREL_TMS", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"131", "KIRREL_SDA", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"132", "KIRREL_SCL", PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"133, 137, 141, 145, 149, 153, 157, 161, 165, 169, 173, 177", "KIRREL_TX_n[18..29]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 174, 178", "KIRREL_RX_n[18..29]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"135, 139, 143, 147, 151, 155, 159, 163, 167, 171, 175, 179", "KIRREL_TX_p[18..29]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
    {"136, 140, 144, 148, 152, 156, 160, 164, 168, 172, 176, 180", "KIRREL_RX_p[18..29]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_3V3_LVTTL)},
};

} // namespace

void D_KIRREL_NIMBAL(TDaughterBoard& card) {
    FillCardMap(card, KIRREL_PIN_NUM, {"D_KIRREL_NIMBAL", kKirrelNimbalRows}, IOSTD_3V3_LVTTL);
}
