#pragma once

#include "vyra_export.h"

#include <QString>

class TSnippetGroup;

// One code snippet: a caption, the text to insert (which may carry the caret
// marker "%cursor%") and the short text under which the template system
// expands it. A snippet belongs to at most one group, which owns it.
class VYRA_EXPORT TSnippet
{
public:
    TSnippet(QString name, QString code, QString shortcut, TSnippetGroup *group = nullptr);
    TSnippet(QString name, QString code, TSnippetGroup *group = nullptr);

    QString Name;
    QString Code;
    QString Shortcut; // empty when none

    // The group whose list holds the snippet; set by the group.
    TSnippetGroup *Group() const { return m_group; }

    // The hint the snippet panel shows: the code with the caret marker as "|"
    // and tabs as five blanks after "Snippet-Text: " and a line break, preceded
    // by the shortcut line when there is a shortcut.
    QString HintText() const;

private:
    friend class TSnippetGroup;
    TSnippetGroup *m_group = nullptr;
};
