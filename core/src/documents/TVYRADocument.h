#pragma once

#include "ciphers/TCryptThread.h"
#include "documents/TTextFile.h"
#include "documents/TVYRADataFile.h"

#include <QByteArray>
#include <optional>

// How opening a stored document ended.
enum class TOpenOutcome { Success, WrongPassword, Cancelled, BadFile, Failed };
struct TOpenResult {
    TOpenOutcome outcome = TOpenOutcome::Success;
    QString errorText;
};

// One text document: its text in clear and as enciphered by its cipher, the
// cipher's information block for that cipher text, and the modified state.
// Stored as a plain or rich text file, or in the enciphered document format
// (".qcd"). The document holds text only; the editor control is a view on it.
class VYRA_EXPORT TVYRADocument : public TVYRADataFile
{
    Q_OBJECT
public:
    // Answers the key for a protected document, nullopt when the user cancels.
    using PasswordRequest = std::function<std::optional<QString>(TVYRADocument &document)>;
    // Asked when the stored checksum does not match; true goes on anyway.
    using BadFileQuestion = std::function<bool(TVYRADocument &document)>;

    TVYRADocument(const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
                  QWidget *parent, bool fileExists);
    ~TVYRADocument() override;

    // Reads the ".qcd" format (result: the stored checksum). Raises
    // EInvalidVYRAFormat for another format, EStreamReadError for a damaged
    // file and ECipherNotInstalled when the named cipher is missing; the
    // document is unchanged then. The text stays enciphered until deciphered.
    void LoadFromStream(QIODevice &stream, QString &result) override;
    // Writes the ".qcd" format, enciphering first whenever the cipher text
    // does not belong to the current text, cipher and key. Fails, writing
    // nothing usable, when a field cannot be stored in Windows-1252.
    TDocumentResult SaveToStream(QIODevice &stream, QString &result) override;

    // After LoadFromFile: asks for the password when one is stored, checks it
    // and the checksum, and deciphers.
    TOpenResult OpenStored(const PasswordRequest &askPassword, const BadFileQuestion &continueBadFile);
    // OpenStored without deciphering: the caller deciphers, e.g. in a worker (PerformAction).
    TOpenResult PrepareStored(const PasswordRequest &askPassword, const BadFileQuestion &continueBadFile);
    // Whether the stored value asks for a password.
    bool NeedsPassword() const;
    // True when the key opens the document (always for a stored empty password).
    bool CheckPassword(const QString &key) const;
    // The stored checksum matches the cipher text.
    bool IsChecksumValid() const;

    // Synchronous cipher work; on failure nothing changes.
    TDocumentResult EnCrypt();
    TDocumentResult DeCrypt();
    // faEnCrypt / faDeCrypt in a worker thread; done runs in the main thread.
    bool PerformAction(TFileAction action, ActionDone done) override;

    // A plain or rich text file (encoding, BOM, line breaks kept).
    TDocumentResult LoadFromTextFile(const QString &fileName);
    TDocumentResult SaveToTextFile(const QString &fileName);

    QString UncryptedText() const { return m_uncryptedText; }
    void SetUncText(const QString &text);
    QString EncryptedText() const { return m_encryptedText; }
    void SetEncText(const QString &text);
    QByteArray CipherInformation() const { return m_information; }
    QString StoredPasswordHash() const { return m_storedPasswordHash; }
    QString StoredChecksum() const { return m_storedChecksum; }
    // The text in clear is known (new, typed or deciphered), not only the cipher text.
    bool IsPlainTextKnown() const { return m_plainKnown; }

    bool GetModified() const { return m_modified; }
    void SetModified(bool state);
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool codeEditor) { m_editorMode = codeEditor; }
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool plain) { m_plainText = plain; }
    TFileAction LastAction() const { return m_lastAction; }
    const TTextFile &TextFormat() const { return m_textFormat; }

    void Assign(const TVYRADataFile &other) override;

signals:
    // Whenever one of the texts is set and after the stored format was read or
    // written, with the modified state then in force.
    void textChanged(bool modified);

protected:
    void Changed(bool state);
    bool IsCipherTextCurrent() const;
    TDocumentResult ApplyCryptResult(TFileAction action, const TCryptThread::Result &result);

private:
    QString m_uncryptedText;
    QString m_encryptedText;
    QByteArray m_information;
    QString m_storedPasswordHash;
    QString m_storedChecksum;
    QString m_storedGuidText;
    bool m_plainKnown = true;
    bool m_modified = false;
    bool m_editorMode = true;
    bool m_plainText = false;
    TFileAction m_lastAction = faWipe;
    TTextFile m_textFormat;
    // What the cipher text belongs to.
    quint64 m_textRevision = 0;
    struct {
        const TCustomCipher *cipher = nullptr;
        QString key;
        quint64 revision = 0;
        bool valid = false;
    } m_cipherTextOf;
};
