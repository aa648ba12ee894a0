#pragma once

#include "editor/TSynMultiSyn.h"
#include "highlighters/TIHighlighters.h"

#include <QHash>
#include <memory>

class IRegex;
class TPHPComments;

// The program's multi-highlighter: scheme markers are found with the
// regular-expression facade. "phpstartexpr" and "phpendexpr" stand for the PHP
// open and close tags; a close tag inside a PHP string or block comment does
// not end PHP. A PHP open tag inside another scheme (a script or style block)
// opens PHP there, and that scheme goes on after the close tag; so the PHP
// scheme does not take precedence over a scheme that starts before the open
// tag on the same line, even when PHP blocks stand inside its start marker.
// Each expression is compiled once, when it is set.
class TSynMultiSynPCRE : public TSynMultiSyn
{
public:
    static constexpr const char *PhpStartExpr = "phpstartexpr";
    static constexpr const char *PhpEndExpr = "phpendexpr";

    TSynMultiSynPCRE(QString name, QString longName);
    // What the core makes its multi-highlighter entries with.
    static TMultiHighlighterFactory factory();
    ~TSynMultiSynPCRE() override;

    // Raises ERegexException "Regular Expression "%s" invalid.\r\nError details: %s."
    void checkExpression(const QString &expr) const override;
    void schemeChanged(const TScheme &scheme) override;

protected:
    QList<TSynMarker> scanMarkers(QStringView line, const TLineState &state) const override;

private:
    // A PHP block of one line: where its open and close tags stand; close is
    // -1 when the block goes on past the line.
    struct TPhpBlock
    {
        int open = -1;
        int openLength = 0;
        int close = -1;
        int closeLength = 0;
    };
    // A marker found: its scheme, place, length and whether it opens; for a
    // start marker that holds PHP blocks, those blocks.
    struct TFound
    {
        int scheme = -1;
        int index = -1;
        int length = 0;
        bool opens = false;
        QList<TPhpBlock> inside;
    };

    struct TCompiledScheme
    {
        QString startExpr;
        QString endExpr;
        bool caseSensitive = true;
        std::shared_ptr<IRegex> start;
        std::shared_ptr<IRegex> end;
    };

    const TCompiledScheme &compiled(const TScheme &scheme) const;
    QString carriedOpener(const TLineState &state) const;
    // First match of the end pattern in text from offset. A PHP close tag
    // inside a PHP string or comment is skipped: the PHP code of the open
    // block starts at blockStart in this line, led by lead, which reopens a
    // string or comment carried over from the line before.
    bool findEnd(const TScheme &scheme, const QString &text, int offset, const QString &lead, int blockStart,
                 int &index, int &length) const;
    bool findStart(const TScheme &scheme, const QString &text, int offset, int &index, int &length) const;
    // The first usable scheme in list order that has a start match; when
    // that is PHP's (php), a scheme PHP nests in whose start marker begins
    // before the PHP open tag takes its place, PHP blocks inside the marker
    // counting as blanks.
    TFound findFirstStart(const QString &text, int offset, int php) const;
    // The PHP blocks of the line from offset on, up to the first that stays
    // open past the line.
    QList<TPhpBlock> phpBlocks(const QString &text, int offset, int php) const;
    // text with the closed blocks blanked out, cut off where a block stays
    // open.
    static QString blanked(const QString &text, const QList<TPhpBlock> &blocks);
    // The markers of a start marker that holds PHP blocks: its first part
    // opens the scheme, each block opens and closes PHP, the parts between
    // and after them are pieces of the marker.
    static void addStartAroundPhp(QList<TSynMarker> &markers, const TFound &found, const QString &text, int php);
    // The first usable scheme that opens with the PHP open tag; -1 if none.
    int phpScheme() const;
    // Whether a PHP block may open inside the scheme: any scheme but PHP's.
    bool holdsPhp(int index, int php) const;

    mutable QHash<const TScheme *, TCompiledScheme> m_compiled;
};
