#pragma once

#include "ciphers/TCipherResult.h"
#include "documents/TVYRADataFile.h"

#include <QByteArray>

// An arbitrary file stored enciphered (".qdf"): a header naming the cipher and
// holding a password verifier, the cipher's information block, then the
// enciphered content unframed.
class VYRA_EXPORT TVYRAFile : public TVYRADataFile
{
    Q_OBJECT
public:
    TVYRAFile(const QString &fileName, const QString &fileVersion, TVYRASettings *settings, TCipherList *ciphers,
              QWidget *parent, bool fileExists);
    ~TVYRAFile() override;

    // Reads the format (result: the file version). Another format leaves the
    // object unchanged with an empty result; a damaged file raises
    // EStreamReadError or EInvalidVYRAFormat, a missing cipher ECipherNotInstalled.
    void LoadFromStream(QIODevice &stream, QString &result) override;
    // Fails when the enciphered content does not belong to the current data,
    // cipher and key (it is never written in clear under a cipher's name).
    TDocumentResult SaveToStream(QIODevice &stream, QString &result) override;

    // The stored verifier accepts the key. Files written before the verifier
    // held the key itself in that field; those are checked the old way.
    bool CheckPassword(const QString &key) const;
    // CheckPassword, then the key becomes the file's password.
    bool Unlock(const QString &key);

    TDocumentResult EnCrypt();
    TDocumentResult DeCrypt();
    // In a worker thread; done runs in the main thread.
    bool PerformAction(TFileAction action, ActionDone done) override;

    const QByteArray &PlainData() const { return m_plainData; }
    void SetPlainData(const QByteArray &data);
    const QByteArray &CipherData() const { return m_cipherData; }
    QString StoredPasswordHash() const { return m_storedPasswordHash; }

private:
    TCipherResult Run(TFileAction action, const QByteArray &input, QByteArray &output, QByteArray &information);
    bool IsCipherDataCurrent() const;
    void MarkCipherDataCurrent();

    QByteArray m_plainData;
    QByteArray m_cipherData;
    QByteArray m_information;
    QString m_storedPasswordHash;
    quint64 m_plainRevision = 0;
    struct {
        const TCustomCipher *cipher = nullptr;
        QString key;
        quint64 revision = 0;
        bool valid = false;
    } m_cipherDataOf;
    bool m_keyUnknown = false;
};
