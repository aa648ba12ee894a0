#include "filetypes/TXdgShellAssociationStore.h"

#include "filetypes/TDesktopFileLines.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {
const QString DesktopGroup = QStringLiteral("Desktop Entry");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString VerbKeyName = QStringLiteral("X-Talvex-Verb");
const char *MimeNamespace = "http://www.freedesktop.org/standards/shared-mime-info";

QString envFolder(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + fallback : value;
}

// A desktop entry's Exec argument: quoted, with the reserved characters escaped.
QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        if (c == u'%')
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString sanitizedId(const QString &text)
{
    QString id;
    for (QChar c : text.toLower()) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'+';
        id += plain ? c : QLatin1Char('-');
    }
    return id;
}

void runIfPresent(const QString &program, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.start(path, arguments);
    if (process.waitForStarted(5000))
        process.waitForFinished(20000);
}
} // namespace

TXdgShellAssociationStore::TXdgShellAssociationStore(QString programPath, QString configHome, QString dataHome)
    : m_programPath(std::move(programPath))
    , m_configHome(configHome.isEmpty() ? envFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"))
                                        : std::move(configHome))
    , m_dataHome(dataHome.isEmpty() ? envFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"))
                                    : std::move(dataHome))
{
}

QString TXdgShellAssociationStore::MimeAppsFile() const
{
    return m_configHome + QStringLiteral("/mimeapps.list");
}

QString TXdgShellAssociationStore::ApplicationsDir() const
{
    return m_dataHome + QStringLiteral("/applications");
}

QString TXdgShellAssociationStore::MimePackageFile(const QString &appId) const
{
    return m_dataHome + QStringLiteral("/mime/packages/") + sanitizedId(appId) + QStringLiteral(".xml");
}

QString TXdgShellAssociationStore::ownMimeType(const QString &extension) const
{
    // Our own packages are looked up by their glob, whatever program id wrote them.
    const QDir packages(m_dataHome + QStringLiteral("/mime/packages"));
    const QString glob = QLatin1Char('*') + extension;
    for (const QString &name : packages.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        pugi::xml_document doc;
        if (!LoadXmlDocument(doc, packages.filePath(name)))
            continue;
        for (pugi::xml_node type : doc.document_element().children("mime-type")) {
            for (pugi::xml_node g : type.children("glob")) {
                if (QString::fromUtf8(g.attribute("pattern").value()).compare(glob, Qt::CaseInsensitive) == 0)
                    return QString::fromUtf8(type.attribute("type").value());
            }
        }
    }
    return {};
}

QString TXdgShellAssociationStore::MimeTypeFor(const QString &extension) const
{
    if (extension.isEmpty())
        return {};
    const QString own = ownMimeType(extension);
    if (!own.isEmpty())
        return own;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("file") + extension,
                                                          QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name() : QString();
}

bool TXdgShellAssociationStore::defineMimeType(const TShellRegistration &registration, const QString &mimeType) const
{
    const QString fileName = MimePackageFile(registration.appId);
    pugi::xml_document doc;
    if (!QFileInfo::exists(fileName) || !LoadXmlDocument(doc, fileName)
        || QLatin1String(doc.document_element().name()) != QLatin1String("mime-info")) {
        doc.reset();
        doc.append_child("mime-info").append_attribute("xmlns").set_value(MimeNamespace);
    }
    pugi::xml_node type = doc.document_element().append_child("mime-type");
    type.append_attribute("type").set_value(mimeType.toUtf8().constData());
    type.append_child("comment").text().set(registration.description.toUtf8().constData());
    if (!registration.iconPath.isEmpty())
        type.append_child("icon").append_attribute("name").set_value(registration.iconPath.toUtf8().constData());
    type.append_child("glob").append_attribute("pattern").set_value(
        (QLatin1Char('*') + registration.extension).toUtf8().constData());
    QString error;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()) || !SaveXmlDocument(doc, fileName, &error))
        return false;
    runIfPresent(QStringLiteral("update-mime-database"), {m_dataHome + QStringLiteral("/mime")});
    return true;
}

bool TXdgShellAssociationStore::writeDesktopEntry(const QString &desktopId, const QString &name,
                                                  const QString &verbKey, const QString &mimeType,
                                                  const QString &iconPath) const
{
    const QString fileName = ApplicationsDir() + QLatin1Char('/') + desktopId;
    TDesktopFileLines lines = TDesktopFileLines::Read(fileName);
    lines.SetValue(DesktopGroup, QStringLiteral("Type"), QStringLiteral("Application"));
    lines.SetValue(DesktopGroup, QStringLiteral("Name"), name);
    lines.SetValue(DesktopGroup, QStringLiteral("Exec"), quoteExecArgument(m_programPath) + QStringLiteral(" %F"));
    lines.SetValue(DesktopGroup, QStringLiteral("NoDisplay"), QStringLiteral("true"));
    lines.SetValue(DesktopGroup, QStringLiteral("MimeType"),
                   TDesktopFileLines::AddListItem(lines.Value(DesktopGroup, QStringLiteral("MimeType")), mimeType));
    if (!iconPath.isEmpty() && lines.Value(DesktopGroup, QStringLiteral("Icon")).isEmpty())
        lines.SetValue(DesktopGroup, QStringLiteral("Icon"), iconPath);
    if (!verbKey.isEmpty())
        lines.SetValue(DesktopGroup, VerbKeyName, verbKey);
    return lines.Write(fileName);
}

bool TXdgShellAssociationStore::addAssociation(const QString &mimeType, const QString &desktopId) const
{
    TDesktopFileLines lines = TDesktopFileLines::Read(MimeAppsFile());
    lines.SetValue(AddedGroup, mimeType, TDesktopFileLines::AddListItem(lines.Value(AddedGroup, mimeType), desktopId));
    return lines.Write(MimeAppsFile());
}

QStringList TXdgShellAssociationStore::associatedDesktopIds(const QString &mimeType) const
{
    return TDesktopFileLines::Read(MimeAppsFile()).Value(AddedGroup, mimeType).split(QLatin1Char(';'),
                                                                                    Qt::SkipEmptyParts);
}

bool TXdgShellAssociationStore::Register(const TShellRegistration &registration)
{
    if (registration.extension.isEmpty() || registration.appId.isEmpty())
        return false;
    QString mimeType = MimeTypeFor(registration.extension);
    if (mimeType.isEmpty()) {
        mimeType = QStringLiteral("application/x-") + sanitizedId(registration.appId) + QLatin1Char('-')
                   + sanitizedId(QString(registration.extension).remove(QLatin1Char('.')));
        if (!defineMimeType(registration, mimeType))
            return false;
    }
    const QString appId = sanitizedId(registration.appId);
    bool ok = true;
    if (registration.open) {
        const QString id = appId + QStringLiteral(".desktop");
        ok = writeDesktopEntry(id, registration.appId, {}, mimeType, registration.iconPath)
             && addAssociation(mimeType, id);
    }
    if (ok && registration.edit && !registration.verbKey.isEmpty()) {
        const QString id = appId + QLatin1Char('-') + sanitizedId(registration.verbKey) + QStringLiteral(".desktop");
        ok = writeDesktopEntry(id, registration.verbCaption, registration.verbKey, mimeType, registration.iconPath)
             && addAssociation(mimeType, id);
    }
    return ok;
}

int TXdgShellAssociationStore::RegisteredVerbs(const QString &extension, const QString &verbKey) const
{
    const QString mimeType = MimeTypeFor(extension);
    if (mimeType.isEmpty())
        return 0;
    const QString program = QFileInfo(m_programPath).fileName().toLower();
    int result = 0;
    for (const QString &id : associatedDesktopIds(mimeType)) {
        const TDesktopFileLines entry = TDesktopFileLines::Read(ApplicationsDir() + QLatin1Char('/') + id);
        if (!entry.Value(DesktopGroup, QStringLiteral("Exec")).toLower().contains(program))
            continue;
        const QString verb = entry.Value(DesktopGroup, VerbKeyName);
        if (verb.isEmpty())
            result |= 1;
        else if (!verbKey.isEmpty() && verb.compare(verbKey, Qt::CaseInsensitive) == 0)
            result |= 2;
    }
    return result;
}
