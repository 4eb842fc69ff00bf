#pragma once

#include "CommandContext.h"
#include "resume/ResumeCoordinator.h"
#include "resume/ResumeStatus.h"

namespace pacewise::cli {

// How the command line words what happened to a paused session, and where
// it stands: the one mapping to words of pacewisectl (`resume`, `status
// --watch`), in English.
QString resumeResultText(const ResumeAttemptResult &result, const CommandContext &context);
QString resumeStatusText(const ResumeStatus &status, const CommandContext &context);
// Why, in English, made safe for a terminal.
QString reasonText(const std::optional<ResumeReason> &reason);

} // namespace pacewise::cli
