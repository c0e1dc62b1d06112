#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

namespace {

// The LVDS naming: the names of the HSMC Default card's common naming, p
// halves alone, transmit halves out and receive halves in, pairs in LVDS.
constexpr CardMapRow kLvdsRows[] = {
    {"1, 5, 9, 13, 17, 21, 25, 29", "TX_p[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"2, 6, 10, 14, 18, 22, 26, 30", "RX_p[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"33", "SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"34", "SCL", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"39", "CLKOUT0", PIN_DIR_OUTPUT, ROW_IOSTD},
    {"40", "CLKIN0", PIN_DIR_INPUT, ROW_IOSTD},
    {"41-44", "D[0..3]", PIN_DIR_INOUT, ROW_IOSTD},
    {"47, 53, 59, 65, 71, 77, 83, 89, 101, 107, 113, 119, 125, 131, 137, 143, 149", "TX_D_p[0..16]",
     PIN_DIR_OUTPUT, ROW_LVDSSTD},
    {"48, 54, 60, 66, 72, 78, 84, 90, 102, 108, 114, 120, 126, 132, 138, 144, 150", "RX_D_p[0..16]",
     PIN_DIR_INPUT, ROW_LVDSSTD},
    {"95", "CLKOUT_p1", PIN_DIR_OUTPUT, ROW_LVDSSTD},
    {"96", "CLKIN_p1", PIN_DIR_INPUT, ROW_LVDSSTD},
    {"155", "CLKOUT_p2", PIN_DIR_OUTPUT, ROW_LVDSSTD},
    {"156", "CLKIN_p2", PIN_DIR_INPUT, ROW_LVDSSTD},
};

} // namespace

void D_HSMC_LVDS_DEFAULT(TDaughterBoard& card, LvdsDefaultNaming naming, XcvrStd xcvrStd,
                         IoStd ioStd, LvdsStd lvdsStd) {
    if (naming == LvdsDefaultNaming::Formula) {
        FillHsmcFormulaNaming(card, ioStd, xcvrStd);
        return;
    }
    CardCodes codes;
    codes.ioStd = ioStd;
    codes.xcvrStd = xcvrStd.code;
    codes.lvdsStd = lvdsStd.code;
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_LVDS_DEFAULT", kLvdsRows}, codes);
}
