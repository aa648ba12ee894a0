#pragma once

#include <QHash>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <memory>

class TPrivateFolder;

// The local web server when the user has none: PHP's built-in server on
// 127.0.0.1 (never another interface) on a free port, serving one folder.
// A router script in the private folder answers the addresses of documents
// whose editor text differs from their file (unsaved, enciphered) with that
// text, so the browser shows what is in the editor; every other address is
// served from the folder as it is. Started on first use, stopped when this
// object goes.
class TPHPBuiltinServer
{
public:
    TPHPBuiltinServer(QString phpExecutable, TPrivateFolder &folder);
    ~TPHPBuiltinServer();

    // Runs the server for root (restarting it for another root); false with
    // ErrorText() when it does not come up.
    bool Start(const QString &root);
    void Stop();
    bool IsRunning() const;
    QString Root() const { return m_root; }
    // "http://127.0.0.1:<port>/"
    QString RootAddress() const;
    QString ErrorText() const { return m_error; }
    qint64 ProcessId() const;

    // The address path "/a/b.php" answers with text; scripts run in
    // workingFolder so that their relative includes are found.
    bool Serve(const QString &addressPath, const QString &text, const QString &workingFolder);

    // The address path is served from its file again.
    bool Unserve(const QString &addressPath);

    static QByteArray RouterScript();

private:
    bool startOnce(const QString &root);
    bool writeTable();

    QString m_php;
    TPrivateFolder &m_folder;
    std::unique_ptr<QProcess> m_process;
    QString m_root;
    quint16 m_port = 0;
    QString m_error;
    QJsonObject m_table;
    QHash<QString, QString> m_copies; // address path -> private copy
};
