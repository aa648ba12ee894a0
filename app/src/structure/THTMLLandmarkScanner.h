#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The landmarks of the HTML parts of a document that a tree of its structure
// shows beside the PHP entities: forms, headings, elements with an id, and
// the functions declared in <script> blocks. PHP blocks are skipped.
class THTMLLandmarkScanner
{
public:
    struct TLandmark
    {
        QString Text;
        int Offset = -1;
    };
    struct TResult
    {
        QList<TLandmark> Elements;  // forms, headings, elements with an id, in text order
        QList<TLandmark> Functions; // functions of <script> blocks
    };

    static TResult Scan(QStringView text);

private:
    static void scanScript(QStringView text, int from, int to, QList<TLandmark> &functions);
};
