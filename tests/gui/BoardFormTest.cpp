#include "GuiSupport.h"
#include "TestBoardForm.h"

#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "model/MainBoard.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

std::string RecordBytes(const TEST_BOARD_CONFIG& c) {
    return std::string(reinterpret_cast<const char*>(&c), sizeof c);
}

TEST_BOARD_CONFIG ValidRecord() {
    TEST_BOARD_CONFIG c{};
    c.BoardId = 37;
    c.Size = 528;
    std::strcpy(c.ProjectName, "Loaded");
    c.OSC = 0;
    c.LED = 1;
    return c;
}

class BoardFormTest : public GuiTest {
protected:
    ~BoardFormTest() override { SetProjectWriterForTests({}); }

    void WriteDefault(const std::string& bytes) {
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File("default.cfg"), bytes).Complete(bytes.size()));
    }
    TTestBoardForm form_{nullptr};

    std::string Check(TTestBoardForm& form) {
        std::string message;
        return form.CheckControls(message) ? std::string() : message;
    }
};

TEST_F(BoardFormTest, FirstStartShowsTheDefaults) {
    TTestBoardForm form(nullptr);
    EXPECT_EQ(form.EditProjectName->text(), "TESTBOARD");
    EXPECT_EQ(form.EditProjectName->maxLength(), 127);
    EXPECT_EQ(form.EditPrefix[2]->maxLength(), 127);
    EXPECT_TRUE(form.CheckBoxOSC->isChecked());
    EXPECT_FALSE(form.CheckBoxLED->isChecked()); // this board's own default
    EXPECT_FALSE(form.ShapeOSC->isHidden());
    EXPECT_TRUE(form.ShapeLED->isHidden());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.ComboBox[i]->currentIndex(), 0);
        EXPECT_TRUE(form.Image[i]->isHidden());
    }
    EXPECT_TRUE(form.ShapeGpio[0]->isHidden());
    // The combos show the display names of their lists.
    ASSERT_EQ(form.ComboBox[0]->count(), form.Settings.CardCount);
    EXPECT_EQ(form.ComboBox[0]->itemText(2).toStdString(), BoardName(CARD_OSTEL_GPIO));
    EXPECT_EQ(form.ComboBox[2]->count(), form.HsmcList.CardCount);
    EXPECT_EQ(form.Settings.LastDir, dir.Path());
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(BoardFormTest, DefaultCfgOfAnotherSizeOrBoardGivesDefaultsAndIsReplacedOnClose) {
    const std::string good = RecordBytes(ValidRecord());
    std::string foreign = good;
    foreign[0] = 21;
    for (const std::string& bytes : {good.substr(0, 527), good + 'x', foreign}) {
        WriteDefault(bytes);
        TTestBoardForm form(nullptr);
        EXPECT_EQ(form.EditProjectName->text(), "TESTBOARD");
        form.close();
        EXPECT_EQ(platform::FileSize(dir.File("default.cfg")), 528);
    }
    WriteDefault(good);
    TTestBoardForm form(nullptr);
    EXPECT_EQ(form.EditProjectName->text(), "Loaded");
    EXPECT_FALSE(form.CheckBoxOSC->isChecked());
    EXPECT_TRUE(form.CheckBoxLED->isChecked());
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(BoardFormTest, RecordFieldsAreCheckedBeforeTheyReachTheControls) {
    TEST_BOARD_CONFIG c = ValidRecord();
    std::memset(c.ProjectName, 'N', sizeof c.ProjectName); // no NUL at all
    c.Cards[0] = CardNumber(CARD_HSMC_DEFAULT);            // not a GPIO card
    std::memset(c.Prefix[0], 'P', 128);
    c.Cards[1] = CardNumber(CARD_FYRN);
    std::memset(c.Prefix[1], 'Q', 128); // no NUL: the field's 128 bytes, cut to 127
    c.Cards[2] = 200;                   // no such card
    std::strcpy(c.Prefix[2], "H_");
    c.OSC = 7;
    WriteDefault(RecordBytes(c));
    TTestBoardForm form(nullptr);
    EXPECT_EQ(form.EditProjectName->text().toStdString(), std::string(127, 'N'));
    EXPECT_EQ(form.ComboBox[0]->currentIndex(), 0);
    EXPECT_EQ(form.EditPrefix[0]->text(), "");
    EXPECT_EQ(form.PortCard(1), CARD_FYRN);
    EXPECT_EQ(form.EditPrefix[1]->text().toStdString(), std::string(127, 'Q'));
    EXPECT_EQ(form.ComboBox[2]->currentIndex(), 0);
    EXPECT_EQ(form.EditPrefix[2]->text(), "");
    EXPECT_TRUE(form.CheckBoxOSC->isChecked());

    // What goes back into the record is well formed.
    TEST_BOARD_CONFIG back{};
    form.ControlsToConfig(back);
    EXPECT_EQ(back.BoardId, 37);
    EXPECT_EQ(back.Size, 528);
    EXPECT_EQ(back.ProjectName[127], '\0');
    EXPECT_EQ(back.OSC, 1);
    EXPECT_EQ(back.Cards[0], 0);
    EXPECT_EQ(back.Cards[2], 0);
}

TEST_F(BoardFormTest, AnyRecordContentIsShownWithoutHarm) {
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        TEST_BOARD_CONFIG c;
        for (std::size_t i = 0; i < sizeof c; ++i) {
            reinterpret_cast<std::uint8_t*>(&c)[i] = static_cast<std::uint8_t>(random());
        }
        c.BoardId = 37;
        c.Size = 528;
        if (round % 2 == 0) { // real cards, so pairings are exercised too
            c.Cards[0] = static_cast<std::uint8_t>(std::vector<int>{0, 1, 11, 12}[round % 4]);
            c.Cards[1] = static_cast<std::uint8_t>(std::vector<int>{11, 0, 1, 13}[round % 4]);
        }
        form_.Settings.Config = c;
        form_.ShowRecord();
        TEST_BOARD_CONFIG back{};
        form_.ControlsToConfig(back);
        for (int port = 0; port < 3; ++port) {
            EXPECT_GE(form_.Port(port).List.IndexOf(MakeCardId(back.Cards[port])), 0);
        }
        // An 80-pin card is never left on one header alone.
        const bool eighty0 = back.Cards[0] == 11;
        const bool eighty1 = back.Cards[1] == 11;
        EXPECT_EQ(eighty0, eighty1);
    }
}

TEST_F(BoardFormTest, EightyPinCardPairsTheHeaders) {
    TTestBoardForm& form = form_;
    form.EditPrefix[0]->setText("CAM_");
    form.Pick(0, 11);
    EXPECT_EQ(form.PortCard(1), CARD_OSTEL_GPIO);
    EXPECT_EQ(form.EditPrefix[1]->text(), "CAM_");
    EXPECT_FALSE(form.ComboBox[1]->isEnabled());
    EXPECT_FALSE(form.EditPrefix[1]->isEnabled());
    EXPECT_TRUE(form.ComboBox[0]->isEnabled());
    EXPECT_FALSE(form.ShapeGpio[1]->isHidden());
    EXPECT_FALSE(form.Image[1]->isHidden());

    // A 40-pin card on GPIO-0 frees GPIO-1 and clears it.
    form.Pick(0, 12);
    EXPECT_TRUE(form.ComboBox[1]->isEnabled());
    EXPECT_TRUE(form.EditPrefix[1]->isEnabled());
    EXPECT_EQ(form.PortCard(1), CARD_NONE);
    EXPECT_EQ(form.EditPrefix[1]->text(), "");
    EXPECT_TRUE(form.Image[1]->isHidden());

    // A 40-pin card next to another 40-pin card leaves it alone.
    form.Pick(1, 13);
    form.EditPrefix[1]->setText("B_");
    form.Pick(0, 1);
    EXPECT_EQ(form.PortCard(1), CARD_TAMBRY);
    EXPECT_EQ(form.EditPrefix[1]->text(), "B_");

    // Setting an index from code runs no handler.
    form.ComboBox[0]->setCurrentIndex(form.Port(0).List.IndexOf(CARD_OSTEL_GPIO));
    EXPECT_EQ(form.PortCard(1), CARD_TAMBRY);
    EXPECT_TRUE(form.ComboBox[1]->isEnabled());
}

// While one card takes both headers the prefix typed into the enabled edit
// is the one the record and the generation get, whichever header it is.
TEST_F(BoardFormTest, PairedHeadersShareThePrefixTyped) {
    for (const int picked : {0, 1}) {
        SCOPED_TRACE(picked);
        form_.Pick(0, 0);
        form_.Pick(1, 0);
        form_.Pick(picked, 11);
        const int other = 1 - picked;
        ASSERT_FALSE(form_.EditPrefix[other]->isEnabled());
        form_.EditPrefix[picked]->setText("ADC_");
        EXPECT_EQ(form_.EditPrefix[other]->text(), "ADC_");
        TEST_BOARD_CONFIG record = form_.Settings.Config;
        form_.ControlsToConfig(record);
        EXPECT_STREQ(record.Prefix[0], "ADC_");
        EXPECT_STREQ(record.Prefix[1], "ADC_");
        // The disabled edit set from code does not write back.
        form_.EditPrefix[other]->setText("X_");
        EXPECT_EQ(form_.EditPrefix[picked]->text(), "ADC_");
    }
}

TEST_F(BoardFormTest, LoadedHalfPairsAreRepaired) {
    TEST_BOARD_CONFIG c = ValidRecord();
    c.Cards[1] = 11; // 80-pin card on GPIO-1 alone: None
    form_.Settings.Config = c;
    form_.ShowRecord();
    EXPECT_EQ(form_.PortCard(0), CARD_NONE);
    EXPECT_EQ(form_.PortCard(1), CARD_NONE);
    EXPECT_TRUE(form_.ComboBox[1]->isEnabled());

    c.Cards[0] = 11; // on GPIO-0 alone: paired
    c.Cards[1] = 0;
    std::strcpy(c.Prefix[0], "X_");
    form_.Settings.Config = c;
    form_.ShowRecord();
    EXPECT_EQ(form_.PortCard(1), CARD_OSTEL_GPIO);
    EXPECT_EQ(form_.EditPrefix[1]->text(), "X_");
    EXPECT_FALSE(form_.ComboBox[1]->isEnabled());
    // The pictures and outlines show what the combos show.
    EXPECT_FALSE(form_.Image[1]->isHidden());
    EXPECT_FALSE(form_.ShapeGpio[1]->isHidden());
}

TEST_F(BoardFormTest, InputChecks) {
    struct Case {
        const char* name;
        int gpio0, gpio1, hsmc;
        const char *p0, *p1, *p2;
        const char* message; // empty: passes
    };
    const char* plain =
        "must begin with a letter (A-Z or a-z) and hold only letters, digits and underscores.";
    const std::string nameMessage = std::string("Project Name ") + plain;
    const std::string gpioClash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                                  "connect to the same type of daughter boards.";
    const std::vector<Case> cases = {
        {"", 0, 0, 0, "", "", "", "Project Name cannot be empty."},
        {"9lives", 0, 0, 0, "", "", "", nameMessage.c_str()},
        {"my project", 0, 0, 0, "", "", "", nameMessage.c_str()},
        {"top[1]", 0, 0, 0, "", "", "", nameMessage.c_str()},
        {"Good_1", 0, 0, 0, "", "", "", ""},
        {"Good", 12, 0, 0, "a b", "", "",
         "Prefix Name of GPIO-0 must begin with a letter (A-Z or a-z) and hold only letters, "
         "digits and "
         "underscores."},
        {"Good", 0, 0, 2, "", "", "[exec x]",
         "Prefix Name of HSMC-A must begin with a letter (A-Z or a-z) and hold only letters, "
         "digits and "
         "underscores."},
        {"Good", 0, 0, 0, "a b", "_x", "[exec x]", ""}, // no card: no prefix in use
        {"Good", 0, 12, 0, "", "_x", "",
         "Prefix Name of GPIO-1 must begin with a letter (A-Z or a-z) and hold only letters, "
         "digits and "
         "underscores."},
        {"Good", 12, 12, 0, "", "", "", gpioClash.c_str()},
        {"Good", 12, 12, 0, "A_", "A_", "", gpioClash.c_str()},
        {"Good", 12, 12, 0, "gpio_", "GPIO_", "", ""},
        {"Good", 12, 13, 0, "A_", "A_", "", ""},
        {"Good", 11, 11, 0, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(" / ") + c.p0 + " / " + c.p2);
        form_.EditProjectName->setText(c.name);
        form_.ComboBox[0]->setCurrentIndex(form_.Port(0).List.IndexOf(MakeCardId(c.gpio0)));
        form_.ComboBox[1]->setCurrentIndex(form_.Port(1).List.IndexOf(MakeCardId(c.gpio1)));
        form_.ComboBox[2]->setCurrentIndex(form_.Port(2).List.IndexOf(MakeCardId(c.hsmc)));
        form_.EditPrefix[0]->setText(c.p0);
        form_.EditPrefix[1]->setText(c.p1);
        form_.EditPrefix[2]->setText(c.p2);
        EXPECT_EQ(Check(form_), c.message);
    }
    // The box shows the message.
    form_.EditProjectName->clear();
    EXPECT_FALSE(form_.CheckSettings());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(ui.Boxes()[0].text, "Project Name cannot be empty.");
}

TEST_F(BoardFormTest, SaveLoadAndDefaultSetting) {
    // Save Setting with an empty name: the box, no dialog.
    form_.EditProjectName->clear();
    form_.ButtonSave->click();
    EXPECT_EQ(ui.Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.Shown().empty());

    form_.EditProjectName->setText("Saved");
    form_.Pick(0, 12);
    form_.EditPrefix[0]->setText("F_");
    dialogs.QueuePath(dir.File("mine.cfg"));
    form_.ButtonSave->click();
    const std::string saved = ReadFile(dir.File("mine.cfg"));
    ASSERT_EQ(saved.size(), 528u);
    TEST_BOARD_CONFIG c;
    std::memcpy(&c, saved.data(), sizeof c);
    EXPECT_STREQ(c.ProjectName, "Saved");
    EXPECT_EQ(c.Cards[0], 12);
    EXPECT_STREQ(c.Prefix[0], "F_");
    EXPECT_EQ(dialogs.Shown().back().Kind, platform::FileDialogKind::Save);

    form_.ButtonDefaultSetting->click();
    EXPECT_EQ(form_.EditProjectName->text(), "TESTBOARD");
    EXPECT_EQ(form_.PortCard(0), CARD_NONE);

    // A file of the wrong length changes nothing and says why.
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("short.cfg"), "abc").opened);
    dialogs.QueuePath(dir.File("short.cfg"));
    form_.ButtonLoad->click();
    EXPECT_EQ(form_.EditProjectName->text(), "TESTBOARD");
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[1].text, dir.File("short.cfg") +
                                      " is not a settings file of this board (it is 3 bytes "
                                      "long, not 528).");

    dialogs.QueuePath(dir.File("mine.cfg"));
    form_.ButtonLoad->click();
    EXPECT_EQ(form_.EditProjectName->text(), "Saved");
    EXPECT_EQ(form_.PortCard(0), CARD_FYRN);
    EXPECT_EQ(form_.EditPrefix[0]->text(), "F_");
    EXPECT_FALSE(form_.Image[0]->isHidden());
    EXPECT_EQ(ui.Boxes().size(), 2u);
}

TEST_F(BoardFormTest, ClosingSavesDefaultCfgButDestroyingDoesNot) {
    {
        TTestBoardForm form(nullptr);
        form.EditProjectName->setText("Kept");
    }
    EXPECT_FALSE(platform::FileExists(dir.File("default.cfg")));
    {
        TTestBoardForm form(nullptr);
        form.EditProjectName->setText("Kept");
        form.close();
    }
    TTestBoardForm form(nullptr);
    EXPECT_EQ(form.EditProjectName->text(), "Kept");
}

TEST_F(BoardFormTest, GenerateCancelledLeavesTheFolderAndNoMessage) {
    int writes = 0;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) { return ++writes > 0; });
    form_.ButtonGen->click();
    EXPECT_TRUE(platform::DirectoryExists(dir.Path() + "CodeGenerated/TESTBOARD/TESTBOARD/"));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].FileName, "TESTBOARD.qpf");
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(ui.Boxes().empty());
}

// The board's questions come once, after the settings check passed and
// before the project file is asked for; "No" ends Generate silently.
TEST_F(BoardFormTest, QuestionsBeforeGenerateFollowTheCheck) {
    int writes = 0;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) { return ++writes > 0; });
    struct Case {
        const char* name;
        bool goOn;
        int questions;
        std::size_t dialogs;
        int writes;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"", true, 0, 0, 0, 1},        // the check fails: its box, no question
        {"blinky", false, 1, 0, 0, 0}, // "No": nothing else
        {"blinky", true, 1, 1, 1, 1},  // "Yes": the file, the project, success
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        const std::size_t shown = dialogs.Shown().size();
        form_.Questions = 0;
        writes = 0;
        form_.GoOn = c.goOn;
        form_.EditProjectName->setText(c.name);
        if (c.dialogs > 0) {
            dialogs.QueuePath(dir.File("x/blinky.qpf"));
        }
        form_.ButtonGen->click();
        EXPECT_EQ(form_.Questions, c.questions);
        EXPECT_EQ(dialogs.Shown().size() - shown, c.dialogs);
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(ui.Boxes().size(), c.boxes);
    }
}

TEST_F(BoardFormTest, GenerateAttachesTheCardsWithTheirPrefixes) {
    std::vector<std::string> connectors;
    std::string firstPin;
    bool vhdl = true;
    SetProjectWriterForTests([&](TMainBoard* board, const std::string&, bool v) {
        vhdl = v;
        for (int i = 0; i < board->GetConnectorCount(); ++i) {
            connectors.push_back(board->GetConnector(i)->GetName());
        }
        for (int i = 0; board->GetConnectorCount() > 0 && i < board->GetConnector(0)->GetPinCount();
             ++i) {
            if (TPin* pin = board->GetConnector(0)->GetPin(i); pin && pin->IsActive()) {
                firstPin = pin->GetName();
                break;
            }
        }
        return true;
    });
    const std::string before = RecordBytes(form_.Settings.Config);
    form_.EditPrefix[0]->setText("CAM_");
    form_.Pick(0, 11);
    TEST_BOARD_CONFIG generated = form_.Settings.Config;
    form_.ControlsToConfig(generated);
    const std::string folder = dir.Path() + "CodeGenerated/TESTBOARD/TESTBOARD/";
    dialogs.QueuePath(folder + "TESTBOARD.qpf");
    form_.ButtonGen->click();
    EXPECT_EQ(connectors, (std::vector<std::string>{"GPIO_0_1"}));
    EXPECT_EQ(firstPin.rfind("CAM_", 0), 0u) << firstPin;
    EXPECT_FALSE(vhdl);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Information);
    EXPECT_EQ(ui.Boxes()[0].text, "Generate Quartus Project successfully.\r\nThe project is "
                                  "located in the folder:\r\n" +
                                      folder);
    EXPECT_EQ(form_.SuccessHooks, 1);
    // The holder's record becomes the generated one, as a save keeps it.
    EXPECT_NE(RecordBytes(form_.Settings.Config), before);
    EXPECT_EQ(RecordBytes(form_.Settings.Config), RecordBytes(generated));

    // Two 40-pin cards: one connector each, each with its own prefix.
    connectors.clear();
    form_.Pick(0, 12);
    form_.Pick(1, 12);
    form_.EditPrefix[1]->setText("TWO_");
    dialogs.QueuePath(folder + "TESTBOARD.qpf");
    form_.ButtonGen->click();
    EXPECT_EQ(connectors, (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
    EXPECT_EQ(firstPin.rfind("CAM_", 0), 0u) << firstPin;
}

// The name typed into the project-file dialog becomes the top-level name and
// goes into Tcl strings: it is checked like the project name.
TEST_F(BoardFormTest, ProjectFileNameChosenInTheDialogIsChecked) {
    int writes = 0;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) { return ++writes > 0; });
    const std::string folder = dir.Path() + "CodeGenerated/TESTBOARD/TESTBOARD/";
    const std::string plain =
        "Project Name must begin with a letter (A-Z or a-z) and hold only letters, "
        "digits and underscores.";
    struct Case {
        const char* file;
        std::string message; // empty: generated
    };
    const Case cases[] = {
        {"my project.qpf", plain}, {"x[exec rm].qpf", plain},
        {"9lives.qpf", plain},     {".qpf", "Project Name cannot be empty."},
        {"Other_Name.qpf", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ui.Clear();
        writes = 0;
        dialogs.QueuePath(folder + c.file);
        form_.ButtonGen->click();
        ASSERT_EQ(ui.Boxes().size(), 1u);
        if (c.message.empty()) {
            EXPECT_EQ(writes, 1);
            EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Information);
        } else {
            EXPECT_EQ(writes, 0);
            EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
            EXPECT_EQ(ui.Boxes()[0].text, c.message);
        }
    }
}

// The HPS reminder follows the success box, after the board's own
// reminders, only while the HPS box is ticked; a failure shows neither.
TEST_F(BoardFormTest, HpsReminderAfterSuccess) {
    form_.UseLedAsHpsBox();
    bool succeed = true;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) { return succeed; });
    struct Case {
        bool ticked;
        bool succeed;
        std::vector<platform::MsgKind> boxes;
    };
    using K = platform::MsgKind;
    const Case cases[] = {
        {true, true, {K::Information, K::Information}},
        {false, true, {K::Information}},
        {true, false, {K::Error}},
    };
    for (const Case& c : cases) {
        ui.Clear();
        form_.CheckBoxLED->setChecked(c.ticked);
        succeed = c.succeed;
        dialogs.QueuePath(dir.File("x/blinky.qpf"));
        form_.ButtonGen->click();
        std::vector<platform::MsgKind> kinds;
        for (const auto& box : ui.Boxes()) {
            kinds.push_back(box.kind);
        }
        EXPECT_EQ(kinds, c.boxes);
        if (c.ticked && c.succeed && ui.Boxes().size() == 2) {
            EXPECT_EQ(ui.Boxes()[1].text,
                      "===== HPS System warning =====\r\nTo prevent any errors while compiling "
                      "your Quartus project, \r\nplease add the Altera HPS IP to your design.\r\n");
        }
    }
}

TEST_F(BoardFormTest, FailedGenerationNamesTheProjectFile) {
    SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return false; });
    dialogs.QueuePath(dir.File("x/blinky.qpf"));
    form_.ButtonGen->click();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(ui.Boxes()[0].text, "Failed to generate Quartus project: blinky.qpf.");
    EXPECT_EQ(form_.SuccessHooks, 0);
}

TEST_F(BoardFormTest, OutlinesFollowBoxesAndCards) {
    form_.CheckBoxLED->click();
    EXPECT_FALSE(form_.ShapeLED->isHidden());
    form_.CheckBoxOSC->click();
    EXPECT_TRUE(form_.ShapeOSC->isHidden());
    form_.Pick(1, 13);
    EXPECT_FALSE(form_.ShapeGpio[1]->isHidden());
    EXPECT_TRUE(form_.ShapeGpio[0]->isHidden());
}

// A port's controls are found by the port's name however the layout spells
// it, and only by a whole name; a missing or doubled control is a fault of
// the layout and stops the program naming the control and the port.
TEST_F(BoardFormTest, PortControlsAreFoundByThePortsName) {
    TTestBoardForm spelled(nullptr, [](TTestBoardForm& f) {
        f.ComboBox[0]->setObjectName("ComboBoxGPIO_0");
        f.EditPrefix[1]->setObjectName("EditPrefixgpio_1");
        f.Image[2]->setObjectName("ImageHsmcA");
        (new QComboBox(&f))->setObjectName("ComboBoxGpio0Vol");
    });
    EXPECT_EQ(spelled.Port(0).Combo, spelled.ComboBox[0]);
    EXPECT_EQ(spelled.Port(1).Prefix, spelled.EditPrefix[1]);
    EXPECT_EQ(spelled.Port(2).Image, spelled.Image[2]);
    EXPECT_EQ(spelled.Port(0).Shape, spelled.ShapeGpio[0]);
    EXPECT_EQ(spelled.Port(2).Shape, nullptr); // the form lists it without one
    EXPECT_TRUE(spelled.Port(0).List.SameListAs(spelled.Settings));
    EXPECT_TRUE(spelled.Port(2).List.SameListAs(spelled.HsmcList));

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        std::function<void(TTestBoardForm&)> fault;
        const char* message;
    } faults[] = {
        {[](TTestBoardForm& f) { (new QComboBox(&f))->setObjectName("ComboBoxGPIO_1"); },
         "exactly one control ComboBox for the port GPIO-1"},
        {[](TTestBoardForm& f) { f.EditPrefix[2]->setObjectName("EditPrefixHSMC_B"); },
         "a control EditPrefix for the port HSMC-A"},
        {[](TTestBoardForm& f) { f.ShapeGpio[1]->setObjectName("ShapeGpio"); },
         "a control Shape for the port GPIO-1"},
    };
    for (const auto& row : faults) {
        const auto build = [&] { TTestBoardForm form(nullptr, row.fault); };
        EXPECT_DEATH(build(), row.message);
    }
}

} // namespace
