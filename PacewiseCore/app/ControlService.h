#pragma once

#include "PacewiseCoreInfo.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <expected>

namespace pacewise {

class CaffeineController;

// What other Pacewise processes may ask of the running instance over the
// session bus. Only the instance that polls registers it, so the name also
// tells pacewisectl whether one runs.
class ControlService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.pacewise.Pacewise1")
public:
    static constexpr const char *serviceName = PacewiseCoreInfo::applicationId;
    static constexpr char objectPath[] = "/io/github/pacewise/Pacewise";
    static constexpr char interfaceName[] = "io.github.pacewise.Pacewise1";

    explicit ControlService(CaffeineController *caffeine, QObject *parent = nullptr);

    // Exports this object and takes the name; the reason when it cannot.
    std::expected<void, QString> registerOn(QDBusConnection bus);

public slots:
    // Switches keep-awake; the reply says whether it is held now and, when
    // it could not be, why.
    Q_SCRIPTABLE QVariantMap SetCaffeine(bool on);
    // "pid", "version", "caffeineActive", "caffeineUnavailableReason".
    Q_SCRIPTABLE QVariantMap Status() const;

private:
    CaffeineController *m_caffeine;
};

} // namespace pacewise
