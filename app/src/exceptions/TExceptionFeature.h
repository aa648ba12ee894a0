#pragma once

#include <QUrl>
#include <memory>

class TExceptionHook;
class TJournalKeeper;
class TMainForm;
class TVYRACore;

// Hooks the error dialog into the program's application object for as long
// as it lives: the dialog shows over the main window, reports go to the
// address of the advanced settings, and quitting journals every unsaved
// text first, so that the next start offers it back.
class TExceptionFeature
{
public:
    TExceptionFeature(TVYRACore &core, TMainForm &window, TJournalKeeper &journal);
    ~TExceptionFeature();

    TExceptionHook &Hook() const { return *m_hook; }
    // Journals the text of every modified document and waits until it is written.
    void SaveWork();
    // Where reports go; invalid when no address is set.
    QUrl ReportEndpoint() const;

private:
    TVYRACore &m_core;
    TMainForm &m_window;
    TJournalKeeper &m_journal;
    std::unique_ptr<TExceptionHook> m_hook;
};
