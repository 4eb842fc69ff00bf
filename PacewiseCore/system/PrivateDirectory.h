#pragma once

#include <QString>

#include <optional>

namespace pacewise {

// Creates path with any missing parents. Every folder created here gets mode
// 0700 whatever the umask: folders Pacewise keeps tickets, locks and scripts
// in must not let another local user plant files there. Folders that already
// exist are left as they are. Returns 0 or the errno of the failure.
int makePrivatePath(const QString &path);

// makePrivatePath(), then checks without following a link that path is a
// directory owned by this user that nobody else can write. Returns 0 or the
// errno that explains the refusal (ENOTDIR, EPERM, ...).
int preparePrivateDirectory(const QString &path);

// Whether path is, without following a link, a directory of this user's that
// nobody else can write.
bool isPrivateDirectory(const QString &path);

// $XDG_RUNTIME_DIR when it names a folder of this user's that only this user
// can use; nothing when it is unset, missing (tmux after logout) or someone
// else's (after su), which is never created here.
std::optional<QString> userRuntimeDirectory();

} // namespace pacewise
