// The unlisted GPIO, Ergan and FMC cards and the memory modules on board
// connectors: every map groups into ports without a clash, and projects
// written with them through each attach operation pass the real-tool checks.
// The projects put many connectors side by side under distinct prefixes, so
// that the tools run once for a whole family.

#include "boards/Boards.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/stratix5/CalvetId.h"
#include "cards/FmcMemoryCases.h"
#include "model/PinParsing.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace cards_test;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) {
        all += l + "\n";
    }
    return all;
}

std::string BoxTexts(const platform::ScriptedUi& ui) {
    std::string all;
    for (const auto& box : ui.Boxes()) {
        all += box.text + "\n";
    }
    return all;
}

// A board connector of the type: a placeholder (direction 4, standard 60)
// with a location of its own at every position but the empty ones.
TConnector* AddPlaceholders(TMainBoard& board, const std::string& name, ConnectorType type,
                            int positions, const std::function<bool(int)>& empty, int cardId,
                            ConnectorId id) {
    auto* c = board.AddConnector(new TConnector(name, "", type, cardId));
    for (int p = 1; p <= positions; ++p) {
        if (empty && empty(p)) {
            c->AddEmpty();
        } else {
            c->AddPin(new TPin("", name + "_" + std::to_string(p), PIN_DIR_FROM_CARD,
                               IOSTD_FROM_CARD, 0));
        }
    }
    c->SetIsExpansion(true);
    c->SetConnectorId(id);
    return c;
}

// A bus whose bits lack one in the middle: the writer declares the whole
// span (gaps are not reported), so the missing bit becomes a port bit without
// a pin. Card 54 names its USB controller's control line 7 by its function
// (USBFX3_CTL7_PKTEND_n) beside USBFX3_CTL[6] and USBFX3_CTL[8..10].
int GapBits(const MapCase& c) {
    return std::string(c.fixture) == "fmc_54" ? 1 : 0;
}

} // namespace

// A name used twice, a bus whose bits disagree in direction or two names that
// differ only in letter case would stop the top-level writer; every active
// pin is one port bit, but for the gaps above.
TEST(FmcMemoryPorts, GroupWithoutClash) {
    for (const MapCase& c : AllMapCases()) {
        SCOPED_TRACE(c.fixture);
        platform::ScriptedUi ui;
        TMainBoard board;
        const std::vector<int> empty(c.emptyOnBoard);
        TConnector* master = AddPlaceholders(
            board, "PORT", ConnectorTypeOf(c), PositionsOf(c.kind),
            [&](int p) { return std::find(empty.begin(), empty.end(), p) != empty.end(); },
            CardNumber(c.card), CONNECTOR_ID_FMC_A);
        TDaughterBoard card;
        c.fill(card);
        card.SetType(ConnectorTypeOf(c));
        int dropped = 0; // card pins where the board has none
        for (const int p : empty) {
            dropped += card.GetPin(p - 1) != nullptr;
        }
        ASSERT_TRUE(card.UpdateMasterConnector(master, "P_"));

        TPinParsing parsing;
        ASSERT_TRUE(parsing.Parse(*master)) << BoxTexts(ui);
        EXPECT_TRUE(ui.Boxes().empty());
        int bits = 0;
        for (int i = 0; i < parsing.GetPortCount(); ++i) {
            const PORT_INFO& port = parsing.GetPort(i);
            bits += port.IsBus ? port.Msb - port.Lsb + 1 : 1;
        }
        EXPECT_EQ(master->GetActivePinCount(), c.pins - dropped);
        EXPECT_EQ(bits, c.pins - dropped + GapBits(c));
    }
}

namespace {

// One connector of a project and how a board attaches its card.
struct Socket {
    const char* name; // also the prefix, with "_" after it
    ConnectorType type;
    int positions;
    std::function<bool(int)> empty; // positions the connector has no pin at
    int cardId;                     // as the board's filler sets it; -1 for none
    std::function<void(TMainBoard&, ConnectorId, const CardPrefix&)> attach;
};

// Attaches through the dispatcher on another board's behalf and merges, for
// the maps only other boards choose.
std::function<void(TMainBoard&, ConnectorId, const CardPrefix&)>
FillAndMerge(std::function<void(TDaughterBoard&)> fill) {
    return [fill](TMainBoard& board, ConnectorId id, const CardPrefix& prefix) {
        TDaughterBoard card;
        fill(card);
        ASSERT_TRUE(card.UpdateMasterConnector(board.GetExpansionConnector(id), prefix.text));
    };
}

// Generates one project with the sockets on board 37 and runs the tools,
// which find no problem. The port bits listed have no pin: the .qsf makes
// them virtual pins.
void CheckProjectWith(const std::vector<Socket>& sockets,
                      const std::vector<std::string>& bitsWithoutPin = {}) {
    platform::ScriptedUi ui;
    TempDir dir;
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    for (std::size_t k = 0; k < sockets.size(); ++k) {
        const Socket& s = sockets[k];
        const ConnectorId id = ConnectorIdAt(CONNECTOR_ID_NONE, 100 + static_cast<int>(k));
        TConnector* c = AddPlaceholders(board, s.name, s.type, s.positions, s.empty, s.cardId, id);
        s.attach(board, id, CardPrefix(std::string(s.name) + "_"));
        EXPECT_GT(c->GetActivePinCount(), 0) << s.name;
    }
    TPinsmith writer;
    ASSERT_TRUE(writer.Generate(&board, dir.File("cards.qpf"), false)) << BoxTexts(ui);
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts(ui);
    const std::vector<std::string> problems = checker::CheckProject(dir.Path(), "cards");
    EXPECT_TRUE(problems.empty()) << Joined(problems);
    std::string qsf;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("cards.qsf"), qsf));
    for (const std::string& bit : bitsWithoutPin) {
        EXPECT_NE(qsf.find("set_instance_assignment -name VIRTUAL_PIN ON -to " + bit + "\r\n"),
                  std::string::npos)
            << bit;
    }
}

bool OutsideLpcRows(int position) {
    const char row = FmcRowOf(position);
    return row != 'C' && row != 'D' && row != 'G' && row != 'H';
}

bool Board36SocketGap(int position) {
    return position == 138 || position == 140;
}

} // namespace

// The unlisted GPIO header cards through the holders' GPIO attach, the Ergan
// cards through theirs, each with the port's standard.
TEST(FmcMemoryProject, HeaderCardsPassTheTools) {
    static const char* const kNames[] = {"C24", "C25", "C30", "C34", "C64", "C65", "C68"};
    const int ids[] = {24, 25, 30, 34, 64, 65, 68};
    std::vector<Socket> sockets;
    for (std::size_t k = 0; k < std::size(ids); ++k) {
        const CardId card = MakeCardId(ids[k]);
        sockets.push_back({kNames[k], CONNECTOR_GPIO40, 40, nullptr, ids[k],
                           [card](TMainBoard& board, ConnectorId c, const CardPrefix& prefix) {
                               AttachGpioCard(&board, c, card, IOSTD_2V5, CardBusName(), prefix);
                           }});
    }
    for (const CardId card : {CARD_ERGAN_DEFAULT, CARD_WOLLE}) {
        sockets.push_back({card == CARD_WOLLE ? "C73" : "C72", CONNECTOR_ERGAN_2x6, 8, nullptr,
                           CardNumber(card),
                           [card](TMainBoard& board, ConnectorId c, const CardPrefix& prefix) {
                               AttachErganCard(&board, c, card, IOSTD_2V5, prefix);
                           }});
    }
    CheckProjectWith(sockets);
}

// Every FMC card on an HPC connector through the board's FMC attach
// (standard 8), and card 40's board-31 map filled with that board's id.
TEST(FmcMemoryProject, FmcCardsOnHpcPassTheTools) {
    static const char* const kNames[] = {
        "C40", "C41", "C42", "C43", "C44", "C45", "C46", "C47", "C48",
        "C49", "C50", "C51", "C52", "C53", "C54", "C76", "C84",
    };
    const int ids[] = {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 76, 84};
    std::vector<Socket> sockets;
    for (std::size_t k = 0; k < std::size(ids); ++k) {
        const CardId card = MakeCardId(ids[k]);
        sockets.push_back({kNames[k], CONNECTOR_FMC_HPC, 400, nullptr, ids[k],
                           [card](TMainBoard& board, ConnectorId c, const CardPrefix& prefix) {
                               board.AttachFmcCard(c, card, prefix);
                           }});
    }
    sockets.push_back(
        {"C40VITA", CONNECTOR_FMC_HPC, 400, nullptr, 40, FillAndMerge([](TDaughterBoard& c) {
             c.FillCard(CARD_FMC_HPC_VITA, BoardCardRules(MAINBOARD_CALVET), 0, IOSTD_3V3_LVTTL,
                        "");
         })});
    // Card 54's control bus lacks bit 7 (see GapBits).
    CheckProjectWith(sockets, {"C54_USBFX3_CTL[7]"});
}

// The LPC cards on a connector with rows C, D, G and H only, through the
// holders' FMC attach with the port's standard. Card 50 also uses rows E, F
// and J, whose pins such a connector drops: five bits in the middle of its
// receive buses are left without a pin.
TEST(FmcMemoryProject, FmcCardsOnLpcPassTheTools) {
    std::vector<Socket> sockets;
    static const char* const kNames[] = {"L41", "L46", "L47", "L48", "L50", "L53", "L76"};
    const int ids[] = {41, 46, 47, 48, 50, 53, 76};
    for (std::size_t k = 0; k < std::size(ids); ++k) {
        const CardId card = MakeCardId(ids[k]);
        sockets.push_back({kNames[k], CONNECTOR_FMC_LPC, 400, OutsideLpcRows, ids[k],
                           [card](TMainBoard& board, ConnectorId c, const CardPrefix& prefix) {
                               AttachFmcCard(&board, c, card, IOSTD_2V5, prefix);
                           }});
    }
    CheckProjectWith(
        sockets, {"L50_RX_BD[5]", "L50_RX_RD[4]", "L50_RX_RD[5]", "L50_RX_RD[7]", "L50_RX_RD[8]"});
}

// The six module attaches on sockets of their types (the type-11 modules on
// a type-12 socket too; board 36's layout on a socket with 138 and 140
// empty), DDR2 and the lower-case DDR3 through fill and merge.
TEST(FmcMemoryProject, MemoryModulesPassTheTools) {
    using A = std::function<void(TMainBoard&, ConnectorId, const CardPrefix&)>;
    const A ddr3 = [](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
        b.AttachDdr3Sodimm(c, p, DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    };
    const A ddr3Sstl15 = [](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
        b.AttachDdr3SodimmSstl15(c, p, DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    };
    const A ddr4 = [](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
        b.AttachDdr4Sodimm(c, p, IOSTD_1V2, IOSTD_1V2, Ecc::Without);
    };
    auto ddr4Interface = [](Ecc ecc, BoardId layout) -> A {
        return [ecc, layout](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
            b.AttachDdr4SodimmInterface(c, p, IOSTD_1V2, IOSTD_1V2, ecc,
                                        BoardCardRules(layout).ddr4SodimmInterface);
        };
    };
    const A qdr2 = [](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
        b.AttachQdr2Module(c, p);
    };
    const A qdr4 = [](TMainBoard& b, ConnectorId c, const CardPrefix& p) {
        b.AttachQdr4Module(c, p);
    };
    const std::vector<Socket> sockets = {
        {"DDR3A", CONNECTOR_DDR3_SODIMM, 204, nullptr, -1, ddr3},
        {"DDR3B", CONNECTOR_DDR3_SODIMM, 204, nullptr, -1, ddr3Sstl15},
        {"DDR4A", CONNECTOR_DDR4_SODIMM, 260, nullptr, -1, ddr4},
        {"S77", CONNECTOR_DDR4_SODIMM_IF, 260, nullptr, -1,
         ddr4Interface(Ecc::Without, MAINBOARD_NONE)},
        {"S78", CONNECTOR_DDR4_SODIMM_IF_ECC, 260, nullptr, -1,
         ddr4Interface(Ecc::With, MAINBOARD_NONE)},
        {"S77E", CONNECTOR_DDR4_SODIMM_IF_ECC, 260, nullptr, -1,
         ddr4Interface(Ecc::Without, MAINBOARD_NONE)},
        {"S79", CONNECTOR_DDR4_SODIMM_IF, 260, nullptr, -1, qdr2},
        {"S79E", CONNECTOR_DDR4_SODIMM_IF_ECC, 260, nullptr, -1, qdr2},
        {"S80", CONNECTOR_DDR4_SODIMM_IF, 260, nullptr, -1, qdr4},
        {"S80E", CONNECTOR_DDR4_SODIMM_IF_ECC, 260, nullptr, -1, qdr4},
        {"H77", CONNECTOR_DDR4_SODIMM_IF, 260, Board36SocketGap, -1,
         ddr4Interface(Ecc::Without, MAINBOARD_HARVIK)},
        {"H78", CONNECTOR_DDR4_SODIMM_IF_ECC, 260, Board36SocketGap, -1,
         ddr4Interface(Ecc::With, MAINBOARD_HARVIK)},
        {"DDR2", CONNECTOR_DDR2_SODIMM, 200, nullptr, -1, FillAndMerge([](TDaughterBoard& m) {
             m.FillDdr2Sodimm(DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
         })},
        {"mem", CONNECTOR_DDR3_SODIMM, 204, nullptr, -1, FillAndMerge([](TDaughterBoard& m) {
             m.FillDdr3SodimmLowerCase(DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
         })},
    };
    CheckProjectWith(sockets);
}
