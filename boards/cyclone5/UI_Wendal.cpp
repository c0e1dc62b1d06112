#include "boards/cyclone5/UI_Wendal.h"

#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/WendalId.h"
#include "ui_UI_Wendal.h"

#include <cstddef>

TFormWendal::TFormWendal(QWidget* owner)
    : TGpioBoardForm<WENDAL_CONFIG>(owner), ui_(std::make_unique<Ui::TFormWendal>()) {
    ui_->setupUi(this);
    BindControls({.board = MAINBOARD_WENDAL, .picture = "WENDAL_BITMAP"});
}

TFormWendal::~TFormWendal() = default;

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_WENDAL, MakeBoardForm<TFormWendal>};
} // namespace
