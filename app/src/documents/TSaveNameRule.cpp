#include "documents/TSaveNameRule.h"

#include "documents/TVYRADocument.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withExtension(const QString &fileName, const QString &extension)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    QString base = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return base + extension;
}

} // namespace

const QString &TSaveNameRule::DefaultExtension()
{
    static const QString extension = QStringLiteral("php");
    return extension;
}

QString TSaveNameRule::PrescribedExtension(const TVYRADocument &document)
{
    if (document.TemplateObject())
        return QStringLiteral(".qtf");
    if (document.IsEnCrypted())
        return QStringLiteral(".qcd");
    return {};
}

QString TSaveNameRule::SuggestedName(const QString &fileName, const QString &prescribedExtension, bool neverSaved,
                                     bool newName)
{
    const QString current = QFileInfo(fileName).suffix();
    if (!prescribedExtension.isEmpty()) {
        if (QStringLiteral(".") + current.toLower() != prescribedExtension.toLower())
            return withExtension(fileName, prescribedExtension);
        return fileName;
    }
    // A name that has an extension keeps it: the user chose the type already.
    if ((neverSaved || newName) && current.isEmpty())
        return withExtension(fileName, QStringLiteral(".") + DefaultExtension());
    return fileName;
}

QString TSaveNameRule::StartFolder(const QString &projectFolder, const QString &fileName)
{
    if (!projectFolder.isEmpty() && QFileInfo(projectFolder).isDir())
        return projectFolder;
    const QString folder = QFileInfo(fileName).absolutePath();
    if (QFileInfo(fileName).isAbsolute() && QFileInfo(folder).isDir())
        return folder;
    return {};
}
