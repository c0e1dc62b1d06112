#include "boards/cyclone5/UI_Tavrin.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/TavrinId.h"
#include "ui_UI_Tavrin.h"

#include <cstddef>

namespace {

using gpioform::PeripheralControls;
using gpioform::PortControls;

constexpr PeripheralControls kPeripherals[] = {
    {offsetof(TAVRIN_CONFIG, OSC), "CheckBoxOSC", "ShapeOSC"},
    {offsetof(TAVRIN_CONFIG, LED), "CheckBoxLED", "ShapeLED"},
    {offsetof(TAVRIN_CONFIG, Button), "CheckBoxButton", "ShapeButton"},
    {offsetof(TAVRIN_CONFIG, Switch), "CheckBoxSwitch", "ShapeSwitch"},
    {offsetof(TAVRIN_CONFIG, VGA), "CheckBoxVGA", "ShapeVGA"},
    {offsetof(TAVRIN_CONFIG, HDMI), "CheckBoxHDMI", "ShapeHdmi"},
    {offsetof(TAVRIN_CONFIG, DDR3), "CheckBoxDDR3", "ShapeDDR3"},
    {offsetof(TAVRIN_CONFIG, Audio), "CheckBoxAudio", "ShapeAudio"},
    {offsetof(TAVRIN_CONFIG, VideoIn), "CheckBoxVideoIn", "ShapeVideoIn"},
    {offsetof(TAVRIN_CONFIG, ADC), "CheckBoxADC", "ShapeADC"},
    {offsetof(TAVRIN_CONFIG, Seg7), "CheckBoxSeg7", "ShapeSeg7"},
    {offsetof(TAVRIN_CONFIG, IR), "CheckBoxIR", "ShapeIR"},
    {offsetof(TAVRIN_CONFIG, PS2), "CheckBoxPS2", "ShapePS2"},
    // The nine aqua outlines of the HPS side follow the one box.
    {offsetof(TAVRIN_CONFIG, HPS), "CheckBoxHPS",
     "ShapeHPS ShapeHpsDDR3 ShapeHpsEthernet ShapeHpsSdcard ShapeHpsUsb ShapeHpsUart "
     "ShapeHpsLTC ShapeHpsLCD ShapeHpsLedButton"},
};

constexpr PortControls kPorts[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio0", "ShapeGpio"},
};

} // namespace

TFormTavrin::TFormTavrin(QWidget* owner)
    : TGpioBoardForm<TAVRIN_CONFIG>(owner), ui_(std::make_unique<Ui::TFormTavrin>()) {
    ui_->setupUi(this);
    BindControls({MAINBOARD_TAVRIN, "TAVRIN_BITMAP", kPeripherals, kPorts, "CheckBoxHPS"});
}

TFormTavrin::~TFormTavrin() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_TAVRIN, MakeBoardForm<TFormTavrin>};
} // namespace
