// The yardstick for start-up: an empty Qt main window of the input window's
// size and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare v1.15"));
    window.resize(900, 480);
    window.show();
    return QApplication::exec();
}
