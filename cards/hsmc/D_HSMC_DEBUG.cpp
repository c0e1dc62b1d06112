#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HollinId.h"
#include "cards/CardMap.h"
#include "cards/hsmc/HsmcCards.h"
#include "model/DaughterBoard.h"

#include <array>

namespace {

// Every data position as a plain inout line: HSM_D over the single-ended data
// lines, data-pair groups 0-7 and the p positions of clock pair 1, HSM_D_LED
// (from bit 40) over groups 8-16 and clock pair 2. Bit 37 at 96 comes from
// one of the two tables after these rows.
constexpr CardMapRow kDebugRows[] = {
    {"39", "HSM_CLKCOUT0", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"40", "HSM_CLKIN0", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"41-44, 47-50, 53-56, 59-62, 65-68, 71-74, 77-80, 83-86, 89-92, 95", "HSM_D[0..36]",
     PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"101-104, 107-110, 113-116, 119-122, 125-128, 131-134, 137-140, 143-146, 149-152, 155-158",
     "HSM_D_LED[40..79]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)},
    {"160", "HSM_PSNTn", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)},
};
constexpr CardMapRow kBit37[] = {{"96", "HSM_D[37]", PIN_DIR_INOUT, RowStdFixed(IOSTD_2V5)}};
// Boards 8 and 9 take the line at 96 as an input under its own bus name.
constexpr CardMapRow kBit37Input[] = {
    {"96", "HSM_D_IN[37]", PIN_DIR_INPUT, RowStdFixed(IOSTD_2V5)}};

} // namespace

void D_HSMC_DEBUG(TDaughterBoard& card, BoardId board) {
    const bool inputAt96 = board == MAINBOARD_GALDRE_X1 || board == MAINBOARD_HOLLIN;
    const std::array<CardMapTable, 2> tables{{
        {"D_HSMC_DEBUG", kDebugRows},
        {"D_HSMC_DEBUG position 96", inputAt96 ? std::span<const CardMapRow>(kBit37Input)
                                               : std::span<const CardMapRow>(kBit37)},
    }};
    FillCardMap(card, HSMC_PIN_NUM, tables, CardCodes::All(IOSTD_2V5));
}
