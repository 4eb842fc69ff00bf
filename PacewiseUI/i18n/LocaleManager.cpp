#include "LocaleManager.h"

#include "app/AppSettingsKeys.h"
#include "i18n/AppLanguage.h"
#include "i18n/UIStrings.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QVariantMap>

namespace pacewise {

namespace {

// The language names, each in its own language.
struct LanguageName {
    const char *code;
    const char *key;
    const char *english;
};
const LanguageName languageNames[] = {
    {"en", "language.name.en", "English"},
    {"ru", "language.name.ru", "Русский"},
    {"de", "language.name.de", "Deutsch"},
    {"es", "language.name.es", "Español"},
    {"fr", "language.name.fr", "Français"},
    {"ja", "language.name.ja", "日本語"},
    {"ko", "language.name.ko", "한국어"},
    {"pt-BR", "language.name.pt-BR", "Português (Brasil)"},
    {"zh-Hans", "language.name.zh-Hans", "中文(简体)"},
};

// Han characters take different shapes in Chinese, Japanese and Korean, and
// a desktop's font fallback picks them by the desktop's language: Chinese
// chosen here on an English desktop would be drawn with Japanese forms. The
// families that carry each language's forms, best first.
QStringList hanFamilies(QLocale::Language language)
{
    switch (language) {
    case QLocale::Japanese:
        return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"), QStringLiteral("IPAGothic"),
                QStringLiteral("TakaoGothic")};
    case QLocale::Korean:
        return {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Source Han Sans KR"), QStringLiteral("NanumGothic"),
                QStringLiteral("UnDotum")};
    case QLocale::Chinese:
        return {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei"),
                QStringLiteral("WenQuanYi Zen Hei")};
    default:
        return {};
    }
}

} // namespace

LocaleManager::LocaleManager(QSettings *appSettings, QObject *parent)
    : QObject(parent)
    , m_appSettings(appSettings)
{
    if (m_appSettings)
        m_selection = m_appSettings->value(QLatin1String(AppSettingsKeys::appLanguage)).toString();
    apply();
}

QLocale LocaleManager::locale() const
{
    return AppLanguage::formattingLocale(m_selection, QLocale::system(), QLocale::system().uiLanguages());
}

QVariantList LocaleManager::options() const
{
    QVariantList options;
    for (const LanguageName &language : languageNames) {
        options << QVariantMap{{QStringLiteral("code"), QString::fromLatin1(language.code)},
                               {QStringLiteral("name"), UIStrings::text(language.key, language.english)}};
    }
    return options;
}

void LocaleManager::setLanguage(const QString &code)
{
    // Only a supported code is kept ("PT-br" as "pt-BR"); anything else
    // means the system's language.
    QString chosen;
    for (const QString &supported : AppLanguage::supportedCodes()) {
        if (supported.compare(code, Qt::CaseInsensitive) == 0)
            chosen = supported;
    }
    if (m_appSettings) {
        if (chosen.isEmpty())
            m_appSettings->remove(QLatin1String(AppSettingsKeys::appLanguage));
        else
            m_appSettings->setValue(QLatin1String(AppSettingsKeys::appLanguage), chosen);
    }
    if (chosen == m_selection)
        return;
    m_selection = chosen;
    apply();
    emit languageChanged();
}

void LocaleManager::apply()
{
    AppLanguage::apply(m_selection);
    ++m_revision;
    // The desktop's family first, for everything it has; then the first
    // installed family with the language's Han forms.
    QFont font = QGuiApplication::font();
    QStringList families{font.families().value(0, font.family())};
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : hanFamilies(locale().language())) {
        if (installed.contains(family)) {
            families << family;
            break;
        }
    }
    if (families != font.families()) {
        font.setFamilies(families);
        QGuiApplication::setFont(font);
    }
}

QString LocaleManager::text(const QString &key, const QString &english, int) const
{
    return UIStrings::text(key.toUtf8().constData(), english.toUtf8().constData());
}

QString LocaleManager::format(const QString &key, const QString &english, const QStringList &arguments, int) const
{
    return UIStrings::format(key.toUtf8().constData(), english.toUtf8().constData(), arguments);
}

} // namespace pacewise
