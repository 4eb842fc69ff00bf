#pragma once

#include "updates/Appcast.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <qcoro/qcorotask.h>

#include <chrono>

namespace pacewise {

// Tells whether a newer Pacewise exists. Linux users update through their
// package manager, so this only reads an appcast feed when one is
// configured, and never downloads or installs anything: a newer version
// comes with the https page to read about it.
class UpdaterController : public QObject {
    Q_OBJECT
    Q_PROPERTY(CheckResult checkResult READ checkResult NOTIFY changed)
    Q_PROPERTY(QString offeredVersion READ offeredVersion NOTIFY changed)

public:
    enum class CheckResult { idle, checking, upToDate, failed, updateAvailable, notConfigured };
    Q_ENUM(CheckResult)

    struct Options {
        QUrl feedUrl; // empty: updates come from the package manager
        QString runningVersion;
        std::chrono::milliseconds timeout{15'000};
        qint64 maximumFeedBytes = 1024 * 1024;
    };

    explicit UpdaterController(Options options, QObject *parent = nullptr);

    CheckResult checkResult() const { return m_checkResult; }
    QString offeredVersion() const { return m_offered ? m_offered->version : QString(); }
    QUrl releasePage() const { return m_offered ? m_offered->releasePage : QUrl(); }
    QString failureReason() const { return m_failureReason; }

    // Feeds are read over https; plain http only from this machine (tests).
    static bool isAcceptableFeedUrl(const QUrl &url);

    // A quiet check; one at a time.
    QCoro::Task<> check();

signals:
    void changed();

private:
    void finish(CheckResult result, const QString &reason = {});

    Options m_options;
    QNetworkAccessManager m_network;
    CheckResult m_checkResult;
    std::optional<AppcastItem> m_offered;
    QString m_failureReason;
};

} // namespace pacewise
