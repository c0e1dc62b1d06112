#include "model/CardCatalogue.h"

#include "cards/CardRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

bool In(const std::set<int>& s, int id) {
    return s.count(id) != 0;
}

} // namespace

// The catalogue's answers over every byte value, checked against the rule
// lists (written independently of the row table).
TEST(CardCatalogue, RulesOverAllIds) {
    const std::set<int> class5 = {1, 11, 12, 13, 34, 55, 57, 58, 59, 62, 63, 66, 67, 74, 86, 89};
    const std::set<int> class2 = {82, 87, 91};
    const std::set<int> class1 = {83, 88, 92};
    const std::set<int> class4 = {90, 93, 94};
    const std::set<int> xcvr = {3,  21, 22, 23, 26, 37, 40, 41, 43, 45,
                                47, 48, 49, 51, 52, 89, 90, 91, 92};
    const std::set<int> unlisted = {4, 5, 16, 24, 25, 30, 34, 51, 52, 54, 56, 60, 64, 65, 68};
    for (int id = 0; id < 256; ++id) {
        const CardId card = MakeCardId(id);
        const Voltage expected = In(class5, id)   ? VOLTAGE_3V3
                                 : In(class2, id) ? VOLTAGE_1V8
                                 : In(class1, id) ? VOLTAGE_1V5
                                 : In(class4, id) ? VOLTAGE_3V0
                                                  : VOLTAGE_2V5;
        EXPECT_EQ(BoardVoltage(card), expected) << id;
        EXPECT_EQ(IsTransceiverBoard(card), In(xcvr, id)) << id;
        // A card without a pin map is never offered.
        EXPECT_EQ(IsBoardListed(card), !In(unlisted, id) && (id == 0 || id > 94 || HasPinMap(card)))
            << id;
        EXPECT_EQ(IsAnyVoltageBoard(card), id == 17) << id;
        EXPECT_EQ(IsNotFmcStandardBoard(card), id < 40 || id > 47) << id;
        if (id > 94) {
            EXPECT_EQ(BoardConnectorType(card), CONNECTOR_NONE) << id;
        }
        const std::set<int> nameless = {69, 70, 71, 75, 85, 93};
        EXPECT_EQ(HasBoardName(card), id <= 94 && !In(nameless, id)) << id;
    }
}

TEST(CardCatalogue, TypesOfEachConnectorKind) {
    struct Case {
        int id;
        ConnectorType type;
    };
    const Case cases[] = {{0, CONNECTOR_NONE},
                          {1, CONNECTOR_GPIO40},
                          {2, CONNECTOR_HSMC},
                          {5, CONNECTOR_KIRREL},
                          {9, CONNECTOR_DDR2_SODIMM},
                          {11, CONNECTOR_GPIO80},
                          {38, CONNECTOR_DDR3_SODIMM},
                          {39, CONNECTOR_DDR4_SODIMM},
                          {40, CONNECTOR_FMC_HPC},
                          {41, CONNECTOR_FMC_LPC},
                          {72, CONNECTOR_ERGAN_2x6},
                          {77, CONNECTOR_DDR4_SODIMM_IF},
                          {78, CONNECTOR_DDR4_SODIMM_IF_ECC},
                          {80, CONNECTOR_DDR4_SODIMM_IF},
                          {84, CONNECTOR_FMC_HPC},
                          {94, CONNECTOR_HSMC}};
    for (const Case& c : cases) {
        EXPECT_EQ(BoardConnectorType(MakeCardId(c.id)), c.type) << c.id;
    }
}

TEST(CardCatalogue, Texts) {
    EXPECT_EQ(BoardName(CARD_NONE), "None");
    EXPECT_EQ(BoardName(CARD_TAMBRY), "Tambry - 4.3\" LCD and Touch");
    EXPECT_EQ(BoardDescription(CARD_SORVEL), "HSMC Sorvel - 8\" LCD/Touch/Camera");
    EXPECT_EQ(BoardShortName(CARD_MORLET_FMC), "Morlet-FMC adpter for TI");
    EXPECT_EQ(BoardName(CARD_OSTEL_GPIO), BoardName(CARD_OSTEL_HSMC));
    EXPECT_EQ(BoardShortName(CARD_ZEPPIT), "RF and Sensor");
    EXPECT_EQ(BoardDescription(CARD_HESSEL), "");
    EXPECT_EQ(BoardName(CARD_DDR4_SODIMM_ECC), "DDR4 SODIMM with ECC");
    EXPECT_EQ(BoardName(CARD_GPIO_DEFAULT_1V8), "GPIO Default - 1.8V");
}

TEST(CardCatalogueDeathTest, MissingTextsStop) {
    EXPECT_DEATH(BoardName(MakeCardId(75)),
                 "Assertion failed: Board(Short)?Name: a card id without");
    EXPECT_DEATH(BoardShortName(CARD_DDR4_SODIMM_NO_ECC),
                 "Assertion failed: Board(Short)?Name: a card id without");
    EXPECT_DEATH(BoardDescription(MakeCardId(200)), "BoardName\\(BoardId\\)\\.Length\\(\\) > 0");
}

TEST(CardCatalogue, VoltageStandardsAndFit) {
    struct Std {
        int id;
        IoStd standard;
    };
    const Std stds[] = {{86, IOSTD_3V3_LVTTL}, {89, IOSTD_3V3_LVTTL}, {87, IOSTD_1V8},
                        {91, IOSTD_1V8},       {88, IOSTD_1V5},       {92, IOSTD_1V5},
                        {90, IOSTD_3V0_PCIX},  {94, IOSTD_3V0_PCIX},  {2, IOSTD_2V5},
                        {1, IOSTD_2V5}};
    for (const Std& s : stds) {
        EXPECT_EQ(BoardVoltageIoStandard(MakeCardId(s.id)), s.standard) << s.id;
    }
    struct Fit {
        int id;
        Voltage v;
        bool ok;
    };
    const Fit fits[] = {
        {50, VOLTAGE_3V0, false}, {50, VOLTAGE_2V5, true},  {53, VOLTAGE_3V0, false},
        {76, VOLTAGE_1V5, false}, {76, VOLTAGE_1V8, true},  {40, VOLTAGE_1V5, true},
        {12, VOLTAGE_3V3, true},  {12, VOLTAGE_2V5, false}, {82, VOLTAGE_1V8, true}};
    for (const Fit& f : fits) {
        EXPECT_EQ(IsBoardVoltageOk(MakeCardId(f.id), f.v), f.ok) << f.id;
    }
}
