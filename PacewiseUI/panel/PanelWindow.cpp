#include "PanelWindow.h"

#include "PanelModel.h"
#include "app/CaffeineController.h"
#include "app/GuardController.h"
#include "i18n/LocaleManager.h"
#include "theme/DesktopColorScheme.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QtMath>
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
    // Wayland lets no client place its windows: the panel is an ordinary
    // window there. Of a fixed size, sway floats it instead of tiling it
    // among the user's windows, and no shell offers to resize it.
    // The size follows the content: a window held to its size would not
    // grow with it by itself.
    if (QQuickItem *content = m_view->rootObject(); content && QGuiApplication::platformName() == u"wayland") {
        connect(content, &QQuickItem::widthChanged, this, &PanelWindow::fitContent);
        connect(content, &QQuickItem::heightChanged, this, &PanelWindow::fitContent);
        fitContent();
    }
    connect(m_view.get(), &QWindow::visibleChanged, objects.model, &PanelModel::setPanelOpen);
    // A row that comes while the panel is open (or a layout that settles
    // once shown) must not push it over a panel at the bottom of the screen.
    connect(m_view.get(), &QWindow::heightChanged, this, [this] {
        if (m_view->isVisible())
            place();
    });
    // A click anywhere else closes it, as a tray's menu would.
    connect(m_view.get(), &QWindow::activeChanged, this, [this] {
        if (!m_view->isActive())
            hide();
    });
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::fitContent()
{
    const QQuickItem *content = m_view->rootObject();
    const QSize size(qCeil(content->width()), qCeil(content->height()));
    if (size.isEmpty() || (size == m_view->minimumSize() && size == m_view->maximumSize()))
        return;
    // The bounds are loosened first: the window is always within them, so
    // none of these steps resizes it to anything but the new size.
    constexpr int unbounded = (1 << 24) - 1; // Qt's own largest window size
    m_view->setMinimumSize(QSize(0, 0));
    m_view->setMaximumSize(QSize(unbounded, unbounded));
    m_view->resize(size);
    m_view->setMinimumSize(size);
    m_view->setMaximumSize(size);
}

bool PanelWindow::isVisible() const
{
    return m_view->isVisible();
}

QPoint PanelWindow::placement(const QSize &panel, const QRect &screen, const QRect &available, const QRect &trayIcon,
                              const QPoint &pointer)
{
    // The icon's place, else the pointer's: a click on the icon is in the
    // desktop's panel, outside the available area but on the screen.
    const QRect anchor = trayIcon.isValid()                            ? trayIcon
                       : screen.contains(pointer) && pointer != QPoint() ? QRect(pointer, QSize(1, 1))
                                                                        : QRect();
    // In edges, not QRect's inclusive right() and bottom().
    const int right = available.x() + available.width();
    const int bottom = available.y() + available.height();
    constexpr int gap = 4;
    QPoint at(right - panel.width() - 8, available.y() + 8); // nothing known: the top right corner
    if (anchor.isValid()) {
        const QPoint middle(anchor.x() + anchor.width() / 2, anchor.y() + anchor.height() / 2);
        // Beside the desktop's panel that holds the icon, on whichever edge
        // it is; where the available area does not leave it out (a panel
        // that floats or hides), by the half of the screen the icon is in.
        const bool onLeft = middle.x() < available.x();
        const bool onRight = middle.x() >= right;
        const bool onTop = middle.y() < available.y();
        const bool onBottom = middle.y() >= bottom;
        if (onLeft || onRight) {
            at = QPoint(onLeft ? available.x() + gap : right - panel.width() - gap, middle.y() - panel.height() / 2);
        } else {
            const bool below = onTop || (!onBottom && middle.y() < screen.y() + screen.height() / 2);
            at = QPoint(middle.x() - panel.width() / 2,
                        below ? std::max(anchor.y() + anchor.height(), available.y()) + gap
                              : std::min(anchor.y(), bottom) - panel.height() - gap);
        }
    }
    at.setX(std::clamp(at.x(), available.x(), std::max(available.x(), right - panel.width())));
    at.setY(std::clamp(at.y(), available.y(), std::max(available.y(), bottom - panel.height())));
    return at;
}

void PanelWindow::showNear(const QRect &trayIcon, const QPoint &pointer)
{
    m_trayIcon = trayIcon;
    m_pointer = pointer;
    place();
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

void PanelWindow::place()
{
    QScreen *screen = m_trayIcon.isValid() ? QGuiApplication::screenAt(m_trayIcon.center()) : QGuiApplication::screenAt(m_pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        m_view->setPosition(placement(m_view->size(), screen->geometry(), screen->availableGeometry(), m_trayIcon, m_pointer));
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

void PanelWindow::hide()
{
    m_view->hide();
}

void PanelWindow::quit()
{
    QCoreApplication::quit();
}

} // namespace pacewise
