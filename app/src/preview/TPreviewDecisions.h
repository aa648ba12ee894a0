#pragma once

#include <QString>
#include <QStringList>

// The rules of the previews, free of windows and processes.
class TPreviewDecisions
{
public:
    // ".php", ".phtml", ".php3", ".php4", ".php5", in any case.
    static bool IsPHPFile(const QString &fileName);
    // Whether the preview runs the document through PHP first.
    static bool GoesThroughPHP(bool previewUnknownExt, const QString &fileName);
    // The path of fileName below webRoot with "/" separators, empty when it
    // does not lie inside ("/www2/x" is not inside "/www").
    static QString PathBelow(const QString &webRoot, const QString &fileName);
    // The address of a path below the root of a web server: each segment
    // percent-encoded, "/" kept.
    static QString AddressOf(const QString &rootAddress, const QString &relativePath);
    // The browser's parameter text split into arguments as a shell would
    // (quotes group, no shell runs), with every "%filename%" in each
    // argument replaced by target.
    static QStringList BrowserArguments(const QString &parameterText, const QString &target);
};
