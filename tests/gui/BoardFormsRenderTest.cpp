// Every board form the program carries, opened in the main window and
// rendered to <PINSMITH_RENDER_DIR>/<folder word>.png for a person to look at
// (tools/render_main_window.sh), and once more with every outline shown as
// <folder word>_outlines.png; without the variable the pictures go to a
// temporary folder. Checked here: each outline lies inside its board
// picture, and the boards drawn from part tables have each outline on its
// part's rectangle.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "app/FormMain.h"
#include "app/Shape.h"
#include "boards/Boards.h"
#include "boards/UI_BoardForms.h"
#include "boards/cyclone5/GpioBoardPictures.h"
#include "boards/cyclone5/HsmcBoardPictures.h"

#include <QLabel>
#include <QPixmap>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

class BoardFormsRender : public GuiTest {
protected:
    BoardFormsRender() {
        SetBoardOfferForTests([](int) { return true; });
    }
    ~BoardFormsRender() override { SetBoardOfferForTests({}); }
};

QRect InForm(QWidget* form, QWidget* widget) {
    return QRect(widget->mapTo(form, QPoint(0, 0)), widget->size());
}

TEST_F(BoardFormsRender, EveryFormWithItsOutlinesOnItsPicture) {
    const char* target = std::getenv("PINSMITH_RENDER_DIR");
    const std::string folder = target && *target ? std::string(target) + "/" : dir.Path();
    std::map<std::string, const gpiopicture::Board*> tables = {
        {"SOLLEN_BITMAP", &gpiopicture::kBoards[0]},
        {"TAVRIN_BITMAP", &gpiopicture::kBoards[1]},
        {"WENDAL_BITMAP", &gpiopicture::kBoards[2]},
    };
    for (const gpiopicture::Board& board : hsmcpicture::kBoards) {
        tables.emplace(board.picture, &board);
    }
    TFormMain window;
    window.show();
    std::set<BoardId> listed;
    std::set<std::string> names;
    for (const BoardFormRow& row : ProgramBoardForms()) {
        EXPECT_TRUE(listed.insert(row.id).second)
            << "form of board " << static_cast<int>(row.id) << " listed twice";
        const BoardDef& def = *FindBoard(row.id);
        if (!def.writesProjects) {
            continue; // an empty form: no picture, no outlines
        }
        SCOPED_TRACE(def.folderWord);
        window.CreateBoardForm(static_cast<std::uint8_t>(row.id));
        QWidget* form = window.CurrentBoardForm();
        ASSERT_NE(form, nullptr);
        auto* picture = form->findChild<QLabel*>("ImageBoard");
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        const QRect area = InForm(form, picture);
        // A form with a picture of its voltage jumpers (Image1) below the
        // board's marks them there, and leads lines to them.
        QRect allowed = area;
        if (auto* jumpers = form->findChild<QLabel*>("Image1")) {
            allowed = allowed.united(InForm(form, jumpers));
        }
        for (TShape* shape : form->findChildren<TShape*>()) {
            EXPECT_TRUE(allowed.contains(InForm(form, shape)))
                << shape->objectName().toStdString() << " outside the picture";
        }
        const auto table = tables.find(def.selectorPicture);
        if (table != tables.end()) {
            EXPECT_EQ(picture->size(), QSize(gpiopicture::kWidth, gpiopicture::kHeight));
            EXPECT_EQ(picture->pixmap().size(), picture->size());
            int outlines = 0;
            for (const gpiopicture::Part& part : table->second->parts) {
                if (!part.outline) {
                    continue;
                }
                ++outlines;
                auto* shape = form->findChild<TShape*>(part.outline);
                ASSERT_NE(shape, nullptr) << part.outline;
                EXPECT_EQ(InForm(form, shape), QRect(area.topLeft() + QPoint(part.x, part.y),
                                                     QSize(part.width, part.height)))
                    << part.outline;
            }
            EXPECT_EQ(outlines, static_cast<int>(form->findChildren<TShape*>().size()));
        }
        // Boards that share a folder word (Zarvik, Zarvik_DDR4) are told
        // apart by their id.
        std::string name = def.folderWord;
        if (!names.insert(name).second) {
            name += "_" + std::to_string(static_cast<int>(row.id));
        }
        EXPECT_TRUE(window.grab().save(QString::fromStdString(folder + name + ".png"), "PNG"));
        // The same form with every outline shown, to see what they cover.
        if (target && *target) {
            std::vector<TShape*> hidden;
            for (TShape* shape : form->findChildren<TShape*>()) {
                if (!shape->isVisible()) {
                    hidden.push_back(shape);
                    shape->setVisible(true);
                }
            }
            EXPECT_TRUE(
                window.grab().save(QString::fromStdString(folder + name + "_outlines.png"), "PNG"));
            for (TShape* shape : hidden) {
                shape->setVisible(false);
            }
        }
    }
}

} // namespace
