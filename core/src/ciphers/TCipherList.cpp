#include "ciphers/TCipherList.h"

#include "ciphers/TCustomCipher.h"
#include "ciphers/TCustomCipherCollection.h"
#include "ciphers/TNoCipher.h"
#include "ui/TPrompter.h"
#include "utils/FileUtils.h"

#include <QFileInfo>
#include <algorithm>

struct TCipherList::Entries {
    std::vector<std::shared_ptr<TCustomCipher>> ciphers;
    std::vector<std::shared_ptr<TCustomCipherCollection>> collections;
    QStringList errors;
};

namespace {

QStringList sortedModules(const QString &folder)
{
    QStringList files;
    if (IsDirectory(folder))
        FileList(folder, QStringLiteral("*.so"), false, files);
    files.erase(std::remove_if(files.begin(), files.end(), [](const QString &f) { return !QFileInfo(f).isFile(); }),
                files.end());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TCipherList::TCipherList()
    : m_entries(std::make_shared<Entries>())
{
    m_entries->ciphers.push_back(std::make_shared<TCustomCipher>(QString()));
}

TCipherList::TCipherList(const QString &folder, bool load)
    : TCipherList()
{
    if (load)
        LoadCiphers(folder);
}

TCipherList::TCipherList(const TCipherList &source)
    : m_entries(source.m_entries)
    , m_isView(true)
{
}

TCipherList::~TCipherList() = default;

void TCipherList::Report(const QString &fileName, const QString &reason)
{
    m_entries->errors.append(QStringLiteral("%1: %2").arg(fileName, reason));
    TPrompter::instance().error(QStringLiteral("Erweiterungs-DLL \"%1\" konnte nicht geladen werden.").arg(fileName));
}

void TCipherList::LoadCiphers(const QString &folder)
{
    m_entries->ciphers.clear();
    m_entries->collections.clear();
    m_entries->errors.clear();
    QStringList files = sortedModules(folder);
    files.prepend(QString());
    for (const QString &file : std::as_const(files)) {
        auto cipher = std::make_shared<TCustomCipher>(file);
        if (cipher->Cipher())
            m_entries->ciphers.push_back(std::move(cipher));
        else
            Report(file, cipher->LoadError());
    }
    LoadCollections(folder);
}

void TCipherList::LoadCollections(const QString &folder)
{
    const QString subFolder = IncludeTrailingPathDelimiter(folder) + QStringLiteral("Collections");
    for (const QString &file : sortedModules(subFolder)) {
        auto collection = TCustomCipherCollection::Load(file);
        if (!collection->Collection()) {
            Report(file, collection->LoadError());
            continue;
        }
        QStringList errors;
        auto ciphers = collection->CreateCiphers(&errors);
        for (const QString &error : std::as_const(errors))
            Report(file, error);
        if (ciphers.empty() && errors.isEmpty())
            Report(file, QStringLiteral("Die Sammlung enthält keine Verschlüsselung."));
        for (auto &cipher : ciphers)
            m_entries->ciphers.push_back(std::move(cipher));
        m_entries->collections.push_back(std::move(collection));
    }
}

QStringList TCipherList::LoadErrors() const { return m_entries->errors; }

int TCipherList::Count() const { return int(m_entries->ciphers.size()); }

bool TCipherList::IsIndexValid(int index) const { return index >= 0 && index < Count(); }

std::shared_ptr<TCustomCipher> TCipherList::GetCipher(int index) const
{
    return IsIndexValid(index) ? m_entries->ciphers[size_t(index)] : nullptr;
}

void TCipherList::SetCipher(int index, std::shared_ptr<TCustomCipher> cipher)
{
    if (IsIndexValid(index))
        m_entries->ciphers[size_t(index)] = std::move(cipher);
}

bool TCipherList::IsCipher(int index) const
{
    const auto cipher = GetCipher(index);
    return cipher && cipher->Cipher() && !cipher->IsNoCipher();
}

void TCipherList::ApplyCiphers(QStringList *names, bool skipNoCipher,
                               std::vector<std::shared_ptr<TCustomCipher>> *objects) const
{
    if (!names)
        return;
    for (const auto &cipher : m_entries->ciphers) {
        if (!cipher || (skipNoCipher && cipher->IsNoCipher()))
            continue;
        names->append(cipher->GetName());
        if (objects)
            objects->push_back(cipher);
    }
}

int TCipherList::GetCount() const
{
    return int(std::count_if(m_entries->ciphers.begin(), m_entries->ciphers.end(),
                             [](const auto &cipher) { return cipher && cipher->Cipher(); }));
}

int TCipherList::SearchCipher(const QUuid &guid) const
{
    for (int i = 0; i < Count(); ++i) {
        const auto &cipher = m_entries->ciphers[size_t(i)];
        if (cipher && cipher->GetGUID() == guid)
            return i;
    }
    return -1;
}

int TCipherList::SearchCipher(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        const auto &cipher = m_entries->ciphers[size_t(i)];
        if (cipher && cipher->GetName() == name)
            return i;
    }
    return -1;
}

int TCipherList::SearchCipher(const QString &name, const QUuid &guid) const
{
    const int byGuid = SearchCipher(guid);
    return byGuid == SearchCipher(name) ? byGuid : -1;
}

std::shared_ptr<TCustomCipher> TCipherList::NoCipher() const
{
    const int index = SearchCipher(TNoCipher::GetID());
    return index >= 0 ? GetCipher(index) : std::make_shared<TCustomCipher>(QString());
}
