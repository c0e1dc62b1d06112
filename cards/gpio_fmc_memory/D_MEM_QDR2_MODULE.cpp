#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr RowStd kHstl18 = RowStdFixed(IOSTD_1V8_HSTL_I);
constexpr RowStd kDiffHstl18 = RowStdFixed(IOSTD_DIFF_1V8_HSTL_I);

// QDR-II+ SRAM on the DDR4 socket: write data D with byte writes, read data Q
// with valid flags and echo clocks, address, the write and read selects, and
// the differential input clocks K.
constexpr CardMapRow kRows[] = {
    {"3, 4, 7, 8, 11-13, 16", "D[5], D[2..0], BWS_n[0], D[17], D[8], D[6]", kOut, kHstl18},
    {"17, 20, 21, 24, 25, 28, 29, 32", "D[4], D[7], D[3], D[11], D[9], D[12], D[10], BWS_n[1]",
     kOut, kHstl18},
    {"33", "K_p[0]", kOut, kDiffHstl18},
    {"34", "D[13]", kOut, kHstl18},
    {"37", "K_n[0]", kOut, kDiffHstl18},
    {"38, 41, 42", "D[15], D[14], D[16]", kOut, kHstl18},
    {"45, 46, 49, 50, 53-55, 58", "Q[0..4], Q[15], QVLD[0], Q[5]", kIn, kHstl18},
    {"59, 62, 63, 66, 67, 70, 71, 74", "Q[6], Q[8], Q[7], Q[10], Q[9], Q[12], Q[11], Q[14]", kIn,
     kHstl18},
    {"75", "Q[16]", kIn, kHstl18},
    {"76", "ODT[0]", kOut, kHstl18},
    {"79, 80, 83, 84", "Q[13], CQ_p[0], Q[17], CQ_n[0]", kIn, kHstl18},
    {"109", "WPS_n", kOut, kHstl18},
    {"115, 119-122, 125-127", "RESERVED, A[14], A[13], A[11], A[9], A[10], A[7], A[8]", kOut,
     kHstl18},
    {"128, 131-133", "A[6..3]", kOut, kHstl18},
    {"143-146, 150-152, 156", "A[1], A[2], A[21], A[12], A[20], A[16], A[18], A[17]", kOut,
     kHstl18},
    {"158, 162, 165, 166, 169, 170, 173, 174", "A[15], DOFF_n, RPS_n, A[0], D[18..21]", kOut,
     kHstl18},
    {"177-179, 182, 183, 186, 187", "BWS_n[2], D[23], D[35], D[25], D[24], D[22], D[26]", kOut,
     kHstl18},
    {"190", "K_n[1]", kOut, kDiffHstl18},
    {"191", "D[28]", kOut, kHstl18},
    {"194", "K_p[1]", kOut, kDiffHstl18},
    {"195, 198-200, 203, 204, 207, 208", "D[27], D[30], D[29], BWS_n[3], D[31..34]", kOut, kHstl18},
    {"211, 212, 215, 216, 219, 220", "Q[18..21], Q[28], Q[24]", kIn, kHstl18},
    {"221", "ODT[1]", kOut, kHstl18},
    {"224, 225, 228, 229, 232, 233, 236, 237",
     "Q[26], Q[23], Q[22], Q[25], CQ_n[1], Q[27], CQ_p[1], Q[29]", kIn, kHstl18},
    {"240-242, 245, 246, 249, 250", "Q[30], Q[31], QVLD[1], Q[32..35]", kIn, kHstl18},
    {"256", "A[19]", kOut, kHstl18},
};

} // namespace

void D_MEM_QDR2_MODULE(TDaughterBoard& module) {
    FillCardMap(module, DDR4_SODIMM_PIN_NUM, {"D_MEM_QDR2_MODULE", kRows}, CardCodes{});
}
