#pragma once

#include "lintara_export.h"
#include "php/TPHPComment.h"

#include <QList>
#include <QString>
#include <memory>

class TPHPLexer;

// Where the string literals and comments of one text lie, found lazily: a
// check scans only as far as it needs and later checks go on from there.
// The text is taken as PHP code from its start unless SetStartsInHtml says
// it is a whole file, which begins outside "<?php".
class LINTARA_EXPORT TPHPComments
{
public:
    TPHPComments();
    ~TPHPComments();
    TPHPComments(const TPHPComments &) = delete;
    TPHPComments &operator=(const TPHPComments &) = delete;

    // An equal text keeps the index; another text starts it over.
    void SetSource(const QString &text);
    const QString &Source() const { return m_source; }
    void SetStartsInHtml(bool startsInHtml);
    int32_t ParsedTo() const { return m_parsedTo; }

    void ParseTo(int32_t pos);
    void FullParse() { ParseTo(int32_t(m_source.size())); }

    // True when Pos .. Pos + Len - 1 lies inside one literal or block comment,
    // or Pos lies inside a line comment.
    bool CheckIsCommented(int32_t pos, int32_t len);
    // True when Pos lies inside a literal or comment.
    bool CheckIsPartiallyCommented(int32_t pos, int32_t len);

    int32_t GetCommentCount() const { return int32_t(m_entries.size()); }
    const TPHPComment &GetComments(int32_t index) const { return m_entries.at(index); }

private:
    const TPHPComment *entryAt(int32_t pos);
    void restart();

    QString m_source;
    bool m_startsInHtml = false;
    int32_t m_parsedTo = 0;
    QList<TPHPComment> m_entries;
    std::unique_ptr<TPHPLexer> m_lexer;
};
