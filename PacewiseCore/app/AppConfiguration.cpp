#include "AppConfiguration.h"

#include "app/AppSettingsKeys.h"

namespace pacewise {

QString engineStateLocation(const QProcessEnvironment &environment, const QSettings &appSettings,
                            const ClaudePaths &claudePaths)
{
    const QString fromEnvironment = environment.value(QStringLiteral("PACEWISE_STATE_PATH"));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromSettings = appSettings.value(QLatin1String(AppSettingsKeys::statePath)).toString();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return claudePaths.engineStateFile();
}

bool recordsBeforeUserStatusLine(const QSettings &appSettings)
{
    return appSettings.value(QLatin1String(AppSettingsKeys::recordBeforeUserStatusLine), true).toBool();
}

QUrl updateFeedUrl(const QSettings &appSettings)
{
    const QString configured = appSettings.value(QLatin1String(AppSettingsKeys::updateFeedUrl)).toString();
    return QUrl(configured.isEmpty() ? QStringLiteral(PACEWISE_UPDATE_FEED_URL) : configured);
}

} // namespace pacewise
