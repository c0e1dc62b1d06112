// The forms of Quindle (19), Rasmer (20) and Falmor (34) in the main window:
// the first start, the HSMC voltage choice (list, card, prefix, picture,
// outlines, warning), the order of the boxes after Generate, Rasmer's
// seven-segment caption and picture, its GPIO notice, Default Setting and
// batch, Falmor's file type, and Change Main Board.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/cyclone5/FalmorId.h"
#include "boards/cyclone5/QuindleId.h"
#include "boards/cyclone5/RasmerId.h"
#include "boards/cyclone5/UI_Falmor.h"
#include "boards/cyclone5/UI_Quindle.h"
#include "boards/cyclone5/UI_Rasmer.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/qt/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is "
                             "located in the folder:\r\n";
const char* const kHpsReminder = "===== HPS System warning =====\r\n"
                                 "To prevent any errors while compiling your Quartus project, \r\n"
                                 "please add the Altera HPS IP to your design.\r\n";
std::string JumperWarning(const char* words) {
    return std::string("You have changed the default voltage level of HSMC interface. \n"
                       "Please remember to change the ") +
           words +
           " accordingly.\n\nWanring:\nThe hardware could be damaged permanently without "
           "proper setting of voltage level.";
}
const char* const kGpioNotice =
    "Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n"
    "Before you use the GPIO header, be sure to follow the procedures listed\r\n"
    "below to avoid any hardware damage.\r\n"
    "1. Erase the default code.\r\n"
    "2. Switch the S1/S2 dip switch to the OFF position.\r\n";

// The board, its HSMC combo and prefix edit, and the jumper's words.
struct VoltageBoard {
    BoardId id;
    const char* combo;
    const char* prefix;
    const char* jumper;
};
const VoltageBoard kVoltageBoards[] = {
    {MAINBOARD_QUINDLE, "ComboBoxHSMC", "EditPrefixHSMC", "shunt position on JP7"},
    {MAINBOARD_FALMOR, "ComboBoxHsmc", "EditPrefixHsmc", "jumper position on JP3"},
};
const char* const kJumpers[] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

class HsmcBoardFormsTest : public ProgramFormsTest {
protected:
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    // A card picked as the user picks it.
    void Pick(const char* combo, int card) {
        QComboBox* box = Get<QComboBox>(combo);
        const int port = PortOf(box);
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    int PortOf(QComboBox* combo) {
        for (int i = 0; i < form_->PortCount(); ++i) {
            if (form_->Port(i).Combo == combo) {
                return i;
            }
        }
        ADD_FAILURE() << "not a card combo";
        return 0;
    }
    // The voltage picked as the user picks it (the combo's index change).
    void PickVoltage(int index) {
        QComboBox* combo = Get<QComboBox>("ComboBoxHsmcVol");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    std::vector<int> Cards(int port) {
        std::vector<int> cards;
        for (int i = 0; i < form_->Port(port).Combo->count(); ++i) {
            cards.push_back(static_cast<int>(form_->Port(port).List.At(i)));
        }
        return cards;
    }
    std::string Text(const char* edit) { return Get<QLineEdit>(edit)->text().toStdString(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string Folder(const char* word, const std::string& name) {
        return dir.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }
    // Generate into the default folder of the form's project name.
    std::string Generate() {
        const char* word = form_->Definition().folderWord;
        const std::string name = form_->ProjectNameText();
        const std::string folder = Folder(word, name);
        dialogs.QueuePath(folder + name + ".qpf");
        Click("ButtonGen");
        return folder;
    }
    bool SamePicture(const char* label, const char* resource) {
        return Get<QLabel>(label)->pixmap().toImage() ==
               platform::qt::LoadPictureImage(resource).convertToFormat(
                   Get<QLabel>(label)->pixmap().toImage().format());
    }
};

TEST_F(HsmcBoardFormsTest, FirstStart) {
    struct Case {
        BoardId id;
        const char* label;
        QSize size;
        const char* save;
        std::vector<std::size_t> listSizes; // per port
        std::set<std::string> dotted;       // outlines drawn dotted
        std::set<std::string> red;          // outlines drawn red
    };
    const Case cases[] = {
        {MAINBOARD_QUINDLE,
         "Cylone V Quindle Evaluation Board",
         {794, 485},
         "Save Setting...",
         {25},
         {"ShapeIR", "ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"},
         {}},
        {MAINBOARD_RASMER,
         "Rasmer",
         {804, 560},
         "Save Setting...",
         {13, 25},
         {},
         {"Shape1", "Shape2"}},
        {MAINBOARD_FALMOR,
         "Falmor FPGA Board",
         {804, 560},
         "Save Setting",
         {13, 19},
         {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"},
         {}},
    };
    SetBoardOfferForTests({});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_TRUE(HasBoardForm(static_cast<int>(c.id)));
        Open(c.id);
        EXPECT_EQ(form_->size(), c.size);
        EXPECT_EQ(Get<QLabel>("LabelBoardName")->text().toStdString(), c.label);
        EXPECT_EQ(Get<QPushButton>("ButtonSave")->text().toStdString(), c.save);
        EXPECT_EQ(Text("EditProjectName"), FindBoard(c.id)->defaultProjectName);
        for (std::size_t port = 0; port < c.listSizes.size(); ++port) {
            EXPECT_EQ(Cards(static_cast<int>(port)).size(), c.listSizes[port]) << port;
            EXPECT_EQ(form_->Port(static_cast<int>(port)).Combo->currentIndex(), 0);
        }
        EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
        for (TShape* shape : form_->findChildren<TShape*>()) {
            const std::string name = shape->objectName().toStdString();
            EXPECT_EQ(shape->penWidth(), 2) << name;
            EXPECT_EQ(shape->dotted(), c.dotted.count(name) == 1) << name;
            EXPECT_EQ(shape->penColor(),
                      c.red.count(name) ? QColor(255, 0, 0) : QColor(255, 255, 0))
                << name;
        }
        // Every box off: only the fixed outlines stay.
        for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
            if (box->isChecked()) {
                box->click();
            }
        }
        std::vector<std::string> shown;
        for (TShape* shape : form_->findChildren<TShape*>()) {
            if (shape->isVisible()) {
                shown.push_back(shape->objectName().toStdString());
            }
        }
        std::sort(shown.begin(), shown.end());
        const std::vector<std::string> fixed =
            c.id == MAINBOARD_QUINDLE
                ? std::vector<std::string>{"ShapeDecorBlaster", "ShapeDecorChip", "ShapeDecorHps",
                                           "ShapeHsmc2V5"}
            : c.id == MAINBOARD_RASMER ? std::vector<std::string>{"Shape1", "Shape2"}
                                       : std::vector<std::string>{"ShapeHsmc2V5"};
        EXPECT_EQ(shown, fixed);
    }
    // The caption of Quindle stays its own.
    Open(MAINBOARD_QUINDLE);
    EXPECT_EQ(form_->windowTitle().toStdString(), "Cylone V Quindle V1.0.1");
    EXPECT_NE(main_->windowTitle(), form_->windowTitle());
    QComboBox* voltage = Get<QComboBox>("ComboBoxHsmcVol");
    ASSERT_EQ(voltage->count(), 4);
    EXPECT_EQ(voltage->itemText(1).toStdString(), "2.5 V (Default)");
    EXPECT_EQ(voltage->currentIndex(), 1);
    // Rasmer's default button is Exit.
    Open(MAINBOARD_RASMER);
    EXPECT_TRUE(Get<QPushButton>("ButtonExit")->isDefault());
}

// A voltage change drops the card (None, picture and outline hidden) and
// keeps the prefix text; picking the voltage shown changes nothing.
TEST_F(HsmcBoardFormsTest, VoltageChangeDropsTheCard) {
    for (const VoltageBoard& b : kVoltageBoards) {
        SCOPED_TRACE(FindBoard(b.id)->folderWord);
        Open(b.id);
        const int port = form_->PortCount() - 1;
        Pick(b.combo, 17);
        Get<QLineEdit>(b.prefix)->setText("NB_");
        ASSERT_TRUE(Shown("ImageHSMC") && Shown("ShapeHSMC"));

        PickVoltage(1); // the voltage shown
        EXPECT_EQ(form_->PortCard(port), MakeCardId(17));
        EXPECT_EQ(Text(b.prefix), "NB_");
        EXPECT_TRUE(Shown("ImageHSMC") && Shown("ShapeHSMC"));

        PickVoltage(2);
        EXPECT_EQ(Cards(port), (std::vector<int>{0, 17}));
        EXPECT_EQ(form_->PortCard(port), CARD_NONE);
        EXPECT_EQ(Text(b.prefix), "NB_");
        EXPECT_FALSE(Shown("ImageHSMC") || Shown("ShapeHSMC"));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(kJumpers[i]), i == 2) << kJumpers[i];
        }
        PickVoltage(0);
        EXPECT_EQ(Cards(port), (std::vector<int>{0, 17, 57, 58, 59}));
        // The held record is not touched until the controls are read.
        std::int32_t held = 0;
        if (auto* quindle = dynamic_cast<TFormQuindle*>(form_)) {
            held = quindle->Settings.Config.HsmcVoltage;
        } else {
            held = dynamic_cast<TFormFalmor*>(form_)->Settings.Config.HsmcVoltage;
        }
        EXPECT_EQ(held, 1);
    }
}

// Saved at 1.8 V with card 17 and loaded back; a file's voltage outside the
// combo comes back as 2.5 V, and a card its voltage's list lacks as None
// with an empty prefix.
TEST_F(HsmcBoardFormsTest, SettingsFilesKeepTheVoltage) {
    for (const VoltageBoard& b : kVoltageBoards) {
        SCOPED_TRACE(FindBoard(b.id)->folderWord);
        Open(b.id);
        const int port = form_->PortCount() - 1;
        PickVoltage(2);
        Pick(b.combo, 17);
        Get<QLineEdit>(b.prefix)->setText("LOW_");
        const std::string file = dir.File("low.cfg");
        dialogs.QueuePath(file);
        Click("ButtonSave");
        PickVoltage(1);
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 2);
        EXPECT_EQ(Cards(port), (std::vector<int>{0, 17}));
        EXPECT_EQ(form_->PortCard(port), MakeCardId(17));
        EXPECT_EQ(Text(b.prefix), "LOW_");

        const BoardCardPort& def = form_->Definition().ports[static_cast<std::size_t>(port)];
        const std::size_t voltageOffset = b.id == MAINBOARD_QUINDLE
                                              ? offsetof(QUINDLE_CONFIG, HsmcVoltage)
                                              : offsetof(FALMOR_CONFIG, HsmcVoltage);
        std::string bytes = ReadFile(file);
        bytes[voltageOffset] = 7;
        bytes[def.cardOffset] = 2; // only in the 2.5 V list
        ASSERT_TRUE(platform::WriteWholeFile(file, bytes).Complete(bytes.size()));
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 1);
        EXPECT_EQ(form_->PortCard(port), MakeCardId(2));
        EXPECT_TRUE(Shown("ShapeHsmc2V5"));

        bytes[voltageOffset] = 0;
        ASSERT_TRUE(platform::WriteWholeFile(file, bytes).Complete(bytes.size()));
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 0);
        EXPECT_EQ(form_->PortCard(port), CARD_NONE);
        EXPECT_EQ(Text(b.prefix), "");
    }
}

// After Generate: the success box, the jumper warning unless at 2.5 V (also
// without a card), then the HPS reminder; after a failure only its box.
TEST_F(HsmcBoardFormsTest, BoxesAfterGenerate) {
    using platform::MsgKind;
    for (const VoltageBoard& b : kVoltageBoards) {
        SCOPED_TRACE(FindBoard(b.id)->folderWord);
        Open(b.id);
        ui.Clear();
        std::string folder = Generate();
        EXPECT_EQ(Messages(), std::vector<std::string>{kSuccess + folder});

        for (const int voltage : {0, 3}) {
            PickVoltage(voltage);
            ui.Clear();
            folder = Generate();
            EXPECT_EQ(Messages(),
                      (std::vector<std::string>{kSuccess + folder, JumperWarning(b.jumper)}));
            ASSERT_EQ(ui.Boxes().size(), 2u);
            EXPECT_EQ(ui.Boxes()[1].kind, MsgKind::Warning);
        }
        if (b.id == MAINBOARD_FALMOR) {
            Get<QCheckBox>("CheckBoxHPS")->click();
            ui.Clear();
            folder = Generate();
            EXPECT_EQ(Messages(), (std::vector<std::string>{
                                      kSuccess + folder, JumperWarning(b.jumper), kHpsReminder}));
        }
        SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return false; });
        ui.Clear();
        Generate();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to generate Quartus project: " +
                                                       form_->ProjectNameText() + ".qpf."});
        SetProjectWriterForTests({});
    }
}

// Card 2 with an empty prefix is generated with "HSMC_"; the edit, the
// holder's record and the saved files keep the empty prefix. Card 17 at
// 1.8 V is declared at 1.8 V.
TEST_F(HsmcBoardFormsTest, HsmcDefaultPrefixOnlyInTheProject) {
    for (const VoltageBoard& b : kVoltageBoards) {
        const char* word = FindBoard(b.id)->folderWord;
        SCOPED_TRACE(word);
        Open(b.id);
        Pick(b.combo, 2);
        std::string folder = Generate();
        const std::string name = form_->ProjectNameText();
        EXPECT_NE(ReadFile(folder + name + ".v").find("HSMC_"), std::string::npos);
        EXPECT_EQ(Text(b.prefix), "");
        const std::string settings = dir.File("card2.cfg");
        dialogs.QueuePath(settings);
        Click("ButtonSave");
        Click("ButtonExit");
        for (const std::string& file : {settings, dir.File("default.cfg")}) {
            EXPECT_EQ(ReadFile(file).find("HSMC_"), std::string::npos) << file;
        }
        main_.reset();

        Open(b.id);
        PickVoltage(2);
        Pick(b.combo, 17);
        folder = Generate();
        const std::string qsf = ReadFile(folder + name + ".qsf");
        EXPECT_NE(qsf.find("IO_STANDARD \"1.8 V\" -to GPIO0_0\r\n"), std::string::npos);
        EXPECT_EQ(qsf.find("\" -to GPIO0_0\r\n"), qsf.find("\"1.8 V\" -to GPIO0_0") + 6);
        main_.reset();
    }
}

TEST_F(HsmcBoardFormsTest, RasmerSevenSegmentFollowsTheGpioCombo) {
    Open(MAINBOARD_RASMER);
    QCheckBox* seg7 = Get<QCheckBox>("CheckBoxSeg7");
    EXPECT_EQ(seg7->text().toStdString(), "7-Segment x 4");
    EXPECT_TRUE(Shown("ShapeSeg7"));
    EXPECT_FALSE(Shown("ShapeSeg7_x2"));
    EXPECT_TRUE(SamePicture("ImageHex", "RASMER_HEX_x4_BITMAP"));

    Pick("ComboBoxGpio", 13);
    EXPECT_EQ(seg7->text().toStdString(), "7-Segment x 2");
    EXPECT_FALSE(Shown("ShapeSeg7"));
    EXPECT_TRUE(Shown("ShapeSeg7_x2"));
    EXPECT_TRUE(SamePicture("ImageHex", "RASMER_HEX_x2_BITMAP"));
    // A project with the card leaves HEX2 and HEX3 to the header; the
    // notice follows the success box.
    const std::string folder = Generate();
    EXPECT_EQ(Messages(), (std::vector<std::string>{kSuccess + folder, kGpioNotice}));
    const std::string top = ReadFile(folder + "RASMER.v");
    EXPECT_EQ(top.find("HEX2"), std::string::npos);
    EXPECT_NE(top.find("HEX1"), std::string::npos);

    seg7->click();
    EXPECT_FALSE(Shown("ShapeSeg7") || Shown("ShapeSeg7_x2"));
    Pick("ComboBoxGpio", 0);
    EXPECT_EQ(seg7->text().toStdString(), "7-Segment x 4");
    EXPECT_FALSE(Shown("ShapeSeg7"));
    ui.Clear();
    const std::string again = Generate();
    EXPECT_EQ(Messages(), std::vector<std::string>{kSuccess + again});
}

// Default Setting shows the defaults and writes nothing.
TEST_F(HsmcBoardFormsTest, RasmerDefaultSetting) {
    Open(MAINBOARD_RASMER);
    Get<QCheckBox>("CheckBoxXcvrSma")->click();
    Get<QCheckBox>("CheckBoxLED")->click();
    Pick("ComboBoxGpio", 13);
    Pick("ComboBoxHSMC", 23);
    Get<QLineEdit>("EditPrefixHSMC")->setText("S_");
    Get<QLineEdit>("EditProjectName")->setText("Mine");
    Click("ButtonDefaultSetting");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxXcvrSma")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxSi5338_I2C")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(form_->PortCard(rasmer::GPIO), CARD_NONE);
    EXPECT_EQ(form_->PortCard(rasmer::HSMC), CARD_NONE);
    EXPECT_EQ(Text("EditPrefixHSMC"), "");
    EXPECT_EQ(Text("EditProjectName"), "RASMER");
    EXPECT_EQ(Get<QCheckBox>("CheckBoxSeg7")->text().toStdString(), "7-Segment x 4");
    EXPECT_FALSE(Shown("ShapeXcvrSma") || Shown("ShapeXcvrSma2") || Shown("ShapeHSMC"));
    EXPECT_FALSE(platform::FileExists(dir.File("default.cfg")));
    EXPECT_TRUE(ui.Boxes().empty());
}

// Ctrl + Generate: every HSMC card from None (the user's GPIO card kept),
// HSMC back to None, then every GPIO card; the prefixes as typed; the
// controls restored.
TEST_F(HsmcBoardFormsTest, RasmerBatch) {
    Open(MAINBOARD_RASMER);
    Pick("ComboBoxGpio", 12);
    Pick("ComboBoxHSMC", 17);
    Get<QLineEdit>("EditPrefixGpio")->setText("G_");
    Get<QLineEdit>("EditPrefixHSMC")->setText("H_");
    Get<QLineEdit>("EditProjectName")->setText("Mine");
    platform::qt::SetCtrlDownForTests(true);
    const std::string folder = Folder("RASMER", "Mine");
    dialogs.QueuePath(folder + "Mine.qpf");
    const auto start = std::chrono::steady_clock::now();
    Click("ButtonGen");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("rasmer_batch_seconds", std::to_string(seconds));
    std::printf("Rasmer batch of 37 projects: %.3f s\n", seconds);

    EXPECT_EQ(ui.BeepCount(), 1);
    EXPECT_TRUE(ui.Boxes().empty());
    const std::vector<std::string> names = Subfolders(folder);
    EXPECT_EQ(names.size(), 37u);
    int hsmc = 0;
    for (const std::string& name : names) {
        hsmc += name.rfind("RASMER_HSMC_", 0) == 0 ? 1 : 0;
        EXPECT_TRUE(platform::FileExists(folder + name + "/" + name + ".qsf")) << name;
    }
    EXPECT_EQ(hsmc, 25);
    // The HSMC pass keeps the user's GPIO card; the GPIO pass has no HSMC card.
    const std::string none = ReadFile(folder + "RASMER_HSMC_None/RASMER_HSMC_None.v");
    EXPECT_NE(none.find("G_"), std::string::npos);
    EXPECT_EQ(none.find("H_"), std::string::npos);
    const std::string fyrn = ReadFile(folder + "RASMER_GPIO_Fyrn/RASMER_GPIO_Fyrn.v");
    EXPECT_NE(fyrn.find("G_FYRN_"), std::string::npos);
    EXPECT_EQ(fyrn.find("H_"), std::string::npos);
    // The controls as they were.
    EXPECT_EQ(form_->PortCard(rasmer::GPIO), MakeCardId(12));
    EXPECT_EQ(form_->PortCard(rasmer::HSMC), MakeCardId(17));
    EXPECT_EQ(Text("EditPrefixGpio"), "G_");
    EXPECT_EQ(Text("EditPrefixHSMC"), "H_");
    EXPECT_EQ(Text("EditProjectName"), "Mine");
}

TEST_F(HsmcBoardFormsTest, RasmerBatchStopsAtCancelAndAtTheFirstFailure) {
    Open(MAINBOARD_RASMER);
    platform::qt::SetCtrlDownForTests(true);
    std::vector<std::string> files;
    SetProjectWriterForTests([&](TMainBoard*, const std::string& file, bool) {
        files.push_back(file);
        return files.size() != 3;
    });
    Click("ButtonGen"); // Cancel
    EXPECT_TRUE(files.empty());
    EXPECT_TRUE(ui.Boxes().empty());

    // A failure in the HSMC pass: its box, no further HSMC card, no GPIO pass.
    const std::string folder = Folder("RASMER", "RASMER");
    dialogs.QueuePath(folder + "RASMER.qpf");
    Click("ButtonGen");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0], folder + "RASMER_HSMC_None/RASMER_HSMC_None.qpf");
    const std::string failed = std::filesystem::path(files[2]).filename().string();
    EXPECT_EQ(failed.rfind("RASMER_HSMC_", 0), 0u);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Failed to generate Quartus project: " + failed + "."});
    EXPECT_EQ(form_->PortCard(rasmer::HSMC), CARD_NONE);
    EXPECT_EQ(Text("EditProjectName"), "RASMER");
}

// The file type goes into the record before the filler reads it: VHDL
// gives the .vhd top level; the "HSMC_" default stays out of the record.
TEST_F(HsmcBoardFormsTest, FalmorFileTypeAndTheHeldRecord) {
    Open(MAINBOARD_FALMOR);
    auto* falmor = dynamic_cast<TFormFalmor*>(form_);
    ASSERT_NE(falmor, nullptr);
    QComboBox* type = Get<QComboBox>("ComboBoxFileType");
    ASSERT_EQ(type->count(), 2);
    EXPECT_EQ(type->itemText(1).toStdString(), "VHDL");
    type->setCurrentIndex(1);
    Pick("ComboBoxHsmc", 2);
    PickVoltage(1);
    const std::string folder = Generate();
    EXPECT_TRUE(platform::FileExists(folder + "Falmor.vhd"));
    EXPECT_FALSE(platform::FileExists(folder + "Falmor.v"));
    EXPECT_EQ(falmor->Settings.Config.VHDL, 1);
    EXPECT_EQ(falmor->Settings.Config.HsmcDaughterId, 2);
    EXPECT_EQ(falmor->Settings.Config.HsmcPrefixName[0], '\0');
    EXPECT_NE(ReadFile(folder + "Falmor.vhd").find("HSMC_"), std::string::npos);
}

// Change Main Board posts the main window's message 1025 (both parameters
// 0) on every form.
TEST_F(HsmcBoardFormsTest, ChangeMainBoardPostsTheMessage) {
    for (const BoardId id : {MAINBOARD_QUINDLE, MAINBOARD_RASMER, MAINBOARD_FALMOR}) {
        SCOPED_TRACE(FindBoard(id)->folderWord);
        Open(id);
        EXPECT_EQ(MessagesPostedTo(main_.get(), [&] { Click("ButtonMainBoardSelect"); }),
                  (std::vector<std::pair<int, long long>>{{1025, 0}}));
    }
}

} // namespace
