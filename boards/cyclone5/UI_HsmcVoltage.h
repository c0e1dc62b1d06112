#pragma once
// The HSMC voltage choice of the Quindle and Falmor forms: the voltage combo
// ("3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"), one card list per voltage
// (built once), the four outlines of the voltage jumper's positions, and the
// jumper warning after a generation at another voltage than 2.5 V.
//
// The combo is bound to its index change, not to activation: picking the
// voltage already shown changes nothing. A change puts the card combo on
// None with the new voltage's list, keeps the prefix text and hides the card
// picture and outline; the held record is not touched. The form stores the
// combo index in its record (Index) and shows the mended record's index
// before its card combos are filled (Show).

#include "app/BoardForm.h"
#include "boards/BoardDef.h"
#include "boards/cyclone5/HsmcVoltage.h"
#include "settings/ConfigCommon.h"

#include <array>
#include <cstdint>

class QComboBox;
class TShape;

// One card list, as a settings holder keeps it.
struct THsmcCardList {
    std::int32_t CardCount = 0;
    std::uint8_t CardIds[config::kCardListCapacity] = {};
    void BuildCardList(ConnectorType type, bool allowTransceiver, Voltage voltage);
};

class THsmcVoltageChoice {
public:
    struct Controls {
        QComboBox* Voltage = nullptr;
        // The jumper outlines of 3.3, 2.5, 1.8 and 1.5 V.
        std::array<TShape*, hsmcvoltage::kCount> Jumpers{};
    };

    // port: the index of the HSMC port in the board's definition; jumper:
    // the words the warning names the jumper with ("shunt position on JP7").
    // Made before the form binds its ports: the form's definition is given.
    THsmcVoltageChoice(TBoardForm& form, const BoardDef& def, int port, Controls controls,
                       const char* jumper);

    // Shows a (mended) record's voltage index and gives the HSMC port the
    // list of that voltage, without running the change.
    void Show(std::int32_t index);
    // The voltage index the combo shows.
    std::int32_t Index() const;
    // The outline of the jumper position of the shown voltage, no other.
    void UpdateJumperShapes() const;
    // After a successful generation: the warning box unless the voltage is
    // the board's default.
    void ShowJumperWarning() const;

private:
    void Change(int index);

    TBoardForm& form_;
    int port_;
    Controls controls_;
    const char* jumper_;
    std::array<THsmcCardList, hsmcvoltage::kCount> lists_;
};
