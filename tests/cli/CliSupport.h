// Arguments of the worked Delhi birth and helpers to run the companion.
#pragma once

#include "cli/Companion.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace varelio::cli::testing {

// One place finder for the test program: --place loads the cities once.
inline PlaceFinder& TestPlaceFinder() {
    static PlaceFinder finder;
    return finder;
}

// The companion run as main() runs it, with the test program's place finder.
inline CompanionRun RunWithPlaces(const QStringList& arguments) { return RunCompanion(arguments, TestPlaceFinder()); }

inline QStringList DelhiArguments() {
    return {"varelio-cli", "--name",    "Test",  "--day",     "1",     "--month",   "1",    "--year",
            "2000",        "--hour",    "17",    "--minute",  "30",    "--zone",    "34",   "--lat-deg",
            "28",          "--lat-min", "38",    "--north",   "--lon-deg", "77",    "--lon-min", "13",
            "--east",      "--city",    "Delhi", "--state",   "Delhi", "--country", "India"};
}

// The Delhi arguments with option name replaced by value, or removed when value is null.
inline QStringList DelhiWith(const QString& option, const char* value) {
    QStringList args = DelhiArguments();
    const qsizetype at = args.indexOf(option);
    if (at >= 0) {
        if (value) {
            args[at + 1] = QString::fromUtf8(value);
        } else {
            args.remove(at, 2);
        }
    } else if (value) {
        args << option << QString::fromUtf8(value);
    }
    return args;
}

// The Delhi arguments without a flag such as --north.
inline QStringList DelhiWithoutFlag(const QString& flag) {
    QStringList args = DelhiArguments();
    args.removeAll(flag);
    return args;
}

inline QString Show(const QStringList& args) { return args.mid(1).join(' '); }

inline QJsonObject ParseJson(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// The bytes as a file of the folder; its path.
inline QString WriteFile(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

struct ProcessRun {
    int exitCode = -1;  // -2 when a signal ended it, -1 when it did not end within a minute
    std::string out, err;
};

// The executable itself, given the arguments after its name and the input;
// inChild runs in the child before the program starts (limits, a closed
// stream), and outputFile, when given, takes the standard output.
inline ProcessRun RunProcess(const QStringList& args, const std::string& input = {},
                             const std::function<void()>& inChild = {}, const QString& outputFile = {},
                             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    if (inChild) process.setChildProcessModifier(inChild);
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARELIO_CLI_PATH), args);
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    ProcessRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace varelio::cli::testing
