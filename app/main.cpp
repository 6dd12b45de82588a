// Varelio: starts the input window, one copy at a time, in the locale's
// language where a translation is installed; given a saved reading, shows it
// (or hands it to the copy already running).
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
    const QString lockPath = varelio::app::DefaultLockPath();
    if (!varelio::app::AcquireSingleInstance(lockPath, dialogs, lock, readingFile))
        return 0;

    // Files handed over by later starts while this copy holds the lock; listening
    // at once, so that a copy started a moment later finds the channel (its
    // file is taken once the event loop runs).
    varelio::app::ReadingFileChannel channel(lock ? lockPath : QString());
    varelio::app::Application program(dialogs);
    QObject::connect(&program, &varelio::app::Application::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&channel, &varelio::app::ReadingFileChannel::fileReceived, &program,
                     &varelio::app::Application::openHandedFile);
    QObject::connect(&channel, &varelio::app::ReadingFileChannel::frontRequested, &program,
                     &varelio::app::Application::bringToFront);
    // Kept fresh, so that a copy on another computer sharing the folder can
    // tell this one from a lock left behind.
    varelio::app::LockRenewal renewal(lock ? lockPath : QString());
    program.start(readingFile);
    return QApplication::exec();
}
