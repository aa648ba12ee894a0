#include "settings/TPropertyText.h"

#include "settings/TCommaText.h"

#include <QLocale>
#include <QMetaEnum>
#include <QStringList>
#include <limits>

namespace {

template <typename T>
std::optional<QVariant> inRange(qlonglong value)
{
    if (value < qlonglong(std::numeric_limits<T>::min()) || value > qlonglong(std::numeric_limits<T>::max()))
        return std::nullopt;
    return QVariant::fromValue(T(value));
}

// The key of the enumeration equal to name, ignoring case; nullptr if none.
const char *findKey(const QMetaEnum &enumeration, QStringView name)
{
    for (int i = 0; i < enumeration.keyCount(); ++i) {
        const char *key = enumeration.key(i);
        if (name.compare(QLatin1StringView(key), Qt::CaseInsensitive) == 0)
            return key;
    }
    return nullptr;
}

} // namespace

bool TPropertyText::IsObject(const QMetaProperty &property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

QString TPropertyText::SetToText(const QMetaEnum &enumeration, int value)
{
    QStringList names;
    for (int i = 0; i < enumeration.keyCount(); ++i) {
        const int bit = enumeration.value(i);
        if (bit != 0 && (value & bit) == bit)
            names.append(QLatin1StringView(enumeration.key(i)));
    }
    return u'[' + names.join(u',') + u']';
}

std::optional<int> TPropertyText::SetFromText(const QMetaEnum &enumeration, const QString &text)
{
    QStringView body = QStringView(text).trimmed();
    if (body.startsWith(u'['))
        body = body.mid(1);
    if (body.endsWith(u']'))
        body = body.chopped(1);
    int value = 0;
    for (QStringView name : body.split(u',')) {
        name = name.trimmed();
        if (name.isEmpty())
            continue;
        const char *key = findKey(enumeration, name);
        if (!key)
            return std::nullopt;
        value |= enumeration.keyToValue(key);
    }
    return value;
}

std::optional<int> TPropertyText::EnumFromText(const QMetaEnum &enumeration, const QString &text)
{
    const char *key = findKey(enumeration, QStringView(text).trimmed());
    if (!key)
        return std::nullopt;
    return enumeration.keyToValue(key);
}

std::optional<qlonglong> TPropertyText::IntegerFromText(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.startsWith(u'-');
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    } else if (digits.startsWith(QLatin1StringView("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty() || digits.startsWith(u'-') || digits.startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok || magnitude > qulonglong(std::numeric_limits<qlonglong>::max()))
        return std::nullopt;
    return negative ? -qlonglong(magnitude) : qlonglong(magnitude);
}

std::optional<double> TPropertyText::FloatFromText(const QString &text)
{
    bool ok = false;
    double value = text.trimmed().toDouble(&ok);
    if (!ok) // files written with a German decimal comma
        value = text.trimmed().replace(u',', u'.').toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QVariant> TPropertyText::NumberFromText(int typeId, const QString &text)
{
    if (typeId == QMetaType::Double || typeId == QMetaType::Float) {
        const std::optional<double> value = FloatFromText(text);
        if (!value)
            return std::nullopt;
        return typeId == QMetaType::Float ? QVariant(float(*value)) : QVariant(*value);
    }
    const std::optional<qlonglong> value = IntegerFromText(text);
    if (!value)
        return std::nullopt;
    switch (typeId) {
    case QMetaType::Int: return inRange<int>(*value);
    case QMetaType::UInt: return inRange<uint>(*value);
    case QMetaType::Short: return inRange<short>(*value);
    case QMetaType::UShort: return inRange<ushort>(*value);
    case QMetaType::Long: return inRange<long>(*value);
    case QMetaType::ULong: return inRange<ulong>(*value);
    case QMetaType::Char: return inRange<char>(*value);
    case QMetaType::SChar: return inRange<signed char>(*value);
    case QMetaType::UChar: return inRange<uchar>(*value);
    default: return std::nullopt;
    }
}

std::optional<QString> TPropertyText::ToText(const QMetaProperty &property, const QVariant &value)
{
    if (property.isEnumType()) {
        const QMetaEnum enumeration = property.enumerator();
        if (enumeration.isFlag())
            return SetToText(enumeration, value.toInt());
        const char *key = enumeration.valueToKey(value.toInt());
        if (!key)
            return std::nullopt;
        return QString::fromLatin1(key);
    }
    switch (property.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::UChar:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QChar:
        return QString(value.toChar());
    case QMetaType::QStringList:
        return TCommaText::Join(value.toStringList());
    default:
        return std::nullopt;
    }
}

std::optional<QVariant> TPropertyText::FromText(const QMetaProperty &property, const QString &text)
{
    if (property.isEnumType()) {
        const QMetaEnum enumeration = property.enumerator();
        const std::optional<int> value =
            enumeration.isFlag() ? SetFromText(enumeration, text) : EnumFromText(enumeration, text);
        if (!value)
            return std::nullopt;
        return QVariant(*value);
    }
    switch (property.typeId()) {
    case QMetaType::Bool: {
        const QStringView name = QStringView(text).trimmed();
        if (name.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (name.compare(QLatin1StringView("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    }
    case QMetaType::QString:
        return QVariant(text);
    case QMetaType::QChar:
        if (text.size() != 1)
            return std::nullopt;
        return QVariant(text.front());
    case QMetaType::QStringList:
        return QVariant(TCommaText::Split(text));
    default:
        return NumberFromText(property.typeId(), text);
    }
}
