#include "settings/TXmlDocumentFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Whitespace-only text is kept where it is an element's only content, so a
// value of blanks reads back; line ends are normalised as XML requires (a CR
// inside a value is written as a character reference).
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

class ByteArrayWriter : public pugi::xml_writer
{
public:
    explicit ByteArrayWriter(QByteArray &target) : m_target(target) {}
    void write(const void *data, size_t size) override
    {
        m_target.append(static_cast<const char *>(data), qsizetype(size));
    }

private:
    QByteArray &m_target;
};

// Files of earlier versions may be in the ANSI code page without saying so.
pugi::xml_encoding encodingOf(const QByteArray &data)
{
    if (data.contains('\0'))
        return pugi::encoding_auto; // UTF-16 or UTF-32
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(data);
    return utf8.hasError() ? pugi::encoding_latin1 : pugi::encoding_auto;
}

} // namespace

TXmlDocumentFile::TLoadResult TXmlDocumentFile::Parse(const QByteArray &data, pugi::xml_document &document)
{
    const pugi::xml_parse_result parsed =
        document.load_buffer(data.constData(), size_t(data.size()), ParseOptions, encodingOf(data));
    if (parsed.status == pugi::status_no_document_element)
        return {TLoadStatus::NoRoot, {}};
    if (!parsed)
        return {TLoadStatus::Damaged,
                QStringLiteral("Die XML-Daten sind fehlerhaft (%1 bei Position %2).")
                    .arg(QString::fromUtf8(parsed.description()))
                    .arg(parsed.offset)};
    if (!document.document_element())
        return {TLoadStatus::NoRoot, {}};
    return {TLoadStatus::Loaded, {}};
}

TXmlDocumentFile::TLoadResult TXmlDocumentFile::Load(const QString &fileName, pugi::xml_document &document)
{
    document.reset();
    if (!QFileInfo::exists(fileName))
        return {TLoadStatus::Missing, {}};
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return {TLoadStatus::Unreadable,
                QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(fileName)};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {TLoadStatus::Unreadable,
                QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                    .arg(fileName, file.errorString())};
    TLoadResult result = Parse(data, document);
    if (result.status == TLoadStatus::Damaged)
        result.error = QStringLiteral("Die Datei \"%1\" ist beschädigt. %2").arg(fileName, result.error);
    return result;
}

QByteArray TXmlDocumentFile::ToBytes(const pugi::xml_document &document)
{
    QByteArray bytes;
    ByteArrayWriter writer(bytes);
    document.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    // pugixml writes a CR in text as it is, and any reader would turn it into
    // a LF; the reference keeps CR LF in values intact.
    bytes.replace("\r", "&#13;");
    return bytes;
}

bool TXmlDocumentFile::Save(const pugi::xml_document &document, const QString &fileName, QString *error)
{
    const QFileInfo info(fileName);
    QSaveFile file(fileName);
    const QByteArray bytes = ToBytes(document);
    if (!QDir().mkpath(info.absolutePath()) || !file.open(QIODevice::WriteOnly)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2")
                         .arg(fileName, file.errorString());
        return false;
    }
    return true;
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
