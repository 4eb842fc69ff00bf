#pragma once

#include <QObject>
#include <QUrl>

#include <memory>
#include <utility>

class QQuickView;

namespace pacewise {

class LocaleManager;

// An ordinary window (settings, onboarding) whose content is a QML file,
// titled in the chosen language and following it.
class QmlWindow : public QObject {
    Q_OBJECT
public:
    struct Title {
        const char *key;
        const char *english;
    };

    QmlWindow(const QUrl &source, Title title, LocaleManager *locale,
              const QList<std::pair<QString, QObject *>> &contextObjects, QObject *parent = nullptr);
    ~QmlWindow() override;

    // Shows it, or brings it to the front when it is open already.
    Q_INVOKABLE void show();
    Q_INVOKABLE void close();
    bool isVisible() const;
    QQuickView *view() const { return m_view.get(); }

signals:
    // The user closed it (or close() did).
    void closed();

private:
    std::unique_ptr<QQuickView> m_view;
};

} // namespace pacewise
