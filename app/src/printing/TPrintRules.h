#pragma once

#include <QString>
#include <optional>

// The text rules of the print dialogs, kept apart from the widgets.
class TPrintRules
{
public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 1600;

    // The copies field: a number of at least 1; anything else (empty, text,
    // zero) prints one copy.
    static int ParseCopies(const QString &text);
    // The zoom box: "%" signs removed and blanks trimmed, a whole number from
    // MinZoom to MaxZoom is the scale in percent; nullopt leaves it unchanged.
    static std::optional<int> ParseZoom(const QString &text);
    // "Talvex Studio Druckvorschau - <name without folder> - Seite <page> von <count>".
    static QString PreviewCaption(const QString &fileName, int page, int pageCount);
    // Every tab replaced by tabWidth blanks (the preview's text).
    static QString ExpandTabs(const QString &text, int tabWidth);

    // Which navigation buttons of the preview may be used on a page (1-based).
    struct TNavigation {
        bool first = false;
        bool previous = false;
        bool next = false;
        bool last = false;
    };
    static TNavigation Navigation(int page, int pageCount);
};
