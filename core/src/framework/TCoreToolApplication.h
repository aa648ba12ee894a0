#pragma once

#include "tools/TToolApplication.h"
#include "vyra_export.h"

#include <QPointer>

class TVYRACore;

// What a tool module sees of a core: its settings file and handles. The core
// keeps no documents of its own, so every document request finds none and
// the document commands fail; a host with documents installs its own
// application instead.
class VYRA_EXPORT TCoreToolApplication : public TToolApplication
{
public:
    explicit TCoreToolApplication(TVYRACore *core);

    bool CanEditDocuments() const override { return false; }
    QString ActiveEditorText() const override { return {}; }
    void SetActiveEditorText(const QString &) override {}
    QString ActiveDocumentFileName() const override { return {}; }
    QString ActiveDocumentFileVersion() const override { return {}; }
    QString ActiveDocumentCipherName() const override { return {}; }
    bool ActiveDocumentHasNoCipher() const override { return true; }
    int ActiveDocumentIndex() const override { return -1; }
    bool SetActiveDocumentEditorMode(bool) override { return false; }
    bool SetActiveEditorHighlighter(const QString &) override { return false; }
    bool OpenFile(const QString &) override { return false; }
    bool OpenFileEx(const QString &, int) override { return false; }
    bool CloseActiveDocument() override { return false; }
    bool SaveActiveDocument() override { return false; }
    bool NewDocument() override { return false; }

    QString SettingsFileName() const override;
    std::uintptr_t IconHandle() const override;
    std::uintptr_t MainWindowHandle() const override;

private:
    QPointer<TVYRACore> m_core;
};
