// Pinsmith: starts an FPGA project for one development board.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Pinsmith");
    window.resize(804, 501);
    window.show();
    return app.exec();
}
