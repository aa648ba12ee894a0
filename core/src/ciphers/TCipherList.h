#pragma once

#include "vyra_export.h"

#include <QString>
#include <QStringList>
#include <QUuid>
#include <memory>
#include <vector>

class TCustomCipher;
class TCustomCipherCollection;

// The cipher registry owned by the core object. Entry 0 is always the
// built-in pass-through; then the modules of the cipher folder, then the
// ciphers of the collection modules in its subfolder "Collections". A copy is
// a view that shares the entries of its source.
class VYRA_EXPORT TCipherList
{
public:
    TCipherList();
    // With load, LoadCiphers(folder) runs at once.
    TCipherList(const QString &folder, bool load);
    // A view on the source's entries (for the plug-in interface).
    TCipherList(const TCipherList &source);
    TCipherList &operator=(const TCipherList &) = delete;
    ~TCipherList();

    // Drops every entry and loads the modules of folder (file names sorted).
    // Each module that cannot be used is reported through the prompter with
    // "Erweiterungs-DLL "<file>" konnte nicht geladen werden." and skipped.
    void LoadCiphers(const QString &folder);
    // One line per module that could not be used, with the reason.
    QStringList LoadErrors() const;

    // All entries, empty ones included.
    int Count() const;
    std::shared_ptr<TCustomCipher> GetCipher(int index) const;
    void SetCipher(int index, std::shared_ptr<TCustomCipher> cipher);
    bool IsIndexValid(int index) const;
    // A real cipher: a valid index whose entry is not the pass-through.
    bool IsCipher(int index) const;
    // Appends the name (and, when objects is given, the entry) of every cipher
    // in order, the pass-through left out with skipNoCipher. A null names does nothing.
    void ApplyCiphers(QStringList *names, bool skipNoCipher,
                      std::vector<std::shared_ptr<TCustomCipher>> *objects = nullptr) const;

    // For plug-ins: the number of entries that are not empty.
    int GetCount() const;
    std::shared_ptr<TCustomCipher> GetItem(int index) const { return GetCipher(index); }
    // The first entry with that GUID / exactly that name; -1 when none.
    int SearchCipher(const QUuid &guid) const;
    int SearchCipher(const QString &name) const;
    // The index when GUID and name lead to the same entry, else -1.
    int SearchCipher(const QString &name, const QUuid &guid) const;
    // The pass-through entry.
    std::shared_ptr<TCustomCipher> NoCipher() const;

    bool IsView() const { return m_isView; }

private:
    struct Entries;
    void LoadCollections(const QString &folder);
    void Report(const QString &fileName, const QString &reason);

    std::shared_ptr<Entries> m_entries;
    bool m_isView = false;
};
