#include "CLIPathResolver.h"

#include "system/Logging.h"

#include <QDir>
#include <QMutexLocker>

namespace pacewise {

Q_LOGGING_CATEGORY(lcCLIPathResolver, "pacewise.CLIPathResolver", QtInfoMsg)

namespace {

const QString executableName = QStringLiteral("claude");

} // namespace

CLIPathResolver::CLIPathResolver()
    : CLIPathResolver(std::make_shared<DefaultCLIFileSystem>(),
                      Environment{
                          .searchPath = []() -> std::optional<QString> {
                              if (!qEnvironmentVariableIsSet("PATH"))
                                  return std::nullopt;
                              return qEnvironmentVariable("PATH");
                          },
                          .homeDirectory = QDir::homePath(),
                          .desktopBundleRoot = defaultDesktopBundleRoot(QDir::homePath()),
                          .now = [] { return QDateTime::currentDateTimeUtc(); },
                      })
{
}

CLIPathResolver::CLIPathResolver(std::shared_ptr<const CLIFileSystem> fileSystem, Environment environment)
    : m_fileSystem(std::move(fileSystem))
    , m_environment(std::move(environment))
{
}

QString CLIPathResolver::defaultDesktopBundleRoot(const QString &homeDirectory)
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = QDir(homeDirectory).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("Claude/claude-code"));
}

std::optional<QString> CLIPathResolver::resolve()
{
    QMutexLocker lock(&m_mutex);
    if (m_cached)
        return m_cached;
    const QDateTime now = m_environment.now();
    if (m_lastMissAt && m_lastMissAt->msecsTo(now) < qint64(missRetryIntervalSeconds * 1000))
        return std::nullopt;

    std::optional<QString> found = findInSearchPath();
    if (!found)
        found = findInUserInstallPlaces();
    if (!found)
        found = findNewestIn(m_environment.desktopBundleRoot, executableName);
    if (!found) {
        m_lastMissAt = now;
        qCInfo(lcCLIPathResolver, "claude CLI not found (PATH, user install places, desktop bundle)");
        return std::nullopt;
    }
    m_cached = found;
    m_lastMissAt.reset();
    qCDebug(lcCLIPathResolver, "resolved claude: %s", qUtf8Printable(*found));
    return found;
}

void CLIPathResolver::invalidate()
{
    QMutexLocker lock(&m_mutex);
    m_cached.reset();
    m_lastMissAt.reset();
}

std::optional<QString> CLIPathResolver::findInSearchPath() const
{
    const std::optional<QString> path = m_environment.searchPath();
    if (!path)
        return std::nullopt;
    // Relative entries would depend on whatever directory we run in.
    for (const QString &directory : path->split(u':', Qt::SkipEmptyParts)) {
        if (!directory.startsWith(u'/'))
            continue;
        const QString candidate = QDir(directory).filePath(executableName);
        if (m_fileSystem->isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<QString> CLIPathResolver::findInUserInstallPlaces() const
{
    const QDir home(m_environment.homeDirectory);
    for (const char *place : {".local/bin", ".claude/local", ".npm-global/bin", ".bun/bin", ".volta/bin"}) {
        const QString candidate = QDir(home.filePath(QLatin1String(place))).filePath(executableName);
        if (m_fileSystem->isExecutableFile(candidate))
            return candidate;
    }
    if (auto fromNvm = findNewestIn(home.filePath(QStringLiteral(".nvm/versions/node")), QStringLiteral("bin/claude")))
        return fromNvm;
    const QString system = QStringLiteral("/usr/local/bin/claude");
    return m_fileSystem->isExecutableFile(system) ? std::optional(system) : std::nullopt;
}

// Versions are ordered by the executable's modification time (else the
// folder's), never by parsing folder names; on equal times the first listed wins.
std::optional<QString> CLIPathResolver::findNewestIn(const QString &root, const QString &relativeExecutable) const
{
    const auto entries = m_fileSystem->contentsOfDirectory(root);
    if (!entries)
        return std::nullopt;
    std::optional<QString> newest;
    std::optional<QDateTime> newestDate; // nothing: the distant past
    for (const QString &entry : *entries) {
        if (entry.contains(QLatin1String("claude-code-vm")) || QDir(entry).dirName().startsWith(u'.'))
            continue;
        const QString candidate = QDir(entry).filePath(relativeExecutable);
        if (!m_fileSystem->isExecutableFile(candidate))
            continue;
        std::optional<QDateTime> date = m_fileSystem->modificationDate(candidate);
        if (!date)
            date = m_fileSystem->modificationDate(entry);
        if (!newest || (date && (!newestDate || *date > *newestDate))) {
            newest = candidate;
            newestDate = date;
        }
    }
    return newest;
}

} // namespace pacewise
