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

void SetNameAndVersion()
{
    QCoreApplication::setApplicationName(QStringLiteral("Varelio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARELIO_VERSION));
}

// The command line Varelio takes: --help, --version and a reading file.
void DescribeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        CommandLineWords::tr("Judges from a sidereal birth chart whether a person is Manglik."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), CommandLineWords::tr("A saved reading (*.vrl) to open."),
                                 CommandLineWords::tr("[FILE.vrl]"));
}

}  // namespace

void AnswerWithoutWindows(int& argc, char** argv)
{
    const QStringList answered = {QStringLiteral("-h"), QStringLiteral("-?"), QStringLiteral("--help"),
                                  QStringLiteral("--help-all"), QStringLiteral("-v"), QStringLiteral("--version")};
    bool asked = false;
    for (int i = 1; i < argc && !asked && qstrcmp(argv[i], "--") != 0; ++i)
        asked = answered.contains(QString::fromLocal8Bit(argv[i]));
    if (!asked)
        return;
    const QCoreApplication core(argc, argv);
    SetNameAndVersion();
    LoadTranslation();
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    // An option of the window system's own (-platform) is no error here.
    static_cast<void>(parser.parse(QCoreApplication::arguments()));
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp();  // ends the process
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

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
    SetNameAndVersion();
    QGuiApplication::setDesktopFileName(QStringLiteral(VARELIO_APP_ID));
    // Back closes the reading window before the input window reappears; the
    // program ends only by the rules of Application.
    QApplication::setQuitOnLastWindowClosed(false);
    const QIcon icon(QString::fromLatin1(kApplicationIconResource));
    QApplication::setWindowIcon(icon);
    return !icon.pixmap(32).isNull();
}

QStringList TranslationFolders()
{
    return {QStringLiteral(":/varelio/translations")};
}

QTranslator* LoadTranslation(const QLocale& locale, const QStringList& folders)
{
    const auto load = [&folders](QTranslator& translator, const QLocale& language) {
        return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
            return translator.load(language, QStringLiteral("varelio"), QStringLiteral("_"), folder);
        });
    };
    // English's counted forms ("1 minute", "2 minutes") under every language:
    // the last translator installed is asked first, so an entry a translation
    // lacks still reads as English.
    auto english = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (load(*english, QLocale(QLocale::English)))
        QCoreApplication::installTranslator(english.release());
    if (locale.language() == QLocale::English)
        return nullptr;
    auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!load(*own, locale))
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
    DescribeCommandLine(parser);
    parser.process(arguments);
    return parser.positionalArguments().value(0);
}

}  // namespace varelio::app
