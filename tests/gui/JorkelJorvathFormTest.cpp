// The forms of the Cyclone III boards Jorkel (50) and Jorvath (11) as the
// program hosts them: the main window, a temporary program folder, scripted
// boxes and dialogs, clicks and picks as the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone3/JorkelConfig.h"
#include "boards/cyclone3/JorkelId.h"
#include "boards/cyclone3/JorvathConfig.h"
#include "boards/cyclone3/JorvathId.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class CycloneThreeForm : public GuiTest {
protected:
    void Open(BoardId id) {
        id_ = id;
        host_.emplace(id);
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    // The user picks a card in a port's combo (a pick from code would run
    // no handler).
    void Pick(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        form_->Port(port).Combo->setCurrentIndex(index);
        emit form_->Port(port).Combo->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    // The record as the form saves it: the defaults with the header written.
    std::vector<std::uint8_t> Saved() {
        const BoardDef& def = *FindBoard(id_);
        std::vector<std::uint8_t> record(def.record.size);
        SetDefaultRecord(def, record);
        record[0] = static_cast<std::uint8_t>(id_);
        record[4] = static_cast<std::uint8_t>(def.record.size & 0xFF);
        record[5] = static_cast<std::uint8_t>(def.record.size >> 8);
        return record;
    }
    std::string ProjectFile(const std::string& name) {
        return dir.Path() + "CodeGenerated/" + FindBoard(id_)->folderWord + "/" + name + "/" +
               name + ".qpf";
    }

    BoardId id_ = MAINBOARD_NONE;
    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

// ---------------------------------------------------------------------------
// Jorkel

class JorkelForm : public CycloneThreeForm {
protected:
    void SetUp() override { Open(MAINBOARD_JORKEL); }
};

TEST_F(JorkelForm, FreshStartAtTheLayoutsPlaces) {
    EXPECT_EQ(form_->size(), QSize(803, 468));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "JORKEL");
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), "Jorkel");
    const QList<QCheckBox*> boxes = form_->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 5);
    for (QCheckBox* box : boxes) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }
    QComboBox* combo = Get<QComboBox>("ComboBoxHSMC");
    ASSERT_EQ(combo->count(), 19);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->itemText(1).toStdString(), "HSMC Default");
    const struct {
        const char* name;
        QRect rect;
    } outlines[] = {
        {"ShapeOSC", {246, 208, 21, 17}},    {"ShapeLED", {254, 234, 50, 16}},
        {"ShapeButton", {232, 252, 92, 21}}, {"ShapeFlash", {120, 128, 33, 33}},
        {"ShapeSSRAM", {172, 128, 53, 33}},  {"ShapeDDR", {172, 184, 30, 57}},
        {"ShapeHSMC", {336, 88, 25, 145}},
    };
    for (const auto& o : outlines) {
        EXPECT_EQ(Get<TShape>(o.name)->geometry(), o.rect) << o.name;
    }
    EXPECT_FALSE(Shown("ShapeHSMC") || Shown("ImageHSMC"));
    // Flash and SSRAM is one box with two outlines; a card shows the
    // connector's outline and the card's picture.
    Get<QCheckBox>("CheckBoxFlashSSRAM")->click();
    EXPECT_FALSE(Shown("ShapeFlash") || Shown("ShapeSSRAM"));
    Get<QCheckBox>("CheckBoxFlashSSRAM")->click();
    EXPECT_TRUE(Shown("ShapeFlash") && Shown("ShapeSSRAM"));
    Pick(jorkel::HSMC, 17);
    EXPECT_TRUE(Shown("ShapeHSMC") && Shown("ImageHSMC"));
}

// Generate shows nothing on success; Save and Load keep every byte, a file
// of another board of the same size is refused.
TEST_F(JorkelForm, GenerateSaveAndLoad) {
    Pick(jorkel::HSMC, 2);
    dialogs.QueuePath(ProjectFile("JORKEL"));
    Click("ButtonGen");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    const std::string qsf = ReadFile(dir.Path() + "CodeGenerated/JORKEL/JORKEL/JORKEL.qsf");
    EXPECT_NE(qsf.find("RESERVE_DATA0_AFTER_CONFIGURATION"), std::string::npos);
    EXPECT_NE(qsf.find("PIN_E18"), std::string::npos);

    Get<QLineEdit>("EditPrefixHSMC")->setText("H_");
    Get<QCheckBox>("CheckBoxLED")->click();
    dialogs.QueuePath(dir.File("jorkel.cfg"));
    Click("ButtonSave");
    std::vector<std::uint8_t> expected = Saved();
    expected[offsetof(JORKEL_CONFIG, bLED)] = 0;
    expected[offsetof(JORKEL_CONFIG, nHsmcDaughterId)] = 2;
    SetRecordFieldText(expected, offsetof(JORKEL_CONFIG, szHSMCPrefixName), "H_");
    EXPECT_EQ(ReadFile(dir.File("jorkel.cfg")), std::string(expected.begin(), expected.end()));

    std::vector<std::uint8_t> foreign = expected;
    foreign[0] = 32;
    foreign[offsetof(JORKEL_CONFIG, nHsmcDaughterId)] = 17;
    WriteFile(dir.File("foreign.cfg"), foreign);
    dialogs.QueuePath(dir.File("foreign.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(form_->PortCard(jorkel::HSMC), CARD_HSMC_DEFAULT);

    // An unlisted card shows None with an empty prefix.
    std::vector<std::uint8_t> unlisted = expected;
    unlisted[offsetof(JORKEL_CONFIG, nHsmcDaughterId)] = 3;
    WriteFile(dir.File("unlisted.cfg"), unlisted);
    dialogs.QueuePath(dir.File("unlisted.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(form_->PortCard(jorkel::HSMC), CARD_NONE);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC")->text().isEmpty());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
}

// ---------------------------------------------------------------------------
// Jorvath

class JorvathForm : public CycloneThreeForm {
protected:
    void SetUp() override { Open(MAINBOARD_JORVATH); }
};

TEST_F(JorvathForm, FreshStartAndTheKirrelOutlines) {
    EXPECT_EQ(form_->size(), QSize(810, 475));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "JORVATH");
    const struct {
        const char* name;
        bool ticked;
    } boxes[] = {{"CheckBoxOSC", true},   {"CheckBoxLED", true},   {"CheckBoxButton", true},
                 {"CheckBoxGpio", false}, {"CheckBoxDDR2", false}, {"CheckBoxPciBus", false}};
    for (const auto& b : boxes) {
        EXPECT_EQ(Get<QCheckBox>(b.name)->isChecked(), b.ticked) << b.name;
    }
    for (const char* combo : {"ComboBoxKIRREL23", "ComboBoxKIRREL1"}) {
        ASSERT_EQ(Get<QComboBox>(combo)->count(), 6) << combo;
        EXPECT_EQ(Get<QComboBox>(combo)->currentIndex(), 0) << combo;
    }
    EXPECT_EQ(Get<TShape>("ShapeKIRREL1")->geometry(), QRect(304, 88, 25, 129));
    EXPECT_EQ(Get<TShape>("ShapeKIRREL3")->geometry(), QRect(72, 88, 25, 129));
    EXPECT_EQ(Get<TShape>("ShapeKIRREL23")->geometry(), QRect(96, 144, 65, 1));
    EXPECT_EQ(Get<TShape>("ShapeBridge")->geometry(), QRect(208, 192, 49, 41));
    EXPECT_TRUE(Get<TShape>("ShapeDDR2")->dotted());
    const auto pair = [&] {
        return Shown("ShapeKIRREL2") && Shown("ShapeKIRREL3") && Shown("ShapeKIRREL23");
    };
    EXPECT_FALSE(pair() || Shown("ShapeKIRREL1"));
    Pick(jorvath::KIRREL23, 6);
    EXPECT_TRUE(pair() && Shown("ImageKIRREL23"));
    EXPECT_FALSE(Shown("ShapeKIRREL1"));
    Pick(jorvath::KIRREL23, 0);
    EXPECT_FALSE(Shown("ShapeKIRREL2") || Shown("ShapeKIRREL3") || Shown("ShapeKIRREL23"));
    Get<QCheckBox>("CheckBoxPciBus")->click();
    EXPECT_TRUE(Shown("ShapeBridge"));
}

// The same card on both connectors needs two prefixes; with an empty
// project name too, the one box shows the Kirrel message. Save stops the
// same way.
TEST_F(JorvathForm, KirrelClashBeforeTheName) {
    const std::string kirrel = "KIRREL23 and KIRREL1 cannot have the same prefix name when both "
                               "connect to the same type of daughter boards.";
    struct Case {
        const char* project;
        int card23, card1;
        const char* prefix23;
        const char* prefix1;
        std::string box; // "" for none
    };
    const Case cases[] = {
        {"", 7, 7, "", "", kirrel},
        {"P", 7, 7, "", "", kirrel},
        {"", 7, 8, "", "", "Project Name cannot be empty."},
        {"P", 15, 15, "A_", "B_", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box + " " + c.project);
        ui.Clear();
        Get<QLineEdit>("EditProjectName")->setText(c.project);
        Pick(jorvath::KIRREL23, c.card23);
        Pick(jorvath::KIRREL1, c.card1);
        Get<QLineEdit>("EditPrefixKIRREL23")->setText(c.prefix23);
        Get<QLineEdit>("EditPrefixKIRREL1")->setText(c.prefix1);
        if (c.box.empty()) {
            dialogs.QueuePath(dir.File("clash.cfg"));
        }
        Click("ButtonSave");
        EXPECT_EQ(Messages(),
                  c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
        EXPECT_EQ(platform::FileExists(dir.File("clash.cfg")), c.box.empty());
    }
}

// Generation with DDR2 and both cards shows nothing; the saved file holds
// the Kirrel 1 card as a 32-bit number and the header the form writes.
TEST_F(JorvathForm, GenerateAndSaveTheWideCardId) {
    Get<QCheckBox>("CheckBoxDDR2")->click();
    Pick(jorvath::KIRREL23, 6);
    Pick(jorvath::KIRREL1, 15);
    dialogs.QueuePath(ProjectFile("JORVATH"));
    Click("ButtonGen");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    const std::string top = ReadFile(dir.Path() + "CodeGenerated/JORVATH/JORVATH/JORVATH.v");
    EXPECT_NE(top.find("mem_dq"), std::string::npos);

    dialogs.QueuePath(dir.File("jorvath.cfg"));
    Click("ButtonSave");
    std::vector<std::uint8_t> expected = Saved();
    expected[offsetof(JORVATH_CONFIG, bDDR2)] = 1;
    expected[offsetof(JORVATH_CONFIG, nKirrel23DaughterId)] = 6;
    expected[offsetof(JORVATH_CONFIG, nKirrel1DaughterId)] = 15;
    EXPECT_EQ(ReadFile(dir.File("jorvath.cfg")), std::string(expected.begin(), expected.end()));

    // A wide id that is no card, and the unlisted card 5, show None.
    std::vector<std::uint8_t> file = expected;
    file[offsetof(JORVATH_CONFIG, nKirrel1DaughterId) + 1] = 1; // 256 + 15
    file[offsetof(JORVATH_CONFIG, nKirrel23DaughterId)] = 5;
    WriteFile(dir.File("wide.cfg"), file);
    dialogs.QueuePath(dir.File("wide.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(form_->PortCard(jorvath::KIRREL1), CARD_NONE);
    EXPECT_EQ(form_->PortCard(jorvath::KIRREL23), CARD_NONE);
}

// ---------------------------------------------------------------------------
// Both boards: default.cfg is written once when the form is replaced, from
// the live window, and once when the main window closes; destroying the
// window saves nothing more.

class CycloneThreeReplacement : public CycloneThreeForm,
                                public testing::WithParamInterface<BoardId> {
protected:
    void SetUp() override { Open(GetParam()); }
};

TEST_P(CycloneThreeReplacement, SavesOnceOnReplacement) {
    Get<QLineEdit>("EditProjectName")->setText("Replaced");
    main_->CreateBoardForm(static_cast<std::uint8_t>(GetParam()));
    form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
    ASSERT_NE(form_, nullptr);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Replaced");
    std::vector<std::uint8_t> expected = Saved();
    SetRecordFieldText(expected, 8, "Replaced");
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(ui.Boxes().empty());

    // From now on default.cfg cannot be written: each save shows its boxes.
    ASSERT_TRUE(std::filesystem::remove(dir.File("default.cfg")));
    ASSERT_TRUE(platform::ForceDirectories(dir.File("default.cfg")));
    main_->CreateBoardForm(static_cast<std::uint8_t>(GetParam()));
    form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
    const std::size_t perSave = ui.Boxes().size();
    ASSERT_GT(perSave, 0u);
    main_->close();
    EXPECT_EQ(ui.Boxes().size(), 2 * perSave);
    main_.reset();
    EXPECT_EQ(ui.Boxes().size(), 2 * perSave);
}

INSTANTIATE_TEST_SUITE_P(Boards, CycloneThreeReplacement,
                         testing::Values(MAINBOARD_JORKEL, MAINBOARD_JORVATH),
                         [](const testing::TestParamInfo<BoardId>& info) {
                             return std::string(FindBoard(info.param)->folderWord);
                         });

} // namespace
