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
    case CodeSlot::DiffStd:
        return diffStd;
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

// A position item: a plain number, or an FMC row letter and pin. A run's end
// without a letter is a pin of the row its start names.
struct PositionItem {
    int position = 0;
    int rowBase = 0; // the first position - 1 of the row; 0 for plain numbers
    bool lettered = false;
};
std::optional<PositionItem> ParsePosition(std::string_view item);

bool ExpandPositions(std::string_view cell, std::vector<int>& out) {
    for (const std::string_view item : SplitCell(cell)) {
        const std::size_t dash = item.find('-');
        const std::optional<PositionItem> first = ParsePosition(item.substr(0, dash));
        if (!first) {
            return false;
        }
        if (dash == std::string_view::npos) {
            out.push_back(first->position);
            continue;
        }
        const std::optional<int> end = ParseNumber(item.substr(dash + 1));
        if (!end || (first->lettered && *end > kFmcPinsPerRow)) {
            return false;
        }
        const int last = first->rowBase + *end;
        if (first->position > last) {
            return false;
        }
        for (int p = first->position; p <= last; ++p) {
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
    CardMapSlots slots(static_cast<std::size_t>(positionCount));
    for (const CardMapTable& table : tables) {
        ExpandCardMap(slots, table, codes, namePrefix);
    }
    AppendCardMap(card, slots);
}

// ---------------------------------------------------------------------------
// FMC positions; the walker's two steps.

namespace {

std::optional<PositionItem> ParsePosition(std::string_view item) {
    item = Trim(item);
    if (item.empty() || (item.front() >= '0' && item.front() <= '9')) {
        const std::optional<int> p = ParseNumber(item);
        if (!p) {
            return std::nullopt;
        }
        return PositionItem{*p, 0, false};
    }
    const int row = FmcRowIndex(item.front());
    const std::optional<int> pin = ParseNumber(item.substr(1));
    if (row < 0 || !pin || *pin < 1 || *pin > kFmcPinsPerRow) {
        return std::nullopt;
    }
    const int rowBase = row * kFmcPinsPerRow;
    return PositionItem{rowBase + *pin, rowBase, true};
}

} // namespace

void ExpandCardMap(CardMapSlots& slots, const CardMapTable& table, const CardCodes& codes,
                   std::string_view namePrefix) {
    const int positionCount = static_cast<int>(slots.size());
    std::vector<int> positions;
    std::vector<std::string> names;
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
        const IoStd code = codes.Pick(row.standard.slot, row.standard.code);
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const int p = positions[k];
            if (p < 1 || p > positionCount) {
                Malformed(table, r, "position outside the connector");
            }
            CardMapSlot& slot = slots[static_cast<std::size_t>(p - 1)];
            if (slot.row != nullptr) {
                Malformed(table, r, "position named twice");
            }
            slot.row = &row;
            slot.name = std::move(names[k]);
            slot.code = code;
        }
    }
}

void AppendCardMap(TConnector& card, const CardMapSlots& slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const CardMapSlot& slot = slots[i];
        if (slot.row == nullptr) {
            card.AddEmpty();
            continue;
        }
        card.AddPin(new TPin(slot.name, slot.row->direction, slot.code, static_cast<int>(i + 1),
                             slot.row->i2c));
    }
}
