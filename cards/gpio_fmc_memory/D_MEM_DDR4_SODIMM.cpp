#include "boards/arria10_stratix10/HarvikId.h"
#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/MemoryFamily.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kPod = RowStdFixed(IOSTD_1V2_POD);
constexpr RowStd kDiffPod = RowStdFixed(IOSTD_DIFF_1V2_POD);
constexpr RowStd kSstl12 = RowStdFixed(IOSTD_SSTL12);
constexpr RowStd kDiffSstl12 = RowStdFixed(IOSTD_DIFF_1V2_SSTL);
constexpr RowStd k1V2 = RowStdFixed(IOSTD_1V2);

// The DDR4 SO-DIMM edge: data with its inversion pins and strobes (those of
// the check-bit byte always), command and address (ACT_n inout), clocks,
// reset, alert, event and the serial-presence-detect bus. SCL and SDA carry
// no I2C flag; SA[1] does.
constexpr CardMapRow kRows[] = {
    {"3, 4, 7, 8", "DQ[5], DQ[4], DQ[1], DQ[0]", kInout, kPod},
    {"11", "DQS_n[0]", kInout, kDiffPod},
    {"12", "DBI_n[0]", kInout, kPod},
    {"13", "DQS[0]", kInout, kDiffPod},
    {"16, 17, 20, 21, 24, 25, 28, 29", "DQ[6], DQ[7], DQ[2], DQ[3], DQ[12], DQ[13], DQ[8], DQ[9]",
     kInout, kPod},
    {"32", "DQS_n[1]", kInout, kDiffPod},
    {"33", "DBI_n[1]", kInout, kPod},
    {"34", "DQS[1]", kInout, kDiffPod},
    {"37, 38, 41, 42, 45, 46, 49, 50",
     "DQ[15], DQ[14], DQ[10], DQ[11], DQ[21], DQ[20], DQ[17], DQ[16]", kInout, kPod},
    {"53", "DQS_n[2]", kInout, kDiffPod},
    {"54", "DBI_n[2]", kInout, kPod},
    {"55", "DQS[2]", kInout, kDiffPod},
    {"58, 59, 62, 63, 66, 67, 70, 71",
     "DQ[22], DQ[23], DQ[18], DQ[19], DQ[28], DQ[29], DQ[24], DQ[25]", kInout, kPod},
    {"74", "DQS_n[3]", kInout, kDiffPod},
    {"75", "DBI_n[3]", kInout, kPod},
    {"76", "DQS[3]", kInout, kDiffPod},
    {"79, 80, 83, 84", "DQ[30], DQ[31], DQ[26], DQ[27]", kInout, kPod},
    {"95", "DQS_n[8]", kInout, kDiffPod},
    {"96", "DBI_n[8]", kInout, kPod},
    {"97", "DQS[8]", kInout, kDiffPod},
    {"108", "RESET_n", kOut, k1V2},
    {"113", "BG[1]", kOut, kSstl12},
    {"114", "ACT_n", kInout, kSstl12},
    {"115", "BG[0]", kOut, kSstl12},
    {"116", "ALERT_n", kIn, k1V2},
    {"119-122, 125-128", "A[12], A[11], A[9], A[7], A[8], A[5], A[6], A[4]", kOut, kSstl12},
    {"131-133", "A[3..1]", kOut, kSstl12},
    {"134", "EVENT_n", kOut, k1V2},
    {"138, 140", "CK[1], CK_n[1]", kOut, kDiffSstl12},
    {"143, 144, 145, 146, 150, 151, 152", "PAR, A[0], BA[1], A[10], BA[0], A[14], A[16]", kOut,
     kSstl12},
    {"156, 158", "A[15], A[13]", kOut, kSstl12},
    {"169, 170, 173, 174", "DQ[37], DQ[36], DQ[33], DQ[32]", kInout, kPod},
    {"177", "DQS_n[4]", kInout, kDiffPod},
    {"178", "DBI_n[4]", kInout, kPod},
    {"179", "DQS[4]", kInout, kDiffPod},
    {"182, 183, 186, 187, 190, 191, 194, 195",
     "DQ[39], DQ[38], DQ[35], DQ[34], DQ[45], DQ[44], DQ[41], DQ[40]", kInout, kPod},
    {"198", "DQS_n[5]", kInout, kDiffPod},
    {"199", "DBI_n[5]", kInout, kPod},
    {"200", "DQS[5]", kInout, kDiffPod},
    {"203, 204, 207, 208, 211, 212, 215, 216",
     "DQ[46], DQ[47], DQ[42], DQ[43], DQ[52], DQ[53], DQ[49], DQ[48]", kInout, kPod},
    {"219", "DQS_n[6]", kInout, kDiffPod},
    {"220", "DBI_n[6]", kInout, kPod},
    {"221", "DQS[6]", kInout, kDiffPod},
    {"224, 225, 228, 229, 232, 233, 236, 237",
     "DQ[54], DQ[55], DQ[50], DQ[51], DQ[60], DQ[61], DQ[57], DQ[56]", kInout, kPod},
    {"240", "DQS_n[7]", kInout, kDiffPod},
    {"241", "DBI_n[7]", kInout, kPod},
    {"242", "DQS[7]", kInout, kDiffPod},
    {"245, 246, 249, 250", "DQ[62], DQ[63], DQ[58], DQ[59]", kInout, kPod},
    {"253, 254", "SCL, SDA", kInout, ROW_I2CSTD},
    {"260", "SA[1]", kOut, ROW_SASTD, true},
};

// The eight check-bit data pins.
constexpr CardMapRow kEccRows[] = {
    {"87, 88, 91, 92", "DQ[69], DQ[68], DQ[65], DQ[64]", kInout, kPod},
    {"100, 101, 104, 105", "DQ[70], DQ[66], DQ[71], DQ[67]", kInout, kPod},
};

// Two ranks and both clocks by index, and SA[0].
constexpr CardMapRow kFullLayoutRows[] = {
    {"109, 110", "CKE[0], CKE[1]", kOut, kSstl12},
    {"137, 139", "CK[0], CK_n[0]", kOut, kDiffSstl12},
    {"149", "CS_n[0]", kOut, kSstl12},
    {"155, 157, 161", "ODT[0], CS_n[1], ODT[1]", kOut, kSstl12},
    {"256", "SA[0]", kOut, ROW_SASTD, true},
};

// Board 36's sockets: one rank and the first clock, without an index.
constexpr CardMapRow kBoard36Rows[] = {
    {"109", "CKE", kOut, kSstl12},
    {"137, 139", "CK, CK_n", kOut, kDiffSstl12},
    {"149, 155", "CS_n, ODT", kOut, kSstl12},
};

} // namespace

void D_MEM_DDR4_SODIMM(TDaughterBoard& module, IoStd i2cStd, BoardId boardId, Ecc ecc,
                       IoStd saStd) {
    CardCodes codes;
    codes.i2cStd = i2cStd;
    codes.saStd = saStd;
    CardMapSlots slots(DDR4_SODIMM_PIN_NUM);
    ExpandCardMap(slots, {"D_MEM_DDR4_SODIMM", kRows}, codes);
    if (ecc == Ecc::With) {
        ExpandCardMap(slots, {"D_MEM_DDR4_SODIMM", kEccRows}, codes);
    }
    ExpandCardMap(slots,
                  {"D_MEM_DDR4_SODIMM", boardId == MAINBOARD_HARVIK
                                            ? std::span<const CardMapRow>(kBoard36Rows)
                                            : std::span<const CardMapRow>(kFullLayoutRows)},
                  codes);
    AppendCardMap(module, slots);
}
