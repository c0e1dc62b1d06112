#include "boards/cyclone5/UI_Tavrin.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/TavrinId.h"
#include "ui_UI_Tavrin.h"

#include <cstddef>

namespace {

// The groups whose controls break the naming scheme.
constexpr TPeripheralControls kControls[] = {
    {"HDMI", nullptr, "ShapeHdmi"},
    // The nine aqua outlines of the HPS side follow the one box.
    {"HPS", nullptr,
     "ShapeHPS ShapeHpsDDR3 ShapeHpsEthernet ShapeHpsSdcard ShapeHpsUsb ShapeHpsUart "
     "ShapeHpsLTC ShapeHpsLCD ShapeHpsLedButton"},
};

} // namespace

TFormTavrin::TFormTavrin(QWidget* owner)
    : TGpioBoardForm<TAVRIN_CONFIG>(owner), ui_(std::make_unique<Ui::TFormTavrin>()) {
    ui_->setupUi(this);
    BindControls({.board = MAINBOARD_TAVRIN,
                  .picture = "TAVRIN_BITMAP",
                  .peripheralExceptions = kControls,
                  .hpsCheckBox = "CheckBoxHPS"});
}

TFormTavrin::~TFormTavrin() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_TAVRIN, MakeBoardForm<TFormTavrin>};
} // namespace
