// The yardstick for start-up: an empty Qt main window of the input window's
// size and nothing else; with "--label" it also shows one line of text, which
// makes it pay for loading the fonts as every real window does.
#include "VarelioVersion.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare v" VARELIO_VERSION));
    window.resize(900, 480);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Varelio"), &window));
    window.show();
    return QApplication::exec();
}
