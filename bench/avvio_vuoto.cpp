// One empty window, shown and left at once: what any Qt program pays to start.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.resize(1024, 700);
    finestra.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
