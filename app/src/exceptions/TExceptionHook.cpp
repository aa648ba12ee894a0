#include "exceptions/TExceptionHook.h"

#include "exceptions/TErrorRecord.h"
#include "exceptions/TErrorReportText.h"

TExceptionHook::TExceptionHook(TShow show, TAction saveWork, TAction terminate, TWrite writeError)
    : m_show(std::move(show))
    , m_saveWork(std::move(saveWork))
    , m_terminate(std::move(terminate))
    , m_writeError(std::move(writeError))
{
}

void TExceptionHook::Handle(const TErrorRecord &record)
{
    if (m_showing) {
        m_writeError(TErrorReportText::Build(record));
        end();
        return;
    }
    m_showing = true;
    bool resume = false;
    try {
        resume = m_show(record);
    } catch (...) {
        // The dialog failed to show: the error is not lost, it goes to the error output.
        m_writeError(TErrorReportText::Build(record));
    }
    m_showing = false;
    if (!resume)
        end();
}

void TExceptionHook::end()
{
    try {
        m_saveWork();
    } catch (...) {
        m_writeError(QStringLiteral("Die ungespeicherten Texte konnten vor dem Beenden nicht gesichert werden."));
    }
    m_terminate();
}
