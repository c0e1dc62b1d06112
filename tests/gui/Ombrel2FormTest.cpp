// Board id 17: the program's form table gives it the empty form, and its
// definition keeps no record and writes no project.

#include "GuiSupport.h"

#include "app/BoardFormFactory.h"
#include "boards/Boards.h"
#include "boards/stratix5/UI_Ombrel2.h"

#include <QWidget>

#include <memory>

namespace {

using Ombrel2FormTest = GuiTest;

TEST_F(Ombrel2FormTest, AnEmptyFormFromTheProgramTable) {
    ASSERT_TRUE(HasBoardForm(17));
    std::unique_ptr<QWidget> form(NewBoardForm(17, nullptr));
    ASSERT_NE(qobject_cast<TFormOmbrel2*>(form.get()), nullptr);
    EXPECT_EQ(form->size(), QSize(870, 640));
    EXPECT_EQ(form->windowTitle(), "FormOmbrel2");
    EXPECT_EQ(form->font().pointSize(), 8);
    EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());

    const BoardDef* def = FindBoard(17);
    ASSERT_NE(def, nullptr);
    EXPECT_FALSE(def->HasRecord());
    EXPECT_FALSE(def->writesProjects);
    EXPECT_EQ(std::string(def->selectorLine), "Ombrel II FPGA Board");
}

} // namespace
