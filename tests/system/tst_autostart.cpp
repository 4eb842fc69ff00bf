#include "app/AppComposition.h"
#include "app/LaunchAtLoginController.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

class AutostartTest : public QObject {
    Q_OBJECT

private:
    static std::shared_ptr<XdgAutostartService> service(const QString &directory)
    {
        return std::make_shared<XdgAutostartService>(directory, u"pacewise"_qs, u"Pacewise"_qs, u"/usr/bin/pacewise"_qs);
    }

private slots:
    void execLinesAreQuotedAsDesktopEntriesRequire_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("line");
        QTest::newRow("space") << u"/opt/my apps/pacewisectl"_qs << u"\"/opt/my apps/pacewisectl\" daemon"_qs;
        QTest::newRow("shell characters") << u"/home/a$b/`x`/p"_qs << u"\"/home/a\\\\$b/\\\\`x\\\\`/p\" daemon"_qs;
        QTest::newRow("percent") << u"/opt/100%/p"_qs << u"/opt/100%%/p daemon"_qs;
        QTest::newRow("newline stays on one line") << u"/a\nb"_qs << u"\"/a\\nb\" daemon"_qs;
    }

    void execLinesAreQuotedAsDesktopEntriesRequire()
    {
        QFETCH(QString, program);
        QFETCH(QString, line);
        QCOMPARE(XdgAutostartService::execLine({program, u"daemon"_qs}), line);
    }

    void switchingOnWritesAnEntryAndOffRemovesIt()
    {
        QTemporaryDir dir;
        const auto autostart = service(dir.filePath(u"autostart"_qs));
        LaunchAtLoginController controller(autostart);
        QVERIFY(!controller.isEnabled());
        QVERIFY(controller.setEnabled(true));
        QVERIFY(controller.isEnabled());
        const QByteArray entry = readFile(autostart->entryPath());
        QVERIFY(entry.startsWith("[Desktop Entry]\nType=Application\nName=Pacewise\n"));
        QVERIFY(entry.contains("\nExec=/usr/bin/pacewise\n"));
        QCOMPARE(QFileInfo(autostart->entryPath()).permissions() & QFile::WriteOther, QFile::Permissions());
        QVERIFY(controller.setEnabled(true)); // nothing to change
        QVERIFY(controller.setEnabled(false));
        QVERIFY(!QFileInfo::exists(autostart->entryPath()));
        QVERIFY(!controller.hasError());
    }

    // The tray app and pacewisectl share one entry, which starts the tray
    // app; the one an older pacewisectl wrote is still known as ours.
    void oneEntryForTrayAppAndCommandLine()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        const auto autostart = AppComposition::launchAtLogin(u"/usr/bin/pacewise"_qs);
        const QByteArray older = QByteArray(autostart->entry())
                                     .replace("Exec=/usr/bin/pacewise\n", "Exec=/usr/bin/pacewisectl daemon\n")
                                     .replace("Icon=io.github.pacewise.Pacewise\n", "Icon=pacewise\n");
        QVERIFY(older != autostart->entry());
        QVERIFY(writeFile(autostart->entryPath(), older));
        QVERIFY(autostart->registerItem());
        QCOMPARE(readFile(autostart->entryPath()), autostart->entry());
        QVERIFY(writeFile(autostart->entryPath(), older));
        QVERIFY(autostart->unregisterItem());
        QVERIFY(!QFileInfo::exists(autostart->entryPath()));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void anEntryTheUserEditedIsRespected()
    {
        QTemporaryDir dir;
        const auto autostart = service(dir.filePath(u"autostart"_qs));
        const QByteArray edited = "[Desktop Entry]\nType=Application\nName=Pacewise\nExec=env QT_SCALE_FACTOR=2 pacewise\n"
                                  "\n[Desktop Action Quiet]\nName=Quiet\nExec=pacewise --quiet\n";
        QVERIFY(writeFile(autostart->entryPath(), edited));
        LaunchAtLoginController controller(autostart);
        QVERIFY(controller.isEnabled());
        QVERIFY(controller.setEnabled(false));
        QCOMPARE(readFile(autostart->entryPath()),
                 QByteArray("[Desktop Entry]\nType=Application\nName=Pacewise\nExec=env QT_SCALE_FACTOR=2 pacewise\n"
                            "Hidden=true\n\n[Desktop Action Quiet]\nName=Quiet\nExec=pacewise --quiet\n"));
        QVERIFY(!controller.isEnabled());
        QVERIFY(controller.setEnabled(true));
        QVERIFY(readFile(autostart->entryPath()).contains("Exec=env QT_SCALE_FACTOR=2 pacewise\nHidden=false\n"));
        QVERIFY(controller.isEnabled());
    }

    void aDesktopsOwnOffSwitchCounts()
    {
        QTemporaryDir dir;
        const auto autostart = service(dir.filePath(u"autostart"_qs));
        QVERIFY(writeFile(autostart->entryPath(), autostart->entry().replace("X-GNOME-Autostart-enabled=true", "X-GNOME-Autostart-enabled=false")));
        QCOMPARE(autostart->status(), LoginItemService::Status::notRegistered);
        QVERIFY(autostart->registerItem());
        QCOMPARE(autostart->status(), LoginItemService::Status::enabled);
    }

};

QTEST_GUILESS_MAIN(AutostartTest)
#include "tst_autostart.moc"
