#include "updates/Appcast.h"

#include <QtTest>

using namespace pacewise;

class UpdatesTest : public QObject {
    Q_OBJECT

private slots:
    void versionsCompareNumerically()
    {
        QCOMPARE(Appcast::compareVersions(u"1.10"_qs, u"1.9"_qs), 1);
        QCOMPARE(Appcast::compareVersions(u"0.0.9"_qs, u"0.1.0"_qs), -1);
    }

    // What a feed offers to a running 0.1.0: the newest newer release and
    // its https page, nothing, or a clear failure.
    void feedsGiveAClearAnswer_data()
    {
        QTest::addColumn<QByteArray>("feed");
        QTest::addColumn<QString>("offered"); // "version page"; empty: nothing newer; null: not a feed
        const QByteArray older = R"(<item><title>Pacewise 0.0.9</title><sparkle:version>9</sparkle:version>
            <sparkle:shortVersionString>0.0.9</sparkle:shortVersionString></item>)";
        const QByteArray newer = R"(<item><title>Pacewise 9.1</title>
            <sparkle:releaseNotesLink>https://pacewise.example/releases/9.1.0</sparkle:releaseNotesLink>
            <enclosure url="https://pacewise.example/pacewise-9.1.0.tar.gz" sparkle:version="910" sparkle:shortVersionString="9.1.0"/></item>)";
        const auto appcast = [](const QByteArray &items) {
            return R"(<?xml version="1.0" encoding="utf-8"?><rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">)"
                   "<channel><title>Pacewise</title>" + items + "</channel></rss>";
        };
        QTest::newRow("newer version") << appcast(older + newer) << u"9.1.0 https://pacewise.example/releases/9.1.0"_qs;
        QTest::newRow("nothing newer") << appcast(older) << u""_qs;
        QTest::newRow("not XML") << QByteArray("<html>not a feed") << QString();
    }

    void feedsGiveAClearAnswer()
    {
        QFETCH(QByteArray, feed);
        QFETCH(QString, offered);
        const auto items = Appcast::parse(feed);
        QCOMPARE(items.has_value(), !offered.isNull());
        if (!items)
            return;
        const auto newest = Appcast::newerThan(*items, u"0.1.0"_qs);
        QCOMPARE(newest ? newest->version + u' ' + newest->releasePage.toString() : u""_qs, offered);
    }
};

QTEST_GUILESS_MAIN(UpdatesTest)
#include "tst_updates.moc"
