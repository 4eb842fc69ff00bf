#include "Appcast.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace pacewise::Appcast {

namespace {

const QString sparkle = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

QList<qint64> versionParts(const QString &version)
{
    static const QRegularExpression leadingDigits(QStringLiteral("^\\d{1,12}"));
    QList<qint64> parts;
    for (const QString &part : version.trimmed().split(u'.'))
        parts.append(leadingDigits.match(part).captured(0).toLongLong());
    while (!parts.isEmpty() && parts.last() == 0)
        parts.removeLast();
    return parts;
}

std::optional<QUrl> httpsUrl(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() && url.scheme() == u"https" && !url.host().isEmpty() ? std::optional(url) : std::nullopt;
}

} // namespace

int compareVersions(const QString &a, const QString &b)
{
    const QList<qint64> left = versionParts(a);
    const QList<qint64> right = versionParts(b);
    for (qsizetype index = 0; index < std::max(left.size(), right.size()); ++index) {
        const qint64 l = left.value(index), r = right.value(index);
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

std::expected<QList<AppcastItem>, QString> parse(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    QList<AppcastItem> items;
    bool sawRss = false;
    while (reader.readNextStartElement()) {
        if (reader.name() == u"rss") {
            sawRss = true;
            continue; // into the channel
        }
        if (reader.name() == u"channel")
            continue;
        if (reader.name() != u"item") {
            reader.skipCurrentElement();
            continue;
        }
        QString title, version, shortVersion, notes, link;
        while (reader.readNextStartElement()) {
            const auto name = reader.name();
            const bool fromSparkle = reader.namespaceUri() == sparkle;
            if (name == u"enclosure") {
                const auto attributes = reader.attributes();
                if (version.isEmpty())
                    version = attributes.value(sparkle, QStringLiteral("version")).toString();
                if (shortVersion.isEmpty())
                    shortVersion = attributes.value(sparkle, QStringLiteral("shortVersionString")).toString();
                reader.skipCurrentElement();
            } else if (fromSparkle && name == u"version") {
                version = reader.readElementText();
            } else if (fromSparkle && name == u"shortVersionString") {
                shortVersion = reader.readElementText();
            } else if (fromSparkle && name == u"releaseNotesLink") {
                notes = reader.readElementText();
            } else if (name == u"link") {
                link = reader.readElementText();
            } else if (name == u"title") {
                title = reader.readElementText();
            } else {
                reader.skipCurrentElement();
            }
        }
        const QString announced = !shortVersion.isEmpty() ? shortVersion : !version.isEmpty() ? version : title;
        if (announced.trimmed().isEmpty() || versionParts(announced).isEmpty())
            continue;
        items.append(AppcastItem{announced.trimmed(), httpsUrl(notes).value_or(httpsUrl(link).value_or(QUrl()))});
    }
    if (reader.hasError())
        return std::unexpected(reader.errorString());
    if (!sawRss)
        return std::unexpected(QStringLiteral("not an RSS feed"));
    return items;
}

std::optional<AppcastItem> newerThan(const QList<AppcastItem> &items, const QString &running)
{
    std::optional<AppcastItem> newest;
    for (const AppcastItem &item : items) {
        if (compareVersions(item.version, running) > 0 && (!newest || compareVersions(item.version, newest->version) > 0))
            newest = item;
    }
    return newest;
}

} // namespace pacewise::Appcast
