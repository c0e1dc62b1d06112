// The forms of the two-header boards as the program hosts them: the four
// forms of the Alvek design (one parametrised suite) and the Istrel form.
// The main window, a temporary program folder, scripted boxes and dialogs,
// clicks and picks as the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone2/BressaId.h"
#include "boards/cyclone2/CorvinId.h"
#include "boards/cyclone2/DunmarId.h"
#include "boards/cyclone3/AlvekId.h"
#include "boards/cyclone4/IstrelId.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

struct FormCase {
    const char* name; // folder word and default project name
    BoardId id;
    QSize size;
    int boxes;
    const char* title;
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.name;
}

const FormCase kAlvekFamily[] = {
    {"ALVEK", MAINBOARD_ALVEK, QSize(793, 469), 12, "Alvek FPGA Board"},
    {"BRESSA", MAINBOARD_BRESSA, QSize(793, 517), 14, "Bressa FPGA Board"},
    {"CORVIN", MAINBOARD_CORVIN, QSize(793, 554), 19, "Corvin FPGA Board"},
    {"DUNMAR", MAINBOARD_DUNMAR, QSize(792, 553), 21, "Dunmar FPGA Board"},
};
const FormCase kIstrel = {"ISTREL", MAINBOARD_ISTREL, QSize(793, 469), 10, "Istrel FPGA Board"};

// The main window opening the board of the case (through the test seams:
// whatever board the window asks for, it gets this board's program form).
class HeaderFormFixture : public GuiTest {
protected:
    void Open(const FormCase& c) {
        case_ = c;
        host_.emplace(c.id);
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    QComboBox* Combo(int header) {
        return Get<QComboBox>(header == 0 ? "ComboBoxGpio0" : "ComboBoxGpio1");
    }
    QLineEdit* Prefix(int header) {
        return Get<QLineEdit>(header == 0 ? "EditPrefixGpio0" : "EditPrefixGpio1");
    }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    // The user picks a card (a pick from code would run no handler).
    void Pick(int header, int card) {
        const int index = form_->Port(header).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        Combo(header)->setCurrentIndex(index);
        emit Combo(header)->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::vector<std::uint8_t> Defaults() {
        const BoardDef& def = *FindBoard(case_.id);
        std::vector<std::uint8_t> record(def.record.size);
        SetDefaultRecord(def, record);
        return record;
    }
    std::string ProjectFile(const std::string& name) {
        return dir.Path() + "CodeGenerated/" + case_.name + "/" + name + "/" + name + ".qpf";
    }
    std::vector<QCheckBox*> Boxes() {
        const QList<QCheckBox*> boxes = form_->findChildren<QCheckBox*>();
        return std::vector<QCheckBox*>(boxes.begin(), boxes.end());
    }

    FormCase case_{};
    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

class AlvekFamilyForm : public HeaderFormFixture, public testing::WithParamInterface<FormCase> {
protected:
    void SetUp() override { Open(GetParam()); }
};

TEST_P(AlvekFamilyForm, FreshStart) {
    EXPECT_EQ(form_->size(), GetParam().size);
    EXPECT_EQ(main_->size(), GetParam().size);
    EXPECT_EQ(form_->GetBoardId(), GetParam().id);
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), GetParam().title);
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), GetParam().name);
    ASSERT_EQ(static_cast<int>(Boxes().size()), GetParam().boxes);
    for (QCheckBox* box : Boxes()) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }
    for (int header = 0; header < 2; ++header) {
        EXPECT_EQ(Combo(header)->currentIndex(), 0);
        ASSERT_EQ(Combo(header)->count(), 2);
        EXPECT_EQ(Combo(header)->itemText(0).toStdString(), "None");
        EXPECT_EQ(Combo(header)->itemText(1).toStdString(), "GPIO Default - 2.5V");
        EXPECT_TRUE(Prefix(header)->text().isEmpty());
        EXPECT_TRUE(Combo(header)->isEnabled());
    }
    EXPECT_FALSE(Shown("ShapeGpio0") || Shown("ShapeGpio1"));
    EXPECT_FALSE(Shown("ImageGpio0") || Shown("ImageGpio1"));
    EXPECT_TRUE(Shown("ShapeLED") && Shown("ShapeOSC"));
    // Unticking a box hides its outlines (both of them for a two-row LED
    // group); a card shows its header's outline and picture.
    QCheckBox* led = Get<QCheckBox>("CheckBoxLED");
    led->click();
    EXPECT_FALSE(Shown("ShapeLED"));
    if (form_->findChild<TShape*>("ShapeLEDG8")) {
        EXPECT_FALSE(Shown("ShapeLEDG8"));
    }
    Pick(1, 81);
    EXPECT_TRUE(Shown("ShapeGpio1") && Shown("ImageGpio1"));
    EXPECT_FALSE(Shown("ShapeGpio0"));
}

// Every outline lies on the board's picture.
TEST_P(AlvekFamilyForm, OutlinesLieOnThePicture) {
    const QRect picture = Get<QLabel>("ImageBoard")->geometry();
    const QList<TShape*> shapes = form_->findChildren<TShape*>();
    EXPECT_GE(shapes.size(), GetParam().boxes + 2);
    for (const TShape* shape : shapes) {
        EXPECT_TRUE(picture.contains(shape->geometry())) << shape->objectName().toStdString();
    }
}

TEST_P(AlvekFamilyForm, SaveAndLoadByteForByte) {
    form_->findChildren<QCheckBox*>()[0]->click(); // unticks the first box
    Pick(1, 81);
    Prefix(1)->setText("P1_");
    Get<QLineEdit>("EditProjectName")->setText("Saved");
    dialogs.QueuePath(dir.File("saved.cfg"));
    Click("ButtonSave");
    EXPECT_TRUE(ui.Boxes().empty());

    const BoardDef& def = *FindBoard(GetParam().id);
    std::vector<std::uint8_t> expected = Defaults();
    expected[136] = 0;
    expected[def.ports[1].cardOffset] = 81;
    SetRecordFieldText(expected, def.ports[1].prefixOffset, "P1_");
    SetRecordFieldText(expected, 8, "Saved");
    const std::string saved = ReadFile(dir.File("saved.cfg"));
    EXPECT_EQ(saved, std::string(expected.begin(), expected.end()));

    // A file with bytes the board does not interpret and a prefix at None:
    // shown, the prefix edit empty; saved again, the other bytes as read.
    std::vector<std::uint8_t> file = Defaults();
    file[1] = 0x11;
    file[def.ports[0].cardOffset] = 81;
    SetRecordFieldText(file, def.ports[0].prefixOffset, "G0_");
    SetRecordFieldText(file, def.ports[1].prefixOffset, "kept_at_none");
    if (def.record.size > def.ports[1].prefixOffset + 128) {
        file.back() = 0x5A;
    }
    WriteFile(dir.File("other.cfg"), file);
    dialogs.QueuePath(dir.File("other.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Combo(0)->currentIndex(), 1);
    EXPECT_EQ(Prefix(0)->text().toStdString(), "G0_");
    EXPECT_EQ(Combo(1)->currentIndex(), 0);
    EXPECT_TRUE(Prefix(1)->text().isEmpty());
    EXPECT_TRUE(form_->findChildren<QCheckBox*>()[0]->isChecked());
    dialogs.QueuePath(dir.File("again.cfg"));
    Click("ButtonSave");
    std::vector<std::uint8_t> again = file;
    SetRecordFieldText(again, def.ports[1].prefixOffset, "");
    const std::string bytes = ReadFile(dir.File("again.cfg"));
    EXPECT_EQ(bytes, std::string(again.begin(), again.end()));

    // A file of another board of the same record size is refused.
    const BoardId other = GetParam().id == MAINBOARD_ALVEK    ? MAINBOARD_BRESSA
                          : GetParam().id == MAINBOARD_BRESSA ? MAINBOARD_ALVEK
                          : GetParam().id == MAINBOARD_CORVIN ? MAINBOARD_DUNMAR
                                                              : MAINBOARD_CORVIN;
    std::vector<std::uint8_t> foreign(FindBoard(other)->record.size);
    SetDefaultRecord(*FindBoard(other), foreign);
    ASSERT_EQ(foreign.size(), file.size());
    WriteFile(dir.File("foreign.cfg"), foreign);
    dialogs.QueuePath(dir.File("foreign.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Combo(0)->currentIndex(), 1);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), GetParam().name);
}

TEST_P(AlvekFamilyForm, SameCardOnBothHeadersNeedsTwoPrefixes) {
    Pick(0, 81);
    Pick(1, 81);
    Click("ButtonGen");
    Click("ButtonSave");
    EXPECT_EQ(Messages(), (std::vector<std::string>{kClash, kClash}));
    EXPECT_TRUE(dialogs.Shown().empty());
    // Both headers keep their own combo: the 2.5 V card spans one header.
    EXPECT_TRUE(Combo(0)->isEnabled() && Combo(1)->isEnabled());
}

// A successful generation shows nothing; the project is there.
TEST_P(AlvekFamilyForm, GenerateWithoutASuccessBox) {
    Pick(0, 81);
    Pick(1, 81);
    Prefix(0)->setText("A_");
    Prefix(1)->setText("B_");
    dialogs.QueuePath(ProjectFile(GetParam().name));
    Click("ButtonGen");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    const std::string top = ReadFile(dir.Path() + "CodeGenerated/" + GetParam().name + "/" +
                                     GetParam().name + "/" + GetParam().name + ".v");
    EXPECT_NE(top.find("A_GPIO"), std::string::npos);
    EXPECT_NE(top.find("B_GPIO"), std::string::npos);
    // A failing generation still says so.
    Get<QLineEdit>("EditProjectName")->setText("Second");
    platform::ForceDirectories(dir.Path() + "CodeGenerated/" + GetParam().name + "/Second/");
    platform::ForceDirectories(ProjectFile("Second")); // a folder where the .qpf goes
    dialogs.QueuePath(ProjectFile("Second"));
    Click("ButtonGen");
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Failed to generate Quartus project: Second.qpf.");
}

// default.cfg is written once when the form is replaced and once when the
// main window closes, from the live window: a file that cannot be written
// shows its boxes once per save. Destroying the window saves nothing more.
TEST_P(AlvekFamilyForm, DefaultCfgOnceOnReplacementAndOnceOnClosing) {
    Get<QLineEdit>("EditProjectName")->setText("Replaced");
    main_->CreateBoardForm(static_cast<std::uint8_t>(GetParam().id));
    form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
    ASSERT_NE(form_, nullptr);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Replaced");
    EXPECT_TRUE(ui.Boxes().empty());

    // From now on default.cfg cannot be written: each save shows its boxes.
    ASSERT_TRUE(std::filesystem::remove(dir.File("default.cfg")));
    ASSERT_TRUE(platform::ForceDirectories(dir.File("default.cfg")));
    main_->CreateBoardForm(static_cast<std::uint8_t>(GetParam().id));
    form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
    const std::size_t perSave = ui.Boxes().size();
    ASSERT_GT(perSave, 0u);
    for (const platform::RecordedBox& box : ui.Boxes()) {
        EXPECT_EQ(box.kind, platform::MsgKind::Error);
    }
    main_->close();
    EXPECT_EQ(ui.Boxes().size(), 2 * perSave);
    main_.reset();
    EXPECT_EQ(ui.Boxes().size(), 2 * perSave);
}

// Exit closes the window and saves once.
TEST_P(AlvekFamilyForm, ExitSavesTheControls) {
    Get<QLineEdit>("EditProjectName")->setText("ByExit");
    Pick(0, 81);
    Click("ButtonExit");
    EXPECT_FALSE(main_->isVisible());
    main_.reset();
    std::vector<std::uint8_t> expected = Defaults();
    expected[FindBoard(GetParam().id)->ports[0].cardOffset] = 81;
    SetRecordFieldText(expected, 8, "ByExit");
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), std::string(expected.begin(), expected.end()));
}

INSTANTIATE_TEST_SUITE_P(Boards, AlvekFamilyForm, testing::ValuesIn(kAlvekFamily),
                         [](const testing::TestParamInfo<FormCase>& info) {
                             return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// Istrel

class IstrelForm : public HeaderFormFixture {
protected:
    void SetUp() override { Open(kIstrel); }
};

TEST_F(IstrelForm, FreshStartWithTheLayoutsPlaces) {
    EXPECT_EQ(form_->size(), QSize(793, 469));
    EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(0xEB, 0xE9, 0xED));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "ISTREL");
    ASSERT_EQ(Boxes().size(), 10u);
    for (QCheckBox* box : Boxes()) {
        EXPECT_TRUE(box->isChecked());
    }
    // Card 66 cannot generate on either header and is not offered.
    EXPECT_EQ(Combo(0)->count(), 12);
    EXPECT_EQ(Combo(0)->itemText(11).toStdString(), "GPIO Default - 1.5V");
    const struct {
        const char* name;
        QRect rect;
    } outlines[] = {
        {"ShapeOSC", {287, 191, 27, 37}},           {"ShapeLED", {131, 70, 130, 21}},
        {"ShapeButton", {265, 65, 63, 25}},         {"ShapeSwitch", {94, 196, 38, 33}},
        {"ShapeSDRAM", {168, 96, 63, 109}},         {"ShapeADC", {316, 192, 27, 24}},
        {"ShapeEEPROM", {184, 168, 26, 17}},        {"ShapeEPCS", {175, 104, 54, 32}},
        {"ShapeAccelerometer", {184, 201, 31, 25}}, {"ShapeHeader", {353, 71, 29, 155}},
        {"ShapeGpio0", {98, 40, 239, 23}},          {"ShapeGpio1", {102, 231, 241, 29}},
    };
    for (const auto& o : outlines) {
        const TShape* shape = Get<TShape>(o.name);
        EXPECT_EQ(shape->geometry(), o.rect) << o.name;
        EXPECT_EQ(shape->penWidth(), std::string(o.name) == "ShapeSDRAM" ? 1 : 4) << o.name;
    }
    EXPECT_TRUE(Get<TShape>("ShapeSDRAM")->dotted());
    EXPECT_EQ(Get<QLabel>("ImageBoard")->geometry(), QRect(32, 40, 350, 220));
    EXPECT_FALSE(Shown("ShapeGpio0"));
}

// Card 1 with an empty prefix generates GPIO_IN[..] and GPIO[..]; the edit
// and the saved record keep the empty prefix.
TEST_F(IstrelForm, DefaultPrefixStaysOutOfTheEditAndTheRecord) {
    Pick(0, 1);
    dialogs.QueuePath(ProjectFile("ISTREL"));
    Click("ButtonGen");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    const std::string top = ReadFile(dir.Path() + "CodeGenerated/ISTREL/ISTREL/ISTREL.v");
    EXPECT_NE(top.find("GPIO_IN"), std::string::npos);
    EXPECT_NE(top.find("[33:0]\t\tGPIO,"), std::string::npos) << top;
    EXPECT_TRUE(Prefix(0)->text().isEmpty());
    dialogs.QueuePath(dir.File("istrel.cfg"));
    Click("ButtonSave");
    const std::string saved = ReadFile(dir.File("istrel.cfg"));
    ASSERT_EQ(saved.size(), 404u);
    EXPECT_EQ(saved[146], 1);
    EXPECT_EQ(saved[148], '\0');
}

// The check runs on the prefixes the cards get: an empty prefix against
// "GPIO", or two GPIO Default cards without prefixes, name the same pins.
TEST_F(IstrelForm, CheckAfterTheDefaultPrefix) {
    Pick(0, 1);
    Pick(1, 1);
    Prefix(1)->setText("GPIO");
    Click("ButtonGen");
    Prefix(1)->setText("");
    Pick(1, 81);
    Click("ButtonSave");
    EXPECT_EQ(Messages(), (std::vector<std::string>{kClash, kClash}));
    EXPECT_TRUE(dialogs.Shown().empty());
    Prefix(1)->setText("B");
    dialogs.QueuePath(ProjectFile("ISTREL"));
    Click("ButtonGen");
    EXPECT_EQ(Messages().size(), 2u);
}

// Card 66 on Istrel: the board's fixed inputs at header positions 1 and 3
// would split its bus by direction, so neither header offers it; the rest
// of the list stays.
TEST_F(IstrelForm, HeadersDoNotOfferTheCavelCard) {
    for (const int header : {0, 1}) {
        EXPECT_EQ(form_->Port(header).List.IndexOf(MakeCardId(66)), -1) << header;
        EXPECT_EQ(Combo(header)->count(), 12) << header;
        for (const int card : {1, 12, 13, 55, 62, 63, 67, 74, 81, 82, 83}) {
            EXPECT_GE(form_->Port(header).List.IndexOf(MakeCardId(card)), 1) << card;
        }
    }
}

// The prefix GPIO_2 meets the 2x13 header's signals: the duplicate-signal
// box, then the failure box, and no project file.
TEST_F(IstrelForm, HeaderPrefixMeetsTheTwoByThirteenHeader) {
    Pick(0, 1);
    Prefix(0)->setText("GPIO_2");
    dialogs.QueuePath(ProjectFile("ISTREL"));
    Click("ButtonGen");
    const std::vector<std::string> texts = Messages();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Signal GPIO_2_IN[0] is used by both 2x13 GPIO Header and GPIO_0. "
                        "Please use different prefix names.");
    EXPECT_FALSE(platform::FileExists(dir.Path() + "CodeGenerated/ISTREL/ISTREL/ISTREL.qpf"));
}

// Renders each form to PNG files for a person to look at
// (tools/render_main_window.sh): <name>_<board>.png beside the file that
// PINSMITH_RENDER_PNG names, a card on GPIO-1; without the variable the
// pictures are thrown away.
class HeaderBoardRender : public HeaderFormFixture, public testing::WithParamInterface<FormCase> {};

TEST_P(HeaderBoardRender, FormToPng) {
    Open(GetParam());
    Pick(1, 81);
    const char* target = std::getenv("PINSMITH_RENDER_PNG");
    const std::filesystem::path path(target && *target ? target : dir.File("main_window.png"));
    const std::string file =
        (path.parent_path() / (path.stem().string() + "_" + GetParam().name + ".png")).string();
    EXPECT_TRUE(main_->grab().save(QString::fromStdString(file), "PNG")) << file;
}

INSTANTIATE_TEST_SUITE_P(Boards, HeaderBoardRender,
                         testing::Values(kAlvekFamily[0], kAlvekFamily[1], kAlvekFamily[2],
                                         kAlvekFamily[3], kIstrel),
                         [](const testing::TestParamInfo<FormCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
