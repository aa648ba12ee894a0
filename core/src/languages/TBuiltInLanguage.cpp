#include "languages/TBuiltInLanguage.h"

#include "languages/TIniFile.h"

QString TBuiltInLanguage::FileName() { return QStringLiteral(":/VYRA/Languages/DEFLANG"); }

const TIniFile &TBuiltInLanguage::Ini()
{
    static const TIniFile ini = [] {
        TIniFile read;
        // The resource is part of the library: it cannot be missing.
        (void)TIniFile::Load(FileName(), read);
        return read;
    }();
    return ini;
}

QString TBuiltInLanguage::GetDialog(TDialogType type)
{
    return Ini().ReadString(QStringLiteral("Dialogs"), DialogTypeName(type));
}
