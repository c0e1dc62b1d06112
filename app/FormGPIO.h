#pragma once
// A modal dialog that picks the cards of two 40-pin GPIO headers, each with
// a prefix and a picture. An 80-pin card occupies both headers. The owner
// lends it a card list, fills both combos from it (one item per entry, in
// list order) and reads the four values back after OK.

#include "app/BoardForm.h"

#include <QDialog>

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class FormGPIO;
}

class TFormGPIO : public QDialog {
    Q_OBJECT

public:
    explicit TFormGPIO(QWidget* owner);
    ~TFormGPIO() override;

    int Gpio0Index() const { return FGpio0Index; }
    int Gpio1Index() const { return FGpio1Index; }
    std::string Gpio0Prefix() const { return FGpio0Prefix; }
    std::string Gpio1Prefix() const { return FGpio1Prefix; }
    void SetGpio0Index(int index);
    void SetGpio1Index(int index);
    void SetGpio0Prefix(const std::string& prefix);
    void SetGpio1Prefix(const std::string& prefix);

    // The list that maps combo indexes to card ids (not owned).
    void SetCardList(TCardListRef list);

    void UpdateCardPictures();
    void SyncDualHeader(QObject* sender);

    // Handlers.
    void FormShow();
    void ComboBoxGpioChange(QComboBox* sender);
    void ButtonOkClick();
    void ButtonCancelClick();

    QComboBox* ComboBoxGpio0() const;
    QComboBox* ComboBoxGpio1() const;
    QLineEdit* EditPrefixGpio0() const;
    QLineEdit* EditPrefixGpio1() const;
    QLabel* ImageGpio0() const;
    QLabel* ImageGpio1() const;
    QPushButton* OkButton() const;
    QPushButton* CancelButton() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CardId CardAt(int index) const { return FCardList.At(index); }

    std::unique_ptr<Ui::FormGPIO> ui_;
    int FGpio0Index = 0;
    int FGpio1Index = 0;
    std::string FGpio0Prefix;
    std::string FGpio1Prefix;
    TCardListRef FCardList;
};
