#include "cards/CardMap.h"

#include "platform/Assert.h"
#include "platform/Ui.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

IoStd CardCodes::Pick(CodeSlot slot, IoStd fixed) const {
    switch (slot) {
    case CodeSlot::Fixed:
        return fixed;
    case CodeSlot::IoStd:
        return ioStd;
    case CodeSlot::XcvrStd:
        return xcvrStd;
    case CodeSlot::I2cStd:
        return i2cStd;
    case CodeSlot::LvdsStd:
        return lvdsStd;
    case CodeSlot::SecondStd:
        return secondStd;
    case CodeSlot::SaStd:
        return saStd;
    case CodeSlot::CtlStd:
        return ctlStd;
    }
    PINSMITH_FAIL("CardCodes::Pick: unknown code slot");
}

namespace {

// Stops the program: a table compiled into it cannot be read.
[[noreturn]] void Malformed(const CardMapTable& table, std::size_t row, const char* what) {
    const std::string message = platform::Format(
        "card map %.*s, row %d (positions \"%.*s\"): %s", static_cast<int>(table.name.size()),
        table.name.data(), static_cast<int>(row + 1),
        static_cast<int>(table.rows[row].positions.size()), table.rows[row].positions.data(), what);
    PINSMITH_FAIL(message.c_str());
}

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

std::optional<int> ParseNumber(std::string_view s) {
    s = Trim(s);
    if (s.empty() || s.size() > 6) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool ExpandPositions(std::string_view cell, std::vector<int>& out) {
    for (const std::string_view item : SplitCell(cell)) {
        const std::size_t dash = item.find('-');
        if (dash == std::string_view::npos) {
            const std::optional<int> p = ParseNumber(item);
            if (!p) {
                return false;
            }
            out.push_back(*p);
            continue;
        }
        const std::optional<int> first = ParseNumber(item.substr(0, dash));
        const std::optional<int> last = ParseNumber(item.substr(dash + 1));
        if (!first || !last || *first > *last) {
            return false;
        }
        for (int p = *first; p <= *last; ++p) {
            out.push_back(p);
        }
    }
    return true;
}

bool ExpandSignals(std::string_view cell, std::string_view prefix, std::vector<std::string>& out) {
    for (const std::string_view item : SplitCell(cell)) {
        if (item.empty()) {
            return false;
        }
        const std::size_t open = item.find('[');
        const std::size_t dots = item.find("..");
        const bool run = open != std::string_view::npos && dots != std::string_view::npos &&
                         dots > open && item.back() == ']';
        if (!run) {
            out.push_back(std::string(prefix) + std::string(item));
            continue;
        }
        const std::string base = std::string(prefix) + std::string(item.substr(0, open));
        const std::optional<int> from = ParseNumber(item.substr(open + 1, dots - open - 1));
        const std::optional<int> to =
            ParseNumber(item.substr(dots + 2, item.size() - 1 - (dots + 2)));
        if (!from || !to) {
            return false;
        }
        const int step = *from <= *to ? 1 : -1;
        for (int n = *from;; n += step) {
            out.push_back(base + "[" + std::to_string(n) + "]");
            if (n == *to) {
                break;
            }
        }
    }
    return true;
}

} // namespace

void FillCardMap(TConnector& card, int positionCount, const CardMapTable& table,
                 const CardCodes& codes, std::string_view namePrefix) {
    FillCardMap(card, positionCount, std::span(&table, 1), codes, namePrefix);
}

void FillCardMap(TConnector& card, int positionCount, std::span<const CardMapTable> tables,
                 const CardCodes& codes, std::string_view namePrefix) {
    PINSMITH_ASSERT(positionCount > 0);
    struct Slot {
        const CardMapRow* row = nullptr;
        std::string name;
    };
    std::vector<Slot> slots(static_cast<std::size_t>(positionCount));

    std::vector<int> positions;
    std::vector<std::string> names;
    for (const CardMapTable& table : tables) {
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const CardMapRow& row = table.rows[r];
            if (row.direction != PIN_DIR_INOUT && row.direction != PIN_DIR_INPUT &&
                row.direction != PIN_DIR_OUTPUT) {
                Malformed(table, r, "direction other than 1, 2 or 3");
            }
            positions.clear();
            names.clear();
            if (!ExpandPositions(row.positions, positions)) {
                Malformed(table, r, "unreadable positions");
            }
            if (!ExpandSignals(row.signals, namePrefix, names)) {
                Malformed(table, r, "unreadable signals");
            }
            if (positions.size() != names.size()) {
                Malformed(table, r, "signal and position counts differ");
            }
            for (std::size_t k = 0; k < positions.size(); ++k) {
                const int p = positions[k];
                if (p < 1 || p > positionCount) {
                    Malformed(table, r, "position outside the connector");
                }
                Slot& slot = slots[static_cast<std::size_t>(p - 1)];
                if (slot.row != nullptr) {
                    Malformed(table, r, "position named twice");
                }
                slot.row = &row;
                slot.name = std::move(names[k]);
            }
        }
    }

    for (int p = 1; p <= positionCount; ++p) {
        const Slot& slot = slots[static_cast<std::size_t>(p - 1)];
        if (slot.row == nullptr) {
            card.AddEmpty();
            continue;
        }
        const IoStd code = codes.Pick(slot.row->standard.slot, slot.row->standard.code);
        card.AddPin(new TPin(slot.name, slot.row->direction, code, p, slot.row->i2c));
    }
}
