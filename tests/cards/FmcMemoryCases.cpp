#include "cards/FmcMemoryCases.h"
#include "boards/Boards.h"

#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/max10/BrovanId.h"
#include "boards/stratix5/CalvetId.h"
#include "cards/gpio_fmc_memory/FmcCards.h"

#include <gtest/gtest.h>

namespace cards_test {
namespace {

// Fills through the dispatcher as a board does: the caller's standard is 8
// unless given (board 35 attaches at its FMC bank's voltage), the board
// derives the rest.
template <CardId card, BoardId board = MAINBOARD_ILMARCH, IoStd standard = IOSTD_3V3_LVTTL>
void Dispatch(TDaughterBoard& c) {
    c.FillCard(card, BoardCardRules(board), 0, standard, "");
}

// Codes handed to the module fills: none of them is a code the module maps
// fix, and the two differ, so a swap shows.
constexpr IoStd kBusCode = IOSTD_1V2;            // DDR2 I2C, DDR3 control
constexpr IoStd kAddressCode = IOSTD_3V3_LVCMOS; // SA pins
constexpr IoStd kDdr4BusCode = IOSTD_1V8;        // DDR4 SCL and SDA

const MapCase kCases[] = {
    // Unlisted GPIO header cards, on a board whose single-ended code is 1.8 V.
    {"gpio_orrin",
     CARD_ORRIN_FIFO,
     MapKind::Gpio,
     Dispatch<CARD_ORRIN_FIFO, MAINBOARD_GRISTEL>,
     19,
     {},
     {}},
    {"gpio_orrin_native",
     CARD_ORRIN_NATIVE,
     MapKind::Gpio,
     Dispatch<CARD_ORRIN_NATIVE, MAINBOARD_GRISTEL>,
     35,
     {},
     {}},
    {"gpio_uvrel", CARD_UVREL, MapKind::Gpio, Dispatch<CARD_UVREL, MAINBOARD_GRISTEL>, 33, {}, {}},
    {"gpio_quarn", CARD_QUARN, MapKind::Gpio, Dispatch<CARD_QUARN, MAINBOARD_GRISTEL>, 21, {}, {}},
    {"gpio_brudel",
     CARD_BRUDEL,
     MapKind::Gpio,
     Dispatch<CARD_BRUDEL, MAINBOARD_GRISTEL>,
     32,
     {},
     {}},
    {"gpio_gyrvan",
     CARD_GYRVAN,
     MapKind::Gpio,
     Dispatch<CARD_GYRVAN, MAINBOARD_GRISTEL>,
     36,
     {},
     {}},
    {"gpio_arduino",
     CARD_ARDUINO_DIGITAL,
     MapKind::Gpio,
     Dispatch<CARD_ARDUINO_DIGITAL, MAINBOARD_GRISTEL>,
     16,
     {},
     {}},
    // Ergan header cards.
    {"ergan_default",
     CARD_ERGAN_DEFAULT,
     MapKind::Ergan,
     Dispatch<CARD_ERGAN_DEFAULT, MAINBOARD_BROVAN>,
     8,
     {},
     {}},
    {"ergan_wolle", CARD_WOLLE, MapKind::Ergan, Dispatch<CARD_WOLLE, MAINBOARD_BROVAN>, 8, {}, {}},
    // FMC cards.
    {"fmc_40_board31",
     CARD_FMC_HPC_VITA,
     MapKind::FmcHpc,
     Dispatch<CARD_FMC_HPC_VITA, MAINBOARD_CALVET>,
     215,
     {},
     {}},
    {"fmc_40_board35",
     CARD_FMC_HPC_VITA,
     MapKind::FmcHpc,
     Dispatch<CARD_FMC_HPC_VITA, MAINBOARD_GRISTEL, IOSTD_1V8>,
     215,
     {},
     {}},
    {"fmc_41",
     CARD_FMC_LPC_VITA,
     MapKind::FmcLpc,
     Dispatch<CARD_FMC_LPC_VITA, MAINBOARD_GRISTEL, IOSTD_1V8>,
     81,
     {},
     {}},
    {"fmc_42", CARD_FMC_HPC_ALTERA, MapKind::FmcHpc, Dispatch<CARD_FMC_HPC_ALTERA>, 138, {}, {}},
    {"fmc_43",
     CARD_FMC_HPC_XCVR_ALTERA,
     MapKind::FmcHpc,
     Dispatch<CARD_FMC_HPC_XCVR_ALTERA>,
     204,
     {},
     {}},
    {"fmc_44",
     CARD_FMC_HPC_ALTERA_QUELMAR,
     MapKind::FmcHpc,
     Dispatch<CARD_FMC_HPC_ALTERA_QUELMAR>,
     173,
     {},
     {}},
    {"fmc_45",
     CARD_FMC_HPC_XCVR_ALTERA_QUELMAR,
     MapKind::FmcHpc,
     Dispatch<CARD_FMC_HPC_XCVR_ALTERA_QUELMAR>,
     215,
     {},
     {}},
    {"fmc_46", CARD_FMC_LPC_ALTERA, MapKind::FmcLpc, Dispatch<CARD_FMC_LPC_ALTERA>, 76, {}, {}},
    {"fmc_47",
     CARD_FMC_LPC_XCVR_ALTERA,
     MapKind::FmcLpc,
     Dispatch<CARD_FMC_LPC_XCVR_ALTERA>,
     81,
     {},
     {}},
    {"fmc_48", CARD_FASKER_FMC, MapKind::FmcHpc, Dispatch<CARD_FASKER_FMC>, 42, {}, {}},
    {"fmc_49", CARD_BREVIK_12G_FMC, MapKind::FmcHpc, Dispatch<CARD_BREVIK_12G_FMC>, 87, {}, {}},
    {"fmc_50", CARD_VANTOR_FMC, MapKind::FmcHpc, Dispatch<CARD_VANTOR_FMC>, 129, {}, {}},
    {"fmc_51", CARD_MORLET_FMC, MapKind::FmcHpc, Dispatch<CARD_MORLET_FMC>, 93, {}, {}},
    {"fmc_52",
     CARD_MORLET_FMC_ADC34J45,
     MapKind::FmcHpc,
     Dispatch<CARD_MORLET_FMC_ADC34J45>,
     27,
     {},
     {}},
    {"fmc_52_as_stored",
     CARD_MORLET_FMC_ADC34J45,
     MapKind::FmcHpc,
     [](TDaughterBoard& c) { D_FMC_TI_ADC34J45(c, TiAdc34j45Table::AsStored); },
     27,
     {},
     {}},
    {"fmc_53", CARD_PARNEL_FMC, MapKind::FmcHpc, Dispatch<CARD_PARNEL_FMC>, 136, {}, {}},
    {"fmc_54", CARD_DOSTEL_FMC, MapKind::FmcHpc, Dispatch<CARD_DOSTEL_FMC>, 97, {}, {}},
    {"fmc_76", CARD_GLENT_FMC, MapKind::FmcLpc, Dispatch<CARD_GLENT_FMC>, 68, {}, {}},
    {"fmc_84", CARD_KAPPEL, MapKind::FmcHpc, Dispatch<CARD_KAPPEL>, 159, {}, {}},
    // Memory modules.
    {"ddr2_differential",
     CARD_DDR2_SODIMM,
     MapKind::Ddr2,
     [](TDaughterBoard& c) { c.FillDdr2Sodimm(DqsMode::Differential, kBusCode, kAddressCode); },
     124,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr2_single_ended",
     CARD_DDR2_SODIMM,
     MapKind::Ddr2,
     [](TDaughterBoard& c) { c.FillDdr2Sodimm(DqsMode::SingleEnded, kBusCode, kAddressCode); },
     116,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_differential",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) { c.FillDdr3Sodimm(DqsMode::Differential, kBusCode, kAddressCode); },
     126,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_single_ended",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) { c.FillDdr3Sodimm(DqsMode::SingleEnded, kBusCode, kAddressCode); },
     118,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_lower_differential",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) {
         c.FillDdr3SodimmLowerCase(DqsMode::Differential, kBusCode, kAddressCode);
     },
     126,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_lower_single_ended",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) {
         c.FillDdr3SodimmLowerCase(DqsMode::SingleEnded, kBusCode, kAddressCode);
     },
     118,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_sstl15_differential",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) {
         c.FillDdr3SodimmSstl15(DqsMode::Differential, kBusCode, kAddressCode);
     },
     126,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr3_sstl15_single_ended",
     CARD_DDR3_SODIMM,
     MapKind::Ddr3,
     [](TDaughterBoard& c) {
         c.FillDdr3SodimmSstl15(DqsMode::SingleEnded, kBusCode, kAddressCode);
     },
     118,
     {"SDA", "SCL", "SA[0]", "SA[1]"},
     {}},
    {"ddr4_39",
     CARD_DDR4_SODIMM,
     MapKind::Ddr4,
     [](TDaughterBoard& c) { c.FillDdr4Sodimm(kDdr4BusCode, kAddressCode, Ecc::Without); },
     131,
     {"SA[0]", "SA[1]"},
     {}},
    {"ddr4_77_board0",
     CARD_DDR4_SODIMM_NO_ECC,
     MapKind::Ddr4,
     [](TDaughterBoard& c) {
         c.FillDdr4SodimmInterface(kDdr4BusCode, kAddressCode, Ecc::Without,
                                   BoardCardRules(MAINBOARD_NONE).ddr4SodimmInterface);
     },
     131,
     {"SA[0]", "SA[1]"},
     {}},
    {"ddr4_77_board36",
     CARD_DDR4_SODIMM_NO_ECC,
     MapKind::Ddr4,
     [](TDaughterBoard& c) {
         c.FillDdr4SodimmInterface(kDdr4BusCode, kAddressCode, Ecc::Without,
                                   BoardCardRules(MAINBOARD_HARVIK).ddr4SodimmInterface);
     },
     127,
     {"SA[1]"},
     {138, 140}},
    {"ddr4_78_board0",
     CARD_DDR4_SODIMM_ECC,
     MapKind::Ddr4,
     [](TDaughterBoard& c) {
         c.FillDdr4SodimmInterface(kDdr4BusCode, kAddressCode, Ecc::With,
                                   BoardCardRules(MAINBOARD_NONE).ddr4SodimmInterface);
     },
     139,
     {"SA[0]", "SA[1]"},
     {}},
    {"ddr4_78_board36",
     CARD_DDR4_SODIMM_ECC,
     MapKind::Ddr4,
     [](TDaughterBoard& c) {
         c.FillDdr4SodimmInterface(kDdr4BusCode, kAddressCode, Ecc::With,
                                   BoardCardRules(MAINBOARD_HARVIK).ddr4SodimmInterface);
     },
     135,
     {"SA[1]"},
     {138, 140}},
    {"qdr2",
     CARD_QDR2_MODULE,
     MapKind::Qdr,
     [](TDaughterBoard& c) { c.FillQdr2Module(); },
     114,
     {},
     {}},
    {"qdr4",
     CARD_QDR4_MODULE,
     MapKind::Qdr,
     [](TDaughterBoard& c) { c.FillQdr4Module(); },
     121,
     {},
     {}},
};

} // namespace

std::span<const MapCase> AllMapCases() {
    return kCases;
}

int PositionsOf(MapKind kind) {
    switch (kind) {
    case MapKind::Gpio:
        return 40;
    case MapKind::Ergan:
        return 8;
    case MapKind::FmcHpc:
    case MapKind::FmcLpc:
        return 400;
    case MapKind::Ddr2:
        return 200;
    case MapKind::Ddr3:
        return 204;
    case MapKind::Ddr4:
    case MapKind::Qdr:
        return 260;
    }
    return 0;
}

ConnectorType ConnectorTypeOf(const MapCase& c) {
    return BoardConnectorType(c.card);
}

int Fmc(char row, int pin) {
    static const std::string kRows = "ABCDEFGHJK";
    return static_cast<int>(kRows.find(row)) * 40 + pin;
}

char FmcRowOf(int position) {
    return "ABCDEFGHJK"[(position - 1) / 40];
}

} // namespace cards_test
