#pragma once

#include <QJsonValue>
#include <QStringList>

#include <optional>

namespace pacewise {

// Why a resume came out as it did: a code with what fills it in, kept in
// the session's record and put into words only where it is shown, in the
// language of whoever shows it.
struct ResumeReason {
    enum class Code {
        words,                      // words as they came: a record from before codes
        ticketFolderUnwritable,     // the folder, errno
        continuedByAnotherPacewise, //
        continuedByAnEarlierResume, //
        continuedInClaudeCode,      //
        earlierRunUnexplained,      //
        idleSinceTheReset,          // open in Claude Code, idle since before the reset
        directoryMissing,           // the session's folder
        claudeNotFound,             //
        stoppedBeforeItFinished,    //
        claudeNotStarted,           // errno
        runUnexplained,             // the run's exit status
        timedOut,                   // minutes
        claudeExited,               // exit status, claude's own words (may be empty)
        claudeReportedError,        // claude's own words (may be empty)
        toolsRefused,               // the tools' names (none: a tool call)
        ticketNotDeleted,           // errno
    };
    Code code;
    QStringList arguments = {};

    // In the user's language where a catalogue is loaded (the tray, the
    // daemon's notifications), else English (pacewisectl); starts in lower
    // case, as it follows a colon.
    QString text() const;
    // "claude_exited" and so on: for --json and the log.
    QString token() const;

    // {"code": …, "arguments": […]}; a plain string reads as words.
    QJsonValue encode() const;
    static std::optional<ResumeReason> decode(const QJsonValue &value);

    bool operator==(const ResumeReason &) const = default;
};

} // namespace pacewise
