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

const QString shipped = u":/EngineScripts"_qs;

class GuardTest : public QObject {
    Q_OBJECT

private slots:
    void installWritesExecutableScriptsAndAManifest()
    {
        QTemporaryDir dir;
        const HookInstaller installer(shipped, dir.filePath(u"hooks"_qs), u"1.2.3"_qs);
        QVERIFY(installer.install());
        for (const QString &name : HookInstaller::scriptNames)
            QCOMPARE(modeOf(installer.installedPath(name)), mode_t(0755));
        QCOMPARE(modeOf(installer.installedPath(HookInstaller::manifestName)), mode_t(0644));
        QCOMPARE(installer.installedStatus(), HookInstaller::Status::upToDate);
        QCOMPARE(QDir(dir.filePath(u"hooks"_qs)).entryList(QDir::Files | QDir::Hidden).size(), 4); // no temporary files

        // A release that ships a changed script finds the installed ones
        // outdated, though the manifest names its own version.
        const QString next = dir.filePath(u"next-release"_qs);
        for (const QString &name : HookInstaller::scriptNames)
            QVERIFY(writeFile(next + u'/' + name, readFile(shipped + u'/' + name)));
        QVERIFY(writeFile(next + u"/rate-limit-guard.sh"_qs, "#!/bin/sh\n# next release\nexit 0\n"));
        QCOMPARE(HookInstaller(next, dir.filePath(u"hooks"_qs), u"1.2.3"_qs).installedStatus(), HookInstaller::Status::outdated);
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

    // Our status line removed by hand while Pacewise runs stays removed.
    void refreshLeavesAHandEditAlone()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"settings.json"_qs);
        QVERIFY(writeFile(settings, R"({"statusLine": {"type": "command", "command": "my-line.sh"}})"));
        const GuardOperations operations{settings, HookInstaller(shipped, dir.filePath(u"hooks"_qs), u"1"_qs), SettingsFileManager()};
        QVERIFY(operations.setEnabled(true));
        QJsonObject root = QJsonDocument::fromJson(readFile(settings)).object();
        root.remove(u"statusLine"_qs);
        QVERIFY(writeFile(settings, QJsonDocument(root).toJson()));
        QVERIFY(operations.refresh().value().enabled);
        QVERIFY(!QJsonDocument::fromJson(readFile(settings)).object().contains(u"statusLine"_qs));
    }

};

QTEST_GUILESS_MAIN(GuardTest)
#include "tst_guard.moc"
