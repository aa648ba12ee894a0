#pragma once

#include "vyra_export.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QTabWidget;
class QToolBar;
class TVYRACore;

enum class TVYRAActionType { atInsertText };
enum class TVYRAItemBarIconType { iitExternalIcon, iitImageIndex };

// One button of the item bar: inserts its text into the active document.
struct TVYRAItemBarExtensionItem {
    QString Hint;
    TVYRAActionType ActionType = TVYRAActionType::atInsertText;
    QString Content;
    TVYRAItemBarIconType IconType = TVYRAItemBarIconType::iitImageIndex;
    QString IconFile; // placeholders already replaced
    int IconIndex = 0;
};

// One page of the item bar with its buttons.
struct TVYRAItemBarExtensionBar {
    int Position = 0; // among all children of the root: names the page
    QString Caption;
    std::vector<TVYRAItemBarExtensionItem> Items;
};

// The item bar ("itembar.xml"): pages of tool bars whose buttons insert text.
// Built onto the page control the host returns for pcItemBar; without one,
// or with another root element than "itembar", nothing is built.
class VYRA_EXPORT TVYRAItemBarExtensions : public QObject
{
public:
    explicit TVYRAItemBarExtensions(TVYRACore &core);

    // What the core offers its host: reads UserDataDir + "itembar.xml" when
    // it exists and builds it; nullptr without the file.
    static std::unique_ptr<TVYRAItemBarExtensions> LoadItemBarExtensions(TVYRACore &core);

    // Reads the file into Bars; a missing or damaged file leaves what was read so far.
    void LoadFromFile(const QString &fileName);
    // Adds one page per bar to the page control; the number of pages added.
    int Build();

    const std::vector<TVYRAItemBarExtensionBar> &Bars() const { return m_bars; }
    // The tool bar of page i, nullptr before Build.
    QToolBar *ToolBar(int index) const;

private:
    QToolBar *buildBar(QTabWidget &pages, const TVYRAItemBarExtensionBar &bar);
    void insert(const QString &content);

    TVYRACore &m_core;
    std::vector<TVYRAItemBarExtensionBar> m_bars;
    std::vector<QPointer<QToolBar>> m_toolBars;
};
