#include "boards/UI_BoardForms.h"

#include "boards/cyclone5/UI_Ilmarch.h"
#include "boards/cyclone5/UI_UlvaneVessor.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

const BoardFormRow kForms[] = {
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>},
    {MAINBOARD_ULVANE, Make<TFormUlvane>},
    {MAINBOARD_VESSOR, Make<TFormVessor>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
