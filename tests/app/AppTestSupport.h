// Shared pieces of the window tests: the worked-example form and lookups of
// the real windows' controls by object name.
#pragma once

#include "app/FrmMain.h"
#include "engine/Form.h"
#include "tests/support/SampleBirths.h"

#include <QObject>
#include <QString>
#include <QTest>

namespace varelio::app::testing {

// 1 January 2000, 17:30, "Indian Time, IST, +5.3", 28 38 N, 77 13 E, Delhi.
inline FormValues WorkedExampleForm() { return samples::DelhiForm(); }

template <typename T>
T* Child(QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}

inline QString Describe(const FormValues& f)
{
    return QStringLiteral("%1|%2/%3/%4 %5:%6 z%7|%8 %9 %10|%11 %12 %13|dst %14|%15|%16|%17")
        .arg(QString::fromStdString(f.name))
        .arg(f.dayIndex).arg(f.monthIndex).arg(f.yearIndex).arg(f.hourIndex).arg(f.minuteIndex).arg(f.zoneIndex)
        .arg(QString::fromStdString(f.latDeg), QString::fromStdString(f.latMin)).arg(f.latDirection)
        .arg(QString::fromStdString(f.lonDeg), QString::fromStdString(f.lonMin)).arg(f.lonDirection)
        .arg(f.dst)
        .arg(QString::fromStdString(f.city), QString::fromStdString(f.state), QString::fromStdString(f.country));
}

}  // namespace varelio::app::testing
