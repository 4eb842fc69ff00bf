#include "CaffeineController.h"

#include "system/Logging.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcCaffeine, "pacewise.caffeine", QtInfoMsg)

CaffeineController::CaffeineController(std::shared_ptr<PowerAssertions> assertions, QObject *parent)
    : QObject(parent)
    , m_assertions(std::move(assertions))
{
}

QCoro::Task<> CaffeineController::switchTo(bool active)
{
    m_wanted = active;
    if (!active) {
        if (m_assertion) {
            m_assertion.reset();
            qCInfo(lcCaffeine, "caffeine OFF");
            emit isActiveChanged();
        }
        co_return;
    }
    if (m_assertion || m_asking)
        co_return;
    m_asking = true;
    const QPointer<CaffeineController> self(this);
    // Started in a statement of its own: GCC 12 destroys the temporaries of
    // a co_await full-expression twice.
    auto asking = QtConcurrent::run([assertions = m_assertions] {
        auto assertion = assertions->acquire(QString::fromLatin1(assertionName));
        return assertion ? std::pair(std::shared_ptr<PowerAssertion>(std::move(*assertion)), QString())
                         : std::pair(std::shared_ptr<PowerAssertion>(), assertion.error());
    });
    const auto [assertion, refusal] = co_await asking;
    if (!self)
        co_return; // released with the answer
    m_asking = false;
    if (!assertion) {
        qCWarning(lcCaffeine, "keep-awake refused: %s", qUtf8Printable(refusal));
        m_unavailableReason = refusal;
        emit isActiveChanged();
        co_return;
    }
    if (!m_wanted)
        co_return; // switched off meanwhile: released with the answer
    m_assertion = assertion;
    m_unavailableReason.clear();
    qCInfo(lcCaffeine, "caffeine ON");
    emit isActiveChanged();
}

} // namespace pacewise
