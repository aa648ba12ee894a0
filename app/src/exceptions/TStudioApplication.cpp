#include "exceptions/TStudioApplication.h"

#include "exceptions/TErrorRecord.h"
#include "exceptions/TErrorReportText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

TStudioApplication::TStudioApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

TStudioApplication *TStudioApplication::Instance()
{
    return qobject_cast<TStudioApplication *>(QCoreApplication::instance());
}

bool TStudioApplication::notify(QObject *receiver, QEvent *event)
{
    return Guarded([&] { return QApplication::notify(receiver, event); }, m_handler);
}

void TStudioApplication::ReportCurrentException(const THandler &handler)
{
    // Read before anything else can change it.
    const int code = errno;
    const TErrorRecord record = TErrorRecord::FromException(std::current_exception(), code);
    if (handler)
        handler(record);
    else
        WriteAndEnd(record);
}

void TStudioApplication::WriteAndEnd(const TErrorRecord &record)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(TErrorReportText::Build(record)));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}
