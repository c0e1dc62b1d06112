// Renders the main window with the Ilmarch form to PNG files for a person to
// look at (tools/render_main_window.sh); it checks nothing about the pixels.
// PINSMITH_RENDER_PNG names the file of the first-start state; a second file
// next to it (<name>_cards.png) shows cards on both headers at 2.5 V. Without
// the variable the pictures go to a temporary folder and are thrown away.

#include "GuiSupport.h"

#include "app/FormMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class IlmarchRender : public GuiTest {};

void Pick(QWidget* form, const char* name, int index) {
    auto* combo = form->findChild<QComboBox*>(name);
    ASSERT_NE(combo, nullptr) << name;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST_F(IlmarchRender, MainWindowToPng) {
    const char* target = std::getenv("PINSMITH_RENDER_PNG");
    const std::string first = target && *target ? target : dir.File("main_window.png");
    const std::filesystem::path path(first);
    const std::string second =
        (path.parent_path() / (path.stem().string() + "_cards.png")).string();

    TFormMain window;
    window.show();
    QWidget* form = window.CurrentBoardForm();
    ASSERT_NE(form, nullptr);
    QPixmap shot = window.grab();
    EXPECT_EQ(shot.size(), QSize(804, 501));
    EXPECT_TRUE(shot.save(QString::fromStdString(first), "PNG"));

    Pick(form, "ComboBoxGpioVol", 1);
    form->findChild<QLineEdit*>("EditPrefixGpio_1")->setText("B_");
    Pick(form, "ComboBoxGpio_0", 1);
    Pick(form, "ComboBoxGpio_1", 1);
    EXPECT_TRUE(window.grab().save(QString::fromStdString(second), "PNG"));
}

} // namespace
