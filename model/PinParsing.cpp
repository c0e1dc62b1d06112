#include "model/PinParsing.h"

#include "platform/AsciiText.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <algorithm>
#include <charconv>

namespace {

void Report(const std::string& message) {
    platform::Beep();
    platform::ErrorBox(message);
}

const char* VhdlKeyword(PinDirection d) {
    switch (d) {
    case PIN_DIR_INOUT:
        return "inout ";
    case PIN_DIR_INPUT:
        return "in ";
    case PIN_DIR_OUTPUT:
        return "out";
    default:
        PINSMITH_FAIL("VhdlKeyword: a direction without a port keyword");
    }
}

void PadRight(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

} // namespace

TPinParsing::NameKind TPinParsing::SplitBusName(const std::string& name, std::string& base,
                                                std::int32_t& index) {
    base.clear();
    index = -1;
    const std::size_t open = name.find('[');
    const std::size_t close = name.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return NameKind::Scalar;
    }
    // A decimal number: an optional sign and at least one digit, in range.
    const char* first = name.data() + open + 1;
    const char* last = name.data() + close;
    if (first != last && *first == '+') {
        ++first;
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) {
        return NameKind::BadIndex;
    }
    base = name.substr(0, open);
    index = value;
    return NameKind::Bus;
}

void TPinParsing::Clear() {
    Ports.clear();
    PortPins.clear();
    PortStart.assign(1, 0);
    Index.clear();
    Complete = true;
    Failure.clear();
}

std::size_t TPinParsing::CaseBlindHash::operator()(std::string_view text) const {
    std::uint64_t h = 14695981039346656037ull; // FNV-1a over the upper-case bytes
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        h ^= (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - ('a' - 'A')) : u;
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

bool TPinParsing::CaseBlindEqual::operator()(std::string_view a, std::string_view b) const {
    return platform::SameIgnoringAsciiCase(a, b);
}

int TPinParsing::FindPortIndex(const std::string& name) const {
    const auto it = Index.find(std::string_view(name));
    return it == Index.end() ? -1 : it->second;
}

const PORT_INFO* TPinParsing::FindPort(const std::string& name) const {
    const int i = FindPortIndex(name);
    return i < 0 ? nullptr : &Ports[static_cast<std::size_t>(i)];
}

TPinParsing::Outcome TPinParsing::Group(const TConnector& connector) {
    Clear();
    const auto stop = [this](Outcome outcome, std::string message) {
        Complete = false;
        Failure = std::move(message);
        PortStart.assign(Ports.size() + 1, 0); // a stopped grouping keeps no pins
        return outcome;
    };
    Index.reserve(static_cast<std::size_t>(connector.GetPinCount()));
    // Each grouped pin with its port, in connector order; sorted into the
    // ports' runs at the end.
    std::vector<std::pair<int, PORT_PIN>> grouped;
    grouped.reserve(static_cast<std::size_t>(connector.GetPinCount()));
    std::string base;
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        const TPin* pin = connector.GetPin(i);
        if (!pin || !pin->IsActive() || pin->GetDirection() == PIN_DIR_FROM_CARD) {
            continue;
        }
        std::int32_t index = -1;
        const NameKind kind = SplitBusName(pin->GetName(), base, index);
        if (kind == NameKind::BadIndex) {
            return stop(Outcome::BadIndex, platform::Format("Connector %s has an invalid bus index",
                                                            pin->GetName().c_str()));
        }
        const bool isBus = kind == NameKind::Bus;
        if (!isBus) {
            base = pin->GetName();
        }
        auto at = Index.find(std::string_view(base));
        const bool fresh = at == Index.end();
        if (fresh) {
            Index.emplace(base, static_cast<int>(Ports.size()));
            PORT_INFO info;
            info.Name = base;
            info.Note = pin->GetNote();
            info.IsBus = isBus;
            info.Msb = info.Lsb = index;
            info.IoStandard = pin->GetIoStandard();
            info.Direction = pin->GetDirection();
            Ports.push_back(std::move(info));
            grouped.emplace_back(static_cast<int>(Ports.size()) - 1, PORT_PIN{index, pin});
            continue;
        }
        PORT_INFO& port = Ports[static_cast<std::size_t>(at->second)];
        if (!isBus) {
            // a second scalar of that name, or a scalar named like a bus
            return stop(Outcome::NameClash, port.Name);
        }
        port.Msb = std::max(port.Msb, index);
        port.Lsb = std::min(port.Lsb, index);
        if (pin->GetDirection() != port.Direction) {
            return stop(Outcome::DirectionClash,
                        platform::Format("Connector %s[%d]:%d has an unmathced pin direction",
                                         base.c_str(), index, i));
        }
        grouped.emplace_back(at->second, PORT_PIN{index, pin});
    }
    // Counting sort by port: each port's pins keep connector order.
    PortStart.assign(Ports.size() + 1, 0);
    for (const auto& [port, p] : grouped) {
        ++PortStart[static_cast<std::size_t>(port) + 1];
    }
    for (std::size_t k = 1; k < PortStart.size(); ++k) {
        PortStart[k] += PortStart[k - 1];
    }
    std::vector<std::size_t> next(PortStart.begin(), PortStart.end() - 1);
    PortPins.resize(grouped.size());
    for (const auto& [port, p] : grouped) {
        PortPins[next[static_cast<std::size_t>(port)]++] = p;
    }
    return Outcome::Grouped;
}

bool TPinParsing::Parse(const TConnector& connector, Reporting reporting) {
    if (Group(connector) == Outcome::Grouped) {
        return true;
    }
    if (reporting == Reporting::Boxes) {
        Report(Failure);
    }
    return false;
}

std::string TPinParsing::GetVerilogPort(int i) const {
    const PORT_INFO& port = GetPort(i);
    std::string range;
    if (port.IsBus) {
        range = "[" + std::to_string(port.Msb) + ":" + std::to_string(port.Lsb) + "]";
    }
    std::string out = VerilogDirectionKeyword(port.Direction);
    out += "\t\t";
    if (range.size() < 10) {
        out.append(10 - range.size(), ' ');
    }
    out += range;
    out += "\t\t";
    out += port.Name;
    return out;
}

std::string TPinParsing::GetVhdlPort(int i) const {
    const PORT_INFO& port = GetPort(i);
    std::string out;
    PadRight(out, port.Name, 16);
    out += "\t:";
    PadRight(out, VhdlKeyword(port.Direction), 6);
    out += '\t';
    if (port.IsBus) {
        out += "std_logic_vector(" + std::to_string(port.Msb) + " downto " +
               std::to_string(port.Lsb) + ")";
    } else {
        out += "std_logic";
    }
    return out;
}
