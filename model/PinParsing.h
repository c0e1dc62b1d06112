#pragma once
// Groups the pins of one connector into the ports of a top-level design:
// every run of pins NAME[n] becomes one bus port NAME spanning the indices
// seen, every other pin a scalar port. Renders a port as a Verilog or VHDL
// declaration (no separator, no line end). The one grouping of the system:
// the writer's port lists and virtual pins and the boards' check that a
// card's buses keep one direction all read it.

#include "model/Connector.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct PORT_INFO {
    std::string Name; // bus base or whole pin name, spelled as in the first pin
    bool IsBus = false;
    std::int32_t Msb = -1; // highest index seen; -1 for a scalar
    std::int32_t Lsb = -1; // lowest index seen; -1 for a scalar
    IoStd IoStandard = IOSTD_3V3_LVTTL;
    PinDirection Direction = PIN_DIR_NONE;
    std::string Note;
};

// One pin of a port: its bus index (-1 for a scalar pin) and the pin.
struct PORT_PIN {
    std::int32_t Index = -1;
    const TPin* Pin = nullptr;
};

class TPinParsing {
public:
    enum class NameKind { Scalar, Bus, BadIndex };
    enum class Reporting { Boxes, Quiet };
    // Why a grouping stopped: a bus index that is not a decimal number, a
    // second scalar of a port's name (or a scalar named like a bus), a pin
    // whose direction differs from its port's.
    enum class Outcome { Grouped, BadIndex, NameClash, DirectionClash };

    // Rebuilds the port list from the connector's active pins (pins of
    // direction 0, and placeholders of direction 4 that no card filled, are
    // left out). A name clash, a direction mismatch inside one port or a bus
    // index that is not a decimal number beeps, shows the reason in an error
    // box (Quiet: neither) and returns false; the list is then incomplete.
    bool Parse(const TConnector& connector, Reporting reporting = Reporting::Boxes);
    // The same grouping, silent, with the reason it stopped.
    Outcome Group(const TConnector& connector);
    void Clear();
    // Whether the last grouping went through every pin.
    bool IsComplete() const { return Complete; }

    int GetPortCount() const { return static_cast<int>(Ports.size()); }
    const PORT_INFO& GetPort(int i) const { return Ports[static_cast<std::size_t>(i)]; }
    // "%s\t\t%10s\t\t%s": keyword, range ("[msb:lsb]" or nothing), name.
    std::string GetVerilogPort(int i) const;
    // "%-16s\t:%-6s\t" name and keyword, then std_logic or
    // std_logic_vector(msb downto lsb).
    std::string GetVhdlPort(int i) const;

    // A name whose first "[" comes before its first "]" is a bus pin: base =
    // the text before the "[", index = the decimal number between the two
    // (text after the "]" is ignored). BadIndex when that text is not a
    // decimal number. Anything else is a scalar (base empty, index -1).
    static NameKind SplitBusName(const std::string& name, std::string& base, std::int32_t& index);
    // The port whose name equals the given one ignoring ASCII case (ports
    // are grouped that way, so there is at most one); nullptr if none.
    const PORT_INFO* FindPort(const std::string& name) const;
    int FindPortIndex(const std::string& name) const;
    // The pins of a port in connector order (none after a stopped grouping).
    std::span<const PORT_PIN> GetPortPins(int i) const {
        const auto port = static_cast<std::size_t>(i);
        return std::span<const PORT_PIN>(PortPins).subspan(PortStart[port],
                                                           PortStart[port + 1] - PortStart[port]);
    }

private:
    std::vector<PORT_INFO> Ports;
    // The pins of every port, port after port; port i's run starts at
    // PortStart[i] (one entry more than there are ports).
    std::vector<PORT_PIN> PortPins;
    std::vector<std::size_t> PortStart;
    // Port names ignoring ASCII case, looked up without copying a name.
    struct CaseBlindHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct CaseBlindEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::unordered_map<std::string, int, CaseBlindHash, CaseBlindEqual> Index; // name -> port
    bool Complete = true;
    // The message a stopped grouping reports, for Parse.
    std::string Failure;
};
