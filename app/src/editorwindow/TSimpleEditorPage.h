#pragma once

#include "editor/TEditorResult.h"
#include "facade/IEditorDocument.h"
#include "facade/TVYRAEditorEnvironment.h"

#include <QStackedWidget>
#include <memory>

class TVYRAEditor;

// One open file of the simple window: a code editor and a rich editor on a
// stack, the one the file's mode asks for in front, driven by the editor
// facade.
class TSimpleEditorPage : public QStackedWidget, public IEditorDocument
{
    Q_OBJECT
public:
    TSimpleEditorPage(const TVYRAEditorEnvironment &environment, QWidget *parent = nullptr);
    ~TSimpleEditorPage() override;

    // Chooses mode and highlighter through the registries and
    // "openstandards.xml", then loads the file into the chosen editor.
    TEditorResult open(const QString &fileName);
    TVYRAEditor &editor() const { return *m_editor; }

    bool EditorMode() const override;
    void SetEditorMode(bool codeEditor) override;
    TCodeEditor *CodeEditor() const override { return m_code; }
    TRichEditor *RichEditor() const override { return m_rich; }
    bool IsPlainText() const override { return m_plainText; }
    // The code editor's: the file's first line break once it is loaded.
    QString LineBreak() const override;
    bool HasCodeEditors() const override { return true; }
    void Changed() override;
    void HighlighterChanged() override {}
    void SearchStarted() override {}
    TReplaceAction AskReplace(const QString &found, const QString &replaceBy) override;

signals:
    void modificationChanged(bool modified);

private:
    TCodeEditor *const m_code;
    TRichEditor *const m_rich;
    std::unique_ptr<TVYRAEditor> m_editor;
    bool m_plainText = true;
};
