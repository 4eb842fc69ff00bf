#include "i18n/AppLanguage.h"
#include "i18n/UIStrings.h"

#include <QtTest>

using namespace pacewise;

class I18nTest : public QObject {
    Q_OBJECT

private slots:
    void theLanguageIsResolvedAmongTheSupportedOnes_data()
    {
        QTest::addColumn<QString>("override");
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("code");
        QTest::newRow("unsupported override: the system's") << u"xx"_qs << QStringList{u"de-AT"_qs} << u"de"_qs;
        QTest::newRow("first supported preference") << QString() << QStringList{u"it-IT"_qs, u"ja-JP"_qs} << u"ja"_qs;
    }

    void theLanguageIsResolvedAmongTheSupportedOnes()
    {
        QFETCH(QString, override);
        QFETCH(QStringList, preferred);
        QFETCH(QString, code);
        QCOMPARE(AppLanguage::resolvedLanguageCode(override, preferred), code);
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
};

QTEST_GUILESS_MAIN(I18nTest)
#include "tst_i18n.moc"
