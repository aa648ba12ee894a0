#pragma once

#include <QObject>

class QMenu;
class TDocumentCommands;
class TVYRACore;

// Adds one item per template of the core's template list to the "Neu"
// menu after its first items: name "FileNewTemplate_%d", caption = the
// template's description, hint "Öffnet die Vorlage "%s"", the icon of the
// template file. Choosing one creates a new document from the template.
class TTemplateMenu : public QObject
{
    Q_OBJECT
public:
    TTemplateMenu(TVYRACore &core, TDocumentCommands &commands, QObject *parent = nullptr);

    // Removes every item after the first keep ones, then adds the templates.
    void Fill(QMenu *menu, int keep = 3);
    // The description stored in a template file; its base name when it has none or cannot be read.
    QString Description(const QString &templateFile) const;

private:
    TVYRACore &m_core;
    TDocumentCommands &m_commands;
};
