#include "settings/TFileTypesPage.h"

#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "settings/TCustomizeFileTypes.h"
#include "settings/TFileTypeEditor.h"
#include "ui/TPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFileTypesPage::TFileTypesPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_tree(new QTreeWidget(this))
{
    m_tree->setHeaderLabels({QStringLiteral("Dateityp"), QStringLiteral("Standard-Syntaxhervorhebung")});
    m_tree->setRootIsDecorated(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto *customizeButton = new QPushButton(QStringLiteral("Benutzerdefinierte Dateitypen anpassen..."), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Dateitypen anpassen"), this));
    layout->addWidget(m_tree);
    layout->addWidget(customizeButton, 0, Qt::AlignLeft);
    connect(customizeButton, &QPushButton::clicked, this, &TFileTypesPage::customize);
}

void TFileTypesPage::Load()
{
    m_chosen.clear();
    m_tree->clear();
    TVYRAExtensions *extensions = m_core.Extensions();
    TIHighlighters *highlighters = m_core.Highlighters();
    if (!extensions || !highlighters)
        return;
    for (int g = 0; g < extensions->GetCount(); ++g) {
        TVYRAExtensionGroup *group = extensions->GetGroup(g);
        auto *item = new QTreeWidgetItem(m_tree, {group->GetName()});
        auto *box = new QComboBox(m_tree);
        for (int h = 0; h < highlighters->GetHighlighterCount(); ++h)
            box->addItem(highlighters->GetHighlighter(h)->LongName(), h);
        box->setCurrentIndex(qMax(0, highlighters->IndexOfEntry(*(group->DefaultHighlighter
                                                                      ? group->DefaultHighlighter
                                                                      : highlighters->DefaultHighlighter()))));
        m_tree->setItemWidget(item, 1, box);
        connect(box, &QComboBox::activated, this, [this, group, box, highlighters] {
            ChooseHighlighter(group, highlighters->GetHighlighter(box->currentData().toInt()));
        });
    }
}

void TFileTypesPage::ChooseHighlighter(TVYRAExtensionGroup *group, TIHighlighter *highlighter)
{
    if (!group || !highlighter)
        return;
    m_chosen.insert(group, highlighter);
    emit changed();
}

void TFileTypesPage::Apply()
{
    TVYRAExtensions *extensions = m_core.Extensions();
    if (!extensions || m_chosen.isEmpty())
        return;
    bool customChanged = false;
    for (auto it = m_chosen.cbegin(); it != m_chosen.cend(); ++it) {
        // Only groups still registered: the user may have removed one meanwhile.
        if (extensions->IndexOf(it.key()) < 0)
            continue;
        it.key()->DefaultHighlighter = it.value();
        customChanged = customChanged || it.key()->GroupType == egtCustom;
    }
    m_chosen.clear();
    if (customChanged)
        TFileTypeEditor(*extensions, QDir(m_core.UserDataDir()).filePath(QStringLiteral("customfiletypes.xml")),
                        TPrompter::instance())
            .SaveCustomTypes();
}

void TFileTypesPage::customize()
{
    if (!m_core.Extensions())
        return;
    TCustomizeFileTypes dialog(m_core, this);
    dialog.exec();
    Load();
}
