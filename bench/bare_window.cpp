// A bare Qt window, the yardstick for how long Lockerbook takes to show its
// window: the same toolkit start-up with nothing of the program's own.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(611, 420);
    window.show();
    return QApplication::exec();
}
