#include "languages/TFormTranslator.h"

#include "languages/TComponentTexts.h"
#include "languages/TIniFile.h"

#include <QDialog>
#include <QRegularExpression>
#include <QWidget>

namespace {

const QString kLineBreak = QStringLiteral("%n%");
const QString kCaptionKey = QStringLiteral("Caption");

} // namespace

QString TFormTranslator::HintSection(const QString &formName) { return formName + QStringLiteral("_Hints"); }

QString TFormTranslator::DecodeLineBreaks(const QString &text)
{
    QString decoded = text;
    return decoded.replace(kLineBreak, QStringLiteral("\n"));
}

QString TFormTranslator::EncodeLineBreaks(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString encoded = text;
    return encoded.replace(lineBreak, kLineBreak);
}

bool TFormTranslator::IsInternalName(const QString &name)
{
    return name.startsWith(QStringLiteral("qt_")) || name.startsWith(QStringLiteral("_q_"));
}

void TFormTranslator::AppendComponents(QObject *parent, QList<QObject *> &components)
{
    for (QObject *child : parent->children()) {
        if (qobject_cast<QDialog *>(child))
            continue;
        components.append(child);
        AppendComponents(child, components);
    }
}

QList<QObject *> TFormTranslator::Components(QWidget *form)
{
    QList<QObject *> components;
    if (form)
        AppendComponents(form, components);
    return components;
}

void TFormTranslator::Translate(const TIniFile &ini, QWidget *form)
{
    if (!form || form->objectName().isEmpty())
        return;
    const QString section = form->objectName();
    const QString hintSection = HintSection(section);
    const QString caption = ini.ReadString(section, kCaptionKey);
    if (!caption.isEmpty())
        form->setWindowTitle(DecodeLineBreaks(caption));
    for (QObject *component : Components(form)) {
        const QString name = component->objectName();
        if (name.isEmpty())
            continue;
        const QString text = ini.ReadString(section, name);
        if (!text.isEmpty())
            TComponentTexts::SetCaption(component, form, DecodeLineBreaks(text));
        const QString hint = ini.ReadString(hintSection, name);
        if (!hint.isEmpty())
            TComponentTexts::SetHint(component, DecodeLineBreaks(hint));
    }
}

void TFormTranslator::WriteTemplate(QWidget *form, TIniFile &ini)
{
    if (!form || form->objectName().isEmpty())
        return;
    const QString section = form->objectName();
    const QString hintSection = HintSection(section);
    ini.WriteString(section, kCaptionKey, EncodeLineBreaks(form->windowTitle()));
    for (QObject *component : Components(form)) {
        const QString name = component->objectName();
        if (name.isEmpty() || IsInternalName(name))
            continue;
        const QString text = TComponentTexts::Caption(component, form);
        if (!text.isEmpty() && text != name && text != QStringLiteral("-"))
            ini.WriteString(section, name, EncodeLineBreaks(text));
        const QString hint = TComponentTexts::Hint(component);
        if (!hint.isEmpty())
            ini.WriteString(hintSection, name, EncodeLineBreaks(hint));
    }
}
