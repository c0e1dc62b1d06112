// The shared form of the Ulvane and Vessor boards, opened in the main window
// in a temporary program folder, with scripted boxes and dialogs, clicks and
// picks as the user makes them. Each test runs over both boards.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/SocPictures.h"
#include "boards/cyclone5/UI_UlvaneVessor.h"
#include "boards/cyclone5/UlvaneId.h"
#include "boards/cyclone5/VessorId.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

struct BoardCase {
    BoardId id;
    const char* caption;
    const char* boardName;
    const char* folder;
    // Check box -> caption, in the order of the record's option bytes.
    std::vector<std::pair<const char*, const char*>> boxes;
    // Check box -> the outlines it shows.
    std::map<std::string, std::vector<std::string>> outlines;
    std::span<const socpicture::Part> parts;
};

const std::vector<BoardCase>& Boards() {
    static const std::vector<BoardCase> boards = {
        {MAINBOARD_ULVANE,
         "Ulvane V1.0.1",
         "Ulvane FPGA Board",
         "ULVANE",
         {{"CheckBoxOSC", "CLOCK"},
          {"CheckBoxLED", "LED x 8"},
          {"CheckBoxButton", "Button x 2"},
          {"CheckBoxSwitch", "Switch x 4"},
          {"CheckBoxADC", "ADC 2x5 Header"},
          {"CheckBoxHPS", "HPS"},
          {"CheckBoxArduino", "Arduino Header"}},
         {{"CheckBoxOSC", {"ShapeOSC"}},
          {"CheckBoxLED", {"ShapeLED"}},
          {"CheckBoxButton", {"ShapeButton"}},
          {"CheckBoxSwitch", {"ShapeSwitch"}},
          {"CheckBoxADC", {"ShapeADC"}},
          {"CheckBoxHPS", {"ShapeHPS"}},
          {"CheckBoxArduino", {"ShapeArduino_0", "ShapeArduino_1"}}},
         socpicture::kUlvane},
        {MAINBOARD_VESSOR,
         "Vessor V1.0.1",
         "Vessor FPGA Board",
         "VESSOR",
         {{"CheckBoxOSC", "CLOCK"},
          {"CheckBoxLED", "LED x 8"},
          {"CheckBoxButton", "Button x 2"},
          {"CheckBoxSwitch", "Switch x 4"},
          {"CheckBoxADC", "ADC 2x5 Header"},
          {"CheckBoxHPS", "HPS"},
          {"CheckBoxArduino", "Arduino Header"},
          {"CheckBoxHdmiTx", "HDMI TX"}},
         {{"CheckBoxOSC", {"ShapeOSC"}},
          {"CheckBoxLED", {"ShapeLED"}},
          {"CheckBoxButton", {"ShapeButton"}},
          {"CheckBoxSwitch", {"ShapeSwitch"}},
          {"CheckBoxADC", {"ShapeADC"}},
          {"CheckBoxHPS", {"ShapeHPS"}},
          {"CheckBoxArduino", {"ShapeArduino_0", "ShapeArduino_1", "ShapeArduino_2"}},
          {"CheckBoxHdmiTx", {"ShapeHDMI"}}},
         socpicture::kVessor},
    };
    return boards;
}

const char* const kHpsReminder = "===== HPS System warning =====\r\nTo prevent any errors while "
                                 "compiling your Quartus project, \r\nplease add the Altera HPS "
                                 "IP to your design.\r\n";
const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

class UlvaneVessorFormTest : public GuiTest {
protected:
    UlvaneVessorFormTest() {
        SetBoardOfferForTests([](int id) { return id == 37 || id == 23 || id == 24; });
    }
    ~UlvaneVessorFormTest() override {
        main_.reset();
        SetProjectWriterForTests({});
        SetBoardOfferForTests({});
    }

    // The main window (it opens the build's own board), then the board.
    void Open(const BoardCase& board) {
        main_.reset();
        main_ = std::make_unique<TFormMain>();
        main_->show();
        main_->CreateBoardForm(static_cast<std::uint8_t>(BoardNumber(board.id)));
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
        ASSERT_EQ(form_->GetBoardId(), board.id);
    }

    template <class W> W* Get(const std::string& name) { return Child<W>(form_, name.c_str()); }
    QComboBox* Combo(int header) { return Get<QComboBox>("ComboBoxGpio" + std::to_string(header)); }
    QLineEdit* Prefix(int header) {
        return Get<QLineEdit>("EditPrefixGpio" + std::to_string(header));
    }
    bool Shown(const std::string& name) { return Get<QWidget>(name)->isVisible(); }
    void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::vector<platform::MsgKind> Kinds() {
        std::vector<platform::MsgKind> kinds;
        for (const auto& box : ui.Boxes()) {
            kinds.push_back(box.kind);
        }
        return kinds;
    }

    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

TEST_F(UlvaneVessorFormTest, FirstStart) {
    const std::vector<std::string> cards = {"None",
                                            BoardName(CARD_GPIO_DEFAULT),
                                            BoardName(CARD_FYRN),
                                            BoardName(CARD_TAMBRY),
                                            BoardName(CARD_WISTEL),
                                            BoardName(CARD_RINDLE),
                                            BoardName(CARD_WISTEL2),
                                            BoardName(CARD_CAVEL),
                                            BoardName(CARD_ZEPPIT),
                                            BoardName(CARD_GLENT_GPIO),
                                            BoardName(CARD_GPIO_DEFAULT_2V5),
                                            BoardName(CARD_GPIO_DEFAULT_1V8),
                                            BoardName(CARD_GPIO_DEFAULT_1V5)};
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        EXPECT_EQ(form_->windowTitle().toStdString(), board.caption);
        EXPECT_EQ(form_->size(), QSize(798, 519));
        EXPECT_EQ(main_->size(), QSize(798, 519));
        EXPECT_NE(main_->windowTitle().toStdString(), board.caption); // left alone
        EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), board.boardName);
        EXPECT_EQ(Get<QGroupBox>("GroupBox1")->title().toStdString(), "System Configuration");
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), board.folder);
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->maxLength(), 127);
        for (const auto& [box, caption] : board.boxes) {
            QCheckBox* check = Get<QCheckBox>(box);
            EXPECT_EQ(check->text().toStdString(), caption);
            const bool hps = std::string(box) == "CheckBoxHPS";
            EXPECT_EQ(check->isChecked(), !hps) << box;
            for (const std::string& outline : board.outlines.at(box)) {
                EXPECT_EQ(Shown(outline), !hps) << outline;
            }
        }
        for (int header = 0; header < 2; ++header) {
            std::vector<std::string> items;
            for (int i = 0; i < Combo(header)->count(); ++i) {
                items.push_back(Combo(header)->itemText(i).toStdString());
            }
            EXPECT_EQ(items, cards);
            EXPECT_EQ(Combo(header)->currentIndex(), 0);
            EXPECT_TRUE(Combo(header)->isEnabled());
            EXPECT_FALSE(Shown("ShapeGpio" + std::to_string(header)));
            EXPECT_FALSE(Shown("ImageGpio" + std::to_string(header)));
        }
        const std::map<std::string, std::string> captions = {
            {"ButtonSave", "Save Setting"},
            {"ButtonLoad", "Load Setting"},
            {"ButtonGen", "Generate"},
            {"ButtonExit", "Exit"},
            {"ButtonMainBoardSelect", "Change Main Board"},
        };
        for (const auto& [button, caption] : captions) {
            EXPECT_EQ(Get<QPushButton>(button)->text().toStdString(), caption);
            EXPECT_TRUE(Shown(button)) << button;
        }
        EXPECT_EQ(Get<QLabel>("ImageBoard")->pixmap().size(),
                  QSize(socpicture::kWidth, socpicture::kHeight));
        EXPECT_FALSE(Get<QLabel>("ImageQuelmar")->pixmap().isNull());
        if (board.id == MAINBOARD_ULVANE) {
            EXPECT_FALSE(Get<QLabel>("ImageAltera")->pixmap().isNull());
        }
    }
}

// Each outline lies on the rectangle of its part in the board picture (the
// picture sits at the origin of the outlines' parent), and every outline of
// the form is one of the picture's parts.
TEST_F(UlvaneVessorFormTest, OutlinesFrameTheirParts) {
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        QLabel* picture = Get<QLabel>("ImageBoard");
        EXPECT_EQ(picture->geometry(), QRect(0, 0, socpicture::kWidth, socpicture::kHeight));
        std::set<std::string> framed;
        for (const socpicture::Part& part : board.parts) {
            if (!part.outline) {
                continue;
            }
            SCOPED_TRACE(part.outline);
            framed.insert(part.outline);
            TShape* shape = Get<TShape>(part.outline);
            ASSERT_NE(shape, nullptr);
            EXPECT_EQ(shape->parentWidget(), picture->parentWidget());
            EXPECT_EQ(shape->geometry(), QRect(part.x, part.y, part.width, part.height));
            EXPECT_TRUE(picture->geometry().contains(shape->geometry()));
            EXPECT_EQ(shape->penColor(), QColor(Qt::yellow));
            EXPECT_EQ(shape->penWidth(), 2);
            EXPECT_FALSE(shape->dotted());
        }
        std::set<std::string> shapes;
        for (const TShape* shape : form_->findChildren<TShape*>()) {
            shapes.insert(shape->objectName().toStdString());
        }
        EXPECT_EQ(shapes, framed);
    }
}

TEST_F(UlvaneVessorFormTest, CheckBoxesAndCardsDriveTheOutlines) {
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        for (const auto& [box, outlines] : board.outlines) {
            QCheckBox* check = Get<QCheckBox>(box);
            const bool before = check->isChecked();
            check->click();
            for (const std::string& outline : outlines) {
                EXPECT_EQ(Shown(outline), !before) << outline;
            }
        }
        Pick(Combo(1), 3);
        EXPECT_TRUE(Shown("ShapeGpio1") && Shown("ImageGpio1"));
        EXPECT_FALSE(Shown("ShapeGpio0") || Shown("ImageGpio0"));
        Pick(Combo(1), 0);
        EXPECT_FALSE(Shown("ShapeGpio1") || Shown("ImageGpio1"));
    }
}

// The HPS reminder follows the success box only while HPS is ticked; a
// failed generation shows its error box alone. One real generation, the
// others through a scripted writer.
TEST_F(UlvaneVessorFormTest, HpsReminderAfterSuccessOnly) {
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        ui.Clear();
        Get<QCheckBox>("CheckBoxHPS")->setChecked(true);
        // The dialog's answer lies in an existing folder.
        const std::string folder =
            dir.Path() + "CodeGenerated/" + board.folder + "/" + board.folder + "/";
        const std::string project = folder + "top.qpf";
        ASSERT_TRUE(platform::ForceDirectories(folder));
        dialogs.QueuePath(project);
        Click("ButtonGen");
        ASSERT_EQ(Kinds(),
                  (std::vector{platform::MsgKind::Information, platform::MsgKind::Information}));
        EXPECT_EQ(ui.Boxes()[1].text, kHpsReminder);
        EXPECT_TRUE(platform::FileExists(platform::ChangeFileExt(project, ".qsf")));

        bool succeed = true;
        SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) { return succeed; });
        struct Case {
            bool ticked;
            bool succeed;
            std::vector<platform::MsgKind> boxes;
        };
        using K = platform::MsgKind;
        const Case cases[] = {
            {false, true, {K::Information}},
            {true, false, {K::Error}},
            {false, false, {K::Error}},
        };
        for (const Case& c : cases) {
            ui.Clear();
            Get<QCheckBox>("CheckBoxHPS")->setChecked(c.ticked);
            succeed = c.succeed;
            dialogs.QueuePath(dir.File("x/top.qpf"));
            Click("ButtonGen");
            EXPECT_EQ(Kinds(), c.boxes) << c.ticked << c.succeed;
        }
        SetProjectWriterForTests({});
    }
}

// GPIO Default on both headers without prefixes generates; GPIO Default
// 2.5 V on both without prefixes is refused before the project dialog.
TEST_F(UlvaneVessorFormTest, BothHeadersDefaultAndThePrefixRule) {
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return true; });
        const int kDefault = 1;
        const int kDefault2V5 = 10;
        ui.Clear();
        Pick(Combo(0), kDefault);
        Pick(Combo(1), kDefault);
        dialogs.QueuePath(dir.File("x/top.qpf"));
        Click("ButtonGen");
        EXPECT_EQ(Kinds(), std::vector{platform::MsgKind::Information});

        ui.Clear();
        const std::size_t asked = dialogs.Shown().size();
        Pick(Combo(0), kDefault2V5);
        Pick(Combo(1), kDefault2V5);
        Click("ButtonGen");
        EXPECT_EQ(dialogs.Shown().size(), asked);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, kClash);
        SetProjectWriterForTests({});
    }
}

// Load Setting refuses the other board's record although it has the same
// size; a card the list lacks comes back as None with an empty prefix.
TEST_F(UlvaneVessorFormTest, LoadSetting) {
    for (const BoardCase& board : Boards()) {
        SCOPED_TRACE(board.caption);
        Open(board);
        const BoardDef& def = *FindBoard(board.id);
        const BoardDef& other = *FindBoard(board.id == MAINBOARD_ULVANE ? 24 : 23);
        std::vector<std::uint8_t> foreign(other.record.size);
        SetDefaultRecord(other, foreign);
        const std::string foreignBytes(foreign.begin(), foreign.end());
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("other.cfg"), foreignBytes)
                        .Complete(foreignBytes.size()));
        ui.Clear();
        dialogs.QueuePath(dir.File("other.cfg"));
        Click("ButtonLoad");
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text.rfind(
                      dir.File("other.cfg") + " is not a settings file of this board (", 0),
                  0u)
            << ui.Boxes()[0].text;

        std::vector<std::uint8_t> own(def.record.size);
        SetDefaultRecord(def, own);
        own[def.ports[0].cardOffset] = 11; // the 80-pin card: not in the list
        SetRecordFieldText(own, def.ports[0].prefixOffset, "LOST_");
        own[def.ports[1].cardOffset] = 13;
        SetRecordFieldText(own, def.ports[1].prefixOffset, "LCD_");
        SetRecordFieldText(own, def.record.projectNameOffset, "Loaded");
        const std::string ownBytes(own.begin(), own.end());
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File("own.cfg"), ownBytes).Complete(ownBytes.size()));
        Pick(Combo(0), 2);
        Prefix(0)->setText("OLD_");
        ui.Clear();
        dialogs.QueuePath(dir.File("own.cfg"));
        Click("ButtonLoad");
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Loaded");
        EXPECT_EQ(Combo(0)->currentIndex(), 0);
        EXPECT_EQ(Prefix(0)->text().toStdString(), "");
        EXPECT_EQ(Combo(1)->currentIndex(), 3);
        EXPECT_EQ(Prefix(1)->text().toStdString(), "LCD_");
    }
}

// "Change Main Board" opens the board selector; the board picked there
// replaces the form.
TEST_F(UlvaneVessorFormTest, ChangeMainBoard) {
    Open(Boards()[0]);
    bool listed = false;
    WhenModalShows([&](QWidget* modal) {
        auto* selector = qobject_cast<TFormBoardSelector*>(modal);
        ASSERT_NE(selector, nullptr);
        EXPECT_EQ(selector->GetSelectedBoardId(), 23);
        for (int row = 0; row < selector->BoardList()->count(); ++row) {
            if (selector->BoardList()->item(row)->text() == "Vessor SoC Board") {
                listed = true;
                selector->BoardList()->setCurrentRow(row);
            }
        }
        selector->OkButton()->click();
    });
    Click("ButtonMainBoardSelect");
    QCoreApplication::sendPostedEvents(main_.get());
    EXPECT_TRUE(listed);
    EXPECT_EQ(main_->BoardId, 24);
    EXPECT_NE(dynamic_cast<TFormVessor*>(main_->CurrentBoardForm()), nullptr);
}

} // namespace
