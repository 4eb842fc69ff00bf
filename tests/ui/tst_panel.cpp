#include "support/PanelScene.h"
#include "theme/DesktopColorScheme.h"
#include "theme/ReadableColors.h"
#include "settings/SettingsModel.h"
#include "tray/TrayMenu.h"

#include <QAccessible>
#include <QUuid>

using namespace pacewise;
using namespace pacewise::test;

namespace {

const QString firstSession = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;

QString textOf(QQuickItem *item) { return item ? item->property("text").toString() : u"<missing>"_qs; }
bool shown(QQuickItem *item) { return item && item->isVisible(); }

// Root and every item under it, in the order they are drawn: along the
// visual tree, since the items a Repeater made are the layout's visual
// children, not its QObject children.
QList<QQuickItem *> itemsUnder(QQuickItem *root)
{
    QList<QQuickItem *> items{root};
    for (QQuickItem *child : root->childItems())
        items << itemsUnder(child);
    return items;
}

// The panel's visible items of that name, in the order they are drawn.
QList<QQuickItem *> visibleItems(const PanelScene &scene, const QString &objectName)
{
    QList<QQuickItem *> found;
    for (QQuickItem *item : itemsUnder(scene.window->view()->rootObject())) {
        if (item->objectName() == objectName && item->isVisible())
            found << item;
    }
    return found;
}

} // namespace

// The panel as QML draws it, offscreen.
class PanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // As when a screen reader listens: Qt Quick builds its accessible
        // objects only then.
        QAccessible::setActive(true);
    }

    // A QML error is a bug even where the picture still looks right.
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u"qrc:/qml/"_qs));
    }

    // Beside the icon whichever edge the desktop's panel is on, found by the
    // icon's place or, where the tray does not tell it (KDE, GNOME), by the
    // click's; always inside what the desktop's panels leave free.
    void thePanelOpensBesideTheIcon_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("bottom panel (KDE), pointer only") << QRect(0, 0, 1920, 1036) << QRect() << QPoint(1800, 1060) << QPoint(1920 - 340, 1036 - 400 - 4);
        QTest::newRow("bottom panel, icon in the middle") << QRect(0, 0, 1920, 1036) << QRect(950, 1044, 24, 24) << QPoint() << QPoint(962 - 170, 1036 - 400 - 4);
        QTest::newRow("top panel (GNOME), pointer only") << QRect(0, 28, 1920, 1052) << QRect() << QPoint(1000, 14) << QPoint(1000 - 170, 28 + 4);
        QTest::newRow("top panel (XFCE), icon known") << QRect(0, 28, 1920, 1052) << QRect(600, 2, 24, 24) << QPoint(1, 1) << QPoint(612 - 170, 28 + 4);
        QTest::newRow("left panel") << QRect(48, 0, 1872, 1080) << QRect() << QPoint(24, 900) << QPoint(48 + 4, 1080 - 400);
        QTest::newRow("right panel") << QRect(0, 0, 1872, 1080) << QRect() << QPoint(1896, 500) << QPoint(1872 - 340 - 4, 300);
        QTest::newRow("a panel that hides, at the bottom") << QRect(0, 0, 1920, 1080) << QRect() << QPoint(500, 1070) << QPoint(330, 1070 - 400 - 4);
        QTest::newRow("nothing known") << QRect(0, 28, 1920, 1052) << QRect() << QPoint() << QPoint(1920 - 340 - 8, 28 + 8);
        QTest::newRow("a pointer on another screen") << QRect(0, 28, 1920, 1052) << QRect() << QPoint(2500, 14) << QPoint(1920 - 340 - 8, 28 + 8);
        QTest::newRow("a small screen") << QRect(0, 0, 300, 350) << QRect() << QPoint(290, 340) << QPoint(0, 0);
    }

    void thePanelOpensBesideTheIcon()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, icon);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        const QRect screen = available.width() < 1000 ? QRect(0, 0, 300, 350) : QRect(0, 0, 1920, 1080);
        QCOMPARE(PanelWindow::placement(QSize(340, 400), screen, available, icon, pointer), expected);
    }

    // Grown while open (a paused session came), it stays above a bottom panel.
    void aPanelThatGrowsIsPlacedAgain()
    {
        PanelScene scene;
        const QPoint pointer(400, QGuiApplication::primaryScreen()->geometry().bottom() - 2);
        scene.window->showNear({}, pointer);
        const int grown = scene.window->view()->height() + 40;
        scene.window->view()->rootObject()->setHeight(grown);
        QTRY_COMPARE(scene.window->view()->height(), grown);
        QCOMPARE(scene.window->view()->y() + grown, pointer.y() - 4);
    }

    // What the row shows, and the one sentence a screen reader gets for
    // it: the severity is told in words, not by the colour alone.
    void limitRowsCarryTheirFiguresAndTints_data()
    {
        QTest::addColumn<double>("fiveHour");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("tint");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("97.9 is orange") << 97.9 << 97.9 << u"warning"_qs << u"98% · until 3:20 PM · running low"_qs
                                        << u"5 hours, 98% used, resets 3:20 PM, running low"_qs;
        QTest::newRow("98 is red") << 98.0 << 98.0 << u"critical"_qs << u"98% · until 3:20 PM · nearly used up"_qs
                                   << u"5 hours, 98% used, resets 3:20 PM, nearly used up"_qs;
        QTest::newRow("120 fills the bar") << 120.0 << 100.0 << u"critical"_qs << u"120% · until 3:20 PM · nearly used up"_qs
                                           << u"5 hours, 120% used, resets 3:20 PM, nearly used up"_qs;
        QTest::newRow("NaN is no figure") << qQNaN() << 0.0 << u"accent"_qs << u"—% · until 3:20 PM"_qs
                                          << u"5 hours, —% used, resets 3:20 PM"_qs;
    }

    void limitRowsCarryTheirFiguresAndTints()
    {
        QFETCH(double, fiveHour);
        QFETCH(double, value);
        QFETCH(QString, tint);
        QFETCH(QString, detail);
        QFETCH(QString, spoken);
        PanelScene scene;
        scene.showUsage(fiveHour, 10, 3);
        const QVariantList rows = scene.model->limits();
        QCOMPARE(rows.size(), 3);
        const QVariantMap first = rows.constFirst().toMap();
        QCOMPARE(first.value(u"label"_qs).toString(), u"5 hours"_qs);
        QCOMPARE(first.value(u"value"_qs).toDouble(), value);
        QCOMPARE(first.value(u"tint"_qs).toString(), tint);
        QCOMPARE(first.value(u"detail"_qs).toString(), detail);
        QCOMPARE(rows.at(2).toMap().value(u"label"_qs).toString(), u"Week · Opus"_qs);

        // Through Qt's accessibility interface, as AT-SPI reads it: one
        // focusable row with one name, and nothing inside it read again.
        QTRY_COMPARE(visibleItems(scene, u"limitRow"_qs).size(), 3);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(visibleItems(scene, u"limitRow"_qs).constFirst());
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), spoken);
        QVERIFY(accessible->state().focusable);
        QCOMPARE(accessible->childCount(), 0);
    }

    void sectionsFollowTheState()
    {
        PanelScene scene;
        scene.window->view()->show();
        QCOMPARE(scene.model->limits().size(), 0);
        QCOMPARE(textOf(scene.find(u"freshness"_qs)), u"waiting for first update…"_qs);
        QVERIFY(!shown(scene.find(u"issue"_qs)));
        QCOMPARE(visibleItems(scene, u"resumeRow"_qs).size(), 0);
        QVERIFY(!shown(scene.find(u"scriptsNotice"_qs)));

        scene.failWith(UsageCLIError::Kind::commandFailed);
        QTRY_VERIFY(shown(scene.find(u"issue"_qs)));
        QCOMPARE(textOf(scene.find(u"issue"_qs)), u"Sign in required"_qs);
        QVERIFY(!shown(scene.find(u"signInButton"_qs))); // onboarding comes with the sign-in work

        scene.showUsage(42, 10);
        QTRY_VERIFY(!shown(scene.find(u"issue"_qs)));
        QTRY_COMPARE(visibleItems(scene, u"limitRow"_qs).size(), 2);
        QCOMPARE(textOf(scene.find(u"freshness"_qs)), u"updated 0s ago"_qs);
        // The age moves with the clock while the panel is open, and figures
        // that grow old are told as stale, in the tooltip too.
        scene.now = scene.now.addSecs(75);
        QTRY_COMPARE(textOf(scene.find(u"freshness"_qs)), u"updated 1m ago"_qs);
        QSignalSpy changed(scene.model.get(), &PanelModel::changed);
        scene.now = scene.now.addSecs(3 * 3600);
        QTRY_COMPARE(textOf(scene.find(u"freshness"_qs)), u"stale"_qs);
        QCOMPARE(changed.count(), 1);
        QVERIFY(scene.model->tooltip().endsWith(u"\nstale"_qs));
        scene.showUsage(42, 10);

        scene.addPendingResume(firstSession, u"Refactor the billing module"_qs, u"code/shop"_qs, 600);
        QTRY_COMPARE(visibleItems(scene, u"resumeRow"_qs).size(), 1);
        const QVariantMap resume = scene.model->pendingResumes().constFirst().toMap();
        QCOMPARE(resume.value(u"title"_qs).toString(), u"Refactor the billing module"_qs);
        QVERIFY2(resume.value(u"status"_qs).toString().startsWith(u"Resets "_qs), qPrintable(resume.value(u"status"_qs).toString()));
        // Its buttons name the session, for a screen reader going from button to button.
        QStringList buttonNames;
        for (QQuickItem *item : itemsUnder(scene.window->view()->contentItem())) {
            if (QAccessibleInterface *accessible = item->inherits("QQuickAbstractButton") ? QAccessible::queryAccessibleInterface(item) : nullptr)
                buttonNames << accessible->text(QAccessible::Name);
        }
        QVERIFY2(buttonNames.contains(u"Resume “Refactor the billing module” now"_qs) && buttonNames.contains(u"Dismiss “Refactor the billing module”"_qs),
                 qPrintable(buttonNames.join(u", "_qs)));

        // A settings file the guard cannot read: the error shows under its
        // switch, which stays off. Then edited engine scripts: the notice
        // offers to update them.
        QVERIFY(writeFile(scene.claude(u"settings.json"_qs), "{\"model\": "));
        scene.guardController->setEnabled(true);
        QTRY_VERIFY(shown(scene.find(u"guardError"_qs)) && !textOf(scene.find(u"guardError"_qs)).isEmpty());
        QCOMPARE(scene.find(u"guardSwitch"_qs)->property("checked").toBool(), false);
        QVERIFY(writeFile(scene.claude(u"settings.json"_qs), "{}"));
        scene.guardController->setEnabled(true);
        QTRY_VERIFY(!scene.guardController->busy());
        QVERIFY(writeFile(scene.claude(u"hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
        scene.guardController->refresh();
        QTRY_VERIFY(shown(scene.find(u"scriptsNotice"_qs)));
    }

    // Where the shell opens the menu on a click (GNOME), it says first what
    // the panel says first, and follows the figures.
    void theTrayMenuLeadsWithTheFigures()
    {
        PanelScene scene;
        int panelsOpened = 0;
        int quits = 0;
        TrayMenu tray(scene.model.get(), {.openPanel = [&] { ++panelsOpened; }, .openSettings = [] {}, .quit = [&] { ++quits; }});
        const auto lines = [&] {
            QStringList texts;
            for (const QAction *action : tray.menu()->actions())
                texts << (action->isSeparator() ? u"--"_qs : action->text());
            return texts;
        };
        QCOMPARE(lines(), (QStringList{u"--"_qs, u"Open Pacewise"_qs, u"Settings…"_qs, u"--"_qs, u"Quit"_qs}));

        scene.showUsage(42, 10);
        scene.addPendingResume(firstSession, u"Refactor the billing module"_qs, u"code/shop"_qs, 600);
        const QStringList shown = lines();
        QCOMPARE(shown.mid(0, 2), (QStringList{u"5 hours: 42% · until 3:20 PM"_qs, u"Week: 10% · until Wed 12:00 PM"_qs}));
        QVERIFY2(shown.at(3).startsWith(u"“Refactor the billing module”: Resets "_qs), qPrintable(shown.join(u" | "_qs)));
        QCOMPARE(shown.mid(4), (QStringList{u"--"_qs, u"Open Pacewise"_qs, u"Settings…"_qs, u"--"_qs, u"Quit"_qs}));
        tray.menu()->actions().at(0)->trigger(); // a figure
        tray.menu()->actions().at(3)->trigger(); // a session
        tray.menu()->actions().last()->trigger();
        QCOMPARE(panelsOpened, 2);
        QCOMPARE(quits, 1);
    }

    // The switches change what the daemon and pacewisectl read: the same
    // settings keys and the same autostart entry; the window follows the
    // language chosen, down to the set-up check.
    void settingsSwitchesChangeTheSharedSettings()
    {
        PanelScene scene;
        scene.buildSettings(QUrl(u"https://updates.example/appcast.xml"_qs));
        scene.settings->show();
        const auto flip = [&](const QString &name) {
            QQuickItem *toggle = scene.findInSettings(name);
            QVERIFY2(toggle, qPrintable(name));
            toggle->setProperty("checked", !toggle->property("checked").toBool());
            QMetaObject::invokeMethod(toggle, "toggled");
        };

        flip(u"kickstartSwitch"_qs);
        QCOMPARE(scene.appSettings.value(u"morningStartEnabled"_qs).toBool(), true);
        QQuickItem *hour = scene.findInSettings(u"kickstartTime"_qs)->findChild<QQuickItem *>(u"hour"_qs);
        hour->setProperty("value", 6);
        QMetaObject::invokeMethod(hour, "valueModified");
        QCOMPARE(scene.appSettings.value(u"morningStartHour"_qs).toInt(), 6);
        QTRY_COMPARE(scene.settings->model()->kickstartStatus().value(0), u"Next: Mon 6:00 AM"_qs);

        flip(u"automaticUpdatesSwitch"_qs);
        QVERIFY(!SettingsModel::automaticallyChecksForUpdates(&scene.appSettings));

        flip(u"launchAtLoginSwitch"_qs);
        QTRY_VERIFY(readFile(scene.home.filePath(u"autostart/pacewise.desktop"_qs)).contains("Exec=/usr/bin/pacewise"));

        QVERIFY(shown(scene.findInSettings(u"autoContinueNeedsEndrun"_qs))); // Endrun is off
        flip(u"autoContinueSwitch"_qs);
        QTRY_VERIFY(scene.resumes->autoContinueEnabled());
        QVERIFY(readFile(scene.claude(u"settings.json"_qs)).contains("pacewise-resume-tickets"));

        scene.locale->setLanguage(u"ru"_qs);
        QTRY_COMPARE(scene.settings->window()->view()->title(), u"Настройки"_qs);
        QCOMPARE(scene.appSettings.value(u"appLanguage"_qs).toString(), u"ru"_qs);

        // The set-up is checked as pacewisectl doctor checks it, on the
        // thread pool, in the chosen language, with the fix for what is wrong.
        QMetaObject::invokeMethod(scene.findInSettings(u"checkSetUpButton"_qs), "clicked");
        SettingsModel *model = scene.settings->model();
        QTRY_VERIFY(!model->checkingSetUp() && !model->setUpFindings().isEmpty());
        const QVariantList findings = model->setUpFindings();
        QCOMPARE(findings.size(), 11);
        const QVariantMap claude = findings.constFirst().toMap();
        QCOMPARE(claude.value(u"ok"_qs), QVariant(false));
        QVERIFY2(claude.value(u"fix"_qs).toString().startsWith(u"установите Claude Code: npm install"_qs), qPrintable(claude.value(u"fix"_qs).toString()));
        QVERIFY2(textOf(scene.findInSettings(u"setUpSummary"_qs)).startsWith(u"Нужно исправить "_qs),
                 qPrintable(textOf(scene.findInSettings(u"setUpSummary"_qs))));
    }

    void onboardingWalksFourStepsAndFinishes()
    {
        PanelScene scene;
        scene.buildSettings();
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        scene.onboarding->show();
        QCOMPARE(textOf(scene.findInOnboarding(u"stepTitle"_qs)), u"Choose your language"_qs);
        // By keyboard: Enter continues, step after step.
        QQuickWindow *window = scene.onboarding->window()->view();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (int step = 1; step < 4; ++step)
            QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(scene.onboarding->controller()->step(), 4);
        QVERIFY(shown(scene.findInOnboarding(u"backButton"_qs)));
        QMetaObject::invokeMethod(scene.findInOnboarding(u"backButton"_qs), "clicked");
        QCOMPARE(scene.onboarding->controller()->step(), 3);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(window->activeFocusItem(), scene.findInOnboarding(u"finishButton"_qs));
        QTRY_COMPARE(textOf(scene.findInOnboarding(u"stepTitle"_qs)), u"Keep your sessions running"_qs);
        QVERIFY(scene.onboarding->controller()->launchAtLoginSelected()); // a first run suggests it
        // The features can be switched on from here, where the daemon reads them.
        QMetaObject::invokeMethod(scene.findInOnboarding(u"kickstartFeature"_qs), "enable");
        QVERIFY(scene.appSettings.value(u"morningStartEnabled"_qs).toBool());
        QMetaObject::invokeMethod(scene.findInOnboarding(u"autoContinueFeature"_qs), "enable");
        QTRY_VERIFY(scene.resumes->autoContinueEnabled());
        QSignalSpy finished(scene.onboarding->controller(), &OnboardingController::finished);
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(scene.appSettings.value(u"onboardingCompleted"_qs).toBool());
        QVERIFY(QFileInfo::exists(scene.home.filePath(u"autostart/pacewise.desktop"_qs)));
        QTRY_VERIFY(!scene.onboarding->window()->isVisible());

        // Opened again to sign in: at that step, with starting at login as
        // it stands now, so that Finish keeps this time's choice.
        scene.launchAtLogin->setEnabled(false);
        QTRY_VERIFY(!scene.launchAtLogin->isUpdating());
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        scene.onboarding->show();
        QTRY_COMPARE(scene.onboarding->controller()->step(), 2);
        QVERIFY(!scene.onboarding->controller()->launchAtLoginSelected());
        QVERIFY(!scene.onboarding->controller()->canGoBack()); // the language step is not part of signing in
    }

    // How Claude Code is used is asked only where the desktop app's copy of
    // claude was found; where none was, the way to install it and to look
    // again; signing in has one control to look again.
    void onboardingOffersOnlyWhatWasFound_data()
    {
        QTest::addColumn<QString>("claude");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<bool>("choice");
        QTest::newRow("nothing") << QString() << QString() << false;
        QTest::newRow("Claude Code") << u"/usr/bin/claude"_qs << u"cli"_qs << false;
        QTest::newRow("the desktop app's") << u".config/Claude/claude-code/1.0/claude"_qs << u"desktop"_qs << true;
    }

    void onboardingOffersOnlyWhatWasFound()
    {
        QFETCH(QString, claude);
        QFETCH(QString, flow);
        QFETCH(bool, choice);
        PanelScene scene;
        scene.buildSettings();
        scene.buildOnboarding(claude.startsWith(u'.') ? scene.home.filePath(claude) : claude);
        scene.onboarding->show();
        scene.onboarding->controller()->next();
        QTRY_VERIFY(!scene.onboarding->signIn()->isDetecting());
        QCOMPARE(scene.onboarding->controller()->flow(), flow);
        QCOMPARE(shown(scene.findInOnboarding(u"flowChoice"_qs)), choice);
        if (choice) {
            // The two are radio buttons: arrow keys choose between them.
            QQuickItem *cli = scene.findInOnboarding(u"cliCard"_qs);
            cli->forceActiveFocus();
            QTest::keyClick(scene.onboarding->window()->view(), Qt::Key_Right);
            QCOMPARE(scene.onboarding->controller()->flow(), u"desktop"_qs);
            QTest::keyClick(scene.onboarding->window()->view(), Qt::Key_Left);
            QCOMPARE(scene.onboarding->controller()->flow(), u"cli"_qs);
            QVERIFY(cli->hasActiveFocus());
        }
        QCOMPARE(shown(scene.findInOnboarding(u"detectAgainButton"_qs)), claude.isEmpty());
        if (claude.isEmpty())
            QVERIFY(textOf(scene.findInOnboarding(u"detection"_qs)).contains(u"npm install -g @anthropic-ai/claude-code"_qs));
        scene.onboarding->controller()->next();
        QTRY_VERIFY(shown(scene.findInOnboarding(u"checkSignInButton"_qs)));
    }

    void aLoginItemThatCannotBeSetKeepsOnboardingOpen()
    {
        PanelScene scene;
        QVERIFY(writeFile(scene.home.filePath(u"not-a-folder"_qs), ""));
        scene.buildSettings({}, scene.home.filePath(u"not-a-folder/autostart"_qs));
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        scene.onboarding->controller()->finish();
        QTRY_VERIFY(scene.launchAtLogin->hasError());
        QVERIFY(!scene.appSettings.value(u"onboardingCompleted"_qs).toBool());
    }

    // What a screen reader, switch access or voice control does to a
    // control (at-spi's Press, and Toggle for a switch) is what a click
    // does: the same signal, so the app acts on it, and a switch flipped
    // once.
    void assistiveActionsActAsClicks()
    {
        PanelScene scene;
        scene.showUsage(42, 17, 5);
        scene.buildSettings();
        scene.window->showNear({}, {});
        const auto act = [](QQuickItem *control, const QString &action) {
            QSignalSpy clicked(control, SIGNAL(clicked()));
            QSignalSpy toggled(control, SIGNAL(toggled()));
            const bool wasChecked = control->property("checked").toBool();
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible && accessible->actionInterface());
            accessible->actionInterface()->doAction(action);
            if (control->inherits("QQuickSwitch")) {
                QCOMPARE(toggled.count(), 1);
                // Flipped once, or held while the app applies it.
                QVERIFY(control->property("checked").toBool() != wasChecked || !control->property("enabled").toBool());
            } else {
                QCOMPARE(clicked.count(), 1);
            }
        };
        // What goes wrong is said as it appears, not only shown.
        for (const QString &status : {u"issue"_qs, u"notice"_qs, u"guardError"_qs, u"caffeineUnavailable"_qs})
            QCOMPARE(QAccessible::queryAccessibleInterface(scene.find(status))->role(), QAccessible::AlertMessage);
        // Refresh asks claude even where the status line's figures would
        // spare a poll: the user wants them fresh, not merely recent.
        QVERIFY(writeFile(scene.paths.engineStateFile(), QStringLiteral(R"({"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":%1,"confirmed_at":%2}],)"
                                                                         R"("status_line_confirmed_at":%2})")
                                                              .arg(scene.now.addSecs(3600).toSecsSinceEpoch())
                                                              .arg(scene.now.toSecsSinceEpoch())
                                                              .toUtf8(),
                          scene.now));
        const int asked = scene.fetcher->calls();
        act(scene.find(u"refreshButton"_qs), QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(scene.fetcher->calls(), asked + 1);
        act(scene.find(u"caffeineSwitch"_qs), QAccessibleActionInterface::toggleAction());
        QTRY_VERIFY(scene.caffeine->isActive());
        act(scene.find(u"caffeineSwitch"_qs), QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!scene.caffeine->isActive());

        scene.settings->show();
        QList<QQuickItem *> switches;
        for (QQuickItem *item : itemsUnder(scene.settings->window()->view()->contentItem())) {
            if (item->inherits("QQuickSwitch") && item->isVisible() && item->isEnabled())
                switches << item;
        }
        QVERIFY(switches.size() >= 8);
        // A switch's caption is what a screen reader gives as its description.
        QCOMPARE(QAccessible::queryAccessibleInterface(scene.findInSettings(u"percentageSwitch"_qs))->text(QAccessible::Description),
                 u"Off shows just the icon, in the colour of the most used window."_qs);
        const bool percentage = scene.appSettings.value(u"showMenuBarPercentage"_qs, true).toBool();
        act(scene.findInSettings(u"percentageSwitch"_qs), QAccessibleActionInterface::pressAction());
        QCOMPARE(scene.appSettings.value(u"showMenuBarPercentage"_qs, true).toBool(), !percentage);
        for (QQuickItem *control : std::as_const(switches)) {
            act(control, QAccessibleActionInterface::toggleAction());
            act(control, QAccessibleActionInterface::toggleAction()); // and back
        }
        QQuickItem *aboutTab = scene.findInSettings(u"aboutTab"_qs);
        act(aboutTab, QAccessibleActionInterface::pressAction());
        QVERIFY(aboutTab->property("checked").toBool());
    }

    // Qt's own placeholder text is the window text at half opacity: as
    // drawn it does not read, and the colour made from it must.
    void translucentColoursAreJudgedAsDrawn_data()
    {
        QTest::addColumn<QColor>("translucent");
        QTest::addColumn<QColor>("background");
        QTest::newRow("light") << QColor(0, 0, 0, 128) << QColor(0xef, 0xef, 0xef);
        QTest::newRow("dark") << QColor(255, 255, 255, 110) << QColor(0x30, 0x30, 0x30);
    }

    void translucentColoursAreJudgedAsDrawn()
    {
        QFETCH(QColor, translucent);
        QFETCH(QColor, background);
        QVERIFY(ReadableColors::contrast(translucent, background) < ReadableColors::textContrast);
        const QColor readable = ReadableColors::readableOn(translucent, background, ReadableColors::textContrast);
        QCOMPARE(readable.alpha(), 255);
        QVERIFY(ReadableColors::contrast(readable, background) >= ReadableColors::textContrast);
        QVERIFY(ReadableColors::contrast(readable, background) < 6); // no further from the wanted colour than it must
    }

    // Every window (the settings' About page with the set-up checked too), in every language, in
    // dark and in the desktop's own colours (KDE's dark palette: CI runs that row under X11 with
    // Breeze Dark's colours): something has the focus as it opens, every enabled text reads
    // against the window (4.5:1), no button, choice or unwrapped text is cut (the layouts grow with
    // their texts), Tab alone reaches each stop by a name without the glyphs that decorate it, as a
    // screen reader meets it, and Escape closes it. The language's catalogue is taken whatever the
    // case of its code, and none stays once the choice is withdrawn.
    void everyWindowReadsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("colours");
        for (const char *language : {"en", "ru", "de", "es", "fr", "ja", "ko", "PT-br", "zh-Hans"})
            QTest::newRow(language) << QString::fromLatin1(language) << u"Fusion's"_qs;
        QTest::newRow("the system's") << QString() << u"Fusion's"_qs; // the language box says "System (default)"
        QTest::newRow("en, dark") << u"en"_qs << u"dark"_qs;
        QTest::newRow("en, as the desktop") << u"en"_qs << u"the desktop's"_qs;
    }

    void everyWindowReadsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, colours);
        const QPalette platform = QGuiApplication::palette();
        const auto restore = qScopeGuard([&] { QGuiApplication::setPalette(platform); });
        if (colours == u"dark")
            QGuiApplication::setPalette(DesktopColorScheme::darkPalette());
        std::optional<DesktopColorScheme> desktop;
        if (colours == u"the desktop's")
            desktop.emplace(QDBusConnection(u"no bus"_qs));
        PanelScene scene;
        scene.locale->setLanguage(language);
        scene.showUsage(85, 40, 10);
        scene.addPendingResume(QUuid::createUuid().toString(QUuid::WithoutBraces), u"Refactor"_qs, u"code/shop"_qs, 1200);
        scene.buildSettings();
        const QColor background = QGuiApplication::palette().color(QPalette::Window);
        QStringList faults;
        std::function<void(QQuickItem *, const QString &)> lookAt = [&](QQuickItem *item, const QString &where) {
            if (!item->isVisible() || item->width() <= 0)
                return;
            const QString text = item->property("text").toString();
            if (item->inherits("QQuickText") && item->isEnabled() && !text.isEmpty() &&
                ReadableColors::contrast(item->property("color").value<QColor>(), background) < ReadableColors::textContrast)
                faults << u"%1: \"%2\" does not read"_qs.arg(where, text);
            QQuickItem *label = item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox")
                                    ? item->property("contentItem").value<QQuickItem *>()
                                    : nullptr;
            if (!label && item->inherits("QQuickText") && item->property("wrapMode").toInt() == 0 && item->property("elide").toInt() == 0)
                label = item;
            if (label && label->implicitWidth() > label->width() + 1)
                faults << u"%1: \"%2\" needs %3 px, has %4"_qs.arg(where, text).arg(label->implicitWidth()).arg(label->width());
            // A switch's outline stands out from the window (3:1), on or off.
            if (item->inherits("QQuickSwitch") && item->isEnabled()) {
                const QQuickItem *track = item->property("indicator").value<QQuickItem *>();
                const QColor outline = track ? track->property("border").value<QObject *>()->property("color").value<QColor>() : QColor();
                if (ReadableColors::contrast(outline, background) < ReadableColors::graphicsContrast)
                    faults << u"%1: the switch %2 has a faint outline"_qs.arg(where, item->objectName());
            }
            // A field to copy from shows all of its text.
            if (item->inherits("QQuickTextField") && item->property("readOnly").toBool() &&
                item->property("contentWidth").toReal() > item->width() - item->property("leftPadding").toReal() -
                                                              item->property("rightPadding").toReal() + 1)
                faults << u"%1: the field \"%2\" is cut"_qs.arg(where, text);
            for (QQuickItem *child : item->childItems())
                lookAt(child, where);
        };
        for (int window = 0; window <= 6; ++window) {
            QQuickWindow *view = scene.window->view();
            if (window == 0) {
                scene.window->showNear({}, {});
            } else if (window <= 2) {
                scene.settings->show();
                view = scene.settings->window()->view();
                if (window == 2) { // About, with the set-up checked: the longest texts
                    scene.findInSettings(u"aboutTab"_qs)->setProperty("checked", true);
                    QMetaObject::invokeMethod(scene.findInSettings(u"checkSetUpButton"_qs), "clicked");
                    QTRY_VERIFY(!scene.settings->model()->setUpFindings().isEmpty());
                }
            } else {
                scene.buildOnboarding(u"/usr/bin/claude"_qs);
                for (int step = 3; step < window; ++step)
                    scene.onboarding->controller()->next();
                scene.onboarding->show();
                view = scene.onboarding->window()->view();
            }
            const QString where = window == 0 ? u"panel"_qs : window <= 2 ? u"settings %1"_qs.arg(window) : u"onboarding %1"_qs.arg(window - 2);
            QVERIFY2(QTest::qWaitForWindowActive(view), qPrintable(where));
            QTRY_VERIFY(view->activeFocusItem() && view->activeFocusItem() != view->contentItem());
            QVERIFY(QQuickTest::qWaitForPolish(view)); // the layouts settle
            // The window is drawn in the application's colours, whichever
            // way they came.
            QCOMPARE(view->contentItem()->childItems().constFirst()->property("palette").value<QObject *>()->property("window").value<QColor>(), background);
            lookAt(view->contentItem(), where);

            QList<QQuickItem *> visited;
            while (!visited.contains(view->activeFocusItem()) && visited.size() < 60) {
                QQuickItem *stop = view->activeFocusItem();
                visited << stop;
                // Offscreen no screen reader switches accessibility on, so a
                // button given no name of its own has none yet: it is then
                // named by its text, as Qt names it once a reader is on. The
                // text field inside a spin box is named by the spin box.
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(stop);
                if (!accessible && stop->inherits("QQuickTextInput"))
                    accessible = QAccessible::queryAccessibleInterface(stop->parentItem());
                QVERIFY2(accessible || stop->inherits("QQuickAbstractButton"), stop->metaObject()->className());
                QString name = accessible ? accessible->text(QAccessible::Name) : QString();
                if (name.isEmpty() && stop->inherits("QQuickAbstractButton"))
                    name = stop->property("text").toString();
                if (name.trimmed().isEmpty() || name.contains(QRegularExpression(u"[›▭✔○ⓘ⚠]|^\\? "_qs)))
                    faults << u"%1: %2 (%3) is named \"%4\""_qs.arg(where, QString::fromLatin1(stop->metaObject()->className()),
                                                                   stop->objectName(), name);
                QTest::keyClick(view, Qt::Key_Tab);
            }
            QVERIFY2(visited.size() >= 2 && visited.size() < 60, qPrintable(where));
            QTest::keyClick(view, Qt::Key_Escape);
            QTRY_VERIFY2(!view->isVisible(), qPrintable(where));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QCOMPARE(textOf(scene.find(u"quitButton"_qs)) != u"Quit"_qs, !language.isEmpty() && language != u"en"_qs);
        scene.locale->setLanguage(QString());
        QTRY_COMPARE(textOf(scene.find(u"quitButton"_qs)), u"Quit"_qs);
    }

};

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
