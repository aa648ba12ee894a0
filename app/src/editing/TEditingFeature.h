#pragma once

#include <QObject>
#include <memory>

class TCharacterTable;
class TEditingCommands;
class TEditorKeyHandler;
class TGeneratorCommands;
class TMainForm;
class TVYRACore;
class TVYRADocument;

// Puts the text commands into the main window: the HTML insert commands
// with the document types and special characters of the catalogues, the
// line, case, indent, selection-mode and bookmark commands, the keys typed
// in the editors (closing characters, snippets by short text), bracket
// highlighting and the HTML generators.
class TEditingFeature : public QObject
{
    Q_OBJECT
public:
    TEditingFeature(TVYRACore &core, TMainForm &window);
    ~TEditingFeature() override;

    TEditingCommands &Editing() const { return *m_editing; }
    TGeneratorCommands &Generators() const { return *m_generators; }
    TCharacterTable *CharacterTable() const { return m_characterTable; }
    // Paints the line (1-based) of the document white on red until the caret leaves it.
    void MarkErrorLine(TVYRADocument *document, int line);

private:
    void addCatalogueActions();
    void documentActivated(TVYRADocument *document);

    TVYRACore &m_core;
    TMainForm &m_window;
    std::unique_ptr<TEditingCommands> m_editing;
    std::unique_ptr<TGeneratorCommands> m_generators;
    TEditorKeyHandler *m_keys = nullptr;
    TCharacterTable *m_characterTable = nullptr;
};
