#include "i18n/AppLanguage.h"
#include "i18n/UIStrings.h"
#include "usage/UsageResetFormatter.h"

#include <QtTest>

using namespace pacewise;

class I18nTest : public QObject {
    Q_OBJECT

private slots:
    // An override not supported falls back to the system's preferences,
    // of which the first supported one is taken.
    void theLanguageIsResolvedAmongTheSupportedOnes()
    {
        QCOMPARE(AppLanguage::resolvedLanguageCode(u"xx"_qs, {u"de-AT"_qs}), u"de"_qs);
        QCOMPARE(AppLanguage::resolvedLanguageCode(QString(), {u"it-IT"_qs, u"ja-JP"_qs}), u"ja"_qs);
    }

    void textsFallBackToEnglishAndFormatsFillPositions_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("percent") << u"%1%"_qs << QStringList{u"42"_qs} << u"42%"_qs;
        QTest::newRow("reordered") << u"%2 · %1"_qs << QStringList{u"a"_qs, u"b"_qs} << u"b · a"_qs;
        QTest::newRow("argument looking like a placeholder") << u"%1 (%2)"_qs << QStringList{u"%2"_qs, u"max"_qs}
                                                             << u"%2 (max)"_qs;
        QTest::newRow("missing argument stays visible") << u"Signed in: %1"_qs << QStringList{} << u"Signed in: %1"_qs;
    }

    void textsFallBackToEnglishAndFormatsFillPositions()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const QByteArray english = format.toUtf8();
        QCOMPARE(UIStrings::format("test.format", english.constData(), arguments), expected);
        QCOMPARE(UIStrings::text("issue.offline", "Offline, retrying…"), u"Offline, retrying…"_qs);
        QVERIFY(!AppLanguage::installCatalogue(u"xx"_qs)); // none shipped: English stays
    }

    // A weekly reset names its day as the language does; where the short
    // name is one sign (木, 목) it reads as "wood" or "tree", not a day.
    void weeklyResetsNameTheirDay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en") << u"en_US"_qs << u"Thu 2:22 AM"_qs;
        QTest::newRow("ja") << u"ja_JP"_qs << u"木曜日 2:22"_qs;
        QTest::newRow("ko") << u"ko_KR"_qs << u"목요일 오전 2:22"_qs;
        QTest::newRow("zh") << u"zh_CN"_qs << u"周四 02:22"_qs;
    }

    void weeklyResetsNameTheirDay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        const QDateTime thursday(QDate(2026, 12, 10), QTime(2, 22), QTimeZone::utc());
        QCOMPARE(pacewise::UsageResetFormatter::string(thursday, true, QLocale(locale), QTimeZone::utc()), expected);
    }
};

QTEST_GUILESS_MAIN(I18nTest)
#include "tst_i18n.moc"
