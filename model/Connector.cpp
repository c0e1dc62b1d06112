#include "model/Connector.h"

#include "platform/Assert.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

std::string ConnectorTypeName(ConnectorType type) {
    switch (type) {
    case CONNECTOR_HSMC:
        return "HSMC";
    case CONNECTOR_KIRREL:
        return "KIRREL";
    case CONNECTOR_GPIO40:
    case CONNECTOR_GPIO80:
        return "GPIO";
    case CONNECTOR_DDR2_SODIMM:
        return "DDR2 SODIMM";
    case CONNECTOR_DDR3_SODIMM:
        return "DDR3 SODIMM";
    case CONNECTOR_DDR4_SODIMM:
        return "DDR4 SODIMM";
    case CONNECTOR_FMC_HPC:
        return "FMC HPC";
    case CONNECTOR_FMC_LPC:
        return "FMC LPC";
    case CONNECTOR_ERGAN_2x6:
        return "ERGAN 2x6";
    case CONNECTOR_DDR4_SODIMM_IF:
        return "QUELMAR DDR4 SODIMM Interface";
    case CONNECTOR_DDR4_SODIMM_IF_ECC:
        return "QUELMAR DDR4 SODIMM  Interface with ECC";
    default:
        PINSMITH_FAIL("ConnectorTypeName: a connector type without a name");
    }
}

TConnector::TConnector(const std::string& name, const std::string& description, ConnectorType type,
                       int cardId)
    : Name(name), Description(description), Type(type), m_CardId(cardId) {}

TPin* TConnector::GetPin(int index) const {
    PINSMITH_ASSERT(index >= 0 && index < GetPinCount());
    return Pins[static_cast<std::size_t>(index)].get();
}

int TConnector::GetActivePinCount() const {
    int n = 0;
    for (const auto& pin : Pins) {
        if (pin && pin->IsActive()) {
            ++n;
        }
    }
    return n;
}

namespace {

// Ordinal byte order; a name that is a prefix of the other is the smaller.
bool Greater(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) {
        return c > 0;
    }
    return a.size() > b.size();
}

// What the comparison reads of a pin, worked out once per sort instead of
// once per compared pair.
struct SortKey {
    bool bus = false;           // TPin::IsBusPin
    std::string_view busName;   // TPin::GetBusName
    std::int32_t busIndex = -1; // TPin::GetBusIndex
    std::string_view name;
};

SortKey KeyOf(const TPin& pin) {
    SortKey k;
    k.name = pin.GetName();
    k.bus = pin.IsBusPin();
    if (k.bus) {
        k.busName = k.name.substr(0, k.name.find('['));
        k.busIndex = pin.GetBusIndex();
    }
    return k;
}

} // namespace

// Every pair (i, j > i) as it stands at that moment: exchange when entry i
// must come after entry j. Not stable; empty entries never move. Two bus
// pins compare by bus name and index, any other pair by whole name: each
// pin's rank in either order is worked out first (pins that compare equal
// share it), so that the pairs compare two numbers.
void TConnector::SortPins() {
    const std::size_t count = Pins.size();
    std::vector<SortKey> keys(count);
    std::vector<std::size_t> pins; // the slots that hold a pin
    for (std::size_t i = 0; i < count; ++i) {
        if (Pins[i]) {
            keys[i] = KeyOf(*Pins[i]);
            pins.push_back(i);
        }
    }
    // A pin's ranks: among the bus pins by bus name, then index (0 for a
    // pin that is no bus pin, else rank + 1), and among all pins by whole
    // name; pins that compare equal share a rank.
    struct Rank {
        std::uint32_t bus = 0;
        std::uint32_t name = 0;
    };
    std::vector<Rank> ranks(count);
    const auto rankBy = [&](std::vector<std::size_t> slots, auto less, auto store) {
        std::sort(slots.begin(), slots.end(), less);
        std::uint32_t rank = 0;
        for (std::size_t k = 0; k < slots.size(); ++k) {
            if (k > 0 && less(slots[k - 1], slots[k])) {
                ++rank;
            }
            store(ranks[slots[k]], rank);
        }
    };
    rankBy(
        pins, [&](std::size_t a, std::size_t b) { return Greater(keys[b].name, keys[a].name); },
        [](Rank& r, std::uint32_t rank) { r.name = rank; });
    std::vector<std::size_t> busPins;
    for (const std::size_t i : pins) {
        if (keys[i].bus) {
            busPins.push_back(i);
        }
    }
    rankBy(
        busPins,
        [&](std::size_t a, std::size_t b) {
            if (keys[a].busName == keys[b].busName) {
                return keys[a].busIndex < keys[b].busIndex;
            }
            return Greater(keys[b].busName, keys[a].busName);
        },
        [](Rank& r, std::uint32_t rank) { r.bus = rank + 1; });
    const auto comesAfter = [](const Rank& p, const Rank& q) {
        return p.bus != 0 && q.bus != 0 ? p.bus > q.bus : p.name > q.name;
    };
    // Entry i holds, while j walks on, the pin that has won every exchange
    // so far.
    for (std::size_t i = 0; i < count; ++i) {
        if (!Pins[i]) {
            continue;
        }
        Rank held = ranks[i];
        for (std::size_t j = i + 1; j < count; ++j) {
            if (Pins[j] && comesAfter(held, ranks[j])) {
                std::swap(Pins[i], Pins[j]);
                std::swap(held, ranks[j]);
            }
        }
        ranks[i] = held;
    }
}
