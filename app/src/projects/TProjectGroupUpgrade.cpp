#include "projects/TProjectGroupUpgrade.h"

#include "projects/TTalvexStudioProject.h"

#include <QFile>
#include <QSaveFile>
#include <pugixml.hpp>
#include <sstream>

const QString TProjectGroupUpgrade::OlderRootName = QStringLiteral("talvexprojectgroup");

namespace {

bool parse(const QByteArray &data, pugi::xml_document &document, QString *error)
{
    const pugi::xml_parse_result parsed =
        document.load_buffer(data.constData(), size_t(data.size()), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed && error)
        *error = QStringLiteral("Die Datei ist kein gültiges XML (%1 bei Zeichen %2).")
                     .arg(QString::fromUtf8(parsed.description()))
                     .arg(parsed.offset);
    return bool(parsed);
}

QByteArray readAll(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2").arg(fileName, file.errorString());
        return {};
    }
    return file.readAll();
}

} // namespace

QString TProjectGroupUpgrade::FailureText(const QString &details)
{
    return QStringLiteral("Konvertieren des Projektes fehlgeschlagen. Projekt kann nicht geladen werden.\r\n\r\n"
                          "Details: \"%1\"")
        .arg(details);
}

bool TProjectGroupUpgrade::IsOlderFormat(const QString &fileName)
{
    if (!QFile::exists(fileName) || _TVS_PROJECT == OlderRootName)
        return false;
    QString error;
    const QByteArray data = readAll(fileName, &error);
    pugi::xml_document document;
    return !data.isEmpty() && parse(data, document, nullptr)
        && QString::fromUtf8(document.document_element().name()) == OlderRootName;
}

TOperationResult TProjectGroupUpgrade::ConvertBytes(const QByteArray &older, const QString &fileName,
                                                    QByteArray &converted)
{
    QString error;
    pugi::xml_document document;
    if (!parse(older, document, &error))
        return TOperationResult::failure(error);
    pugi::xml_node old = document.document_element();
    if (QString::fromUtf8(old.name()) != OlderRootName)
        return TOperationResult::failure(
            QStringLiteral("Die Datei \"%1\" enthält keine Projektgruppe des älteren Formates.").arg(fileName));
    pugi::xml_node project = document.insert_child_before(_TVS_PROJECT.toUtf8().constData(), old);
    project.append_attribute("version") = "1.0";
    project.append_attribute("mincompatible") = "1.0";
    for (pugi::xml_node child = old.first_child(); child; child = child.next_sibling())
        project.append_copy(child);
    document.remove_child(old);
    std::ostringstream stream;
    document.save(stream, "  ", pugi::format_default, pugi::encoding_utf8);
    const std::string text = stream.str();
    try {
        // Read and written once as a studio project, so that it comes out in the current form.
        TTalvexStudioProject studio(nullptr, fileName, true);
        studio.LoadFromBytes(QByteArray(text.data(), qsizetype(text.size())), fileName);
        converted = studio.SaveToBytes();
    } catch (const std::exception &exception) {
        return TOperationResult::failure(QString::fromUtf8(exception.what()));
    }
    return TOperationResult::success();
}

TOperationResult TProjectGroupUpgrade::Convert(const QString &fileName)
{
    QString error;
    const QByteArray older = readAll(fileName, &error);
    if (!error.isEmpty())
        return TOperationResult::failure(error);
    QByteArray converted;
    if (const TOperationResult result = ConvertBytes(older, fileName, converted); !result)
        return result;
    const QString backup = BackupName(fileName);
    QSaveFile backupFile(backup);
    if (!backupFile.open(QIODevice::WriteOnly) || backupFile.write(older) != older.size() || !backupFile.commit())
        return TOperationResult::failure(QStringLiteral("Die Sicherungskopie \"%1\" konnte nicht angelegt werden: %2")
                                             .arg(backup, backupFile.errorString()));
    QSaveFile target(fileName);
    if (!target.open(QIODevice::WriteOnly) || target.write(converted) != converted.size() || !target.commit())
        return TOperationResult::failure(
            QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2").arg(fileName, target.errorString()));
    return TOperationResult::success();
}
