#include "boards/UI_BoardForms.h"

#include "boards/cyclone2/UI_Bressa.h"
#include "boards/cyclone2/UI_Corvin.h"
#include "boards/cyclone2/UI_Dunmar.h"
#include "boards/cyclone3/UI_Alvek.h"
#include "boards/cyclone4/UI_Istrel.h"
#include "boards/cyclone5/UI_Ilmarch.h"
#include "boards/cyclone5/UI_Sollen.h"
#include "boards/cyclone5/UI_Tavrin.h"
#include "boards/cyclone5/UI_UlvaneVessor.h"
#include "boards/cyclone5/UI_Wendal.h"
#include "boards/stratix4/UI_GaldreX1.h"
#include "boards/stratix4/UI_Kelmis.h"
#include "boards/stratix4/UI_Lumbrel.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

const BoardFormRow kForms[] = {
    {MAINBOARD_ALVEK, Make<TFormAlvek>},     {MAINBOARD_BRESSA, Make<TFormBressa>},
    {MAINBOARD_CORVIN, Make<TFormCorvin>},   {MAINBOARD_DUNMAR, Make<TFormDunmar>},
    {MAINBOARD_ISTREL, Make<TFormIstrel>},   {MAINBOARD_SOLLEN, Make<TFormSollen>},
    {MAINBOARD_TAVRIN, Make<TFormTavrin>},   {MAINBOARD_ULVANE, Make<TFormUlvane>},
    {MAINBOARD_VESSOR, Make<TFormVessor>},   {MAINBOARD_WENDAL, Make<TFormWendal>},
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>}, {MAINBOARD_GALDRE_X1, Make<TFormGaldre_X1>},
    {MAINBOARD_LUMBREL, Make<TFormLumbrel>}, {MAINBOARD_KELMIS, Make<TFormKelmis>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
