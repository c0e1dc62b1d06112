// What every board form does alike, one table over all of them: Enter in a
// name or a combo, a port without a card after a load, Load Setting that
// loads nothing, Change Main Board, the port names of a prefix clash (also
// with ports a mode takes away) and check boxes changed through the
// accessibility interface.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "model/CardAttach.h"
#include "support/BoardFacts.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

void PickIndex(TBoardForm* form, const char* combo, int index) {
    auto* box = Child<QComboBox>(form, combo);
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(index);
    emit box->activated(index);
}
void TickBox(TBoardForm* form, const char* name) {
    auto* box = Child<QCheckBox>(form, name);
    ASSERT_NE(box, nullptr);
    box->click();
}

// A mode of the form that takes ports away (or changes them), set as the
// user sets it.
void SetMode(TBoardForm* form, const facts::FormMode& mode) {
    for (const facts::FormStep& step : mode) {
        switch (step.kind) {
        case facts::FormStep::Kind::SetIndex: {
            auto* box = Child<QComboBox>(form, step.widget);
            ASSERT_NE(box, nullptr);
            box->setCurrentIndex(step.index);
            break;
        }
        case facts::FormStep::Kind::PickIndex:
            PickIndex(form, step.widget, step.index);
            break;
        case facts::FormStep::Kind::Tick:
            TickBox(form, step.widget);
            break;
        }
    }
}

// One form of the table: a board whose form the program carries and that
// keeps settings, with what its facts (tests/support/BoardFacts.h) say of
// its form.
struct FormCase {
    BoardId id;
    std::string name;
    const facts::BoardFacts* facts;
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<FormCase>& Cases() {
    static const std::vector<FormCase> cases = [] {
        std::vector<FormCase> all;
        for (const BoardFormRow& row : ProgramBoardForms()) {
            const BoardDef* def = FindBoard(row.id);
            if (def && def->HasRecord()) {
                all.push_back(
                    {row.id,
                     std::string(def->folderWord) + "_" + std::to_string(BoardNumber(row.id)),
                     &facts::FactsOf(row.id)});
            }
        }
        return all;
    }();
    return cases;
}

using Bytes = std::vector<std::uint8_t>;

class EveryForm : public ProgramFormsTest, public ::testing::WithParamInterface<FormCase> {
protected:
    void SetUp() override { Open(GetParam().id); }

    void Click(const char* button) {
        auto* b = Get<QPushButton>(button);
        ASSERT_NE(b, nullptr);
        b->click();
    }
    static void PressEnter(QWidget* target) {
        target->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
    }
    // The prefix edits the form itself shows (not those of a dialog it
    // opens).
    bool OnForm(const QWidget* w) const {
        return form_->isAncestorOf(w) && w->window() == main_.get();
    }

    // What a check box's change leaves to see: the outlines, the combos,
    // the edits, the pictures and the record the controls stand for.
    std::vector<std::string> Snapshot() const {
        std::vector<std::string> lines;
        for (const TShape* s : form_->findChildren<TShape*>()) {
            lines.push_back("shape " + s->objectName().toStdString() +
                            (s->isHidden() ? " -" : " +"));
        }
        for (const QComboBox* c : form_->findChildren<QComboBox*>()) {
            lines.push_back("combo " + c->objectName().toStdString() + " " +
                            std::to_string(c->currentIndex()) + "/" + std::to_string(c->count()) +
                            (c->isEnabled() ? "" : " off") + (c->isHidden() ? " hidden" : ""));
        }
        for (const QLineEdit* e : form_->findChildren<QLineEdit*>()) {
            lines.push_back("edit " + e->objectName().toStdString() + " " +
                            e->text().toStdString() + (e->isEnabled() ? "" : " off") +
                            (e->isHidden() ? " hidden" : ""));
        }
        for (const QLabel* l : form_->findChildren<QLabel*>()) {
            lines.push_back("label " + l->objectName().toStdString() + " " +
                            l->text().toStdString() + (l->isHidden() ? " hidden" : ""));
        }
        const Bytes record = form_->ControlsRecord();
        lines.emplace_back(record.begin(), record.end());
        return lines;
    }
};

// Enter in the project name or in any combo of the form is no answer to a
// question: the program goes on, whatever the default button is.
TEST_P(EveryForm, EnterInAnEditOrAComboKeepsTheProgramRunning) {
    auto* name = Get<QLineEdit>("EditProjectName");
    ASSERT_NE(name, nullptr);
    name->setText("ByEnter");
    PressEnter(name);
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(main_->CurrentBoardForm(), form_);
    EXPECT_EQ(name->text().toStdString(), "ByEnter");
    for (QComboBox* combo : form_->findChildren<QComboBox*>()) {
        if (!combo->isVisibleTo(form_) || !combo->isEnabled()) {
            continue;
        }
        PressEnter(combo);
        EXPECT_TRUE(main_->isVisible()) << combo->objectName().toStdString();
    }
    EXPECT_TRUE(Messages().empty());
}

// A file whose ports carry no card but a malformed prefix: the forms whose
// edits follow the card show them empty; on every form the prefixes of
// card-less ports stand in no check's way.
TEST_P(EveryForm, APortWithoutACardHasNoPrefixInTheWay) {
    const BoardDef& def = form_->Definition();
    Bytes record(def.record.size);
    SetDefaultRecord(def, record);
    // A file as the form saves it: its board id and size set.
    record[def.record.boardIdOffset] = static_cast<std::uint8_t>(def.id);
    for (std::size_t i = 0; i < 4; ++i) {
        record[def.record.sizeOffset + i] = static_cast<std::uint8_t>(record.size() >> (8 * i));
    }
    for (const BoardCardPort& port : def.ports) {
        SetRecordPortCard(record, port, CARD_NONE);
        SetRecordFieldText(record, port.prefixOffset, "9 bad");
    }
    WriteFile(dir.File("cardless.cfg"), record);
    dialogs.QueuePath(dir.File("cardless.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), std::vector<std::string>{});

    for (int i = 0; i < form_->PortCount(); ++i) {
        const TCardPort& port = form_->Port(i);
        EXPECT_EQ(port.Combo->currentIndex(), 0) << port.Def.name;
        if (OnForm(port.Prefix)) {
            EXPECT_EQ(port.Prefix->text().toStdString(),
                      GetParam().facts->emptyPrefixWithoutCard ? "" : "9 bad")
                << port.Def.name;
        }
    }
    std::string message;
    EXPECT_TRUE(form_->CheckControls(message)) << message;
}

// Load Setting that loads nothing: a refused file first says why; the boards
// that report a failed load then say so, also for a cancelled dialog.
TEST_P(EveryForm, LoadSettingThatLoadsNothingAnswersAlike) {
    const std::vector<std::string> failed = GetParam().facts->failedLoadBox
                                                ? std::vector<std::string>{"Failed to load setting"}
                                                : std::vector<std::string>{};
    auto* name = Get<QLineEdit>("EditProjectName");
    name->setText("Kept");

    dialogs.QueueCancel();
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), failed);
    ui.Clear();

    WriteFile(dir.File("short.cfg"), Bytes(3, 0));
    dialogs.QueuePath(dir.File("short.cfg"));
    Click("ButtonLoad");
    std::vector<std::string> refused = {
        dir.File("short.cfg") + " is not a settings file of this board (it is 3 bytes long, not " +
        std::to_string(form_->Definition().record.size) + ")."};
    refused.insert(refused.end(), failed.begin(), failed.end());
    EXPECT_EQ(Messages(), refused);
    EXPECT_EQ(name->text().toStdString(), "Kept");

    // The saved defaults of every other board whose record has this size:
    // where the reason names a board, it is the board that wrote the file.
    const RecordLayout& own = form_->Definition().record;
    for (const BoardDef* writer : AllBoards()) {
        if (writer->id == form_->Definition().id || writer->record.size != own.size) {
            continue;
        }
        std::vector<std::uint8_t> bytes(writer->record.size);
        SetDefaultRecord(*writer, bytes);
        StampRecordHeader(*writer, bytes);
        WriteFile(dir.File("other.cfg"), bytes);
        ui.Clear();
        dialogs.QueuePath(dir.File("other.cfg"));
        Click("ButtonLoad");
        ASSERT_FALSE(Messages().empty()) << BoardNumber(writer->id);
        const std::string box = Messages().front();
        EXPECT_EQ(box.rfind(dir.File("other.cfg") + " is not a settings file of this board (", 0),
                  0u)
            << box;
        const std::string names = "(it belongs to board ";
        const std::size_t at = box.find(names);
        if (at != std::string::npos) {
            EXPECT_EQ(box.substr(at + names.size()), std::to_string(BoardNumber(writer->id)) + ").")
                << box;
        }
        EXPECT_EQ(name->text().toStdString(), "Kept");
    }
}

// Change Main Board, wherever the layout has it, asks the main window for
// the board selector.
TEST_P(EveryForm, ChangeMainBoardPostsTheChangeMessage) {
    auto* button = form_->findChild<QPushButton*>("ButtonMainBoardSelect");
    ASSERT_EQ(button != nullptr, GetParam().facts->changeMainBoard);
    if (!button) {
        return;
    }
    EXPECT_TRUE(button->isVisibleTo(form_));
    EXPECT_EQ(MessagesPostedTo(main_.get(), [&] { button->click(); }),
              (std::vector<std::pair<int, long long>>{{1025, 0}}));
}

// Two ports of one family with the same card and prefix: the refusal names
// both by their own names, in each mode of the board (ports a mode takes
// away in between included).
TEST_P(EveryForm, APrefixClashNamesBothPorts) {
    std::vector<const facts::FormMode*> modes = {nullptr};
    for (const facts::FormMode& mode : GetParam().facts->formModes) {
        modes.push_back(&mode);
    }
    std::set<std::string> named;
    for (std::size_t m = 0; m < modes.size(); ++m) {
        if (m > 0) {
            // A fresh form with the defaults for each mode.
            main_.reset();
            std::filesystem::remove(dir.File("default.cfg"));
            Open(GetParam().id);
            SetMode(form_, *modes[m]);
        }
        const std::vector<BoardCardPort> ports =
            EffectivePorts(form_->Definition(), form_->ControlsRecord());
        const auto clear = [&] {
            for (int k = 0; k < form_->PortCount(); ++k) {
                form_->Port(k).Combo->setCurrentIndex(0);
                form_->Port(k).Prefix->clear();
            }
        };
        for (int i = 0; i < form_->PortCount(); ++i) {
            for (int j = i + 1; j < form_->PortCount(); ++j) {
                const BoardCardPort& a = ports[static_cast<std::size_t>(i)];
                const BoardCardPort& b = ports[static_cast<std::size_t>(j)];
                if (a.family != b.family || a.family == PortFamily::Ergan || a.idle || b.idle ||
                    a.prefixRuleExempt || b.prefixRuleExempt) {
                    continue;
                }
                TCardPort& first = form_->Port(i);
                TCardPort& second = form_->Port(j);
                int index = -1;
                int other = -1;
                for (int k = 1; k < first.List.Count() && other < 0; ++k) {
                    const CardId card = first.List.At(k);
                    if (BoardConnectorType(card) != CONNECTOR_GPIO80) {
                        index = k;
                        other = second.List.IndexOf(card);
                    }
                }
                if (other < 0) {
                    continue; // no card both offer
                }
                clear();
                first.Combo->setCurrentIndex(index);
                second.Combo->setCurrentIndex(other);
                first.Prefix->setText("P_");
                second.Prefix->setText("P_");
                std::string message;
                EXPECT_FALSE(form_->CheckControls(message)) << a.name << " " << b.name;
                EXPECT_EQ(message, std::string(a.name) + " and " + b.name +
                                       " cannot have the same prefix name when both connect to "
                                       "the same type of daughter boards.")
                    << "mode " << m;
                named.insert(std::string(a.name) + "+" + b.name);
            }
        }
        clear();
    }
    for (const char* pair : GetParam().facts->namedClashPairs) {
        EXPECT_TRUE(named.count(pair)) << pair;
    }
}

// A check box changed through the accessibility interface (a screen reader,
// a GUI test tool) leaves the form as a click does, both ways.
TEST_P(EveryForm, ACheckBoxCountsHoweverItChanges) {
    int boxes = 0;
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        if (!box->isVisibleTo(form_) || !box->isEnabled()) {
            continue;
        }
        const std::string name = box->objectName().toStdString();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(access, nullptr) << name;
        QAccessibleActionInterface* actions = access->actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
            << name;

        const bool before = box->isChecked();
        actions->doAction(QAccessibleActionInterface::toggleAction());
        ASSERT_NE(box->isChecked(), before) << name;
        const std::vector<std::string> toggledOnce = Snapshot();
        actions->doAction(QAccessibleActionInterface::toggleAction());
        const std::vector<std::string> toggledBack = Snapshot();

        box->click();
        EXPECT_EQ(Snapshot(), toggledOnce) << name;
        box->click();
        EXPECT_EQ(Snapshot(), toggledBack) << name;
        ++boxes;
    }
    EXPECT_GT(boxes, 0);
}

INSTANTIATE_TEST_SUITE_P(Boards, EveryForm, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// Every facts' form settings belong to a board of the table.
TEST(EveryFormTable, FactsNameBoardsOfTheTable) {
    std::set<int> inTable;
    for (const FormCase& c : Cases()) {
        inTable.insert(BoardNumber(c.id));
    }
    EXPECT_FALSE(inTable.empty());
    const facts::BoardFacts defaults;
    for (const facts::BoardFacts* board : facts::AllFacts()) {
        const bool formFacts = board->emptyPrefixWithoutCard != defaults.emptyPrefixWithoutCard ||
                               board->failedLoadBox != defaults.failedLoadBox ||
                               board->changeMainBoard != defaults.changeMainBoard ||
                               !board->formModes.empty() || !board->namedClashPairs.empty();
        if (formFacts) {
            EXPECT_TRUE(inTable.count(BoardNumber(board->board))) << BoardNumber(board->board);
        }
    }
}

} // namespace
