// How the board forms look, checked on every form the program carries: the
// outlines' pen widths as each layout gives them, card pictures shown whole,
// the Board Type combo at the head of the Tab order, no empty band in
// Fennik's Expansion group, and logos that take the colour of what they
// stand on.

#include "GuiSupport.h"

#include "app/BoardForm.h"
#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/BoardPicture.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/stratix3/FennikId.h"
#include "platform/qt/Pictures.h"
#include "support/BoardFacts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class FormLooks : public GuiTest {
protected:
    FormLooks() {
        SetBoardOfferForTests([](int) { return true; });
        window_.show();
    }
    ~FormLooks() override { SetBoardOfferForTests({}); }

    QWidget* Open(BoardId id) {
        window_.CreateBoardForm(static_cast<std::uint8_t>(id));
        return window_.CurrentBoardForm();
    }

    TFormMain window_;
};

// Pen widths of the outlines, solid and dotted, as the boards' layouts give
// them (0: the board has no dotted outline).
TEST_F(FormLooks, OutlinesAsWideAsTheLayoutSays) {
    int checked = 0;
    for (const facts::BoardFacts* f : facts::AllFacts()) {
        const facts::OutlinePens c = f->outlinePens;
        if (c.solid == 0) {
            continue;
        }
        ++checked;
        SCOPED_TRACE(static_cast<int>(f->board));
        QWidget* form = Open(f->board);
        ASSERT_NE(form, nullptr);
        const QList<TShape*> shapes = form->findChildren<TShape*>();
        ASSERT_FALSE(shapes.isEmpty());
        bool sawDotted = false;
        for (const TShape* shape : shapes) {
            sawDotted = sawDotted || shape->dotted();
            EXPECT_EQ(shape->penWidth(), shape->dotted() ? c.dotted : c.solid)
                << shape->objectName().toStdString();
        }
        EXPECT_EQ(sawDotted, c.dotted != 0);
    }
    EXPECT_GT(checked, 0);
}

// Every port's card picture has room for the whole 80 x 80 picture.
TEST_F(FormLooks, CardPicturesShownWhole) {
    for (const BoardFormRow& row : ProgramBoardForms()) {
        auto* form = dynamic_cast<TBoardForm*>(Open(row.id));
        if (!form) {
            continue;
        }
        SCOPED_TRACE(form->FolderWord());
        for (int i = 0; i < form->PortCount(); ++i) {
            if (const QLabel* image = form->Port(i).Image) {
                EXPECT_GE(image->width(), 80) << image->objectName().toStdString();
                EXPECT_GE(image->height(), 80) << image->objectName().toStdString();
            }
        }
    }
}

// Where a form has a Board Type combo, Tab starts the System Configuration
// group there and walks the whole group before it leaves it.
TEST_F(FormLooks, BoardTypeComboHeadsTheTabOrder) {
    int withCombo = 0;
    for (const BoardFormRow& row : ProgramBoardForms()) {
        QWidget* form = Open(row.id);
        auto* combo = form ? form->findChild<QComboBox*>("ComboBoxBoard") : nullptr;
        if (!combo) {
            continue;
        }
        ++withCombo;
        const auto* group = qobject_cast<QGroupBox*>(combo->parentWidget());
        ASSERT_NE(group, nullptr);
        SCOPED_TRACE(group->title().toStdString());
        const auto takesTab = [&](QWidget* w) {
            return form->isAncestorOf(w) && w->isVisibleTo(form) && w->isEnabled() &&
                   (w->focusPolicy() & Qt::TabFocus);
        };
        // The widget Tab reaches before the combo lies outside the group.
        QWidget* before = combo->previousInFocusChain();
        while (!takesTab(before)) {
            before = before->previousInFocusChain();
        }
        EXPECT_FALSE(group->isAncestorOf(before)) << before->objectName().toStdString();
        // From the combo on, every input of the group comes before any
        // widget outside it.
        std::vector<QWidget*> inGroup;
        for (QWidget* w : group->findChildren<QWidget*>()) {
            if (takesTab(w)) {
                inGroup.push_back(w);
            }
        }
        std::size_t seen = 0;
        for (QWidget* w = combo; seen < inGroup.size(); w = w->nextInFocusChain()) {
            if (!takesTab(w)) {
                continue;
            }
            ASSERT_TRUE(group->isAncestorOf(w)) << w->objectName().toStdString();
            ++seen;
        }
    }
    EXPECT_GE(withCombo, 6); // Fennik, Galdre_X1, Galdre_X2, Kelmis, Zarvik, Calvet
}

// Without GPIO Header the Kirrel rows take the GPIO-0 row's band, and the
// group ends as far below its last row in both modes.
TEST_F(FormLooks, FennikExpansionGroupHasNoEmptyBand) {
    QWidget* form = Open(MAINBOARD_FENNIK);
    auto* group = form->findChild<QGroupBox*>("GroupExpansion");
    auto* gpio = form->findChild<QCheckBox*>("CheckBoxGPIO");
    ASSERT_NE(group, nullptr);
    ASSERT_NE(gpio, nullptr);
    const auto rows = [&] {
        int top = group->height();
        int bottom = 0;
        for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisibleTo(group) && !qobject_cast<QLabel*>(w)) {
                top = std::min(top, w->y());
                bottom = std::max(bottom, w->geometry().bottom());
            }
        }
        return std::pair{top, group->height() - bottom};
    };
    gpio->setChecked(true);
    const auto withGpio = rows();
    gpio->setChecked(false);
    EXPECT_EQ(rows(), withGpio);
    EXPECT_EQ(form->findChild<QLabel*>("LabelKIRREL_A")->y(),
              form->findChild<QLabel*>("LabelGPIO")->y());
    gpio->setChecked(true);
    EXPECT_EQ(rows(), withGpio);
}

// The maker's wordmark and the family badges have a clear ground, so a
// silver panel shows around them (Galdre_X2) as the form's colour does.
TEST_F(FormLooks, LogosHaveAClearGround) {
    std::vector<std::string> logos = {kMakerLogoPicture};
    for (const BoardPicture* picture : BoardPictures()) {
        logos.push_back(picture->badge);
    }
    for (const std::string& name : logos) {
        const QImage image = platform::qt::LoadPictureImage(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_TRUE(image.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0) << name;
    }
}

} // namespace
