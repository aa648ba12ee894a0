#pragma once

#include "orvane_export.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class IRegex;

// Small services several windows share: the <base href> insertion, the
// system's name, temporary files and the installed browsers.
class ORVANE_EXPORT TStudioUtils
{
public:
    using TBrowserFound = std::function<void(const QString &name, const QString &path, const QString &parameters)>;

    // The shared pattern \<head(.*)\> (ungreedy) that finds the head tag.
    static std::shared_ptr<IRegex> GetHeadRegEx();
    // After the head tag: "\r\n<base href=\"...\">\r\n"; without one the base
    // element and "\r\n" go in front of the text.
    static QString InsertBaseTag(const QString &html, const QString &baseHref);
    // A new empty private file "tmp..." in the system's temporary folder;
    // empty when it cannot be made.
    static QString CreateTempFile();
    // The system's name and kernel version, e.g. "Debian GNU/Linux 12 (bookworm), Linux 6.1.0".
    static QString GetWinVersion();
    // Reports each known browser whose program exists on the search path
    // (or in searchPath, when given) with the parameters that open a file.
    static void FindBrowsers(const TBrowserFound &found, const QStringList &searchPath = {});
};
