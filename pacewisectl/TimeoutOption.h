#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

#include <optional>

namespace pacewise::cli {

// "--timeout SECONDS": how long to wait for claude.
QCommandLineOption timeoutOption();

// The value when given and usable (a number above 0, at most an hour);
// false after reporting a bad value on err.
bool readTimeout(const QCommandLineParser &parser, const QString &command, std::optional<double> &timeout,
                 QTextStream &err);

} // namespace pacewise::cli
