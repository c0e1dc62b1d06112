// Every HSMC and Kirrel card merged onto a board connector: its names group
// into ports without a clash, and a project written with the cards passes
// the real-tool checks.

#include "boards/Boards.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "cards/CardRegistry.h"
#include "cards/hsmc/HsmcCards.h"
#include "cards/hsmc/HsmcPositions.h"
#include "model/PinParsing.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "model/CardAttach.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/Files.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) {
        all += l + "\n";
    }
    return all;
}

// The cards with an HSMC or a Kirrel map, in id order.
std::vector<CardId> CardsOfType(ConnectorType type) {
    std::vector<CardId> cards;
    for (int id = 1; id < kCardIdCount; ++id) {
        const CardId card = MakeCardId(id);
        if (HasPinMap(card) && BoardConnectorType(card) == type) {
            cards.push_back(card);
        }
    }
    return cards;
}

// A card filled on a board that selects one of its namings.
struct Variant {
    CardId card;
    BoardId board;
    int port;
};

const Variant kNamings[] = {
    {CARD_HSMC_DEFAULT, MAINBOARD_GALDRE_X1, 0},
    {CARD_HSMC_DEFAULT_XCVR, MAINBOARD_GALDRE_X1, 0},
    {CARD_HSMC_DEFAULT, MAINBOARD_HOLLIN, 1},
    {CARD_HSMC_DEFAULT, MAINBOARD_KELMIS, 0},
    {CARD_HSMC_DEFAULT_1V8, MAINBOARD_MARWEN, 0},
    {CARD_HSMC_DEFAULT, MAINBOARD_QUINDLE, 0},
    {CARD_HSMC_DEFAULT_XCVR, MAINBOARD_QUINDLE, 0},
    {CARD_HSMC_DEFAULT, MAINBOARD_RASMER, 0},
    {CARD_HSMC_DEFAULT_3V3, MAINBOARD_ELVORY, 0},
    {CARD_HSMC_LVDS_DEFAULT, MAINBOARD_GALDRE_X1, 0},
    {CARD_NIMBAL_HSMC, MAINBOARD_ELVORY, 0},
    {CARD_NIMBAL_FYRN_J3, MAINBOARD_ELVORY, 0},
    {CARD_NIMBAL_FYRN_BOTH, MAINBOARD_ELVORY, 0},
    {CARD_HSMC_DEBUG, MAINBOARD_GALDRE_X1, 0},
    {CARD_HSMC_DEBUG, MAINBOARD_HOLLIN, 0},
};

// Every card on the board this build opens, then the other boards' namings.
std::vector<Variant> AllVariants() {
    std::vector<Variant> all;
    for (const ConnectorType type : {CONNECTOR_HSMC, CONNECTOR_KIRREL}) {
        for (const CardId card : CardsOfType(type)) {
            all.push_back({card, MAINBOARD_ILMARCH, 0});
        }
    }
    all.insert(all.end(), std::begin(kNamings), std::end(kNamings));
    return all;
}

std::string Describe(const Variant& v) {
    return "card " + std::to_string(CardNumber(v.card)) + " on board " +
           std::to_string(BoardNumber(v.board)) + " port " + std::to_string(v.port);
}

// A board connector of the card's type with a placeholder at every position
// that has an FPGA pin: all but the supply positions of the connector. The
// locations are the port's own (the sample builder's run out after a few
// connectors).
TConnector* AddConnector(TMainBoard& board, ConnectorType type, int port) {
    const bool kirrel = type == CONNECTOR_KIRREL;
    const int positions = kirrel ? KIRREL_PIN_NUM : HSMC_PIN_NUM;
    auto* c = new TConnector((kirrel ? "KIRREL_" : "HSMC_") + std::to_string(port),
                             "expansion port", type, -1);
    for (int p = 1; p <= positions; ++p) {
        if (kirrel ? kirrel::IsNoSignalPosition(p) : hsmc::IsNoSignalPosition(p)) {
            c->AddEmpty();
        } else {
            const std::string location = "AU" + std::to_string(port * 200 + p);
            c->AddPin(new TPin("", location, PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0));
        }
    }
    c->SetIsExpansion(true);
    c->SetConnectorId(ConnectorIdAt(kirrel ? CONNECTOR_ID_KIRREL_A : CONNECTOR_ID_HSMC_A, port));
    return board.AddConnector(c);
}

// Fills the card as the given board would and merges it with the prefix.
void MergeVariant(TConnector& connector, const Variant& v, const std::string& prefix) {
    TDaughterBoard card;
    card.FillCard(v.card, BoardCardRules(v.board), v.port, IOSTD_3V3_LVTTL, "");
    ASSERT_TRUE(card.UpdateMasterConnector(&connector, prefix));
}

int ActivePins(const TConnector& c) {
    int n = 0;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* p = c.GetPin(i);
        n += p && p->IsActive() ? 1 : 0;
    }
    return n;
}

// The bits inside a bus's index range that no active pin of the connector
// carries: the top level declares them, yet no FPGA pin stands behind them.
std::set<std::string> MissingBusBits(const TConnector& c) {
    std::map<std::string, std::set<int>> buses;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* p = c.GetPin(i);
        std::string base;
        std::int32_t index = -1;
        if (p && p->IsActive() &&
            TPinParsing::SplitBusName(p->GetName(), base, index) == TPinParsing::NameKind::Bus) {
            buses[base].insert(index);
        }
    }
    std::set<std::string> missing;
    for (const auto& [base, bits] : buses) {
        for (int i = *bits.begin(); i <= *bits.rbegin(); ++i) {
            if (!bits.count(i)) {
                missing.insert(base + "[" + std::to_string(i) + "]");
            }
        }
    }
    return missing;
}

// The gaps a card's own map leaves, as documented: the Camera Link card has
// no bit 23 on either receiver bus, and the Kirrel loopback card keeps the
// Teslin card's positions, so on a Kirrel connector it loses the pins that
// lie on positions without an FPGA pin (see ExpectedGaps).
std::set<std::string> ExpectedGaps(CardId card, const std::string& prefix) {
    if (card == CARD_HESSEL) {
        return {prefix + "RX_BASE[23]", prefix + "RX_MEDIUM[23]"};
    }
    if (card != CARD_KIRREL_LOOPBACK) {
        return {};
    }
    std::set<std::string> lost;
    TDaughterBoard loopback;
    D_KIRREL_LOOPBACK(loopback);
    for (int i = 0; i < loopback.GetPinCount(); ++i) {
        const TPin* p = loopback.GetPin(i);
        if (p && kirrel::IsNoSignalPosition(i + 1)) {
            lost.insert(prefix + p->GetName());
        }
    }
    return lost;
}

// The gaps of a connector must all be the card's documented ones.
void ExpectOnlyDocumentedGaps(const std::set<std::string>& gaps, CardId card,
                              const std::string& prefix) {
    const std::set<std::string> allowed = ExpectedGaps(card, prefix);
    for (const std::string& bit : gaps) {
        EXPECT_TRUE(allowed.count(bit)) << "bus bit without a pin: " << bit;
    }
    if (card == CARD_HESSEL) {
        EXPECT_EQ(gaps, allowed);
    }
}

// Whether a checker problem is about one of the given port bits.
bool IsAbout(const std::string& problem, const std::set<std::string>& bits) {
    for (const std::string& bit : bits) {
        const std::size_t at = problem.find(bit);
        if (at != std::string::npos &&
            (at + bit.size() == problem.size() || problem[at + bit.size()] == ' ')) {
            return true;
        }
    }
    return false;
}

std::string ReadText(const std::string& file) {
    std::string text;
    EXPECT_TRUE(platform::ReadWholeFile(file, text)) << file;
    return text;
}

} // namespace

// A name used twice, a bus whose bits disagree in direction or two names
// that differ only in letter case would stop the top-level writer; a bus
// with a missing bit leaves a port bit without a pin (only where a card's
// documented map has one).
TEST(HsmcCardPorts, GroupWithoutClash) {
    for (const Variant& v : AllVariants()) {
        SCOPED_TRACE(Describe(v));
        platform::ScriptedUi ui;
        TMainBoard board;
        sample::SetCycloneV(board, MAINBOARD_ILMARCH);
        TConnector* connector = AddConnector(board, BoardConnectorType(v.card), 0);
        MergeVariant(*connector, v, "P_");

        TPinParsing parsing;
        ASSERT_TRUE(parsing.Parse(*connector)) << Joined([&] {
            std::vector<std::string> texts;
            for (const auto& box : ui.Boxes()) {
                texts.push_back(box.text);
            }
            return texts;
        }());
        EXPECT_TRUE(ui.Boxes().empty());
        int bits = 0;
        for (int i = 0; i < parsing.GetPortCount(); ++i) {
            const PORT_INFO& port = parsing.GetPort(i);
            EXPECT_EQ(port.Name.rfind("P_", 0), 0u) << port.Name;
            bits += port.IsBus ? port.Msb - port.Lsb + 1 : 1;
        }
        // Every active pin is one port bit; the other bits are the gaps.
        const std::set<std::string> gaps = MissingBusBits(*connector);
        EXPECT_EQ(bits, ActivePins(*connector) + static_cast<int>(gaps.size()));
        ExpectOnlyDocumentedGaps(gaps, v.card, "P_");
    }
}

// One project holds every HSMC card as an HSMC attach hands it over (fixed
// standard 8) and each other board's naming, each on its own connector; a
// second holds the Kirrel cards and the HSMC cards a Kirrel list offers,
// attached with the port's standard. Both pass the real tools.
TEST(HsmcCardProject, PassesTheTools) {
    platform::ScriptedUi ui;
    TempDir dir;
    // Port bits that a documented map leaves without a pin; the checks name
    // them, and nothing else.
    std::set<std::string> gaps;
    const auto noteGaps = [&](const TConnector& c, CardId card, const std::string& prefix) {
        const std::set<std::string> found = MissingBusBits(c);
        ExpectOnlyDocumentedGaps(found, card, prefix);
        gaps.insert(found.begin(), found.end());
    };

    TMainBoard hsmcBoard;
    sample::SetCycloneV(hsmcBoard, MAINBOARD_ILMARCH);
    {
        sample::ModelBuilder b(hsmcBoard);
        b.Pin(b.Group("CLOCK"), "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
        int port = 0;
        for (const CardId card : CardsOfType(CONNECTOR_HSMC)) {
            const TConnector* c = AddConnector(hsmcBoard, CONNECTOR_HSMC, port++);
            const std::string prefix = "C" + std::to_string(CardNumber(card)) + "_";
            AttachHsmcCard(&hsmcBoard, c->GetConnectorId(), card, IOSTD_3V3_LVTTL,
                           CardPrefix(prefix));
            EXPECT_GT(ActivePins(*c), 0) << CardNumber(card);
            noteGaps(*c, card, prefix);
            if (card == CARD_SORVEL2) {
                EXPECT_EQ(ActivePins(*c), 53); // all but the sensor clock at 57
            }
        }
        for (const Variant& v : kNamings) {
            TConnector* c = AddConnector(hsmcBoard, CONNECTOR_HSMC, port++);
            const std::string prefix = "B" + std::to_string(BoardNumber(v.board)) + "P" +
                                       std::to_string(v.port) + "C" +
                                       std::to_string(CardNumber(v.card)) + "_";
            MergeVariant(*c, v, prefix);
            noteGaps(*c, v.card, prefix);
        }
    }

    TMainBoard kirrelBoard;
    sample::SetCycloneV(kirrelBoard, MAINBOARD_ILMARCH);
    const TConnector* kirrelLoopback = nullptr;
    {
        sample::ModelBuilder b(kirrelBoard);
        b.Pin(b.Group("CLOCK"), "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
        const CardId cards[] = {CARD_VANTOR, CARD_NIMBAL_KIRREL, CARD_KIRREL_LOOPBACK,
                                CARD_TESLIN, CARD_PARNEL,        CARD_HAVOR,
                                CARD_WEXAL,  CARD_BREVIK,        CARD_SATA};
        int port = 0;
        for (const CardId card : cards) {
            const TConnector* c = AddConnector(kirrelBoard, CONNECTOR_KIRREL, port++);
            const std::string prefix = "K" + std::to_string(CardNumber(card)) + "_";
            AttachKirrelCard(&kirrelBoard, c->GetConnectorId(), card, IOSTD_2V5,
                             CardPrefix(prefix));
            EXPECT_GT(ActivePins(*c), 0) << CardNumber(card);
            noteGaps(*c, card, prefix);
            if (card == CARD_KIRREL_LOOPBACK) {
                kirrelLoopback = c;
            }
        }
    }
    // The loopback card keeps the Teslin positions: 26 of its 77 pins lie on
    // positions without an FPGA pin on a Kirrel connector.
    ASSERT_NE(kirrelLoopback, nullptr);
    EXPECT_EQ(ActivePins(*kirrelLoopback), 51);

    std::filesystem::create_directories(dir.File("hsmc"));
    std::filesystem::create_directories(dir.File("kirrel"));
    TPinsmith writer;
    ASSERT_TRUE(writer.Generate(&hsmcBoard, dir.File("hsmc/hsmc_cards.qpf"), false));
    ASSERT_TRUE(writer.Generate(&kirrelBoard, dir.File("kirrel/kirrel_cards.qpf"), false));
    EXPECT_TRUE(ui.Boxes().empty());

    for (const char* folder : {"hsmc", "kirrel"}) {
        SCOPED_TRACE(folder);
        std::vector<std::string> problems;
        for (const std::string& problem :
             checker::CheckProject(dir.File(folder) + "/", std::string(folder) + "_cards")) {
            if (!IsAbout(problem, gaps)) {
                problems.push_back(problem);
            }
        }
        EXPECT_TRUE(problems.empty()) << Joined(problems);
    }

    // A pin on a supply position never reaches the project; the Kirrel
    // adaptor's channels reach it up to position 180.
    EXPECT_EQ(ReadText(dir.File("hsmc/hsmc_cards.qsf")).find("C36_GSENSOR_SCL_SCLK"),
              std::string::npos);
    const std::string kirrelQsf = ReadText(dir.File("kirrel/kirrel_cards.qsf"));
    EXPECT_NE(kirrelQsf.find("K16_KIRREL_TX_n[25]"), std::string::npos);
    EXPECT_NE(kirrelQsf.find("K16_KIRREL_RX_p[29]"), std::string::npos);
}
