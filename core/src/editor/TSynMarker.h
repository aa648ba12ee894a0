#pragma once

#include <QString>

// A scheme's start or end found in a line: 0-based character offset into the
// line, length and the matched text.
struct TSynMarker
{
    int scheme = -1;
    int start = 0;
    int length = 0;
    QString text;
    bool isOpenMarker = true;
};
