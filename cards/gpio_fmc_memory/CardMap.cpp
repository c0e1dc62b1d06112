#include "cards/gpio_fmc_memory/CardMap.h"

#include "platform/Assert.h"

#include <cstddef>
#include <string>
#include <vector>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// The comma-separated items of a cell, trimmed.
std::vector<std::string_view> SplitCell(std::string_view cell) {
    std::vector<std::string_view> items;
    for (;;) {
        const std::size_t comma = cell.find(',');
        items.push_back(Trim(cell.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return items;
        }
        cell.remove_prefix(comma + 1);
    }
}

int ParseNumber(std::string_view s) {
    s = Trim(s);
    PINSMITH_ASSERT(!s.empty() && s.size() <= 6);
    int value = 0;
    for (const char c : s) {
        PINSMITH_ASSERT(c >= '0' && c <= '9');
        value = value * 10 + (c - '0');
    }
    return value;
}

void ExpandPositions(std::string_view cell, std::vector<int>& out) {
    for (const std::string_view item : SplitCell(cell)) {
        const std::size_t dash = item.find('-');
        if (dash == std::string_view::npos) {
            out.push_back(ParseNumber(item));
            continue;
        }
        const int first = ParseNumber(item.substr(0, dash));
        const int last = ParseNumber(item.substr(dash + 1));
        PINSMITH_ASSERT(first <= last);
        for (int p = first; p <= last; ++p) {
            out.push_back(p);
        }
    }
}

void ExpandSignals(std::string_view cell, std::string_view prefix, std::vector<std::string>& out) {
    for (const std::string_view item : SplitCell(cell)) {
        PINSMITH_ASSERT(!item.empty());
        const std::size_t open = item.find('[');
        const std::size_t dots = item.find("..");
        const bool run = open != std::string_view::npos && dots != std::string_view::npos &&
                         dots > open && item.back() == ']';
        if (!run) {
            out.push_back(std::string(prefix) + std::string(item));
            continue;
        }
        const std::string base = std::string(prefix) + std::string(item.substr(0, open));
        const int from = ParseNumber(item.substr(open + 1, dots - open - 1));
        const int to = ParseNumber(item.substr(dots + 2, item.size() - 1 - (dots + 2)));
        const int step = from <= to ? 1 : -1;
        for (int n = from;; n += step) {
            out.push_back(base + "[" + std::to_string(n) + "]");
            if (n == to) {
                break;
            }
        }
    }
}

} // namespace

void FillCardMap(TConnector& card, int positionCount, std::span<const CardMapRow> rows, IoStd ioStd,
                 std::string_view namePrefix) {
    PINSMITH_ASSERT(positionCount > 0);
    struct Slot {
        const CardMapRow* row = nullptr;
        std::string name;
    };
    std::vector<Slot> slots(static_cast<std::size_t>(positionCount));

    std::vector<int> positions;
    std::vector<std::string> names;
    for (const CardMapRow& row : rows) {
        PINSMITH_ASSERT(row.direction == PIN_DIR_INOUT || row.direction == PIN_DIR_INPUT ||
                        row.direction == PIN_DIR_OUTPUT);
        positions.clear();
        names.clear();
        ExpandPositions(row.positions, positions);
        ExpandSignals(row.signals, namePrefix, names);
        PINSMITH_ASSERT(positions.size() == names.size());
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const int p = positions[k];
            PINSMITH_ASSERT(p >= 1 && p <= positionCount);
            Slot& slot = slots[static_cast<std::size_t>(p - 1)];
            PINSMITH_ASSERT(slot.row == nullptr);
            slot.row = &row;
            slot.name = std::move(names[k]);
        }
    }

    for (int p = 1; p <= positionCount; ++p) {
        const Slot& slot = slots[static_cast<std::size_t>(p - 1)];
        if (slot.row == nullptr) {
            card.AddEmpty();
            continue;
        }
        const IoStd code = slot.row->standard.fromArgument ? ioStd : slot.row->standard.code;
        card.AddPin(new TPin(slot.name, slot.row->direction, code, p, slot.row->i2c));
    }
}
