#include "boards/stratix5/UI_StratixVForm.h"

#include "app/Shape.h"
#include "boards/BoardPicture.h"
#include "boards/GenerateReminders.h"
#include "boards/UI_BoardPicture.h"
#include "boards/stratix5/StratixVConfig.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Pictures.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include <cstring>

namespace stratix5 {

void TOscillatorCombos::Add(OscillatorRow row, std::function<void()> onPick) {
    PINSMITH_ASSERT(row.combo != nullptr && row.consumer);
    auto entry = std::make_unique<Entry>();
    entry->row = std::move(row);
    entry->combo.Bind(entry->row.combo, entry->row.offIndex, std::move(onPick));
    entries_.push_back(std::move(entry));
}

void TOscillatorCombos::ShowRecord(std::span<const std::uint8_t> record) {
    for (const auto& entry : entries_) {
        PINSMITH_ASSERT(entry->row.recordOffset + sizeof(std::int32_t) <= record.size());
        std::int32_t index = 0;
        std::memcpy(&index, record.data() + entry->row.recordOffset, sizeof index);
        entry->combo.Remember(index);
    }
    Follow();
}

void TOscillatorCombos::Follow() {
    for (const auto& entry : entries_) {
        entry->combo.Follow(entry->row.consumer());
    }
}

void TOscillatorCombos::ReadInto(std::span<std::uint8_t> record) const {
    for (const auto& entry : entries_) {
        PINSMITH_ASSERT(entry->row.recordOffset + sizeof(std::int32_t) <= record.size());
        const std::int32_t index = entry->combo.Shown();
        std::memcpy(record.data() + entry->row.recordOffset, &index, sizeof index);
    }
}

void TOscillatorCombos::UpdateOutlines() const {
    for (const auto& entry : entries_) {
        if (entry->row.outline) {
            entry->row.outline->setVisible(entry->combo.IsOn());
        }
    }
}

bool TOscillatorCombos::IsOn(int index) const {
    PINSMITH_ASSERT(index >= 0 && static_cast<std::size_t>(index) < entries_.size());
    return entries_[static_cast<std::size_t>(index)]->combo.IsOn();
}

std::vector<std::string> Si570Items(const char* offText) {
    std::vector<std::string> items;
    for (std::uint8_t i = 0; i <= kLastSi570; ++i) {
        const double mhz = Si570IndexToMHz(i);
        items.push_back(mhz > 0 ? platform::Format("%.5f", mhz) : std::string(offText));
    }
    return items;
}

void FillOscillatorCombo(QComboBox* combo, const std::vector<std::string>& items, int visible) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& item : items) {
        combo->addItem(QString::fromStdString(item));
    }
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(visible);
}

bool AskToContinue(const std::string& text) {
    return platform::MessageBox(platform::MsgKind::Warning, platform::MsgButtons::YesNo, text) ==
           platform::MsgResult::Yes;
}

std::string GenerationNotes(bool ddr3, bool qdr,
                            std::initializer_list<std::pair<bool, const char*>> transceivers) {
    std::string notes;
    if (ddr3 || qdr) {
        std::string m = ddr3 ? "DDR3-SDRAM" : "";
        if (qdr) {
            m += m.empty() ? "QDRII+ SRAM" : "/QDRII+ SRAM";
        }
        notes += reminders::MemoryController(m.c_str());
    }
    std::string t;
    for (const auto& [ticked, name] : transceivers) {
        if (ticked) {
            t += (t.empty() ? "" : "/") + std::string(name);
        }
    }
    if (!t.empty()) {
        notes += reminders::TransceiverSignals(t, "Transceiver");
    }
    return notes;
}

std::map<std::string, TShape*> ShowFormPicture(BoardId board, QLabel* image, QLabel* logo,
                                               QLabel* badge) {
    const BoardPicture* picture = FindBoardPicture(board);
    PINSMITH_ASSERT(picture != nullptr);
    logo->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    badge->setPixmap(platform::qt::LoadPicture(picture->badge));
    return ShowBoardPicture(image, *picture);
}

} // namespace stratix5
