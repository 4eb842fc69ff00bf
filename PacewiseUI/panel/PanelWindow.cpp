#include "PanelWindow.h"

#include "PanelModel.h"
#include "app/CaffeineController.h"
#include "app/GuardController.h"
#include "i18n/LocaleManager.h"

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
    m_view->setSource(QUrl(QStringLiteral("qrc:/qml/Panel.qml")));
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
    QPoint at;
    if (trayIcon.isValid()) {
        // Below an icon in a top panel, above one in a bottom panel.
        const bool below = trayIcon.center().y() < screen.center().y();
        at = QPoint(trayIcon.center().x() - panel.width() / 2,
                    below ? trayIcon.bottom() + 4 : trayIcon.top() - panel.height() - 4);
    } else if (screen.contains(pointer) && pointer != QPoint()) {
        const bool below = pointer.y() < screen.center().y();
        at = QPoint(pointer.x() - panel.width() / 2, below ? pointer.y() + 8 : pointer.y() - panel.height() - 8);
    } else {
        at = QPoint(screen.right() - panel.width() - 8, screen.top() + 8);
    }
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - panel.width() + 1)));
    at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - panel.height() + 1)));
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
