#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/MemoryFamily.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kSstl18 = RowStdFixed(IOSTD_SSTL18_I);
constexpr RowStd kDiffSstl18 = RowStdFixed(IOSTD_DIFF_1V8_SSTL_I);

// The JEDEC 200-pin DDR2 SO-DIMM edge: data, masks, strobes and clocks (the
// clocks inout), address and command, and the serial-presence-detect bus
// with its address pins. Strobes and clocks take the code the strobe mode
// picks.
constexpr CardMapRow kRows[] = {
    {"4", "dq[4]", kInout, kSstl18},         {"5", "dq[0]", kInout, kSstl18},
    {"6", "dq[5]", kInout, kSstl18},         {"7", "dq[1]", kInout, kSstl18},
    {"10", "dm[0]", kOut, kSstl18},          {"13", "dqs[0]", kInout, ROW_DIFFSTD},
    {"14", "dq[6]", kInout, kSstl18},        {"16", "dq[7]", kInout, kSstl18},
    {"17", "dq[2]", kInout, kSstl18},        {"19", "dq[3]", kInout, kSstl18},
    {"20", "dq[12]", kInout, kSstl18},       {"22", "dq[13]", kInout, kSstl18},
    {"23", "dq[8]", kInout, kSstl18},        {"25", "dq[9]", kInout, kSstl18},
    {"26", "dm[1]", kOut, kSstl18},          {"30", "ck[0]", kInout, ROW_DIFFSTD},
    {"31", "dqs[1]", kInout, ROW_DIFFSTD},   {"32", "ck_n[0]", kInout, ROW_DIFFSTD},
    {"35", "dq[10]", kInout, kSstl18},       {"36", "dq[14]", kInout, kSstl18},
    {"37", "dq[11]", kInout, kSstl18},       {"38", "dq[15]", kInout, kSstl18},
    {"43", "dq[16]", kInout, kSstl18},       {"44", "dq[20]", kInout, kSstl18},
    {"45", "dq[17]", kInout, kSstl18},       {"46", "dq[21]", kInout, kSstl18},
    {"51", "dqs[2]", kInout, ROW_DIFFSTD},   {"52", "dm[2]", kOut, kSstl18},
    {"55", "dq[18]", kInout, kSstl18},       {"56", "dq[22]", kInout, kSstl18},
    {"57", "dq[19]", kInout, kSstl18},       {"58", "dq[23]", kInout, kSstl18},
    {"61", "dq[24]", kInout, kSstl18},       {"62", "dq[28]", kInout, kSstl18},
    {"63", "dq[25]", kInout, kSstl18},       {"64", "dq[29]", kInout, kSstl18},
    {"67", "dm[3]", kOut, kSstl18},          {"70", "dqs[3]", kInout, ROW_DIFFSTD},
    {"73", "dq[26]", kInout, kSstl18},       {"74", "dq[30]", kInout, kSstl18},
    {"75", "dq[27]", kInout, kSstl18},       {"76", "dq[31]", kInout, kSstl18},
    {"79", "cke[0]", kOut, kSstl18},         {"80", "cke[1]", kOut, kSstl18},
    {"84", "a[15]", kOut, kSstl18},          {"85", "ba[2]", kOut, kSstl18},
    {"86", "a[14]", kOut, kSstl18},          {"89", "a[12]", kOut, kSstl18},
    {"90", "a[11]", kOut, kSstl18},          {"91", "a[9]", kOut, kSstl18},
    {"92", "a[7]", kOut, kSstl18},           {"93", "a[8]", kOut, kSstl18},
    {"94", "a[6]", kOut, kSstl18},           {"97-102", "a[5..0]", kOut, kSstl18},
    {"105", "a[10]", kOut, kSstl18},         {"106", "ba[1]", kOut, kSstl18},
    {"107", "ba[0]", kOut, kSstl18},         {"108", "ras_n", kOut, kSstl18},
    {"109", "we_n", kOut, kSstl18},          {"110", "cs_n[0]", kOut, kSstl18},
    {"113", "cas_n", kOut, kSstl18},         {"114", "odt[0]", kOut, kSstl18},
    {"115", "cs_n[1]", kOut, kSstl18},       {"116", "a[13]", kOut, kSstl18},
    {"119", "odt[1]", kOut, kSstl18},        {"123", "dq[32]", kInout, kSstl18},
    {"124", "dq[36]", kInout, kSstl18},      {"125", "dq[33]", kInout, kSstl18},
    {"126", "dq[37]", kInout, kSstl18},      {"130", "dm[4]", kOut, kSstl18},
    {"131", "dqs[4]", kInout, ROW_DIFFSTD},  {"134", "dq[38]", kInout, kSstl18},
    {"135", "dq[34]", kInout, kSstl18},      {"136", "dq[39]", kInout, kSstl18},
    {"137", "dq[35]", kInout, kSstl18},      {"140", "dq[44]", kInout, kSstl18},
    {"141", "dq[40]", kInout, kSstl18},      {"142", "dq[45]", kInout, kSstl18},
    {"143", "dq[41]", kInout, kSstl18},      {"147", "dm[5]", kOut, kSstl18},
    {"148", "dqs[5]", kInout, ROW_DIFFSTD},  {"151", "dq[42]", kInout, kSstl18},
    {"152", "dq[46]", kInout, kSstl18},      {"153", "dq[43]", kInout, kSstl18},
    {"154", "dq[47]", kInout, kSstl18},      {"157", "dq[48]", kInout, kSstl18},
    {"158", "dq[52]", kInout, kSstl18},      {"159", "dq[49]", kInout, kSstl18},
    {"160", "dq[53]", kInout, kSstl18},      {"164", "ck[1]", kInout, ROW_DIFFSTD},
    {"166", "ck_n[1]", kInout, ROW_DIFFSTD}, {"169", "dqs[6]", kInout, ROW_DIFFSTD},
    {"170", "dm[6]", kOut, kSstl18},         {"173", "dq[50]", kInout, kSstl18},
    {"174", "dq[54]", kInout, kSstl18},      {"175", "dq[51]", kInout, kSstl18},
    {"176", "dq[55]", kInout, kSstl18},      {"179", "dq[56]", kInout, kSstl18},
    {"180", "dq[60]", kInout, kSstl18},      {"181", "dq[57]", kInout, kSstl18},
    {"182", "dq[61]", kInout, kSstl18},      {"185", "dm[7]", kOut, kSstl18},
    {"188", "dqs[7]", kInout, ROW_DIFFSTD},  {"189", "dq[58]", kInout, kSstl18},
    {"191", "dq[59]", kInout, kSstl18},      {"192", "dq[62]", kInout, kSstl18},
    {"194", "dq[63]", kInout, kSstl18},      {"195", "SDA", kInout, ROW_I2CSTD, true},
    {"197", "SCL", kOut, ROW_I2CSTD, true},  {"198", "SA[0]", kOut, ROW_SASTD, true},
    {"200", "SA[1]", kOut, ROW_SASTD, true},
};

// The negative strobe members, with differential strobes only.
constexpr CardMapRow kDqsNRows[] = {
    {"11", "dqs_n[0]", kInout, kDiffSstl18},  {"29", "dqs_n[1]", kInout, kDiffSstl18},
    {"49", "dqs_n[2]", kInout, kDiffSstl18},  {"68", "dqs_n[3]", kInout, kDiffSstl18},
    {"129", "dqs_n[4]", kInout, kDiffSstl18}, {"146", "dqs_n[5]", kInout, kDiffSstl18},
    {"167", "dqs_n[6]", kInout, kDiffSstl18}, {"186", "dqs_n[7]", kInout, kDiffSstl18},
};

} // namespace

void D_MEM_DDR2_SODIMM(TDaughterBoard& module, DqsMode diffDqs, IoStd i2cStd, IoStd saStd) {
    const bool differential = diffDqs == DqsMode::Differential;
    CardCodes codes;
    codes.i2cStd = i2cStd;
    codes.saStd = saStd;
    codes.diffStd = differential ? IOSTD_DIFF_1V8_SSTL_I : IOSTD_SSTL18_I;
    CardMapSlots slots(DDR2_SODIMM_PIN_NUM);
    ExpandCardMap(slots, {"D_MEM_DDR2_SODIMM", kRows}, codes);
    if (differential) {
        ExpandCardMap(slots, {"D_MEM_DDR2_SODIMM", kDqsNRows}, codes);
    }
    AppendCardMap(module, slots);
    memory::MarkSpdBusPins(module);
}
