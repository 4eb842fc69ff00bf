#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>

namespace pacewise {

// Changes a JSON file the way a person editing it would. Files such as
// Claude Code's settings are kept in dotfile repositories and diffed, so
// only what changes is rewritten: every other byte stays as written (key
// order, indentation, blank lines, line ends, numbers and escapes, a byte
// order mark). A new member goes at the end of its object, and a new
// element where the change puts it, each laid out like its neighbours.
class JsonTextEditor {
public:
    // text is a JSON document that reads as before; the result reads as
    // after. Members of an object that neither before nor after name are
    // kept as they are, so before and after may hold just the part of the
    // document that is edited. Nothing when text is not such a document.
    static std::optional<QByteArray> edit(QByteArrayView text, const QJsonValue &before, const QJsonValue &after);

    // The members of the root object with these names, read without
    // parsing the rest of what may be a large file; nothing when the text
    // is not an object. The rest is only scanned, not checked.
    static std::optional<QJsonObject> rootMembers(QByteArrayView text, const QStringList &keys);

    // Whether text is one JSON document (RFC 8259, UTF-8, a byte order
    // mark allowed), checked in one pass without building it.
    static bool isValid(QByteArrayView text);

    // A new document, laid out as Claude Code writes its own: two spaces.
    static QByteArray write(const QJsonValue &value);
};

} // namespace pacewise
