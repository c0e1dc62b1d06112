#pragma once
// The one form of the Ulvane (board id 23) and Vessor (board id 24) boards:
// two Cyclone V SoC boards of one design, with their peripheral groups
// (Vessor adds an HDMI transmitter), the HPS pins as a group of their own,
// and two 40-pin GPIO headers. Each board has its layout
// (resources/forms/UI_Ulvane.ui, UI_Vessor.ui) with the same control names;
// the class binds them to the board's definition by name. A successful
// generation with HPS ticked ends with the HPS reminder.

#include "app/BoardForm.h"
#include "boards/cyclone5/UlvaneConfig.h"
#include "boards/cyclone5/VessorConfig.h"
#include "settings/ConfigBase.h"

template <class Record> class TFormUlvaneVessor : public TBoardFormOf<TConfigBase<Record>> {
public:
    explicit TFormUlvaneVessor(QWidget* owner);
    ~TFormUlvaneVessor() override;
};

extern template class TFormUlvaneVessor<ULVANE_CONFIG>;
extern template class TFormUlvaneVessor<VESSOR_CONFIG>;

using TFormUlvane = TFormUlvaneVessor<ULVANE_CONFIG>;
using TFormVessor = TFormUlvaneVessor<VESSOR_CONFIG>;
