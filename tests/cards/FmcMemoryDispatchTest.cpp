// The dispatcher rows of the unlisted GPIO, Ergan and FMC cards, the module
// fills, and the registry's promise that every card with a map fills.

#include "boards/Boards.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "boards/cyclone3/JorvathId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/max10/BrovanId.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/CalvetId.h"
#include "cards/CardRegistry.h"
#include "cards/FmcMemoryCases.h"
#include "cards/gpio_fmc_memory/ErganCards.h"
#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace cards_test;

namespace {

constexpr int kDispatchedIds[] = {24, 25, 30, 34, 40, 41, 42, 43, 44, 45, 46, 47, 48,
                                  49, 50, 51, 52, 53, 54, 64, 65, 68, 72, 73, 76, 84};
constexpr int kModuleIds[] = {9, 38, 39, 77, 78, 79, 80};

// A map's pins fixed at one code, moved to the code a board's bank sets.
void Recode(TDaughterBoard& card, IoStd from, IoStd to) {
    for (int i = 0; i < card.GetPinCount(); ++i) {
        if (TPin* pin = card.GetPin(i); pin && pin->GetIoStandard() == from) {
            pin->SetIoStandard(to);
        }
    }
}

} // namespace

TEST(FmcMemoryDispatch, StampsNameDescriptionAndType) {
    for (const int id : kDispatchedIds) {
        SCOPED_TRACE(id);
        const CardId card = MakeCardId(id);
        TDaughterBoard daughter;
        D_GPIO_QUARN(daughter); // a fill replaces what was there
        daughter.FillCard(card, BoardCardRules(MAINBOARD_ILMARCH), 0, IOSTD_3V3_LVTTL, "");
        EXPECT_EQ(daughter.GetName(), BoardName(card));
        EXPECT_EQ(daughter.GetDescription(), BoardDescription(card));
        EXPECT_EQ(daughter.GetType(), BoardConnectorType(card));
        EXPECT_EQ(daughter.GetPinCount(), FindCardEntry(card)->positions);
        EXPECT_GT(daughter.GetActivePinCount(), 0);
    }
}

TEST(FmcMemoryDispatch, ChoosesTheMapAndCodesByBoard) {
    struct Case {
        const char* what;
        CardId card;
        BoardId board;
        IoStd standard;
        std::function<void(TDaughterBoard&)> expected;
    };
    const Case cases[] = {
        {"card 40 on board 31: VITA names, 2.5 V", CARD_FMC_HPC_VITA, MAINBOARD_CALVET,
         IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Keep, IOSTD_1V5_PCML);
         }},
        {"card 40 on board 35 at 1.8 V", CARD_FMC_HPC_VITA, MAINBOARD_GRISTEL, IOSTD_1V8,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_1V8, FmcRowK::Keep, IOSTD_HSSI_DIFF);
         }},
        {"card 40 on board 35 at 1.5 V", CARD_FMC_HPC_VITA, MAINBOARD_GRISTEL, IOSTD_1V5,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_1V5, FmcRowK::Keep, IOSTD_HSSI_DIFF);
         }},
        {"card 40 on board 37 keeps the caller's code", CARD_FMC_HPC_VITA, MAINBOARD_ILMARCH,
         IOSTD_2V5,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Keep, IOSTD_1V5_PCML);
         }},
        {"card 40 on board 7", CARD_FMC_HPC_VITA, MAINBOARD_GALDRE_X2, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_3V0_PCIX, FmcRowK::Keep, IOSTD_1V4_PCML);
         }},
        {"card 40 on board 8", CARD_FMC_HPC_VITA, MAINBOARD_GALDRE_X1, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_3V0_PCIX, FmcRowK::Keep, IOSTD_1V4_PCML);
         }},
        {"card 40 on board 9", CARD_FMC_HPC_VITA, MAINBOARD_HOLLIN, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_3V0_PCIX, FmcRowK::Keep, IOSTD_1V5_PCML);
         }},
        {"card 40 on board 12", CARD_FMC_HPC_VITA, MAINBOARD_KELMIS, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_3V0_PCIX, FmcRowK::Keep, IOSTD_1V4_PCML);
         }},
        {"card 41 on board 8", CARD_FMC_LPC_VITA, MAINBOARD_GALDRE_X1, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_LPC_VITA(c, FmcLanes::With, IOSTD_3V0_PCIX, IOSTD_1V4_PCML);
         }},
        // On board 35 the map's fixed 2.5 V takes the bank's level (JP2).
        {"card 42 at the bank's 1.8 V on board 35", CARD_FMC_HPC_ALTERA, MAINBOARD_GRISTEL,
         IOSTD_1V8,
         [](TDaughterBoard& c) {
             D_FMC_HPC_ALTERA(c, FmcLanes::Without, IOSTD_1V8, FmcRowK::Keep);
             Recode(c, IOSTD_2V5, IOSTD_1V8);
         }},
        {"card 45 on board 8", CARD_FMC_HPC_XCVR_ALTERA_QUELMAR, MAINBOARD_GALDRE_X1,
         IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) {
             D_FMC_HPC_ALTERA_QUELMAR(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Keep);
         }},
        {"card 47 on board 7", CARD_FMC_LPC_XCVR_ALTERA, MAINBOARD_GALDRE_X2, IOSTD_3V3_LVTTL,
         [](TDaughterBoard& c) { D_FMC_LPC_ALTERA(c, FmcLanes::With, IOSTD_2V5, FmcBuild::Map); }},
        // Its lanes take code 52 there, its fixed levels the bank's.
        {"card 52 remapped", CARD_MORLET_FMC_ADC34J45, MAINBOARD_GRISTEL, IOSTD_1V8,
         [](TDaughterBoard& c) {
             D_FMC_TI_ADC34J45(c, TiAdc34j45Table::Remapped);
             Recode(c, IOSTD_1V5_PCML, IOSTD_HSSI_DIFF);
             Recode(c, IOSTD_2V5, IOSTD_1V8);
         }},
        {"card 24: 3.3-V LVTTL on board 8", CARD_ORRIN_FIFO, MAINBOARD_GALDRE_X1, IOSTD_2V5,
         [](TDaughterBoard& c) { D_GPIO_ORRIN(c, IOSTD_3V3_LVTTL); }},
        {"card 30 on board 31", CARD_UVREL, MAINBOARD_CALVET, IOSTD_1V8,
         [](TDaughterBoard& c) { D_GPIO_UVREL(c, IOSTD_3V3_LVTTL); }},
        {"card 73", CARD_WOLLE, MAINBOARD_BROVAN, IOSTD_2V5,
         [](TDaughterBoard& c) { D_ERGAN_WOLLE(c); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDaughterBoard expected;
        c.expected(expected);
        TDaughterBoard card;
        card.FillCard(c.card, BoardCardRules(c.board), 0, c.standard, "");
        EXPECT_EQ(Dump(card), Dump(expected));
    }
}

TEST(ModuleFills, StampTheirCard) {
    struct Case {
        const char* what;
        std::function<void(TDaughterBoard&)> fill;
        CardId card;
    };
    const Case cases[] = {
        {"DDR2",
         [](TDaughterBoard& m) { m.FillDdr2Sodimm(DqsMode::Differential, IOSTD_1V8, IOSTD_1V8); },
         CARD_DDR2_SODIMM},
        {"DDR3",
         [](TDaughterBoard& m) { m.FillDdr3Sodimm(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5); },
         CARD_DDR3_SODIMM},
        {"DDR3 lower case",
         [](TDaughterBoard& m) {
             m.FillDdr3SodimmLowerCase(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
         },
         CARD_DDR3_SODIMM},
        {"DDR3 SSTL-15",
         [](TDaughterBoard& m) {
             m.FillDdr3SodimmSstl15(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
         },
         CARD_DDR3_SODIMM},
        {"DDR4", [](TDaughterBoard& m) { m.FillDdr4Sodimm(IOSTD_1V2, IOSTD_1V2, Ecc::With); },
         CARD_DDR4_SODIMM},
        {"DDR4 interface with ECC",
         [](TDaughterBoard& m) {
             m.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::With,
                                       BoardCardRules(MAINBOARD_HARVIK).ddr4SodimmInterface);
         },
         CARD_DDR4_SODIMM_ECC},
        {"DDR4 interface without ECC",
         [](TDaughterBoard& m) {
             m.FillDdr4SodimmInterface(IOSTD_1V2, IOSTD_1V2, Ecc::Without,
                                       BoardCardRules(MAINBOARD_NONE).ddr4SodimmInterface);
         },
         CARD_DDR4_SODIMM_NO_ECC},
        {"QDR-II+", [](TDaughterBoard& m) { m.FillQdr2Module(); }, CARD_QDR2_MODULE},
        {"QDR-IV", [](TDaughterBoard& m) { m.FillQdr4Module(); }, CARD_QDR4_MODULE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDaughterBoard module;
        D_FMC_GLENT(module); // a fill replaces what was there
        c.fill(module);
        EXPECT_EQ(module.GetName(), BoardName(c.card));
        EXPECT_EQ(module.GetDescription(), BoardDescription(c.card));
        EXPECT_EQ(module.GetType(), BoardConnectorType(c.card));
        EXPECT_EQ(module.GetPinCount(), FindCardEntry(c.card)->positions);
    }
    // The DDR4 fill of card 39 has the full layout: SA[0] at 256.
    TDaughterBoard ddr4;
    ddr4.FillDdr4Sodimm(IOSTD_1V2, IOSTD_1V8, Ecc::Without);
    ASSERT_NE(ddr4.GetPin(255), nullptr);
    EXPECT_EQ(ddr4.GetPin(255)->GetName(), "SA[0]");
    EXPECT_EQ(ddr4.GetPin(255)->GetIoStandard(), IOSTD_1V8);
}

TEST(FmcMemoryDispatchDeathTest, FillCardWithAModuleIdStops) {
    for (const int id : kModuleIds) {
        SCOPED_TRACE(id);
        EXPECT_DEATH(
            {
                TDaughterBoard daughter;
                daughter.FillCard(MakeCardId(id), BoardCardRules(MAINBOARD_ILMARCH), 0,
                                  IOSTD_3V3_LVTTL, "");
            },
            "FillCard: card " + std::to_string(id) + " is a memory module");
    }
}

// Every card a list may offer fills, as the dispatcher or its module fill
// does it on boards of each kind: the registry's entry count and the
// catalogue's type.
TEST(CardRegistry, EveryCardWithAMapFills) {
    const BoardId boards[] = {MAINBOARD_ILMARCH,   MAINBOARD_FENNIK,  MAINBOARD_GALDRE_X2,
                              MAINBOARD_GALDRE_X1, MAINBOARD_HOLLIN,  MAINBOARD_JORVATH,
                              MAINBOARD_KELMIS,    MAINBOARD_ZARVIK,  MAINBOARD_ZARVIK_DDR4,
                              MAINBOARD_CALVET,    MAINBOARD_GRISTEL, MAINBOARD_HARVIK};
    for (const int id : kDispatchedIds) {
        EXPECT_TRUE(HasPinMap(MakeCardId(id))) << id;
    }
    for (const int id : kModuleIds) {
        EXPECT_TRUE(HasPinMap(MakeCardId(id))) << id;
        EXPECT_EQ(FindCardEntry(MakeCardId(id))->fill, nullptr) << id;
    }
    for (int id = 0; id < kCardIdCount; ++id) {
        const CardId card = MakeCardId(id);
        if (!HasPinMap(card)) {
            continue;
        }
        const CardEntry& entry = *FindCardEntry(card);
        for (const BoardId board : boards) {
            SCOPED_TRACE(std::to_string(id) + " on board " + std::to_string(BoardNumber(board)));
            TDaughterBoard daughter;
            if (entry.module) {
                entry.module(daughter, BoardCardRules(board));
            } else {
                daughter.FillCard(card, BoardCardRules(board), 0, IOSTD_3V3_LVTTL, "");
            }
            EXPECT_EQ(daughter.GetPinCount(), entry.positions);
            EXPECT_EQ(daughter.GetType(), BoardConnectorType(card));
            EXPECT_GT(daughter.GetActivePinCount(), 0);
        }
    }
}
