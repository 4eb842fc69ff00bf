#include "UIStrings.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace pacewise::UIStrings {

QString text(const char *key, const char *english)
{
    // qtTrId answers with the id itself when no catalogue has the key.
    const QString translated = qtTrId(key);
    if (translated.isEmpty() || translated == QLatin1String(key))
        return QString::fromUtf8(english);
    return translated;
}

QString format(const char *key, const char *english, const QStringList &arguments)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:(\\d{1,2})\\$[@ds]|%)"));
    const QString tableFormat = text(key, english);
    QString result;
    qsizetype copied = 0;
    for (auto matches = placeholder.globalMatch(tableFormat); matches.hasNext();) {
        const auto found = matches.next();
        result += QStringView(tableFormat).mid(copied, found.capturedStart() - copied);
        if (found.captured(1).isEmpty()) {
            result += u'%';
        } else {
            const qsizetype index = found.captured(1).toInt() - 1;
            result += index >= 0 && index < arguments.size() ? arguments.at(index) : found.captured(0);
        }
        copied = found.capturedEnd();
    }
    result += QStringView(tableFormat).mid(copied);
    return result;
}

QString percent(double utilization)
{
    if (std::isnan(utilization))
        return UIStrings::text("menubar.placeholder", "—%");
    const double shown = std::clamp(utilization, -999.0, 999.0);
    return UIStrings::format("percent", "%1$d%%", {QString::number(std::llround(shown))});
}

} // namespace pacewise::UIStrings
