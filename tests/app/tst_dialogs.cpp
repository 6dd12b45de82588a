// The production message box: title, text shown as plain text, icon and its
// one OK button, read off the real QMessageBox while it is open.
#include "app/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace varelio::app;

Q_DECLARE_METATYPE(varelio::app::MessageIcon)

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxShowsTitleIconAndOneOk_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("title");
        QTest::newRow("error") << MessageIcon::Error << int(QMessageBox::Critical) << QStringLiteral("Varelio");
        QTest::newRow("error with its own title") << MessageIcon::Error << int(QMessageBox::Critical)
                                                  << QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEchart.jpg");
        QTest::newRow("information") << MessageIcon::Information << int(QMessageBox::Information)
                                     << QStringLiteral("Varelio");
    }

    void messageBoxShowsTitleIconAndOneOk()
    {
        QFETCH(MessageIcon, icon);
        QFETCH(int, expected);
        QFETCH(QString, title);

        QString seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                seen = QStringLiteral("no message box open");
                return;
            }
            seen = QStringLiteral("%1|%2|%3|%4")
                       .arg(box->windowTitle(), box->text())
                       .arg(int(box->icon()))
                       .arg(int(box->standardButtons()));
            box->button(QMessageBox::Ok)->click();
        });
        QtDialogs dialogs;
        dialogs.message(nullptr, QStringLiteral("Please Enter Your Name"), icon, title);
        QCOMPARE(seen, QStringLiteral("%1|Please Enter Your Name|%2|%3").arg(title).arg(expected).arg(int(QMessageBox::Ok)));
    }

    void messageTextIsShownAsTyped()
    {
        // A file name is no markup: "<h1>" must not turn the path into a heading.
        const QString text = QStringLiteral("Could not read the file \"/home/a/<h1>BIG.vrl\".\nPermission denied");
        QString seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                seen = QStringLiteral("no message box open");
                return;
            }
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            seen = QStringLiteral("%1|%2|%3")
                       .arg(int(box->textFormat()))
                       .arg(label ? int(label->textFormat()) : -1)
                       .arg(label ? label->text() : QString());
            box->button(QMessageBox::Ok)->click();
        });
        QtDialogs dialogs;
        dialogs.message(nullptr, text, MessageIcon::Error, MessageTitle());
        QCOMPARE(seen, QStringLiteral("%1|%1|%2").arg(int(Qt::PlainText)).arg(text));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
