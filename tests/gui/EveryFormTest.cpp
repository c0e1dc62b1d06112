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
#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone3/JorkelId.h"
#include "boards/cyclone3/JorvathId.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/IstrelId.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone4/MarwenId.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"
#include "boards/cyclone5/WendalId.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/DravelId.h"
#include "boards/max10/YeldenId.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/PellixId.h"
#include "model/CardAttach.h"

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

// A mode of the form that takes ports away (or changes them), set as the
// user sets it.
using ModeSetter = void (*)(TBoardForm* form);

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

struct FormCase {
    BoardId id;
    const char* name;
    // After a load, a port showing None shows an empty prefix edit (else
    // the file's prefix).
    bool emptyPrefixWithoutCard;
    // Load Setting that loads nothing ends with "Failed to load setting".
    bool failedLoadBox;
    // The layout has Change Main Board.
    bool changeMainBoard;
    // Modes that take ports away, each set on a fresh form.
    std::vector<ModeSetter> modes;
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<FormCase>& Cases() {
    static const std::vector<FormCase> cases = {
        {MAINBOARD_ALVEK, "Alvek", true, false, true, {}},
        {MAINBOARD_BRESSA, "Bressa", true, false, true, {}},
        {MAINBOARD_CORVIN, "Corvin", true, false, true, {}},
        {MAINBOARD_DUNMAR, "Dunmar", true, false, true, {}},
        {MAINBOARD_ELVORY, "Elvory", true, false, true, {[](TBoardForm* f) {
             Child<QComboBox>(f, "ComboBoxGpioVol")->setCurrentIndex(1);
         }}},
        {MAINBOARD_FENNIK,
         "Fennik",
         true,
         false,
         true,
         {[](TBoardForm* f) { TickBox(f, "CheckBoxGPIO"); },
          [](TBoardForm* f) { TickBox(f, "CheckBoxDDR2"); },
          [](TBoardForm* f) {
              TickBox(f, "CheckBoxGPIO");
              TickBox(f, "CheckBoxDDR2");
          }}},
        {MAINBOARD_GALDRE_X2, "Galdre_X2", true, true, true, {}},
        {MAINBOARD_GALDRE_X1, "Galdre_X1", true, true, true, {}},
        {MAINBOARD_HOLLIN, "Hollin", true, true, true, {}},
        {MAINBOARD_ISTREL, "Istrel", true, false, true, {}},
        {MAINBOARD_JORVATH, "Jorvath", true, false, true, {}},
        {MAINBOARD_KELMIS, "Kelmis", true, true, true, {[](TBoardForm* f) {
             PickIndex(f, "ComboBoxHsmcGpio", 1);
         }}},
        {MAINBOARD_LORSK, "Lorsk", true, false, true, {}},
        {MAINBOARD_MARWEN, "Marwen", true, false, true, {}},
        {MAINBOARD_NOLVAR, "Nolvar", true, true, true, {}},
        {MAINBOARD_OMBREL, "Ombrel", true, true, true, {}},
        {MAINBOARD_PELLIX, "Pellix", true, true, true, {}},
        {MAINBOARD_QUINDLE, "Quindle", true, false, true, {}},
        {MAINBOARD_RASMER, "Rasmer", true, false, true, {}},
        {MAINBOARD_SOLLEN, "Sollen", true, false, true, {}},
        {MAINBOARD_TAVRIN, "Tavrin", true, false, true, {}},
        {MAINBOARD_ULVANE, "Ulvane", true, false, true, {}},
        {MAINBOARD_VESSOR, "Vessor", true, false, true, {}},
        {MAINBOARD_WENDAL, "Wendal", true, false, true, {}},
        {MAINBOARD_YELDEN, "Yelden", true, false, true, {}},
        {MAINBOARD_ZARVIK, "Zarvik", true, true, true, {}},
        {MAINBOARD_ZARVIK_DDR4, "Zarvik_DDR4", true, true, true, {}},
        {MAINBOARD_BROVAN, "Brovan", true, false, true, {}},
        {MAINBOARD_CALVET, "Calvet", true, true, true, {}},
        {MAINBOARD_DRAVEL, "Dravel", true, false, true, {}},
        {MAINBOARD_ESPERN, "Espern", true, true, true, {}},
        {MAINBOARD_FALMOR, "Falmor", true, false, true, {}},
        {MAINBOARD_GRISTEL, "Gristel", true, false, true, {}},
        {MAINBOARD_HARVIK, "Harvik", true, false, true, {}},
        {MAINBOARD_ILMARCH, "Ilmarch", false, false, true, {}},
        {MAINBOARD_JORKEL, "Jorkel", true, false, true, {}},
        {MAINBOARD_KELVANE, "Kelvane", true, true, false, {}},
    };
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
                      GetParam().emptyPrefixWithoutCard ? "" : "9 bad")
                << port.Def.name;
        }
    }
    std::string message;
    EXPECT_TRUE(form_->CheckControls(message)) << message;
}

// Load Setting that loads nothing: a refused file first says why; the boards
// that report a failed load then say so, also for a cancelled dialog.
TEST_P(EveryForm, LoadSettingThatLoadsNothingAnswersAlike) {
    const std::vector<std::string> failed = GetParam().failedLoadBox
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
}

// Change Main Board, wherever the layout has it, asks the main window for
// the board selector.
TEST_P(EveryForm, ChangeMainBoardPostsTheChangeMessage) {
    auto* button = form_->findChild<QPushButton*>("ButtonMainBoardSelect");
    ASSERT_EQ(button != nullptr, GetParam().changeMainBoard);
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
    std::vector<ModeSetter> modes = {nullptr};
    modes.insert(modes.end(), GetParam().modes.begin(), GetParam().modes.end());
    std::set<std::string> named;
    for (std::size_t m = 0; m < modes.size(); ++m) {
        if (m > 0) {
            // A fresh form with the defaults for each mode.
            main_.reset();
            std::filesystem::remove(dir.File("default.cfg"));
            Open(GetParam().id);
            modes[m](form_);
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
    if (GetParam().id == MAINBOARD_KELMIS) {
        // HSMC-C in GPIO mode leaves A+E and D+F as they are.
        EXPECT_TRUE(named.count("HSMC-A+HSMC-E"));
        EXPECT_TRUE(named.count("HSMC-D+HSMC-F"));
        EXPECT_TRUE(named.count("GPIO-0+GPIO-1"));
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
                         [](const auto& info) { return std::string(info.param.name); });

// The table holds every form with settings the program carries.
TEST(EveryFormTable, HoldsEveryBoardForm) {
    std::set<int> inTable;
    for (const FormCase& c : Cases()) {
        inTable.insert(static_cast<int>(c.id));
    }
    std::set<int> withSettings;
    for (const BoardFormRow& row : ProgramBoardForms()) {
        const BoardDef* def = FindBoard(row.id);
        if (def && def->HasRecord()) {
            withSettings.insert(static_cast<int>(row.id));
        }
    }
    EXPECT_EQ(inTable, withSettings);
}

} // namespace
