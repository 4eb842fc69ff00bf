#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>

namespace pacewise {

// What stood in Claude Code's "statusLine" before the guard put its own
// there, and what else the guard added, kept in "." + NAME +
// ".pacewise-statusline-backup.json": what turning the guard off, in this
// version or an older one, undoes.
struct StatusLineBackup {
    bool hadOriginal = false;
    std::optional<QJsonValue> original = std::nullopt; // the user's status line, verbatim
    std::optional<QJsonObject> installed = std::nullopt; // the one we wrote
    // The containers the guard's entry was the first thing in ("hooks",
    // "hooks.PreToolUse"): turning it off removes them again once empty,
    // and keeps empty ones the user had. Unknown in older backups.
    std::optional<QStringList> created = std::nullopt;
    // The settings file as it was before the guard first changed it
    // (kept in base64, byte for byte): turning the guard off gives back
    // these very bytes (escapes, spacing) when what they say is what the
    // file would say again.
    std::optional<QByteArray> settingsBefore = std::nullopt;

    // Only version 1 backups with a boolean "hadOriginal" are understood.
    static std::optional<StatusLineBackup> parse(const QByteArray &json);
    QByteArray toJson() const;

    bool operator==(const StatusLineBackup &) const = default;
};

} // namespace pacewise
