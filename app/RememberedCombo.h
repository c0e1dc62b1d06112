#pragma once
// A choice combo that follows a consumer: while the consumer (an interface
// box of the form) is ticked, the combo is enabled and shows the user's last
// choice; while it is unticked, the combo is disabled and shows its off entry
// ("Not Use", "Disable"), so a record saved or generated then carries the off
// entry and the chip output stays off. The remembered choice survives
// unticking and reticking the consumer while the form lives; a record shown
// by the form (load, defaults) replaces it.
//
// Only the user's picks count as choices (the combo is connected with
// `activated`); setting an index from code runs no handler.

#include <QObject>

#include <functional>

class QComboBox;

class TRememberedCombo {
public:
    TRememberedCombo() = default;
    TRememberedCombo(const TRememberedCombo&) = delete;
    TRememberedCombo& operator=(const TRememberedCombo&) = delete;

    // combo: the widget (filled by the caller before or after); offIndex:
    // the item shown while the consumer is unticked; onPick: run after a
    // user's pick has been remembered (may be empty).
    void Bind(QComboBox* combo, int offIndex, std::function<void()> onPick = {});

    // The choice a shown record holds; an index without an item is
    // remembered as the off entry. Shows nothing until Follow.
    void Remember(int index);
    int Remembered() const { return remembered_; }

    // Enabled with the remembered choice while consumerOn, else disabled at
    // the off entry. Runs no handler.
    void Follow(bool consumerOn);

    // The item the combo shows: what a record takes from it.
    int Shown() const;
    // The shown item is not the off entry.
    bool IsOn() const { return Shown() != offIndex_; }

    QComboBox* Combo() const { return combo_; }

private:
    void Show(int index);

    QComboBox* combo_ = nullptr;
    int offIndex_ = 0;
    int remembered_ = 0;
    std::function<void()> onPick_;
    QMetaObject::Connection connection_;
};
