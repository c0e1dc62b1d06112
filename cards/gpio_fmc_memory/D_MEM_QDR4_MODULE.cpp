#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr RowStd kHstl12 = RowStdFixed(IOSTD_1V2_HSTL_I);
constexpr RowStd kDiffHstl12 = RowStdFixed(IOSTD_DIFF_1V2_HSTL_I);

// QDR-IV SRAM on the DDR4 socket: the two data ports DQA and DQB (outputs,
// as the module's map has them) with their write clocks DK (differential)
// and read clocks QK (single-ended), address, the port controls and the input
// clock CK.
constexpr CardMapRow kRows[] = {
    {"3, 4, 7, 8", "DQA[8], DQA[7], DQA[0], DQA[1]", kOut, kHstl12},
    {"11", "DKA_n[0]", kOut, kDiffHstl12},
    {"12", "DQA[4]", kOut, kHstl12},
    {"13", "DKA_p[0]", kOut, kDiffHstl12},
    {"16, 17, 20, 21, 24, 25, 28, 29",
     "DQA[2], DQA[5], DQA[17], DQA[3], DQA[13], DQA[6], DQA[14], DQA[16]", kOut, kHstl12},
    {"32-34, 37", "DQA[9], DQA[12], DQA[15], DQA[11]", kOut, kHstl12},
    {"38", "QKA_n[0]", kIn, kHstl12},
    {"41", "DQA[10]", kOut, kHstl12},
    {"42", "QKA_p[0]", kIn, kHstl12},
    {"45, 46, 49, 50", "DQA[32], DQA[33], DQA[31], DQA[30]", kOut, kHstl12},
    {"53", "DKA_n[1]", kOut, kDiffHstl12},
    {"54", "DQA[23]", kOut, kHstl12},
    {"55", "DKA_p[1]", kOut, kDiffHstl12},
    {"58, 59, 62, 63, 66, 67, 70, 71",
     "DQA[21], DQA[35], DQA[25], DQA[24], DQA[20], DQA[26], DQA[19], DQA[18]", kOut, kHstl12},
    {"74-76, 79", "DQA[22], DQA[28], DQA[34], DQA[27]", kOut, kHstl12},
    {"80", "QKA_p[1]", kIn, kHstl12},
    {"83", "DQA[29]", kOut, kHstl12},
    {"84", "QKA_n[1]", kIn, kHstl12},
    {"108, 109, 113-115, 119-121", "RESET_n, RWA_n, CFG_n, LBK1_n, A[21], A[13], A[12], A[10]",
     kOut, kHstl12},
    {"122, 125-128, 131-133", "A[8], A[9], A[6], A[7], A[5..2]", kOut, kHstl12},
    {"137, 139", "CK_p, CK_n", kOut, kDiffHstl12},
    {"143-146, 149-152", "A[0], A[1], A[20], A[11], LBK0_n, A[19], A[15], A[17]", kOut, kHstl12},
    {"155, 156, 158, 162, 165, 166, 169, 170",
     "LDA_n, A[16], A[14], LDB_n, RWB_n, AINV, DQB[11], DQB[12]", kOut, kHstl12},
    {"173, 174", "DQB[10], DQB[15]", kOut, kHstl12},
    {"177", "DKB_n[0]", kOut, kDiffHstl12},
    {"178", "DQB[14]", kOut, kHstl12},
    {"179", "DKB_p[0]", kOut, kDiffHstl12},
    {"182, 183, 186, 187, 190, 191, 194, 195",
     "DQB[13], DQB[9], DQB[6], DQB[16], DQB[5], DQB[7], DQB[3], DQB[17]", kOut, kHstl12},
    {"198-200, 203", "DQB[2], DQB[1], DQB[8], DQB[4]", kOut, kHstl12},
    {"204", "QKB_p[0]", kIn, kHstl12},
    {"207", "DQB[0]", kOut, kHstl12},
    {"208", "QKB_n[0]", kIn, kHstl12},
    {"211, 212, 215, 216", "DQB[30], DQB[28], DQB[29], DQB[34]", kOut, kHstl12},
    {"219", "DKB_n[1]", kOut, kDiffHstl12},
    {"220", "DQB[24]", kOut, kHstl12},
    {"221", "DKB_p[1]", kOut, kDiffHstl12},
    {"224, 225, 228, 229", "DQB[18], DQB[22], DQB[26], DQB[20]", kOut, kHstl12},
    {"232", "QKB_p[1]", kIn, kHstl12},
    {"233", "DQB[19]", kOut, kHstl12},
    {"236", "QKB_n[1]", kIn, kHstl12},
    {"237, 240-242, 245, 246, 249, 250", "DQB[21], DQB[35], DQB[25], DQB[23], DQB[27], DQB[33..31]",
     kOut, kHstl12},
    {"256", "A[18]", kOut, kHstl12},
};

} // namespace

void D_MEM_QDR4_MODULE(TDaughterBoard& module) {
    FillCardMap(module, DDR4_SODIMM_PIN_NUM, {"D_MEM_QDR4_MODULE", kRows}, CardCodes{});
}
