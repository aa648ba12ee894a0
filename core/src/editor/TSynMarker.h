#pragma once

#include <QString>

// A scheme's start or end found in a line: 0-based character offset into the
// line, length and the matched text. A piece is a further part of an open
// marker that a PHP block interrupted ("<style<?php ... ?>>"): it is drawn
// as the marker and changes no state.
struct TSynMarker
{
    int scheme = -1;
    int start = 0;
    int length = 0;
    QString text;
    bool isOpenMarker = true;
    bool isPiece = false;
};
