// The yardstick for start-up time: a bare Qt window that only shows itself. Not a Google
// Benchmark program; bench/startup.sh starts it and the real program alike and times both
// until their window is on the screen.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("startup-bare"));
    window.resize(642, 420);
    window.show();
    return QApplication::exec();
}
