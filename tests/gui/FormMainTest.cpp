#include "GuiSupport.h"
#include "TestBoardForm.h"

#include "app/BoardFormFactory.h"
#include "app/FormBoardSelector.h"
#include "app/FormMain.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "platform/qt/IniFile.h"
#include "platform/qt/Pictures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

class FormMainTest : public GuiTest {
protected:
    FormMainTest() {
        SetBoardFormsForTests([this](int id, QWidget* owner) {
            ++created;
            lastId = id;
            return new TTestBoardForm(owner);
        });
        SetBoardOfferForTests([](int id) { return id == 37; });
    }
    ~FormMainTest() override {
        SetBoardFormsForTests({});
        SetBoardOfferForTests({});
    }

    std::string Ini() {
        std::string text;
        platform::ReadWholeFile(platform::qt::IniFilePath(), text);
        return text;
    }

    int created = 0;
    int lastId = 0;
};

TEST_F(FormMainTest, StartsWithBoard37AndWritesTheIniOnExit) {
    EXPECT_EQ(platform::qt::IniFilePath(),
              dir.Path() + platform::ChangeFileExt(platform::ProgramFileName(), ".INI"));
    {
        TFormMain main;
        EXPECT_EQ(FormMain, &main);
        EXPECT_EQ(main.BoardId, 37);
        EXPECT_EQ(lastId, 37);
        ASSERT_NE(main.CurrentBoardForm(), nullptr);
        EXPECT_EQ(main.CurrentBoardForm()->parentWidget(), &main);
        EXPECT_EQ(main.CurrentBoardForm()->pos(), QPoint(0, 0));
        // An 804 x 501 board form on a 1920 x 1080 screen.
        EXPECT_EQ(main.size(), QSize(804, 501));
        EXPECT_EQ(main.pos(), QPoint(558, 289));
        // A fixed dialog border: a close box, nothing to minimise or maximise.
        EXPECT_TRUE(main.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(main.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(platform::FileExists(platform::qt::IniFilePath()));
    }
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(Ini(), "[Pinsmith]\r\nMainBoard=37\r\n");
}

TEST_F(FormMainTest, TheIniValueIsReplacedByTheBuildsBoard) {
    const std::string before = "[Other]\r\nKey=1\r\n[Pinsmith]\r\nMainBoard=5\r\n";
    ASSERT_TRUE(platform::WriteWholeFile(platform::qt::IniFilePath(), before).opened);
    {
        TFormMain main;
        EXPECT_EQ(main.BoardId, 37);
    }
    EXPECT_EQ(Ini(), "[Other]\r\nKey=1\r\n[Pinsmith]\r\nMainBoard=37\r\n");
}

TEST_F(FormMainTest, AStartAndExitLeaveAnUnchangedIniByteEqual) {
    // With or without a UTF-8 byte-order mark: the INI is read through it,
    // and a start and Exit with nothing changed leave the file as it was;
    // where the key changes, the mark stays in front of the first line.
    const std::string bom = "\xEF\xBB\xBF";
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"[Pinsmith]\r\nMainBoard=37\r\n", "[Pinsmith]\r\nMainBoard=37\r\n"},
        {bom + "[Pinsmith]\r\nMainBoard=37\r\n", bom + "[Pinsmith]\r\nMainBoard=37\r\n"},
        {bom + "[Pinsmith]\nMainBoard=37", bom + "[Pinsmith]\nMainBoard=37"},
        {bom + "[Other]\r\nKey=1\r\n[Pinsmith]\r\nMainBoard=37\r\n",
         bom + "[Other]\r\nKey=1\r\n[Pinsmith]\r\nMainBoard=37\r\n"},
        {bom + "[Pinsmith]\r\nMainBoard=5\r\n", bom + "[Pinsmith]\r\nMainBoard=37\r\n"},
        {bom + "[Other]\r\nKey=1\r\n", bom + "[Other]\r\nKey=1\r\n[Pinsmith]\r\nMainBoard=37\r\n"},
        {bom, bom + "[Pinsmith]\r\nMainBoard=37\r\n"},
    };
    const std::string path = platform::qt::IniFilePath();
    for (const Case& c : cases) {
        ASSERT_TRUE(platform::WriteWholeFile(path, c.before).Complete(c.before.size()));
        const int expected = c.before.find("MainBoard=5") != std::string::npos ? 5
                             : c.before.find("MainBoard") != std::string::npos ? 37
                                                                               : -1;
        EXPECT_EQ(platform::qt::ReadIniInteger(path, "Pinsmith", "MainBoard", -1), expected)
            << c.before;
        {
            TFormMain main;
            EXPECT_EQ(main.BoardId, 37);
        }
        EXPECT_EQ(Ini(), c.after) << c.before;
    }
}

TEST_F(FormMainTest, AHugeIniOpensAtOnceAndIsLeftAsItWas) {
    // 100 MB of line breaks: no INI of this program. The window opens at
    // once and Exit leaves the file untouched.
    const std::string path = platform::qt::IniFilePath();
    const std::size_t size = 100u << 20;
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string chunk(1 << 20, '\n');
        for (std::size_t done = 0; done < size; done += chunk.size()) {
            ASSERT_EQ(std::fwrite(chunk.data(), 1, chunk.size(), file), chunk.size());
        }
        std::fclose(file);
    }
    const auto modified = std::filesystem::last_write_time(path);
    const auto start = std::chrono::steady_clock::now();
    {
        TFormMain main;
        EXPECT_EQ(main.BoardId, 37);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(std::filesystem::file_size(path), size);
    EXPECT_EQ(std::filesystem::last_write_time(path), modified);
    std::filesystem::remove(path);
}

TEST_F(FormMainTest, CentringTruncatesTowardZero) {
    EXPECT_EQ(platform::qt::CentredOffset(1920, 804), 558);
    EXPECT_EQ(platform::qt::CentredOffset(1080, 501), 289);
    EXPECT_EQ(platform::qt::CentredOffset(800, 803), -1);
    EXPECT_EQ(platform::qt::CentredOffset(800, 805), -2);
}

TEST_F(FormMainTest, WithoutAnOfferedStartBoardTheSelectorCannotBeCancelled) {
    SetBoardOfferForTests([](int id) { return id == 21 || id == 25; });
    bool cancelEnabled = true;
    bool stillOpenAfterEscape = false;
    int preselected = -1;
    QPoint placed;
    QSize size;
    WhenModalShows([&](QWidget* modal) {
        auto* selector = qobject_cast<TFormBoardSelector*>(modal);
        ASSERT_NE(selector, nullptr);
        placed = selector->pos();
        size = selector->size();
        cancelEnabled = selector->CancelButton()->isEnabled();
        preselected = selector->GetSelectedBoardId();
        selector->reject();
        stillOpenAfterEscape = selector->isVisible();
        selector->BoardList()->setCurrentRow(1);
        selector->OkButton()->click();
    });
    {
        TFormMain main;
        EXPECT_FALSE(cancelEnabled);
        EXPECT_TRUE(stillOpenAfterEscape);
        // No board form yet: the 770 x 342 selector is centred on the
        // 1920 x 1080 screen, not on the unplaced main window.
        EXPECT_EQ(size, QSize(770, 342));
        EXPECT_EQ(placed, QPoint(575, 369));
        EXPECT_EQ(preselected, 21); // 31 is not listed: line 0 stays
        EXPECT_EQ(main.BoardId, 25);
        EXPECT_EQ(lastId, 25);
    }
    EXPECT_EQ(Ini(), "[Pinsmith]\r\nMainBoard=25\r\n");
}

TEST_F(FormMainTest, ChangeMainBoardIsHandledAfterTheClickReturns) {
    TFormMain main;
    auto* form = static_cast<TTestBoardForm*>(main.CurrentBoardForm());
    int shown = 0;
    QPoint placed;
    WhenModalShows([&](QWidget* modal) {
        ++shown;
        placed = modal->pos();
        static_cast<TFormBoardSelector*>(modal)->CancelButton()->click();
    });
    form->ButtonMainBoardSelect->click();
    EXPECT_EQ(shown, 0); // posted, not sent
    QCoreApplication::sendPostedEvents(&main);
    EXPECT_EQ(shown, 1);
    // Over a board form the selector is centred on the main window.
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(placed, QPoint(frame.x() + (frame.width() - 770) / 2,
                             frame.y() + (frame.height() - 342) / 2));
    EXPECT_EQ(main.CurrentBoardForm(), form); // cancelled: same form

    // OK on the current board gives a fresh form with its settings loaded
    // afresh.
    form->EditProjectName->setText("Unsaved");
    WhenModalShows(
        [&](QWidget* modal) { static_cast<TFormBoardSelector*>(modal)->OkButton()->click(); });
    form->ButtonMainBoardSelect->click();
    QCoreApplication::sendPostedEvents(&main);
    EXPECT_EQ(created, 2);
    auto* fresh = static_cast<TTestBoardForm*>(main.CurrentBoardForm());
    EXPECT_EQ(fresh->EditProjectName->text(), "TESTBOARD");
    EXPECT_EQ(main.BoardId, 37);
}

TEST_F(FormMainTest, ExitAndTheCloseBoxBothStoreTheBoardSettings) {
    {
        TFormMain main;
        main.show();
        auto* form = static_cast<TTestBoardForm*>(main.CurrentBoardForm());
        form->EditProjectName->setText("ByExit");
        form->ButtonExit->click();
        EXPECT_FALSE(main.isVisible());
    }
    {
        TFormMain main;
        main.show();
        auto* form = static_cast<TTestBoardForm*>(main.CurrentBoardForm());
        EXPECT_EQ(form->EditProjectName->text(), "ByExit");
        form->EditProjectName->setText("ByCloseBox");
        main.close();
    }
    TFormMain main;
    EXPECT_EQ(static_cast<TTestBoardForm*>(main.CurrentBoardForm())->EditProjectName->text(),
              "ByCloseBox");
}

TEST_F(FormMainTest, CardPictures) {
    QLabel image;
    image.resize(80, 80);
    TFormMain::ShowCardPicture(&image, CARD_NONE);
    EXPECT_TRUE(image.isHidden());
    TFormMain::ShowCardPicture(&image, CARD_KAPPEL);
    EXPECT_FALSE(image.isHidden());
    EXPECT_EQ(image.size(), QSize(80, 80));
    const QImage kappel = image.pixmap().toImage();
    TFormMain::ShowCardPicture(&image, CARD_GLENT_FMC);
    EXPECT_EQ(image.pixmap().toImage(), kappel);
    EXPECT_EQ(TFormMain::CardPictureName(CARD_KAPPEL), "GLENT_FMC_80_BITMAP");
    EXPECT_EQ(TFormMain::CardPictureName(CARD_ORRIN_NATIVE), "ORRIN_80_BITMAP");
    EXPECT_EQ(TFormMain::CardPictureName(CARD_NONE), "");
}

TEST(Pictures, EveryCardAndBoardPictureIsCarried) {
    for (int id = 1; id <= 94; ++id) {
        if (id == 9 || id == 38 || id == 39 || id == 75 || id == 85) {
            continue; // no picture name
        }
        const std::string name = TFormMain::CardPictureName(MakeCardId(id));
        EXPECT_EQ(platform::qt::LoadPictureImage(name).size(), QSize(80, 80)) << name;
    }
    for (int id = 0; id <= 101; ++id) {
        std::string line;
        std::string picture;
        if (TFormBoardSelector::BoardEntry(id, line, picture)) {
            EXPECT_FALSE(platform::qt::LoadPictureImage(picture).isNull()) << picture;
        }
    }
    // The one JPEG among them, decoded by libjpeg; names ignore case.
    const auto jpeg = platform::FindResource("gpio_80_bitmap");
    ASSERT_TRUE(jpeg);
    ASSERT_GE(jpeg->size(), 3u);
    EXPECT_EQ((*jpeg)[0], 0xFF);
    EXPECT_EQ((*jpeg)[1], 0xD8);
    EXPECT_EQ(platform::qt::DecodeJpeg(*jpeg).size(), QSize(80, 80));
}

// ---------------------------------------------------------------------------
// The board selector

class SelectorTest : public FormMainTest {
protected:
    // Every board of the table offered.
    static void OfferEveryBoard() {
        SetBoardOfferForTests([](int id) {
            std::string line;
            std::string picture;
            return TFormBoardSelector::BoardEntry(id, line, picture);
        });
    }
};

TEST_F(SelectorTest, ThisBuildListsIlmarchAlone) {
    SetBoardOfferForTests({}); // the build's own offer
    TFormBoardSelector selector(nullptr);
    ASSERT_EQ(selector.Count(), 1);
    EXPECT_EQ(selector.BoardList()->item(0)->text(), "Ilmarch FPGA Board");
    EXPECT_EQ(selector.BoardList()->currentRow(), 0);
    EXPECT_EQ(selector.PictureNames[0], "ILMARCH_BITMAP");
    const QSize picture = selector.PictureLabel()->pixmap().size();
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(selector.PictureLabel()->size(), picture);
    EXPECT_EQ(selector.PictureLabel()->pos(),
              QPoint((417 - picture.width()) / 2, (320 - picture.height()) / 2));
    selector.SelectBoard(31);
    EXPECT_EQ(selector.GetSelectedBoardId(), 37);
}

TEST_F(SelectorTest, EveryBoardOffered) {
    OfferEveryBoard();
    TFormBoardSelector selector(nullptr);
    ASSERT_EQ(selector.Count(), 39);
    for (int i = 1; i < selector.Count(); ++i) {
        EXPECT_LT(selector.BoardIds[static_cast<std::size_t>(i - 1)],
                  selector.BoardIds[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(selector.BoardIds.front(), 1);
    EXPECT_EQ(selector.BoardIds.back(), 101);
    const auto pick = [&](const char* line) {
        const auto items = selector.BoardList()->findItems(line, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << line;
        selector.BoardList()->setCurrentItem(items.value(0));
        return selector.GetSelectedBoardId();
    };
    EXPECT_EQ(pick("Nolvar FPGA Board"), 15);
    EXPECT_EQ(selector.PictureNames[14], "KELMIS_400_BITMAP");
    EXPECT_EQ(pick("Kelvane"), 100);
    selector.SelectBoard(34);
    EXPECT_EQ(selector.BoardList()->currentItem()->text(), "Falmor Board");
    // Every board's picture is carried and centred in the panel.
    for (int i = 0; i < selector.Count(); ++i) {
        selector.BoardList()->setCurrentRow(i);
        const QSize picture = selector.PictureLabel()->pixmap().size();
        EXPECT_FALSE(picture.isEmpty()) << selector.PictureNames[static_cast<std::size_t>(i)];
        EXPECT_EQ(selector.PictureLabel()->pos(),
                  QPoint((417 - picture.width()) / 2, (320 - picture.height()) / 2));
    }
}

TEST_F(SelectorTest, DoubleClickChoosesTheLine) {
    OfferEveryBoard();
    TFormBoardSelector selector(nullptr);
    WhenModalShows([&](QWidget*) {
        QListWidgetItem* item = selector.BoardList()->item(3);
        selector.BoardList()->setCurrentItem(item);
        emit selector.BoardList()->itemDoubleClicked(item);
    });
    EXPECT_EQ(selector.exec(), QDialog::Accepted);
    EXPECT_EQ(selector.GetSelectedBoardId(), 4);
}

} // namespace
