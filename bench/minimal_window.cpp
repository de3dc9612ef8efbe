// The yardstick for start-up time: the least a Qt Widgets program can show,
// a main window holding one label.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setCentralWidget(new QLabel(QStringLiteral("Kesora")));
    window.show();
    return QApplication::exec();
}
