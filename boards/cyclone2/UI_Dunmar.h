#pragma once
// The form of the Dunmar board (board id 4): the Alvek form's design with
// the Dunmar board's check boxes, picture and record.

#include "boards/cyclone2/DunmarConfig.h"
#include "boards/cyclone3/UI_Alvek.h"

class TFormDunmar : public THeaderBoardForm<DUNMAR_CONFIG> {
public:
    explicit TFormDunmar(QWidget* owner);
};
