// TConnector::SortPins against a plain statement of its rule, on many random
// lists: bus names with odd indexes, names without brackets, brackets in the
// wrong order, duplicates and empty entries.

#include "model/Connector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

bool Greater(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// Every pair (i, j > i) as it stands: exchange when entry i comes after j.
std::vector<std::string> ReferenceSort(std::vector<std::string> names) {
    const auto after = [](const std::string& p, const std::string& q) {
        TPin a(p, "", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0);
        TPin b(q, "", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0);
        if (a.IsBusPin() && b.IsBusPin()) {
            if (a.GetBusName() == b.GetBusName()) {
                return a.GetBusIndex() > b.GetBusIndex();
            }
            return Greater(a.GetBusName(), b.GetBusName());
        }
        return Greater(p, q);
    };
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            if (!names[i].empty() && !names[j].empty() && after(names[i], names[j])) {
                std::swap(names[i], names[j]);
            }
        }
    }
    return names;
}

std::string RandomName(std::mt19937& rng) {
    static const char* const kBases[] = {"A",    "a", "B",   "LED", "LED_", "HEX0",
                                         "HEX1", "X", "CLK", "A_X", "Data", "DATA"};
    static const char* const kIndexes[] = {"0", "1", "2", "10", "-1", "x", "", "007"};
    const std::string base = kBases[rng() % std::size(kBases)];
    const std::string index = kIndexes[rng() % std::size(kIndexes)];
    switch (rng() % 5) {
    case 0:
        return base;
    case 1:
        return base + "]" + index + "[";
    case 2:
        return base + "[" + index + "]B";
    default:
        return base + "[" + index + "]";
    }
}

// A connector of these pins ("": a position without a pin), sorted, holds
// them in the order of the pairwise rule.
void ExpectSortedAsThePairwiseRule(const std::vector<std::string>& names) {
    TConnector c("C", "", CONNECTOR_NONE, -1);
    for (const std::string& n : names) {
        c.AddPin(n.empty() ? nullptr : new TPin(n, "", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 0));
    }
    c.SortPins();
    const std::vector<std::string> expected = ReferenceSort(names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const TPin* pin = c.GetPin(static_cast<int>(i));
        ASSERT_EQ(pin ? pin->GetName() : std::string(), expected[i]) << "entry " << i;
    }
}

} // namespace

TEST(TConnectorSort, AgreesWithThePairwiseRule) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> names(1 + rng() % 30);
        for (std::string& n : names) {
            n = rng() % 6 == 0 ? std::string() : RandomName(rng); // empty: no pin
        }
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_NO_FATAL_FAILURE(ExpectSortedAsThePairwiseRule(names));
    }
}

// Lists without duplicates or stray brackets, the usual case, which the sort
// orders through a quick sort unless a bus name is a prefix of another that
// the pairwise rule orders differently (LED and LEDR, HEX and HEX0): the
// same order as the pairwise rule either way.
TEST(TConnectorSort, DistinctNamesAgreeWithThePairwiseRule) {
    static const char* const kBases[] = {"A",    "AB", "A_",   "LED",  "LEDR", "LED_G",   "HEX",
                                         "HEX0", "B",  "Data", "DATA", "x",    "\xC3\xA4"};
    std::mt19937 rng(4711);
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> names;
        const std::size_t count = 1 + rng() % 40;
        const std::size_t bases = 1 + rng() % std::size(kBases);
        while (names.size() < count) {
            const std::string base = kBases[rng() % bases];
            const std::string name =
                rng() % 4 == 0 ? base : base + "[" + std::to_string(rng() % 12) + "]";
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
            } else if (rng() % 8 == 0) {
                names.push_back(std::string()); // no pin
            }
        }
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_NO_FATAL_FAILURE(ExpectSortedAsThePairwiseRule(names));
    }
}
