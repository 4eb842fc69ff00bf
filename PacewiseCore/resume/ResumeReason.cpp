#include "ResumeReason.h"

#include "i18n/UIStrings.h"
#include "system/ErrorText.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

#include <array>
#include <utility>

namespace pacewise {

namespace {

using Code = ResumeReason::Code;

constexpr std::array tokens{
    std::pair{Code::words, "words"},
    std::pair{Code::ticketFolderUnwritable, "ticket_folder_unwritable"},
    std::pair{Code::continuedByAnotherPacewise, "continued_by_another_pacewise"},
    std::pair{Code::continuedByAnEarlierResume, "continued_by_an_earlier_resume"},
    std::pair{Code::continuedInClaudeCode, "continued_in_claude_code"},
    std::pair{Code::earlierRunUnexplained, "earlier_run_unexplained"},
    std::pair{Code::idleSinceTheReset, "idle_since_the_reset"},
    std::pair{Code::directoryMissing, "directory_missing"},
    std::pair{Code::claudeNotFound, "claude_not_found"},
    std::pair{Code::stoppedBeforeItFinished, "stopped_before_it_finished"},
    std::pair{Code::claudeNotStarted, "claude_not_started"},
    std::pair{Code::runUnexplained, "run_unexplained"},
    std::pair{Code::timedOut, "timed_out"},
    std::pair{Code::claudeExited, "claude_exited"},
    std::pair{Code::claudeReportedError, "claude_reported_error"},
    std::pair{Code::toolsRefused, "tools_refused"},
    std::pair{Code::ticketNotDeleted, "ticket_not_deleted"},
};

// A record is a small file; no reason needs more.
constexpr int maximumArguments = 20;
constexpr int maximumArgumentLength = 500;

// The C locale joins with bare commas; its texts are English.
QLocale listLocale()
{
    return QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
}

} // namespace

QString ResumeReason::text() const
{
    const QString first = arguments.value(0);
    const QString second = arguments.value(1);
    const auto errorText = [](const QString &number) { return systemErrorText(number.toInt()); };
    switch (code) {
    case Code::words:
        return first;
    case Code::ticketFolderUnwritable:
        return UIStrings::format("resume.reason.ticketFolderUnwritable", "the folder of stopped sessions, %1, cannot be written: %2",
                                 {first, errorText(second)});
    case Code::continuedByAnotherPacewise:
        return UIStrings::text("resume.reason.continuedByAnotherPacewise", "continued by another Pacewise");
    case Code::continuedByAnEarlierResume:
        return UIStrings::text("resume.reason.continuedByAnEarlierResume", "continued by an earlier resume");
    case Code::continuedInClaudeCode:
        return UIStrings::text("resume.reason.continuedInClaudeCode", "continued in Claude Code");
    case Code::earlierRunUnexplained:
        return UIStrings::text("resume.reason.earlierRunUnexplained", "its earlier run ended without saying how");
    case Code::idleSinceTheReset:
        return UIStrings::text("resume.reason.idleSinceTheReset", "idle since before the reset; continue it there");
    case Code::directoryMissing:
        return UIStrings::format("resume.reason.directoryMissing", "its folder %1 no longer exists", {first});
    case Code::claudeNotFound:
        return UIStrings::text("resume.reason.claudeNotFound", "claude was not found");
    case Code::stoppedBeforeItFinished:
        return UIStrings::text("resume.reason.stoppedBeforeItFinished", "stopped before it finished");
    case Code::claudeNotStarted:
        return UIStrings::format("resume.reason.claudeNotStarted", "claude could not be started: %1", {errorText(first)});
    case Code::runUnexplained:
        return UIStrings::format("resume.reason.runUnexplained", "claude ended without saying how (exit status %1)", {first});
    case Code::timedOut:
        return UIStrings::count("resume.reason.timedOut", "claude did not finish within %n minute",
                                "claude did not finish within %n minutes", first.toInt());
    case Code::claudeExited:
        return second.isEmpty()
                   ? UIStrings::format("resume.reason.claudeExited", "claude exited with status %1", {first})
                   : UIStrings::format("resume.reason.claudeExitedSaying", "claude exited with status %1: %2", {first, second});
    case Code::claudeReportedError:
        return first.isEmpty() ? UIStrings::text("resume.reason.claudeReportedError", "Claude Code reported an error")
                               : UIStrings::format("resume.reason.claudeReportedErrorSaying",
                                                   "Claude Code reported an error: %1", {first});
    case Code::toolsRefused:
        if (arguments.isEmpty())
            return UIStrings::text("resume.reason.aToolRefused", "a tool call was not allowed");
        return arguments.size() == 1
                   ? UIStrings::format("resume.reason.toolRefused", "%1 was not allowed", {first})
                   : UIStrings::format("resume.reason.toolsRefused", "%1 were not allowed",
                                       {listLocale().createSeparatedList(arguments)});
    case Code::ticketNotDeleted:
        return UIStrings::format("resume.reason.ticketNotDeleted", "its ticket could not be deleted: %1", {errorText(first)});
    }
    Q_UNREACHABLE();
    return {};
}

QString ResumeReason::token() const
{
    for (const auto &[known, name] : tokens) {
        if (known == code)
            return QLatin1String(name);
    }
    Q_UNREACHABLE();
    return {};
}

QJsonValue ResumeReason::encode() const
{
    return QJsonObject{{QLatin1String("code"), token()}, {QLatin1String("arguments"), QJsonArray::fromStringList(arguments)}};
}

std::optional<ResumeReason> ResumeReason::decode(const QJsonValue &value)
{
    if (value.isString()) {
        const QString words = value.toString().left(maximumArgumentLength);
        return words.isEmpty() ? std::nullopt : std::optional(ResumeReason{Code::words, {words}});
    }
    const QJsonObject object = value.toObject();
    const QString name = object.value(QLatin1String("code")).toString();
    for (const auto &[known, token] : tokens) {
        if (name != QLatin1String(token))
            continue;
        ResumeReason reason{known};
        for (const QJsonValue argument : object.value(QLatin1String("arguments")).toArray()) {
            if (reason.arguments.size() == maximumArguments)
                break;
            reason.arguments << argument.toString().left(maximumArgumentLength);
        }
        return reason;
    }
    return std::nullopt; // a code of a later version: said nothing rather than wrong
}

} // namespace pacewise
