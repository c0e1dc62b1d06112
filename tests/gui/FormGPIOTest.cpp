#include "GuiSupport.h"
#include "TestBoardForm.h"

#include "app/FormGPIO.h"
#include "app/FormMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class FormGPIOTest : public GuiTest {
protected:
    FormGPIOTest() {
        list.BuildCardList(CONNECTOR_GPIO80, false, VOLTAGE_3V3);
        for (QComboBox* combo : {dialog.ComboBoxGpio0(), dialog.ComboBoxGpio1()}) {
            for (int i = 0; i < list.CardCount; ++i) {
                combo->addItem(QString::fromStdString(BoardName(MakeCardId(list.CardIds[i]))));
            }
        }
        dialog.SetCardList(list);
    }

    int Index(CardId card) const {
        for (int i = 0; i < list.CardCount; ++i) {
            if (list.CardIds[i] == CardNumber(card)) {
                return i;
            }
        }
        return -1;
    }
    void Pick(QComboBox* combo, CardId card) {
        combo->setCurrentIndex(Index(card));
        emit combo->activated(combo->currentIndex());
    }

    TConfigBase<TEST_BOARD_CONFIG> list;
    TFormGPIO dialog{nullptr};
};

TEST_F(FormGPIOTest, AFreshDialogShowsAStoredEightyPinCardOnBothHeaders) {
    EXPECT_EQ(dialog.Gpio0Index(), 0);
    EXPECT_EQ(dialog.Gpio1Prefix(), "");
    dialog.SetGpio0Index(Index(CARD_OSTEL_GPIO));
    dialog.SetGpio1Index(Index(CARD_OSTEL_GPIO));
    dialog.SetGpio0Prefix("P_");
    dialog.SetGpio1Prefix("P_");
    dialog.show();
    EXPECT_EQ(dialog.ComboBoxGpio0()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.ComboBoxGpio1()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.EditPrefixGpio1()->text(), "P_");
    EXPECT_TRUE(dialog.ComboBoxGpio0()->isEnabled());
    EXPECT_FALSE(dialog.ComboBoxGpio1()->isEnabled());
    EXPECT_FALSE(dialog.EditPrefixGpio1()->isEnabled());
    // Showing refreshes no picture: none before the first card change.
    EXPECT_TRUE(dialog.ImageGpio0()->isHidden());
    EXPECT_TRUE(dialog.ImageGpio1()->isHidden());
}

TEST_F(FormGPIOTest, PairingFollowsThePickedCards) {
    dialog.show();
    EXPECT_TRUE(dialog.ImageGpio0()->isHidden());
    dialog.EditPrefixGpio0()->setText("CAM_");
    Pick(dialog.ComboBoxGpio0(), CARD_OSTEL_GPIO);
    EXPECT_EQ(dialog.ComboBoxGpio1()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.EditPrefixGpio1()->text(), "CAM_");
    EXPECT_FALSE(dialog.ComboBoxGpio1()->isEnabled());
    EXPECT_FALSE(dialog.ImageGpio1()->isHidden());

    Pick(dialog.ComboBoxGpio0(), CARD_FYRN);
    EXPECT_TRUE(dialog.ComboBoxGpio1()->isEnabled());
    EXPECT_TRUE(dialog.EditPrefixGpio1()->isEnabled());
    EXPECT_EQ(dialog.ComboBoxGpio1()->currentIndex(), 0);
    EXPECT_EQ(dialog.EditPrefixGpio1()->text(), "");
    EXPECT_TRUE(dialog.ImageGpio1()->isHidden());

    Pick(dialog.ComboBoxGpio1(), CARD_TAMBRY);
    dialog.EditPrefixGpio1()->setText("T_");
    Pick(dialog.ComboBoxGpio0(), CARD_GPIO_DEFAULT);
    EXPECT_EQ(dialog.ComboBoxGpio1()->currentIndex(), Index(CARD_TAMBRY));
    EXPECT_EQ(dialog.EditPrefixGpio1()->text(), "T_");

    // Picked on GPIO-1, the card goes to GPIO-0 with GPIO-1's prefix.
    Pick(dialog.ComboBoxGpio1(), CARD_OSTEL_GPIO);
    EXPECT_EQ(dialog.ComboBoxGpio0()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.EditPrefixGpio0()->text(), "T_");
    EXPECT_FALSE(dialog.ComboBoxGpio0()->isEnabled());
}

TEST_F(FormGPIOTest, OkHandsBackTheChoiceCancelDropsIt) {
    WhenModalShows([&](QWidget*) {
        dialog.EditPrefixGpio0()->setText("X_");
        Pick(dialog.ComboBoxGpio0(), CARD_OSTEL_GPIO);
        dialog.OkButton()->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Gpio0Index(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.Gpio1Index(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.Gpio0Prefix(), "X_");
    EXPECT_EQ(dialog.Gpio1Prefix(), "X_");

    // Shown again after that OK: one header stays changeable.
    bool gpio0Enabled = false;
    bool gpio1Enabled = true;
    WhenModalShows([&](QWidget*) {
        gpio0Enabled = dialog.ComboBoxGpio0()->isEnabled();
        gpio1Enabled = dialog.ComboBoxGpio1()->isEnabled();
        Pick(dialog.ComboBoxGpio0(), CARD_FYRN);
        dialog.CancelButton()->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(gpio0Enabled);
    EXPECT_FALSE(gpio1Enabled);
    EXPECT_EQ(dialog.Gpio0Index(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.Gpio0Prefix(), "X_");

    // The next showing puts the stored choice back; the pictures still show
    // the cancelled choice until a card changes.
    dialog.show();
    EXPECT_EQ(dialog.ComboBoxGpio0()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_EQ(dialog.ComboBoxGpio1()->currentIndex(), Index(CARD_OSTEL_GPIO));
    EXPECT_TRUE(dialog.ImageGpio1()->isHidden());
    QLabel fyrn;
    TFormMain::ShowCardPicture(&fyrn, CARD_FYRN);
    EXPECT_EQ(dialog.ImageGpio0()->pixmap().toImage(), fyrn.pixmap().toImage());
    Pick(dialog.ComboBoxGpio0(), CARD_TAMBRY);
    EXPECT_NE(dialog.ImageGpio0()->pixmap().toImage(), fyrn.pixmap().toImage());
}

} // namespace
