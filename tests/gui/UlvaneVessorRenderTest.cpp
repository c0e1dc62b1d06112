// Renders the main window with the Ulvane and with the Vessor form to PNG
// files for a person to look at (tools/render_main_window.sh); it checks
// nothing about the pixels. PINSMITH_RENDER_PNG names the file of the
// Ilmarch form; these go next to it as <name>_ulvane.png and
// <name>_vessor.png, with HPS ticked and a card on each header. Without the
// variable the pictures go to a temporary folder and are thrown away.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPixmap>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class UlvaneVessorRender : public GuiTest {};

void Pick(QWidget* form, const char* name, int index) {
    auto* combo = form->findChild<QComboBox*>(name);
    ASSERT_NE(combo, nullptr) << name;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST_F(UlvaneVessorRender, MainWindowToPng) {
    const char* target = std::getenv("PINSMITH_RENDER_PNG");
    const std::filesystem::path path(target && *target ? target : dir.File("main_window.png"));
    SetBoardOfferForTests([](int id) { return id == 37 || id == 23 || id == 24; });
    for (const auto& [id, word] : {std::pair{23, "ulvane"}, std::pair{24, "vessor"}}) {
        TFormMain window;
        window.show();
        window.CreateBoardForm(static_cast<std::uint8_t>(id));
        QWidget* form = window.CurrentBoardForm();
        ASSERT_NE(form, nullptr);
        form->findChild<QCheckBox*>("CheckBoxHPS")->click(); // off by default
        Pick(form, "ComboBoxGpio0", 1);
        Pick(form, "ComboBoxGpio1", 3);
        const std::string file =
            (path.parent_path() / (path.stem().string() + "_" + word + ".png")).string();
        QPixmap shot = window.grab();
        EXPECT_EQ(shot.size(), QSize(798, 519));
        EXPECT_TRUE(shot.save(QString::fromStdString(file), "PNG"));
    }
    SetBoardOfferForTests({});
}

} // namespace
