#include "app/LaunchAtLoginController.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

namespace {

// Switches on the pool, as the settings window does, and waits for it.
bool switchTo(LaunchAtLoginController &controller, bool on)
{
    controller.setEnabled(on);
    QDeadlineTimer deadline(10'000);
    while (controller.isUpdating() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return !controller.isUpdating() && !controller.hasError();
}

std::shared_ptr<XdgAutostartService> service(const QString &directory)
{
    return std::make_shared<XdgAutostartService>(directory, u"pacewise"_qs, u"Pacewise"_qs, u"/usr/bin/pacewise"_qs);
}

} // namespace

class AutostartTest : public QObject {
    Q_OBJECT

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

    void switchingOnWritesAnEntryAndOffRemovesOnlyOurs()
    {
        QTemporaryDir dir;
        const auto autostart = service(dir.filePath(u"autostart"_qs));
        LaunchAtLoginController controller(autostart);
        QVERIFY(!controller.isEnabled());
        QVERIFY(switchTo(controller, true));
        QVERIFY(controller.isEnabled());
        const QByteArray entry = readFile(autostart->entryPath());
        QVERIFY(entry.startsWith("[Desktop Entry]\nType=Application\nName=Pacewise\n"));
        QVERIFY(entry.contains("\nExec=/usr/bin/pacewise\n"));
        // Described in each language as the application menu describes it.
        QVERIFY(entry.contains("\nComment[de]=Hält lange Claude-Code-Aufgaben") && entry.contains("\nGenericName[zh_CN]="));
        QCOMPARE(QFileInfo(autostart->entryPath()).permissions() & QFile::WriteOther, QFile::Permissions());
        QVERIFY(switchTo(controller, true)); // nothing to change
        QVERIFY(switchTo(controller, false));
        QVERIFY(!QFileInfo::exists(autostart->entryPath()));
        QVERIFY(!controller.hasError());

        // The entry of a version before the translations is ours as well.
        QVERIFY(writeFile(autostart->entryPath(), "[Desktop Entry]\nType=Application\nName=Pacewise\n"
                                                  "Comment=Keeps long Claude Code jobs going across usage limits\n"
                                                  "Exec=/usr/bin/pacewise\nIcon=pacewise\nTerminal=false\nX-GNOME-Autostart-enabled=true\n"));
        controller.refresh();
        QVERIFY(switchTo(controller, false));
        QVERIFY(!QFileInfo::exists(autostart->entryPath()));

        // An entry the user edited is theirs: switched off, it is hidden.
        QVERIFY(writeFile(autostart->entryPath(), "[Desktop Entry]\nType=Application\nName=Pacewise\nExec=env QT_SCALE_FACTOR=2 pacewise\n"
                                                  "\n[Desktop Action Quiet]\nName=Quiet\nExec=pacewise --quiet\n"));
        controller.refresh();
        QVERIFY(controller.isEnabled());
        QVERIFY(switchTo(controller, false));
        QCOMPARE(readFile(autostart->entryPath()),
                 QByteArray("[Desktop Entry]\nType=Application\nName=Pacewise\nExec=env QT_SCALE_FACTOR=2 pacewise\n"
                            "Hidden=true\n\n[Desktop Action Quiet]\nName=Quiet\nExec=pacewise --quiet\n"));
        QVERIFY(!controller.isEnabled());
        QVERIFY(switchTo(controller, true));
        QVERIFY(readFile(autostart->entryPath()).contains("Exec=env QT_SCALE_FACTOR=2 pacewise\nHidden=false\n"));
        QVERIFY(controller.isEnabled());
    }

};

QTEST_GUILESS_MAIN(AutostartTest)
#include "tst_autostart.moc"
