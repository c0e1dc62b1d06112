// A Generate and a Save put the form's choices into the held record: a
// combo that takes the record's choice when its box is ticked again shows
// the pick that was generated or saved, not the one the form was opened
// with.

#include "FormHost.h"
#include "GuiSupport.h"

#include "app/ProjectWriter.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/KelmisId.h"
#include "model/MainBoard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <string>

namespace {

class GeneratedChoices : public ProgramFormsTest {};

struct PllForm {
    BoardId board;
    const char* folder; // below CodeGenerated/
    const char* combos[3];
};

TEST_F(GeneratedChoices, PllPicksAreKeptAfterGenerateAndSave) {
    int writes = 0;
    SetProjectWriterForTests([&](TMainBoard*, const std::string&, bool) {
        ++writes;
        return true;
    });
    const PllForm forms[] = {
        {MAINBOARD_KELMIS, "KELMIS", {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSME", "ComboBoxPLL_GXB"}},
        {MAINBOARD_GALDRE_X1,
         "GALDRE",
         {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB", "ComboBoxPLL_SATA"}},
    };
    for (const PllForm& f : forms) {
        SCOPED_TRACE(f.folder);
        Open(f.board);
        auto* box = Get<QCheckBox>("CheckBoxExtPLL");
        if (!box->isChecked()) {
            box->click();
        }
        const auto retick = [&] {
            box->click();
            ASSERT_FALSE(box->isChecked());
            box->click();
            ASSERT_TRUE(box->isChecked());
        };
        const auto pick = [&](int combo, const char* text) {
            QComboBox* c = Get<QComboBox>(f.combos[combo]);
            const int index = c->findText(text);
            ASSERT_GT(index, 0) << text;
            c->setCurrentIndex(index);
            emit c->activated(index);
        };
        const auto shown = [&](int combo) {
            return Get<QComboBox>(f.combos[combo])->currentText().toStdString();
        };

        pick(0, "125");
        pick(2, "250");
        const std::string name = form_->ProjectNameText();
        dialogs.QueuePath(dir.Path() + "CodeGenerated/" + f.folder + "/" + name + "/" + name +
                          ".qpf");
        const int before = writes;
        Get<QPushButton>("ButtonGen")->click();
        ASSERT_EQ(writes, before + 1) << testing::PrintToString(Messages());
        retick();
        EXPECT_EQ(shown(0), "125");
        EXPECT_EQ(shown(2), "250");

        pick(1, "150");
        dialogs.QueuePath(dir.File(std::string(f.folder) + ".cfg"));
        Get<QPushButton>("ButtonSave")->click();
        retick();
        EXPECT_EQ(shown(0), "125");
        EXPECT_EQ(shown(1), "150");
        EXPECT_EQ(shown(2), "250");
    }
}

} // namespace
