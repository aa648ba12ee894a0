#pragma once

#include "vyra_export.h"

#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <optional>

// The stored text of a simple property value (anything but an object): whole
// numbers in decimal, Booleans and enumerations by value name, sets as
// "[a,b]", floating point in the shortest form that reads back exactly,
// string lists as comma text.
class VYRA_EXPORT TPropertyText
{
public:
    // Whether the property holds a reference to an object (group, collection).
    static bool IsObject(const QMetaProperty &property);
    // The text of the value; nullopt for kinds that are not stored (64-bit
    // integers, variants and other types) and for values that have no name.
    static std::optional<QString> ToText(const QMetaProperty &property, const QVariant &value);
    // The value the text stands for; nullopt when the text does not fit the
    // property's type (the caller then keeps the current value).
    static std::optional<QVariant> FromText(const QMetaProperty &property, const QString &text);

    static QString SetToText(const QMetaEnum &enumeration, int value);
    static std::optional<int> SetFromText(const QMetaEnum &enumeration, const QString &text);
    static std::optional<qlonglong> IntegerFromText(const QString &text);

private:
    static std::optional<int> EnumFromText(const QMetaEnum &enumeration, const QString &text);
    static std::optional<QVariant> NumberFromText(int typeId, const QString &text);
    static std::optional<double> FloatFromText(const QString &text);
};
