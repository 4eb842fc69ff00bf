#include "UpdateCheck.h"

#include "updates/UpdaterController.h"

#include <qcoro/qcorotask.h>

using namespace pacewise;
using State = cli::UpdateCheckOutcome::State;

extern "C" Q_DECL_EXPORT void pacewiseCheckUpdateFeed(const QUrl &feed, const QString &runningVersion,
                                                      cli::UpdateCheckOutcome *outcome)
{
    UpdaterController updater({.feedUrl = feed, .runningVersion = runningVersion});
    QCoro::waitFor(updater.check());
    switch (updater.checkResult()) {
    case UpdaterController::CheckResult::notConfigured:
        outcome->state = State::packageManager;
        break;
    case UpdaterController::CheckResult::upToDate:
        outcome->state = State::upToDate;
        break;
    case UpdaterController::CheckResult::updateAvailable:
        outcome->state = State::available;
        break;
    case UpdaterController::CheckResult::failed:
    case UpdaterController::CheckResult::idle:
    case UpdaterController::CheckResult::checking:
        outcome->state = State::failed;
        break;
    }
    outcome->offeredVersion = updater.offeredVersion();
    outcome->releasePage = updater.releasePage();
    outcome->failureReason = updater.failureReason();
}
