// Shared pieces of the window tests: the program driven through scripted
// dialogs, the sample forms, and lookups of the real windows' controls by
// object name.
#pragma once

#include "ScriptedDialogs.h"

#include "app/Application.h"
#include "app/InputWindow.h"
#include "app/PictureExport.h"
#include "app/ReadingWindow.h"
#include "tests/support/SampleBirths.h"

#include <QCoreApplication>
#include <QObject>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace varelio::app::testing {

// 1 January 2000, 17:30, "Indian Time, IST, +5.3", 28 38 N, 77 13 E, Delhi.
inline FormValues WorkedExampleForm() { return samples::DelhiForm(); }

// The form's birth moved to another date and time, the place kept.
inline FormValues BornAt(FormValues form, int year, int month, int day, int hour, int minute)
{
    form.yearIndex = year - 1901;
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.hourIndex = hour;
    form.minuteIndex = minute;
    return form;
}

inline QString Describe(const FormValues& form) { return QString::fromStdString(samples::Describe(form)); }

template <typename T>
T* Child(QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}

// The user's settings in a folder of the test's own, under the organisation
// the program sets, so no test reads or changes the real ones; emptied unless
// kept (a "next start" keeps what the run before stored).
inline void UseTestSettings(bool keep = false)
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Varelio"));
    if (!keep)
        QSettings().clear();
}

// One place finder for the whole test program: the cities load once, not
// once for every program a test drives.
inline PlaceFinder& TestPlaceFinder()
{
    static PlaceFinder finder;
    return finder;
}

// The program as main() runs it, but with scripted dialogs, the test
// program's place finder and the JPEG writer taken as present whatever the
// machine has; given a reading file, as "varelio FILE.vrl" starts it. Make one
// per test function.
class DrivenProgram {
public:
    explicit DrivenProgram(const QString& readingFile = {}, bool keepSettings = false)
    {
        UseTestSettings(keepSettings);
        SetJpegWriterAvailableForTesting(true);
        program_ = std::make_unique<Application>(dialogs, TestPlaceFinder());
        program_->start(readingFile);
    }
    ~DrivenProgram()
    {
        program_.reset();
        // Closed windows are deleted later; nothing may outlive the test.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetJpegWriterAvailableForTesting(std::nullopt);
    }
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;

    Application& program() { return *program_; }
    InputWindow& input() { return program_->inputWindow(); }

    // Fills the input window and presses "&Get My Manglik Reading"; the reading
    // window once it is on screen, or null when none opened.
    ReadingWindow* calculate(const FormValues& form)
    {
        input().setFormValues(form);
        Child<QPushButton>(input(), QStringLiteral("cmdCalculate"))->click();
        ReadingWindow* window = program_->readingWindow();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    ScriptedDialogs dialogs;

private:
    std::unique_ptr<Application> program_;
};

}  // namespace varelio::app::testing
