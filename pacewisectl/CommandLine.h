#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QSettings>
#include <QTextStream>

#include <expected>
#include <optional>

namespace pacewise::cli {

// Parses a command's arguments with --help added and at most
// maximumPositional positional arguments. Returns the exit code when the
// command is done already (help shown, or a bad argument reported on err in
// one line).
std::optional<int> parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                                    const QString &command, const char *helpText, QTextStream &out,
                                    QTextStream &err, qsizetype maximumPositional = 0);

// For "pacewisectl <command> ACTION" with --json: parses (with help and
// --json added) and returns the action, "status" when none is given, or
// the exit code when the command is done already. With jsonOnlyFor set,
// --json goes with that action only.
std::expected<QString, int> parseAction(QCommandLineParser &parser, const QStringList &arguments, const QString &command,
                                        const char *helpText, const QStringList &actions, QTextStream &out, QTextStream &err,
                                        const QString &jsonOnlyFor = {});

// The name among names that typed most likely meant ("stauts": "status",
// "--jsn": "--json"), or nothing when none is close.
std::optional<QString> closestName(const QString &typed, const QStringList &names);

// The actions of a switch: "on", "off" and "status".
QStringList switchActions();

// "--timeout SECONDS": how long to wait for claude.
QCommandLineOption timeoutOption();

// The value when given and usable (a number above 0, at most an hour);
// false after reporting a bad value on err.
bool readTimeout(const QCommandLineParser &parser, const QString &command, std::optional<double> &timeout,
                 QTextStream &err);

// Writes Pacewise's settings out; false after reporting on err that they
// could not be (a read-only home, say).
bool saveSettings(QSettings &appSettings, const QString &command, QTextStream &err);

// A setting only the tray app or the daemon acts on: when neither runs,
// says so on out, and how to start one.
void warnWhenNothingRuns(QTextStream &out);

} // namespace pacewise::cli
