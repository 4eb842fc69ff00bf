#include "PacewiseCoreInfo.h"
#include "app/GuardController.h"
#include "guard/HookInstaller.h"
#include "support/TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

Q_DECLARE_METATYPE(pacewise::HookInstaller::Status)
Q_DECLARE_METATYPE(std::function<void(pacewise::HookInstaller &, const QString &)>)

namespace {

const QString shipped = u":/EngineScripts"_qs;

} // namespace

class GuardTest : public QObject {
    Q_OBJECT

private slots:
    // Each row leaves the hooks folder as a user or an older release might.
    void installerTellsWhatIsInstalled_data()
    {
        using SetUp = std::function<void(HookInstaller &installer, const QString &scratch)>;
        QTest::addColumn<SetUp>("setUp");
        QTest::addColumn<HookInstaller::Status>("status");
        using S = HookInstaller::Status;
        const auto edit = [](HookInstaller &installer) {
            QVERIFY(writeFile(installer.installedPath(u"rate-limit-guard.sh"_qs), "#!/bin/sh\nexit 0\n"));
        };
        QTest::newRow("nothing") << SetUp([](HookInstaller &, const QString &) {}) << S::notInstalled;
        QTest::newRow("just installed") << SetUp([](HookInstaller &installer, const QString &) { QVERIFY(installer.install()); })
                                        << S::upToDate;
        QTest::newRow("a script edited") << SetUp([=](HookInstaller &installer, const QString &) {
            QVERIFY(installer.install());
            edit(installer);
        }) << S::modifiedByUser;
        QTest::newRow("installed by another version") << SetUp([](HookInstaller &installer, const QString &scratch) {
            QVERIFY(installer.install());
            installer = HookInstaller(shipped, scratch + u"/hooks"_qs, u"99.0"_qs);
        }) << S::outdated;
        QTest::newRow("this version ships a changed script") << SetUp([](HookInstaller &installer, const QString &scratch) {
            QVERIFY(installer.install());
            const QString next = scratch + u"/next-release"_qs;
            for (const QString &name : HookInstaller::scriptNames)
                QVERIFY(writeFile(next + u'/' + name, readFile(shipped + u'/' + name)));
            QVERIFY(writeFile(next + u"/rate-limit-guard.sh"_qs, "#!/bin/sh\n# next release\nexit 0\n"));
            installer = HookInstaller(next, scratch + u"/hooks"_qs, QString::fromLatin1(PacewiseCoreInfo::version));
        }) << S::outdated;
    }

    void installerTellsWhatIsInstalled()
    {
        QFETCH(std::function<void(HookInstaller &, const QString &)>, setUp);
        QFETCH(HookInstaller::Status, status);
        QTemporaryDir dir;
        HookInstaller installer(shipped, dir.filePath(u"hooks"_qs), QString::fromLatin1(PacewiseCoreInfo::version));
        setUp(installer, dir.path());
        QCOMPARE(installer.installedStatus(), status);
    }

    void installWritesExecutableScriptsAndAManifest()
    {
        QTemporaryDir dir;
        const HookInstaller installer(shipped, dir.filePath(u"hooks"_qs), u"1.2.3"_qs);
        QVERIFY(installer.install());
        for (const QString &name : HookInstaller::scriptNames) {
            QCOMPARE(readFile(installer.installedPath(name)), readFile(shipped + u'/' + name));
            QCOMPARE(modeOf(installer.installedPath(name)), mode_t(0755));
        }
        QCOMPARE(modeOf(installer.installedPath(HookInstaller::manifestName)), mode_t(0644));
        const QJsonObject manifest = QJsonDocument::fromJson(readFile(installer.installedPath(HookInstaller::manifestName))).object();
        QCOMPARE(manifest.value(u"version"_qs).toString(), u"1.2.3"_qs);
        QCOMPARE(manifest.value(u"sha256"_qs).toObject().value(u"rate-limit-guard.sh"_qs).toString(),
                 HookInstaller::sha256Hex(readFile(shipped + u"/rate-limit-guard.sh"_qs)));
        QCOMPARE(QDir(dir.filePath(u"hooks"_qs)).entryList(QDir::Files | QDir::Hidden).size(), 4); // no temporary files
    }

    // Pacewise writes the guard's threshold into the settings only when the
    // user chose another one: the script's own default must be the same.
    void theScriptStopsWhereTheTrayTurnsRedByDefault()
    {
        const QString script = QString::fromUtf8(readFile(shipped + u"/rate-limit-guard.sh"_qs));
        const auto found = QRegularExpression(u"threshold=\\$\\{CC_LIMIT_GUARD_THRESHOLD:-([0-9.]+)\\}"_qs).match(script);
        QVERIFY(found.hasMatch());
        QCOMPARE(found.captured(1).toDouble(), UsageThresholds::critical);
    }

    void controllerTurnsTheGuardOnAndOff()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"claude/settings.json"_qs);
        const HookInstaller installer(shipped, dir.filePath(u"claude/hooks"_qs), u"1"_qs);
        GuardController controller(GuardOperations{settings, installer, SettingsFileManager()});
        QVERIFY(controller.busy());
        QTRY_VERIFY(!controller.busy());
        QVERIFY(!controller.enabled());
        QCOMPARE(controller.engineStatus(), HookInstaller::Status::notInstalled);
        QVERIFY(!QFileInfo::exists(settings)); // looking installs nothing

        QSignalSpy busy(&controller, &GuardController::busyChanged);
        controller.setEnabled(true);
        controller.setEnabled(false); // dropped: one operation at a time
        QTRY_VERIFY(!controller.busy());
        QCOMPARE(busy.count(), 2);
        QVERIFY(controller.enabled());
        QCOMPARE(controller.engineStatus(), HookInstaller::Status::upToDate);
        QVERIFY(SettingsFileManager().isGuardEnabled(settings).value());

        controller.setEnabled(false);
        QTRY_VERIFY(!controller.busy());
        QVERIFY(!controller.enabled());
        QCOMPARE(installer.installedStatus(), HookInstaller::Status::upToDate); // scripts stay
        QVERIFY(controller.lastError().isEmpty());
    }

    void refreshUpgradesOnlyAnActiveGuard_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<HookInstaller::Status>("status");
        QTest::newRow("guard on: upgraded") << true << HookInstaller::Status::upToDate;
        QTest::newRow("guard off: left outdated") << false << HookInstaller::Status::outdated;
    }

    void refreshUpgradesOnlyAnActiveGuard()
    {
        QFETCH(bool, enabled);
        QFETCH(HookInstaller::Status, status);
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"settings.json"_qs);
        const HookInstaller previousRelease(shipped, dir.filePath(u"hooks"_qs), u"0.0.9"_qs);
        QVERIFY(previousRelease.install());
        if (enabled)
            QVERIFY(SettingsFileManager().enableGuard(settings, {.hooksDirectory = previousRelease.hooksDirectory()}));
        GuardController controller(GuardOperations{settings, HookInstaller(shipped, dir.filePath(u"hooks"_qs), u"1.0.0"_qs),
                                                   SettingsFileManager()});
        QTRY_VERIFY(!controller.busy());
        QCOMPARE(controller.enabled(), enabled);
        QCOMPARE(controller.engineStatus(), status);
    }

    // The settings file changes under a running Pacewise: what the user did
    // by hand stays, what a choice of theirs asks for is done.
    void refreshLeavesHandEditsAlone_data()
    {
        QTest::addColumn<bool>("recorderBefore");
        QTest::addColumn<bool>("recorderAfter");
        QTest::addColumn<bool>("removeOurStatusLine");
        QTest::addColumn<QString>("statusLine");
        const QString user = u"my-line.sh"_qs;
        QTest::newRow("our status line removed by hand") << true << true << true << QString();
        QTest::newRow("recorder turned off") << true << false << false << user;
        QTest::newRow("recorder turned on") << false << true << false << u"--then 'my-line.sh'"_qs;
    }

    void refreshLeavesHandEditsAlone()
    {
        QFETCH(bool, recorderBefore);
        QFETCH(bool, recorderAfter);
        QFETCH(bool, removeOurStatusLine);
        QFETCH(QString, statusLine);
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"settings.json"_qs);
        QVERIFY(writeFile(settings, R"({"statusLine": {"type": "command", "command": "my-line.sh"}})"));
        GuardOperations operations{settings, HookInstaller(shipped, dir.filePath(u"hooks"_qs), u"1"_qs), SettingsFileManager()};
        operations.recordBeforeUserStatusLine = recorderBefore;
        QVERIFY(operations.setEnabled(true));
        if (removeOurStatusLine) {
            QJsonObject root = QJsonDocument::fromJson(readFile(settings)).object();
            root.remove(u"statusLine"_qs);
            QVERIFY(writeFile(settings, QJsonDocument(root).toJson()));
        }
        operations.recordBeforeUserStatusLine = recorderAfter;
        QVERIFY(operations.refresh().value().enabled);
        const QString command = QJsonDocument::fromJson(readFile(settings)).object()[u"statusLine"_qs][u"command"_qs].toString();
        QVERIFY2(statusLine.isEmpty() ? command.isEmpty() : command.endsWith(statusLine), qPrintable(command));
    }

};

QTEST_GUILESS_MAIN(GuardTest)
#include "tst_guard.moc"
