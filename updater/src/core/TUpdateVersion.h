#pragma once

#include <QString>

// How an installed file stands against the version the update list names.
enum class TVersionOrder { Newer, Same, Older };

struct TVersionComparison {
    TVersionOrder order = TVersionOrder::Same;
    QString error; // set when a version is not made of up to four numbers
    bool ok() const { return error.isEmpty(); }
};

// Compares installed against listed. Newer means the list brings a newer one.
// Only listed empty: older; only installed empty: newer; both empty: same.
// Otherwise up to four dot-separated numbers are compared in order (missing
// parts count as 0), numerically: 1.2.3.4 is older than 1.2.10.0.
TVersionComparison CompareVersions(const QString &installed, const QString &listed);

// The four-part version of one of our binaries; empty for any other file.
QString InstalledVersion(const QString &fileName);
