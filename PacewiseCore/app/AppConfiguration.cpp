#include "AppConfiguration.h"

#include "app/AppSettingsKeys.h"

namespace pacewise {

QString engineStateLocation(const QProcessEnvironment &environment, const QSettings &settings,
                            const ClaudePaths &claudePaths)
{
    const QString fromEnvironment = environment.value(QStringLiteral("PACEWISE_STATE_PATH"));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromSettings = settings.value(QLatin1String(AppSettingsKeys::statePath)).toString();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return claudePaths.engineStateFile();
}

bool recordsBeforeUserStatusLine(const QSettings &settings)
{
    return settings.value(QLatin1String(AppSettingsKeys::recordBeforeUserStatusLine), true).toBool();
}

QUrl updateFeedUrl(const QSettings &settings)
{
    const QString configured = settings.value(QLatin1String(AppSettingsKeys::updateFeedUrl)).toString();
    return QUrl(configured.isEmpty() ? QStringLiteral(PACEWISE_UPDATE_FEED_URL) : configured);
}

} // namespace pacewise
