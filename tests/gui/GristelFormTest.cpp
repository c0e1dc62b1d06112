// The Gristel form (board id 35) in the main window: the first start, the
// FMC voltage choice (three card lists, card to None, prefix kept, jumper
// outline), settings files (the voltage's list when loading, a foreign file
// refused), the boxes after Generate in their order with the default
// prefixes in the project, and Change Main Board.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/ProjectWriter.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "boards/arria10_stratix10/UI_Gristel.h"
#include "platform/qt/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace gristel;
using platform::MsgKind;

const std::string kSuccess = "Generate Quartus Project successfully.\r\nThe project is "
                             "located in the folder:\r\n";
const char* const kJp2Warning =
    "You have changed the default voltage level of FMC interface. \nPlease remember to change "
    "the jumper position on JP2 accordingly.\n\nWanring:\nThe hardware could be damaged "
    "permanently without proper setting of voltage level.";
const char* const kHpsReminder = "===== HPS System warning =====\r\n"
                                 "To prevent any errors while compiling your Quartus project, \r\n"
                                 "please add the Altera HPS IP to your design.\r\n";
const std::vector<int> kSocketList = {0, 77, 78, 79, 80};
const std::vector<int> kFmc1V8List = {0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 76, 84};
const std::vector<int> kFmc1V5List = {0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 53, 84};
const std::vector<int> kFmc1V2List = {0, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 84};
const char* const kJumpers[] = {"ShapeFmc1V8", "ShapeFmc1V5", "ShapeFmc1V2"};

class GristelFormTest : public GuiTest {
protected:
    GristelFormTest() {
        SetBoardOfferForTests([](int) { return true; });
        main_ = std::make_unique<TFormMain>();
        main_->show();
        Reopen();
    }
    ~GristelFormTest() override {
        main_.reset();
        SetProjectWriterForTests({});
        SetBoardOfferForTests({});
    }

    void Reopen() {
        main_->CreateBoardForm(static_cast<std::uint8_t>(MAINBOARD_GRISTEL));
        form_ = dynamic_cast<TFormGristel*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    bool Shown(const char* name) { return Get<QWidget>(name)->isVisible(); }
    std::string Text(const char* edit) { return Get<QLineEdit>(edit)->text().toStdString(); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    // A card picked as the user picks it.
    void Pick(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        form_->Port(port).Combo->setCurrentIndex(index);
        emit form_->Port(port).Combo->activated(index);
    }
    void PickVoltage(int index) { Get<QComboBox>("ComboBoxFmcVol")->setCurrentIndex(index); }
    int VoltageIndex() { return Get<QComboBox>("ComboBoxFmcVol")->currentIndex(); }
    // The cards the combo of a port offers.
    std::vector<int> Cards(int port) {
        std::vector<int> cards;
        for (int i = 0; i < form_->Port(port).Combo->count(); ++i) {
            cards.push_back(static_cast<int>(form_->Port(port).List.At(i)));
            EXPECT_EQ(form_->Port(port).Combo->itemText(i).toStdString(),
                      BoardName(form_->Port(port).List.At(i)));
        }
        return cards;
    }
    // Only the jumper outline of the row shown.
    void ExpectJumper(int row) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Shown(kJumpers[i]), i == row) << kJumpers[i];
        }
    }
    // Generates into the default folder of the shown project name.
    std::string Generate() {
        const std::string name = form_->ProjectNameText();
        const std::string folder = dir.Path() + "CodeGenerated/Gristel/" + name + "/";
        dialogs.QueuePath(folder + name + ".qpf");
        Click("ButtonGen");
        return folder;
    }
    // A settings file: the default record with the changes made by edit.
    template <class Edit> std::string WriteRecord(const char* name, Edit edit) {
        GRISTEL_CONFIG record{};
        SetDefaultRecord(*FindBoard(MAINBOARD_GRISTEL),
                         {reinterpret_cast<std::uint8_t*>(&record), sizeof record});
        edit(record);
        const std::string file = dir.File(name);
        const std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
        EXPECT_TRUE(platform::WriteWholeFile(file, bytes).Complete(bytes.size()));
        return file;
    }

    std::unique_ptr<TFormMain> main_;
    TFormGristel* form_ = nullptr;
};

TEST_F(GristelFormTest, FirstStartShowsTheDefaults) {
    EXPECT_EQ(form_->size(), QSize(791, 596));
    EXPECT_EQ(Get<QLabel>("LabelBoardName")->text(), "Gristel FPGA Board");
    EXPECT_EQ(Text("EditProjectName"), "Gristel");
    EXPECT_EQ(Get<QComboBox>("ComboBoxFileType")->currentText(), "Verilog");
    std::vector<std::string> ticked;
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        if (box->isChecked()) {
            ticked.push_back(box->objectName().toStdString());
        }
    }
    EXPECT_EQ(ticked, (std::vector<std::string>{"CheckBoxOSC", "CheckBoxLED", "CheckBoxSeg7",
                                                "CheckBoxButton", "CheckBoxSwitch", "CheckBoxFan",
                                                "CheckBoxTemperature", "CheckBoxSDRAM"}));
    QComboBox* voltage = Get<QComboBox>("ComboBoxFmcVol");
    ASSERT_EQ(voltage->count(), 3);
    EXPECT_EQ(voltage->itemText(0), "1.8 V (Default)");
    EXPECT_EQ(voltage->itemText(1), "1.5 V");
    EXPECT_EQ(voltage->itemText(2), "1.2 V");
    EXPECT_EQ(VoltageIndex(), 0);
    EXPECT_EQ(Cards(SOCKET), kSocketList);
    EXPECT_EQ(Cards(FMC), kFmc1V8List);
    EXPECT_EQ(form_->PortCard(SOCKET), CARD_NONE);
    EXPECT_EQ(form_->PortCard(FMC), CARD_NONE);
    EXPECT_EQ(Text("EditPrefixDDR4Socket"), "");
    EXPECT_EQ(Text("EditPrefixFmc"), "");
    ExpectJumper(0);
    EXPECT_EQ(Get<TShape>("ShapeFmc1V8")->penColor(), QColor(0, 255, 0));
    EXPECT_EQ(Get<TShape>("ShapeOSC")->penColor(), QColor(Qt::yellow));
    EXPECT_TRUE(Shown("ShapeOSC") && Shown("ShapeSeg7") && Shown("ShapeSDRAM"));
    EXPECT_FALSE(Shown("ShapeHPS") || Shown("ShapeDisplayPort"));
    EXPECT_FALSE(Shown("ShapeDDR4Socket") || Shown("ShapeFMC"));
    EXPECT_FALSE(Shown("ImageDDR4Socket") || Shown("ImageFMC"));
    Get<QCheckBox>("CheckBoxDisplayPort")->click();
    EXPECT_TRUE(Shown("ShapeDisplayPort"));
}

// Each voltage offers its list; a change puts the card on None (also when
// the new list holds it), keeps the prefix text, hides the card's outline
// and picture and moves the jumper outline. The held record changes only
// when the controls are read.
TEST_F(GristelFormTest, VoltageSwapsTheFmcList) {
    Pick(FMC, 84);
    Get<QLineEdit>("EditPrefixFmc")->setText("KP_");
    EXPECT_TRUE(Shown("ShapeFMC") && Shown("ImageFMC"));
    const std::pair<int, const std::vector<int>*> steps[] = {
        {1, &kFmc1V5List}, {2, &kFmc1V2List}, {0, &kFmc1V8List}};
    for (const auto& [row, list] : steps) {
        SCOPED_TRACE(row);
        PickVoltage(row);
        EXPECT_EQ(Cards(FMC), *list);
        EXPECT_EQ(form_->PortCard(FMC), CARD_NONE);
        EXPECT_EQ(Text("EditPrefixFmc"), "KP_");
        EXPECT_FALSE(Shown("ShapeFMC") || Shown("ImageFMC"));
        ExpectJumper(row);
        EXPECT_EQ(form_->Settings.Config.FmcVoltage, kFmc1V8);
        // The picture follows the card picked at this voltage.
        Pick(FMC, 84);
        EXPECT_TRUE(Shown("ShapeFMC") && Shown("ImageFMC"));
        EXPECT_EQ(Get<QLabel>("ImageFMC")->pixmap().toImage(),
                  platform::qt::LoadPictureImage(TFormMain::CardPictureName(MakeCardId(84)))
                      .convertToFormat(Get<QLabel>("ImageFMC")->pixmap().toImage().format()));
    }
}

// A loaded file shows its voltage first and takes the FMC card from that
// voltage's list; a card the list lacks shows None with an empty prefix, a
// voltage code outside 2..4 shows 1.8 V, a socket card outside the socket's
// list None.
TEST_F(GristelFormTest, LoadedFilesShowTheirVoltagesList) {
    struct Case {
        const char* name;
        std::int32_t voltage;
        std::uint8_t fmcCard;
        std::uint8_t socketCard;
        int row;
        int shownFmc;
        const char* fmcPrefix;
        int shownSocket;
        const char* socketPrefix;
    };
    const Case cases[] = {
        {"kappel.cfg", kFmc1V2, 84, 80, 2, 84, "K_", 80, "S_"},
        {"vantor.cfg", kFmc1V5, 76, 0, 1, 0, "", 0, ""},
        {"odd.cfg", 9, 76, 5, 0, 76, "K_", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = WriteRecord(c.name, [&](GRISTEL_CONFIG& record) {
            record.FmcVoltage = c.voltage;
            record.FmcCardId = c.fmcCard;
            record.SocketCardId = c.socketCard;
            std::snprintf(record.FmcPrefixName, sizeof record.FmcPrefixName, "K_");
            std::snprintf(record.SocketPrefixName, sizeof record.SocketPrefixName, "S_");
            record.FileType = 1;
        });
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_EQ(VoltageIndex(), c.row);
        ExpectJumper(c.row);
        EXPECT_EQ(Cards(FMC), c.row == 0 ? kFmc1V8List : c.row == 1 ? kFmc1V5List : kFmc1V2List);
        EXPECT_EQ(form_->PortCard(FMC), MakeCardId(c.shownFmc));
        EXPECT_EQ(Text("EditPrefixFmc"), c.fmcPrefix);
        EXPECT_EQ(Shown("ShapeFMC"), c.shownFmc != 0);
        EXPECT_EQ(form_->PortCard(SOCKET), MakeCardId(c.shownSocket));
        EXPECT_EQ(Text("EditPrefixDDR4Socket"), c.socketPrefix);
        EXPECT_EQ(Get<QComboBox>("ComboBoxFileType")->currentText(), "VHDL");
    }

    // What is saved at 1.2 V comes back at 1.2 V, also through default.cfg
    // when the form closes.
    PickVoltage(2);
    Pick(FMC, 49);
    const std::string saved = dir.File("saved.cfg");
    dialogs.QueuePath(saved);
    Click("ButtonSave");
    ASSERT_EQ(ReadFile(saved).size(), 420u);
    form_->close();
    EXPECT_EQ(ReadFile(dir.Path() + "default.cfg"), ReadFile(saved));
    Reopen();
    EXPECT_EQ(VoltageIndex(), 2);
    EXPECT_EQ(form_->PortCard(FMC), MakeCardId(49));
}

// A file of another board, or of another size, is refused with its reason;
// the controls stay as they were.
TEST_F(GristelFormTest, ForeignFileIsRefused) {
    PickVoltage(1);
    Pick(FMC, 42);
    const std::string foreign =
        WriteRecord("foreign.cfg", [](GRISTEL_CONFIG& record) { record.BoardId = 34; });
    const std::string longer = dir.File("longer.cfg");
    const std::string bytes = ReadFile(foreign) + "x";
    ASSERT_TRUE(platform::WriteWholeFile(longer, bytes).Complete(bytes.size()));
    const std::pair<std::string, const char*> files[] = {
        {foreign, "its board id is not this board's"}, {longer, "421 bytes long, not 420"}};
    for (const auto& [file, reason] : files) {
        ui.Clear();
        dialogs.QueuePath(file);
        Click("ButtonLoad");
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].kind, MsgKind::Error);
        EXPECT_NE(ui.Boxes()[0].text.find("is not a settings file of this board"),
                  std::string::npos);
        EXPECT_NE(ui.Boxes()[0].text.find(reason), std::string::npos) << ui.Boxes()[0].text;
        EXPECT_EQ(VoltageIndex(), 1);
        EXPECT_EQ(form_->PortCard(FMC), MakeCardId(42));
    }
}

// After a successful generation: the success box, the JP2 warning at 1.5 V
// and 1.2 V (a warning box, bare line feeds), the HPS reminder last. A
// failed generation shows its own box and no reminder.
TEST_F(GristelFormTest, BoxesAfterGenerateInOrder) {
    struct Case {
        int row;
        bool hps;
    };
    for (const Case c : {Case{0, false}, Case{1, false}, Case{2, true}, Case{0, true}}) {
        SCOPED_TRACE(c.row);
        PickVoltage(c.row);
        if (Get<QCheckBox>("CheckBoxHPS")->isChecked() != c.hps) {
            Get<QCheckBox>("CheckBoxHPS")->click();
        }
        ui.Clear();
        const std::string folder = Generate();
        std::vector<std::string> expected = {kSuccess + folder};
        if (c.row != 0) {
            expected.push_back(kJp2Warning);
        }
        if (c.hps) {
            expected.push_back(kHpsReminder);
        }
        EXPECT_EQ(Messages(), expected);
        if (c.row != 0) {
            EXPECT_EQ(ui.Boxes()[1].kind, MsgKind::Warning);
        }
    }
    SetProjectWriterForTests([](TMainBoard*, const std::string&, bool) { return false; });
    PickVoltage(1);
    ui.Clear();
    Generate();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Failed to generate Quartus project: Gristel.qpf."});
}

// Empty prefixes: the QDR-IV module is named "QDRIV_", the VITA card
// "FMC_", the Fasker card nothing; the edits keep the empty text, and the
// held record is the one generated. A typed prefix is used as typed.
TEST_F(GristelFormTest, DefaultPrefixesInTheProject) {
    Pick(SOCKET, 80);
    Pick(FMC, 41);
    std::string folder = Generate();
    std::string top = ReadFile(folder + "Gristel.v");
    EXPECT_NE(top.find("QDRIV_"), std::string::npos);
    EXPECT_NE(top.find("FMC_LA06_P"), std::string::npos);
    EXPECT_EQ(Text("EditPrefixDDR4Socket"), "");
    EXPECT_EQ(Text("EditPrefixFmc"), "");
    EXPECT_EQ(form_->Settings.Config.SocketCardId, 80);
    EXPECT_EQ(form_->Settings.Config.FmcCardId, 41);

    Get<QLineEdit>("EditProjectName")->setText("Typed");
    Get<QLineEdit>("EditPrefixDDR4Socket")->setText("MEM_");
    Pick(FMC, 48);
    folder = Generate();
    top = ReadFile(folder + "Typed.v");
    EXPECT_NE(top.find("MEM_"), std::string::npos);
    EXPECT_EQ(top.find("QDRIV_"), std::string::npos);
    EXPECT_NE(top.find("XCVR_RX_p"), std::string::npos);
    EXPECT_EQ(top.find("FMC_XCVR_RX_p"), std::string::npos);
}

TEST_F(GristelFormTest, ChangeMainBoardPostsTheMessage) {
    EXPECT_EQ(MessagesPostedTo(main_.get(), [&] { Click("ButtonMainBoardSelect"); }),
              (std::vector<std::pair<int, long long>>{{1025, 0}}));
}

} // namespace
