#include "utils/TXmlDocumentFile.h"

#include "utils/XmlNodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TXmlDocumentFile::TLoadResult TXmlDocumentFile::Parse(const QByteArray &data, pugi::xml_document &document)
{
    document.reset();
    QString error;
    if (!LoadXmlDocumentFromBytes(document, data, &error)) {
        // An empty file or one without elements holds nothing worth keeping.
        pugi::xml_document probe;
        if (probe.load_buffer(data.constData(), size_t(data.size())).status == pugi::status_no_document_element)
            return {TLoadStatus::NoRoot, {}};
        return {TLoadStatus::Damaged, error};
    }
    if (!document.document_element())
        return {TLoadStatus::NoRoot, {}};
    return {TLoadStatus::Loaded, {}};
}

TXmlDocumentFile::TLoadResult TXmlDocumentFile::Load(const QString &fileName, pugi::xml_document &document,
                                                     QByteArray *raw)
{
    document.reset();
    if (!QFileInfo::exists(fileName))
        return {TLoadStatus::Missing, {}};
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return {TLoadStatus::Unreadable, QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(fileName)};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {TLoadStatus::Unreadable,
                QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2").arg(fileName, file.errorString())};
    if (raw)
        *raw = data;
    TLoadResult result = Parse(data, document);
    if (result.status == TLoadStatus::Damaged)
        result.error = QStringLiteral("Die Datei \"%1\" ist beschädigt. %2").arg(fileName, result.error);
    return result;
}

QByteArray TXmlDocumentFile::ToBytes(const pugi::xml_document &document)
{
    return XmlDocumentToBytes(document);
}

bool TXmlDocumentFile::Save(const pugi::xml_document &document, const QString &fileName, QString *error)
{
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) {
        if (error)
            *error = QStringLiteral("Der Ordner für die Datei \"%1\" konnte nicht angelegt werden.").arg(fileName);
        return false;
    }
    return SaveXmlDocument(document, fileName, error);
}

QString TXmlDocumentFile::KeepDamagedCopy(const QString &fileName)
{
    QString copy = fileName + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = fileName + QStringLiteral(".damaged-%1").arg(n);
    if (QFileInfo::exists(copy) || !QFile::copy(fileName, copy))
        return {};
    return copy;
}
