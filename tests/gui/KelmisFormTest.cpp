// The Kelmis form as the program hosts it: the main window, a temporary
// program folder, scripted boxes and dialogs, clicks and picks as the user
// makes them.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormGPIO.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix4/KelmisConfig.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix4/KelmisVccio.h"
#include "boards/stratix4/UI_Kelmis.h"
#include "model/CardCatalogue.h"
#include "platform/Files.h"
#include "platform/qt/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace {

class KelmisForm : public GuiTest {
protected:
    void SetUp() override {
        // The start-up board and Kelmis: the main window opens the form
        // without the selector, and Change Main Board is shown.
        host_.emplace(MAINBOARD_KELMIS, [](int id) { return id == StartBoardId() || id == 12; });
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TFormKelmis*>(main_->CurrentBoardForm());
        ASSERT_NE(form_, nullptr);
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    static void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void PickCard(int port, int card) {
        const int index = form_->Port(port).List.IndexOf(MakeCardId(card));
        ASSERT_GE(index, 0) << card;
        Pick(form_->Port(port).Combo, index);
    }
    QComboBox* Pll(int i) {
        static const char* const names[] = {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSME",
                                            "ComboBoxPLL_GXB"};
        return Get<QComboBox>(names[i]);
    }
    std::string SavedRecord() {
        dialogs.QueuePath(dir.File("saved.cfg"));
        Click("ButtonSave");
        std::string bytes;
        platform::ReadWholeFile(dir.File("saved.cfg"), bytes);
        EXPECT_EQ(bytes.size(), 1188u);
        return bytes;
    }
    // Opens the GPIO dialog, lets pick choose, then OK or Cancel.
    void EditGpio(std::function<void(TFormGPIO&)> pick, bool ok) {
        TFormGPIO& dialog = *form_->GpioDialog();
        WhenModalShows([&dialog, pick, ok](QWidget*) {
            pick(dialog);
            (ok ? dialog.OkButton() : dialog.CancelButton())->click();
        });
        Click("ButtonGpio");
    }
    std::string ProjectFile() { return dir.Path() + "CodeGenerated/KELMIS/KELMIS/KELMIS.qpf"; }
    static std::string GpioLabel(CardId header0, CardId header1) {
        return "GPIO 0:" + std::string(BoardName(header0)) +
               "\r\nGPIO 1:" + std::string(BoardName(header1));
    }

    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TFormKelmis* form_ = nullptr;
};

constexpr int kGpioPort0 = kelmis::kHsmcCount;
constexpr std::size_t kPll = offsetof(KELMIS_CONFIG, nPllIndex);

TEST_F(KelmisForm, FreshStart) {
    EXPECT_EQ(form_->size(), QSize(833, 750));
    EXPECT_EQ(form_->findChildren<QCheckBox*>().size(), 13);
    EXPECT_EQ(Get<QComboBox>("ComboBoxBoard")->count(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "KELMIS");
    // Card 18 cannot generate on HSMC-A, -C and -E and leaves their lists;
    // B, D and F offer it. Each port shows the list the core gives it.
    const int counts[] = {30, 22, 21, 22, 30, 22, 2, 2};
    const BoardDef& def = *FindBoard(MAINBOARD_KELMIS);
    for (int port = 0; port < 8; ++port) {
        EXPECT_EQ(form_->Port(port).Combo->count(), counts[port]) << port;
        std::vector<std::uint8_t> shown;
        for (int i = 0; i < form_->Port(port).List.Count(); ++i) {
            shown.push_back(static_cast<std::uint8_t>(form_->Port(port).List.At(i)));
        }
        EXPECT_EQ(shown, PortCardList(def, def.ports[static_cast<std::size_t>(port)])) << port;
    }
    for (const int port : {kelmis::HSMC_B, kelmis::HSMC_D, kelmis::HSMC_F}) {
        EXPECT_GE(form_->Port(port).List.IndexOf(MakeCardId(18)), 0) << port;
    }
    EXPECT_EQ(form_->Port(kGpioPort0).List.At(1), MakeCardId(81));
    // Both HSMC lists end with the HSMC Default voltage variants, which the
    // catalogue's scan does not reach.
    const auto tail = [this](int port, int from) {
        std::vector<int> ids;
        for (int i = from; i < form_->Port(port).List.Count(); ++i) {
            ids.push_back(CardNumber(form_->Port(port).List.At(i)));
        }
        return ids;
    };
    EXPECT_EQ(tail(kelmis::HSMC_B, 19), (std::vector<int>{88, 87, 94}));
    EXPECT_EQ(tail(kelmis::HSMC_E, 24), (std::vector<int>{92, 91, 90, 88, 87, 94}));
    EXPECT_EQ(Get<QComboBox>("ComboBoxHsmcGpio")->currentText().toStdString(), "HSMC");
    EXPECT_TRUE(Get<QComboBox>("ComboBoxHSMC_C")->isVisible());
    EXPECT_FALSE(Get<QLabel>("LabelGPIO")->isVisible());
    EXPECT_FALSE(Get<QPushButton>("ButtonGpio")->isVisible());
    // The outlines lie on the picture; those of the ticked boxes show.
    const QRect picture = Get<QLabel>("ImageBoard")->geometry();
    for (const TShape* shape : form_->findChildren<TShape*>()) {
        EXPECT_TRUE(picture.contains(shape->geometry())) << shape->objectName().toStdString();
    }
    EXPECT_TRUE(Get<TShape>("ShapeOSC")->isVisible());
    EXPECT_FALSE(Get<TShape>("ShapeDDR3")->isVisible());
    EXPECT_FALSE(Get<TShape>("ShapeExtPll_0")->isVisible());
    EXPECT_FALSE(form_->VccioPicture().isNull());
}

// Ticking Programmable PLL brings back the record's choices; other clicks
// keep the user's; unticked, the combos show "Unchange" and the record
// keeps its codes.
TEST_F(KelmisForm, PllCombos) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Pll(i)->isEnabled());
        EXPECT_EQ(Pll(i)->count(), 13);
        EXPECT_EQ(Pll(i)->currentText().toStdString(), "Unchange");
    }
    QCheckBox* pll = Get<QCheckBox>("CheckBoxExtPLL");
    pll->click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Pll(i)->isEnabled());
        EXPECT_EQ(Pll(i)->currentText().toStdString(), "100");
    }
    Pll(2)->setCurrentIndex(7);
    Get<QCheckBox>("CheckBoxLED")->click();
    EXPECT_EQ(Pll(2)->currentIndex(), 7);
    std::string saved = SavedRecord();
    EXPECT_EQ(saved[kPll + 2], 7);

    pll->click();
    EXPECT_FALSE(Pll(2)->isEnabled());
    EXPECT_EQ(Pll(2)->currentText().toStdString(), "Unchange");
    saved = SavedRecord();
    EXPECT_EQ(saved[kPll + 2], 7);
    EXPECT_EQ(saved[offsetof(KELMIS_CONFIG, bExtPLL)], 0);

    Pll(0)->setCurrentIndex(9); // a disabled combo changed from code
    pll->click();
    EXPECT_EQ(Pll(0)->currentIndex(), 4);
    EXPECT_EQ(Pll(2)->currentIndex(), 7);
}

// Port C switched to GPIO: the dialog's OK takes its choice, Cancel drops
// it; the label names both headers' cards and the record keeps the HSMC-C
// card of the hidden combo.
TEST_F(KelmisForm, GpioDialog) {
    PickCard(kelmis::HSMC_C, 2);
    Pick(Get<QComboBox>("ComboBoxHsmcGpio"), 1);
    EXPECT_FALSE(Get<QComboBox>("ComboBoxHSMC_C")->isVisible());
    EXPECT_FALSE(Get<QLineEdit>("EditPrefixHSMC_C")->isVisible());
    EXPECT_FALSE(Get<TShape>("ShapeHSMC_C")->isVisible());
    EXPECT_TRUE(Get<QPushButton>("ButtonGpio")->isVisible());
    QLabel* label = Get<QLabel>("LabelGPIO");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text().toStdString(), GpioLabel(CARD_NONE, CARD_NONE));
    EXPECT_EQ(label->geometry().topLeft(), Get<QComboBox>("ComboBoxHSMC_C")->geometry().topLeft());

    EditGpio(
        [](TFormGPIO& d) {
            Pick(d.ComboBoxGpio1(), 1);
            d.EditPrefixGpio1()->setText("G1_");
        },
        true);
    EXPECT_EQ(form_->GpioDialog()->Gpio1Index(), 1);
    EXPECT_EQ(label->text().toStdString(), GpioLabel(CARD_NONE, MakeCardId(81)));
    EXPECT_FALSE(Get<TShape>("ShapeGpio0")->isVisible());
    EXPECT_TRUE(Get<TShape>("ShapeGpio1")->isVisible());

    EditGpio(
        [](TFormGPIO& d) {
            Pick(d.ComboBoxGpio0(), 1);
            Pick(d.ComboBoxGpio1(), 0);
            d.EditPrefixGpio1()->setText("X_");
        },
        false);
    EXPECT_EQ(label->text().toStdString(), GpioLabel(CARD_NONE, MakeCardId(81)));
    EXPECT_FALSE(Get<TShape>("ShapeGpio0")->isVisible());
    std::string saved = SavedRecord();
    EXPECT_EQ(saved[offsetof(KELMIS_CONFIG, bHsmcGpio)], 1);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[offsetof(KELMIS_CONFIG, nGpioDaughterId)]), 0);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[offsetof(KELMIS_CONFIG, nGpioDaughterId) + 1]), 81);
    EXPECT_EQ(saved.substr(offsetof(KELMIS_CONFIG, szGpioPrefixName) + 128, 4),
              std::string("G1_", 4));
    EXPECT_EQ(saved[offsetof(KELMIS_CONFIG, nHsmcDaughterId) + kelmis::HSMC_C], 2);

    // Back to HSMC: port C shows its card again, the headers keep theirs.
    Pick(Get<QComboBox>("ComboBoxHsmcGpio"), 0);
    EXPECT_TRUE(Get<QComboBox>("ComboBoxHSMC_C")->isVisible());
    EXPECT_TRUE(Get<TShape>("ShapeHSMC_C")->isVisible());
    EXPECT_FALSE(Get<TShape>("ShapeGpio1")->isVisible());
    EXPECT_FALSE(label->isVisible());
    saved = SavedRecord();
    EXPECT_EQ(saved[offsetof(KELMIS_CONFIG, bHsmcGpio)], 0);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[offsetof(KELMIS_CONFIG, nGpioDaughterId) + 1]), 81);
}

// The same card on both headers with one prefix stops Generate before the
// project dialog; in HSMC mode the headers take no part.
TEST_F(KelmisForm, GpioPrefixClash) {
    Pick(Get<QComboBox>("ComboBoxHsmcGpio"), 1);
    EditGpio(
        [](TFormGPIO& d) {
            Pick(d.ComboBoxGpio0(), 1);
            Pick(d.ComboBoxGpio1(), 1);
            d.EditPrefixGpio0()->setText("G_");
            d.EditPrefixGpio1()->setText("G_");
        },
        true);
    EXPECT_EQ(Get<QLabel>("LabelGPIO")->text().toStdString(),
              GpioLabel(MakeCardId(81), MakeCardId(81)));
    EXPECT_TRUE(Get<TShape>("ShapeGpio0")->isVisible());
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 1u) << testing::PrintToString(Messages());
    EXPECT_EQ(ui.Boxes()[0].text, "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                                  "connect to the same type of daughter boards.");
    EXPECT_FALSE(platform::FileExists(ProjectFile()));

    Pick(Get<QComboBox>("ComboBoxHsmcGpio"), 0);
    dialogs.QueuePath(ProjectFile());
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    EXPECT_EQ(ui.Boxes()[1].text.rfind("Generate Quartus Project successfully.", 0), 0u);
}

// Two HSMC Default cards with empty prefixes both take "HSM_": the prefix
// rule lets them through, the writer refuses the clash.
TEST_F(KelmisForm, SameSignalFromTwoPortsRefusedAtGenerate) {
    PickCard(kelmis::HSMC_B, 2);
    PickCard(kelmis::HSMC_D, 87);
    dialogs.QueuePath(ProjectFile());
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    EXPECT_EQ(ui.Boxes()[0].text.rfind("Signal HSM_", 0), 0u) << ui.Boxes()[0].text;
    EXPECT_NE(ui.Boxes()[0].text.find("is used by both HSMC-B and HSMC-D"), std::string::npos);
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to generate Quartus project: KELMIS.qpf.");
    EXPECT_FALSE(platform::FileExists(ProjectFile()));
}

// Each port's jumper row and LEDs follow its card's voltage; port C in
// GPIO mode shows 3.0 V while a header has a card.
TEST_F(KelmisForm, VccioJumperAndLeds) {
    using namespace kelmis::vccio;
    const QImage base =
        platform::qt::LoadPictureImage("KELMIS_VOL").convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(base.isNull());
    // Whether the picture differs from the base at a point.
    const auto drawn = [&](int x, int y) {
        return form_->VccioPicture().pixel(x, y) != base.pixel(x, y);
    };
    const auto centre = [](int x) { return x + kLedSize / 2; };
    const auto check = [&](int port, int row, const std::string& what) {
        const std::size_t n = static_cast<std::size_t>(port);
        EXPECT_EQ(form_->VccioRow(port), row) << what;
        for (int r = 0; r < kRowCount; ++r) {
            EXPECT_EQ(drawn(kJumper[n].x + kJumperWidth / 2,
                            kJumper[n].y + kRowPitch * r + kJumperHeight / 2),
                      r == row)
                << what << " row " << r;
        }
        EXPECT_EQ(drawn(centre(kLed1X[n]), kLedY + kLedSize / 2), row == 1 || row == 3) << what;
        EXPECT_EQ(drawn(centre(kLed2X[n]), kLedY + kLedSize / 2), row == 2 || row == 3) << what;
    };
    const struct {
        int card;
        int row;
    } cases[] = {{0, 2}, {2, 2}, {87, 1}, {88, 0}, {94, 3}, {6, 2}};
    for (const auto& c : cases) {
        PickCard(kelmis::HSMC_B, c.card);
        check(kelmis::HSMC_B, c.row, "card " + std::to_string(c.card));
    }
    check(kelmis::HSMC_A, 2, "port A without a card");

    // GPIO mode: the hidden HSMC-C card does not count, the headers do.
    PickCard(kelmis::HSMC_C, 88);
    check(kelmis::HSMC_C, 0, "HSMC mode, card 88");
    Pick(Get<QComboBox>("ComboBoxHsmcGpio"), 1);
    check(kelmis::HSMC_C, 2, "GPIO mode without a card");
    EditGpio([](TFormGPIO& d) { Pick(d.ComboBoxGpio1(), 1); }, true);
    check(kelmis::HSMC_C, 3, "GPIO mode, card 81 on header 1");
}

// One box with every reminder, then the success box.
TEST_F(KelmisForm, RemindersBeforeTheSuccessBox) {
    Get<QCheckBox>("CheckBoxDDR3")->click();
    Get<QCheckBox>("CheckBoxPCIe0")->click();
    Get<QCheckBox>("CheckBoxPCIe1")->click();
    PickCard(kelmis::HSMC_E, 21);
    ASSERT_TRUE(IsTransceiverBoard(MakeCardId(21)));
    const std::string project = ProjectFile();
    dialogs.QueuePath(project);
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 2u) << testing::PrintToString(Messages());
    const std::string& note = ui.Boxes()[0].text;
    EXPECT_EQ(note.rfind("===== DDR3 Pinsmith warning =====\r\n", 0), 0u);
    const std::size_t pcie =
        note.find("\r\n\r\n===== PCIe0//PCIe1  PCI Express Pinsmith warning =====\r\n");
    const std::size_t xcvr = note.find("===== HSMC  Transceiver Pinsmith warning =====\r\n");
    ASSERT_NE(pcie, std::string::npos);
    ASSERT_NE(xcvr, std::string::npos);
    EXPECT_LT(pcie, xcvr);
    EXPECT_NE(note.find("PCI Express IP to your design.\r\n\r\n===== HSMC"), std::string::npos);
    EXPECT_EQ(note.substr(note.size() - 34), "Transceiver IP to your design.\r\n\r\n");
    EXPECT_EQ(ui.Boxes()[1].text.rfind("Generate Quartus Project successfully.\r\n", 0), 0u);
    EXPECT_TRUE(platform::FileExists(project));
}

TEST_F(KelmisForm, NoReminderOnlyTheSuccessBox) {
    dialogs.QueuePath(ProjectFile());
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 1u) << testing::PrintToString(Messages());
    EXPECT_EQ(ui.Boxes()[0].text.rfind("Generate Quartus Project successfully.", 0), 0u);
}

TEST_F(KelmisForm, ForeignFileOfTheRecordsSizeIsRefused) {
    std::vector<std::uint8_t> foreign(1188);
    foreign[0] = 8;
    foreign[4] = 0xA4; // 1188
    foreign[5] = 0x04;
    ASSERT_TRUE(
        platform::WriteWholeFile(dir.File("other.cfg"), std::string(foreign.begin(), foreign.end()))
            .Complete(foreign.size()));
    Get<QLineEdit>("EditProjectName")->setText("Kept");
    dialogs.QueuePath(dir.File("other.cfg"));
    Click("ButtonLoad");
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text,
              dir.File("other.cfg") +
                  " is not a settings file of this board (its board id is not this board's).");
    EXPECT_EQ(ui.Boxes()[1].text, "Failed to load setting");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), "Kept");
}

TEST_F(KelmisForm, DefaultCfgWrittenOnExit) {
    Get<QLineEdit>("EditProjectName")->setText("Closed");
    Click("ButtonExit");
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("default.cfg"), bytes));
    ASSERT_EQ(bytes.size(), 1188u);
    EXPECT_EQ(bytes.substr(8, 7), std::string("Closed", 7));
}

} // namespace
