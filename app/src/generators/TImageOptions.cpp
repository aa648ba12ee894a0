#include "generators/TImageOptions.h"

#include "generators/THtmlAttribute.h"

const char *const TImageOptions::AlignKeywords[7] = {"", "top", "middle", "bottom", "left", "center", "right"};

QString TImageOptions::Html() const
{
    const QString align = alignment > 0 && alignment < 7
        ? QStringLiteral("align=\"%1\" ").arg(QLatin1String(AlignKeywords[alignment]))
        : QString();
    auto space = [](const char *name, const QString &value) {
        return value.trimmed() == QLatin1String("0") || value.trimmed().isEmpty()
            ? QString()
            : QStringLiteral("%1=\"%2\" ").arg(QLatin1String(name), THtmlAttribute::Escape(value.trimmed()));
    };
    const QString widthText = manualSize ? QStringLiteral("width=\"%1\" ").arg(width) : QString();
    const QString heightText = manualSize ? QStringLiteral("height=\"%1\" ").arg(height) : QString();
    return QStringLiteral("<img src=\"%1\" alt=\"%2\" border=\"%3\" %4%5%6%7%8 />")
        .arg(THtmlAttribute::Escape(source), THtmlAttribute::Escape(alt), THtmlAttribute::Escape(border), align,
             space("hspace", hspace), space("vspace", vspace), widthText, heightText);
}
