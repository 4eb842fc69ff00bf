#include "JsonTextEditor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QLocale>

#include <cctype>
#include <cmath>
#include <cstring>

namespace pacewise {

namespace {

bool isSpace(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// One member of an object or element of an array as it stands in the text:
// for a member, start is where its key begins.
struct Item {
    qsizetype start = 0;
    Span value;
    QString key;
};

// How the document is laid out, for what has to be written anew.
struct Layout {
    QByteArray newline = "\n";
    QByteArray indentUnit = "  ";
    QByteArray keySeparator = ": ";
};

// Finds values in a text. It only scans, it does not check: every step is
// bounds-checked, and a surprise is a failure, not a guess.
class Scanner {
public:
    explicit Scanner(QByteArrayView text)
        : m_text(text)
    {
    }

    qsizetype size() const { return m_text.size(); }
    char at(qsizetype index) const { return index >= 0 && index < m_text.size() ? m_text[index] : '\0'; }
    QByteArrayView slice(qsizetype begin, qsizetype end) const { return m_text.sliced(begin, end - begin); }
    // The same, not copied: valid while the text is.
    QByteArray unchanged(qsizetype begin, qsizetype end) const
    {
        return QByteArray::fromRawData(m_text.data() + begin, end - begin);
    }

    qsizetype skipSpace(qsizetype index) const
    {
        while (index < m_text.size() && isSpace(m_text[index]))
            ++index;
        return index;
    }

    // Just past the closing quote of the string opening at index; -1 if none.
    qsizetype stringEnd(qsizetype index) const
    {
        for (++index; index < m_text.size(); ++index) {
            if (m_text[index] == '\\')
                ++index;
            else if (m_text[index] == '"')
                return index + 1;
        }
        return -1;
    }

    // Just past the value starting at index; -1 if it does not end.
    qsizetype valueEnd(qsizetype index) const
    {
        const char first = at(index);
        if (first == '"')
            return stringEnd(index);
        if (first != '{' && first != '[') {
            while (index < m_text.size() && !isSpace(m_text[index]) && m_text[index] != ',' && m_text[index] != '}' &&
                   m_text[index] != ']')
                ++index;
            return index;
        }
        int depth = 0;
        while (index < m_text.size()) {
            const char character = m_text[index];
            if (character == '"') {
                index = stringEnd(index);
                if (index < 0)
                    return -1;
                continue;
            }
            if (character == '{' || character == '[') {
                ++depth;
            } else if (character == '}' || character == ']') {
                if (--depth == 0)
                    return index + 1;
            }
            ++index;
        }
        return -1;
    }

    // The members of an object or elements of an array, in text order, and
    // just past its closing bracket.
    struct Container {
        QList<Item> items;
        qsizetype end = -1;
    };
    std::optional<Container> container(qsizetype begin) const
    {
        const bool object = at(begin) == '{';
        const char closing = object ? '}' : ']';
        if (!object && at(begin) != '[')
            return std::nullopt;
        QList<Item> items;
        qsizetype index = skipSpace(begin + 1);
        if (at(index) == closing)
            return Container{items, index + 1};
        for (;;) {
            Item item{.start = index, .value = {}, .key = {}};
            if (object) {
                const qsizetype keyEnd = at(index) == '"' ? stringEnd(index) : -1;
                if (keyEnd < 0)
                    return std::nullopt;
                const auto key = decodeString(Span{index, keyEnd});
                index = skipSpace(keyEnd);
                if (!key || at(index) != ':')
                    return std::nullopt;
                item.key = *key;
                index = skipSpace(index + 1);
            }
            const qsizetype end = valueEnd(index);
            if (end <= index)
                return std::nullopt;
            item.value = Span{index, end};
            items.append(std::move(item));
            index = skipSpace(end);
            if (at(index) == closing)
                return Container{items, index + 1};
            if (at(index) != ',')
                return std::nullopt;
            index = skipSpace(index + 1);
        }
    }

    // The text of a JSON string token, escapes decoded.
    std::optional<QString> decodeString(Span token) const
    {
        const QByteArrayView inner = slice(token.begin + 1, token.end - 1);
        if (!inner.contains('\\'))
            return QString::fromUtf8(inner);
        QString decoded;
        qsizetype run = 0; // start of the bytes not yet taken over
        for (qsizetype index = 0; index < inner.size(); ++index) {
            if (inner[index] != '\\')
                continue;
            decoded += QString::fromUtf8(inner.sliced(run, index - run));
            if (++index >= inner.size())
                return std::nullopt;
            switch (inner[index]) {
            case 'b': decoded += u'\b'; break;
            case 'f': decoded += u'\f'; break;
            case 'n': decoded += u'\n'; break;
            case 'r': decoded += u'\r'; break;
            case 't': decoded += u'\t'; break;
            case 'u': {
                bool isHex = false;
                const ushort unit = index + 4 < inner.size() ? inner.sliced(index + 1, 4).toByteArray().toUShort(&isHex, 16) : 0;
                if (!isHex)
                    return std::nullopt;
                decoded += QChar(unit); // the halves of a surrogate pair join in UTF-16
                index += 4;
                break;
            }
            default: decoded += QLatin1Char(inner[index]);
            }
            run = index + 1;
        }
        return decoded + QString::fromUtf8(inner.sliced(run));
    }

    // The blanks that start the line the index is on.
    QByteArray lineIndent(qsizetype index) const
    {
        // memrchr: a file may be one long line.
        const void *newline = index > 0 ? ::memrchr(m_text.data(), '\n', size_t(index)) : nullptr;
        const qsizetype start = newline ? static_cast<const char *>(newline) - m_text.data() + 1 : 0;
        qsizetype end = start;
        while (end < index && (m_text[end] == ' ' || m_text[end] == '\t'))
            ++end;
        return slice(start, end).toByteArray();
    }

private:
    QByteArrayView m_text;
};

// Keys a new object starts with, in the order Claude Code's documentation
// writes them ("type", then what the entry is); the rest follow by name.
int keyRank(const QString &key)
{
    static const QStringList leading{QStringLiteral("type"), QStringLiteral("matcher"), QStringLiteral("command"),
                                     QStringLiteral("hooks")};
    const qsizetype rank = leading.indexOf(key);
    return rank < 0 ? int(leading.size()) : int(rank);
}

QStringList orderedKeys(QStringList keys)
{
    std::stable_sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) { return keyRank(a) < keyRank(b); });
    return keys;
}

QByteArray encodeString(const QString &text)
{
    const auto escaped = [](char16_t code) { return "\\u" + QByteArray::number(code, 16).rightJustified(4, '0'); };
    QByteArray encoded = "\"";
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar unit = text.at(index);
        const char16_t code = unit.unicode();
        if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
            encoded += QStringView(text).sliced(index++, 2).toUtf8();
            continue;
        }
        switch (code) {
        case u'"': encoded += "\\\""; break;
        case u'\\': encoded += "\\\\"; break;
        case u'\b': encoded += "\\b"; break;
        case u'\f': encoded += "\\f"; break;
        case u'\n': encoded += "\\n"; break;
        case u'\r': encoded += "\\r"; break;
        case u'\t': encoded += "\\t"; break;
        default:
            // A surrogate without its pair has no UTF-8: only an escape
            // keeps it what it was.
            if (code < 0x20 || unit.isSurrogate())
                encoded += escaped(code);
            else
                encoded += QStringView(&unit, 1).toUtf8();
        }
    }
    return encoded + '"';
}

QByteArray encodeNumber(double number)
{
    if (!std::isfinite(number))
        return "null";
    if (number == std::floor(number) && std::abs(number) < 9007199254740992.0)
        return QByteArray::number(qint64(number));
    return QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
}

// value as new text; pretty with indent as the indentation of its first
// line, or all on one line (with the given separators) when compact.
QByteArray encode(const QJsonValue &value, const Layout &layout, const QByteArray &indent, bool compact,
                  const QByteArray &itemSeparator)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return "null";
    case QJsonValue::Bool:
        return value.toBool() ? "true" : "false";
    case QJsonValue::Double:
        return encodeNumber(value.toDouble());
    case QJsonValue::String:
        return encodeString(value.toString());
    case QJsonValue::Array:
    case QJsonValue::Object:
        break;
    }
    const bool object = value.isObject();
    QList<QByteArray> parts;
    const QByteArray inner = indent + layout.indentUnit;
    if (object) {
        const QJsonObject members = value.toObject();
        for (const QString &key : orderedKeys(members.keys()))
            parts << encodeString(key) + layout.keySeparator + encode(members.value(key), layout, inner, compact, itemSeparator);
    } else {
        for (const QJsonValue &element : value.toArray())
            parts << encode(element, layout, inner, compact, itemSeparator);
    }
    const QByteArray open = object ? "{" : "[";
    const QByteArray close = object ? "}" : "]";
    if (parts.isEmpty())
        return open + close;
    if (compact)
        return open + parts.join(itemSeparator) + close;
    return open + layout.newline + inner + parts.join("," + layout.newline + inner) + layout.newline + indent + close;
}

class Rewriter {
public:
    Rewriter(QByteArrayView text, Layout layout)
        : m_scan(text)
        , m_layout(std::move(layout))
    {
    }

    // The new text of the whole document, whose value at root reads as
    // before. The document is assembled once, in place of its root
    // container: a large file is copied no more than it must be.
    std::optional<QByteArray> document(Span root, const QJsonValue &before, const QJsonValue &after)
    {
        m_root = root;
        auto text = rewrite(root, before, after, false);
        if (text && !m_wroteDocument) {
            QByteArray whole;
            whole.reserve(m_scan.size() + text->size());
            whole += m_scan.slice(0, root.begin);
            whole += *text;
            whole += m_scan.slice(root.end, m_scan.size());
            text = std::move(whole);
        }
        return text;
    }

private:
    // The new text of the value at span, which reads as before.
    std::optional<QByteArray> rewrite(Span span, const QJsonValue &before, const QJsonValue &after, bool compact) const
    {
        if (before == after)
            return m_scan.unchanged(span.begin, span.end);
        if (before.isObject() && after.isObject())
            return rewriteObject(span, before.toObject(), after.toObject(), compact);
        if (before.isArray() && after.isArray())
            return rewriteArray(span, before.toArray(), after.toArray(), compact);
        return encode(after, m_layout, m_scan.lineIndent(span.begin), compact, compact ? ", " : ",");
    }

    struct Piece {
        QByteArray text;
        qsizetype original = -1; // its index among the container's items, or -1 when new
    };

    std::optional<QByteArray> rewriteObject(Span span, const QJsonObject &before, const QJsonObject &after, bool compact) const
    {
        const auto items = itemsOf(span);
        if (!items)
            return std::nullopt;
        const bool innerCompact = isCompact(span, *items, compact);
        QList<Piece> pieces;
        for (qsizetype index = 0; index < items->size(); ++index) {
            const Item &item = items->at(index);
            // What neither side names is not part of the edit and stays.
            if (!after.contains(item.key) && before.contains(item.key))
                continue;
            if (!before.contains(item.key)) {
                pieces.append(Piece{m_scan.unchanged(item.start, item.value.end), index});
                continue;
            }
            const bool last = std::none_of(items->cbegin() + index + 1, items->cend(),
                                           [&](const Item &later) { return later.key == item.key; });
            // Of a key written twice the reader keeps the last; the other stays as it was.
            const auto value = last ? rewrite(item.value, before.value(item.key), after.value(item.key), innerCompact)
                                    : std::optional(m_scan.unchanged(item.value.begin, item.value.end));
            if (!value)
                return std::nullopt;
            pieces.append(Piece{m_scan.slice(item.start, item.value.begin).toByteArray() + *value, index});
        }
        QStringList added;
        for (auto member = after.begin(); member != after.end(); ++member) {
            if (!before.contains(member.key()))
                added << member.key();
        }
        const QByteArray keySeparator = items->isEmpty() ? (innerCompact ? QByteArray(":") : m_layout.keySeparator)
                                                         : m_scan.slice(m_scan.stringEnd(items->first().start),
                                                                        items->first().value.begin).toByteArray();
        const QByteArray indent = childIndent(span, *items);
        for (const QString &key : orderedKeys(added)) {
            pieces.append(Piece{encodeString(key) + keySeparator +
                                    encode(after.value(key), m_layout, indent, innerCompact, newSeparator(span, *items, innerCompact)),
                                -1});
        }
        return assemble(span, *items, pieces, innerCompact);
    }

    std::optional<QByteArray> rewriteArray(Span span, const QJsonArray &before, const QJsonArray &after, bool compact) const
    {
        const auto items = itemsOf(span);
        if (!items || items->size() != before.size())
            return std::nullopt;
        const bool innerCompact = isCompact(span, *items, compact);
        const QByteArray indent = childIndent(span, *items);
        const QByteArray separator = newSeparator(span, *items, innerCompact);
        QList<Piece> pieces;
        qsizetype oldIndex = 0;
        qsizetype newIndex = 0;
        // Between elements that stayed, old and new ones are paired in
        // order (an edited element); what is left over went or came.
        const auto fillGap = [&](qsizetype oldEnd, qsizetype newEnd) -> bool {
            for (; oldIndex < oldEnd && newIndex < newEnd; ++oldIndex, ++newIndex) {
                const auto text = rewrite(items->at(oldIndex).value, before.at(oldIndex), after.at(newIndex), innerCompact);
                if (!text)
                    return false;
                pieces.append(Piece{*text, oldIndex});
            }
            oldIndex = oldEnd;
            for (; newIndex < newEnd; ++newIndex)
                pieces.append(Piece{encode(after.at(newIndex), m_layout, indent, innerCompact, separator), -1});
            return true;
        };
        for (const auto &[oldAnchor, newAnchor] : commonElements(before, after)) {
            if (!fillGap(oldAnchor, newAnchor))
                return std::nullopt;
            pieces.append(Piece{m_scan.unchanged(items->at(oldAnchor).value.begin, items->at(oldAnchor).value.end), oldAnchor});
            oldIndex = oldAnchor + 1;
            newIndex = newAnchor + 1;
        }
        if (!fillGap(before.size(), after.size()))
            return std::nullopt;
        return assemble(span, *items, pieces, innerCompact);
    }

    // The pairs of equal elements a longest common subsequence keeps.
    static QList<std::pair<qsizetype, qsizetype>> commonElements(const QJsonArray &before, const QJsonArray &after)
    {
        const qsizetype rows = before.size();
        const qsizetype columns = after.size();
        QList<std::pair<qsizetype, qsizetype>> pairs;
        if (rows * columns > 1'000'000) { // no user edits arrays that long; pair by position
            for (qsizetype index = 0; index < std::min(rows, columns); ++index) {
                if (before.at(index) == after.at(index))
                    pairs.append({index, index});
            }
            return pairs;
        }
        QList<int> lengths((rows + 1) * (columns + 1), 0);
        const auto length = [&](qsizetype row, qsizetype column) -> int & { return lengths[row * (columns + 1) + column]; };
        for (qsizetype row = rows - 1; row >= 0; --row) {
            for (qsizetype column = columns - 1; column >= 0; --column) {
                length(row, column) = before.at(row) == after.at(column)
                                          ? length(row + 1, column + 1) + 1
                                          : std::max(length(row + 1, column), length(row, column + 1));
            }
        }
        for (qsizetype row = 0, column = 0; row < rows && column < columns;) {
            if (before.at(row) == after.at(column)) {
                pairs.append({row, column});
                ++row;
                ++column;
            } else if (length(row + 1, column) >= length(row, column + 1)) {
                ++row;
            } else {
                ++column;
            }
        }
        return pairs;
    }

    std::optional<QList<Item>> itemsOf(Span span) const
    {
        auto found = m_scan.container(span.begin);
        if (!found || found->end != span.end)
            return std::nullopt;
        return std::move(found->items);
    }

    // Written on one line: inside something compact, or with its first
    // item on the line of its opening bracket.
    bool isCompact(Span span, const QList<Item> &items, bool parentCompact) const
    {
        if (items.isEmpty())
            return parentCompact;
        return !m_scan.slice(span.begin, items.first().start).contains('\n');
    }

    QByteArray childIndent(Span span, const QList<Item> &items) const
    {
        return items.isEmpty() ? m_scan.lineIndent(span.begin) + m_layout.indentUnit : m_scan.lineIndent(items.last().start);
    }

    // What goes between the last item and a new one: what stands between
    // the last two, else a comma and the blanks after the opening bracket.
    QByteArray newSeparator(Span span, const QList<Item> &items, bool compact) const
    {
        if (items.size() >= 2)
            return m_scan.slice(items.at(items.size() - 2).value.end, items.last().start).toByteArray();
        if (items.size() == 1)
            return "," + m_scan.slice(span.begin + 1, items.first().start).toByteArray();
        return compact ? QByteArray(",") : "," + m_layout.newline + childIndent(span, items);
    }

    QByteArray assemble(Span span, const QList<Item> &items, const QList<Piece> &pieces, bool compact) const
    {
        const char open = m_scan.at(span.begin);
        const QByteArray close(1, m_scan.at(span.end - 1));
        if (pieces.isEmpty())
            return QByteArray(1, open) + close;
        const QByteArray separator = newSeparator(span, items, compact);
        // The root container comes with what stands around it.
        const bool document = span.begin == m_root.begin && span.end == m_root.end;
        m_wroteDocument = m_wroteDocument || document;
        QByteArray text;
        qsizetype size = document ? m_scan.size() : span.end - span.begin;
        for (const Piece &piece : pieces)
            size += piece.text.size() + separator.size();
        text.reserve(size);
        if (document)
            text += m_scan.slice(0, span.begin);
        if (items.isEmpty()) {
            text += compact ? QByteArray(1, open) : open + m_layout.newline + childIndent(span, items);
        } else {
            text += m_scan.slice(span.begin, items.first().start);
        }
        for (qsizetype index = 0; index < pieces.size(); ++index) {
            const Piece &piece = pieces.at(index);
            if (index > 0) {
                // The blank lines and spacing before an item stay with it
                // while the item before it stays too.
                const bool keepsItsPlace = piece.original > 0 && pieces.at(index - 1).original == piece.original - 1;
                text += keepsItsPlace ? m_scan.slice(items.at(piece.original - 1).value.end, items.at(piece.original).start).toByteArray()
                                      : separator;
            }
            text += piece.text;
        }
        if (items.isEmpty())
            text += compact ? close : m_layout.newline + m_scan.lineIndent(span.begin) + close;
        else
            text += m_scan.slice(items.last().value.end, span.end);
        if (document)
            text += m_scan.slice(span.end, m_scan.size());
        return text;
    }

    Scanner m_scan;
    Layout m_layout;
    Span m_root;
    mutable bool m_wroteDocument = false;
};

} // namespace

std::optional<QByteArray> JsonTextEditor::edit(QByteArrayView text, const QJsonValue &before, const QJsonValue &after)
{
    const Scanner scan(text);
    qsizetype begin = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    begin = scan.skipSpace(begin);
    Layout layout;
    qsizetype end = -1;
    if (scan.at(begin) == '{' || scan.at(begin) == '[') {
        const auto root = scan.container(begin);
        if (!root)
            return std::nullopt;
        end = root->end;
        if (scan.at(begin) == '{' && !root->items.isEmpty()) {
            const Item &first = root->items.first();
            const QByteArray indent = scan.lineIndent(first.start);
            const QByteArray rootIndent = scan.lineIndent(begin);
            if (scan.slice(begin, first.start).contains('\n') && indent.size() > rootIndent.size())
                layout.indentUnit = indent.mid(rootIndent.size());
            layout.keySeparator = scan.slice(scan.stringEnd(first.start), first.value.begin).toByteArray();
        }
    } else {
        end = scan.valueEnd(begin);
    }
    if (end <= begin || scan.skipSpace(end) != text.size())
        return std::nullopt;
    if (const qsizetype newline = text.indexOf('\n'); newline > 0 && text[newline - 1] == '\r')
        layout.newline = "\r\n";
    return Rewriter(text, layout).document(Span{begin, end}, before, after);
}

std::optional<QJsonObject> JsonTextEditor::rootMembers(QByteArrayView text, const QStringList &keys)
{
    const Scanner scan(text);
    const qsizetype begin = scan.skipSpace(text.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    if (scan.at(begin) != '{')
        return std::nullopt;
    const auto root = scan.container(begin);
    if (!root || scan.skipSpace(root->end) != text.size())
        return std::nullopt;
    QJsonObject found;
    for (const Item &member : root->items) {
        if (!keys.contains(member.key))
            continue;
        QJsonParseError error{};
        const QJsonDocument value = QJsonDocument::fromJson("[" + scan.slice(member.value.begin, member.value.end).toByteArray() + "]", &error);
        if (error.error != QJsonParseError::NoError)
            return std::nullopt;
        found.insert(member.key, value.array().first());
    }
    return found;
}

namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

const char *skipBlanks(const char *at, const char *end)
{
    while (at < end && isSpace(*at))
        ++at;
    return at;
}

// Just past the string opening at at, or nullptr when it is not one.
const char *validStringEnd(const char *at, const char *end)
{
    for (++at; at < end; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (byte == '"')
            return at + 1;
        if (byte < 0x20)
            return nullptr;
        if (byte == '\\') {
            if (++at >= end)
                return nullptr;
            switch (*at) {
            case '"': case '\\': case '/': case 'b': case 'f': case 'n': case 'r': case 't':
                break;
            case 'u':
                for (int digit = 0; digit < 4; ++digit) {
                    if (++at >= end || !std::isxdigit(static_cast<unsigned char>(*at)))
                        return nullptr;
                }
                break;
            default:
                return nullptr;
            }
        } else if (byte >= 0x80) {
            // UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
            const int following = byte >= 0xC2 && byte <= 0xDF ? 1 : byte >= 0xE0 && byte <= 0xEF ? 2 : byte >= 0xF0 && byte <= 0xF4 ? 3 : 0;
            if (following == 0)
                return nullptr;
            char32_t code = byte & (0x3F >> following);
            for (int index = 0; index < following; ++index) {
                if (++at >= end || (static_cast<unsigned char>(*at) & 0xC0) != 0x80)
                    return nullptr;
                code = code << 6 | (static_cast<unsigned char>(*at) & 0x3F);
            }
            const char32_t smallest = following == 1 ? 0x80 : following == 2 ? 0x800 : 0x10000;
            if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return nullptr;
        }
    }
    return nullptr;
}

const char *validNumberEnd(const char *at, const char *end)
{
    const auto digits = [&] {
        const char *start = at;
        while (at < end && isDigit(*at))
            ++at;
        return at > start;
    };
    if (at < end && *at == '-')
        ++at;
    if (at < end && *at == '0')
        ++at;
    else if (!digits())
        return nullptr;
    if (at < end && *at == '.' && (++at, !digits()))
        return nullptr;
    if (at < end && (*at == 'e' || *at == 'E')) {
        ++at;
        if (at < end && (*at == '+' || *at == '-'))
            ++at;
        if (!digits())
            return nullptr;
    }
    return at;
}

const char *validScalarEnd(const char *at, const char *end)
{
    if (*at == '"')
        return validStringEnd(at, end);
    if (*at == '-' || isDigit(*at))
        return validNumberEnd(at, end);
    for (const QByteArrayView literal : {QByteArrayView("true"), QByteArrayView("false"), QByteArrayView("null")}) {
        if (QByteArrayView(at, end - at).startsWith(literal))
            return at + literal.size();
    }
    return nullptr;
}

} // namespace

bool JsonTextEditor::isValid(QByteArrayView text)
{
    const char *at = text.data() + (text.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    const char *const end = text.data() + text.size();
    QByteArray closers; // of the containers open around the value at hand
    // Before a member's value: its key and the colon.
    const auto key = [&] {
        at = at < end && *at == '"' ? validStringEnd(at, end) : nullptr;
        at = at ? skipBlanks(at, end) : nullptr;
        return at && at < end && *at++ == ':';
    };
    for (;;) {
        at = skipBlanks(at, end);
        if (at >= end)
            return false;
        if (*at == '{' || *at == '[') {
            const char closer = *at == '{' ? '}' : ']';
            at = skipBlanks(at + 1, end);
            if (at < end && *at == closer) {
                ++at;
            } else {
                closers += closer;
                if (closer == '}' && !key())
                    return false;
                continue;
            }
        } else if (!(at = validScalarEnd(at, end))) {
            return false;
        }
        // After a value: close what ends here, then the next item.
        for (;;) {
            at = skipBlanks(at, end);
            if (closers.isEmpty())
                return at == end;
            if (at < end && *at == closers.back()) {
                closers.chop(1);
                ++at;
                continue;
            }
            if (at >= end || *at++ != ',')
                return false;
            at = skipBlanks(at, end);
            if (closers.back() == '}' && !key())
                return false;
            break;
        }
    }
}

QByteArray JsonTextEditor::write(const QJsonValue &value)
{
    return encode(value, Layout{}, {}, false, ",") + '\n';
}

} // namespace pacewise
