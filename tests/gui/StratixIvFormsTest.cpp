// The Galdre_X1 and Lumbrel forms as the program hosts them: the main
// window, a temporary program folder, scripted boxes and dialogs, clicks
// and picks as the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix4/GaldreX1Config.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/LumbrelId.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class StratixIvForm : public GuiTest {
protected:
    void Open(BoardId id) {
        host_.emplace(id, [](int id) { return id == 8 || id == 37 || id == 101; });
        main_ = FormHost::ShowMain();
        form_ = main_->CurrentBoardForm();
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::vector<std::string> FilesInProgramFolder() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    QWidget* form_ = nullptr;
};

class GaldreX1Form : public StratixIvForm {
protected:
    void SetUp() override {
        Open(MAINBOARD_GALDRE_X1);
        board_ = dynamic_cast<TBoardForm*>(form_);
        ASSERT_NE(board_, nullptr);
    }
    void Pick(int port, int card) {
        const int index = board_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        board_->Port(port).Combo->setCurrentIndex(index);
        emit board_->Port(port).Combo->activated(index);
    }
    QComboBox* Pll(int i) {
        static const char* const names[] = {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB",
                                            "ComboBoxPLL_SATA"};
        return Get<QComboBox>(names[i]);
    }
    std::string ProjectFile(const std::string& name) {
        return dir.Path() + "CodeGenerated/GALDRE/" + name + "/" + name + ".qpf";
    }
    std::string SavedRecord() {
        dialogs.QueuePath(dir.File("saved.cfg"));
        Click("ButtonSave");
        std::string bytes;
        platform::ReadWholeFile(dir.File("saved.cfg"), bytes);
        return bytes;
    }

    TBoardForm* board_ = nullptr;
};

constexpr std::size_t kPll = offsetof(GALDRE_X1_CONFIG, nExtPllIndex);

TEST_F(GaldreX1Form, FreshStart) {
    EXPECT_EQ(form_->size(), QSize(828, 721));
    EXPECT_EQ(form_->findChildren<QCheckBox*>().size(), 25);
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->count(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "GALDRE");
    EXPECT_EQ(board_->Port(0).Combo->count(), 25);
    EXPECT_EQ(board_->Port(2).Combo->count(), 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Pll(i)->isEnabled());
        EXPECT_EQ(Pll(i)->count(), 13);
        EXPECT_EQ(Pll(i)->currentText().toStdString(), "100");
    }
    // The outlines of the ticked boxes lie on the picture.
    const QRect picture = Get<QLabel>("ImageBoard")->geometry();
    for (const TShape* shape : form_->findChildren<TShape*>()) {
        EXPECT_TRUE(picture.contains(shape->geometry())) << shape->objectName().toStdString();
    }
    EXPECT_TRUE(Get<TShape>("ShapeExtPLL2")->isVisible());
    EXPECT_FALSE(Get<TShape>("ShapeDDR2_0")->isVisible());
}

// Ticking Programmable PLL brings back the record's choices; other clicks
// keep the user's; unticked, the combos show "Unchange" and the record
// keeps its codes.
TEST_F(GaldreX1Form, PllCombos) {
    QCheckBox* pll = Get<QCheckBox>("CheckBoxExtPLL");
    Pll(0)->setCurrentIndex(5);
    Get<QCheckBox>("CheckBoxLED")->click();
    EXPECT_EQ(Pll(0)->currentIndex(), 5);
    std::string saved = SavedRecord();
    ASSERT_EQ(saved.size(), 684u);
    EXPECT_EQ(saved[kPll], 5);

    pll->click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Pll(i)->isEnabled());
        EXPECT_EQ(Pll(i)->currentText().toStdString(), "Unchange");
    }
    saved = SavedRecord();
    EXPECT_EQ(saved[kPll], 5);
    EXPECT_EQ(saved[offsetof(GALDRE_X1_CONFIG, bExtPLL)], 0);

    Pll(1)->setCurrentIndex(7); // a disabled combo changed from code
    pll->click();
    EXPECT_TRUE(Pll(0)->isEnabled());
    EXPECT_EQ(Pll(0)->currentIndex(), 5);
    EXPECT_EQ(Pll(1)->currentIndex(), 4);
}

TEST_F(GaldreX1Form, TransceiverWarningBeforeGenerationAndTheNoteAfter) {
    Pick(0, 21);
    Pick(1, 23);
    SavedRecord();
    EXPECT_TRUE(ui.Boxes().empty()); // Save never warns
    dialogs.QueuePath(ProjectFile("GALDRE"));
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Warning);
    EXPECT_EQ(ui.Boxes()[0].text, "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Galdre "
                                  "FPGA through HSMC-A Connector.");
    EXPECT_EQ(ui.Boxes()[1].text.rfind("===== HSMC  Transceiver Pinsmith warning =====\r\n", 0),
              0u);
    EXPECT_TRUE(platform::FileExists(ProjectFile("GALDRE")));
}

TEST_F(GaldreX1Form, Ddr2AndPcieNotesInOneBox) {
    Get<QCheckBox>("CheckBoxDDR2_1")->click();
    Get<QCheckBox>("CheckBoxPCIe")->click();
    dialogs.QueuePath(ProjectFile("GALDRE"));
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 1u) << testing::PrintToString(Messages());
    const std::string& note = ui.Boxes()[0].text;
    EXPECT_EQ(note.rfind("===== DDR2 Pinsmith warning =====\r\n", 0), 0u);
    EXPECT_NE(note.find("\r\n\r\n===== PCIe  Transceiver Pinsmith warning =====\r\n"),
              std::string::npos);
    EXPECT_EQ(note.substr(note.size() - 32), "Transceiver IP to your design.\r\n");
}

// "HSMB_" typed on HSMC-A beside card 3 on HSMC-B, which takes "HSMB_" by
// itself: the prefix rule lets it through, the writer refuses it.
TEST_F(GaldreX1Form, SameSignalFromBothPortsRefusedAtGenerate) {
    Pick(0, 2);
    Get<QLineEdit>("EditPrefixHSMC_A")->setText("HSMB_");
    Pick(1, 3);
    dialogs.QueuePath(ProjectFile("GALDRE"));
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    EXPECT_NE(ui.Boxes()[0].text.find("is used by both HSMC-A and HSMC-B"), std::string::npos);
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to generate Quartus project: GALDRE.qpf.");
}

TEST_F(GaldreX1Form, ForeignFileOfTheRecordsSizeIsRefused) {
    std::vector<std::uint8_t> foreign(684);
    foreign[0] = 12;
    foreign[4] = 0xAC; // 684
    foreign[5] = 0x02;
    ASSERT_TRUE(
        platform::WriteWholeFile(dir.File("other.cfg"), std::string(foreign.begin(), foreign.end()))
            .Complete(foreign.size()));
    Get<QLineEdit>("EditProjectName")->setText("Kept");
    dialogs.QueuePath(dir.File("other.cfg"));
    Click("ButtonLoad");
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text,
              dir.File("other.cfg") +
                  " is not a settings file of this board (its board id is not this board's).");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to load setting");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Kept");
}

// Change Main Board (the form goes away) keeps default.cfg.
TEST_F(GaldreX1Form, DefaultCfgWhenTheFormGoesAway) {
    Get<QLineEdit>("EditProjectName")->setText("Away");
    main_->CreateBoardForm(static_cast<std::uint8_t>(MAINBOARD_GALDRE_X1));
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("default.cfg"), bytes));
    ASSERT_EQ(bytes.size(), 684u);
    EXPECT_EQ(bytes.substr(8, 5), std::string("Away", 5));
}

class LumbrelForm : public StratixIvForm {
protected:
    void SetUp() override { Open(MAINBOARD_LUMBREL); }
};

TEST_F(LumbrelForm, ShowsEveryShapeAndOnlyTheWaysOut) {
    EXPECT_EQ(form_->size(), QSize(833, 742));
    EXPECT_EQ(form_->findChildren<QCheckBox*>().size(), 24);
    const QList<TShape*> shapes = form_->findChildren<TShape*>();
    EXPECT_EQ(shapes.size(), 28);
    for (const TShape* shape : shapes) {
        EXPECT_TRUE(shape->isVisible()) << shape->objectName().toStdString();
    }
    for (QWidget* w : form_->findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (w->inherits("QCheckBox") || w->inherits("QComboBox") || w->inherits("QLineEdit") ||
            w->inherits("QPushButton")) {
            EXPECT_EQ(w->isEnabled(), name == "ButtonExit" || name == "ButtonMainBoardSelect")
                << name;
        }
    }
    for (QComboBox* combo : form_->findChildren<QComboBox*>()) {
        EXPECT_EQ(combo->count(), 0);
    }
    Click("ButtonGen"); // disabled: nothing happens
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(LumbrelForm, LeftByChangeMainBoardWithoutAFile) {
    const std::vector<std::string> before = FilesInProgramFolder();
    int shown = 0;
    WhenModalShows([&](QWidget* modal) {
        ++shown;
        static_cast<TFormBoardSelector*>(modal)->CancelButton()->click();
    });
    Click("ButtonMainBoardSelect");
    QCoreApplication::sendPostedEvents(main_.get());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(FilesInProgramFolder(), before);
}

TEST_F(LumbrelForm, LeftByExitWithoutAFormFile) {
    Click("ButtonExit");
    EXPECT_FALSE(main_->isVisible());
    main_.reset();
    EXPECT_FALSE(platform::FileExists(dir.File("default.cfg")));
    for (const std::string& name : FilesInProgramFolder()) {
        EXPECT_EQ(name.find(".cfg"), std::string::npos) << name;
    }
    EXPECT_TRUE(ui.Boxes().empty());
}

} // namespace
