#include "GuiSupport.h"

#include "platform/Files.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/IniFile.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtUi.h"

#include <QBuffer>
#include <QFileDialog>
#include <QRegularExpression>

#include <cstdio>
#include <filesystem>
#include <vector>

#include <jpeglib.h>
#include <sys/stat.h>

namespace {

class IniTest : public GuiTest {
protected:
    std::string path() const { return dir.File("p.INI"); }
    void Put(const std::string& text) {
        ASSERT_TRUE(platform::WriteWholeFile(path(), text).opened);
    }
    std::string Get() const {
        std::string text;
        platform::ReadWholeFile(path(), text);
        return text;
    }
};

TEST_F(IniTest, WritesTheStandardTextForm) {
    ASSERT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
    EXPECT_EQ(Get(), "[Pinsmith]\r\nMainBoard=37\r\n");
    EXPECT_EQ(platform::qt::ReadIniInteger(path(), "Pinsmith", "MainBoard", 0), 37);
    ASSERT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", -1));
    EXPECT_EQ(Get(), "[Pinsmith]\r\nMainBoard=-1\r\n");
}

TEST_F(IniTest, ChangesOnlyItsOwnKey) {
    // Every other byte stays as it was, line ends included; a line the
    // program adds takes the file's own line end.
    struct Case {
        const char* before;
        const char* after;
    };
    for (const Case& c : std::vector<Case>{
             {"; note\n[a]\nx=1\n\n[PINSMITH]\nother=2\nmainboard=5\n[b]\ny=3\n",
              "; note\n[a]\nx=1\n\n[PINSMITH]\nother=2\nMainBoard=37\n[b]\ny=3\n"},
             {"[Pinsmith]\r\nother=2\r\n\r\n[b]\r\n",
              "[Pinsmith]\r\nother=2\r\nMainBoard=37\r\n\r\n[b]\r\n"},
             {"[a]\rx=1\r", "[a]\rx=1\r[Pinsmith]\rMainBoard=37\r"},
             {"[a]\nx=1", "[a]\nx=1\n[Pinsmith]\nMainBoard=37\n"},
             {"[Pinsmith]\nMainBoard=5", "[Pinsmith]\nMainBoard=37"},
             {"[Pinsmith]", "[Pinsmith]\r\nMainBoard=37\r\n"},
             {"x=1\r\n[Pinsmith]\nMainBoard=5\r\n\n", "x=1\r\n[Pinsmith]\nMainBoard=37\r\n\n"},
             {"", "[Pinsmith]\r\nMainBoard=37\r\n"},
         }) {
        Put(c.before);
        ASSERT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
        EXPECT_EQ(Get(), c.after) << c.before;
    }
}

TEST_F(IniTest, SizesAndModes) {
    // A file that is no INI of this program's size holds no board id and is
    // left as it is; so is one that exists but cannot be read. Only a file
    // that can be read may be changed, and only a missing one is created.
    const std::string key = "[Pinsmith]\r\nMainBoard=12\r\n";
    const std::size_t limit = 64 * 1024;
    struct Case {
        const char* what;
        std::string text;
        mode_t mode;
        bool unreadable;
        int read;     // ReadIniInteger with fallback -9
        bool changed; // WriteIniInteger replaced the file
    };
    const std::vector<Case> cases = {
        {"small", key, 0644, false, 12, true},
        {"exactly 64 KiB", key + std::string(limit - key.size(), '\n'), 0644, false, 12, true},
        {"one byte more", key + std::string(limit - key.size() + 1, '\n'), 0644, false, -9, false},
        {"line breaks, 1 MB", std::string(1 << 20, '\n') + key, 0644, false, -9, false},
        {"write-only", key, 0200, true, -9, false},
        {"no permission at all", key, 0000, true, -9, false},
        {"read-only", key, 0444, false, 12, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path());
        Put(c.text);
        ::chmod(path().c_str(), c.mode);
        // Root reads whatever the mode says: the seam plays the other users.
        platform::testing::SetFileUnreadable(path(), c.unreadable);
        EXPECT_EQ(platform::qt::ReadIniInteger(path(), "Pinsmith", "MainBoard", -9), c.read)
            << c.what;
        EXPECT_EQ(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37), c.changed)
            << c.what;
        platform::testing::UnlockAllFolders();
        ::chmod(path().c_str(), 0644);
        const std::string after = Get();
        if (c.changed) {
            EXPECT_EQ(after.substr(0, 26), "[Pinsmith]\r\nMainBoard=37\r\n") << c.what;
            EXPECT_EQ(after.size(), c.text.size()) << c.what;
        } else {
            EXPECT_EQ(after, c.text) << c.what;
        }
    }
    // A missing file is created; writing the value it holds changes nothing.
    std::filesystem::remove(path());
    ASSERT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
    EXPECT_EQ(Get(), "[Pinsmith]\r\nMainBoard=37\r\n");
    EXPECT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(IniTest, ReadsWhatIsThereOrTheFallback) {
    struct Case {
        const char* text;
        int expected;
    };
    for (const Case& c : std::vector<Case>{
             {"[Pinsmith]\r\nMainBoard=12\r\n", 12},
             {"[ pinsmith ]\nMAINBOARD = 7\n", 7},
             {"[Pinsmith]\nMainBoard=abc\n", -9},
             {"[Pinsmith]\nMainBoard=\n", -9},
             {"[Other]\nMainBoard=3\n", -9},
             {"MainBoard=3\n", -9},
             {"[Pinsmith]\nMainBoard=99999999999999\n", -9},
             {"", -9},
         }) {
        Put(c.text);
        EXPECT_EQ(platform::qt::ReadIniInteger(path(), "Pinsmith", "MainBoard", -9), c.expected)
            << c.text;
    }
    EXPECT_EQ(platform::qt::ReadIniInteger(dir.File("none.INI"), "Pinsmith", "MainBoard", -9), -9);
    EXPECT_FALSE(platform::qt::WriteIniInteger(dir.File("no/such/x.INI"), "Pinsmith", "K", 1));
}

TEST_F(IniTest, ReplacedAsASettingsFileIs) {
    // A link in its place is read like the file, then replaced: the file it
    // points to stays.
    TempDir outside;
    const std::string other = "[Other]\r\nx=1\r\n";
    ASSERT_TRUE(platform::WriteWholeFile(outside.File("victim"), other).opened);
    std::filesystem::create_symlink(outside.File("victim"), path());
    ASSERT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
    EXPECT_FALSE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(Get(), other + "[Pinsmith]\r\nMainBoard=37\r\n");
    std::string victim;
    ASSERT_TRUE(platform::ReadWholeFile(outside.File("victim"), victim));
    EXPECT_EQ(victim, other);
    Put("[Pinsmith]\r\nMainBoard=37\r\n");

    // Its permission bits are kept; a folder that refuses new files takes it
    // in place.
    ::chmod(path().c_str(), 0600);
    platform::testing::SetFolderLocked(dir.Path(), true);
    EXPECT_TRUE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 5));
    platform::testing::UnlockAllFolders();
    EXPECT_EQ(Get(), "[Pinsmith]\r\nMainBoard=5\r\n");
    EXPECT_EQ(std::filesystem::status(path()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // A file nobody may write stays as it is.
    ::chmod(path().c_str(), 0444);
    EXPECT_FALSE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 6));
    EXPECT_EQ(Get(), "[Pinsmith]\r\nMainBoard=5\r\n");

    // A pipe is neither read nor written, and nothing waits for it.
    std::filesystem::remove(path());
    ASSERT_EQ(::mkfifo(path().c_str(), 0666), 0);
    EXPECT_EQ(platform::qt::ReadIniInteger(path(), "Pinsmith", "MainBoard", -9), -9);
    EXPECT_FALSE(platform::qt::WriteIniInteger(path(), "Pinsmith", "MainBoard", 37));
    EXPECT_TRUE(std::filesystem::is_fifo(path()));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST(QtDialogs, FilterPatternsMatchWithoutRegardToCase) {
    const QStringList filters =
        platform::qt::NameFilters("Board Configuration Files (*.cfg)|*.CFG");
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters[0], "Board Configuration Files (*.cfg) (*.[cC][fF][gG])");
    const QRegularExpression pattern =
        QRegularExpression::fromWildcard(QStringLiteral("*.[cC][fF][gG]"), Qt::CaseSensitive);
    for (const char* name : {"a.cfg", "B.CFG", "c.Cfg"}) {
        EXPECT_TRUE(pattern.match(name).hasMatch()) << name;
    }
    EXPECT_FALSE(pattern.match("a.qpf").hasMatch());
    EXPECT_EQ(platform::qt::NameFilters("A (*.a)|*.A|B (*.b;*.c)|*.B;*.C").size(), 2);
    EXPECT_TRUE(platform::qt::NameFilters("").isEmpty());
}

class QtDialogsTest : public GuiTest {};

TEST_F(QtDialogsTest, FillTheFileDialogFromTheFields) {
    platform::qt::QtDialogs qt;
    platform::FileDialog save(platform::FileDialogKind::Save);
    save.InitialDir = dir.Path();
    save.Filter = "Quartus Project File (*.qpf)|*.QPF";
    save.DefaultExt = "qpf";
    save.FileName = "blinky.qpf";
    QStringList filters;
    QString selected;
    QString directory;
    bool confirmOverwrite = true;
    WhenModalShows([&](QWidget* modal) {
        auto* fd = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(fd, nullptr);
        filters = fd->nameFilters();
        selected = fd->selectedFiles().value(0);
        directory = fd->directory().absolutePath();
        confirmOverwrite = !fd->testOption(QFileDialog::DontConfirmOverwrite);
        fd->selectFile(QString::fromStdString(dir.File("other")));
        static_cast<QDialog*>(fd)->accept();
    });
    const std::optional<std::string> chosen = qt.Run(save);
    EXPECT_EQ(filters, QStringList{"Quartus Project File (*.qpf) (*.[qQ][pP][fF])"});
    EXPECT_EQ(selected.toStdString(), dir.File("blinky.qpf"));
    EXPECT_EQ(directory.toStdString() + "/", dir.Path());
    EXPECT_FALSE(confirmOverwrite);
    EXPECT_EQ(chosen, dir.File("other.qpf")); // the default extension is added

    WhenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(qt.Run(save), std::nullopt);
}

TEST(QtUi, BoxTextTurnsCrLfIntoLineBreaks) {
    EXPECT_EQ(platform::qt::BoxText("one\r\ntwo\r\n%s"), "one\ntwo\n%s");
    // A path as the file system spells it (UTF-8) shows as such; text that is
    // no valid UTF-8 is Latin-1.
    EXPECT_EQ(platform::qt::BoxText("Cannot read settings file /tmp/\xC3\xA4.cfg: x"),
              QString::fromUtf8("Cannot read settings file /tmp/\xC3\xA4.cfg: x"));
    EXPECT_EQ(platform::qt::BoxText("\xE4pfel"), QString::fromLatin1("\xE4pfel"));
}

TEST(Desktop, CtrlStateAndScreen) {
    EXPECT_FALSE(platform::qt::IsLeftCtrlDown());
    platform::qt::SetCtrlDownForTests(true);
    EXPECT_TRUE(platform::qt::IsLeftCtrlDown());
    platform::qt::SetCtrlDownForTests(std::nullopt);
    platform::qt::SetScreenSizeForTests(QSize(640, 480));
    EXPECT_EQ(platform::qt::ScreenSize(), QSize(640, 480));
    platform::qt::SetScreenSizeForTests(std::nullopt);
    EXPECT_FALSE(platform::qt::ScreenSize().isEmpty());
}

// A JPEG made here with libjpeg: left half red, right half blue.
std::vector<unsigned char> MakeJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        row[static_cast<std::size_t>(x) * 3 + 0] = left ? 255 : 0;
        row[static_cast<std::size_t>(x) * 3 + 1] = 0;
        row[static_cast<std::size_t>(x) * 3 + 2] = left ? 0 : 255;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(out, out + size);
    std::free(out);
    return bytes;
}

TEST(Pictures, JpegDecodedByLibjpeg) {
    const std::vector<unsigned char> jpeg = MakeJpeg(32, 16);
    const QImage image = platform::qt::DecodeJpeg(jpeg);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 16));
    EXPECT_GT(qRed(image.pixel(2, 8)), 200);
    EXPECT_LT(qBlue(image.pixel(2, 8)), 60);
    EXPECT_GT(qBlue(image.pixel(29, 8)), 200);
    EXPECT_EQ(platform::qt::DecodePicture(jpeg).size(), QSize(32, 16));
}

TEST(Pictures, DamagedDataGivesNoPicture) {
    const std::vector<unsigned char> jpeg = MakeJpeg(32, 16);
    const std::vector<std::vector<unsigned char>> damaged = {
        {},
        {0xFF, 0xD8, 0xFF},
        std::vector<unsigned char>(jpeg.begin(), jpeg.begin() + 20),
        {0x00, 0x01, 0x02, 0x03},
    };
    for (const auto& bytes : damaged) {
        EXPECT_TRUE(platform::qt::DecodePicture(bytes).isNull()) << bytes.size();
    }
    // Damage after the header still decodes to a picture of the right size.
    std::vector<unsigned char> flipped = jpeg;
    for (std::size_t i = jpeg.size() / 2; i < jpeg.size() - 2; i += 7) {
        flipped[i] ^= 0x5A;
    }
    const QImage image = platform::qt::DecodeJpeg(flipped);
    EXPECT_TRUE(image.isNull() || image.size() == QSize(32, 16));
    EXPECT_TRUE(platform::qt::LoadPictureImage("NO_SUCH_PICTURE").isNull());
}

TEST(Pictures, PngThroughQt) {
    QImage source(5, 3, QImage::Format_RGB32);
    source.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(source.save(&buffer, "PNG"));
    const QImage image = platform::qt::DecodePicture(
        std::span(reinterpret_cast<const unsigned char*>(png.constData()),
                  static_cast<std::size_t>(png.size())));
    EXPECT_EQ(image.size(), QSize(5, 3));
}

} // namespace
