// Each board's rule for the standards of its cards comes from its registry
// row; an id without a definition takes the default rule.

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

namespace {

struct Case {
    BoardId board;
    int card;
    IoStd caller;
    CardStandards expected;
};

TEST(CardStandards, FromTheBoardsRegistryRows) {
    constexpr int kHsmcCard = 6;  // an HSMC card
    constexpr int kGpioCard = 81; // a GPIO card on Kelmis' port C
    const Case cases[] = {
        {MAINBOARD_ILMARCH,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_KELMIS,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V4_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_KELMIS,
         kGpioCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_GALDRE_X1,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_1V8, true, false}},
        {MAINBOARD_GALDRE_X2,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V4_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_HOLLIN,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_3V0_PCIX, IOSTD_1V5_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_CALVET,
         kHsmcCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5, true, false}},
        {MAINBOARD_GRISTEL,
         kHsmcCard,
         IOSTD_1V5,
         {IOSTD_1V5, IOSTD_HSSI_DIFF, IOSTD_2V5, true, false}},
        {MAINBOARD_HARVIK,
         kHsmcCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_1V8, IOSTD_HSSI_DIFF, IOSTD_2V5, true, false}},
        {MAINBOARD_ALVEK,
         kGpioCard,
         IOSTD_3V3_LVTTL,
         {IOSTD_3V3_LVTTL, IOSTD_1V5_PCML, IOSTD_2V5, false, false}},
        {MAINBOARD_FALMOR,
         kHsmcCard,
         IOSTD_2V5,
         {IOSTD_2V5, IOSTD_1V5_PCML, IOSTD_2V5, true, true}},
        {MAINBOARD_NONE, kHsmcCard, IOSTD_1V8, {IOSTD_1V8, IOSTD_1V5_PCML, IOSTD_2V5, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "board " << BoardNumber(c.board) << ", card " << c.card);
        const CardStandards s =
            DeriveCardStandards(BoardCardStandards(c.board), MakeCardId(c.card), c.caller);
        EXPECT_EQ(s.singleEnded, c.expected.singleEnded);
        EXPECT_EQ(s.transceiver, c.expected.transceiver);
        EXPECT_EQ(s.second, c.expected.second);
        EXPECT_EQ(s.numberedGpioDefault, c.expected.numberedGpioDefault);
        EXPECT_EQ(s.upperCaseHsmcDefault, c.expected.upperCaseHsmcDefault);
    }
}

} // namespace
