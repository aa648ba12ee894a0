#include "exceptions/TExceptionFeature.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "exceptions/TErrorRecord.h"
#include "exceptions/TExceptionForm.h"
#include "exceptions/TExceptionHook.h"
#include "exceptions/TReportSender.h"
#include "exceptions/TStudioApplication.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "recovery/TJournalKeeper.h"
#include "settings/TTalvexStudioAdvancedSettings.h"
#include "settings/TTalvexStudioSettings.h"

#include <cstdio>
#include <cstdlib>

TExceptionFeature::TExceptionFeature(TVYRACore &core, TMainForm &window, TJournalKeeper &journal)
    : m_core(core)
    , m_window(window)
    , m_journal(journal)
{
    m_hook = std::make_unique<TExceptionHook>(
        [this](const TErrorRecord &record) {
            return TExceptionForm::ShowApplicationError(&record, ReportEndpoint(), &m_window);
        },
        [this] { SaveWork(); },
        [] {
            // At once: an orderly end would close the journal's session and
            // the saved texts would not be offered at the next start.
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        },
        [](const QString &text) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(text));
            std::fflush(stderr);
        });
    if (TStudioApplication *application = TStudioApplication::Instance())
        application->SetExceptionHandler([this](const TErrorRecord &record) { m_hook->Handle(record); });
}

TExceptionFeature::~TExceptionFeature()
{
    if (TStudioApplication *application = TStudioApplication::Instance())
        application->SetExceptionHandler(nullptr);
}

void TExceptionFeature::SaveWork()
{
    const TVYRADocumentList &documents = m_core.Container()->Documents();
    for (int i = 0; i < documents.Count(); ++i) {
        TVYRADocument *document = documents.Items(i);
        if (document->GetModified())
            m_journal.JournalNow(document);
    }
    m_journal.WaitForWrites();
}

QUrl TExceptionFeature::ReportEndpoint() const
{
    const auto *settings = qobject_cast<const TTalvexStudioSettings *>(m_core.Settings());
    return settings ? TReportSender::Endpoint(settings->Advanced()->ErrorReportUrl) : QUrl();
}
