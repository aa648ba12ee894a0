#pragma once

#include <QString>
#include <exception>

// What the error dialog shows of an exception that escaped an event handler:
// its class and message, and the system's error number at the moment it was
// caught with that number's text (0: no system error).
struct TErrorRecord {
    QString className;
    QString message;
    int code = 0;
    QString systemMessage;

    // The exception in flight (call inside a catch block); code is the error
    // number read as the exception was caught.
    static TErrorRecord FromException(const std::exception_ptr &exception, int code);
    // The readable name of an object's dynamic type.
    static QString ClassNameOf(const std::exception &exception);
};
