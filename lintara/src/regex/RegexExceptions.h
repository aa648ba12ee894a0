#pragma once

#include "lintara_export.h"

#include <QByteArray>
#include <QString>
#include <exception>

// Root of the facade's exceptions; what() gives the message in UTF-8.
class LINTARA_EXPORT ERegexException : public std::exception
{
public:
    explicit ERegexException(QString message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

class LINTARA_EXPORT EBadRegexLocale : public ERegexException
{
public:
    using ERegexException::ERegexException;
};

class LINTARA_EXPORT ERegexInvalidSubstitutionGroup : public ERegexException
{
public:
    using ERegexException::ERegexException;
};

class LINTARA_EXPORT ERegexBadGroupName : public ERegexException
{
public:
    using ERegexException::ERegexException;
};

// A match gave up at its match or depth limit. Callers that scan untrusted
// text treat it as "no match here".
class LINTARA_EXPORT ERegexMatchLimit : public ERegexException
{
public:
    using ERegexException::ERegexException;
};
