#pragma once

#include <QStringList>

class TVYRAExtensions;

// Which files the explorer's file list shows. With every type shown, all
// files; otherwise only files whose "*" + extension is a pattern of the
// file-type list, compared without regard to case.
class TExplorerFileFilter
{
public:
    // The name filters for the list model. Empty means every file. Only
    // plain "*.ext" patterns can stand for "*" + extension, so patterns with
    // further dots or wildcards are left out; when nothing is left, a filter
    // that no file name can match keeps the list empty.
    static QStringList NameFilters(const TVYRAExtensions *extensions, bool showAllTypes);
};
