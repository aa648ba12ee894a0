#pragma once

#include "vyra_export.h"

#include <QString>

class QObject;
class QWidget;

// Where a component of a form shows its caption and its hint, found through
// Qt's properties so that every kind of widget and action is served alike:
// - the caption is the property "text" (labels, buttons, actions), else
//   "title" (group boxes, menus), else, for a widget, its tab's text when it
//   is a page of a tab widget, else "windowTitle" (dock and sub-windows);
// - a single-line edit has no caption of its own (its text is the user's):
//   its caption is the text of the label whose buddy it is;
// - the hint is the property "toolTip"; a single-line edit also shows it as
//   its placeholder text while empty.
// A layout or another object without such properties has neither.
class VYRA_EXPORT TComponentTexts
{
public:
    static bool HasCaption(QObject *component, QWidget *form);
    static QString Caption(QObject *component, QWidget *form);
    static void SetCaption(QObject *component, QWidget *form, const QString &text);

    static bool HasHint(const QObject *component);
    static QString Hint(const QObject *component);
    static void SetHint(QObject *component, const QString &hint);

private:
    struct TTarget {
        QObject *object = nullptr;
        const char *property = nullptr;
    };
    static TTarget CaptionTarget(QObject *component, QWidget *form);
    static bool HasWritableString(const QObject *object, const char *property);
};
