// The forms of Galdre_X2, Fennik, Hollin and Kelvane as the program hosts
// them: the main window, a temporary program folder, scripted boxes and
// dialogs, clicks and picks as the user makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/arria2/KelvaneId.h"
#include "boards/stratix3/FennikConfig.h"
#include "boards/stratix3/FennikId.h"
#include "boards/stratix4/GaldreX2Config.h"
#include "boards/stratix4/GaldreX2Id.h"
#include "boards/stratix4/HollinConfig.h"
#include "boards/stratix4/HollinId.h"
#include "boards/stratix4/UI_GaldreX2.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class StratixArriaForm : public GuiTest {
protected:
    void Open(BoardId id) {
        id_ = id;
        host_.emplace(id);
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    // Exit: the form goes away, then the main window.
    void Close() {
        Click("ButtonExit");
        main_.reset();
        form_ = nullptr;
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    // The user picks a card on a port of the definition.
    void Pick(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        QComboBox* combo = form_->Port(port).Combo;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    Bytes ReadFile(const std::string& path) {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return Bytes(bytes.begin(), bytes.end());
    }
    Bytes Defaults(BoardId id) {
        const BoardDef& def = *FindBoard(id);
        Bytes record(def.record.size);
        SetDefaultRecord(def, record);
        return record;
    }
    std::string Name() { return Get<QLineEdit>("EditProjectName")->text().toStdString(); }

    BoardId id_ = MAINBOARD_NONE;
    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

constexpr std::size_t kNode1 = offsetof(GALDRE_X2_CONFIG, F) + sizeof(GALDRE_X2_NODE);

// Each node keeps its edits across switches; Save while node 2 is shown
// writes node 2 from the controls and node 1 as it was left.
TEST_F(StratixArriaForm, GaldreX2NodesKeepTheirEdits) {
    Open(MAINBOARD_GALDRE_X2);
    EXPECT_EQ(form_->size(), QSize(789, 723));
    auto* galdre = dynamic_cast<TFormGaldre_X2*>(form_);
    ASSERT_NE(galdre, nullptr);
    QComboBox* node = Get<QComboBox>("ComboBoxFPGA");
    EXPECT_EQ(node->itemText(1).toStdString(), "FPAG 2");
    EXPECT_EQ(Name(), "F1_Galdre");
    Pick(0, 2);
    Get<QCheckBox>("CheckBoxLED")->click();

    node->setCurrentIndex(1);
    EXPECT_EQ(galdre->GetCurrentNode(), 1);
    EXPECT_EQ(Name(), "F2_Galdre");
    EXPECT_EQ(form_->PortCard(0), CARD_NONE);
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    Pick(3, 6);
    Get<QLineEdit>("EditPrefixHSMC_D")->setText("D_");

    node->setCurrentIndex(0);
    EXPECT_EQ(Name(), "F1_Galdre");
    EXPECT_EQ(form_->PortCard(0), CARD_HSMC_DEFAULT);
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxLED")->isChecked());
    node->setCurrentIndex(1);
    EXPECT_EQ(form_->PortCard(3), MakeCardId(6));
    Get<QLineEdit>("EditProjectName")->setText("second");

    dialogs.QueuePath(dir.File("nodes.cfg"));
    Click("ButtonSave");
    EXPECT_TRUE(Messages().empty());
    Bytes expected = Defaults(MAINBOARD_GALDRE_X2);
    expected[8 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId)] = 2;
    expected[8 + offsetof(GALDRE_X2_NODE, bLED)] = 0;
    expected[kNode1 + offsetof(GALDRE_X2_NODE, nHsmcDaughterId) + 3] = 6;
    SetRecordFieldText(expected, kNode1 + offsetof(GALDRE_X2_NODE, szHSMCPrefixName) + 384, "D_");
    SetRecordFieldText(expected, kNode1, "second");
    EXPECT_EQ(ReadFile(dir.File("nodes.cfg")), expected);

    // Loading while node 2 is shown shows the file's node 2.
    Bytes file = Defaults(MAINBOARD_GALDRE_X2);
    SetRecordFieldText(file, kNode1, "loaded2");
    WriteFile(dir.File("load.cfg"), file);
    dialogs.QueuePath(dir.File("load.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Name(), "loaded2");
    EXPECT_EQ(node->currentIndex(), 1);
    // A cancelled load says so; a foreign file is refused with its reason,
    // then as a failed load.
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to load setting"}));
    file[0] = 6;
    WriteFile(dir.File("foreign.cfg"), file);
    dialogs.QueuePath(dir.File("foreign.cfg"));
    Click("ButtonLoad");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_NE(Messages()[1], "Failed to load setting");
    EXPECT_EQ(Messages()[2], "Failed to load setting");
    EXPECT_EQ(Name(), "loaded2");

    // default.cfg is written when the form goes away, node 2 refreshed.
    Get<QLineEdit>("EditProjectName")->setText("kept");
    Close();
    const Bytes kept = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(kept.size(), 1336u);
    EXPECT_EQ(RecordFieldText(kept, kNode1), "kept");
}

// Generate builds the shown node's project under its name.
TEST_F(StratixArriaForm, GaldreX2GeneratesTheShownNode) {
    Open(MAINBOARD_GALDRE_X2);
    Get<QComboBox>("ComboBoxFPGA")->setCurrentIndex(1);
    Pick(2, 6);
    const std::string project = dir.Path() + "CodeGenerated/GALDRE_X2/F2_Galdre/F2_Galdre.qpf";
    dialogs.QueuePath(project);
    Click("ButtonGen");
    EXPECT_TRUE(Messages().empty());
    std::string qsf;
    ASSERT_TRUE(platform::ReadWholeFile(
        dir.Path() + "CodeGenerated/GALDRE_X2/F2_Galdre/F2_Galdre.qsf", qsf));
    EXPECT_NE(qsf.find("-to HSMC_SCL"), std::string::npos);
}

// GPIO mode puts the GPIO-1 controls in KIRREL-A's place; DDR2 mode holds
// KIRREL-B at None. Both modes round-trip through Save and Load.
TEST_F(StratixArriaForm, FennikModesRoundTrip) {
    Open(MAINBOARD_FENNIK);
    EXPECT_EQ(form_->size(), QSize(791, 727));
    EXPECT_FALSE(Get<QWidget>("ComboBoxGPIO_0")->isVisible());
    EXPECT_TRUE(Get<QWidget>("ComboBoxKIRREL_A")->isVisible());
    Pick(2, 6); // KIRREL-A: kept outside GPIO mode only
    Pick(3, 7);
    Get<QCheckBox>("CheckBoxGPIO")->click();
    EXPECT_TRUE(Get<QWidget>("ComboBoxGPIO_0")->isVisible());
    EXPECT_FALSE(Get<QWidget>("ComboBoxKIRREL_A")->isVisible());
    EXPECT_EQ(Get<QWidget>("ComboBoxGPIO_1")->geometry(),
              Get<QWidget>("ComboBoxKIRREL_A")->geometry());
    EXPECT_EQ(Get<QLabel>("LabelKIRREL_A")->text().toStdString(), "GPIO-1");
    Pick(0, 81);
    Get<QLineEdit>("EditPrefixGPIO_0")->setText("A_");
    Get<QCheckBox>("CheckBoxDDR2")->click();
    EXPECT_EQ(form_->PortCard(3), CARD_NONE);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxKIRREL_B")->isEnabled());
    Get<QComboBox>("ComboBoxBoard")->setCurrentIndex(3);

    dialogs.QueuePath(dir.File("modes.cfg"));
    Click("ButtonSave");
    EXPECT_TRUE(Messages().empty());
    const Bytes saved = ReadFile(dir.File("modes.cfg"));
    ASSERT_EQ(saved.size(), 924u);
    EXPECT_EQ(saved[1], 3);
    EXPECT_EQ(saved[offsetof(FENNIK_CONFIG, bGPIO)], 1);
    EXPECT_EQ(saved[offsetof(FENNIK_CONFIG, bDDR2)], 1);
    EXPECT_EQ(saved[offsetof(FENNIK_CONFIG, nGpioDaughterId)], 81);
    EXPECT_EQ(RecordFieldText(saved, offsetof(FENNIK_CONFIG, szGpioPrefixName)), "A_");
    EXPECT_EQ(saved[offsetof(FENNIK_CONFIG, nKirrelDaughterId)], 0);
    EXPECT_EQ(saved[offsetof(FENNIK_CONFIG, nKirrelDaughterId) + 1], 0);

    // Back to Kirrel mode, then the file again.
    Get<QCheckBox>("CheckBoxGPIO")->click();
    Get<QCheckBox>("CheckBoxDDR2")->click();
    EXPECT_TRUE(Get<QComboBox>("ComboBoxKIRREL_B")->isEnabled());
    dialogs.QueuePath(dir.File("modes.cfg"));
    Click("ButtonLoad");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxGPIO")->isChecked());
    EXPECT_TRUE(Get<QWidget>("ComboBoxGPIO_0")->isVisible());
    EXPECT_EQ(form_->PortCard(0), MakeCardId(81));
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGPIO_0")->text().toStdString(), "A_");
    EXPECT_EQ(form_->PortCard(1), CARD_NONE);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxKIRREL_B")->isEnabled());
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 3);

    // A cancelled load shows nothing on this board.
    Click("ButtonLoad");
    EXPECT_TRUE(Messages().empty());
}

// FMC prefixes are not checked: one card and one prefix on two FMC ports
// pass Save and meet the duplicate-signal refusal at Generate. A Fennik
// file of the same size is refused.
TEST_F(StratixArriaForm, HollinFmcPairPassesSaveAndIsRefusedAtGenerate) {
    Open(MAINBOARD_HOLLIN);
    EXPECT_EQ(form_->size(), QSize(831, 736));
    Pick(2, 46);
    Pick(3, 46);
    dialogs.QueuePath(dir.File("pair.cfg"));
    Click("ButtonSave");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadFile(dir.File("pair.cfg")).size(), 924u);

    dialogs.QueuePath(dir.Path() + "CodeGenerated/HOLLIN/HOLLIN/HOLLIN.qpf");
    Click("ButtonGen");
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages()[0].find("is used by both FMC-A and FMC-B"), std::string::npos)
        << Messages()[0];

    ui.Clear();
    WriteFile(dir.File("fennik.cfg"), Defaults(MAINBOARD_FENNIK));
    dialogs.QueuePath(dir.File("fennik.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages().back(), "Failed to load setting");
    EXPECT_EQ(form_->PortCard(2), MakeCardId(46));
    Click("ButtonLoad");
    EXPECT_EQ(Messages().back(), "Failed to load setting");
}

// HSMC Default on HSMC-A without a prefix generates with "HSMA_"; the edit
// stays empty; the DDR3 reminder follows a successful generation.
TEST_F(StratixArriaForm, HollinDefaultPrefixAndDdr3Reminder) {
    Open(MAINBOARD_HOLLIN);
    Pick(0, 2);
    Get<QCheckBox>("CheckBoxDDR3")->click();
    dialogs.QueuePath(dir.Path() + "CodeGenerated/HOLLIN/HOLLIN/HOLLIN.qpf");
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("===== DDR3 Pinsmith warning =====\r\n", 0), 0u);
    EXPECT_TRUE(Get<QLineEdit>("EditPrefixHSMC_A")->text().isEmpty());
    std::string v;
    ASSERT_TRUE(platform::ReadWholeFile(dir.Path() + "CodeGenerated/HOLLIN/HOLLIN/HOLLIN.v", v));
    EXPECT_NE(v.find("HSMA_CLKOUT_p2"), std::string::npos);
    // Default Setting returns to the defaults.
    Click("ButtonDefaultSetting");
    EXPECT_EQ(form_->PortCard(0), CARD_NONE);
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxDDR3")->isChecked());
}

// Kelvane starts from its defaults every time, never keeps default.cfg,
// and saves its header as 100/404.
TEST_F(StratixArriaForm, KelvaneStartsFromItsDefaults) {
    Bytes other = Defaults(MAINBOARD_KELVANE);
    other[0] = 100;
    other[4] = 404 & 0xff;
    other[5] = 404 >> 8;
    SetRecordFieldText(other, 8, "OLD");
    WriteFile(dir.File("default.cfg"), other);
    Open(MAINBOARD_KELVANE);
    EXPECT_EQ(form_->size(), QSize(806, 474));
    EXPECT_EQ(Name(), "KELVANE");
    EXPECT_TRUE(Get<QCheckBox>("CheckBoxEthernet")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxDDR2")->isChecked());
    Get<QCheckBox>("CheckBox6")->click(); // drives nothing
    dialogs.QueuePath(dir.File("k.cfg"));
    Click("ButtonSave");
    Bytes expected = Defaults(MAINBOARD_KELVANE);
    expected[0] = 100;
    expected[4] = 404 & 0xff;
    expected[5] = 404 >> 8;
    EXPECT_EQ(ReadFile(dir.File("k.cfg")), expected);
    Close();
    Bytes kept = ReadFile(dir.File("default.cfg"));
    EXPECT_EQ(RecordFieldText(kept, 8), "OLD");

    Open(MAINBOARD_KELVANE);
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to load setting"}));
}

} // namespace
