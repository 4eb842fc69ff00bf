#include "PanelWindow.h"

#include "PanelModel.h"
#include "app/CaffeineController.h"
#include "app/GuardController.h"
#include "i18n/LocaleManager.h"
#include "theme/DesktopColorScheme.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlContext>
#include <QQuickView>
#include <QScreen>

namespace pacewise {

PanelWindow::PanelWindow(Objects objects, QObject *parent)
    : QObject(parent)
    , m_view(std::make_unique<QQuickView>())
    , m_openSettings(std::move(objects.openSettings))
    , m_openOnboarding(std::move(objects.openOnboarding))
{
    m_view->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_view->setResizeMode(QQuickView::SizeViewToRootObject);
    m_view->setTitle(QStringLiteral("Pacewise"));
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("panelModel"), objects.model);
    context->setContextProperty(QStringLiteral("guardController"), objects.guardController);
    context->setContextProperty(QStringLiteral("caffeine"), objects.caffeine);
    context->setContextProperty(QStringLiteral("strings"), objects.locale);
    context->setContextProperty(QStringLiteral("panel"), this);
    DesktopColorScheme::loadThemed(m_view.get(), QUrl(QStringLiteral("qrc:/qml/Panel.qml")));
    // A click anywhere else closes it, as a tray's menu would.
    connect(m_view.get(), &QWindow::activeChanged, this, [this] {
        if (!m_view->isActive())
            hide();
    });
}

PanelWindow::~PanelWindow() = default;

bool PanelWindow::isVisible() const
{
    return m_view->isVisible();
}

QPoint PanelWindow::placement(const QSize &panel, const QRect &screen, const QRect &trayIcon, const QPoint &pointer)
{
    // In edges, not QRect's inclusive right() and bottom().
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    const int screenMiddle = screen.y() + screen.height() / 2;
    QPoint at;
    if (trayIcon.isValid()) {
        // Below an icon in a top panel, above one in a bottom panel.
        const int iconMiddle = trayIcon.y() + trayIcon.height() / 2;
        at = QPoint(trayIcon.x() + trayIcon.width() / 2 - panel.width() / 2,
                    iconMiddle < screenMiddle ? trayIcon.y() + trayIcon.height() + 4 : trayIcon.y() - panel.height() - 4);
    } else if (screen.contains(pointer) && pointer != QPoint()) {
        at = QPoint(pointer.x() - panel.width() / 2,
                    pointer.y() < screenMiddle ? pointer.y() + 8 : pointer.y() - panel.height() - 8);
    } else {
        at = QPoint(screenRight - panel.width() - 8, screen.y() + 8);
    }
    at.setX(std::clamp(at.x(), screen.x(), std::max(screen.x(), screenRight - panel.width())));
    at.setY(std::clamp(at.y(), screen.y(), std::max(screen.y(), screenBottom - panel.height())));
    return at;
}

void PanelWindow::showNear(const QRect &trayIcon, const QPoint &pointer)
{
    QScreen *screen = trayIcon.isValid() ? QGuiApplication::screenAt(trayIcon.center()) : QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        m_view->setPosition(placement(m_view->size(), screen->availableGeometry(), trayIcon, pointer));
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

void PanelWindow::toggleNear(const QRect &trayIcon, const QPoint &pointer)
{
    if (isVisible())
        hide();
    else
        showNear(trayIcon, pointer);
}

void PanelWindow::openSettings()
{
    hide();
    if (m_openSettings)
        m_openSettings();
}

void PanelWindow::openOnboarding()
{
    hide();
    if (m_openOnboarding)
        m_openOnboarding();
}

bool PanelWindow::hasThemeIcon(const QString &name) const
{
    return QIcon::hasThemeIcon(name);
}

void PanelWindow::hide()
{
    m_view->hide();
}

void PanelWindow::quit()
{
    QCoreApplication::quit();
}

} // namespace pacewise
