#include "documents/TTemplateMenu.h"

#include "documents/TDocumentCommands.h"
#include "documents/TVYRATemplate.h"
#include "framework/TVYRACore.h"

#include <QAction>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMenu>

TTemplateMenu::TTemplateMenu(TVYRACore &core, TDocumentCommands &commands, QObject *parent)
    : QObject(parent), m_core(core), m_commands(commands)
{
}

QString TTemplateMenu::Description(const QString &templateFile) const
{
    TVYRATemplate reader(templateFile, QString(), m_core.Settings(), m_core.Ciphers(), nullptr, true);
    try {
        QString version;
        if (reader.LoadFromFile(templateFile, version) && !reader.TemplateName().trimmed().isEmpty())
            return reader.TemplateName();
    } catch (...) {
        // A damaged template still gets its item, under its file name.
    }
    return QFileInfo(templateFile).completeBaseName();
}

void TTemplateMenu::Fill(QMenu *menu, int keep)
{
    if (!menu)
        return;
    const QList<QAction *> actions = menu->actions();
    for (int i = keep; i < actions.size(); ++i) {
        menu->removeAction(actions[i]);
        if (actions[i]->parent() == menu)
            delete actions[i];
    }
    m_core.UpdateTemplateList();
    const QStringList templates = m_core.TemplateList();
    QFileIconProvider icons;
    for (int i = 0; i < templates.size(); ++i) {
        const QString file = templates[i];
        const QString description = Description(file);
        QAction *action = menu->addAction(icons.icon(QFileInfo(file)), description);
        action->setObjectName(QStringLiteral("FileNewTemplate_%1").arg(i));
        const QString hint = QStringLiteral("Öffnet die Vorlage \"%1\"").arg(description);
        action->setStatusTip(hint);
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, [this, file] { m_commands.NewFromTemplate(file); });
    }
}
