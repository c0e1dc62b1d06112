#pragma once
// A small board form for the framework's tests: two peripheral groups, two
// 40-pin GPIO headers that pair for an 80-pin card, and one HSMC port with a
// card list of its own. Its controls are made in code.

#include "app/BoardForm.h"
#include "boards/cyclone5/IlmarchId.h"
#include "settings/ConfigBase.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TShape;

struct TEST_BOARD_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3];
    std::int32_t Size;
    char ProjectName[128];
    std::uint8_t OSC;
    std::uint8_t LED;
    std::uint8_t Cards[3]; // GPIO-0, GPIO-1, HSMC-A
    char Prefix[3][128];
    std::uint8_t Align2[3];

    static constexpr ::BoardId kBoardId = MAINBOARD_ILMARCH;
    static constexpr std::int32_t kSize = 528;
    // The test board's definition (TTestBoardForm::TestDefinition).
    static const BoardDef& Definition();
};
static_assert(sizeof(TEST_BOARD_CONFIG) == 528);
static_assert(offsetof(TEST_BOARD_CONFIG, OSC) == 136);
static_assert(offsetof(TEST_BOARD_CONFIG, Cards) == 138);
static_assert(offsetof(TEST_BOARD_CONFIG, Prefix) == 141);

class TTestBoardForm : public TBoardFormOf<TConfigBase<TEST_BOARD_CONFIG>> {
public:
    // beforeBinding may change the made controls before the form binds
    // them (the naming tests).
    explicit TTestBoardForm(QWidget* owner,
                            const std::function<void(TTestBoardForm&)>& beforeBinding = {});

    QLineEdit* EditProjectName;
    QCheckBox* CheckBoxOSC;
    QCheckBox* CheckBoxLED;
    TShape* ShapeOSC;
    TShape* ShapeLED;
    TShape* ShapeGpio[2];
    QComboBox* ComboBox[3];
    QLineEdit* EditPrefix[3];
    QLabel* Image[3];
    QPushButton* ButtonSave;
    QPushButton* ButtonLoad;
    QPushButton* ButtonGen;
    QPushButton* ButtonExit;
    QPushButton* ButtonMainBoardSelect;
    QPushButton* ButtonDefaultSetting;

    TConfigBase<TEST_BOARD_CONFIG> HsmcList;
    int SuccessHooks = 0;
    // The questions before Generate: how often they were asked, and the
    // answer.
    int Questions = 0;
    bool GoOn = true;

    // The LED box stands for an HPS box.
    void UseLedAsHpsBox() { SetHpsCheckBox(CheckBoxLED); }

    // Picks a card as the user would (the activated signal).
    void Pick(int port, int card);

    // The test board's definition: defaults with LED off, and a filler that
    // makes the expansion connectors of the chosen cards.
    static const BoardDef& TestDefinition();

protected:
    void AfterGenerateSuccess() override { ++SuccessHooks; }
    bool ConfirmGenerate() override {
        ++Questions;
        return GoOn;
    }
};
