#pragma once

#include "ciphers/TFileAction.h"
#include "documents/TDocumentResult.h"
#include "documents/TVYRAFileType.h"
#include "vyra_export.h"

#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QString>
#include <functional>
#include <memory>

class TCipherList;
class TCustomCipher;
class TVYRASettings;
class TVYRATemplate;

// The base of every file-backed object: file name and version, the key for
// its cipher, the cipher, the stored-format recogniser and the file's date.
// Lives in the main thread; background actions hand their results back there.
class VYRA_EXPORT TVYRADataFile : public QObject
{
    Q_OBJECT
public:
    using ActionDone = std::function<void(TVYRADataFile &file, const TDocumentResult &result)>;

    TVYRADataFile(const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
                  QWidget *parent, bool fileExists);
    // A wrapper: copies the references and values of source and remembers it.
    explicit TVYRADataFile(TVYRADataFile *source);
    ~TVYRADataFile() override;

    // Reads the file into the object (result: what the format reports, e.g.
    // the version or checksum). A missing file leaves the object unchanged and
    // answers false. Format errors raise EInvalidVYRAFormat, EStreamReadError
    // or ECipherNotInstalled.
    bool LoadFromFile();
    bool LoadFromFile(const QString &fileName, QString &result);
    virtual void LoadFromStream(QIODevice &stream, QString &result) = 0;
    // Writes through QSaveFile; a failure leaves the file on disk as it was.
    TDocumentResult SaveToFile();
    TDocumentResult SaveToFile(const QString &fileName, QString &result);
    virtual TDocumentResult SaveToStream(QIODevice &stream, QString &result) = 0;

    // A recogniser string of one of the stored formats.
    static bool IsFormatValid(const QString &text);
    // The recogniser of the file's format, by extension or by content; empty
    // for a missing file and for any other file.
    static QString GetFileType(const QString &fileName, bool byContent);

    void UpdateFileDate();
    bool IsFileDateEqual() const;

    // A null cipher installs the pass-through.
    void AssignCipher(std::shared_ptr<TCustomCipher> cipher);
    // The pass-through again, and the empty password.
    void RemoveCipher();
    bool IsEnCrypted() const;
    const std::shared_ptr<TCustomCipher> &GetCipher() const { return m_cipher; }

    // Starts a background action; false when none was started.
    virtual bool PerformAction(TFileAction action, ActionDone done);
    bool IsActionRunning() const;

    virtual void Assign(const TVYRADataFile &other);

    QString GetFileName() const { return m_fileName; }
    virtual void SetFileName(const QString &name);
    bool GetFileExists() const { return m_fileExists; }
    void SetFileExists(bool exists) { m_fileExists = exists; }
    QString GetFileVersion() const { return m_fileVersion; }
    void SetFileVersion(const QString &version) { m_fileVersion = version; }
    // The key handed to the cipher: the check value of the password.
    QString GetPassword() const { return m_password; }
    // Sets the key; an empty key stands for the empty password.
    void SetPassword(const QString &key);
    // Sets the key of a typed password; false for a password with a character
    // Windows-1252 cannot store.
    bool SetPlainPassword(const QString &password);
    bool HasPassword() const;
    QString SourceExtension() const { return m_sourceExtension; }
    void SetSourceExtension(const QString &extension) { m_sourceExtension = extension; }
    QString FileTypeText() const { return m_fileTypeText; }
    QDateTime FileDate() const { return m_fileDate; }
    TVYRASettings *Settings() const { return m_settings; }
    TCipherList *Ciphers() const { return m_ciphers; }
    QWidget *Parent() const { return m_parent; }
    // The window that hosts the document's editor (it changes when documents are exchanged).
    void SetParent(QWidget *parent) { m_parent = parent; }
    TVYRADataFile *Source() const { return m_source; }
    TVYRATemplate *TemplateObject() const { return m_templateObject.get(); }
    void SetTemplateObject(std::unique_ptr<TVYRATemplate> object);

protected:
    // The cipher of a stored file: by name and GUID (text documents) or by
    // GUID alone (data files). A cipher that is not installed raises
    // ECipherNotInstalled; the pass-through GUID gives the pass-through.
    std::shared_ptr<TCustomCipher> FindStoredCipher(const QString &guidText, const QString &name,
                                                    bool byGuidOnly) const;
    void SetFileTypeText(const QString &text) { m_fileTypeText = text; }
    // Remembers a started worker so that the object never goes before it.
    void TrackWorker(QThread *thread);
    // Message for a text that Windows-1252 cannot hold in a stored field.
    static QString FieldError(const QString &fieldName, const QString &text);
    // A stored text field: its name for messages, and its text.
    using StoredField = std::pair<QString, QString>;
    // Fails with FieldError for the first field Windows-1252 cannot hold.
    static TDocumentResult CheckFields(const QList<StoredField> &fields);
    // Checks every field, then writes them in order.
    static TDocumentResult WriteFields(QIODevice &stream, const QList<StoredField> &fields);
    // Lets the cipher read its information block from a stored file; raises
    // EInvalidVYRAFormat when it cannot.
    static QByteArray ReadStoredInformation(QIODevice &stream, TCustomCipher *cipher);
    // The verifier stored for the current key (computed once per key).
    QString PasswordVerifier();
    // A verifier read from a file that the current key matches.
    void KeepVerifier(const QString &stored);

private:
    TVYRADataFile *m_source = nullptr;
    TVYRASettings *m_settings = nullptr;
    TCipherList *m_ciphers = nullptr;
    QPointer<QWidget> m_parent;
    QString m_fileName;
    QString m_fileVersion;
    QString m_password;
    QString m_verifier;
    QString m_verifierKey;
    QString m_sourceExtension;
    QString m_fileTypeText;
    bool m_fileExists = false;
    QDateTime m_fileDate;
    std::shared_ptr<TCustomCipher> m_cipher;
    std::unique_ptr<TVYRATemplate> m_templateObject;
    QPointer<QThread> m_worker;
};
