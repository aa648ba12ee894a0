#include "settings/TViewSettingsPage.h"

#include "settings/TTalvexStudioDockSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TTalvexStudioViewSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QStyle>
#include <QStyleFactory>

TViewSettingsPage::TViewSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_style(new QComboBox(this))
    , m_multiLine(new QCheckBox(QStringLiteral("Projekt- und Dokumentleiste mehrzeilig darstellen"), this))
    , m_reload(new QCheckBox(
          QStringLiteral("Zuletzt geöffnete Dateien und Projekte beim Start von Talvex Studio erneut laden"), this))
    , m_storePath(new QCheckBox(QStringLiteral("Letzten Pfad des Dateiexplorers speichern"), this))
{
    auto *form = new QFormLayout(this);
    form->addRow(caption(QStringLiteral("Ansicht"), this));
    form->addRow(QStringLiteral("Visueller Stil:"), m_style);
    form->addRow(m_multiLine);
    form->addRow(m_reload);
    form->addRow(m_storePath);
    for (QWidget *control : std::initializer_list<QWidget *>{m_style, m_multiLine, m_reload, m_storePath})
        watch(control);
}

void TViewSettingsPage::Load()
{
    const TTalvexStudioViewSettings &view = *m_settings.View();
    m_style->clear();
    // Empty: the desktop's own style.
    m_style->addItem(QStringLiteral("Standard"), QString());
    for (const QString &key : QStyleFactory::keys())
        m_style->addItem(key, key);
    const int current = m_style->findData(view.VisualStyle, Qt::UserRole, Qt::MatchFixedString);
    m_style->setCurrentIndex(current >= 0 ? current : 0);
    m_multiLine->setChecked(view.MultiLineDocumentBar);
    m_reload->setChecked(view.ReLoadDocsOnStartUp);
    m_storePath->setChecked(m_settings.Docks()->FileExplorerSettings()->StorePath);
}

void TViewSettingsPage::Apply()
{
    TTalvexStudioViewSettings &view = *m_settings.View();
    const QString style = m_style->currentData().toString();
    if (style != view.VisualStyle && !style.isEmpty())
        QApplication::setStyle(style);
    view.VisualStyle = style;
    view.MultiLineDocumentBar = m_multiLine->isChecked();
    view.ReLoadDocsOnStartUp = m_reload->isChecked();
    m_settings.Docks()->FileExplorerSettings()->StorePath = m_storePath->isChecked();
}
