// The Ilmarch form as the program starts it: the main window in a temporary
// program folder (with and without default.cfg), scripted boxes and dialogs,
// clicks and picks as the user makes them.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"
#include "boards/cyclone5/UI_Ilmarch.h"
#include "platform/Clock.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace ilmarch;

namespace {

const char* const kPeripheralBoxes[] = {
    "CheckBoxOSC",      "CheckBoxLED",  "CheckBoxButton",  "CheckBoxPCIe",
    "CheckBoxUart2USB", "CheckBoxFan",  "CheckBoxSeg7",    "CheckBoxSwitch",
    "CheckBoxSDRAM",    "CheckBoxDDR3", "CheckBoxArduino", "CheckBoxSmaClock",
};
const char* const kPeripheralShapes[] = {
    "ShapeSeg7_x2", "ShapeSwitch",    "ShapeButton",    "ShapeLED",        "ShapeSmaClock",
    "ShapeFan",     "ShapeOSC",       "ShapeSDRAM",     "ShapeDDR3",       "ShapeUart2USB",
    "ShapePCIe",    "ShapeArduino_0", "ShapeArduino_1", "ShapeArduinoADC",
};
const char* const kClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                           "connect to the same type of daughter boards.";

std::string Bytes(const ILMARCH_CONFIG& c) {
    return std::string(reinterpret_cast<const char*>(&c), sizeof c);
}

ILMARCH_CONFIG Defaults() {
    ILMARCH_CONFIG c;
    SetIlmarchDefaultConfig(c);
    return c;
}

class IlmarchFormTest : public GuiTest {
protected:
    ~IlmarchFormTest() override {
        main_.reset();
        SetProjectWriterForTests({});
        platform::SetFixedClock(std::nullopt);
    }

    // Starts the program's main window, which opens the board of this build.
    void Start() {
        main_ = std::make_unique<TFormMain>();
        main_->show();
        form_ = dynamic_cast<TFormIlmarch*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }

    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    QComboBox* Combo(int header) {
        return Get<QComboBox>(header == 0 ? "ComboBoxGpio_0" : "ComboBoxGpio_1");
    }
    QLineEdit* Prefix(int header) {
        return Get<QLineEdit>(header == 0 ? "EditPrefixGpio_0" : "EditPrefixGpio_1");
    }
    QComboBox* Voltage() { return Get<QComboBox>("ComboBoxGpioVol"); }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    // The user picks an entry (a pick from code would run no handler).
    void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }

    void WriteFile(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(platform::WriteWholeFile(dir.File(name), bytes).Complete(bytes.size()));
    }
    std::vector<std::string> Items(QComboBox* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i) {
            items.push_back(combo->itemText(i).toStdString());
        }
        return items;
    }
    std::string ProjectFolder(const std::string& name) {
        return dir.Path() + "CodeGenerated/ILMARCH/" + name + "/";
    }
    std::string Message() { return ui.Boxes().empty() ? std::string() : ui.Boxes().back().text; }

    std::unique_ptr<TFormMain> main_;
    TFormIlmarch* form_ = nullptr;
};

// "Change Main Board" is there only when the build offers another board.
TEST_F(IlmarchFormTest, ChangeMainBoardOnlyWithAnotherBoard) {
    SetBoardOfferForTests([](int id) { return id == 37 || id == 21; });
    Start();
    EXPECT_TRUE(Shown("ButtonMainBoardSelect"));
    main_.reset();
    SetBoardOfferForTests({});
    Start();
    EXPECT_FALSE(Shown("ButtonMainBoardSelect"));
}

TEST_F(IlmarchFormTest, FirstStartWithoutDefaultCfg) {
    Start();
    EXPECT_EQ(main_->windowTitle().toStdString(), "Quelmar Cyclone V PCIe Board ILMARCH V1.0.0");
    EXPECT_EQ(main_->size(), QSize(804, 501));
    EXPECT_EQ(form_->geometry(), QRect(0, 0, 804, 501));
    EXPECT_FALSE(Shown("ButtonMainBoardSelect"));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "ILMARCH");
    for (const char* box : kPeripheralBoxes) {
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    }
    for (const char* shape : kPeripheralShapes) {
        EXPECT_TRUE(Shown(shape)) << shape;
    }
    EXPECT_EQ(Items(Voltage()),
              (std::vector<std::string>{"3.3 V(Default)", "2.5 V", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Voltage()->currentIndex(), 0);
    EXPECT_TRUE(Shown("ShapeGpio3V3"));
    EXPECT_FALSE(Shown("ShapeGpio2V5") || Shown("ShapeGpio1V8") || Shown("ShapeGpio1V5"));
    for (int header = 0; header < 2; ++header) {
        EXPECT_EQ(Combo(header)->currentIndex(), 0);
        EXPECT_EQ(Combo(header)->count(), 11);
        EXPECT_EQ(Combo(header)->itemText(2).toStdString(), BoardName(CARD_OSTEL_GPIO));
        EXPECT_TRUE(Combo(header)->isEnabled());
    }
    EXPECT_FALSE(Shown("ShapeGpio_0") || Shown("ShapeGpio_1"));
    EXPECT_FALSE(Shown("ImageGpio_0") || Shown("ImageGpio_1"));
    EXPECT_FALSE(Get<QLabel>("ImageBoard")->pixmap().isNull());

    // Generate asks for the project file in its own folder; cancelling it
    // leaves the folder behind and nothing else.
    Click("ButtonGen");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    const platform::FileDialog& asked = dialogs.Shown()[0];
    EXPECT_EQ(asked.InitialDir, ProjectFolder("ILMARCH"));
    EXPECT_EQ(asked.FileName, "ILMARCH.qpf");
    EXPECT_EQ(asked.Filter, "Quartus Project File (*.qpf)|*.QPF");
    EXPECT_EQ(asked.DefaultExt, "qpf");
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(platform::DirectoryExists(ProjectFolder("ILMARCH")));
    EXPECT_TRUE(std::filesystem::is_empty(ProjectFolder("ILMARCH")));
}

TEST_F(IlmarchFormTest, StartsFromDefaultCfg) {
    ILMARCH_CONFIG saved = Defaults();
    SetIlmarchText(saved.ProjectName, "Blinky");
    saved.LED = 0;
    saved.GpioVoltage = 3;
    saved.nGpioDaughterId[GPIO_1] = 81;
    SetIlmarchText(saved.GpioPrefixName[GPIO_1], "P_");
    saved.Align1[2] = 0x5A; // kept as read
    WriteFile("default.cfg", Bytes(saved));
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Blinky");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_FALSE(Shown("ShapeLED"));
    EXPECT_EQ(Voltage()->currentIndex(), 1);
    EXPECT_TRUE(Shown("ShapeGpio2V5"));
    EXPECT_FALSE(Shown("ShapeGpio3V3"));
    EXPECT_EQ(Items(Combo(1)), (std::vector<std::string>{"None", "GPIO Default - 2.5V"}));
    EXPECT_EQ(Combo(0)->currentIndex(), 0);
    EXPECT_EQ(Combo(1)->currentIndex(), 1);
    EXPECT_EQ(Prefix(1)->text().toStdString(), "P_");
    EXPECT_TRUE(Shown("ShapeGpio_1") && Shown("ImageGpio_1"));

    // Exit writes the same record back, alignment bytes included; the main
    // window keeps the board in the INI file when it goes.
    Click("ButtonExit");
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), Bytes(saved));
    main_.reset();
    const std::string ini = platform::ChangeFileExt(platform::ProgramFileName(), ".INI");
    EXPECT_NE(ReadFile(dir.File(ini)).find("MainBoard=37"), std::string::npos);
}

TEST_F(IlmarchFormTest, DefaultCfgItCannotTakeGivesTheDefaults) {
    ILMARCH_CONFIG foreign = Defaults();
    foreign.BoardId = 21;
    SetIlmarchText(foreign.ProjectName, "Foreign");
    const std::string cases[] = {Bytes(Defaults()).substr(0, 411), Bytes(Defaults()) + '\0',
                                 Bytes(foreign)};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        WriteFile("default.cfg", bytes);
        Start();
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "ILMARCH");
        EXPECT_TRUE(ui.Boxes().empty());
        Click("ButtonExit");
        EXPECT_EQ(ReadFile(dir.File("default.cfg")), Bytes(Defaults()));
        main_.reset();
    }
}

// A record the form has to mend shows as the core record check says, so
// the fuzz target and the golden tests see what the form would generate.
TEST_F(IlmarchFormTest, MendedRecordAgreesWithTheCoreCheck) {
    struct Case {
        const char* what;
        std::function<void(ILMARCH_CONFIG&)> set;
    };
    const Case cases[] = {
        {"unknown voltage, unknown card, 80-pin card on GPIO-1 alone",
         [](ILMARCH_CONFIG& c) {
             c.GpioVoltage = 9;
             c.nGpioDaughterId[GPIO_0] = 200;
             SetIlmarchText(c.GpioPrefixName[GPIO_0], "LOST_");
             c.nGpioDaughterId[GPIO_1] = 11;
             c.OSC = 7;
         }},
        {"80-pin card on GPIO-0 alone",
         [](ILMARCH_CONFIG& c) {
             c.nGpioDaughterId[GPIO_0] = 11;
             SetIlmarchText(c.GpioPrefixName[GPIO_0], "ADC_");
         }},
        {"3.3 V card at 1.5 V, texts without NUL",
         [](ILMARCH_CONFIG& c) {
             c.GpioVoltage = 1;
             c.nGpioDaughterId[GPIO_0] = 12;
             c.nGpioDaughterId[GPIO_1] = 83;
             std::memset(c.ProjectName, 'N', sizeof c.ProjectName);
             std::memset(c.GpioPrefixName[GPIO_1], 'p', sizeof c.GpioPrefixName[GPIO_1]);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ILMARCH_CONFIG record = Defaults();
        c.set(record);
        WriteFile("default.cfg", Bytes(record));
        Start();
        ILMARCH_CONFIG shown = form_->Settings.Config;
        form_->ControlsToConfig(shown);

        // The controls show the mended record and write it back unchanged.
        MendRecord(*FindBoard(MAINBOARD_ILMARCH),
                   std::span(reinterpret_cast<std::uint8_t*>(&record), sizeof record));
        EXPECT_EQ(Bytes(shown), Bytes(record));
        EXPECT_EQ(form_->Settings.Config.GpioVoltage, form_->GetVoltageCode());
        main_.reset();
    }
}

TEST_F(IlmarchFormTest, VoltageChanges) {
    Start();
    Pick(Combo(0), 3); // Fyrn on both headers
    Pick(Combo(1), 3);
    Prefix(0)->setText("CAM_");

    Pick(Voltage(), 2); // 1.8 V
    EXPECT_EQ(form_->Settings.Config.GpioVoltage, 2);
    EXPECT_EQ(form_->Settings.Config.nGpioDaughterId[GPIO_0], 0);
    for (int header = 0; header < 2; ++header) {
        EXPECT_EQ(Items(Combo(header)), (std::vector<std::string>{"None", "GPIO Default - 1.8V"}));
        EXPECT_EQ(Combo(header)->currentIndex(), 0);
        EXPECT_TRUE(Combo(header)->isEnabled());
    }
    EXPECT_EQ(Prefix(0)->text().toStdString(), "CAM_"); // the edits keep their text
    EXPECT_TRUE(Shown("ShapeGpio1V8"));
    EXPECT_FALSE(Shown("ShapeGpio3V3") || Shown("ShapeGpio_0") || Shown("ImageGpio_0"));

    // Choosing 1.8 V again changes nothing.
    Pick(Combo(0), 1);
    Pick(Voltage(), 2);
    EXPECT_EQ(Combo(0)->currentIndex(), 1);
    EXPECT_EQ(Combo(0)->count(), 2);

    Click("ButtonExit");
    ILMARCH_CONFIG stored;
    const std::string bytes = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(bytes.size(), sizeof stored);
    std::memcpy(&stored, bytes.data(), sizeof stored);
    EXPECT_EQ(stored.GpioVoltage, 2);
    EXPECT_EQ(stored.nGpioDaughterId[GPIO_0], 82);
    EXPECT_EQ(IlmarchText(stored.GpioPrefixName[GPIO_0]), "CAM_");
}

TEST_F(IlmarchFormTest, EightyPinCardPairsTheHeaders) {
    Start();
    Prefix(0)->setText("ADC_");
    Pick(Combo(0), 2); // the 80-pin card
    EXPECT_EQ(Combo(1)->currentIndex(), 2);
    EXPECT_EQ(Prefix(1)->text().toStdString(), "ADC_");
    EXPECT_FALSE(Combo(1)->isEnabled() || Prefix(1)->isEnabled());
    EXPECT_TRUE(Combo(0)->isEnabled() && Prefix(0)->isEnabled());
    EXPECT_TRUE(Shown("ShapeGpio_0") && Shown("ShapeGpio_1") && Shown("ImageGpio_1"));

    Pick(Combo(0), 0);
    EXPECT_EQ(Combo(1)->currentIndex(), 0);
    EXPECT_EQ(Prefix(1)->text().toStdString(), "");
    EXPECT_TRUE(Combo(1)->isEnabled() && Prefix(1)->isEnabled());

    // Picked on GPIO-1, the card takes GPIO-1's prefix to the pair.
    Prefix(1)->setText("B_");
    Pick(Combo(1), 2);
    EXPECT_EQ(Combo(0)->currentIndex(), 2);
    EXPECT_EQ(Prefix(0)->text().toStdString(), "B_");
    EXPECT_FALSE(Combo(0)->isEnabled());

    platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    dialogs.QueuePath(ProjectFolder("ILMARCH") + "ILMARCH.qpf");
    Click("ButtonGen");
    const std::string v = ReadFile(ProjectFolder("ILMARCH") + "ILMARCH.v");
    EXPECT_NE(v.find("GPIO_0_1 connect to Ostel"), std::string::npos);
    EXPECT_NE(v.find("B_ADC_DA"), std::string::npos);
    EXPECT_EQ(v.find("GPIO_0, "), std::string::npos);
}

TEST_F(IlmarchFormTest, SettingsErrorsStopBeforeTheDialog) {
    const std::string badPrefix =
        "Prefix Name of GPIO-1 must begin with a letter (A-Z or a-z) and hold only "
        "letters, digits and underscores.";
    struct Case {
        const char* name;
        int card0; // combo indexes at 3.3 V: 1 GPIO Default, 3 Fyrn
        const char* prefix0;
        int card1;
        const char* prefix1;
        std::string message; // empty: the project-file dialog opens
    };
    const Case cases[] = {
        {"ILMARCH", 1, "X_", 1, "X_", kClash},
        {"ILMARCH", 3, "", 3, "", kClash},
        {"ILMARCH", 1, "", 1, "", ""},
        {"ILMARCH", 1, "X_", 1, "Y_", ""},
        {"ILMARCH", 3, "", 1, "9x", badPrefix},
        {"", 0, "", 0, "", "Project Name cannot be empty."},
        {"my project", 0, "", 0, "",
         "Project Name must begin with a letter (A-Z or a-z) and hold only "
         "letters, digits and underscores."},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefix0) + "/" + c.prefix1 + " " + c.message);
        ui.Clear();
        const std::size_t asked = dialogs.Shown().size();
        Get<QLineEdit>("EditProjectName")->setText(c.name);
        Pick(Combo(0), c.card0);
        Pick(Combo(1), c.card1);
        Prefix(0)->setText(c.prefix0);
        Prefix(1)->setText(c.prefix1);
        Click("ButtonGen"); // nothing queued: a dialog is cancelled
        if (c.message.empty()) {
            EXPECT_EQ(dialogs.Shown().size(), asked + 1);
            EXPECT_TRUE(ui.Boxes().empty());
        } else {
            EXPECT_EQ(dialogs.Shown().size(), asked);
            ASSERT_EQ(ui.Boxes().size(), 1u);
            EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
            EXPECT_EQ(ui.Boxes()[0].text, c.message);
        }
    }
}

TEST_F(IlmarchFormTest, SaveLoadDefaultSettingAndExit) {
    Start();
    Get<QLineEdit>("EditProjectName")->setText("Blinky");
    Get<QCheckBox>("CheckBoxLED")->click();
    Pick(Voltage(), 1);
    Pick(Combo(1), 1);
    Prefix(1)->setText("P_");
    dialogs.QueuePath(dir.File("saved.cfg"));
    Click("ButtonSave");
    ILMARCH_CONFIG expected = Defaults();
    SetIlmarchText(expected.ProjectName, "Blinky");
    expected.LED = 0;
    expected.GpioVoltage = 3;
    expected.nGpioDaughterId[GPIO_1] = 81;
    SetIlmarchText(expected.GpioPrefixName[GPIO_1], "P_");
    EXPECT_EQ(ReadFile(dir.File("saved.cfg")), Bytes(expected));
    EXPECT_EQ(dialogs.Shown().back().Filter, "Board Configuration Files (*.cfg)|*.CFG");

    // Default Setting after working at 1.5 V.
    Pick(Voltage(), 3);
    Click("ButtonDefaultSetting");
    EXPECT_EQ(Voltage()->currentIndex(), 0);
    EXPECT_EQ(Combo(0)->count(), 11);
    EXPECT_EQ(Combo(1)->currentIndex(), 0);
    EXPECT_TRUE(Combo(1)->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "ILMARCH");
    EXPECT_EQ(Bytes(form_->Settings.Config), Bytes(Defaults()));

    // A file of another length loads nothing and says why; the saved one
    // comes back.
    WriteFile("short.cfg", Bytes(expected).substr(0, 411));
    dialogs.QueuePath(dir.File("short.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Voltage()->currentIndex(), 0);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, dir.File("short.cfg") +
                                      " is not a settings file of this board (it is 411 bytes "
                                      "long, not 412).");
    ui.Clear();
    dialogs.QueuePath(dir.File("saved.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Voltage()->currentIndex(), 1);
    EXPECT_EQ(Combo(1)->currentIndex(), 1);
    EXPECT_EQ(Prefix(1)->text().toStdString(), "P_");
    EXPECT_TRUE(ui.Boxes().empty());

    Click("ButtonExit");
    EXPECT_EQ(ReadFile(dir.File("default.cfg")), Bytes(expected));
}

// Exit is the form's default button: Enter on a focused button clicks that
// button; Enter in the project name confirms nothing, and Exit keeps the
// name in default.cfg.
TEST_F(IlmarchFormTest, EnterClicksOnlyTheFocusedButton) {
    Start();
    const auto pressEnter = [](QWidget* target) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
    };
    Get<QCheckBox>("CheckBoxLED")->click();
    auto* defaults = Get<QPushButton>("ButtonDefaultSetting");
    defaults->setFocus();
    pressEnter(defaults);
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_TRUE(main_->isVisible());

    auto* name = Get<QLineEdit>("EditProjectName");
    name->setText("ByEnter");
    name->setFocus();
    pressEnter(name);
    EXPECT_TRUE(main_->isVisible());
    EXPECT_TRUE(Get<QPushButton>("ButtonExit")->isDefault());
    Get<QPushButton>("ButtonExit")->click();
    EXPECT_FALSE(main_->isVisible());
    ILMARCH_CONFIG stored;
    const std::string bytes = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(bytes.size(), sizeof stored);
    std::memcpy(&stored, bytes.data(), sizeof stored);
    EXPECT_EQ(IlmarchText(stored.ProjectName), "ByEnter");
}

TEST_F(IlmarchFormTest, GenerateShowsTheJumperOfTheVoltage) {
    struct Case {
        int voltageIndex;
        int cardIndex; // on GPIO-0; 0 = none
        const char* jumper;
        const char* standard;
    };
    const Case cases[] = {
        {0, 1, "3.3V(7-8)", "3.3-V LVTTL"}, {1, 1, "2.5V(5-6)", "2.5 V"},
        {2, 1, "1.8V(3-4)", "1.8 V"},       {3, 1, "1.5V(1-2)", "1.5 V"},
        {1, 0, nullptr, nullptr},
    };
    platform::SetFixedClock(platform::LocalDateTime{2024, 3, 8, 14, 5, 9, 5});
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.voltageIndex);
        ui.Clear();
        Pick(Voltage(), c.voltageIndex);
        Pick(Combo(0), c.cardIndex);
        const std::string folder = ProjectFolder("ILMARCH");
        dialogs.QueuePath(folder + "ILMARCH.qpf");
        Click("ButtonGen");
        ASSERT_GE(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Information);
        EXPECT_EQ(ui.Boxes()[0].text, "Generate Quartus Project successfully.\r\nThe project is "
                                      "located in the folder:\r\n" +
                                          folder);
        for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"}) {
            EXPECT_TRUE(platform::FileExists(folder + "ILMARCH" + ext)) << ext;
        }
        if (!c.jumper) {
            EXPECT_EQ(ui.Boxes().size(), 1u);
            continue;
        }
        ASSERT_EQ(ui.Boxes().size(), 2u);
        EXPECT_EQ(ui.Boxes()[1].kind, platform::MsgKind::Information);
        EXPECT_EQ(ui.Boxes()[1].text,
                  std::string("GPIO Daugher cards are selected.\r\nPlease make sure GPIO VCCIO ") +
                      c.jumper + " is setup correctly on the JP1 of the ILMARCH board.\r\n");
        // The card pins take the standard of the header voltage.
        const std::string qsf = ReadFile(folder + "ILMARCH.qsf");
        EXPECT_NE(qsf.find(std::string("IO_STANDARD \"") + c.standard + "\" -to GPIO[0]"),
                  std::string::npos);
    }
}

TEST_F(IlmarchFormTest, FailedGenerationIsReported) {
    Start();
    SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return false; });
    Pick(Combo(0), 1);
    dialogs.QueuePath(ProjectFolder("ILMARCH") + "ILMARCH.qpf");
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(Message(), "Failed to generate Quartus project: ILMARCH.qpf.");
}

TEST_F(IlmarchFormTest, AProjectFolderThatCannotBeMadeStopsGenerate) {
    // A file named CodeGenerated in the program folder: the box names the
    // folder and the reason, no dialog opens and nothing is written.
    WriteFile("CodeGenerated", "hand-written");
    Start();
    int writes = 0;
    SetProjectWriterForTests([&writes](TMainBoard*, const std::string&, bool) {
        ++writes;
        return true;
    });
    dialogs.QueuePath(dir.File("ILMARCH.qpf"));
    Click("ButtonGen");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(writes, 0);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(Message(),
              "Cannot create the project folder " + ProjectFolder("ILMARCH") + ": Not a directory");
}

TEST_F(IlmarchFormTest, OneSignalFromBothHeadersFailsTheGeneration) {
    // Cards 55 and 63 share one map: with the same prefix they would give
    // the same ports twice.
    Start();
    const auto indexOf = [this](int card) {
        for (int i = 0; i < form_->Settings.CardCount; ++i) {
            if (form_->Settings.CardIds[i] == card) {
                return i;
            }
        }
        return -1;
    };
    Pick(Combo(0), indexOf(55));
    Pick(Combo(1), indexOf(63));
    dialogs.QueuePath(ProjectFolder("ILMARCH") + "ILMARCH.qpf");
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text, "Signal WISTEL_DCLK is used by both GPIO_0 and GPIO_1. Please "
                                  "use different prefix names.");
    EXPECT_EQ(Message(), "Failed to generate Quartus project: ILMARCH.qpf.");
    EXPECT_FALSE(platform::FileExists(ProjectFolder("ILMARCH") + "ILMARCH.qsf"));
}

} // namespace
