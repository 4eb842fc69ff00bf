#include "TrayMenu.h"

#include "i18n/UIStrings.h"
#include "panel/PanelModel.h"

namespace pacewise {

TrayMenu::TrayMenu(const PanelModel *model, Actions actions, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_actions(std::move(actions))
{
    connect(m_model, &PanelModel::changed, this, &TrayMenu::rebuild);
    rebuild();
}

void TrayMenu::rebuild()
{
    m_menu.clear();
    // The figures and what is wrong, as lines that read like any other (a
    // disabled item is greyed as if it did not count); each opens the panel,
    // where the details are.
    const auto addLine = [this](const QString &text) { connect(m_menu.addAction(text), &QAction::triggered, this, m_actions.openPanel); };
    for (const QVariant &row : m_model->limits()) {
        const QVariantMap limit = row.toMap();
        addLine(UIStrings::format("tooltip.limitRow", "%1: %2",
                                  {limit.value(QStringLiteral("label")).toString(), limit.value(QStringLiteral("detail")).toString()}));
    }
    if (const QString issue = m_model->issueText(); !issue.isEmpty())
        addLine(issue);
    const QVariantList sessions = m_model->pendingResumes();
    if (!sessions.isEmpty()) {
        m_menu.addSeparator();
        // A session's line opens the panel, where its buttons are.
        for (const QVariant &entry : sessions) {
            const QVariantMap session = entry.toMap();
            connect(m_menu.addAction(UIStrings::format("menu.session", "“%1”: %2",
                                                       {session.value(QStringLiteral("title")).toString(),
                                                        session.value(QStringLiteral("status")).toString()})),
                    &QAction::triggered, this, m_actions.openPanel);
        }
    }
    m_menu.addSeparator();
    connect(m_menu.addAction(UIStrings::text("menu.open", "Open Pacewise")), &QAction::triggered, this, m_actions.openPanel);
    if (m_actions.openSettings)
        connect(m_menu.addAction(UIStrings::text("controls.settings", "Settings…")), &QAction::triggered, this, m_actions.openSettings);
    m_menu.addSeparator();
    connect(m_menu.addAction(UIStrings::text("quit", "Quit")), &QAction::triggered, this, m_actions.quit);
}

} // namespace pacewise
