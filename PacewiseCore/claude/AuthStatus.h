#pragma once

#include <QJsonObject>
#include <QString>

#include <expected>
#include <optional>

namespace pacewise {

// Whether Claude Code is signed in, and as whom, as `claude auth status` says.
struct AuthStatus {
    bool loggedIn = false;
    std::optional<QString> authMethod = std::nullopt;
    std::optional<QString> email = std::nullopt;
    std::optional<QString> subscriptionType = std::nullopt;

    enum class ParseError { noJSONObject };

    // The first JSON object embedded in text (banners and warnings around it
    // are tolerated) that has a boolean "loggedIn". Linear in the text's size.
    static std::expected<AuthStatus, ParseError> parse(const QString &text);
    static std::optional<AuthStatus> fromJson(const QJsonObject &object);
    QJsonObject toJson() const;
    // The plan as Anthropic names it to people ("Max", "Pro"), from the
    // word claude reports ("max"); nothing when none is reported.
    std::optional<QString> planName() const;

    bool operator==(const AuthStatus &) const = default;
};

} // namespace pacewise
