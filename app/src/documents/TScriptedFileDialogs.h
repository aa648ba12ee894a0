#pragma once

#include "documents/TFileDialogs.h"

#include <QList>
#include <deque>

// File dialogs for tests: every request is recorded and answered from a
// script; a request with no answer left is cancelled and counted.
class TScriptedFileDialogs : public TFileDialogs
{
public:
    void answerOpen(const QStringList &files) { m_open.push_back(files); }
    void answerSave(std::optional<QString> fileName) { m_save.push_back(std::move(fileName)); }

    QStringList OpenFiles(const TOpenFilesRequest &request) override;
    std::optional<QString> SaveFile(const TSaveFileRequest &request) override;

    const QList<TOpenFilesRequest> &openRequests() const { return m_openRequests; }
    const QList<TSaveFileRequest> &saveRequests() const { return m_saveRequests; }
    int unexpectedCount() const { return m_unexpected; }
    bool scriptUsedUp() const { return m_open.empty() && m_save.empty(); }

private:
    std::deque<QStringList> m_open;
    std::deque<std::optional<QString>> m_save;
    QList<TOpenFilesRequest> m_openRequests;
    QList<TSaveFileRequest> m_saveRequests;
    int m_unexpected = 0;
};
