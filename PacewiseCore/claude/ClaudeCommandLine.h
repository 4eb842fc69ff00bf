#pragma once

#include "system/ScriptRunning.h"

#include <QProcessEnvironment>
#include <QString>

namespace pacewise::ClaudeCommandLine {

// Every way Pacewise runs `claude`, in one place: arguments, environment,
// working directory and time-out.

// Our environment without the variables Claude Code sets for the tools it
// runs: a `claude` started from inside a Claude Code session (`pacewisectl
// resume now` typed into a session's shell, the tray app launched from one)
// must not take itself for that session's child, nor get its messaging
// token. The user's own configuration (CLAUDE_CONFIG_DIR, API settings)
// stays.
QProcessEnvironment reducedEnvironment(const QProcessEnvironment &environment);

// The print-mode usage report; costs no model turn. Asked once: claude
// ignores the command's argument, so "/usage" would print the same report.
ScriptInvocation usageReport(const QString &claude, const QProcessEnvironment &environment);

// The sign-in status: JSON on standard output, exit 1 when signed out.
ScriptInvocation authStatus(const QString &claude);

// The browser sign-in; prints the URL, then waits for the code or the browser.
ScriptInvocation signIn(const QString &claude);

// Continues a session in its own directory, with the session's own
// permission mode when known (print mode would otherwise refuse the tool
// calls an interactive session was allowed). The id stays joined to the
// option: `--resume` takes an optional value, so a separate word would let
// the prompt be read as the session. The JSON result tells whether the
// session really continued.
ScriptInvocation resume(const QString &claude, const QString &sessionId, const QString &workingDirectory,
                        const QProcessEnvironment &environment,
                        const std::optional<QString> &permissionMode = std::nullopt);

inline constexpr char continuePrompt[] = "Please continue the previous task where you left off.";

// The greeting that starts the 5-hour window; uses a real model turn.
ScriptInvocation kickstartGreeting(const QString &claude, const QProcessEnvironment &environment);

inline constexpr double usageReportTimeoutSeconds = 30;
inline constexpr double authStatusTimeoutSeconds = 15;
inline constexpr double signInTimeoutSeconds = 180;
inline constexpr double resumeTimeoutSeconds = 1800;
inline constexpr double kickstartTimeoutSeconds = 90;

} // namespace pacewise::ClaudeCommandLine
