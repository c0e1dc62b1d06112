#include "boards/cyclone5/UI_Wendal.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/WendalId.h"
#include "ui_UI_Wendal.h"

#include <cstddef>

namespace {

using gpioform::PortControls;

constexpr PortControls kPorts[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0"},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1"},
};

} // namespace

TFormWendal::TFormWendal(QWidget* owner)
    : TGpioBoardForm<WENDAL_CONFIG>(owner), ui_(std::make_unique<Ui::TFormWendal>()) {
    ui_->setupUi(this);
    BindControls({MAINBOARD_WENDAL, "WENDAL_BITMAP", {}, kPorts});
}

TFormWendal::~TFormWendal() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_WENDAL, MakeBoardForm<TFormWendal>};
} // namespace
