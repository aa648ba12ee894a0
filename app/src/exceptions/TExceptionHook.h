#pragma once

#include <QString>
#include <functional>

struct TErrorRecord;

// The one place every exception that escaped an event handler ends in. The
// user sees the error and chooses to go on or to quit; quitting saves the
// unsaved work first. The dialog itself runs the event loop, so a second
// exception can arrive while it shows: that one is written to the error
// output, the work is saved, and the program ends, instead of stacking
// dialogs on a program in an unknown state.
class TExceptionHook
{
public:
    // Shows the error; true continues the program.
    using TShow = std::function<bool(const TErrorRecord &record)>;
    using TAction = std::function<void()>;
    using TWrite = std::function<void(const QString &text)>;

    // terminate must not return to the caller in the program; tests record the call.
    TExceptionHook(TShow show, TAction saveWork, TAction terminate, TWrite writeError);

    void Handle(const TErrorRecord &record);
    bool IsShowing() const { return m_showing; }

private:
    void end();

    const TShow m_show;
    const TAction m_saveWork;
    const TAction m_terminate;
    const TWrite m_writeError;
    bool m_showing = false;
};
