#include "boards/stratix4/UI_PllCombos.h"

#include "boards/stratix4/ExtPll.h"

#include <QComboBox>
#include <QString>

#include <cstddef>

TPllCombos::TPllCombos(std::array<QComboBox*, stratix4gx::kPllChoiceCount> combos)
    : combos_(combos) {
    for (QComboBox* combo : combos_) {
        for (std::uint8_t code = 0; code <= stratix4gx::kLastPllChoice; ++code) {
            combo->addItem(QString::fromLatin1(extpll::PllChoiceName(code)));
        }
        combo->setMaxVisibleItems(stratix4gx::kLastPllChoice + 1);
    }
}

void TPllCombos::Show(const Choices& record, bool ticked) {
    ticked_ = ticked;
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        combos_[i]->setCurrentIndex(ticked ? record[i] : 0);
        combos_[i]->setEnabled(ticked);
    }
}

void TPllCombos::Follow(const Choices& record, bool ticked) {
    if (ticked != ticked_) {
        Show(record, ticked);
    }
}

void TPllCombos::Read(Choices& record, bool ticked) const {
    if (!ticked) {
        return;
    }
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(combos_[i]->currentIndex());
    }
}
