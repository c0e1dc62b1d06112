#include "boards/cyclone5/UI_Wendal.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/WendalId.h"
#include "ui_UI_Wendal.h"

#include <cstddef>

namespace {

using gpioform::PeripheralControls;
using gpioform::PortControls;

constexpr PeripheralControls kPeripherals[] = {
    {offsetof(WENDAL_CONFIG, OSC), "CheckBoxOSC", "ShapeOSC"},
    {offsetof(WENDAL_CONFIG, LED), "CheckBoxLED", "ShapeLED"},
    {offsetof(WENDAL_CONFIG, Button), "CheckBoxButton", "ShapeButton"},
    {offsetof(WENDAL_CONFIG, Switch), "CheckBoxSwitch", "ShapeSwitch"},
    {offsetof(WENDAL_CONFIG, VGA), "CheckBoxVGA", "ShapeVGA"},
    {offsetof(WENDAL_CONFIG, SDRAM), "CheckBoxSDRAM", "ShapeSDRAM"},
    {offsetof(WENDAL_CONFIG, Seg7), "CheckBoxSeg7", "ShapeSeg7"},
    {offsetof(WENDAL_CONFIG, PS2), "CheckBoxPS2", "ShapePS2"},
    {offsetof(WENDAL_CONFIG, SdCard), "CheckBoxSdCard", "ShapeSdCard"},
};

constexpr PortControls kPorts[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0"},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1"},
};

} // namespace

TFormWendal::TFormWendal(QWidget* owner)
    : TGpioBoardForm<WENDAL_CONFIG>(owner), ui_(std::make_unique<Ui::TFormWendal>()) {
    ui_->setupUi(this);
    BindControls({MAINBOARD_WENDAL, "WENDAL_BITMAP", kPeripherals, kPorts});
}

TFormWendal::~TFormWendal() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_WENDAL, MakeBoardForm<TFormWendal>};
} // namespace
