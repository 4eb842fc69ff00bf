#include "EngineStateLocation.h"

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

} // namespace pacewise
