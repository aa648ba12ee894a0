#include "plugins/TVYRAItemBarExtensions.h"

#include "container/TVYRADocumentContainer.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "plugins/TVYRAPluginEvents.h"
#include "utils/XmlNodes.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <pugixml.hpp>

namespace {

TVYRAItemBarExtensionItem readButton(const pugi::xml_node &button, const TVYRACore &core)
{
    TVYRAItemBarExtensionItem item;
    item.Hint = GetNodeText(button, QStringLiteral("hint"));
    // atInsertText is the only action; every other name falls back to it.
    item.Content = GetNodeText(button.child("action"), QStringLiteral("content"));
    const pugi::xml_node icon = button.child("icon");
    if (!icon)
        return item;
    const QString type = GetNodeAttributeText(icon, QStringLiteral("type"));
    item.IconType = type.compare(QLatin1String("iitExternalIcon"), Qt::CaseInsensitive) == 0
        ? TVYRAItemBarIconType::iitExternalIcon
        : TVYRAItemBarIconType::iitImageIndex;
    QString file = GetNodeAttributeText(icon, QStringLiteral("resourcefilename"));
    file.replace(QStringLiteral("%appdir%"), core.GetAppDir(), Qt::CaseInsensitive);
    file.replace(QStringLiteral("%datadir%"), core.GetAppDataDir(), Qt::CaseInsensitive);
    item.IconFile = file;
    item.IconIndex = ParseNodeInt(GetNodeAttributeText(icon, QStringLiteral("iconindex"), QStringLiteral("0")))
                         .value_or(0);
    return item;
}

// The icon of an existing ".ico" or ".bmp" file (magenta transparent in a
// bitmap); a null icon for anything else.
QIcon iconOf(const QString &file)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix().toLower();
    if (!info.isFile() || (suffix != QLatin1String("ico") && suffix != QLatin1String("bmp")))
        return QIcon();
    QPixmap pixmap(file);
    if (pixmap.isNull())
        return QIcon();
    if (suffix == QLatin1String("bmp"))
        pixmap.setMask(pixmap.createMaskFromColor(QColor(0xFF, 0x00, 0xFF)));
    return QIcon(pixmap);
}

} // namespace

TVYRAItemBarExtensions::TVYRAItemBarExtensions(TVYRACore &core)
    : m_core(core)
{
}

std::unique_ptr<TVYRAItemBarExtensions> TVYRAItemBarExtensions::LoadItemBarExtensions(TVYRACore &core)
{
    const QString fileName = core.UserDataDir() + QStringLiteral("itembar.xml");
    if (!QFileInfo::exists(fileName))
        return nullptr;
    auto itemBar = std::make_unique<TVYRAItemBarExtensions>(core);
    itemBar->LoadFromFile(fileName);
    itemBar->Build();
    return itemBar;
}

void TVYRAItemBarExtensions::LoadFromFile(const QString &fileName)
{
    m_bars.clear();
    pugi::xml_document document;
    if (!QFileInfo::exists(fileName) || !LoadXmlDocument(document, fileName))
        return;
    const pugi::xml_node root = document.document_element();
    if (QString::fromUtf8(root.name()) != QLatin1String("itembar"))
        return;
    int position = -1;
    for (const pugi::xml_node &page : root.children()) {
        ++position;
        if (page.type() != pugi::node_element || QString::fromUtf8(page.name()) != QLatin1String("page"))
            continue;
        TVYRAItemBarExtensionBar bar;
        bar.Position = position;
        bar.Caption = GetNodeAttributeText(page, QStringLiteral("name"));
        for (const pugi::xml_node &button : page.children("button"))
            bar.Items.push_back(readButton(button, m_core));
        m_bars.push_back(std::move(bar));
    }
}

int TVYRAItemBarExtensions::Build()
{
    const TVYRAPluginEvents &events = m_core.PluginEvents();
    QTabWidget *pages = events.OnQueryPageControl ? events.OnQueryPageControl(TVYRAPageControls::pcItemBar) : nullptr;
    if (!pages)
        return 0;
    m_toolBars.clear();
    for (int i = 0; i < int(m_bars.size()); ++i) {
        QToolBar *bar = buildBar(*pages, m_bars[size_t(i)]);
        m_toolBars.push_back(bar);
        if (events.OnToolbarAdded)
            events.OnToolbarAdded(bar);
    }
    return int(m_bars.size());
}

QToolBar *TVYRAItemBarExtensions::buildBar(QTabWidget &pages, const TVYRAItemBarExtensionBar &bar)
{
    auto *page = new QWidget(&pages);
    page->setObjectName(QStringLiteral("tbItemBarExtensionPage_%1").arg(bar.Position));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *toolBar = new QToolBar(page);
    layout->addWidget(toolBar);
    pages.setCurrentIndex(pages.addTab(page, bar.Caption));
    std::vector<QIcon> images; // the bar's own image list, in the order images were added
    for (const TVYRAItemBarExtensionItem &item : bar.Items) {
        QAction *button = toolBar->addAction(item.Hint);
        if (!item.Hint.isEmpty())
            button->setToolTip(item.Hint);
        int imageIndex = item.IconType == TVYRAItemBarIconType::iitImageIndex ? item.IconIndex : 0;
        if (item.IconType == TVYRAItemBarIconType::iitExternalIcon) {
            const QIcon icon = iconOf(item.IconFile);
            if (!icon.isNull()) {
                images.push_back(icon);
                imageIndex = int(images.size()) - 1;
            }
        }
        button->setProperty("vyraImageIndex", imageIndex);
        if (imageIndex >= 0 && imageIndex < int(images.size()))
            button->setIcon(images[size_t(imageIndex)]);
        const QString content = item.Content;
        connect(button, &QAction::triggered, this, [this, content] { insert(content); });
    }
    return toolBar;
}

void TVYRAItemBarExtensions::insert(const QString &content)
{
    TVYRADocumentContainer *container = m_core.Container();
    if (!container || !container->CanEditDocuments())
        return;
    if (std::unique_ptr<TVYRAEditor> editor = container->GetEditor(container->GetActiveDocumentIndex()))
        editor->InsertText(content, true);
}

QToolBar *TVYRAItemBarExtensions::ToolBar(int index) const
{
    return index >= 0 && index < int(m_toolBars.size()) ? m_toolBars[size_t(index)].data() : nullptr;
}
