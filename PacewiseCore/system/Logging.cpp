#include "Logging.h"

#include <QtGlobal>

namespace pacewise {

// Debug lines stay off unless QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(lcCli, "pacewise.cli", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGuard, "pacewise.guard", QtInfoMsg)

bool privateLoggingEnabled()
{
    static const bool enabled = qgetenv("PACEWISE_LOG_PRIVATE") == "1";
    return enabled;
}

QString privateText(const QString &value, bool reveal)
{
    return reveal ? value : QStringLiteral("<private>");
}

} // namespace pacewise
