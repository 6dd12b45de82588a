// Arguments of the worked Delhi birth and helpers to run the companion.
#pragma once

#include "cli/Companion.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

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

}  // namespace varelio::cli::testing
