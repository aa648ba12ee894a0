#pragma once

#include "generators/THtmlElementFinder.h"
#include "generators/TImageOptions.h"
#include "generators/TLinkOptions.h"
#include "generators/TMetaTagOptions.h"
#include "generators/TTableOptions.h"

// Reads the generators' field values back from an element found in the text.
class TGeneratorElements
{
public:
    // Rows and columns as the element has them (the first row's cells).
    static TTableOptions Table(const THtmlElementFinder::TElement &table);
    static TMetaTagOptions Meta(const THtmlElementFinder::TElement &block);
    static TLinkOptions Link(const THtmlElementFinder::TElement &link);
    static TImageOptions Image(const THtmlElementFinder::TElement &image);
    // The four side values (top, right, bottom, left) of a CSS shorthand value.
    static std::array<QString, 4> SideValues(const QString &value);
};
