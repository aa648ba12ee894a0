#include "php/TPHPMethod.h"

#include "php/TPHPDeclarationScanner.h"
#include "php/TPHPLexer.h"

TPHPMethod::TPHPMethod(TPHPCustomClass *parent, const QString &sourceText, int32_t offset, bool parse)
    : TPHPEntity(parent, sourceText, offset)
{
    if (!parse || sourceText.isEmpty())
        return;
    const QString mask = TPHPLexer::CodeMask(sourceText, false);
    TPHPDeclarations found = TPHPDeclarationScanner(sourceText, mask, offset, parent).Run();
    if (found.Functions.empty())
        return;
    const TPHPMethod &f = *found.Functions.front();
    Name = f.Name;
    Namespace = f.Namespace;
    Declaration = f.Declaration;
    ReturnType = f.ReturnType;
    Body = f.Body;
    BodyStart = f.BodyStart;
    BodyEnd = f.BodyEnd;
    Parameters = f.Parameters;
    ByReference = f.ByReference;
    NameOffset = f.NameOffset;
}

void TPHPMethod::ParseParameters(const QString &text)
{
    Parameters.clear();
    const QString list = u'(' + text + u')';
    const QString mask = TPHPLexer::CodeMask(list, false);
    // Split at the commas outside brackets and literals.
    int depth = 0;
    qsizetype from = 1;
    for (qsizetype i = 1; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (c == u'(' || c == u'[' || c == u'{') {
            ++depth;
        } else if ((c == u')' || c == u']' || c == u'}') && depth > 0) {
            --depth;
        } else if ((c == u',' && depth == 0) || i == mask.size() - 1) {
            const QString parameter = list.mid(from, i - from).trimmed();
            if (!parameter.isEmpty())
                Parameters.append(parameter);
            from = i + 1;
        }
    }
}
