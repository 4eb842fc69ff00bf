#include "TimeoutOption.h"

#include <cmath>

namespace pacewise::cli {

QCommandLineOption timeoutOption()
{
    return QCommandLineOption(QStringLiteral("timeout"), QStringLiteral("How long to wait for claude."),
                              QStringLiteral("seconds"));
}

bool readTimeout(const QCommandLineParser &parser, const QString &command, std::optional<double> &timeout,
                 QTextStream &err)
{
    if (!parser.isSet(QStringLiteral("timeout")))
        return true;
    bool isNumber = false;
    const double seconds = parser.value(QStringLiteral("timeout")).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(seconds) || seconds <= 0 || seconds > 3600) {
        err << "pacewisectl " << command << ": --timeout takes a number of seconds from 0 to 3600, not '"
            << parser.value(QStringLiteral("timeout")) << "'\n";
        return false;
    }
    timeout = seconds;
    return true;
}

} // namespace pacewise::cli
