// The forms of the boards with two Si5340 clock chips (Zarvik, its DDR4
// edition, Espern) as the program hosts them: the main window, a temporary
// program folder, scripted boxes and dialogs, clicks and picks as the user
// makes them. One table of the three boards where they behave alike.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/ConfigEspern.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "platform/Files.h"
#include "platform/qt/Desktop.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ClockBoard {
    BoardId id;
    const char* name;
    // QSFP+ cage B, its combo and the record's index of that combo; the
    // combo of cage A (whose index comes right before).
    const char* cage;
    const char* cageCombo;
    std::size_t cageIndex;
    const char* neighbourCombo;
    // A memory box, its clock's name in the warning and the reminder's
    // memory names after Select All.
    const char* memoryBox;
    const char* warningName;
    const char* selectAllMemories;
    // Every clock combo after Select All.
    std::map<std::string, std::string> selectAllClocks;
};

const ClockBoard kBoards[] = {
    {MAINBOARD_ZARVIK,
     "Zarvik",
     "CheckBoxQsfpB",
     "ComboBoxDi5340A_B",
     offsetof(ZARVIK_CONFIG, Si5340AIndex) + 4,
     "ComboBoxDi5340A_A",
     "CheckBoxDDR3_0",
     "DDR3",
     "DDR3-SDRAM/QDRII+ SRAM",
     {{"ComboBoxDi5340A_A", "644.53125"},
      {"ComboBoxDi5340A_B", "644.53125"},
      {"ComboBoxDi5340A_C", "644.53125"},
      {"ComboBoxDi5340A_D", "644.53125"},
      {"ComboBoxDi5340B_DDR3", "266.66700"},
      {"ComboBoxDi5340B_QDRII", "250.00000"},
      {"ComboBoxDi5340B_PCIE", "100.00000"}}},
    {MAINBOARD_ZARVIK_DDR4,
     "Zarvik_DDR4",
     "CheckBoxQsfpB",
     "ComboBoxDi5340A_B",
     offsetof(ZARVIK_DDR4_CONFIG, Si5340AIndex) + 4,
     "ComboBoxDi5340A_A",
     "CheckBoxDDR4_0",
     "DDR4",
     "DDR4-SDRAM/QDRII+ SRAM",
     {{"ComboBoxDi5340A_A", "644.53125"},
      {"ComboBoxDi5340A_B", "644.53125"},
      {"ComboBoxDi5340A_C", "644.53125"},
      {"ComboBoxDi5340A_D", "644.53125"},
      {"ComboBoxDi5340B_DDR4", "300.00000"},
      {"ComboBoxDi5340B_QDRII", "275.00000"},
      {"ComboBoxDi5340B_PCIE", "100.00000"}}},
    {MAINBOARD_ESPERN,
     "Espern",
     "CheckBoxQsfpB",
     "ComboBoxSi5340A_B",
     offsetof(ESPERN_CONFIG, Si5340AIndex) + 4,
     "ComboBoxSi5340A_A",
     "CheckBoxQdrE",
     "QDRII",
     "QDRII+ SRAM",
     {{"ComboBoxSi5340A_A", "644.53125"},
      {"ComboBoxSi5340A_B", "644.53125"},
      {"ComboBoxSi5340A_C", "644.53125"},
      {"ComboBoxSi5340A_D", "644.53125"},
      {"ComboBoxSi5340B_QDRII", "275.00000"}}},
};

void PrintTo(const ClockBoard& board, std::ostream* os) {
    *os << board.name;
}

class ZarvikForms : public GuiTest, public ::testing::WithParamInterface<ClockBoard> {
protected:
    ZarvikForms() {
        const BoardId id = GetParam().id;
        host_.emplace(id);
        main_ = FormHost::ShowMain();
        form_ = dynamic_cast<TBoardForm*>(main_->CurrentBoardForm());
    }
    template <class W> W* Get(const char* name) { return Child<W>(form_, name); }
    void Click(const char* name) { Get<QAbstractButton>(name)->click(); }
    // The user picks an item.
    void Pick(const char* combo, int index) {
        QComboBox* box = Get<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    std::string Shown(const char* combo) {
        return Get<QComboBox>(combo)->currentText().toStdString();
    }
    Bytes ReadFile(const std::string& path) {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return Bytes(bytes.begin(), bytes.end());
    }
    static std::int32_t Index(const Bytes& record, std::size_t offset) {
        std::int32_t value = 0;
        std::memcpy(&value, record.data() + offset, sizeof value);
        return value;
    }
    Bytes Defaults(BoardId id) {
        const BoardDef& def = *FindBoard(id);
        Bytes record(def.record.size);
        SetDefaultRecord(def, record);
        return record;
    }
    bool ProjectFolderExists() { return platform::DirectoryExists(dir.File("CodeGenerated")); }

    std::optional<FormHost> host_; // outlives the window
    std::unique_ptr<TFormMain> main_;
    TBoardForm* form_ = nullptr;
};

// Each combo keeps its own pick while its cage is unticked, even when the
// user picks on a neighbour meanwhile; a record saved meanwhile carries
// "Not Use" for the unticked cage.
TEST_P(ZarvikForms, ClockChoiceSurvivesUntickAndRetick) {
    const ClockBoard& b = GetParam();
    ASSERT_NE(form_, nullptr);
    QComboBox* combo = Get<QComboBox>(b.cageCombo);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(Shown(b.cageCombo), "Not Use");

    Click(b.cage);
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(Shown(b.cageCombo), "Not Use"); // the record's index 0
    Pick(b.cageCombo, 4);
    EXPECT_EQ(Shown(b.cageCombo), "250.00000");
    Click("CheckBoxQsfpA");
    Pick(b.neighbourCombo, 2);

    Click(b.cage);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(Shown(b.cageCombo), "Not Use");
    Pick(b.neighbourCombo, 3);
    dialogs.QueuePath(dir.File("unticked.cfg"));
    Click("ButtonSave");
    EXPECT_EQ(Index(ReadFile(dir.File("unticked.cfg")), b.cageIndex), 0);
    EXPECT_EQ(Index(ReadFile(dir.File("unticked.cfg")), b.cageIndex - 4), 3);

    Click(b.cage);
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(Shown(b.cageCombo), "250.00000");

    // A loaded record's choice for an unticked cage comes back with the
    // tick.
    Bytes file = Defaults(b.id);
    const std::int32_t six = 6;
    std::memcpy(file.data() + b.cageIndex, &six, sizeof six);
    WriteFile(dir.File("six.cfg"), file);
    dialogs.QueuePath(dir.File("six.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Shown(b.cageCombo), "Not Use");
    Click(b.cage);
    EXPECT_EQ(Shown(b.cageCombo), "322.26500");

    // Every box redraws its outline, the temperature sensor's included.
    TShape* temp = Get<TShape>("ShapeTemp");
    EXPECT_FALSE(temp->isHidden());
    Click("CheckBoxTemp");
    EXPECT_TRUE(temp->isHidden());
    EXPECT_TRUE(Messages().empty());
}

// A ticked consumer at "Not Use": the Yes/No warning names it; No writes
// nothing and asks for no file.
TEST_P(ZarvikForms, ClockWarningNoWritesNothing) {
    const ClockBoard& b = GetParam();
    ASSERT_NE(form_, nullptr);
    Click("CheckBoxQsfpA");
    Click("CheckBoxQsfpC");
    Click(b.memoryBox);
    ui.QueueAnswer(platform::MsgResult::No);
    Click("ButtonGen");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Warning);
    EXPECT_EQ(Messages()[0],
              std::string("QSFPA/QSFPC interface is enabled, but the associated programmable "
                          "oscillator SI5338A is not enalbed.\r\n") +
                  b.warningName +
                  " interface is enabled, but the associated programmable oscillator SI5338B "
                  "is not enabled.\r\nDo you want to continued?");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(ProjectFolderExists());
}

// Select All ticks every box and picks every clock, over the defaults; a
// generation then shows the reminders in one box before the success box.
// Without anything to remind of, only the success box shows.
TEST_P(ZarvikForms, SelectAllThenRemindersBeforeSuccess) {
    const ClockBoard& b = GetParam();
    ASSERT_NE(form_, nullptr);
    const std::string defaultName = FindBoard(b.id)->defaultProjectName;
    dialogs.QueuePath(dir.File("plain.qpf"));
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 1u) << ::testing::PrintToString(Messages());
    EXPECT_EQ(Messages()[0].rfind("Generate Quartus Project successfully.", 0), 0u);
    ui.Clear();

    Get<QLineEdit>("EditProjectName")->setText("renamed");
    Click("ButtonButtonDefaultAllSetting");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(), defaultName);
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }
    for (const auto& [combo, text] : b.selectAllClocks) {
        EXPECT_TRUE(Get<QComboBox>(combo.c_str())->isEnabled()) << combo;
        EXPECT_EQ(Shown(combo.c_str()), text) << combo;
    }
    EXPECT_FALSE(Get<TShape>("ShapeSi5340A")->isHidden());
    EXPECT_FALSE(Get<TShape>("ShapeSi5340B")->isHidden());

    dialogs.QueuePath(dir.File("every.qpf"));
    Click("ButtonGen");
    ASSERT_EQ(Messages().size(), 2u) << ::testing::PrintToString(Messages());
    const std::string reminder = Messages()[0];
    EXPECT_EQ(reminder.rfind(
                  std::string("===== ") + b.selectAllMemories + " Pinsmith warning =====\r\n", 0),
              0u);
    EXPECT_NE(reminder.find("===== PCIe/QSFP+  Transceiver Pinsmith warning =====\r\n"),
              std::string::npos);
    EXPECT_EQ(Messages()[1].rfind("Generate Quartus Project successfully.", 0), 0u);
    EXPECT_TRUE(platform::FileExists(dir.File("every.v")));
}

// Load Setting: Cancel says "Failed to load setting"; a file of the
// record's size from another board is refused with its reason, then as a
// failed load, and changes nothing.
TEST_P(ZarvikForms, CancelledAndForeignLoads) {
    const ClockBoard& b = GetParam();
    ASSERT_NE(form_, nullptr);
    Click("ButtonLoad");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to load setting"}));

    Bytes foreign = Defaults(b.id);
    foreign[0] = b.id == MAINBOARD_ZARVIK ? 28 : 27;
    std::strcpy(reinterpret_cast<char*>(foreign.data() + 8), "foreign");
    WriteFile(dir.File("foreign.cfg"), foreign);
    dialogs.QueuePath(dir.File("foreign.cfg"));
    Click("ButtonLoad");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_NE(Messages()[1], "Failed to load setting");
    EXPECT_EQ(Messages()[2], "Failed to load setting");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text().toStdString(),
              FindBoard(b.id)->defaultProjectName);
}

// Change Main Board posts the main window's message 1025 on each of the
// three forms; Enter in the project name leaves the program running, and
// Exit keeps the controls in default.cfg and closes it.
TEST_P(ZarvikForms, ChangeMainBoardAndEnter) {
    const ClockBoard& b = GetParam();
    ASSERT_NE(form_, nullptr);
    EXPECT_EQ(MessagesPostedTo(main_.get(), [&] { Click("ButtonMainBoardSelect"); }),
              (std::vector<std::pair<int, long long>>{{1025, 0}}));

    // Zarvik's device variant goes into the record with the rest.
    auto* variant = form_->findChild<QComboBox*>("ComboBoxBoard");
    EXPECT_EQ(variant != nullptr, b.id == MAINBOARD_ZARVIK);
    if (variant) {
        variant->setCurrentIndex(3);
    }
    auto* name = Get<QLineEdit>("EditProjectName");
    name->setText("ByEnter");
    name->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(name, &enter);
    EXPECT_TRUE(main_->isVisible());
    Click("ButtonExit");
    EXPECT_FALSE(main_->isVisible());
    const Bytes stored = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(stored.size(), FindBoard(b.id)->record.size);
    EXPECT_STREQ(reinterpret_cast<const char*>(stored.data() + 8), "ByEnter");
    if (variant) {
        EXPECT_EQ(stored[offsetof(ZARVIK_CONFIG, DeviceVariant)], 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, ZarvikForms, ::testing::ValuesIn(kBoards),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
