#include "FetchIssue.h"

#include "i18n/UIStrings.h"

namespace pacewise {

FetchIssue classify(const UsageCLIError &error)
{
    using Kind = UsageCLIError::Kind;
    switch (error.kind) {
    case Kind::commandFailed:
    case Kind::cliNotFound:
        return FetchIssue::signInRequired;
    case Kind::processFailed:
        return error.runnerError && error.runnerError->kind == ScriptRunnerError::Kind::timedOut
                   ? FetchIssue::offline
                   : FetchIssue::signInRequired;
    case Kind::throttled:
        return FetchIssue::throttled;
    case Kind::invalidJSON:
    case Kind::missingWindow:
    case Kind::malformedUsageLine:
    case Kind::invalidResetDate:
    case Kind::missingResult:
        return FetchIssue::unknown;
    }
    Q_UNREACHABLE();
    return FetchIssue::unknown;
}

QString issueText(FetchIssue issue)
{
    switch (issue) {
    case FetchIssue::signInRequired:
        return UIStrings::text("issue.signInRequired", "Sign in required");
    case FetchIssue::offline:
        return UIStrings::text("issue.offline", "Offline, retrying…");
    case FetchIssue::throttled:
        return UIStrings::text("issue.dataWithheld", "Usage data withheld by server");
    case FetchIssue::unknown:
        return UIStrings::text("issue.unexpected", "Unexpected response, retrying…");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
