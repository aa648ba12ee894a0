#include "settings/TCustomizeFileTypes.h"

#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "filetypes/TVYRAFileExtension.h"
#include "framework/TVYRACore.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TCustomizeFileTypes::TCustomizeFileTypes(TVYRACore &core, QWidget *parent)
    : QDialog(parent)
    , m_core(core)
    , m_editor(*core.Extensions(), QDir(core.UserDataDir()).filePath(QStringLiteral("customfiletypes.xml")),
               TPrompter::instance())
    , m_groups(new QListWidget(this))
    , m_name(new QLineEdit(this))
    , m_binary(new QCheckBox(QStringLiteral("Gruppe enthält binäre Dateitypen"), this))
    , m_extensions(new QListWidget(this))
    , m_identifier(new QLineEdit(this))
    , m_description(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Benutzerdefinierte Dateitypen anpassen"));
    m_identifier->setReadOnly(true);
    auto *newGroup = new QPushButton(QStringLiteral("Neu..."), this);
    auto *removeGroup = new QPushButton(QStringLiteral("Entfernen"), this);
    auto *newExtension = new QPushButton(QStringLiteral("Neu..."), this);
    auto *removeExtension = new QPushButton(QStringLiteral("Entfernen"), this);
    auto *saveGroup = new QPushButton(QStringLiteral("Gruppe speichern"), this);

    auto *left = new QVBoxLayout;
    left->addWidget(m_groups);
    auto *groupButtons = new QHBoxLayout;
    groupButtons->addWidget(newGroup);
    groupButtons->addWidget(removeGroup);
    left->addLayout(groupButtons);

    auto *right = new QFormLayout;
    right->addRow(QStringLiteral("Gruppename:"), m_name);
    right->addRow(m_binary);
    right->addRow(m_extensions);
    auto *extensionButtons = new QHBoxLayout;
    extensionButtons->addWidget(newExtension);
    extensionButtons->addWidget(removeExtension);
    right->addRow(extensionButtons);
    right->addRow(QStringLiteral("Erweiterung (z.B. txt)"), m_identifier);
    right->addRow(QStringLiteral("Name der Erweiterung (Optional)"), m_description);
    right->addRow(saveGroup);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 2);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(close);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_groups, &QListWidget::currentRowChanged, this, &TCustomizeFileTypes::showGroup);
    connect(m_extensions, &QListWidget::currentRowChanged, this, &TCustomizeFileTypes::showExtension);
    connect(m_description, &QLineEdit::textEdited, this, &TCustomizeFileTypes::takeDescription);
    connect(newGroup, &QPushButton::clicked, this, [this] {
        TVYRAExtensionGroup *group = m_editor.NewGroup();
        showGroups();
        m_groups->setCurrentRow(int(m_shown.indexOf(group)));
    });
    connect(removeGroup, &QPushButton::clicked, this, [this] {
        if (m_editor.RemoveGroup(CurrentGroup()))
            showGroups();
    });
    connect(newExtension, &QPushButton::clicked, this, [this] {
        if (TVYRAExtensionGroup *group = CurrentGroup(); group && m_editor.AskNewExtension(*group)) {
            showGroup();
            m_extensions->setCurrentRow(group->GetCount() - 1);
        }
    });
    connect(removeExtension, &QPushButton::clicked, this, [this] {
        if (TVYRAExtensionGroup *group = CurrentGroup(); group && m_editor.RemoveExtension(*group, m_extensions->currentRow()))
            showGroup();
    });
    connect(saveGroup, &QPushButton::clicked, this, &TCustomizeFileTypes::SaveGroup);
    showGroups();
}

TVYRAExtensionGroup *TCustomizeFileTypes::CurrentGroup() const
{
    const int row = m_groups->currentRow();
    return row >= 0 && row < m_shown.size() ? m_shown.at(row) : nullptr;
}

void TCustomizeFileTypes::SaveGroup()
{
    if (m_editor.SaveGroup(CurrentGroup(), m_name->text(), m_binary->isChecked()))
        showGroups();
}

void TCustomizeFileTypes::showGroups()
{
    TVYRAExtensionGroup *current = CurrentGroup();
    m_shown.clear();
    const QSignalBlocker block(m_groups);
    m_groups->clear();
    const TVYRAExtensions &extensions = *m_core.Extensions();
    for (int i = 0; i < extensions.GetCount(); ++i) {
        if (extensions.GetGroup(i)->GroupType != egtCustom)
            continue;
        m_shown << extensions.GetGroup(i);
        m_groups->addItem(extensions.GetGroup(i)->Name);
    }
    m_groups->setCurrentRow(int(m_shown.indexOf(current)));
    showGroup();
}

void TCustomizeFileTypes::showGroup()
{
    const TVYRAExtensionGroup *group = CurrentGroup();
    m_name->setText(group ? group->Name : QString());
    m_binary->setChecked(group && group->IsBinary);
    const QSignalBlocker block(m_extensions);
    m_extensions->clear();
    for (int i = 0; group && i < group->GetCount(); ++i)
        m_extensions->addItem(group->GetItem(i)->Identifier);
    showExtension();
}

void TCustomizeFileTypes::showExtension()
{
    const TVYRAExtensionGroup *group = CurrentGroup();
    const TVYRAFileExtension *pattern = group ? group->GetItem(m_extensions->currentRow()) : nullptr;
    m_identifier->setText(pattern ? pattern->Identifier.mid(2) : QString());
    m_description->setText(pattern ? pattern->Description : QString());
}

void TCustomizeFileTypes::takeDescription()
{
    const TVYRAExtensionGroup *group = CurrentGroup();
    if (TVYRAFileExtension *pattern = group ? group->GetItem(m_extensions->currentRow()) : nullptr)
        pattern->Description = m_description->text();
}
