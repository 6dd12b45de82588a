// One copy at a time: a second copy is told and stops; a lock left behind by
// a copy that died does not keep the program from starting.
#include "ScriptedDialogs.h"

#include "app/SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace varelio;
using namespace varelio::app;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsToldAndStops();
    void lockOfADeadCopyIsTakenOver();
    void lockIsFreeAgainAfterTheRun();
};

void SingleInstanceTest::secondCopyIsToldAndStops()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    ScriptedDialogs dialogs;

    std::unique_ptr<QLockFile> first;
    QVERIFY(AcquireSingleInstance(path, dialogs, first));
    QVERIFY(first && first->isLocked());
    QVERIFY(dialogs.messages.isEmpty());

    std::unique_ptr<QLockFile> second;
    QVERIFY(!AcquireSingleInstance(path, dialogs, second));
    QVERIFY(!second);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Information);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Varelio"));
    QVERIFY(first->isLocked());
}

void SingleInstanceTest::lockOfADeadCopyIsTakenOver()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("varelio.lock"));
    // The owner's process id is far above any pid this machine hands out.
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("2147483000\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    ScriptedDialogs dialogs;
    std::unique_ptr<QLockFile> lock;
    QVERIFY(AcquireSingleInstance(path, dialogs, lock));
    QVERIFY(lock && lock->isLocked());
    QVERIFY(dialogs.messages.isEmpty());
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

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
