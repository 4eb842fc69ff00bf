#include "Logging.h"

#include <QRegularExpression>
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

QString scrubbedText(const QString &reason, bool reveal)
{
    if (reveal)
        return reason;
    static const QRegularExpression email(QStringLiteral("[^\\s<>()\"']+@[^\\s<>()\"']+\\.[A-Za-z]{2,}"));
    // An absolute or home-relative path: what comes after a slash that
    // starts a word, up to the next blank.
    static const QRegularExpression path(QStringLiteral("(^|[\\s\"'(=:])(~?/[^\\s\"')]+)"));
    QString scrubbed = reason;
    scrubbed.replace(email, QStringLiteral("<e-mail>"));
    scrubbed.replace(path, QStringLiteral("\\1<path>"));
    return scrubbed;
}

} // namespace pacewise
