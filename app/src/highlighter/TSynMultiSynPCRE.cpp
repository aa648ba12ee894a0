#include "highlighter/TSynMultiSynPCRE.h"

#include "editor/TSynPHPSyn.h"
#include "php/TPHPComments.h"
#include "regex/RegexCreate.h"
#include "regex/RegexExceptions.h"

namespace {

// The whole open tag is the marker: "<?php" (followed by white space or the
// line end), "<?=" or the short "<?".
const QString kPhpOpenPattern = QStringLiteral("<\\?(?:=|(?i:php)(?=\\s|$))?");
const QString kPhpClosePattern = QStringLiteral("\\?>");
// How far past a PHP open tag the start marker of a block holding it may
// reach ("<script ... id="tmpl-<?php ... ?>-content">").
constexpr int kStartTagReach = 2000;

// The text from a position on, without copying it: the patterns and the
// comment index look at the rest of a long line many times.
QString tail(const QString &text, int from)
{
    return QString::fromRawData(text.constData() + from, text.size() - from);
}

std::shared_ptr<IRegex> compileQuietly(const QString &pattern, bool caseSensitive)
{
    if (pattern.isEmpty())
        return nullptr;
    try {
        TRegCompileOptions options;
        if (!caseSensitive)
            options |= TRegCompileOption::rcoIgnoreCase;
        return RegexCreate(pattern, options);
    } catch (...) {
        return nullptr;
    }
}

// Strings and block comments hide a close tag; a line comment does not, as
// PHP ends a line comment at "?>".
bool hiddenInPhp(TPHPComments &comments, int pos, int length)
{
    comments.ParseTo(pos + length);
    for (int i = 0; i < comments.GetCommentCount(); ++i) {
        const TPHPComment &entry = comments.GetComments(i);
        if (entry.Start <= pos && pos + length <= entry.End())
            return !entry.IsLineComment;
        if (entry.Start > pos)
            break;
    }
    return false;
}

} // namespace

TSynMultiSynPCRE::TSynMultiSynPCRE(QString name, QString longName)
    : TSynMultiSyn(std::move(name), std::move(longName))
{
}

TSynMultiSynPCRE::~TSynMultiSynPCRE() = default;

void TSynMultiSynPCRE::checkExpression(const QString &expr) const
{
    if (expr.isEmpty() || expr == QLatin1String(PhpStartExpr) || expr == QLatin1String(PhpEndExpr))
        return;
    try {
        RegexCreate(expr);
    } catch (const ERegexException &e) {
        throw ERegexException(QStringLiteral("Regular Expression \"%1\" invalid.\r\nError details: %2.")
                                  .arg(expr, e.message()));
    }
}

void TSynMultiSynPCRE::schemeChanged(const TScheme &scheme)
{
    m_compiled.remove(&scheme);
    compiled(scheme);
}

const TSynMultiSynPCRE::TCompiledScheme &TSynMultiSynPCRE::compiled(const TScheme &scheme) const
{
    auto it = m_compiled.find(&scheme);
    if (it != m_compiled.end() && it->startExpr == scheme.startExpr() && it->endExpr == scheme.endExpr()
        && it->caseSensitive == scheme.caseSensitive())
        return *it;
    TCompiledScheme entry{scheme.startExpr(), scheme.endExpr(), scheme.caseSensitive(), nullptr, nullptr};
    const bool phpStart = scheme.startExpr() == QLatin1String(PhpStartExpr);
    const bool phpEnd = scheme.endExpr() == QLatin1String(PhpEndExpr);
    entry.start = compileQuietly(phpStart ? kPhpOpenPattern : scheme.startExpr(), phpStart || scheme.caseSensitive());
    entry.end = compileQuietly(phpEnd ? kPhpClosePattern : scheme.endExpr(), phpEnd || scheme.caseSensitive());
    return *m_compiled.insert(&scheme, entry);
}

bool TSynMultiSynPCRE::findStart(const TScheme &scheme, const QString &text, int offset, int &index,
                                 int &length) const
{
    const auto &pattern = compiled(scheme).start;
    if (!pattern)
        return false;
    // The text before a PHP block is not PHP, so a start is never checked
    // against PHP strings and comments.
    const std::shared_ptr<IMatch> match = pattern->Match(tail(text, offset));
    if (!match || !match->Success())
        return false;
    index = offset + match->Index();
    length = match->Length();
    return true;
}

bool TSynMultiSynPCRE::findEnd(const TScheme &scheme, const QString &text, int offset, const QString &lead,
                               int blockStart, int &index, int &length) const
{
    const auto &pattern = compiled(scheme).end;
    if (!pattern)
        return false;
    const QString rest = tail(text, offset);
    if (scheme.endExpr() != QLatin1String(PhpEndExpr)) {
        const std::shared_ptr<IMatch> match = pattern->Match(rest);
        if (!match || !match->Success())
            return false;
        index = offset + match->Index();
        length = match->Length();
        return true;
    }
    // The comment index covers the PHP code only and is read only as far as
    // the close tag looked at; a hidden close tag is skipped for the next one.
    TPHPComments comments;
    comments.SetSource(lead.isEmpty() ? tail(text, blockStart) : lead + text.mid(blockStart));
    const int phpShift = int(lead.size()) - blockStart;
    for (int from = 0; from <= rest.size();) {
        const std::shared_ptr<IMatch> match = pattern->Match(rest, from);
        if (!match || !match->Success())
            return false;
        const int at = offset + match->Index();
        if (!hiddenInPhp(comments, at + phpShift, match->Length())) {
            index = at;
            length = match->Length();
            return true;
        }
        from = match->Index() + std::max(1, match->Length());
    }
    return false;
}

QString TSynMultiSynPCRE::carriedOpener(const TLineState &state) const
{
    if (state.scheme < 0 || state.scheme >= schemeCount()
        || !dynamic_cast<const TSynPHPSyn *>(scheme(state.scheme).highlighter()))
        return {};
    switch (state.range.kind) {
    case TSynPHPSyn::rkComment:
    case TSynPHPSyn::rkDocComment: return QStringLiteral("/*");
    case TSynPHPSyn::rkString: return QStringLiteral("\"");
    case TSynPHPSyn::rkSingle: return QStringLiteral("'");
    case TSynPHPSyn::rkBacktick: return QStringLiteral("`");
    case TSynPHPSyn::rkHeredoc: return QStringLiteral("<<<") + state.range.label + u'\n';
    case TSynPHPSyn::rkNowdoc: return QStringLiteral("<<<'") + state.range.label + QStringLiteral("'\n");
    default: return {};
    }
}

int TSynMultiSynPCRE::phpScheme() const
{
    for (int i = 0; i < schemeCount(); ++i) {
        if (scheme(i).startExpr() == QLatin1String(PhpStartExpr) && scheme(i).isUsable())
            return i;
    }
    return -1;
}

bool TSynMultiSynPCRE::holdsPhp(int index, int php) const
{
    return php >= 0 && index != php && !dynamic_cast<const TSynPHPSyn *>(scheme(index).highlighter());
}

QList<TSynMultiSynPCRE::TPhpBlock> TSynMultiSynPCRE::phpBlocks(const QString &text, int offset, int php) const
{
    QList<TPhpBlock> blocks;
    TPhpBlock block;
    while (offset < text.size() && findStart(scheme(php), text, offset, block.open, block.openLength)) {
        const int code = block.open + block.openLength;
        if (!findEnd(scheme(php), text, code, QString(), code, block.close, block.closeLength)) {
            block.close = -1;
            blocks.append(block);
            break;
        }
        blocks.append(block);
        offset = block.close + block.closeLength;
        if (block.openLength == 0 || block.closeLength == 0)
            break;
    }
    return blocks;
}

TSynMultiSynPCRE::TFound TSynMultiSynPCRE::findFirstStart(const QString &text, int offset, int php) const
{
    TFound found;
    for (int i = 0; i < schemeCount() && found.scheme < 0; ++i) {
        if (scheme(i).isUsable() && findStart(scheme(i), text, offset, found.index, found.length)) {
            found.scheme = i;
            found.opens = true;
        }
    }
    if (found.scheme < 0 || found.scheme != php)
        return found;
    // PHP opens inside the other schemes as well, so one whose start marker
    // begins before the PHP open tag opens first ("<script>" and PHP later on
    // the same line). Its marker may hold whole PHP blocks ("<style<?php echo
    // $type; ?>>"): they are matched again as blanks, as if they printed
    // attributes. Only the text a start tag can reach is looked at.
    const QString reach = QString::fromRawData(text.constData(), std::min<qsizetype>(text.size(), found.index + kStartTagReach));
    QList<TPhpBlock> blocks;
    QString masked;
    for (int i = 0; i < schemeCount(); ++i) {
        TFound before;
        if (i == php || !scheme(i).isUsable() || !holdsPhp(i, php)
            || !findStart(scheme(i), reach, offset, before.index, before.length) || before.index >= found.index)
            continue;
        if (before.index + before.length > found.index) {
            if (masked.isNull()) {
                blocks = phpBlocks(reach, offset, php);
                masked = blanked(reach, blocks);
            }
            if (!findStart(scheme(i), masked, offset, before.index, before.length) || before.index >= found.index)
                continue;
        }
        const int end = before.index + before.length;
        for (const TPhpBlock &block : blocks) {
            if (block.close < 0 || block.open >= end)
                break;
            if (end < block.close + block.closeLength) // ends inside the block
                return found;
            before.inside.append(block);
        }
        before.scheme = i;
        before.opens = true;
        return before;
    }
    return found;
}

QString TSynMultiSynPCRE::blanked(const QString &text, const QList<TPhpBlock> &blocks)
{
    QString result = text;
    for (const TPhpBlock &block : blocks) {
        if (block.close < 0) {
            result.truncate(block.open);
            break;
        }
        const int length = block.close + block.closeLength - block.open;
        result.replace(block.open, length, QString(length, u' '));
    }
    return result;
}

void TSynMultiSynPCRE::addStartAroundPhp(QList<TSynMarker> &markers, const TFound &found, const QString &text,
                                         int php)
{
    const QStringView view(text);
    int pos = found.index;
    for (const TPhpBlock &block : found.inside) {
        if (pos == found.index)
            addMarker(markers, found.scheme, pos, block.open - pos, view.mid(pos, block.open - pos), true);
        else if (block.open > pos)
            addMarkerPiece(markers, found.scheme, pos, block.open - pos, view.mid(pos, block.open - pos));
        addMarker(markers, php, block.open, block.openLength, view.mid(block.open, block.openLength), true);
        addMarker(markers, php, block.close, block.closeLength, view.mid(block.close, block.closeLength), false);
        pos = block.close + block.closeLength;
    }
    const int end = found.index + found.length;
    if (end > pos)
        addMarkerPiece(markers, found.scheme, pos, end - pos, view.mid(pos, end - pos));
}

QList<TSynMarker> TSynMultiSynPCRE::scanMarkers(QStringView line, const TLineState &state) const
{
    QList<TSynMarker> markers;
    const QString text = line.toString();
    // PHP runs before anything else reads the page, so a PHP block may open
    // inside any other scheme; that scheme goes on after the block.
    const int php = phpScheme();
    int offset = 0;
    int open = state.scheme;
    int suspended = state.suspendedScheme;
    // A string or comment still open from the line before hides close tags
    // in this line as well.
    const QString opener = carriedOpener(state);
    int blockStart = 0; // where the open scheme's text starts in this line
    // The end of a scheme that holds PHP blocks, once searched for from a
    // place, stays where it is while the blocks inside are passed.
    TFound holderEnd; // scheme < 0: none in the rest of the line
    int holder = -1;
    while (offset < text.size()) {
        TFound found;
        try {
            if (open < 0) {
                found = findFirstStart(text, offset, php);
            } else if (open == holder && (holderEnd.scheme < 0 || holderEnd.index >= offset)) {
                found = holderEnd;
            } else {
                if (findEnd(scheme(open), text, offset, blockStart == 0 ? opener : QString(), blockStart, found.index,
                            found.length))
                    found.scheme = open;
                if (holdsPhp(open, php)) {
                    holder = open;
                    holderEnd = found;
                }
            }
            if (open >= 0) {
                TFound inner;
                if (holdsPhp(open, php) && findStart(scheme(php), text, offset, inner.index, inner.length)
                    && (found.scheme < 0 || inner.index < found.index)) {
                    found = inner;
                    found.scheme = php;
                    found.opens = true;
                }
            }
        } catch (...) {
            // A pattern that fails while matching counts as no match.
            found = {};
        }
        if (found.scheme < 0)
            break;
        if (!found.inside.isEmpty()) {
            addStartAroundPhp(markers, found, text, php);
            offset = found.index + found.length;
            open = found.scheme;
            suspended = -1;
            blockStart = offset;
            continue;
        }
        addMarker(markers, found.scheme, found.index, found.length, QStringView(text).mid(found.index, found.length),
                  found.opens);
        offset = found.index + found.length;
        if (found.opens) {
            suspended = open;
            open = found.scheme;
        } else {
            open = suspended;
            suspended = -1;
        }
        blockStart = offset;
        // A match that consumes nothing would be found again at the same place.
        if (found.length == 0)
            break;
    }
    return markers;
}

TMultiHighlighterFactory TSynMultiSynPCRE::factory()
{
    return [](const QString &name, const QString &longName) -> std::unique_ptr<TSynMultiSyn> {
        return std::make_unique<TSynMultiSynPCRE>(name, longName);
    };
}
