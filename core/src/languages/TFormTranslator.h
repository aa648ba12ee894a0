#pragma once

#include "vyra_export.h"

#include <QList>
#include <QString>

class QObject;
class QWidget;
class TIniFile;

// Translates a form by object name. The form's section, named after the
// form, holds "Caption" for the window title and one key per component name
// for that component's caption; the section form name + "_Hints" holds one
// key per component name for its hint. "%n%" in a stored text stands for a
// line break. Components without a name and keys without a text are left as
// they are, so unknown or missing entries keep the texts the form was built
// with.
class VYRA_EXPORT TFormTranslator
{
public:
    static QString HintSection(const QString &formName);

    // Nothing happens without form or form name.
    static void Translate(const TIniFile &ini, QWidget *form);
    // Writes the form's current texts into ini: the caption, each named
    // component's caption unless it is empty, its own name or "-", and each
    // named component's hint.
    static void WriteTemplate(QWidget *form, TIniFile &ini);

    // The form's components in order: every object below it, depth first.
    // A dialog below the form is a form of its own and is left out with
    // everything below it.
    static QList<QObject *> Components(QWidget *form);

    static QString DecodeLineBreaks(const QString &text);
    static QString EncodeLineBreaks(const QString &text);

private:
    static void AppendComponents(QObject *parent, QList<QObject *> &components);
    // Qt's own helper objects ("qt_…", "_q_…") belong to no template.
    static bool IsInternalName(const QString &name);
};
