#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>

// Filter strings are kept in the form "Name (*.a;*.b)|*.a;*.b|Other|*.c|";
// the Qt file dialog wants "Name (*.a *.b)" entries. The description's own
// pattern list is replaced by the pair's pattern part.
VYRA_EXPORT QStringList FilterStringToQtFilters(const QString &filter);

// Fills "%s" place-holders in order ("%%" is a percent sign). False when the
// format asks for more arguments than given or holds another specifier.
VYRA_EXPORT bool FormatStrings(const QString &format, const QStringList &arguments, QString &result);
