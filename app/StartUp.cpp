#include "app/StartUp.h"

#include "formats/FileSizeLimit.h"
#include "resources/ApplicationIcon.h"
#include "VarelioVersion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace varelio::app {

namespace {

// The translators' context of the command line's words.
class CommandLineWords {
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

}  // namespace

void PrepareProcess()
{
    // Under a file-size limit a save then fails with a message, as on a full
    // disk, instead of SIGXFSZ ending the program without a word.
    IgnoreFileSizeLimitSignal();
}

bool PrepareApplication()
{
    // The user's settings (the chart chosen last) are kept under these names.
    QApplication::setOrganizationName(QStringLiteral("Varelio"));
    QApplication::setApplicationName(QStringLiteral("Varelio"));
    QApplication::setApplicationVersion(QStringLiteral(VARELIO_VERSION));
    // Back closes the reading window before the input window reappears; the
    // program ends only by the rules of Application.
    QApplication::setQuitOnLastWindowClosed(false);
    const QIcon icon(QString::fromLatin1(kApplicationIconResource));
    QApplication::setWindowIcon(icon);
    return !icon.pixmap(32).isNull();
}

QStringList TranslationFolders()
{
    return {QStringLiteral(":/varelio/translations"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varelio/translations")};
}

QTranslator* LoadTranslation(const QLocale& locale, const QStringList& folders)
{
    auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
    const auto found = std::find_if(folders.begin(), folders.end(), [&](const QString& folder) {
        return own->load(locale, QStringLiteral("varelio"), QStringLiteral("_"), folder);
    });
    if (found == folders.end())
        return nullptr;
    QCoreApplication::installTranslator(own.get());
    // Qt's message box buttons and file dialogs then speak the same language;
    // without a translation of the program's own words they stay English too.
    auto qt = std::make_unique<QTranslator>(own.get());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
    return own.release();
}

QString ReadingFileArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineWords::tr("Judges from a sidereal birth chart whether a person is Manglik."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), CommandLineWords::tr("A saved reading (*.vrl) to open."),
                                 CommandLineWords::tr("[FILE.vrl]"));
    parser.process(arguments);
    return parser.positionalArguments().value(0);
}

}  // namespace varelio::app
