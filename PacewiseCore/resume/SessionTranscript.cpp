#include "SessionTranscript.h"

#include "claude/ClaudeCommandLine.h"
#include "system/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

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

} // namespace

QString SessionTranscript::pathFor(const QString &projectsDirectory, const QString &cwd, const QString &sessionID)
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

std::optional<SessionTranscript> SessionTranscript::read(const QString &path)
{
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    struct stat status {};
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
        (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return std::nullopt;
    const qint64 start = std::max<qint64>(0, qint64(status.st_size) - transcriptTailBytes);
    QByteArray tail(qint64(status.st_size) - start, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < tail.size()) {
        const ssize_t count = ::pread(fd.get(), tail.data() + filled, size_t(tail.size() - filled), off_t(start + filled));
        if (count <= 0)
            break;
        filled += count;
    }
    tail.truncate(filled);
    return parse(tail, start > 0);
}

SessionTranscript SessionTranscript::parse(QByteArrayView text, bool startsMidFile)
{
    SessionTranscript transcript;
    // Until the first prompt of the tail, whose turn the lines belong to is
    // not known; they are taken for ours, so that nothing of Pacewise's own
    // is mistaken for the session going on without it.
    bool turnIsOurs = startsMidFile;
    qsizetype start = 0;
    if (startsMidFile) {
        const qsizetype newline = text.indexOf('\n');
        start = newline < 0 ? text.size() : newline + 1; // a cut line is no line
    }
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QJsonObject line = QJsonDocument::fromJson(text.sliced(start, end - start).toByteArray()).object();
        start = end + 1;
        const QString type = line.value(QLatin1String("type")).toString();
        const QJsonValue mode = line.value(QLatin1String("permissionMode"));
        if (mode.isString() && (type == u"permission-mode" || type == u"user"))
            transcript.m_permissionMode = mode.toString();
        if (type != u"user" && type != u"assistant")
            continue;
        const QDateTime at = QDateTime::fromString(line.value(QLatin1String("timestamp")).toString(), Qt::ISODateWithMs);
        if (!at.isValid() || line.value(QLatin1String("isMeta")).toBool() || line.value(QLatin1String("isSidechain")).toBool())
            continue;
        const QJsonValue content = line.value(QLatin1String("message")).toObject().value(QLatin1String("content"));
        if (type == u"user" && content.isString() && isBookkeeping(content.toString()))
            continue;
        // A prompt starts a turn; tool results and replies carry it on.
        const bool prompt = type == u"user" && line.value(QLatin1String("promptSource")).isString();
        if (prompt)
            turnIsOurs = content.isString() && content.toString() == QLatin1String(ClaudeCommandLine::continuePrompt);
        transcript.m_entries.append(Entry{.at = at, .prompt = prompt, .ours = turnIsOurs});
    }
    return transcript;
}

bool SessionTranscript::continuedWithoutPacewiseSince(const QDateTime &since) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&](const Entry &entry) { return entry.at > since && !entry.ours; });
}

bool SessionTranscript::pacewiseResumedSince(const QDateTime &since) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&](const Entry &entry) { return entry.at >= since && entry.prompt && entry.ours; });
}

} // namespace pacewise
