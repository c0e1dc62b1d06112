// Each board's card rules come from its registry row; an id without a
// definition takes the default rules.

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/CalvetId.h"
#include "model/DaughterBoard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Case {
    BoardId board;
    int card;
    IoStd caller;
    CardStandards expected;
    GpioDefaultNaming gpioDefault;
    HsmcDefaultCase hsmcDefaultCase;
};

TEST(CardStandards, FromTheBoardsRegistryRows) {
    constexpr int kHsmcCard = 6;  // an HSMC card
    constexpr int kGpioCard = 81; // a GPIO card on Kelmis' port C
    const Case cases[] = {
        {MAINBOARD_ILMARCH,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_KELMIS,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V4_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_KELMIS,
         kGpioCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_GALDRE_X1,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_1V8},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_GALDRE_X2,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_HOLLIN,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_CALVET,
         kHsmcCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_GRISTEL,
         kHsmcCard,
         IOSTD_1V5,
         {IOSTD_1V5, IOSTD_HSSI_DIFF, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_HARVIK,
         kHsmcCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_1V8, IOSTD_HSSI_DIFF, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_ALVEK,
         kGpioCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_3V3_LVTTL, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::ClockedDataBus,
         HsmcDefaultCase::AsMapped},
        {MAINBOARD_FALMOR,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::Upper},
        {MAINBOARD_NONE,
         kHsmcCard,
         IOSTD_1V8,
         {IOSTD_1V8, IOSTD_1V5_PCML, IOSTD_2V5},
         GpioDefaultNaming::Numbered,
         HsmcDefaultCase::AsMapped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "board " << BoardNumber(c.board) << ", card " << c.card);
        const CardStandards s =
            DeriveCardStandards(BoardCardRules(c.board), MakeCardId(c.card), c.caller);
        EXPECT_EQ(s.singleEnded, c.expected.singleEnded);
        EXPECT_EQ(s.transceiver, c.expected.transceiver);
        EXPECT_EQ(s.second, c.expected.second);
        EXPECT_EQ(BoardCardRules(c.board).gpioDefault, c.gpioDefault);
        EXPECT_EQ(BoardCardRules(c.board).hsmcDefaultCase, c.hsmcDefaultCase);
    }
}

// The cards attached on the way to a project follow the board's own rules:
// the model the board's definition builds carries them.
TEST(CardRules, TheBoardModelCarriesTheDefinitionsRules) {
    int withRules = 0;
    for (const BoardDef* def : AllBoards()) {
        if (!def->HasRecord() || !def->fill) {
            continue;
        }
        SCOPED_TRACE(BoardNumber(def->id));
        std::vector<std::uint8_t> record(def->record.size);
        SetDefaultRecord(*def, record);
        EXPECT_TRUE(BuildBoardModel(*def, record)->m_CardRules == def->cardRules);
        withRules += def->cardRules == CardRules{} ? 0 : 1;
    }
    EXPECT_GT(withRules, 0); // the comparison sees rules other than the defaults
}

} // namespace
