#pragma once

#include <QString>
#include <QUrl>

namespace pacewise::cli {

// What a check of the update feed found. The feed is read by a module of
// pacewisectl's own, loaded only by `update check`, so that Qt's network
// stack, and Kerberos and libproxy with it, never load into the daemon or
// into the `status` a status bar runs every few seconds.
struct UpdateCheckOutcome {
    enum class State { packageManager, upToDate, available, failed };
    State state = State::failed;
    QString offeredVersion;
    QUrl releasePage;
    QString failureReason;
};

// The module's one entry point, looked up by this name.
inline constexpr char checkUpdateFeedSymbol[] = "pacewiseCheckUpdateFeed";

} // namespace pacewise::cli

extern "C" void pacewiseCheckUpdateFeed(const QUrl &feed, const QString &runningVersion,
                                        pacewise::cli::UpdateCheckOutcome *outcome);
