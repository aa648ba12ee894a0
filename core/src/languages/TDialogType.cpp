#include "languages/TDialogType.h"

QString DialogTypeName(TDialogType type)
{
    switch (type) {
    case TDialogType::StartUp_InitPhase:
        return QStringLiteral("StartUp_InitPhase");
    case TDialogType::StartUp_Init:
        return QStringLiteral("StartUp_Init");
    case TDialogType::StartUp_InitCore:
        return QStringLiteral("StartUp_InitCore");
    case TDialogType::StartUp_InitData:
        return QStringLiteral("StartUp_InitData");
    case TDialogType::StartUp_InitPlugins:
        return QStringLiteral("StartUp_InitPlugins");
    case TDialogType::StartUp_InitApp:
        return QStringLiteral("StartUp_InitApp");
    case TDialogType::StartUp_CreateForms:
        return QStringLiteral("StartUp_CreateForms");
    }
    return QString();
}
