#pragma once

#include <QPointer>
#include <QString>

class TVYRADocument;

// One row of "PHP Meldungen": what the interpreter reported, where.
struct TPHPMessage
{
    QString Kind;     // "Parse error", "Warning", ...; empty for the success row
    QString FileName; // full path; empty when the message names no file
    int Line = -1;    // 1-based; -1 = no position
    QString Text;     // the message without its position part
    bool IsError = true;
    // The open document the message belongs to, none for another file.
    QPointer<TVYRADocument> Document;

    // "[kind] name(line): text"; a message without position shows its text only.
    QString DisplayText() const;
};
