#include "documents/TVYRADataFile.h"

#include "ciphers/TCipherList.h"
#include "ciphers/TCustomCipher.h"
#include "ciphers/TNoCipher.h"
#include "documents/ECipherNotInstalled.h"
#include "documents/TPasswordVerifier.h"
#include "documents/TSafeFileWriter.h"
#include "documents/TVYRATemplate.h"
#include "utils/VYRAExceptions.h"
#include "utils/StreamStrings.h"
#include "utils/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUuid>
#include <pugixml.hpp>

TVYRADataFile::TVYRADataFile(const QString &fileName, const QString &fileVersion, TVYRASettings *settings,
                             TCipherList *ciphers, QWidget *parent, bool fileExists)
    : m_settings(settings)
    , m_ciphers(ciphers)
    , m_parent(parent)
    , m_fileName(fileName)
    , m_fileVersion(fileVersion)
    , m_password(TPasswordVerifier::EmptyKey())
    , m_fileExists(fileExists)
{
    AssignCipher(nullptr);
}

TVYRADataFile::TVYRADataFile(TVYRADataFile *source)
    : m_source(source)
    , m_settings(source->m_settings)
    , m_ciphers(source->m_ciphers)
    , m_parent(source->m_parent)
    , m_fileName(source->m_fileName)
    , m_fileVersion(source->m_fileVersion)
    , m_password(source->m_password)
    , m_fileExists(source->m_fileExists)
    , m_cipher(source->m_cipher)
{
}

TVYRADataFile::~TVYRADataFile()
{
    // A running worker still uses our data: wait for it.
    if (m_worker)
        m_worker->wait();
}

bool TVYRADataFile::LoadFromFile()
{
    QString result;
    return LoadFromFile(m_fileName, result);
}

bool TVYRADataFile::LoadFromFile(const QString &fileName, QString &result)
{
    result.clear();
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    LoadFromStream(file, result);
    return true;
}

TDocumentResult TVYRADataFile::SaveToFile()
{
    QString result;
    return SaveToFile(m_fileName, result);
}

TDocumentResult TVYRADataFile::SaveToFile(const QString &fileName, QString &result)
{
    result.clear();
    const TDocumentResult saved
        = TSafeFileWriter::Write(fileName, [&](QIODevice &device) { return SaveToStream(device, result); });
    if (saved && fileName == m_fileName) {
        m_fileExists = true;
        UpdateFileDate();
    }
    return saved;
}

bool TVYRADataFile::IsFormatValid(const QString &text)
{
    return !text.isEmpty() && TVYRAFileTypeRecognizers::recognize(text) != ftDefault;
}

QString TVYRADataFile::GetFileType(const QString &fileName, bool byContent)
{
    if (!QFileInfo(fileName).isFile())
        return {};
    if (!byContent) {
        const QString extension = QFileInfo(fileName).suffix().toLower();
        TVYRAFileType type = ftDefault;
        if (extension == QLatin1String("qcd"))
            type = ftDocument;
        else if (extension == QLatin1String("qtf"))
            type = ftTemplate;
        else if (extension == QLatin1String("qdf"))
            type = ftDataFile;
        else if (extension == QLatin1String("qpg"))
            type = ftProject;
        return TVYRAFileTypeRecognizers::get(type);
    }
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString first = ReadTextFromStream(file);
        if (IsFormatValid(first))
            return first;
    } catch (const EVYRAException &) {
        // not one of the binary formats; maybe a project group
    }
    pugi::xml_document xml;
    const QByteArray path = QFile::encodeName(fileName);
    if (!xml.load_file(path.constData()))
        return {};
    const QString project = TVYRAFileTypeRecognizers::get(ftProject);
    const pugi::xml_node root = xml.document_element();
    if (root && QString::fromUtf8(root.name()) == project)
        return project;
    return {};
}

void TVYRADataFile::UpdateFileDate()
{
    const QFileInfo info(m_fileName);
    m_fileDate = (m_fileExists && info.isFile()) ? info.lastModified() : QDateTime();
}

bool TVYRADataFile::IsFileDateEqual() const
{
    const QFileInfo info(m_fileName);
    if (!m_fileExists || !info.isFile())
        return true;
    return info.lastModified() == m_fileDate;
}

void TVYRADataFile::AssignCipher(std::shared_ptr<TCustomCipher> cipher)
{
    if (!cipher)
        cipher = m_ciphers ? m_ciphers->NoCipher() : std::make_shared<TCustomCipher>(QString());
    m_cipher = std::move(cipher);
}

void TVYRADataFile::RemoveCipher()
{
    AssignCipher(nullptr);
    SetPassword(QString());
}

bool TVYRADataFile::IsEnCrypted() const { return m_cipher && !m_cipher->IsNoCipher(); }

bool TVYRADataFile::PerformAction(TFileAction action, ActionDone done)
{
    if (done)
        done(*this, TDocumentResult::success());
    return action != faWipe;
}

bool TVYRADataFile::IsActionRunning() const { return m_worker && m_worker->isRunning(); }

void TVYRADataFile::TrackWorker(QThread *thread) { m_worker = thread; }

void TVYRADataFile::Assign(const TVYRADataFile &other)
{
    m_fileName = other.m_fileName;
    m_fileVersion = other.m_fileVersion;
    m_fileDate = other.m_fileDate;
    m_fileTypeText = other.m_fileTypeText;
    m_settings = other.m_settings;
    m_ciphers = other.m_ciphers;
    AssignCipher(other.m_cipher);
    m_parent = other.m_parent;
    m_password = other.m_password;
    m_verifier = other.m_verifier;
    m_verifierKey = other.m_verifierKey;
    m_sourceExtension = other.m_sourceExtension;
    m_source = other.m_source;
    m_fileExists = other.m_fileExists;
}

void TVYRADataFile::SetFileName(const QString &name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    if (m_source)
        m_source->SetFileName(name);
}

void TVYRADataFile::SetPassword(const QString &key) { m_password = TPasswordVerifier::Normalise(key); }

bool TVYRADataFile::SetPlainPassword(const QString &password)
{
    const QString key = TPasswordVerifier::KeyOf(password);
    if (key.isEmpty())
        return false;
    SetPassword(key);
    return true;
}

bool TVYRADataFile::HasPassword() const { return m_password != TPasswordVerifier::EmptyKey(); }

void TVYRADataFile::SetTemplateObject(std::unique_ptr<TVYRATemplate> object) { m_templateObject = std::move(object); }

std::shared_ptr<TCustomCipher> TVYRADataFile::FindStoredCipher(const QString &guidText, const QString &name,
                                                              bool byGuidOnly) const
{
    const QUuid guid(guidText);
    if (guid == TNoCipher::GetID())
        return m_ciphers ? m_ciphers->NoCipher() : nullptr;
    int index = -1;
    if (m_ciphers)
        index = byGuidOnly ? m_ciphers->SearchCipher(guid) : m_ciphers->SearchCipher(name, guid);
    if (index < 0)
        throw ECipherNotInstalled(m_fileName, name, guidText);
    return m_ciphers->GetCipher(index);
}

QString TVYRADataFile::FieldError(const QString &fieldName, const QString &text)
{
    return QStringLiteral("Das Feld \"%1\" kann nicht gespeichert werden.\n%2")
        .arg(fieldName, windows1252EncodeError(text));
}

TDocumentResult TVYRADataFile::CheckFields(const QList<StoredField> &fields)
{
    for (const auto &[fieldName, text] : fields) {
        if (!canEncodeWindows1252(text))
            return TDocumentResult::failure(FieldError(fieldName, text));
    }
    return TDocumentResult::success();
}

TDocumentResult TVYRADataFile::WriteFields(QIODevice &stream, const QList<StoredField> &fields)
{
    TDocumentResult result = CheckFields(fields);
    QString error;
    for (qsizetype i = 0; result && i < fields.size(); ++i) {
        if (!WriteTextToStream(stream, fields[i].second, &error))
            result = TDocumentResult::failure(error);
    }
    return result;
}

QByteArray TVYRADataFile::ReadStoredInformation(QIODevice &stream, TCustomCipher *cipher)
{
    QByteArray information;
    if (cipher) {
        const TCipherResult read = cipher->ReadInformation(stream, information);
        if (!read)
            throw EInvalidVYRAFormat(read.errorText);
    }
    return information;
}

QString TVYRADataFile::PasswordVerifier()
{
    if (m_verifier.isEmpty() || m_verifierKey != m_password) {
        m_verifier = TPasswordVerifier::Create(m_password);
        m_verifierKey = m_password;
    }
    return m_verifier;
}

void TVYRADataFile::KeepVerifier(const QString &stored)
{
    if (TPasswordVerifier::IsSlowForm(stored)) {
        m_verifier = stored;
        m_verifierKey = m_password;
    }
}
