#pragma once
// The form of the Bressa board (board id 2): the Alvek form's design with
// the Bressa board's check boxes, picture and record.

#include "boards/cyclone2/BressaConfig.h"
#include "boards/cyclone3/UI_Alvek.h"

class TFormBressa : public THeaderBoardForm<BRESSA_CONFIG> {
public:
    explicit TFormBressa(QWidget* owner);
};
