#pragma once

#include "documents/TTemplatePlaceholders.h"
#include "documents/TVYRADocument.h"

// A template (".qtf"): editor mode, name, highlighter and text, stored in clear.
class VYRA_EXPORT TVYRATemplate : public TVYRADocument
{
    Q_OBJECT
public:
    TVYRATemplate(const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
                  QWidget *parent, bool fileExists);

    // Raises EInvalidVYRAFormat for another format, EStreamReadError for a
    // damaged file (result: the file version).
    void LoadFromStream(QIODevice &stream, QString &result) override;
    // Fails, writing nothing usable, when a field cannot be stored in Windows-1252.
    TDocumentResult SaveToStream(QIODevice &stream, QString &result) override;
    // Templates have no background actions.
    bool PerformAction(TFileAction action, ActionDone done) override;

    void New(bool editorMode, const QString &name, const QString &highlighter, const QString &text);
    // The text with its placeholders replaced.
    QString ProcessText() const;

    bool TemplateEditorMode() const { return m_templateEditorMode; }
    QString TemplateName() const { return m_templateName; }
    void SetTemplateName(const QString &name);
    QString TemplateHighlighter() const { return m_templateHighlighter; }
    QString TemplateText() const { return m_templateText; }
    void SetTemplateText(const QString &text) { m_templateText = text; }
    // Project values and the highlighter's long name for the placeholders.
    void SetProjectValues(const TTemplateValues &values) { m_projectValues = values; }
    // Marked modified when the template name changes.
    void SetModifiedNotificationObject(TVYRADocument *document) { m_notify = document; }

    // Reads sourceFile as text and stores it as a template in targetFolder,
    // named after the source with the extension ".qtf"; false when the source
    // is missing or the template cannot be written.
    static bool InstallTemplate(const QString &sourceFile, const QString &targetFolder, bool editorMode,
                                const QString &name, const QString &highlighter);
    static TDocumentResult CreateTemplate(const QString &fileName, const QString &name, const QString &text,
                                          const QString &highlighter, bool editorMode);

private:
    bool m_templateEditorMode = true;
    QString m_templateName;
    QString m_templateHighlighter;
    QString m_templateText;
    TTemplateValues m_projectValues;
    QPointer<TVYRADocument> m_notify;
};
