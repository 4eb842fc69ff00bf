#pragma once

#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QObject>
#include <QSettings>
#include <QVariantList>

namespace pacewise {

// The language the user chose (or the system's), applied at once: the
// catalogue is swapped, numbers and dates follow, and every text bound in
// QML is looked up again. QML reaches the texts through text() and
// format(), passing `revision` so that bindings depend on the language.
class LocaleManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString selection READ selection WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(int revision READ revision NOTIFY languageChanged)
    Q_PROPERTY(QVariantList options READ options NOTIFY languageChanged)
    Q_PROPERTY(bool rightToLeft READ rightToLeft NOTIFY languageChanged)
    // The windows' font: a Qt Quick control takes the application's font
    // when it is made, not when it changes, so each window binds to this.
    Q_PROPERTY(QFont font READ font NOTIFY languageChanged)

public:
    // Reads the stored choice and installs its catalogue.
    explicit LocaleManager(QSettings *appSettings, QObject *parent = nullptr);

    QString selection() const { return m_selection; }
    int revision() const { return m_revision; }
    QLocale locale() const;
    bool rightToLeft() const { return locale().textDirection() == Qt::RightToLeft; }
    QFont font() const { return QGuiApplication::font(); }
    // {code, name} of every supported language, names in their own words.
    QVariantList options() const;

    // A supported code, or empty for the system's language.
    Q_INVOKABLE void setLanguage(const QString &code);

    Q_INVOKABLE QString text(const QString &key, const QString &english, int revision = 0) const;
    Q_INVOKABLE QString format(const QString &key, const QString &english, const QStringList &arguments,
                               int revision = 0) const;

signals:
    void languageChanged();

private:
    void apply();

    QSettings *m_appSettings;
    QString m_selection;
    int m_revision = 0;
};

} // namespace pacewise
