#include "cards/CardMap.h"
#include "cards/gpio_fmc_memory/MemoryFamily.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "model/DaughterBoard.h"

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kSstl15 = RowStdFixed(IOSTD_SSTL15_I);
constexpr std::uint8_t kData = memory::kDdr3Data;
constexpr std::uint8_t kStrobe = memory::kDdr3Strobe;
constexpr std::uint8_t kReset = memory::kDdr3Reset;
constexpr std::uint8_t kKeepsCase = memory::kDdr3KeepsCase;

// The JEDEC 204-pin DDR3 SO-DIMM edge: data, masks and strobes, address and
// command, clocks, reset, the thermal event and the serial-presence-detect
// bus with its address pins. Strobes and clocks take the code the strobe
// mode picks; the flags mark the classes that the map's other forms treat
// apart.
constexpr CardMapRow kRows[] = {
    {"4", "DQ[4]", kInout, kSstl15, false, kData},
    {"5", "DQ[0]", kInout, kSstl15, false, kData},
    {"6", "DQ[5]", kInout, kSstl15, false, kData},
    {"7", "DQ[1]", kInout, kSstl15, false, kData},
    {"11", "DM[0]", kOut, kSstl15, false, kData},
    {"12", "DQS[0]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"15", "DQ[2]", kInout, kSstl15, false, kData},
    {"16", "DQ[6]", kInout, kSstl15, false, kData},
    {"17", "DQ[3]", kInout, kSstl15, false, kData},
    {"18", "DQ[7]", kInout, kSstl15, false, kData},
    {"21", "DQ[8]", kInout, kSstl15, false, kData},
    {"22", "DQ[12]", kInout, kSstl15, false, kData},
    {"23", "DQ[9]", kInout, kSstl15, false, kData},
    {"24", "DQ[13]", kInout, kSstl15, false, kData},
    {"28", "DM[1]", kOut, kSstl15, false, kData},
    {"29", "DQS[1]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"30", "RESET_n", kOut, ROW_CTLSTD, false, kReset},
    {"33", "DQ[10]", kInout, kSstl15, false, kData},
    {"34", "DQ[14]", kInout, kSstl15, false, kData},
    {"35", "DQ[11]", kInout, kSstl15, false, kData},
    {"36", "DQ[15]", kInout, kSstl15, false, kData},
    {"39", "DQ[16]", kInout, kSstl15, false, kData},
    {"40", "DQ[20]", kInout, kSstl15, false, kData},
    {"41", "DQ[17]", kInout, kSstl15, false, kData},
    {"42", "DQ[21]", kInout, kSstl15, false, kData},
    {"46", "DM[2]", kOut, kSstl15, false, kData},
    {"47", "DQS[2]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"50", "DQ[22]", kInout, kSstl15, false, kData},
    {"51", "DQ[18]", kInout, kSstl15, false, kData},
    {"52", "DQ[23]", kInout, kSstl15, false, kData},
    {"53", "DQ[19]", kInout, kSstl15, false, kData},
    {"56", "DQ[28]", kInout, kSstl15, false, kData},
    {"57", "DQ[24]", kInout, kSstl15, false, kData},
    {"58", "DQ[29]", kInout, kSstl15, false, kData},
    {"59", "DQ[25]", kInout, kSstl15, false, kData},
    {"63", "DM[3]", kOut, kSstl15, false, kData},
    {"64", "DQS[3]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"67", "DQ[26]", kInout, kSstl15, false, kData},
    {"68", "DQ[30]", kInout, kSstl15, false, kData},
    {"69", "DQ[27]", kInout, kSstl15, false, kData},
    {"70", "DQ[31]", kInout, kSstl15, false, kData},
    {"73", "CKE[0]", kOut, kSstl15},
    {"74", "CKE[1]", kOut, kSstl15},
    {"78", "A[15]", kOut, kSstl15},
    {"79", "BA[2]", kOut, kSstl15},
    {"80", "A[14]", kOut, kSstl15},
    {"83", "A[12]", kOut, kSstl15},
    {"84", "A[11]", kOut, kSstl15},
    {"85", "A[9]", kOut, kSstl15},
    {"86", "A[7]", kOut, kSstl15},
    {"89", "A[8]", kOut, kSstl15},
    {"90-92", "A[6..4]", kOut, kSstl15},
    {"95-98", "A[3..0]", kOut, kSstl15},
    {"101", "CK[0]", kOut, ROW_DIFFSTD},
    {"102", "CK[1]", kOut, ROW_DIFFSTD},
    {"103", "CK_n[0]", kOut, ROW_DIFFSTD},
    {"104", "CK_n[1]", kOut, ROW_DIFFSTD},
    {"107", "A[10]", kOut, kSstl15},
    {"108", "BA[1]", kOut, kSstl15},
    {"109", "BA[0]", kOut, kSstl15},
    {"110", "RAS_n", kOut, kSstl15},
    {"113", "WE_n", kOut, kSstl15},
    {"114", "CS_n[0]", kOut, kSstl15},
    {"115", "CAS_n", kOut, kSstl15},
    {"116", "ODT[0]", kOut, kSstl15},
    {"119", "A[13]", kOut, kSstl15},
    {"120", "ODT[1]", kOut, kSstl15},
    {"121", "CS_n[1]", kOut, kSstl15},
    {"129", "DQ[32]", kInout, kSstl15, false, kData},
    {"130", "DQ[36]", kInout, kSstl15, false, kData},
    {"131", "DQ[33]", kInout, kSstl15, false, kData},
    {"132", "DQ[37]", kInout, kSstl15, false, kData},
    {"136", "DM[4]", kOut, kSstl15, false, kData},
    {"137", "DQS[4]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"140", "DQ[38]", kInout, kSstl15, false, kData},
    {"141", "DQ[34]", kInout, kSstl15, false, kData},
    {"142", "DQ[39]", kInout, kSstl15, false, kData},
    {"143", "DQ[35]", kInout, kSstl15, false, kData},
    {"146", "DQ[44]", kInout, kSstl15, false, kData},
    {"147", "DQ[40]", kInout, kSstl15, false, kData},
    {"148", "DQ[45]", kInout, kSstl15, false, kData},
    {"149", "DQ[41]", kInout, kSstl15, false, kData},
    {"153", "DM[5]", kOut, kSstl15, false, kData},
    {"154", "DQS[5]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"157", "DQ[42]", kInout, kSstl15, false, kData},
    {"158", "DQ[46]", kInout, kSstl15, false, kData},
    {"159", "DQ[43]", kInout, kSstl15, false, kData},
    {"160", "DQ[47]", kInout, kSstl15, false, kData},
    {"163", "DQ[48]", kInout, kSstl15, false, kData},
    {"164", "DQ[52]", kInout, kSstl15, false, kData},
    {"165", "DQ[49]", kInout, kSstl15, false, kData},
    {"166", "DQ[53]", kInout, kSstl15, false, kData},
    {"170", "DM[6]", kOut, kSstl15, false, kData},
    {"171", "DQS[6]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"174", "DQ[54]", kInout, kSstl15, false, kData},
    {"175", "DQ[50]", kInout, kSstl15, false, kData},
    {"176", "DQ[55]", kInout, kSstl15, false, kData},
    {"177", "DQ[51]", kInout, kSstl15, false, kData},
    {"180", "DQ[60]", kInout, kSstl15, false, kData},
    {"181", "DQ[56]", kInout, kSstl15, false, kData},
    {"182", "DQ[61]", kInout, kSstl15, false, kData},
    {"183", "DQ[57]", kInout, kSstl15, false, kData},
    {"187", "DM[7]", kOut, kSstl15, false, kData},
    {"188", "DQS[7]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"191", "DQ[58]", kInout, kSstl15, false, kData},
    {"192", "DQ[62]", kInout, kSstl15, false, kData},
    {"193", "DQ[59]", kInout, kSstl15, false, kData},
    {"194", "DQ[63]", kInout, kSstl15, false, kData},
    {"197", "SA[0]", kOut, ROW_SASTD, true, kKeepsCase},
    {"198", "EVENT_n", kIn, ROW_CTLSTD, false, kKeepsCase},
    {"200", "SDA", kInout, ROW_CTLSTD, true, kKeepsCase},
    {"201", "SA[1]", kOut, ROW_SASTD, true, kKeepsCase},
    {"202", "SCL", kOut, ROW_CTLSTD, true, kKeepsCase},
};

// The negative strobe members, with differential strobes only.
constexpr CardMapRow kDqsNRows[] = {
    {"10", "DQS_n[0]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"27", "DQS_n[1]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"45", "DQS_n[2]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"62", "DQS_n[3]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"135", "DQS_n[4]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"152", "DQS_n[5]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"169", "DQS_n[6]", kInout, ROW_DIFFSTD, false, kStrobe},
    {"186", "DQS_n[7]", kInout, ROW_DIFFSTD, false, kStrobe},
};

} // namespace

namespace memory {

CardMapSlots ExpandDdr3Map(const char* name, DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    const bool differential = diffDqs == DqsMode::Differential;
    CardCodes codes;
    codes.ctlStd = ctlStd;
    codes.saStd = saStd;
    codes.diffStd = differential ? IOSTD_DIFF_1V5_SSTL_I : IOSTD_SSTL15_I;
    CardMapSlots slots(DDR3_SODIMM_PIN_NUM);
    ExpandCardMap(slots, {name, kRows}, codes);
    if (differential) {
        ExpandCardMap(slots, {name, kDqsNRows}, codes);
    }
    return slots;
}

} // namespace memory

void D_MEM_DDR3_SODIMM(TDaughterBoard& module, DqsMode diffDqs, IoStd ctlStd, IoStd saStd) {
    AppendCardMap(module, memory::ExpandDdr3Map("D_MEM_DDR3_SODIMM", diffDqs, ctlStd, saStd));
    memory::MarkSpdBusPins(module);
}
