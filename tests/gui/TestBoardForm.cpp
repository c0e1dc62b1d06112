#include "TestBoardForm.h"

#include "app/Shape.h"
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

TTestBoardForm::TTestBoardForm(QWidget* owner) : TBoardFormOf(owner) {
    resize(804, 501);
    EditProjectName = Place<QLineEdit>(this, 10, 10, 200, 24);
    CheckBoxOSC = Place<QCheckBox>(this, 10, 40, 100, 20);
    CheckBoxLED = Place<QCheckBox>(this, 10, 60, 100, 20);
    ShapeOSC = new TShape(this, QRect(300, 10, 20, 20), Qt::yellow, 2);
    ShapeLED = new TShape(this, QRect(330, 10, 20, 20), Qt::yellow, 2);
    for (int i = 0; i < 3; ++i) {
        ComboBox[i] = Place<QComboBox>(this, 10, 100 + 40 * i, 240, 28);
        EditPrefix[i] = Place<QLineEdit>(this, 260, 100 + 40 * i, 136, 28);
        Image[i] = Place<QLabel>(this, 400, 100 + 90 * i, 80, 80);
    }
    for (int i = 0; i < 2; ++i) {
        ShapeGpio[i] = new TShape(this, QRect(360 + 30 * i, 10, 20, 60), Qt::yellow, 2);
    }
    ButtonSave = Place<QPushButton>(this, 10, 460, 90, 30);
    ButtonLoad = Place<QPushButton>(this, 110, 460, 90, 30);
    ButtonGen = Place<QPushButton>(this, 210, 460, 90, 30);
    ButtonExit = Place<QPushButton>(this, 310, 460, 90, 30);
    ButtonMainBoardSelect = Place<QPushButton>(this, 410, 460, 90, 30);
    ButtonDefaultSetting = Place<QPushButton>(this, 510, 460, 90, 30);

    SetBoard(MAINBOARD_ILMARCH, "TESTBOARD", "TESTBOARD");
    SetProjectNameEdit(EditProjectName);
    SetButtons({ButtonSave, ButtonLoad, ButtonGen, ButtonExit, ButtonMainBoardSelect,
                ButtonDefaultSetting});
    AddPeripheral(CheckBoxOSC, offsetof(TEST_BOARD_CONFIG, OSC), {ShapeOSC});
    AddPeripheral(CheckBoxLED, offsetof(TEST_BOARD_CONFIG, LED), {ShapeLED});
    for (int i = 0; i < 2; ++i) {
        TCardPort port;
        port.Name = i == 0 ? "GPIO-0" : "GPIO-1";
        port.Family = PortFamily::Gpio;
        port.Combo = ComboBox[i];
        port.Prefix = EditPrefix[i];
        port.Image = Image[i];
        port.Shape = ShapeGpio[i];
        port.List = Settings;
        port.ListType = CONNECTOR_GPIO80;
        port.ListVoltage = VOLTAGE_3V3;
        port.CardOffset = offsetof(TEST_BOARD_CONFIG, Cards) + static_cast<std::size_t>(i);
        port.PrefixOffset = offsetof(TEST_BOARD_CONFIG, Prefix) + 128 * static_cast<std::size_t>(i);
        port.Connector = i == 0 ? CONNECTOR_ID_GPIO_0 : CONNECTOR_ID_GPIO_1;
        AddCardPort(port);
    }
    TCardPort hsmc;
    hsmc.Name = "HSMC-A";
    hsmc.Family = PortFamily::Hsmc;
    hsmc.Combo = ComboBox[2];
    hsmc.Prefix = EditPrefix[2];
    hsmc.Image = Image[2];
    hsmc.List = HsmcList;
    hsmc.ListType = CONNECTOR_HSMC;
    hsmc.AllowTransceiver = true;
    hsmc.ListVoltage = VOLTAGE_2V5;
    hsmc.CardOffset = offsetof(TEST_BOARD_CONFIG, Cards) + 2;
    hsmc.PrefixOffset = offsetof(TEST_BOARD_CONFIG, Prefix) + 256;
    hsmc.Connector = CONNECTOR_ID_HSMC_A;
    AddCardPort(hsmc);
    SetDualHeader(0, 1, CONNECTOR_ID_GPIO_PAIR);
    SetFormColour(QColor(235, 233, 237));
    InitForm();
}

void TTestBoardForm::Pick(int port, int card) {
    const int index = Port(port).List.IndexOf(MakeCardId(card));
    Port(port).Combo->setCurrentIndex(index);
    emit Port(port).Combo->activated(index);
}

void TTestBoardForm::SetBoardDefaults(TEST_BOARD_CONFIG& record) {
    record.LED = 0;
}

void TTestBoardForm::FillBoard(TMainBoard* board, const TEST_BOARD_CONFIG& record) {
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
