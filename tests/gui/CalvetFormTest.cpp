// The Calvet form as the program hosts it: the main window, a temporary
// program folder, scripted boxes and dialogs, clicks and picks as the user
// makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix5/CalvetId.h"
#include "boards/stratix5/ConfigCalvet.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::MsgButtons;
using platform::MsgKind;
using platform::MsgResult;

constexpr int kFmcA = 1; // the definition's ports: GPIO, then FMC-A..D
constexpr int kFmcB = 2;
constexpr int kFmcD = 4;

const char* const kCdcmCombos[] = {"ComboBoxPLL_FMCA",      "ComboBoxPLL_FMCD",
                                   "ComboBoxPLL_SATA_HOST", "ComboBoxPLL_SATA_DEVICE",
                                   "ComboBoxPLL_PCIE",      "ComboBoxPLL_DDR3"};
const char* const kLmkCombos[] = {"ComboBoxPLL_FMCA_PLUS", "ComboBoxPLL_FMCB_PLUS",
                                  "ComboBoxPLL_FMCC_PLUS", "ComboBoxPLL_FMCD_PLUS"};

class CalvetForm : public GuiTest {
public: // the cases of a table act through it
    void Open() {
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    void Tick(const char* box) { Get<QCheckBox>(box)->click(); }
    // The user picks an item of a combo.
    void Choose(const char* combo, int index) {
        QComboBox* c = Get<QComboBox>(combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void Pick(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        QComboBox* combo = form_->Port(port).Combo;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    std::vector<std::string> Shown(const char* const (&combos)[6]) { return Texts(combos, 6); }
    std::vector<std::string> Texts(const char* const* combos, int count) {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) {
            QComboBox* combo = Get<QComboBox>(combos[i]);
            texts.push_back((combo->isEnabled() ? "" : "-") + combo->currentText().toStdString());
        }
        return texts;
    }
    // What every check box, combo and edit of the form shows.
    std::map<std::string, std::string> Controls() {
        std::map<std::string, std::string> shown;
        for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
            shown[box->objectName().toStdString()] = box->isChecked() ? "1" : "0";
        }
        for (QComboBox* combo : form_->findChildren<QComboBox*>()) {
            shown[combo->objectName().toStdString()] =
                std::to_string(combo->currentIndex()) + (combo->isEnabled() ? "" : " off");
        }
        for (QLineEdit* edit : form_->findChildren<QLineEdit*>()) {
            shown[edit->objectName().toStdString()] = edit->text().toStdString();
        }
        return shown;
    }
    Bytes ReadFile(const std::string& path) {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return Bytes(bytes.begin(), bytes.end());
    }
    std::string ProjectPath() { return dir.Path() + "CodeGenerated/CALVET/CALVET/CALVET.qpf"; }

    FormHost host_{MAINBOARD_CALVET}; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

// A chip's combos take the record's choices only when its box goes from
// clear to ticked; other clicks keep the user's picks; Generate puts the
// controls into the record, so a pick made before it comes back.
TEST_F(CalvetForm, ClockCombosFollowTheirChipBox) {
    Open();
    EXPECT_EQ(form_->size(), QSize(835, 826));
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "CALVET");
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->currentIndex(), 0);
    const std::vector<std::string> off(6, "-Disable");
    EXPECT_EQ(Shown(kCdcmCombos), off);
    EXPECT_EQ(Texts(kLmkCombos, 4), std::vector<std::string>(4, "-Disable"));

    Tick("CheckBoxExtCdcmPLL");
    EXPECT_EQ(Shown(kCdcmCombos),
              (std::vector<std::string>{"125.0", "125.0", "150.0", "150.0", "Disable", "133.333"}));
    Choose("ComboBoxPLL_FMCA", 3);
    Choose("ComboBoxPLL_FMCD", 3);
    Tick("CheckBoxLED");
    Tick("CheckBoxExtLmkPLL");
    EXPECT_EQ(Get<QComboBox>("ComboBoxPLL_FMCA")->currentText().toStdString(), "150.0");
    EXPECT_EQ(Texts(kLmkCombos, 4), std::vector<std::string>(4, "644.53125"));
    Tick("CheckBoxExtCdcmPLL");
    EXPECT_EQ(Shown(kCdcmCombos), off);
    // Reticked before any save: the record's choices, not the picks.
    Tick("CheckBoxExtCdcmPLL");
    EXPECT_EQ(Get<QComboBox>("ComboBoxPLL_FMCA")->currentText().toStdString(), "125.0");

    Choose("ComboBoxPLL_FMCA", 3);
    Choose("ComboBoxPLL_FMCD", 3);
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    EXPECT_EQ(Messages().size(), 1u); // the success box
    Tick("CheckBoxExtCdcmPLL");
    Tick("CheckBoxExtCdcmPLL");
    EXPECT_EQ(Shown(kCdcmCombos),
              (std::vector<std::string>{"150.0", "150.0", "150.0", "150.0", "Disable", "133.333"}));
    std::string v;
    ASSERT_TRUE(platform::ReadWholeFile(dir.Path() + "CodeGenerated/CALVET/CALVET/CALVET.v", v));
    EXPECT_NE(v.find("assign cdcm6208_freq_select = `CDCM6208_MODE_2;"), std::string::npos);
    EXPECT_TRUE(platform::FileExists(dir.Path() +
                                     "CodeGenerated/CALVET/CALVET/lmk04906/SPI_LMK04906_Config.v"));
}

// The checks of Save and Generate: which boxes in which order, and whether
// the file dialog opens after them.
TEST_F(CalvetForm, ValidationChain) {
    struct Box {
        MsgKind kind;
        MsgButtons buttons;
        std::string start;
    };
    const Box name{MsgKind::Error, MsgButtons::Ok, "Project Name cannot be empty."};
    const Box ddr3{MsgKind::Warning, MsgButtons::YesNo,
                   "DDR3 is enabled but the associated referece clock is not configured.\r\n"
                   "Please check the CDCM PLL and enable DDR3 reference clcok before you proceed "
                   "to the next step.\r\nDo you want to continue?"};
    const Box clocks{MsgKind::Warning, MsgButtons::Ok,
                     "Due to the limitation of CDCM6208,\r\nthe clock frequency of FMCA_REFCLK_0 "
                     "and FMCD_REFCLK_0 must be the same..\r\n"};
    const Box fmc{MsgKind::Error, MsgButtons::Ok,
                  "FMC-A and FMC-D cannot have the same prefix name when both connect to the same "
                  "type of daughter boards."};
    struct Case {
        const char* what;
        std::function<void(CalvetForm&)> set;
        std::vector<MsgResult> answers;
        std::vector<Box> boxes;
        bool dialog;
    };
    const auto cdcm = [](CalvetForm& t, int fmca, int fmcd) {
        t.Tick("CheckBoxExtCdcmPLL");
        t.Choose("ComboBoxPLL_FMCA", fmca);
        t.Choose("ComboBoxPLL_FMCD", fmcd);
    };
    const auto noName = [](CalvetForm& t) { t.Get<QLineEdit>("EditProjectName")->clear(); };
    const std::vector<Case> cases = {
        {"defaults", [](CalvetForm&) {}, {}, {}, true},
        {"empty name", noName, {}, {name}, false},
        {"one card on FMC-A and FMC-D",
         [](CalvetForm& t) {
             t.Pick(kFmcA, 46);
             t.Pick(kFmcD, 46);
         },
         {},
         {fmc},
         false},
        {"prefixes apart",
         [](CalvetForm& t) {
             t.Pick(kFmcA, 46);
             t.Pick(kFmcD, 46);
             t.Get<QLineEdit>("EditPrefixFmc_D")->setText("D_");
         },
         {},
         {},
         true},
        {"DDR3 without the chip, Yes",
         [](CalvetForm& t) { t.Tick("CheckBoxDDR3"); },
         {MsgResult::Yes},
         {ddr3},
         true},
        {"DDR3 without the chip, No",
         [](CalvetForm& t) { t.Tick("CheckBoxDDR3"); },
         {MsgResult::No},
         {ddr3},
         false},
        {"DDR3 with its clock off, No",
         [&](CalvetForm& t) {
             t.Tick("CheckBoxDDR3");
             cdcm(t, 2, 2);
             t.Choose("ComboBoxPLL_DDR3", 0);
         },
         {MsgResult::No},
         {ddr3},
         false},
        {"DDR3 with its clock",
         [&](CalvetForm& t) {
             t.Tick("CheckBoxDDR3");
             cdcm(t, 2, 2);
         },
         {},
         {},
         true},
        {"FMCA and FMCD apart", [&](CalvetForm& t) { cdcm(t, 3, 2); }, {}, {clocks}, false},
        {"FMCA disabled, FMCD set", [&](CalvetForm& t) { cdcm(t, 0, 2); }, {}, {}, true},
        // The question comes before the name's box; No ends without it.
        {"empty name and DDR3, Yes",
         [&](CalvetForm& t) {
             noName(t);
             t.Tick("CheckBoxDDR3");
         },
         {MsgResult::Yes},
         {ddr3, name},
         false},
        {"empty name and DDR3, No",
         [&](CalvetForm& t) {
             noName(t);
             t.Tick("CheckBoxDDR3");
         },
         {MsgResult::No},
         {ddr3},
         false},
        {"empty name, clocks apart",
         [&](CalvetForm& t) {
             noName(t);
             cdcm(t, 1, 3);
         },
         {},
         {clocks, name},
         false},
    };
    for (const char* button : {"ButtonSave", "ButtonGen"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(button) + ": " + c.what);
            Open();
            c.set(*this);
            ui.Clear();
            for (MsgResult answer : c.answers) {
                ui.QueueAnswer(answer);
            }
            const std::size_t before = dialogs.Shown().size();
            Click(button); // the dialog, when it opens, is cancelled
            ASSERT_EQ(ui.Boxes().size(), c.boxes.size());
            for (std::size_t i = 0; i < c.boxes.size(); ++i) {
                EXPECT_EQ(ui.Boxes()[i].kind, c.boxes[i].kind) << i;
                EXPECT_EQ(ui.Boxes()[i].buttons, c.boxes[i].buttons) << i;
                EXPECT_EQ(ui.Boxes()[i].text, c.boxes[i].start) << i;
            }
            EXPECT_EQ(dialogs.Shown().size() - before, c.dialog ? 1u : 0u);
            main_.reset();
            form_ = nullptr;
            platform::DeleteFile(dir.File("default.cfg"));
        }
    }
}

// After a generation the reminders come in one box before the success box.
TEST_F(CalvetForm, RemindersBeforeTheSuccessBox) {
    Open();
    Tick("CheckBoxExtCdcmPLL"); // DDR3's reference clock on: no question
    Tick("CheckBoxDDR3");
    Tick("CheckBoxPCIe");
    Tick("CheckBoxSataDevice");
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].kind, MsgKind::Information);
    EXPECT_EQ(Messages()[0],
              "===== DDR3 Pinsmith warning =====\r\n"
              "Please add the DDR3 Controller IP to your Quartus project, follow by\r\n"
              "the steps below to prevent any errors from occurring during compilation.\r\n"
              "\r\n"
              "1). Create correct pin assignment for DDR3.\r\n"
              "2). Setup correct parameters in DDR3 controller dialog. \r\n"
              "3). Execute TCL files, generated by DDR3 IP, under your Quartus project.\r\n"
              "\r\n"
              "===== PCIe/Sata-Device  Transceiver Pinsmith warning =====\r\n"
              "To prevent any errors while compiling your Quartus project, either comment out "
              "the\r\n"
              "transceiver signals in the top level entity if they are not in use or add the "
              "Altera \r\n"
              "Transceiver IP to your design.\r\n"
              "\r\n");
    EXPECT_EQ(Messages()[1].rfind("Generate Quartus Project successfully.\r\n", 0), 0u);

    // The transceiver note alone, the names in their order.
    ui.Clear();
    Tick("CheckBoxDDR3");
    Tick("CheckBoxPCIe");
    Tick("CheckBoxSataHost");
    dialogs.QueuePath(ProjectPath());
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].rfind("===== Sata-Host/Sata-Device  Transceiver Pinsmith warning "
                                  "=====\r\n",
                                  0),
              0u);
}

// Save writes what the controls show (a clear chip's outputs at "Disable");
// Load shows it again; a file of another board is refused and changes
// nothing.
TEST_F(CalvetForm, SaveLoadRoundTripAndForeignFile) {
    Open();
    Get<QComboBox>("ComboBoxBoard")->setCurrentIndex(2);
    Get<QLineEdit>("EditProjectName")->setText("trip");
    Tick("CheckBoxLED");
    Tick("CheckBoxSataHost");
    Tick("CheckBoxExtCdcmPLL");
    Choose("ComboBoxPLL_FMCA", 1);
    Choose("ComboBoxPLL_FMCD", 1);
    Choose("ComboBoxPLL_PCIE", 1);
    Pick(0, 1);
    Get<QLineEdit>("EditPrefixGpio")->setText("G_");
    Pick(kFmcB, 46);
    Get<QLineEdit>("EditPrefixFmc_B")->setText("B_");
    const std::map<std::string, std::string> shown = Controls();

    const std::string file = dir.File("trip.cfg");
    dialogs.QueuePath(file);
    Click("ButtonSave");
    EXPECT_TRUE(Messages().empty());
    const Bytes saved = ReadFile(file);
    ASSERT_EQ(saved.size(), 812u);
    const CALVET_CONFIG r = RecordAs<CALVET_CONFIG>(saved);
    EXPECT_EQ(r.BoardId, 31);
    EXPECT_EQ(r.DeviceVariant, 2);
    EXPECT_EQ(RecordFieldText(saved, offsetof(CALVET_CONFIG, ProjectName)), "trip");
    EXPECT_EQ(r.Led, 0);
    EXPECT_EQ(r.SataHost, 1);
    EXPECT_EQ(r.Cdcm6208Pll, 1);
    EXPECT_EQ(Bytes(r.CdcmOutputIndex, r.CdcmOutputIndex + 6), (Bytes{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(Bytes(r.LmkOutputIndex, r.LmkOutputIndex + 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(r.GpioCardId, 1);
    EXPECT_EQ(RecordFieldText(saved, offsetof(CALVET_CONFIG, GpioPrefixName)), "G_");
    EXPECT_EQ(Bytes(r.FmcCardId, r.FmcCardId + 4), (Bytes{0, 46, 0, 0}));
    EXPECT_EQ(RecordFieldText(saved, offsetof(CALVET_CONFIG, FmcPrefixName) + 128), "B_");

    Click("ButtonDefault");
    EXPECT_NE(Controls(), shown);
    dialogs.QueuePath(file);
    Click("ButtonLoad");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Controls(), shown);

    // Another board's id in a record of this size.
    Bytes foreign = saved;
    foreign[0] = 9;
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("foreign.cfg"),
                                         std::string(foreign.begin(), foreign.end()))
                    .Complete(foreign.size()));
    Click("ButtonDefault");
    const std::map<std::string, std::string> defaults = Controls();
    dialogs.QueuePath(dir.File("foreign.cfg"));
    Click("ButtonLoad");
    // The refusal's own box, naming the file, then the failed load.
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[0].find("foreign.cfg"), std::string::npos) << Messages()[0];
    EXPECT_EQ(Messages()[1], "Failed to load setting");
    EXPECT_EQ(Controls(), defaults);
    ui.Clear();
    Click("ButtonLoad"); // cancelled
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to load setting"}));
}

} // namespace
