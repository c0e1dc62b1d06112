#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

#include <array>

namespace {

// Neighbours in pairs: the odd position carries the left member (L_), the
// even one the right member (R_). The lanes give their p halves alone.
constexpr CardMapRow kLaneRows[] = {
    {"1, 5, 9, 13, 17, 21, 25, 29", "L_P[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"2, 6, 10, 14, 18, 22, 26, 30", "R_P[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
};
constexpr CardMapRow kLoopbackRows[] = {
    {"39", "L_CLK0", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"40", "R_CLK0", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"41, 43", "L_D[0..1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"42, 44", "R_D[0..1]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"47, 53, 59, 65, 71, 77, 83, 89, 101, 107, 113, 119, 125, 131, 137, 143, 149", "L_D_P[0..16]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"48, 54, 60, 66, 72, 78, 84, 90, 102, 108, 114, 120, 126, 132, 138, 144, 150", "R_D_P[0..16]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"49, 55, 61, 67, 73, 79, 85, 91, 103, 109, 115, 121, 127, 133, 139, 145, 151", "L_D_N[0..16]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"50, 56, 62, 68, 74, 80, 86, 92, 104, 110, 116, 122, 128, 134, 140, 146, 152", "R_D_N[0..16]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"95", "L_CLK_P1", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"96", "R_CLK_P1", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"97", "L_CLK_N1", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"98", "R_CLK_N1", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"155", "L_CLK_P2", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"156", "R_CLK_P2", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"157", "L_CLK_N2", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"158", "R_CLK_N2", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"160", "PSNTn", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};

} // namespace

void D_HSMC_LOOPBACK(TDaughterBoard& card, WithXcvr withXcvr, XcvrStd xcvrStd) {
    CardCodes codes;
    codes.xcvrStd = xcvrStd.code;
    const std::array<CardMapTable, 2> tables{{
        {"D_HSMC_LOOPBACK lanes", withXcvr == WithXcvr::Yes ? std::span<const CardMapRow>(kLaneRows)
                                                            : std::span<const CardMapRow>()},
        {"D_HSMC_LOOPBACK", kLoopbackRows},
    }};
    FillCardMap(card, HSMC_PIN_NUM, tables, codes);
}
