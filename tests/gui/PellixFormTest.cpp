// The Pellix form as the program hosts it: the main window, a temporary
// program folder, scripted boxes and dialogs, clicks and picks as the user
// makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix5/PellixId.h"
#include "boards/stratix5/StratixVConfig.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::MsgKind;
using platform::MsgResult;

const char* const kQspWarning =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is "
    "not enalbed.\r\nDo you want to continued?";
const char* const kSataWarning =
    "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not "
    "enabled.\r\nDo you want to continued?";

class PellixForm : public GuiTest {
protected:
    void SetUp() override {
        // A default.cfg of another board's size is ignored.
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("default.cfg"), std::string(176, '\x10'))
                        .Complete(176));
        // The start board opens, as this form.
        host_.emplace(MAINBOARD_PELLIX, [](int id) { return id == StartBoardId(); });
        main_ = FormHost::ShowMain();
        board_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(board_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(board_, name); }
    void Click(const char* name) { Get<QAbstractButton>(name)->click(); }
    // A user's pick: the index, then the signal a pick sends.
    void Choose(const char* combo, int index) {
        QComboBox* box = Get<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void PickCard(int card) {
        const int index = board_->Port(0).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        board_->Port(0).Combo->setCurrentIndex(index);
        emit board_->Port(0).Combo->activated(index);
    }
    QComboBox* Si570() { return Get<QComboBox>("ComboBoxSi570"); }
    QComboBox* Cdcm() { return Get<QComboBox>("ComboBoxCdcm61004"); }
    std::string ProjectFile() { return dir.Path() + "CodeGenerated/Pellix/Pellix/Pellix.qpf"; }
    std::string SavedRecord() {
        dialogs.QueuePath(dir.File("saved.cfg"));
        Click("ButtonSave");
        std::string bytes;
        platform::ReadWholeFile(dir.File("saved.cfg"), bytes);
        EXPECT_EQ(bytes.size(), sizeof(PELLIX_CONFIG));
        bytes.resize(sizeof(PELLIX_CONFIG));
        return bytes;
    }
    static std::int32_t I32(const std::string& record, std::size_t offset) {
        std::int32_t value = 0;
        std::memcpy(&value, record.data() + offset, sizeof value);
        return value;
    }
    static std::vector<std::string> Items(QComboBox* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i) {
            items.push_back(combo->itemText(i).toStdString());
        }
        return items;
    }

    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* board_ = nullptr;
};

constexpr std::size_t kSi570 = offsetof(PELLIX_CONFIG, Si570Index);
constexpr std::size_t kCdcm = offsetof(PELLIX_CONFIG, Cdcm61004Index);

TEST_F(PellixForm, FreshStartWithTheDefaults) {
    EXPECT_EQ(board_->size(), QSize(830, 525));
    EXPECT_EQ(board_->windowTitle().toStdString(), "Quelmar - Pellix V1.0.2");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Pellix");
    const std::vector<std::string> ticked = {"CheckBoxOSC",    "CheckBoxLED",   "CheckBoxButton",
                                             "CheckBoxSwitch", "CheckBoxTemp",  "CheckBoxFan",
                                             "CheckBoxFlash",  "CheckBoxSSRAM", "CheckBoxRs422"};
    const QList<QCheckBox*> boxes = board_->findChildren<QCheckBox*>();
    EXPECT_EQ(boxes.size(), 17);
    for (const QCheckBox* box : boxes) {
        const std::string name = box->objectName().toStdString();
        EXPECT_EQ(box->isChecked(), std::find(ticked.begin(), ticked.end(), name) != ticked.end())
            << name;
    }
    EXPECT_EQ(Items(Si570()),
              (std::vector<std::string>{"Disable", "100.00000", "125.00000", "156.25000",
                                        "250.00000", "312.50000", "322.26500", "644.53125"}));
    EXPECT_EQ(Items(Cdcm()), (std::vector<std::string>{"Disable", "62.50", "75.00", "100.00",
                                                       "125.00", "150.00", "156.25", "187.50",
                                                       "200.00", "250.00", "312.50", "625.00"}));
    for (QComboBox* combo : {Si570(), Cdcm()}) {
        EXPECT_FALSE(combo->isEnabled());
        EXPECT_EQ(combo->currentIndex(), 0);
    }
    EXPECT_EQ(board_->Port(0).Combo->count(), 25);
    EXPECT_EQ(board_->Port(0).Combo->currentText().toStdString(), "None");
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC_A")->text().isEmpty());
    for (const char* hidden : {"ShapeSi570", "ShapeCdcm61004", "ShapeHSMC_A", "ShapeSfp_A"}) {
        EXPECT_FALSE(Get<TShape>(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(Get<TShape>("ShapeRJ45LED")->isVisible());
    EXPECT_TRUE(ui.Boxes().empty());
}

// Which interface enables which oscillator combo.
TEST_F(PellixForm, OscillatorCombosFollowTheirConsumers) {
    struct Case {
        const char* box; // ticked, or nullptr
        int card;        // on HSMC-A
        bool si570, cdcm;
    };
    const Case cases[] = {
        {"CheckBoxSfpC", 0, true, true},    {"CheckBoxSata_0", 0, false, true},
        {"CheckBoxSata_1", 0, false, true}, {nullptr, 3, false, true},
        {nullptr, 21, false, true},         {nullptr, 2, false, false},
        {"CheckBoxPCIe", 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box ? c.box : "") + " card " + std::to_string(c.card));
        Click("ButtonDefaultSetting");
        if (c.box) {
            Click(c.box);
        }
        PickCard(c.card);
        EXPECT_EQ(Si570()->isEnabled(), c.si570);
        EXPECT_EQ(Cdcm()->isEnabled(), c.cdcm);
    }
}

// A pick survives unticking and reticking its consumer; meanwhile the combo
// shows "Disable" and a saved file holds what the combos show.
TEST_F(PellixForm, RememberedChoicesAndTheSavedFile) {
    Click("CheckBoxSfpC");
    Choose("ComboBoxSi570", 3);
    Choose("ComboBoxCdcm61004", 4);
    EXPECT_TRUE(Get<TShape>("ShapeSi570")->isVisible());
    std::string saved = SavedRecord();
    EXPECT_EQ(I32(saved, kSi570), 3);
    EXPECT_EQ(I32(saved, kCdcm), 4);

    Click("CheckBoxSfpC");
    EXPECT_FALSE(Si570()->isEnabled());
    EXPECT_EQ(Si570()->currentText().toStdString(), "Disable");
    EXPECT_EQ(Cdcm()->currentText().toStdString(), "Disable");
    EXPECT_FALSE(Get<TShape>("ShapeCdcm61004")->isVisible());
    saved = SavedRecord();
    EXPECT_EQ(I32(saved, kSi570), 0);
    EXPECT_EQ(I32(saved, kCdcm), 0);

    Cdcm()->setCurrentIndex(7); // set from code: no choice of the user's
    Click("CheckBoxSata_1");
    EXPECT_FALSE(Si570()->isEnabled());
    EXPECT_EQ(Cdcm()->currentIndex(), 4);
    Click("CheckBoxSfpC");
    EXPECT_EQ(Si570()->currentIndex(), 3);
    EXPECT_EQ(Cdcm()->currentIndex(), 4);

    // A loaded file replaces the remembered choices.
    Click("CheckBoxSfpC");
    Click("CheckBoxSata_1");
    dialogs.QueuePath(dir.File("saved.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(ui.Boxes().empty());
    Click("CheckBoxSfpA");
    EXPECT_EQ(Si570()->currentIndex(), 0);
    EXPECT_EQ(Cdcm()->currentIndex(), 0);
}

// The questions before the project file, the answers, and whether the
// project is written; the boxes in the order shown.
TEST_F(PellixForm, OscillatorWarningChain) {
    struct Case {
        const char* name;
        std::vector<const char*> boxes;
        int si570, cdcm, card;
        std::vector<MsgResult> answers;
        std::vector<const char*> shown; // the warnings
        bool written;
    };
    const Case cases[] = {
        {"SFP+ with the Si570", {"CheckBoxSfpA"}, 3, 0, 0, {}, {}, true},
        {"SFP+ with the CDCM61004", {"CheckBoxSfpB"}, 0, 2, 0, {}, {}, true},
        {"SFP+ without either, No",
         {"CheckBoxSfpA"},
         0,
         0,
         0,
         {MsgResult::No},
         {kQspWarning},
         false},
        {"SFP+ without either, Yes",
         {"CheckBoxSfpD"},
         0,
         0,
         0,
         {MsgResult::Yes},
         {kQspWarning},
         true},
        {"SFP+ and SATA, Yes then No",
         {"CheckBoxSfpA", "CheckBoxSata_0"},
         0,
         0,
         0,
         {MsgResult::Yes, MsgResult::No},
         {kQspWarning, kSataWarning},
         false},
        {"SFP+ with the Si570 and SATA, Yes",
         {"CheckBoxSfpA", "CheckBoxSata_0"},
         3,
         0,
         0,
         {MsgResult::Yes},
         {kSataWarning},
         true},
        {"SATA without the CDCM61004, No",
         {"CheckBoxSata_1"},
         0,
         0,
         0,
         {MsgResult::No},
         {kSataWarning},
         false},
        {"a transceiver card without the CDCM61004", {}, 0, 0, 3, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click("ButtonDefaultSetting");
        for (const char* box : c.boxes) {
            Click(box);
        }
        PickCard(c.card);
        if (c.si570) {
            Choose("ComboBoxSi570", c.si570);
        }
        if (c.cdcm) {
            Choose("ComboBoxCdcm61004", c.cdcm);
        }
        platform::DeleteFile(ProjectFile());
        ui.Clear();
        for (MsgResult answer : c.answers) {
            ui.QueueAnswer(answer);
        }
        const std::size_t dialogsBefore = dialogs.Shown().size();
        if (c.written) {
            dialogs.QueuePath(ProjectFile());
        }
        Click("ButtonGen");
        ASSERT_GE(ui.Boxes().size(), c.shown.size()) << testing::PrintToString(Messages());
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            EXPECT_EQ(ui.Boxes()[i].kind, MsgKind::Warning);
            EXPECT_EQ(ui.Boxes()[i].buttons, platform::MsgButtons::YesNo);
            EXPECT_EQ(ui.Boxes()[i].text, c.shown[i]);
        }
        EXPECT_EQ(dialogs.Shown().size() > dialogsBefore, c.written);
        EXPECT_EQ(platform::FileExists(ProjectFile()), c.written);
        if (c.written) {
            EXPECT_EQ(ui.Boxes().back().text.rfind("Generate Quartus Project successfully.", 0),
                      0u);
        } else {
            EXPECT_EQ(ui.Boxes().size(), c.shown.size());
        }
    }
}

// The transceiver reminder comes in one box before the success box.
TEST_F(PellixForm, ReminderBeforeTheSuccessBox) {
    struct Case {
        std::vector<const char*> boxes;
        int card;
        const char* interfaces; // nullptr: no reminder
    };
    const Case cases[] = {
        {{"CheckBoxPCIe"}, 3, "PCIe/HSMC-Transceiver"},
        {{"CheckBoxSata_1"}, 0, "SATA"},
        {{"CheckBoxSfpB", "CheckBoxSata_0", "CheckBoxPCIe"}, 22, "SATA/PCIe/SFP+/HSMC-Transceiver"},
        {{}, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interfaces ? c.interfaces : "none");
        Click("ButtonDefaultSetting");
        for (const char* box : c.boxes) {
            Click(box);
        }
        PickCard(c.card);
        if (Cdcm()->isEnabled()) {
            Choose("ComboBoxCdcm61004", 4);
        }
        ui.Clear();
        dialogs.QueuePath(ProjectFile());
        Click("ButtonGen");
        const std::string success = "Generate Quartus Project successfully.\r\nThe project is "
                                    "located in the folder:\r\n" +
                                    platform::ExtractFilePath(ProjectFile());
        std::vector<std::string> expected;
        if (c.interfaces) {
            expected.push_back(
                std::string("===== ") + c.interfaces +
                "  Transceiver Pinsmith warning =====\r\n"
                "To prevent any errors while compiling your Quartus project, either comment out "
                "the\r\n"
                "transceiver signals in the top level entity if they are not in use or add the "
                "Altera \r\n"
                "Transceiver IP to your design.\r\n");
        }
        expected.push_back(success);
        EXPECT_EQ(Messages(), expected);
        for (const platform::RecordedBox& box : ui.Boxes()) {
            EXPECT_EQ(box.kind, MsgKind::Information);
        }
    }
}

// The HSMC Default cards take "HSMC_" when no prefix is typed, at the
// generation only; a typed prefix wins; another card keeps its own names.
TEST_F(PellixForm, HsmcDefaultPrefix) {
    struct Case {
        int card;
        const char* typed;
        const char* expected; // a line of the .qsf
        const char* absent;
    };
    const Case cases[] = {
        {2, "", "-to HSMC_SDA\r\n", nullptr},
        {3, "", "-to HSMC_SDA\r\n", nullptr},
        {2, "X_", "-to X_SDA\r\n", "-to HSMC_SDA"},
        {6, "", nullptr, "-to HSMC_"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card) + " '" + c.typed + "'");
        Click("ButtonDefaultSetting");
        PickCard(c.card);
        Get<QLineEdit>("EditPrefixHSMC_A")->setText(c.typed);
        if (Cdcm()->isEnabled()) {
            Choose("ComboBoxCdcm61004", 4);
        }
        dialogs.QueuePath(ProjectFile());
        Click("ButtonGen");
        std::string qsf;
        ASSERT_TRUE(platform::ReadWholeFile(platform::ChangeFileExt(ProjectFile(), ".qsf"), qsf));
        if (c.expected) {
            EXPECT_NE(qsf.find(c.expected), std::string::npos);
        }
        if (c.absent) {
            EXPECT_EQ(qsf.find(c.absent), std::string::npos);
        }
        EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC_A")->text().toStdString(), c.typed);
        const std::string saved = SavedRecord();
        EXPECT_EQ(std::string(saved.c_str() + offsetof(PELLIX_CONFIG, HsmcAPrefix)), c.typed);
    }
}

// CLOCK_ before the card's SDA and SCL gives the names of the Si570's own
// pins: refused before any file is written.
TEST_F(PellixForm, SameSignalTwiceRefusedAtGenerate) {
    Click("CheckBoxSfpA");
    Choose("ComboBoxSi570", 3);
    PickCard(2);
    Get<QLineEdit>("EditPrefixHSMC_A")->setText("CLOCK_");
    dialogs.QueuePath(ProjectFile());
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    EXPECT_NE(ui.Boxes()[0].text.find("is used by both"), std::string::npos);
    EXPECT_NE(ui.Boxes()[0].text.find("HSMC-A"), std::string::npos);
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to generate Quartus project: Pellix.qpf.");
    EXPECT_FALSE(platform::FileExists(ProjectFile()));
}

TEST_F(PellixForm, ForeignFileOfTheRecordsSizeIsRefused) {
    std::string foreign(sizeof(PELLIX_CONFIG), '\0');
    foreign[0] = 16;
    const std::int32_t size = sizeof(PELLIX_CONFIG);
    std::memcpy(foreign.data() + 4, &size, sizeof size);
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("other.cfg"), foreign).Complete(foreign.size()));
    Get<QLineEdit>("EditProjectName")->setText("Kept");
    dialogs.QueuePath(dir.File("other.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), (std::vector<std::string>{dir.File("other.cfg") +
                                                        " is not a settings file of this board "
                                                        "(its board id is not this board's).",
                                                    "Failed to load setting"}));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Kept");

    ui.Clear();
    dialogs.QueueCancel();
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to load setting"});
}

// Change Main Board opens the board selector (cancelled: the form stays);
// Exit keeps the controls in default.cfg.
TEST_F(PellixForm, ChangeMainBoardOpensTheSelectorAndExitKeepsDefaultCfg) {
    int selectors = 0;
    WhenModalShows([&](QWidget* modal) {
        ++selectors;
        static_cast<TFormBoardSelector*>(modal)->CancelButton()->click();
    });
    Click("ButtonMainBoardSelect");
    QCoreApplication::sendPostedEvents(main_.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(selectors, 1);
    EXPECT_EQ(main_->CurrentBoardForm(), board_);

    Get<QLineEdit>("EditProjectName")->setText("Kept");
    Click("CheckBoxSata_0");
    Choose("ComboBoxCdcm61004", 6);
    Click("ButtonExit");
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("default.cfg"), bytes));
    ASSERT_EQ(bytes.size(), sizeof(PELLIX_CONFIG));
    EXPECT_EQ(bytes[0], static_cast<char>(MAINBOARD_PELLIX));
    EXPECT_EQ(std::string(bytes.c_str() + offsetof(PELLIX_CONFIG, ProjectName)), "Kept");
    EXPECT_EQ(I32(bytes, kCdcm), 6);
    EXPECT_TRUE(ui.Boxes().empty());
}

} // namespace
