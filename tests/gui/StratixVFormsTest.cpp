// The Ombrel and Nolvar forms as the program hosts them: the main window, a
// temporary program folder, scripted boxes and dialogs, clicks and picks as
// the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix5/NolvarId.h"
#include "boards/stratix5/OmbrelId.h"
#include "boards/stratix5/StratixVConfig.h"
#include "boards/stratix5/UI_Nolvar.h"
#include "boards/stratix5/UI_Ombrel.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::MsgKind;
using platform::MsgResult;

class StratixVForm : public GuiTest {
protected:
    void Open(BoardId id) {
        // The window opens the start board; the factory gives it this form.
        host_.emplace(id, [id](int offered) {
            return offered == static_cast<int>(id) || offered == StartBoardId();
        });
        main_ = FormHost::ShowMain();
        form_ = main_->CurrentBoardForm();
        ASSERT_NE(form_, nullptr);
        folder_ = id == MAINBOARD_OMBREL ? "S5" : "Nolvar";
    }
    // Closes the window and forgets the default.cfg it left.
    void Close() {
        main_.reset();
        std::filesystem::remove(dir.File("default.cfg"));
    }
    template <class W> W* Get(const std::string& name) { return Child<W>(form_, name.c_str()); }
    void Tick(const std::string& box) { Get<QCheckBox>(box)->click(); }
    void Pick(const std::string& combo, int index) {
        QComboBox* c = Get<QComboBox>(combo);
        ASSERT_TRUE(c->isEnabled()) << combo;
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    // Index shown, and whether the combo is enabled.
    std::pair<int, bool> Shows(const std::string& combo) {
        QComboBox* c = Get<QComboBox>(combo);
        return {c->currentIndex(), c->isEnabled()};
    }
    bool OutlineShown(const std::string& shape) { return Get<TShape>(shape)->isVisible(); }
    std::string ProjectFile() {
        const std::string name = Get<QLineEdit>("EditProjectName")->text().toStdString();
        return dir.Path() + "CodeGenerated/" + folder_ + "/" + name + "/" + name + ".qpf";
    }
    std::string Save() {
        dialogs.QueuePath(dir.File("saved.cfg"));
        Get<QPushButton>("ButtonSave")->click();
        std::string bytes;
        platform::ReadWholeFile(dir.File("saved.cfg"), bytes);
        return bytes;
    }
    static std::int32_t I32(const std::string& bytes, std::size_t offset) {
        std::int32_t value = 0;
        EXPECT_LE(offset + 4, bytes.size());
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    }

    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    QWidget* form_ = nullptr;
    std::string folder_;
};

const std::string kSfpWarningOmbrel =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61001 is "
    "not enalbed.\r\nDo you want to continued?";
const std::string kSataWarningOmbrel =
    "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not "
    "enabled.\r\nDo you want to continued?";
const std::string kSfpWarningNolvar =
    "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61004 is "
    "not enalbed.\r\nDo you want to continued?";

// A default.cfg of another board's size is ignored: the defaults, every
// oscillator off and disabled, no oscillator outline.
TEST_F(StratixVForm, FreshStartOverAForeignDefaultCfg) {
    struct Case {
        BoardId id;
        QSize size;
        const char* name;
        std::vector<const char*> ticked;
        std::vector<std::pair<const char*, int>> offCombos; // name, off index
        std::vector<std::pair<int, const char*>> lastItems; // of the last combo
        int boxes;
    };
    const Case cases[] = {
        {MAINBOARD_OMBREL,
         QSize(832, 499),
         "S5",
         {"CheckBoxOSC", "CheckBoxLED", "CheckBoxSeg7", "CheckBoxButton", "CheckBoxSwitch",
          "CheckBoxTemp", "CheckBoxFan", "CheckBoxFlash", "CheckBoxRs422"},
         {{"ComboBoxSi570", 0}, {"ComboBoxCdcm61001", 1}, {"ComboBoxCdcm61004", 1}},
         {{0, "Unchanged"}, {1, "Not Use"}, {2, "62.50"}, {12, "625.00"}},
         25},
        {MAINBOARD_NOLVAR,
         QSize(834, 452),
         "Nolvar",
         {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxSwitch", "CheckBoxTemp",
          "CheckBoxFan", "CheckBoxFlash", "CheckBoxRs422"},
         {{"ComboBoxSi570", 0}, {"ComboBoxCdcm61004", 0}},
         {{0, "Disable"}, {1, "62.50"}, {11, "625.00"}},
         18},
    };
    ASSERT_TRUE(
        platform::WriteWholeFile(dir.File("default.cfg"), std::string(684, '\0')).Complete(684));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.id);
        EXPECT_EQ(form_->size(), c.size);
        EXPECT_EQ(main_->size(), c.size);
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), c.name);
        const QList<QCheckBox*> boxes = form_->findChildren<QCheckBox*>();
        EXPECT_EQ(boxes.size(), c.boxes);
        for (QCheckBox* box : boxes) {
            const std::string name = box->objectName().toStdString();
            EXPECT_EQ(box->isChecked(),
                      std::find(c.ticked.begin(), c.ticked.end(), name) != c.ticked.end())
                << name;
        }
        for (const auto& [combo, off] : c.offCombos) {
            EXPECT_EQ(Shows(combo), std::make_pair(off, false)) << combo;
        }
        // The Si570's items, then the CDCM61004's.
        QComboBox* si570 = Get<QComboBox>("ComboBoxSi570");
        QComboBox* cdcm = Get<QComboBox>("ComboBoxCdcm61004");
        EXPECT_EQ(si570->count(), 8);
        EXPECT_EQ(si570->itemText(0).toStdString(),
                  c.id == MAINBOARD_OMBREL ? "Not Use" : "Disable");
        EXPECT_EQ(si570->itemText(6).toStdString(), "322.26500");
        EXPECT_EQ(si570->itemText(7).toStdString(), "644.53125");
        EXPECT_EQ(cdcm->count(), c.lastItems.back().first + 1);
        for (const auto& [index, text] : c.lastItems) {
            EXPECT_EQ(cdcm->itemText(index).toStdString(), text);
        }
        for (TShape* shape : form_->findChildren<TShape*>()) {
            const std::string name = shape->objectName().toStdString();
            if (name == "ShapeSi570" || name.rfind("ShapeCdcm", 0) == 0) {
                EXPECT_FALSE(shape->isVisible()) << name;
            }
        }
        EXPECT_TRUE(Get<QPushButton>("ButtonExit")->isDefault());
        main_.reset(); // leaves a default.cfg of its own size: foreign to the next board
    }
    EXPECT_TRUE(ui.Boxes().empty());
}

// Ombrel: the SFP+ boxes drive the Si570 and the CDCM61001, the SATA boxes
// the CDCM61004; a pick survives unticking and reticking while the form
// lives. A pick shows or hides its outline at once.
TEST_F(StratixVForm, OmbrelRemembersChoicesAcrossUntickAndRetick) {
    Open(MAINBOARD_OMBREL);
    Tick("CheckBoxSfpA");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(0, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61001"), std::make_pair(1, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(1, false));
    EXPECT_FALSE(OutlineShown("ShapeSi570"));
    Pick("ComboBoxSi570", 3);
    EXPECT_TRUE(OutlineShown("ShapeSi570"));
    Pick("ComboBoxCdcm61001", 0); // "Unchanged"
    EXPECT_TRUE(OutlineShown("ShapeCdcm61001"));
    Pick("ComboBoxSi570", 0);
    EXPECT_FALSE(OutlineShown("ShapeSi570"));
    Pick("ComboBoxSi570", 3);

    Tick("CheckBoxSfpA");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(0, false));
    EXPECT_EQ(Shows("ComboBoxCdcm61001"), std::make_pair(1, false));
    Tick("CheckBoxSfpD");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(3, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61001"), std::make_pair(0, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(1, false));

    Tick("CheckBoxSata_2");
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(1, true));
    Pick("ComboBoxCdcm61004", 6);
    Tick("CheckBoxSata_2");
    Tick("CheckBoxSata_3");
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(6, true));
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(3, true));
}

// Nolvar: only the SFP+ boxes drive both oscillators; a pick shows its
// outline at once.
TEST_F(StratixVForm, NolvarRemembersChoicesAcrossUntickAndRetick) {
    Open(MAINBOARD_NOLVAR);
    Tick("CheckBoxSata");
    Tick("CheckBoxPCIe");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(0, false));
    Tick("CheckBoxSfpB");
    Pick("ComboBoxSi570", 7);
    Pick("ComboBoxCdcm61004", 11);
    EXPECT_TRUE(OutlineShown("ShapeSi570"));
    EXPECT_TRUE(OutlineShown("ShapeCdcm61004"));
    Tick("CheckBoxSfpB");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(0, false));
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(0, false));
    Tick("CheckBoxSfpA");
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(7, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(11, true));
}

// A saved file holds what the combos show, a disabled combo its off entry;
// loading it back shows the same, and the form remembers the loaded
// choices.
TEST_F(StratixVForm, SavedFileHoldsWhatTheCombosShow) {
    Open(MAINBOARD_OMBREL);
    Tick("CheckBoxSfpB");
    Pick("ComboBoxSi570", 5);
    Pick("ComboBoxCdcm61001", 9);
    Tick("CheckBoxSata_0");
    Pick("ComboBoxCdcm61004", 4);
    Tick("CheckBoxSata_0"); // the CDCM61004 shows "Not Use" again
    Get<QLineEdit>("EditProjectName")->setText("Saved");
    std::string bytes = Save();
    ASSERT_EQ(bytes.size(), 176u);
    EXPECT_EQ(bytes[0], 16);
    EXPECT_EQ(I32(bytes, 4), 176);
    EXPECT_EQ(I32(bytes, stratix5::kOmbrelSi570), 5);
    EXPECT_EQ(I32(bytes, stratix5::kOmbrelCdcm61001), 9);
    EXPECT_EQ(I32(bytes, stratix5::kOmbrelCdcm61004), 1);
    EXPECT_EQ(bytes[offsetof(OMBREL_CONFIG, Sfp) + 1], 1);
    EXPECT_EQ(bytes[offsetof(OMBREL_CONFIG, SataHost0)], 0);

    Get<QPushButton>("ButtonDefaultSetting")->click();
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(0, false));
    dialogs.QueuePath(dir.File("saved.cfg"));
    Get<QPushButton>("ButtonLoad")->click();
    EXPECT_TRUE(ui.Boxes().empty()) << testing::PrintToString(Messages());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Saved");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxSfpB")->isChecked());
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(5, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61001"), std::make_pair(9, true));
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(1, false));
    EXPECT_TRUE(OutlineShown("ShapeSi570"));
    EXPECT_FALSE(OutlineShown("ShapeCdcm61004"));
    Tick("CheckBoxSata_1"); // the loaded "Not Use" is the remembered choice
    EXPECT_EQ(Shows("ComboBoxCdcm61004"), std::make_pair(1, true));
}

TEST_F(StratixVForm, NolvarSavedWithoutSfpHoldsBothOscillatorsOff) {
    Open(MAINBOARD_NOLVAR);
    Tick("CheckBoxSfpA");
    Pick("ComboBoxSi570", 2);
    Pick("ComboBoxCdcm61004", 3);
    Tick("CheckBoxSfpA");
    const std::string bytes = Save();
    ASSERT_EQ(bytes.size(), 164u);
    EXPECT_EQ(bytes[0], 15);
    EXPECT_EQ(I32(bytes, stratix5::kNolvarSi570), 0);
    EXPECT_EQ(I32(bytes, stratix5::kNolvarCdcm61004), 0);
    Tick("CheckBoxSfpB"); // the picks live on in the form
    EXPECT_EQ(Shows("ComboBoxSi570"), std::make_pair(2, true));
}

// The oscillator warnings before Generate: which boxes appear, with which
// answers, and whether the project-file dialog opens.
TEST_F(StratixVForm, WarningChain) {
    struct Case {
        const char* what;
        BoardId id;
        std::vector<const char*> ticks;
        std::vector<std::pair<const char*, int>> picks;
        std::vector<MsgResult> answers;
        std::vector<std::string> warnings;
        bool fileDialog;
    };
    const Case cases[] = {
        {"SFP+ with both off, No",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpA"},
         {},
         {MsgResult::No},
         {kSfpWarningOmbrel},
         false},
        {"SFP+ with both off, Yes",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpA"},
         {},
         {MsgResult::Yes},
         {kSfpWarningOmbrel},
         true},
        {"CDCM61001 unchanged",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpC"},
         {{"ComboBoxCdcm61001", 0}},
         {},
         {},
         true},
        {"Si570 on", MAINBOARD_OMBREL, {"CheckBoxSfpC"}, {{"ComboBoxSi570", 1}}, {}, {}, true},
        {"SATA with the CDCM61004 off, No",
         MAINBOARD_OMBREL,
         {"CheckBoxSata_3"},
         {},
         {MsgResult::No},
         {kSataWarningOmbrel},
         false},
        {"both, No to the first",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpA", "CheckBoxSata_0"},
         {},
         {MsgResult::No},
         {kSfpWarningOmbrel},
         false},
        {"both, Yes then No",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpA", "CheckBoxSata_0"},
         {},
         {MsgResult::Yes, MsgResult::No},
         {kSfpWarningOmbrel, kSataWarningOmbrel},
         false},
        {"both, Yes twice",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpA", "CheckBoxSata_0"},
         {},
         {MsgResult::Yes, MsgResult::Yes},
         {kSfpWarningOmbrel, kSataWarningOmbrel},
         true},
        {"SATA with its CDCM on",
         MAINBOARD_OMBREL,
         {"CheckBoxSata_1"},
         {{"ComboBoxCdcm61004", 2}},
         {},
         {},
         true},
        {"Nolvar SFP+ with both off, No",
         MAINBOARD_NOLVAR,
         {"CheckBoxSfpB"},
         {},
         {MsgResult::No},
         {kSfpWarningNolvar},
         false},
        {"Nolvar SFP+ with both off, Yes",
         MAINBOARD_NOLVAR,
         {"CheckBoxSfpB"},
         {},
         {MsgResult::Yes},
         {kSfpWarningNolvar},
         true},
        {"Nolvar CDCM61004 on",
         MAINBOARD_NOLVAR,
         {"CheckBoxSfpA"},
         {{"ComboBoxCdcm61004", 1}},
         {},
         {},
         true},
        {"Nolvar SATA alone", MAINBOARD_NOLVAR, {"CheckBoxSata"}, {}, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.id);
        for (const char* box : c.ticks) {
            Tick(box);
        }
        for (const auto& [combo, index] : c.picks) {
            Pick(combo, index);
        }
        for (MsgResult answer : c.answers) {
            ui.QueueAnswer(answer);
        }
        ui.Clear();
        const std::size_t before = dialogs.Shown().size();
        Get<QPushButton>("ButtonGen")->click(); // the file dialog is cancelled
        ASSERT_EQ(ui.Boxes().size(), c.warnings.size()) << testing::PrintToString(Messages());
        for (std::size_t i = 0; i < c.warnings.size(); ++i) {
            EXPECT_EQ(ui.Boxes()[i].kind, MsgKind::Warning);
            EXPECT_EQ(ui.Boxes()[i].buttons, platform::MsgButtons::YesNo);
            EXPECT_EQ(ui.Boxes()[i].text, c.warnings[i]);
        }
        EXPECT_EQ(dialogs.Shown().size() - before, c.fileDialog ? 1u : 0u);
        Close();
    }
}

// After a successful generation: the reminders in one box, then the
// success box.
TEST_F(StratixVForm, RemindersBeforeTheSuccessBox) {
    const auto memory = [](const std::string& m) {
        return "===== " + m + " Pinsmith warning =====\r\n" + "Please add the " + m +
               " Controller IP to your Quartus project, follow by\r\n" +
               "the steps below to prevent any errors from occurring during compilation.\r\n" +
               "\r\n" + "1). Create correct pin assignment for " + m + ".\r\n" +
               "2). Setup correct parameters in " + m + " controller dialog. \r\n" +
               "3). Execute TCL files, generated by " + m + " IP, under your Quartus project.\r\n" +
               "\r\n";
    };
    const auto transceiver = [](const std::string& t) {
        return "===== " + t + "  Transceiver Pinsmith warning =====\r\n" +
               "To prevent any errors while compiling your Quartus project, either comment out "
               "the\r\n"
               "transceiver signals in the top level entity if they are not in use or add the "
               "Altera \r\n"
               "Transceiver IP to your design.\r\n";
    };
    struct Case {
        const char* what;
        BoardId id;
        std::vector<const char*> ticks;
        std::string notes; // empty: only the success box
    };
    const Case cases[] = {
        {"Ombrel DDR3 B and QDR C",
         MAINBOARD_OMBREL,
         {"CheckBoxDDR3_1", "CheckBoxQdrC"},
         memory("DDR3-SDRAM/QDRII+ SRAM")},
        {"Ombrel PCIe and SFP+ B",
         MAINBOARD_OMBREL,
         {"CheckBoxPCIe", "CheckBoxSfpB"},
         transceiver("PCIe/SFP+")},
        {"Ombrel every interface",
         MAINBOARD_OMBREL,
         {"CheckBoxSfpD", "CheckBoxPCIe", "CheckBoxSata_2", "CheckBoxQdrA"},
         memory("QDRII+ SRAM") + transceiver("SATA/PCIe/SFP+")},
        {"Ombrel DDR3 A alone", MAINBOARD_OMBREL, {"CheckBoxDDR3_0"}, memory("DDR3-SDRAM")},
        {"Ombrel nothing", MAINBOARD_OMBREL, {}, ""},
        {"Nolvar DDR3 B and QDR C",
         MAINBOARD_NOLVAR,
         {"CheckBoxDDR3_1", "CheckBoxQdrC"},
         memory("DDR3-SDRAM/QDRII+ SRAM")},
        {"Nolvar PCIe and SATA",
         MAINBOARD_NOLVAR,
         {"CheckBoxSata", "CheckBoxPCIe"},
         transceiver("PCIe/SATA")},
        {"Nolvar SFP+ A and SATA",
         MAINBOARD_NOLVAR,
         {"CheckBoxSata", "CheckBoxSfpA"},
         transceiver("SFP+/SATA")},
        {"Nolvar QDR D alone, PCIe",
         MAINBOARD_NOLVAR,
         {"CheckBoxQdrD", "CheckBoxPCIe"},
         memory("QDRII+ SRAM") + transceiver("PCIe")},
        {"Nolvar nothing", MAINBOARD_NOLVAR, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.id);
        for (const char* box : c.ticks) {
            Tick(box);
        }
        ui.Clear();
        ui.QueueAnswer(MsgResult::Yes); // an oscillator warning, if any
        ui.QueueAnswer(MsgResult::Yes);
        const std::string file = ProjectFile();
        dialogs.QueuePath(file);
        Get<QPushButton>("ButtonGen")->click();
        std::vector<platform::RecordedBox> boxes = ui.Boxes();
        while (!boxes.empty() && boxes.front().kind == MsgKind::Warning) {
            boxes.erase(boxes.begin());
        }
        ASSERT_EQ(boxes.size(), c.notes.empty() ? 1u : 2u) << testing::PrintToString(Messages());
        if (!c.notes.empty()) {
            EXPECT_EQ(boxes[0].kind, MsgKind::Information);
            EXPECT_EQ(boxes[0].text, c.notes);
        }
        EXPECT_EQ(boxes.back().text.rfind("Generate Quartus Project successfully.\r\n", 0), 0u);
        EXPECT_TRUE(platform::FileExists(file));
        EXPECT_NE(dialogs.Shown().back().InitialDir.find("CodeGenerated/" + folder_ + "/"),
                  std::string::npos);
        Close();
    }
}

// Loading takes only this board's record: a file of the record's size
// from another board is refused with its reason, then as a failed load; a
// cancelled dialog is reported; the controls stay as they were.
TEST_F(StratixVForm, LoadRefusesAForeignFileAndReportsCancel) {
    std::string foreign(176, '\0');
    foreign[0] = 18;
    foreign[4] = static_cast<char>(176);
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("other.cfg"), foreign).Complete(176));
    Open(MAINBOARD_OMBREL);
    Get<QLineEdit>("EditProjectName")->setText("Kept");
    dialogs.QueuePath(dir.File("other.cfg"));
    Get<QPushButton>("ButtonLoad")->click();
    dialogs.QueueCancel();
    Get<QPushButton>("ButtonLoad")->click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              dir.File("other.cfg") + " is not a settings file of this board "
                                                      "(its board id is not this board's).",
                              "Failed to load setting", "Failed to load setting"}));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Kept");
}

// The generated record is the one held: default.cfg after Exit holds the
// generated controls.
TEST_F(StratixVForm, ExitKeepsTheGeneratedRecordInDefaultCfg) {
    Open(MAINBOARD_NOLVAR);
    Tick("CheckBoxSfpA");
    Pick("ComboBoxSi570", 4);
    dialogs.QueuePath(ProjectFile());
    Get<QPushButton>("ButtonGen")->click();
    Get<QPushButton>("ButtonExit")->click();
    main_.reset();
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("default.cfg"), bytes));
    ASSERT_EQ(bytes.size(), 164u);
    EXPECT_EQ(bytes[offsetof(NOLVAR_CONFIG, SfpA)], 1);
    EXPECT_EQ(I32(bytes, stratix5::kNolvarSi570), 4);
}

} // namespace
