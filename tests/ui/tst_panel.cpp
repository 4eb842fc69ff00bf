#include "support/SkipUnlessCI.h"
#include "support/MockDesktopBus.h"
#include "support/PanelScene.h"
#include "theme/DesktopColorScheme.h"
#include "theme/ReadableColors.h"

#include <QQuickItem>
#include <QAccessible>
#include <QUuid>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

Q_DECLARE_METATYPE(pacewise::UsageCLIError)

namespace {

const QString firstSession = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;

QString textOf(QQuickItem *item)
{
    return item ? item->property("text").toString() : u"<missing>"_qs;
}

bool shown(QQuickItem *item)
{
    return item && item->isVisible();
}

// Items a Repeater made are the layout's visual children, not its QObject
// children, so they are looked for along the visual tree.
// The visible items of that name, in the order they are drawn.
QList<QQuickItem *> visibleItems(QQuickItem *root, const QString &objectName)
{
    QList<QQuickItem *> found;
    if (root->objectName() == objectName && root->isVisible())
        found << root;
    for (QQuickItem *child : root->childItems())
        found << visibleItems(child, objectName);
    return found;
}

int countItems(QQuickItem *root, const QString &objectName)
{
    return int(visibleItems(root, objectName).size());
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

    // What the row shows, and the one sentence a screen reader gets for
    // it: the severity is told in words, not by the colour alone.
    void limitRowsCarryTheirFiguresAndTints_data()
    {
        QTest::addColumn<double>("fiveHour");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("tint");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("normal") << 42.4 << 42.4 << u"accent"_qs << u"42% · until 3:20 PM"_qs << u"5 hours, 42% used, resets 3:20 PM"_qs;
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
        scene.build();
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
        QTRY_COMPARE(countItems(scene.window->view()->rootObject(), u"limitRow"_qs), 3);
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(visibleItems(scene.window->view()->rootObject(), u"limitRow"_qs).constFirst());
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), spoken);
        QVERIFY(accessible->state().focusable);
        QCOMPARE(accessible->childCount(), 0);
    }

    void freshnessCountsSecondsThenMinutes_data()
    {
        QTest::addColumn<int>("secondsAgo");
        QTest::addColumn<QString>("text");
        QTest::newRow("59 s") << 59 << u"updated 59s ago"_qs;
        QTest::newRow("60 s") << 60 << u"updated 1m ago"_qs;
        QTest::newRow("in the future") << -30 << u"updated 0s ago"_qs;
    }

    void freshnessCountsSecondsThenMinutes()
    {
        QFETCH(int, secondsAgo);
        QFETCH(QString, text);
        const QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
        QCOMPARE(PanelModel::freshnessText(now.addSecs(-secondsAgo), false, now), text);
        QCOMPARE(PanelModel::freshnessText(std::nullopt, true, now), u"waiting for first update…"_qs);
        QCOMPARE(PanelModel::freshnessText(now, true, now), u"stale"_qs);
    }

    void sectionsFollowTheState()
    {
        PanelScene scene;
        scene.build();
        scene.window->view()->show();
        // Nothing yet: no rows, the waiting line, no issue, no resumes.
        QCOMPARE(scene.model->limits().size(), 0);
        QCOMPARE(textOf(scene.find(u"freshness"_qs)), u"waiting for first update…"_qs);
        QVERIFY(!shown(scene.find(u"issue"_qs)));
        QCOMPARE(countItems(scene.window->view()->rootObject(), u"resumeRow"_qs), 0);
        QVERIFY(!shown(scene.find(u"scriptsNotice"_qs)));

        scene.failWith(UsageCLIError::Kind::commandFailed);
        QTRY_VERIFY(shown(scene.find(u"issue"_qs)));
        QCOMPARE(textOf(scene.find(u"issue"_qs)), u"Sign in required"_qs);
        QVERIFY(!shown(scene.find(u"signInButton"_qs))); // onboarding comes with the sign-in work

        scene.showUsage(42, 10);
        QTRY_VERIFY(!shown(scene.find(u"issue"_qs)));
        QTRY_COMPARE(countItems(scene.window->view()->rootObject(), u"limitRow"_qs), 2);
        QCOMPARE(textOf(scene.find(u"freshness"_qs)), u"updated 0s ago"_qs);

        scene.addPendingResume(firstSession, u"Refactor the billing module"_qs, u"code/shop"_qs, 600);
        QTRY_COMPARE(countItems(scene.window->view()->rootObject(), u"resumeRow"_qs), 1);
        const QVariantMap resume = scene.model->pendingResumes().constFirst().toMap();
        QCOMPARE(resume.value(u"title"_qs).toString(), u"Refactor the billing module"_qs);
        QVERIFY2(resume.value(u"status"_qs).toString().startsWith(u"Resets "_qs), qPrintable(resume.value(u"status"_qs).toString()));

        // Edited engine scripts: the notice offers to update them.
        QVERIFY(QCoro::waitFor([&]() -> QCoro::Task<bool> { scene.guardController->setEnabled(true); co_return true; }()));
        QTRY_VERIFY(!scene.guardController->busy());
        QVERIFY(writeFile(scene.claude(u"hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
        scene.guardController->refresh();
        QTRY_VERIFY(shown(scene.find(u"scriptsNotice"_qs)));
    }

    void eachFetchIssueIsToldInItsWords_data()
    {
        QTest::addColumn<UsageCLIError>("error");
        QTest::addColumn<QString>("text");
        using Kind = UsageCLIError::Kind;
        QTest::newRow("timed out: offline")
            << UsageCLIError{.kind = Kind::processFailed, .runnerError = ScriptRunnerError{.kind = ScriptRunnerError::Kind::timedOut}}
            << u"Offline, retrying…"_qs;
        QTest::newRow("garbage: unexpected") << UsageCLIError{.kind = Kind::invalidJSON} << u"Unexpected response, retrying…"_qs;
    }

    void eachFetchIssueIsToldInItsWords()
    {
        QFETCH(UsageCLIError, error);
        QFETCH(QString, text);
        PanelScene scene;
        scene.build();
        scene.window->view()->show();
        scene.failWith(error);
        QTRY_VERIFY(shown(scene.find(u"issue"_qs)));
        QCOMPARE(textOf(scene.find(u"issue"_qs)), text);
        QVERIFY(!shown(scene.find(u"guardError"_qs)));
    }

    void aGuardErrorIsShownUnderItsSwitch()
    {
        PanelScene scene;
        scene.build();
        scene.window->view()->show();
        QVERIFY(writeFile(scene.claude(u"settings.json"_qs), "{\"model\": "));
        scene.guardController->setEnabled(true);
        QTRY_VERIFY(shown(scene.find(u"guardError"_qs)));
        QVERIFY(!textOf(scene.find(u"guardError"_qs)).isEmpty());
        QCOMPARE(scene.find(u"guardSwitch"_qs)->property("checked").toBool(), false);
    }

    void throttlingIsShownOnlyWithoutFigures()
    {
        PanelScene scene;
        scene.build();
        // Withheld figures are told once they keep being withheld.
        for (int fetch = 0; fetch <= 10; ++fetch)
            scene.failWith(UsageCLIError::Kind::throttled);
        QCOMPARE(scene.model->issueText(), u"Usage data withheld by server"_qs);
        scene.showUsage(42, 10);
        for (int fetch = 0; fetch <= 10; ++fetch)
            scene.failWith(UsageCLIError::Kind::throttled);
        QCOMPARE(scene.model->issueText(), QString());
    }

    void caffeineSaysWhenItIsUnavailable()
    {
        PanelScene scene;
        scene.power->refusal = u"no systemd-logind"_qs;
        scene.build();
        scene.window->view()->show();
        QQuickItem *toggle = scene.find(u"caffeineSwitch"_qs);
        QVERIFY(toggle);
        toggle->setProperty("checked", true);
        QMetaObject::invokeMethod(toggle, "toggled");
        QTRY_VERIFY(shown(scene.find(u"caffeineUnavailable"_qs)));
        QCOMPARE(textOf(scene.find(u"caffeineUnavailable"_qs)), u"no systemd-logind"_qs);
        QTRY_COMPARE(toggle->property("checked").toBool(), false); // the switch follows the truth
    }

    void longAndForeignTitlesKeepThePanelsWidth_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("500 characters") << QString(500, u'x');
        QTest::newRow("right to left") << u"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd, \u05ea\u05e7\u05df \u05d0\u05ea \u05d4\u05d1\u05d3\u05d9\u05e7\u05d5\u05ea"_qs;
        QTest::newRow("CJK") << QString(80, QChar(0x6F22));
    }

    void longAndForeignTitlesKeepThePanelsWidth()
    {
        QFETCH(QString, title);
        PanelScene scene;
        scene.build();
        scene.addPendingResume(firstSession, title, u"code/"_qs + QString(200, u'y'), 600);
        scene.showUsage(42, 10, 5);
        const QImage image = scene.grab();
        QCOMPARE(image.width(), 340);
        QVERIFY(image.height() < 1000);
    }

    void thePanelGoesNextToTheIconAndStaysOnTheScreen_data()
    {
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        const QPoint nowhere;
        QTest::newRow("below an icon in a top panel") << QRect(1000, 0, 24, 24) << nowhere << QPoint(842, 28);
        QTest::newRow("above an icon in a bottom panel") << QRect(1000, 776, 24, 24) << nowhere << QPoint(842, 272);
        QTest::newRow("an icon in the corner: pushed onto the screen") << QRect(1270, 0, 10, 24) << nowhere << QPoint(940, 28);
        QTest::newRow("no icon place: at the pointer") << QRect() << QPoint(600, 10) << QPoint(430, 18);
        QTest::newRow("nothing known: the top right corner") << QRect() << nowhere << QPoint(932, 8);
    }

    void thePanelGoesNextToTheIconAndStaysOnTheScreen()
    {
        QFETCH(QRect, icon);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        QCOMPARE(PanelWindow::placement(QSize(340, 500), QRect(0, 0, 1280, 800), icon, pointer), expected);
    }

    // The switches change what the daemon and pacewisectl read: the same
    // settings keys and the same autostart entry.
    void settingsSwitchesChangeTheSharedSettings()
    {
        PanelScene scene;
        scene.build();
        scene.buildSettings();
        scene.settings->show();
        const auto flip = [&](const QString &name) {
            QQuickItem *toggle = scene.findInSettings(name);
            QVERIFY2(toggle, qPrintable(name));
            toggle->setProperty("checked", !toggle->property("checked").toBool());
            QMetaObject::invokeMethod(toggle, "toggled");
        };

        flip(u"percentageSwitch"_qs);
        QCOMPARE(scene.defaults.value(u"showMenuBarPercentage"_qs).toBool(), false);

        flip(u"morningSwitch"_qs);
        QCOMPARE(scene.defaults.value(u"morningStartEnabled"_qs).toBool(), true);
        QQuickItem *hour = scene.findInSettings(u"morningTime"_qs)->findChild<QQuickItem *>(u"hour"_qs);
        hour->setProperty("value", 6);
        QMetaObject::invokeMethod(hour, "valueModified");
        QCOMPARE(scene.defaults.value(u"morningStartHour"_qs).toInt(), 6);
        QTRY_COMPARE(scene.settings->model()->morningStatus().value(0), u"Next: Mon 6:00 AM"_qs);

        flip(u"launchAtLoginSwitch"_qs);
        QVERIFY(readFile(scene.home.filePath(u"autostart/pacewise.desktop"_qs)).contains("Exec=/usr/bin/pacewise"));

        QVERIFY(shown(scene.findInSettings(u"autoContinueNeedsEndrun"_qs))); // Endrun is off
        flip(u"autoContinueSwitch"_qs);
        QTRY_VERIFY(scene.resumes->autoContinueEnabled());
        QVERIFY(readFile(scene.claude(u"settings.json"_qs)).contains("pacewise-resume-tickets"));

        scene.locale->setLanguage(u"ru"_qs);
        QTRY_COMPARE(scene.settings->window()->view()->title(), u"Настройки"_qs);
        QCOMPARE(scene.defaults.value(u"appLanguage"_qs).toString(), u"ru"_qs);
    }

    void automaticUpdateChecksCanBeSwitchedOffWhereAFeedIsConfigured()
    {
        PanelScene scene;
        scene.build();
        scene.buildSettings(QUrl(u"https://updates.example/appcast.xml"_qs));
        scene.settings->show();
        QQuickItem *toggle = scene.findInSettings(u"automaticUpdatesSwitch"_qs);
        QVERIFY(shown(toggle));
        QCOMPARE(toggle->property("checked").toBool(), true); // on at first
        toggle->setProperty("checked", false);
        QMetaObject::invokeMethod(toggle, "toggled");
        QCOMPARE(scene.defaults.value(u"automaticallyChecksForUpdates"_qs).toBool(), false);
        QVERIFY(!SettingsModel::automaticallyChecksForUpdates(&scene.defaults));
    }

    void onboardingPrefersTheStoredFlowToTheDetectedOne_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("claudeAt");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("detection");
        QTest::newRow("claude on PATH: the terminal") << QString() << u"/usr/bin/claude"_qs << u"cli"_qs
                                                     << u"Standalone claude found in PATH — CLI suggested."_qs;
        QTest::newRow("the desktop app's copy") << QString() << u".config/Claude/claude-code/1.0/claude"_qs << u"desktop"_qs
                                                << u"Claude Desktop's bundled CLI found — Desktop suggested."_qs;
        QTest::newRow("a stored choice wins") << u"desktop"_qs << u"/usr/bin/claude"_qs << u"desktop"_qs
                                              << u"Standalone claude found in PATH — CLI suggested."_qs;
        QTest::newRow("nothing found") << QString() << QString() << QString()
                                       << u"Claude Code wasn't detected yet; choose how you plan to use it."_qs;
    }

    void onboardingPrefersTheStoredFlowToTheDetectedOne()
    {
        QFETCH(QString, stored);
        QFETCH(QString, claudeAt);
        QFETCH(QString, flow);
        QFETCH(QString, detection);
        PanelScene scene;
        scene.build();
        scene.buildSettings();
        if (!stored.isEmpty())
            scene.defaults.setValue(u"userFlow"_qs, stored);
        scene.buildOnboarding(claudeAt.isEmpty() || claudeAt.startsWith(u'/') ? claudeAt : scene.home.filePath(claudeAt));
        scene.onboarding->show();
        QTRY_VERIFY(!scene.onboarding->signIn()->isDetecting());
        QTRY_COMPARE(scene.onboarding->controller()->flow(), flow);
        QCOMPARE(textOf(scene.findInOnboarding(u"detection"_qs)), detection);
        scene.onboarding->controller()->next(); // to step 2, where this is told
        QTRY_COMPARE(shown(scene.findInOnboarding(u"installHint"_qs)), claudeAt.isEmpty()); // and how to install it
    }

    void onboardingWalksFourStepsAndFinishes()
    {
        PanelScene scene;
        scene.build();
        scene.buildSettings();
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        scene.onboarding->show();
        QCOMPARE(textOf(scene.findInOnboarding(u"stepTitle"_qs)), u"Choose your language"_qs);
        scene.locale->setLanguage(u"ru"_qs); // the following steps follow at once
        QTRY_COMPARE(textOf(scene.findInOnboarding(u"stepTitle"_qs)), u"Выберите язык"_qs);
        scene.locale->setLanguage(QString());
        // By keyboard: Enter continues, step after step.
        QQuickWindow *window = scene.onboarding->window()->view();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (int step = 1; step < 4; ++step)
            QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(scene.onboarding->controller()->step(), 4);
        QCOMPARE(window->activeFocusItem(), scene.findInOnboarding(u"finishButton"_qs));
        QTRY_COMPARE(textOf(scene.findInOnboarding(u"stepTitle"_qs)), u"Keep your sessions running"_qs);
        QVERIFY(scene.onboarding->controller()->launchAtLoginSelected()); // a first run suggests it
        // The features can be switched on from here, where the daemon reads them.
        QMetaObject::invokeMethod(scene.findInOnboarding(u"morningFeature"_qs), "enable");
        QVERIFY(scene.defaults.value(u"morningStartEnabled"_qs).toBool());
        QMetaObject::invokeMethod(scene.findInOnboarding(u"autoContinueFeature"_qs), "enable");
        QTRY_VERIFY(scene.resumes->autoContinueEnabled());
        QSignalSpy finished(scene.onboarding->controller(), &OnboardingController::finished);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QVERIFY(scene.defaults.value(u"onboardingCompleted"_qs).toBool());
        QVERIFY(QFileInfo::exists(scene.home.filePath(u"autostart/pacewise.desktop"_qs)));
        QTRY_VERIFY(!scene.onboarding->window()->isVisible());

        // Opened again to sign in: at that step, with starting at login as
        // it stands now, so that Finish keeps this time's choice.
        QVERIFY(scene.launchAtLogin->setEnabled(false));
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        scene.onboarding->show();
        QTRY_COMPARE(scene.onboarding->controller()->step(), 2);
        QVERIFY(!scene.onboarding->controller()->launchAtLoginSelected());
    }

    void closingOnboardingMidSignInEndsIt()
    {
        PanelScene scene;
        const QString scenario = scene.home.filePath(u"scenario"_qs);
        qputenv("FAKE_CLAUDE_SCENARIO", QFile::encodeName(scenario));
        QVERIFY(writeFile(scenario + u"/auth-login.stdout"_qs, "visit https://claude.ai/oauth/authorize?x=1\nPaste code here if prompted > "));
        QVERIFY(writeFile(scenario + u"/auth-login.code"_qs, "the-code"));
        scene.build();
        scene.buildSettings();
        scene.buildOnboarding(QStringLiteral(FAKE_CLAUDE_DIR "/claude"));
        scene.onboarding->show();
        SignInCoordinator *signIn = scene.onboarding->signIn();
        signIn->signInWithBrowser();
        QTRY_VERIFY(signIn->awaitingCode());
        QTRY_COMPARE(textOf(scene.findInOnboarding(u"signInLink"_qs)), u"https://claude.ai/oauth/authorize?x=1"_qs);
        scene.onboarding->window()->close();
        QTRY_VERIFY(!signIn->isSigningIn());
        QCOMPARE(signIn->outcome(), SignInCoordinator::Outcome::none);
        qunsetenv("FAKE_CLAUDE_SCENARIO");
    }

    void aLoginItemThatCannotBeSetKeepsOnboardingOpen()
    {
        PanelScene scene;
        scene.build();
        QVERIFY(writeFile(scene.home.filePath(u"not-a-folder"_qs), ""));
        scene.buildSettings({}, scene.home.filePath(u"not-a-folder/autostart"_qs));
        scene.buildOnboarding(u"/usr/bin/claude"_qs);
        QVERIFY(!scene.onboarding->controller()->finish());
        QVERIFY(!scene.defaults.value(u"onboardingCompleted"_qs).toBool());
        QVERIFY(scene.launchAtLogin->hasError());
    }

    // Every window, in every language and in dark: something has the focus
    // as it opens, every enabled text reads against the window (4.5:1), no
    // button, choice or unwrapped text is cut (the layouts grow with their
    // texts), Tab alone reaches each stop by a name without the glyphs that
    // decorate it, as a screen reader meets it, and Escape closes it. The
    // language's catalogue is taken whatever the case of its code, and none
    // stays once the choice is withdrawn.
    void everyWindowReadsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dark");
        for (const char *language : {"en", "ru", "de", "es", "fr", "ja", "ko", "PT-br", "zh-Hans"})
            QTest::newRow(language) << QString::fromLatin1(language) << false;
        QTest::newRow("en, dark") << u"en"_qs << true;
    }

    void everyWindowReadsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, dark);
        const QPalette platform = QGuiApplication::palette();
        const auto restore = qScopeGuard([&] { QGuiApplication::setPalette(platform); });
        if (dark)
            QGuiApplication::setPalette(DesktopColorScheme::darkPalette());
        PanelScene scene;
        scene.build();
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
            for (QQuickItem *child : item->childItems())
                lookAt(child, where);
        };
        for (int window = 0; window <= 5; ++window) {
            QQuickWindow *view = scene.window->view();
            if (window == 0) {
                scene.window->showNear({}, {});
            } else if (window == 1) {
                scene.settings->show();
                view = scene.settings->window()->view();
            } else {
                scene.buildOnboarding(u"/usr/bin/claude"_qs);
                for (int step = 2; step < window; ++step)
                    scene.onboarding->controller()->next();
                scene.onboarding->show();
                view = scene.onboarding->window()->view();
            }
            const QString where = window < 2 ? QString::fromLatin1(window ? "settings" : "panel") : u"onboarding %1"_qs.arg(window - 1);
            QVERIFY2(QTest::qWaitForWindowActive(view), qPrintable(where));
            QTRY_VERIFY(view->activeFocusItem() && view->activeFocusItem() != view->contentItem());
            QTest::qWait(50); // the layouts settle
            lookAt(view->contentItem(), where);

            QList<QQuickItem *> visited;
            while (!visited.contains(view->activeFocusItem()) && visited.size() < 60) {
                QQuickItem *stop = view->activeFocusItem();
                visited << stop;
                // Offscreen no screen reader switches accessibility on, so a
                // control given no name of its own has no accessible object:
                // a button is then named by its text, as Qt names it, and the
                // text field inside a spin box by the spin box.
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(stop);
                if (!accessible && stop->inherits("QQuickTextInput"))
                    accessible = QAccessible::queryAccessibleInterface(stop->parentItem());
                QVERIFY2(accessible || stop->inherits("QQuickAbstractButton"), stop->metaObject()->className());
                const QString name = accessible ? accessible->text(QAccessible::Name) : stop->property("text").toString();
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
        QCOMPARE(textOf(scene.find(u"quitButton"_qs)) != u"Quit"_qs, language != u"en"_qs);
        scene.locale->setLanguage(QString());
        QTRY_COMPARE(textOf(scene.find(u"quitButton"_qs)), u"Quit"_qs);
    }

    // Many sessions waiting: the panel stops at the screen's height and
    // scrolls, and the keyboard brings Quit into view.
    void aLongPanelScrollsInsteadOfLeavingTheScreen()
    {
        PanelScene scene;
        scene.build();
        scene.showUsage(99, 64, 71);
        for (int session = 0; session < 12; ++session)
            scene.addPendingResume(QUuid::createUuid().toString(QUuid::WithoutBraces), u"Session %1"_qs.arg(session), u"code/shop"_qs, 1200);
        scene.window->showNear({}, {});
        QQuickView *view = scene.window->view();
        QVERIFY(QTest::qWaitForWindowActive(view));
        QTRY_COMPARE(countItems(view->rootObject(), u"resumeRow"_qs), 12);
        QVERIFY(view->height() <= view->screen()->availableGeometry().height());
        QQuickItem *quit = scene.find(u"quitButton"_qs);
        QVERIFY(quit->mapToScene({0, quit->height()}).y() > view->height());
        quit->forceActiveFocus(Qt::TabFocusReason);
        QTRY_VERIFY(quit->mapToScene({0, quit->height()}).y() <= view->height());
    }

    // Text at 4.5:1 and bars at 3:1 against the window, whatever the
    // palette: Fusion's light one, our dark one, a user's own.
    void theAddedColoursReadOnEveryPalette_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("Fusion light") << QPalette(QColor(0xef, 0xef, 0xef));
        QTest::newRow("dark") << DesktopColorScheme::darkPalette();
        QTest::newRow("mid grey") << QPalette(QColor(Qt::black), QColor(0x80, 0x80, 0x80));
    }

    void theAddedColoursReadOnEveryPalette()
    {
        QFETCH(QPalette, palette);
        const QColor window = palette.color(QPalette::Window);
        const std::pair<const char *, QColor> texts[] = {{"warning", ReadableColors::warning(palette)},
                                                         {"critical", ReadableColors::critical(palette)},
                                                         {"success", ReadableColors::success(palette)},
                                                         {"secondary", ReadableColors::secondaryText(palette)}};
        for (const auto &[name, color] : texts)
            QVERIFY2(ReadableColors::contrast(color, window) >= ReadableColors::textContrast, name);
        QVERIFY(ReadableColors::contrast(ReadableColors::track(palette), window) >= ReadableColors::graphicsContrast);
        QVERIFY(ReadableColors::contrast(ReadableColors::accent(palette), window) >= ReadableColors::graphicsContrast);
        // Only the lightness moves: orange stays orange, red stays red.
        QVERIFY(std::abs(ReadableColors::warning(palette).hslHue() - 29) <= 2);
        QVERIFY(std::abs(ReadableColors::critical(palette).hslHue() - 0) <= 2);
    }

    // The desktop portal's colour scheme, read at start and followed.
    void thePanelFollowsTheDesktopsColourScheme()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        MockDesktopBus bus;
        QVERIFY(bus.start());
        QVERIFY(bus.startColorSchemePortal(1));
        const QPalette platform = QGuiApplication::palette();
        const auto restore = qScopeGuard([&] { QGuiApplication::setPalette(platform); });
        PanelScene scene;
        scene.build();
        scene.showUsage(42, 10);
        QVERIFY(scene.grab().pixelColor(2, 2).lightnessF() > 0.5);

        DesktopColorScheme scheme(bus.connection());
        QTRY_VERIFY(scene.grab().pixelColor(2, 2).lightnessF() < 0.5);
        // The added colours follow too: a caption stays readable.
        const QColor caption = scene.find(u"freshness"_qs)->property("color").value<QColor>();
        QVERIFY(ReadableColors::contrast(caption, QGuiApplication::palette().color(QPalette::Window)) >= ReadableColors::textContrast);
        QVERIFY(bus.changeColorScheme(0));
        QTRY_VERIFY(scene.grab().pixelColor(2, 2).lightnessF() > 0.5);
    }

    void theScaleDoublesThePicture()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") != u"2")
            QSKIP("run with QT_SCALE_FACTOR=2 (ctest does, as tst_panel_hidpi)");
        PanelScene scene;
        scene.build();
        scene.showUsage(42, 10);
        QCOMPARE(scene.grab().width(), 680);
    }
};

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
