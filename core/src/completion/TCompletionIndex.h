#pragma once

#include "vyra_export.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// The completion texts of one item list in case-folded order, so that the
// items starting with a prefix are found by binary search instead of a walk
// over a catalogue of thousands of functions.
class VYRA_EXPORT TCompletionIndex
{
public:
    // texts[i] is what item i inserts.
    explicit TCompletionIndex(const QStringList &texts);

    // Indexes of the items whose text starts with prefix (any case), in the
    // index's order, at most limit of them (negative: all); every item for
    // an empty prefix.
    QList<int> Matching(const QString &prefix, int limit = -1) const;
    int Count() const { return int(m_keys.size()); }

private:
    std::vector<std::pair<QString, int>> m_keys;
};
