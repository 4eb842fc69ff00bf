#include "UsageCLI.h"

#include "UsageReportParser.h"
#include "claude/ClaudeCommandLine.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace pacewise {

using Kind = UsageCLIError::Kind;

UsageCLI::UsageCLI(Dependencies dependencies)
    : m_dependencies(std::move(dependencies))
{
}

std::expected<QString, UsageCLIError> UsageCLI::reportFromEnvelope(const QString &standardOutput)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(standardOutput.trimmed().toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return std::unexpected(UsageCLIError{.kind = Kind::invalidJSON, .text = parseError.errorString()});
    const QJsonObject envelope = document.object();
    const QJsonValue result = envelope.value(QLatin1String("result"));
    const QJsonValue isError = envelope.value(QLatin1String("is_error"));
    if (!document.isObject() || !result.isString() || !(isError.isUndefined() || isError.isNull() || isError.isBool()))
        return std::unexpected(UsageCLIError{.kind = Kind::invalidJSON, .text = QStringLiteral("not a result envelope")});
    // claude reports failures with "subtype":"success" too; only is_error counts.
    if (isError.toBool() || result.toString().trimmed().isEmpty())
        return std::unexpected(UsageCLIError{.kind = Kind::missingResult});
    return result.toString();
}

std::expected<QString, UsageCLIError> UsageCLI::runReport(const QString &claude) const
{
    ScriptInvocation invocation = ClaudeCommandLine::usageReport(claude, m_dependencies.environment);
    if (m_dependencies.timeoutSeconds)
        invocation.timeoutSeconds = *m_dependencies.timeoutSeconds;
    const auto run = m_dependencies.runner->run(invocation);
    if (!run) {
        // The remembered path may point at a claude that has since moved.
        if (run.error().kind == ScriptRunnerError::Kind::launchFailed)
            m_dependencies.resolver->invalidate();
        return std::unexpected(UsageCLIError{.kind = Kind::processFailed, .runnerError = run.error()});
    }
    if (run->exitCode != 0) {
        return std::unexpected(
            UsageCLIError{.kind = Kind::commandFailed, .exitCode = run->exitCode, .text = run->standardError});
    }
    return reportFromEnvelope(run->standardOutput);
}

std::expected<UsageSnapshot, UsageCLIError> UsageCLI::fetch() const
{
    const auto claude = m_dependencies.resolver->resolve();
    if (!claude)
        return std::unexpected(UsageCLIError{.kind = Kind::cliNotFound});

    const auto report = runReport(*claude);
    if (!report)
        return std::unexpected(report.error());
    const auto snapshot = UsageReportParser::parse(*report, m_dependencies.now(), m_dependencies.timeZone());
    if (!snapshot)
        return snapshot;
    return snapshot->taggedWith(m_dependencies.accountIdentity.current());
}

} // namespace pacewise
