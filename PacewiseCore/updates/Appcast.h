#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <expected>
#include <optional>

namespace pacewise {

// One release announced in an appcast (the RSS format the Sparkle
// framework reads): its version and where to read about it.
struct AppcastItem {
    QString version;     // sparkle:shortVersionString, else sparkle:version, else the title
    QUrl releasePage;    // releaseNotesLink, else link; only https
    bool operator==(const AppcastItem &) const = default;
};

namespace Appcast {

std::expected<QList<AppcastItem>, QString> parse(const QByteArray &xml);

// Numeric, part by part ("1.10" is newer than "1.9"; "1.2" equals
// "1.2.0"); text after the digits of a part is ignored.
int compareVersions(const QString &a, const QString &b);

// The newest item newer than the running version, if any.
std::optional<AppcastItem> newerThan(const QList<AppcastItem> &items, const QString &running);

} // namespace Appcast

} // namespace pacewise
