#pragma once

#include "commands/TCommandController.h"
#include "mainwindow/TActiveEditor.h"

#include <QPointer>
#include <QStringList>
#include <functional>

class QWidget;
class TFontDialog;
class TVYRAEditor;

// The commands that open the HTML generators and put their result into the
// active document: table, META tags, hyperlink, picture, fonts, external
// style sheet and colour. With the caret inside a table, a run of META tags,
// a link or a picture, the generator opens with that element's values and
// replaces just that element.
class TGeneratorCommands : public TCommandController
{
public:
    struct TContext {
        QWidget *dialogParent = nullptr;
        std::function<QStringList()> projectFiles;   // offered by the hyperlink dialog
        std::function<QString()> activeFileName;     // relative names are taken against it
        std::function<QStringList()> fontGroups;
        std::function<void(const QStringList &)> storeFontGroups;
        QString generator;                           // "Talvex Studio " + version
    };

    TGeneratorCommands(TActiveEditor activeEditor, TContext context);
    ~TGeneratorCommands() override;
    void Register(TActionRegistry &registry) override;

    void InsertTable();
    void InsertMetaTags();
    void InsertLink();
    void InsertImage();
    void InsertFont();
    void InsertStyleSheet();
    void SelectColor();

    // The charset a document's META tag names for its encoding.
    static QString Charset(const TVYRAEditor &editor);

private:
    QString activeFileName(const TVYRAEditor &editor) const;

    TActiveEditor m_activeEditor;
    TContext m_context;
    QPointer<TFontDialog> m_fontDialog;
};
