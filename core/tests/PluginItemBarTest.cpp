#include "PluginTestHost.h"
#include "facade/TVYRAEditor.h"
#include "plugins/TVYRAItemBarExtensions.h"

#include <QImage>
#include <QTabWidget>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

struct ItemBarHost : PluginTestHost {
    QTabWidget pages{&window};
    QList<QToolBar *> added;

    ItemBarHost()
    {
        TVYRAPluginEvents &events = core->PluginEvents();
        events.OnQueryPageControl = [this](TVYRAPageControls which) {
            return which == TVYRAPageControls::pcItemBar ? &pages : nullptr;
        };
        events.OnToolbarAdded = [this](QToolBar *bar) { added << bar; };
    }
    QString itemBarFile() const { return core->UserDataDir() + QStringLiteral("itembar.xml"); }
    void writeItemBar(const QByteArray &xml) const { TestSupport::writeFile(itemBarFile(), xml); }
};

const QByteArray TwoPages = R"(<?xml version="1.0" encoding="UTF-8"?>
<itembar>
  <page name="HTML">
    <button><hint>Absatz</hint><action><type>atInsertText</type><content>&lt;p&gt;%cursor%&lt;/p&gt;</content></action>
      <icon type="iitImageIndex" iconindex="3"/></button>
    <button><hint></hint><action><type>atUnknown</type><content>&amp;nbsp;</content></action></button>
  </page>
  <note/>
  <page name="Bilder">
    <button><hint>Bild</hint><action><content>img</content></action>
      <icon type="iitExternalIcon" resourcefilename="%appdir%pic.bmp"/></button>
    <button><hint>Fehlt</hint><action><content>x</content></action>
      <icon type="iitExternalIcon" resourcefilename="%datadir%missing.ico"/></button>
  </page>
</itembar>
)";

} // namespace

TEST(ItemBar, PagesAndButtonsFollowTheFile)
{
    ItemBarHost host;
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::magenta);
    ASSERT_TRUE(bitmap.save(host.core->GetAppDir() + "pic.bmp", "BMP"));
    host.writeItemBar(TwoPages);

    const std::unique_ptr<TVYRAItemBarExtensions> itemBar = TVYRAItemBarExtensions::LoadItemBarExtensions(*host.core);
    ASSERT_TRUE(itemBar);
    ASSERT_EQ(host.pages.count(), 2);
    EXPECT_EQ(host.pages.widget(0)->objectName(), "tbItemBarExtensionPage_0");
    EXPECT_EQ(host.pages.widget(1)->objectName(), "tbItemBarExtensionPage_2") << "numbered among all children";
    EXPECT_EQ(host.pages.tabText(1), "Bilder");
    EXPECT_EQ(host.pages.currentIndex(), 1) << "the page made last is active";
    EXPECT_EQ(host.added.size(), 2);

    const TVYRAItemBarExtensionBar &html = itemBar->Bars()[0];
    EXPECT_EQ(html.Items[0].Content, "<p>%cursor%</p>");
    EXPECT_EQ(html.Items[0].IconIndex, 3);
    EXPECT_EQ(html.Items[1].ActionType, TVYRAActionType::atInsertText) << "unknown action types insert text";
    EXPECT_EQ(html.Items[1].IconIndex, 0) << "no icon element: image 0";
    const TVYRAItemBarExtensionBar &pictures = itemBar->Bars()[1];
    EXPECT_EQ(pictures.Items[0].IconFile, host.core->GetAppDir() + "pic.bmp");
    EXPECT_EQ(pictures.Items[1].IconFile, host.core->GetAppDataDir() + "missing.ico");

    QToolBar *bar = itemBar->ToolBar(1);
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_FALSE(bar->actions()[0]->icon().isNull()) << "an existing bitmap becomes the button's image";
    EXPECT_EQ(bar->actions()[0]->property("vyraImageIndex").toInt(), 0);
    EXPECT_EQ(bar->actions()[1]->property("vyraImageIndex").toInt(), 0) << "a missing file shows image 0";
    EXPECT_FALSE(bar->actions()[1]->icon().isNull()) << "which is the bitmap added before it";
    EXPECT_EQ(itemBar->ToolBar(0)->actions()[0]->toolTip(), "Absatz");

    // A click inserts the content into the active document.
    itemBar->ToolBar(0)->actions()[0]->trigger(); // no document: nothing happens
    host.container->NewDocument();
    std::unique_ptr<TVYRAEditor> editor = host.container->GetEditor(0);
    editor->SetText("ab");
    itemBar->ToolBar(0)->actions()[0]->trigger();
    EXPECT_EQ(editor->GetText(), "<p></p>ab");
}

TEST(ItemBar, NothingIsBuiltWithoutFileRootOrPageControl)
{
    ItemBarHost host;
    EXPECT_EQ(TVYRAItemBarExtensions::LoadItemBarExtensions(*host.core), nullptr) << "no file";

    host.writeItemBar("<toolbar><page name=\"X\"/></toolbar>");
    EXPECT_TRUE(TVYRAItemBarExtensions::LoadItemBarExtensions(*host.core)->Bars().empty()) << "wrong root";
    EXPECT_EQ(host.pages.count(), 0);

    host.writeItemBar("<itembar><page name=\"X\"><button><hint>h</hint></button></page><page name=\"Y\">");
    EXPECT_EQ(host.pages.count(), 0) << "a damaged file builds nothing and does not throw";
    EXPECT_NO_THROW(TVYRAItemBarExtensions::LoadItemBarExtensions(*host.core));

    host.writeItemBar("<itembar><page name=\"X\"/></itembar>");
    host.core->PluginEvents().OnQueryPageControl = nullptr;
    TVYRAItemBarExtensions itemBar(*host.core);
    itemBar.LoadFromFile(host.itemBarFile());
    EXPECT_EQ(itemBar.Bars().size(), 1u);
    EXPECT_EQ(itemBar.Build(), 0) << "no page control from the host";
    EXPECT_EQ(host.pages.count(), 0);
}
