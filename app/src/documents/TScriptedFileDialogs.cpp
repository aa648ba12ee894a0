#include "documents/TScriptedFileDialogs.h"

QStringList TScriptedFileDialogs::OpenFiles(const TOpenFilesRequest &request)
{
    m_openRequests.append(request);
    if (m_open.empty()) {
        ++m_unexpected;
        return {};
    }
    QStringList files = m_open.front();
    m_open.pop_front();
    return files;
}

std::optional<QString> TScriptedFileDialogs::SaveFile(const TSaveFileRequest &request)
{
    m_saveRequests.append(request);
    if (m_save.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    std::optional<QString> name = m_save.front();
    m_save.pop_front();
    return name;
}
