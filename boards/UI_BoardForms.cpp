#include "boards/UI_BoardForms.h"

#include "boards/arria10_stratix10/UI_Espern.h"
#include "boards/arria10_stratix10/UI_Gristel.h"
#include "boards/arria10_stratix10/UI_Harvik.h"
#include "boards/arria10_stratix10/UI_Zarvik.h"
#include "boards/arria2/UI_Kelvane.h"
#include "boards/cyclone2/UI_Bressa.h"
#include "boards/cyclone2/UI_Corvin.h"
#include "boards/cyclone2/UI_Dunmar.h"
#include "boards/cyclone3/UI_Alvek.h"
#include "boards/cyclone3/UI_Jorkel.h"
#include "boards/cyclone3/UI_Jorvath.h"
#include "boards/cyclone4/UI_Elvory.h"
#include "boards/cyclone4/UI_Istrel.h"
#include "boards/cyclone4/UI_Lorsk.h"
#include "boards/cyclone4/UI_Marwen.h"
#include "boards/cyclone5/UI_Falmor.h"
#include "boards/cyclone5/UI_Ilmarch.h"
#include "boards/cyclone5/UI_Quindle.h"
#include "boards/cyclone5/UI_Rasmer.h"
#include "boards/cyclone5/UI_Sollen.h"
#include "boards/cyclone5/UI_Tavrin.h"
#include "boards/cyclone5/UI_UlvaneVessor.h"
#include "boards/cyclone5/UI_Wendal.h"
#include "boards/max10/UI_Brovan.h"
#include "boards/max10/UI_Dravel.h"
#include "boards/max10/UI_Yelden.h"
#include "boards/stratix3/UI_Fennik.h"
#include "boards/stratix4/UI_GaldreX1.h"
#include "boards/stratix4/UI_GaldreX2.h"
#include "boards/stratix4/UI_Hollin.h"
#include "boards/stratix4/UI_Kelmis.h"
#include "boards/stratix4/UI_Lumbrel.h"
#include "boards/stratix5/UI_Calvet.h"
#include "boards/stratix5/UI_Nolvar.h"
#include "boards/stratix5/UI_Ombrel.h"
#include "boards/stratix5/UI_Ombrel2.h"
#include "boards/stratix5/UI_Pellix.h"

namespace {

template <class Form> QWidget* Make(QWidget* owner) {
    return new Form(owner);
}

const BoardFormRow kForms[] = {
    {MAINBOARD_ALVEK, Make<TFormAlvek>},         {MAINBOARD_BRESSA, Make<TFormBressa>},
    {MAINBOARD_CORVIN, Make<TFormCorvin>},       {MAINBOARD_DUNMAR, Make<TFormDunmar>},
    {MAINBOARD_ISTREL, Make<TFormIstrel>},       {MAINBOARD_SOLLEN, Make<TFormSollen>},
    {MAINBOARD_TAVRIN, Make<TFormTavrin>},       {MAINBOARD_ULVANE, Make<TFormUlvane>},
    {MAINBOARD_VESSOR, Make<TFormVessor>},       {MAINBOARD_WENDAL, Make<TFormWendal>},
    {MAINBOARD_ILMARCH, Make<TFormIlmarch>},     {MAINBOARD_QUINDLE, Make<TFormQuindle>},
    {MAINBOARD_RASMER, Make<TFormRasmer>},       {MAINBOARD_FALMOR, Make<TFormFalmor>},
    {MAINBOARD_JORKEL, Make<TFormJorkel>},       {MAINBOARD_ELVORY, Make<TFormElvory>},
    {MAINBOARD_LORSK, Make<TFormLorsk>},         {MAINBOARD_MARWEN, Make<TFormMarwen>},
    {MAINBOARD_GALDRE_X1, Make<TFormGaldre_X1>}, {MAINBOARD_LUMBREL, Make<TFormLumbrel>},
    {MAINBOARD_JORVATH, Make<TFormJorvath>},     {MAINBOARD_OMBREL2, Make<TFormOmbrel2>},
    {MAINBOARD_YELDEN, Make<TFormYelden>},       {MAINBOARD_DRAVEL, Make<TFormDravel>},
    {MAINBOARD_BROVAN, Make<TFormBrovan>},       {MAINBOARD_GALDRE_X2, Make<TFormGaldre_X2>},
    {MAINBOARD_FENNIK, Make<TFormFennik>},       {MAINBOARD_HOLLIN, Make<TFormHollin>},
    {MAINBOARD_KELVANE, Make<TFormKelvane>},     {MAINBOARD_GRISTEL, Make<TFormGristel>},
    {MAINBOARD_OMBREL, Make<TFormOmbrel>},       {MAINBOARD_NOLVAR, Make<TFormNolvar>},
    {MAINBOARD_ZARVIK, Make<TFormZarvik>},       {MAINBOARD_ZARVIK_DDR4, Make<TFormZarvik_DDR4>},
    {MAINBOARD_ESPERN, Make<TFormEspern>},       {MAINBOARD_CALVET, Make<TFormCalvet>},
    {MAINBOARD_KELMIS, Make<TFormKelmis>},       {MAINBOARD_PELLIX, Make<TFormPellix>},
    {MAINBOARD_HARVIK, Make<TFormHarvik>},
};

} // namespace

std::span<const BoardFormRow> ProgramBoardForms() {
    return kForms;
}
