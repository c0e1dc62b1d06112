#include "boards/PinTable.h"

#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> Words(std::string_view list) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t end = std::min(list.find(' ', pos), list.size());
        if (end > pos) {
            words.emplace_back(list.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    return words;
}

[[noreturn]] void Malformed(const PinTable& table, std::size_t row, const char* what) {
    const std::string message = platform::Format(
        "pin table %.*s, row %d (%s): %s", static_cast<int>(table.name.size()), table.name.data(),
        static_cast<int>(row + 1), table.rows[row].name ? table.rows[row].name : "", what);
    PINSMITH_FAIL(message.c_str());
}

} // namespace

void AddPinRows(TConnector& connector, const PinTable& table) {
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const PinRow& row = table.rows[r];
        if (!row.name || !row.locations) {
            Malformed(table, r, "no name or no locations");
        }
        if (row.direction != PIN_DIR_INOUT && row.direction != PIN_DIR_INPUT &&
            row.direction != PIN_DIR_OUTPUT) {
            Malformed(table, r, "direction other than 1, 2 or 3");
        }
        const int clocks =
            (row.mhz > 0 ? 1 : 0) + (row.periodNs > 0 ? 1 : 0) + (row.frequency ? 1 : 0);
        if (clocks > 1) {
            Malformed(table, r, "more than one clock setting");
        }
        const std::string_view name = row.name;
        const bool bus = name.ends_with("[]");
        const std::string base(bus ? name.substr(0, name.size() - 2) : name);
        const std::vector<std::string> locations = Words(row.locations);
        if (locations.empty() || (!bus && locations.size() != 1)) {
            Malformed(table, r, bus ? "a bus without locations" : "one pin, several locations");
        }
        int index = 0;
        for (const std::string& location : locations) {
            const std::string pinName =
                bus ? platform::Format("%s[%d]", base.c_str(), index++) : base;
            auto pin = std::make_unique<TPin>(pinName, location == "~" ? std::string() : location,
                                              row.direction, row.ioStandard, row.mhz);
            if (row.periodNs > 0) {
                pin->IsClock = 1;
                pin->PeriodNs = row.periodNs;
            }
            if (row.frequency) {
                pin->IsClock = 1;
                pin->Frequency = row.frequency;
            }
            if (row.note) {
                pin->Note = row.note;
            }
            connector.AddPin(std::move(pin));
        }
    }
}

int AddHeaderPositions(TConnector& connector, std::string_view locations) {
    return AddHeaderPositions(connector, locations, IOSTD_FROM_CARD);
}

int AddHeaderPositions(TConnector& connector, std::string_view locations, IoStd fixedStandard) {
    int count = 0;
    for (const std::string& location : Words(locations)) {
        ++count;
        static constexpr std::string_view kInput = ":in";
        if (location == "-") {
            connector.AddEmpty();
        } else if (location.ends_with(kInput)) {
            connector.AddPin(
                std::make_unique<TPin>("", location.substr(0, location.size() - kInput.size()),
                                       PIN_DIR_INPUT, fixedStandard, 0.0f));
        } else {
            connector.AddPin(
                std::make_unique<TPin>("", location, PIN_DIR_FROM_CARD, fixedStandard, 0.0f));
        }
    }
    return count;
}

std::unique_ptr<TConnector> MakeExpansionConnector(const std::string& name,
                                                   const std::string& description,
                                                   ConnectorType type, ConnectorId id) {
    auto connector = std::make_unique<TConnector>(name, description, type, -1);
    connector->SetIsExpansion(true);
    connector->SetConnectorId(id);
    return connector;
}

std::unique_ptr<TConnector> MakeLetteredPortConnector(const char* nameFormat, int index,
                                                      CardId card, ConnectorType type,
                                                      ConnectorId id, std::string_view locations,
                                                      int positions) {
    const std::string name = platform::Format(nameFormat, static_cast<char>('A' + index));
    auto port = MakeExpansionConnector(
        name, platform::Format("%s connect to %s", name.c_str(), BoardName(card).c_str()), type,
        id);
    const int nNum = AddHeaderPositions(*port, locations);
    PINSMITH_ASSERT(nNum == positions);
    return port;
}
