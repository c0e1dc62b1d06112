#include "boards/cyclone4/ElvoryId.h"
#include "cards/hsmc/HsmcShared.h"
#include "model/DaughterBoard.h"

namespace {

// HSMC-to-PIO adaptor: header J3 (GPIO1_0..35) on the data positions 47-98,
// header J2 (GPIO0_0..35) on 107-158, GPIO0_n sixty positions above GPIO1_n.
constexpr CardMapRow kNimbalRows[] = {
    {"47-50", "GPIO1_35, GPIO1_31, GPIO1_33, GPIO1_29", PIN_DIR_INOUT, ROW_IOSTD},
    {"53-56", "GPIO1_34, GPIO1_27, GPIO1_32, GPIO1_25", PIN_DIR_INOUT, ROW_IOSTD},
    {"59-62", "GPIO1_30, GPIO1_23, GPIO1_28, GPIO1_21", PIN_DIR_INOUT, ROW_IOSTD},
    {"65-68", "GPIO1_26, GPIO1_19, GPIO1_24, GPIO1_17", PIN_DIR_INOUT, ROW_IOSTD},
    {"71-74", "GPIO1_22, GPIO1_15, GPIO1_20, GPIO1_13", PIN_DIR_INOUT, ROW_IOSTD},
    {"77-80", "GPIO1_14, GPIO1_11, GPIO1_12, GPIO1_9", PIN_DIR_INOUT, ROW_IOSTD},
    {"83-86", "GPIO1_10, GPIO1_7, GPIO1_8, GPIO1_5", PIN_DIR_INOUT, ROW_IOSTD},
    {"89-92", "GPIO1_6, GPIO1_3, GPIO1_4, GPIO1_1", PIN_DIR_INOUT, ROW_IOSTD},
    {"95-98", "GPIO1_18, GPIO1_2, GPIO1_16, GPIO1_0", PIN_DIR_INOUT, ROW_IOSTD},
    {"107-110", "GPIO0_35, GPIO0_31, GPIO0_33, GPIO0_29", PIN_DIR_INOUT, ROW_IOSTD},
    {"113-116", "GPIO0_34, GPIO0_27, GPIO0_32, GPIO0_25", PIN_DIR_INOUT, ROW_IOSTD},
    {"119-122", "GPIO0_30, GPIO0_23, GPIO0_28, GPIO0_21", PIN_DIR_INOUT, ROW_IOSTD},
    {"125-128", "GPIO0_26, GPIO0_19, GPIO0_24, GPIO0_17", PIN_DIR_INOUT, ROW_IOSTD},
    {"131-134", "GPIO0_22, GPIO0_15, GPIO0_20, GPIO0_13", PIN_DIR_INOUT, ROW_IOSTD},
    {"137-140", "GPIO0_14, GPIO0_11, GPIO0_12, GPIO0_9", PIN_DIR_INOUT, ROW_IOSTD},
    {"143-146", "GPIO0_10, GPIO0_7, GPIO0_8, GPIO0_5", PIN_DIR_INOUT, ROW_IOSTD},
    {"149-152", "GPIO0_6, GPIO0_3, GPIO0_4, GPIO0_1", PIN_DIR_INOUT, ROW_IOSTD},
    {"155-158", "GPIO0_18, GPIO0_2, GPIO0_16, GPIO0_0", PIN_DIR_INOUT, ROW_IOSTD},
};

// On board 5 the clock-input positions of the connector are inputs. Only
// the position and the direction are read; the name says which pin sits there.
constexpr CARD_PIN_ROW NIMBAL_ELVORY_INPUTS[] = {
    {96, "GPIO1_2", PIN_DIR_INPUT},
    {98, "GPIO1_0", PIN_DIR_INPUT},
    {156, "GPIO0_2", PIN_DIR_INPUT},
    {158, "GPIO0_0", PIN_DIR_INPUT},
};

} // namespace

void D_HSMC_NIMBAL(TDaughterBoard& card, IoStd ioStd, BoardId board) {
    FillCardMap(card, HSMC_PIN_NUM, {"D_HSMC_NIMBAL", kNimbalRows}, ioStd);
    if (board == MAINBOARD_ELVORY) {
        for (const CARD_PIN_ROW& row : NIMBAL_ELVORY_INPUTS) {
            if (TPin* pin = card.GetPin(row.nPin - 1)) {
                pin->SetDirection(row.Direction);
            }
        }
    }
}
