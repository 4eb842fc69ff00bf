#include "UpdaterController.h"

#include <QLoggingCategory>

#include <QHostAddress>
#include <QNetworkReply>
#include <QPointer>

#include <qcoro/qcoronetworkreply.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcUpdates, "pacewise.updates", QtInfoMsg)

UpdaterController::UpdaterController(Options options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_checkResult(m_options.feedUrl.isEmpty() ? CheckResult::notConfigured : CheckResult::idle)
{
}

bool UpdaterController::isAcceptableFeedUrl(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == u"https")
        return true;
    return url.scheme() == u"http" && (url.host() == u"localhost" || QHostAddress(url.host()).isLoopback());
}

void UpdaterController::finish(CheckResult result, const QString &reason)
{
    m_checkResult = result;
    m_failureReason = reason;
    if (!reason.isEmpty())
        qCWarning(lcUpdates, "update check failed: %s", qUtf8Printable(reason));
    emit changed();
}

QCoro::Task<> UpdaterController::check()
{
    if (m_checkResult == CheckResult::checking || m_checkResult == CheckResult::notConfigured)
        co_return;
    if (!isAcceptableFeedUrl(m_options.feedUrl)) {
        finish(CheckResult::failed, QStringLiteral("the update feed must be an https address"));
        co_return;
    }
    m_offered.reset();
    m_checkResult = CheckResult::checking;
    emit changed();

    QNetworkRequest request(m_options.feedUrl);
    // Qt sets no time-out of its own; a feed that never answers must not
    // keep the check "checking" for ever.
    request.setTransferTimeout(int(m_options.timeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network.get(request);
    bool tooLarge = false;
    connect(reply, &QNetworkReply::downloadProgress, reply, [&tooLarge, reply, limit = m_options.maximumFeedBytes](qint64 received, qint64) {
        if (received > limit) {
            tooLarge = true;
            reply->abort();
        }
    });
    const QPointer<UpdaterController> self(this);
    co_await reply;
    reply->deleteLater();
    if (!self)
        co_return;
    if (tooLarge) {
        finish(CheckResult::failed, QStringLiteral("the update feed is larger than %1 KiB").arg(m_options.maximumFeedBytes / 1024));
        co_return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        finish(CheckResult::failed, reply->errorString());
        co_return;
    }
    const auto items = Appcast::parse(reply->readAll());
    if (!items) {
        finish(CheckResult::failed, QStringLiteral("the update feed is not a valid appcast: %1").arg(items.error()));
        co_return;
    }
    m_offered = Appcast::newerThan(*items, m_options.runningVersion);
    finish(m_offered ? CheckResult::updateAvailable : CheckResult::upToDate);
}

} // namespace pacewise
