#include "RecordingOutput.h"

#include <algorithm>

namespace pacewise::cli {

RecordingOutput::RecordingOutput(std::FILE *stream)
    : m_stream(stream)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 RecordingOutput::writeData(const char *data, qint64 size)
{
    // A caller that closed our output (a pager quit) is no reason to fail;
    // the record is what matters for the JSON error.
    (void)std::fwrite(data, 1, size_t(size), m_stream);
    std::fflush(m_stream);
    if (m_recorded.size() < recordLimit)
        m_recorded.append(data, std::min(size, qint64(recordLimit - m_recorded.size())));
    return size;
}

} // namespace pacewise::cli
