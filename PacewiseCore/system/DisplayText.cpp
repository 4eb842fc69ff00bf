#include "DisplayText.h"

namespace pacewise {

namespace {

bool isHazard(char16_t code)
{
    return code < 0x20 || (code >= 0x7f && code < 0xa0) || (code >= 0x202a && code <= 0x202e) ||
           (code >= 0x2066 && code <= 0x2069) || code == 0x200e || code == 0x200f || code == 0x061c ||
           code == 0x2028 || code == 0x2029;
}

} // namespace

QString displayText(const QString &text)
{
    QString shown = text;
    for (QChar &character : shown) {
        if (isHazard(character.unicode()))
            character = u' ';
    }
    return shown;
}

QString terminalText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (!isHazard(code)) {
            shown += character;
            continue;
        }
        switch (code) {
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        case 0x1b:
            shown += QLatin1String("\\e");
            break;
        default:
            shown += QStringLiteral("\\u%1").arg(uint(code), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

} // namespace pacewise
