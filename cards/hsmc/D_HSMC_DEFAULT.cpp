#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/PellixId.h"
#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"
#include "platform/AsciiText.h"

#include <array>
#include <span>

namespace {

// Each table names one group of positions; a board's naming picks one table
// per group (or none, where the naming leaves the group empty).

// Transceiver lanes 7..0 with both halves.
constexpr CardMapRow kLanes[] = {
    {"1, 5, 9, 13, 17, 21, 25, 29", "TX_p[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"2, 6, 10, 14, 18, 22, 26, 30", "RX_p[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
    {"3, 7, 11, 15, 19, 23, 27, 31", "TX_n[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"4, 8, 12, 16, 20, 24, 28, 32", "RX_n[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
};
// The p halves alone, with the prefix GXB_.
constexpr CardMapRow kGxbLanes[] = {
    {"1, 5, 9, 13, 17, 21, 25, 29", "GXB_TX_p[7..0]", PIN_DIR_OUTPUT, ROW_XCVRSTD},
    {"2, 6, 10, 14, 18, 22, 26, 30", "GXB_RX_p[7..0]", PIN_DIR_INPUT, ROW_XCVRSTD},
};

constexpr CardMapRow kI2c[] = {
    {"33", "SDA", PIN_DIR_INOUT, ROW_IOSTD},
    {"34", "SCL", PIN_DIR_OUTPUT, ROW_IOSTD},
};
constexpr CardMapRow kMarwenI2c[] = {
    {"33", "I2C_SDAT", PIN_DIR_INOUT, ROW_IOSTD},
    {"34", "I2C_SCLK", PIN_DIR_OUTPUT, ROW_IOSTD},
};

constexpr CardMapRow kClockOut0[] = {{"39", "CLKOUT0", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kOut0[] = {{"39", "OUT0", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockOut0Underscore[] = {{"39", "CLK_OUT0", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn0[] = {{"40", "CLKIN0", PIN_DIR_INPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn0Underscore[] = {{"40", "CLK_IN0", PIN_DIR_INPUT, ROW_IOSTD}};

constexpr CardMapRow kDataLines[] = {{"41-44", "D[0..3]", PIN_DIR_INOUT, ROW_IOSTD}};

// Data-pair groups 0..16, every half inout.
constexpr CardMapRow kPairsD[] = {
    {"47, 53, 59, 65, 71, 77, 83, 89, 101, 107, 113, 119, 125, 131, 137, 143, 149", "TX_D_p[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"48, 54, 60, 66, 72, 78, 84, 90, 102, 108, 114, 120, 126, 132, 138, 144, 150", "RX_D_p[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"49, 55, 61, 67, 73, 79, 85, 91, 103, 109, 115, 121, 127, 133, 139, 145, 151", "TX_D_n[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"50, 56, 62, 68, 74, 80, 86, 92, 104, 110, 116, 122, 128, 134, 140, 146, 152", "RX_D_n[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
};
constexpr CardMapRow kPairs[] = {
    {"47, 53, 59, 65, 71, 77, 83, 89, 101, 107, 113, 119, 125, 131, 137, 143, 149", "TX_p[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"48, 54, 60, 66, 72, 78, 84, 90, 102, 108, 114, 120, 126, 132, 138, 144, 150", "RX_p[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"49, 55, 61, 67, 73, 79, 85, 91, 103, 109, 115, 121, 127, 133, 139, 145, 151", "TX_n[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
    {"50, 56, 62, 68, 74, 80, 86, 92, 104, 110, 116, 122, 128, 134, 140, 146, 152", "RX_n[0..16]",
     PIN_DIR_INOUT, ROW_IOSTD},
};

// Clock pairs 1 and 2: outputs at p and n (95, 97 / 155, 157), inputs at
// 96, 98 / 156, 158.
constexpr CardMapRow kClockOut1[] = {{"95, 97", "CLKOUT_p1, CLKOUT_n1", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kOut1[] = {{"95, 97", "OUT_p1, OUT_n1", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockOut1Indexed[] = {
    {"95, 97", "CLKOUT_p[1], CLKOUT_n[1]", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn1[] = {{"96, 98", "CLKIN_p1, CLKIN_n1", PIN_DIR_INPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn1Indexed[] = {
    {"96, 98", "CLKIN_p[1], CLKIN_n[1]", PIN_DIR_INPUT, ROW_IOSTD}};
constexpr CardMapRow kClockOut2[] = {
    {"155, 157", "CLKOUT_p2, CLKOUT_n2", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kOut2[] = {{"155, 157", "OUT_p2, OUT_n2", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockOut2Indexed[] = {
    {"155, 157", "CLKOUT_p[2], CLKOUT_n[2]", PIN_DIR_OUTPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn2[] = {{"156, 158", "CLKIN_p2, CLKIN_n2", PIN_DIR_INPUT, ROW_IOSTD}};
constexpr CardMapRow kClockIn2Indexed[] = {
    {"156, 158", "CLKIN_p[2], CLKIN_n[2]", PIN_DIR_INPUT, ROW_IOSTD}};

constexpr CardMapRow kPresent[] = {{"160", "PRSNT_n", PIN_DIR_INPUT, ROW_IOSTD}};

using Rows = std::span<const CardMapRow>;

// One naming: a table (or none) per group of positions.
struct Naming {
    Rows lanes, i2c, clockOut0, clockIn0, pairs, clockOut1, clockIn1, clockOut2, clockIn2, present;
};

constexpr Naming kFormulaNaming{kGxbLanes, kI2c,      kOut0,      kClockIn0, kPairs,
                                kOut1,     kClockIn1, kClockOut2, kClockIn2, Rows()};
constexpr Naming kKelmisNaming{kGxbLanes,  kI2c,      kClockOut0, kClockIn0, kPairs,
                               kClockOut1, kClockIn1, kClockOut2, kClockIn2, kPresent};
constexpr Naming kCommonNaming{kLanes,     kI2c,      kClockOut0, kClockIn0, kPairsD,
                               kClockOut1, kClockIn1, kClockOut2, kClockIn2, kPresent};

Naming ChooseNaming(BoardId board, int portIndex, WithXcvr withXcvr) {
    switch (board) {
    case MAINBOARD_GALDRE_X1: {
        Naming n = kFormulaNaming;
        if (withXcvr == WithXcvr::No) {
            n.lanes = Rows();
        }
        return n;
    }
    case MAINBOARD_KELMIS:
    case MAINBOARD_PELLIX:
        return kKelmisNaming;
    case MAINBOARD_QUINDLE:
    case MAINBOARD_RASMER: {
        Naming n = kKelmisNaming;
        n.clockOut1 = kClockOut1Indexed;
        n.clockIn1 = kClockIn1Indexed;
        n.clockOut2 = kClockOut2Indexed;
        n.clockIn2 = kClockIn2Indexed;
        if (board == MAINBOARD_QUINDLE) {
            n.clockOut0 = kClockOut0Underscore;
            n.clockIn0 = kClockIn0Underscore;
        }
        return n;
    }
    case MAINBOARD_MARWEN: {
        Naming n = kCommonNaming;
        n.i2c = kMarwenI2c;
        return n;
    }
    case MAINBOARD_HOLLIN: {
        Naming n = kCommonNaming;
        n.clockOut0 = kOut0;
        n.clockOut1 = kOut1;
        if (portIndex == 1) {
            n.clockOut2 = kOut2;
        }
        return n;
    }
    default:
        return kCommonNaming;
    }
}

void FillNaming(TConnector& card, const Naming& n, IoStd ioStd, XcvrStd xcvrStd) {
    const std::array<CardMapTable, 11> tables{{
        {"D_HSMC_DEFAULT lanes", n.lanes},
        {"D_HSMC_DEFAULT I2C", n.i2c},
        {"D_HSMC_DEFAULT clock out 0", n.clockOut0},
        {"D_HSMC_DEFAULT clock in 0", n.clockIn0},
        {"D_HSMC_DEFAULT data lines", kDataLines},
        {"D_HSMC_DEFAULT pairs", n.pairs},
        {"D_HSMC_DEFAULT clock out 1", n.clockOut1},
        {"D_HSMC_DEFAULT clock in 1", n.clockIn1},
        {"D_HSMC_DEFAULT clock out 2", n.clockOut2},
        {"D_HSMC_DEFAULT clock in 2", n.clockIn2},
        {"D_HSMC_DEFAULT present", n.present},
    }};
    CardCodes codes;
    codes.ioStd = ioStd;
    codes.xcvrStd = xcvrStd.code;
    FillCardMap(card, HSMC_PIN_NUM, tables, codes);
}

} // namespace

void FillHsmcFormulaNaming(TConnector& card, IoStd ioStd, XcvrStd xcvrStd) {
    FillNaming(card, kFormulaNaming, ioStd, xcvrStd);
}

void D_HSMC_DEFAULT(TDaughterBoard& card, BoardId board, int portIndex, UpperCase upperCase,
                    WithXcvr withXcvr, IoStd ioStd, XcvrStd xcvrStd) {
    FillNaming(card, ChooseNaming(board, portIndex, withXcvr), ioStd, xcvrStd);
    if (upperCase == UpperCase::Yes) {
        for (int i = 0; i < card.GetPinCount(); ++i) {
            if (TPin* pin = card.GetPin(i)) {
                pin->SetName(platform::AsciiUpperCase(pin->GetName()));
            }
        }
    }
}
