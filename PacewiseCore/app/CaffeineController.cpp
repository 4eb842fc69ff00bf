#include "CaffeineController.h"

#include "system/Logging.h"

namespace pacewise {

Q_LOGGING_CATEGORY(lcCaffeine, "pacewise.caffeine", QtInfoMsg)

CaffeineController::CaffeineController(std::shared_ptr<PowerAssertions> assertions, QObject *parent)
    : QObject(parent)
    , m_assertions(std::move(assertions))
{
}

void CaffeineController::start()
{
    if (m_assertion)
        return;
    auto assertion = m_assertions->acquire(QString::fromLatin1(assertionName));
    if (!assertion) {
        qCWarning(lcCaffeine, "keep-awake refused: %s", qUtf8Printable(assertion.error()));
        m_unavailableReason = assertion.error();
        emit isActiveChanged();
        return;
    }
    m_assertion = std::move(*assertion);
    m_unavailableReason.clear();
    qCInfo(lcCaffeine, "caffeine ON");
    emit isActiveChanged();
}

void CaffeineController::stop()
{
    if (!m_assertion)
        return;
    m_assertion.reset();
    qCInfo(lcCaffeine, "caffeine OFF");
    emit isActiveChanged();
}

} // namespace pacewise
