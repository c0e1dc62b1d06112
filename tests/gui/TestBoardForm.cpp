#include "TestBoardForm.h"

#include "app/Shape.h"
#include "boards/cyclone5/IlmarchId.h"
#include "model/Pin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <memory>

namespace {
template <class W> W* Place(QWidget* parent, int x, int y, int w, int h) {
    auto* widget = new W(parent);
    widget->setGeometry(x, y, w, h);
    return widget;
}

void AddExpansion(TMainBoard* board, const char* name, ConnectorType type, ConnectorId id,
                  int positions) {
    auto connector = std::make_unique<TConnector>(name, "", type, -1);
    connector->SetIsExpansion(true);
    connector->SetConnectorId(id);
    for (int i = 0; i < positions; ++i) {
        connector->AddPin(std::make_unique<TPin>("", "PIN_" + std::to_string(i + 1),
                                                 PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0.0f));
    }
    board->AddConnector(std::move(connector));
}
} // namespace

TTestBoardForm::TTestBoardForm(QWidget* owner,
                               const std::function<void(TTestBoardForm&)>& beforeBinding)
    : TBoardFormOf(owner) {
    resize(804, 501);
    EditProjectName = Place<QLineEdit>(this, 10, 10, 200, 24);
    CheckBoxOSC = Place<QCheckBox>(this, 10, 40, 100, 20);
    CheckBoxLED = Place<QCheckBox>(this, 10, 60, 100, 20);
    ShapeOSC = new TShape(this, QRect(300, 10, 20, 20), Qt::yellow, 2);
    ShapeLED = new TShape(this, QRect(330, 10, 20, 20), Qt::yellow, 2);
    CheckBoxOSC->setObjectName("CheckBoxOSC");
    CheckBoxLED->setObjectName("CheckBoxLED");
    ShapeOSC->setObjectName("ShapeOSC");
    ShapeLED->setObjectName("ShapeLED");
    // The port controls follow the naming scheme the form binds by.
    const QString ports[] = {"Gpio0", "Gpio1", "HSMC_A"};
    for (int i = 0; i < 3; ++i) {
        ComboBox[i] = Place<QComboBox>(this, 10, 100 + 40 * i, 240, 28);
        EditPrefix[i] = Place<QLineEdit>(this, 260, 100 + 40 * i, 136, 28);
        Image[i] = Place<QLabel>(this, 400, 100 + 90 * i, 80, 80);
        ComboBox[i]->setObjectName("ComboBox" + ports[i]);
        EditPrefix[i]->setObjectName("EditPrefix" + ports[i]);
        Image[i]->setObjectName("Image" + ports[i]);
    }
    for (int i = 0; i < 2; ++i) {
        ShapeGpio[i] = new TShape(this, QRect(360 + 30 * i, 10, 20, 60), Qt::yellow, 2);
        ShapeGpio[i]->setObjectName("Shape" + ports[i]);
    }
    ButtonSave = Place<QPushButton>(this, 10, 460, 90, 30);
    ButtonLoad = Place<QPushButton>(this, 110, 460, 90, 30);
    ButtonGen = Place<QPushButton>(this, 210, 460, 90, 30);
    ButtonExit = Place<QPushButton>(this, 310, 460, 90, 30);
    ButtonMainBoardSelect = Place<QPushButton>(this, 410, 460, 90, 30);
    ButtonDefaultSetting = Place<QPushButton>(this, 510, 460, 90, 30);

    if (beforeBinding) {
        beforeBinding(*this);
    }

    SetBoard(TestDefinition());
    SetProjectNameEdit(EditProjectName);
    SetButtons({ButtonSave, ButtonLoad, ButtonGen, ButtonExit, ButtonMainBoardSelect,
                ButtonDefaultSetting});
    BindPeripherals();
    const TPortList lists[] = {{"HSMC-A", HsmcList}};
    constexpr TPortControls kNoOutline[] = {{"HSMC-A", nullptr, ""}};
    BindPorts(lists, kNoOutline);
    SetFormColour(QColor(235, 233, 237));
    InitForm();
}

void TTestBoardForm::Pick(int port, int card) {
    const int index = Port(port).List.IndexOf(MakeCardId(card));
    Port(port).Combo->setCurrentIndex(index);
    emit Port(port).Combo->activated(index);
}

namespace {

constexpr BoardPeripheral kPeripherals[] = {{offsetof(TEST_BOARD_CONFIG, OSC), "OSC"},
                                            {offsetof(TEST_BOARD_CONFIG, LED), "LED"}};
constexpr std::size_t kCards = offsetof(TEST_BOARD_CONFIG, Cards);
constexpr std::size_t kPrefix = offsetof(TEST_BOARD_CONFIG, Prefix);
constexpr BoardCardPort kPorts[] = {
    {"GPIO-0", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_3V3,
     kCards, kPrefix, CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL},
    {"GPIO-1", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO80, false, VOLTAGE_3V3,
     kCards + 1, kPrefix + 128, CONNECTOR_ID_GPIO_1, IOSTD_3V3_LVTTL},
    {"HSMC-A", PortFamily::Hsmc, config::CardListRule::Holder, CONNECTOR_HSMC, true, VOLTAGE_2V5,
     kCards + 2, kPrefix + 256, CONNECTOR_ID_HSMC_A, IOSTD_3V3_LVTTL},
};

void SetDefaults(RecordSpan bytes) {
    TEST_BOARD_CONFIG record = RecordAs<TEST_BOARD_CONFIG>(bytes);
    record.LED = 0;
    StoreRecord(bytes, record);
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    const TEST_BOARD_CONFIG record = RecordAs<TEST_BOARD_CONFIG>(bytes);
    board->m_BoardId = MAINBOARD_ILMARCH;
    if (record.Cards[0] != 0 &&
        BoardConnectorType(MakeCardId(record.Cards[0])) == CONNECTOR_GPIO80) {
        AddExpansion(board, "GPIO_0_1", CONNECTOR_GPIO80, CONNECTOR_ID_GPIO_PAIR, 80);
        return;
    }
    if (record.Cards[0] != 0) {
        AddExpansion(board, "GPIO_0", CONNECTOR_GPIO40, CONNECTOR_ID_GPIO_0, 40);
    }
    if (record.Cards[1] != 0) {
        AddExpansion(board, "GPIO_1", CONNECTOR_GPIO40, CONNECTOR_ID_GPIO_1, 40);
    }
}

const BoardDef kTestBoard{
    .id = MAINBOARD_ILMARCH,
    .title = "Test board",
    .folderWord = "TESTBOARD",
    .defaultProjectName = "TESTBOARD",
    .record = {.size = sizeof(TEST_BOARD_CONFIG)},
    .peripherals = kPeripherals,
    .ports = kPorts,
    .pair = {0, 1, CONNECTOR_ID_GPIO_PAIR},
    .setDefaults = SetDefaults,
    .fill = Fill,
};

} // namespace

const BoardDef& TTestBoardForm::TestDefinition() {
    return kTestBoard;
}

const BoardDef& TEST_BOARD_CONFIG::Definition() {
    return kTestBoard;
}
