// GUI tests: one QApplication for every test, run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
