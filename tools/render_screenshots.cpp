// Renders the tray icon in every state (and, later, the windows) to PNG
// files for the README and for looking at: `make screenshots`.
#include "support/PanelScene.h"
#include "theme/DesktopColorScheme.h"
#include "tray/TrayIconRenderer.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

using namespace pacewise;

namespace {

// Every icon state at the usual tray sizes, on a light and a dark panel.
QImage trayIconSheet()
{
    const QList<std::pair<TrayUsage::Severity, QString>> states{
        {TrayUsage::Severity::noData, QString()},           {TrayUsage::Severity::normal, QString()},
        {TrayUsage::Severity::warning, QString()},          {TrayUsage::Severity::critical, QString()},
        {TrayUsage::Severity::noData, QStringLiteral("—%")}, {TrayUsage::Severity::normal, QStringLiteral("42%")},
        {TrayUsage::Severity::warning, QStringLiteral("85%")}, {TrayUsage::Severity::critical, QStringLiteral("100%")},
    };
    const QList<int> sizes{16, 22, 24, 32, 64};
    const int cell = 72;
    QImage sheet(cell * int(states.size()), cell * int(sizes.size()) * 2, QImage::Format_ARGB32);
    QPainter painter(&sheet);
    for (int panel = 0; panel < 2; ++panel) {
        const QColor background = panel == 0 ? QColor(0xEE, 0xEE, 0xEE) : QColor(0x2B, 0x2B, 0x2B);
        painter.fillRect(0, panel * cell * int(sizes.size()), sheet.width(), cell * int(sizes.size()), background);
        for (qsizetype row = 0; row < sizes.size(); ++row) {
            for (qsizetype column = 0; column < states.size(); ++column) {
                const auto &[severity, title] = states.at(column);
                const QImage icon = TrayIconRenderer::render(severity, title, sizes.at(row));
                const int y = (panel * int(sizes.size()) + int(row)) * cell;
                painter.drawImage(int(column) * cell + (cell - icon.width()) / 2, y + (cell - icon.height()) / 2, icon);
            }
        }
    }
    return sheet;
}

using Scene = test::PanelScene;

// The panel in the states worth seeing.
QList<std::pair<QString, std::function<void(Scene &)>>> panelStates()
{
    const QString session = QStringLiteral("0f76730a-752b-4aa3-865c-aec0624eaedb");
    return {
        {QStringLiteral("panel-normal"), [](Scene &scene) { scene.showUsage(42, 17, 5); }},
        {QStringLiteral("panel-waiting"), [](Scene &) {}},
        {QStringLiteral("panel-sign-in"), [](Scene &scene) { scene.failWith(UsageCLIError::Kind::commandFailed); }},
        {QStringLiteral("panel-paused"),
         [session](Scene &scene) {
             scene.showUsage(99, 64, 71);
             scene.addPendingResume(session, QStringLiteral("Refactor the billing module and add tests for refunds"),
                                    QStringLiteral("code/shop"), 1200);
         }},
        {QStringLiteral("panel-dark"),
         [session](Scene &scene) {
             QGuiApplication::setPalette(DesktopColorScheme::darkPalette());
             scene.showUsage(86, 40, 99);
             scene.addPendingResume(session, QStringLiteral("Refactor the billing module and add tests for refunds"),
                                    QStringLiteral("code/shop"), 1200);
         }},
        {QStringLiteral("panel-russian"),
         [session](Scene &scene) {
             scene.locale->setLanguage(QStringLiteral("ru"));
             scene.showUsage(85, 40);
             scene.addPendingResume(session, QStringLiteral("Перепиши модуль оплаты"), QStringLiteral("code/shop"), 1200);
         }},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QDir folder(application.arguments().value(1, QStringLiteral("screenshots")));
    QDir().mkpath(folder.path());
    bool saved = trayIconSheet().save(folder.filePath(QStringLiteral("tray-icons.png")));
    const QPalette platformPalette = QGuiApplication::palette();
    for (const auto &[name, setUp] : panelStates()) {
        Scene scene;
        setUp(scene);
        saved = scene.grab().save(folder.filePath(name + QStringLiteral(".png"))) && saved;
        QGuiApplication::setPalette(platformPalette);
    }
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ja"), QStringLiteral("ru")}) {
        Scene scene;
        scene.locale->setLanguage(language);
        scene.buildSettings();
        scene.kickstart->setEnabled(true);
        scene.settings->show();
        QTest::qWait(400); // the switches' animations
        saved = scene.settings->window()->view()->grabWindow().save(folder.filePath(QStringLiteral("settings-%1.png").arg(language))) && saved;
    }
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ja"), QStringLiteral("ru")}) {
        for (const int step : {2, 3}) {
            Scene scene;
            scene.locale->setLanguage(language);
            scene.buildSettings();
            scene.buildOnboarding(QStringLiteral("/usr/bin/claude"));
            if (step == 3)
                scene.onboarding->controller()->setFlow(QStringLiteral("desktop"));
            for (int next = 1; next < step; ++next)
                scene.onboarding->controller()->next();
            scene.onboarding->show();
            QTest::qWait(400);
            saved = scene.onboarding->window()->view()->grabWindow().save(
                        folder.filePath(QStringLiteral("onboarding-%1-step%2.png").arg(language).arg(step))) && saved;
        }
    }
    return saved ? 0 : 1;
}
