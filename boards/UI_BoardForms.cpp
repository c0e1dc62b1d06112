#include "boards/UI_BoardForms.h"

#include "boards/cyclone5/UI_Ilmarch.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

const BoardFormRow kForms[] = {
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
