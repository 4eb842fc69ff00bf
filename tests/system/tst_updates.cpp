#include "updates/UpdaterController.h"

#include <QProcess>
#include <QtTest>

#include <qcoro/qcorotask.h>

using namespace pacewise;

Q_DECLARE_METATYPE(pacewise::UpdaterController::CheckResult)

class UpdatesTest : public QObject {
    Q_OBJECT

private:
    QProcess m_server;
    QString m_base;

    std::unique_ptr<UpdaterController> m_controller;

    UpdaterController::CheckResult check(const QString &url, std::chrono::milliseconds timeout)
    {
        m_controller = std::make_unique<UpdaterController>(
            UpdaterController::Options{.feedUrl = QUrl(url), .runningVersion = u"0.1.0"_qs, .timeout = timeout});
        QCoro::waitFor(m_controller->check());
        return m_controller->checkResult();
    }

private slots:
    void initTestCase()
    {
        m_server.start(u"/usr/bin/python3"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/tests/support/feed_server.py")});
        QVERIFY(m_server.waitForReadyRead(10'000));
        m_base = u"http://127.0.0.1:%1"_qs.arg(QString::fromUtf8(m_server.readLine()).trimmed());
    }

    void cleanupTestCase()
    {
        m_controller.reset();
        m_server.kill();
        m_server.waitForFinished();
    }

    void versionsCompareNumerically_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("1.10 after 1.9") << u"1.10"_qs << u"1.9"_qs << 1;
        QTest::newRow("older") << u"0.0.9"_qs << u"0.1.0"_qs << -1;
    }

    void versionsCompareNumerically()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(Appcast::compareVersions(a, b), order);
    }

    void feedsGiveAClearResult_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<UpdaterController::CheckResult>("result");
        using R = UpdaterController::CheckResult;
        QTest::newRow("newer version") << u"/good"_qs << R::updateAvailable;
        QTest::newRow("nothing newer") << u"/current"_qs << R::upToDate;
        QTest::newRow("not XML") << u"/bad"_qs << R::failed;
        QTest::newRow("50 MiB") << u"/huge"_qs << R::failed;
        QTest::newRow("never answers") << u"/slow"_qs << R::failed;
    }

    void feedsGiveAClearResult()
    {
        QFETCH(QString, path);
        QFETCH(UpdaterController::CheckResult, result);
        QCOMPARE(check(m_base + path, std::chrono::milliseconds(1500)), result);
        const UpdaterController *controller = m_controller.get();
        if (result == UpdaterController::CheckResult::updateAvailable) {
            QCOMPARE(controller->offeredVersion(), u"9.1.0"_qs);
            QCOMPARE(controller->releasePage(), QUrl(u"https://pacewise.example/releases/9.1.0"_qs));
        } else if (result == UpdaterController::CheckResult::failed) {
            QVERIFY(!controller->failureReason().isEmpty());
        }
    }

};

QTEST_GUILESS_MAIN(UpdatesTest)
#include "tst_updates.moc"
