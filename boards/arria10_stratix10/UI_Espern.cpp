#include "boards/arria10_stratix10/UI_Espern.h"

#include "app/Shape.h"
#include "boards/BoardPicture.h"
#include "boards/Boards.h"
#include "boards/UI_BoardPicture.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include "boards/UI_BoardForms.h"
#include "boards/arria10_stratix10/EspernId.h"
#include "ui_UI_Espern.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>

#include <cstddef>
#include <map>
#include <string>

TFormEspern::TFormEspern(QWidget* owner)
    : TSi5340Form<TConfigEspern>(owner), ui_(std::make_unique<Ui::TFormEspern>()) {
    ui_->setupUi(this);
    setFixedSize(829, 578);
    SetFormColour(QColor(235, 233, 237)); // 0xEDE9EB
    const BoardPicture* picture = FindBoardPicture(MAINBOARD_ESPERN);
    PINSMITH_ASSERT(picture != nullptr);
    ui_->ImageQuelmar->setPixmap(platform::qt::LoadPicture(kMakerLogoPicture));
    ui_->ImageArria->setPixmap(platform::qt::LoadPicture(picture->badge));
    const std::map<std::string, TShape*> outlines = ShowBoardPicture(ui_->ImageBoard, *picture);
    const auto outline = [&](const char* name) { return outlines.at(name); };

    SetBoard(*FindBoard(MAINBOARD_ESPERN));
    SetProjectNameEdit(ui_->EditProjectName);
    SetButtons({ui_->ButtonSave, ui_->ButtonLoad, ui_->ButtonGen, ui_->ButtonExit,
                ui_->ButtonMainBoardSelect, ui_->ButtonDefaultSetting});
    BindSelectAll(ui_->ButtonButtonDefaultAllSetting);

    // The groups whose controls break the naming scheme.
    static constexpr TPeripheralControls kControls[] = {
        {"LED", nullptr, "ShapeLED ShapeBracketLED"},
        {"QdrA", nullptr, "ShapeQDRII_A"},
        {"QdrB", nullptr, "ShapeQDRII_B"},
        {"QdrC", nullptr, "ShapeQDRII_C"},
        {"QdrD", nullptr, "ShapeQDRII_D"},
        {"QdrE", nullptr, "ShapeQDRII_E"},
        {"QdrF", nullptr, "ShapeQDRII_F"},
        {"QsfpA", nullptr, "ShapeQsfp_A"},
        {"QsfpB", nullptr, "ShapeQsfp_B"},
        {"QsfpC", nullptr, "ShapeQsfp_C"},
        {"QsfpD", nullptr, "ShapeQsfp_D"},
    };
    BindPeripherals(kControls);
    QCheckBox* const qdr[] = {ui_->CheckBoxQdrA, ui_->CheckBoxQdrB, ui_->CheckBoxQdrC,
                              ui_->CheckBoxQdrD, ui_->CheckBoxQdrE, ui_->CheckBoxQdrF};
    QCheckBox* const qsfp[] = {ui_->CheckBoxQsfpA, ui_->CheckBoxQsfpB, ui_->CheckBoxQsfpC,
                               ui_->CheckBoxQsfpD};

    QComboBox* const si5340a[] = {ui_->ComboBoxSi5340A_A, ui_->ComboBoxSi5340A_B,
                                  ui_->ComboBoxSi5340A_C, ui_->ComboBoxSi5340A_D};
    const char* const qsfpNames[] = {"QSFPA", "QSFPB", "QSFPC", "QSFPD"};
    for (std::size_t i = 0; i < 4; ++i) {
        Clocks.Add({si5340a[i],
                    Si5340Chip::A,
                    offsetof(ESPERN_CONFIG, Si5340AIndex) + i * sizeof(std::int32_t),
                    {qsfp[i]},
                    qsfpNames[i],
                    TConfigEspern::GetSi5340AFrequency,
                    zarvik::kSi5340AItems});
    }
    Clocks.Add({ui_->ComboBoxSi5340B_QDRII,
                Si5340Chip::B,
                offsetof(ESPERN_CONFIG, Si5340BQdrIndex),
                {qdr, qdr + 6},
                "QDRII",
                TConfigEspern::GetSi5340BQdrFrequency,
                espern::kQdrItems});
    Clocks.SetChipOutline(Si5340Chip::A, outline("ShapeSi5340A"));
    Clocks.SetChipOutline(Si5340Chip::B, outline("ShapeSi5340B"));
    Clocks.SetReminders({{"QDRII+ SRAM", {qdr, qdr + 6}}},
                        {{"PCIe", {ui_->CheckBoxPCIe}}, {"QSFP+", {qsfp, qsfp + 4}}});
    InitForm();
}

TFormEspern::~TFormEspern() = default;

// Ltm4677 stays as the defaults left it.
void TFormEspern::SelectAll(ESPERN_CONFIG& record) {
    for (std::uint8_t& qdr : record.Qdr) {
        qdr = 1;
    }
    for (int i = 0; i < 4; ++i) {
        record.Qsfp[i] = 1;
        record.Si5340AIndex[i] = 7; // 644.53125 MHz
    }
    record.Pcie = record.Rs422 = record.GpioHeader = 1;
    record.Si5340BQdrIndex = 3; // 275 MHz
}

namespace {
const BoardFormRegistrar kFormRegistrar{MAINBOARD_ESPERN, MakeBoardForm<TFormEspern>};
} // namespace
