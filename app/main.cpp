// Varelio: starts the input window, one copy at a time.
#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "VarelioVersion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    varelio::app::PrepareProcess();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varelio"));
    QApplication::setApplicationVersion(QStringLiteral(VARELIO_VERSION));
    // Back closes the reading window before the input window reappears; the
    // program ends only by the rules of Application.
    QApplication::setQuitOnLastWindowClosed(false);

    varelio::app::QtDialogs dialogs;
    std::unique_ptr<QLockFile> lock;
    if (!varelio::app::AcquireSingleInstance(varelio::app::DefaultLockPath(), dialogs, lock))
        return 0;

    varelio::app::Application program(dialogs);
    QObject::connect(&program, &varelio::app::Application::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
