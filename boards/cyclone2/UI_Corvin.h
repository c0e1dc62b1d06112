#pragma once
// The form of the Corvin board (board id 3): the Alvek form's design with
// the Corvin board's check boxes, picture and record.

#include "boards/cyclone2/CorvinConfig.h"
#include "boards/cyclone3/UI_Alvek.h"

class TFormCorvin : public THeaderBoardForm<CORVIN_CONFIG> {
public:
    explicit TFormCorvin(QWidget* owner);
};
