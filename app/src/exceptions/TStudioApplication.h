#pragma once

#include <QApplication>
#include <functional>

struct TErrorRecord;

// The program's application object. No exception crosses Qt's event loop:
// one that escapes an event handler is caught here and handed to the
// exception hook.
class TStudioApplication : public QApplication
{
    Q_OBJECT
public:
    using THandler = std::function<void(const TErrorRecord &record)>;

    TStudioApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    // None restores the default, which writes the report to the error output and ends the program.
    void SetExceptionHandler(THandler handler) { m_handler = std::move(handler); }
    static TStudioApplication *Instance();

    // Runs deliver; an exception it throws goes to handler (or the default)
    // with the error number read as it was caught, and false is returned.
    template <typename TDeliver>
    static bool Guarded(TDeliver &&deliver, const THandler &handler)
    {
        try {
            return deliver();
        } catch (...) {
            ReportCurrentException(handler);
            return false;
        }
    }
    // Inside a catch block: hands the exception in flight to handler.
    static void ReportCurrentException(const THandler &handler);
    static void WriteAndEnd(const TErrorRecord &record);

private:
    THandler m_handler;
};
