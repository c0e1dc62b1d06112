#pragma once
// The form of the Alvek board (board id 1), whose design the Bressa, Corvin
// and Dunmar forms share: peripheral check boxes in two columns, two 40-pin
// GPIO headers with a card combo, a prefix edit and a card picture each,
// the board's picture with an outline over every ticked peripheral and
// every header that holds a card. One form class over the board's record
// type, driven by a per-board design: its check boxes (caption, record
// byte, outlines), title and client size; the board's picture table places
// the outlines.
//
// These forms show no box after a successful generation, keep default.cfg
// from the moment the form goes away (not from its closing), and show an
// empty prefix edit for a header without a card.

#include "app/BoardForm.h"
#include "boards/cyclone3/AlvekConfig.h"
#include "settings/ConfigBase.h"

#include <cstddef>
#include <memory>
#include <span>

class QCheckBox;
class TShape;
namespace Ui {
class THeaderBoardForm;
}

// A check box of the design: the peripheral group of the definition it
// stands for (the box is CheckBox<group>), its caption, and the outlines
// (picture parts) it shows while ticked when they are not Shape<group>
// (names separated by blanks).
struct THeaderBoardBox {
    const char* group;
    const char* caption;
    const char* outlines = nullptr;
};

struct THeaderBoardDesign {
    BoardId board;
    const char* title; // LabelBoardName
    int width;         // client area
    int height;
    // In the two columns, row by row: left box, then right box.
    std::span<const THeaderBoardBox> boxes;
};

template <class Record> class THeaderBoardForm : public TBoardFormOf<TConfigBase<Record>> {
public:
    THeaderBoardForm(QWidget* owner, const THeaderBoardDesign& design);
    ~THeaderBoardForm() override;

private:
    std::unique_ptr<Ui::THeaderBoardForm> ui_;
};

class TFormAlvek : public THeaderBoardForm<ALVEK_CONFIG> {
public:
    explicit TFormAlvek(QWidget* owner);
};
