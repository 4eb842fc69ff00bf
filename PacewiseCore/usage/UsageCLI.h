#pragma once

#include "AccountIdentity.h"
#include "UsageFetching.h"
#include "claude/CLIPathResolver.h"
#include "system/ScriptRunning.h"

#include <QProcessEnvironment>
#include <QTimeZone>

#include <functional>
#include <memory>

namespace pacewise {

// Asks `claude` for its usage report (print mode, no model turn) and parses
// the rows into a snapshot tagged with the signed-in account.
class UsageCLI final : public UsageFetching {
public:
    struct Dependencies {
        std::shared_ptr<CLIPathResolving> resolver;
        std::shared_ptr<const ScriptRunning> runner;
        AccountIdentity accountIdentity;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        std::function<QTimeZone()> timeZone = [] { return QTimeZone::systemTimeZone(); };
        std::optional<double> timeoutSeconds = std::nullopt; // the command line's default when absent
    };

    explicit UsageCLI(Dependencies dependencies);

    std::expected<UsageSnapshot, UsageCLIError> fetch() const override;

    // The report text out of claude's JSON envelope.
    static std::expected<QString, UsageCLIError> reportFromEnvelope(const QString &standardOutput);

private:
    std::expected<QString, UsageCLIError> runReport(const QString &claude) const;

    Dependencies m_dependencies;
};

} // namespace pacewise
