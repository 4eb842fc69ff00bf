#pragma once

#include "TestFiles.h"
#include "claude/CLIPathResolver.h"
#include "system/ScriptRunning.h"

#include <QList>

#include <deque>
#include <functional>
#include <mutex>

namespace pacewise::test {

// Answers runs from a queue and remembers what it was asked to run. Runs
// come from several pool threads at once, as resumes do.
class FakeScriptRunner final : public ScriptRunning {
public:
    // Runs before answering, as the child would: to write files, or to block.
    std::function<void(const ScriptInvocation &)> whileRunning;
    // The time a resume's run records as its end.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };

    void answer(int exitCode, const QString &standardOutput, const QString &standardError = {})
    {
        answer(ScriptResult{.exitCode = exitCode, .standardOutput = standardOutput, .standardError = standardError});
    }
    void answer(std::expected<ScriptResult, ScriptRunnerError> result)
    {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(std::move(result));
    }
    QList<ScriptInvocation> invocations() const
    {
        std::lock_guard lock(m_mutex);
        return m_invocations;
    }

    std::expected<ScriptResult, ScriptRunnerError> run(const ScriptInvocation &invocation) const override
    {
        {
            std::lock_guard lock(m_mutex);
            m_invocations.append(invocation);
        }
        if (whileRunning)
            whileRunning(invocation);
        std::unique_lock lock(m_mutex);
        if (m_answers.empty())
            return std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::launchFailed, .errorNumber = ENOENT});
        auto answer = m_answers.front();
        m_answers.pop_front();
        lock.unlock();
        // A resume's run (ResumeRun) is answered as its shell would: claude's
        // output and how it ended go to the run's files.
        if (answer && invocation.arguments.value(2) == u"pacewise-resume") {
            const QString files = invocation.arguments.value(3);
            writeFile(files + u".out"_qs, answer->standardOutput.toUtf8());
            writeFile(files + u".err"_qs, answer->standardError.toUtf8());
            writeFile(files + u".exit"_qs, QByteArray::number(answer->exitCode) + ' ' + QByteArray::number(clock().toSecsSinceEpoch()));
            return ScriptResult{};
        }
        return answer;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::deque<std::expected<ScriptResult, ScriptRunnerError>> m_answers;
    mutable QList<ScriptInvocation> m_invocations;
};

class FakeResolver final : public CLIPathResolving {
public:
    std::optional<QString> path = QStringLiteral("/opt/claude/bin/claude");
    int invalidations = 0;

    std::optional<QString> resolve() override { return path; }
    void invalidate() override { ++invalidations; }
};

} // namespace pacewise::test
