#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <exception>

// Base of the framework's exception classes. The message is German text meant
// for the user; what() gives it in UTF-8 for logs and test output.
class VYRA_EXPORT EVYRAException : public std::exception
{
public:
    explicit EVYRAException(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Misuse of an operation (e.g. changing file-type recognisers too late).
class VYRA_EXPORT EVYRAInvalidOperation : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// A stored file or stream that does not follow its format.
class VYRA_EXPORT EInvalidVYRAFormat : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// A plug-in or cipher module that cannot be used.
class VYRA_EXPORT EVYRAInvalidPlugin : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// A read past the end of a stream, or a stored length larger than what is left.
class VYRA_EXPORT EStreamReadError : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// Too many '*' in a wildcard pattern.
class VYRA_EXPORT EWildcardError : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// A text that is not a number where a number is required.
class VYRA_EXPORT EConvertError : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};

// A stream that did not take all bytes written to it, or a field too long for its format.
class VYRA_EXPORT EStreamWriteError : public EVYRAException
{
public:
    using EVYRAException::EVYRAException;
};
