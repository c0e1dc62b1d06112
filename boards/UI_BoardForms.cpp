#include "boards/UI_BoardForms.h"

#include "boards/arria2/UI_Kelvane.h"
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
#include "boards/stratix3/UI_Fennik.h"
#include "boards/stratix4/UI_GaldreX2.h"
#include "boards/stratix4/UI_Hollin.h"

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
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>}, {MAINBOARD_GALDRE_X2, Make<TFormGaldre_X2>},
    {MAINBOARD_FENNIK, Make<TFormFennik>},   {MAINBOARD_HOLLIN, Make<TFormHollin>},
    {MAINBOARD_KELVANE, Make<TFormKelvane>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
