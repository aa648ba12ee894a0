#pragma once

#include "propertygrid/TPropertyGridItem.h"

#include <QList>
#include <QString>

class TVYRAHTMLTag;
struct TTagInspection;

// The grid rows of the tag inspector for one tag: page 0 the ordinary
// attributes, page 1 the event attributes, each with the editor of its
// kind and the value the text holds for it.
class TTagInspectorItems
{
public:
    enum TPage { tpAttributes = 0, tpEvents = 1 };

    static QList<TPropertyGridItem> Build(const TVYRAHTMLTag &tag, const TTagInspection &inspection, int page);
    static QString HeaderText(const QString &tagName);
    static QString EditingText(const QString &tagName, const QString &attribute);
    // The address of the tag's page in an HTML reference.
    static QString ReferenceUrl(const QString &tagName);

    static const QString NoTagHeader;
    static const QString NoTagHelp;
    static const QString NoTagStatus;
};
