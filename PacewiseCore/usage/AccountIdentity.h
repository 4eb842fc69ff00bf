#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace pacewise {

// The account Claude Code is signed in with, read from its account file
// (oauthAccount.accountUuid). Figures of one account must never be shown or
// reused for another.
class AccountIdentity {
public:
    explicit AccountIdentity(QString filePath);

    const QString &filePath() const { return m_filePath; }

    // The identifier as stored (blanks kept), or nothing when the file is
    // missing, unreadable, not JSON, lacks the key or holds only blanks.
    // Heavy users' account files reach tens of MiB and this runs on every poll,
    // so the answer is reused while the file stays the same file with the same
    // size and times. Copies share that memory; any thread may call this.
    std::optional<QString> current() const;

    // True only when both are known and differ: an unknown identifier never
    // counts as an account change, so an unreadable file discards nothing.
    static bool mismatch(const std::optional<QString> &held, const std::optional<QString> &live);

    static std::optional<QString> accountIdFromJson(const QByteArray &json);

    // Larger than any account file Claude Code writes by orders of magnitude;
    // beyond it the file is not read at all.
    static constexpr qint64 maximumFileSize = qint64(512) * 1024 * 1024;

private:
    struct Memo;

    QString m_filePath;
    std::shared_ptr<Memo> m_memo;
};

} // namespace pacewise
