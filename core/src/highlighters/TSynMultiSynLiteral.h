#pragma once

#include "editor/TSynMultiSyn.h"

// The core's own multi-highlighter: a scheme's start and end expressions are
// taken as plain text. The program replaces it by its regular-expression
// multi-highlighter.
class VYRA_EXPORT TSynMultiSynLiteral : public TSynMultiSyn
{
public:
    using TSynMultiSyn::TSynMultiSyn;

protected:
    QList<TSynMarker> scanMarkers(QStringView line, const TLineState &state) const override;
};
