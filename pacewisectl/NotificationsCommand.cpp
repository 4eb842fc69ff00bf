#include "NotificationsCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/NotificationController.h"

#include <QCommandLineParser>
#include <QSettings>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl notifications on|off [KIND] | threshold [5h|week PERCENT] | status

The daemon or the tray app shows desktop notifications (when the session
has a notification server) when

  limit-near         a window is 90 % used, or the share 'threshold' sets
                     for the 5-hour or the weekly windows (once per window)
  session-paused     the Endrun guard paused a Claude Code session
  session-resumed    a paused session was continued, or could not be
  kickstart          the morning kickstart sent its greeting, or failed

All are on at first. 'on' and 'off' switch one KIND, or all without one;
'threshold 5h 95' sets the 5-hour share (50 to 100); the running Pacewise
takes the change in at once.

Options:
  --json   print the resulting state as one JSON object (see docs/json.md)

Exit status: 0 done, 1 the settings could not be saved, 2 bad arguments.
)";

using Kind = NotificationController::Kind;

const std::pair<const char *, Kind> kinds[] = {
    {"limit-near", Kind::limitNear},
    {"session-paused", Kind::sessionPaused},
    {"session-resumed", Kind::sessionResumed},
    {"kickstart", Kind::kickstart},
};

} // namespace

int runNotifications(const QStringList &arguments, const CommandContext &, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("on, off or status"));
    parser.addOption(jsonOption());
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("notifications"), helpText, out, err, 3))
        return *done;
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0, QStringLiteral("status"));
    const bool switching = action == u"on" || action == u"off";
    const bool threshold = action == u"threshold";
    if ((!switching && !threshold && (action != u"status" || words.size() > 1)) || (threshold && words.size() == 2)) {
        err << "pacewisectl notifications: use 'on [KIND]', 'off [KIND]', 'threshold [5h|week PERCENT]' or 'status'\n";
        return usageError;
    }
    QList<Kind> chosen;
    for (const auto &[name, kind] : kinds) {
        if (words.size() < 2 || words.at(1) == QLatin1String(name))
            chosen << kind;
    }
    if (switching && chosen.isEmpty()) {
        err << "pacewisectl notifications: unknown kind '" << words.at(1)
            << "'; use limit-near, session-paused, session-resumed or kickstart\n";
        return usageError;
    }

    QSettings appSettings;
    if (switching) {
        for (const Kind kind : chosen)
            appSettings.setValue(NotificationController::settingsKey(kind), action == u"on");
    }
    if (threshold && words.size() == 3) {
        bool isNumber = false;
        const double percent = words.at(2).toDouble(&isNumber);
        if ((words.at(1) != u"5h" && words.at(1) != u"week") || !isNumber || percent < 50 || percent > 100) {
            err << "pacewisectl notifications: use 'threshold 5h PERCENT' or 'threshold week PERCENT', from 50 to 100\n";
            return usageError;
        }
        appSettings.setValue(NotificationController::limitNearKey(words.at(1) == u"5h" ? UsageLimitKind::fiveHour : UsageLimitKind::weeklyAll),
                          percent);
    }
    if ((switching || threshold) && !saveSettings(appSettings, QStringLiteral("notifications"), err))
        return failure;
    const double fiveHourPercent = NotificationController::limitNearPercent(&appSettings, UsageLimitKind::fiveHour);
    const double weeklyPercent = NotificationController::limitNearPercent(&appSettings, UsageLimitKind::weeklyAll);
    QJsonObject json{{QStringLiteral("limit_near_percent"),
                      QJsonObject{{QStringLiteral("five_hour"), fiveHourPercent}, {QStringLiteral("weekly"), weeklyPercent}}}};
    for (const auto &[name, kind] : kinds) {
        const bool enabled = NotificationController::isEnabled(&appSettings, kind);
        json.insert(QString::fromLatin1(name).replace(u'-', u'_'), enabled);
        if (!parser.isSet(QStringLiteral("json")))
            out << QString::fromLatin1(name).leftJustified(19) << (enabled ? "on" : "off") << '\n';
    }
    if (parser.isSet(QStringLiteral("json"))) {
        printJson(out, json);
        return success;
    }
    out << "limit-near at      " << fiveHourPercent << " % of the 5-hour window, " << weeklyPercent << " % of a weekly one\n";
    if (switching || threshold)
        warnWhenNothingRuns(out);
    return success;
}

} // namespace pacewise::cli
