// The HSMC and Kirrel card maps: the shape of every map under every argument
// set, the full map of every card and naming against a fixture written from
// the cards' documentation, and the dispatcher rows of these cards.

#include "cards/hsmc/HsmcCards.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/PellixId.h"
#include "cards/CardDump.h"
#include "cards/CardRegistry.h"
#include "model/DaughterBoard.h"
#include "settings/ConfigCommon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using cardtest::Dump;
using cardtest::ReadFixture;

// Which supply positions a map must leave empty.
enum class Layout { Hsmc, Kirrel, TeslinOnKirrel };

struct ShapeCase {
    std::string what;
    std::function<void(TDaughterBoard&)> fill;
    int pins; // non-empty entries
    // Pins with a direction; -1: every pin. Fewer only where the camera of
    // the Nimbal cards switches pins off.
    int active = -1;
    Layout layout = Layout::Hsmc;
    std::vector<int> i2c = {}; // positions whose pin carries the I2C flag
    // The generic maps: lane pins at the transceiver code, every other pin at
    // this code.
    std::optional<IoStd> singleEnded = std::nullopt;
    bool jtag = false; // the one map that uses the JTAG positions
};

constexpr XcvrStd kXcvr{IOSTD_1V5_PCML};
constexpr I2cStd kI2c{IOSTD_1V8};

std::vector<ShapeCase> ShapeCases() {
    using Card = TDaughterBoard&;
    std::vector<ShapeCase> cases = {
        {.what = "D_HSMC_LVDS_DEFAULT formula",
         .fill =
             [](Card c) {
                 D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Formula, kXcvr, IOSTD_2V5,
                                     LvdsStd{IOSTD_LVDS});
             },
         .pins = 100,
         .singleEnded = IOSTD_2V5},
        {.what = "D_HSMC_LVDS_DEFAULT LVDS",
         .fill =
             [](Card c) {
                 D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Lvds, kXcvr, IOSTD_2V5,
                                     LvdsStd{IOSTD_LVDS});
             },
         .pins = 62},
        {.what = "D_HSMC_WEXAL", .fill = [](Card c) { D_HSMC_WEXAL(c, kXcvr); }, .pins = 83},
        {.what = "D_HSMC_BREVIK", .fill = [](Card c) { D_HSMC_BREVIK(c, kXcvr); }, .pins = 52},
        {.what = "D_HSMC_SATA", .fill = [](Card c) { D_HSMC_SATA(c, kXcvr, kI2c); }, .pins = 85},
        {.what = "D_HSMC_FASKER", .fill = [](Card c) { D_HSMC_FASKER(c, kXcvr); }, .pins = 15},
        {.what = "D_HSMC_LOOPBACK",
         .fill = [](Card c) { D_HSMC_LOOPBACK(c, WithXcvr::No, kXcvr); },
         .pins = 83},
        {.what = "D_HSMC_LOOPBACK lanes",
         .fill = [](Card c) { D_HSMC_LOOPBACK(c, WithXcvr::Yes, kXcvr); },
         .pins = 99},
        {.what = "D_HSMC_LVDS_CROSSOVER",
         .fill = [](Card c) { D_HSMC_LVDS_CROSSOVER(c, kI2c); },
         .pins = 84},
        {.what = "D_HSMC_HAVOR", .fill = [](Card c) { D_HSMC_HAVOR(c, kI2c); }, .pins = 84},
        {.what = "D_HSMC_TESLIN", .fill = [](Card c) { D_HSMC_TESLIN(c, kI2c); }, .pins = 77},
        {.what = "D_HSMC_OSTEL", .fill = [](Card c) { D_HSMC_OSTEL(c, kI2c); }, .pins = 71},
        {.what = "D_HSMC_VADREL",
         .fill = [](Card c) { D_HSMC_VADREL(c, kI2c); },
         .pins = 84,
         .i2c = {33, 34, 41, 42}},
        {.what = "D_HSMC_PARNEL", .fill = [](Card c) { D_HSMC_PARNEL(c, kI2c); }, .pins = 74},
        {.what = "D_HSMC_PRELL",
         .fill = [](Card c) { D_HSMC_PRELL(c, kI2c); },
         .pins = 83,
         .jtag = true},
        {.what = "D_HSMC_DELVO", .fill = [](Card c) { D_HSMC_DELVO(c, kI2c); }, .pins = 83},
        {.what = "D_KIRREL_VANTOR",
         .fill = D_KIRREL_VANTOR,
         .pins = 129,
         .layout = Layout::Kirrel,
         .i2c = {131, 132}},
        {.what = "D_KIRREL_NIMBAL", .fill = D_KIRREL_NIMBAL, .pins = 137, .layout = Layout::Kirrel},
        {.what = "D_KIRREL_LOOPBACK",
         .fill = D_KIRREL_LOOPBACK,
         .pins = 77,
         .layout = Layout::TeslinOnKirrel},
        {.what = "D_HSMC_SORVEL", .fill = D_HSMC_SORVEL, .pins = 48},
        {.what = "D_HSMC_SORVEL2", .fill = D_HSMC_SORVEL2, .pins = 54},
        {.what = "D_HSMC_YARNEL", .fill = D_HSMC_YARNEL, .pins = 69},
        {.what = "D_HSMC_YARNEL2", .fill = [](Card c) { D_HSMC_YARNEL2(c, kI2c); }, .pins = 74},
        {.what = "D_HSMC_PEMBLE", .fill = D_HSMC_PEMBLE, .pins = 30},
        {.what = "D_HSMC_HDMI_TX", .fill = [](Card c) { D_HSMC_HDMI_TX(c, kI2c); }, .pins = 64},
        {.what = "D_HSMC_HDMI_RX", .fill = [](Card c) { D_HSMC_HDMI_RX(c, kI2c); }, .pins = 67},
        {.what = "D_HSMC_CAMERA_LINK", .fill = D_HSMC_CAMERA_LINK, .pins = 82},
    };

    // HSMC Default: every naming, with and without lanes, upper-cased or not.
    struct Naming {
        BoardId board;
        int port;
        int pins;
        int pinsWithoutLanes; // board 8 builds its lanes only with withXcvr
    };
    const Naming namings[] = {
        {MAINBOARD_ILMARCH, 0, 117, 117}, {MAINBOARD_FALMOR, 0, 117, 117},
        {MAINBOARD_HOLLIN, 0, 117, 117},  {MAINBOARD_HOLLIN, 1, 117, 117},
        {MAINBOARD_MARWEN, 0, 117, 117},  {MAINBOARD_KELMIS, 0, 101, 101},
        {MAINBOARD_PELLIX, 0, 101, 101},  {MAINBOARD_QUINDLE, 0, 101, 101},
        {MAINBOARD_RASMER, 0, 101, 101},  {MAINBOARD_GALDRE_X1, 0, 100, 84},
    };
    for (const Naming& n : namings) {
        for (const WithXcvr lanes : {WithXcvr::No, WithXcvr::Yes}) {
            for (const UpperCase upper : {UpperCase::No, UpperCase::Yes}) {
                cases.push_back({.what = "D_HSMC_DEFAULT board " +
                                         std::to_string(BoardNumber(n.board)) + " port " +
                                         std::to_string(n.port) +
                                         (lanes == WithXcvr::Yes ? " lanes" : "") +
                                         (upper == UpperCase::Yes ? " upper" : ""),
                                 .fill =
                                     [=](Card c) {
                                         D_HSMC_DEFAULT(c, BoardCardRules(n.board).hsmcDefault,
                                                        n.port, upper, lanes, IOSTD_1V8, kXcvr);
                                     },
                                 .pins = lanes == WithXcvr::Yes ? n.pins : n.pinsWithoutLanes,
                                 .singleEnded = IOSTD_1V8});
            }
        }
    }

    for (const BoardId board : {MAINBOARD_ILMARCH, MAINBOARD_ELVORY}) {
        const std::string on = " board " + std::to_string(BoardNumber(board));
        cases.push_back({.what = "D_HSMC_NIMBAL" + on,
                         .fill =
                             [=](Card c) {
                                 D_HSMC_NIMBAL(c, IOSTD_3V3_LVTTL,
                                               BoardCardRules(board).nimbalClockInputs);
                             },
                         .pins = 72});
        // The camera renames 21 pins of its header and switches off the other
        // 15 there; a header without a camera keeps its 36.
        struct Camera {
            const char* where;
            FyrnOnJ2 j2;
            FyrnOnJ3 j3;
            int active;
        };
        for (const Camera& cam : {Camera{" J2", FyrnOnJ2::Yes, FyrnOnJ3::No, 57},
                                  Camera{" J3", FyrnOnJ2::No, FyrnOnJ3::Yes, 57},
                                  Camera{" both", FyrnOnJ2::Yes, FyrnOnJ3::Yes, 42}}) {
            cases.push_back({.what = "D_HSMC_NIMBAL_FYRN" + std::string(cam.where) + on,
                             .fill =
                                 [=](Card c) {
                                     D_HSMC_NIMBAL_FYRN(c, cam.j2, cam.j3,
                                                        BoardCardRules(board).nimbalClockInputs,
                                                        IOSTD_3V3_LVTTL);
                                 },
                             .pins = 72,
                             .active = cam.active});
        }
    }

    for (const BoardId board :
         {MAINBOARD_NONE, MAINBOARD_GALDRE_X1, MAINBOARD_HOLLIN, MAINBOARD_ILMARCH}) {
        cases.push_back(
            {.what = "D_HSMC_DEBUG board " + std::to_string(BoardNumber(board)),
             .fill = [=](Card c) { D_HSMC_DEBUG(c, BoardCardRules(board).hsmcDebugLine96); },
             .pins = 81});
    }
    return cases;
}

// Card 36's G-sensor clock sits on a supply position (kept as the card's
// documentation places it; the merge drops it).
constexpr int kSorvel2SensorClock = 57;
// The Kirrel loopback card's last pin: it keeps the Teslin card's positions.
constexpr int kLastTeslinPosition = 157;

} // namespace

TEST(HsmcCardMaps, EveryMapHasOneEntryPerPosition) {
    for (const ShapeCase& k : ShapeCases()) {
        SCOPED_TRACE(k.what);
        TDaughterBoard card;
        k.fill(card);
        const int positions = k.layout == Layout::Hsmc ? HSMC_PIN_NUM : KIRREL_PIN_NUM;
        ASSERT_EQ(card.GetPinCount(), positions);

        int pins = 0;
        std::set<std::string> names;
        for (int i = 0; i < positions; ++i) {
            const int position = i + 1;
            const TPin* p = card.GetPin(i);
            const bool supply =
                (k.layout == Layout::Hsmc && hsmc::IsNoSignalPosition(position) &&
                 !(k.what == "D_HSMC_SORVEL2" && position == kSorvel2SensorClock)) ||
                (k.layout == Layout::Kirrel && kirrel::IsNoSignalPosition(position)) ||
                (k.layout == Layout::TeslinOnKirrel && position > kLastTeslinPosition);
            if (supply) {
                EXPECT_EQ(p, nullptr) << "supply position " << position;
            }
            if (k.layout == Layout::Hsmc && !k.jtag && position >= hsmc::kFirstJtagPosition &&
                position <= hsmc::kLastJtagPosition) {
                EXPECT_EQ(p, nullptr) << "JTAG position " << position;
            }
            if (!p) {
                continue;
            }
            ++pins;
            EXPECT_EQ(p->GetPinIndex(), position);
            EXPECT_TRUE(p->GetDirection() == PIN_DIR_NONE || p->GetDirection() == PIN_DIR_INOUT ||
                        p->GetDirection() == PIN_DIR_INPUT || p->GetDirection() == PIN_DIR_OUTPUT)
                << position;
            EXPECT_TRUE(p->GetLocation().empty());
            EXPECT_EQ(p->IsClock, 0);
            const bool flagged = std::find(k.i2c.begin(), k.i2c.end(), position) != k.i2c.end();
            EXPECT_EQ(p->GetI2cFlag(), flagged) << position;
            EXPECT_TRUE(names.insert(p->GetName()).second) << "twice: " << p->GetName();
            if (k.singleEnded) {
                EXPECT_EQ(p->GetIoStandard(),
                          hsmc::IsLanePosition(position) ? kXcvr.code : *k.singleEnded)
                    << position;
            }
        }
        EXPECT_EQ(pins, k.pins);
        EXPECT_EQ(card.GetActivePinCount(), k.active < 0 ? k.pins : k.active);
    }
}

namespace {

struct FixtureCase {
    const char* fixture; // tests/cards/fixtures/hsmc/<fixture>.txt
    CardId card;
    BoardId board;
    int port;
};

// Each card and naming filled on a board that selects it, through the
// dispatcher with the standard an HSMC attach hands over (8).
const FixtureCase kFixtures[] = {
    {"hsmc_default_common", CARD_HSMC_DEFAULT, MAINBOARD_ILMARCH, 0},
    {"hsmc_default_board9_port0", CARD_HSMC_DEFAULT, MAINBOARD_HOLLIN, 0},
    {"hsmc_default_board9_port1", CARD_HSMC_DEFAULT, MAINBOARD_HOLLIN, 1},
    {"hsmc_default_board14_card87", CARD_HSMC_DEFAULT_1V8, MAINBOARD_MARWEN, 0},
    {"hsmc_default_board12", CARD_HSMC_DEFAULT, MAINBOARD_KELMIS, 0},
    {"hsmc_default_board19_card2", CARD_HSMC_DEFAULT, MAINBOARD_QUINDLE, 0},
    {"hsmc_default_board19_card3", CARD_HSMC_DEFAULT_XCVR, MAINBOARD_QUINDLE, 0},
    {"hsmc_default_board20", CARD_HSMC_DEFAULT, MAINBOARD_RASMER, 0},
    {"hsmc_default_board8_card2", CARD_HSMC_DEFAULT, MAINBOARD_GALDRE_X1, 0},
    {"hsmc_default_board8_card3", CARD_HSMC_DEFAULT_XCVR, MAINBOARD_GALDRE_X1, 0},
    {"hsmc_lvds_default_board8", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_GALDRE_X1, 0},
    {"hsmc_lvds_default", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_ILMARCH, 0},
    {"sata_board8", CARD_SATA, MAINBOARD_GALDRE_X1, 0},
    {"lvds_crossover_board8", CARD_GRELT, MAINBOARD_GALDRE_X1, 0},
    {"havor_board8", CARD_HAVOR, MAINBOARD_GALDRE_X1, 0},
    {"hdmi_tx_board8", CARD_HDMI_TX, MAINBOARD_GALDRE_X1, 0},
    {"hdmi_rx_board8", CARD_HDMI_RX, MAINBOARD_GALDRE_X1, 0},
    {"parnel_board8", CARD_PARNEL, MAINBOARD_GALDRE_X1, 0},
    {"prell_board8", CARD_PRELL, MAINBOARD_GALDRE_X1, 0},
    {"nimbal_board5", CARD_NIMBAL_HSMC, MAINBOARD_ELVORY, 0},
    {"nimbal", CARD_NIMBAL_HSMC, MAINBOARD_ILMARCH, 0},
    {"nimbal_fyrn_j2", CARD_NIMBAL_FYRN_J2, MAINBOARD_ILMARCH, 0},
    {"nimbal_fyrn_j3_board5", CARD_NIMBAL_FYRN_J3, MAINBOARD_ELVORY, 0},
    {"nimbal_fyrn_both", CARD_NIMBAL_FYRN_BOTH, MAINBOARD_ILMARCH, 0},
    {"debug_board8", CARD_HSMC_DEBUG, MAINBOARD_GALDRE_X1, 0},
    {"debug", CARD_HSMC_DEBUG, MAINBOARD_ILMARCH, 0},
    {"teslin", CARD_TESLIN, MAINBOARD_ILMARCH, 0},
    {"ostel", CARD_OSTEL_HSMC, MAINBOARD_ILMARCH, 0},
    {"vadrel", CARD_VADREL, MAINBOARD_ILMARCH, 0},
    {"vantor", CARD_VANTOR, MAINBOARD_ILMARCH, 0},
    {"kirrel_nimbal", CARD_NIMBAL_KIRREL, MAINBOARD_ILMARCH, 0},
    {"loopback", CARD_HSMC_LOOPBACK, MAINBOARD_ILMARCH, 0},
    {"kirrel_loopback", CARD_KIRREL_LOOPBACK, MAINBOARD_ILMARCH, 0},
    {"wexal", CARD_WEXAL, MAINBOARD_ILMARCH, 0},
    {"brevik", CARD_BREVIK, MAINBOARD_ILMARCH, 0},
    {"fasker", CARD_FASKER, MAINBOARD_ILMARCH, 0},
    {"delvo", CARD_DELVO, MAINBOARD_ILMARCH, 0},
    {"sorvel", CARD_SORVEL, MAINBOARD_ILMARCH, 0},
    {"camera_link", CARD_HESSEL, MAINBOARD_ILMARCH, 0},
    {"pemble", CARD_PEMBLE, MAINBOARD_ILMARCH, 0},
    {"sorvel2", CARD_SORVEL2, MAINBOARD_ILMARCH, 0},
    {"loopback_xcvr", CARD_HSMC_LOOPBACK_XCVR, MAINBOARD_ILMARCH, 0},
    {"yarnel", CARD_YARNEL, MAINBOARD_ILMARCH, 0},
    {"yarnel2", CARD_YARNEL2, MAINBOARD_ILMARCH, 0},
};

} // namespace

TEST(HsmcCardMaps, MatchTheirFixtures) {
    for (const FixtureCase& k : kFixtures) {
        SCOPED_TRACE(k.fixture);
        TDaughterBoard card;
        card.FillCard(k.card, BoardCardRules(k.board), k.port, IOSTD_3V3_LVTTL, "");
        const std::vector<std::string> got = Dump(card);
        const std::vector<std::string> want = ReadFixture(std::string("hsmc/") + k.fixture);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i], want[i]);
        }
    }
}

namespace {

using Expected = void (*)(TDaughterBoard&);

// A map's pins fixed at one level, moved to the level a board's bank sets.
void Relevel(TDaughterBoard& card, IoStd from, IoStd to) {
    for (int i = 0; i < card.GetPinCount(); ++i) {
        if (TPin* pin = card.GetPin(i); pin && pin->GetIoStandard() == from) {
            pin->SetIoStandard(to);
        }
    }
}

struct DispatchCase {
    const char* what;
    CardId card;
    BoardId board;
    int port;
    Expected expected;
};

// What the dispatcher must call for each card. Codes that a board derives:
// transceiver 36 (35 on 7, 8, 12; 52 on 35 and 36), I2C 6 (3 on board 8),
// single-ended the caller's 8 (39 on 7, 8, 9, 12; 3 on 35 and 36).
const DispatchCase kDispatch[] = {
    // Every card of these maps on the board this build opens.
    {"card 2", CARD_HSMC_DEFAULT, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_2V5, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 3", CARD_HSMC_DEFAULT_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_2V5, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 86", CARD_HSMC_DEFAULT_3V3, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_3V3_LVTTL, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 87", CARD_HSMC_DEFAULT_1V8, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_1V8, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 88", CARD_HSMC_DEFAULT_1V5, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_1V5, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 89", CARD_HSMC_DEFAULT_3V3_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_3V3_LVTTL, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 90", CARD_HSMC_DEFAULT_3V0_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_3V0_PCIX, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 91", CARD_HSMC_DEFAULT_1V8_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_1V8, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 92", CARD_HSMC_DEFAULT_1V5_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_1V5, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 94", CARD_HSMC_DEFAULT_3V0, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_3V0_PCIX, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 4", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Lvds, XcvrStd{IOSTD_1V5_PCML}, IOSTD_2V5,
                             LvdsStd{IOSTD_LVDS});
     }},
    {"card 6", CARD_TESLIN, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_TESLIN(c, I2cStd{IOSTD_2V5}); }},
    {"card 7", CARD_PARNEL, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_PARNEL(c, I2cStd{IOSTD_2V5}); }},
    {"card 8", CARD_HAVOR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_HAVOR(c, I2cStd{IOSTD_2V5}); }},
    {"card 10", CARD_OSTEL_HSMC, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_OSTEL(c, I2cStd{IOSTD_2V5}); }},
    {"card 14", CARD_VADREL, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_VADREL(c, I2cStd{IOSTD_2V5}); }},
    {"card 15", CARD_VANTOR, MAINBOARD_ILMARCH, 0, D_KIRREL_VANTOR},
    {"card 16", CARD_NIMBAL_KIRREL, MAINBOARD_ILMARCH, 0, D_KIRREL_NIMBAL},
    {"card 17", CARD_NIMBAL_HSMC, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL(c, IOSTD_3V3_LVTTL, BoardCardRules(MAINBOARD_ILMARCH).nimbalClockInputs);
     }},
    {"card 18", CARD_HSMC_DEBUG, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_DEBUG(c, BoardCardRules(MAINBOARD_ILMARCH).hsmcDebugLine96); }},
    {"card 19", CARD_HSMC_LOOPBACK, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_LOOPBACK(c, WithXcvr::No, XcvrStd{IOSTD_1V5_PCML}); }},
    {"card 20", CARD_KIRREL_LOOPBACK, MAINBOARD_ILMARCH, 0, D_KIRREL_LOOPBACK},
    {"card 21", CARD_WEXAL, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_WEXAL(c, XcvrStd{IOSTD_1V5_PCML}); }},
    {"card 22", CARD_BREVIK, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_BREVIK(c, XcvrStd{IOSTD_1V4_PCML}); }},
    {"card 23", CARD_SATA, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_SATA(c, XcvrStd{IOSTD_1V5_PCML}, I2cStd{IOSTD_2V5}); }},
    {"card 26", CARD_FASKER, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_FASKER(c, XcvrStd{IOSTD_1V5_PCML}); }},
    {"card 27", CARD_PRELL, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_PRELL(c, I2cStd{IOSTD_2V5}); }},
    {"card 28", CARD_DELVO, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_DELVO(c, I2cStd{IOSTD_2V5}); }},
    {"card 29", CARD_SORVEL, MAINBOARD_ILMARCH, 0, D_HSMC_SORVEL},
    {"card 31", CARD_HDMI_TX, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_HDMI_TX(c, I2cStd{IOSTD_2V5}); }},
    {"card 32", CARD_HDMI_RX, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_HDMI_RX(c, I2cStd{IOSTD_2V5}); }},
    {"card 33", CARD_HESSEL, MAINBOARD_ILMARCH, 0, D_HSMC_CAMERA_LINK},
    {"card 35", CARD_PEMBLE, MAINBOARD_ILMARCH, 0, D_HSMC_PEMBLE},
    {"card 36", CARD_SORVEL2, MAINBOARD_ILMARCH, 0, D_HSMC_SORVEL2},
    {"card 37", CARD_HSMC_LOOPBACK_XCVR, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_LOOPBACK(c, WithXcvr::Yes, XcvrStd{IOSTD_1V5_PCML}); }},
    {"card 56", CARD_GRELT, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_LVDS_CROSSOVER(c, I2cStd{IOSTD_2V5}); }},
    {"card 57", CARD_NIMBAL_FYRN_J2, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::Yes, FyrnOnJ3::No,
                            BoardCardRules(MAINBOARD_ILMARCH).nimbalClockInputs, IOSTD_3V3_LVTTL);
     }},
    {"card 58", CARD_NIMBAL_FYRN_J3, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::No, FyrnOnJ3::Yes,
                            BoardCardRules(MAINBOARD_ILMARCH).nimbalClockInputs, IOSTD_3V3_LVTTL);
     }},
    {"card 59", CARD_NIMBAL_FYRN_BOTH, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::Yes, FyrnOnJ3::Yes,
                            BoardCardRules(MAINBOARD_ILMARCH).nimbalClockInputs, IOSTD_3V3_LVTTL);
     }},
    {"card 60", CARD_YARNEL, MAINBOARD_ILMARCH, 0, D_HSMC_YARNEL},
    {"card 61", CARD_YARNEL2, MAINBOARD_ILMARCH, 0,
     [](TDaughterBoard& c) { D_HSMC_YARNEL2(c, I2cStd{IOSTD_2V5}); }},

    // The board's namings and upper-case flag, and the port on board 9.
    {"card 2, board 9 port 1", CARD_HSMC_DEFAULT, MAINBOARD_HOLLIN, 1,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_HOLLIN).hsmcDefault, 1, UpperCase::No,
                        WithXcvr::No, IOSTD_2V5, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 86 upper-cased on board 5", CARD_HSMC_DEFAULT_3V3, MAINBOARD_ELVORY, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_ELVORY).hsmcDefault, 0, UpperCase::Yes,
                        WithXcvr::No, IOSTD_3V3_LVTTL, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 89 never upper-cased", CARD_HSMC_DEFAULT_3V3_XCVR, MAINBOARD_FALMOR, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_FALMOR).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_3V3_LVTTL, XcvrStd{IOSTD_1V5_PCML});
     }},
    {"card 17 on board 5", CARD_NIMBAL_HSMC, MAINBOARD_ELVORY, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL(c, IOSTD_3V3_LVTTL, BoardCardRules(MAINBOARD_ELVORY).nimbalClockInputs);
     }},
    {"card 18 on board 9", CARD_HSMC_DEBUG, MAINBOARD_HOLLIN, 0,
     [](TDaughterBoard& c) { D_HSMC_DEBUG(c, BoardCardRules(MAINBOARD_HOLLIN).hsmcDebugLine96); }},

    // Board 8: transceiver 35, I2C 3, single-ended 39.
    {"card 2 on board 8", CARD_HSMC_DEFAULT, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_GALDRE_X1).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::No, IOSTD_2V5, XcvrStd{IOSTD_1V4_PCML});
     }},
    {"card 3 on board 8", CARD_HSMC_DEFAULT_XCVR, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_GALDRE_X1).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_2V5, XcvrStd{IOSTD_1V4_PCML});
     }},
    {"card 4 on board 8", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) {
         D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Formula, XcvrStd{IOSTD_1V4_PCML}, IOSTD_2V5,
                             LvdsStd{IOSTD_LVDS});
     }},
    {"card 6 on board 8", CARD_TESLIN, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_TESLIN(c, I2cStd{IOSTD_1V8}); }},
    {"card 10 on board 8", CARD_OSTEL_HSMC, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_OSTEL(c, I2cStd{IOSTD_1V8}); }},
    {"card 14 on board 8", CARD_VADREL, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_VADREL(c, I2cStd{IOSTD_1V8}); }},
    {"card 17 on board 8", CARD_NIMBAL_HSMC, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL(c, IOSTD_3V0_PCIX, BoardCardRules(MAINBOARD_GALDRE_X1).nimbalClockInputs);
     }},
    {"card 19 on board 8", CARD_HSMC_LOOPBACK, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_LOOPBACK(c, WithXcvr::No, XcvrStd{IOSTD_1V4_PCML}); }},
    {"card 21 on board 8", CARD_WEXAL, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_WEXAL(c, XcvrStd{IOSTD_1V4_PCML}); }},
    {"card 22 on board 8", CARD_BREVIK, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_BREVIK(c, XcvrStd{IOSTD_1V4_PCML}); }},
    {"card 23 on board 8", CARD_SATA, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_SATA(c, XcvrStd{IOSTD_1V4_PCML}, I2cStd{IOSTD_1V8}); }},
    {"card 26 on board 8", CARD_FASKER, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_FASKER(c, XcvrStd{IOSTD_1V4_PCML}); }},
    {"card 28 keeps 2.5 V on board 8", CARD_DELVO, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_DELVO(c, I2cStd{IOSTD_2V5}); }},
    {"card 56 on board 8", CARD_GRELT, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_LVDS_CROSSOVER(c, I2cStd{IOSTD_1V8}); }},
    {"card 59 on board 8", CARD_NIMBAL_FYRN_BOTH, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::Yes, FyrnOnJ3::Yes,
                            BoardCardRules(MAINBOARD_GALDRE_X1).nimbalClockInputs, IOSTD_3V0_PCIX);
     }},
    {"card 37 on board 8", CARD_HSMC_LOOPBACK_XCVR, MAINBOARD_GALDRE_X1, 0,
     [](TDaughterBoard& c) { D_HSMC_LOOPBACK(c, WithXcvr::Yes, XcvrStd{IOSTD_1V4_PCML}); }},

    // Board 12: transceiver 35, single-ended 39, card 4's formula naming.
    {"card 4 on board 12", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_KELMIS, 0,
     [](TDaughterBoard& c) {
         D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Formula, XcvrStd{IOSTD_1V4_PCML}, IOSTD_2V5,
                             LvdsStd{IOSTD_LVDS});
     }},
    {"card 23 on board 12", CARD_SATA, MAINBOARD_KELMIS, 0,
     [](TDaughterBoard& c) { D_HSMC_SATA(c, XcvrStd{IOSTD_1V4_PCML}, I2cStd{IOSTD_2V5}); }},
    // On board 12 an HSMC card's single-ended pins, which the Nimbal cards
    // (17, 57-59) have, take the caller's standard (here 3.3-V LVTTL; the
    // Kelmis ports pass 2.5 V): one row stands for all four.
    {"card 57 on board 12", CARD_NIMBAL_FYRN_J2, MAINBOARD_KELMIS, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::Yes, FyrnOnJ3::No,
                            BoardCardRules(MAINBOARD_KELMIS).nimbalClockInputs, IOSTD_3V3_LVTTL);
     }},

    // Boards 35 and 36: transceiver 52; every single-ended level of the map,
    // passed or fixed, becomes the caller's standard on board 35 (its FMC
    // bank runs at the voltage set) and 1.8 V on board 36.
    {"card 3 on board 35", CARD_HSMC_DEFAULT_XCVR, MAINBOARD_GRISTEL, 0,
     [](TDaughterBoard& c) {
         D_HSMC_DEFAULT(c, BoardCardRules(MAINBOARD_GRISTEL).hsmcDefault, 0, UpperCase::No,
                        WithXcvr::Yes, IOSTD_3V3_LVTTL, XcvrStd{IOSTD_HSSI_DIFF});
     }},
    {"card 4 on board 35", CARD_HSMC_LVDS_DEFAULT, MAINBOARD_GRISTEL, 0,
     [](TDaughterBoard& c) {
         D_HSMC_LVDS_DEFAULT(c, LvdsDefaultNaming::Lvds, XcvrStd{IOSTD_HSSI_DIFF}, IOSTD_3V3_LVTTL,
                             LvdsStd{IOSTD_LVDS});
     }},
    {"card 17 on board 35", CARD_NIMBAL_HSMC, MAINBOARD_GRISTEL, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL(c, IOSTD_3V3_LVTTL, BoardCardRules(MAINBOARD_GRISTEL).nimbalClockInputs);
     }},
    {"card 23 on board 35", CARD_SATA, MAINBOARD_GRISTEL, 0,
     [](TDaughterBoard& c) {
         D_HSMC_SATA(c, XcvrStd{IOSTD_HSSI_DIFF}, I2cStd{IOSTD_3V3_LVTTL});
         Relevel(c, IOSTD_2V5, IOSTD_3V3_LVTTL);
     }},
    {"card 21 on board 36", CARD_WEXAL, MAINBOARD_HARVIK, 0,
     [](TDaughterBoard& c) {
         D_HSMC_WEXAL(c, XcvrStd{IOSTD_HSSI_DIFF});
         Relevel(c, IOSTD_2V5, IOSTD_1V8);
     }},
    {"card 58 on board 36", CARD_NIMBAL_FYRN_J3, MAINBOARD_HARVIK, 0,
     [](TDaughterBoard& c) {
         D_HSMC_NIMBAL_FYRN(c, FyrnOnJ2::No, FyrnOnJ3::Yes,
                            BoardCardRules(MAINBOARD_HARVIK).nimbalClockInputs, IOSTD_1V8);
     }},
};

} // namespace

TEST(HsmcCardDispatch, ChoosesTheMapAndCodes) {
    for (const DispatchCase& c : kDispatch) {
        SCOPED_TRACE(c.what);
        TDaughterBoard expected;
        c.expected(expected);
        // Start from another card's pins: the fill replaces them.
        TDaughterBoard card;
        D_HSMC_DELVO(card, I2cStd{IOSTD_1V8});
        card.FillCard(c.card, BoardCardRules(c.board), c.port, IOSTD_3V3_LVTTL, "");
        EXPECT_EQ(Dump(card), Dump(expected));
        EXPECT_EQ(card.GetName(), BoardName(c.card));
        EXPECT_EQ(card.GetDescription(), BoardDescription(c.card));
        EXPECT_EQ(card.GetType(), BoardConnectorType(c.card));
    }
}

TEST(HsmcCardDispatch, RegistryRowsMatchTheMaps) {
    // Every card with a row here fills the number of entries its row states,
    // and its map fits its connector type.
    for (const DispatchCase& c : kDispatch) {
        SCOPED_TRACE(c.what);
        const CardEntry* entry = FindCardEntry(c.card);
        ASSERT_NE(entry, nullptr);
        ASSERT_TRUE(HasPinMap(c.card));
        TDaughterBoard card;
        card.FillCard(c.card, BoardCardRules(c.board), c.port, IOSTD_3V3_LVTTL, "");
        EXPECT_EQ(card.GetPinCount(), entry->positions);
        EXPECT_EQ(entry->positions,
                  entry->type == CONNECTOR_KIRREL ? KIRREL_PIN_NUM : HSMC_PIN_NUM);
    }
}

TEST(HsmcCardDispatch, KirrelListsNeverOfferKirrelDefault) {
    // Card 5 has no map; every other Kirrel card and the HSMC cards a Kirrel
    // connector takes are offered.
    EXPECT_FALSE(HasPinMap(CARD_KIRREL_DEFAULT));
    for (const auto rule : {config::CardListRule::Holder, config::CardListRule::BoardClass}) {
        for (const bool xcvr : {false, true}) {
            for (int v = 1; v <= 5; ++v) {
                std::uint8_t ids[config::kCardListCapacity] = {};
                const int n = config::BuildCardList(rule, CONNECTOR_KIRREL, xcvr,
                                                    static_cast<Voltage>(v), ids);
                const std::vector<int> list(ids, ids + n);
                EXPECT_EQ(std::count(list.begin(), list.end(), 5), 0);
                if (v == 3) {
                    for (const int offered : {6, 7, 8, 15, 20}) {
                        EXPECT_EQ(std::count(list.begin(), list.end(), offered), 1) << offered;
                    }
                }
            }
        }
    }
}

TEST(HsmcCardDispatchDeathTest, InternalErrors) {
    EXPECT_DEATH(
        {
            TDaughterBoard card;
            card.FillCard(CARD_KIRREL_DEFAULT, BoardCardRules(MAINBOARD_ILMARCH), 0,
                          IOSTD_3V3_LVTTL, "");
        },
        "card 5 has no pin map");
    EXPECT_DEATH(
        {
            TDaughterBoard card;
            D_HSMC_NIMBAL_FYRN(card, FyrnOnJ2::No, FyrnOnJ3::No,
                               BoardCardRules(MAINBOARD_ILMARCH).nimbalClockInputs,
                               IOSTD_3V3_LVTTL);
        },
        "neither header J2 nor J3");
}
