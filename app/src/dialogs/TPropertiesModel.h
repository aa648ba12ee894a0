#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class TCipherList;
class TCustomCipher;
class TVYRADocument;

// What the document properties show, without their window: the file
// section's texts and the ciphers of the encryption section.
class TPropertiesModel
{
public:
    enum TMode { pmFile = 0, pmEncryption = 1, pmBoth = 2 };

    // A file attribute; `available` is false where Linux has no such thing.
    struct TAttribute {
        QString caption;
        bool set = false;
        bool available = true;
    };
    struct TCipherInfo {
        QString description;
        QString developers;
        QString security;
        QString speed;
        int securityValue = 0;
        int speedValue = 0;
    };

    // text: the editor's text; ciphers: the core's list (may be none).
    TPropertiesModel(const TVYRADocument &document, const QString &text, const TCipherList *ciphers);

    static QString Statistics(const QString &text);
    static QString FileTypeText(const QString &fileName, bool fileExists);

    QString Caption(TMode mode) const;
    QString FileName() const { return m_fileName; }
    QString Folder() const { return m_folder; }
    QString FileType() const { return m_fileType; }
    QString Size() const { return m_size; }
    QString TextStatistics() const { return m_statistics; }
    const std::vector<TAttribute> &Attributes() const { return m_attributes; }
    QString CipherName() const { return m_cipherName; }
    QString PasswordSet() const { return m_password; }

    // The encryption section's list: every cipher by name (only the
    // document's own when there is no list) and the one selected.
    const QStringList &CipherNames() const { return m_cipherNames; }
    int SelectedCipher() const { return m_selected; }
    // The details of a listed cipher; an index outside the list is reported
    // with "Fehler: Die gewählte Verschlüsselung wurde nicht gefunden.".
    std::optional<TCipherInfo> Cipher(int index) const;

private:
    QString m_fileName;
    QString m_folder;
    QString m_fileType;
    QString m_size;
    QString m_statistics;
    std::vector<TAttribute> m_attributes;
    QString m_cipherName;
    QString m_password;
    QStringList m_cipherNames;
    std::vector<std::shared_ptr<TCustomCipher>> m_ciphers;
    int m_selected = -1;
};
