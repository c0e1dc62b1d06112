#include "boards/cyclone5/UI_Sollen.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/SollenId.h"
#include "ui_UI_Sollen.h"

#include <cstddef>

namespace {

using gpioform::PeripheralControls;
using gpioform::PortControls;

constexpr PeripheralControls kPeripherals[] = {
    {offsetof(SOLLEN_CONFIG, OSC), "CheckBoxOSC", "ShapeOSC"},
    {offsetof(SOLLEN_CONFIG, LED), "CheckBoxLED", "ShapeLED"},
    {offsetof(SOLLEN_CONFIG, Button), "CheckBoxButton", "ShapeButton"},
    {offsetof(SOLLEN_CONFIG, Switch), "CheckBoxSwitch", "ShapeSwitch"},
    {offsetof(SOLLEN_CONFIG, VGA), "CheckBoxVGA", "ShapeVGA"},
    {offsetof(SOLLEN_CONFIG, SDRAM), "CheckBoxSDRAM", "ShapeSDRAM"},
    {offsetof(SOLLEN_CONFIG, Audio), "CheckBoxAudio", "ShapeAudio"},
    {offsetof(SOLLEN_CONFIG, VideoIn), "CheckBoxVideoIn", "ShapeVideoIn"},
    {offsetof(SOLLEN_CONFIG, ADC), "CheckBoxADC", "ShapeADC"},
    {offsetof(SOLLEN_CONFIG, Seg7), "CheckBoxSeg7", "ShapeSeg7"},
    {offsetof(SOLLEN_CONFIG, IR), "CheckBoxIR", "ShapeIR"},
    {offsetof(SOLLEN_CONFIG, PS2), "CheckBoxPS2", "ShapePS2"},
    {offsetof(SOLLEN_CONFIG, HPS), "CheckBoxHPS", "ShapeHPS"},
};

constexpr PortControls kPorts[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0"},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1"},
};

} // namespace

TFormSollen::TFormSollen(QWidget* owner)
    : TGpioBoardForm<SOLLEN_CONFIG>(owner), ui_(std::make_unique<Ui::TFormSollen>()) {
    ui_->setupUi(this);
    gpioform::ShowPicture(this, "ImageAltera", "CYCLONE_V_LOGO");
    gpioform::ShowPicture(this, "ImageQuelmar", "QUELMAR_LOGO");
    // The two dotted outlines are decoration: always shown.
    BindControls({MAINBOARD_SOLLEN, "SOLLEN_BITMAP", kPeripherals, kPorts, "CheckBoxHPS"});
}

TFormSollen::~TFormSollen() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_SOLLEN, MakeBoardForm<TFormSollen>};
} // namespace
