#include "AppLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace pacewise::AppLanguage {

QStringList supportedCodes()
{
    return {QStringLiteral("en"), QStringLiteral("ru"), QStringLiteral("de"),    QStringLiteral("es"),
            QStringLiteral("fr"), QStringLiteral("ja"), QStringLiteral("ko"),    QStringLiteral("pt-BR"),
            QStringLiteral("zh-Hans")};
}

QString resolvedLanguageCode(const QString &override, const QStringList &preferredLanguages)
{
    const QStringList supported = supportedCodes();
    for (const QString &code : supported) {
        if (!override.isEmpty() && code.compare(override, Qt::CaseInsensitive) == 0)
            return code;
    }
    for (const QString &preferred : preferredLanguages) {
        const QLocale wanted(preferred);
        for (const QString &code : supported) {
            const QLocale candidate(code);
            // "pt-BR" needs Brazilian Portuguese, "zh-Hans" simplified
            // script; the others only the language.
            const bool sameLanguage = candidate.language() == wanted.language();
            const bool regionMatters = code == u"pt-BR";
            const bool scriptMatters = code == u"zh-Hans";
            if (sameLanguage && (!regionMatters || candidate.territory() == wanted.territory()) &&
                (!scriptMatters || candidate.script() == wanted.script()))
                return code;
        }
    }
    return QStringLiteral("en");
}

QLocale formattingLocale(const QString &override, const QLocale &systemLocale, const QStringList &preferredLanguages)
{
    const QLocale language(resolvedLanguageCode(override, preferredLanguages));
    return QLocale(language.language(), language.script(), systemLocale.territory());
}

bool installCatalogue(const QString &code)
{
    static std::unique_ptr<QTranslator> installed;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/pacewise_%1.qm").arg(QString(code).replace(u'-', u'_'))))
        return false;
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

void apply(const QString &override)
{
    const QLocale system = QLocale::system();
    // English is a catalogue too: without one, id-based lookups answer with
    // the id instead of the text.
    if (!installCatalogue(resolvedLanguageCode(override, system.uiLanguages())))
        installCatalogue(QStringLiteral("en"));
    QLocale::setDefault(formattingLocale(override, system, system.uiLanguages()));
}

} // namespace pacewise::AppLanguage
