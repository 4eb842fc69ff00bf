#pragma once

#include <QByteArray>
#include <QIODevice>

#include <cstdio>

namespace pacewise::cli {

// Standard output or error as a device that passes everything on at once
// and remembers the start of what went through (status --watch writes for
// hours): a command that failed with --json has its message turned into
// the JSON object it owes its caller.
class RecordingOutput final : public QIODevice {
public:
    explicit RecordingOutput(std::FILE *stream);

    const QByteArray &recorded() const { return m_recorded; }
    bool wroteAnything() const { return !m_recorded.isEmpty(); }

    static constexpr qsizetype recordLimit = 64 * 1024;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    std::FILE *m_stream;
    QByteArray m_recorded;
};

} // namespace pacewise::cli
