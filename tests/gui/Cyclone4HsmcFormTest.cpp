// The forms of the Cyclone IV GPIO-and-HSMC boards Elvory, Lorsk and Marwen
// as the program hosts them: Elvory's voltages (the GPIO card that returns,
// the HSMC list of the voltage, the jumper reminders, a loaded 3.3-V card),
// the duplicate-signal refusal, Marwen's PCIe reminder, Lorsk's Default
// Setting. The main window, a temporary program folder, scripted boxes and
// dialogs, clicks and picks as the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone4/ElvoryConfig.h"
#include "boards/cyclone4/ElvoryId.h"
#include "boards/cyclone4/LorskConfig.h"
#include "boards/cyclone4/LorskId.h"
#include "boards/cyclone4/MarwenId.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kJumperTail =
    "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
    "level.";

class Cyclone4HsmcForm : public GuiTest {
protected:
    void Open(BoardId id, const char* folder) {
        id_ = id;
        folder_ = folder;
        host_.emplace(id);
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    // The user picks a card or a voltage (a pick from code runs no card
    // handler; the voltage combos follow index changes).
    void Pick(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        form_->Port(port).Combo->setCurrentIndex(index);
        emit form_->Port(port).Combo->activated(index);
    }
    void Voltage(const char* combo, int index) {
        Get<QComboBox>(combo)->setCurrentIndex(index);
        emit Get<QComboBox>(combo)->activated(index);
    }
    std::vector<int> List(int port) {
        std::vector<int> cards;
        for (int i = 0; i < form_->Port(port).List.Count(); ++i) {
            cards.push_back(CardNumber(form_->Port(port).List.At(i)));
        }
        return cards;
    }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string ProjectFile(const std::string& name) {
        return dir.Path() + "CodeGenerated/" + folder_ + "/" + name + "/" + name + ".qpf";
    }
    std::string Success(const std::string& name) {
        return "Generate Quartus Project successfully.\r\nThe project is located in the "
               "folder:\r\n" +
               platform::ExtractFilePath(ProjectFile(name));
    }
    std::vector<std::uint8_t> Defaults() {
        std::vector<std::uint8_t> record(FindBoard(id_)->record.size);
        SetDefaultRecord(*FindBoard(id_), record);
        return record;
    }

    BoardId id_ = MAINBOARD_NONE;
    std::string folder_;
    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

TEST_F(Cyclone4HsmcForm, ElvoryFreshStart) {
    Open(MAINBOARD_ELVORY, "ELVORY");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpioVol")->currentText().toStdString(), "3.3 V (Default)");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentText().toStdString(), "2.5 V (Default)");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "ELVORY");
    EXPECT_EQ(form_->findChildren<QCheckBox*>().size(), 22);
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }
    EXPECT_EQ(List(1).size(), 19u);
    EXPECT_EQ(List(0).size(), 13u);
    EXPECT_TRUE(Shown("ShapeGpio3V3") && Shown("ShapeHsmc2V5"));
    EXPECT_FALSE(Shown("ShapeGpio2V5") || Shown("ShapeHsmc3V3") || Shown("ShapeGpio"));
    EXPECT_FALSE(Shown("ShapeHSMC"));
    EXPECT_TRUE(Shown("ShapeVol") && Shown("Shape1") && Shown("Shape2"));
    EXPECT_TRUE(Get<QPushButton>("ButtonExit")->isDefault());
}

// The GPIO voltage disables the card combo and brings the chosen card back
// at 3.3 V; the HSMC voltage refills its list and drops the card only when
// it changes; re-picking the voltage shown changes nothing.
TEST_F(Cyclone4HsmcForm, ElvoryVoltagesKeepAndDropCards) {
    Open(MAINBOARD_ELVORY, "ELVORY");
    Pick(0, 12);
    Voltage("ComboBoxGpioVol", 1);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(form_->PortCard(0), CARD_NONE);
    EXPECT_TRUE(Shown("ShapeGpio2V5") && !Shown("ShapeGpio3V3"));
    Voltage("ComboBoxGpioVol", 0);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxGpio")->isEnabled());
    EXPECT_EQ(form_->PortCard(0), CARD_FYRN);

    Pick(1, 17);
    Get<QLineEdit>("EditPrefixHSMC")->setText("N_");
    Voltage("ComboBoxHsmcVol", 1); // the voltage shown: nothing changes
    EXPECT_EQ(form_->PortCard(1), CARD_NIMBAL_HSMC);
    Voltage("ComboBoxHsmcVol", 2);
    EXPECT_EQ(List(1), (std::vector<int>{0, 17}));
    EXPECT_EQ(form_->PortCard(1), CARD_NONE);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text().toStdString(), "N_");
    Pick(1, 17);
    Voltage("ComboBoxHsmcVol", 2);
    EXPECT_EQ(form_->PortCard(1), CARD_NIMBAL_HSMC);
    Voltage("ComboBoxHsmcVol", 0);
    EXPECT_EQ(List(1), (std::vector<int>{0, 17, 57, 58, 59}));
}

// One reminder after the success box, with the jumpers that moved.
TEST_F(Cyclone4HsmcForm, ElvoryJumperReminders) {
    Open(MAINBOARD_ELVORY, "ELVORY");
    struct Case {
        int gpio, hsmc;
        const char* text;
    };
    const Case cases[] = {
        {0, 1, nullptr},
        {2, 1,
         "You have changed the default voltage level of GPIO expansion header. \nPlease "
         "remember to change the shunt position on JP6 accordingly."},
        {0, 3,
         "You have changed the default voltage level of HSMC interface. \nPlease remember to "
         "change the shunt position on JP7 accordingly."},
        {1, 0,
         "You have changed the default voltage level of GPIO and HSMC interface. \nPlease "
         "remember to change the shunt position on JP6 and JP7 accordingly."},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "P" + std::to_string(n++);
        Voltage("ComboBoxGpioVol", c.gpio);
        Voltage("ComboBoxHsmcVol", c.hsmc);
        Get<QLineEdit>("EditProjectName")->setText(QString::fromStdString(name));
        ui.Clear();
        dialogs.QueuePath(ProjectFile(name));
        Click("ButtonGen");
        std::vector<std::string> want = {Success(name)};
        if (c.text) {
            want.push_back(std::string(c.text) + kJumperTail);
        }
        EXPECT_EQ(Messages(), want) << name;
    }
    // GPIO at 2.5 V: the voltage's card on the header, every pin at 2.5 V.
    const std::string qsf = ReadFile(dir.Path() + "CodeGenerated/ELVORY/P3/P3.qsf");
    EXPECT_NE(qsf.find("-name IO_STANDARD \"2.5 V\" -to GPIO[0]"), std::string::npos);
}

TEST_F(Cyclone4HsmcForm, ElvoryLoadsACardOfTheThreePointThreeVoltList) {
    Open(MAINBOARD_ELVORY, "ELVORY");
    std::vector<std::uint8_t> record = Defaults();
    const std::int32_t volts = 0;
    std::memcpy(record.data() + offsetof(ELVORY_CONFIG, nHsmcVoltageIndex), &volts, 4);
    record[offsetof(ELVORY_CONFIG, nHsmcDaughterId)] = 58;
    SetRecordFieldText(record, offsetof(ELVORY_CONFIG, szHSMCPrefixName), "CAM_");
    WriteFile(dir.File("hsmc58.cfg"), record);
    dialogs.QueuePath(dir.File("hsmc58.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcVol")->currentIndex(), 0);
    EXPECT_EQ(List(1).size(), 5u);
    EXPECT_EQ(form_->PortCard(1), CARD_NIMBAL_FYRN_J3);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixHSMC")->text().toStdString(), "CAM_");
    EXPECT_TRUE(Shown("ShapeHsmc3V3") && Shown("ShapeHSMC"));
}

// The camera adaptor on a 3.3-V HSMC and the camera on the header, both
// without prefixes: the duplicate-signal box, no success box.
TEST_F(Cyclone4HsmcForm, ElvoryDuplicateSignalsAreRefused) {
    Open(MAINBOARD_ELVORY, "ELVORY");
    Voltage("ComboBoxHsmcVol", 0);
    Pick(1, 57);
    Pick(0, 12);
    dialogs.QueuePath(ProjectFile("ELVORY"));
    Click("ButtonGen");
    const std::vector<std::string> messages = Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.front().find("is used by both GPIO and HSMC"), std::string::npos);
    EXPECT_EQ(messages.back(), "Failed to generate Quartus project: ELVORY.qpf.");
    for (const std::string& text : messages) {
        EXPECT_EQ(text.find("successfully"), std::string::npos);
    }
}

TEST_F(Cyclone4HsmcForm, MarwenPcieReminderBeforeTheSuccessBoxNeitherOnFailure) {
    Open(MAINBOARD_MARWEN, "Marwen");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxPCIeHardIP")->isChecked());
    Get<QCheckBox>("CheckBoxPCIeSoftIP")->click();
    dialogs.QueuePath(ProjectFile("Marwen"));
    Click("ButtonGen");
    const std::string reminder =
        "===== PCIe  Transceiver Pinsmith warning =====\r\n"
        "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
        "transceiver signals in the top level entity if they are not in use or add the Altera "
        "\r\nTransceiver IP to your design.\r\n";
    EXPECT_EQ(Messages(), (std::vector<std::string>{reminder, Success("Marwen")}));

    ui.Clear();
    Get<QLineEdit>("EditProjectName")->setText("Second");
    platform::ForceDirectories(ProjectFile("Second")); // a folder where the .qpf goes
    dialogs.QueuePath(ProjectFile("Second"));
    Click("ButtonGen");
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Failed to generate Quartus project: Second.qpf.");
    for (const std::string& text : Messages()) {
        EXPECT_EQ(text.find("Transceiver"), std::string::npos);
    }
}

// Default Setting shows the defaults and writes no file.
TEST_F(Cyclone4HsmcForm, LorskDefaultSettingTouchesNoFile) {
    Open(MAINBOARD_LORSK, "LORSK");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLCD")->isChecked());
    std::vector<std::uint8_t> record = Defaults();
    record[offsetof(LORSK_CONFIG, bLCD)] = 1;
    record[offsetof(LORSK_CONFIG, bVGA)] = 0;
    record[offsetof(LORSK_CONFIG, nHsmcDaughterId)] = 2;
    SetRecordFieldText(record, 8, "Loaded");
    WriteFile(dir.File("lorsk.cfg"), record);
    dialogs.QueuePath(dir.File("lorsk.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(form_->PortCard(1), CARD_HSMC_DEFAULT);
    const bool hadDefault = platform::FileExists(dir.File("default.cfg"));
    Click("ButtonDefaultSetting");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "LORSK");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLCD")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxVGA")->isChecked());
    EXPECT_EQ(form_->PortCard(1), CARD_NONE);
    EXPECT_EQ(ReadFile(dir.File("lorsk.cfg")), std::string(record.begin(), record.end()));
    EXPECT_EQ(platform::FileExists(dir.File("default.cfg")), hadDefault);
    EXPECT_TRUE(ui.Boxes().empty());
}

// Save Setting writes the record the controls show, byte for byte at the
// record's size; Load Setting shows it again.
TEST_F(Cyclone4HsmcForm, EachFormSavesAndLoads) {
    const struct {
        BoardId id;
        const char* folder;
        int hsmcCard;
    } boards[] = {{MAINBOARD_ELVORY, "ELVORY", 17},
                  {MAINBOARD_LORSK, "LORSK", 6},
                  {MAINBOARD_MARWEN, "Marwen", 2}};
    for (const auto& b : boards) {
        SCOPED_TRACE(b.folder);
        Open(b.id, b.folder);
        Pick(0, 1);
        Get<QLineEdit>("EditPrefixGpio")->setText("G_");
        Pick(1, b.hsmcCard);
        Get<QLineEdit>("EditProjectName")->setText("Saved");
        const std::string file = dir.File(std::string(b.folder) + ".cfg");
        dialogs.QueuePath(file);
        Click("ButtonSave");
        const BoardDef& def = *FindBoard(b.id);
        std::vector<std::uint8_t> want = Defaults();
        SetRecordFieldText(want, def.record.projectNameOffset, "Saved");
        want[def.ports[0].cardOffset] = 1;
        SetRecordFieldText(want, def.ports[0].prefixOffset, "G_");
        want[def.ports[1].cardOffset] = static_cast<std::uint8_t>(b.hsmcCard);
        EXPECT_EQ(ReadFile(file), std::string(want.begin(), want.end()));

        Pick(0, 0);
        Pick(1, 0);
        Get<QLineEdit>("EditProjectName")->setText("Other");
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Saved");
        EXPECT_EQ(form_->PortCard(0), CARD_GPIO_DEFAULT);
        EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text().toStdString(), "G_");
        EXPECT_EQ(CardNumber(form_->PortCard(1)), b.hsmcCard);
        EXPECT_TRUE(ui.Boxes().empty());
    }
}

} // namespace
