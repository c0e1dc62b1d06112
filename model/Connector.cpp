#include "model/Connector.h"

#include "platform/Assert.h"

#include <cstring>
#include <string_view>

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

bool ComesAfter(const SortKey& p, const SortKey& q) {
    if (p.bus && q.bus) {
        if (p.busName == q.busName) {
            return p.busIndex > q.busIndex;
        }
        return Greater(p.busName, q.busName);
    }
    return Greater(p.name, q.name);
}

} // namespace

// Every pair (i, j > i) as it stands at that moment: exchange when entry i
// must come after entry j. Not stable; empty entries never move.
void TConnector::SortPins() {
    const std::size_t count = Pins.size();
    std::vector<SortKey> keys(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (Pins[i]) {
            keys[i] = KeyOf(*Pins[i]);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (Pins[i] && Pins[j] && ComesAfter(keys[i], keys[j])) {
                std::swap(Pins[i], Pins[j]);
                std::swap(keys[i], keys[j]);
            }
        }
    }
}
