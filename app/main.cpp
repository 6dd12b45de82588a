// Varelio: starts the input window, one copy at a time, in the locale's
// language where a translation is installed; given a saved reading, shows it.
#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    varelio::app::PrepareProcess();
    varelio::app::AnswerWithoutWindows(argc, argv);
    QApplication application(argc, argv);
    varelio::app::LoadTranslation();
    if (!varelio::app::PrepareApplication())
        qWarning("%s", qPrintable(QCoreApplication::translate(
                           "main", "The application icon cannot be shown: Qt's SVG icon plugin (libqt6svg6) is missing.")));
    const QString readingFile = varelio::app::ReadingFileArgument(QApplication::arguments());

    varelio::app::QtDialogs dialogs;
    std::unique_ptr<QLockFile> lock;
    if (!varelio::app::AcquireSingleInstance(varelio::app::DefaultLockPath(), dialogs, lock))
        return 0;

    varelio::app::Application program(dialogs);
    QObject::connect(&program, &varelio::app::Application::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.start(readingFile);
    return QApplication::exec();
}
