#pragma once

#include <QHash>
#include <QString>
#include <optional>

// Finds the HTML element the caret stands in, for the generators that open
// with an existing element's values and replace exactly that element.
class THtmlElementFinder
{
public:
    struct TElement {
        int start = 0;         // offset of "<"
        int length = 0;        // up to and with the closing tag (the opening tag alone for a void element)
        int openingLength = 0; // the opening tag
        QString inner;         // the text between the tags
        QHash<QString, QString> attributes; // lower-case names, values unescaped
    };

    // The innermost element tag (case-insensitive) that holds offset strictly
    // inside it; void: the tag has no closing tag (img).
    static std::optional<TElement> Enclosing(const QString &text, int offset, const QString &tag, bool isVoid = false);
    // A run of META tags separated by white space only that holds offset;
    // attributes are those of the first tag, inner the whole run.
    static std::optional<TElement> MetaBlock(const QString &text, int offset);
    // The attributes of an opening tag: quoted, single-quoted or bare values.
    static QHash<QString, QString> Attributes(const QString &openingTag);
};
