#include "app/RememberedCombo.h"

#include "platform/Assert.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <utility>

void TRememberedCombo::Bind(QComboBox* combo, int offIndex, std::function<void()> onPick) {
    PINSMITH_ASSERT(combo != nullptr);
    PINSMITH_ASSERT(offIndex >= 0);
    if (combo_ != nullptr)
        QObject::disconnect(connection_);
    combo_ = combo;
    offIndex_ = offIndex;
    remembered_ = offIndex;
    onPick_ = std::move(onPick);
    connection_ = QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
        remembered_ = index;
        if (onPick_)
            onPick_();
    });
}

void TRememberedCombo::Remember(int index) {
    PINSMITH_ASSERT(combo_ != nullptr);
    remembered_ = (index >= 0 && index < combo_->count()) ? index : offIndex_;
}

void TRememberedCombo::Follow(bool consumerOn) {
    PINSMITH_ASSERT(combo_ != nullptr);
    Show(consumerOn ? remembered_ : offIndex_);
    combo_->setEnabled(consumerOn);
}

int TRememberedCombo::Shown() const {
    PINSMITH_ASSERT(combo_ != nullptr);
    return combo_->currentIndex() < 0 ? offIndex_ : combo_->currentIndex();
}

void TRememberedCombo::Show(int index) {
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(index < combo_->count() ? index : offIndex_);
}
