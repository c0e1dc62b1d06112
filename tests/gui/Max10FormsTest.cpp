// The forms of the MAX 10 boards Yelden (26), Brovan (30) and Dravel (32)
// in the main window: Yelden's header mode, picture and outlines, its
// construction forcing revision C; Ctrl at Generate on Yelden and Brovan;
// Brovan's Default Setting; Dravel's batch.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/BrovanId.h"
#include "boards/max10/DravelId.h"
#include "boards/max10/UI_Dravel.h"
#include "boards/max10/UI_Yelden.h"
#include "boards/max10/YeldenId.h"
#include "platform/Clock.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class Max10FormsTest : public ProgramFormsTest {
protected:
    // Every board in a new main window.
    void Open(BoardId id) {
        main_ = FormHost::ShowMain();
        main_->CreateBoardForm(static_cast<std::uint8_t>(id));
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    void WriteDefaultCfg(const std::vector<std::uint8_t>& record) {
        ASSERT_TRUE(platform::WriteWholeFile(dir.File("default.cfg"),
                                             std::string(record.begin(), record.end()))
                        .Complete(record.size()));
    }
    std::vector<std::uint8_t> Defaults(BoardId id) {
        std::vector<std::uint8_t> record(FindBoard(id)->record.size);
        SetDefaultRecord(*FindBoard(id), record);
        return record;
    }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string Folder(const char* word, const std::string& name) {
        return dir.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }
};

// Whatever default.cfg held, the form starts at revision C with the SMA ADC
// option off; the header mode and its prefix are shown as saved.
TEST_F(Max10FormsTest, YeldenConstructionForcesRevisionC) {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_YELDEN);
    YELDEN_CONFIG config = RecordAs<YELDEN_CONFIG>(record);
    config.nBoardRevIndex = yelden::kRevisionA;
    config.bSmaADC = 1;
    config.nBbbModeIndex = yelden::kModeWifiBle;
    std::memcpy(config.szBBBPrefixName, "W_", 3);
    StoreRecord(record, config);
    WriteDefaultCfg(record);
    Open(MAINBOARD_YELDEN);
    auto* yelden = dynamic_cast<TFormYelden*>(form_);
    ASSERT_NE(yelden, nullptr);

    EXPECT_EQ(yelden->Settings.Config.nBoardRevIndex, yelden::kRevisionC);
    EXPECT_EQ(yelden->Settings.Config.bSmaADC, 0);
    EXPECT_FALSE(Shown("ComboBoxBoardRev"));
    EXPECT_FALSE(Shown("LabelRevision"));
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoardRev")->currentIndex(), 2);
    EXPECT_FALSE(Shown("CheckBoxSmaADC"));
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSmaADC")->isChecked());
    EXPECT_EQ(Get<QWidget>("PanelBoard")->height(), 350 + 35); // the layout's height, taller
    EXPECT_EQ(Get<QComboBox>("ComboBoxBBB")->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixBBB")->text().toStdString(), "W_");
}

// A mode shows its picture and both header outlines at once; None hides
// them, and a record at None shows an empty prefix, which is saved so.
TEST_F(Max10FormsTest, YeldenModePictureOutlinesAndPrefix) {
    std::vector<std::uint8_t> record = Defaults(MAINBOARD_YELDEN);
    SetRecordFieldText(record, offsetof(YELDEN_CONFIG, szBBBPrefixName), "KEEP_");
    WriteDefaultCfg(record);
    Open(MAINBOARD_YELDEN);
    QComboBox* combo = Get<QComboBox>("ComboBoxBBB");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3).toStdString(), "BBB Mode 7");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixBBB")->text().toStdString(), "");
    EXPECT_FALSE(Shown("ImageBBB"));
    EXPECT_FALSE(Shown("ShapeBBB_P8"));

    for (int mode = 1; mode <= 3; ++mode) {
        combo->setCurrentIndex(mode);
        EXPECT_TRUE(Shown("ImageBBB")) << mode;
        EXPECT_FALSE(Get<QLabel>("ImageBBB")->pixmap().isNull()) << mode;
        EXPECT_TRUE(Shown("ShapeBBB_P8"));
        EXPECT_TRUE(Shown("ShapeBBB_P9"));
    }
    combo->setCurrentIndex(0);
    EXPECT_FALSE(Shown("ImageBBB"));
    EXPECT_FALSE(Shown("ShapeBBB_P8"));
    EXPECT_FALSE(Shown("ShapeBBB_P9"));

    auto* yelden = dynamic_cast<TFormYelden*>(form_);
    YELDEN_CONFIG saved{};
    yelden->ControlsToConfig(saved);
    EXPECT_EQ(saved.szBBBPrefixName[0], '\0');
    EXPECT_EQ(saved.BoardId, 26);
    EXPECT_EQ(saved.Size, 292);
}

// Ctrl held at Generate on the boards without a batch: a beep, then one
// project and the success box.
TEST_F(Max10FormsTest, CtrlBeepsThenGeneratesOnce) {
    for (const auto& [board, word] :
         {std::pair{MAINBOARD_YELDEN, "YELDEN"}, std::pair{MAINBOARD_BROVAN, "MAX10"}}) {
        SCOPED_TRACE(word);
        ui.Clear();
        Open(board);
        platform::qt::SetCtrlDownForTests(true);
        int writes = 0;
        SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) {
            ++writes;
            return true;
        });
        const std::string name = Get<QLineEdit>("EditProjectName")->text().toStdString();
        dialogs.QueuePath(Folder(word, name) + name + ".qpf");
        Click("ButtonGen");
        EXPECT_EQ(ui.BeepCount(), 1);
        EXPECT_EQ(writes, 1);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].rfind("Generate Quartus Project successfully.", 0), 0u);
        SetProjectWriterForTests({});
    }
}

// Default Setting: every box but DDR3, Ethernet, MIPI and the LCD panel,
// no card, no prefix, the name MAX10.
TEST_F(Max10FormsTest, BrovanDefaultSetting) {
    Open(MAINBOARD_BROVAN);
    QComboBox* combo = Get<QComboBox>("ComboBoxErgan");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2).toStdString(), "Ergan Bluetooth SPP");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_TRUE(Shown("ShapeErgan"));
    Get<QLineEdit>("EditPrefixErgan")->setText("BT_");
    Get<QLineEdit>("EditProjectName")->setText("Other");
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        box->setChecked(box->objectName() == "CheckBoxDDR3");
    }
    Click("ButtonDefault");
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        const std::string name = box->objectName().toStdString();
        const bool off = name == "CheckBoxDDR3" || name == "CheckBoxEthernet" ||
                         name == "CheckBoxMIPI" || name == "CheckBoxWistel2";
        EXPECT_EQ(box->isChecked(), !off) << name;
    }
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(Shown("ShapeErgan"));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixErgan")->text().toStdString(), "");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "MAX10");
}

TEST_F(Max10FormsTest, DravelBatchWritesEveryCardWithoutBeep) {
    Open(MAINBOARD_DRAVEL);
    QComboBox* combo = Get<QComboBox>("ComboBoxGpio");
    ASSERT_EQ(combo->count(), 13);
    combo->setCurrentIndex(3);
    emit combo->activated(3);
    Get<QLineEdit>("EditPrefixGpio")->setText("MY_");
    Get<QLineEdit>("EditProjectName")->setText("Mine");
    platform::qt::SetCtrlDownForTests(true);
    const std::string folder = Folder("DRAVEL", "Mine");
    dialogs.QueuePath(folder + "Mine.qpf");
    Click("ButtonGen");

    EXPECT_EQ(ui.BeepCount(), 0);
    EXPECT_TRUE(ui.Boxes().empty()) << (Messages().empty() ? "" : Messages()[0]);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {
        "DRAVEL_GPIO_Cavel",
        "DRAVEL_GPIO_Fyrn",
        "DRAVEL_GPIO_GPIO_Default",
        "DRAVEL_GPIO_GPIO_Default___1_5V",
        "DRAVEL_GPIO_GPIO_Default___1_8V",
        "DRAVEL_GPIO_GPIO_Default___2_5V",
        "DRAVEL_GPIO_Glent_GPIO",
        "DRAVEL_GPIO_RF_and_Sensor",
        "DRAVEL_GPIO_Rindle",
        "DRAVEL_GPIO_Tambry",
        "DRAVEL_GPIO_Wistel",
        "DRAVEL_GPIO_Wistel2",
    };
    EXPECT_EQ(names, expected);
    for (const std::string& name : expected) {
        EXPECT_TRUE(platform::FileExists(folder + name + "/" + name + ".qsf")) << name;
    }
    // Every project takes the prefix GPIO.
    std::string fyrn;
    platform::ReadWholeFile(folder + "DRAVEL_GPIO_Fyrn/DRAVEL_GPIO_Fyrn.v", fyrn);
    EXPECT_NE(fyrn.find("GPIOFYRN_"), std::string::npos);
    // The controls come back; the record keeps the last project's choices.
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text().toStdString(), "MY_");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Mine");
    auto* dravel = dynamic_cast<TFormDravel*>(form_);
    ASSERT_NE(dravel, nullptr);
    EXPECT_EQ(dravel->Settings.Config.nGpioDaughterId, 83);
    EXPECT_STREQ(dravel->Settings.Config.szGpioPrefixName, "GPIO");
    EXPECT_STREQ(dravel->Settings.Config.ProjectName, "DRAVEL_GPIO_GPIO_Default___1_5V");
}

TEST_F(Max10FormsTest, DravelBatchStopsAtCancelAndAtTheFirstFailure) {
    Open(MAINBOARD_DRAVEL);
    platform::qt::SetCtrlDownForTests(true);
    int writes = 0;
    std::vector<std::string> files;
    SetProjectWriterForTests([&](TMainBoard*, const std::string& file, bool) {
        files.push_back(file);
        return ++writes != 3;
    });
    Click("ButtonGen"); // the dialog is cancelled
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_FALSE(platform::FileExists(dir.Path() + "CodeGenerated/DRAVEL/DRAVEL/DRAVEL_GPIO_Fyrn"));

    const std::string folder = Folder("DRAVEL", "DRAVEL");
    dialogs.QueuePath(folder + "DRAVEL.qpf");
    Click("ButtonGen");
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(files.back(), folder + "DRAVEL_GPIO_Tambry/DRAVEL_GPIO_Tambry.qpf");
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Failed to generate Quartus project: DRAVEL_GPIO_Tambry.qpf."});
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio")->currentIndex(), 0);
}

} // namespace
