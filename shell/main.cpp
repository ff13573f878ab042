#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorrel Baccarat"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
