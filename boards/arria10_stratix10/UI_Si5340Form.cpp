#include "boards/arria10_stratix10/UI_Si5340Form.h"

#include "app/Shape.h"
#include "boards/GenerateReminders.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "settings/ConfigBoard.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

std::string Joined(const std::vector<const char*>& names) {
    std::string text;
    for (const char* name : names) {
        text += (text.empty() ? "" : "/") + std::string(name);
    }
    return text;
}

} // namespace

struct TSi5340Clocks::Clock {
    Si5340ClockRow row;
    TRememberedCombo combo;
};

TSi5340Clocks::TSi5340Clocks() = default;
TSi5340Clocks::~TSi5340Clocks() = default;

void TSi5340Clocks::Add(Si5340ClockRow row) {
    PINSMITH_ASSERT(row.combo != nullptr && row.frequency != nullptr && row.items > 1);
    QComboBox* combo = row.combo;
    combo->clear();
    combo->addItem("Not Use");
    for (int i = 1; i < row.items; ++i) {
        const double mhz = row.frequency(static_cast<std::uint8_t>(i));
        combo->addItem(mhz > 0 ? QString::asprintf("%.5f", mhz) : QString("Not Use"));
    }
    combo->setMaxVisibleItems(row.items);
    auto clock = std::make_unique<Clock>();
    clock->row = std::move(row);
    clock->combo.Bind(combo, 0);
    clocks_.push_back(std::move(clock));
}

void TSi5340Clocks::SetChipOutline(Si5340Chip chip, TShape* outline) {
    outlines_[static_cast<int>(chip)] = outline;
}

void TSi5340Clocks::SetReminders(std::vector<Si5340ReminderRow> memories,
                                 std::vector<Si5340ReminderRow> transceivers) {
    memories_ = std::move(memories);
    transceivers_ = std::move(transceivers);
}

bool TSi5340Clocks::AnyTicked(const std::vector<QCheckBox*>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const QCheckBox* box) { return box->isChecked(); });
}

void TSi5340Clocks::Show(std::span<const std::uint8_t> record) {
    for (const auto& clock : clocks_) {
        PINSMITH_ASSERT(clock->row.indexOffset + sizeof(std::int32_t) <= record.size());
        std::int32_t index = 0;
        std::memcpy(&index, record.data() + clock->row.indexOffset, sizeof index);
        clock->combo.Remember(index);
    }
    Follow();
}

void TSi5340Clocks::Follow() {
    bool chipUsed[2] = {};
    for (const auto& clock : clocks_) {
        const bool used = AnyTicked(clock->row.consumers);
        clock->combo.Follow(used);
        chipUsed[static_cast<int>(clock->row.chip)] |= used;
    }
    for (int chip = 0; chip < 2; ++chip) {
        if (outlines_[chip]) {
            outlines_[chip]->setVisible(chipUsed[chip]);
        }
    }
}

void TSi5340Clocks::Write(std::span<std::uint8_t> record) const {
    for (const auto& clock : clocks_) {
        PINSMITH_ASSERT(clock->row.indexOffset + sizeof(std::int32_t) <= record.size());
        const std::int32_t index = clock->combo.Shown();
        std::memcpy(record.data() + clock->row.indexOffset, &index, sizeof index);
    }
}

std::string TSi5340Clocks::Warning() const {
    std::vector<const char*> missing[2];
    for (const auto& clock : clocks_) {
        if (AnyTicked(clock->row.consumers) && !clock->combo.IsOn()) {
            missing[static_cast<int>(clock->row.chip)].push_back(clock->row.warningName);
        }
    }
    std::string message;
    if (!missing[0].empty()) {
        message += platform::Format("%s interface is enabled, but the associated programmable "
                                    "oscillator SI5338A is not enalbed.\r\n",
                                    Joined(missing[0]).c_str());
    }
    if (!missing[1].empty()) {
        message += platform::Format("%s interface is enabled, but the associated programmable "
                                    "oscillator SI5338B is not enabled.\r\n",
                                    Joined(missing[1]).c_str());
    }
    return message;
}

bool TSi5340Clocks::ConfirmClocks() const {
    const std::string warning = Warning();
    if (warning.empty()) {
        return true;
    }
    return platform::MessageBox(platform::MsgKind::Warning, platform::MsgButtons::YesNo,
                                warning + "Do you want to continued?") == platform::MsgResult::Yes;
}

std::string TSi5340Clocks::Reminder() const {
    const auto ticked = [](const std::vector<Si5340ReminderRow>& rows) {
        std::vector<const char*> names;
        for (const Si5340ReminderRow& row : rows) {
            if (AnyTicked(row.boxes)) {
                names.push_back(row.name);
            }
        }
        return Joined(names);
    };
    std::string text;
    const std::string memory = ticked(memories_);
    if (!memory.empty()) {
        text += reminders::MemoryController(memory.c_str());
    }
    const std::string transceivers = ticked(transceivers_);
    if (!transceivers.empty()) {
        text += reminders::TransceiverSignals(transceivers, "Transceiver");
    }
    return text;
}

QComboBox* TSi5340Clocks::Combo(int index) const {
    PINSMITH_ASSERT(index >= 0 && index < static_cast<int>(clocks_.size()));
    return clocks_[static_cast<std::size_t>(index)]->row.combo;
}
