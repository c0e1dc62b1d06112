// The forms of the Cyclone III boards Jorkel (50) and Jorvath (11) as the
// program hosts them: the main window, a temporary program folder, scripted
// boxes and dialogs, clicks and picks as the user makes them.

#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone3/JorkelConfig.h"
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

QWidget* NewProgramForm(BoardId id, QWidget* owner) {
    for (const BoardFormRow& row : ProgramBoardForms()) {
        if (row.id == id) {
            return row.create(owner);
        }
    }
    return nullptr;
}

class CycloneThreeForm : public GuiTest {
protected:
    void Open(BoardId id) {
        id_ = id;
        SetBoardOfferForTests([](int) { return true; });
        SetBoardFormsForTests([id](int, QWidget* owner) { return NewProgramForm(id, owner); });
        main_ = std::make_unique<TFormMain>();
        main_->show();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    ~CycloneThreeForm() override {
        main_.reset();
        SetBoardFormsForTests({});
        SetBoardOfferForTests({});
    }

    template <class W> W* Get(const char* name) {
        W* widget = form_->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
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
    std::string ReadFile(const std::string& path) {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return bytes;
    }
    void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        ASSERT_TRUE(platform::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))
                        .Complete(bytes.size()));
    }
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
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const platform::RecordedBox& box : ui.Boxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    BoardId id_ = MAINBOARD_NONE;
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

INSTANTIATE_TEST_SUITE_P(Boards, CycloneThreeReplacement, testing::Values(MAINBOARD_JORKEL),
                         [](const testing::TestParamInfo<BoardId>& info) {
                             return std::string(FindBoard(info.param)->folderWord);
                         });

} // namespace
