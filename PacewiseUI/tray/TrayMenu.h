#pragma once

#include <QMenu>
#include <QObject>

#include <functional>

namespace pacewise {

class PanelModel;

// The tray icon's menu, the same on every desktop. Where the shell opens
// it on a click (GNOME's AppIndicator extension) it is all the user sees,
// so it leads with what the panel says first: each limit with its reset,
// what keeps figures from coming, the paused sessions; then Open,
// Settings… and Quit.
class TrayMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> openPanel;
        std::function<void()> openSettings = nullptr; // none: no Settings item
        std::function<void()> quit;
    };

    TrayMenu(const PanelModel *model, Actions actions, QObject *parent = nullptr);

    QMenu *menu() { return &m_menu; }

    // Made anew from the model: on every change of figures, sessions or
    // language.
    void rebuild();

private:
    const PanelModel *m_model;
    Actions m_actions;
    QMenu m_menu;
};

} // namespace pacewise
