#include "QmlWindow.h"

#include "i18n/LocaleManager.h"
#include "theme/DesktopColorScheme.h"
#include "i18n/UIStrings.h"

#include <QQmlContext>
#include <QQuickView>

namespace pacewise {

QmlWindow::QmlWindow(const QUrl &source, Title title, LocaleManager *locale,
                     const QList<std::pair<QString, QObject *>> &contextObjects, QObject *parent)
    : QObject(parent)
    , m_view(std::make_unique<QQuickView>())
{
    m_view->setResizeMode(QQuickView::SizeViewToRootObject);
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("strings"), locale);
    context->setContextProperty(QStringLiteral("dialog"), this);
    for (const auto &[name, object] : contextObjects)
        context->setContextProperty(name, object);
    DesktopColorScheme::loadThemed(m_view.get(), source);
    const auto retitle = [this, title] { m_view->setTitle(UIStrings::text(title.key, title.english)); };
    retitle();
    connect(locale, &LocaleManager::languageChanged, this, retitle);
    connect(m_view.get(), &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible)
            emit closed();
    });
}

QmlWindow::~QmlWindow() = default;

void QmlWindow::show()
{
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

void QmlWindow::close()
{
    m_view->close();
}

bool QmlWindow::isVisible() const
{
    return m_view->isVisible();
}

} // namespace pacewise
