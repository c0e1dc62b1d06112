#include "boards/UI_BoardForms.h"

#include "boards/cyclone5/UI_Ilmarch.h"
#include "boards/cyclone5/UI_Sollen.h"
#include "boards/cyclone5/UI_Tavrin.h"
#include "boards/cyclone5/UI_Wendal.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

const BoardFormRow kForms[] = {
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>},
    {MAINBOARD_SOLLEN, Make<TFormSollen>},
    {MAINBOARD_TAVRIN, Make<TFormTavrin>},
    {MAINBOARD_WENDAL, Make<TFormWendal>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
