#pragma once

#include "FakeScriptRunner.h"
#include "app/AppComposition.h"
#include "app/ResumeController.h"

#include <qcoro/qcorotask.h>

#include <functional>
#include <memory>

namespace pacewise::test {

// The ResumeController the application composes, over a scratch
// ~/.claude, with claude run by the given fake at the test's clock, and
// its tickets read once.
inline std::unique_ptr<ResumeController> fakeResumes(const ClaudePaths &paths, std::shared_ptr<FakeScriptRunner> runner,
                                                     std::function<QDateTime()> now, AppState *state)
{
    ResumeController::Dependencies resuming = AppComposition::resumeController(QProcessEnvironment(), paths);
    ResumeCoordinator::Dependencies coordinator = AppComposition::resumeCoordinator(QProcessEnvironment(), paths);
    coordinator.resolver = std::make_shared<FakeResolver>();
    runner->clock = now;
    coordinator.runner = std::move(runner);
    coordinator.now = now;
    resuming.coordinator = std::make_shared<ResumeCoordinator>(coordinator);
    resuming.now = std::move(now);
    auto resumes = std::make_unique<ResumeController>(resuming, state);
    QCoro::waitFor(resumes->reload());
    return resumes;
}

} // namespace pacewise::test
