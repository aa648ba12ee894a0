#pragma once

#include <QDateTime>
#include <QString>

struct TErrorRecord;

// The plain-text error report put on the clipboard and sent to the maker.
class TErrorReportText
{
public:
    // The nine values the report is filled with, in order.
    struct TArguments {
        QString version;      // compact program version
        QString buildDate;    // "mmm dd yyyy at hh:mm AM/PM", trimmed
        QString now;          // same pattern, not trimmed
        QString className;
        QString module;       // file name of the running program
        QString message;
        int code = 0;
        QString systemMessage;
        QString systemVersion;
    };

    static QString Format(const TArguments &arguments);
    // The arguments for the running program at time now.
    static TArguments ForRunningProgram(const TErrorRecord &record, const QDateTime &now);
    // The report for the running program, now.
    static QString Build(const TErrorRecord &record);
};
