#include "CaffeineController.h"

#include "system/Logging.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcCaffeine, "pacewise.caffeine", QtInfoMsg)

CaffeineController::CaffeineController(std::shared_ptr<SleepInhibitors> inhibitors, QObject *parent)
    : QObject(parent)
    , m_inhibitors(std::move(inhibitors))
{
}

QCoro::Task<> CaffeineController::switchTo(bool active)
{
    m_wanted = active;
    if (!active) {
        if (m_inhibitor) {
            m_inhibitor.reset();
            qCInfo(lcCaffeine, "caffeine OFF");
            emit isActiveChanged();
        }
        co_return;
    }
    if (m_inhibitor || m_asking)
        co_return;
    m_asking = true;
    const QPointer<CaffeineController> self(this);
    // Started in a statement of its own: GCC 12 destroys the temporaries of
    // a co_await full-expression twice.
    auto asking = QtConcurrent::run([inhibitors = m_inhibitors] {
        auto inhibitor = inhibitors->acquire(QString::fromLatin1(inhibitorReason));
        return inhibitor ? std::pair(std::shared_ptr<SleepInhibitor>(std::move(*inhibitor)), QString())
                         : std::pair(std::shared_ptr<SleepInhibitor>(), inhibitor.error());
    });
    const auto [inhibitor, refusal] = co_await asking;
    if (!self)
        co_return; // released with the answer
    m_asking = false;
    if (!inhibitor) {
        qCWarning(lcCaffeine, "keep-awake refused: %s", qUtf8Printable(refusal));
        m_unavailableReason = refusal;
        emit isActiveChanged();
        co_return;
    }
    if (!m_wanted)
        co_return; // switched off meanwhile: released with the answer
    m_inhibitor = inhibitor;
    m_unavailableReason.clear();
    qCInfo(lcCaffeine, "caffeine ON");
    emit isActiveChanged();
}

} // namespace pacewise
