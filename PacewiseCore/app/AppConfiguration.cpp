#include "AppConfiguration.h"

namespace pacewise {

QString engineStateLocation(const QProcessEnvironment &environment, const QSettings &settings,
                            const ClaudePaths &claudePaths)
{
    const QString fromEnvironment = environment.value(QStringLiteral("PACEWISE_STATE_PATH"));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromSettings = settings.value(QStringLiteral("statePath")).toString();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return claudePaths.engineStateFile();
}

bool writeStateEnabled(const QProcessEnvironment &environment, const QSettings &settings)
{
    if (environment.contains(QStringLiteral("PACEWISE_WRITE_STATE"))) {
        const QString value = environment.value(QStringLiteral("PACEWISE_WRITE_STATE")).toLower();
        return value == u"1" || value == u"true";
    }
    return settings.value(QStringLiteral("writeStateEnabled")).toBool();
}

QUrl updateFeedUrl(const QSettings &settings)
{
    const QString configured = settings.value(QStringLiteral("updateFeedURL")).toString();
    return QUrl(configured.isEmpty() ? QStringLiteral(PACEWISE_UPDATE_FEED_URL) : configured);
}

} // namespace pacewise
