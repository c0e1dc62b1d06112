#include "boards/arria10_stratix10/UI_Zarvik.h"

#include "app/Shape.h"
#include "boards/BoardPicture.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "ui_UI_Zarvik.h"
#include "ui_UI_ZarvikDdr4.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>

#include <cstddef>
#include <map>
#include <string>
#include <type_traits>

// The memory sockets of a Zarvik edition and their reference clock.
struct ZarvikMemory {
    QCheckBox* sockets[2];
    QComboBox* combo;         // the Si5340B clock of the sockets
    std::size_t indexOffset;  // its record index
    const char* warningName;  // "DDR3"
    const char* reminderName; // "DDR3-SDRAM"
    double (*frequency)(std::uint8_t);
    int items;
};

// What both editions share: the picture and its outlines, the buttons, the
// check boxes and the seven clock combos.
template <class Form, class UiForm>
void BindZarvikFamily(Form& form, UiForm& ui, const ZarvikMemory& memory) {
    using Record = typename Form::Record;
    using Holder = std::remove_cvref_t<decltype(form.Settings)>;
    const BoardId id = Record::kBoardId;

    form.SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(id);
    PINSMITH_ASSERT(picture != nullptr);
    ui.ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui.ImageArria->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui.ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    form.SetBoard(*FindBoard(id));
    form.SetProjectNameEdit(ui.EditProjectName);
    form.SetButtons({ui.ButtonSave, ui.ButtonLoad, ui.ButtonGen, ui.ButtonExit,
                     ui.ButtonMainBoardSelect, ui.ButtonDefaultSetting});
    form.BindSelectAll(ui.ButtonButtonDefaultAllSetting);

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LED", nullptr, "ShapeLED ShapeBracketLED"},
        {"QdrA", nullptr, "ShapeQDRII_A"},
        {"QdrB", nullptr, "ShapeQDRII_B"},
        {"QdrC", nullptr, "ShapeQDRII_C"},
        {"QdrD", nullptr, "ShapeQDRII_D"},
        {"QsfpA", nullptr, "ShapeQsfp_A"},
        {"QsfpB", nullptr, "ShapeQsfp_B"},
        {"QsfpC", nullptr, "ShapeQsfp_C"},
        {"QsfpD", nullptr, "ShapeQsfp_D"},
        {"PceiClk", nullptr, ""},
    };
    form.BindPeripherals(kControls);
    QCheckBox* const qdr[] = {ui.CheckBoxQdrA, ui.CheckBoxQdrB, ui.CheckBoxQdrC, ui.CheckBoxQdrD};
    QCheckBox* const qsfp[] = {ui.CheckBoxQsfpA, ui.CheckBoxQsfpB, ui.CheckBoxQsfpC,
                               ui.CheckBoxQsfpD};

    QComboBox* const si5340a[] = {ui.ComboBoxDi5340A_A, ui.ComboBoxDi5340A_B, ui.ComboBoxDi5340A_C,
                                  ui.ComboBoxDi5340A_D};
    const char* const qsfpNames[] = {"QSFPA", "QSFPB", "QSFPC", "QSFPD"};
    for (std::size_t i = 0; i < 4; ++i) {
        form.Clocks.Add({si5340a[i],
                         Si5340Chip::A,
                         offsetof(Record, Si5340AIndex) + i * sizeof(std::int32_t),
                         {qsfp[i]},
                         qsfpNames[i],
                         Holder::GetSi5340AFrequency,
                         zarvik::kSi5340AItems});
    }
    form.Clocks.Add({memory.combo,
                     Si5340Chip::B,
                     memory.indexOffset,
                     {memory.sockets[0], memory.sockets[1]},
                     memory.warningName,
                     memory.frequency,
                     memory.items});
    form.Clocks.Add({ui.ComboBoxDi5340B_QDRII,
                     Si5340Chip::B,
                     offsetof(Record, Si5340BQdrIndex),
                     {qdr[0], qdr[1], qdr[2], qdr[3]},
                     "QDRII",
                     Holder::GetSi5340BQdrFrequency,
                     zarvik::kQdrItems});
    form.Clocks.Add({ui.ComboBoxDi5340B_PCIE,
                     Si5340Chip::B,
                     offsetof(Record, Si5340BPcieIndex),
                     {ui.CheckBoxPceiClk},
                     "On-Board PCIe ref clock",
                     Holder::GetSi5340BPcieFrequency,
                     zarvik::kPcieItems});
    form.Clocks.SetChipOutline(Si5340Chip::A, outline("ShapeSi5340A"));
    form.Clocks.SetChipOutline(Si5340Chip::B, outline("ShapeSi5340B"));
    form.Clocks.SetReminders(
        {{memory.reminderName, {memory.sockets[0], memory.sockets[1]}},
         {"QDRII+ SRAM", {qdr[0], qdr[1], qdr[2], qdr[3]}}},
        {{"PCIe", {ui.CheckBoxPCIe}}, {"QSFP+", {qsfp[0], qsfp[1], qsfp[2], qsfp[3]}}});
}

// Select All on either edition: every box ticked, the cages at 644.53125
// MHz and the on-board PCIe clock at 100 MHz; the memory clocks are the
// edition's.
namespace {

template <class Record>
void SelectEverything(Record& record, std::uint8_t& socketA, std::uint8_t& socketB) {
    socketA = socketB = 1;
    for (int i = 0; i < 4; ++i) {
        record.Qdr[i] = record.Qsfp[i] = 1;
        record.Si5340AIndex[i] = 7;
    }
    record.Pcie = record.PcieObClock = record.Sma = record.Rs422 = 1;
    record.Si5340BPcieIndex = 1;
}

} // namespace

// ---------------------------------------------------------------------------
// Zarvik

TFormZarvik::TFormZarvik(QWidget* owner)
    : TSi5340Form<TConfigZarvik>(owner), ui_(std::make_unique<Ui::TFormZarvik>()) {
    ui_->setupUi(this);
    setFixedSize(831, 588);
    BindZarvikFamily(*this, *ui_,
                     ZarvikMemory{{ui_->CheckBoxDDR3_0, ui_->CheckBoxDDR3_1},
                                  ui_->ComboBoxDi5340B_DDR3,
                                  offsetof(ZARVIK_CONFIG, Si5340BDdrIndex),
                                  "DDR3",
                                  "DDR3-SDRAM",
                                  TConfigZarvik::GetSi5340BDdrFrequency,
                                  zarvik::kDdrItems});
    ui_->ComboBoxBoard->addItems({"I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG",
                                  "E1 1150K: 10AX115N2F45E1SG", "I2  900K: 10AX090N3F45I2SG"});
    InitForm();
}

TFormZarvik::~TFormZarvik() = default;

void TFormZarvik::ConfigToBoardControls(const ZARVIK_CONFIG& record) {
    ui_->ComboBoxBoard->setCurrentIndex(record.DeviceVariant);
    TSi5340Form<TConfigZarvik>::ConfigToBoardControls(record);
}

void TFormZarvik::BoardControlsToConfig(ZARVIK_CONFIG& record) {
    record.DeviceVariant = static_cast<std::uint8_t>(ui_->ComboBoxBoard->currentIndex());
    TSi5340Form<TConfigZarvik>::BoardControlsToConfig(record);
}

void TFormZarvik::SelectAll(ZARVIK_CONFIG& record) {
    SelectEverything(record, record.Ddr3A, record.Ddr3B);
    record.Si5340BDdrIndex = 3; // 266.667 MHz
    record.Si5340BQdrIndex = 3; // 250 MHz
}

// ---------------------------------------------------------------------------
// Zarvik_DDR4

TFormZarvik_DDR4::TFormZarvik_DDR4(QWidget* owner)
    : TSi5340Form<TConfigZarvik_DDR4>(owner), ui_(std::make_unique<Ui::TFormZarvik_DDR4>()) {
    ui_->setupUi(this);
    setFixedSize(831, 579);
    BindZarvikFamily(*this, *ui_,
                     ZarvikMemory{{ui_->CheckBoxDDR4_0, ui_->CheckBoxDDR4_1},
                                  ui_->ComboBoxDi5340B_DDR4,
                                  offsetof(ZARVIK_DDR4_CONFIG, Si5340BDdrIndex),
                                  "DDR4",
                                  "DDR4-SDRAM",
                                  TConfigZarvik_DDR4::GetSi5340BDdrFrequency,
                                  zarvikddr4::kDdrItems});
    InitForm();
}

TFormZarvik_DDR4::~TFormZarvik_DDR4() = default;

void TFormZarvik_DDR4::SelectAll(ZARVIK_DDR4_CONFIG& record) {
    SelectEverything(record, record.Ddr4A, record.Ddr4B);
    record.Si5340BDdrIndex = 5; // 300 MHz
    record.Si5340BQdrIndex = 4; // 275 MHz
}

namespace {
const BoardFormRegistrar kZarvikForm{MAINBOARD_ZARVIK, MakeBoardForm<TFormZarvik>};
const BoardFormRegistrar kZarvikDDR4Form{MAINBOARD_ZARVIK_DDR4, MakeBoardForm<TFormZarvik_DDR4>};
} // namespace
