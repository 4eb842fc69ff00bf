#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>

namespace pacewise {

// What stood in Claude Code's "statusLine" before the guard put its own
// there, kept in "." + NAME + ".pacewise-statusline-backup.json" so that
// turning the guard off can put it back.
struct StatusLineBackup {
    bool hadOriginal = false;
    std::optional<QJsonValue> original = std::nullopt; // the user's status line, verbatim
    std::optional<QJsonObject> installed = std::nullopt; // the one we wrote

    // Only version 1 backups with a boolean "hadOriginal" are understood.
    static std::optional<StatusLineBackup> parse(const QByteArray &json);
    QByteArray toJson() const;

    bool operator==(const StatusLineBackup &) const = default;
};

} // namespace pacewise
