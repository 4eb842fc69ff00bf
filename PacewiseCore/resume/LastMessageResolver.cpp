#include "LastMessageResolver.h"

#include "ClaudeSessions.h"
#include "claude/ClaudeCommandLine.h"
#include "system/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QTextBoundaryFinder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

QString simplified(const QString &text)
{
    return text.simplified();
}

// Prompts that are Pacewise's or Claude Code's own, not the user's words.
bool isBookkeeping(const QString &part)
{
    const QString lower = part.toLower();
    return (lower.startsWith(u"<system-reminder>") && lower.endsWith(u"</system-reminder>")) ||
           lower.startsWith(u"<command-name>") || lower.startsWith(u"<command-message>") ||
           lower.startsWith(u"<command-args>") || lower.startsWith(u"<local-command-stdout>") ||
           lower.startsWith(u"<local-command-stderr>") || part == QLatin1String(ClaudeCommandLine::continuePrompt);
}

// At most titleLength user-perceived characters; longer text is cut to one
// less and ends in an ellipsis. Counting graphemes keeps emoji and
// combining marks whole.
QString cutToTitle(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    qsizetype cutAt = -1;
    while (graphemes.toNextBoundary() != -1) {
        ++count;
        if (count == LastMessageResolver::titleLength - 1)
            cutAt = graphemes.position();
        if (count > LastMessageResolver::titleLength)
            return text.left(cutAt) + u'…';
    }
    return text;
}

} // namespace

LastMessageResolver::LastMessageResolver(QString sessionsDirectory)
    : m_sessionsDirectory(std::move(sessionsDirectory))
{
}

std::optional<QString> LastMessageResolver::projectPath(const QString &cwd)
{
    if (!cwd.startsWith(u'/'))
        return std::nullopt;
    const QStringList components = QDir::cleanPath(cwd).split(u'/', Qt::SkipEmptyParts);
    if (components.isEmpty())
        return std::nullopt;
    return components.size() == 1 ? components.last() : components.mid(components.size() - 2).join(u'/');
}

QString LastMessageResolver::projectTitle(const ResumeTicket &ticket)
{
    return projectPath(ticket.cwd).value_or(ticket.cwd);
}

std::optional<QString> LastMessageResolver::titleFromTranscriptLine(QByteArrayView line)
{
    const QJsonObject entry = QJsonDocument::fromJson(line.toByteArray()).object();
    if (entry.value(QLatin1String("type")).toString() != u"user")
        return std::nullopt;
    const QJsonValue origin = entry.value(QLatin1String("origin"));
    if (origin.isObject() && origin.toObject().value(QLatin1String("kind")).isString() &&
        origin.toObject().value(QLatin1String("kind")).toString() != u"human")
        return std::nullopt;
    for (const char *flag : {"isMeta", "isSidechain", "isVisibleInTranscriptOnly"}) {
        if (entry.value(QLatin1String(flag)).toBool())
            return std::nullopt;
    }
    const QJsonValue content = entry.value(QLatin1String("message")).toObject().value(QLatin1String("content"));
    QStringList parts;
    if (content.isString()) {
        parts << content.toString();
    } else if (content.isArray()) {
        for (const QJsonValue &block : content.toArray()) {
            if (block.toObject().value(QLatin1String("type")).toString() == u"text")
                parts << block.toObject().value(QLatin1String("text")).toString();
        }
    } else {
        return std::nullopt;
    }
    QStringList kept;
    for (const QString &part : parts) {
        const QString normalised = simplified(part);
        if (!normalised.isEmpty() && !isBookkeeping(normalised))
            kept << normalised;
    }
    if (kept.isEmpty())
        return std::nullopt;
    return cutToTitle(kept.join(u' '));
}

std::optional<QString> LastMessageResolver::lastUserMessage(const QString &transcriptPath)
{
    FileDescriptor fd(::open(QFile::encodeName(transcriptPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;

    const qint64 floor = std::max<qint64>(0, qint64(status.st_size) - transcriptTailBytes);
    qint64 position = status.st_size;
    QByteArray carried; // the start of a line whose beginning lies in an earlier chunk
    while (position > floor) {
        const qint64 length = std::min(readChunkBytes, position - floor);
        position -= length;
        QByteArray chunk(length, Qt::Uninitialized);
        if (::pread(fd.get(), chunk.data(), size_t(length), off_t(position)) != length)
            return std::nullopt;
        chunk += carried;
        qsizetype end = chunk.size();
        for (qsizetype newline = chunk.lastIndexOf('\n', end - 1); newline >= 0;
             newline = newline > 0 ? chunk.lastIndexOf('\n', newline - 1) : -1) {
            if (const auto title = titleFromTranscriptLine(QByteArrayView(chunk).sliced(newline + 1, end - newline - 1)))
                return title;
            end = newline;
        }
        carried = chunk.left(end);
    }
    // The first line of the file, or of the scanned tail when it starts there.
    if (floor == 0)
        return titleFromTranscriptLine(carried);
    return std::nullopt;
}

QString LastMessageResolver::fallbackTitle(const ResumeTicket &ticket, const QHash<QString, QString> &names) const
{
    if (const auto name = names.constFind(ticket.sessionID); name != names.constEnd())
        return *name;
    return projectPath(ticket.cwd).value_or(ticket.sessionID.left(8));
}

void LastMessageResolver::reload(const QList<ResumeTicket> &tickets)
{
    QHash<QString, QString> names;
    for (const ClaudeSession &session : ClaudeSessions::read(m_sessionsDirectory)) {
        if (!session.name.isEmpty())
            names.insert(session.sessionID, session.name);
    }
    QHash<QString, QString> titles;
    for (const ResumeTicket &ticket : tickets) {
        std::optional<QString> message;
        if (ticket.transcriptPath)
            message = lastUserMessage(*ticket.transcriptPath);
        titles.insert(ticket.sessionID, message.value_or(fallbackTitle(ticket, names)));
    }
    QMutexLocker lock(&m_mutex);
    m_names = std::move(names);
    m_titles = std::move(titles);
}

QString LastMessageResolver::title(const ResumeTicket &ticket) const
{
    QMutexLocker lock(&m_mutex);
    if (const auto title = m_titles.constFind(ticket.sessionID); title != m_titles.constEnd())
        return *title;
    return fallbackTitle(ticket, m_names);
}

} // namespace pacewise
