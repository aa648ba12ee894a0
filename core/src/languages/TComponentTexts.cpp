#include "languages/TComponentTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QTabWidget>

namespace {

struct TTabPage {
    QTabWidget *tabs = nullptr;
    int index = -1;
};

// A page of a tab widget sits in the tab widget's stacked widget.
TTabPage tabPageOf(QObject *component)
{
    auto *page = qobject_cast<QWidget *>(component);
    QWidget *stack = page ? page->parentWidget() : nullptr;
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    const int index = tabs ? tabs->indexOf(page) : -1;
    return index < 0 ? TTabPage{} : TTabPage{tabs, index};
}

QLabel *buddyLabelOf(QWidget *edit, QWidget *form)
{
    if (!form)
        return nullptr;
    const QList<QLabel *> labels = form->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->buddy() == edit)
            return label;
    }
    return nullptr;
}

} // namespace

bool TComponentTexts::HasWritableString(const QObject *object, const char *property)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(property);
    if (index < 0)
        return false;
    const QMetaProperty found = meta->property(index);
    return found.isWritable() && found.metaType() == QMetaType::fromType<QString>();
}

TComponentTexts::TTarget TComponentTexts::CaptionTarget(QObject *component, QWidget *form)
{
    if (!component)
        return {};
    if (auto *edit = qobject_cast<QLineEdit *>(component)) {
        QLabel *label = buddyLabelOf(edit, form);
        return label ? TTarget{label, "text"} : TTarget{};
    }
    for (const char *property : {"text", "title"}) {
        if (HasWritableString(component, property))
            return {component, property};
    }
    if (component->isWidgetType())
        return {component, "windowTitle"};
    return {};
}

bool TComponentTexts::HasCaption(QObject *component, QWidget *form)
{
    return tabPageOf(component).tabs || CaptionTarget(component, form).object;
}

QString TComponentTexts::Caption(QObject *component, QWidget *form)
{
    if (const TTabPage page = tabPageOf(component); page.tabs)
        return page.tabs->tabText(page.index);
    const TTarget target = CaptionTarget(component, form);
    return target.object ? target.object->property(target.property).toString() : QString();
}

void TComponentTexts::SetCaption(QObject *component, QWidget *form, const QString &text)
{
    if (const TTabPage page = tabPageOf(component); page.tabs) {
        page.tabs->setTabText(page.index, text);
        return;
    }
    const TTarget target = CaptionTarget(component, form);
    if (target.object)
        target.object->setProperty(target.property, text);
}

bool TComponentTexts::HasHint(const QObject *component)
{
    return component && HasWritableString(component, "toolTip");
}

QString TComponentTexts::Hint(const QObject *component)
{
    return HasHint(component) ? component->property("toolTip").toString() : QString();
}

void TComponentTexts::SetHint(QObject *component, const QString &hint)
{
    if (!HasHint(component))
        return;
    component->setProperty("toolTip", hint);
    if (auto *edit = qobject_cast<QLineEdit *>(component))
        edit->setPlaceholderText(hint);
}
