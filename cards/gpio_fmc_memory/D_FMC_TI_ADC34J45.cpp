#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/FmcFamily.h"
#include "model/DaughterBoard.h"

#include <utility>

namespace {

constexpr PinDirection kIn = PIN_DIR_INPUT;
constexpr PinDirection kOut = PIN_DIR_OUTPUT;
constexpr PinDirection kInout = PIN_DIR_INOUT;
constexpr RowStd kPcml = RowStdFixed(IOSTD_1V5_PCML);
constexpr RowStd kLvds = RowStdFixed(IOSTD_LVDS);
constexpr RowStd k2V5 = RowStdFixed(IOSTD_2V5);

// The adapter of card 51 with the TI ADC34J45 module fitted, as the adapter
// names its positions: four lanes, the converter's serial control, clock,
// reference and sync pairs, and its overrange outputs.
constexpr CardMapRow kStoredRows[] = {
    {"A2", "DB0P", kIn, kPcml, false, FMC_PIN_XCVR},
    {"A3", "DB0M", kIn, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"A6", "DC0P", kIn, kPcml, false, FMC_PIN_XCVR},
    {"A7", "DC0M", kIn, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"A10", "DD0P", kIn, kPcml, false, FMC_PIN_XCVR},
    {"A11", "DD0M", kIn, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"C6", "DA0P", kIn, kPcml, false, FMC_PIN_XCVR},
    {"C7", "DA0M", kIn, kPcml, false, FMC_PIN_XCVR | FMC_PIN_NEG},
    {"C14", "FMC_SCLK", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"C15", "FMC_SDIO", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"D4", "GTX_CLKP", kIn, kLvds, false, FMC_PIN_DIFF},
    {"D5", "GTX_CLKM", kIn, kLvds, false, FMC_PIN_DIFF | FMC_PIN_NEG},
    {"D14", "FMC_SDO", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"D15", "FMC_SEN_ADC", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"D17", "SPLED0", kOut, k2V5, false, FMC_PIN_SINGLE},
    {"D18", "SPLED1", kOut, k2V5, false, FMC_PIN_SINGLE},
    {"E18", "OVRB", kIn, k2V5, false, FMC_PIN_SINGLE},
    {"G6", "CLK_LA0_0P", kIn, kLvds, false, FMC_PIN_DIFF},
    {"G7", "CLK_LA0_0M", kIn, kLvds, false, FMC_PIN_DIFF | FMC_PIN_NEG},
    {"G9", "CAR_SYSREFP", kIn, kLvds, false, FMC_PIN_DIFF},
    {"G10", "CAR_SYSREFM", kIn, kLvds, false, FMC_PIN_DIFF | FMC_PIN_NEG},
    {"G12", "SYNCP", kOut, kLvds, false, FMC_PIN_DIFF},
    {"G13", "SYNCM", kOut, kLvds, false, FMC_PIN_DIFF | FMC_PIN_NEG},
    {"G15", "FMC_SEN_LMK", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"G16", "FMC_B5", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"H16", "FMC_B6", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"H17", "FMC_DIR_CONTROL", kInout, k2V5, false, FMC_PIN_SINGLE},
    {"J21", "OVRD", kIn, k2V5, false, FMC_PIN_SINGLE},
    {"J22", "OVRC", kIn, k2V5, false, FMC_PIN_SINGLE},
    {"K19", "OVRA", kIn, k2V5, false, FMC_PIN_SINGLE},
    {"K22", "SYNC", kInout, k2V5, false, FMC_PIN_SINGLE},
};

// Where the module's lines reach the adapter: the row stored at the first
// position is swapped with the row at the second, in this order of the
// table. G12 and G13 are swapped twice.
struct Swap {
    int from;
    int to;
};
constexpr Swap kSwaps[] = {
    {FmcPosition('K', 20), FmcPosition('F', 7)},  {FmcPosition('K', 23), FmcPosition('F', 8)},
    {FmcPosition('F', 19), FmcPosition('G', 12)}, {FmcPosition('F', 20), FmcPosition('G', 13)},
    {FmcPosition('F', 10), FmcPosition('G', 30)}, {FmcPosition('F', 11), FmcPosition('G', 31)},
    {FmcPosition('K', 19), FmcPosition('G', 33)}, {FmcPosition('J', 22), FmcPosition('G', 34)},
    {FmcPosition('K', 4), FmcPosition('H', 22)},  {FmcPosition('K', 5), FmcPosition('H', 23)},
    {FmcPosition('G', 12), FmcPosition('H', 25)}, {FmcPosition('G', 13), FmcPosition('H', 26)},
    {FmcPosition('K', 22), FmcPosition('H', 34)}, {FmcPosition('F', 1), FmcPosition('H', 35)},
};

CardMapSlots StoredTable() {
    CardMapSlots slots(FMC_HPC_PIN_NUM);
    ExpandCardMap(slots, {"D_FMC_TI_ADC34J45", kStoredRows}, CardCodes{});
    return slots;
}

} // namespace

int TiAdc34j45RemapPosition(int index) {
    for (const Swap& swap : kSwaps) {
        if (index == swap.from - 1) {
            return swap.to - 1;
        }
    }
    return index;
}

CardMapSlots TiAdc34j45BuildTable() {
    CardMapSlots slots = StoredTable();
    // One pass from the last index down: the rows of H25 and H26 reach G12
    // and G13 before those are swapped with F19 and F20.
    for (int index = FMC_HPC_PIN_NUM - 1; index >= 0; --index) {
        const int partner = TiAdc34j45RemapPosition(index);
        if (partner != index) {
            std::swap(slots[static_cast<std::size_t>(index)],
                      slots[static_cast<std::size_t>(partner)]);
        }
    }
    return slots;
}

void D_FMC_TI_ADC34J45(TDaughterBoard& card, TiAdc34j45Table table) {
    CardMapSlots slots =
        table == TiAdc34j45Table::Remapped ? TiAdc34j45BuildTable() : StoredTable();
    fmc::JudgeMakerSecondSlots(slots);
    AppendCardMap(card, slots);
}
