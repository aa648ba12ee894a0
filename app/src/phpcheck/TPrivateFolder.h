#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A folder only this user may read (mode 0700) for the files one run of the
// program writes for checks and previews: copies of unsaved or enciphered
// texts never lie in a shared folder. Made on first use; it goes, with all
// it holds, when its owner goes (at the latest when the program ends).
class TPrivateFolder
{
public:
    TPrivateFolder();
    ~TPrivateFolder();

    // Empty when the folder cannot be made.
    QString Path();
    // Writes text (UTF-8) to a new file "<stem>XXXXXX<suffix>" in the folder
    // with mode 0600; the file's path, empty on failure.
    QString WriteNew(const QString &stem, const QString &suffix, const QByteArray &content);
    // Writes content to name in the folder (replacing it) with mode 0600.
    bool WriteNamed(const QString &name, const QByteArray &content);

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
