// Galdre_X2, Fennik, Hollin and Kelvane through their definitions: records
// and defaults, the fillers against dump fixtures, the rules of each board
// (nodes, modes, default prefixes, the variant), and the board data's
// documented clashes and module drops.

#include "boards/BoardDump.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria2/KelvaneConfig.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/stratix3/FennikConfig.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/CONFIG_GALDRE_X2.h"
#include "boards/stratix4/GaldreX2Board.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinConfig.h"
#include "boards/stratix4/HollinId.h"
#include "generator/Pinsmith.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

using boardtest::ConnectorNames;
using boardtest::FindConnector;

namespace {

using Record = std::vector<std::uint8_t>;

const BoardDef& Def(BoardId id) {
    return *FindBoard(id);
}

Record Defaults(BoardId id) {
    Record record(Def(id).record.size);
    SetDefaultRecord(Def(id), record);
    return record;
}

Record AllTicked(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : Def(id).peripherals) {
        record[offset] = 1;
    }
    return record;
}

Record NothingTicked(BoardId id) {
    Record record = Defaults(id);
    for (const std::size_t offset : Def(id).peripherals) {
        record[offset] = 0;
    }
    return record;
}

std::unique_ptr<TMainBoard> Filled(BoardId id, const Record& record) {
    auto board = std::make_unique<TMainBoard>();
    FillBoard(Def(id), *board, record);
    return board;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name) {
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        for (int j = 0; j < c.GetPinCount(); ++j) {
            if (const TPin* p = c.GetPin(j); p && p->GetName() == name) {
                return p;
            }
        }
    }
    return nullptr;
}

// The location at a 1-based position of an expansion connector ("" for an
// empty position).
std::string LocationAt(const TMainBoard& board, ConnectorId id, int position) {
    const TConnector* c = board.GetExpansionConnector(id);
    EXPECT_TRUE(c) << static_cast<int>(id);
    const TPin* p = c ? c->GetPin(position - 1) : nullptr;
    return p ? p->GetLocation() : "";
}

// Generates a record's project; the texts of the boxes it showed.
std::vector<std::string> GenerateBoxes(BoardId id, const Record& record, bool& generated) {
    platform::ScriptedUi ui;
    TempDir dir;
    const auto board = BuildBoardModel(Def(id), record);
    TPinsmith pinsmith;
    generated = pinsmith.Generate(board.get(), dir.File("P.qpf"), false);
    std::vector<std::string> boxes;
    for (const platform::RecordedBox& box : ui.Boxes()) {
        boxes.push_back(box.text);
    }
    return boxes;
}

// --- records -----------------------------------------------------------

struct RecordDefaults {
    BoardId id;
    std::size_t size;
    int headerId;   // the board id byte of a default record
    int headerSize; // and its size field
    const char* name;
    std::size_t firstOption;
    std::vector<std::uint8_t> options;
};

TEST(StratixArriaRecords, DefaultsAsTheFormsStartWith) {
    const RecordDefaults cases[] = {
        {MAINBOARD_FENNIK, 924, 6, 924, "FENNIK", 136, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {MAINBOARD_HOLLIN, 924, 9, 924, "HOLLIN", 136, {1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1}},
        // The header stays 0 until the controls are written.
        {MAINBOARD_KELVANE, 404, 0, 0, "KELVANE", 136, {0, 1, 1, 1, 1, 1, 0, 0, 1, 0}},
        {MAINBOARD_GALDRE_X2, 1336, 7, 1336, "F1_Galdre", 136, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0,
                                                                0, 0, 0, 1, 1, 1, 0, 1, 1, 1}},
    };
    for (const RecordDefaults& c : cases) {
        SCOPED_TRACE(BoardNumber(c.id));
        const Record r = Defaults(c.id);
        ASSERT_EQ(r.size(), c.size);
        EXPECT_EQ(r[0], c.headerId);
        EXPECT_EQ(r[4] | r[5] << 8, c.headerSize);
        EXPECT_EQ(RecordFieldText(r, Def(c.id).record.projectNameOffset), c.name);
        EXPECT_EQ(Record(r.begin() + static_cast<std::ptrdiff_t>(c.firstOption),
                         r.begin() + static_cast<std::ptrdiff_t>(c.firstOption + c.options.size())),
                  c.options);
    }
    // Galdre_X2's second node: the same options, its own name.
    const Record g = Defaults(MAINBOARD_GALDRE_X2);
    EXPECT_EQ(RecordFieldText(g, 672), "F2_Galdre");
    EXPECT_TRUE(std::equal(g.begin() + 136, g.begin() + 672, g.begin() + 800));
}

// A settings file binds only at this board's size, board id and size field:
// Fennik's and Hollin's records have one size, and Kelvane's defaults do not
// load until the form has written its header.
TEST(StratixArriaRecords, FilesBindOnlyToTheirBoard) {
    TempDir dir;
    const auto write = [&](const Record& bytes) {
        const std::string file = dir.File("x.cfg");
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        EXPECT_TRUE(platform::WriteWholeFile(file, text).Complete(bytes.size()));
        return file;
    };
    Record target = Defaults(MAINBOARD_HOLLIN);
    EXPECT_FALSE(LoadBoardRecord(Def(MAINBOARD_HOLLIN), write(Defaults(MAINBOARD_FENNIK)), target));
    EXPECT_TRUE(LoadBoardRecord(Def(MAINBOARD_HOLLIN), write(Defaults(MAINBOARD_HOLLIN)), target));

    Record kelvane = Defaults(MAINBOARD_KELVANE);
    Record file = kelvane;
    EXPECT_FALSE(LoadBoardRecord(Def(MAINBOARD_KELVANE), write(file), kelvane));
    file[0] = 100;
    file[4] = 404 & 0xff;
    file[5] = 404 >> 8;
    file[136] = 1; // the variant travels with the file
    EXPECT_TRUE(LoadBoardRecord(Def(MAINBOARD_KELVANE), write(file), kelvane));
    EXPECT_EQ(kelvane[136], 1);

    // Galdre_X2 checks its board id too.
    Record galdre = Defaults(MAINBOARD_GALDRE_X2);
    file = galdre;
    file[0] = 6;
    EXPECT_FALSE(LoadBoardRecord(Def(MAINBOARD_GALDRE_X2), write(file), galdre));
}

TEST(StratixArriaRecords, CardListsOfThePorts) {
    const std::vector<std::uint8_t> hsmc = {0,  2,  6,  7,  8,  10, 14, 17, 18, 19,
                                            27, 28, 29, 31, 32, 33, 35, 36, 61};
    const std::vector<std::uint8_t> hsmcXcvr = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                                23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};
    const std::vector<std::uint8_t> fmc = {0, 42, 44, 46, 50, 53, 76, 84};
    // Card 5 has no pin map and is not offered.
    const std::vector<std::uint8_t> kirrel = {0, 6, 7, 8, 15, 20};
    const std::vector<std::uint8_t> gpio = {0, 81};
    struct Case {
        BoardId id;
        std::vector<std::vector<std::uint8_t>> lists;
    };
    const Case cases[] = {
        {MAINBOARD_GALDRE_X2, {hsmc, hsmc, hsmc, hsmc}},
        {MAINBOARD_HOLLIN, {hsmc, hsmc, fmc, fmc, fmc, fmc}},
        {MAINBOARD_KELVANE, {hsmcXcvr, hsmcXcvr}},
        {MAINBOARD_FENNIK, {gpio, gpio, kirrel, kirrel, kirrel, kirrel}},
    };
    for (const Case& c : cases) {
        const std::vector<BoardCardPort> ports = EffectivePorts(Def(c.id), Defaults(c.id));
        ASSERT_EQ(ports.size(), c.lists.size());
        for (std::size_t i = 0; i < ports.size(); ++i) {
            EXPECT_EQ(PortCardList(ports[i]), c.lists[i]) << ports[i].name;
        }
    }
}

// --- fillers against the fixtures -------------------------------------

TEST(StratixArriaFillers, EveryGroupAndConnectorMatchesTheFixture) {
    struct Case {
        BoardId id;
        const char* fixture;
        void (*edit)(Record& r);
    };
    const Case cases[] = {
        {MAINBOARD_KELVANE, "kelvane_all",
         [](Record& r) {
             r[offsetof(KELVANE_CONFIG, bVariant)] = 1;
             r[offsetof(KELVANE_CONFIG, nHsmcDaughterId)] = 6;
             r[offsetof(KELVANE_CONFIG, nHsmcDaughterId) + 1] = 7;
         }},
        {MAINBOARD_HOLLIN, "hollin_all",
         [](Record& r) {
             r[offsetof(HOLLIN_CONFIG, nHsmcDaughterId)] = 2;
             r[offsetof(HOLLIN_CONFIG, nHsmcDaughterId) + 1] = 6;
             for (int n = 0; n < 4; ++n) {
                 r[offsetof(HOLLIN_CONFIG, nFmcDaughterId) + static_cast<std::size_t>(n)] = 42;
             }
         }},
        {MAINBOARD_FENNIK, "fennik_gpio_ddr2",
         [](Record& r) {
             r[offsetof(FENNIK_CONFIG, nGpioDaughterId)] = 81;
             r[offsetof(FENNIK_CONFIG, nGpioDaughterId) + 1] = 81;
             for (int n = 0; n < 4; ++n) {
                 r[offsetof(FENNIK_CONFIG, nKirrelDaughterId) + static_cast<std::size_t>(n)] = 6;
             }
         }},
        {MAINBOARD_FENNIK, "fennik_kirrel",
         [](Record& r) {
             r[offsetof(FENNIK_CONFIG, bGPIO)] = 0;
             r[offsetof(FENNIK_CONFIG, bDDR2)] = 0;
             r[offsetof(FENNIK_CONFIG, nBoardIndex)] = 3;
             r[offsetof(FENNIK_CONFIG, nGpioDaughterId)] = 81; // outside GPIO mode: unused
             for (int n = 0; n < 4; ++n) {
                 r[offsetof(FENNIK_CONFIG, nKirrelDaughterId) + static_cast<std::size_t>(n)] = 6;
             }
         }},
        {MAINBOARD_GALDRE_X2, "galdre_x2_all",
         [](Record& r) {
             for (int n = 0; n < 4; ++n) {
                 r[8 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + static_cast<std::size_t>(n)] = 2;
             }
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        Record r = AllTicked(c.id);
        c.edit(r);
        const auto board = Filled(c.id, r);
        boardtest::ExpectFixture(*board, c.fixture);
        EXPECT_EQ(board->GetBoardId(), BoardNumber(c.id));
    }
}

TEST(StratixArriaFillers, NothingTickedAndNoCardsLeavesNoConnector) {
    for (const BoardId id :
         {MAINBOARD_GALDRE_X2, MAINBOARD_FENNIK, MAINBOARD_HOLLIN, MAINBOARD_KELVANE}) {
        const auto board = Filled(id, NothingTicked(id));
        EXPECT_EQ(board->GetConnectorCount(), 0) << BoardNumber(id);
        EXPECT_FALSE(board->GetDevice().empty());
    }
}

// Flash uses address lines 1..25, the SSRAM alone 1..20.
TEST(StratixArriaFillers, SharedBusWidthFollowsTheFlash) {
    struct Case {
        BoardId id;
        std::size_t flash, ssram;
        const char* bus;
        const char* after;
    };
    const Case cases[] = {
        {MAINBOARD_HOLLIN, offsetof(HOLLIN_CONFIG, bFlash), offsetof(HOLLIN_CONFIG, bSSRAM),
         "Flash and SSRAM Address/Data Share Bus", "SSRAM Control"},
        {MAINBOARD_GALDRE_X2, 8 + offsetof(GALDRE_X2_NODE, bFlash),
         8 + offsetof(GALDRE_X2_NODE, bSSRAM), "Flash and SRAM Address/Data Share Bus",
         "SSRAM Control"},
    };
    for (const Case& c : cases) {
        Record r = NothingTicked(c.id);
        r[c.ssram] = 1;
        auto board = Filled(c.id, r);
        EXPECT_EQ(ConnectorNames(*board), (std::vector<std::string>{c.bus, c.after}));
        const TConnector* bus = FindConnector(*board, c.bus);
        ASSERT_EQ(bus->GetPinCount(), 36);
        EXPECT_EQ(bus->GetPin(16)->GetName(), "FSM_A[1]");
        EXPECT_EQ(bus->GetPin(35)->GetName(), "FSM_A[20]");
        r[c.flash] = 1;
        board = Filled(c.id, r);
        EXPECT_EQ(FindConnector(*board, c.bus)->GetPinCount(), 41);
        EXPECT_EQ(FindConnector(*board, c.bus)->GetPin(40)->GetName(), "FSM_A[25]");
    }
}

// The push buttons are board inputs.
TEST(StratixArriaFillers, ButtonsAreInputs) {
    for (const BoardId id : {MAINBOARD_GALDRE_X2, MAINBOARD_FENNIK, MAINBOARD_HOLLIN}) {
        const auto board = Filled(id, AllTicked(id));
        const TPin* button = FindPin(*board, "BUTTON[0]");
        ASSERT_TRUE(button) << BoardNumber(id);
        EXPECT_EQ(button->GetDirection(), PIN_DIR_INPUT) << BoardNumber(id);
    }
}

// --- Galdre_X2 ---------------------------------------------------------

TEST(GaldreX2, SharedBusNameFromItsParts) {
    struct Case {
        bool lcd, temp, eeprom;
        const char* name;
    };
    const Case cases[] = {
        {true, true, true, "LCD+Temperatur+EEPROM"},
        {false, true, false, "Temperatur"},
        {false, false, true, "EEPROM"},
        {true, false, true, "LCD+EEPROM"},
        {false, false, false, ""},
    };
    for (const Case& c : cases) {
        GALDRE_X2_NODE node{};
        node.bLCD = c.lcd;
        node.bTemp = c.temp;
        node.bEEPROM = c.eeprom;
        EXPECT_EQ(GaldreX2SharedBusName(node), c.name);
    }
    // Only the EEPROM: the LCD group comes with it.
    Record r = NothingTicked(MAINBOARD_GALDRE_X2);
    r[8 + offsetof(GALDRE_X2_NODE, bEEPROM)] = 1;
    EXPECT_EQ(ConnectorNames(*Filled(MAINBOARD_GALDRE_X2, r)),
              (std::vector<std::string>{"16x2 Character LCD", "EEPROM I2C Shared Bus"}));
}

// The second node's fields make the same pin model as the first's, and the
// definition builds it from the node view.
TEST(GaldreX2, BothNodesGiveTheSamePinModel) {
    const BoardDef& def = Def(MAINBOARD_GALDRE_X2);
    Record r = AllTicked(MAINBOARD_GALDRE_X2);
    r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 2] = 6;
    r[672 + offsetof(GALDRE_X2_NODE, bDDR2)] = 1;
    // Node 1 as node 0 was: the same settings, its own cards.
    std::copy(r.begin() + 8 + 128, r.begin() + 8 + 148, r.begin() + 672 + 128);
    r[672 + offsetof(GALDRE_X2_NODE, bDDR2)] = 1;
    const Record view = galdre_x2::NodeView(r, 1);
    EXPECT_EQ(galdre_x2::NodeView(view, 1), r);

    TMainBoard direct;
    CONFIG_GALDRE_X2(&direct, RecordAs<GALDRE_X2_CONFIG>(r), 1);
    const auto viaView = Filled(MAINBOARD_GALDRE_X2, view);
    EXPECT_EQ(boardtest::Dump(direct), boardtest::Dump(*viaView));
    EXPECT_TRUE(FindConnector(direct, "HSMC-C"));
    EXPECT_FALSE(FindConnector(*Filled(MAINBOARD_GALDRE_X2, r), "HSMC-C"));

    // Node 1 with node 0's settings: identical models.
    Record same = AllTicked(MAINBOARD_GALDRE_X2);
    TMainBoard node0, node1;
    CONFIG_GALDRE_X2(&node0, RecordAs<GALDRE_X2_CONFIG>(same), 0);
    std::copy(same.begin() + 8 + 128, same.begin() + 672, same.begin() + 672 + 128);
    CONFIG_GALDRE_X2(&node1, RecordAs<GALDRE_X2_CONFIG>(same), 1);
    EXPECT_EQ(boardtest::Dump(node0), boardtest::Dump(node1));
    // The definition's model of the view carries node 1's cards.
    EXPECT_TRUE(
        BuildBoardModel(def, view)->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_HSMC_A, 2)));
}

TEST(GaldreX2, MendKeepsNoControllerFlagAndMendsBothNodes) {
    Record r = Defaults(MAINBOARD_GALDRE_X2);
    r[1] = 3;
    r[8 + offsetof(GALDRE_X2_NODE, bMax2)] = 1;
    r[672 + offsetof(GALDRE_X2_NODE, bMax2)] = 5;
    r[672 + offsetof(GALDRE_X2_NODE, bLED)] = 9;
    r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId)] = 3; // transceiver card: not offered
    SetRecordFieldText(r, 672 + offsetof(GALDRE_X2_NODE, szHSMCPrefixName), "X_");
    r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 1] = 6;
    MendRecord(Def(MAINBOARD_GALDRE_X2), r);
    EXPECT_EQ(r[1], 0);
    EXPECT_EQ(r[8 + offsetof(GALDRE_X2_NODE, bMax2)], 0);
    EXPECT_EQ(r[672 + offsetof(GALDRE_X2_NODE, bMax2)], 0);
    EXPECT_EQ(r[672 + offsetof(GALDRE_X2_NODE, bLED)], 1);
    EXPECT_EQ(r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId)], 0);
    EXPECT_EQ(RecordFieldText(r, 672 + offsetof(GALDRE_X2_NODE, szHSMCPrefixName)), "");
    EXPECT_EQ(r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 1], 6);
    // A mended record fills without stopping.
    EXPECT_TRUE(BuildBoardModel(Def(MAINBOARD_GALDRE_X2), galdre_x2::NodeView(r, 1)));
}

// Same card and prefix on two ports of the node shown: refused, the first
// pair named; on the two nodes: allowed. No default prefix.
TEST(GaldreX2, PrefixRulePerNode) {
    Record r = Defaults(MAINBOARD_GALDRE_X2);
    r[8 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 1] = 2;
    r[8 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 3] = 2;
    std::string message;
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_GALDRE_X2), r, message));
    EXPECT_EQ(message, "HSMC-B and HSMC-D cannot have the same prefix name when both connect to "
                       "the same type of daughter boards.");
    r[8 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 3] = 0;
    r[672 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 1] = 2;
    EXPECT_TRUE(CheckRecord(Def(MAINBOARD_GALDRE_X2), r, message)) << message;
    EXPECT_TRUE(CheckRecord(Def(MAINBOARD_GALDRE_X2), galdre_x2::NodeView(r, 1), message));
    // The card keeps its names: no prefix is put before them.
    const auto board = BuildBoardModel(Def(MAINBOARD_GALDRE_X2), r);
    const TConnector* b = board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_HSMC_A, 1));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->GetPin(154)->GetName().rfind("CLK", 0), 0u) << b->GetPin(154)->GetName();
}

// --- Fennik ------------------------------------------------------------

TEST(Fennik, DevicesAndSpeedGrades) {
    struct Case {
        int index;
        const char* device;
        int grade;
    };
    const Case cases[] = {{0, "EP3SL150F1152C3", 2}, {1, "EP3SE260F1152C2", 2},
                          {2, "EP3SL340H1152C2", 2}, {3, "EP3SL340H1152C3", 3},
                          {4, "EP3SL150F1152C3", 2}, {7, "", 2}};
    for (const Case& c : cases) {
        Record r = NothingTicked(MAINBOARD_FENNIK);
        r[1] = static_cast<std::uint8_t>(c.index);
        const auto board = Filled(MAINBOARD_FENNIK, r);
        EXPECT_EQ(board->GetDevice(), c.device) << c.index;
        EXPECT_EQ(board->GetSpeedGrade(), c.grade) << c.index;
    }
    Record r = Defaults(MAINBOARD_FENNIK);
    r[1] = 7;
    MendRecord(Def(MAINBOARD_FENNIK), r);
    EXPECT_EQ(r[1], 0);
}

// GPIO mode takes KIRREL-A away, DDR2 mode KIRREL-B; the mended record
// keeps no card on a port its mode takes away, and the prefix rules skip it.
TEST(Fennik, ModesTakePortsAway) {
    const std::size_t kirrel = offsetof(FENNIK_CONFIG, nKirrelDaughterId);
    const std::size_t gpio = offsetof(FENNIK_CONFIG, nGpioDaughterId);
    Record r = Defaults(MAINBOARD_FENNIK);
    r[gpio] = 81;
    r[kirrel] = 6;
    r[kirrel + 1] = 6;
    r[kirrel + 2] = 6;
    std::string message;
    MendRecord(Def(MAINBOARD_FENNIK), r);
    EXPECT_EQ(r[gpio], 0) << "outside GPIO mode";
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_FENNIK), r, message));
    EXPECT_EQ(message, "KIRREL-A and KIRREL-B cannot have the same prefix name when both connect "
                       "to the same type of daughter boards.");

    r[offsetof(FENNIK_CONFIG, bGPIO)] = 1;
    r[offsetof(FENNIK_CONFIG, bDDR2)] = 1;
    r[gpio] = 81;
    r[gpio + 1] = 81;
    MendRecord(Def(MAINBOARD_FENNIK), r);
    EXPECT_EQ(r[kirrel], 0);
    EXPECT_EQ(r[kirrel + 1], 0);
    EXPECT_EQ(r[kirrel + 2], 6);
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_FENNIK), r, message));
    EXPECT_EQ(message, "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to "
                       "the same type of daughter boards.");
    SetRecordFieldText(r, offsetof(FENNIK_CONFIG, szGpioPrefixName), "A_");
    EXPECT_TRUE(CheckRecord(Def(MAINBOARD_FENNIK), r, message)) << message;
    const auto board = BuildBoardModel(Def(MAINBOARD_FENNIK), r);
    EXPECT_EQ(ConnectorNames(*board).back(), "KIRREL-C");
    EXPECT_TRUE(FindPin(*board, "A_GPIO_D[0]"));
    EXPECT_TRUE(FindPin(*board, "GPIO_CLKIN[0]"));

    // KIRREL-A and -C alike: the pair A, C is named.
    r = Defaults(MAINBOARD_FENNIK);
    r[kirrel] = 7;
    r[kirrel + 2] = 7;
    r[kirrel + 1] = 8;
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_FENNIK), r, message));
    EXPECT_NE(message.find("KIRREL-A and KIRREL-C"), std::string::npos) << message;
}

// An empty project name and a prefix clash: Fennik and Kelvane name the
// clash of their headers or HSMC ports (the last failed check), Fennik's
// Kirrel rule runs only after both passed; other boards name the name.
TEST(StratixArriaRecords, EmptyNameAndAPrefixClash) {
    const std::string empty = "Project Name cannot be empty.";
    const auto clash = [](const char* a, const char* b) {
        return std::string(a) + " and " + b +
               " cannot have the same prefix name when both connect to the same type of "
               "daughter boards.";
    };
    const auto sameCard = [](BoardId id, int p, int q) {
        const BoardDef& def = Def(id);
        Record r = Defaults(id);
        const std::vector<std::uint8_t> list = PortCardList(def.ports[static_cast<std::size_t>(p)]);
        r[def.ports[static_cast<std::size_t>(p)].cardOffset] = list.at(1);
        r[def.ports[static_cast<std::size_t>(q)].cardOffset] = list.at(1);
        return r;
    };
    Record fennikGpio = Defaults(MAINBOARD_FENNIK);
    fennikGpio[offsetof(FENNIK_CONFIG, bGPIO)] = 1;
    fennikGpio[offsetof(FENNIK_CONFIG, nGpioDaughterId)] = 81;
    fennikGpio[offsetof(FENNIK_CONFIG, nGpioDaughterId) + 1] = 81;
    struct Case {
        BoardId id;
        Record record;
        std::string message;
    };
    const std::vector<Case> cases = {
        {MAINBOARD_FENNIK, fennikGpio, clash("GPIO-0", "GPIO-1")},
        {MAINBOARD_FENNIK, sameCard(MAINBOARD_FENNIK, 2, 3), empty},
        {MAINBOARD_KELVANE, sameCard(MAINBOARD_KELVANE, 0, 1), clash("HSMC-A", "HSMC-B")},
        {MAINBOARD_KELVANE, Defaults(MAINBOARD_KELVANE), empty},
        {MAINBOARD_GALDRE_X2, sameCard(MAINBOARD_GALDRE_X2, 0, 1), empty},
        {MAINBOARD_HOLLIN, sameCard(MAINBOARD_HOLLIN, 0, 1), empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Def(c.id).title);
        Record r = c.record;
        SetRecordFieldText(r, Def(c.id).record.projectNameOffset, "");
        std::string message;
        EXPECT_FALSE(CheckRecord(Def(c.id), r, message));
        EXPECT_EQ(message, c.message);
        // With a name, the clash alone.
        SetRecordFieldText(r, Def(c.id).record.projectNameOffset, "Named");
        EXPECT_EQ(CheckRecord(Def(c.id), r, message),
                  c.message == empty && c.record == Defaults(c.id));
    }
}

// --- Hollin ------------------------------------------------------------

TEST(Hollin, FmcI2cPinsPerPortPair) {
    struct Case {
        std::vector<int> ports;
        std::vector<std::string> pins;
    };
    const Case cases[] = {
        {{}, {}},
        {{0}, {"FMAB_CLK", "FMAB_SDA"}},
        {{1}, {"FMAB_CLK", "FMAB_SDA"}},
        {{2}, {"FMCD_CLK", "FMCD_SDA"}},
        {{1, 3}, {"FMAB_CLK", "FMAB_SDA", "FMCD_CLK", "FMCD_SDA"}},
    };
    for (const Case& c : cases) {
        Record r = NothingTicked(MAINBOARD_HOLLIN);
        for (const int n : c.ports) {
            r[offsetof(HOLLIN_CONFIG, nFmcDaughterId) + static_cast<std::size_t>(n)] = 46;
        }
        const auto board = Filled(MAINBOARD_HOLLIN, r);
        const TConnector* i2c = FindConnector(*board, "FMC I2C");
        std::vector<std::string> pins;
        for (int j = 0; i2c && j < i2c->GetPinCount(); ++j) {
            pins.push_back(i2c->GetPin(j)->GetName());
        }
        EXPECT_EQ(pins, c.pins);
        EXPECT_EQ(i2c != nullptr, !c.ports.empty());
    }
}

// The fixed HSMC positions: 33/34 keep 2.5 V, 40 is a 1.5 V input, 96/98
// inputs whatever the card says.
TEST(Hollin, FixedHsmcPositionsOutlastTheCard) {
    Record r = NothingTicked(MAINBOARD_HOLLIN);
    r[offsetof(HOLLIN_CONFIG, nHsmcDaughterId)] = 19; // loopback: drives every position
    const auto board = BuildBoardModel(Def(MAINBOARD_HOLLIN), r);
    const TConnector* a = board->GetExpansionConnector(CONNECTOR_ID_HSMC_A);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetPin(32)->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(a->GetPin(33)->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(a->GetPin(39)->GetIoStandard(), IOSTD_1V5);
    for (const int p : {40, 96, 98}) {
        if (a->GetPin(p - 1)->IsActive()) {
            EXPECT_EQ(a->GetPin(p - 1)->GetDirection(), PIN_DIR_INPUT) << p;
        }
    }
}

// HSMC Default takes "HSMA_"/"HSMB_" on a port without a prefix, names its
// clock pairs after the port; the prefix rule sees the typed prefixes.
TEST(Hollin, HsmcDefaultPrefixesAndPortNames) {
    const std::size_t card = offsetof(HOLLIN_CONFIG, nHsmcDaughterId);
    const std::size_t prefix = offsetof(HOLLIN_CONFIG, szHsmcPrefixName);
    Record r = NothingTicked(MAINBOARD_HOLLIN);
    r[card] = 2;
    r[card + 1] = 2;
    std::string message;
    EXPECT_FALSE(CheckRecord(Def(MAINBOARD_HOLLIN), r, message));
    EXPECT_EQ(message, "HSMC-A and HSMC-B cannot have the same prefix name when both connect to "
                       "the same type of daughter boards.");
    SetRecordFieldText(r, prefix + kRecordTextSize, "B_");
    ASSERT_TRUE(CheckRecord(Def(MAINBOARD_HOLLIN), r, message)) << message;
    const auto board = BuildBoardModel(Def(MAINBOARD_HOLLIN), r);
    EXPECT_EQ(LocationAt(*board, CONNECTOR_ID_HSMC_A, 155), "H21");
    EXPECT_EQ(board->GetExpansionConnector(CONNECTOR_ID_HSMC_A)->GetPin(154)->GetName(),
              "HSMA_CLKOUT_p2");
    EXPECT_EQ(
        board->GetExpansionConnector(ConnectorIdAt(CONNECTOR_ID_HSMC_A, 1))->GetPin(154)->GetName(),
        "B_OUT_p2");
    EXPECT_EQ(RecordFieldText(r, prefix), "");
}

// FMC prefixes are not checked: one card and one prefix on two ports pass
// the checks and meet the duplicate-signal refusal at Generate.
TEST(Hollin, SameFmcCardTwiceIsRefusedAtGenerate) {
    Record r = NothingTicked(MAINBOARD_HOLLIN);
    r[offsetof(HOLLIN_CONFIG, nFmcDaughterId)] = 46;
    r[offsetof(HOLLIN_CONFIG, nFmcDaughterId) + 1] = 46;
    std::string message;
    ASSERT_TRUE(CheckRecord(Def(MAINBOARD_HOLLIN), r, message)) << message;
    bool generated = true;
    const std::vector<std::string> boxes = GenerateBoxes(MAINBOARD_HOLLIN, r, generated);
    EXPECT_FALSE(generated);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("is used by both FMC-A and FMC-B"), std::string::npos) << boxes[0];
}

// --- Kelvane -----------------------------------------------------------

TEST(Kelvane, VariantAddsAClockAndTwoLeds) {
    for (const int variant : {0, 1}) {
        Record r = Defaults(MAINBOARD_KELVANE);
        r[offsetof(KELVANE_CONFIG, bVariant)] = static_cast<std::uint8_t>(variant);
        const auto board = Filled(MAINBOARD_KELVANE, r);
        EXPECT_EQ(FindConnector(*board, "CLOCK")->GetPinCount(), 6 + variant);
        EXPECT_EQ(FindConnector(*board, "LED")->GetPinCount(), 6 + 2 * variant);
        EXPECT_EQ(FindPin(*board, "CLK_155_P")->GetPeriodNs(), 6);
        EXPECT_EQ(FindPin(*board, "CLK_155_P")->GetIoStandard(), IOSTD_DIFF_LVPECL);
    }
}

// --- the boards' data: fixed positions, clashes, module drops -----------

struct MapPosition {
    BoardId id;
    ConnectorId connector;
    int position;
    const char* location; // "" for an empty position
};

// Sample positions of every map, the ends and the places the documented
// clashes sit on.
TEST(StratixArriaData, FixedPositionsOfTheMaps) {
    const ConnectorId ddr2 = CONNECTOR_ID_DDR2_SODIMM;
    const ConnectorId a = CONNECTOR_ID_HSMC_A;
    const ConnectorId b = ConnectorIdAt(CONNECTOR_ID_HSMC_A, 1);
    const ConnectorId c = ConnectorIdAt(CONNECTOR_ID_HSMC_A, 2);
    const ConnectorId d = ConnectorIdAt(CONNECTOR_ID_HSMC_A, 3);
    const MapPosition cases[] = {
        {MAINBOARD_GALDRE_X2, ddr2, 4, "AW34"}, {MAINBOARD_GALDRE_X2, ddr2, 200, "AW25"},
        {MAINBOARD_GALDRE_X2, a, 17, "M36"},    {MAINBOARD_GALDRE_X2, a, 16, ""},
        {MAINBOARD_GALDRE_X2, a, 108, "K6"},    {MAINBOARD_GALDRE_X2, b, 158, "AE5"},
        {MAINBOARD_GALDRE_X2, c, 32, ""},       {MAINBOARD_GALDRE_X2, c, 39, "AF29"},
        {MAINBOARD_GALDRE_X2, d, 158, "W35"},   {MAINBOARD_KELVANE, ddr2, 180, "AE24"},
        {MAINBOARD_KELVANE, ddr2, 189, "AE21"}, {MAINBOARD_KELVANE, ddr2, 175, "AF24"},
        {MAINBOARD_KELVANE, ddr2, 185, "AF25"}, {MAINBOARD_KELVANE, ddr2, 84, "C6"},
        {MAINBOARD_KELVANE, b, 72, "AE21"},     {MAINBOARD_KELVANE, b, 66, "AF24"},
        {MAINBOARD_KELVANE, b, 67, "AF25"},     {MAINBOARD_KELVANE, b, 146, "C6"},
        {MAINBOARD_KELVANE, b, 68, "AE23"},     {MAINBOARD_KELVANE, a, 160, "U3"},
        {MAINBOARD_KELVANE, a, 159, ""},        {MAINBOARD_HOLLIN, a, 33, "D20"},
        {MAINBOARD_HOLLIN, b, 158, "AA40"},
    };
    for (const MapPosition& m : cases) {
        Record r = NothingTicked(m.id);
        const BoardDef& def = Def(m.id);
        for (const BoardCardPort& port : EffectivePorts(def, r)) {
            r[port.cardOffset] = PortCardList(port)[1];
        }
        for (const std::size_t offset : def.peripherals) {
            const bool ddr =
                (m.id == MAINBOARD_KELVANE && offset == offsetof(KELVANE_CONFIG, bDDR2)) ||
                (m.id == MAINBOARD_GALDRE_X2 && offset == 8 + offsetof(GALDRE_X2_NODE, bDDR2));
            r[offset] = ddr ? 1 : 0;
        }
        const auto board = Filled(m.id, r);
        EXPECT_EQ(LocationAt(*board, m.connector, m.position), m.location)
            << BoardNumber(m.id) << " connector " << static_cast<int>(m.connector) << " position "
            << m.position;
    }
    Record h = NothingTicked(MAINBOARD_HOLLIN);
    h[offsetof(HOLLIN_CONFIG, bDDR3)] = 1;
    h[offsetof(HOLLIN_CONFIG, nFmcDaughterId) + 3] = 46;
    const auto hollin = Filled(MAINBOARD_HOLLIN, h);
    EXPECT_EQ(LocationAt(*hollin, CONNECTOR_ID_DDR3_SODIMM, 202), "C23");
    EXPECT_EQ(LocationAt(*hollin, ConnectorIdAt(CONNECTOR_ID_FMC_A, 3), 399), "");
    EXPECT_EQ(LocationAt(*hollin, ConnectorIdAt(CONNECTOR_ID_FMC_A, 3), 398), "E40");
    Record f = NothingTicked(MAINBOARD_FENNIK);
    f[offsetof(FENNIK_CONFIG, nKirrelDaughterId) + 3] = 6;
    const auto fennik = Filled(MAINBOARD_FENNIK, f);
    const ConnectorId kd = ConnectorIdAt(CONNECTOR_ID_KIRREL_A, 3);
    EXPECT_EQ(LocationAt(*fennik, kd, 123), "M29");
    EXPECT_EQ(LocationAt(*fennik, kd, 124), "A19");
    EXPECT_EQ(LocationAt(*fennik, kd, 131), "R30");
    EXPECT_EQ(LocationAt(*fennik, kd, 132), "R29");
}

// Board pins that the board's data places on a pin another pin also uses.
TEST(StratixArriaData, DocumentedOnBoardClashes) {
    Record r = AllTicked(MAINBOARD_GALDRE_X2);
    const auto galdre = Filled(MAINBOARD_GALDRE_X2, r);
    EXPECT_EQ(FindPin(*galdre, "TEMP_CLK")->GetLocation(), "P4");
    EXPECT_EQ(FindPin(*galdre, "FPGA_TX_p[3]")->GetLocation(), "P4");
    EXPECT_EQ(FindPin(*galdre, "TEMP_INT_n")->GetLocation(), "N2");
    EXPECT_EQ(FindPin(*galdre, "FPGA_RX_p[4]")->GetLocation(), "N2");
    EXPECT_EQ(FindPin(*galdre, "SW[1]")->GetLocation(), "K6");
    // The pins without a settled location have none.
    for (const char* name : {"LCD_PWR_ON", "LCD_BL_ON", "I2C_SDA", "I2C_SCL"}) {
        EXPECT_EQ(FindPin(*galdre, name)->GetLocation(), "") << name;
    }
    Record k = AllTicked(MAINBOARD_KELVANE);
    k[offsetof(KELVANE_CONFIG, bVariant)] = 1;
    const auto kelvane = Filled(MAINBOARD_KELVANE, k);
    EXPECT_EQ(FindPin(*kelvane, "HSMB_TX_LED")->GetLocation(), "AE24");
    EXPECT_EQ(FindPin(*kelvane, "HSMB_RX_LED")->GetLocation(), "AE23");
}

// DDR2 module signals the socket maps leave without an FPGA pin; a
// placeholder where the module has no pin stays off after the attach.
TEST(StratixArriaData, Ddr2MapsDropModuleSignals) {
    struct Case {
        BoardId id;
        std::size_t ddr2;
        std::vector<int> dropped;
        std::vector<int> offAfterAttach;
        int active;
    };
    const Case cases[] = {
        {MAINBOARD_GALDRE_X2, 8 + offsetof(GALDRE_X2_NODE, bDDR2), {197}, {196}, 124},
        {MAINBOARD_FENNIK, offsetof(FENNIK_CONFIG, bDDR2), {30, 195, 197, 198}, {199}, 121},
        {MAINBOARD_KELVANE,
         offsetof(KELVANE_CONFIG, bDDR2),
         {11, 29, 49, 68, 129, 146, 167, 186, 195, 197, 198, 200},
         {},
         112},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(BoardNumber(c.id));
        Record r = NothingTicked(c.id);
        r[c.ddr2] = 1;
        const auto board = BuildBoardModel(Def(c.id), r);
        const TConnector* socket = board->GetExpansionConnector(CONNECTOR_ID_DDR2_SODIMM);
        ASSERT_TRUE(socket);
        ASSERT_EQ(socket->GetPinCount(), 200);
        for (const int p : c.dropped) {
            EXPECT_EQ(socket->GetPin(p - 1), nullptr) << p;
        }
        for (const int p : c.offAfterAttach) {
            ASSERT_TRUE(socket->GetPin(p - 1)) << p;
            EXPECT_FALSE(socket->GetPin(p - 1)->IsActive()) << p;
        }
        EXPECT_EQ(socket->GetActivePinCount(),
                  c.active - static_cast<int>(c.offAfterAttach.size()));
        for (int j = 0; j < socket->GetPinCount(); ++j) {
            if (const TPin* p = socket->GetPin(j); p && p->IsActive()) {
                EXPECT_EQ(p->GetName().rfind("mem_", 0), 0u) << j + 1;
            }
        }
    }
}

} // namespace
