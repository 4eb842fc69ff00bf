#include "ErrorText.h"

#include <cstring>

namespace pacewise {

QString systemErrorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString firstLine(const QString &text)
{
    const QString line = text.trimmed().section(u'\n', 0, 0).trimmed();
    return line.size() > 200 ? line.left(200) + u'…' : line;
}

} // namespace pacewise
