#include "documents/TVYRATemplate.h"

#include "utils/VYRAExceptions.h"
#include "utils/StreamStrings.h"
#include "utils/VersionInfo.h"
#include "utils/Windows1252.h"

#include <QDir>
#include <QFileInfo>

TVYRATemplate::TVYRATemplate(const QString &fileName, const QString &fileVersion, TVYRASettings *settings,
                             TCipherList *ciphers, QWidget *parent, bool fileExists)
    : TVYRADocument(fileName, fileVersion, settings, ciphers, parent, fileExists)
{
}

void TVYRATemplate::LoadFromStream(QIODevice &stream, QString &result)
{
    result.clear();
    const QString recognizer = ReadTextFromStream(stream);
    if (recognizer.isEmpty() || recognizer != TVYRAFileTypeRecognizers::get(ftTemplate))
        throw EInvalidVYRAFormat(QStringLiteral("Datenstrom enhält keine gültige VYRA kompatible Template Datei"));
    const QString version = ReadTextFromStream(stream);
    const QString mode = ReadTextFromStream(stream);
    const QString name = ReadTextFromStream(stream);
    const QString highlighter = ReadTextFromStream(stream);
    const QString text = ReadTextFromStream(stream);
    SetFileTypeText(recognizer);
    SetFileVersion(version);
    m_templateEditorMode = mode == QLatin1String("1");
    m_templateName = name;
    m_templateHighlighter = highlighter;
    m_templateText = text;
    result = version;
    Changed(false);
}

TDocumentResult TVYRATemplate::SaveToStream(QIODevice &stream, QString &result)
{
    result.clear();
    const QList<StoredField> fields{
        {QStringLiteral("Kennung"), TVYRAFileTypeRecognizers::get(ftTemplate)},
        {QStringLiteral("Version"), GetFileVersion()},
        {QStringLiteral("Editor"), m_templateEditorMode ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("Name"), m_templateName},
        {QStringLiteral("Highlighter"), m_templateHighlighter},
        {QStringLiteral("Text"), m_templateText},
    };
    const TDocumentResult written = WriteFields(stream, fields);
    if (!written)
        return written;
    SetFileTypeText(fields[0].second);
    result = GetFileVersion();
    Changed(false);
    return TDocumentResult::success();
}

bool TVYRATemplate::PerformAction(TFileAction, ActionDone) { return false; }

void TVYRATemplate::New(bool editorMode, const QString &name, const QString &highlighter, const QString &text)
{
    m_templateEditorMode = editorMode;
    m_templateName = name;
    m_templateHighlighter = highlighter;
    m_templateText = text;
    SetFileTypeText(TVYRAFileTypeRecognizers::get(ftTemplate));
}

void TVYRATemplate::SetTemplateName(const QString &name)
{
    m_templateName = name;
    if (m_notify)
        m_notify->SetModified(true);
}

QString TVYRATemplate::ProcessText() const
{
    TTemplateValues values = m_projectValues;
    values.templateName = m_templateName;
    if (!values.hasProject || values.highlighter.isEmpty())
        values.highlighter = m_templateHighlighter;
    if (values.baseFolder.isEmpty() && !GetFileName().isEmpty())
        values.baseFolder = QFileInfo(GetFileName()).absolutePath();
    return TTemplatePlaceholders::Process(m_templateText, values);
}

bool TVYRATemplate::InstallTemplate(const QString &sourceFile, const QString &targetFolder, bool editorMode,
                                    const QString &name, const QString &highlighter)
{
    TTextFile source;
    if (!QFileInfo(sourceFile).isFile() || !TTextFile::Load(sourceFile, source))
        return false;
    const QString target = QDir(targetFolder).filePath(QFileInfo(sourceFile).completeBaseName() + QStringLiteral(".qtf"));
    return bool(CreateTemplate(target, name, source.text, highlighter, editorMode));
}

TDocumentResult TVYRATemplate::CreateTemplate(const QString &fileName, const QString &name, const QString &text,
                                              const QString &highlighter, bool editorMode)
{
    TVYRATemplate object(fileName, GetVersion(), nullptr, nullptr, nullptr, QFileInfo(fileName).isFile());
    object.New(editorMode, name, highlighter, text);
    return object.SaveToFile();
}
