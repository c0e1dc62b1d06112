#include "boards/cyclone5/IlmarchId.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A board connector of placeholders (direction 4, standard 60), location
// "L<position>"; the listed positions hold no pin.
TConnector* Placeholders(TMainBoard& board, ConnectorType type, int positions,
                         std::vector<int> empty = {}) {
    auto* c = board.AddConnector(new TConnector("PORT", "", type, -1));
    for (int p = 1; p <= positions; ++p) {
        if (std::find(empty.begin(), empty.end(), p) != empty.end()) {
            c->AddEmpty();
        } else {
            c->AddPin(new TPin("", "L" + std::to_string(p), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
        }
    }
    c->SetIsExpansion(true);
    c->SetConnectorId(CONNECTOR_ID_GPIO_0);
    return c;
}

// A card of the type with one pin per position "S<position>" (output, 2.5 V),
// except the listed empty positions.
std::unique_ptr<TDaughterBoard> Card(ConnectorType type, int positions,
                                     std::vector<int> empty = {}) {
    auto card = std::make_unique<TDaughterBoard>();
    card->SetType(type);
    for (int p = 1; p <= positions; ++p) {
        if (std::find(empty.begin(), empty.end(), p) != empty.end()) {
            card->AddEmpty();
        } else {
            card->AddPin(new TPin("S" + std::to_string(p), PIN_DIR_OUTPUT, IOSTD_2V5, p, false));
        }
    }
    return card;
}

} // namespace

TEST(KirrelToHsmcPin, FollowsTheMappingRule) {
    int mapped = 0;
    for (int k = 1; k <= 180; ++k) {
        int expected = -1;
        if (k == 2) {
            expected = 160;
        } else if (k >= 3 && k <= 122 && (k - 3) % 6 < 4) {
            const int g = (k - 3) / 6;
            const int offsets[] = {157, 158, 155, 156};
            expected = offsets[(k - 3) % 6] - 6 * g;
        } else if (k == 131 || k == 132) {
            expected = k - 98;
        }
        EXPECT_EQ(KirrelToHsmcPin(k), expected) << "Kirrel position " << k;
        mapped += KirrelToHsmcPin(k) != -1;
    }
    EXPECT_EQ(mapped, 83);
    EXPECT_EQ(KirrelToHsmcPin(3), 157);
    EXPECT_EQ(KirrelToHsmcPin(6), 156);
    EXPECT_EQ(KirrelToHsmcPin(117), 43);
    EXPECT_EQ(KirrelToHsmcPin(120), 42);
    EXPECT_EQ(KirrelToHsmcPin(0), -1);
    EXPECT_EQ(KirrelToHsmcPin(181), -1);
}

TEST(UpdateMasterConnector, MergesByPositionWithPrefix) {
    TMainBoard board;
    TConnector* master = Placeholders(board, CONNECTOR_GPIO40, 4);
    master->GetPin(0)->SetDirection(PIN_DIR_INOUT); // a fixed board direction wins
    master->GetPin(1)->SetIoStandard(IOSTD_1V8);    // a fixed board standard wins
    auto card = Card(CONNECTOR_GPIO40, 4, {3});
    TPin* clock = card->GetPin(3);
    clock->SetName("FYRN_D[3]");
    clock->SetIsClock(1);
    clock->SetPeriodNs(10);
    clock->SetFrequency("25.000000 MHz");
    clock->SetNote("a note");

    EXPECT_TRUE(card->UpdateMasterConnector(master, "CAM_"));
    EXPECT_EQ(master->GetAttachedType(), CONNECTOR_GPIO40);

    const TPin* p1 = master->GetPin(0);
    EXPECT_EQ(p1->GetName(), "CAM_S1");
    EXPECT_EQ(p1->GetLocation(), "L1");
    EXPECT_EQ(p1->GetDirection(), PIN_DIR_INOUT);
    EXPECT_EQ(p1->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(p1->GetPinIndex(), 1);
    EXPECT_EQ(master->GetPin(1)->GetIoStandard(), IOSTD_1V8);
    EXPECT_EQ(master->GetPin(1)->GetDirection(), PIN_DIR_OUTPUT);
    // A position the card leaves empty carries no signal, location or not.
    EXPECT_EQ(master->GetPin(2)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetPin(2)->GetLocation(), "L3");
    // Clock data, note and name come from the card pin.
    const TPin* p4 = master->GetPin(3);
    EXPECT_EQ(p4->GetName(), "CAM_FYRN_D[3]");
    EXPECT_EQ(p4->GetIsClock(), 1);
    EXPECT_EQ(p4->GetPeriodNs(), 10);
    EXPECT_EQ(p4->GetFrequency(), "25.000000 MHz");
    EXPECT_EQ(p4->GetNote(), "a note");
    EXPECT_EQ(p4->GetLocation(), "L4");
}

TEST(UpdateMasterConnector, EmptyPrefixKeepsTheNameAndEmptyEntriesStayEmpty) {
    TMainBoard board;
    TConnector* master = Placeholders(board, CONNECTOR_GPIO40, 3, {2});
    auto card = Card(CONNECTOR_GPIO40, 3);
    EXPECT_TRUE(card->UpdateMasterConnector(master, ""));
    EXPECT_EQ(master->GetPin(0)->GetName(), "S1");
    EXPECT_EQ(master->GetPin(1), nullptr); // the card signal is dropped
    EXPECT_EQ(master->GetPin(2)->GetName(), "S3");
}

TEST(UpdateMasterConnector, PositionsPastTheCard) {
    // A 160-entry card on a 180-position connector of the same type: the
    // placeholders it does not reach carry no signal, nor does a board pin
    // without a name whatever its direction; a named board pin with a
    // direction of its own (a reference clock) stays as the board made it.
    TMainBoard board;
    TConnector* master = Placeholders(board, CONNECTOR_KIRREL, 180);
    TPin* refclk = master->GetPin(170);
    refclk->SetName("REFCLK");
    refclk->SetDirection(PIN_DIR_INPUT);
    refclk->SetIoStandard(IOSTD_LVDS);
    TPin* nameless = master->GetPin(175);
    nameless->SetDirection(PIN_DIR_INOUT);
    auto card = Card(CONNECTOR_KIRREL, 160);
    EXPECT_TRUE(card->UpdateMasterConnector(master, "X_"));
    for (int i = 160; i < 180; ++i) {
        if (i == 170) {
            continue;
        }
        EXPECT_EQ(master->GetPin(i)->GetDirection(), PIN_DIR_NONE) << i;
    }
    EXPECT_EQ(refclk->GetName(), "REFCLK");
    EXPECT_EQ(refclk->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(refclk->GetIoStandard(), IOSTD_LVDS);
    EXPECT_EQ(master->GetPin(159)->GetName(), "X_S160");
}

TEST(UpdateMasterConnector, AcceptedTypePairs) {
    TMainBoard board;
    TConnector* hpc = Placeholders(board, CONNECTOR_FMC_HPC, 400);
    auto lpc = Card(CONNECTOR_FMC_LPC, 400);
    EXPECT_TRUE(lpc->UpdateMasterConnector(hpc, ""));
    EXPECT_EQ(hpc->GetPin(82)->GetName(), "S83");
    EXPECT_EQ(hpc->GetAttachedType(), CONNECTOR_FMC_LPC);

    TConnector* ecc = Placeholders(board, CONNECTOR_DDR4_SODIMM_IF_ECC, 260);
    auto noEcc = Card(CONNECTOR_DDR4_SODIMM_IF, 260);
    EXPECT_TRUE(noEcc->UpdateMasterConnector(ecc, ""));
    EXPECT_EQ(ecc->GetPin(0)->GetName(), "S1");
}

TEST(UpdateMasterConnectorDeathTest, RefusedTypePairs) {
    TMainBoard board;
    TConnector* lpc = Placeholders(board, CONNECTOR_FMC_LPC, 4);
    auto hpc = Card(CONNECTOR_FMC_HPC, 4);
    EXPECT_DEATH(hpc->UpdateMasterConnector(lpc, ""), "cannot merge onto this connector");
    TConnector* ecc = Placeholders(board, CONNECTOR_DDR4_SODIMM_IF, 4);
    auto withEcc = Card(CONNECTOR_DDR4_SODIMM_IF_ECC, 4);
    EXPECT_DEATH(withEcc->UpdateMasterConnector(ecc, ""), "cannot merge onto this connector");
}

TEST(UpdateMasterConnector, HsmcCardOnKirrelConnector) {
    TMainBoard board;
    TConnector* kirrel = Placeholders(board, CONNECTOR_KIRREL, 180);
    auto hsmc = Card(CONNECTOR_HSMC, 160, {42});
    EXPECT_TRUE(hsmc->UpdateMasterConnector(kirrel, "H_"));
    EXPECT_EQ(kirrel->GetAttachedType(), CONNECTOR_HSMC);
    EXPECT_EQ(kirrel->GetPin(1)->GetName(), "H_S160");
    EXPECT_EQ(kirrel->GetPin(1)->GetPinIndex(), 160);
    EXPECT_EQ(kirrel->GetPin(1)->GetLocation(), "L2");
    EXPECT_EQ(kirrel->GetPin(130)->GetName(), "H_S33");
    EXPECT_EQ(kirrel->GetPin(131)->GetName(), "H_S34");
    EXPECT_EQ(kirrel->GetPin(131)->GetPinIndex(), 34);
    // Kirrel 120 takes HSMC 42, which this card leaves empty.
    EXPECT_EQ(kirrel->GetPin(119)->GetDirection(), PIN_DIR_NONE);
    for (int k : {1, 7, 8, 121, 122, 123, 130, 133, 150, 180}) {
        EXPECT_EQ(kirrel->GetPin(k - 1)->GetDirection(), PIN_DIR_NONE) << "Kirrel " << k;
    }
    int active = 0;
    for (int i = 0; i < 180; ++i) {
        active += kirrel->GetPin(i)->IsActive();
    }
    EXPECT_EQ(active, 82);
}

TEST(AttachOperationsDeathTest, TypeAndConnectorAssertions) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_ILMARCH;
    Placeholders(board, CONNECTOR_GPIO40, 40);
    EXPECT_DEATH(board.AttachFmcCard(CONNECTOR_ID_GPIO_0, CARD_GPIO_DEFAULT, CardPrefix()),
                 "card 1 does not fit connector 16");
    EXPECT_DEATH(AttachHsmcCard(&board, CONNECTOR_ID_GPIO_0, CARD_FYRN, IOSTD_2V5, CardPrefix()),
                 "card 12 does not fit connector 16");
    EXPECT_DEATH(board.AttachGpioCard(CONNECTOR_ID_GPIO_0, CARD_HSMC_DEFAULT, CardPrefix(),
                                      CardBusName(), IOSTD_3V3_LVTTL),
                 "card 2 does not fit connector 16");
    EXPECT_DEATH(board.AttachGpioCard(CONNECTOR_ID_GPIO_1, CARD_FYRN, CardPrefix(), CardBusName(),
                                      IOSTD_3V3_LVTTL),
                 "the board has no expansion connector 17");
}

TEST(PrefixChecks, ClashesAndMessages) {
    struct Row {
        std::vector<CardId> cards;
        std::vector<std::string> prefixes;
        bool (*check)(int, const CardId*, const std::string*, std::string&);
        const char* message; // nullptr: no clash
    };
    const Row rows[] = {
        {{CARD_FYRN, CARD_FYRN},
         {"", ""},
         CheckGpioPrefixNames,
         "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type "
         "of daughter boards."},
        {{CARD_OSTEL_GPIO, CARD_OSTEL_GPIO}, {"", ""}, CheckGpioPrefixNames, nullptr},
        {{CARD_FYRN, CARD_FYRN}, {"A_", "a_"}, CheckGpioPrefixNames, nullptr},
        {{CARD_FYRN, CARD_TAMBRY}, {"", ""}, CheckGpioPrefixNames, nullptr},
        {{CARD_NONE, CARD_NONE}, {"", ""}, CheckGpioPrefixNames, nullptr},
        {{CARD_HSMC_DEFAULT, CARD_HSMC_DEFAULT, CARD_HSMC_DEFAULT},
         {"X", "Y", "X"},
         CheckHsmcPrefixNames,
         "HSMC-A and HSMC-C cannot have the same prefix name when both connect to the same type "
         "of daughter boards."},
        {{CARD_FMC_HPC_VITA, CARD_FMC_HPC_VITA},
         {"", ""},
         CheckFmcPrefixNames,
         "FMC-A and FMC-B cannot have the same prefix name when both connect to the same type of "
         "daughter boards."},
        {{CARD_NONE, CARD_DDR4_SODIMM_ECC, CARD_DDR4_SODIMM_ECC},
         {"", "M", "M"},
         CheckDdr4SocketPrefixNames,
         "DDR4-Socket-B and DDR4-Socket-C cannot have the same prefix name when both connect to "
         "the same type of daughter boards."},
        // The HSMC check does not exempt 80-pin cards; only the GPIO check does.
        {{CARD_OSTEL_GPIO, CARD_OSTEL_GPIO},
         {"", ""},
         CheckHsmcPrefixNames,
         "HSMC-A and HSMC-B cannot have the same prefix name when both connect to the same type "
         "of daughter boards."},
    };
    for (const Row& row : rows) {
        std::string message = "untouched";
        const bool ok = row.check(static_cast<int>(row.cards.size()), row.cards.data(),
                                  row.prefixes.data(), message);
        if (row.message) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(message, row.message);
        } else {
            EXPECT_TRUE(ok);
            EXPECT_EQ(message, "untouched");
        }
    }
}

TEST(SaveConnectorPinList, OneLinePerPosition) {
    TempDir dir;
    TConnector c("C", "", CONNECTOR_GPIO40, -1);
    c.AddPin(new TPin("GPIO[0]", PIN_DIR_INOUT, IOSTD_3V3_LVTTL, 1, false));
    c.AddEmpty();
    c.AddPin(new TPin("IN", PIN_DIR_INPUT, IOSTD_2V5, 3, false));
    const std::string file = dir.File("card.txt");
    EXPECT_TRUE(SaveConnectorPinList(c, file));
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(file, text));
    EXPECT_EQ(text, "1\tGPIO[0]\tinout \t3.3-V LVTTL\r\n2\r\n3\tIN\tinput \t2.5 V\r\n");
    EXPECT_FALSE(SaveConnectorPinList(c, dir.File("missing/card.txt")));
}

TEST(AttachGpioCard, RealCardsThroughTheDispatcher) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_ILMARCH;
    TConnector* header = Placeholders(board, CONNECTOR_GPIO40, 40, {11, 12, 29, 30});
    board.AttachGpioCard(CONNECTOR_ID_GPIO_0, CARD_GPIO_DEFAULT, CardPrefix("X_"), CardBusName(),
                         IOSTD_3V3_LVTTL);
    EXPECT_EQ(header->GetAttachedType(), CONNECTOR_GPIO40);
    EXPECT_EQ(header->GetPin(0)->GetName(), "X_GPIO[0]");
    EXPECT_EQ(header->GetPin(0)->GetLocation(), "L1");
    EXPECT_EQ(header->GetPin(0)->GetDirection(), PIN_DIR_INOUT);
    EXPECT_EQ(header->GetPin(0)->GetIoStandard(), IOSTD_3V3_LVTTL);
    EXPECT_EQ(header->GetPin(10), nullptr);
    EXPECT_EQ(header->GetPin(39)->GetName(), "X_GPIO[35]");
    EXPECT_EQ(header->GetActivePinCount(), 36);

    // The 80-pin card on both headers as one connector.
    auto* pair = board.AddConnector(new TConnector("GPIO_0_1", "", CONNECTOR_GPIO80, -1));
    for (int p = 1; p <= 80; ++p) {
        pair->AddPin(new TPin("", "P" + std::to_string(p), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
    }
    pair->SetIsExpansion(true);
    pair->SetConnectorId(CONNECTOR_ID_GPIO_PAIR);
    board.AttachGpioCard(CONNECTOR_ID_GPIO_PAIR, CARD_OSTEL_GPIO, CardPrefix(), CardBusName(),
                         IOSTD_3V3_LVTTL);
    EXPECT_EQ(pair->GetAttachedType(), CONNECTOR_GPIO80);
    EXPECT_GT(pair->GetActivePinCount(), 40);
    EXPECT_EQ(pair->GetPin(10)->GetDirection(), PIN_DIR_NONE); // a power position
    for (int i = 0; i < 80; ++i) {
        EXPECT_NE(pair->GetPin(i)->GetDirection(), PIN_DIR_FROM_CARD) << i;
    }
}
