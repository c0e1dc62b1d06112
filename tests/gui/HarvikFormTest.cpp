// The Harvik form as the program hosts it: the main window, a temporary
// program folder, scripted boxes and dialogs, clicks and picks as the user
// makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"
#include "boards/arria10_stratix10/HarvikId.h"
#include "boards/arria10_stratix10/UI_Harvik.h"
#include "model/CardCatalogue.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class HarvikForm : public GuiTest {
protected:
    void Open() {
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TFormHarvik*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    void Pick(int socket, int card) {
        const int index = form_->Port(socket).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        QComboBox* combo = form_->Port(socket).Combo;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void SetPrefix(int socket, const char* prefix) { form_->Port(socket).Prefix->setText(prefix); }
    void Tick(const char* box, bool on) {
        QCheckBox* check = Get<QCheckBox>(box);
        if (check->isChecked() != on) {
            check->click();
        }
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string ProjectPath() { return dir.Path() + "CodeGenerated/Harvik/Harvik/Harvik.qpf"; }

    FormHost host_{MAINBOARD_HARVIK}; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TFormHarvik* form_ = nullptr;
};

TEST_F(HarvikForm, StartsWithTheDefaultsAndFixedChoices) {
    Open();
    EXPECT_EQ(form_->size(), QSize(840, 737));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Harvik");
    EXPECT_EQ(Get<QComboBox>("ComboBoxFileType")->currentText().toStdString(), "Verilog");
    EXPECT_FALSE(Get<QPushButton>("Button1")->isVisible());
    for (const char* name :
         {"ComboBox_QSFP28A", "ComboBox_QSFP28B", "ComboBox_QSFP28C", "ComboBox_QSFP28D",
          "ComboBox_DDR4A", "ComboBox_DDR4B", "ComboBox_DDR4C", "ComboBox_DDR4D"}) {
        QComboBox* combo = Get<QComboBox>(name);
        EXPECT_TRUE(combo->isEnabled()) << name;
        EXPECT_EQ(combo->currentIndex(), 0) << name;
        EXPECT_EQ(combo->count(), std::string(name).find("QSFP") != std::string::npos ? 5 : 4);
    }
    EXPECT_EQ(Get<QComboBox>("ComboBox_QSFP28C")->itemText(1).toStdString(), "322.265625");
    EXPECT_EQ(Get<QComboBox>("ComboBox_DDR4D")->itemText(3).toStdString(), "233.333");
    QComboBox* socket = Get<QComboBox>("ComboBoxDDR4Socket_C");
    std::vector<std::string> items;
    for (int i = 0; i < socket->count(); ++i) {
        items.push_back(socket->itemText(i).toStdString());
    }
    EXPECT_EQ(items,
              (std::vector<std::string>{"None", "DDR4 SODIMM without ECC", "DDR4 SODIMM with ECC",
                                        "Quelmar QDR-II+ Module", "Quelmar QDR-IV Module"}));
    EXPECT_EQ(socket->currentText().toStdString(), "DDR4 SODIMM with ECC");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixDDR4Socket_C")->text().toStdString(), "DDR4C_");
    // Another card keeps the prefix text.
    Pick(2, 80);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixDDR4Socket_C")->text().toStdString(), "DDR4C_");

    // The outlines follow the boxes and the sockets' cards.
    const auto shown = [&](const char* name) {
        const TShape* shape = form_->findChild<TShape*>(name);
        EXPECT_NE(shape, nullptr) << name;
        return shape && shape->isVisible();
    };
    for (const char* name : {"ShapeOSC", "ShapePower12V", "ShapePowerCore", "ShapeQSFP28_D",
                             "ShapeDDR4Socket_A", "ShapeGPIO2x5"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
    Tick("CheckBoxPower", false);
    Tick("CheckBoxQSFP28_D", false);
    Pick(0, 0);
    for (const char* name :
         {"ShapePower12V", "ShapePowerCore", "ShapeQSFP28_D", "ShapeDDR4Socket_A"}) {
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_TRUE(shown("ShapeDDR4Socket_B"));
}

// Save runs the settings checks; a refused setting writes no file.
TEST_F(HarvikForm, ValidationBeforeSave) {
    struct Case {
        const char* name;
        int cards[4];
        const char* prefixes[4];
        const char* projectName;
        const char* message; // nullptr: saved
    };
    const Case cases[] = {
        {"77 and 78 with one prefix", {77, 78, 0, 0}, {"M_", "M_", "", ""}, "Harvik", nullptr},
        {"A with C of another kind", {79, 0, 80, 0}, {"Q_", "", "R_", ""}, "Harvik", nullptr},
        {"mixed A/B",
         {79, 77, 0, 0},
         {"A_", "B_", "", ""},
         "Harvik",
         "Memory modules on the DDR4-SODIMM Socket-A and Socket-B shoud be the same memory "
         "type."},
        {"both pairs mixed",
         {79, 77, 80, 78},
         {"A_", "B_", "C_", "D_"},
         "Harvik",
         "Memory modules on the DDR4-SODIMM Socket-C and Socket-D shoud be the same memory "
         "type."},
        {"empty name",
         {79, 77, 80, 78},
         {"A_", "B_", "C_", "D_"},
         "",
         "Project Name cannot be empty."},
        {"same card, same prefix",
         {80, 80, 0, 0},
         {"Q_", "Q_", "", ""},
         "Harvik",
         "DDR4-Socket-A and DDR4-Socket-B cannot have the same prefix name when both connect to "
         "the same type of daughter boards."},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        Get<QLineEdit>("EditProjectName")->setText(c.projectName);
        for (int s = 0; s < 4; ++s) {
            Pick(s, c.cards[s]);
            SetPrefix(s, c.prefixes[s]);
        }
        const std::string file = dir.File(std::string(c.name) + ".cfg");
        if (c.message) {
            Click("ButtonSave");
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
            EXPECT_FALSE(std::filesystem::exists(file));
        } else {
            dialogs.QueuePath(file);
            Click("ButtonSave");
            EXPECT_TRUE(Messages().empty());
            EXPECT_EQ(std::filesystem::file_size(file), 700u);
        }
    }
    // 77 and 78 with one prefix meet the duplicate-signal check at Generate.
    ui.Clear();
    Get<QLineEdit>("EditProjectName")->setText("Harvik");
    const int cards[] = {77, 78, 0, 0};
    for (int s = 0; s < 4; ++s) {
        Pick(s, cards[s]);
        SetPrefix(s, "M_");
    }
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages()[0].find("is used by both"), std::string::npos) << Messages()[0];
    EXPECT_EQ(Messages().back(), "Failed to generate Quartus project: Harvik.qpf.");
}

TEST_F(HarvikForm, PresetsAndTheReminders) {
    Open();
    Get<QLineEdit>("EditProjectName")->setText("Other");
    Tick("CheckBoxLED", false);
    Get<QComboBox>("ComboBoxFileType")->setCurrentIndex(1);
    Click("Button_QDR2_Config");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Harvik");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    EXPECT_EQ(Get<QComboBox>("ComboBoxFileType")->currentIndex(), 0);
    EXPECT_EQ(form_->PortCard(3), MakeCardId(79));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixDDR4Socket_D")->text().toStdString(), "QDR2D_");
    EXPECT_EQ(Get<QComboBox>("ComboBox_DDR4B")->currentText().toStdString(), "275.0");
    Click("Button_QDR4_Config");
    EXPECT_EQ(form_->PortCard(0), MakeCardId(80));
    EXPECT_EQ(Get<QComboBox>("ComboBox_DDR4A")->currentText().toStdString(), "266.667");

    // Generate: the reminders, then the success box.
    Pick(0, 0);
    Pick(1, 0);
    Pick(2, 77);
    Pick(3, 78);
    SetPrefix(3, "DDR4D_");
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    std::vector<std::string> boxes = Messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].rfind("===== DDR4-SDRAM Pinsmith warning =====\r\n"
                             "Please add the DDR4-SDRAM Controller IP to your Quartus project, "
                             "follow by\r\n",
                             0),
              0u)
        << boxes[0];
    EXPECT_NE(boxes[0].find("\r\n===== PCIe/QSFP28  Transceiver Pinsmith warning =====\r\n"),
              std::string::npos);
    EXPECT_EQ(boxes[1].rfind("Generate Quartus Project successfully.\r\n", 0), 0u);

    struct Case {
        int cards[4];
        bool pcie, qsfpC;
        const char* memory;      // nullptr: no memory part
        const char* transceiver; // nullptr: no transceiver part
    };
    const Case cases[] = {
        {{78, 77, 80, 80}, true, true, "DDR4-SDRAM/QDR-IV SRAM", "PCIe/QSFP28"},
        {{0, 0, 79, 0}, true, false, "QDR-II+ SRAM", "PCIe"},
        {{0, 0, 0, 0}, false, true, nullptr, "QSFP28"},
        {{0, 0, 0, 0}, false, false, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        Click("Button_DDR4_Config");
        for (const char* box : {"CheckBoxQSFP28_A", "CheckBoxQSFP28_B", "CheckBoxQSFP28_D"}) {
            Tick(box, false);
        }
        Tick("CheckBoxPCIe", c.pcie);
        Tick("CheckBoxQSFP28_C", c.qsfpC);
        for (int s = 0; s < 4; ++s) {
            Pick(s, c.cards[s]);
        }
        SetPrefix(3, "OTHER_");
        const std::string text = form_->ReminderText();
        EXPECT_EQ(text.find("Pinsmith warning =====\r\nPlease add the ") != std::string::npos,
                  c.memory != nullptr);
        if (c.memory) {
            EXPECT_EQ(text.rfind(std::string("===== ") + c.memory + " Pinsmith warning", 0), 0u)
                << text;
        }
        if (c.transceiver) {
            EXPECT_NE(text.find(std::string("===== ") + c.transceiver +
                                "  Transceiver Pinsmith warning =====\r\nTo prevent any errors "
                                "while compiling your Quartus project, either comment out "
                                "the\r\ntransceiver signals in the top level entity if they are "
                                "not in use or add the Altera \r\nTransceiver IP to your "
                                "design.\r\n"),
                      std::string::npos)
                << text;
        } else {
            EXPECT_EQ(text.find("Transceiver"), std::string::npos);
        }
    }
    // Nothing to remind of: only the success box.
    ui.Clear();
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("Generate Quartus Project successfully.", 0), 0u);
}

TEST_F(HarvikForm, VhdlTopLevel) {
    Open();
    Get<QComboBox>("ComboBoxFileType")->setCurrentIndex(1);
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 2u);
    std::string vhd;
    ASSERT_TRUE(
        platform::ReadWholeFile(dir.Path() + "CodeGenerated/Harvik/Harvik/Harvik.vhd", vhd));
    EXPECT_NE(vhd.find("architecture si5340a_behave of Harvik is"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() +
                                        "CodeGenerated/Harvik/Harvik/si5340_controller/"
                                        "HARVIK_SI5340A_CONFIG.v"));
}

// The hidden button writes into an hsmc folder below the current folder,
// made when missing; a list that cannot be written shows "failed".
TEST_F(HarvikForm, HiddenHsmcExport) {
    Open();
    const QString before = QDir::currentPath();
    TempDir current;
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(current.Path())));
    Click("Button1");
    const bool written = std::filesystem::is_regular_file(
        current.Path() + "hsmc/" + BoardShortName(CARD_HSMC_DEFAULT) + ".txt");
    const std::vector<std::string> first = Messages();

    TempDir blocked;
    std::filesystem::create_directories(blocked.Path() + "hsmc/" +
                                        BoardShortName(CARD_HSMC_DEFAULT) + ".txt");
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(blocked.Path())));
    ui.Clear();
    Click("Button1");
    const std::vector<std::string> second = Messages();
    QDir::setCurrent(before);
    EXPECT_TRUE(written);
    EXPECT_EQ(first, std::vector<std::string>{"success"});
    EXPECT_EQ(second, std::vector<std::string>{"failed"});
}

// A settings file of another board or size leaves the controls as they
// were; this board's file loads, a socket without a card showing no prefix.
TEST_F(HarvikForm, LoadTakesOnlyThisBoardsFiles) {
    Open();
    Bytes gristel(420, 0);
    gristel[0] = 35;
    gristel[4] = 420 & 0xff;
    gristel[5] = 420 >> 8;
    Bytes foreign(700, 0);
    foreign[0] = 35;
    foreign[4] = 700 & 0xff;
    foreign[5] = 700 >> 8;
    for (const auto& [name, bytes] :
         {std::pair{"gristel.cfg", gristel}, std::pair{"foreign.cfg", foreign}}) {
        ASSERT_TRUE(
            platform::WriteWholeFile(dir.File(name), std::string(bytes.begin(), bytes.end()))
                .Complete(bytes.size()));
        dialogs.QueuePath(dir.File(name));
        Click("ButtonLoad");
        EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Harvik") << name;
        EXPECT_EQ(form_->PortCard(0), MakeCardId(78)) << name;
    }

    Bytes own(700);
    SetDefaultRecord(*FindBoard(MAINBOARD_HARVIK), own);
    SetRecordFieldText(own, 8, "Loaded");
    own[offsetof(HARVIK_CONFIG, SocketCardId) + 1] = 0; // its prefix stays in the file
    own[offsetof(HARVIK_CONFIG, MemRefIndex) + 4 * 3] = 3;
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("own.cfg"), std::string(own.begin(), own.end()))
                    .Complete(700));
    dialogs.QueuePath(dir.File("own.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Loaded");
    EXPECT_EQ(form_->PortCard(1), CARD_NONE);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixDDR4Socket_B")->text().isEmpty());
    EXPECT_EQ(Get<QComboBox>("ComboBox_DDR4D")->currentText().toStdString(), "233.333");
}

} // namespace
