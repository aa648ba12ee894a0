#pragma once

#include "phpcheck/TPHPCheckRunner.h"
#include "phpcheck/TPHPMessage.h"

#include <QList>
#include <QStringList>

// Turns the interpreter's output lines into message rows. PHP prints
// "<b>Parse error</b>:  text in <b>file</b> on line <b>3</b>" (or the same
// without tags, with a leading "PHP "); an uncaught error spans lines up to
// its "thrown in ... on line N", and becomes one row at that position.
// Output that yields no position is kept, line by line, as error rows.
class TPHPMessageParser
{
public:
    // checkedFile: the file the interpreter ran on; when it is a private
    // copy of the document's text, its name is replaced by documentFile.
    TPHPMessageParser(QString checkedFile, QString documentFile);

    QList<TPHPMessage> Parse(const QStringList &lines) const;
    // The rows of a whole run: the success row when it passed, else at least
    // one error row (a run that failed without a word says so).
    QList<TPHPMessage> Report(const TPHPCheckResult &result) const;

    // Tags removed, then the entities PHP writes decoded.
    static QString PlainText(const QString &html);
    // The row of a check without errors.
    static TPHPMessage SuccessRow();

private:
    struct TPosition
    {
        QString file;
        int line = -1;
        QString rest; // the text with the position part removed
    };
    static TPosition findPosition(const QString &text);
    QString ownFile(const QString &file) const;

    QString m_checkedFile;
    QString m_documentFile;
};
