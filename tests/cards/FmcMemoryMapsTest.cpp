// The maps of the unlisted GPIO header cards, the Ergan header cards, the FMC
// cards and the memory modules: the shape of every map and variant, the full
// map of each against its fixture (written from the cards' documentation),
// the filter settings no board passes as relations to those fixtures, the
// card-52 rebuild, and the walker's FMC positions, flags and steps.

#include "cards/CardMap.h"
#include "cards/FmcMemoryCases.h"
#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace cards_test;

namespace {

bool IsSignalPositionOfGpio(int position) {
    return position != 11 && position != 12 && position != 29 && position != 30;
}

// Positions whose entry the map of this kind always leaves empty.
bool AlwaysEmpty(MapKind kind, int position) {
    switch (kind) {
    case MapKind::Gpio:
        return !IsSignalPositionOfGpio(position);
    case MapKind::FmcHpc:
        return (position - 1) % 40 + 1 == 40;
    case MapKind::FmcLpc: {
        const char row = FmcRowOf(position);
        return (position - 1) % 40 + 1 == 40 ||
               (row != 'C' && row != 'D' && row != 'G' && row != 'H');
    }
    case MapKind::Qdr:
        return position > 256;
    default:
        return false;
    }
}

} // namespace

TEST(FmcMemoryMaps, ShapeOfEveryMap) {
    for (const MapCase& c : AllMapCases()) {
        SCOPED_TRACE(c.fixture);
        TDaughterBoard card;
        c.fill(card);
        ASSERT_EQ(card.GetPinCount(), PositionsOf(c.kind));
        const std::set<std::string> i2c(c.i2cNames.begin(), c.i2cNames.end());
        std::set<std::string> names;
        int pins = 0;
        for (int i = 0; i < card.GetPinCount(); ++i) {
            const int position = i + 1;
            const TPin* p = card.GetPin(i);
            if (AlwaysEmpty(c.kind, position)) {
                EXPECT_EQ(p, nullptr) << position;
            }
            if (!p) {
                continue;
            }
            ++pins;
            EXPECT_EQ(p->GetPinIndex(), position);
            EXPECT_TRUE(p->GetDirection() == PIN_DIR_INOUT || p->GetDirection() == PIN_DIR_INPUT ||
                        p->GetDirection() == PIN_DIR_OUTPUT)
                << position;
            EXPECT_TRUE(p->GetLocation().empty());
            EXPECT_EQ(p->GetI2cFlag(), i2c.count(p->GetName()) == 1) << p->GetName();
            const bool spdBus = (c.kind == MapKind::Ddr2 || c.kind == MapKind::Ddr3) &&
                                (p->GetName() == "SDA" || p->GetName() == "SCL");
            EXPECT_EQ(p->IsClock, spdBus ? 2 : 0) << p->GetName();
            EXPECT_EQ(p->PeriodNs, spdBus ? 1 : 0) << p->GetName();
            EXPECT_TRUE(names.insert(p->GetName()).second) << "twice: " << p->GetName();
        }
        EXPECT_EQ(pins, c.pins);
    }
}

TEST(FmcMemoryMaps, MatchTheirFixtures) {
    for (const MapCase& c : AllMapCases()) {
        SCOPED_TRACE(c.fixture);
        TDaughterBoard card;
        c.fill(card);
        const std::vector<std::string> got = Dump(card);
        const std::vector<std::string> want = ReadFixture(c.fixture);
        ASSERT_EQ(got.size(), want.size());
        int mismatches = 0;
        for (std::size_t i = 0; i < got.size() && mismatches < 10; ++i) {
            EXPECT_EQ(got[i], want[i]);
            mismatches += got[i] != want[i];
        }
    }
}

namespace {

using Filler = std::function<void(TDaughterBoard&)>;

std::vector<std::string> DumpOf(const Filler& fill) {
    TDaughterBoard card;
    fill(card);
    return Dump(card);
}

bool IsRowKSignalHere(int position) {
    if (FmcRowOf(position) != 'K') {
        return false;
    }
    const int pin = (position - 1) % 40 + 1;
    return pin >= 4 && pin <= 38 && (pin - 4) % 3 != 2;
}

} // namespace

TEST(FmcStandardMaps, DroppingRowKEmptiesItsSignalPositions) {
    struct Case {
        const char* fixture;
        Filler dropping;
        int emptied; // row K signals of the map with row K kept
    };
    const Case cases[] = {
        {"fmc_40_board31",
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Drop, IOSTD_1V5_PCML);
         },
         24},
        {"fmc_40_board35",
         [](TDaughterBoard& c) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, IOSTD_1V8, FmcRowK::Drop, IOSTD_HSSI_DIFF);
         },
         24},
        {"fmc_42",
         [](TDaughterBoard& c) {
             D_FMC_HPC_ALTERA(c, FmcLanes::Without, IOSTD_2V5, FmcRowK::Drop);
         },
         0},
        {"fmc_43",
         [](TDaughterBoard& c) { D_FMC_HPC_ALTERA(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Drop); },
         24},
        {"fmc_44",
         [](TDaughterBoard& c) {
             D_FMC_HPC_ALTERA_QUELMAR(c, FmcLanes::Without, IOSTD_2V5, FmcRowK::Drop);
         },
         24},
        {"fmc_45",
         [](TDaughterBoard& c) {
             D_FMC_HPC_ALTERA_QUELMAR(c, FmcLanes::With, IOSTD_2V5, FmcRowK::Drop);
         },
         24},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fixture);
        const std::vector<std::string> kept = ReadFixture(k.fixture);
        const std::vector<std::string> dropped = DumpOf(k.dropping);
        ASSERT_EQ(dropped.size(), kept.size());
        int emptied = 0;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const int position = static_cast<int>(i + 1);
            if (IsRowKSignalHere(position)) {
                emptied += kept[i] != std::to_string(position);
                EXPECT_EQ(dropped[i], std::to_string(position));
            } else {
                EXPECT_EQ(dropped[i], kept[i]);
            }
        }
        EXPECT_EQ(emptied, k.emptied);
    }
}

TEST(FmcStandardMaps, VendorLpcMapDisabledIsEmpty) {
    for (const FmcLanes lanes : {FmcLanes::Without, FmcLanes::With}) {
        TDaughterBoard card;
        D_FMC_LPC_ALTERA(card, lanes, IOSTD_2V5, FmcBuild::Nothing);
        ASSERT_EQ(card.GetPinCount(), FMC_HPC_PIN_NUM);
        EXPECT_EQ(card.GetActivePinCount(), 0);
        for (int i = 0; i < card.GetPinCount(); ++i) {
            EXPECT_EQ(card.GetPin(i), nullptr);
        }
    }
}

namespace {

// The negative member of a pair, by the naming of each table.
bool IsNegativeMember(const std::string& name) {
    if (name.find("BIDIR") != std::string::npos) {
        return false; // bidirectional clock pairs carry no negative flag
    }
    return name.find("_N") != std::string::npos || name.find("_n[") != std::string::npos ||
           (name.size() > 2 && name.compare(name.size() - 2, 2, "_n") == 0);
}

} // namespace

// ioStd 21 turns every pin that takes ioStd into LVDS: the negative members
// of pairs are then no pins of their own; all else stays.
TEST(FmcStandardMaps, LvdsCodeLeavesOutNegativeMembers) {
    constexpr IoStd kMark = IOSTD_1V2; // a code no table stores
    using Fill = void (*)(TDaughterBoard&, IoStd);
    const std::pair<const char*, Fill> fillers[] = {
        {"VITA",
         [](TDaughterBoard& c, IoStd s) {
             D_FMC_HPC_VITA(c, FmcLanes::With, s, FmcRowK::Keep, IOSTD_1V5_PCML);
         }},
        {"VITA array",
         [](TDaughterBoard& c, IoStd s) {
             D_FMC_HPC_VITA_ARRAY(c, FmcLanes::With, s, FmcRowK::Keep, IOSTD_1V5_PCML);
         }},
        {"VITA LPC",
         [](TDaughterBoard& c, IoStd s) { D_FMC_LPC_VITA(c, FmcLanes::With, s, IOSTD_1V5_PCML); }},
        {"vendor",
         [](TDaughterBoard& c, IoStd s) { D_FMC_HPC_ALTERA(c, FmcLanes::With, s, FmcRowK::Keep); }},
        {"maker variant",
         [](TDaughterBoard& c, IoStd s) {
             D_FMC_HPC_ALTERA_QUELMAR(c, FmcLanes::With, s, FmcRowK::Keep);
         }},
        {"vendor LPC",
         [](TDaughterBoard& c, IoStd s) { D_FMC_LPC_ALTERA(c, FmcLanes::With, s, FmcBuild::Map); }},
    };
    for (const auto& [what, fill] : fillers) {
        SCOPED_TRACE(what);
        TDaughterBoard marked, lvds;
        fill(marked, kMark);
        fill(lvds, IOSTD_LVDS);
        ASSERT_EQ(lvds.GetPinCount(), marked.GetPinCount());
        int left = 0;
        for (int i = 0; i < marked.GetPinCount(); ++i) {
            const TPin* m = marked.GetPin(i);
            const TPin* l = lvds.GetPin(i);
            if (!m) {
                EXPECT_EQ(l, nullptr) << i + 1;
                continue;
            }
            if (m->GetIoStandard() == kMark && IsNegativeMember(m->GetName())) {
                EXPECT_EQ(l, nullptr) << m->GetName();
                ++left;
                continue;
            }
            ASSERT_NE(l, nullptr) << m->GetName();
            EXPECT_EQ(l->GetName(), m->GetName());
            EXPECT_EQ(l->GetIoStandard(),
                      m->GetIoStandard() == kMark ? IOSTD_LVDS : m->GetIoStandard())
                << m->GetName();
        }
        EXPECT_GT(left, 0);
    }
}

TEST(FmcStandardMaps, RowKSignalPositions) {
    int count = 0;
    for (int p = 0; p <= 401; ++p) {
        EXPECT_EQ(IsFmcRowKSignal(p), IsRowKSignalHere(p) && p >= 1 && p <= 400) << p;
        count += IsFmcRowKSignal(p);
    }
    EXPECT_EQ(count, 24);
    EXPECT_TRUE(IsFmcRowKSignal(Fmc('K', 4)));
    EXPECT_TRUE(IsFmcRowKSignal(Fmc('K', 38)));
    EXPECT_FALSE(IsFmcRowKSignal(Fmc('K', 6)));
    EXPECT_FALSE(IsFmcRowKSignal(Fmc('K', 39)));
}

TEST(TiAdc34j45, RemapPositionSwapsTheListedPositionsOnly) {
    const std::pair<int, int> swaps[] = {
        {Fmc('K', 20), Fmc('F', 7)},  {Fmc('K', 23), Fmc('F', 8)},  {Fmc('F', 19), Fmc('G', 12)},
        {Fmc('F', 20), Fmc('G', 13)}, {Fmc('F', 10), Fmc('G', 30)}, {Fmc('F', 11), Fmc('G', 31)},
        {Fmc('K', 19), Fmc('G', 33)}, {Fmc('J', 22), Fmc('G', 34)}, {Fmc('K', 4), Fmc('H', 22)},
        {Fmc('K', 5), Fmc('H', 23)},  {Fmc('G', 12), Fmc('H', 25)}, {Fmc('G', 13), Fmc('H', 26)},
        {Fmc('K', 22), Fmc('H', 34)}, {Fmc('F', 1), Fmc('H', 35)},
    };
    for (int index = 0; index < FMC_HPC_PIN_NUM; ++index) {
        int expected = index;
        for (const auto& [from, to] : swaps) {
            if (index == from - 1) {
                expected = to - 1;
            }
        }
        EXPECT_EQ(TiAdc34j45RemapPosition(index), expected) << index;
    }
}

// One pass from the top: the rows of H25 and H26 reach F19 and F20, those of
// F19 and F20 end at G12 and G13, those of G12 and G13 at H25 and H26.
TEST(TiAdc34j45, BuildTableMovesRowsInRings) {
    const CardMapSlots table = TiAdc34j45BuildTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(FMC_HPC_PIN_NUM));
    auto nameAt = [&](char row, int pin) {
        const CardMapSlot& s = table[static_cast<std::size_t>(Fmc(row, pin) - 1)];
        return s.row ? s.name : std::string();
    };
    EXPECT_EQ(nameAt('H', 25), "SYNCP");
    EXPECT_EQ(nameAt('H', 26), "SYNCM");
    EXPECT_EQ(nameAt('G', 12), "");
    EXPECT_EQ(nameAt('F', 19), "");
    EXPECT_EQ(nameAt('G', 33), "OVRA");
    EXPECT_EQ(nameAt('G', 34), "OVRC");
    EXPECT_EQ(nameAt('H', 34), "SYNC");
    EXPECT_EQ(nameAt('K', 22), "");
    // Built anew on every call: the same map twice.
    EXPECT_EQ(DumpOf([](TDaughterBoard& c) { D_FMC_TI_ADC34J45(c, TiAdc34j45Table::Remapped); }),
              DumpOf([](TDaughterBoard& c) { D_FMC_TI_ADC34J45(c, TiAdc34j45Table::Remapped); }));
}

// The walker's additions: FMC positions, the flags byte, a code chosen by the
// strobe mode, rows expanded from several spans and judged before appending.
TEST(CardMapSlots, FmcPositionsFlagsAndSpans) {
    constexpr CardMapRow first[] = {
        {"A1-3, K40", "A[0..2], LAST", PIN_DIR_INPUT, ROW_DIFFSTD, false, 0x81},
        {"C10-12", "C[10..12]", PIN_DIR_OUTPUT, RowStdFixed(IOSTD_LVDS)},
    };
    constexpr CardMapRow second[] = {
        {"B1, 3", "B, THREE", PIN_DIR_INOUT, ROW_SASTD, true},
    };
    CardCodes codes;
    codes.diffStd = IOSTD_DIFF_1V5_SSTL_I;
    codes.saStd = IOSTD_1V2;
    CardMapSlots slots(400);
    ExpandCardMap(slots, {"FIRST", first}, codes, "X_");
    EXPECT_EQ(slots[0].name, "X_A[0]");
    EXPECT_EQ(slots[2].name, "X_A[2]");
    EXPECT_EQ(slots[399].name, "X_LAST");
    EXPECT_EQ(slots[399].code, IOSTD_DIFF_1V5_SSTL_I);
    EXPECT_EQ(slots[399].row->flags, 0x81);
    EXPECT_EQ(slots[Fmc('C', 11) - 1].name, "X_C[11]");
    EXPECT_EQ(slots[Fmc('C', 11) - 1].code, IOSTD_LVDS);
    // A later span may not name a position of an earlier one again.
    CardMapSlots both = slots;
    EXPECT_DEATH(ExpandCardMap(both, {"SECOND", second}, codes),
                 "card map SECOND, row 1 \\(positions \"B1, 3\"\\): position named twice");

    // A judged slot without a row is an empty entry.
    slots[1].row = nullptr;
    slots[0].code = IOSTD_2V5;
    TConnector card("", "", CONNECTOR_NONE, -1);
    AppendCardMap(card, slots);
    ASSERT_EQ(card.GetPinCount(), 400);
    EXPECT_EQ(card.GetPin(0)->GetIoStandard(), IOSTD_2V5);
    EXPECT_EQ(card.GetPin(1), nullptr);
    EXPECT_EQ(card.GetPin(2)->GetPinIndex(), 3);
    EXPECT_EQ(card.GetPin(Fmc('C', 12) - 1)->GetName(), "X_C[12]");
    EXPECT_EQ(card.GetActivePinCount(), 6);

    CardMapSlots other(400);
    ExpandCardMap(other, {"SECOND", second}, codes);
    EXPECT_EQ(other[40].name, "B");
    EXPECT_TRUE(other[40].row->i2c);
    EXPECT_EQ(other[40].code, IOSTD_1V2);
}

TEST(CardMapSlotsDeathTest, MalformedFmcPositionsStop) {
    for (const char* positions : {"I5", "C41", "C0", "C39-41", "Z1", "C", "C5-D7", "c5"}) {
        SCOPED_TRACE(positions);
        const CardMapRow row{positions, "A", PIN_DIR_INOUT, ROW_IOSTD};
        EXPECT_DEATH(
            {
                CardMapSlots slots(400);
                ExpandCardMap(slots, {"FMC", std::span(&row, 1)}, CardCodes{});
            },
            "card map FMC, row 1 .*: unreadable positions");
    }
}
