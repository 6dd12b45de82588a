#include "app/StartUp.h"

#include "formats/FileSizeLimit.h"
#include "resources/ApplicationIcon.h"
#include "VarelioVersion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace varelio::app {

void PrepareProcess()
{
    // Under a file-size limit a save then fails with a message, as on a full
    // disk, instead of SIGXFSZ ending the program without a word.
    IgnoreFileSizeLimitSignal();
}

bool PrepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Varelio"));
    QApplication::setApplicationVersion(QStringLiteral(VARELIO_VERSION));
    // Back closes the reading window before the input window reappears; the
    // program ends only by the rules of Application.
    QApplication::setQuitOnLastWindowClosed(false);
    const QIcon icon(QString::fromLatin1(kApplicationIconResource));
    QApplication::setWindowIcon(icon);
    return !icon.pixmap(32).isNull();
}

QString ReadingFileArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Judges from a sidereal birth chart whether a person is Manglik."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved reading (*.vrl) to open."),
                                 QStringLiteral("[FILE.vrl]"));
    parser.process(arguments);
    return parser.positionalArguments().value(0);
}

}  // namespace varelio::app
