// One copy at a time: a second copy is told and stops, or hands its reading
// file to the first; a lock that names no live copy does not keep the
// program from starting; the lock lies only in a folder that belongs to the
// user, so nobody else can plant one.
#include "ScriptedDialogs.h"

#include "app/SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace varelio;
using namespace varelio::app;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsToldAndStops();
    void readingFileIsHandedToTheRunningCopy();
    void staleLockIsTakenOver();
    void lockIsFreeAgainAfterTheRun();
    void lockGoesOnlyWhereTheUserAloneWrites();
    void sessionWithoutRuntimeFolderUsesTheCache();
    void noLockPathRunsUnguarded();
};

namespace {

QString MakeFolder(const QString& path, mode_t mode)
{
    if (!QDir().mkpath(path) || ::chmod(QFile::encodeName(path).constData(), mode) != 0)
        qWarning("cannot prepare %s", qPrintable(path));
    return path;
}

// Sets or removes environment variables for one test and puts them back.
class EnvironmentGuard {
public:
    void set(const char* name, const QString& value)
    {
        remember(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentGuard()
    {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

private:
    void remember(const char* name)
    {
        for (const auto& entry : saved_)
            if (qstrcmp(entry.first, name) == 0)
                return;
        saved_.append({name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
    }
    QList<std::pair<const char*, QByteArray>> saved_;
};

}  // namespace

void SingleInstanceTest::secondCopyIsToldAndStops()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    ScriptedDialogs dialogs;

    std::unique_ptr<QLockFile> first;
    QVERIFY(AcquireSingleInstance(path, dialogs, first));
    QVERIFY(first && first->isLocked());
    QVERIFY(dialogs.messages.isEmpty());

    // Given a file, but with no copy there to take it, the same.
    for (const QString& file : {QString(), QStringLiteral("asha.vrl")}) {
        std::unique_ptr<QLockFile> second;
        QVERIFY(!AcquireSingleInstance(path, dialogs, second, file));
        QVERIFY(!second);
    }
    QCOMPARE(dialogs.messages.size(), 2);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Application is already running\n\nLock file: ") + path);
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Information);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Varelio"));
    QVERIFY(first->isLocked());
}

void SingleInstanceTest::readingFileIsHandedToTheRunningCopy()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    ScriptedDialogs dialogs;
    std::unique_ptr<QLockFile> first;
    QVERIFY(AcquireSingleInstance(path, dialogs, first));
    ReadingFileChannel channel(path);
    QVERIFY(channel.isListening());
    QSignalSpy received(&channel, &ReadingFileChannel::fileReceived);
    QSignalSpy front(&channel, &ReadingFileChannel::frontRequested);

    // The later start blocks until the running copy answers: it runs beside
    // this event loop. Without a file it asks that copy to come to the front.
    const QString name = QStringLiteral("ravi\nkumar #1.vrl");
    for (const QString& file : {name, QString()}) {
        bool started = true;
        ScriptedDialogs secondDialogs;
        std::thread second([&] {
            std::unique_ptr<QLockFile> lock;
            started = AcquireSingleInstance(path, secondDialogs, lock, file);
        });
        QVERIFY((file.isEmpty() ? front : received).wait(10000));
        second.join();
        QVERIFY(!started);
        QVERIFY(secondDialogs.messages.isEmpty());
    }
    QCOMPARE(received.size(), 1);
    QCOMPARE(received[0][0].toString(), QDir::current().absoluteFilePath(name));
    QCOMPARE(front.size(), 1);
}

// A lock that names no live copy is stale: a dead copy's, an empty or garbled
// file, an empty folder. But not one a copy starting this moment may be
// writing, nor a folder that cannot go: the message names those.
void SingleInstanceTest::staleLockIsTakenOver()
{
    // The dead copy's process id is far above any pid this machine hands out.
    const QByteArray dead = "2147483000\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                            QSysInfo::machineHostName().toUtf8() + "\n";
    // Another computer's copy, which cannot be looked for from here: its lock's age tells.
    const QByteArray foreign = "2147483000\nvarelio\nelsewhere.invalid\n0123456789abcdef0123456789abcdef\n";
    const int stale = kForeignLockStaleMinutes * 60;
    struct Case {
        const char* kind;
        bool folder;
        QByteArray content;  // a folder's: the name of a file in it
        int ageSeconds;
        bool starts;
    };
    const Case cases[] = {{"dead copy", false, dead, 0, true},     {"empty", false, "", 60, true},
                          {"garbled", false, "not a lock\n", 60, true}, {"folder", true, "", 0, true},
                          {"new", false, "", 0, false},           {"full folder", true, "kept", 0, false},
                          {"another computer's, left behind", false, foreign, stale + 60, true},
                          {"another computer's, renewed", false, foreign, stale - 60, false}};
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("varelio.lock"));
        if (c.folder) {
            QVERIFY(QDir().mkdir(path) && (c.content.isEmpty() || QFile(path + "/" + c.content).open(QIODevice::WriteOnly)));
        } else {
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(c.content) == c.content.size() && lock.flush());
            QVERIFY(c.ageSeconds == 0 || lock.setFileTime(QDateTime::currentDateTime().addSecs(-c.ageSeconds),
                                                          QFileDevice::FileModificationTime));
        }
        ScriptedDialogs dialogs;
        std::unique_ptr<QLockFile> held;
        QVERIFY2(AcquireSingleInstance(path, dialogs, held) == c.starts, c.kind);
        QCOMPARE(dialogs.messages.size(), c.starts ? 0 : 1);
        QVERIFY2(c.starts ? held && held->isLocked() : dialogs.messages[0].text.contains(path), c.kind);
        QVERIFY2(c.starts || c.content != foreign || dialogs.messages[0].text.contains("elsewhere.invalid"), c.kind);
    }
    // The running copy's renewal is what keeps its lock from being taken.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(foreign) > 0 && lock.flush() &&
            lock.setFileTime(QDateTime::currentDateTime().addSecs(-stale - 60), QFileDevice::FileModificationTime));
    LockRenewal(path).renew();
    ScriptedDialogs dialogs;
    std::unique_ptr<QLockFile> held;
    QVERIFY(!AcquireSingleInstance(path, dialogs, held));
}

void SingleInstanceTest::lockIsFreeAgainAfterTheRun()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    ScriptedDialogs dialogs;
    {
        std::unique_ptr<QLockFile> run;
        QVERIFY(AcquireSingleInstance(path, dialogs, run));
    }
    std::unique_ptr<QLockFile> next;
    QVERIFY(AcquireSingleInstance(path, dialogs, next));
    QVERIFY(next);
    QVERIFY(dialogs.messages.isEmpty());
}

void SingleInstanceTest::lockGoesOnlyWhereTheUserAloneWrites()
{
    QTemporaryDir base;
    const QString own = MakeFolder(base.filePath("own"), 0700);
    const QString open = MakeFolder(base.filePath("open"), 0755);
    const QString shared = MakeFolder(base.filePath("shared"), 01777);
    const QString groupWritable = MakeFolder(base.filePath("group"), 0770);
    const QString config = MakeFolder(base.filePath("config"), 0700);
    const QString missingCache = base.filePath("home/.cache");
    const QString lock = QStringLiteral("/varelio.lock");

    // The session's runtime folder only when it is private to the user.
    QCOMPARE(ChooseLockPath({own, shared, shared}), own + lock);
    QCOMPARE(ChooseLockPath({open, config, shared}), config + lock);
    QCOMPARE(ChooseLockPath({QString(), config, shared}), config + lock);
    // A cache folder is made when missing, for the user alone.
    QCOMPARE(ChooseLockPath({shared, missingCache, config}), missingCache + lock);
    QCOMPARE(QFileInfo(missingCache).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
    // Folders others may write in are passed over, up to running unguarded.
    QCOMPARE(ChooseLockPath({shared, groupWritable, config}), config + lock);
    QCOMPARE(ChooseLockPath({shared, shared, groupWritable}), QString());
    QCOMPARE(ChooseLockPath({QStringLiteral("relative"), QString(), QString()}), QString());

    // A private folder of another user, as the one Qt would not take.
    if (::geteuid() == 0) {
        const QString foreign = MakeFolder(base.filePath("foreign"), 0700);
        QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        QCOMPARE(ChooseLockPath({foreign, foreign, config}), config + lock);
    }
}

void SingleInstanceTest::sessionWithoutRuntimeFolderUsesTheCache()
{
    QTemporaryDir base;
    EnvironmentGuard environment;
    environment.set("XDG_RUNTIME_DIR", QString());
    environment.set("HOME", base.filePath("home"));
    environment.set("XDG_CACHE_HOME", base.filePath("cache"));
    environment.set("XDG_CONFIG_HOME", base.filePath("config"));
    QCOMPARE(DefaultLockPath(), base.filePath("cache/varelio.lock"));

    const QString runtime = MakeFolder(base.filePath("run"), 0700);
    environment.set("XDG_RUNTIME_DIR", runtime);
    QCOMPARE(DefaultLockPath(), runtime + QStringLiteral("/varelio.lock"));
}

void SingleInstanceTest::noLockPathRunsUnguarded()
{
    ScriptedDialogs dialogs;
    std::unique_ptr<QLockFile> held;
    QVERIFY(AcquireSingleInstance(QString(), dialogs, held));
    QVERIFY(!held);
    QVERIFY(dialogs.messages.isEmpty());
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
