// The forms of Sollen (21), Tavrin (22) and Wendal (25) in the main window:
// first start, the outlines, the HPS reminder, pairing and the paired
// prefix, and the batches of Tavrin and Wendal (Ctrl held at Generate).

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/SollenId.h"
#include "boards/cyclone5/TavrinId.h"
#include "boards/cyclone5/UI_Sollen.h"
#include "boards/cyclone5/UI_Tavrin.h"
#include "boards/cyclone5/UI_Wendal.h"
#include "boards/cyclone5/WendalId.h"
#include "platform/Clock.h"
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

const char* const kHpsReminder = "===== HPS System warning =====\r\n"
                                 "To prevent any errors while compiling your Quartus project, \r\n"
                                 "please add the Altera HPS IP to your design.\r\n";

class GpioBoardFormsTest : public ProgramFormsTest {
protected:
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    int IndexOf(int port, int card) { return form_->Port(port).List.IndexOf(MakeCardId(card)); }
    std::string Folder(const char* word, const std::string& name) {
        return dir.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }
};

// The program carries the three forms: a build that offers the boards
// lists them in the selector and opens them.
TEST_F(GpioBoardFormsTest, TheProgramCarriesTheForms) {
    SetBoardOfferForTests({});
    for (const int id : {21, 22, 25}) {
        EXPECT_TRUE(HasBoardForm(id)) << id;
    }
    std::unique_ptr<QWidget> sollen(NewBoardForm(21, nullptr));
    std::unique_ptr<QWidget> tavrin(NewBoardForm(22, nullptr));
    std::unique_ptr<QWidget> wendal(NewBoardForm(25, nullptr));
    EXPECT_NE(dynamic_cast<TFormSollen*>(sollen.get()), nullptr);
    EXPECT_NE(dynamic_cast<TFormTavrin*>(tavrin.get()), nullptr);
    EXPECT_NE(dynamic_cast<TFormWendal*>(wendal.get()), nullptr);
}

TEST_F(GpioBoardFormsTest, FirstStart) {
    struct Case {
        BoardId id;
        const char* caption;
        QSize size;
        const char* word;
        int cards;            // entries of each list
        const char* unticked; // the box off by default; nullptr: none
    };
    const Case cases[] = {
        {MAINBOARD_SOLLEN, "Sollen V1.1.1", QSize(798, 519), "SOLLEN", 11, "CheckBoxHPS"},
        {MAINBOARD_TAVRIN, "Tavrin V1.0.0", QSize(794, 515), "TAVRIN", 13, "CheckBoxHPS"},
        {MAINBOARD_WENDAL, "Wendal V1.0.1", QSize(793, 536), "WENDAL", 11, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        Open(c.id);
        EXPECT_EQ(form_->windowTitle().toStdString(), c.caption);
        EXPECT_NE(main_->windowTitle().toStdString(), c.caption); // not copied
        EXPECT_EQ(form_->size(), c.size);
        EXPECT_EQ(main_->size(), c.size);
        EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), c.word);
        for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
            EXPECT_EQ(box->isChecked(), box->objectName() != c.unticked)
                << box->objectName().toStdString();
        }
        for (int port = 0; port < form_->PortCount(); ++port) {
            EXPECT_EQ(form_->Port(port).Combo->count(), c.cards);
            EXPECT_EQ(form_->Port(port).Combo->currentIndex(), 0);
            EXPECT_FALSE(form_->Port(port).Image->isVisible());
            EXPECT_FALSE(form_->Port(port).Shape->isVisible());
        }
        // Generate proposes the board's folder; cancelling writes nothing.
        Click("ButtonGen");
        ASSERT_FALSE(dialogs.Shown().empty());
        EXPECT_EQ(dialogs.Shown().back().InitialDir, Folder(c.word, c.word));
        EXPECT_EQ(dialogs.Shown().back().FileName, std::string(c.word) + ".qpf");
        EXPECT_TRUE(ui.Boxes().empty());
    }
}

// Bytes the form does not interpret come back as read; a card the list
// lacks shows as None with an empty prefix.
TEST_F(GpioBoardFormsTest, DefaultCfgKeepsUninterpretedBytes) {
    const BoardDef& def = *FindBoard(MAINBOARD_TAVRIN);
    std::vector<std::uint8_t> record(def.record.size);
    SetDefaultRecord(def, record);
    for (std::size_t i = 280; i < 408; ++i) {
        record[i] = static_cast<std::uint8_t>(i); // the reserved field
    }
    record[1] = 0x11;
    record[151] = 0x22;
    std::vector<std::uint8_t> loaded = record;
    loaded[150] = 11; // the 80-pin card: not in the list of one header
    SetRecordFieldText(loaded, 152, "LOST_");
    const std::string bytes(loaded.begin(), loaded.end());
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("default.cfg"), bytes).Complete(bytes.size()));
    Open(MAINBOARD_TAVRIN);
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text().toStdString(), "");
    Click("ButtonExit");
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), std::string(record.begin(), record.end()));
}

TEST_F(GpioBoardFormsTest, OutlinesFollowTheirBoxes) {
    Open(MAINBOARD_TAVRIN);
    const char* const hps[] = {"ShapeHPS",       "ShapeHpsDDR3", "ShapeHpsEthernet",
                               "ShapeHpsSdcard", "ShapeHpsUsb",  "ShapeHpsUart",
                               "ShapeHpsLTC",    "ShapeHpsLCD",  "ShapeHpsLedButton"};
    for (const char* name : hps) {
        EXPECT_FALSE(Shown(name)) << name;
        EXPECT_EQ(Get<TShape>(name)->penColor(), QColor(0, 255, 255)) << name;
    }
    Get<QCheckBox>("CheckBoxHPS")->click();
    for (const char* name : hps) {
        EXPECT_TRUE(Shown(name)) << name;
    }
    EXPECT_EQ(Get<TShape>("ShapeHdmi")->penColor(), QColor(255, 255, 0));
    Get<QCheckBox>("CheckBoxHDMI")->click();
    EXPECT_FALSE(Shown("ShapeHdmi"));
    Pick(Get<QComboBox>("ComboBoxGpio"), IndexOf(0, 12));
    EXPECT_TRUE(Shown("ShapeGpio") && Shown("ImageGpio"));

    // Sollen: three-pixel outlines; the two dotted ones are always shown.
    Open(MAINBOARD_SOLLEN);
    for (TShape* shape : form_->findChildren<TShape*>()) {
        EXPECT_EQ(shape->penWidth(), 3);
        EXPECT_EQ(shape->dotted(), shape->objectName().startsWith("ShapeDecor"));
    }
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        if (box->isChecked()) {
            box->click();
        }
    }
    EXPECT_TRUE(Shown("ShapeDecorChip") && Shown("ShapeDecorBlaster"));
    EXPECT_FALSE(Shown("ShapeOSC") || Shown("ShapeHPS"));
}

// The HPS reminder follows the success box only, and only with HPS ticked.
TEST_F(GpioBoardFormsTest, HpsReminderAfterSuccessOnly) {
    const std::string success = "Generate Quartus Project successfully.\r\nThe project is "
                                "located in the folder:\r\n";
    for (const BoardId id : {MAINBOARD_SOLLEN, MAINBOARD_TAVRIN}) {
        const char* word = FindBoard(id)->folderWord;
        SCOPED_TRACE(word);
        Open(id);
        const std::string folder = Folder(word, word);
        ui.Clear();
        dialogs.QueuePath(folder + word + ".qpf");
        Click("ButtonGen");
        EXPECT_EQ(Messages(), std::vector<std::string>{success + folder});

        Get<QCheckBox>("CheckBoxHPS")->click();
        ui.Clear();
        dialogs.QueuePath(folder + word + ".qpf");
        Click("ButtonGen");
        EXPECT_EQ(Messages(), (std::vector<std::string>{success + folder, kHpsReminder}));
        // The HPS pins are ports without location lines.
        const std::string qsf = ReadFile(folder + word + ".qsf");
        EXPECT_NE(qsf.find("-to HPS_DDR3_ADDR[0]"), std::string::npos);
        EXPECT_EQ(qsf.find("set_location_assignment PIN_ -to HPS"), std::string::npos);

        SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return false; });
        ui.Clear();
        dialogs.QueuePath(folder + word + ".qpf");
        Click("ButtonGen");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to generate Quartus project: " +
                                                       std::string(word) + ".qpf."});
        SetProjectWriterForTests({});
    }
}

TEST_F(GpioBoardFormsTest, PairingAndPairedPrefix) {
    for (const BoardId id : {MAINBOARD_SOLLEN, MAINBOARD_WENDAL}) {
        SCOPED_TRACE(BoardNumber(id));
        Open(id);
        QComboBox* combo0 = Get<QComboBox>("ComboBoxGpio0");
        QComboBox* combo1 = Get<QComboBox>("ComboBoxGpio1");
        QLineEdit* prefix0 = Get<QLineEdit>("EditPrefixGpio0");
        QLineEdit* prefix1 = Get<QLineEdit>("EditPrefixGpio1");
        // Picked on GPIO-1, the 80-pin card takes GPIO-0 with GPIO-1's prefix.
        prefix1->setText("ADC_");
        Pick(combo1, IndexOf(1, 11));
        EXPECT_EQ(combo0->currentIndex(), IndexOf(0, 11));
        EXPECT_EQ(prefix0->text().toStdString(), "ADC_");
        EXPECT_FALSE(combo0->isEnabled() || prefix0->isEnabled());
        // The enabled edit is mirrored into the disabled one.
        prefix1->setText("AD_");
        EXPECT_EQ(prefix0->text().toStdString(), "AD_");
        EXPECT_TRUE(Shown("ShapeGpio0") && Shown("ShapeGpio1"));

        // Another card on the source header frees GPIO-0 and empties it.
        Pick(combo1, IndexOf(1, 12));
        EXPECT_EQ(combo0->currentIndex(), 0);
        EXPECT_EQ(prefix0->text().toStdString(), "");
        EXPECT_TRUE(combo0->isEnabled() && prefix0->isEnabled());

        // GPIO Default on both without prefixes passes; the same card with
        // the same prefix does not.
        Pick(combo0, IndexOf(0, 1));
        Pick(combo1, IndexOf(1, 1));
        prefix1->clear();
        std::string message;
        EXPECT_TRUE(form_->CheckControls(message)) << message;
        prefix0->setText("X_");
        prefix1->setText("X_");
        EXPECT_FALSE(form_->CheckControls(message));
    }
}

TEST_F(GpioBoardFormsTest, TavrinBatchWritesEveryCardAndRestoresTheControls) {
    Open(MAINBOARD_TAVRIN);
    QComboBox* combo = Get<QComboBox>("ComboBoxGpio");
    Pick(combo, IndexOf(0, 13));
    Get<QLineEdit>("EditPrefixGpio")->setText("MY_");
    Get<QLineEdit>("EditProjectName")->setText("Mine");
    platform::qt::SetCtrlDownForTests(true);
    const std::string folder = Folder("TAVRIN", "Mine");
    dialogs.QueuePath(folder + "Mine.qpf");
    Click("ButtonGen");

    EXPECT_EQ(ui.BeepCount(), 1);
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_TRUE(ui.Boxes().empty());
    const std::vector<std::string> names = {
        "TAVRIN_GPIO_Cavel",
        "TAVRIN_GPIO_Fyrn",
        "TAVRIN_GPIO_GPIO_Default",
        "TAVRIN_GPIO_GPIO_Default___1_5V",
        "TAVRIN_GPIO_GPIO_Default___1_8V",
        "TAVRIN_GPIO_GPIO_Default___2_5V",
        "TAVRIN_GPIO_Glent_GPIO",
        "TAVRIN_GPIO_RF_and_Sensor",
        "TAVRIN_GPIO_Rindle",
        "TAVRIN_GPIO_Tambry",
        "TAVRIN_GPIO_Wistel",
        "TAVRIN_GPIO_Wistel2",
    };
    EXPECT_EQ(Subfolders(folder), names);
    for (const std::string& name : names) {
        EXPECT_TRUE(platform::FileExists(folder + name + "/" + name + ".qsf")) << name;
    }
    // Every project keeps the typed prefix.
    EXPECT_NE(ReadFile(folder + "TAVRIN_GPIO_Fyrn/TAVRIN_GPIO_Fyrn.v").find("MY_FYRN_"),
              std::string::npos);
    EXPECT_EQ(combo->currentIndex(), IndexOf(0, 13));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text().toStdString(), "MY_");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Mine");
}

TEST_F(GpioBoardFormsTest, WendalBatchPutsEachCardOnBothHeaders) {
    Open(MAINBOARD_WENDAL);
    // The user's state: the 80-pin card picked on GPIO-1.
    Get<QLineEdit>("EditPrefixGpio1")->setText("ADC_");
    Pick(Get<QComboBox>("ComboBoxGpio1"), IndexOf(1, 11));
    platform::qt::SetCtrlDownForTests(true);
    const std::string folder = Folder("WENDAL", "WENDAL");
    dialogs.QueuePath(folder + "WENDAL.qpf");
    Click("ButtonGen");

    EXPECT_EQ(ui.BeepCount(), 1);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(Subfolders(folder).size(), 10u);
    const std::string fyrn = ReadFile(folder + "WENDAL_GPIO_Fyrn/WENDAL_GPIO_Fyrn.v");
    EXPECT_NE(fyrn.find("GPIO_0_FYRN_"), std::string::npos);
    EXPECT_NE(fyrn.find("GPIO_1_FYRN_"), std::string::npos);
    const std::string ostel = ReadFile(folder + "WENDAL_GPIO_Ostel/WENDAL_GPIO_Ostel.v");
    EXPECT_NE(ostel.find("GPIO_0_1 connect to Ostel"), std::string::npos);
    EXPECT_EQ(ostel.find("GPIO_0_ADC"), std::string::npos);
    EXPECT_NE(ostel.find("ADC_DA"), std::string::npos);
    // The controls come back as they were, the disabled pair included.
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentIndex(), IndexOf(0, 11));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text().toStdString(), "ADC_");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text().toStdString(), "ADC_");
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio0")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "WENDAL");
}

TEST_F(GpioBoardFormsTest, BatchStopsAtCancelAndAtTheFirstFailure) {
    Open(MAINBOARD_TAVRIN);
    platform::qt::SetCtrlDownForTests(true);
    int writes = 0;
    std::vector<std::string> files;
    SetProjectWriterForTests([&](TMainBoard*, const std::string& file, bool) {
        files.push_back(file);
        return ++writes != 3;
    });
    // Cancel: nothing is written.
    Click("ButtonGen");
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(ui.BeepCount(), 1);
    EXPECT_TRUE(ui.Boxes().empty());

    // The third project fails: its box, and no fourth.
    const std::string folder = Folder("TAVRIN", "TAVRIN");
    dialogs.QueuePath(folder + "TAVRIN.qpf");
    Click("ButtonGen");
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(files.back(), folder + "TAVRIN_GPIO_Tambry/TAVRIN_GPIO_Tambry.qpf");
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Failed to generate Quartus project: TAVRIN_GPIO_Tambry.qpf."});
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "TAVRIN");

    // A project folder that cannot be made: its box, nothing written.
    ui.Clear();
    writes = 0;
    const std::string elsewhere = dir.Path() + "elsewhere/";
    ASSERT_TRUE(platform::ForceDirectories(elsewhere));
    ASSERT_TRUE(platform::WriteWholeFile(elsewhere + "TAVRIN_GPIO_GPIO_Default", "x").Complete(1));
    dialogs.QueuePath(elsewhere + "TAVRIN.qpf");
    Click("ButtonGen");
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot create the project folder " + elsewhere +
                                                   "TAVRIN_GPIO_GPIO_Default/: Not a directory"});
}

// Without a batch in its definition, Ctrl changes nothing.
TEST_F(GpioBoardFormsTest, CtrlOnABoardWithoutBatchGeneratesOnce) {
    Open(MAINBOARD_SOLLEN);
    platform::qt::SetCtrlDownForTests(true);
    int writes = 0;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) {
        ++writes;
        return true;
    });
    dialogs.QueuePath(Folder("SOLLEN", "SOLLEN") + "SOLLEN.qpf");
    Click("ButtonGen");
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(ui.BeepCount(), 0);
}

} // namespace
