#include "phpcheck/TPHPCheckFeature.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "phpcheck/TPHPCheckSubject.h"
#include "phpcheck/TPHPMessageModel.h"
#include "phpcheck/TPHPMessageParser.h"
#include "phpcheck/TPHPMessagesPanel.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QDockWidget>
#include <QFileInfo>

TPHPCheckFeature::TPHPCheckFeature(TVYRACore &core, TMainForm &window)
    : QObject(&window)
    , m_core(core)
    , m_window(window)
    , m_model(new TPHPMessageModel(this))
    , m_panel(new TPHPMessagesPanel(*m_model))
{
    m_dock = window.AddQuickbarPage(QStringLiteral("tbPHPMessages"), QStringLiteral("PHP Meldungen"), m_panel);
    connect(m_panel, &TPHPMessagesPanel::jumpRequested, this, [this](int row) { Jump(row); });
    window.Registry().SetHandler(QStringLiteral("PHPErrorCheck"), [this] { runCommand(true); });
    window.Registry().SetHandler(QStringLiteral("PHPSyntaxCheck"), [this] { runCommand(false); });
    // Rows of a closed document lose it and keep their file.
    connect(&window, &TMainForm::documentClosing, this, [this](TVYRADocument *document) {
        QList<TPHPMessage> rows = m_model->Messages();
        bool changed = false;
        for (TPHPMessage &row : rows) {
            if (row.Document == document) {
                row.Document = nullptr;
                changed = true;
            }
        }
        if (changed)
            m_model->SetMessages(rows);
    });
}

TPHPCheckFeature::~TPHPCheckFeature() = default;

QString TPHPCheckFeature::Interpreter() const
{
    const auto *settings = qobject_cast<TTalvexStudioSettings *>(m_core.Settings());
    const QString path = settings ? settings->PHP()->PHPExeFile.trimmed() : QString();
    return path.isEmpty() ? QStringLiteral("/usr/bin/php") : path;
}

QString TPHPCheckFeature::EditorText(TVYRADocument *document) const
{
    TVYRADocumentContainer &container = *m_core.Container();
    const int index = container.Documents().IndexOf(document);
    return index >= 0 ? container.GetEditor(index)->GetText() : QString();
}

std::optional<TPHPCheckResult> TPHPCheckFeature::Check(TVYRADocument *document, bool runScript)
{
    if (!document)
        return std::nullopt;
    const QString php = Interpreter();
    if (!QFileInfo(php).isFile()) {
        TPrompter::instance().error(
            QStringLiteral("Die ausführbare Datei von PHP (php.exe) wurde nicht im angegebenen Pfad (%1) gefunden. "
                           "Bitte überprüfen Sie, ob Pfad- und Dateiname korrekt sind und ändern Sie den Pfad "
                           "gegebenenfalls unter \"Extras\" -> \"Einstellungen\" -> \"PHP\".")
                .arg(php));
        return std::nullopt;
    }
    const TPHPCheckSubject subject = TPHPCheckSubject::Of(*document, EditorText(document));
    const TPHPCheckRunner runner(php, TimeLimitMs);
    const TPHPCheckResult result = subject.FileName.isEmpty()
        ? runner.CheckText(subject.Text, subject.WorkingFolder, runScript, m_private)
        : runner.CheckFile(subject.FileName, runScript);

    const QString documentFile = document->GetFileName();
    QList<TPHPMessage> rows = TPHPMessageParser(result.CheckedFile, documentFile).Report(result);
    for (TPHPMessage &row : rows)
        if (row.FileName == documentFile)
            row.Document = document;
    m_model->SetMessages(rows);
    return result;
}

void TPHPCheckFeature::runCommand(bool runScript)
{
    if (!Check(m_window.ActiveDocument(), runScript))
        return;
    m_dock->show();
    m_dock->raise();
    if (!m_model->IsClean())
        m_panel->FocusFirstRow();
}

void TPHPCheckFeature::PresentMessages()
{
    m_dock->show();
    m_dock->raise();
    m_panel->FocusFirstRow();
    Jump(0);
}

bool TPHPCheckFeature::Jump(int row)
{
    const TPHPMessage *message = m_model->Message(row);
    if (!message || message->Line < 0 || !m_window.ActiveDocument())
        return false;
    TVYRADocumentContainer &container = *m_core.Container();
    TVYRADocument *target = message->Document;
    if (!target) {
        const QString file = message->FileName;
        if (!QFileInfo(file).isFile()) {
            TPrompter::instance().error(
                QStringLiteral("Datei \"%1\" kann nicht gefunden werden. Überprüfen Sie, ob diese Datei existiert "
                               "und versuchen Sie es erneut.")
                    .arg(file));
            return false;
        }
        auto openOne = [&container, &file]() -> TVYRADocument * {
            const TVYRADocumentList &documents = container.Documents();
            for (int i = 0; i < documents.Count(); ++i)
                if (documents.Items(i)->GetFileExists() && documents.Items(i)->GetFileName() == file)
                    return documents.Items(i);
            return nullptr;
        };
        target = openOne();
        if (!target) {
            m_window.OpenFiles({file});
            target = openOne();
        }
        if (!target)
            return false;
    }
    moveToLine(target, message->Line);
    return true;
}

void TPHPCheckFeature::moveToLine(TVYRADocument *document, int line)
{
    TVYRADocumentContainer &container = *m_core.Container();
    const int index = container.Documents().IndexOf(document);
    if (index < 0)
        return;
    if (container.GetActiveDocumentIndex() != index)
        container.ActivateDocument(index);
    const std::unique_ptr<TVYRAEditor> editor = container.GetEditor(index);
    editor->GotoLine(line);
    if (editor->CanFocus())
        editor->SetFocus();
}
