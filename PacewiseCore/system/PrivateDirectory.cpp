#include "PrivateDirectory.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

// 0 when path is a directory owned by this user that nobody else can write
// (and, with privateToUs, nobody else can enter).
int directoryRefusal(const QString &path, mode_t forbidden)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno;
    if (!S_ISDIR(status.st_mode))
        return ENOTDIR;
    if (status.st_uid != ::geteuid() || (status.st_mode & forbidden) != 0)
        return EPERM;
    return 0;
}

} // namespace

int makePrivatePath(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
    const QByteArray encoded = QFile::encodeName(clean);
    if (::mkdir(encoded.constData(), 0700) == 0) {
        // mkdir's mode passes through the umask, which may take bits away
        // but never needs to add one here; set it anyway so the folder is
        // exactly private.
        ::chmod(encoded.constData(), 0700);
        return 0;
    }
    if (errno == EEXIST) {
        struct stat status {};
        return ::stat(encoded.constData(), &status) == 0 && S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    if (errno != ENOENT)
        return errno;
    const QString parent = QDir::cleanPath(clean + QStringLiteral("/.."));
    if (parent == clean)
        return ENOENT;
    if (const int failed = makePrivatePath(parent))
        return failed;
    if (::mkdir(encoded.constData(), 0700) != 0)
        return errno == EEXIST ? 0 : errno;
    ::chmod(encoded.constData(), 0700);
    return 0;
}

int preparePrivateDirectory(const QString &path)
{
    if (const int failed = makePrivatePath(path))
        return failed;
    return directoryRefusal(path, S_IWGRP | S_IWOTH);
}

bool isPrivateDirectory(const QString &path)
{
    return directoryRefusal(path, S_IWGRP | S_IWOTH) == 0;
}

std::optional<QString> userRuntimeDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(runtime) || directoryRefusal(runtime, S_IRWXG | S_IRWXO) != 0)
        return std::nullopt;
    return runtime;
}

} // namespace pacewise
