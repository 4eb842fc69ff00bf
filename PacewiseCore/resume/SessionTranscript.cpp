#include "SessionTranscript.h"

#include "claude/ClaudeCommandLine.h"
#include "system/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise::SessionTranscript {

namespace {

// Claude Code's 31-hash of a string (UTF-16 code units, 32-bit wrap-around),
// as the tail of a project folder's name.
QString hashSuffix(const QString &text)
{
    qint32 hash = 0;
    for (const QChar character : text)
        hash = qint32(quint32(hash) * 31u + character.unicode());
    return QString::number(qAbs(qint64(hash)), 36);
}

// Lines Claude Code writes for its own bookkeeping when the user types a
// slash command: neither a continuation nor work.
bool isBookkeeping(const QString &content)
{
    return content.startsWith(u"<command-") || content.startsWith(u"<local-command-");
}

constexpr qint64 chunkBytes = 1024 * 1024;
// Lines written together may be a few milliseconds out of order; reading
// from this far before the line the search found covers them.
constexpr qint64 searchMarginBytes = 256 * 1024;
// A search probe that finds no dated line within this much gives up on
// that half of the file.
constexpr qint64 probeLimitBytes = 16 * 1024 * 1024;

struct TranscriptFile {
    FileDescriptor fd;
    qint64 size = 0;
};

// Only a regular file of this user's that nobody else can write; never a
// link planted at the path, never blocking on a FIFO.
std::optional<TranscriptFile> openTranscript(const QString &path)
{
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    struct stat status {};
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
        (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return std::nullopt;
    return TranscriptFile{std::move(fd), qint64(status.st_size)};
}

QByteArray readAt(int fd, qint64 offset, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < length) {
        const ssize_t count = ::pread(fd, bytes.data() + filled, size_t(length - filled), off_t(offset + filled));
        if (count <= 0)
            break;
        filled += count;
    }
    bytes.truncate(filled);
    return bytes;
}

// Hands each whole line from offset on to take, in order, until take says
// it has seen enough or the file ends. A line cut off at offset is skipped
// (unless offset is the start), and so is an unfinished last line.
template<typename Take>
void forEachLine(const TranscriptFile &file, qint64 offset, qint64 limit, Take take)
{
    QByteArray pending;
    bool skipping = offset > 0;
    for (qint64 position = offset; position < limit;) {
        const QByteArray chunk = readAt(file.fd.get(), position, std::min(chunkBytes, limit - position));
        if (chunk.isEmpty())
            return;
        position += chunk.size();
        qsizetype start = 0;
        for (qsizetype newline = chunk.indexOf('\n'); newline >= 0; newline = chunk.indexOf('\n', start)) {
            const QByteArrayView piece = QByteArrayView(chunk).sliced(start, newline - start);
            start = newline + 1;
            if (skipping) {
                skipping = false;
                pending.clear();
                continue;
            }
            const qint64 end = position - chunk.size() + start;
            bool enough = false;
            if (pending.isEmpty()) {
                enough = take(piece, end);
            } else {
                pending.append(piece);
                enough = take(pending, end);
                pending.clear();
            }
            if (enough)
                return;
        }
        pending += QByteArrayView(chunk).sliced(start);
    }
}

std::optional<QDateTime> timeOf(const QJsonObject &line)
{
    const QDateTime at = QDateTime::fromString(line.value(QLatin1String("timestamp")).toString(), Qt::ISODateWithMs);
    return at.isValid() ? std::optional(at) : std::nullopt;
}

QJsonObject parsed(QByteArrayView line)
{
    return QJsonDocument::fromJson(line.toByteArray()).object();
}

// A position before every line dated after since: a binary search over the
// times the lines carry, which Claude Code writes in order.
qint64 positionBefore(const TranscriptFile &file, const QDateTime &since)
{
    qint64 low = 0;
    qint64 high = file.size;
    while (high - low > chunkBytes) {
        const qint64 middle = low + (high - low) / 2;
        std::optional<std::pair<QDateTime, qint64>> probe;
        forEachLine(file, middle, std::min(high, middle + probeLimitBytes), [&](QByteArrayView line, qint64 end) {
            if (const auto at = timeOf(parsed(line)))
                probe = std::pair{*at, end};
            return probe.has_value();
        });
        if (probe && probe->first < since)
            low = probe->second;
        else
            high = middle;
    }
    return std::max<qint64>(0, low - searchMarginBytes);
}

// Follows the turns line by line: a prompt starts one (Pacewise's, or
// somebody else's), everything else carries it on. Lines before the first
// prompt belong to the turn that was stopped.
class TurnWatch {
public:
    TurnWatch(const QDateTime &stoppedAt, const QDateTime &resetsAt)
        : m_stoppedAt(stoppedAt)
        , m_resetsAt(resetsAt)
    {
    }

    // True once the session is seen going on without Pacewise.
    bool take(QByteArrayView text)
    {
        const QJsonObject line = parsed(text);
        const QString type = line.value(QLatin1String("type")).toString();
        if (type != u"user" && type != u"assistant")
            return false;
        const auto at = timeOf(line);
        if (!at || line.value(QLatin1String("isMeta")).toBool() || line.value(QLatin1String("isSidechain")).toBool())
            return false;
        const QJsonValue content = line.value(QLatin1String("message")).toObject().value(QLatin1String("content"));
        if (type == u"user" && content.isString() && isBookkeeping(content.toString()))
            return false;
        const bool prompt = type == u"user" && line.value(QLatin1String("promptSource")).isString();
        if (prompt)
            m_turnIsOurs = content.isString() && content.toString() == QLatin1String(ClaudeCommandLine::continuePrompt);
        m_wentOn = m_wentOn || (!m_turnIsOurs && *at > m_stoppedAt && (prompt || *at > m_resetsAt));
        return m_wentOn;
    }

    bool wentOn() const { return m_wentOn; }

private:
    QDateTime m_stoppedAt;
    QDateTime m_resetsAt;
    bool m_turnIsOurs = false;
    bool m_wentOn = false;
};

} // namespace

QString pathFor(const QString &projectsDirectory, const QString &cwd, const QString &sessionID)
{
    QString folder = cwd;
    for (QChar &character : folder) {
        const char16_t code = character.unicode();
        const bool plain = (code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z') || (code >= u'0' && code <= u'9');
        if (!plain)
            character = u'-';
    }
    if (folder.size() > 200)
        folder = folder.left(200) + u'-' + hashSuffix(cwd);
    return QDir(projectsDirectory).filePath(folder + u'/' + sessionID + u".jsonl"_qs);
}

std::optional<bool> wentOnWithoutPacewise(const QString &path, const QDateTime &stoppedAt, const QDateTime &resetsAt)
{
    const auto file = openTranscript(path);
    if (!file)
        return std::nullopt;
    TurnWatch watch(stoppedAt, resetsAt);
    forEachLine(*file, positionBefore(*file, stoppedAt), file->size,
                [&](QByteArrayView line, qint64) { return watch.take(line); });
    return watch.wentOn();
}

std::optional<QString> lastPermissionMode(const QString &path)
{
    const auto file = openTranscript(path);
    if (!file)
        return std::nullopt;
    std::optional<QString> mode;
    forEachLine(*file, std::max<qint64>(0, file->size - tailBytes), file->size, [&](QByteArrayView text, qint64) {
        const QJsonObject line = parsed(text);
        const QString type = line.value(QLatin1String("type")).toString();
        const QJsonValue recorded = line.value(QLatin1String("permissionMode"));
        if (recorded.isString() && (type == u"permission-mode" || type == u"user"))
            mode = recorded.toString();
        return false;
    });
    return mode;
}

} // namespace pacewise::SessionTranscript
