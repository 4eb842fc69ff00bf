#include "AuthCommand.h"

#include "claude/ClaudeErrorText.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "CommandLine.h"
#include "claude/AuthService.h"

#include <QCommandLineParser>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl auth [--timeout SECONDS]

Shows whether Claude Code is signed in, with the account's e-mail address
and plan, as `claude auth status` reports them.

Options:
  --timeout N  wait at most N seconds for claude (default 15)
  --json       print one JSON object (see docs/json.md)

Exit status: 0 signed in, 1 claude could not be asked (the reason is
printed), 2 bad arguments, 4 not signed in.
)";

} // namespace

int runAuth(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption(timeoutOption());
    parser.addOption(jsonOption());
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("auth"), helpText, out, err))
        return *done;
    std::optional<double> timeout;
    if (!readTimeout(parser, QStringLiteral("auth"), timeout, err))
        return usageError;

    const auto status = AuthService(context.resolver, context.runner, timeout).statusExplained();
    if (!status) {
        err << "pacewisectl auth: " << authErrorText(status.error()) << '\n';
        return failure;
    }
    if (parser.isSet(QStringLiteral("json"))) {
        const auto optional = [](const std::optional<QString> &text) { return jsonText(text.value_or(QString())); };
        printJson(out, QJsonObject{
            {QStringLiteral("signed_in"), status->loggedIn},
            {QStringLiteral("email"), optional(status->email)},
            {QStringLiteral("plan"), optional(status->subscriptionType)},
            {QStringLiteral("method"), optional(status->authMethod)},
        });
        return status->loggedIn ? success : notSignedIn;
    }
    if (!status->loggedIn) {
        out << "Not signed in; run 'claude auth login' to sign in\n";
        return notSignedIn;
    }
    const QString plan = status->subscriptionType.value_or(QString());
    const QString email = status->email.value_or(QString());
    if (!email.isEmpty() && !plan.isEmpty())
        out << "Signed in: " << email << " (" << plan << ")\n";
    else if (!email.isEmpty() || !plan.isEmpty())
        out << "Signed in (" << (email.isEmpty() ? plan : email) << ")\n";
    else
        out << "Signed in\n";
    return success;
}

} // namespace pacewise::cli
