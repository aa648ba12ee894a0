#pragma once

#include <QByteArray>
#include <QString>

// The arrangement of the main window's tool bars and docks between runs, in
// "layout.dat" of the user data folder. The studio's tool-bar and dock
// settings keep positions as numbers only; Qt's window state is a byte
// block, so it lives in a file of its own.
class TLayoutStore
{
public:
    explicit TLayoutStore(const QString &userDataDir);

    QString FileName() const { return m_fileName; }
    // Empty when there is no file or it cannot be read.
    QByteArray Load() const;
    // Written through a temporary file; on failure the old file stays and
    // the German reason is returned, else an empty text.
    QString Save(const QByteArray &state) const;

private:
    QString m_fileName;
};
