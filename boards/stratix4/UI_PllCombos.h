#pragma once
// The three combos of the programmable PLL's outputs on the Stratix IV GX
// forms. While Programmable PLL is ticked they are enabled and show the
// record's choices; while it is not they show "Unchange", disabled, and the
// record keeps its choices. Only the box going from unticked to ticked
// brings back the record's choices: other clicks keep the user's picks.

#include "boards/stratix4/StratixIvGx.h"

#include <array>
#include <cstdint>

class QComboBox;

class TPllCombos {
public:
    using Choices = std::uint8_t[stratix4gx::kPllChoiceCount];

    // Fills each combo with the names of the choices, in code order.
    explicit TPllCombos(std::array<QComboBox*, stratix4gx::kPllChoiceCount> combos);

    // A record shown: its choices while ticked, else "Unchange".
    void Show(const Choices& record, bool ticked);
    // After a click on any box: as Show, but only when ticked changed.
    void Follow(const Choices& record, bool ticked);
    // The picks into the record, only while ticked.
    void Read(Choices& record, bool ticked) const;

private:
    std::array<QComboBox*, stratix4gx::kPllChoiceCount> combos_;
    bool ticked_ = false;
};
