#include "boards/cyclone5/UI_HsmcVoltage.h"

#include "app/Shape.h"
#include "boards/Boards.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"
#include "platform/Ui.h"
#include "platform/qt/Text8.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>
#include <string>

void THsmcCardList::BuildCardList(ConnectorType type, bool allowTransceiver, Voltage voltage) {
    CardCount = config::BuildCardList(config::CardListRule::Holder, type, allowTransceiver, voltage,
                                      CardIds);
}

THsmcVoltageChoice::THsmcVoltageChoice(TBoardForm& form, const BoardDef& def, int port,
                                       Controls controls, const char* jumper)
    : form_(form), port_(port), controls_(controls), jumper_(jumper) {
    PINSMITH_ASSERT(controls_.Voltage != nullptr);
    for (TShape* shape : controls_.Jumpers) {
        PINSMITH_ASSERT(shape != nullptr);
    }
    // The lists take the port's connector type and transceiver rule; only
    // the voltage class differs.
    PINSMITH_ASSERT(port_ >= 0 && static_cast<std::size_t>(port_) < def.ports.size());
    const BoardCardPort& hsmc = def.ports[static_cast<std::size_t>(port_)];
    for (int i = 0; i < hsmcvoltage::kCount; ++i) {
        lists_[static_cast<std::size_t>(i)].BuildCardList(hsmc.listType, hsmc.allowTransceiver,
                                                          hsmcvoltage::ListVoltage(i));
    }
    {
        const QSignalBlocker block(controls_.Voltage);
        controls_.Voltage->clear();
        for (const char* item : hsmcvoltage::kItems) {
            controls_.Voltage->addItem(QString::fromLatin1(item));
        }
        controls_.Voltage->setCurrentIndex(hsmcvoltage::kDefaultIndex);
    }
    QObject::connect(controls_.Voltage, &QComboBox::currentIndexChanged, &form_,
                     [this](int index) { Change(index); });
}

void THsmcVoltageChoice::Show(std::int32_t index) {
    index = hsmcvoltage::IndexOrDefault(index);
    const QSignalBlocker block(controls_.Voltage);
    controls_.Voltage->setCurrentIndex(index);
    form_.Port(port_).List = lists_[static_cast<std::size_t>(index)];
}

std::int32_t THsmcVoltageChoice::Index() const {
    return hsmcvoltage::IndexOrDefault(controls_.Voltage->currentIndex());
}

void THsmcVoltageChoice::Change(int index) {
    if (index < 0) {
        return; // the combo is being cleared
    }
    TCardPort& port = form_.Port(port_);
    port.List = lists_[static_cast<std::size_t>(hsmcvoltage::IndexOrDefault(index))];
    port.Combo->clear();
    for (int i = 0; i < port.List.Count(); ++i) {
        port.Combo->addItem(platform::qt::Latin1(BoardName(port.List.At(i))));
    }
    port.Combo->setCurrentIndex(0);
    port.Combo->setMaxVisibleItems(std::max(1, port.List.Count()));
    form_.UpdateCardPictures();
    form_.UpdateShapes();
}

void THsmcVoltageChoice::UpdateJumperShapes() const {
    const std::int32_t shown = Index();
    for (int i = 0; i < hsmcvoltage::kCount; ++i) {
        controls_.Jumpers[static_cast<std::size_t>(i)]->setVisible(i == shown);
    }
}

void THsmcVoltageChoice::ShowJumperWarning() const {
    if (Index() == hsmcvoltage::kDefaultIndex) {
        return;
    }
    platform::WarningBox(std::string("You have changed the default voltage level of HSMC "
                                     "interface. \nPlease remember to change the ") +
                         jumper_ +
                         " accordingly.\n\nWanring:\nThe hardware could be damaged permanently "
                         "without proper setting of voltage level.");
}
