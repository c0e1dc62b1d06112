#include "generator/PinParsing.h"

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

PORT_INFO* TPinParsing::FindPort(const std::string& name) {
    for (PORT_INFO& port : Ports) {
        if (platform::SameIgnoringAsciiCase(port.Name, name)) {
            return &port;
        }
    }
    return nullptr;
}

bool TPinParsing::Parse(const TConnector& connector, Reporting reporting) {
    Clear();
    const auto Report = [reporting](const std::string& message) {
        if (reporting == Reporting::Boxes) {
            ::Report(message);
        }
    };
    std::string base;
    for (int i = 0; i < connector.GetPinCount(); ++i) {
        const TPin* pin = connector.GetPin(i);
        if (!pin || !pin->IsActive() || pin->GetDirection() == PIN_DIR_FROM_CARD) {
            continue;
        }
        std::int32_t index = -1;
        const NameKind kind = SplitBusName(pin->GetName(), base, index);
        if (kind == NameKind::BadIndex) {
            Report(
                platform::Format("Connector %s has an invalid bus index", pin->GetName().c_str()));
            return false;
        }
        const bool isBus = kind == NameKind::Bus;
        if (!isBus) {
            base = pin->GetName();
        }
        PORT_INFO* port = FindPort(base);
        if (!port) {
            PORT_INFO info;
            info.Name = base;
            info.Note = pin->GetNote();
            info.IsBus = isBus;
            info.Msb = info.Lsb = index;
            info.IoStandard = pin->GetIoStandard();
            info.Direction = pin->GetDirection();
            Ports.push_back(std::move(info));
            continue;
        }
        if (!isBus) {
            Report(port->Name); // a second scalar of that name, or a scalar named like a bus
            return false;
        }
        port->Msb = std::max(port->Msb, index);
        port->Lsb = std::min(port->Lsb, index);
        if (pin->GetDirection() != port->Direction) {
            Report(platform::Format("Connector %s[%d]:%d has an unmathced pin direction",
                                    base.c_str(), index, i));
            return false;
        }
    }
    return true;
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
