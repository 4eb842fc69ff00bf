#pragma once

#include <QtGlobal>

#include <optional>

namespace pacewise {

// A process as others can name it for later: its id and its start time
// (clock ticks after boot, field 22 of /proc/<pid>/stat). An id alone is
// reused by the kernel; with the start time a dead process is never taken
// for a live one that got its id.
struct ProcessIdentity {
    qint64 pid = 0;
    quint64 startTime = 0;

    // The identity of the process with this id, if there is one.
    static std::optional<ProcessIdentity> of(qint64 pid);
    static ProcessIdentity self();
    // Whether a process other than a zombie belongs to the session led, or
    // once led, by sessionID. The kernel gives no other process that id
    // while the session has members.
    static bool anyAliveInSession(qint64 sessionID);

    // This very process runs: it has not exited (a zombie waiting to be
    // reaped does not run, and under an init that never reaps, never will).
    bool isAlive() const;
    bool operator==(const ProcessIdentity &) const = default;
};

} // namespace pacewise
