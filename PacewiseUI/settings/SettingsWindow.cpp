#include "SettingsWindow.h"

#include "app/AppState.h"
#include "app/GuardController.h"
#include "app/LaunchAtLoginController.h"
#include "app/KickstartController.h"
#include "app/ResumeController.h"
#include "updates/UpdaterController.h"

namespace pacewise {

SettingsWindow::SettingsWindow(Objects objects, QObject *parent)
    : QObject(parent)
    , m_launchAtLogin(objects.launchAtLogin)
    , m_model(std::make_unique<SettingsModel>(SettingsModel::Objects{objects.state, objects.resumes, objects.guardController,
                                                                      objects.kickstart, objects.updater, objects.appSettings,
                                                                      objects.setUpInputs}))
    , m_window(std::make_unique<QmlWindow>(
          QUrl(QStringLiteral("qrc:/qml/Settings.qml")), QmlWindow::Title{"settings.title", "Settings"}, objects.locale,
          QList<std::pair<QString, QObject *>>{{QStringLiteral("appState"), objects.state},
                                               {QStringLiteral("resumes"), objects.resumes},
                                               {QStringLiteral("guardController"), objects.guardController},
                                               {QStringLiteral("kickstart"), objects.kickstart},
                                               {QStringLiteral("launchAtLogin"), objects.launchAtLogin},
                                               {QStringLiteral("updater"), objects.updater},
                                               {QStringLiteral("settingsModel"), m_model.get()}}))
{
}

SettingsWindow::~SettingsWindow()
{
    m_window.reset();
}

void SettingsWindow::show()
{
    m_launchAtLogin->refresh();
    m_window->show();
}

} // namespace pacewise
