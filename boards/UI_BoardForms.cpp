#include "boards/UI_BoardForms.h"

#include "platform/Assert.h"

#include <algorithm>
#include <vector>

namespace {

// Filled before main by the forms' registrars, kept in id order.
std::vector<BoardFormRow>& Forms() {
    static std::vector<BoardFormRow> forms;
    return forms;
}

} // namespace

BoardFormRegistrar::BoardFormRegistrar(BoardId id, QWidget* (*create)(QWidget* owner)) {
    std::vector<BoardFormRow>& forms = Forms();
    const auto at =
        std::lower_bound(forms.begin(), forms.end(), id, [](const BoardFormRow& row, BoardId key) {
            return BoardNumber(row.id) < BoardNumber(key);
        });
    PINSMITH_ASSERT(id != MAINBOARD_NONE && create != nullptr &&
                    (at == forms.end() || at->id != id));
    forms.insert(at, BoardFormRow{id, create});
}

std::span<const BoardFormRow> ProgramBoardForms() {
    return Forms();
}
